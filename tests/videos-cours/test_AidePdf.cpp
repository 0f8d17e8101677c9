// The learner's help document of the program folder: a readable A4 PDF of a
// few pages that covers the main window's functions.
#include <gtest/gtest.h>

#include <QPdfDocument>
#include <QPdfSelection>

namespace {

TEST(AidePdf, EstUnDocumentA4DeQuelquesPagesQuiCouvreLEcranPrincipal)
{
    QPdfDocument doc;
    ASSERT_EQ(doc.load(QStringLiteral(PEDAVIN_SOURCE_DIR "/assets/aide.pdf")), QPdfDocument::Error::None);
    EXPECT_GE(doc.pageCount(), 3);
    EXPECT_LE(doc.pageCount(), 6);
    QString texte;
    for (int i = 0; i < doc.pageCount(); ++i) {
        const QSizeF taille = doc.pagePointSize(i);
        EXPECT_NEAR(taille.width(), 595.3, 1.5) << i;
        EXPECT_NEAR(taille.height(), 841.9, 1.5) << i;
        texte += doc.getAllText(i).text();
    }
    texte.replace(QChar(0xa0), u' ');
    texte = texte.simplified();
    for (const char* sujet : {"Tout stopper", "sommaire", "Questionnaire", "tableau des résultats", "journal", "Basculer",
                              "Imprimer", "e-mail", "Volume", "Quitter"})
        EXPECT_TRUE(texte.contains(QString::fromUtf8(sujet), Qt::CaseInsensitive)) << sujet;
}

} // namespace
