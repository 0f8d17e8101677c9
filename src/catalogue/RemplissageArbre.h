#pragma once
#include "catalogue/Catalogue.h"

class ArbreLecons;

// Sets the tree font to Arial 7, adds the nodes in catalogue order (a node the
// tree refuses is left out) and gives each the size, weight, underline and
// colour of its category word.
void remplirArbre(ArbreLecons& arbre, const std::vector<DemandeNoeud>& demandes);
void remplirArbre(ArbreLecons& arbre, const PlanArbre& plan);
