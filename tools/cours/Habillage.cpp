#include "Habillage.h"

#include "app/DispositionForm1.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <functional>

namespace {

QRectF zone(const ZoneTwips &z) { return QRectF(z.x(), z.y(), z.l(), z.h()); }

QFont fonte(int pixels, bool gras = true)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

void fondSombre(QPainter &p, QColor haut, QColor bas)
{
    QLinearGradient g(0, 0, 0, 768);
    g.setColorAt(0, haut);
    g.setColorAt(1, bas);
    p.fillRect(QRect(0, 0, 1024, 768), g);
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int x = 0; x < 1024; x += 32)
        p.drawLine(x, 0, x, 768);
    for (int y = 0; y < 768; y += 32)
        p.drawLine(0, y, 1024, y);
}

void panneau(QPainter &p, QRectF r, const QBrush &fond, double rayon = 10)
{
    p.setPen(QPen(QColor(0, 0, 0, 120), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.translated(2, 3), rayon, rayon);
    p.setPen(QPen(QColor(120, 140, 170), 1.5));
    p.setBrush(fond);
    p.drawRoundedRect(r, rayon, rayon);
}

// Raised button face filling the hot zone exactly.
void face(QPainter &p, QRectF r, QColor teinte)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, teinte.lighter(135));
    g.setColorAt(0.5, teinte);
    g.setColorAt(1, teinte.darker(140));
    p.setPen(QPen(QColor(235, 240, 250), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setPen(QPen(QColor(10, 15, 25, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
}

const QColor acier(60, 98, 150);
const QColor blanc(250, 250, 250);

QPen trait(double l, QColor c = blanc)
{
    return QPen(c, l, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void loupe(QPainter &p, QPointF c, double r)
{
    p.setPen(trait(2.4, QColor(255, 220, 90)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    const QPointF d(r * 0.72, r * 0.72);
    p.drawLine(c + d, c + d * 1.9);
}

void iconeQuitter(QPainter &p, QRectF r)
{
    const QPointF c(r.left() + 14, r.center().y());
    p.setPen(trait(2.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 8, c.y() - 8, 16, 16), 120 * 16, 300 * 16);
    p.drawLine(c + QPointF(0, -11), c + QPointF(0, -2));
    p.setFont(fonte(11));
    p.setPen(blanc);
    p.drawText(QRectF(r.left() + 25, r.top(), r.width() - 26, r.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Quitter"));
}

void iconeBasculer(QPainter &p, QRectF r)
{
    const QPointF o = r.topLeft();
    p.setPen(trait(1.5));
    p.setBrush(QColor(200, 215, 235));
    p.drawRect(QRectF(o.x() + 9, o.y() + 9, 26, 19));
    p.setBrush(QColor(255, 220, 90));
    p.drawRect(QRectF(o.x() + 22, o.y() + 19, 26, 19));
    p.setPen(trait(2.5, QColor(30, 40, 60)));
    p.drawLine(QPointF(o.x() + 14, o.y() + 34), QPointF(o.x() + 24, o.y() + 34));
    p.setPen(trait(2.5));
    QPainterPath fl;
    fl.moveTo(o.x() + 8, o.y() + 40);
    fl.quadTo(o.x() + 8, o.y() + 32, o.x() + 18, o.y() + 32);
    p.setBrush(Qt::NoBrush);
    p.drawPath(fl);
    p.drawLine(QPointF(o.x() + 18, o.y() + 32), QPointF(o.x() + 14, o.y() + 28));
    p.drawLine(QPointF(o.x() + 18, o.y() + 32), QPointF(o.x() + 14, o.y() + 36));
}

void iconeZoomAnimation(QPainter &p, QRectF r)
{
    const QPointF c(r.left() + 17, r.top() + 14);
    p.setPen(Qt::NoPen);
    p.setBrush(blanc);
    QPolygonF t{c + QPointF(-4, -6), c + QPointF(6, 0), c + QPointF(-4, 6)};
    p.drawPolygon(t);
    loupe(p, c, 10);
}

void iconeZoomDocument(QPainter &p, QRectF r)
{
    const QPointF c(r.left() + 17, r.top() + 14);
    p.setPen(trait(1.2, QColor(40, 50, 70)));
    p.setBrush(blanc);
    p.drawRect(QRectF(c.x() - 5, c.y() - 7, 10, 14));
    p.drawLine(c + QPointF(-3, -3), c + QPointF(3, -3));
    p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
    p.drawLine(c + QPointF(-3, 3), c + QPointF(3, 3));
    loupe(p, c, 10);
}

void iconeJournal(QPainter &p, QRectF r)
{
    const QRectF livre(r.center().x() - 10, r.top() + 6, 20, r.height() - 12);
    p.setPen(trait(1.5));
    p.setBrush(QColor(170, 60, 50));
    p.drawRoundedRect(livre, 2, 2);
    p.setBrush(blanc);
    p.drawRect(livre.adjusted(5, 4, -3, -12));
    p.setPen(trait(1.2, QColor(255, 220, 90)));
    for (int i = 0; i < 5; ++i)
        p.drawPoint(QPointF(livre.left() + 2.5, livre.top() + 4 + i * 4.5));
}

void iconeStop(QPainter &p, QRectF r)
{
    const QPointF c = r.center();
    QPolygonF octo;
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + 45 * i) * M_PI / 180;
        octo << c + QPointF(std::cos(a), std::sin(a)) * 13;
    }
    p.setPen(trait(1.5));
    p.setBrush(QColor(210, 40, 40));
    p.drawPolygon(octo);
    p.setPen(Qt::NoPen);
    p.setBrush(blanc);
    p.drawRect(QRectF(c.x() - 5, c.y() - 5, 10, 10));
}

void iconeModeDocument(QPainter &p, QRectF r)
{
    const QPointF c = r.center();
    p.setPen(trait(1.2, QColor(40, 50, 70)));
    p.setBrush(blanc);
    QPolygonF page{c + QPointF(-9, -12), c + QPointF(4, -12), c + QPointF(9, -7), c + QPointF(9, 12),
                   c + QPointF(-9, 12)};
    p.drawPolygon(page);
    for (int i = 0; i < 4; ++i)
        p.drawLine(c + QPointF(-6, -5 + i * 4), c + QPointF(6, -5 + i * 4));
    // pin: the panel stays shown
    p.setPen(trait(1.2, QColor(90, 0, 0)));
    p.setBrush(QColor(230, 50, 40));
    p.drawEllipse(c + QPointF(7, -10), 4.5, 4.5);
}

void iconeAide(QPainter &p, QRectF r)
{
    p.setPen(trait(1.5));
    p.setBrush(QColor(30, 140, 80));
    p.drawEllipse(r.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setFont(fonte(16));
    p.setPen(blanc);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
}

void iconeDeployer(QPainter &p, QRectF r)
{
    p.setPen(trait(2.2));
    const QPointF c = r.center();
    p.drawLine(c + QPointF(-5, 0), c + QPointF(5, 0));
    p.drawLine(c + QPointF(0, -5), c + QPointF(0, 5));
}

// Start the assessment at once: a sheet with a play arrow.
void iconeLancerEpreuve(QPainter &p, QRectF r)
{
    const QPointF c = r.center();
    p.setPen(trait(1.2));
    p.setBrush(blanc);
    p.drawRect(QRectF(c.x() - 9, c.y() - 11, 14, 19));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(c.x() - 6, c.y() - 7 + i * 4), QPointF(c.x() + 2, c.y() - 7 + i * 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 190, 40));
    p.drawPolygon(QPolygonF{c + QPointF(1, 1), c + QPointF(1, 11), c + QPointF(10, 6)});
}

void iconeRaz(QPainter &p, QRectF r)
{
    const QPointF c = r.center();
    p.setPen(trait(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 5, c.y() - 5, 10, 10), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(blanc);
    p.drawPolygon(QPolygonF{c + QPointF(1, -8), c + QPointF(5, -4.5), c + QPointF(0, -2)});
}

void pisteVolume(QPainter &p, QRectF r)
{
    p.setPen(QPen(QColor(190, 200, 220), 1));
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(25, 30, 40));
    g.setColorAt(1, QColor(70, 80, 100));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setPen(QPen(QColor(10, 10, 10), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.center().x(), r.top() + 6), QPointF(r.center().x(), r.bottom() - 6));
    p.setPen(QPen(QColor(255, 220, 90), 1));
    for (int i = 0; i <= 5; ++i) {
        const double y = r.top() + 6 + (r.height() - 12) * i / 5.0;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.left() + 5, y));
        p.drawLine(QPointF(r.right() - 5, y), QPointF(r.right() - 2, y));
    }
}

void hautParleur(QPainter &p, QPointF o)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 210, 230));
    p.drawPolygon(QPolygonF{o + QPointF(0, 4), o + QPointF(4, 4), o + QPointF(9, 0), o + QPointF(9, 14),
                            o + QPointF(4, 10), o + QPointF(0, 10)});
    p.setPen(trait(1.3, QColor(200, 210, 230)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(o.x() + 4, o.y() + 1, 10, 12), -50 * 16, 100 * 16);
}

} // namespace

QImage dessinerSkinPrincipal()
{
    using namespace form1;
    QImage img(largeurImage, hauteurImage, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    fondSombre(p, QColor(28, 42, 62), QColor(10, 16, 26));

    // left column: brand, toolbar, tree, results, status, shell buttons
    panneau(p, QRectF(14, 12, 298, 744), QColor(22, 32, 48, 235), 14);
    p.setPen(QColor(255, 255, 255));
    p.setFont(fonte(26));
    p.drawText(QRectF(30, 24, 140, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pedavin"));
    p.setPen(QColor(230, 170, 60));
    p.setFont(fonte(11, false));
    p.drawText(QRectF(31, 58, 160, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Formation interactive"));
    // frame counter window
    const QRectF c = zone(compteur);
    panneau(p, c.adjusted(-4, -4, 4, 4), QColor(12, 16, 24), 4);
    p.setPen(QColor(150, 165, 190));
    p.setFont(fonte(9, false));
    p.drawText(QRectF(c.left() - 4, c.top() - 19, c.width() + 8, 14), Qt::AlignCenter, QStringLiteral("Image"));
    p.setPen(QPen(QColor(230, 170, 60, 150), 1));
    p.drawLine(QPointF(28, 98), QPointF(298, 98));

    // lesson tree frame (the tree paints its own light green background)
    const QRectF t = zone(arbre);
    p.setPen(QPen(QColor(150, 200, 150), 2));
    p.setBrush(QColor(214, 236, 208));
    p.drawRect(t.adjusted(-2, -1, 2, 2));

    // results board: headings row then values row, one cell per column; dark,
    // so the white headings and the green and red scores read on it
    const double xr0 = colonnesTitres.front() / 15.0 - 3;
    const double yt = hautTitres / 15.0 - 1, yv = hautValeurs / 15.0;
    p.setPen(QPen(QColor(90, 110, 140), 1));
    p.setBrush(QColor(34, 46, 66));
    p.drawRect(QRectF(xr0, yt, t.right() + 2 - xr0, yv - yt));
    p.setBrush(QColor(20, 28, 42));
    p.drawRect(QRectF(xr0, yv, t.right() + 2 - xr0, 17));
    for (size_t i = 1; i < colonnesTitres.size(); ++i) {
        const double x = colonnesTitres[i] / 15.0 - 2;
        p.drawLine(QPointF(x, yt), QPointF(x, yv + 17));
    }

    // status line well
    const QRectF s = zone(ligneEtat);
    p.setPen(QPen(QColor(120, 140, 170), 1));
    p.setBrush(QColor(226, 222, 200));
    p.drawRoundedRect(s.adjusted(0, 1, 0, -1), 4, 4);

    // animation screen
    const QRectF a = zone(video);
    panneau(p, a.adjusted(-6, -6, 6, 1), QColor(0, 0, 0), 8);
    // document panel area, where the subject and heading are shown
    const QRectF d = zone(panneauPdf);
    QLinearGradient parchemin(d.topLeft(), d.bottomLeft());
    parchemin.setColorAt(0, QColor(246, 243, 232));
    parchemin.setColorAt(1, QColor(222, 216, 196));
    panneau(p, d.adjusted(-5, 0, 5, 14), parchemin, 10);
    p.setPen(QPen(QColor(190, 150, 80), 1));
    p.drawLine(QPointF(d.left() + 20, zone(intitule).top() - 6), QPointF(d.right() - 20, zone(intitule).top() - 6));

    // volume: speaker above the slider's track
    const QRectF v = zone(volume);
    hautParleur(p, QPointF(v.left() + 1, v.top() - 18));
    pisteVolume(p, v);

    struct Bouton { const ZoneTwips &z; QColor teinte; std::function<void(QPainter &, QRectF)> icone; };
    const Bouton boutons[] = {
        {journaux, acier, iconeJournal},
        {lancerEpreuve, QColor(40, 80, 130), iconeLancerEpreuve},
        {zoomAnimation, acier, iconeZoomAnimation},
        {zoomConsignes, acier, iconeZoomDocument},
        {modeDocument, acier, iconeModeDocument},
        {toutStopper, QColor(120, 40, 40), iconeStop},
        {deployer, acier, iconeDeployer},
        {aideUtilisateur, QColor(30, 90, 60), iconeAide},
        {razResultats, QColor(140, 80, 20), iconeRaz},
        {quitter, QColor(150, 35, 35), iconeQuitter},
        {basculer, QColor(40, 110, 80), iconeBasculer},
    };
    for (const Bouton &b : boutons) {
        const QRectF r = zone(b.z);
        face(p, r, b.teinte);
        p.save();
        p.setClipRect(r);
        b.icone(p, r);
        p.restore();
    }
    return img;
}

QImage dessinerFondQuestionnaire(int n)
{
    static const QColor teintes[] = {QColor(24, 52, 90), QColor(28, 70, 60), QColor(70, 40, 80),
                                     QColor(80, 52, 24), QColor(40, 48, 70)};
    const QColor t = teintes[(n - 1 + 5) % 5];
    QImage img(1024, 768, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    fondSombre(p, t.lighter(120), t.darker(250));
    auto px = [](int tw) { return tw / 15.0; };
    auto r = [&](int x, int y, int l, int h) { return QRectF(px(x), px(y), px(l), px(h)); };

    // navigation buttons row and correction row
    panneau(p, QRectF(px(795) - 8, px(825) - 30, px(360 * 9 + 315) + 16, px(1680) - px(825) + 38),
            QColor(12, 16, 24, 200), 8);
    p.setPen(QColor(230, 200, 120));
    p.setFont(fonte(12));
    p.drawText(QRectF(px(795), px(825) - 26, 250, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Questions"));
    // question text, video and answers
    panneau(p, r(1320, 3090, 2730, 2910).adjusted(0, 0, 0, 0), QColor(10, 14, 22, 220), 10);
    panneau(p, r(5910, 735, 7935, 6465).adjusted(-6, -6, 6, 6), QColor(0, 0, 0), 8);
    panneau(p, QRectF(px(1000), px(9100), px(10700), px(1650)), QColor(10, 14, 22, 220), 10);
    p.setPen(QColor(230, 200, 120));
    for (int i = 0; i < 3; ++i) {
        const QRectF lettre(px(1155 + i * 3727) - 2, px(9100) + 4, 30, 22);
        p.setFont(fonte(16));
        p.drawText(lettre, Qt::AlignCenter, QString(QChar('A' + i)));
    }
    // score plate
    panneau(p, QRectF(px(11700), px(9700), px(3000), px(1500)), QColor(236, 232, 214), 10);

    // command zones: previous, next, replay the video, correct, leave
    struct Commande { QRectF r; QColor teinte; int genre; };
    const Commande commandes[] = {
        {r(2355, 7215, 675, 660), acier, 0},
        {r(3285, 6330, 645, 720), acier, 1},
        {r(3270, 7185, 645, 720), QColor(40, 110, 80), 2},
        {r(2385, 6330, 645, 660), QColor(40, 110, 80), 3},
        {r(1185, 7200, 690, 705), QColor(150, 35, 35), 4},
    };
    for (const Commande &c : commandes) {
        face(p, c.r, c.teinte);
        const QPointF m = c.r.center();
        p.setPen(trait(3));
        p.setBrush(Qt::NoBrush);
        switch (c.genre) {
        case 0: p.drawPolyline(QPolygonF{m + QPointF(5, -10), m + QPointF(-6, 0), m + QPointF(5, 10)}); break;
        case 1: p.drawPolyline(QPolygonF{m + QPointF(-5, -10), m + QPointF(6, 0), m + QPointF(-5, 10)}); break;
        case 2:
            p.drawArc(QRectF(m.x() - 10, m.y() - 10, 20, 20), 90 * 16, 270 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(blanc);
            p.drawPolygon(QPolygonF{m + QPointF(-1, -15), m + QPointF(7, -10), m + QPointF(-1, -5)});
            break;
        case 3: p.drawPolyline(QPolygonF{m + QPointF(-10, 0), m + QPointF(-3, 8), m + QPointF(10, -8)}); break;
        case 4:
            p.drawRect(QRectF(m.x() - 9, m.y() - 12, 14, 24));
            p.drawLine(m + QPointF(0, 0), m + QPointF(13, 0));
            p.drawLine(m + QPointF(13, 0), m + QPointF(9, -4));
            p.drawLine(m + QPointF(13, 0), m + QPointF(9, 4));
            break;
        }
    }
    return img;
}
