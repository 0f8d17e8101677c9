#include "app/Sons.h"

#include "app/EtatSession.h"
#include "plateforme/Services.h"

namespace {
bool sonPermis()
{
    auto* son = services().son.get();
    return son && son->nombrePeripheriques() > 0 && etat().sonAutorise != 0;
}
QString cheminCue(const QString& nomCue) { return dossierProgramme() + QStringLiteral("/sons/") + nomCue; }
} // namespace

void jouerSon(const QString& nomCue)
{
    if (sonPermis())
        services().son->jouerAsynchrone(cheminCue(nomCue));
}

void jouerSonMCI(const QString& nomCue)
{
    if (!sonPermis())
        return;
    auto* son = services().son.get();
    son->commandeMCI(QStringLiteral("close"), QString());
    son->commandeMCI(QStringLiteral("open"), cheminCue(nomCue));
    son->commandeMCI(QStringLiteral("play"), QString());
}

void jouerClic()
{
    etat().sonAutorise = VRAI;
    jouerSon(QStringLiteral("clic.wav"));
    etat().sonAutorise = FAUX;
}
