#include "media/pdf/PanneauDocument.h"

#include "app/EtatSession.h"
#include "app/Mesboite.h"
#include "app/Modal.h"
#include "app/Ressources.h"
#include "app/Sons.h"
#include "app/Twips.h"
#include "app/ZoneCliquable.h"
#include "catalogue/CheminCours.h"
#include "media/pdf/VisionneusePdf.h"
#include "plateforme/Services.h"
#include "plateforme/impression/Impression.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPdfDocument>

namespace {
constexpr int16_t iconeInformation = 0;
constexpr int16_t iconeAvertissement = 2;
constexpr int16_t boutonsOk = 1;
constexpr int16_t boutonsOuiNon = 3;
const QChar CR(13);

const QString oui = QStringLiteral("Oui");
const QString non = QStringLiteral("Non");

const std::array<QString, 10> infobulles{
    QStringLiteral("Première page"),
    QStringLiteral("Page précédente"),
    QStringLiteral("Page suivante"),
    QStringLiteral("Dernière page"),
    QStringLiteral("Voir le document sur sa hauteur"),
    QStringLiteral("Voir le document en pleine largeur"),
    QStringLiteral("Voir le document au mieux"),
    QStringLiteral("Imprimer la page affichée"),
    QStringLiteral("Imprimer tout le document"),
    QStringLiteral("Choisir l'imprimante"),
};
const QString ouvrirDansEditeur = QStringLiteral("Ouvrir le document dans l'éditeur de PDF par défaut.");
const QString lanceDansReader = QStringLiteral("Lance le document dans le Reader par défaut");

QString nombre(int32_t n) { return QString::number(n); }
} // namespace

PanneauDocument::PanneauDocument(QWidget* parent, Variante variante) : QWidget(parent), variante_(variante)
{
    const panneaupdf::Disposition& d =
        variante == Variante::Principal ? panneaupdf::principal : panneaupdf::zoom;
    resize(d.panneau.l(), d.panneau.h());
    setAttribute(Qt::WA_OpaquePaintEvent);
    fond_ = imageProgramme(QStringLiteral("fond-pdf.png"));

    Image1 = new QLabel(this);
    placer(Image1, d.barre);
    Image1->setScaledContents(true);
    Image1->setPixmap(imageProgramme(QStringLiteral("barre-pdf.png")));
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    PDFV1 = new VisionneusePdf(this);
    placer(PDFV1, d.visionneuse);
    connect(PDFV1, &VisionneusePdf::OnPage, this, &PanneauDocument::PDFV1_OnPage);

    Label21 = new QLabel(this);
    placer(Label21, d.indicateur);
    Label21->setFont(policeArial(8.25, true));
    Label21->setAlignment(Qt::AlignCenter);
    Label21->setStyleSheet(QStringLiteral("color: #404040; background: transparent;"));
    Label21->setAttribute(Qt::WA_TransparentForMouseEvents);

    if (d.exercice.largeur > 0) {
        Label18 = new ZoneCliquable(this);
        placer(Label18, d.exercice);
        Label18->setText(QStringLiteral("oOo"));
        Label18->setFont(policeArial(8.25, true));
        Label18->setAlignment(Qt::AlignCenter);
        Label18->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));
        Label18->setCursor(pointeurMain());
        connect(Label18, &ZoneCliquable::appuye, this, [this](int, Qt::MouseButton) { Label18_MouseDown(); });
        connect(Label18, &ZoneCliquable::relache, this, [this](int, Qt::MouseButton) { Label18_MouseUp(); });
        connect(Label18, &ZoneCliquable::clic, this, [this](int) { Label18_Click(); });
    }

    for (int i = 0; i < 10; ++i) {
        auto* z = new ZoneCliquable(this, i);
        placer(z, d.boutons[size_t(i)]);
        z->setToolTip(infobulles[size_t(i)]);
        z->setCursor(pointeurMain());
        connect(z, &ZoneCliquable::appuye, this, [this](int idx, Qt::MouseButton) { Label22_MouseDown(idx); });
        connect(z, &ZoneCliquable::relache, this, [this](int idx, Qt::MouseButton) { Label22_MouseUp(idx); });
        connect(z, &ZoneCliquable::clic, this, &PanneauDocument::Label22_Click);
        Label22[size_t(i)] = z;
    }

    auto* lecteur = new ZoneCliquable(this, 3);
    placer(lecteur, d.ouvrirDansLecteur);
    lecteur->setToolTip(ouvrirDansEditeur);
    lecteur->setCursor(pointeurMain());
    connect(lecteur, &ZoneCliquable::appuye, this, [this](int idx, Qt::MouseButton) { Label23_MouseDown(idx); });
    connect(lecteur, &ZoneCliquable::relache, this, [this](int idx, Qt::MouseButton) { Label23_MouseUp(idx); });
    connect(lecteur, &ZoneCliquable::clic, this, &PanneauDocument::Label23_Click);
    Label23[3] = lecteur;

    hide();
}

