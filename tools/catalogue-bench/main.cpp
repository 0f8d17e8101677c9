// Times the start-up catalogue work on a generated course of 2,000 documents
// and 300 animations: text folder scan, animation inventory, tree plan, tree
// build with styling, title expanded. Prints the median in milliseconds; and,
// apart, the first paint of the tree with every node expanded.
#include "app/EtatSession.h"
#include "catalogue/ArbreLecons.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RemplissageArbre.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void creer(const QString& chemin)
{
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
}

// 1 title, 40 chapters and 1,959 lesson-level documents (2,000 documents),
// questionnaires and tests among them; 200 ".avi" and 100 ".swf".
void genererCours(const QString& racine)
{
    QDir().mkpath(racine + QStringLiteral("/textes"));
    QDir().mkpath(racine + QStringLiteral("/anim"));
    const QString textes = racine + QStringLiteral("/textes/");
    creer(textes + QStringLiteral("T-Cours QZ Formation générale.pdf"));
    int lecons = 0;
    for (int c = 1; c <= 40; ++c) {
        const QString chap = QStringLiteral("C%1").arg(c, 2, 10, QLatin1Char('0'));
        creer(textes + chap + QStringLiteral("-Chapitre %1 Thème numéro %1.pdf").arg(c));
        for (int l = 1; l <= 49 && lecons < 1959; ++l) {
            const QString cle = chap + QStringLiteral("L%1").arg(l, 2, 10, QLatin1Char('0'));
            QString titre = QStringLiteral("Leçon %1 : notions essentielles").arg(l);
            if (l == 48)
                titre = QStringLiteral("Questionnaire N°%1").arg(c % 5 + 1);
            else if (l == 47)
                titre = QStringLiteral("Test N°%1").arg(c % 4 + 1);
            else if (l % 7 == 0)
                titre = QStringLiteral("Travaux pratiques %1").arg(l);
            creer(textes + cle + QLatin1Char('-') + titre + QStringLiteral(".pdf"));
            if (lecons < 300)
                creer(racine + QStringLiteral("/anim/") + cle + (lecons < 200 ? QStringLiteral(".avi") : QStringLiteral(".swf")));
            ++lecons;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    genererCours(dir.path() + QStringLiteral("/Cours"));
    etat().lecteurCours = dir.path();
    etat().dossierCours = QStringLiteral("Cours");

    const int tours = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    std::vector<double> ms, affichage;
    int noeuds = 0;
    for (int t = 0; t < tours + 1; ++t) {
        QElapsedTimer chrono;
        chrono.start();
        const Catalogue c = scannerCatalogue(etat(), dir.path());
        ArbreLecons arbre;
        remplirArbre(arbre, c.plan);
        if (NoeudLecon* titre = arbre.item(1))
            titre->setExpanded(true);
        const double duree = double(chrono.nsecsElapsed()) / 1e6;
        noeuds = arbre.count();
        // First display of the built tree, title expanded, every node expanded.
        QElapsedTimer chronoAffichage;
        chronoAffichage.start();
        arbre.resize(231, 392);
        arbre.show();
        arbre.arbo(0);
        (void)arbre.grab();
        const double dureeAffichage = double(chronoAffichage.nsecsElapsed()) / 1e6;
        if (t > 0) { // the first run warms the file cache
            ms.push_back(duree);
            affichage.push_back(dureeAffichage);
        }
    }
    std::sort(ms.begin(), ms.end());
    std::sort(affichage.begin(), affichage.end());
    std::fprintf(stderr, "pedavin-bench-catalogue: %d nodes, %d runs, min %.1f ms, max %.1f ms\n", noeuds, tours,
                 ms.front(), ms.back());
    std::fflush(stderr);
    std::printf("catalogue.scan_tree_ms: %.1f ms\n", ms[ms.size() / 2]);
    std::printf("catalogue.tree_first_paint_ms: %.1f ms\n", affichage[affichage.size() / 2]);
    return 0;
}
