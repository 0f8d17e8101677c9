#pragma once
#include <QString>

// Cues of the program folder's "sons" folder. Both play only while
// etat().sonAutorise is non-zero and a sound device exists; callers raise the
// flag just before and lower it after (see jouerClic).
void jouerSon(const QString& nomCue);
void jouerSonMCI(const QString& nomCue);

// The usual click: raise the permission, play "clic.wav", lower it.
void jouerClic();
