// bench-pdf fabriquer <fichier.pdf> <pages>   a lesson-like document of text pages
// bench-pdf charger <fichier.pdf> [fois]      chargePDF to first page painted, in ms
// bench-pdf capture <fichier.pdf> <image.png> the panel as the learner sees it
#include "app/EtatSession.h"
#include "media/pdf/PanneauDocument.h"
#include "media/pdf/VisionneusePdf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const char* paragraphe =
    "Une cellule est l'intersection d'une colonne et d'une ligne. Pour saisir une donnée, cliquez dans la "
    "cellule, tapez le texte ou le nombre puis validez avec la touche Entrée. La barre de formule affiche le "
    "contenu exact de la cellule active, même lorsque la colonne est trop étroite pour tout montrer.";

int fabriquer(const QString& chemin, int pages)
{
    QPdfWriter w(chemin);
    w.setResolution(72);
    w.setPageSize(QPageSize(QPageSize::A4));
    w.setPageMargins(QMarginsF());
    w.setCreator(QStringLiteral("Pedavin"));
    QPainter p(&w);
    QFont titre(QStringLiteral("Liberation Sans"));
    titre.setPixelSize(22);
    titre.setBold(true);
    QFont texte(QStringLiteral("Liberation Sans"));
    texte.setPixelSize(11);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    for (int n = 1; n <= pages; ++n) {
        if (n > 1)
            w.newPage();
        p.setFont(titre);
        p.setPen(QColor(30, 70, 130));
        p.drawText(QRectF(60, 60, 475, 40), QStringLiteral("Leçon %1 : saisir et modifier des données").arg(n));
        p.setFont(texte);
        p.setPen(Qt::black);
        double y = 120;
        for (int i = 0; i < 9; ++i) {
            p.drawText(QRectF(60, y, 475, 60), QString::fromUtf8(paragraphe), option);
            y += 72;
        }
        p.drawText(QRectF(60, 800, 475, 14), Qt::AlignRight, QStringLiteral("Page %1 / %2").arg(n).arg(pages));
    }
    return p.end() ? 0 : 1;
}

struct Fenetre
{
    QWidget fond;
    PanneauDocument* panneau;
    Fenetre()
    {
        fond.resize(form1::panneauPdf.l(), form1::panneauPdf.h());
        panneau = new PanneauDocument(&fond);
        panneau->show();
        fond.show();
        QCoreApplication::processEvents();
    }
};

// One load, timed until the viewer has painted the first page.
double charger(Fenetre& f, const QString& chemin)
{
    bool peinte = false;
    auto lien = QObject::connect(f.panneau->PDFV1, &VisionneusePdf::pagePeinte, [&](int page) {
        if (page == 1)
            peinte = true;
    });
    QElapsedTimer t;
    t.start();
    etat().cheminDocument = chemin;
    f.panneau->chargePDF();
    while (!peinte && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = t.nsecsElapsed() / 1e6;
    QObject::disconnect(lien);
    return peinte ? ms : -1;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    definirDossierProgramme(QCoreApplication::applicationDirPath());
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == QLatin1String("fabriquer"))
        return fabriquer(args[2], args[3].toInt());
    if (args.size() >= 3 && args[1] == QLatin1String("charger")) {
        const int fois = args.size() >= 4 ? qMax(1, args[3].toInt()) : 11;
        Fenetre f;
        std::vector<double> mesures;
        QSize page;
        int pages = 0;
        for (int i = 0; i < fois + 1; ++i) {
            // The viewer is emptied between loads, so each one renders afresh;
            // the first also pays for the renderer's start-up.
            const double ms = charger(f, args[2]);
            if (ms < 0) {
                std::fprintf(stderr, "bench-pdf: page 1 never painted\n");
                return 1;
            }
            mesures.push_back(ms);
            page = f.panneau->PDFV1->rectPage().size() * f.panneau->PDFV1->devicePixelRatioF();
            pages = f.panneau->nombrePages;
            etat().cheminDocument.clear();
            f.panneau->chargePDF();
        }
        const double froid = mesures.front();
        std::vector<double> chauds(mesures.begin() + 1, mesures.end());
        std::sort(chauds.begin(), chauds.end());
        std::printf("premiere_ms %.2f\nfroid_ms %.2f\nlargeur %d\nhauteur %d\npages %d\n", chauds[chauds.size() / 2],
                    froid, page.width(), page.height(), pages);
        return 0;
    }
    if (args.size() >= 4 && args[1] == QLatin1String("capture")) {
        Fenetre f;
        if (charger(f, args[2]) < 0)
            return 1;
        return f.panneau->grab().save(args[3]) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: bench-pdf fabriquer <pdf> <pages> | charger <pdf> [fois] | capture <pdf> <png>\n");
    return 2;
}
