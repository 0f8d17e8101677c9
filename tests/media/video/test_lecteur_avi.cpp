// The control the windows use: the ComposantVideo operations on LecteurAVI and
// the picture it paints.
#include "OutilsVideo.h"
#include "media/video/LecteurAVI.h"

#include <gtest/gtest.h>

namespace {

class LecteurAVITest : public testing::Test
{
protected:
    void SetUp() override
    {
        lecteur.lecture().definirSourceTemps(&temps);
        lecteur.lecture().definirFabriqueSortie([] { return std::unique_ptr<SortieAudio>(); });
        lecteur.resize(320, 240);
    }
    SourceTempsManuelle temps;
    LecteurAVI lecteur;
    ComposantVideo& composant = lecteur;
};

TEST_F(LecteurAVITest, OperationsDuComposant)
{
    Annonces espion(&composant, &ComposantVideo::PositionChanged);
    const QString chemin = videoTest("msvideo1_pcm.avi");
    composant.setFileName(chemin);
    EXPECT_EQ(composant.fileName(), chemin);
    EXPECT_EQ(composant.length(), 59);
    EXPECT_EQ(composant.position(), 0);
    composant.setCommand(ComposantVideo::Lire);
    temps.us += 400000;
    lecteur.lecture().avancer();
    EXPECT_EQ(composant.position(), 4);
    composant.setCommand(ComposantVideo::Arreter);
    composant.setPosition(25);
    temps.us += 400000;
    lecteur.lecture().avancer();
    EXPECT_EQ(composant.position(), 25);
    EXPECT_EQ(espion.valeurs, (std::vector<int>{0, 4, 25}));

    composant.setFileName("");
    EXPECT_EQ(composant.fileName(), "");
    EXPECT_EQ(composant.length(), 0);
    EXPECT_EQ(composant.position(), 0);
}

TEST_F(LecteurAVITest, FichierAbsentGardeSonNomEtNeMontreRien)
{
    const QString chemin = videoTest("absent.avi");
    composant.setFileName(chemin);
    composant.setCommand(ComposantVideo::Lire);
    composant.setPosition(3);
    EXPECT_EQ(composant.fileName(), chemin);
    EXPECT_EQ(composant.length(), 0);
    EXPECT_EQ(composant.position(), 0);
}

TEST_F(LecteurAVITest, LongueurEtPositionSurSeizeBits)
{
    composant.setFileName(videoTest("long.avi"));
    EXPECT_EQ(composant.length(), int16_t(32767));
    composant.setCommand(ComposantVideo::Arreter);
    composant.setPosition(32767);
    EXPECT_EQ(composant.position(), int16_t(32767));
}

// The picture fills the control, scaled; with the natural size it keeps its own
// size, centred, and the rest is black.
TEST_F(LecteurAVITest, ImageDansLeRectangleDuControle)
{
    composant.setFileName(videoTest("mjpeg_adpcm_ima.avi"));
    composant.setCommand(ComposantVideo::Arreter);
    composant.setPosition(37);

    struct Cas { const char* nom; bool naturelle; QSize controle; QRect image; };
    const Cas cas[] = {
        {"rempli", false, {320, 240}, {0, 0, 320, 240}},
        {"rempli, autre forme", false, {300, 100}, {0, 0, 300, 100}},
        {"naturelle", true, {400, 300}, {120, 90, 160, 120}},
        {"naturelle reduite", true, {80, 120}, {0, 30, 80, 60}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        lecteur.resize(c.controle);
        composant.setNaturalSize(c.naturelle);
        composant.refresh();
        EXPECT_EQ(lecteur.rectangleImage(), c.image);
        const QImage vu = lecteur.grab().toImage();
        EXPECT_EQ(lireMotif(vu, c.image), 37);
        if (c.image.left() > 0) {
            EXPECT_EQ(vu.pixel(2, c.controle.height() / 2), qRgb(0, 0, 0));
        }
    }
}

} // namespace
