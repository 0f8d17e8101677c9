#include "Dessin.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace video {

namespace {
constexpr int hautTitre = 22, hautMenus = 20, hautOutils = 28, hautFormule = 24, hautEntetes = 16;
constexpr int yMenus = hautTitre;
constexpr int yOutils = yMenus + hautMenus;
constexpr int yFormule = yOutils + hautOutils + 2;
constexpr int yEntetes = yFormule + hautFormule + 2;
constexpr int yGrille = yEntetes + hautEntetes;
constexpr int hautLigne = 18;
constexpr int largeurEntete = 34;
constexpr int yOnglets = hauteur - 40;
constexpr int yEtat = hauteur - 20;
constexpr int largeurDefaut = 78;

const QColor fondFenetre(0xef, 0xef, 0xef);
const QColor grisTrait(0xc8, 0xc8, 0xc8);
const QColor bleuSelection(0x33, 0x77, 0xcc);

const QStringList menus{QStringLiteral("Fichier"),   QStringLiteral("Édition"), QStringLiteral("Affichage"),
                        QStringLiteral("Insertion"), QStringLiteral("Format"),  QStringLiteral("Styles"),
                        QStringLiteral("Feuille"),   QStringLiteral("Données"), QStringLiteral("Outils"),
                        QStringLiteral("Fenêtre"),   QStringLiteral("Aide")};

int largeurColonne(const Tableur& t, int colonne)
{
    return colonne - 1 < t.largeurs.size() ? t.largeurs[colonne - 1] : largeurDefaut;
}

int xColonne(const Tableur& t, int colonne)
{
    int x = largeurEntete;
    for (int c = 1; c < colonne; ++c)
        x += largeurColonne(t, c);
    return x;
}

int cle(int colonne, int ligne) { return ligne * 64 + colonne; }

bool estNombre(const QString& s)
{
    if (s.isEmpty())
        return false;
    const QChar c = s.at(0);
    return c.isDigit() || ((c == u'-' || c == u'+') && s.size() > 1 && s.at(1).isDigit());
}

// French thousands grouping with a plain space, as the grid shows amounts.
QString groupe(int v)
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

QString nomColonne(int c) { return QString(QChar(u'A' + c - 1)); }

void texteCentre(QPainter& p, const QRectF& r, const QString& s) { p.drawText(r, Qt::AlignCenter, s); }

// Simple toolbar icons, enough to read as a toolbar.
void icone(QPainter& p, int x, int y, int sorte)
{
    p.save();
    p.translate(x, y);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    switch (sorte) {
    case 0: // new document
        p.setBrush(Qt::white);
        p.drawRect(4, 2, 12, 16);
        p.setBrush(QColor(0x2e, 0x9e, 0x4f));
        p.drawRect(7, 6, 6, 2);
        p.drawRect(7, 10, 6, 2);
        break;
    case 1: // open folder
        p.setBrush(QColor(0xf2, 0xc2, 0x4c));
        p.drawRect(2, 6, 16, 11);
        p.drawRect(2, 4, 7, 3);
        break;
    case 2: // save
        p.setBrush(QColor(0x3a, 0x6e, 0xc8));
        p.drawRect(3, 3, 14, 14);
        p.setBrush(Qt::white);
        p.drawRect(6, 3, 8, 5);
        p.drawRect(6, 11, 8, 6);
        break;
    case 3: // print
        p.setBrush(Qt::white);
        p.drawRect(6, 2, 8, 6);
        p.setBrush(QColor(0x80, 0x80, 0x80));
        p.drawRect(3, 8, 14, 7);
        p.setBrush(Qt::white);
        p.drawRect(6, 12, 8, 6);
        break;
    case 4: // PDF
        p.setBrush(QColor(0xd0, 0x30, 0x30));
        p.drawRect(4, 2, 12, 16);
        p.setPen(Qt::white);
        p.setFont(police(6, true));
        p.drawText(QRect(4, 6, 12, 8), Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    case 5: // cut
        p.setFont(police(14));
        p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("✂"));
        break;
    case 6: // copy
        p.setBrush(Qt::white);
        p.drawRect(3, 2, 10, 12);
        p.drawRect(7, 6, 10, 12);
        break;
    case 7: // paste
        p.setBrush(QColor(0xc8, 0x9a, 0x5a));
        p.drawRect(3, 3, 13, 15);
        p.setBrush(Qt::white);
        p.drawRect(6, 6, 7, 10);
        p.setBrush(QColor(0x80, 0x80, 0x80));
        p.drawRect(7, 1, 5, 3);
        break;
    case 8: // undo, redo
    case 9:
        p.setFont(police(15, true));
        p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, sorte == 8 ? QStringLiteral("↶") : QStringLiteral("↷"));
        break;
    case 10:
    case 11:
    case 12: { // bold, italic, underline
        QFont f = police(13, sorte == 10, sorte == 11);
        f.setUnderline(sorte == 12);
        p.setFont(f);
        p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, sorte == 10 ? QStringLiteral("G") : sorte == 11 ? QStringLiteral("I") : QStringLiteral("S"));
        break;
    }
    case 13: // align
        for (int i = 0; i < 4; ++i)
            p.drawLine(3, 4 + i * 4, i % 2 ? 13 : 17, 4 + i * 4);
        break;
    case 14: // chart
        p.setBrush(QColor(0x3a, 0x6e, 0xc8));
        p.drawRect(3, 10, 4, 8);
        p.setBrush(QColor(0xe8, 0x8a, 0x2c));
        p.drawRect(8, 5, 4, 13);
        p.setBrush(QColor(0x2e, 0x9e, 0x4f));
        p.drawRect(13, 8, 4, 10);
        break;
    case 15: // money, percent
        p.setFont(police(12, true));
        p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("€"));
        break;
    case 16:
        p.setFont(police(12, true));
        p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("%"));
        break;
    }
    p.restore();
}
} // namespace

