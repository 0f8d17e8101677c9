#include "journal/dsEncrypt.h"

#include <array>

namespace {

// The order is part of the cipher; the space occurs twice (positions 11 and 70).
constexpr char16_t alphabetStocke[] =
    u"mqzkwbtyfl RKDWMYAGTP\\5820391764\u00e7\u00e0\u00c9\u00e8\u00e9eovgsxhjcdrnaupi"
    u"ZBNHFQVLEJUSCXOI }~%(@,^=!_[&'?#/+;*<]`$>.:)|{-";
static_assert(std::size(alphabetStocke) - 1 == 100);

struct Table
{
    QString alphabet;
    int n = 0;
    // First occurrence of each UTF-16 unit below 256 (every alphabet character
    // is below 256), 0 when absent.
    std::array<int, 256> premiere{};
    // For a key character, its occurrences (the space has two).
    std::array<std::array<int, 2>, 256> occurrences{};

    Table()
    {
        alphabet = QString::fromUtf16(alphabetStocke) + QChar(13) + QChar(10) + QChar(34);
        n = int(alphabet.size());
        for (int p = n; p >= 1; --p) {
            const char16_t u = alphabet.at(p - 1).unicode();
            premiere[u] = p;
        }
        for (int p = 1; p <= n; ++p) {
            auto& o = occurrences[alphabet.at(p - 1).unicode()];
            (o[0] == 0 ? o[0] : o[1]) = p;
        }
    }
};

const Table& table()
{
    static const Table t;
    return t;
}

int positionDans(const Table& t, QChar c)
{
    return c.unicode() < 256 ? t.premiere[c.unicode()] : 0;
}

// Row j of the rotated table holds, at position p, the alphabet's character
// at ((j - 1) + (p - 1)) mod n + 1; the cipher takes the first row whose
// character at p is the key character. Every occurrence of the key character
// gives a candidate row; the lowest wins, as a row-by-row search would find.
int rangeeChiffre(const Table& t, int p, QChar k)
{
    if (k.unicode() >= 256)
        return 0;
    int meilleure = 0;
    for (int q : t.occurrences[k.unicode()]) {
        if (q == 0)
            continue;
        const int j = ((q - p) % t.n + t.n) % t.n + 1;
        if (meilleure == 0 || j < meilleure)
            meilleure = j;
    }
    return meilleure;
}

} // namespace

dsEncrypt::dsEncrypt() { Class_Initialize(); }

void dsEncrypt::Class_Initialize() { (void)table(); }

const QString& dsEncrypt::alphabet() { return table().alphabet; }

int dsEncrypt::position(QChar c) { return positionDans(table(), c); }

std::optional<QString> dsEncrypt::Encrypt(const QString& texte) const
{
    const Table& t = table();
    const qsizetype K = KeyString.size();
    QString resultat;
    resultat.reserve(texte.size());
    qsizetype kp = 0;
    for (const QChar c : texte) {
        const int p = positionDans(t, c);
        if (p == 0)
            return std::nullopt;
        if (K > 0) {
            const int j = rangeeChiffre(t, p, KeyString.at(kp));
            if (j != 0)
                resultat += t.alphabet.at(j - 1);
            if (++kp >= K)
                kp = 0;
        }
    }
    return resultat;
}
