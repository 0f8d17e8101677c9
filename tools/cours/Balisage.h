#pragma once
// The light markup of the course sources: one block per paragraph-like unit.
//   ## Titre / ### Sous-titre      headings
//   1. texte                       numbered step (a run of them is one list)
//   - texte                        bullet
//   > texte                        objective box;  ! texte  tip box
//   | a | b |                      table row (first row is the heading row)
//   @figure genre Légende ... @fin drawn figure, its lines are the figure's data
//   @saut                          page break
// Inline: **gras**, *italique*, `touche ou formule`.
#include <QString>
#include <QStringList>
#include <vector>

struct Bloc
{
    enum Genre { Titre2, Titre3, Paragraphe, Etape, Puce, Objectif, Astuce, Tableau, Figure, Saut };
    Genre genre;
    QString texte;       // text, or figure caption
    QString typeFigure;  // figure kind
    QStringList lignes;  // table rows or figure data
};

std::vector<Bloc> analyser(const QString &source, QString *erreur);
