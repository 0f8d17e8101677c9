#include "catalogue/RemplissageArbre.h"

#include "catalogue/ArbreLecons.h"

namespace {

void styler(NoeudLecon& n, const StyleNoeud& s)
{
    if (s.facteurTaille == 1.0 && !s.gras && !s.souligne && !s.couleurTexte)
        return;
    QFont f = n.font();
    f.setPointSizeF(f.pointSizeF() * s.facteurTaille);
    if (s.gras)
        f.setBold(true);
    if (s.souligne)
        f.setUnderline(true);
    n.element()->setFont(0, f);
    if (s.couleurTexte)
        n.setCouleurTexte(*s.couleurTexte);
}

} // namespace

void remplirArbre(ArbreLecons& arbre, const std::vector<DemandeNoeud>& demandes)
{
    arbre.setPoliceArbre(QStringLiteral("Arial"), 7);
    const bool miseAJour = arbre.updatesEnabled();
    arbre.setUpdatesEnabled(false);
    for (const DemandeNoeud& d : demandes)
        arbre.ajouter(d.relative, ArbreLecons::Relation::Enfant, d.cle, d.texte);
    for (int i = 1; i <= arbre.count(); ++i) {
        NoeudLecon* n = arbre.item(i);
        styler(*n, styleNoeud(n->text()));
    }
    arbre.setUpdatesEnabled(miseAJour);
}

void remplirArbre(ArbreLecons& arbre, const PlanArbre& plan)
{
    std::vector<DemandeNoeud> demandes;
    demandes.reserve(plan.noeuds.size());
    for (const NoeudPlan& n : plan.noeuds)
        demandes.push_back(n.demande);
    remplirArbre(arbre, demandes);
}
