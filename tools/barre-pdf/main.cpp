// pedavin-barre-pdf <dossier> : draws the document panel's toolbar picture,
// each button under its hot zone, and the panel's background.
#include "media/pdf/DispositionPanneauPdf.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {
using namespace panneaupdf;

const QColor encre(38, 56, 84);
const QColor accent(196, 120, 28);

QRectF zone(const ZoneTwips& z)
{
    // Button zones may start a little above the bar; the picture is drawn
    // within its own height.
    return QRectF(z.gauche / 15.0, 0, z.largeur / 15.0, hauteurBarre);
}

// A square of `cote` pixels centred in the zone, where an icon is drawn.
QRectF case_(const ZoneTwips& z, double cote = 20)
{
    const QRectF r = zone(z);
    return QRectF(r.center().x() - cote / 2, r.center().y() - cote / 2, cote, cote);
}

void feuille(QPainter& p, QRectF r)
{
    QPainterPath coin;
    const double pli = r.width() * 0.3;
    coin.moveTo(r.topLeft());
    coin.lineTo(r.right() - pli, r.top());
    coin.lineTo(r.right(), r.top() + pli);
    coin.lineTo(r.bottomRight());
    coin.lineTo(r.bottomLeft());
    coin.closeSubpath();
    p.setPen(QPen(encre, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(coin);
    p.drawLine(QPointF(r.right() - pli, r.top()), QPointF(r.right() - pli, r.top() + pli));
    p.drawLine(QPointF(r.right() - pli, r.top() + pli), QPointF(r.right(), r.top() + pli));
}

void imprimante(QPainter& p, QRectF r, int feuilles)
{
    // Paper coming out of the top, then the printer body.
    for (int i = feuilles - 1; i >= 0; --i) {
        const QRectF f(r.left() + 5 + i * 2.5, r.top() + 1 - i * 1.5, r.width() - 10, 9);
        p.setPen(QPen(encre, 1));
        p.setBrush(Qt::white);
        p.drawRect(f);
    }
    const QRectF corps(r.left() + 1, r.top() + 8, r.width() - 2, 8);
    QLinearGradient g(corps.topLeft(), corps.bottomLeft());
    g.setColorAt(0, QColor(120, 136, 160));
    g.setColorAt(1, QColor(64, 80, 106));
    p.setPen(QPen(encre, 1));
    p.setBrush(g);
    p.drawRoundedRect(corps, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + 5, r.top() + 14, r.width() - 10, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 220, 110));
    p.drawEllipse(QPointF(corps.right() - 3, corps.top() + 3), 1.2, 1.2);
}

void fleche(QPainter& p, QPointF pointe, QPointF depuis)
{
    p.setPen(QPen(accent, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(depuis, pointe);
    const QPointF d = pointe - depuis;
    const double l = std::hypot(d.x(), d.y());
    const QPointF u = d / l, n(-u.y(), u.x());
    QPainterPath tete;
    tete.moveTo(pointe);
    tete.lineTo(pointe - u * 4 + n * 3);
    tete.lineTo(pointe - u * 4 - n * 3);
    tete.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawPath(tete);
}

void triangle(QPainter& p, QPointF centre, double t, bool versDroite)
{
    QPainterPath tri;
    const double s = versDroite ? 1 : -1;
    tri.moveTo(centre + QPointF(s * t * 0.6, 0));
    tri.lineTo(centre + QPointF(-s * t * 0.5, -t * 0.7));
    tri.lineTo(centre + QPointF(-s * t * 0.5, t * 0.7));
    tri.closeSubpath();
    p.setPen(QPen(encre.darker(120), 1));
    p.setBrush(encre);
    p.drawPath(tri);
}

void relief(QPainter& p, QRectF r)
{
    // A faint raised button face under each hot zone.
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, 150));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QColor(150, 156, 166, 120), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(1.5, 2.5, -1.5, -2.5), 3, 3);
}

