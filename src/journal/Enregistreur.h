#pragma once
// Recording the training journal: one line per action, each closing the
// duration of the line before it.
#include "app/EtatSession.h"

#include <QDateTime>
#include <QString>

// What the recorder reads off the main window.
struct VueEnregistreur
{
    QString legende;               // caption of the current activity (Label8(0))
    QString sujet;                 // course subject or chosen program (Label2)
    QString motCle;                // keyword of the search (Combo4)
    bool rechercheVisible = false; // result list and search button both shown
};

// The most lines a journal holds; its count is 16-bit. Past it, actions are no
// longer recorded and the last line's duration keeps running.
constexpr int16_t etapesMaximum = 32767;

// Records one line of the kind in e.typeEtape. False when the journal is full.
bool ajouteretape(EtatSession& e, const VueEnregistreur& vue, const QDateTime& maintenant);
// Opens a new session inside the journal. False when the journal is full.
bool continuersession(EtatSession& e, const QDateTime& maintenant);

// Formats the journal uses: "14:05:32", "15/06/2009", and "mm:ss" of a
// duration with its whole hours dropped.
QString heureLongue(const QDateTime& t);
QString dateCourte(const QDateTime& t);
QString dureeEtape(const QDateTime& debut, const QDateTime& fin);
// "002", "047", "123", then "1000" and beyond unpadded.
QString numeroEtape(int n);