PanneauDocument::~PanneauDocument() = default;

void PanneauDocument::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (fond_.isNull())
        p.fillRect(rect(), Qt::black);
    else
        p.drawPixmap(rect(), fond_);
}

void PanneauDocument::infobullesDemarrage()
{
    for (int i : {9, 0, 1, 2, 3})
        Label22[size_t(i)]->setToolTip(infobulles[size_t(i)]);
    Label23[3]->setToolTip(lanceDansReader);
}

void PanneauDocument::chargePDF()
{
    documentCharge = PDFV1->ouvrir(cheminCours(etat().cheminDocument));
    nombrePages = PDFV1->nombrePages();
    pageCourante = 1;
    allerPage(1);
    Label21->setText(QStringLiteral("Page ") + nombre(pageCourante) + QStringLiteral(" sur ") + nombre(PDFV1->nombrePages()));
    if (variante_ == Variante::Principal)
        majInfobullesImpression();
}

void PanneauDocument::allerPage(int32_t n)
{
    if (n >= 1 && n <= nombrePages) {
        pageCourante = n;
        PDFV1->setPage(pageCourante);
    }
}

void PanneauDocument::PDFV1_OnPage(int32_t page)
{
    // The main panel keeps its last page when the viewer empties; the zoom
    // shows whatever the viewer reports.
    if (page == 0 && variante_ == Variante::Principal)
        return;
    pageCourante = page;
    Label21->setText(nombre(page) + QStringLiteral(" sur ") + nombre(nombrePages));
}

void PanneauDocument::majInfobullesImpression()
{
    const QString imprimante = impression().imprimanteCourante();
    Label22[panneaupdf::ImprimerPage]->setToolTip(QStringLiteral("Imprime la page ") + nombre(pageCourante)
                                                  + QStringLiteral(" sur ") + imprimante);
    Label22[panneaupdf::ImprimerTout]->setToolTip(QStringLiteral("Imprimer le document de  ")
                                                  + nombre(PDFV1->nombrePages()) + QStringLiteral(" page(s)")
                                                  + QStringLiteral(" sur ") + imprimante);
}

void PanneauDocument::Label22_MouseDown(int index) { Label22[size_t(index)]->setBordure(true); }
void PanneauDocument::Label22_MouseUp(int index) { Label22[size_t(index)]->setBordure(false); }
void PanneauDocument::Label23_MouseDown(int index) { Label23[size_t(index)]->setBordure(true); }
void PanneauDocument::Label23_MouseUp(int index) { Label23[size_t(index)]->setBordure(false); }
void PanneauDocument::Label18_MouseDown() { Label18->setBordure(true); }
void PanneauDocument::Label18_MouseUp() { Label18->setBordure(false); }

void PanneauDocument::Label22_Click(int index)
{
    using namespace panneaupdf;
    bool rafraichir = true;
    switch (index) {
    case PremierePage:
        allerPage(1);
        break;
    case PagePrecedente:
        if (pageCourante > 1)
            allerPage(pageCourante - 1);
        break;
    case PageSuivante:
        if (pageCourante < nombrePages)
            allerPage(pageCourante + 1);
        break;
    case DernierePage:
        allerPage(nombrePages);
        break;
    case SurSaHauteur:
        PDFV1->setAjustement(VisionneusePdf::Hauteur);
        break;
    case PleineLargeur:
        PDFV1->setAjustement(VisionneusePdf::Largeur);
        break;
    case AuMieux:
        PDFV1->setAjustement(VisionneusePdf::AuMieux);
        break;
    case ImprimerPage:
        rafraichir = imprimerPageAffichee();
        break;
    case ImprimerTout:
        rafraichir = imprimerDocument();
        break;
    case ChoisirImprimante:
        // A cancel is silent; the tooltips below read the printer again.
        impression().choisirImprimante(window(), variante_ == Variante::Principal
                                                     ? QStringLiteral("Imprimer le document pédagogique")
                                                     : QString());
        break;
    default:
        return;
    }
    if (rafraichir && variante_ == Variante::Principal)
        majInfobullesImpression();
}

QString PanneauDocument::titreImpression() const
{
    if (titreTache)
        return titreTache();
    return variante_ == Variante::Zoom ? etat().cheminDocument : QString();
}

QString PanneauDocument::titreEchec() const
{
    return variante_ == Variante::Principal ? QStringLiteral(" Impression") : QStringLiteral(" Impression non transmise");
}

