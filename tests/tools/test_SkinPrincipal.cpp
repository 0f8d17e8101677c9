// Every button of the main window is a transparent hot zone over the skin, so
// the skin must show a button exactly where each zone lies.
#include "app/DispositionForm1.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

QString cheminSkin()
{
    return QStringLiteral(PEDAVIN_SOURCE_DIR "/cours/COURS-TABLEUR/fonds/skin7.jpg");
}

struct Cas
{
    const char *nom;
    ZoneTwips zone;
};

const std::vector<Cas> boutons{
    {"quitter", form1::quitter},
    {"basculer", form1::basculer},
    {"zoomAnimation", form1::zoomAnimation},
    {"zoomConsignes", form1::zoomConsignes},
    {"journaux", form1::journaux},
    {"toutStopper", form1::toutStopper},
    {"modeDocument", form1::modeDocument},
    {"aideUtilisateur", form1::aideUtilisateur},
    {"deployer", form1::deployer},
    {"volume", form1::volume},
    {"razResultats", form1::razResultats},
};

QRect rect(const ZoneTwips &z) { return QRect(z.x(), z.y(), z.l(), z.h()); }

bool dansUnBouton(QPoint p)
{
    for (const Cas &c : boutons)
        if (rect(c.zone).contains(p))
            return true;
    return false;
}

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Mean colour step across the zone's outline: the pixel just inside each
// edge against the pixel 3 px outside, skipping places where a neighbouring
// button lies outside.
double contrasteDuBord(const QImage &img, const QRect &r)
{
    long total = 0, n = 0;
    auto mesurer = [&](QPoint dedans, QPoint dehors) {
        if (dansUnBouton(dehors) || !img.rect().contains(dehors))
            return;
        total += difference(img.pixel(dedans), img.pixel(dehors));
        ++n;
    };
    for (int x = r.left() + 4; x <= r.right() - 4; ++x) {
        mesurer({x, r.top()}, {x, r.top() - 3});
        mesurer({x, r.bottom()}, {x, r.bottom() + 3});
    }
    for (int y = r.top() + 4; y <= r.bottom() - 4; ++y) {
        mesurer({r.left(), y}, {r.left() - 3, y});
        mesurer({r.right(), y}, {r.right() + 3, y});
    }
    return n ? double(total) / n : 0;
}

// Spread of the luminance inside the zone: an icon, not a flat surface.
double detailInterieur(const QImage &img, const QRect &r)
{
    const QRect dedans = r.adjusted(3, 3, -3, -3);
    double somme = 0, carres = 0;
    int n = 0;
    for (int y = dedans.top(); y <= dedans.bottom(); ++y)
        for (int x = dedans.left(); x <= dedans.right(); ++x) {
            const double l = qGray(img.pixel(x, y));
            somme += l;
            carres += l * l;
            ++n;
        }
    const double m = somme / n;
    return std::sqrt(carres / n - m * m);
}

} // namespace

TEST(SkinPrincipal, APourTailleLImageDeLaFenetre)
{
    const QImage img(cheminSkin());
    ASSERT_FALSE(img.isNull()) << qPrintable(cheminSkin());
    EXPECT_EQ(img.width(), form1::largeurImage);
    EXPECT_EQ(img.height(), form1::hauteurImage);
}

TEST(SkinPrincipal, ChaqueZoneActiveEstSurUnBoutonDessine)
{
    const QImage img = QImage(cheminSkin()).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(img.isNull());
    for (const Cas &c : boutons) {
        SCOPED_TRACE(c.nom);
        const QRect r = rect(c.zone);
        ASSERT_TRUE(img.rect().contains(r));
        EXPECT_GT(contrasteDuBord(img, r), 150) << "the button's edge does not follow the zone";
        EXPECT_GT(detailInterieur(img, r), 12) << "no pictogram inside the zone";
    }
}

// The measure itself must tell a drawn button from plain background.
TEST(SkinPrincipal, UneZoneDecaleeNEstPasSurUnBouton)
{
    const QImage img = QImage(cheminSkin()).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(img.isNull());
    const QRect vide(form1::quitter.x(), form1::quitter.y() + 60, form1::quitter.l(), form1::quitter.h());
    ASSERT_FALSE(dansUnBouton(vide.center()));
    EXPECT_LT(contrasteDuBord(img, vide), 150);
}
