#pragma once
// Polyalphabetic substitution over a fixed 103-character alphabet, keyed by a
// text. Encrypt is its own inverse: the same call enciphers and deciphers.
#include <QString>
#include <optional>

class dsEncrypt
{
public:
    dsEncrypt();

    void setKeyString(const QString& cle) { KeyString = cle; }

    // The transformed text, or nothing when a character of the text is not in
    // the alphabet (the caller then keeps its input). A key character outside
    // the alphabet, the empty key included, yields no output character for
    // that position.
    std::optional<QString> Encrypt(const QString& texte) const;

    // The 100 stored characters followed by CR, LF and the double quote.
    static const QString& alphabet();
    // Position 1..n of the first occurrence of c, 0 when absent.
    static int position(QChar c);

private:
    void Class_Initialize();
    QString KeyString;
};
