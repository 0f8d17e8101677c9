#include "catalogue/ConfigurationCours.h"

#include "app/EtatSession.h"
#include "journal/Windows1252.h"
#include "journal/dsEncrypt.h"

#include <QFile>

QStringList decouperLignes(const QByteArray& contenu)
{
    const QString texte = decoderWindows1252(contenu);
    const QString fin = texte.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList lignes;
    qsizetype debut = 0;
    while (debut < texte.size()) {
        const qsizetype f = texte.indexOf(fin, debut);
        if (f < 0) {
            lignes.append(texte.mid(debut));
            break;
        }
        lignes.append(texte.mid(debut, f - debut));
        debut = f + fin.size();
    }
    return lignes;
}

QStringList dechiffrerConfiguration(const QByteArray& contenu)
{
    dsEncrypt chiffre;
    chiffre.setKeyString(cleConfiguration);
    const QStringList lues = decouperLignes(contenu);
    QStringList valeurs;
    for (int i = 0; i < nombreLignesConfiguration; ++i) {
        if (i >= lues.size()) {
            valeurs.append(QString());
            continue;
        }
        valeurs.append(chiffre.Encrypt(lues[i]).value_or(lues[i]));
    }
    return valeurs;
}

void lireConfigurationCours(EtatSession& e, const QString& cheminDataDat)
{
    QFile f(cheminDataDat);
    QByteArray contenu;
    if (f.open(QIODevice::ReadOnly))
        contenu = f.readAll();
    const QStringList v = dechiffrerConfiguration(contenu);
    for (int k = 1; k <= 5; ++k)
        e.animationsQuestionnaires[k] = v[k - 1];
    e.dossierCours = v[5];
    e.intituleCours = v[6];
    e.modeCours = v[7];
    e.typeQuestionnaire1 = v[8];
    e.basculeMultiple = v[9];
    for (int k = 1; k <= 5; ++k)
        e.logicielsExternes[k] = v[9 + k];
}

void lireConfigurationCours(EtatSession& e)
{
    lireConfigurationCours(e, dossierProgramme() + QStringLiteral("/data.dat"));
}

std::optional<RefusValeur> verifierValeur(int ligne, const QString& valeur)
{
    dsEncrypt chiffre;
    chiffre.setKeyString(cleConfiguration);
    for (qsizetype i = 0; i < valeur.size(); ++i) {
        if (dsEncrypt::position(valeur.at(i)) == 0)
            return RefusValeur{ligne, i + 1, valeur.at(i),
                               QStringLiteral("caractère hors de l'alphabet du chiffre")};
    }
    const QString chiffree = *chiffre.Encrypt(valeur);
    const QString relue = chiffre.Encrypt(chiffree).value_or(QString());
    for (qsizetype i = 0; i < valeur.size(); ++i) {
        // The cipher works character by character, so a position names the
        // plain character responsible.
        if (relue.at(i) != valeur.at(i))
            return RefusValeur{ligne, i + 1, valeur.at(i),
                               QStringLiteral("son chiffré tombe sur la seconde espace de l'alphabet "
                                              "et se relirait « %1 »")
                                   .arg(relue.at(i))};
        if (i + 1 < valeur.size() && chiffree.at(i) == QChar(13) && chiffree.at(i + 1) == QChar(10))
            return RefusValeur{ligne, i + 1, valeur.at(i),
                               QStringLiteral("son chiffré et celui du caractère suivant (« %1 ») forment "
                                              "une fin de ligne")
                                   .arg(valeur.at(i + 1))};
    }
    return std::nullopt;
}

ResultatEcriture ecrireConfiguration(const QStringList& valeurs)
{
    ResultatEcriture r;
    if (valeurs.size() > nombreLignesConfiguration) {
        r.refus = RefusValeur{nombreLignesConfiguration + 1, 0, QChar(),
                              QStringLiteral("plus de 15 valeurs")};
        return r;
    }
    dsEncrypt chiffre;
    chiffre.setKeyString(cleConfiguration);
    for (int i = 0; i < nombreLignesConfiguration; ++i) {
        const QString valeur = i < valeurs.size() ? valeurs[i] : QString();
        if (auto refus = verifierValeur(i + 1, valeur)) {
            r.refus = refus;
            r.contenu.clear();
            return r;
        }
        // Every alphabet character has a Windows-1252 byte.
        r.contenu += *encoderWindows1252(*chiffre.Encrypt(valeur));
        r.contenu += "\r\n";
    }
    return r;
}
