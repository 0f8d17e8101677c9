#include "Scenes.h"

#include "Dessin.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace video {

double Temps::p(int i) const
{
    if (i < 0 || i >= debuts.size())
        return 0;
    return borne((t - debuts[i]) / durees[i]);
}

int Temps::segment() const
{
    int s = 0;
    for (int i = 0; i < debuts.size(); ++i)
        if (t >= debuts[i])
            s = i;
    return s;
}

namespace {

const QColor bleuRef(0x1e, 0x5a, 0xd6);
const QColor rougeRef(0xd6, 0x2a, 0x1e);
const QColor vertRef(0x1e, 0x96, 0x3c);
const QColor grisTotal(0xe6, 0xe6, 0xe6);
const QColor jaune(0xff, 0xf2, 0xcc);
const QColor bleuClair(0xcf, 0xe2, 0xf3);
const QColor orangeClair(0xfd, 0xdc, 0xbc);

QRect plage(int c1, int l1, int c2, int l2) { return QRect(QPoint(c1, l1), QPoint(c2, l2)); }

// A click lasts the first 0.15 of the given progress window.
double clic(double p, double quand) { return p >= quand && p < quand + 0.15 ? (p - quand) / 0.15 : 0; }

const QStringList menuFichier{
    QStringLiteral("Nouveau"),
    QStringLiteral("Ouvrir…|Ctrl+O"),
    QStringLiteral("Documents récents"),
    QStringLiteral("Fermer"),
    QStringLiteral("---"),
    QStringLiteral("Enregistrer|Ctrl+S"),
    QStringLiteral("Enregistrer sous…|Ctrl+Maj+S"),
    QStringLiteral("Exporter au format PDF…"),
    QStringLiteral("---"),
    QStringLiteral("Imprimer…|Ctrl+P"),
    QStringLiteral("Quitter LibreOffice|Ctrl+Q")};

// ---------------------------------------------------------------- C01L01
void bureau(QPainter& p, double menu, const QString& recherche, double survol)
{
    QLinearGradient g(0, 0, largeur, hauteur);
    g.setColorAt(0, QColor(0x2a, 0x6f, 0x8f));
    g.setColorAt(1, QColor(0x12, 0x33, 0x4a));
    p.fillRect(0, 0, largeur, hauteur, g);
    p.setRenderHint(QPainter::Antialiasing, true);
    // desktop icons
    const QStringList icones{QStringLiteral("Documents"), QStringLiteral("Corbeille")};
    for (int i = 0; i < icones.size(); ++i) {
        p.fillRect(QRect(560, 30 + i * 80, 40, 34), i ? QColor(0x9a, 0xa4, 0xad) : QColor(0xf2, 0xc2, 0x4c));
        p.setPen(Qt::white);
        p.setFont(police(12));
        p.drawText(QRect(530, 68 + i * 80, 100, 18), Qt::AlignCenter, icones[i]);
    }
    // taskbar
    p.fillRect(0, hauteur - 34, largeur, 34, QColor(0x18, 0x1c, 0x22));
    const QRect demarrer(6, hauteur - 30, 26, 26);
    p.fillRect(demarrer, menu > 0 ? QColor(0x3a, 0x44, 0x50) : QColor(0x24, 0x2a, 0x32));
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(11 + (i % 2) * 9, hauteur - 25 + (i / 2) * 9, 7, 7), QColor(0x4c, 0xa8, 0xe8));
    p.setPen(QColor(0xe0, 0xe0, 0xe0));
    p.setFont(police(12));
    p.drawText(QRect(largeur - 70, hauteur - 34, 64, 34), Qt::AlignCenter, QStringLiteral("09:30"));
    if (menu <= 0)
        return;
    p.setOpacity(borne(menu * 2));
    const QRect panneau(6, hauteur - 34 - 300, 280, 296);
    p.fillRect(panneau, QColor(0x26, 0x2c, 0x36));
    const QRect champ(panneau.left() + 12, panneau.top() + 12, panneau.width() - 24, 28);
    p.fillRect(champ, Qt::white);
    p.setPen(recherche.isEmpty() ? QColor(0x90, 0x90, 0x90) : QColor(0x20, 0x20, 0x20));
    p.setFont(police(14));
    p.drawText(champ.adjusted(10, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               recherche.isEmpty() ? QStringLiteral("Rechercher…") : recherche);
    struct App
    {
        QString nom;
        QColor couleur;
    };
    const QVector<App> apps{{QStringLiteral("LibreOffice Writer"), QColor(0x2a, 0x7a, 0xd8)},
                            {QStringLiteral("LibreOffice Calc"), QColor(0x2e, 0x9e, 0x4f)},
                            {QStringLiteral("LibreOffice Impress"), QColor(0xd8, 0x6a, 0x1e)},
                            {QStringLiteral("Navigateur web"), QColor(0xe0, 0x50, 0x40)},
                            {QStringLiteral("Fichiers"), QColor(0xf2, 0xc2, 0x4c)}};
    int y = champ.bottom() + 14;
    for (const App& a : apps) {
        if (!recherche.isEmpty() && !a.nom.contains(recherche, Qt::CaseInsensitive))
            continue;
        const QRect ligne(panneau.left() + 8, y, panneau.width() - 16, 36);
        if (!recherche.isEmpty())
            p.fillRect(ligne, survol > 0 ? QColor(0x3c, 0x6e, 0xb4) : QColor(0x34, 0x3c, 0x48));
        p.fillRect(QRect(ligne.left() + 8, ligne.top() + 6, 24, 24), a.couleur);
        p.setPen(Qt::white);
        p.setFont(police(14, !recherche.isEmpty()));
        p.drawText(ligne.adjusted(42, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, a.nom);
        y += 42;
    }
    p.setOpacity(1);
}

void sceneC01L01(QPainter& p, const Temps& t)
{
    const int s = t.segment();
    if (s == 0 || t.p(1) < 0.15) {
        const double a = t.p(0);
        const QString recherche = tape(QStringLiteral("calc"), fenetre(a, 0.3, 0.55));
        bureau(p, fenetre(a, 0.1, 0.25), recherche, t.p(1) > 0 ? 1 : fenetre(a, 0.9, 1.0));
        const QPointF depart(320, 300), menu(19, hauteur - 17), appli(120, hauteur - 34 - 300 + 70);
        QPointF pos = a < 0.2 ? entre(depart, menu, fenetre(a, 0, 0.12)) : entre(menu, appli, fenetre(a, 0.6, 0.9));
        dessinerPointeur(p, pos, std::max(clic(a, 0.12), clic(t.p(1), 0.0)));
        if (recherche.size() == 4)
            dessinerLegende(p, QStringLiteral("Tapez « calc » dans la zone de recherche"), fenetre(a, 0.55, 0.65));
        return;
    }
    Tableur w;
    dessinerTableur(p, w);
    if (s == 1) {
        // the window opens from the menu entry
        const double o = fenetre(t.p(1), 0.15, 0.45);
        if (o < 1) {
            p.setOpacity(1 - o);
            bureau(p, 0, QString(), 0);
            p.setOpacity(1);
        }
        dessinerLegende(p, QStringLiteral("Un classeur vierge : « Sans nom 1 »"), fenetre(t.p(1), 0.45, 0.6));
        return;
    }
    const double r2 = t.p(2), r3 = t.p(3), r4 = t.p(4), r5 = t.p(5);
    const double efface = 1 - fenetre(r5, 0, 0.2);
    p.setOpacity(efface);
    if (efface > 0) {
        // one group of callouts at a time, each near what it points at
        const double g2 = s == 2 ? 1 : 0, g3 = s == 3 ? 1 : 0, g4 = s >= 4 ? 1 : 0;
        dessinerRepere(p, 1, QPointF(260, 11), QPointF(200, 150), QStringLiteral("Barre de titre"), g2 * fenetre(r2, 0.0, 0.3));
        dessinerRepere(p, 2, rectMenu(1).center(), QPointF(60, 200), QStringLiteral("Barre de menus"), g2 * fenetre(r2, 0.3, 0.6));
        dessinerRepere(p, 3, QPointF(420, 56), QPointF(420, 250), QStringLiteral("Barres d'outils"), g2 * fenetre(r2, 0.6, 0.9));
        dessinerRepere(p, 4, QPointF(330, 83), QPointF(300, 170), QStringLiteral("Barre de formule"), g3 * fenetre(r3, 0.0, 0.4));
        dessinerRepere(p, 5, centreCellule(w, 1, 1), QPointF(60, 230), QStringLiteral("Cellule active A1"), g3 * fenetre(r3, 0.4, 0.8));
        dessinerRepere(p, 6, QPointF(95, 450), QPointF(110, 360), QStringLiteral("Onglets des feuilles"), g4 * fenetre(r4, 0.0, 0.4));
        dessinerRepere(p, 7, QPointF(560, 470), QPointF(400, 400), QStringLiteral("Barre d'état"), g4 * fenetre(r4, 0.4, 0.8));
    }
    p.setOpacity(1);
    if (s == 5) {
        if (r5 > 0.55) {
            Tableur w2;
            w2.titre = QStringLiteral("Sans nom 2 - LibreOffice Calc");
            dessinerTableur(p, w2);
        }
        dessinerTouches(p, QPointF(320, 250), {QStringLiteral("Ctrl"), QStringLiteral("N")}, fenetre(r5, 0.15, 0.35));
        dessinerLegende(p, QStringLiteral("Un nouveau classeur : « Sans nom 2 »"), fenetre(r5, 0.6, 0.7));
    }
}

// ---------------------------------------------------------------- C01L04
Tableur petitBudget()
{
    Tableur w;
    w.largeurs = {140, 90};
    w.c(1, 1).texte = QStringLiteral("Budget 2025");
    w.c(1, 1).gras = true;
    w.c(1, 1).taille = 14;
    w.ligne(3, {QStringLiteral("Poste"), QStringLiteral("Montant")});
    w.style(plage(1, 3, 2, 3), [](Cellule& c) { c.gras = true; });
    w.ligne(4, {QStringLiteral("Loyer"), QStringLiteral("650")});
    w.ligne(5, {QStringLiteral("Électricité"), QStringLiteral("85")});
    w.ligne(6, {QStringLiteral("Téléphone"), QStringLiteral("40")});
    w.ligne(7, {QStringLiteral("Total"), QStringLiteral("775")});
    w.style(plage(1, 7, 2, 7), [](Cellule& c) { c.gras = true; });
    w.actif = {2, 7};
    w.formule = QStringLiteral("=SOMME(B4:B6)");
    return w;
}

void sceneC01L04(QPainter& p, const Temps& t)
{
    const int s = t.segment();
    Tableur w = petitBudget();
    if (s >= 3)
        w.titre = QStringLiteral("Budget 2025.ods - LibreOffice Calc");
    dessinerTableur(p, w);
    const QPointF fichier = rectMenu(0).center();
    const int hautEntree = 20;
    const QPointF sous(rectMenu(0).left() + 80, rectMenu(0).bottom() + 4 + 5 * hautEntree + 7 + hautEntree / 2.0);
    const QRect boite(120, 130, 400, 236);
    if (s == 0) {
        const double a = t.p(0);
        const QPointF pos = a < 0.5 ? entre(QPointF(300, 250), fichier, fenetre(a, 0, 0.4)) : entre(fichier, sous, fenetre(a, 0.5, 0.75));
        if (a > 0.42)
            dessinerMenu(p, 0, menuFichier, a > 0.7 ? 6 : -1);
        dessinerPointeur(p, pos, clic(a, 0.4) + clic(a, 0.8));
        return;
    }
    if (s == 1 || s == 2) {
        const double a = t.p(1), b = t.p(2);
        QVector<Champ> champs(4);
        champs[0].libelle = QStringLiteral("Dossier");
        champs[0].valeur = QStringLiteral("Documents > Formation");
        champs[1].libelle = QStringLiteral("Nom");
        champs[1].valeur = tape(QStringLiteral("Budget 2025"), fenetre(a, 0.35, 0.85));
        champs[1].actif = s == 1;
        champs[2].libelle = QStringLiteral("Type");
        champs[2].valeur = QStringLiteral("Classeur ODF (.ods)");
        champs[3].libelle = QStringLiteral("Extension automatique du nom de fichier");
        champs[3].caseACocher = true;
        champs[3].coche = true;
        QVector<QRect> boutons;
        const bool presse = s == 2 && b > 0.75 && b < 0.9;
        dessinerDialogue(p, boite, QStringLiteral("Enregistrer sous"), champs,
                         {QStringLiteral("Aide"), QStringLiteral("Enregistrer"), QStringLiteral("Annuler")}, 1,
                         presse ? 1 : -1, &boutons);
        if (s == 2) {
            const double h = fenetre(b, 0.0, 0.45);
            if (h > 0 && h < 1) {
                p.save();
                p.setRenderHint(QPainter::Antialiasing, true);
                p.setPen(QPen(QColor(0xe8, 0x6a, 0x10), 3));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(QRect(boite.left() + 114, boite.top() + 38 + 64 - 4, boite.width() - 128, 30), 6, 6);
                p.restore();
            }
            dessinerPointeur(p, entre(QPointF(420, 300), QRectF(boutons[1]).center(), fenetre(b, 0.4, 0.72)), clic(b, 0.75));
        } else {
            dessinerPointeur(p, QPointF(420, 300));
        }
        return;
    }
    if (s == 3) {
        const double a = t.p(3);
        dessinerRepere(p, 1, QPointF(320, 14), QPointF(360, 200), QStringLiteral("Le nom du classeur"), fenetre(a, 0.05, 0.3));
        dessinerTouches(p, QPointF(320, 330), {QStringLiteral("Ctrl"), QStringLiteral("S")}, fenetre(a, 0.5, 0.65));
        return;
    }
    const double a = t.p(4);
    QRect ouvrir;
    if (a < 0.85)
        dessinerMenu(p, 0, menuFichier, a > 0.25 ? 1 : -1, &ouvrir);
    const QPointF cible(rectMenu(0).left() + 80, rectMenu(0).bottom() + 4 + hautEntree + hautEntree / 2.0);
    dessinerPointeur(p, entre(fichier, cible, fenetre(a, 0.05, 0.25)));
    dessinerTouches(p, QPointF(400, 330), {QStringLiteral("Ctrl"), QStringLiteral("O")}, fenetre(a, 0.5, 0.65));
}

// ---------------------------------------------------------------- C02L04
const QVector<QStringList> produits{
    {QStringLiteral("Produit"), QStringLiteral("Référence"), QStringLiteral("Stock"), QStringLiteral("Seuil"), QStringLiteral("Fournisseur")},
    {QStringLiteral("Détergent sol 5 L"), QStringLiteral("DS-050"), QStringLiteral("14"), QStringLiteral("6"), QStringLiteral("Hygiapro")},
    {QStringLiteral("Liquide vaisselle 1 L"), QStringLiteral("LV-010"), QStringLiteral("32"), QStringLiteral("10"), QStringLiteral("Hygiapro")},
    {QStringLiteral("Sacs poubelle 100 L"), QStringLiteral("SP-100"), QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("Embaltex")},
    {QStringLiteral("Gants nitrile (boîte)"), QStringLiteral("GN-200"), QStringLiteral("25"), QStringLiteral("8"), QStringLiteral("Protecsa")},
    {QStringLiteral("Essuie-tout (lot de 6)"), QStringLiteral("ET-006"), QStringLiteral("5"), QStringLiteral("12"), QStringLiteral("Embaltex")},
    {QStringLiteral("Désinfectant 750 mL"), QStringLiteral("DF-075"), QStringLiteral("19"), QStringLiteral("6"), QStringLiteral("Hygiapro")}};

void sceneC02L04(QPainter& p, const Temps& t)
{
    const int s = t.segment();
    Tableur w;
    w.titre = QStringLiteral("Fiche de stock.ods - LibreOffice Calc");
    w.largeurs = {150, 82, 60, 60, 100};
    const int decalage = s >= 2 || (s == 1 && t.p(1) > 0.2) ? 2 : 0;
    if (s == 0) {
        // typed row by row, cell by cell
        const double a = fenetre(t.p(0), 0.15, 0.95);
        const int total = int(produits.size()) * 5;
        const double pos = a * total;
        const int faites = int(pos);
        for (int k = 0; k < std::min(faites, total); ++k)
            w.c(k % 5 + 1, k / 5 + 1).texte = produits[k / 5][k % 5];
        if (faites < total) {
            const QString en = produits[faites / 5][faites % 5];
            w.actif = {faites % 5 + 1, faites / 5 + 1};
            w.enSaisie = true;
            w.formule = tape(en, pos - faites);
            w.curseur = true;
        } else {
            w.actif = {1, 8};
        }
    } else {
        for (int l = 0; l < produits.size(); ++l)
            w.ligne(l + 1 + decalage, produits[l]);
        w.actif = {1, 1};
    }
    if (s == 1) {
        const double a = t.p(1);
        if (a > 0.2) {
            const QString titre = QStringLiteral("Stock de la réserve – mars 2025");
            w.actif = {1, 1};
            if (a < 0.65) {
                w.enSaisie = true;
                w.formule = tape(titre, fenetre(a, 0.25, 0.6));
                w.curseur = true;
            } else {
                Cellule& c = w.c(1, 1);
                c.texte = titre;
                w.formule = titre;
                if (a > 0.75) {
                    c.fusion = 5;
                    c.alignement = 2;
                    c.gras = true;
                    c.taille = 15;
                }
            }
        }
        if (a < 0.2)
            dessinerLegende(p, QString(), 0);
    }
    if (s >= 2) {
        Cellule& c = w.c(1, 1);
        c.texte = QStringLiteral("Stock de la réserve – mars 2025");
        c.fusion = 5;
        c.alignement = 2;
        c.gras = true;
        c.taille = 15;
        const double a = s == 2 ? t.p(2) : 1;
        if (a > 0.15)
            w.style(plage(1, 3, 5, 3), [](Cellule& x) {
                x.gras = true;
                x.alignement = 2;
                x.fond = bleuClair;
            });
        if (a > 0.15)
            w.style(plage(2, 4, 4, 9), [](Cellule& x) { x.alignement = 2; });
        if (a > 0.55) {
            w.bordures = true;
            w.plageBordures = plage(1, 3, 5, 9);
        }
        if (s == 2)
            w.selection = a > 0.55 ? plage(1, 3, 5, 9) : plage(1, 3, 5, 3);
        w.actif = a > 0.55 ? QPoint(1, 3) : QPoint(1, 3);
        w.formule = QStringLiteral("Produit");
    }
    if (s >= 3) {
        const double a = s == 3 ? t.p(3) : 1;
        if (a > 0.3)
            w.style(plage(1, 6, 5, 6), [](Cellule& x) { x.fond = orangeClair; });
        if (a > 0.6)
            w.style(plage(1, 8, 5, 8), [](Cellule& x) { x.fond = orangeClair; });
        if (s == 3) {
            w.actif = a > 0.6 ? QPoint(1, 8) : QPoint(1, 6);
            w.formule = produits[a > 0.6 ? 5 : 3][0];
            if (a > 0.2)
                w.references = {{plage(3, a > 0.6 ? 8 : 6, 4, a > 0.6 ? 8 : 6), rougeRef}};
        }
    }
    if (s == 4) {
        const double a = t.p(4);
        if (a > 0.15) {
            w.selection = plage(3, 4, 3, 9);
            w.actif = {3, 4};
            w.formule = QStringLiteral("14");
            w.etat = QStringLiteral("Moyenne : 17,17 ; Somme : 103");
        }
    }
    dessinerTableur(p, w);
    if (s == 0)
        dessinerLegende(p, QStringLiteral("Étape 2 : saisir les données"), fenetre(t.p(0), 0.0, 0.1) * (t.p(0) < 0.9 ? 1 : 0));
    if (s == 1)
        dessinerLegende(p, QStringLiteral("Étape 3 : un titre fusionné et centré"), fenetre(t.p(1), 0.8, 0.9));
    if (s == 2)
        dessinerLegende(p, QStringLiteral("Étape 4 : ligne de titres et bordures"), fenetre(t.p(2), 0.6, 0.7));
    if (s == 3)
        dessinerLegende(p, QStringLiteral("Étape 5 : le stock est sous le seuil"), fenetre(t.p(3), 0.65, 0.75));
    if (s == 4) {
        const double a = t.p(4);
        dessinerRepere(p, 1, QPointF(520, 470), QPointF(420, 400), QStringLiteral("Somme : 103"), fenetre(a, 0.3, 0.5));
        dessinerPointeur(p, entre(QPointF(300, 330), centreCellule(w, 3, 9) + QPointF(24, 6), fenetre(a, 0.0, 0.15)));
    }
}

// ---------------------------------------------------------------- C03L02
Tableur ventes()
{
    Tableur w;
    w.titre = QStringLiteral("Ventes de la semaine.ods - LibreOffice Calc");
    w.largeurs = {110, 100, 150};
    w.ligne(1, {QStringLiteral("Jour"), QStringLiteral("Ventes (€)")});
    w.style(plage(1, 1, 2, 1), [](Cellule& c) {
        c.gras = true;
        c.fond = bleuClair;
    });
    const QStringList jours{QStringLiteral("Lundi"), QStringLiteral("Mardi"), QStringLiteral("Mercredi"),
                            QStringLiteral("Jeudi"), QStringLiteral("Vendredi"), QStringLiteral("Samedi")};
    const QStringList montants{QStringLiteral("1 240"), QStringLiteral("980"), QStringLiteral("1 515"),
                               QStringLiteral("1 102"), QStringLiteral("1 876"), QStringLiteral("2 310")};
    for (int i = 0; i < 6; ++i)
        w.ligne(i + 2, {jours[i], montants[i]});
    const QStringList libelles{QStringLiteral("Total"), QStringLiteral("Moyenne"), QStringLiteral("Minimum"),
                               QStringLiteral("Maximum")};
    for (int i = 0; i < 4; ++i) {
        w.c(1, 8 + i).texte = libelles[i];
        w.c(1, 8 + i).gras = true;
        w.c(1, 8 + i).fond = QColor(0xf2, 0xf2, 0xf2);
        w.c(2, 8 + i).fond = QColor(0xf2, 0xf2, 0xf2);
    }
    return w;
}

void sceneC03L02(QPainter& p, const Temps& t)
{
    const int s = t.segment();
    Tableur w = ventes();
    const QStringList noms{QStringLiteral("SOMME"), QStringLiteral("MOYENNE"), QStringLiteral("MIN"), QStringLiteral("MAX")};
    const QStringList resultats{QStringLiteral("9 023"), QStringLiteral("1 503,83"), QStringLiteral("980"), QStringLiteral("2 310")};
    auto formule = [&](int i) { return u'=' + noms[i] + QStringLiteral("(B2:B7)"); };
    auto pose = [&](int i) {
        w.c(2, 8 + i).texte = resultats[i];
        w.c(2, 8 + i).gras = true;
        w.c(3, 8 + i).texte = formule(i);
        w.c(3, 8 + i).italique = true;
        w.c(3, 8 + i).couleur = QColor(0x60, 0x60, 0x60);
    };
    w.actif = {2, 2};
    w.formule = QStringLiteral("1240");
    QPointF pointeur(400, 300);
    double clique = 0;
    if (s == 1) {
        const double a = t.p(1);
        w.actif = {2, 8};
        w.formule.clear();
        pointeur = a < 0.25 ? entre(QPointF(400, 300), centreCellule(w, 2, 8), fenetre(a, 0, 0.2))
                            : entre(centreCellule(w, 2, 8), boutonSomme(), fenetre(a, 0.25, 0.45));
        clique = clic(a, 0.2) + clic(a, 0.47);
        if (a > 0.5) {
            w.enSaisie = true;
            w.formule = formule(0);
            w.curseur = true;
            w.references = {{plage(2, 2, 2, 7), bleuRef}};
        }
    }
    if (s >= 2)
        pose(0);
    if (s == 2) {
        w.actif = {2, 8};
        w.formule = formule(0);
        pointeur = boutonSomme() + QPointF(20, 60);
    }
    if (s == 3) {
        const double a = t.p(3);
        for (int i = 1; i < 4; ++i) {
            const double d = (i - 1) / 3.0, f = d + 1 / 3.0;
            const double k = fenetre(a, d, f);
            if (k >= 0.75)
                pose(i);
            if (k > 0 && k <= 1 && (k < 1 || i == 3)) {
                w.actif = {2, 8 + i};
                if (k < 0.75) {
                    w.enSaisie = true;
                    w.formule = tape(formule(i), k / 0.6);
                    w.curseur = true;
                    if (k > 0.5)
                        w.references = {{plage(2, 2, 2, 7), bleuRef}};
                } else {
                    w.formule = formule(i);
                }
            }
        }
        pointeur = QPointF(420, 360);
    }
    if (s == 4) {
        for (int i = 1; i < 4; ++i)
            pose(i);
        w.actif = {2, 11};
        w.formule = formule(3);
    }
    dessinerTableur(p, w);
    if (s == 0)
        dessinerLegende(p, QStringLiteral("Les ventes de la semaine"), fenetre(t.p(0), 0.3, 0.45));
    if (s == 2)
        dessinerLegende(p, QStringLiteral("=SOMME(B2:B7) donne 9 023"), fenetre(t.p(2), 0.2, 0.35));
    if (s == 4)
        dessinerCarte(p, QRect(330, 290, 300, 134), QStringLiteral("Bon à savoir"),
                      {QStringLiteral(";|sépare les arguments"), QStringLiteral("=SOMME(B2:B7;D2:D7)"),
                       QStringLiteral("vide, texte|ignorés par le calcul")},
                      fenetre(t.p(4), 0.0, 0.7));
    if (s <= 3)
        dessinerPointeur(p, pointeur, clique);
}

// ---------------------------------------------------------------- C03L04
void sceneC03L04(QPainter& p, const Temps& t)
{
    const int s = t.segment();
    Tableur w;
    w.titre = QStringLiteral("Fournitures.ods - LibreOffice Calc");
    w.largeurs = {150, 90, 90, 100};
    w.ligne(1, {QStringLiteral("Taux de TVA"), QStringLiteral("20 %")});
    w.c(1, 1).gras = true;
    w.c(2, 1).fond = jaune;
    w.ligne(3, {QStringLiteral("Article"), QStringLiteral("Prix HT"), QStringLiteral("TVA"), QStringLiteral("Prix TTC")});
    w.style(plage(1, 3, 4, 3), [](Cellule& c) {
        c.gras = true;
        c.fond = bleuClair;
        c.alignement = 2;
    });
    const QStringList articles{QStringLiteral("Clavier"), QStringLiteral("Souris"), QStringLiteral("Écran"), QStringLiteral("Câble HDMI")};
    const QStringList ht{QStringLiteral("25,00"), QStringLiteral("12,50"), QStringLiteral("149,00"), QStringLiteral("8,90")};
    const QStringList tva{QStringLiteral("5,00"), QStringLiteral("2,50"), QStringLiteral("29,80"), QStringLiteral("1,78")};
    const QStringList ttc{QStringLiteral("30,00"), QStringLiteral("15,00"), QStringLiteral("178,80"), QStringLiteral("10,68")};
    for (int i = 0; i < 4; ++i)
        w.ligne(4 + i, {articles[i], ht[i]});
    w.actif = {2, 1};
    w.formule = QStringLiteral("20 %");
    auto formuleTva = [](int l) { return QStringLiteral("=B%1*$B$1").arg(l); };

    int tvaFaites = 0;
    if (s == 1) {
        const double a = t.p(1);
        w.actif = {3, 4};
        if (a < 0.85) {
            w.enSaisie = true;
            w.formule = tape(formuleTva(4), fenetre(a, 0.05, 0.7));
            w.curseur = true;
            if (w.formule.size() >= 3)
                w.references.append({plage(2, 4, 2, 4), bleuRef});
            if (w.formule.size() >= 8)
                w.references.append({plage(2, 1, 2, 1), rougeRef});
        } else {
            tvaFaites = 1;
            w.formule = formuleTva(4);
        }
    }
    if (s == 2) {
        const double a = t.p(2);
        tvaFaites = 1 + int(fenetre(a, 0.15, 0.6) * 3 + 0.001);
        w.selection = plage(3, 4, 3, 3 + tvaFaites);
        w.actif = {3, 4};
        w.poigneeSaisie = a > 0.1 && a < 0.62;
        if (a > 0.62) {
            w.selection = QRect();
            w.actif = {3, 7};
            w.formule = formuleTva(7);
            w.references = {{plage(2, 7, 2, 7), bleuRef}, {plage(2, 1, 2, 1), rougeRef}};
        } else {
            w.formule = formuleTva(4);
        }
    }
    if (s >= 3)
        tvaFaites = 4;
    for (int i = 0; i < tvaFaites; ++i)
        w.c(3, 4 + i).texte = tva[i];
    if (s >= 3) {
        w.actif = {3, 7};
        w.formule = formuleTva(7);
    }
    if (s == 4) {
        const double a = t.p(4);
        for (int i = 0; i < 4; ++i)
            if (a > 0.1)
                w.c(4, 4 + i).texte = ttc[i];
        w.actif = {4, 4};
        w.formule = QStringLiteral("=B4+C4");
        if (a > 0.1)
            w.references = {{plage(2, 4, 2, 4), bleuRef}, {plage(3, 4, 3, 4), rougeRef}};
    }
    dessinerTableur(p, w);
    if (s == 0)
        dessinerCarte(p, QRect(130, 250, 380, 134), QStringLiteral("Les règles d'écriture"),
                      {QStringLiteral("=|au début de toute formule"), QStringLiteral("+ - * / ^|les opérateurs"),
                       QStringLiteral("B4|une référence, pas un nombre")},
                      fenetre(t.p(0), 0.1, 0.8));
    if (s == 2) {
        const QRect c = rectCellule(w, 3, 3 + tvaFaites);
        if (t.p(2) < 0.62)
            dessinerPointeur(p, QPointF(c.right(), c.bottom()) + QPointF(1, 1));
        dessinerLegende(p, QStringLiteral("$B$1 ne bouge pas à la recopie"), fenetre(t.p(2), 0.65, 0.75));
    }
    if (s == 3)
        dessinerCarte(p, QRect(110, 240, 420, 162), QStringLiteral("Les messages d'erreur"),
                      {QStringLiteral("###|élargir la colonne"), QStringLiteral("#DIV/0!|diviseur vide ou nul"),
                       QStringLiteral("#NOM?|nom de fonction à corriger"), QStringLiteral("#REF!|cellule supprimée")},
                      fenetre(t.p(3), 0.0, 0.85));
    if (s == 4)
        dessinerLegende(p, QStringLiteral("Contrôle : 25 + 5 = 30, c'est juste"), fenetre(t.p(4), 0.35, 0.5));
}

// ---------------------------------------------------------------- C04L04
struct LigneBudget
{
    QString poste;
    QVector<int> montants; // T1..T4
};
const QVector<LigneBudget> recettes{{QStringLiteral("Cotisations"), {6200, 1100, 4800, 900}},
                                    {QStringLiteral("Subventions"), {0, 3500, 0, 2000}},
                                    {QStringLiteral("Buvette et tournois"), {850, 1400, 300, 1150}}};
const QVector<LigneBudget> depenses{{QStringLiteral("Licences et assurances"), {4100, 300, 3200, 200}},
                                    {QStringLiteral("Location du gymnase"), {1500, 1500, 900, 1500}},
                                    {QStringLiteral("Équipements"), {1200, 600, 1800, 400}},
                                    {QStringLiteral("Déplacements"), {900, 1300, 200, 1100}}};

QString montant(int v)
{
    const QString s = QString::number(std::abs(v));
    QString r;
    for (int i = 0; i < s.size(); ++i) {
        if (i > 0 && (s.size() - i) % 3 == 0)
            r += u' ';
        r += s[i];
    }
    return v < 0 ? u'-' + r : r;
}

void sceneC04L04(QPainter& p, const Temps& t)
{
    const int s = t.segment();
    Tableur w;
    w.titre = QStringLiteral("Budget du club.ods - LibreOffice Calc");
    w.largeurs = {160, 62, 62, 62, 62, 72};
    w.ligne(1, {QStringLiteral("Poste"), QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"),
                QStringLiteral("T4"), QStringLiteral("Total")});
    w.style(plage(1, 1, 6, 1), [](Cellule& c) {
        c.gras = true;
        c.fond = bleuClair;
        c.alignement = 2;
    });
    const bool modifie = s == 4 && t.p(4) > 0.35;
    QVector<LigneBudget> r = recettes;
    if (modifie)
        r[0].montants[1] = 2100;
    const QVector<int> lignesDonnees{2, 3, 4, 6, 7, 8, 9};
    QVector<LigneBudget> toutes = r + depenses;
    // data typed in segment 0
    const double saisie = s == 0 ? fenetre(t.p(0), 0.2, 0.95) : 1;
    const int nbLignes = int(saisie * toutes.size() + 0.001);
    for (int i = 0; i < toutes.size(); ++i) {
        w.c(1, lignesDonnees[i]).texte = toutes[i].poste;
        if (i < nbLignes)
            for (int k = 0; k < 4; ++k)
                w.c(2 + k, lignesDonnees[i]).texte = montant(toutes[i].montants[k]);
    }
    w.c(1, 5).texte = QStringLiteral("Total recettes");
    w.c(1, 10).texte = QStringLiteral("Total dépenses");
    w.c(1, 11).texte = QStringLiteral("Résultat");
    w.actif = {2, 2 + std::min(nbLignes, 6)};
    // totals
    auto somme = [](const QVector<LigneBudget>& v, int k) {
        int s = 0;
        for (const auto& l : v)
            s += k < 4 ? l.montants[k] : l.montants[0] + l.montants[1] + l.montants[2] + l.montants[3];
        return s;
    };
    const double tot = s == 1 ? t.p(1) : s > 1 ? 1 : 0;
    if (s == 1 && tot < 0.4) {
        w.actif = {6, 2};
        w.enSaisie = true;
        w.formule = tape(QStringLiteral("=SOMME(B2:E2)"), fenetre(tot, 0.0, 0.3));
        w.curseur = true;
        if (w.formule.size() > 7)
            w.references = {{plage(2, 2, 5, 2), bleuRef}};
    } else if (tot >= 0.4) {
        const int n = int(fenetre(tot, 0.4, 0.6) * 7 + 0.001);
        for (int i = 0; i < std::min(n, 7); ++i) {
            const auto& l = toutes[i];
            w.c(6, lignesDonnees[i]).texte = montant(l.montants[0] + l.montants[1] + l.montants[2] + l.montants[3]);
        }
        w.actif = {6, 2};
        w.formule = QStringLiteral("=SOMME(B2:E2)");
        if (tot > 0.65) {
            for (int k = 0; k < 5; ++k) {
                w.c(2 + k, 5).texte = montant(somme(r, k));
                w.c(2 + k, 10).texte = montant(somme(depenses, k));
            }
            w.style(plage(1, 5, 6, 5), [](Cellule& c) {
                c.gras = true;
                c.fond = grisTotal;
            });
            w.style(plage(1, 10, 6, 10), [](Cellule& c) {
                c.gras = true;
                c.fond = grisTotal;
            });
            w.actif = {2, 5};
            w.formule = QStringLiteral("=SOMME(B2:B4)");
            w.references = {{plage(2, 2, 2, 4), bleuRef}};
        }
    }
    if (s >= 2) {
        const double a = s == 2 ? t.p(2) : 1;
        if (a > 0.1) {
            for (int k = 0; k < 5; ++k) {
                const int v = somme(r, k) - somme(depenses, k);
                Cellule& c = w.c(2 + k, 11);
                c.texte = montant(v);
                if (v < 0)
                    c.couleur = QColor(0xd0, 0x10, 0x10);
            }
            w.style(plage(1, 11, 6, 11), [](Cellule& c) {
                c.gras = true;
                c.fond = jaune;
            });
            w.c(6, 11).cadre = a > 0.5;
        }
        w.actif = {6, 11};
        w.formule = QStringLiteral("=F5-F10");
        w.references = s == 2 ? QVector<Surlignage>{{plage(6, 5, 6, 5), bleuRef}, {plage(6, 10, 6, 10), rougeRef}}
                              : QVector<Surlignage>{};
    }
    if (s == 3) {
        const double a = t.p(3);
        if (a < 0.3)
            w.references = {{plage(1, 1, 5, 1), bleuRef}, {plage(1, 5, 5, 5), bleuRef}, {plage(1, 10, 5, 10), bleuRef}};
    }
    if (s == 4) {
        w.actif = {3, 2};
        w.formule = modifie ? QStringLiteral("2100") : QStringLiteral("1100");
        if (modifie)
            w.c(3, 2).fond = orangeClair;
    }
    dessinerTableur(p, w);
    if (s >= 3) {
        const double a = s == 3 ? fenetre(t.p(3), 0.3, 1.0) : 1;
        QVector<double> rec, dep;
        for (int k = 0; k < 4; ++k) {
            rec.append(somme(r, k));
            dep.append(somme(depenses, k));
        }
        if (a > 0) {
            p.save();
            p.setOpacity(borne(a * 4));
            dessinerHistogramme(p, QRect(150, 150, 470, 250), QStringLiteral("Recettes et dépenses par trimestre"),
                                {QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"), QStringLiteral("T4")},
                                {{QStringLiteral("Total recettes"), QColor(0x2e, 0x6e, 0xc8), rec},
                                 {QStringLiteral("Total dépenses"), QColor(0xe8, 0x8a, 0x2c), dep}},
                                a);
            p.restore();
        }
    }
    if (s == 0)
        dessinerLegende(p, QStringLiteral("Le budget du club, par trimestre"), fenetre(t.p(0), 0.0, 0.15));
    if (s == 2)
        dessinerLegende(p, QStringLiteral("Résultat de l'année : 1 500 €"), fenetre(t.p(2), 0.5, 0.6));
    if (s == 4) {
        dessinerPointeur(p, centreCellule(w, 3, 2) + QPointF(8, 4), clic(t.p(4), 0.1));
        dessinerLegende(p, QStringLiteral("Le diagramme suit les données"), fenetre(t.p(4), 0.5, 0.6));
    }
}

// ---------------------------------------------------------------- C05L04
void sceneC05L04(QPainter& p, const Temps& t)
{
    const int s = t.segment();
    Tableur w;
    w.titre = QStringLiteral("Devis 2025-037.ods - LibreOffice Calc");
    w.largeurs = {206, 56, 62, 92, 92};
    w.ligne(1, {QStringLiteral("LEROUX PEINTURE")});
    w.ligne(2, {QStringLiteral("DEVIS N° 2025-037")});
    w.c(1, 1).gras = true;
    w.c(1, 1).taille = 13;
    w.c(1, 2).gras = true;
    w.c(4, 1).texte = QStringLiteral("Mme Sophie Garnier");
    w.c(4, 1).gras = true;
    w.c(4, 2).texte = QStringLiteral("12 rue des Tilleuls");
    w.c(4, 3).texte = QStringLiteral("44000 Nantes");
    for (int l = 1; l <= 3; ++l)
        w.c(4, l).alignement = 1; // an address, not a number
    w.ligne(3, {QStringLiteral("Remise"), QStringLiteral("5 %")});
    w.ligne(4, {QStringLiteral("Taux de TVA"), QStringLiteral("10 %")});
    w.c(2, 3).fond = jaune;
    w.c(2, 4).fond = jaune;
    w.ligne(6, {QStringLiteral("Désignation"), QStringLiteral("Unité"), QStringLiteral("Quantité"),
                QStringLiteral("Prix unit. HT"), QStringLiteral("Total HT")});
    w.style(plage(1, 6, 5, 6), [](Cellule& c) {
        c.gras = true;
        c.fond = bleuClair;
        c.alignement = 2;
    });
    const QVector<QStringList> lignes{
        {QStringLiteral("Protection des sols et des meubles"), QStringLiteral("forfait"), QStringLiteral("1"), QStringLiteral("180,00"), QStringLiteral("180,00")},
        {QStringLiteral("Lessivage et ponçage des murs"), QStringLiteral("m²"), QStringLiteral("62"), QStringLiteral("4,50"), QStringLiteral("279,00")},
        {QStringLiteral("Peinture murs, deux couches"), QStringLiteral("m²"), QStringLiteral("62"), QStringLiteral("14,00"), QStringLiteral("868,00")},
        {QStringLiteral("Peinture plafonds, deux couches"), QStringLiteral("m²"), QStringLiteral("24"), QStringLiteral("16,50"), QStringLiteral("396,00")},
        {QStringLiteral("Peinture des boiseries"), QStringLiteral("m"), QStringLiteral("18"), QStringLiteral("9,00"), QStringLiteral("162,00")},
        {QStringLiteral("Nettoyage de fin de chantier"), QStringLiteral("forfait"), QStringLiteral("1"), QStringLiteral("120,00"), QStringLiteral("120,00")}};
    for (int i = 0; i < lignes.size(); ++i) {
        w.ligne(7 + i, lignes[i].mid(0, 4));
        w.c(2, 7 + i).alignement = 2;
    }
    w.actif = {1, 2};
    w.formule = QStringLiteral("DEVIS N° 2025-037");

    int totauxLignes = 0;
    if (s == 1) {
        const double a = t.p(1);
        w.actif = {5, 7};
        if (a < 0.45) {
            w.enSaisie = true;
            w.formule = tape(QStringLiteral("=C7*D7"), fenetre(a, 0.05, 0.35));
            w.curseur = true;
            if (w.formule.size() >= 3)
                w.references.append({plage(3, 7, 3, 7), bleuRef});
            if (w.formule.size() >= 6)
                w.references.append({plage(4, 7, 4, 7), rougeRef});
        } else {
            totauxLignes = 1 + int(fenetre(a, 0.5, 0.9) * 5 + 0.001);
            w.formule = QStringLiteral("=C7*D7");
            w.selection = plage(5, 7, 5, 6 + totauxLignes);
            w.poigneeSaisie = a < 0.92;
        }
    }
    if (s >= 2)
        totauxLignes = 6;
    for (int i = 0; i < totauxLignes; ++i)
        w.c(5, 7 + i).texte = lignes[i][4];
    struct Pied
    {
        QString libelle, valeur, formule;
        QVector<Surlignage> refs;
    };
    const QVector<Pied> pieds{
        {QStringLiteral("Total HT"), QStringLiteral("2 005,00"), QStringLiteral("=SOMME(E7:E12)"), {{plage(5, 7, 5, 12), bleuRef}}},
        {QStringLiteral("Remise"), QStringLiteral("100,25"), QStringLiteral("=E14*$B$3"), {{plage(5, 14, 5, 14), bleuRef}, {plage(2, 3, 2, 3), rougeRef}}},
        {QStringLiteral("Net HT"), QStringLiteral("1 904,75"), QStringLiteral("=E14-E15"), {{plage(5, 14, 5, 15), bleuRef}}},
        {QStringLiteral("TVA"), QStringLiteral("190,48"), QStringLiteral("=ARRONDI(E16*$B$4;2)"), {{plage(5, 16, 5, 16), bleuRef}, {plage(2, 4, 2, 4), rougeRef}}},
        {QStringLiteral("Total TTC"), QStringLiteral("2 095,23"), QStringLiteral("=E16+E17"), {{plage(5, 16, 5, 17), bleuRef}}}};
    int nbPieds = 0;
    if (s == 2) {
        const double a = t.p(2);
        nbPieds = 1 + int(fenetre(a, 0.05, 0.95) * 3.999);
        const Pied& d = pieds[nbPieds - 1];
        w.actif = {5, 13 + nbPieds};
        w.formule = d.formule;
        w.references = d.refs;
    }
    if (s >= 3)
        nbPieds = 5;
    for (int i = 0; i < nbPieds; ++i) {
        w.c(4, 14 + i).texte = pieds[i].libelle;
        w.c(4, 14 + i).alignement = 3;
        w.c(5, 14 + i).texte = pieds[i].valeur;
    }
    if (s == 3) {
        w.actif = {5, 18};
        w.formule = pieds[4].formule;
        if (t.p(3) < 0.5)
            w.references = pieds[4].refs;
    }
    if (nbPieds == 5) {
        w.style(plage(4, 18, 5, 18), [](Cellule& c) {
            c.gras = true;
            c.taille = 12;
        });
        w.c(5, 18).cadre = true;
    }
    if (s == 4) {
        w.onglets = {QStringLiteral("Devis 2025-037")};
        w.actif = {5, 18};
        w.formule = pieds[4].formule;
    }
    dessinerTableur(p, w);
    if (s == 0)
        dessinerLegende(p, QStringLiteral("Le devis de Leroux Peinture"), fenetre(t.p(0), 0.2, 0.35));
    if (s == 3)
        dessinerLegende(p, QStringLiteral("Total TTC : 2 095,23 €"), fenetre(t.p(3), 0.3, 0.45));
    if (s == 4) {
        const double a = t.p(4);
        if (a < 0.6) {
            dessinerMenu(p, 0, menuFichier, a > 0.3 ? 7 : -1);
            const QPointF cible(rectMenu(0).left() + 90, rectMenu(0).bottom() + 4 + 6 * 20 + 7 + 10);
            dessinerPointeur(p, entre(rectMenu(0).center(), cible, fenetre(a, 0.05, 0.3)), clic(a, 0.45));
        } else {
            p.save();
            p.setRenderHint(QPainter::Antialiasing, true);
            const double o = fenetre(a, 0.6, 0.75);
            p.setOpacity(o);
            const QRectF fond(170, 170, 300, 160);
            p.setPen(QPen(QColor(0x1f, 0x3a, 0x5f), 2));
            p.setBrush(QColor(0xff, 0xfd, 0xf4));
            p.drawRoundedRect(fond, 10, 10);
            p.setBrush(QColor(0xd0, 0x30, 0x30));
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(292, 190, 56, 72));
            p.setPen(Qt::white);
            p.setFont(police(16, true));
            p.drawText(QRectF(292, 190, 56, 72), Qt::AlignCenter, QStringLiteral("PDF"));
            p.setPen(QColor(0x20, 0x20, 0x20));
            p.setFont(police(14, true));
            p.drawText(QRectF(170, 272, 300, 24), Qt::AlignCenter, QStringLiteral("Devis 2025-037 Garnier.pdf"));
            p.setFont(police(13));
            p.drawText(QRectF(170, 296, 300, 22), Qt::AlignCenter, QStringLiteral("prêt à envoyer au client"));
            p.restore();
        }
    }
}

// ---------------------------------------------------------------- intros
Scene introduction(const QString& cle, const Carte& carte, const QString& annonce, const QString& pied)
{
    Scene s;
    s.cle = cle;
    s.introduction = true;
    s.narrations = {QString(), annonce, pied};
    s.dessiner = [carte](QPainter& p, const Temps& t) {
        // the title card settles in during the tone
        dessinerCarteTitre(p, carte, t.p(1), t.p(2) > 0 ? fenetre(t.p(2), 0.0, 0.6) : 0);
        const double entree = fenetre(t.p(0), 0, 0.6);
        if (entree < 1) {
            p.fillRect(QRect(0, 0, largeur, hauteur), QColor(0x0e, 0x1c, 0x30, int(255 * (1 - lisse(entree)))));
        }
    };
    return s;
}

const QString nomCours = QStringLiteral("Découvrir le tableur LibreOffice Calc");
const QString piedQuestionnaire = QStringLiteral("10 questions, réponses A, B ou C");

Scene questionnaire(int n, const QString& chapitre, const QStringList& points, const QString& annonce)
{
    Carte c;
    c.surtitre = nomCours;
    c.titre = QStringLiteral("Questionnaire N°%1").arg(n);
    c.sousTitre = QStringLiteral("Chapitre %1 – %2").arg(n).arg(chapitre);
    c.points = points;
    c.pied = piedQuestionnaire;
    c.pastilles = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    return introduction(QStringLiteral("C0%1L05").arg(n), c, annonce,
                        QStringLiteral("Dix questions, réponses A, B ou C."));
}

Scene test(const QString& cle, int n, const QString& sousTitre, const QStringList& points, const QString& pied,
           const QString& annonce, const QString& dit)
{
    Carte c;
    c.surtitre = nomCours;
    c.titre = QStringLiteral("Test N°%1").arg(n);
    c.sousTitre = sousTitre;
    c.points = points;
    c.pied = pied;
    return introduction(cle, c, annonce, dit);
}

QVector<Scene> construire()
{
    QVector<Scene> v;
    v.append({QStringLiteral("C01L01"), false,
              {QStringLiteral("Pour lancer LibreOffice Calc, ouvrez le menu des applications, et tapez calc dans la zone de recherche."),
               QStringLiteral("Cliquez sur LibreOffice Calc : un classeur vierge, nommé Sans nom 1, s'ouvre."),
               QStringLiteral("En haut, vous trouvez la barre de titre, la barre de menus et les barres d'outils."),
               QStringLiteral("Dessous, la barre de formule affiche le contenu de la cellule active : ici, A1."),
               QStringLiteral("En bas de la fenêtre, les onglets des feuilles, puis la barre d'état."),
               QStringLiteral("Pour créer un autre classeur, appuyez sur Contrôle et N.")},
              sceneC01L01});
    v.append({QStringLiteral("C01L04"), false,
              {QStringLiteral("Enregistrez votre classeur dès sa création : ouvrez le menu Fichier, et choisissez Enregistrer sous."),
               QStringLiteral("Choisissez le dossier, puis tapez un nom clair, par exemple : Budget 2025."),
               QStringLiteral("Laissez le type Classeur O D F, puis cliquez sur Enregistrer."),
               QStringLiteral("Le nom du classeur apparaît dans la barre de titre. Ensuite, Contrôle S suffit pour enregistrer vos modifications."),
               QStringLiteral("Pour le rouvrir plus tard, choisissez Fichier, Ouvrir, ou appuyez sur Contrôle O.")},
              sceneC01L04});
    v.append({QStringLiteral("C02L04"), false,
              {QStringLiteral("Exercice : la fiche de stock de la réserve. Saisissez d'abord les données, à partir de la cellule A1."),
               QStringLiteral("Insérez deux lignes en haut, puis tapez le titre, fusionné, centré et en gras."),
               QStringLiteral("Mettez la ligne de titres en gras sur fond bleu clair, et appliquez les bordures."),
               QStringLiteral("Repérez les produits dont le stock est inférieur au seuil : les sacs poubelle et l'essuie-tout."),
               QStringLiteral("Enfin, sélectionnez la colonne Stock : la barre d'état affiche la somme, cent trois.")},
              sceneC02L04});
    v.append({QStringLiteral("C03L02"), false,
              {QStringLiteral("Une fonction est une formule toute prête. Voici les ventes de la semaine."),
               QStringLiteral("Cliquez sous la colonne, puis sur le bouton Somme : Calc propose la plage de B2 à B7."),
               QStringLiteral("Validez avec Entrée : le total s'affiche, neuf mille vingt-trois euros."),
               QStringLiteral("De la même façon, les fonctions moyenne, mine et max donnent la moyenne, la plus petite et la plus grande vente."),
               QStringLiteral("Séparez les arguments par un point-virgule. Les cellules vides et les textes sont ignorés.")},
              sceneC03L02});
    v.append({QStringLiteral("C03L04"), false,
              {QStringLiteral("Une formule commence toujours par le signe égal, et utilise des références plutôt que des nombres."),
               QStringLiteral("Ici, la TVA se calcule avec B4, multiplié par dollar B dollar 1 : le taux est une référence absolue."),
               QStringLiteral("Recopiez la formule avec la poignée : B4 devient B5, B6, B7, mais dollar B dollar 1 ne bouge pas."),
               QStringLiteral("Un message d'erreur vous guide : des dièses, la colonne est trop étroite ; dièse div zéro, le diviseur est vide ou nul."),
               QStringLiteral("Et vérifiez toujours au moins un résultat à la main.")},
              sceneC03L04});
    v.append({QStringLiteral("C04L04"), false,
              {QStringLiteral("Travaux pratiques : le budget du club de basket. Saisissez les recettes et les dépenses, par trimestre."),
               QStringLiteral("Calculez les totaux avec la fonction SOMME, recopiée vers le bas, puis les totaux des recettes et des dépenses."),
               QStringLiteral("Le résultat, c'est les recettes moins les dépenses : mille cinq cents euros sur l'année."),
               QStringLiteral("Sélectionnez les totaux, puis insérez un diagramme en colonnes, qui compare recettes et dépenses."),
               QStringLiteral("Modifiez une valeur : les totaux et le diagramme se mettent à jour.")},
              sceneC04L04});
    v.append({QStringLiteral("C05L04"), false,
              {QStringLiteral("Situation professionnelle : le devis de Leroux Peinture, pour Madame Garnier."),
               QStringLiteral("Chaque total de ligne est la quantité multipliée par le prix unitaire : égal C7 fois D7, recopié vers le bas."),
               QStringLiteral("Au pied du devis, la remise de cinq pour cent et la TVA à dix pour cent utilisent des références absolues."),
               QStringLiteral("Le total toutes taxes comprises s'élève à deux mille quatre-vingt-quinze euros vingt-trois."),
               QStringLiteral("Protégez la feuille, puis exportez le devis en PDF, pour l'envoyer au client.")},
              sceneC05L04});

    v.append(questionnaire(1, QStringLiteral("Découvrir le tableur"),
                           {QStringLiteral("L'écran de Calc et la barre de formule"),
                            QStringLiteral("Se déplacer et sélectionner des cellules"),
                            QStringLiteral("Enregistrer et ouvrir un classeur")},
                           QStringLiteral("Questionnaire numéro un, chapitre un : l'écran de Calc, les cellules et l'enregistrement.")));
    v.append(questionnaire(2, QStringLiteral("Saisir et mettre en forme"),
                           {QStringLiteral("Saisir du texte, des nombres et des dates"),
                            QStringLiteral("Modifier, copier et déplacer des données"),
                            QStringLiteral("Mettre en forme les cellules")},
                           QStringLiteral("Questionnaire numéro deux, chapitre deux : la saisie, la recopie et la mise en forme.")));
    v.append(questionnaire(3, QStringLiteral("Calculer avec des formules"),
                           {QStringLiteral("Écrire une formule"),
                            QStringLiteral("Les fonctions SOMME, MOYENNE, MIN et MAX"),
                            QStringLiteral("Références relatives et absolues")},
                           QStringLiteral("Questionnaire numéro trois, chapitre trois : les formules, les fonctions et les références.")));
    v.append(questionnaire(4, QStringLiteral("Organiser et présenter les données"),
                           {QStringLiteral("Trier et filtrer un tableau"), QStringLiteral("Créer un diagramme"),
                            QStringLiteral("Mettre en page et imprimer")},
                           QStringLiteral("Questionnaire numéro quatre, chapitre quatre : le tri, les diagrammes et l'impression.")));
    v.append(questionnaire(5, QStringLiteral("Le tableur au travail"),
                           {QStringLiteral("Gérer les feuilles d'un classeur"),
                            QStringLiteral("La fonction SI, la mise en forme conditionnelle"),
                            QStringLiteral("Protéger et exporter un classeur")},
                           QStringLiteral("Questionnaire numéro cinq, chapitre cinq : les feuilles, la fonction SI et la protection.")));
    v.append(test(QStringLiteral("C03L06"), 1, QStringLiteral("Chapitres 1 à 3"),
                  {QStringLiteral("Se repérer dans l'écran de Calc"), QStringLiteral("Saisir et mettre en forme un tableau"),
                   QStringLiteral("Écrire les formules de base")},
                  QStringLiteral("Un cas pratique noté sur 20"),
                  QStringLiteral("Test numéro un, sur les chapitres un à trois : la saisie et les formules."),
                  QStringLiteral("Un cas pratique, noté sur vingt.")));
    v.append(test(QStringLiteral("C05L06"), 2, QStringLiteral("L'ensemble du cours"),
                  {QStringLiteral("Formules et fonctions, dont SI"), QStringLiteral("Diagrammes, tri et filtre"),
                   QStringLiteral("Impression, protection et export")},
                  QStringLiteral("Un cas complet noté sur 20"),
                  QStringLiteral("Test numéro deux, sur l'ensemble du cours."),
                  QStringLiteral("Un cas complet, noté sur vingt.")));
    return v;
}
} // namespace

const QVector<Scene>& scenes()
{
    static const QVector<Scene> v = construire();
    return v;
}

const Scene* scene(const QString& cle)
{
    for (const Scene& s : scenes())
        if (s.cle == cle)
            return &s;
    return nullptr;
}

} // namespace video
