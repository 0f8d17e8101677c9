#pragma once
// Windows-1252 (the Windows ANSI code page of French systems), table-based:
// Qt 6 has no such converter without ICU.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Every byte decodes; the five bytes Windows leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same value, as
// Windows itself decodes them, so they survive a round trip.
QString decoderWindows1252(QByteArrayView octets);

// Whether the character has a Windows-1252 byte.
bool representableWindows1252(QChar c);

// The bytes of the text, or nothing when a character has no byte
// (premierNonRepresentable, when given, receives its index).
std::optional<QByteArray> encoderWindows1252(QStringView texte,
                                             qsizetype* premierNonRepresentable = nullptr);
