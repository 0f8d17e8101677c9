#include "app/Mesboite.h"

#include "app/DispositionMesboite.h"
#include "app/EtatSession.h"
#include "app/Modal.h"
#include "app/Ressources.h"
#include "app/Sons.h"
#include "app/Twips.h"
#include "app/ZoneCliquable.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {
QString imageBouton(const QString& etiquette)
{
    return QStringLiteral("bouton-") + etiquette.toLower() + QStringLiteral(".png");
}
} // namespace

Mesboite::Mesboite(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::Tool);
    setModal(true);
    setFixedSize(mesboite::largeur / 15, mesboite::hauteur / 15);

    Label1 = new QLabel(this);
    placer(Label1, mesboite::texte);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->setFont(policeArial(8.25));
    Label1->setStyleSheet(QStringLiteral("color: #FFFF00; background: transparent;"));

    Image1 = new QLabel(this);
    Image1->move(mesboite::iconeGauche / 15, mesboite::iconeHaut / 15);

    for (size_t g = 0; g < mesboite::groupes().size(); ++g) {
        const auto& def = mesboite::groupes()[g];
        auto* groupe = new QWidget(this);
        placer(groupe, def.place);
        groupe->hide();
        for (int i = 0; i < int(def.etiquettes.size()); ++i) {
            auto* b = new ZoneCliquable(groupe, i);
            const auto& etiquette = def.etiquettes[size_t(i)];
            b->tag = QString::fromUtf8(etiquette.data(), qsizetype(etiquette.size()));
            b->setGeometry(mesboite::gaucheBouton(def, i), 0, mesboite::largeurBouton / 15,
                           mesboite::hauteurBouton / 15);
            const QPixmap p = imageProgramme(imageBouton(b->tag));
            if (p.isNull()) {
                b->setText(b->tag);
                b->setAlignment(Qt::AlignCenter);
                b->setStyleSheet(QStringLiteral("color: white;"));
            } else {
                b->setPixmap(p.scaled(b->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            }
            b->setCursor(pointeurMain());
            connect(b, &ZoneCliquable::clic, this, [this, b] { Bouton_Click(b); });
            boutons[g].push_back(b);
        }
        groupes[g] = groupe;
    }
    Form_Load();
}

void Mesboite::Form_Load()
{
    const auto& e = etat();
    if (e.boutonsMessage >= 0 && e.boutonsMessage < 4)
        groupes[size_t(e.boutonsMessage)]->show();
    if (e.iconeMessage == 4) {
        Image1->hide();
    } else {
        const QPixmap p = imageProgramme(QStringLiteral("icone%1.png").arg(e.iconeMessage));
        Image1->setPixmap(p);
        Image1->resize(p.isNull() ? QSize(32, 32) : p.size());
    }
    // The texts break lines with a lone CR; the label breaks on LF.
    QString affiche = e.texteMessage;
    affiche.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Label1->setText(affiche);
    setWindowTitle(e.titreMessage);

    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
}

void Mesboite::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Form_Activate();
}

void Mesboite::Form_Activate()
{
    if (Image1->isHidden())
        Label1->move(2, Label1->y());
}

void Mesboite::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap fond = imageProgramme(QStringLiteral("fond-message.png"));
    if (fond.isNull())
        p.fillRect(rect(), QColor(32, 32, 48));
    else
        p.drawPixmap(rect(), fond);
}

void Mesboite::Bouton_Click(ZoneCliquable* bouton)
{
    etat().reponseMessage = bouton->tag;
    accept();
}

void afficherMessage(int16_t icone, const QString& texte, int16_t boutons, const QString& titre)
{
    jouerClic();
    auto& e = etat();
    e.iconeMessage = icone;
    e.texteMessage = texte;
    e.boutonsMessage = boutons;
    e.titreMessage = titre;
    Mesboite boite;
    executerModal(boite);
}
