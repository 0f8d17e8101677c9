#include "app/Modal.h"

#include <QDialog>
#include <QMessageBox>

namespace {
class ExecuteurReel : public ExecuteurModal
{
public:
    void executer(QDialog& fenetre) override { fenetre.exec(); }
};
ExecuteurReel reel;
ExecuteurModal* courant = &reel;
} // namespace

void executerModal(QDialog& fenetre) { courant->executer(fenetre); }

void definirExecuteurModal(ExecuteurModal* executeur) { courant = executeur ? executeur : &reel; }

void boiteSysteme(const QString& texte)
{
    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("Pedavin"), texte, QMessageBox::Ok);
    executerModal(boite);
}
