#include "catalogue/VolumesSysteme.h"

#include <QStorageInfo>

QStringList VolumesSysteme::volumes() const
{
    // mountedVolumes keeps the mount table's order and leaves out the pseudo
    // file systems (proc, sysfs...), which can hold no course.
    QStringList racines;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString r = v.rootPath();
        if (!r.isEmpty() && !racines.contains(r))
            racines.append(r);
    }
    return racines;
}
