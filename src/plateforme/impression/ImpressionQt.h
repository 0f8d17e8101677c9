#pragma once
#include "plateforme/impression/Impression.h"

#include <QImage>
#include <QSize>

// Printing through QPrinter: the system's printers (CUPS), or, when built with
// a file name, every job written into that PDF file instead.
class ImpressionQt : public Impression
{
public:
    explicit ImpressionQt(const QString& fichierPdf = QString());

    QString imprimanteCourante() override;
    bool choisirImprimante(QWidget* parent, const QString& titre) override;
    bool imprimerPages(QPdfDocument& document, const QString& imprimante, const QString& titreTache,
                       const QList<int>& pages) override;

    // A page as it goes to paper: rendered on white at this many dots per inch.
    static QImage imagePage(QPdfDocument& document, int page, double pointsParPouce);

private:
    QString fichierPdf_;
    QString choisie_;
};
