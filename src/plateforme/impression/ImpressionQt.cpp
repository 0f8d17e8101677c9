#include "plateforme/impression/ImpressionQt.h"

#include "app/Modal.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
// Paper never needs more: the page pictures stay small enough to spool.
constexpr double pointsParPouceMax = 300.0;

QPageLayout miseEnPage(QPdfDocument& document, int page)
{
    const QSizeF taille = document.pagePointSize(page - 1);
    const bool paysage = taille.width() > taille.height();
    const QSizeF portrait(qMin(taille.width(), taille.height()), qMax(taille.width(), taille.height()));
    return QPageLayout(QPageSize(portrait, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       paysage ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}
} // namespace

ImpressionQt::ImpressionQt(const QString& fichierPdf) : fichierPdf_(fichierPdf) {}

QString ImpressionQt::imprimanteCourante()
{
    if (!fichierPdf_.isEmpty())
        return QFileInfo(fichierPdf_).fileName();
    const QStringList connues = QPrinterInfo::availablePrinterNames();
    if (!choisie_.isEmpty() && connues.contains(choisie_))
        return choisie_;
    const QString parDefaut = QPrinterInfo::defaultPrinterName();
    if (!parDefaut.isEmpty())
        return parDefaut;
    return connues.value(0);
}

bool ImpressionQt::choisirImprimante(QWidget* parent, const QString& titre)
{
    QPrinter imprimante;
    const QString actuelle = imprimanteCourante();
    if (fichierPdf_.isEmpty() && !actuelle.isEmpty())
        imprimante.setPrinterName(actuelle);
    QPrintDialog dialogue(&imprimante, parent);
    if (!titre.isEmpty())
        dialogue.setWindowTitle(titre);
    // Only the printer and its settings are chosen here; what to print is
    // decided by the button that prints.
    dialogue.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialogue.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialogue.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialogue.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialogue.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    executerModal(dialogue);
    if (dialogue.result() != QDialog::Accepted)
        return false;
    if (imprimante.outputFormat() != QPrinter::NativeFormat || imprimante.printerName().isEmpty())
        return false;
    choisie_ = imprimante.printerName();
    return true;
}

QImage ImpressionQt::imagePage(QPdfDocument& document, int page, double pointsParPouce)
{
    const QSizeF points = document.pagePointSize(page - 1);
    const QSize taille = (points * pointsParPouce / 72.0).toSize().expandedTo(QSize(1, 1));
    QPdfDocumentRenderOptions options;
    options.setRenderFlags(QPdfDocumentRenderOptions::RenderFlag::Annotations);
    const QImage rendu = document.render(page - 1, taille, options);
    QImage blanc(taille, QImage::Format_RGB32);
    blanc.fill(Qt::white);
    QPainter p(&blanc);
    p.drawImage(0, 0, rendu);
    return blanc;
}

bool ImpressionQt::imprimerPages(QPdfDocument& document, const QString& imprimante, const QString& titreTache,
                                 const QList<int>& pages)
{
    QList<int> aImprimer;
    for (int page : pages)
        if (page >= 1 && page <= document.pageCount())
            aImprimer << page;
    if (aImprimer.isEmpty())
        return false;

    QPrinter sortie(QPrinter::HighResolution);
    const bool versFichier = !fichierPdf_.isEmpty();
    if (versFichier) {
        sortie.setOutputFormat(QPrinter::PdfFormat);
        sortie.setOutputFileName(fichierPdf_);
        // A file takes each page at its own size, edge to edge.
        sortie.setFullPage(true);
        sortie.setPageLayout(miseEnPage(document, aImprimer.first()));
    } else {
        if (imprimante.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(imprimante))
            return false;
        sortie.setPrinterName(imprimante);
    }
    sortie.setDocName(titreTache);
    if (!sortie.isValid())
        return false;

    QPainter peintre;
    if (!peintre.begin(&sortie))
        return false;
    const double ppp = qMin(double(sortie.resolution()), pointsParPouceMax);
    bool premiere = true;
    for (int page : aImprimer) {
        if (!premiere) {
            if (versFichier)
                sortie.setPageLayout(miseEnPage(document, page));
            sortie.newPage();
        }
        premiere = false;
        const QImage image = imagePage(document, page, ppp);
        // Paper: the page scaled into the printable area, centred, its shape kept.
        const QRectF zone(QPointF(0, 0), versFichier ? sortie.paperRect(QPrinter::DevicePixel).size()
                                                     : sortie.pageRect(QPrinter::DevicePixel).size());
        QSizeF taille = QSizeF(image.size()).scaled(zone.size(), Qt::KeepAspectRatio);
        const QRectF cible(zone.x() + (zone.width() - taille.width()) / 2,
                           zone.y() + (zone.height() - taille.height()) / 2, taille.width(), taille.height());
        peintre.setRenderHint(QPainter::SmoothPixmapTransform);
        peintre.drawImage(cible, image);
    }
    return peintre.end();
}