QImage barre()
{
    QImage img(largeurBarre, hauteurBarre, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fond(0, 0, 0, hauteurBarre);
    fond.setColorAt(0, QColor(246, 247, 249));
    fond.setColorAt(0.5, QColor(226, 229, 234));
    fond.setColorAt(1, QColor(196, 201, 209));
    p.fillRect(img.rect(), fond);
    p.setPen(QColor(120, 126, 136));
    p.drawLine(0, hauteurBarre - 1, largeurBarre, hauteurBarre - 1);

    const auto& d = principal;
    for (const auto& z : d.boutons)
        relief(p, zone(z));
    relief(p, zone(d.ouvrirDansLecteur));

    // Printing: choose the printer, the shown page, the whole document.
    {
        const QRectF r = case_(d.boutons[ChoisirImprimante]);
        imprimante(p, r.adjusted(0, 0, -4, 0), 1);
        p.setPen(QPen(accent, 1.4));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(r.right() - 3, r.bottom() - 4), 3.5, 3.5);
        p.drawLine(QPointF(r.right() - 3, r.bottom() - 6), QPointF(r.right() - 3, r.bottom() - 2));
    }
    imprimante(p, case_(d.boutons[ImprimerPage]), 1);
    imprimante(p, case_(d.boutons[ImprimerTout]), 3);

    // The exercise button: a dark face for its white "oOo" label.
    {
        QRectF r = zone(d.exercice).adjusted(2, 4, -2, -4);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(70, 96, 140));
        g.setColorAt(1, QColor(30, 48, 82));
        p.setPen(QPen(QColor(20, 30, 50), 1));
        p.setBrush(g);
        p.drawRoundedRect(r, 4, 4);
    }

    // Fit modes: page height, full width, best fit.
    {
        const QRectF r = case_(d.boutons[SurSaHauteur]);
        feuille(p, QRectF(r.left() + 3, r.top(), 11, r.height()));
        fleche(p, QPointF(r.right() - 1, r.top() + 1), QPointF(r.right() - 1, r.center().y()));
        fleche(p, QPointF(r.right() - 1, r.bottom() - 1), QPointF(r.right() - 1, r.center().y()));
    }
    {
        const QRectF r = case_(d.boutons[PleineLargeur]);
        feuille(p, QRectF(r.left(), r.top() + 2, r.width(), r.height() - 4));
        fleche(p, QPointF(r.left() + 1, r.center().y() + 2), QPointF(r.center().x(), r.center().y() + 2));
        fleche(p, QPointF(r.right() - 1, r.center().y() + 2), QPointF(r.center().x(), r.center().y() + 2));
    }
    {
        const QRectF r = case_(d.boutons[AuMieux]);
        p.setPen(QPen(accent, 1.2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        feuille(p, r.adjusted(5, 3, -5, -3));
    }

    // Pages: first, previous, the indicator's field, next, last.
    {
        const QRectF r = case_(d.boutons[PremierePage], 16);
        p.fillRect(QRectF(r.left() + 2, r.top() + 3, 2.5, r.height() - 6), encre);
        triangle(p, QPointF(r.center().x() + 2, r.center().y()), 10, false);
    }
    triangle(p, case_(d.boutons[PagePrecedente]).center(), 12, false);
    {
        // Under the indicator's text, a little taller than its label.
        const QRectF champ(d.indicateur.gauche / 15.0, d.indicateur.haut / 15.0 - 2.5, d.indicateur.largeur / 15.0,
                           d.indicateur.hauteur / 15.0 + 5);
        p.setPen(QPen(QColor(140, 146, 156), 1));
        p.setBrush(QColor(252, 252, 250));
        p.drawRoundedRect(champ, 3, 3);
    }
    triangle(p, case_(d.boutons[PageSuivante]).center(), 12, true);
    {
        const QRectF r = case_(d.boutons[DernierePage], 16);
        triangle(p, QPointF(r.center().x() - 2, r.center().y()), 10, true);
        p.fillRect(QRectF(r.right() - 4.5, r.top() + 3, 2.5, r.height() - 6), encre);
    }

    // Open in the default application: a page with an arrow leaving it.
    {
        const QRectF r = case_(d.ouvrirDansLecteur);
        feuille(p, QRectF(r.left() + 1, r.top() + 3, 12, r.height() - 4));
        p.setPen(QPen(QColor(200, 40, 40), 1));
        p.setFont([] {
            QFont f(QStringLiteral("Liberation Sans"));
            f.setPixelSize(6);
            f.setBold(true);
            return f;
        }());
        p.drawText(QRectF(r.left() + 1, r.top() + 10, 12, 8), Qt::AlignCenter, QStringLiteral("PDF"));
        fleche(p, QPointF(r.right(), r.top() + 1), QPointF(r.center().x() + 1, r.center().y()));
    }

    // Separators between the groups.
    p.setPen(QColor(160, 166, 176));
    for (int x : {d.boutons[SurSaHauteur].gauche / 15 - 2, d.boutons[PremierePage].gauche / 15 - 8,
                  d.ouvrirDansLecteur.gauche / 15 - 4, (d.ouvrirDansLecteur.gauche + d.ouvrirDansLecteur.largeur) / 15 + 4})
        p.drawLine(x, 5, x, hauteurBarre - 6);
    return img;
}

QImage fond()
{
    const auto& d = principal;
    QImage img(d.panneau.l(), d.panneau.h(), QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, img.width(), img.height());
    g.setColorAt(0, QColor(14, 18, 26));
    g.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(img.rect(), g);
    // A thin warm frame around the document, seen in the margins.
    const QRectF v(d.visionneuse.x(), d.visionneuse.y(), d.visionneuse.l(), d.visionneuse.h());
    p.setPen(QPen(QColor(196, 120, 28, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(v.adjusted(-1.5, -1.5, 1.5, 1.5), 2, 2);
    p.setPen(QPen(QColor(90, 104, 128), 1));
    for (int x = img.width() - 5; x < img.width(); x += 2)
        p.drawLine(QPointF(x, img.height() - 6), QPointF(x, img.height() - 2));
    return img;
}

bool enregistrer(const QImage& img, const QString& chemin)
{
    if (!img.save(chemin)) {
        std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(chemin));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage : pedavin-barre-pdf <dossier>\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    dossier.mkpath(QStringLiteral("."));
    const bool ok = enregistrer(barre(), dossier.filePath(QStringLiteral("barre-pdf.png")))
                    && enregistrer(fond(), dossier.filePath(QStringLiteral("fond-pdf.png")));
    return ok ? 0 : 1;
}