QFont police(double pixels, bool gras, bool italique)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, int(std::lround(pixels))));
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

double borne(double p) { return std::clamp(p, 0.0, 1.0); }
double lisse(double p)
{
    p = borne(p);
    return p * p * (3 - 2 * p);
}
double fenetre(double p, double debut, double fin) { return borne((p - debut) / (fin - debut)); }
QString tape(const QString& texte, double p) { return texte.left(int(std::floor(borne(p) * texte.size() + 0.001))); }
QPointF entre(QPointF a, QPointF b, double p) { return a + (b - a) * lisse(p); }

Cellule& Tableur::c(int colonne, int ligne) { return cellules[cle(colonne, ligne)]; }

Cellule& Tableur::c(const QString& ref)
{
    const int colonne = ref.at(0).unicode() - u'A' + 1;
    return c(colonne, ref.mid(1).toInt());
}

void Tableur::ligne(int ligne, const QStringList& textes, int premiereColonne)
{
    for (int i = 0; i < textes.size(); ++i)
        if (!textes[i].isEmpty())
            c(premiereColonne + i, ligne).texte = textes[i];
}

void Tableur::style(const QRect& plage, const std::function<void(Cellule&)>& f)
{
    for (int l = plage.top(); l <= plage.bottom(); ++l)
        for (int col = plage.left(); col <= plage.right(); ++col)
            f(c(col, l));
}

QRect rectCellule(const Tableur& t, int colonne, int ligne)
{
    return QRect(xColonne(t, colonne), yGrille + (ligne - t.premiereLigne) * hautLigne, largeurColonne(t, colonne),
                 hautLigne);
}

QPointF centreCellule(const Tableur& t, int colonne, int ligne) { return QRectF(rectCellule(t, colonne, ligne)).center(); }

QRect rectMenu(int index)
{
    const QFontMetrics m(police(11));
    int x = 6;
    for (int i = 0; i < index; ++i)
        x += m.horizontalAdvance(menus[i]) + 14;
    return QRect(x, yMenus, m.horizontalAdvance(menus[index]) + 14, hautMenus);
}

QRect zoneFormule() { return QRect(168, yFormule, largeur - 172, hautFormule); }
QRect zoneNom() { return QRect(4, yFormule, 86, hautFormule); }
QPointF boutonSomme() { return QPointF(130, yFormule + hautFormule / 2.0); }
QRect zoneOnglets() { return QRect(0, yOnglets, largeur, 20); }
QRect zoneEtat() { return QRect(0, yEtat, largeur, 20); }
QRect zoneOutils() { return QRect(0, yOutils, largeur, hautOutils); }
QRect zoneTitre() { return QRect(0, 0, largeur, hautTitre); }
QRect zoneGrille() { return QRect(0, yEntetes, largeur, yOnglets - yEntetes); }

