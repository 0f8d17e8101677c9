#pragma once
#include <QCursor>
#include <QPixmap>
#include <QString>

// A picture of the program folder's "images" folder, decoded once; null when missing.
QPixmap imageProgramme(const QString& nom);

// The program's hand pointer (the hot zones' pointer).
QCursor pointeurMain();

// Hourglass and default pointer for the whole program.
void pointeurSablier();
void pointeurDefaut();
