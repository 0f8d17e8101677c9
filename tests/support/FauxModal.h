#pragma once
// Drives modal windows in tests: each window that would be shown modally is
// shown (offscreen) and handed to the next scripted action, which must close
// it the way a user would. A window left open fails the test.
#include "app/Modal.h"

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

class ZoneCliquable;

struct FenetreVue
{
    QString classe;
    QString titre;
    QString texte; // a message box's text
    int icone = -1;
    int boutons = -1;
};

class ExecuteurScripte : public ExecuteurModal
{
public:
    ExecuteurScripte();
    ~ExecuteurScripte() override;

    // Queues an action for the next modal window.
    void ensuite(std::function<void(QDialog&)> action);
    // Queues a click, with the real mouse events, on the shown message box
    // button carrying this answer ("Ok", "Annuler", "Oui", "Non").
    void repondre(const QString& reponse);

    void executer(QDialog& fenetre) override;

    std::vector<FenetreVue> vues;
    int restantes() const { return int(actions_.size()); }

private:
    std::deque<std::function<void(QDialog&)>> actions_;
};

// The shown button of a message box that gives this answer, or nullptr.
ZoneCliquable* boutonVisible(QDialog& boite, const QString& reponse);
// Clicks a widget with a real press and release.
void cliquer(QWidget* w);
