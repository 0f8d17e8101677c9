#include "journal/Windows1252.h"

#include <array>

namespace {

// 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int octetDe(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (size_t i = 0; i < haut.size(); ++i)
        if (haut[i] == u)
            return int(0x80 + i);
    return -1;
}

} // namespace

QString decoderWindows1252(QByteArrayView octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* sortie = texte.data();
    for (const char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        *sortie++ = QChar(b >= 0x80 && b < 0xA0 ? haut[b - 0x80] : char16_t(b));
    }
    return texte;
}

bool representableWindows1252(QChar c) { return octetDe(c.unicode()) >= 0; }

std::optional<QByteArray> encoderWindows1252(QStringView texte, qsizetype* premierNonRepresentable)
{
    QByteArray octets(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const int b = octetDe(texte.at(i).unicode());
        if (b < 0) {
            if (premierNonRepresentable)
                *premierNonRepresentable = i;
            return std::nullopt;
        }
        octets[i] = char(b);
    }
    return octets;
}
