// Frame accuracy: after a seek to k the picture is frame k, on every codec the
// test videos hold, in any order of seeks; and avi-frame gives the same
// picture as the ffmpeg tool's own decode.
#include "OutilsVideo.h"
#include "media/video/LectureVideo.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CasVideo
{
    const char* nom;
    int derniere;
    // Frames the file does not hold (AVI drop frames) show the one before them.
    int trouDebut = -1, trouFin = -1;

    int attendu(int k) const { return k >= trouDebut && k <= trouFin ? trouDebut - 1 : k; }
};

void PrintTo(const CasVideo& c, std::ostream* os) { *os << c.nom; }

const CasVideo casVideos[] = {
    {"msvideo1_pcm.avi", 59},    {"cinepak_adpcm_ms.avi", 59}, {"mjpeg_adpcm_ima.avi", 59},
    {"mpeg4_mp3.avi", 59},       {"msmpeg4v3.avi", 59},        {"brut.avi", 59},
    {"msrle.avi", 59},           {"tscc.avi", 59},
    {"trous.avi", 59, 20, 24},
};

std::string nomCas(const testing::TestParamInfo<CasVideo>& i)
{
    std::string n = i.param.nom;
    return n.substr(0, n.find('.'));
}

class Recherche : public testing::TestWithParam<CasVideo>
{
protected:
    void SetUp() override
    {
        lecture.charger(videoTest(GetParam().nom));
        ASSERT_TRUE(lecture.charge());
        lecture.arreter();
    }
    LectureVideo lecture;
};

TEST_P(Recherche, LongueurEstLaDerniereImage)
{
    EXPECT_EQ(lecture.derniereImage(), GetParam().derniere);
    EXPECT_EQ(lecture.position(), 0);
    EXPECT_EQ(lireMotif(lecture.image()), 0);
}

// Forward and backward, onto keyframes and just before and after them, the
// last frame, and back to the start.
TEST_P(Recherche, ChaqueRechercheMontreLImageDemandee)
{
    for (int k : {37, 59, 12, 11, 13, 24, 23, 25, 1, 48, 47, 58, 30, 0, 22, 59, 0}) {
        lecture.allerA(k);
        EXPECT_EQ(lecture.position(), k);
        EXPECT_EQ(lireMotif(lecture.image()), GetParam().attendu(k)) << "seek to " << k;
    }
}

TEST_P(Recherche, ImageParImageJusquALaFin)
{
    for (int k = 0; k <= GetParam().derniere; ++k) {
        lecture.allerA(k);
        ASSERT_EQ(lireMotif(lecture.image()), GetParam().attendu(k)) << "frame " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Codecs, Recherche, testing::ValuesIn(casVideos), nomCas);

// avi-frame beside the ffmpeg tool decoding the same frame of the same file.
class OutilAviFrame : public testing::TestWithParam<CasVideo>
{
protected:
    static int lancer(const QString& programme, const QStringList& args)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(programme, args);
        if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
            return -1;
        return p.exitCode();
    }
    static QString aviFrame() { return QStringLiteral(PEDAVIN_BIN_DIR "/avi-frame"); }
    QTemporaryDir dossier;
};

TEST_P(OutilAviFrame, MemeImageQueLOutilFfmpeg)
{
    const QString video = videoTest(GetParam().nom);
    for (int k : {0, 13, 37, 59}) {
        const QString notre = dossier.filePath(QString("avi-frame-%1.png").arg(k));
        const QString sienne = dossier.filePath(QString("ffmpeg-%1.png").arg(k));
        ASSERT_EQ(lancer(aviFrame(), {video, QString::number(k), notre}), 0);
        ASSERT_EQ(lancer("ffmpeg", {"-hide_banner", "-loglevel", "error", "-nostdin", "-y", "-i", video,
                                    "-vf", QString("select=eq(n\\,%1)").arg(k), "-fps_mode", "passthrough",
                                    "-frames:v", "1", sienne}),
                  0);
        const QImage a = QImage(notre).convertToFormat(QImage::Format_RGB32);
        const QImage b = QImage(sienne).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(a.size(), b.size());
        EXPECT_EQ(lireMotif(a), k);
        // Both convert the decoded picture to RGB; allow the rounding of two
        // different converters, not a different frame.
        int64_t ecart = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                ecart += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        EXPECT_LT(double(ecart) / (a.width() * a.height()), 3.0) << "frame " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Codecs, OutilAviFrame,
                         testing::ValuesIn(std::begin(casVideos), std::end(casVideos) - 1), nomCas);

TEST(OutilAviFrameErreurs, FichierIllisibleOuArgumentsFaux)
{
    QTemporaryDir dossier;
    const QString png = dossier.filePath("x.png");
    struct Cas { QStringList args; int code; };
    const Cas cas[] = {
        {{videoTest("absent.avi"), "3", png}, 1},
        {{videoTest("codec_inconnu.avi"), "3", png}, 1},
        {{videoTest("msvideo1_pcm.avi"), "trois", png}, 2},
        {{videoTest("msvideo1_pcm.avi")}, 2},
    };
    for (const Cas& c : cas) {
        QProcess p;
        p.start(QStringLiteral(PEDAVIN_BIN_DIR "/avi-frame"), c.args);
        ASSERT_TRUE(p.waitForFinished(-1));
        EXPECT_EQ(p.exitCode(), c.code) << c.args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(png));
}

} // namespace
