// The main window's animation area: the two players, the frame counter, the
// volume, "Tout stopper" and the help animation.
#include "app/EtatSession.h"
#include "app/Form1.h"
#include "app/Modal.h"
#include "app/Ressources.h"
#include "app/Sons.h"
#include "app/Twips.h"
#include "app/ZoneCliquable.h"
#include "catalogue/CheminCours.h"
#include "media/pdf/PanneauDocument.h"
#include "media/swf/LecteurFlash.h"
#include "media/video/LecteurAVI.h"
#include "plateforme/Services.h"

#include <QSlider>

void Form1::installerLecteurs(ComposantFlash* flash, ComposantVideo* video)
{
    delete fl;
    delete AVI;
    flash->setParent(Picture1);
    placer(flash, form1::flash);
    flash->hide();
    fl = flash;

    video->setParent(Picture1);
    placer(video, form1::video);
    video->hide();
    AVI = video;
    connect(AVI, &ComposantVideo::PositionChanged, this, &Form1::AVI_PositionChanged);
    Label9->raise();
}

void Form1::creerLecteurs()
{
    Label9 = new QLabel(Picture1);
    placer(Label9, form1::compteur);
    Label9->setAlignment(Qt::AlignCenter);
    Label9->setFont(policeArial(8.25));
    Label9->setStyleSheet(QStringLiteral("color: #808080; background: #C0FFC0; border: 1px solid black;"));
    Label9->hide();

    Slider1 = new QSlider(Qt::Vertical, Picture1);
    placer(Slider1, form1::volume);
    Slider1->setRange(-100, 0);
    Slider1->setInvertedAppearance(true); // -100 at the top
    Slider1->setToolTip(QStringLiteral("Volume"));
    Slider1->setCursor(pointeurMain());
    Slider1->setStyleSheet(QStringLiteral("background: transparent;"));
    connect(Slider1, &QSlider::valueChanged, this, &Form1::Slider1_Scroll);

    Label3_12 = new QLabel(Picture1);
    placer(Label3_12, form1::tailleCaracteres);
    Label3_12->setToolTip(QStringLiteral("Taille des caractères"));
    Label3_12->setEnabled(false);
    Label3_12->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label19 = new ZoneCliquable(Picture1, 19);
    placer(Label19, form1::lancerEpreuve);
    Label19->setToolTip(QStringLiteral("Lancer l'épreuve sans écouter l'animation."));
    Label19->setCursor(pointeurMain());
    Label19->setEnabled(false);

    installerLecteurs(new LecteurFlash, new LecteurAVI);
}

void Form1::ouvrirMelangeur()
{
    // Without a mixer the volume slider stays inert, but loading goes on: the
    // skin is painted and the splash closes.
    melangeurOuvert_ = services().melangeur && services().melangeur->ouvrir();
    if (!melangeurOuvert_) {
        boiteSysteme(QStringLiteral("L'application ne peut gérer le canal audio."));
    } else {
        const QSignalBlocker calme(Slider1);
        Slider1->setValue(-50);
        Slider1_Scroll();
    }
    Timer2.start();
}

void Form1::Slider1_Scroll()
{
    if (melangeurOuvert_)
        services().melangeur->reglerVolume(uint32_t(Slider1->value() * -650));
}

void Form1::viderLecteurs()
{
    fl->hide();
    fl->setPlaying(false);
    AVI->setCommand(ComposantVideo::Arreter);
    AVI->setFileName(QString());
    AVI->setPosition(0);
    fl->setPlaying(false);
}

void Form1::lancerVideo(const QString& cle)
{
    fl->setMovie(QStringLiteral(" "));
    const QString chemin = cheminDansCours(QStringLiteral("anim/") + cle + QStringLiteral(".avi"));
    AVI->setFileName(chemin);
    etat().cheminAnimation = chemin;
    fl->hide();
    AVI->show();
    Label9->show();
    Label9->setText(QStringLiteral("%1/%2").arg(AVI->position()).arg(AVI->length()));
    AVI->setCommand(ComposantVideo::Lire);
}

