#include "media/video/Horloge.h"
#include "media/video/SortieAudio.h"

void HorlogeLecture::partirDe(int64_t tempsMediaUs, const SortieAudio* son)
{
    origineMediaUs_ = tempsMediaUs;
    origineSourceUs_ = source_->microsecondes();
    son_ = son;
}

void HorlogeLecture::lacherSon()
{
    if (!son_)
        return;
    const int64_t maintenant = tempsUs();
    son_ = nullptr;
    partirDe(maintenant);
}

int64_t HorlogeLecture::tempsUs() const
{
    if (son_)
        return origineMediaUs_ + son_->joueUs();
    return origineMediaUs_ + (source_->microsecondes() - origineSourceUs_);
}
