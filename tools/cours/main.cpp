// pedavin-cours <sources> <dossier du cours>
// Builds the course folder: one PDF per source text in textes/ (the file
// names make the lesson tree, so they are checked here), the skins in fonds/,
// and the media folders that later steps fill.
#include "Balisage.h"
#include "Figures.h"
#include "Habillage.h"
#include "MiseEnPage.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>
#include <map>

namespace {

void dire(const QString &s) { std::fprintf(stderr, "%s\n", qPrintable(s)); }

QString lire(const QString &chemin, bool *ok)
{
    QFile f(chemin);
    *ok = f.open(QIODevice::ReadOnly);
    return *ok ? QString::fromUtf8(f.readAll()).remove('\r') : QString();
}

enum class Niveau { Titre, Chapitre, Lecon };

struct Source
{
    QString nom;   // document name without extension
    Niveau niveau;
    QString cle;
    QString texte; // node text
};

// The lesson tree reads its levels from fixed positions of the name; a name
// that matches more than one level, or a key of an unexpected shape, would
// give a tree different from the one the course was written for.
bool classer(const QString &nom, Source &s, QString *erreur)
{
    static const QRegularExpression chapitre(QStringLiteral("^C\\d\\d$"));
    static const QRegularExpression lecon(QStringLiteral("^C\\d\\dL\\d\\d$"));
    const bool t = nom.size() > 2 && nom[1] == '-';
    const bool c = nom.size() > 4 && nom[3] == '-';
    const bool l = nom.size() > 7 && nom[6] == '-';
    s.nom = nom;
    if (int(t) + int(c) + int(l) != 1) {
        *erreur = QStringLiteral("« %1 » : le nom doit avoir un seul tiret de niveau (caractère 2, 4 ou 7)").arg(nom);
        return false;
    }
    if (t) {
        s.niveau = Niveau::Titre;
        s.cle = nom.left(1);
        s.texte = nom.mid(2);
        if (s.cle != "T") {
            *erreur = QStringLiteral("« %1 » : le document titre commence par « T- »").arg(nom);
            return false;
        }
    } else if (c) {
        s.niveau = Niveau::Chapitre;
        s.cle = nom.left(3);
        s.texte = nom.mid(4);
        if (!chapitre.match(s.cle).hasMatch()) {
            *erreur = QStringLiteral("« %1 » : clé de chapitre attendue Cnn").arg(nom);
            return false;
        }
    } else {
        s.niveau = Niveau::Lecon;
        s.cle = nom.left(6);
        s.texte = nom.mid(7);
        if (!lecon.match(s.cle).hasMatch()) {
            *erreur = QStringLiteral("« %1 » : clé de leçon attendue CnnLnn").arg(nom);
            return false;
        }
    }
    if (s.texte.trimmed().isEmpty() || s.texte != s.texte.trimmed()) {
        *erreur = QStringLiteral("« %1 » : intitulé vide ou entouré de blancs").arg(nom);
        return false;
    }
    static const QRegularExpression interdits(QStringLiteral("[\\\\/:*?\"<>|]"));
    if (interdits.match(nom).hasMatch()) {
        *erreur = QStringLiteral("« %1 » : caractère interdit dans un nom de fichier Windows").arg(nom);
        return false;
    }
    return true;
}

// "C02L05" -> 2 and 5
int numero(const QString &deuxChiffres) { return deuxChiffres.toInt(); }

bool evaluation(const QString &texte)
{
    return texte.startsWith(QStringLiteral("Questionnaire N°")) || texte.startsWith(QStringLiteral("Test N°"));
}

QString intituleChapitre(const QString &texte)
{
    // "Chapitre 1 - Découvrir le tableur" -> "Découvrir le tableur"
    const int i = texte.indexOf(QLatin1String(" - "));
    return i >= 0 ? texte.mid(i + 3) : texte;
}

QString ligneSommaire(const Source &l)
{
    if (evaluation(l.texte))
        return QStringLiteral("**%1** – évaluation").arg(l.texte);
    return QStringLiteral("Leçon %1 – %2").arg(numero(l.cle.mid(4, 2))).arg(l.texte);
}

void couverture(QPainter &p, const QRectF &page, double mm, const QString &intitule, const QString &noeud,
                const QString &contenu)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(page.topLeft(), page.bottomLeft());
    g.setColorAt(0, QColor(22, 56, 100));
    g.setColorAt(1, QColor(10, 22, 40));
    p.fillRect(QRectF(0, 0, page.width(), page.height() * 0.62), g);
    p.fillRect(QRectF(0, page.height() * 0.62, page.width(), 3 * mm), QColor(230, 150, 30));
    auto texte = [&](QRectF r, const QString &s, double taillePt, bool gras, QColor c, int align) {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(qRound(taillePt * mm * 25.4 / 72));
        f.setBold(gras);
        p.setFont(f);
        p.setPen(c);
        p.drawText(r, align | Qt::TextWordWrap, s);
    };
    const double m = 22 * mm;
    texte(QRectF(m, 28 * mm, page.width() - 2 * m, 10 * mm), noeud, 12, true, QColor(240, 180, 70),
          Qt::AlignLeft);
    texte(QRectF(m, 42 * mm, page.width() - 2 * m, 50 * mm), QStringLiteral("Initiation au tableur"), 38,
          true, Qt::white, Qt::AlignLeft);
    texte(QRectF(m, 62 * mm, page.width() - 2 * m, 20 * mm), QStringLiteral("avec LibreOffice Calc"), 22,
          false, QColor(210, 225, 245), Qt::AlignLeft);
    // an illustration: a small table and the chart drawn from it
    Figure grille{QStringLiteral("tableur"), {},
                  {"largeurs: 1.4,1,1,1", "entete: oui", "barre: non", "sel: B2:D2",
                   "| Trimestre | T1 | T2 | T3 |", "| Ventes | 1 200 | 1 640 | 2 150 |",
                   "| Objectif | 1 500 | 1 500 | 1 800 |"},
                  0};
    Figure graphique{QStringLiteral("histogramme"), {},
                     {"titre: Ventes et objectifs", "series: Ventes; Objectif", "T1: 1200; 1500",
                      "T2: 1640; 1500", "T3: 2150; 1800"},
                     0};
    const double largeur = page.width() - 2 * m;
    const double e = largeur / largeurFigure;
    p.translate(m, 92 * mm);
    p.scale(e * 0.62, e * 0.62);
    p.fillRect(QRectF(-12, -12, largeurFigure + 24, hauteurFigure(grille) + 24), Qt::white);
    dessinerFigure(p, grille);
    p.resetTransform();
    p.translate(m + largeur * 0.45, 112 * mm);
    p.scale(e * 0.55, e * 0.55);
    dessinerFigure(p, graphique);
    p.resetTransform();
    texte(QRectF(m, page.height() * 0.62 + 14 * mm, page.width() - 2 * m, 12 * mm), intitule, 16, true,
          QColor(22, 56, 100), Qt::AlignLeft);
    texte(QRectF(m, page.height() * 0.62 + 28 * mm, page.width() - 2 * m, 40 * mm),
          QStringLiteral("Formation professionnelle – niveau débutant\n") + contenu,
          12, false, QColor(60, 60, 60), Qt::AlignLeft);
    texte(QRectF(m, page.height() - 30 * mm, page.width() - 2 * m, 10 * mm),
          QStringLiteral("Pedavin – formation interactive"), 11, true, QColor(120, 120, 120), Qt::AlignLeft);
    p.restore();
}

