#pragma once
#include "app/DispositionForm1.h"

#include <QFont>
#include <QWidget>

// Design places are in twips on a 96 dpi screen: 15 twips a pixel.
inline void placer(QWidget* w, const ZoneTwips& z)
{
    w->setGeometry(z.gauche / 15, z.haut / 15, z.largeur / 15, z.hauteur / 15);
}

// The design's fonts: Arial is drawn with its metric twin, Liberation Sans.
// Sizes are points at 96 dpi, so they keep their design pixel height.
inline QFont policeArial(double points, bool gras = false, const char* famille = "Arial")
{
    QFont f(QString::fromLatin1(famille));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qMax(1, qRound(points * 96.0 / 72.0)));
    f.setBold(gras);
    return f;
}
