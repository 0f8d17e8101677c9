// bench-journal [lines]
// Records lesson lines one after another and prints, per block of 1,000
// lines, the median time of one recording, then the median and the last
// block's median over the whole run.
#include "journal/Enregistreur.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    const int lignes = argc > 1 ? std::atoi(argv[1]) : 30000;
    EtatSession e;
    VueEnregistreur vue;
    vue.legende = QStringLiteral("3 - 2 : Les fonctions SOMME, MOYENNE, MIN et MAX ...");
    vue.sujet = QStringLiteral("LibreOffice Calc");
    e.referenceLecon = QStringLiteral("C03L02");
    QDateTime t(QDate(2009, 6, 15), QTime(9, 0, 0));
    continuersession(e, t);

    std::vector<double> tous, premiers, derniers;
    tous.reserve(size_t(lignes));
    using horloge = std::chrono::steady_clock;
    for (int i = 0; i < lignes; ++i) {
        t = t.addSecs(7);
        const auto debut = horloge::now();
        if (!ajouteretape(e, vue, t))
            break;
        const double ns = std::chrono::duration<double, std::nano>(horloge::now() - debut).count();
        tous.push_back(ns);
    }
    auto mediane = [](std::vector<double> v) {
        if (v.empty())
            return 0.0;
        std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    const size_t bloc = std::min<size_t>(1000, tous.size());
    premiers.assign(tous.begin(), tous.begin() + long(bloc));
    derniers.assign(tous.end() - long(bloc), tous.end());
    std::printf("journal.lines: %zu lines\n", tous.size());
    std::printf("journal.line_median_us: %.3f us\n", mediane(tous) / 1000.0);
    std::printf("journal.first_1000_median_us: %.3f us\n", mediane(premiers) / 1000.0);
    std::printf("journal.last_1000_median_us: %.3f us\n", mediane(derniers) / 1000.0);
    return 0;
}
