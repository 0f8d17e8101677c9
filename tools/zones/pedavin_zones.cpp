// pedavin-zones [screen-width screen-height]
// One line per control: "name centre-x centre-y" in screen pixels, with the
// main window's picture centred on the screen as the program places it, and
// the message box centred likewise.
#include "app/DispositionForm1.h"
#include "app/DispositionMesboite.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
int ox = 0, oy = 0;

void zone(const char* nom, const ZoneTwips& z)
{
    std::printf("%s %d %d\n", nom, ox + z.x() + z.l() / 2, oy + z.y() + z.h() / 2);
}
} // namespace

int main(int argc, char** argv)
{
    const int w = argc > 2 ? std::atoi(argv[1]) : 1024;
    const int h = argc > 2 ? std::atoi(argv[2]) : 768;
    ox = (w - form1::largeurImage) / 2;
    oy = (h - form1::hauteurImage) / 2;
    zone("quitter", form1::quitter);
    zone("basculer", form1::basculer);
    zone("zoomAnimation", form1::zoomAnimation);
    zone("zoomConsignes", form1::zoomConsignes);
    zone("ligneEtat", form1::ligneEtat);
    zone("aideUtilisateur", form1::aideUtilisateur);
    zone("journaux", form1::journaux);
    zone("arbre", form1::arbre);
    zone("deployer", form1::deployer);
    zone("toutStopper", form1::toutStopper);
    zone("modeDocument", form1::modeDocument);
    zone("panneauPdf", form1::panneauPdf);
    zone("animation", form1::video);

    // Message box buttons: "boite<set>.<label>".
    const int bx = (w - mesboite::largeur / 15) / 2;
    const int by = (h - mesboite::hauteur / 15) / 2;
    for (size_t g = 0; g < mesboite::groupes().size(); ++g) {
        const auto& def = mesboite::groupes()[g];
        for (int i = 0; i < int(def.etiquettes.size()); ++i) {
            const int x = bx + def.place.x() + mesboite::gaucheBouton(def, i) + mesboite::largeurBouton / 30;
            const int y = by + def.place.y() + mesboite::hauteurBouton / 30;
            std::printf("boite%zu.%s %d %d\n", g, std::string(def.etiquettes[size_t(i)]).c_str(), x, y);
        }
    }
    return 0;
}
