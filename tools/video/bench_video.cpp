// bench-video: figures for bench/video.sh.
//   bench-video decode <file>        every frame in order, as playback decodes them
//   bench-video premiere <file> <n>  setting the file and play to the first frame painted
//   bench-video lecture <file> <s>   plays s seconds at normal speed in a shown control
// Each prints "key value" lines.
#include "media/video/DecodeurVideo.h"
#include "media/video/LecteurAVI.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <sys/resource.h>

namespace {

double cpuSecondes()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double memoireMaxMo()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

// Counts what it has painted with a picture.
class LecteurMesure : public LecteurAVI
{
public:
    int peintures = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        LecteurAVI::paintEvent(e);
        if (lecture().charge() && !lecture().image().isNull())
            ++peintures;
    }
};

// Best of three passes: the machine is shared, the slowest passes measure the
// other processes.
int decoder(const QString& fichier, QTextStream& sortie)
{
    double decodage = 1e9, avecConversion = 1e9;
    int n = 0;
    for (int passe = 0; passe < 3; ++passe) {
        QElapsedTimer t;
        t.start();
        DecodeurVideo video;
        if (!video.ouvrir(fichier))
            return 1;
        n = video.derniereImage() + 1;
        for (int k = 0; k < n; ++k)
            video.allerA(k);
        decodage = std::min(decodage, t.nsecsElapsed() / 1e9);

        t.restart();
        DecodeurVideo converti;
        converti.ouvrir(fichier);
        for (int k = 0; k < n; ++k) {
            converti.allerA(k);
            (void)converti.image();
        }
        avecConversion = std::min(avecConversion, t.nsecsElapsed() / 1e9);
    }
    sortie << "images " << n << "\n"
           << "decodage_s " << decodage << "\n"
           << "avec_conversion_s " << avecConversion << "\n"
           << "memoire_max_mo " << memoireMaxMo() << "\n";
    return 0;
}

int premiere(const QString& fichier, int essais, QTextStream& sortie)
{
    std::vector<double> ms;
    for (int i = 0; i < essais; ++i) {
        LecteurMesure lecteur;
        lecteur.resize(620, 465);
        lecteur.show();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        lecteur.setFileName(fichier);
        lecteur.setCommand(ComposantVideo::Lire);
        while (lecteur.peintures == 0 && t.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        ms.push_back(t.nsecsElapsed() / 1e6);
        lecteur.setFileName("");
    }
    std::sort(ms.begin(), ms.end());
    sortie << "premiere_ms " << ms[ms.size() / 2] << "\n";
    return 0;
}

int lecture(const QString& fichier, double secondes, QTextStream& sortie)
{
    LecteurMesure lecteur;
    lecteur.resize(620, 465);
    lecteur.show();
    lecteur.setFileName(fichier);
    if (!lecteur.lecture().charge())
        return 1;
    QApplication::processEvents();
    const double cpu0 = cpuSecondes();
    QElapsedTimer t;
    t.start();
    lecteur.setCommand(ComposantVideo::Lire);
    QTimer::singleShot(int(secondes * 1000), qApp, &QApplication::quit);
    QApplication::exec();
    const double mur = t.nsecsElapsed() / 1e9;
    const double cpu = cpuSecondes() - cpu0;
    sortie << "cpu_pourcent " << 100.0 * cpu / mur << "\n"
           << "images_peintes " << lecteur.peintures << "\n"
           << "position " << lecteur.position() << "\n"
           << "memoire_max_mo " << memoireMaxMo() << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Measured off screen: the figures must not depend on a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream sortie(stdout);
    const QStringList a = application.arguments();
    if (a.size() >= 3 && a[1] == "decode")
        return decoder(a[2], sortie);
    if (a.size() >= 4 && a[1] == "premiere")
        return premiere(a[2], a[3].toInt(), sortie);
    if (a.size() >= 4 && a[1] == "lecture")
        return lecture(a[2], a[3].toDouble(), sortie);
    QTextStream(stderr) << "usage: bench-video decode|premiere|lecture <file> [n|seconds]\n";
    return 2;
}
