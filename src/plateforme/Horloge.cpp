#include "plateforme/Horloge.h"

QDateTime HorlogeSysteme::maintenant() const { return QDateTime::currentDateTime(); }

namespace {
HorlogeSysteme systeme;
Horloge* courante = &systeme;
} // namespace

Horloge& horloge() { return *courante; }
void definirHorloge(Horloge* h) { courante = h ? h : &systeme; }
