#pragma once
// Figures of the course documents, drawn as vectors. A figure is laid out on
// a logical sheet 1000 units wide (the text width); its height depends on its
// content and includes the numbered caption under it.
#include <QString>
#include <QStringList>

class QPainter;

struct Figure
{
    QString genre;    // tableur, fenetre, histogramme, courbe, secteurs, menu, dialogue
    QString legende;
    QStringList lignes;
    int numero = 0;   // 0: no caption line
};

constexpr double largeurFigure = 1000.0;

// Empty when the figure can be drawn, else what is wrong with its data.
QString verifierFigure(const Figure &f);
double hauteurFigure(const Figure &f);
void dessinerFigure(QPainter &p, const Figure &f);
