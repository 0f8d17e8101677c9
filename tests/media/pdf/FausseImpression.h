#pragma once
// A printing service that prints nothing: it records the jobs asked for and
// answers the printer set-up dialogue as the test decides.
#include "plateforme/impression/Impression.h"

#include <QPdfDocument>
#include <QStringList>
#include <vector>

struct TacheImpression
{
    QString imprimante;
    QString titre;
    QList<int> pages;
};

struct FausseImpression : Impression
{
    QString imprimante = QStringLiteral("Laser-Atelier"); // "" = the system has no printer
    bool accepte = true;                                 // jobs are taken when a printer exists
    QString choixDialogue;                               // printer picked in the dialogue; "" = cancel
    QStringList titresDialogue;
    std::vector<TacheImpression> taches;

    QString imprimanteCourante() override { return imprimante; }
    bool choisirImprimante(QWidget*, const QString& titre) override
    {
        titresDialogue << titre;
        if (choixDialogue.isEmpty())
            return false;
        imprimante = choixDialogue;
        return true;
    }
    bool imprimerPages(QPdfDocument&, const QString& nom, const QString& titre, const QList<int>& pages) override
    {
        taches.push_back({nom, titre, pages});
        return accepte && !nom.isEmpty();
    }
};

// Installs a fresh fake for a test's lifetime.
struct ImpressionFactice
{
    FausseImpression* faux;
    ImpressionFactice()
    {
        auto f = std::make_unique<FausseImpression>();
        faux = f.get();
        installerImpression(std::move(f));
    }
    ~ImpressionFactice() { installerImpression(nullptr); }
};
