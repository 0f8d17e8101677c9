#include "catalogue/RemplissageArbre.h"

#include "catalogue/ArbreLecons.h"

void appliquerStyle(NoeudLecon& n, const StyleNoeud& s)
{
    if (s.facteurTaille != 1.0 || s.gras || s.souligne) {
        QFont f = n.font();
        f.setPointSizeF(f.pointSizeF() * s.facteurTaille);
        if (s.gras)
            f.setBold(true);
        if (s.souligne)
            f.setUnderline(true);
        n.setFont(f);
    }
    if (s.couleurTexte)
        n.setCouleurTexte(*s.couleurTexte);
}

void remplirArbre(ArbreLecons& arbre, const PlanArbre& plan)
{
    arbre.setPoliceArbre(QStringLiteral("Arial"), 7);
    const bool miseAJour = arbre.updatesEnabled();
    arbre.setUpdatesEnabled(false);
    for (const NoeudPlan& p : plan.noeuds)
        if (NoeudLecon* n = arbre.ajouter(p.demande.relative, ArbreLecons::Relation::Enfant, p.demande.cle,
                                          p.demande.texte))
            appliquerStyle(*n, p.style);
    arbre.setUpdatesEnabled(miseAJour);
}
