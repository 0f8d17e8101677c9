#pragma once
// Where the course folder is looked for: the program folder, then every
// mounted volume in the order the system lists them, then a fixed fallback
// folder. The first candidate whose course text folder holds a title document
// ("T-*.pdf") wins; when none does, a retry box asks for the CD-ROM.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct EtatSession;

// The mounted volumes, behind an interface so tests can stand in for the system.
class ListeVolumes
{
public:
    virtual ~ListeVolumes() = default;
    // Root paths of the mounted volumes ("/", "/media/cdrom"...), in the
    // system's order; removable media included.
    virtual QStringList volumes() const = 0;
};

// Fixed last candidate.
inline const QString dossierSecours = QStringLiteral("/srv/pedavin");

// The candidate places of the main window. Index 0 is the program folder,
// 1..nombreLecteurs the volumes, nombreLecteurs + 1 the fallback folder.
// Unbounded: a Linux system can mount more volumes than a fixed array holds
// (one per snap package, for instance), and a volume cut off would never be
// searched.
struct Emplacements
{
    std::vector<QString> listeEmplacements{QString()};
    int16_t nombreLecteurs = 0;
};

// Enters the volumes at 1..nombreLecteurs.
void CHERCHEDRIVE(Emplacements& e, const ListeVolumes& volumes);

// Completion before the search: the program folder first, the fallback last.
void completerEmplacements(Emplacements& e, const QString& dossierProgramme,
                           const QString& secours = dossierSecours);

// Whether lieu/dossierCours/textes holds a "T-*.pdf" (names compared ignoring case).
bool contientCours(const QString& lieu, const QString& dossierCours);

// The retry box's text for a course folder name.
QString texteBoiteRecherche(const QString& dossierCours);

struct RappelsRecherche
{
    // Whether a candidate holds the course; contientCours when left empty.
    std::function<bool(const QString& lieu, const QString& dossierCours)> contientCours;
    // The message box: icon, text, button set, caption; returns the answer.
    std::function<QString(int16_t icone, const QString& texte, int16_t boutons, const QString& titre)>
        afficherMessage;
    // The cue through the media control (the record's sonAutorise is raised
    // to -1 before it and left there).
    std::function<void(const QString& son)> jouerSonMCI;
    // Pointer: true = hourglass, false = default.
    std::function<void(bool attente)> curseurAttente;
};

enum class IssueRecherche {
    Trouve,    // lecteurCours names the place that holds the course
    Quitter,   // "Annuler": the caller ends the program
    Poursuivre // another answer: loading goes on with the last candidate
};

// The search loop: sets e.lecteurCours. "Ok" in the retry box searches the
// same candidates again.
IssueRecherche rechercherCours(const Emplacements& emplacements, EtatSession& e,
                               const RappelsRecherche& rappels);
