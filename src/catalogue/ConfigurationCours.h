#pragma once
// The course configuration file data.dat of the program folder: 15 lines in
// Windows-1252, each enciphered with dsEncrypt under the key "BRUMAL".
//
// Line ends. The cipher can produce CR, LF and the double quote. The writer
// ends every line with CR LF, and in a file that holds a CR LF a line ends
// only there: a lone CR or a lone LF is data. A file without any CR LF (one
// whose line ends were converted) has its lines end at LF. The only value
// that cannot be stored is one whose cipher text holds CR followed by LF;
// the writer refuses it, as it refuses one the cipher cannot carry or that
// would not decipher to itself.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

struct EtatSession;

inline constexpr int nombreLignesConfiguration = 15;
inline const QString cleConfiguration = QStringLiteral("BRUMAL");

// The lines of the file as stored, decoded from Windows-1252.
QStringList decouperLignes(const QByteArray& contenu);

// Lines 1..15 deciphered (index 0 is line 1); a missing line is "", a line
// the cipher cannot handle is kept as read. Lines after the 15th are ignored.
QStringList dechiffrerConfiguration(const QByteArray& contenu);

// Reads dossierProgramme()/data.dat into the configuration fields of the
// record: lines 1-5 animationsQuestionnaires(1..5), 6 dossierCours,
// 7 intituleCours, 8 modeCours, 9 typeQuestionnaire1, 10 basculeMultiple,
// 11-15 logicielsExternes(1..5). A missing file leaves the fields empty.
void lireConfigurationCours(EtatSession& e, const QString& cheminDataDat);
void lireConfigurationCours(EtatSession& e);

// Why a value cannot be written.
struct RefusValeur
{
    int ligne = 0;        // 1..15
    qsizetype rang = 0;   // position 1.. of the character in the value
    QChar caractere;
    QString raison;       // French, for the authoring tool's message
};

// Checks that the value can be enciphered and reads back the same.
std::optional<RefusValeur> verifierValeur(int ligne, const QString& valeur);

// The bytes of a data.dat holding the 15 values (fewer are padded with ""),
// or the first refusal.
struct ResultatEcriture
{
    QByteArray contenu;
    std::optional<RefusValeur> refus;
};
ResultatEcriture ecrireConfiguration(const QStringList& valeurs);
