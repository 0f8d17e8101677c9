// Printing for real: jobs written to a PDF file through QPrinter, compared
// with what the panel shows; the printer set-up dialogue itself.
#include "ComparaisonImages.h"
#include "AffichageQt.h"
#include "FabriquePdf.h"
#include "FauxModal.h"
#include "FauxServices.h"
#include "app/EtatSession.h"
#include "media/pdf/PanneauDocument.h"
#include "media/pdf/VisionneusePdf.h"
#include "plateforme/impression/ImpressionQt.h"

#include <QPdfDocument>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace panneaupdf;

namespace {
QImage rendu(QPdfDocument& d, int page, QSize taille)
{
    QImage blanc(taille, QImage::Format_RGB32);
    blanc.fill(Qt::white);
    QPainter p(&blanc);
    p.drawImage(0, 0, d.render(page - 1, taille));
    return blanc;
}

struct ImpressionReelle : ::testing::Test
{
    void SetUp() override
    {
        reinitialiserEtat();
        ASSERT_TRUE(dossier.isValid());
        sortie = dossier.filePath(QStringLiteral("imprime.pdf"));
        installerImpression(std::make_unique<ImpressionQt>(sortie));
        panneau = std::make_unique<PanneauDocument>();
        panneau->titreTache = [] { return QStringLiteral("Tableur - Saisir des données"); };
        panneau->show();
    }
    void TearDown() override { installerImpression(nullptr); }

    void charger(int pages, QSizeF points = QSizeF(595, 842))
    {
        etat().cheminDocument = fabriquerPdf(dossier.filePath(QStringLiteral("cours.pdf")), pages, points);
        panneau->chargePDF();
        // The whole page on screen, to compare it with paper.
        panneau->Label22_Click(AuMieux);
    }
    QImage pageMontree()
    {
        return panneau->PDFV1->viewport()->grab().toImage().copy(panneau->PDFV1->rectPage());
    }

    QTemporaryDir dossier;
    QString sortie;
    ServicesFactices services_;
    ExecuteurScripte modal;
    std::unique_ptr<PanneauDocument> panneau;
};
} // namespace

TEST_F(ImpressionReelle, PrintedPageMatchesTheShownPage)
{
    charger(4);
    panneau->allerPage(3);
    const QImage montree = pageMontree();
    ASSERT_FALSE(montree.isNull());

    modal.repondre(QStringLiteral("Oui"));
    modal.repondre(QStringLiteral("Ok"));
    panneau->Label22_Click(ImprimerPage);
    ASSERT_EQ(modal.vues.size(), 2u);
    EXPECT_EQ(modal.vues[1].texte, QStringLiteral("La page a été transmise à l'imprimante, imprime.pdf, patientez !"));

    QPdfDocument papier;
    ASSERT_EQ(papier.load(sortie), QPdfDocument::Error::None);
    ASSERT_EQ(papier.pageCount(), 1);
    EXPECT_NEAR(papier.pagePointSize(0).width(), 595, 1);
    EXPECT_NEAR(papier.pagePointSize(0).height(), 842, 1);
    EXPECT_EQ(papier.metaData(QPdfDocument::MetaDataField::Title).toString(), QStringLiteral("Tableur - Saisir des données"));

    const QImage imprimee = rendu(papier, 1, montree.size());
    EXPECT_LT(ecartMoyen(imprimee, montree), 4.0);
    // The comparison tells pages apart: page 2 is not what was printed.
    QPdfDocument source;
    source.load(etat().cheminDocument);
    EXPECT_GT(ecartMoyen(imprimee, rendu(source, 2, montree.size())), 2 * ecartMoyen(imprimee, montree) + 4.0);
    EXPECT_EQ(panneau->pageCourante, 3);
}

struct CasFormat
{
    const char* nom;
    QSizeF points;
};

class ImpressionDocument : public ImpressionReelle, public ::testing::WithParamInterface<CasFormat>
{};

TEST_P(ImpressionDocument, EveryPageAtItsOwnSize)
{
    const QSizeF points = GetParam().points;
    charger(3, points);
    modal.repondre(QStringLiteral("Oui"));
    modal.repondre(QStringLiteral("Ok"));
    panneau->Label22_Click(ImprimerTout);
    ASSERT_EQ(modal.vues.size(), 2u);
    EXPECT_EQ(modal.vues[1].titre, QStringLiteral(" Impression transmise"));

    QPdfDocument papier, source;
    ASSERT_EQ(papier.load(sortie), QPdfDocument::Error::None);
    source.load(etat().cheminDocument);
    ASSERT_EQ(papier.pageCount(), 3);
    const QSize taille = (points / 4).toSize();
    for (int p = 1; p <= 3; ++p) {
        EXPECT_NEAR(papier.pagePointSize(p - 1).width(), points.width(), 1) << p;
        EXPECT_NEAR(papier.pagePointSize(p - 1).height(), points.height(), 1) << p;
        EXPECT_LT(ecartMoyen(rendu(papier, p, taille), rendu(source, p, taille)), 4.0) << p;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, ImpressionDocument,
                         ::testing::Values(CasFormat{"A4Portrait", {595, 842}}, CasFormat{"A4Landscape", {842, 595}},
                                           CasFormat{"Letter", {612, 792}}),
                         [](const auto& i) { return std::string(i.param.nom); });

TEST(ImpressionSysteme, PrinterDialogueHasItsTitleAndCancelKeepsThePrinter)
{
    ImpressionQt impression;
    const QString avant = impression.imprimanteCourante();
    ExecuteurScripte modal;
    QString titre;
    bool dialogueImprimante = false;
    modal.ensuite([&](QDialog& d) {
        titre = d.windowTitle();
        dialogueImprimante = qobject_cast<QPrintDialog*>(&d) != nullptr;
        d.reject();
    });
    EXPECT_FALSE(impression.choisirImprimante(nullptr, QStringLiteral("Imprimer le document pédagogique")));
    EXPECT_TRUE(dialogueImprimante);
    EXPECT_EQ(titre, QStringLiteral("Imprimer le document pédagogique"));
    EXPECT_EQ(impression.imprimanteCourante(), avant);
}

TEST(ImpressionSysteme, UnknownOrMissingPrinterPrintsNothing)
{
    QTemporaryDir dossier;
    QPdfDocument d;
    ASSERT_EQ(d.load(fabriquerPdf(dossier.filePath(QStringLiteral("a.pdf")), 2)), QPdfDocument::Error::None);
    ImpressionQt impression;
    EXPECT_FALSE(impression.imprimerPages(d, QString(), QStringLiteral("t"), {1}));
    EXPECT_FALSE(impression.imprimerPages(d, QStringLiteral("Imprimante-inexistante-0"), QStringLiteral("t"), {1}));
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        EXPECT_EQ(impression.imprimanteCourante(), QString());
}

TEST(ImpressionSysteme, PagesOutsideTheDocumentAreNotAJob)
{
    QTemporaryDir dossier;
    QPdfDocument d;
    ASSERT_EQ(d.load(fabriquerPdf(dossier.filePath(QStringLiteral("a.pdf")), 2)), QPdfDocument::Error::None);
    const QString sortie = dossier.filePath(QStringLiteral("s.pdf"));
    ImpressionQt impression(sortie);
    EXPECT_FALSE(impression.imprimerPages(d, impression.imprimanteCourante(), QStringLiteral("t"), {0, 3}));
    EXPECT_FALSE(QFile::exists(sortie));
    QPdfDocument vide;
    EXPECT_FALSE(impression.imprimerPages(vide, impression.imprimanteCourante(), QStringLiteral("t"), {1}));
}
