#pragma once
// Lays out a course document on A4 pages and writes it as a PDF with its
// figures as vectors and embedded font subsets.
#include "Balisage.h"

#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

struct DocumentCours
{
    QString surtitre;             // small line above the title
    QString titre;
    std::vector<Bloc> blocs;
    QString enteteGauche;         // running head
    QString enteteDroite;
    QString piedGauche;           // footer, left of the page number
    std::function<void(QPainter &, const QRectF &page, double mm)> couverture; // optional first page
};

// Returns the number of pages written, 0 on failure (reason in *erreur).
int ecrirePdf(const QString &chemin, const DocumentCours &doc, QString *erreur);
