// pedavin-config: the authoring tool of the course configuration file.
//
//   pedavin-config ecrire <data.dat> <valeur1> ... <valeur15>
//   pedavin-config ecrire <data.dat> --valeurs <fichier.txt>
//   pedavin-config lire <data.dat>
//
// The values file is UTF-8, one value a line (LF or CR LF), at most 15
// lines; missing lines are empty values. "lire" prints the 15 plain values
// one a line, in UTF-8, so its output can be fed back to "ecrire".
#include "catalogue/ConfigurationCours.h"
#include "journal/dsEncrypt.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

const char* const noms[15] = {
    "animation du questionnaire 1", "animation du questionnaire 2", "animation du questionnaire 3",
    "animation du questionnaire 4", "animation du questionnaire 5", "dossier du cours", "intitulé du cours",
    "mode du cours", "type du questionnaire 1", "choix entre plusieurs logiciels", "logiciel externe 1",
    "logiciel externe 2", "logiciel externe 3", "logiciel externe 4", "logiciel externe 5",
};

void erreur(const QString& texte) { std::fprintf(stderr, "pedavin-config : %s\n", texte.toUtf8().constData()); }

int usage()
{
    std::fputs("usage : pedavin-config ecrire <data.dat> <valeur1> ... <valeur15>\n"
               "        pedavin-config ecrire <data.dat> --valeurs <fichier.txt>\n"
               "        pedavin-config lire <data.dat>\n",
               stderr);
    return 2;
}

QString decrireCaractere(QChar c)
{
    const QString code = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    if (c.isPrint() && c != QLatin1Char(' '))
        return QStringLiteral("« %1 » (%2)").arg(c).arg(code);
    return code;
}

int ecrire(const QString& chemin, const QStringList& valeurs)
{
    if (valeurs.size() > 15) {
        erreur(QStringLiteral("%1 valeurs données, 15 au plus").arg(valeurs.size()));
        return 1;
    }
    const ResultatEcriture r = ecrireConfiguration(valeurs);
    if (r.refus) {
        const RefusValeur& f = *r.refus;
        erreur(QStringLiteral("ligne %1 (%2) : caractère %3 en position %4 refusé : %5")
                   .arg(f.ligne)
                   .arg(QString::fromUtf8(noms[f.ligne - 1]))
                   .arg(decrireCaractere(f.caractere))
                   .arg(f.rang)
                   .arg(f.raison));
        return 1;
    }
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(r.contenu) != r.contenu.size() || !f.commit()) {
        erreur(QStringLiteral("impossible d'écrire %1").arg(chemin));
        return 1;
    }
    return 0;
}

int lire(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        erreur(QStringLiteral("impossible de lire %1").arg(chemin));
        return 1;
    }
    const QByteArray contenu = f.readAll();
    const QStringList lues = decouperLignes(contenu);
    const QStringList valeurs = dechiffrerConfiguration(contenu);
    dsEncrypt d;
    d.setKeyString(cleConfiguration);
    for (int i = 0; i < 15; ++i) {
        if (i >= lues.size())
            erreur(QStringLiteral("ligne %1 absente : valeur vide").arg(i + 1));
        else if (!d.Encrypt(lues[i]))
            erreur(QStringLiteral("ligne %1 non chiffrée (caractère hors de l'alphabet) : gardée telle quelle")
                       .arg(i + 1));
        std::printf("%s\n", valeurs[i].toUtf8().constData());
    }
    if (lues.size() > 15)
        erreur(QStringLiteral("%1 lignes au-delà de la 15e ignorées").arg(lues.size() - 15));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("lire"))
        return lire(args[1]);
    if (args.size() >= 2 && args[0] == QLatin1String("ecrire")) {
        if (args.size() == 4 && args[2] == QLatin1String("--valeurs")) {
            QFile f(args[3]);
            if (!f.open(QIODevice::ReadOnly)) {
                erreur(QStringLiteral("impossible de lire %1").arg(args[3]));
                return 1;
            }
            QString texte = QString::fromUtf8(f.readAll());
            texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (texte.endsWith(QLatin1Char('\n')))
                texte.chop(1);
            return ecrire(args[1], texte.isEmpty() ? QStringList() : texte.split(QLatin1Char('\n')));
        }
        if (args.size() == 17)
            return ecrire(args[1], args.mid(2));
        erreur(QStringLiteral("il faut 15 valeurs (%1 données) ou --valeurs <fichier>").arg(args.size() - 2));
        return usage();
    }
    return usage();
}
