#pragma once
// The catalogue: the course's table of contents is carried by the names of
// the PDF documents of its text folder. Everything here is plain data; the
// tree widget is filled from the plan by remplirArbre.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct EtatSession;

// The three hidden sorted lists of the main window and the start-up document.
struct ListesDocuments
{
    QStringList Combo1; // title documents ("T-..."): character 2 is '-'
    QStringList Combo2; // chapter documents: character 4 is '-'
    QStringList Combo3; // lesson-level documents: character 7 is '-'
    // The last title document in listing order, loaded at start-up ("" = none).
    QString documentDemarrage;
};

// The lists' collation: ordreNoms (upper-cased UTF-16 units, then exact),
// the same order folders are listed in, so the lists and the tree read the
// same on every machine whatever its locale.
void trierListe(QStringList& liste);

// Files the three name tests to the lists, in the given listing order.
ListesDocuments classerDocuments(const QStringList& nomsDansOrdreListe);

// Scans RacineCours/textes/*.pdf.
ListesDocuments scannerTextes(const QString& racineCours);

inline constexpr int premiereAnimation = 7;
inline constexpr int derniereAnimation = 300;

// The animation inventory: base names (file name without its last 4
// characters) at one running number shared by both arrays, from 7; a number
// above 300 is not stored. All ".avi" come before all ".swf".
struct InventaireAnimations
{
    std::array<QString, derniereAnimation + 1> animationsAVI{};
    std::array<QString, derniereAnimation + 1> animationsFlash{};
    int dernierNumero = premiereAnimation - 1; // the counter after the last file, dropped ones included
};
InventaireAnimations inventorierAnimations(const QStringList& nomsAvi, const QStringList& nomsSwf);
InventaireAnimations inventorierAnimations(const QString& racineCours);

// Subject of the course from the sorted title list: fichierTitre is the last
// entry without ".pdf", Label2 that from its 12th character on. Empty list:
// both stay as given.
struct SujetCours
{
    QString fichierTitre;
    QString Label2;
};
SujetCours sujetCours(const QStringList& Combo1, SujetCours depart = {});

// The location text shown when the pointer is over the tree.
QString emplacementCours(const QString& dossierProgramme, const QString& lecteurCours);

// One request to add a node, in the order the tree receives them.
struct DemandeNoeud
{
    QString relative; // "" for a root
    QString cle;
    QString texte;
};
std::vector<DemandeNoeud> demandesNoeuds(const ListesDocuments& listes);

// Display of a node from the category word its text begins with.
struct StyleNoeud
{
    double facteurTaille = 1.0;
    bool gras = false;
    bool souligne = false;
    std::optional<int> couleurTexte; // &HBBGGRR; none = unchanged
};
StyleNoeud styleNoeud(const QString& texte);

// A node the tree accepts, at index 1..count in insertion order.
struct NoeudPlan
{
    DemandeNoeud demande;
    int indexParent = 0; // 0 for a root
    StyleNoeud style;
};

// The tree as it will be: the requests the tree accepts (a duplicate key or
// a missing parent drops a node, and with it its would-be children), their
// styles, and the counts of the styling pass.
struct PlanArbre
{
    std::vector<NoeudPlan> noeuds; // index i + 1
    int16_t nombreChapitres = 0;
    int16_t nombreQuestionnaires = 0;
    int16_t nombreTests = 0;
    int16_t nombreLecons = 0;
};
PlanArbre planifierArbre(const ListesDocuments& listes);

// The whole catalogue of a course as the loading sequence builds it.
struct Catalogue
{
    ListesDocuments listes;
    InventaireAnimations animations;
    SujetCours sujet;
    QString emplacementCours;
    PlanArbre plan;
};

// Scans RacineCours() and writes fichierTitre and the counts into the record.
Catalogue scannerCatalogue(EtatSession& e, const QString& dossierProgramme);
