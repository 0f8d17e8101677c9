#pragma once
// The videos of the sample course: per key, the narration cut into segments
// and the drawing of each frame. A segment with an empty text is a tone.
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace video {

// Time of one frame within the segments of its video.
struct Temps
{
    QVector<double> debuts, durees;
    double t = 0;

    // Progress through segment i: 0 before it, 1 after it.
    double p(int i) const;
    // Index of the segment being played.
    int segment() const;
};

struct Scene
{
    QString cle;                 // file name without ".avi"
    bool introduction = false;   // questionnaire or test intro (6-10 s), else lesson (15-40 s)
    QStringList narrations;
    std::function<void(QPainter&, const Temps&)> dessiner;
};

const QVector<Scene>& scenes();
const Scene* scene(const QString& cle);

} // namespace video
