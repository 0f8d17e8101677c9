#pragma once
// Drawing pieces of the lesson videos: a spreadsheet window in the manner of
// LibreOffice Calc, its menus and dialogues, charts, the mouse pointer and the
// overlays (numbered callouts, key badges, captions). Frames are 640 x 480.
#include <functional>

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

namespace video {

constexpr int largeur = 640;
constexpr int hauteur = 480;

QFont police(double pixels, bool gras = false, bool italique = false);

// Progress helpers: p in [0, 1].
double borne(double p);
double lisse(double p);                                   // ease in and out
double fenetre(double p, double debut, double fin);       // sub-range of p, rescaled
QString tape(const QString& texte, double p);             // the first p of the text, as typed
QPointF entre(QPointF a, QPointF b, double p);

struct Cellule
{
    QString texte;
    bool gras = false;
    bool italique = false;
    double taille = 11;          // pixels
    QColor fond;                 // invalid = none
    QColor couleur = QColor(0x20, 0x20, 0x20);
    int alignement = 0;          // 0 automatic (numbers right), 1 left, 2 centre, 3 right
    int fusion = 1;              // columns covered, from this one
    bool cadre = false;          // thick frame around the cell
};

struct Surlignage
{
    QRect plage;                 // columns x, rows y, 1-based, inclusive
    QColor couleur;
};

// State of the spreadsheet window for one frame; each scene fills one in.
struct Tableur
{
    QString titre = QStringLiteral("Sans nom 1 - LibreOffice Calc");
    QVector<int> largeurs;       // pixel widths of columns A, B, ...; 78 past the end
    int premiereLigne = 1;       // the sheet may be scrolled
    QHash<int, Cellule> cellules;
    QPoint actif{1, 1};
    QRect selection;             // invalid = none
    bool enSaisie = false;       // the active cell shows the formula being typed
    QString formule;             // formula bar content
    bool curseur = false;        // text cursor at the end of the formula
    QVector<Surlignage> references;
    bool bordures = false;       // thin black borders over the used range
    QRect plageBordures;
    QStringList onglets{QStringLiteral("Feuille1")};
    int ongletActif = 0;
    QString etat;                // right part of the status bar
    bool poigneeSaisie = false;  // fill handle drawn larger (being dragged)

    Cellule& c(int colonne, int ligne);
    Cellule& c(const QString& ref);   // "B7"
    void ligne(int ligne, const QStringList& textes, int premiereColonne = 1);
    void style(const QRect& plage, const std::function<void(Cellule&)>& f);
};

// Geometry of the window, for pointers and callouts.
QRect rectCellule(const Tableur& t, int colonne, int ligne);
QPointF centreCellule(const Tableur& t, int colonne, int ligne);
QRect rectMenu(int index);               // a menu title in the menu bar
QRect zoneFormule();
QRect zoneNom();
QPointF boutonSomme();
QRect zoneOnglets();
QRect zoneEtat();
QRect zoneOutils();
QRect zoneTitre();
QRect zoneGrille();

void dessinerTableur(QPainter& p, const Tableur& t);

// An open menu under menu bar title `menu`; entries "Texte|Raccourci", "---"
// separators; `surligne` is the highlighted entry.
void dessinerMenu(QPainter& p, int menu, const QStringList& entrees, int surligne, QRect* rectSurligne = nullptr);

// A dialogue box: title, then labelled fields; returns the rect of button k
// through `boutons` if given.
struct Champ
{
    QString libelle, valeur;
    bool actif = false;          // the field being typed in
    bool caseACocher = false;
    bool coche = false;
};
void dessinerDialogue(QPainter& p, const QRect& r, const QString& titre, const QVector<Champ>& champs,
                      const QStringList& boutons, int boutonDefaut, int boutonPresse,
                      QVector<QRect>* rectBoutons = nullptr);

void dessinerPointeur(QPainter& p, QPointF pos, double clic = 0);   // clic: 0..1 ripple
void dessinerRepere(QPainter& p, int numero, QPointF cible, QPointF etiquette, const QString& texte,
                    double apparition = 1);
void dessinerTouches(QPainter& p, QPointF centre, const QStringList& touches, double apparition = 1);
void dessinerLegende(QPainter& p, const QString& texte, double apparition = 1);
void dessinerCarte(QPainter& p, const QRect& r, const QString& titre, const QStringList& lignes,
                   double apparition = 1);

struct Serie
{
    QString nom;
    QColor couleur;
    QVector<double> valeurs;
};
void dessinerHistogramme(QPainter& p, const QRect& r, const QString& titre, const QStringList& categories,
                         const QVector<Serie>& series, double croissance);
void dessinerSecteurs(QPainter& p, const QRect& r, const QString& titre, const QStringList& libelles,
                      const QVector<double>& valeurs, const QVector<QColor>& couleurs, double croissance);

// Title card of the questionnaire and test intros.
struct Carte
{
    QString surtitre, titre, sousTitre;
    QStringList points;
    QString pied;
    QStringList pastilles;       // A, B, C badges; empty for none
};
void dessinerCarteTitre(QPainter& p, const Carte& c, double apparitionPoints, double apparitionPied);

} // namespace video
