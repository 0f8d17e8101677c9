#pragma once
// The one process-wide session record. Windows read and write it directly and
// pass arguments to each other through it: a caller sets a field, then opens a
// window or calls a procedure that reads it.
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// 16-bit truth values: -1 is true, 0 is false.
constexpr int16_t VRAI = -1;
constexpr int16_t FAUX = 0;

struct Notes
{
    int16_t Q1 = 0, Q2 = 0, Q3 = 0, Q4 = 0, Q5 = 0;
    int16_t T1 = 0, T2 = 0, T3 = 0, T4 = 0;
    int16_t MOY = 0;

    // Scores by their assessment index 1..9 (Q1..Q5 then T1..T4).
    int16_t& note(int index);
    int16_t note(int index) const;
};

// The journal, as five parallel columns indexed 1..nombreEtapes (0 unused).
struct Parcours
{
    std::vector<QString> numero{QString()};
    std::vector<QString> debut{QString()};
    std::vector<QString> duree{QString()};
    std::vector<QString> action{QString()};
    std::vector<QString> reference{QString()};

    // Grows or shrinks every column to indexes 0..dernier.
    void redimensionner(int dernier);
    int dernierIndex() const { return int(numero.size()) - 1; }
};

struct Apprenant
{
    QString nom;
    QString prenom;
    QString lieu;
};

struct EtatSession
{
    // Course location and configuration.
    QString lecteurCours;
    QString dossierCours;
    std::array<QString, 6> animationsQuestionnaires{}; // 1..5
    QString intituleCours;
    QString modeCours;
    QString typeQuestionnaire1;
    QString basculeMultiple;
    std::array<QString, 6> logicielsExternes{}; // 1..5
    QString fichierTitre;

    // Catalogue counts.
    int16_t nombreChapitres = 0;
    int16_t nombreLecons = 0;
    int16_t nombreQuestionnaires = 0;
    int16_t nombreTests = 0;

    // Current lesson and media.
    QString titreLecon;
    QString cleLecon;
    QString cheminDocument;
    QString cheminAnimation;
    int16_t positionAVI = 0;
    int16_t cibleZoom = FAUX;
    int16_t etatZoom = 0;
    int16_t positionVideoFlottante = 0;

    // Assessment. epreuveFaite uses 1 for done.
    std::array<int16_t, 10> epreuveFaite{}; // 1..9
    Notes TableauNotes;
    int16_t numeroQuestionnaire = 0;
    int16_t numeroTest = 0;
    int16_t decalageQuestions = 0;
    std::array<QString, 11> reponsesChoisies{};                 // 0..10
    QString questionsExercice[11][3]{};                         // place 1..10, row 1..2
    QString reponsesExercice[11][3][4]{};                       // place, row, answer 1..3
    std::array<QString, 21> clesExercice{};                     // 1..20
    int16_t noteAnnulee = 0;

    // Journal.
    Parcours parcours;
    int16_t nombreEtapes = 0;
    QDateTime debutEtapeCourante;
    int16_t typeEtape = 0;
    QString referenceLecon;
    QString fichierJournal;
    int16_t sauvegardeAuto = FAUX;
    int16_t rappelJournal = FAUX;
    int16_t compteurTops = 0;
    int16_t modeVueJournal = 0;
    QString nombreJournauxListes;
    std::vector<QString> journauxListes{QString()}; // 1..n

    // Learner and trainer.
    Apprenant apprenant;
    QString motDePasseFormateur;
    QString destinataireRapport;

    // External software switching.
    int32_t fenetreExterne = 0;
    int16_t logicielChoisi = 0;

    // Message box exchange.
    int16_t iconeMessage = 0;
    QString texteMessage;
    QString titreMessage;
    int16_t boutonsMessage = 0;
    QString reponseMessage;

    // Sound permission: a cue plays only while this is non-zero.
    int16_t sonAutorise = FAUX;
};

// The single instance, zeroed at process start.
EtatSession& etat();

// Puts the record back to its process-start state (tests use it between cases).
void reinitialiserEtat();

// Folder of the program itself: data.dat, sons/, images/, help files.
QString dossierProgramme();
void definirDossierProgramme(const QString& dossier);

// The course folder: lecteurCours "/" dossierCours. Every course path starts here.
QString RacineCours();

// The system temporary folder, ending with "/".
QString dossierTemporaire();
