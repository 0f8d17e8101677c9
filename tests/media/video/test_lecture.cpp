// Playback: what plays when, what is reported, the clock, the sound, the
// 16-bit limit and bad files. Time is a hand-driven source; the tests call the
// playback step themselves instead of waiting for the timer.
#include "OutilsVideo.h"
#include "media/video/LectureVideo.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int64_t Periode = 100000; // the test videos run at 10 frames a second

const std::vector<int>& positions(const Annonces& a) { return a.valeurs; }

class Lecture : public testing::Test
{
protected:
    // The player lets go of its output while the fakes are still there.
    void TearDown() override { lecture.definirFabriqueSortie({}); }

    // No sound device unless a test gives one.
    void charger(const char* nom, SortieAudioFactice* son = nullptr)
    {
        preparer(son);
        lecture.charger(videoTest(nom));
    }
    void preparer(SortieAudioFactice* son = nullptr)
    {
        lecture.definirSourceTemps(&temps);
        lecture.definirFabriqueSortie([this, son]() -> std::unique_ptr<SortieAudio> {
            if (!son)
                return nullptr;
            return std::unique_ptr<SortieAudio>(new Relais(*son));
        });
    }
    // Moves the time on and lets playback catch up.
    void avancerDe(int64_t us)
    {
        temps.us += us;
        lecture.avancer();
    }
    void jouerJusquALaFin()
    {
        for (int i = 0; i < 100000 && lecture.enLecture(); ++i)
            avancerDe(Periode);
    }

    // The player owns its output; the test keeps looking at the fake.
    struct Relais final : SortieAudio
    {
        explicit Relais(SortieAudioFactice& f) : f(f) {}
        FormatPcm formatPropose(const FormatPcm& v) const override { return f.formatPropose(v); }
        bool demarrer(const FormatPcm& x) override { return f.demarrer(x); }
        void arreter() override { f.arreter(); }
        qint64 octetsLibres() const override { return f.octetsLibres(); }
        qint64 ecrire(const char* d, qint64 n) override { return f.ecrire(d, n); }
        qint64 joueUs() const override { return f.joueUs(); }
        SortieAudioFactice& f;
    };

    SourceTempsManuelle temps;
    SortieAudioFactice sortie; // outlives the player, which holds it through a Relais
    LectureVideo lecture;
};

TEST_F(Lecture, ChaqueImageAnnonceeUneFoisPuisLaDerniereALaFin)
{
    charger("mpeg4_mp3.avi");
    Annonces espion(&lecture, &LectureVideo::positionChangee);
    EXPECT_EQ(espion.count(), 0) << "loading is not a frame shown";
    lecture.lire();
    ASSERT_EQ(positions(espion), std::vector<int>{0});
    std::vector<int> attendu{0};
    while (lecture.enLecture()) {
        avancerDe(Periode);
        if (lecture.enLecture() || lecture.position() == 59) {
            ASSERT_EQ(lireMotif(lecture.image()), lecture.position());
        }
    }
    for (int k = 1; k <= 59; ++k)
        attendu.push_back(k);
    EXPECT_EQ(positions(espion), attendu);
    EXPECT_EQ(lecture.position(), 59);
    // Stays there: no further report.
    avancerDe(10 * Periode);
    EXPECT_EQ(espion.count(), 60);
}

TEST_F(Lecture, UnRetardSauteLesImagesSansLesAnnoncer)
{
    charger("msvideo1_pcm.avi");
    Annonces espion(&lecture, &LectureVideo::positionChangee);
    lecture.lire();
    avancerDe(Periode / 2);
    avancerDe(2 * Periode); // 2.5 periods in: frame 2 is due
    EXPECT_EQ(positions(espion), (std::vector<int>{0, 2}));
    EXPECT_EQ(lireMotif(lecture.image()), 2);
}

// At 30000/1001 frames a second, the frame due at the start of each frame
// period is that frame, not the one before.
TEST_F(Lecture, CadenceNonEntiereChaqueImageASonHeure)
{
    charger("ntsc.avi");
    ASSERT_NEAR(lecture.imagesParSeconde(), 29.97, 0.01);
    lecture.lire();
    const int64_t depart = temps.us;
    for (int k = 1; k <= lecture.derniereImage(); ++k) {
        temps.us = depart + (int64_t(k) * 1001 * 1000000 + 29999) / 30000;
        lecture.avancer();
        ASSERT_EQ(lecture.position(), k);
        ASSERT_EQ(lireMotif(lecture.image()), k);
    }
}

