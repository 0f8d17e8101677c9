#include "app/Form1.h"

#include "app/EtatSession.h"
#include "app/Fenetres.h"
#include "app/Form5.h"
#include "app/Mesboite.h"
#include "app/Modal.h"
#include "app/Ressources.h"
#include "app/Sons.h"
#include "app/Twips.h"
#include "app/ZoneCliquable.h"
#include "catalogue/ArbreLecons.h"
#include "catalogue/CheminCours.h"
#include "catalogue/ConfigurationCours.h"
#include "media/pdf/PanneauDocument.h"
#include "media/ComposantFlash.h"
#include "media/ComposantVideo.h"
#include "plateforme/Horloge.h"
#include "plateforme/Services.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

Picture1Box::Picture1Box(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFixedSize(form1::largeurImage, form1::hauteurImage);
}

void Picture1Box::setImage(const QPixmap& image)
{
    image_ = image;
    update();
}

void Picture1Box::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (image_.isNull())
        p.fillRect(rect(), QColor(24, 32, 40));
    else
        p.drawPixmap(rect(), image_);
}

void Picture1Box::mouseMoveEvent(QMouseEvent*) { emit survol(); }

namespace {
const QString tipQuitter = QStringLiteral("Quitter Pedavin");
const QString tipAideUtilisateur = QStringLiteral("Afficher l'aide pour l'utilisateur");

QLabel* etiquette(QWidget* parent, const ZoneTwips& z, const QFont& police, const QString& couleur,
                  Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(parent);
    placer(l, z);
    l->setFont(police);
    l->setAlignment(alignement);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(couleur));
    return l;
}
} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Pedavin - Korval©"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    Timer1.setInterval(200);
    Timer2.setInterval(100);
    Timer3.setInterval(6000);
    Timer4.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(&Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);
    connect(&Timer4, &QTimer::timeout, this, &Form1::Timer4_Timer);

    creerControles();
    Timer4.start(); // the clock runs from the start until loading stops it
}

Form1::~Form1() = default;

void Form1::creerControles()
{
    Picture1 = new Picture1Box(this);
    connect(Picture1, &Picture1Box::survol, this, &Form1::Picture1_MouseMove);

    const std::array<ZoneTwips, 5> places{form1::quitter, form1::aide, form1::basculer,
                                          form1::zoomAnimation, form1::zoomConsignes};
    const std::array<QString, 5> tips{
        QStringLiteral("Quitter"), QStringLiteral("Afficher l'aide"),
        QStringLiteral("Basculer dans un logiciel externe."),
        QStringLiteral("Zoom plein écran de l'animation"), QStringLiteral("Zoom plein écran des consignes")};
    for (int i = 0; i < 5; ++i) {
        auto* z = new ZoneCliquable(Picture1, i);
        placer(z, places[size_t(i)]);
        z->setToolTip(tips[size_t(i)]);
        z->setCursor(pointeurMain());
        connect(z, &ZoneCliquable::appuye, this, [this](int idx, Qt::MouseButton) { Label1_MouseDown(idx); });
        connect(z, &ZoneCliquable::relache, this, [this](int idx, Qt::MouseButton) { Label1_MouseUp(idx); });
        connect(z, &ZoneCliquable::clic, this, &Form1::Label1_Click);
        connect(z, &ZoneCliquable::survol, this, &Form1::Label1_MouseMove);
        Label1[size_t(i)] = z;
    }
    // "aide" is a bordered label below the visible area.
    Label1[1]->setText(QStringLiteral("aide"));
    Label1[1]->setFrameShape(QFrame::Box);

    auto* etat = new ZoneCliquable(Picture1, 5);
    placer(etat, form1::ligneEtat);
    etat->setAlignment(Qt::AlignCenter);
    etat->setStyleSheet(QStringLiteral("color: #203040; background: transparent;"));
    Label1[5] = etat;
    ligneEtat(6, QString());

    Label12 = new ZoneCliquable(Picture1);
    placer(Label12, form1::aideUtilisateur);
    Label12->setToolTip(tipAideUtilisateur);
    Label12->setCursor(pointeurMain());
    connect(Label12, &ZoneCliquable::clic, this, &Form1::Label12_Click);
    connect(Label12, &ZoneCliquable::survol, this, &Form1::Label12_MouseMove);

    Label3_6 = new ZoneCliquable(Picture1, 6);
    placer(Label3_6, form1::toutStopper);
    Label3_6->setToolTip(QStringLiteral("Tout stopper"));
    connect(Label3_6, &ZoneCliquable::appuye, this, [this](int idx, Qt::MouseButton) { Label3_MouseDown(idx); });
    connect(Label3_6, &ZoneCliquable::relache, this, [this](int idx, Qt::MouseButton) { Label3_MouseUp(idx); });
    connect(Label3_6, &ZoneCliquable::clic, this, &Form1::Label3_Click);

    // Value holder below the visible area.
    Label2 = new QLabel(Picture1);
    Label2->setGeometry(0, 800, 10, 10);

    Label5 = etiquette(Picture1, form1::sujet, policeArial(30, false, "Arial Black"), QStringLiteral("#1F3A5F"),
                       Qt::AlignCenter);
    Label5->hide();
    Label7 = etiquette(Picture1, form1::intitule, policeArial(12, false, "Arial Black"), QStringLiteral("#404040"),
                       Qt::AlignCenter);

    Label8[0] = etiquette(Picture1, form1::legende, policeArial(9.75, true), QStringLiteral("#FFFFFF"),
                          Qt::AlignRight | Qt::AlignVCenter);

    Label17 = etiquette(Picture1, form1::avis, policeArial(8.25), QStringLiteral("#FFFFFF"));

    Label24[8] = etiquette(Picture1, form1::identite, policeArial(8.25, true), QStringLiteral("#FFFFFF"));
    Label24[8]->setText(QStringLiteral("Notes"));

    creerArbre();
    creerLecteurs();
    creerPanneauDocument();
}

