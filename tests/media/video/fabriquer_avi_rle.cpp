// fabriquer-avi-rle <folder>
// Writes msrle.avi (Microsoft RLE, 8-bit palette) and tscc.avi (TechSmith
// screen capture, 24-bit), which the ffmpeg tool cannot encode. Same frame
// number pattern as fabriquer_videos.sh: 160 x 120, 60 frames at 10 per second.
// Only every 15th frame is a keyframe; the others leave the grey band to the
// previous picture, so a decode that skipped its keyframe shows no band.
#include <QByteArray>
#include <QFile>
#include <cstdio>
#include <vector>
#include <zlib.h>

namespace {

constexpr int Largeur = 160, Hauteur = 120, Images = 60, EcartClefs = 15;

void u16(QByteArray& b, unsigned v) { b.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); }
void u32(QByteArray& b, quint32 v)
{
    u16(b, v & 0xffff);
    u16(b, v >> 16);
}
void fourcc(QByteArray& b, const char* c) { b.append(c, 4); }

QByteArray bloc(const char* id, const QByteArray& donnees)
{
    QByteArray b;
    fourcc(b, id);
    u32(b, quint32(donnees.size()));
    b += donnees;
    if (donnees.size() % 2)
        b.append('\0');
    return b;
}

QByteArray liste(const char* type, const QByteArray& contenu)
{
    QByteArray b;
    fourcc(b, type);
    b += contenu;
    return bloc("LIST", b);
}

// 0 black, 1 white, 2 grey: the cell or band colour of a pixel.
int couleur(int image, int x, int y)
{
    if (y >= Hauteur * 4 / 5)
        return 2;
    const int bit = x * 8 / Largeur + 8 * (y * 5 / (2 * Hauteur));
    return (image >> bit) & 1;
}

// One frame in RLE (runs only), bottom line first. On a frame that is not a
// keyframe the band lines are left as they were (end-of-line at once).
QByteArray rle(int image, bool clef, int profondeur)
{
    static const unsigned char rvb[3][3] = {{0, 0, 0}, {255, 255, 255}, {128, 128, 128}};
    QByteArray b;
    for (int y = Hauteur - 1; y >= 0; --y) {
        if (clef || couleur(image, 0, y) != 2) {
            int x = 0;
            while (x < Largeur) {
                const int c = couleur(image, x, y);
                int n = 1;
                while (x + n < Largeur && n < 255 && couleur(image, x + n, y) == c)
                    ++n;
                b.append(char(n));
                if (profondeur == 8)
                    b.append(char(c));
                else
                    for (int i = 0; i < 3; ++i)
                        b.append(char(rvb[c][i]));
                x += n;
            }
        }
        if (y > 0)
            b.append('\0').append('\0'); // end of line
    }
    b.append('\0').append('\1'); // end of picture
    return b;
}

QByteArray zlib(const QByteArray& d)
{
    uLongf taille = compressBound(uLong(d.size()));
    QByteArray z(qsizetype(taille), '\0');
    compress2(reinterpret_cast<Bytef*>(z.data()), &taille, reinterpret_cast<const Bytef*>(d.constData()),
              uLong(d.size()), 9);
    z.resize(qsizetype(taille));
    return z;
}

bool ecrire(const QString& chemin, bool tscc)
{
    const int profondeur = tscc ? 24 : 8;
    QByteArray avih;
    for (quint32 v : {100000u, 0u, 0u, 0x10u, quint32(Images), 0u, 1u, 0u, quint32(Largeur), quint32(Hauteur),
                      0u, 0u, 0u, 0u})
        u32(avih, v);
    QByteArray strh;
    fourcc(strh, "vids");
    fourcc(strh, tscc ? "tscc" : "mrle");
    for (quint32 v : {0u, 0u, 0u, 1u, 10u, 0u, quint32(Images), 0u, 0xffffffffu, 0u})
        u32(strh, v);
    u16(strh, 0), u16(strh, 0), u16(strh, Largeur), u16(strh, Hauteur);
    QByteArray strf;
    u32(strf, 40), u32(strf, Largeur), u32(strf, Hauteur);
    u16(strf, 1), u16(strf, unsigned(profondeur));
    if (tscc)
        fourcc(strf, "tscc");
    else
        u32(strf, 1); // BI_RLE8
    for (quint32 v : {0u, 0u, 0u, tscc ? 0u : 256u, 0u})
        u32(strf, v);
    if (!tscc)
        for (int i = 0; i < 256; ++i) {
            const int g = i == 1 ? 255 : i == 2 ? 128 : 0;
            strf.append(char(g)).append(char(g)).append(char(g)).append('\0');
        }
    const QByteArray hdrl = liste("hdrl", bloc("avih", avih) + liste("strl", bloc("strh", strh) + bloc("strf", strf)));

    QByteArray movi;
    QByteArray idx1;
    fourcc(movi, "movi");
    for (int i = 0; i < Images; ++i) {
        const bool clef = i % EcartClefs == 0;
        QByteArray d = rle(i, clef, profondeur);
        if (tscc)
            d = zlib(d);
        fourcc(idx1, "00dc");
        u32(idx1, clef ? 0x10 : 0);
        u32(idx1, quint32(movi.size())); // from the 'movi' tag
        u32(idx1, quint32(d.size()));
        movi += bloc("00dc", d);
    }
    QByteArray riff;
    fourcc(riff, "AVI ");
    riff += hdrl + bloc("LIST", movi) + bloc("idx1", idx1);
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(bloc("RIFF", riff)) > 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fabriquer-avi-rle <folder>\n");
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    return ecrire(dossier + "/msrle.avi", false) && ecrire(dossier + "/tscc.avi", true) ? 0 : 1;
}
