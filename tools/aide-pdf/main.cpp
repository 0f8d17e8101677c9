// pedavin-aide-pdf TEXTE.html SKIN.jpg SORTIE.pdf
// The learner's help document: the text of aide.html laid out on A4 pages,
// with the main window's skin as a figure whose numbered callouts sit on the
// hot zones the window really uses.
#include "app/DispositionForm1.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>

namespace {

struct Repere
{
    QString marque;   // "1".."12" for buttons, "A".."E" for areas
    QRect zone;       // on the 1024 x 768 skin
    QPoint pastille;  // centre of the numbered badge
};

QRect px(const ZoneTwips& z) { return QRect(z.x(), z.y(), z.l(), z.h()); }

QVector<Repere> reperes()
{
    using namespace form1;
    const QRect tableau(colonnesTitres.front() / 15 - 4, hautTitres / 15 - 2,
                        (colonnesTitres.back() + 480 - colonnesTitres.front()) / 15 + 8, (hautValeurs + 300 - hautTitres) / 15);
    return {
        {QStringLiteral("1"), px(quitter), {162, 728}},
        {QStringLiteral("2"), px(basculer), {238, 728}},
        {QStringLiteral("3"), px(zoomAnimation), {129, 84}},
        {QStringLiteral("4"), px(zoomConsignes), {168, 84}},
        {QStringLiteral("5"), px(journaux), {47, 84}},
        {QStringLiteral("13"), px(lancerEpreuve), {88, 84}},
        {QStringLiteral("6"), px(toutStopper), {248, 84}},
        {QStringLiteral("7"), px(modeDocument), {208, 84}},
        {QStringLiteral("8"), px(aideUtilisateur), {15, 620}},
        {QStringLiteral("9"), px(deployer), {336, 349}},
        {QStringLiteral("10"), px(volume), {98, 728}},
        {QStringLiteral("11"), tableau, {298, 556}},
        {QStringLiteral("12"), px(razResultats), {190, 622}},
        {QStringLiteral("A"), px(arbre), {150, 345}},
        {QStringLiteral("B"), px(video), {675, 265}},
        {QStringLiteral("C"), px(panneauPdf), {655, 600}},
        {QStringLiteral("D"), px(compteur), {290, 47}},
        {QStringLiteral("E"), px(ligneEtat), {266, 592}},
    };
}

// The skin, enlarged twice for print, with its callouts.
QImage figure(const QString& skin)
{
    QImage fond(skin);
    if (fond.isNull())
        return {};
    const int f = 2;
    QImage img(fond.width() * f, fond.height() * f, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(img.rect(), fond);
    p.scale(f, f);
    const QColor orange(0xf0, 0x80, 0x10);
    for (const Repere& r : reperes()) {
        const bool zone = r.marque.at(0).isLetter();
        const QColor c = zone ? QColor(0x20, 0x90, 0xe0) : orange;
        p.setPen(QPen(c, 1.6, zone ? Qt::DashLine : Qt::SolidLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(r.zone).adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
        if (!r.zone.contains(r.pastille)) {
            // leader from the badge to the nearest point of the zone
            const QPointF cible(std::clamp(r.pastille.x(), r.zone.left(), r.zone.right()),
                                std::clamp(r.pastille.y(), r.zone.top(), r.zone.bottom()));
            p.setPen(QPen(c, 1.6));
            p.drawLine(QPointF(r.pastille), cible);
        }
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(c);
        p.drawEllipse(QPointF(r.pastille), 14, 14);
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPixelSize(r.marque.size() > 1 ? 14 : 17);
        police.setBold(true);
        p.setFont(police);
        p.drawText(QRectF(r.pastille.x() - 14, r.pastille.y() - 14, 28, 28), Qt::AlignCenter, r.marque);
    }
    return img;
}

const char* const feuilleDeStyle = R"(
body { font-family: 'Liberation Sans'; font-size: 10.5pt; color: #202020; }
h1 { font-size: 24pt; color: #1f3a5f; margin-top: 0; margin-bottom: 10pt; }
h2 { font-size: 15pt; color: #1f3a5f; margin-top: 16pt; margin-bottom: 6pt; }
p { margin-top: 0; margin-bottom: 6pt; line-height: 125%; }
li { margin-bottom: 3pt; line-height: 120%; }
p.surtitre { color: #c06000; font-size: 11pt; font-weight: bold; margin-bottom: 2pt; }
p.figure { margin-top: 6pt; margin-bottom: 2pt; line-height: 100%; }
h2.page { page-break-before: always; }
p.legende { font-style: italic; font-size: 9pt; color: #505050; margin-bottom: 8pt; }
p.astuce { background-color: #fff4e0; color: #402000; margin-top: 4pt; margin-bottom: 8pt; }
table.reperes td { font-size: 9.5pt; vertical-align: top; }
td.num { font-weight: bold; color: #c06000; }
p.zones { font-size: 9.5pt; margin-top: 4pt; }
b.lettre { color: #1a70c0; }
table.outils { border-collapse: collapse; }
table.outils th { background-color: #1f3a5f; color: white; text-align: left; font-size: 9.5pt; }
table.outils td { border-bottom: 1px solid #c0c0c0; font-size: 9.5pt; }
)";

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: pedavin-aide-pdf TEXTE.html SKIN.jpg SORTIE.pdf\n", stderr);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pedavin-aide-pdf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage fig = figure(QString::fromLocal8Bit(argv[2]));
    if (fig.isNull()) {
        std::fprintf(stderr, "pedavin-aide-pdf: cannot read %s\n", argv[2]);
        return 1;
    }

    QPdfWriter pdf(QString::fromLocal8Bit(argv[3]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Pedavin – Guide de l'apprenant"));
    pdf.setCreator(QStringLiteral("Pedavin"));

    const double mm = pdf.resolution() / 25.4;
    const double piedHaut = 8 * mm;
    const QSizeF corps(pdf.width(), pdf.height() - piedHaut);

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&pdf);
    doc.setDocumentMargin(0);
    doc.setDefaultStyleSheet(QString::fromUtf8(feuilleDeStyle));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("figure:fenetre")), fig);
    QString html = QString::fromUtf8(source.readAll());
    // image sizes in the text are in screen pixels (96 a inch)
    const int largeurFigure = int(corps.width() * 96 / pdf.resolution() * 0.86);
    html.replace(QStringLiteral("%LARGEUR%"), QString::number(largeurFigure));
    html.replace(QStringLiteral("%HAUTEUR%"), QString::number(largeurFigure * fig.height() / fig.width()));
    doc.setHtml(html);
    doc.setPageSize(corps);

    QPainter p(&pdf);
    const int pages = doc.pageCount();
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPointSizeF(8.5);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            pdf.newPage();
        p.save();
        p.translate(0, -i * corps.height());
        doc.drawContents(&p, QRectF(0, i * corps.height(), corps.width(), corps.height()));
        p.restore();
        p.setPen(QColor(0xa0, 0xa0, 0xa0));
        p.drawLine(QPointF(0, corps.height() + 2 * mm), QPointF(corps.width(), corps.height() + 2 * mm));
        p.setFont(police);
        p.setPen(QColor(0x50, 0x50, 0x50));
        const QRectF pied(0, corps.height() + 3 * mm, corps.width(), piedHaut - 3 * mm);
        p.drawText(pied, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pedavin – Guide de l'apprenant"));
        p.drawText(pied, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1 sur %2").arg(i + 1).arg(pages));
    }
    p.end();
    std::printf("%d pages\n", pages);
    return 0;
}
