#pragma once
#include "catalogue/RechercheCours.h"

// The volumes the system has mounted, in its mount table order.
class VolumesSysteme : public ListeVolumes
{
public:
    QStringList volumes() const override;
};
