// The sample course's videos: the ones the course needs exist, and each one
// is a file the player follows (frame count in 16 bits, header and index in
// agreement, frame 0 at time 0) within the lengths the course is built on.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>

#include <string>
#include <vector>

namespace {

const QString cours = QStringLiteral(PEDAVIN_SOURCE_DIR "/cours/COURS-TABLEUR");
const QString anim = cours + QStringLiteral("/anim");

// Keys of the lesson-level documents that are questionnaires or tests: their
// video ends by starting the assessment.
QStringList clesEpreuves()
{
    QStringList cles;
    for (const QString& nom : QDir(cours + QStringLiteral("/textes")).entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
        if (nom.size() < 8 || nom.at(6) != u'-')
            continue;
        const QString titre = nom.mid(7);
        if (titre.startsWith(QStringLiteral("Questi"), Qt::CaseInsensitive) || titre.startsWith(QStringLiteral("Test"), Qt::CaseInsensitive))
            cles << nom.left(6);
    }
    return cles;
}

QStringList clesDocuments()
{
    QStringList cles;
    for (const QString& nom : QDir(cours + QStringLiteral("/textes")).entryList({QStringLiteral("*.pdf")}, QDir::Files))
        if (nom.size() > 7 && nom.at(6) == u'-')
            cles << nom.left(6);
    return cles;
}

std::vector<std::string> videos()
{
    std::vector<std::string> v;
    for (const QString& nom : QDir(anim).entryList({QStringLiteral("*.avi")}, QDir::Files))
        v.push_back(nom.toStdString());
    return v;
}

bool outilsFfmpeg()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

struct Sortie
{
    int code = -1;
    QByteArray out, err;
};

Sortie lancer(const QString& programme, const QStringList& arguments)
{
    QProcess p;
    p.start(programme, arguments);
    Sortie s;
    if (!p.waitForFinished(120000))
        return s;
    s.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.out = p.readAllStandardOutput();
    s.err = p.readAllStandardError();
    return s;
}

QJsonObject flux(const QJsonArray& tous, const QString& sorte)
{
    for (const auto& f : tous)
        if (f.toObject().value(QStringLiteral("codec_type")).toString() == sorte)
            return f.toObject();
    return {};
}

double rapport(const QString& r)
{
    const QStringList m = r.split(u'/');
    return m.size() == 2 && m[1].toDouble() != 0 ? m[0].toDouble() / m[1].toDouble() : 0;
}

TEST(VideosCours, LesVideosNommeesParLaConfigurationExistent)
{
    QFile f(QStringLiteral(PEDAVIN_SOURCE_DIR "/cours/sources/configuration.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&f);
    for (int ligne = 1; ligne <= 5; ++ligne) {
        const QString nom = in.readLine().trimmed();
        SCOPED_TRACE(ligne);
        ASSERT_FALSE(nom.isEmpty());
        EXPECT_TRUE(QFileInfo::exists(anim + u'/' + nom)) << nom.toStdString();
    }
}

TEST(VideosCours, ChaqueQuestionnaireEtTestASaVideoDIntroduction)
{
    const QStringList cles = clesEpreuves();
    ASSERT_GE(cles.size(), 5);
    for (const QString& c : cles)
        EXPECT_TRUE(QFileInfo::exists(anim + u'/' + c + QStringLiteral(".avi"))) << c.toStdString();
}

// A lesson that has both plays its video, so a Flash lesson must not get one;
// and a video whose key names no document is never played.
TEST(VideosCours, ChaqueVideoAppartientAUneLeconSansAnimationFlash)
{
    const QStringList documents = clesDocuments();
    for (const std::string& v : videos()) {
        const QString cle = QString::fromStdString(v).chopped(4);
        EXPECT_TRUE(documents.contains(cle)) << v;
        EXPECT_FALSE(QFileInfo::exists(anim + u'/' + cle + QStringLiteral(".swf"))) << v;
    }
    EXPECT_FALSE(QFileInfo::exists(anim + QStringLiteral("/T.avi")));
}

class UneVideo : public ::testing::TestWithParam<std::string>
{};

TEST_P(UneVideo, SeLitCommeLeLecteurLAttend)
{
    if (!outilsFfmpeg())
        GTEST_SKIP() << "ffprobe and ffmpeg are needed";
    const QString chemin = anim + u'/' + QString::fromStdString(GetParam());
    const Sortie s = lancer(QStringLiteral("ffprobe"),
                            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
                             QStringLiteral("-show_streams"), QStringLiteral("-show_format"),
                             QStringLiteral("-of"), QStringLiteral("json"), chemin});
    ASSERT_EQ(s.code, 0) << s.err.toStdString();
    const QJsonObject racine = QJsonDocument::fromJson(s.out).object();
    EXPECT_EQ(racine.value(QStringLiteral("format")).toObject().value(QStringLiteral("format_name")).toString(), QStringLiteral("avi"));
    const QJsonArray tous = racine.value(QStringLiteral("streams")).toArray();

    const QJsonObject v = flux(tous, QStringLiteral("video"));
    ASSERT_FALSE(v.isEmpty());
    const QString codec = v.value(QStringLiteral("codec_name")).toString();
    EXPECT_TRUE(codec == u"mpeg4" || codec == u"msvideo1") << codec.toStdString();
    EXPECT_EQ(v.value(QStringLiteral("width")).toInt(), 640);
    EXPECT_EQ(v.value(QStringLiteral("height")).toInt(), 480);
    const double ips = rapport(v.value(QStringLiteral("r_frame_rate")).toString());
    EXPECT_GE(ips, 8);
    EXPECT_LE(ips, 12);

    // The header's frame count is the length the player shows; it must be the
    // number of pictures really there, and fit the 16-bit frame positions.
    const int annoncees = v.value(QStringLiteral("nb_frames")).toString().toInt();
    const int lues = v.value(QStringLiteral("nb_read_frames")).toString().toInt();
    EXPECT_EQ(annoncees, lues);
    EXPECT_GT(lues, 0);
    EXPECT_LT(lues, 32767);

    const QJsonObject a = flux(tous, QStringLiteral("audio"));
    ASSERT_FALSE(a.isEmpty());
    const QString son = a.value(QStringLiteral("codec_name")).toString();
    EXPECT_TRUE(son == u"mp3" || son == u"pcm_s16le") << son.toStdString();
    EXPECT_EQ(a.value(QStringLiteral("sample_rate")).toString(), QStringLiteral("22050"));
    EXPECT_EQ(a.value(QStringLiteral("channels")).toInt(), 1);

    // An intro is short, a lesson longer; both stay short enough to be kept.
    const QString cle = QString::fromStdString(GetParam()).chopped(4);
    const double duree = lues / ips;
    if (clesEpreuves().contains(cle)) {
        EXPECT_GE(duree, 6.0);
        EXPECT_LE(duree, 10.0);
    } else {
        EXPECT_GE(duree, 15.0);
        EXPECT_LE(duree, 40.0);
    }
}

// Frame k must be at time k: a shifted first picture puts every position off by one.
TEST_P(UneVideo, LaPremiereImageEstAuTempsZero)
{
    if (!outilsFfmpeg())
        GTEST_SKIP() << "ffprobe is needed";
    const QString chemin = anim + u'/' + QString::fromStdString(GetParam());
    const Sortie s = lancer(QStringLiteral("ffprobe"),
                            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"), QStringLiteral("v"),
                             QStringLiteral("-show_entries"), QStringLiteral("packet=pts"), QStringLiteral("-read_intervals"),
                             QStringLiteral("%+#1"), QStringLiteral("-of"), QStringLiteral("csv=p=0"), chemin});
    ASSERT_EQ(s.code, 0) << s.err.toStdString();
    EXPECT_EQ(s.out.trimmed().split('\n').value(0), QByteArray("0"));
}

TEST_P(UneVideo, SeDecodeSansErreur)
{
    if (!outilsFfmpeg())
        GTEST_SKIP() << "ffmpeg is needed";
    const QString chemin = anim + u'/' + QString::fromStdString(GetParam());
    const Sortie s = lancer(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), chemin,
                                                       QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")});
    EXPECT_EQ(s.code, 0);
    EXPECT_TRUE(s.err.trimmed().isEmpty()) << s.err.toStdString();
}

std::string nomDuCas(const ::testing::TestParamInfo<std::string>& i)
{
    return i.param.substr(0, i.param.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Cours, UneVideo, ::testing::ValuesIn(videos()), nomDuCas);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(UneVideo);

} // namespace
