#pragma once
// A program folder of its own for a test: its data.dat, and a course of
// empty files beside it. The program folder is set back when it goes.
#include "app/EtatSession.h"
#include "catalogue/ConfigurationCours.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

struct DossierProgramme
{
    QTemporaryDir dossier;

    // The course folder is "COURS" unless the configuration says otherwise.
    explicit DossierProgramme(QStringList configuration = {})
    {
        if (configuration.isEmpty())
            configuration = {QString(), QString(), QString(), QString(), QString(), QStringLiteral("COURS"),
                             QStringLiteral("Découvrir le tableur LibreOffice Calc")};
        QFile dat(chemin(QStringLiteral("data.dat")));
        dat.open(QIODevice::WriteOnly);
        dat.write(ecrireConfiguration(configuration).contenu);
        definirDossierProgramme(dossier.path());
    }
    ~DossierProgramme() { definirDossierProgramme(QString()); }

    QString chemin(const QString& relatif) const { return dossier.filePath(relatif); }

    // Empty files under the course folder: documents in textes/, animations in anim/.
    QString ajouterCours(const QStringList& documents = coursMinimal(), const QStringList& animations = {},
                         const QString& nomDossier = QStringLiteral("COURS"))
    {
        const QString racine = chemin(nomDossier);
        QDir().mkpath(racine + QStringLiteral("/textes"));
        QDir().mkpath(racine + QStringLiteral("/anim"));
        for (const QString& nom : documents)
            QFile(racine + QStringLiteral("/textes/") + nom).open(QIODevice::WriteOnly);
        for (const QString& nom : animations)
            QFile(racine + QStringLiteral("/anim/") + nom).open(QIODevice::WriteOnly);
        return racine;
    }

    static QStringList coursMinimal()
    {
        return {QStringLiteral("T-COURS QZ Tableur.pdf"), QStringLiteral("C01-Chapitre 1 - Découvrir le tableur.pdf"),
                QStringLiteral("C01L01-Ouvrir LibreOffice Calc.pdf"), QStringLiteral("C01L02-Questionnaire N°1.pdf")};
    }
};
