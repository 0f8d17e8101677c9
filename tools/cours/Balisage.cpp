#include "Balisage.h"

#include <QRegularExpression>

std::vector<Bloc> analyser(const QString &source, QString *erreur)
{
    std::vector<Bloc> blocs;
    const QStringList lignes = source.split('\n');
    QString paragraphe;
    auto finirParagraphe = [&] {
        if (!paragraphe.isEmpty())
            blocs.push_back({Bloc::Paragraphe, paragraphe, {}, {}});
        paragraphe.clear();
    };
    static const QRegularExpression etape(QStringLiteral("^\\d+\\.\\s+(.*)$"));

    for (int i = 0; i < lignes.size(); ++i) {
        const QString brute = lignes[i];
        const QString l = brute.trimmed();
        if (l.startsWith(QLatin1String("%")))
            continue; // author's note
        if (l.isEmpty()) {
            finirParagraphe();
            continue;
        }
        if (l.startsWith(QLatin1String("@figure"))) {
            finirParagraphe();
            const QStringList tete = l.mid(7).trimmed().split(' ');
            Bloc b{Bloc::Figure, tete.mid(1).join(' '), tete.value(0), {}};
            int j = i + 1;
            for (; j < lignes.size() && lignes[j].trimmed() != QLatin1String("@fin"); ++j)
                if (!lignes[j].trimmed().isEmpty())
                    b.lignes << lignes[j].trimmed();
            if (j == lignes.size()) {
                if (erreur)
                    *erreur = QStringLiteral("ligne %1 : @figure sans @fin").arg(i + 1);
                return {};
            }
            blocs.push_back(b);
            i = j;
            continue;
        }
        if (l == QLatin1String("@saut")) {
            finirParagraphe();
            blocs.push_back({Bloc::Saut, {}, {}, {}});
            continue;
        }
        if (l.startsWith(QLatin1String("|"))) {
            finirParagraphe();
            if (blocs.empty() || blocs.back().genre != Bloc::Tableau)
                blocs.push_back({Bloc::Tableau, {}, {}, {}});
            blocs.back().lignes << l;
            continue;
        }
        struct Prefixe { const char *debut; Bloc::Genre genre; };
        static const Prefixe prefixes[] = {
            {"### ", Bloc::Titre3}, {"## ", Bloc::Titre2}, {"- ", Bloc::Puce},
            {"> ", Bloc::Objectif}, {"! ", Bloc::Astuce}};
        bool fait = false;
        for (const auto &p : prefixes) {
            if (l.startsWith(QLatin1String(p.debut))) {
                finirParagraphe();
                blocs.push_back({p.genre, l.mid(int(qstrlen(p.debut))).trimmed(), {}, {}});
                fait = true;
                break;
            }
        }
        if (fait)
            continue;
        if (const auto m = etape.match(l); m.hasMatch()) {
            finirParagraphe();
            blocs.push_back({Bloc::Etape, m.captured(1), {}, {}});
            continue;
        }
        // continuation of a list item or box when indented, else paragraph text
        if (paragraphe.isEmpty() && brute.startsWith(QLatin1String("   ")) && !blocs.empty()
            && blocs.back().genre != Bloc::Figure && blocs.back().genre != Bloc::Tableau) {
            blocs.back().texte += ' ' + l;
            continue;
        }
        paragraphe += (paragraphe.isEmpty() ? QString() : QStringLiteral(" ")) + l;
    }
    finirParagraphe();
    return blocs;
}