void Form1::ligneEtat(double taille, const QString& texte)
{
    Label1[5]->setFont(policeArial(taille, true));
    Label1[5]->setText(texte);
}

void Form1::legende(const QString& texte)
{
    QLabel* l = Label8[0];
    l->setText(texte);
    l->adjustSize();
    l->move(form1::legende.x() - l->width(), form1::legende.y());
}

void Form1::afficher()
{
    Form_Load();
    if (abandonne_)
        return;
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    setGeometry(ecran);
    showMaximized();
    activateWindow();
    raise();
}

// The loading sequence. Each step ignores its own failure and the next one runs.
void Form1::Form_Load()
{
    enChargement_ = true;
    auto& e = etat();

    pointeurSablier();

    continuersession();
    ajouteretape();

    e.sauvegardeAuto = VRAI;
    e.rappelJournal = VRAI;

    if (auto* volumes = services().volumes.get())
        CHERCHEDRIVE(emplacements, *volumes);
    lireConfigurationCours(e);

    if (e.modeCours == QLatin1String("MIXTE"))
        Label1[2]->hide();
    Label7->setText(e.intituleCours);

    PDF1->infobullesDemarrage();

    Label1[0]->setToolTip(tipQuitter);

    e.apprenant.lieu = QStringLiteral("Lieu\\groupe\\classe");
    e.apprenant.nom = QStringLiteral("Nom");
    e.apprenant.prenom = QStringLiteral("Prénom");
    e.nombreEtapes = 1;
    e.fichierJournal.clear();

    PDF1->modeAffichage = QStringLiteral("off");
    Label16[0]->tag = PDF1->modeAffichage;

    Label7->setFont([] {
        QFont f = policeArial(15, false, "Arial Black");
        f.setItalic(true);
        return f;
    }());

    if (!chercherCours()) {
        // "Annuler" in the search box: the program ends, nothing more is loaded.
        abandonne_ = true;
        enChargement_ = false;
        pointeurDefaut();
        decharger();
        return;
    }
    chargerCatalogue();

    Label5->setFont(policeArial(30, false, "Arial Black"));
    Label5->setText(Label2->text());
    Label5->show();

    ouvrirMelangeur();

    ligneEtat(7, Label1[5]->text());
    Timer4.stop();
    legende(QString());

    pointeurDefaut();

    if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QSize s = ecran->geometry().size();
        Picture1->move(qRound(double(s.width() - Picture1->width())) / 2,
                       qRound(double(s.height() - Picture1->height())) / 2);
    }

    const QPixmap skin(cheminDansCours(QStringLiteral("fonds/skin7.jpg")));
    if (!skin.isNull())
        Picture1->setImage(skin);

    Label17->hide();

    if (e.logicielsExternes[1].isEmpty())
        e.logicielsExternes[1] = Label5->text().trimmed();

    if (NoeudLecon* titre = treeview1->item(1))
        titre->setExpanded(true);

    enChargement_ = false;
    chargementTermine_ = true;
}

