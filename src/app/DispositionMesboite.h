#pragma once
// The message box's design: its size and the button groups' places, in twips.
#include "app/DispositionForm1.h"

#include <array>
#include <string_view>
#include <vector>

namespace mesboite {
constexpr int largeur = 4590;
constexpr int hauteur = 2985;
constexpr ZoneTwips texte{900, 675, 3420, 1170};
constexpr int iconeGauche = 240, iconeHaut = 705;
constexpr int largeurBouton = 645, hauteurBouton = 840;

struct Groupe
{
    ZoneTwips place;
    std::vector<std::string_view> etiquettes; // left to right
};

// Button sets 0..3.
inline const std::array<Groupe, 4>& groupes()
{
    static const std::array<Groupe, 4> g{{
        {{960, 1830, 2472, 840}, {"Ok", "Annuler"}},
        {{2040, 1830, 645, 840}, {"Ok"}},
        {{825, 1830, 2892, 840}, {"Oui", "Non", "Annuler"}},
        {{1170, 1830, 2472, 840}, {"Oui", "Non"}},
    }};
    return g;
}

// Left edge of button i of a group, in pixels inside the group: the buttons
// are spread over the group's width.
inline int gaucheBouton(const Groupe& g, int i)
{
    const int n = int(g.etiquettes.size());
    const int l = largeurBouton / 15;
    const int espace = n > 1 ? (g.place.largeur / 15 - n * l) / (n - 1) : 0;
    return i * (l + espace);
}
} // namespace mesboite
