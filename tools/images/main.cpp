// pedavin-images <dossier> : draws the program folder's pictures (splash,
// message box background and icons, answer buttons, hand pointer).
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

const QString police = QStringLiteral("Liberation Sans");

QFont fonte(int pixels, bool gras = true)
{
    QFont f(police);
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

QImage nouvelle(int l, int h, QColor fond = Qt::transparent)
{
    QImage img(l, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fond);
    return img;
}

bool enregistrer(const QImage &img, const QString &chemin)
{
    if (!img.save(chemin)) {
        std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(chemin));
        return false;
    }
    return true;
}

// A small spreadsheet sheet with a play triangle: the product's emblem.
void emblème(QPainter &p, QRectF r)
{
    p.save();
    p.setPen(QPen(QColor(20, 30, 45), 2));
    p.setBrush(QColor(245, 247, 250));
    p.drawRoundedRect(r, 6, 6);
    const qreal entete = r.height() * 0.2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 140, 90));
    QPainterPath haut;
    haut.addRoundedRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 2, entete), 5, 5);
    p.drawPath(haut);
    p.setPen(QPen(QColor(170, 180, 195), 1));
    for (int i = 1; i < 4; ++i) {
        const qreal x = r.left() + r.width() * i / 4.0;
        p.drawLine(QPointF(x, r.top() + entete), QPointF(x, r.bottom() - 2));
    }
    for (int i = 1; i < 5; ++i) {
        const qreal y = r.top() + entete + (r.height() - entete) * i / 5.0;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
    const QPointF c = r.center() + QPointF(r.width() * 0.12, r.height() * 0.12);
    const qreal t = r.width() * 0.26;
    QPainterPath lecture;
    lecture.moveTo(c + QPointF(-t * 0.6, -t));
    lecture.lineTo(c + QPointF(t, 0));
    lecture.lineTo(c + QPointF(-t * 0.6, t));
    lecture.closeSubpath();
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(230, 120, 30));
    p.drawPath(lecture);
    p.restore();
}

