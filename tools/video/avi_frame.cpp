// avi-frame <file.avi> <frame> <out.png>
// Seeks the player to the frame, as the windows do, and writes the picture it
// shows at the video's own size.
#include "media/video/LectureVideo.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTextStream erreur(stderr);
    const QStringList args = application.arguments();
    if (args.size() != 4) {
        erreur << "usage: avi-frame <file.avi> <frame> <out.png>\n";
        return 2;
    }
    bool nombre = false;
    const int image = args[2].toInt(&nombre);
    if (!nombre || image < 0) {
        erreur << "avi-frame: frame must be a number from 0\n";
        return 2;
    }
    LectureVideo lecture;
    lecture.charger(args[1]);
    if (!lecture.charge()) {
        erreur << "avi-frame: cannot play " << args[1] << "\n";
        return 1;
    }
    if (image > lecture.derniereImage())
        erreur << "avi-frame: the last frame is " << lecture.derniereImage() << "\n";
    // Stopped first, so the seek does not start playback.
    lecture.arreter();
    lecture.allerA(image);
    const QImage& picture = lecture.image();
    if (picture.isNull()) {
        erreur << "avi-frame: no picture at frame " << lecture.position() << "\n";
        return 1;
    }
    if (!picture.save(args[3], "PNG")) {
        erreur << "avi-frame: cannot write " << args[3] << "\n";
        return 1;
    }
    QTextStream(stdout) << lecture.position() << "\n";
    return 0;
}