// A seek on a loaded player starts it, unless it was told to stop.
TEST_F(Lecture, UneRecherchePoursuitLaLectureSaufApresArret)
{
    enum Pas { Lire, Arreter, Aller10, Fin };
    struct Cas { const char* nom; std::vector<Pas> pas; bool enLecture; int apresUneImage; };
    const Cas cas[] = {
        {"position seule", {Aller10}, true, 11},
        {"lire puis position", {Lire, Aller10}, true, 11},
        {"arret puis position", {Arreter, Aller10}, false, 10},
        {"lire, arret, position", {Lire, Arreter, Aller10}, false, 10},
        {"position apres la fin", {Lire, Fin, Aller10}, true, 11},
        {"arret a la fin puis position", {Lire, Fin, Arreter, Aller10}, false, 10},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        charger("msvideo1_pcm.avi");
        for (Pas p : c.pas) {
            switch (p) {
            case Lire: lecture.lire(); break;
            case Arreter: lecture.arreter(); break;
            case Aller10: lecture.allerA(10); break;
            case Fin: jouerJusquALaFin(); break;
            }
        }
        EXPECT_EQ(lecture.enLecture(), c.enLecture);
        avancerDe(Periode);
        EXPECT_EQ(lecture.position(), c.apresUneImage);
        EXPECT_EQ(lireMotif(lecture.image()), c.apresUneImage);
    }
}

TEST_F(Lecture, ChaqueRechercheEstAnnoncee)
{
    charger("cinepak_adpcm_ms.avi");
    lecture.arreter();
    Annonces espion(&lecture, &LectureVideo::positionChangee);
    lecture.allerA(30);
    lecture.allerA(30); // the same frame again is still a seek
    lecture.allerA(-4);
    lecture.allerA(500);
    EXPECT_EQ(positions(espion), (std::vector<int>{30, 30, 0, 59}));
    EXPECT_EQ(lireMotif(lecture.image()), 59);
    EXPECT_FALSE(lecture.enLecture());
}

TEST_F(Lecture, RechercheALaDerniereImagePendantLaLectureTermine)
{
    charger("msvideo1_pcm.avi");
    lecture.lire();
    avancerDe(3 * Periode);
    Annonces espion(&lecture, &LectureVideo::positionChangee);
    lecture.allerA(59);
    EXPECT_FALSE(lecture.enLecture());
    avancerDe(Periode);
    lecture.lire(); // at the end, playing again reports nothing new
    EXPECT_FALSE(lecture.enLecture());
    EXPECT_EQ(positions(espion), std::vector<int>{59});
}

// The windows stop and rewind the video from inside the end-of-video report.
TEST_F(Lecture, ArretEtRembobinageDepuisLAnnonceDeLaFin)
{
    charger("msvideo1_pcm.avi");
    int fins = 0;
    QObject::connect(&lecture, &LectureVideo::positionChangee, [&](int p) {
        if (p == lecture.derniereImage() && ++fins == 1) {
            lecture.arreter();
            lecture.allerA(0);
        }
    });
    lecture.lire();
    jouerJusquALaFin();
    avancerDe(5 * Periode);
    EXPECT_EQ(fins, 1);
    EXPECT_FALSE(lecture.enLecture());
    EXPECT_EQ(lecture.position(), 0);
    EXPECT_EQ(lireMotif(lecture.image()), 0);
}

// A window that hears a seek and loads another video in its slot: the new
// video waits, stopped on its first frame.
TEST_F(Lecture, UneAutreVideoChargeeDepuisLAnnonce)
{
    charger("msvideo1_pcm.avi");
    bool fait = false;
    QObject::connect(&lecture, &LectureVideo::positionChangee, [&](int) {
        if (!fait) {
            fait = true;
            lecture.charger(videoTest("cinepak_adpcm_ms.avi"));
        }
    });
    lecture.allerA(10);
    EXPECT_EQ(lecture.chemin(), videoTest("cinepak_adpcm_ms.avi"));
    EXPECT_FALSE(lecture.enLecture());
    EXPECT_EQ(lecture.position(), 0);
    EXPECT_EQ(lireMotif(lecture.image()), 0);
}

TEST_F(Lecture, CheminVideDecharge)
{
    charger("msvideo1_pcm.avi");
    lecture.lire();
    Annonces espion(&lecture, &LectureVideo::positionChangee);
    lecture.charger("");
    lecture.lire();
    lecture.allerA(12);
    avancerDe(Periode);
    EXPECT_FALSE(lecture.charge());
    EXPECT_FALSE(lecture.enLecture());
    EXPECT_EQ(lecture.chemin(), "");
    EXPECT_EQ(lecture.derniereImage(), 0);
    EXPECT_EQ(lecture.position(), 0);
    EXPECT_TRUE(lecture.image().isNull());
    EXPECT_EQ(espion.count(), 0);
}

