#include "app/Modal.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>

namespace {
class ExecuteurReel : public ExecuteurModal
{
public:
    void executer(QDialog& fenetre) override { fenetre.exec(); }
};
ExecuteurReel reel;
ExecuteurModal* courant = &reel;
qint64 attenteCumulee = 0;
} // namespace

void executerModal(QDialog& fenetre)
{
    QElapsedTimer t;
    t.start();
    courant->executer(fenetre);
    attenteCumulee += t.elapsed();
}

qint64 attenteModaleMs() { return attenteCumulee; }

void definirExecuteurModal(ExecuteurModal* executeur) { courant = executeur ? executeur : &reel; }

void boiteSysteme(const QString& texte)
{
    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("Pedavin"), texte, QMessageBox::Ok);
    executerModal(boite);
}
