#pragma once
#include "catalogue/Catalogue.h"
#include "catalogue/RechercheCours.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class ArbreLecons;
class PanneauDocument;
class NoeudLecon;
class QSlider;
class ComposantFlash;
class ComposantVideo;
class ZoneCliquable;

// The picture box that carries everything the learner sees: 1024 x 768 pixels,
// painted with the course skin.
class Picture1Box : public QWidget
{
    Q_OBJECT
public:
    explicit Picture1Box(QWidget* parent);
    void setImage(const QPixmap& image);
    const QPixmap& image() const { return image_; }

signals:
    void survol();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QPixmap image_;
};

// The main window: borderless, maximised, black; one central picture with the
// lesson tree, the animation, the document panel and the hot zones.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the loading sequence, then shows the window maximised.
    void afficher();
    bool enChargement() const { return enChargement_; }
    bool chargementTermine() const { return chargementTermine_; }
    // The learner left the course search: the program ends, loading stopped.
    bool abandonne() const { return abandonne_; }

    // Controls
    Picture1Box* Picture1 = nullptr;
    std::array<ZoneCliquable*, 6> Label1{};  // 0 quit, 1 help, 2 switch, 3-4 zoom, 5 status line
    ZoneCliquable* Label12 = nullptr;        // user help program
    QLabel* Label2 = nullptr;                // course subject holder, never visible
    QLabel* Label5 = nullptr;                // subject in large type
    QLabel* Label7 = nullptr;                // course heading
    std::array<QLabel*, 1> Label8{};         // caption of the current activity
    QLabel* Label17 = nullptr;               // notice line
    std::array<QLabel*, 12> Label24{};       // results board headings; 8 is the learner
    ZoneCliquable* Label3_6 = nullptr;       // "Tout stopper"

    // Lesson tree and its expand/collapse buttons and first-use hint.
    ArbreLecons* treeview1 = nullptr;
    std::array<ZoneCliquable*, 2> arbo{};
    QWidget* Picture2 = nullptr;
    QLabel* Label25 = nullptr;

    // Catalogue: the three sorted document lists, the animation inventory,
    // the candidate places of the course search.
    QStringList Combo1, Combo2, Combo3;
    InventaireAnimations animations;
    QString emplacementCours;
    Emplacements emplacements;

    // The two players share the animation area; only the one that fits the
    // current file is visible.
    ComposantFlash* fl = nullptr;
    ComposantVideo* AVI = nullptr;
    QLabel* Label9 = nullptr;            // video frame counter
    QSlider* Slider1 = nullptr;          // master volume, -100 (top) .. 0
    QLabel* Label3_12 = nullptr;         // "Taille des caractères", inert
    ZoneCliquable* Label19 = nullptr;    // start the assessment at once

    // The lesson's document: the panel, its display-mode button and the
    // invisible zone under it that reveals it on mouse-over.
    PanneauDocument* PDF1 = nullptr;
    std::array<ZoneCliquable*, 1> Label16{};
    ZoneCliquable* Label6 = nullptr;

    QTimer Timer1, Timer2, Timer3, Timer4;

    // Window values
    int16_t survolSignale = 0;
    int16_t finAnimationTraitee = 0;

    // Steps that the journal screens provide; nothing happens until they are set.
    std::function<void()> ouvrirEcranJournal; // the journal screen, modally
    std::function<void()> afficherRappel;     // the save reminder, modally
    std::function<void()> sauverjournal;      // silent save of the journal file
    // Set by tests to see what is loaded instead of the panel loading it.
    std::function<void()> chargerDocument;
    // Step the assessments provide: runs at the end of a video.
    std::function<void()> lancer_Q;

    // Handlers
    void Form_Load();
    void Form_Activate();
    void Form_MouseMove();
    void Picture1_MouseMove();
    void Label1_MouseDown(int index);
    void Label1_MouseUp(int index);
    void Label1_Click(int index);
    void Label1_MouseMove(int index);
    void Label12_Click();
    void Label12_MouseMove();
    void Label3_Click(int index);
    void Label3_MouseDown(int index);
    void Label3_MouseUp(int index);
    void treeview1_Click();
    void treeview1_MouseDown();
    void treeview1_MouseMove();
    void arbo_Click(int index);
    // Puts these players in the animation area (the window owns them).
    void installerLecteurs(ComposantFlash* flash, ComposantVideo* video);
    void viderLecteurs();
    void lancerVideo(const QString& cle);
    void lancerFlash(const QString& cle);
    void AVI_PositionChanged(int16_t position);
    void Slider1_Scroll();
    void aide();
    void chargePDF();

    void Label16_Click(int index);
    void Label16_MouseMove(int index);
    void Label6_MouseMove();

    void treeview1_NodeClick(NoeudLecon* noeud);
    // The current node's look: white on red, bold, with the red arrow.
    void surligner(NoeudLecon* noeud);
    // What the journal recorder reads off this window.
    void ajouteretape();
    void continuersession();

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    // "Tout stopper": every player and the document panel stopped and emptied.
    void toutStopper();
    void quitter();

    // The caption of the current activity; it grows to the left from its
    // right edge.
    void legende(const QString& texte);

    // The status line (Label1(5)) at a font size with a text.
    void ligneEtat(double taille, const QString& texte);

protected:
    void changeEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

signals:
    // The window has been unloaded: the program ends.
    void decharge();
    // The first paint after loading: the learner sees the course.
    void premierAffichage();

protected:

private:
    void creerControles();
    void creerArbre();
    void creerLecteurs();
    void creerPanneauDocument();
    void ouvrirMelangeur();
    bool melangeurOuvert_ = false;
    // Loading steps of the catalogue: the course search, then the scan.
    bool chercherCours();
    void chargerCatalogue();
    void decharger();

    bool enChargement_ = false;
    bool chargementTermine_ = false;
    bool decharge_ = false;
    bool abandonne_ = false;
    bool premierAffichage_ = false;
};