void Form1::lancerFlash(const QString& cle)
{
    AVI->setFileName(QString());
    AVI->setCommand(ComposantVideo::Arreter);
    const QString chemin = cheminDansCours(QStringLiteral("anim/") + cle + QStringLiteral(".swf"));
    fl->setMovie(chemin);
    etat().cheminAnimation = chemin;
    AVI->hide();
    fl->show();
    fl->setPlaying(true);
    Label9->hide();
}

void Form1::AVI_PositionChanged(int16_t)
{
    const int16_t position = AVI->position();
    const int16_t longueur = AVI->length();
    Label9->setText(QStringLiteral("%1/%2").arg(position).arg(longueur));
    etat().positionAVI = position;
    if (position == longueur && finAnimationTraitee == FAUX) {
        finAnimationTraitee = VRAI;
        if (lancer_Q)
            lancer_Q();
    }
}

void Form1::toutStopper()
{
    // The keyword panel hides its list and box here when it exists.
    Label8[0]->show();
    Label6->show();
    Label9->clear();
    legende(QString());
    fl->setMovie(QString());
    fl->setPlaying(true);
    fl->setPlaying(false);
    fl->hide();
    AVI->setCommand(ComposantVideo::Arreter);
    AVI->hide();
    if (auto* son = services().son.get())
        son->commandeMCI(QStringLiteral("close"), QString());
    if (PDF1->isVisible())
        PDF1->hide();
    etat().cheminDocument.clear();
}

void Form1::creerPanneauDocument()
{
    // The zone first, so the panel covers it when shown.
    Label6 = new ZoneCliquable(Picture1);
    placer(Label6, form1::survolDocument);
    connect(Label6, &ZoneCliquable::survol, this, &Form1::Label6_MouseMove);

    PDF1 = new PanneauDocument(Picture1);
    placer(PDF1, form1::panneauPdf);
    PDF1->hide();
    PDF1->titreTache = [this] { return Label8[0]->text(); };
    PDF1->arreterAnimation = [this] {
        fl->setPlaying(false);
        AVI->setCommand(ComposantVideo::Arreter);
    };

    auto* mode = new ZoneCliquable(Picture1, 0);
    placer(mode, form1::modeDocument);
    mode->setToolTip(QStringLiteral("Afficher le document en permanence ou au passage de la souris"));
    mode->setCursor(pointeurMain());
    connect(mode, &ZoneCliquable::clic, this, &Form1::Label16_Click);
    connect(mode, &ZoneCliquable::appuye, this, [mode](int, Qt::MouseButton) { mode->setBordure(true); });
    connect(mode, &ZoneCliquable::relache, this, [mode](int, Qt::MouseButton) { mode->setBordure(false); });
    connect(mode, &ZoneCliquable::survol, this, &Form1::Label16_MouseMove);
    Label16[0] = mode;
}

void Form1::Label16_Click(int)
{
    PDF1->basculerModeAffichage();
    Label16[0]->tag = PDF1->modeAffichage;
}

void Form1::Label16_MouseMove(int)
{
    Timer4.stop();
    ligneEtat(7, Label16[0]->toolTip());
    if (survolSignale == 0)
        survolSignale = 3;
}

void Form1::Label6_MouseMove() { PDF1->survolZone(AVI->isVisible() || fl->isVisible()); }

void Form1::chargePDF()
{
    if (chargerDocument)
        chargerDocument();
    else
        PDF1->chargePDF();
}

// Label1(1): the help animation and document of the program folder.
void Form1::aide()
{
    auto& e = etat();
    PDF1->masquerAuPassage();
    AVI->setCommand(ComposantVideo::Arreter);
    AVI->hide();
    fl->setMovie(QString());
    fl->show();
    fl->setLoop(false);
    fl->setMovie(dossierProgramme() + QStringLiteral("/aideQZ.swf"));
    e.cheminDocument = dossierProgramme() + QStringLiteral("/aide.pdf");
    chargePDF();
    if (PDF1->modeAffichage == QLatin1String("on"))
        PDF1->show();
    fl->setPlaying(true);
    e.cheminAnimation = fl->movie();
    e.cibleZoom = FAUX;
    if (auto* son = services().son.get())
        son->commandeMCI(QStringLiteral("close"), QString());
    // Left raised: a later switch to external software closes the device first.
    e.sonAutorise = VRAI;
    pointeurDefaut();
}
