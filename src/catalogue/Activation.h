#pragma once
// Rules of making a lesson node current: its caption, and how a node looks
// once it stops being current.
#include <QString>
#include <optional>

// Chapter number of a key: characters 2-3, only the 3rd when the 2nd is "0".
QString numeroChapitre(const QString& cle);
// Lesson number: characters 5-6 when the 4th is "L" (only the 6th when the
// 5th is "0"); otherwise empty.
QString numeroLecon(const QString& cle);

// The caption under the animation area: "2 - 5 : Les tableaux ...",
// " ?" instead of " ..." for a text beginning with "Prob". Empty for the title.
QString legendeActivite(const QString& cle, const QString& texte);

// Changes to a node that stops being current, beyond the grey text and the
// highlight removed; applied in this order.
struct RetraitCourant
{
    bool gras = false;
    double facteurTaille = 1.0;      // multiplies the node's current size
    std::optional<int> couleurTexte; // &HBBGGRR, after the grey
    bool sansMarque = false;         // the exact assessment titles lose their arrow
};
RetraitCourant retraitCourant(const QString& texte);

// Whether a clicked node is highlighted (chapters, the title and sequences are not).
bool surlignable(const QString& texte);
// Whether the node is a questionnaire or test that may be started at once.
bool epreuveLancable(const QString& texte);
// An assessment already done carries its score: "... -  14/20".
bool epreuveRealisee(const QString& texte);
