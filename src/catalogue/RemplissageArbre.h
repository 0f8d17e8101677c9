#pragma once
#include "catalogue/Catalogue.h"

class ArbreLecons;
class NoeudLecon;

// Sets the tree font to Arial 7, adds the planned nodes in order (a node the
// tree refuses is left out) and gives each the size, weight, underline and
// colour of its category word. Sizes multiply the node's current size.
void remplirArbre(ArbreLecons& arbre, const PlanArbre& plan);

void appliquerStyle(NoeudLecon& noeud, const StyleNoeud& style);