void Form1::changeEvent(QEvent* ev)
{
    QWidget::changeEvent(ev);
    if (ev->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Form1::Form_Activate()
{
    const auto& e = etat();
    if (e.apprenant.nom != QLatin1String("Nom"))
        Label24[8]->setText(e.apprenant.nom + QLatin1Char(' ') + e.apprenant.prenom + QLatin1Char(' ')
                            + e.apprenant.lieu);
    else
        Label24[8]->clear();
    AVI->setPosition(e.positionAVI);
    Timer1.start();
}

void Form1::mouseMoveEvent(QMouseEvent*) { Form_MouseMove(); }

void Form1::paintEvent(QPaintEvent* ev)
{
    QWidget::paintEvent(ev);
    if (!premierAffichage_ && chargementTermine_) {
        premierAffichage_ = true;
        emit premierAffichage();
    }
}

void Form1::Form_MouseMove()
{
    auto& e = etat();
    Timer4.stop();
    QString texte = QStringLiteral("Formation à ") + Label2->text();
    if (!e.fichierJournal.isEmpty())
        texte += QStringLiteral(" : ") + e.apprenant.nom + QLatin1Char(' ') + e.apprenant.prenom
                 + QStringLiteral(" (") + e.apprenant.lieu + QStringLiteral(").");
    ligneEtat(7, texte);
    e.etatZoom = 0;
}

void Form1::Picture1_MouseMove()
{
    if (!Timer4.isActive())
        Timer4.start();
}

void Form1::Label1_MouseMove(int index)
{
    if (index > 4)
        return;
    Timer4.stop();
    if (survolSignale == 0) {
        survolSignale = 2;
        ligneEtat(7, QStringLiteral("Basculer sur ") + Label2->text());
    } else {
        ligneEtat(7, Label1[size_t(index)]->toolTip());
    }
}

void Form1::Label12_MouseMove()
{
    Timer4.stop();
    ligneEtat(7, tipAideUtilisateur);
}

void Form1::Label1_MouseDown(int index)
{
    if (index == 3 || index == 4)
        Label1[size_t(index)]->setBordure(true);
    const bool lecteurVisible = AVI->isVisible() || fl->isVisible();
    if ((index == 3 && !lecteurVisible) || (index == 4 && etat().cheminDocument.isEmpty())) {
        pointeurDefaut();
        return;
    }
    jouerClic();
}

void Form1::Label1_MouseUp(int index)
{
    if (index >= 0 && index < 5)
        Label1[size_t(index)]->setBordure(false);
    if ((index == 3 && AVI->fileName().isEmpty()) || (index == 4 && etat().cheminDocument.isEmpty()))
        pointeurDefaut();
}

void Form1::Label1_Click(int index)
{
    jouerClic();
    switch (index) {
    case 0:
        quitter();
        return;
    case 1:
        aide();
        break;
    default:
        break;
    }
    pointeurDefaut();
}

void Form1::quitter()
{
    auto& e = etat();
    AVI->setCommand(ComposantVideo::Arreter);
    fl->setPlaying(false);
    pointeurDefaut();

    if (e.fichierJournal.isEmpty()) {
        afficherMessage(3,
                        QStringLiteral("Avant de quitter votre Pedavin, \rsouhaitez-vous enregistrer un journal\r"
                                       "pour retrouver vos actions réalisées,\rà la prochaine session de formation ?"),
                        2, QStringLiteral(" Quitter"));
        if (e.reponseMessage == QLatin1String("Oui")) {
            toutStopper();
            if (ouvrirEcranJournal)
                ouvrirEcranJournal();
        } else if (e.reponseMessage == QLatin1String("Non")) {
            decharger();
        } else {
            return;
        }
    }
    if (!e.fichierJournal.isEmpty()) {
        if (sauverjournal)
            sauverjournal();
        afficherMessage(3, QStringLiteral("Souhaitez-vous réellement quitter votre formation Pedavin ?"), 0,
                        QStringLiteral(" Quitter"));
        if (e.reponseMessage == QLatin1String("Ok"))
            decharger();
    }
}

void Form1::decharger()
{
    if (decharge_)
        return;
    decharge_ = true;
    hide();
    emit decharge();
    deleteLater();
}

void Form1::closeEvent(QCloseEvent* ev)
{
    // Closing only happens through the quit dialogue.
    if (!decharge_)
        ev->ignore();
}

void Form1::Label12_Click()
{
    pointeurSablier();
    if (auto* l = services().lanceur.get())
        l->demarrer(dossierProgramme() + QStringLiteral("/Aide"), {}, dossierProgramme());
    pointeurDefaut();
}

void Form1::Label3_MouseDown(int index)
{
    if (index != 6)
        return;
    Label3_6->setBordure(true);
    jouerClic();
}

void Form1::Label3_MouseUp(int index)
{
    if (index == 6)
        Label3_6->setBordure(false);
}

void Form1::Label3_Click(int index)
{
    if (index == 6)
        toutStopper();
}

void Form1::Timer1_Timer() { Timer1.stop(); }

void Form1::Timer2_Timer()
{
    Timer2.stop();
    if (auto* splash = fenetres().form5.data())
        splash->close();
}

void Form1::Timer3_Timer()
{
    auto& e = etat();
    Timer3.stop();
    if (e.fichierJournal.isEmpty() && e.compteurTops >= 10 && e.rappelJournal == VRAI && isMaximized()) {
        if (afficherRappel)
            afficherRappel();
    }
    if (!e.fichierJournal.isEmpty() && e.sauvegardeAuto != 0 && e.compteurTops >= 6) {
        if (sauverjournal)
            sauverjournal();
        e.compteurTops = 0;
    }
    Timer3.start();
    e.compteurTops = int16_t(e.compteurTops + 1);
}

void Form1::Timer4_Timer()
{
    ligneEtat(14, horloge().maintenant().time().toString(QStringLiteral("HH:mm:ss")));
}