bool PanneauDocument::imprimerPageAffichee()
{
    // An empty viewer has no page to offer for printing.
    if (nombrePages < 1)
        return true;
    if (variante_ == Variante::Principal)
        afficherMessage(iconeAvertissement,
                        QStringLiteral("Souhaitez-vous  imprimer ") + CR + QStringLiteral("              la page ")
                            + nombre(pageCourante) + CR + QStringLiteral(" sur ") + impression().imprimanteCourante()
                            + QStringLiteral(" ?"),
                        boutonsOuiNon, QStringLiteral(" Imprimer"));
    else
        afficherMessage(iconeAvertissement, QStringLiteral("Souhaitez-vous imprimer la page actuelle ?"), boutonsOuiNon,
                        QStringLiteral(" Imprimer"));
    const QString reponse = etat().reponseMessage;
    if (reponse == non)
        return false;
    if (reponse != oui)
        return true;

    const QString imprimante = impression().imprimanteCourante();
    if (impression().imprimerPages(*PDFV1->document(), imprimante, titreImpression(), {pageCourante}))
        afficherMessage(iconeInformation,
                        QStringLiteral("La page a été transmise à l'imprimante, ") + imprimante
                            + QStringLiteral(", patientez !"),
                        boutonsOk, QStringLiteral(" Impression transmise"));
    else
        afficherMessage(iconeInformation, QStringLiteral("Pas d'imprimante disponible"), boutonsOk, titreEchec());
    return true;
}

bool PanneauDocument::imprimerDocument()
{
    if (nombrePages == 1)
        return imprimerPageAffichee();
    if (nombrePages < 1)
        return true;
    afficherMessage(iconeAvertissement,
                    QStringLiteral("Le document complet comporte ") + nombre(nombrePages) + QStringLiteral(" pages ")
                        + CR + QStringLiteral(" Souhaitez-vous l'imprimer intégralement ?"),
                    boutonsOuiNon, QStringLiteral(" Imprimer"));
    const QString reponse = etat().reponseMessage;
    if (reponse == non)
        return false;
    if (reponse != oui)
        return true;

    const QString imprimante = impression().imprimanteCourante();
    QList<int> pages;
    for (int p = 1; p <= nombrePages; ++p)
        pages << p;
    if (!impression().imprimerPages(*PDFV1->document(), imprimante, titreImpression(), pages)) {
        afficherMessage(iconeInformation, QStringLiteral("Pas d'imprimante disponible"), boutonsOk, titreEchec());
        return false;
    }
    afficherMessage(iconeInformation,
                    QStringLiteral("Le document a été transmis à l'imprimante, ") + imprimante
                        + QStringLiteral(", patientez !"),
                    boutonsOk, QStringLiteral(" Impression transmise"));
    return true;
}

void PanneauDocument::Label23_Click(int index)
{
    if (index != 3)
        return;
    pointeurSablier();
    // Asking the desktop to open an empty path would open a folder instead.
    const QString chemin = etat().cheminDocument;
    if (!chemin.isEmpty() && services().lanceur)
        services().lanceur->ouvrirDocument(cheminCours(chemin));
    pointeurDefaut();
}

void PanneauDocument::Label18_Click()
{
    if (arreterAnimation)
        arreterAnimation();
    pointeurSablier();
    const QString cle = etat().cleLecon;
    const QString chemin = cheminDansCours(QStringLiteral("exercices/textes/") + cle + QStringLiteral(".odg"));
    const bool ouvert = !cle.isEmpty() && QFileInfo(chemin).isFile() && services().lanceur
                        && services().lanceur->ouvrirDocument(chemin);
    pointeurDefaut();
    if (!ouvert)
        boiteSysteme(QStringLiteral("Aucun exercice n'est disponible pour cette animation"));
}

void PanneauDocument::basculerModeAffichage()
{
    jouerClic();
    if (etat().cheminDocument.isEmpty())
        return;
    if (modeAffichage == QLatin1String("off")) {
        modeAffichage = QStringLiteral("on");
        chargePDF();
        show();
    } else if (modeAffichage == QLatin1String("on")) {
        modeAffichage = QStringLiteral("off");
        chargePDF();
        hide();
    }
}

void PanneauDocument::afficherSelonMode()
{
    if (modeAffichage == QLatin1String("on"))
        show();
}

void PanneauDocument::survolZone(bool animationVisible)
{
    if (isHidden() && !etat().cheminDocument.isEmpty() && animationVisible)
        show();
}

void PanneauDocument::masquerAuPassage()
{
    if (!isHidden() && modeAffichage == QLatin1String("off"))
        hide();
}