QImage splash()
{
    QImage img = nouvelle(311, 205);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 205);
    g.setColorAt(0, QColor(24, 44, 74));
    g.setColorAt(1, QColor(8, 14, 26));
    p.fillRect(img.rect(), g);
    // faint grid, the course player's spreadsheet theme
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int x = 0; x < 311; x += 24) p.drawLine(x, 0, x, 205);
    for (int y = 0; y < 205; y += 16) p.drawLine(0, y, 311, y);
    p.setPen(QPen(QColor(230, 170, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 309, 203));

    emblème(p, QRectF(22, 38, 78, 70));

    p.setPen(Qt::white);
    p.setFont(fonte(44));
    p.drawText(QRectF(112, 36, 190, 54), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pedavin"));
    p.setPen(QColor(230, 170, 60));
    p.setFont(fonte(13, false));
    p.drawText(QRectF(114, 88, 190, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Lecteur de formations"));
    p.setPen(QPen(QColor(230, 170, 60, 160), 1));
    p.drawLine(22, 128, 289, 128);
    p.setPen(QColor(200, 210, 225));
    p.setFont(fonte(11, false));
    p.drawText(QRectF(22, 136, 267, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Formation professionnelle interactive"));
    p.setPen(QColor(140, 155, 175));
    p.setFont(fonte(10, false));
    p.drawText(QRectF(22, 176, 267, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Chargement du cours…"));
    p.drawText(QRectF(22, 176, 267, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("© Korval"));
    return img;
}

// The text area (60,45 228x78) stays one flat colour so yellow text reads on it.
QImage fondMessage()
{
    QImage img = nouvelle(312, 206);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 206);
    g.setColorAt(0, QColor(34, 42, 58));
    g.setColorAt(1, QColor(12, 16, 24));
    p.fillRect(img.rect(), g);
    p.fillRect(QRect(0, 0, 312, 22), QColor(20, 70, 120));
    p.setPen(Qt::white);
    p.setFont(fonte(11));
    p.drawText(QRect(10, 0, 200, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pedavin"));
    p.setPen(QPen(QColor(230, 170, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 310, 204));
    // icon slot and text area
    p.setPen(QPen(QColor(70, 85, 110), 1));
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(13.5, 43.5, 38, 38), 4, 4);
    p.setBrush(QColor(16, 22, 32));
    p.drawRoundedRect(QRectF(56.5, 41.5, 235, 85), 5, 5);
    p.setPen(QPen(QColor(70, 85, 110), 1));
    p.drawLine(14, 184, 298, 184);
    return img;
}

void cadreArrondi(QPainter &p, QColor couleur)
{
    p.setPen(QPen(couleur, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 7, 7);
}

QImage icone(int n)
{
    QImage img = nouvelle(32, 32, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (n) {
    case 0: { // information
        cadreArrondi(p, Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 9), 2.6, 2.6);
        p.drawRect(QRectF(13.5, 13, 5, 12));
        p.drawRect(QRectF(11.5, 13, 4, 2.2));
        p.drawRect(QRectF(11.5, 23, 9, 2.4));
        break;
    }
    case 1: { // error
        QRadialGradient rg(QPointF(12, 11), 18);
        rg.setColorAt(0, QColor(255, 90, 80));
        rg.setColorAt(1, QColor(170, 0, 0));
        p.setPen(QPen(QColor(110, 0, 0), 1));
        p.setBrush(rg);
        p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
        p.setPen(QPen(QColor(200, 200, 200), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10), QPointF(22, 22));
        p.drawLine(QPointF(22, 10), QPointF(10, 22));
        break;
    }
    case 2: { // warning
        QPainterPath tri;
        tri.moveTo(16, 2);
        tri.lineTo(30.5, 29);
        tri.lineTo(1.5, 29);
        tri.closeSubpath();
        p.setPen(QPen(QColor(150, 110, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 214, 0));
        p.drawPath(tri);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        QPainterPath barre;
        barre.moveTo(14, 10);
        barre.lineTo(18, 10);
        barre.lineTo(17, 21);
        barre.lineTo(15, 21);
        barre.closeSubpath();
        p.drawPath(barre);
        p.drawEllipse(QPointF(16, 25), 2, 2);
        break;
    }
    case 3: { // question
        cadreArrondi(p, Qt::white);
        p.setPen(QColor(170, 170, 170));
        p.setFont(fonte(24));
        p.drawText(QRect(0, 1, 32, 31), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return img;
}

// 43 x 56 px: a pictogram disc above the answer word.
QImage bouton(const QString &mot, bool accepte)
{
    QImage img = nouvelle(43, 56);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 56);
    g.setColorAt(0, QColor(70, 84, 108));
    g.setColorAt(1, QColor(28, 34, 46));
    p.setPen(QPen(QColor(150, 165, 190), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 42, 55), 6, 6);
    const QColor teinte = accepte ? QColor(40, 170, 80) : QColor(200, 50, 40);
    QRadialGradient rg(QPointF(18, 13), 16);
    rg.setColorAt(0, teinte.lighter(150));
    rg.setColorAt(1, teinte.darker(120));
    p.setPen(QPen(teinte.darker(170), 1));
    p.setBrush(rg);
    p.drawEllipse(QRectF(7.5, 4.5, 28, 28));
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (accepte) {
        p.drawPolyline(QPolygonF({QPointF(14, 19), QPointF(19.5, 24.5), QPointF(29, 12)}));
    } else {
        p.drawLine(QPointF(15.5, 12.5), QPointF(27.5, 24.5));
        p.drawLine(QPointF(27.5, 12.5), QPointF(15.5, 24.5));
    }
    QFont f = fonte(mot.size() > 4 ? 9 : 11);
    p.setFont(f);
    p.setPen(QColor(255, 230, 120));
    p.drawText(QRectF(0, 35, 43, 18), Qt::AlignCenter, mot);
    return img;
}

// Pointing hand; its hot spot is the fingertip at (10, 1).
QImage main_()
{
    QImage img = nouvelle(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath m;
    m.moveTo(8, 4);
    m.cubicTo(8, 0.8, 12, 0.8, 12, 4);   // index tip
    m.lineTo(12, 13);
    m.cubicTo(12, 10.5, 16, 10.5, 16, 13); // middle finger
    m.cubicTo(16, 10.8, 20, 10.8, 20, 14); // ring finger
    m.cubicTo(20, 12, 24, 12, 24, 15);     // little finger
    m.lineTo(24, 22);
    m.cubicTo(24, 26, 22, 28, 21, 30);
    m.lineTo(10, 30);
    m.cubicTo(9, 27, 6, 24, 3.5, 20);      // palm side
    m.cubicTo(2, 17.5, 4.5, 15.5, 6.5, 17.5);
    m.lineTo(8, 19);
    m.closeSubpath();
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(m);
    p.setPen(QPen(Qt::black, 0.9));
    p.drawLine(QPointF(12, 13), QPointF(12, 18));
    p.drawLine(QPointF(16, 13), QPointF(16, 18));
    p.drawLine(QPointF(20, 14), QPointF(20, 18.5));
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage : pedavin-images <dossier de sortie>\n");
        return 2;
    }
    const QDir sortie(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(sortie.path()))
        return 1;
    bool ok = enregistrer(splash(), sortie.filePath("splash.png"));
    ok &= enregistrer(fondMessage(), sortie.filePath("fond-message.png"));
    for (int n = 0; n < 4; ++n)
        ok &= enregistrer(icone(n), sortie.filePath(QStringLiteral("icone%1.png").arg(n)));
    ok &= enregistrer(bouton("Ok", true), sortie.filePath("bouton-ok.png"));
    ok &= enregistrer(bouton("Annuler", false), sortie.filePath("bouton-annuler.png"));
    ok &= enregistrer(bouton("Oui", true), sortie.filePath("bouton-oui.png"));
    ok &= enregistrer(bouton("Non", false), sortie.filePath("bouton-non.png"));
    ok &= enregistrer(main_(), sortie.filePath("main.png"));
    return ok ? 0 : 1;
}
