#include "FauxModal.h"

#include "app/EtatSession.h"
#include "app/Mesboite.h"
#include "app/ZoneCliquable.h"

#include <QTest>
#include <gtest/gtest.h>

ExecuteurScripte::ExecuteurScripte() { definirExecuteurModal(this); }
ExecuteurScripte::~ExecuteurScripte() { definirExecuteurModal(nullptr); }

void ExecuteurScripte::ensuite(std::function<void(QDialog&)> action) { actions_.push_back(std::move(action)); }

void ExecuteurScripte::repondre(const QString& reponse)
{
    ensuite([reponse](QDialog& d) {
        ZoneCliquable* b = boutonVisible(d, reponse);
        ASSERT_NE(b, nullptr) << "no visible button " << reponse.toStdString();
        cliquer(b);
    });
}

void ExecuteurScripte::executer(QDialog& fenetre)
{
    FenetreVue vue;
    vue.classe = QString::fromLatin1(fenetre.metaObject()->className());
    vue.titre = fenetre.windowTitle();
    if (qobject_cast<Mesboite*>(&fenetre)) {
        vue.texte = etat().texteMessage;
        vue.icone = etat().iconeMessage;
        vue.boutons = etat().boutonsMessage;
    }
    vues.push_back(vue);

    fenetre.show();
    QCoreApplication::processEvents();
    if (actions_.empty()) {
        ADD_FAILURE() << "unexpected modal window " << vue.classe.toStdString() << " "
                      << vue.texte.toStdString();
        fenetre.reject();
        return;
    }
    auto action = std::move(actions_.front());
    actions_.pop_front();
    action(fenetre);
    if (fenetre.isVisible()) {
        ADD_FAILURE() << "modal window left open: " << vue.classe.toStdString();
        fenetre.reject();
    }
}

ZoneCliquable* boutonVisible(QDialog& boite, const QString& reponse)
{
    for (auto* b : boite.findChildren<ZoneCliquable*>())
        if (b->tag == reponse && b->isVisible())
            return b;
    return nullptr;
}

void cliquer(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