TEST_F(Lecture, VideoPlusLongueQueSeizeBitsSuivieJusquA32767)
{
    charger("long.avi");
    ASSERT_TRUE(lecture.charge());
    EXPECT_EQ(lecture.derniereImage(), 32767);
    lecture.arreter();
    for (int k : {32767, 20000, 32766}) {
        lecture.allerA(k);
        EXPECT_EQ(lireMotif(lecture.image()), k);
    }
    Annonces espion(&lecture, &LectureVideo::positionChangee);
    lecture.lire();
    jouerJusquALaFin();
    EXPECT_EQ(positions(espion), std::vector<int>{32767}) << "32766 was reported by its seek";
    EXPECT_EQ(lireMotif(lecture.image()), 32767);
}

// Nothing crashes or hangs; a file that cannot be played leaves the player empty
// with its name, one that partly decodes plays what it can to its end.
TEST_F(Lecture, FichiersDefectueux)
{
    struct Cas { const char* nom; bool charge; };
    const Cas cas[] = {
        {"absent.avi", false},        {"pas_une_video.avi", false}, {"codec_inconnu.avi", false},
        {"sans_image.avi", false},    {"son_seul.avi", false},      {"tronque.avi", true},
        {"corrompu.avi", true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        charger(c.nom);
        EXPECT_EQ(lecture.charge(), c.charge);
        EXPECT_EQ(lecture.chemin(), videoTest(c.nom));
        Annonces espion(&lecture, &LectureVideo::positionChangee);
        lecture.allerA(7);
        lecture.lire();
        jouerJusquALaFin();
        if (!c.charge) {
            EXPECT_EQ(lecture.derniereImage(), 0);
            EXPECT_TRUE(lecture.image().isNull());
            EXPECT_EQ(espion.count(), 0);
        } else {
            EXPECT_GT(lecture.derniereImage(), 7);
            EXPECT_FALSE(lecture.image().isNull());
            ASSERT_GT(espion.count(), 0);
            EXPECT_EQ(espion.valeurs.back(), lecture.derniereImage());
        }
    }
}

// Damage spread over the headers and the index, where sizes, rates, counts and
// offsets live: whatever the values read, loading, seeking and playing end.
TEST_F(Lecture, EnTetesEtIndexAbimes)
{
    QFile source(videoTest("mpeg4_mp3.avi"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray original = source.readAll();
    QTemporaryDir dossier;
    std::vector<qsizetype> positionsAbimees;
    for (qsizetype o = 8; o < 2200; o += 53)
        positionsAbimees.push_back(o);
    for (qsizetype o = original.size() - 1200; o < original.size(); o += 97)
        positionsAbimees.push_back(o); // the index at the end of the file
    for (const char valeur : {'\xff', '\x00', '\x7f'}) {
        for (qsizetype o : positionsAbimees) {
            SCOPED_TRACE(testing::Message() << "offset " << o << " value " << int(valeur));
            QByteArray abime = original;
            for (qsizetype i = o; i < std::min(o + 4, abime.size()); ++i)
                abime[i] = valeur;
            const QString chemin = dossier.filePath("abime.avi");
            QFile f(chemin);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(abime);
            f.close();
            preparer();
            lecture.charger(chemin);
            if (!lecture.charge())
                continue;
            EXPECT_LE(lecture.derniereImage(), LectureVideo::DerniereImageSuivie);
            lecture.allerA(lecture.derniereImage());
            lecture.allerA(3);
            for (int i = 0; i < 20 && lecture.enLecture(); ++i)
                avancerDe(Periode);
        }
    }
}

TEST_F(Lecture, TronqueJoueCeQuiRestePuisSarrete)
{
    charger("tronque.avi");
    ASSERT_TRUE(lecture.charge());
    lecture.arreter();
    const int derniere = lecture.derniereImage();
    EXPECT_GT(derniere, 10);
    EXPECT_LT(derniere, 59);
    for (int k : {derniere, 3, 17, derniere - 1, 0}) {
        lecture.allerA(k);
        EXPECT_EQ(lireMotif(lecture.image()), k);
    }
}

// Sound: every codec the test videos carry, decoded to PCM on the picture's
// time line, and the clock that follows it.
struct CasSon { const char* nom; };
void PrintTo(const CasSon& c, std::ostream* os) { *os << c.nom; }

class Son : public Lecture, public testing::WithParamInterface<CasSon>
{
protected:
    // Length of the sound received, as the fake played everything it got.
    int64_t jouerToutEnSuivantLeSon()
    {
        for (int i = 0; i < 10000 && lecture.enLecture(); ++i) {
            sortie.joue = std::min<int64_t>(sortie.joue + Periode, sortie.recuUs());
            lecture.avancer();
            if (sortie.joue >= sortie.recuUs())
                temps.us += Periode; // the steady clock only matters once the sound is over
        }
        return sortie.recuUs();
    }
};

TEST_P(Son, DecodeToutLeSonAuBonEndroit)
{
    charger(GetParam().nom, &sortie);
    ASSERT_TRUE(lecture.aDuSon());
    lecture.lire();
    EXPECT_EQ(sortie.format, (FormatPcm{11025, 1}));
    const int64_t duree = jouerToutEnSuivantLeSon();
    EXPECT_NEAR(double(duree), 6.0e6, 0.15e6);
    // A 440 Hz sine, not silence: its RMS is about 0.7 of its peak.
    const auto* e = reinterpret_cast<const int16_t*>(sortie.recu.constData());
    double somme = 0;
    const int n = int(sortie.recu.size() / 2);
    for (int i = 0; i < n; ++i)
        somme += double(e[i]) * e[i];
    EXPECT_GT(std::sqrt(somme / n), 1000.0);
    EXPECT_EQ(lecture.position(), 59);
}

TEST_P(Son, UneRechercheCoupeLeSonALImage)
{
    DecodeurSon entier;
    ASSERT_TRUE(entier.ouvrir(videoTest(GetParam().nom), 0));
    QByteArray tout;
    while (entier.lire(tout, 1 << 16)) {
    }
    const double dureeUs = double(tout.size()) * 1e6 / entier.formatSortie().octetsParSeconde();

    charger(GetParam().nom, &sortie);
    lecture.arreter();
    lecture.allerA(30);
    lecture.lire();
    // The sound from frame 30 on is the whole sound less 3 s, to the millisecond.
    EXPECT_NEAR(double(jouerToutEnSuivantLeSon()), dureeUs - 3.0e6, 1000);
}

TEST_P(Son, LImageSuitLeSonJoue)
{
    charger(GetParam().nom, &sortie);
    lecture.lire();
    sortie.joue = 2050000; // the device says 2.05 s played; the steady clock has not moved
    lecture.avancer();
    EXPECT_EQ(lecture.position(), 20);
    EXPECT_EQ(lireMotif(lecture.image()), 20);
    temps.us += 5 * Periode; // the steady clock alone does not move the picture
    lecture.avancer();
    EXPECT_EQ(lecture.position(), 20);
}

TEST_F(Lecture, UnPeripheriqueQuiNeJouePlusNeFigePasLImage)
{
    charger("msvideo1_pcm.avi", &sortie);
    lecture.lire();
    sortie.joue = 500000;
    lecture.avancer();
    EXPECT_EQ(lecture.position(), 5);
    for (int i = 0; i < 15; ++i)
        avancerDe(Periode); // 1.5 s during which the device plays nothing more
    EXPECT_GT(lecture.position(), 5);
    const int apres = lecture.position();
    avancerDe(10 * Periode);
    EXPECT_EQ(lecture.position(), apres + 10) << "the steady clock goes on from there";
}

INSTANTIATE_TEST_SUITE_P(Codecs, Son,
                         testing::Values(CasSon{"msvideo1_pcm.avi"}, CasSon{"cinepak_adpcm_ms.avi"},
                                         CasSon{"mjpeg_adpcm_ima.avi"}, CasSon{"mpeg4_mp3.avi"}),
                         [](const auto& i) {
                             std::string n = i.param.nom;
                             return n.substr(0, n.find('.'));
                         });

TEST_F(Lecture, SansPeripheriqueOuRefuseLeSonSeTait)
{
    sortie.accepte = false;
    for (SortieAudioFactice* s : {static_cast<SortieAudioFactice*>(nullptr), &sortie}) {
        charger("msvideo1_pcm.avi", s);
        ASSERT_TRUE(lecture.aDuSon());
        lecture.lire();
        avancerDe(12 * Periode);
        EXPECT_EQ(lecture.position(), 12);
        EXPECT_TRUE(sortie.recu.isEmpty());
    }
    EXPECT_EQ(sortie.demarrages, 1);
}

TEST_F(Lecture, LeSonEstReechantillonneAuFormatDuPeripherique)
{
    sortie.impose = FormatPcm{48000, 2};
    charger("mjpeg_adpcm_ima.avi", &sortie);
    lecture.lire();
    for (int i = 0; i < 80 && lecture.enLecture(); ++i) {
        sortie.joue = sortie.recuUs();
        temps.us += Periode;
        lecture.avancer();
    }
    EXPECT_EQ(sortie.format, (FormatPcm{48000, 2}));
    EXPECT_NEAR(double(sortie.recu.size()), 6.0 * 48000 * 4, 0.1 * 48000 * 4);
}

} // namespace