void dessinerTableur(QPainter& p, const Tableur& t)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(0, 0, largeur, hauteur, fondFenetre);

    // Title bar
    QLinearGradient g(0, 0, 0, hautTitre);
    g.setColorAt(0, QColor(0xe4, 0xe4, 0xe4));
    g.setColorAt(1, QColor(0xd2, 0xd2, 0xd2));
    p.fillRect(zoneTitre(), g);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setFont(police(12, true));
    texteCentre(p, zoneTitre(), t.titre);
    p.setFont(police(12));
    p.drawText(QRect(largeur - 66, 0, 20, hautTitre), Qt::AlignCenter, QStringLiteral("–"));
    p.drawText(QRect(largeur - 46, 0, 20, hautTitre), Qt::AlignCenter, QStringLiteral("□"));
    p.drawText(QRect(largeur - 24, 0, 20, hautTitre), Qt::AlignCenter, QStringLiteral("✕"));
    // Calc's green sheet icon
    p.fillRect(6, 4, 14, 14, QColor(0x2e, 0x9e, 0x4f));
    p.fillRect(9, 8, 8, 1, Qt::white);
    p.fillRect(9, 11, 8, 1, Qt::white);
    p.fillRect(9, 14, 8, 1, Qt::white);

    // Menus
    p.setFont(police(11));
    p.setPen(QColor(0x20, 0x20, 0x20));
    for (int i = 0; i < menus.size(); ++i)
        texteCentre(p, rectMenu(i), menus[i]);

    // Toolbar
    p.fillRect(zoneOutils(), QColor(0xf6, 0xf6, 0xf6));
    p.setPen(grisTrait);
    p.drawLine(0, yOutils + hautOutils - 1, largeur, yOutils + hautOutils - 1);
    const int sortes[] = {0, 1, 2, -1, 3, 4, -1, 5, 6, 7, -1, 8, 9, -1, 10, 11, 12, 13, -1, 15, 16, -1, 14};
    int x = 6;
    for (int s : sortes) {
        if (s < 0) {
            p.setPen(grisTrait);
            p.drawLine(x + 2, yOutils + 5, x + 2, yOutils + hautOutils - 6);
            x += 8;
            continue;
        }
        icone(p, x, yOutils + 4, s);
        x += 24;
    }

    // Formula bar: name box, fx Σ =, input line
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.setBrush(Qt::white);
    p.drawRect(zoneNom().adjusted(0, 0, -1, -1));
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(police(11));
    const QString nom = t.selection.isValid() && t.selection.width() * t.selection.height() > 1
        ? nomColonne(t.selection.left()) + QString::number(t.selection.top()) + u':' + nomColonne(t.selection.right())
            + QString::number(t.selection.bottom())
        : nomColonne(t.actif.x()) + QString::number(t.actif.y());
    p.drawText(zoneNom().adjusted(5, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, nom);
    p.setFont(police(12, false, true));
    p.drawText(QRect(100, yFormule, 20, hautFormule), Qt::AlignCenter, QStringLiteral("fx"));
    p.setFont(police(14, true));
    p.drawText(QRect(120, yFormule, 20, hautFormule), Qt::AlignCenter, QStringLiteral("Σ"));
    p.drawText(QRect(142, yFormule, 20, hautFormule), Qt::AlignCenter, QStringLiteral("="));
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.setBrush(Qt::white);
    p.drawRect(zoneFormule().adjusted(0, 0, -1, -1));
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(police(12));
    const QRect champ = zoneFormule().adjusted(6, 0, -4, 0);
    p.drawText(champ, Qt::AlignVCenter | Qt::AlignLeft, t.formule);
    if (t.curseur) {
        const int xc = champ.left() + QFontMetrics(police(12)).horizontalAdvance(t.formule) + 1;
        p.drawLine(xc, yFormule + 4, xc, yFormule + hautFormule - 5);
    }

    // Grid
    const QRect grille(largeurEntete, yGrille, largeur - largeurEntete, yOnglets - yGrille);
    p.fillRect(grille, Qt::white);
    p.fillRect(QRect(0, yEntetes, largeur, hautEntetes), QColor(0xe8, 0xe8, 0xe8));
    p.fillRect(QRect(0, yGrille, largeurEntete, yOnglets - yGrille), QColor(0xe8, 0xe8, 0xe8));
    p.setClipRect(QRect(0, yEntetes, largeur, yOnglets - yEntetes));
    const int derniere = t.premiereLigne + (yOnglets - yGrille) / hautLigne;
    int nbColonnes = 1;
    while (xColonne(t, nbColonnes + 1) < largeur)
        ++nbColonnes;
    p.setFont(police(11));
    for (int col = 1; col <= nbColonnes; ++col) {
        const QRect r(xColonne(t, col), yEntetes, largeurColonne(t, col), hautEntetes);
        const bool marque = col == t.actif.x() || (t.selection.isValid() && col >= t.selection.left() && col <= t.selection.right());
        if (marque)
            p.fillRect(r, QColor(0xcc, 0xdc, 0xf0));
        p.setPen(QColor(0x40, 0x40, 0x40));
        texteCentre(p, r, nomColonne(col));
        p.setPen(grisTrait);
        p.drawLine(r.right(), yEntetes, r.right(), yOnglets);
    }
    for (int l = t.premiereLigne; l <= derniere; ++l) {
        const int y = yGrille + (l - t.premiereLigne) * hautLigne;
        const QRect r(0, y, largeurEntete, hautLigne);
        const bool marque = l == t.actif.y() || (t.selection.isValid() && l >= t.selection.top() && l <= t.selection.bottom());
        if (marque)
            p.fillRect(r, QColor(0xcc, 0xdc, 0xf0));
        p.setPen(QColor(0x40, 0x40, 0x40));
        texteCentre(p, r, QString::number(l));
        p.setPen(grisTrait);
        p.drawLine(0, y + hautLigne - 1, largeur, y + hautLigne - 1);
    }
    p.drawLine(largeurEntete - 1, yEntetes, largeurEntete - 1, yOnglets);

    // Cell fills first, then texts, so a text may run over empty neighbours.
    for (auto it = t.cellules.cbegin(); it != t.cellules.cend(); ++it) {
        const int l = it.key() / 64, col = it.key() % 64;
        if (l < t.premiereLigne || l > derniere || !it->fond.isValid())
            continue;
        QRect r = rectCellule(t, col, l);
        for (int k = 1; k < it->fusion; ++k)
            r.setRight(rectCellule(t, col + k, l).right());
        p.fillRect(r.adjusted(0, 0, -1, -1), it->fond);
    }
    if (t.bordures && t.plageBordures.isValid()) {
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        const QRect a = rectCellule(t, t.plageBordures.left(), t.plageBordures.top());
        const QRect b = rectCellule(t, t.plageBordures.right(), t.plageBordures.bottom());
        for (int l = t.plageBordures.top(); l <= t.plageBordures.bottom() + 1; ++l) {
            const int y = yGrille + (l - t.premiereLigne) * hautLigne - 1;
            p.drawLine(a.left() - 1, y, b.right(), y);
        }
        for (int col = t.plageBordures.left(); col <= t.plageBordures.right() + 1; ++col) {
            const int xx = xColonne(t, col) - 1;
            p.drawLine(xx, a.top() - 1, xx, b.bottom());
        }
    }
    for (auto it = t.cellules.cbegin(); it != t.cellules.cend(); ++it) {
        const int l = it.key() / 64, col = it.key() % 64;
        if (l < t.premiereLigne || l > derniere)
            continue;
        QString texte = it->texte;
        if (t.enSaisie && QPoint(col, l) == t.actif)
            continue;
        if (texte.isEmpty())
            continue;
        QRect r = rectCellule(t, col, l);
        for (int k = 1; k < it->fusion; ++k)
            r.setRight(rectCellule(t, col + k, l).right());
        int align = it->alignement;
        if (align == 0)
            align = estNombre(texte) || texte.endsWith(u'€') ? 3 : 1;
        if (it->fusion == 1 && align == 1) // a text runs over empty cells to its right
            for (int k = col + 1; k <= nbColonnes && !t.cellules.contains(cle(k, l)); ++k)
                r.setRight(rectCellule(t, k, l).right());
        p.setFont(police(it->taille, it->gras, it->italique));
        p.setPen(it->couleur);
        const Qt::Alignment a = Qt::AlignVCenter | (align == 1 ? Qt::AlignLeft : align == 2 ? Qt::AlignHCenter : Qt::AlignRight);
        p.drawText(r.adjusted(3, 0, -3, 0), a, texte);
        if (it->cadre) {
            p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(1, 1, -2, -2));
        }
    }
    if (t.enSaisie) {
        const QRect r = rectCellule(t, t.actif.x(), t.actif.y());
        const int l = std::max(r.width(), QFontMetrics(police(11)).horizontalAdvance(t.formule) + 10);
        const QRect e(r.left(), r.top(), l, r.height());
        p.fillRect(e.adjusted(0, 0, -1, -1), Qt::white);
        p.setFont(police(11));
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(e.adjusted(3, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, t.formule);
    }

    // Selection, reference highlights, active cell
    if (t.selection.isValid()) {
        const QRect a = rectCellule(t, t.selection.left(), t.selection.top());
        const QRect b = rectCellule(t, t.selection.right(), t.selection.bottom());
        const QRect r(a.topLeft(), b.bottomRight());
        QColor f = bleuSelection;
        f.setAlpha(50);
        p.fillRect(r, f);
        p.setPen(QPen(bleuSelection, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    for (const Surlignage& s : t.references) {
        const QRect a = rectCellule(t, s.plage.left(), s.plage.top());
        const QRect b = rectCellule(t, s.plage.right(), s.plage.bottom());
        QColor f = s.couleur;
        f.setAlpha(40);
        p.fillRect(QRect(a.topLeft(), b.bottomRight()), f);
        p.setPen(QPen(s.couleur, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(a.topLeft(), b.bottomRight()).adjusted(1, 1, -1, -1));
    }
    {
        const QRect r = rectCellule(t, t.actif.x(), t.actif.y());
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const int s = t.poigneeSaisie ? 7 : 5;
        p.fillRect(QRect(r.right() - s / 2, r.bottom() - s / 2, s, s), QColor(0x10, 0x10, 0x10));
    }
    p.setClipping(false);

    // Sheet tabs and status bar
    p.fillRect(zoneOnglets(), QColor(0xe4, 0xe4, 0xe4));
    p.setPen(grisTrait);
    p.drawLine(0, yOnglets, largeur, yOnglets);
    p.setFont(police(12, true));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawText(QRect(6, yOnglets, 60, 20), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("◀ ▶  +"));
    int xo = 72;
    p.setFont(police(11));
    for (int i = 0; i < t.onglets.size(); ++i) {
        const int l = QFontMetrics(police(11)).horizontalAdvance(t.onglets[i]) + 20;
        const QRect r(xo, yOnglets + 1, l, 18);
        p.fillRect(r, i == t.ongletActif ? Qt::white : QColor(0xd4, 0xd4, 0xd4));
        p.setPen(grisTrait);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.setFont(police(11, i == t.ongletActif));
        texteCentre(p, r, t.onglets[i]);
        xo += l + 2;
    }
    p.fillRect(zoneEtat(), QColor(0xdc, 0xdc, 0xdc));
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setFont(police(11));
    p.drawText(zoneEtat().adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Feuille %1 sur %2").arg(t.ongletActif + 1).arg(t.onglets.size()));
    p.drawText(zoneEtat().adjusted(0, 0, -110, 0), Qt::AlignVCenter | Qt::AlignRight, t.etat);
    p.drawText(zoneEtat().adjusted(0, 0, -8, 0), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("100 %"));
    p.restore();
}

void dessinerMenu(QPainter& p, int menu, const QStringList& entrees, int surligne, QRect* rectSurligne)
{
    p.save();
    const QRect titre = rectMenu(menu);
    p.fillRect(titre, QColor(0xcc, 0xdc, 0xf0));
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(police(11));
    texteCentre(p, titre, menus[menu]);
    int hauteurMenu = 6;
    for (const QString& e : entrees)
        hauteurMenu += e == u"---" ? 7 : 20;
    const QRect r(titre.left(), titre.bottom() + 1, 230, hauteurMenu);
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.setBrush(QColor(0x00, 0x00, 0x00, 40));
    p.drawRect(r.translated(3, 3));
    p.setBrush(QColor(0xfa, 0xfa, 0xfa));
    p.drawRect(r);
    int y = r.top() + 3;
    for (int i = 0; i < entrees.size(); ++i) {
        if (entrees[i] == u"---") {
            p.setPen(QColor(0xc8, 0xc8, 0xc8));
            p.drawLine(r.left() + 6, y + 3, r.right() - 6, y + 3);
            y += 7;
            continue;
        }
        const QRect e(r.left() + 2, y, r.width() - 4, 20);
        if (i == surligne) {
            p.fillRect(e, bleuSelection);
            if (rectSurligne)
                *rectSurligne = e;
        }
        const QStringList morceaux = entrees[i].split(u'|');
        p.setPen(i == surligne ? Qt::white : QColor(0x20, 0x20, 0x20));
        p.drawText(e.adjusted(24, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, morceaux.value(0));
        p.setPen(i == surligne ? Qt::white : QColor(0x70, 0x70, 0x70));
        p.drawText(e.adjusted(0, 0, -8, 0), Qt::AlignVCenter | Qt::AlignRight, morceaux.value(1));
        y += 20;
    }
    p.restore();
}

void dessinerDialogue(QPainter& p, const QRect& r, const QString& titre, const QVector<Champ>& champs,
                      const QStringList& boutons, int boutonDefaut, int boutonPresse, QVector<QRect>* rectBoutons)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r.translated(4, 4), QColor(0, 0, 0, 60));
    p.fillRect(r, fondFenetre);
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const QRect barre(r.left(), r.top(), r.width(), 24);
    p.fillRect(barre.adjusted(1, 1, -1, 0), QColor(0xd8, 0xd8, 0xd8));
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(police(12, true));
    texteCentre(p, barre, titre);
    int y = r.top() + 38;
    p.setFont(police(12));
    for (const Champ& c : champs) {
        if (c.caseACocher) {
            p.setPen(QColor(0x60, 0x60, 0x60));
            p.setBrush(Qt::white);
            p.drawRect(r.left() + 20, y + 4, 13, 13);
            if (c.coche) {
                p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
                p.drawLine(r.left() + 23, y + 10, r.left() + 26, y + 14);
                p.drawLine(r.left() + 26, y + 14, r.left() + 31, y + 6);
            }
            p.setPen(QColor(0x20, 0x20, 0x20));
            p.drawText(QRect(r.left() + 40, y, r.width() - 60, 22), Qt::AlignVCenter | Qt::AlignLeft, c.libelle);
            y += 26;
            continue;
        }
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(QRect(r.left() + 20, y, 100, 22), Qt::AlignVCenter | Qt::AlignLeft, c.libelle);
        const QRect v(r.left() + 120, y, r.width() - 140, 22);
        p.setPen(c.actif ? bleuSelection : QColor(0xa0, 0xa0, 0xa0));
        p.setBrush(Qt::white);
        p.drawRect(v.adjusted(0, 0, -1, -1));
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(v.adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, c.valeur);
        if (c.actif) {
            const int xc = v.left() + 6 + QFontMetrics(police(12)).horizontalAdvance(c.valeur) + 1;
            p.drawLine(xc, v.top() + 4, xc, v.bottom() - 4);
        }
        y += 32;
    }
    int xb = r.right() - 12;
    for (int i = boutons.size() - 1; i >= 0; --i) {
        const int l = std::max(80, QFontMetrics(police(12)).horizontalAdvance(boutons[i]) + 24);
        const QRect b(xb - l, r.bottom() - 38, l, 26);
        p.setPen(i == boutonDefaut ? bleuSelection : QColor(0x90, 0x90, 0x90));
        p.setBrush(i == boutonPresse ? QColor(0xb8, 0xcc, 0xe8) : QColor(0xfa, 0xfa, 0xfa));
        p.drawRect(b.adjusted(0, 0, -1, -1));
        p.setPen(QColor(0x20, 0x20, 0x20));
        texteCentre(p, b, boutons[i]);
        if (rectBoutons) {
            rectBoutons->resize(boutons.size());
            (*rectBoutons)[i] = b;
        }
        xb -= l + 8;
    }
    p.restore();
}

void dessinerPointeur(QPainter& p, QPointF pos, double clic)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (clic > 0 && clic < 1) {
        QColor c(0xff, 0xb0, 0x20);
        c.setAlphaF(0.8 * (1 - clic));
        p.setPen(QPen(c, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(pos, 6 + 16 * clic, 6 + 16 * clic);
    }
    QPainterPath fleche;
    fleche.moveTo(0, 0);
    fleche.lineTo(0, 17);
    fleche.lineTo(4.5, 13);
    fleche.lineTo(8, 20);
    fleche.lineTo(10.5, 19);
    fleche.lineTo(7, 12);
    fleche.lineTo(12.5, 12);
    fleche.closeSubpath();
    p.translate(pos);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(fleche);
    p.restore();
}

void dessinerRepere(QPainter& p, int numero, QPointF cible, QPointF etiquette, const QString& texte, double apparition)
{
    if (apparition <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setOpacity(borne(apparition * 2));
    const QColor orange(0xe8, 0x6a, 0x10);
    p.setPen(QPen(orange, 2));
    p.drawLine(cible, etiquette);
    p.setBrush(orange);
    p.drawEllipse(cible, 3, 3);
    const QFont f = police(12, true);
    const double l = QFontMetricsF(f).horizontalAdvance(texte) + 40;
    const QRectF r(etiquette.x() - 11, etiquette.y() - 11, l, 22);
    p.setBrush(QColor(0xff, 0xf4, 0xe0));
    p.drawRoundedRect(r, 11, 11);
    p.setBrush(orange);
    p.setPen(Qt::NoPen);
    p.drawEllipse(etiquette, 10, 10);
    p.setPen(Qt::white);
    p.setFont(police(12, true));
    p.drawText(QRectF(etiquette.x() - 10, etiquette.y() - 10, 20, 20), Qt::AlignCenter, QString::number(numero));
    p.setPen(QColor(0x40, 0x20, 0x00));
    p.setFont(f);
    p.drawText(r.adjusted(26, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, texte);
    p.restore();
}

void dessinerTouches(QPainter& p, QPointF centre, const QStringList& touches, double apparition)
{
    if (apparition <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setOpacity(borne(apparition * 2));
    const QFont f = police(20, true);
    const QFontMetricsF m(f);
    double total = 0;
    for (const QString& t : touches)
        total += std::max(44.0, m.horizontalAdvance(t) + 24);
    total += (touches.size() - 1) * 30;
    double x = centre.x() - total / 2;
    const QRectF fond(x - 16, centre.y() - 34, total + 32, 68);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x30, 0x40, 220));
    p.drawRoundedRect(fond, 12, 12);
    for (int i = 0; i < touches.size(); ++i) {
        const double l = std::max(44.0, m.horizontalAdvance(touches[i]) + 24);
        const QRectF t(x, centre.y() - 22, l, 44);
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
        p.setBrush(QColor(0xf4, 0xf4, 0xf4));
        p.drawRoundedRect(t.translated(0, 3), 7, 7);
        p.setBrush(Qt::white);
        p.drawRoundedRect(t, 7, 7);
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.setFont(f);
        p.drawText(t, Qt::AlignCenter, touches[i]);
        x += l;
        if (i + 1 < touches.size()) {
            p.setPen(Qt::white);
            p.drawText(QRectF(x, centre.y() - 22, 30, 44), Qt::AlignCenter, QStringLiteral("+"));
            x += 30;
        }
    }
    p.restore();
}

void dessinerLegende(QPainter& p, const QString& texte, double apparition)
{
    if (apparition <= 0 || texte.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setOpacity(borne(apparition * 3));
    const QFont f = police(15, true);
    const double l = QFontMetricsF(f).horizontalAdvance(texte) + 36;
    const QRectF r((largeur - l) / 2, yOnglets - 44, l, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x3a, 0x5f, 230));
    p.drawRoundedRect(r, 8, 8);
    p.setPen(Qt::white);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, texte);
    p.restore();
}

void dessinerCarte(QPainter& p, const QRect& r, const QString& titre, const QStringList& lignes, double apparition)
{
    if (apparition <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setOpacity(borne(apparition * 2));
    p.setPen(QPen(QColor(0x1f, 0x3a, 0x5f), 2));
    p.setBrush(QColor(0xff, 0xfd, 0xf4));
    p.drawRoundedRect(r, 10, 10);
    p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 2, 30), QColor(0x1f, 0x3a, 0x5f));
    p.setPen(Qt::white);
    p.setFont(police(15, true));
    p.drawText(QRect(r.left(), r.top(), r.width(), 31), Qt::AlignCenter, titre);
    p.setFont(police(14));
    p.setPen(QColor(0x20, 0x20, 0x20));
    int y = r.top() + 42;
    const int n = int(std::ceil(borne(apparition) * lignes.size() - 0.001));
    for (int i = 0; i < n; ++i) {
        const QStringList m = lignes[i].split(u'|');
        if (m.size() == 2) {
            p.setFont(police(14, true));
            p.setPen(QColor(0xb0, 0x20, 0x20));
            p.drawText(QRect(r.left() + 18, y, 120, 24), Qt::AlignVCenter | Qt::AlignLeft, m[0]);
            p.setFont(police(14));
            p.setPen(QColor(0x20, 0x20, 0x20));
            p.drawText(QRect(r.left() + 140, y, r.width() - 150, 24), Qt::AlignVCenter | Qt::AlignLeft, m[1]);
        } else {
            p.drawText(QRect(r.left() + 18, y, r.width() - 30, 24), Qt::AlignVCenter | Qt::AlignLeft, lignes[i]);
        }
        y += 28;
    }
    p.restore();
}

void dessinerHistogramme(QPainter& p, const QRect& r, const QString& titre, const QStringList& categories,
                         const QVector<Serie>& series, double croissance)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(police(13, true));
    p.drawText(QRect(r.left(), r.top() + 4, r.width(), 20), Qt::AlignCenter, titre);
    double max = 0;
    for (const Serie& s : series)
        for (double v : s.valeurs)
            max = std::max(max, v);
    const double pas = max > 5000 ? 2000 : max > 1000 ? 500 : 100;
    const double haut = std::ceil(max / pas) * pas;
    const QRectF zone(r.left() + 48, r.top() + 32, r.width() - 60, r.height() - 80);
    p.setFont(police(10));
    for (double v = 0; v <= haut + 1; v += pas) {
        const double y = zone.bottom() - v / haut * zone.height();
        p.setPen(QColor(0xe0, 0xe0, 0xe0));
        p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
        p.setPen(QColor(0x50, 0x50, 0x50));
        p.drawText(QRectF(r.left(), y - 8, 44, 16), Qt::AlignVCenter | Qt::AlignRight, groupe(int(v)));
    }
    const int nc = int(categories.size()), ns = int(series.size());
    const double lc = zone.width() / nc;
    const double lb = lc * 0.7 / ns;
    for (int c = 0; c < nc; ++c) {
        for (int s = 0; s < ns; ++s) {
            const double v = series[s].valeurs.value(c) * lisse(fenetre(croissance, c * 0.12, c * 0.12 + 0.64));
            const double h = v / haut * zone.height();
            const QRectF b(zone.left() + c * lc + lc * 0.15 + s * lb, zone.bottom() - h, lb - 2, h);
            p.setPen(Qt::NoPen);
            p.setBrush(series[s].couleur);
            p.drawRect(b);
        }
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.drawText(QRectF(zone.left() + c * lc, zone.bottom() + 2, lc, 16), Qt::AlignCenter, categories[c]);
    }
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawLine(zone.bottomLeft(), zone.bottomRight());
    // legend under the chart
    double x = r.left() + r.width() / 2.0 - 120;
    for (const Serie& s : series) {
        p.fillRect(QRectF(x, r.bottom() - 22, 12, 12), s.couleur);
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.drawText(QRectF(x + 16, r.bottom() - 26, 110, 20), Qt::AlignVCenter | Qt::AlignLeft, s.nom);
        x += 130;
    }
    p.restore();
}

void dessinerSecteurs(QPainter& p, const QRect& r, const QString& titre, const QStringList& libelles,
                      const QVector<double>& valeurs, const QVector<QColor>& couleurs, double croissance)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(police(13, true));
    p.drawText(QRect(r.left(), r.top() + 4, r.width(), 20), Qt::AlignCenter, titre);
    double total = 0;
    for (double v : valeurs)
        total += v;
    const double d = std::min(r.width() * 0.5, r.height() - 50.0);
    const QRectF disque(r.left() + 16, r.top() + 34, d, d);
    double angle = 90 * 16;
    const double balayage = lisse(croissance);
    for (int i = 0; i < valeurs.size(); ++i) {
        const double part = -valeurs[i] / total * 360 * 16 * balayage;
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(couleurs[i]);
        p.drawPie(disque, int(angle), int(part));
        angle += part;
    }
    p.setFont(police(12));
    for (int i = 0; i < libelles.size(); ++i) {
        const double y = r.top() + 50 + i * 24;
        p.fillRect(QRectF(disque.right() + 16, y, 12, 12), couleurs[i]);
        p.setPen(QColor(0x30, 0x30, 0x30));
        p.drawText(QRectF(disque.right() + 34, y - 4, r.right() - disque.right() - 36, 20), Qt::AlignVCenter | Qt::AlignLeft,
                   libelles[i]);
    }
    p.restore();
}

void dessinerCarteTitre(QPainter& p, const Carte& c, double apparitionPoints, double apparitionPied)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, hauteur);
    g.setColorAt(0, QColor(0x1f, 0x3a, 0x5f));
    g.setColorAt(1, QColor(0x0e, 0x1c, 0x30));
    p.fillRect(0, 0, largeur, hauteur, g);
    // a faint grid, as a sheet seen from afar
    p.setPen(QColor(255, 255, 255, 16));
    for (int x = 0; x < largeur; x += 40)
        p.drawLine(x, 0, x, hauteur);
    for (int y = 0; y < hauteur; y += 20)
        p.drawLine(0, y, largeur, y);
    p.setPen(QColor(0xf0, 0xb0, 0x40));
    p.setFont(police(15, true));
    p.drawText(QRect(0, 26, largeur, 24), Qt::AlignCenter, c.surtitre);
    p.setPen(Qt::white);
    p.setFont(police(46, true));
    p.drawText(QRect(0, 62, largeur, 60), Qt::AlignCenter, c.titre);
    p.setPen(QColor(0xcf, 0xdc, 0xee));
    p.setFont(police(19));
    p.drawText(QRect(0, 124, largeur, 30), Qt::AlignCenter, c.sousTitre);
    p.setPen(QPen(QColor(0xf0, 0xb0, 0x40), 2));
    p.drawLine(180, 166, largeur - 180, 166);

    const int n = int(c.points.size());
    for (int i = 0; i < n; ++i) {
        const double a = fenetre(apparitionPoints, double(i) / n, double(i + 1) / n);
        if (a <= 0)
            continue;
        p.setOpacity(a);
        const int y = 186 + i * 34;
        const int dx = int((1 - lisse(a)) * 30);
        p.setBrush(QColor(0xf0, 0xb0, 0x40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(118 + dx, y + 12), 5, 5);
        p.setPen(Qt::white);
        p.setFont(police(19));
        p.drawText(QRect(134 + dx, y, largeur - 170, 26), Qt::AlignVCenter | Qt::AlignLeft, c.points[i]);
    }
    p.setOpacity(1);
    if (apparitionPied > 0) {
        p.setOpacity(borne(apparitionPied * 2));
        const QRectF bande(60, 372, largeur - 120, 44);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawRoundedRect(bande, 10, 10);
        p.setPen(QColor(0x1f, 0x3a, 0x5f));
        p.setFont(police(20, true));
        p.drawText(bande, Qt::AlignCenter, c.pied);
        for (int i = 0; i < c.pastilles.size(); ++i) {
            const double a = fenetre(apparitionPied, 0.3 + i * 0.2, 0.5 + i * 0.2);
            if (a <= 0)
                continue;
            const double rayon = 18 * (0.6 + 0.4 * lisse(a));
            const QPointF centre(largeur / 2.0 + (i - 1) * 70, 446);
            p.setOpacity(a);
            p.setBrush(QColor(0xe8, 0x6a, 0x10));
            p.drawEllipse(centre, rayon, rayon);
            p.setPen(Qt::white);
            p.setFont(police(20, true));
            p.drawText(QRectF(centre.x() - 20, centre.y() - 20, 40, 40), Qt::AlignCenter, c.pastilles[i]);
            p.setPen(Qt::NoPen);
        }
    }
    p.restore();
}

} // namespace video
