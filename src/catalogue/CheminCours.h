#pragma once
// Course paths. A course copied from a CD-ROM may carry upper-case names
// (ISO 9660) while the program builds its paths in the case the names were
// authored in; on Linux the two differ. Every course path goes through
// cheminCours, which finds the path ignoring case when it does not exist as
// given.
#include <QString>
#include <QStringList>

// The path as given when it exists; otherwise, component by component, the
// existing entry whose name equals the wanted one ignoring case (the first in
// ordreNoms when several do). A path that cannot be found is returned
// unchanged, so the caller's open fails as it would have.
QString cheminCours(const QString& chemin);

// cheminCours(RacineCours() + "/" + relatif).
QString cheminDansCours(const QString& relatif);

// The one order in which folders are listed, so that every machine builds the
// same tree and numbering: names compared unit by unit after upper-casing
// each UTF-16 unit, as NTFS and CD-ROM directories sort, then by exact units.
bool ordreNoms(const QString& a, const QString& b);

// Regular files (symbolic links followed) of the folder whose names match the
// pattern ignoring case; '*' stands for any run of characters, '?' for one.
// The folder itself is found through cheminCours. Sorted by ordreNoms. An
// unreadable or missing folder gives an empty list; names that are not valid
// in the file-name encoding are left out, since no path built from them
// could open the file.
QStringList listerFichiers(const QString& dossier, const QString& motif);

// Whether at least one file matches; stops at the first.
bool existeFichier(const QString& dossier, const QString& motif);

// Pattern matching as above, exposed for the callers that filter names.
bool correspondMotif(QStringView nom, QStringView motif);