bool ecrireTexte(const QString &chemin, const QString &texte)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QString t = texte;
    f.write(t.replace('\n', QStringLiteral("\r\n")).toUtf8());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        dire(QStringLiteral("usage : pedavin-cours <dossier des sources> <dossier du cours>"));
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QDir cours(QString::fromLocal8Bit(argv[2]));

    bool ok = false;
    const QStringList configuration = lire(sources.filePath("configuration.txt"), &ok).split('\n');
    if (!ok || configuration.size() < 15) {
        dire(QStringLiteral("configuration.txt absent ou incomplet (15 lignes attendues)"));
        return 1;
    }
    const QString intitule = configuration[6];
    if (configuration[5] != cours.dirName())
        dire(QStringLiteral("attention : le dossier du cours s'appelle « %1 », la configuration dit « %2 »")
                 .arg(cours.dirName(), configuration[5]));

    const QDir textes(sources.filePath("textes"));
    std::vector<Source> documents;
    for (const QString &f : textes.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        Source s;
        QString erreur;
        if (!classer(f.chopped(4), s, &erreur)) {
            dire(erreur);
            return 1;
        }
        documents.push_back(s);
    }
    std::map<QString, const Source *> chapitres;
    std::map<QString, std::vector<const Source *>> lecons;
    const Source *titre = nullptr;
    for (const Source &s : documents) {
        if (s.niveau == Niveau::Titre)
            titre = &s;
        else if (s.niveau == Niveau::Chapitre)
            chapitres[s.cle] = &s;
        else
            lecons[s.cle.left(3)].push_back(&s);
    }
    if (!titre) {
        dire(QStringLiteral("aucun document titre « T-… »"));
        return 1;
    }
    for (const auto &[cle, liste] : lecons)
        if (!chapitres.count(cle)) {
            dire(QStringLiteral("leçons sans chapitre %1").arg(cle));
            return 1;
        }

    for (const char *d : {"textes", "fonds", "anim", "exercices/textes", "exercices/imagexos", "Tests"})
        if (!cours.mkpath(d)) {
            dire(QStringLiteral("impossible de créer %1").arg(cours.filePath(d)));
            return 1;
        }
    // Documents whose source was removed or renamed would stay in the tree.
    QDir sortie(cours.filePath("textes"));
    for (const QString &f : sortie.entryList({"*.pdf"}, QDir::Files))
        sortie.remove(f);

    int echecs = 0;
    for (const Source &s : documents) {
        const QString texte = lire(textes.filePath(s.nom + ".txt"), &ok);
        QString erreur;
        DocumentCours doc;
        doc.blocs = analyser(texte, &erreur);
        doc.enteteDroite = QStringLiteral("Pedavin");
        doc.piedGauche = intitule;
        if (s.niveau == Niveau::Titre) {
            doc.surtitre = s.texte;
            doc.titre = QStringLiteral("Présentation du cours");
            doc.enteteGauche = intitule;
            doc.blocs.push_back({Bloc::Saut, {}, {}, {}});
            doc.blocs.push_back({Bloc::Titre2, QStringLiteral("Sommaire"), {}, {}});
            for (const auto &[cle, c] : chapitres) {
                doc.blocs.push_back({Bloc::Titre3, c->texte, {}, {}});
                for (const Source *l : lecons[cle])
                    doc.blocs.push_back({Bloc::Puce, ligneSommaire(*l), {}, {}});
                if (lecons[cle].empty())
                    doc.blocs.push_back({Bloc::Paragraphe, QStringLiteral("*Documents de référence, sans leçon.*"), {}, {}});
            }
            int nLecons = 0, nQuestionnaires = 0, nTests = 0;
            for (const Source &d : documents) {
                if (d.niveau != Niveau::Lecon)
                    continue;
                if (d.texte.startsWith(QStringLiteral("Questionnaire N°")))
                    ++nQuestionnaires;
                else if (d.texte.startsWith(QStringLiteral("Test N°")))
                    ++nTests;
                else
                    ++nLecons;
            }
            const QString contenu = QStringLiteral("%1 chapitres, %2 leçons, %3 questionnaires et %4 tests")
                                        .arg(chapitres.size()).arg(nLecons).arg(nQuestionnaires).arg(nTests);
            const QString noeud = s.texte;
            doc.couverture = [intitule, noeud, contenu](QPainter &p, const QRectF &page, double mm) {
                couverture(p, page, mm, intitule, noeud, contenu);
            };
        } else if (s.niveau == Niveau::Chapitre) {
            doc.surtitre = QStringLiteral("Chapitre %1").arg(numero(s.cle.mid(1, 2)));
            doc.titre = intituleChapitre(s.texte);
            doc.enteteGauche = s.texte;
            if (!lecons[s.cle].empty()) {
                doc.blocs.push_back({Bloc::Titre2, QStringLiteral("Contenu du chapitre"), {}, {}});
                for (const Source *l : lecons[s.cle])
                    doc.blocs.push_back({Bloc::Puce, ligneSommaire(*l), {}, {}});
            }
        } else {
            const Source *c = chapitres.at(s.cle.left(3));
            const int ch = numero(s.cle.mid(1, 2));
            doc.surtitre = evaluation(s.texte) ? QStringLiteral("Chapitre %1 – Évaluation").arg(ch)
                                               : QStringLiteral("Chapitre %1 – Leçon %2").arg(ch).arg(numero(s.cle.mid(4, 2)));
            doc.titre = s.texte;
            doc.enteteGauche = c->texte;
        }
        int pages = 0;
        if (erreur.isEmpty())
            pages = ecrirePdf(sortie.filePath(s.nom + ".pdf"), doc, &erreur);
        if (!ok || pages == 0) {
            dire(QStringLiteral("%1 : %2").arg(s.nom, ok ? erreur : QStringLiteral("illisible")));
            ++echecs;
            continue;
        }
        std::printf("%-60s %d page%s\n", qPrintable(s.nom), pages, pages > 1 ? "s" : "");
    }

    ok = dessinerSkinPrincipal().save(cours.filePath("fonds/skin7.jpg"), "JPG", 88);
    for (int n = 1; n <= 5; ++n)
        ok &= dessinerFondQuestionnaire(n).save(cours.filePath(QStringLiteral("fonds/QCM%1.jpg").arg(n)), "JPG", 85);
    if (!ok) {
        dire(QStringLiteral("impossible d'écrire les fonds"));
        ++echecs;
    }

    const struct { const char *dossier; const char *texte; } lisezMoi[] = {
        {"anim", "Animations des leçons : une par leçon, nommée d'après sa clé (C01L01.avi ou C01L01.swf).\n"
                 "T.swf est l'animation d'accueil du cours.\n"},
        {"exercices/textes", "Textes des questionnaires (EXO1.txt à EXO5.txt, EXO1-20Q.txt)\n"
                             "et documents d'exercice des leçons (clé de la leçon et .odg).\n"},
        {"exercices/imagexos", "Vidéos et images des questions : QCMAVI_<questionnaire><question>.avi\n"
                               "et <questionnaire>-<question>.jpg.\n"},
        {"Tests", "Programme de test externe (Test.exe) et ses fichiers.\n"},
    };
    for (const auto &l : lisezMoi) {
        const QString chemin = cours.filePath(QString::fromLatin1(l.dossier) + "/README.txt");
        if (!ecrireTexte(chemin, QString::fromUtf8(l.texte))) {
            dire(QStringLiteral("impossible d'écrire %1").arg(chemin));
            ++echecs;
        }
    }
    return echecs == 0 ? 0 : 1;
}
