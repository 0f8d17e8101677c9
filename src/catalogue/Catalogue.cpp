#include "catalogue/Catalogue.h"

#include "app/EtatSession.h"
#include "catalogue/CheminCours.h"

#include <QHash>

#include <algorithm>

namespace {

bool tiretEn(const QString& nom, qsizetype position)
{
    return nom.size() >= position && nom.at(position - 1) == QLatin1Char('-');
}

// The name without its first `debut` characters and its last 4 (".pdf").
QString milieu(const QString& nom, qsizetype debut)
{
    return nom.mid(debut, std::max<qsizetype>(0, nom.size() - debut - 4));
}

QString sansExtension(const QString& nom) { return nom.left(std::max<qsizetype>(0, nom.size() - 4)); }

int16_t borne16(qsizetype n) { return int16_t(std::clamp<qsizetype>(n, INT16_MIN, INT16_MAX)); }

} // namespace

void trierListe(QStringList& liste) { std::stable_sort(liste.begin(), liste.end(), ordreNoms); }

ListesDocuments classerDocuments(const QStringList& noms)
{
    ListesDocuments l;
    for (const QString& nom : noms) {
        if (tiretEn(nom, 2)) {
            l.Combo1.append(nom);
            l.documentDemarrage = nom;
        }
        if (tiretEn(nom, 4))
            l.Combo2.append(nom);
        if (tiretEn(nom, 7))
            l.Combo3.append(nom);
    }
    trierListe(l.Combo1);
    trierListe(l.Combo2);
    trierListe(l.Combo3);
    return l;
}

ListesDocuments scannerTextes(const QString& racineCours)
{
    return classerDocuments(listerFichiers(racineCours + QStringLiteral("/textes"), QStringLiteral("*.pdf")));
}

InventaireAnimations inventorierAnimations(const QStringList& nomsAvi, const QStringList& nomsSwf)
{
    InventaireAnimations inv;
    int compteur = premiereAnimation - 1;
    for (auto [noms, table] : {std::pair{&nomsAvi, &inv.animationsAVI}, std::pair{&nomsSwf, &inv.animationsFlash}}) {
        for (const QString& nom : *noms) {
            ++compteur;
            if (compteur <= derniereAnimation)
                (*table)[size_t(compteur)] = sansExtension(nom);
        }
    }
    inv.dernierNumero = compteur;
    return inv;
}

InventaireAnimations inventorierAnimations(const QString& racineCours)
{
    const QString anim = racineCours + QStringLiteral("/anim");
    return inventorierAnimations(listerFichiers(anim, QStringLiteral("*.avi")),
                                 listerFichiers(anim, QStringLiteral("*.swf")));
}

SujetCours sujetCours(const QStringList& Combo1, SujetCours s)
{
    for (const QString& entree : Combo1) {
        s.fichierTitre = sansExtension(entree);
        s.Label2 = s.fichierTitre.mid(11);
    }
    return s;
}

QString emplacementCours(const QString& dossierProgramme, const QString& lecteurCours)
{
    if (dossierProgramme.left(4) == lecteurCours.left(4))
        return QStringLiteral("Cours sur  ") + lecteurCours.toLower();
    return QStringLiteral("Les cours sont en  :   ") + lecteurCours.toLower();
}

std::vector<DemandeNoeud> demandesNoeuds(const ListesDocuments& l)
{
    std::vector<DemandeNoeud> d;
    d.reserve(size_t(l.Combo1.size() + l.Combo2.size() + l.Combo3.size()));
    for (const QString& nom : l.Combo1)
        d.push_back({QString(), nom.left(1), milieu(nom, 2)});
    for (const QString& nom : l.Combo2)
        d.push_back({QStringLiteral("T"), nom.left(3), milieu(nom, 4)});
    for (const QString& nom : l.Combo3)
        d.push_back({nom.left(3), nom.left(6), milieu(nom, 7)});
    return d;
}

StyleNoeud styleNoeud(const QString& texte)
{
    const auto commence = [&](std::initializer_list<const char16_t*> mots) {
        return std::any_of(mots.begin(), mots.end(), [&](const char16_t* m) {
            return texte.startsWith(QStringView(m), Qt::CaseInsensitive);
        });
    };
    if (commence({u"COURS QZ"}))
        return {1.3, true, false, 0x000000};
    if (commence({u"CHAP", u"S\u00c9QU"}))
        return {1.2, true, true, 0x000080};
    if (commence({u"QUEST", u"SYNTH", u"EXERC", u"TEST", u"ACTI"}))
        return {1.2, false, false, 0xFF0000};
    if (commence({u"TRAV"}))
        return {1.2, false, false, 0x0000FF};
    if (commence({u"SITUA"}))
        return {1.2, true, false, 0x0000FF};
    return {};
}

PlanArbre planifierArbre(const ListesDocuments& listes)
{
    PlanArbre plan;
    QHash<QString, int> index;
    for (DemandeNoeud& d : demandesNoeuds(listes)) {
        if (index.contains(d.cle))
            continue;
        int parent = 0;
        if (!d.relative.isEmpty()) {
            const auto it = index.constFind(d.relative);
            if (it == index.constEnd())
                continue;
            parent = *it;
        }
        NoeudPlan n{std::move(d), parent, {}};
        n.style = styleNoeud(n.demande.texte);
        index.insert(n.demande.cle, int(plan.noeuds.size()) + 1);
        plan.noeuds.push_back(std::move(n));
    }

    int questionnaires = 0, tests = 0;
    for (const NoeudPlan& n : plan.noeuds) {
        if (n.demande.texte.startsWith(QLatin1String("QUEST"), Qt::CaseInsensitive))
            ++questionnaires;
        if (n.demande.texte.startsWith(QLatin1String("TEST"), Qt::CaseInsensitive))
            ++tests;
    }
    plan.nombreChapitres = borne16(listes.Combo2.size());
    plan.nombreQuestionnaires = borne16(questionnaires);
    plan.nombreTests = borne16(tests);
    plan.nombreLecons = borne16(listes.Combo3.size() - questionnaires);
    return plan;
}

Catalogue scannerCatalogue(EtatSession& e, const QString& dossierProgramme)
{
    Catalogue c;
    const QString racine = RacineCours();
    c.listes = scannerTextes(racine);
    c.animations = inventorierAnimations(racine);
    c.sujet = sujetCours(c.listes.Combo1, {e.fichierTitre, QString()});
    c.emplacementCours = emplacementCours(dossierProgramme, e.lecteurCours);
    c.plan = planifierArbre(c.listes);
    e.fichierTitre = c.sujet.fichierTitre;
    e.nombreChapitres = c.plan.nombreChapitres;
    e.nombreQuestionnaires = c.plan.nombreQuestionnaires;
    e.nombreTests = c.plan.nombreTests;
    e.nombreLecons = c.plan.nombreLecons;
    return c;
}
