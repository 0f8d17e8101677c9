#pragma once
// Every modal window and box is shown through here, so a test can drive it
// (answer a box, click a button) without a display and without waiting.
#include <QString>

class QDialog;

class ExecuteurModal
{
public:
    virtual ~ExecuteurModal() = default;
    // Shows the window modally and returns once it has closed itself.
    virtual void executer(QDialog& fenetre) = 0;
};

void executerModal(QDialog& fenetre);
// Time spent so far in modal windows, waiting for the user.
qint64 attenteModaleMs();
// nullptr restores the real modal loop.
void definirExecuteurModal(ExecuteurModal* executeur);

// The system's plain message box with an OK button.
void boiteSysteme(const QString& texte);
