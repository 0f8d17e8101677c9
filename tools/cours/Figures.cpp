#include "Figures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QtMath>
#include <algorithm>
#include <functional>

namespace {

const QColor encre(40, 40, 40);
const QColor bordure(150, 150, 150);
const QColor interfaceGris(239, 239, 239);
const QColor entetes(225, 228, 232);
const QColor selection(198, 220, 243);
const QColor accent(32, 96, 170);
const QColor repere(200, 30, 40);

QFont fonte(double unites, bool gras = false, bool mono = false)
{
    QFont f(mono ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans"));
    f.setPixelSize(qMax(1, qRound(unites)));
    f.setBold(gras);
    return f;
}

// "clé: valeur" lines of a figure
QMap<QString, QString> parametres(const Figure &f)
{
    QMap<QString, QString> m;
    for (const QString &l : f.lignes) {
        if (l.startsWith('|') || l.startsWith("- ") || l.startsWith("+ "))
            continue;
        const int i = l.indexOf(':');
        if (i > 0 && !l.left(i).contains(' '))
            m.insert(l.left(i).trimmed().toLower(), l.mid(i + 1).trimmed());
    }
    return m;
}

QStringList liste(const QString &s, QChar sep = ',')
{
    QStringList r;
    for (const QString &e : s.split(sep))
        if (!e.trimmed().isEmpty())
            r << e.trimmed();
    return r;
}

bool oui(const QString &s) { return s.compare("oui", Qt::CaseInsensitive) == 0; }

// Cell reference "B12" -> column 1, row 11; returns false when malformed.
bool cellule(const QString &ref, int &col, int &lig)
{
    static const QRegularExpression re(QStringLiteral("^([A-Z])(\\d+)$"));
    const auto m = re.match(ref.trimmed().toUpper());
    if (!m.hasMatch())
        return false;
    col = m.captured(1)[0].unicode() - 'A';
    lig = m.captured(2).toInt() - 1;
    return lig >= 0;
}

bool plage(const QString &ref, QRect &r)
{
    const QStringList p = ref.split(':');
    int c1, l1, c2, l2;
    if (!cellule(p[0], c1, l1))
        return false;
    c2 = c1;
    l2 = l1;
    if (p.size() == 2 && !cellule(p[1], c2, l2))
        return false;
    r = QRect(QPoint(qMin(c1, c2), qMin(l1, l2)), QPoint(qMax(c1, c2), qMax(l1, l2)));
    return true;
}

void texte(QPainter &p, const QRectF &r, const QString &s, int align, double taille,
           bool gras = false, QColor c = encre)
{
    p.setFont(fonte(taille, gras));
    p.setPen(c);
    p.drawText(r, align | Qt::TextSingleLine, s);
}

void pastille(QPainter &p, QPointF c, int n)
{
    p.save();
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(repere);
    p.drawEllipse(c, 17, 17);
    texte(p, QRectF(c.x() - 17, c.y() - 17, 34, 34), QString::number(n), Qt::AlignCenter, 20, true,
          Qt::white);
    p.restore();
}

double hauteurLegende(const Figure &f) { return f.numero > 0 ? 46 : 8; }

void legende(QPainter &p, const Figure &f, double y)
{
    if (f.numero <= 0)
        return;
    p.setFont(fonte(20));
    QFont it = p.font();
    it.setItalic(true);
    p.setFont(it);
    p.setPen(QColor(70, 70, 70));
    p.drawText(QRectF(0, y + 10, largeurFigure, 30), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Figure %1 – %2").arg(f.numero).arg(f.legende));
}

// ---- spreadsheet grid -------------------------------------------------------

struct Grille
{
    QList<QStringList> cellules;
    int colonnes = 0, lignes = 0;
    QList<double> largeurs; // units
    bool avecBarre = true, avecOnglets = false;
};

Grille grille(const Figure &f)
{
    const auto par = parametres(f);
    Grille g;
    for (const QString &l : f.lignes) {
        if (!l.startsWith('|'))
            continue;
        QString c = l.mid(1);
        if (c.endsWith('|'))
            c.chop(1);
        QStringList cells;
        for (const QString &x : c.split('|'))
            cells << x.trimmed();
        g.cellules << cells;
        g.colonnes = qMax(g.colonnes, int(cells.size()));
    }
    g.colonnes = qMax(g.colonnes, par.value("colonnes").toInt());
    g.lignes = qMax(int(g.cellules.size()), par.value("lignes").toInt());
    g.colonnes = qMax(g.colonnes, 1);
    g.lignes = qMax(g.lignes, 1);
    const QStringList l = liste(par.value("largeurs"));
    double total = 0;
    for (int i = 0; i < g.colonnes; ++i)
        total += i < l.size() ? l[i].toDouble() : 1.0;
    for (int i = 0; i < g.colonnes; ++i)
        g.largeurs << (i < l.size() ? l[i].toDouble() : 1.0) / total * (largeurFigure - 50);
    g.avecBarre = !par.contains("barre") || oui(par.value("barre"));
    g.avecOnglets = par.contains("onglets");
    return g;
}

constexpr double hBarre = 48, hEntete = 30, hLigne = 33, hOnglets = 38, lEnteteLignes = 50;

bool nombre(const QString &s)
{
    // French input: decimal comma; a point makes a text, as in the program taught
    static const QRegularExpression re(
        QStringLiteral("^[-+]?[0-9][0-9  ]*(,[0-9]+)?\\s?(€|%)?$|^\\d{1,2}/\\d{1,2}/\\d{2,4}$"));
    return re.match(s).hasMatch();
}

void barreFormule(QPainter &p, double y, const QString &nom, const QString &formule)
{
    p.setPen(QPen(bordure, 1.5));
    p.setBrush(interfaceGris);
    p.drawRect(QRectF(0, y, largeurFigure, hBarre - 8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, y + 6, 120, hBarre - 20));
    texte(p, QRectF(12, y + 6, 100, hBarre - 20), nom, Qt::AlignVCenter | Qt::AlignLeft, 19);
    texte(p, QRectF(120, y + 6, 10, hBarre - 20), QStringLiteral("▾"), Qt::AlignCenter, 14);
    const QStringList icones{QStringLiteral("fx"), QStringLiteral("Σ"), QStringLiteral("=")};
    for (int i = 0; i < 3; ++i)
        texte(p, QRectF(140 + i * 38, y + 6, 34, hBarre - 20), icones[i], Qt::AlignCenter, 20, true,
              QColor(60, 60, 60));
    p.setPen(QPen(bordure, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(262, y + 6, largeurFigure - 268, hBarre - 20));
    p.setFont(fonte(19, false, formule.startsWith('=')));
    p.setPen(encre);
    p.drawText(QRectF(270, y + 6, largeurFigure - 280, hBarre - 20),
               Qt::AlignVCenter | Qt::AlignLeft, formule);
}

void dessinerGrille(QPainter &p, const Grille &g, const QMap<QString, QString> &par, double y0)
{
    const double y = y0;
    const double hauteur = hEntete + g.lignes * hLigne;
    QRect sel, actif;
    const bool aSel = plage(par.value("sel"), sel);
    const bool aActif = plage(par.value("actif"), actif);
    QList<double> x{lEnteteLignes};
    for (double l : g.largeurs)
        x << x.back() + l;
    auto caseRect = [&](int c, int l) {
        return QRectF(x[c], y + hEntete + l * hLigne, x[c + 1] - x[c], hLigne);
    };
    // headings
    p.setPen(Qt::NoPen);
    p.setBrush(entetes);
    p.drawRect(QRectF(0, y, largeurFigure, hEntete));
    p.drawRect(QRectF(0, y, lEnteteLignes, hauteur));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(lEnteteLignes, y + hEntete, x.back() - lEnteteLignes, hauteur - hEntete));
    // fills: "fond: B2:D2 #ffe699; A5 #eeeeee"
    const QStringList fonds = liste(par.value("fond"), ';');
    for (const QString &fd : fonds) {
        const QStringList parts = fd.split(' ', Qt::SkipEmptyParts);
        QRect r;
        if (parts.size() == 2 && plage(parts[0], r)) {
            p.setBrush(QColor(parts[1]));
            p.drawRect(caseRect(r.left(), r.top()).united(caseRect(r.right(), r.bottom())));
        }
    }
    const bool entete = oui(par.value("entete"));
    if (entete) {
        p.setBrush(QColor(221, 235, 247));
        p.drawRect(QRectF(x[0], y + hEntete, x.back() - x[0], hLigne));
    }
    if (aSel) {
        p.setBrush(selection);
        p.drawRect(caseRect(sel.left(), sel.top()).united(caseRect(sel.right(), sel.bottom())));
        p.setBrush(QColor(160, 190, 225));
        for (int c = sel.left(); c <= sel.right() && c < g.colonnes; ++c)
            p.drawRect(QRectF(x[c], y, x[c + 1] - x[c], hEntete));
        for (int l = sel.top(); l <= sel.bottom() && l < g.lignes; ++l)
            p.drawRect(QRectF(0, y + hEntete + l * hLigne, lEnteteLignes, hLigne));
    }
    // grid lines
    p.setPen(QPen(QColor(205, 205, 205), 1));
    for (int c = 0; c <= g.colonnes; ++c)
        p.drawLine(QPointF(x[c], y), QPointF(x[c], y + hauteur));
    for (int l = 0; l <= g.lignes; ++l)
        p.drawLine(QPointF(0, y + hEntete + l * hLigne), QPointF(x.back(), y + hEntete + l * hLigne));
    p.setPen(QPen(bordure, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, y, x.back(), hauteur));
    for (int c = 0; c < g.colonnes; ++c)
        texte(p, QRectF(x[c], y, x[c + 1] - x[c], hEntete), QString(QChar('A' + c)), Qt::AlignCenter,
              18, false, QColor(70, 70, 70));
    for (int l = 0; l < g.lignes; ++l)
        texte(p, QRectF(0, y + hEntete + l * hLigne, lEnteteLignes, hLigne), QString::number(l + 1),
              Qt::AlignCenter, 18, false, QColor(70, 70, 70));
    // contents
    const bool filtre = oui(par.value("filtre"));
    for (int l = 0; l < g.cellules.size(); ++l) {
        for (int c = 0; c < g.cellules[l].size(); ++c) {
            QString s = g.cellules[l][c];
            bool gras = entete && l == 0;
            if (s.startsWith("**") && s.endsWith("**") && s.size() > 4) {
                s = s.mid(2, s.size() - 4);
                gras = true;
            }
            QRectF r = caseRect(c, l).adjusted(6, 0, -6, 0);
            if (filtre && l == 0)
                r.adjust(0, 0, -24, 0);
            const int align = (nombre(s) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            p.setFont(fonte(19, gras, s.startsWith('=')));
            p.setPen(encre);
            p.save();
            p.setClipRect(caseRect(c, l).adjusted(0, 0, 400, 0));
            p.drawText(r.adjusted(0, 0, s.startsWith('=') ? 400 : 0, 0), align | Qt::TextSingleLine, s);
            p.restore();
        }
        if (filtre && l == 0) {
            for (int c = 0; c < g.colonnes; ++c) {
                const QRectF b(x[c + 1] - 26, y + hEntete + 5, 22, hLigne - 10);
                p.setPen(QPen(bordure, 1));
                p.setBrush(interfaceGris);
                p.drawRect(b);
                texte(p, b, QStringLiteral("▾"), Qt::AlignCenter, 16);
            }
        }
    }
    if (aActif || aSel) {
        const QRect r = aActif ? actif : sel;
        const QRectF cadre = caseRect(r.left(), r.top()).united(caseRect(r.right(), r.bottom()));
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cadre);
        if (oui(par.value("poignee"))) {
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(Qt::black);
            p.drawRect(QRectF(cadre.right() - 5, cadre.bottom() - 5, 10, 10));
        }
    }
    if (g.avecOnglets) {
        const double yo = y + hauteur + 4;
        p.setPen(QPen(bordure, 1));
        p.setBrush(interfaceGris);
        p.drawRect(QRectF(0, yo, largeurFigure, hOnglets - 6));
        double xo = 70;
        texte(p, QRectF(10, yo, 50, hOnglets - 6), QStringLiteral("+"), Qt::AlignCenter, 24, true);
        for (QString o : liste(par.value("onglets"))) {
            const bool courant = o.endsWith('*');
            if (courant)
                o.chop(1);
            const double l = QFontMetricsF(fonte(18, courant)).horizontalAdvance(o) + 36;
            p.setPen(QPen(bordure, 1));
            p.setBrush(courant ? Qt::white : QColor(215, 215, 215));
            p.drawRect(QRectF(xo, yo, l, hOnglets - 10));
            texte(p, QRectF(xo, yo, l, hOnglets - 10), o, Qt::AlignCenter, 18, courant);
            xo += l + 4;
        }
    }
}

double hauteurTableur(const Figure &f)
{
    const Grille g = grille(f);
    return (g.avecBarre ? hBarre : 0) + hEntete + g.lignes * hLigne + (g.avecOnglets ? hOnglets + 4 : 0);
}

void dessinerTableur(QPainter &p, const Figure &f)
{
    const auto par = parametres(f);
    const Grille g = grille(f);
    double y = 0;
    if (g.avecBarre) {
        QString nom = par.value("nom");
        if (nom.isEmpty())
            nom = par.value("actif", par.value("sel", "A1"));
        barreFormule(p, 0, nom, par.value("formule"));
        y = hBarre;
    }
    dessinerGrille(p, g, par, y);
}

// ---- the whole window, with numbered callouts ---------------------------------

const QStringList menusCalc{"Fichier", "Édition", "Affichage", "Insertion", "Format", "Styles",
                            "Feuille", "Données", "Outils", "Fenêtre", "Aide"};

void barreMenus(QPainter &p, double y, double h, const QString &ouvert, QMap<QString, QRectF> *places)
{
    p.setPen(Qt::NoPen);
    p.setBrush(interfaceGris);
    p.drawRect(QRectF(0, y, largeurFigure, h));
    double x = 12;
    for (const QString &m : menusCalc) {
        const double l = QFontMetricsF(fonte(19)).horizontalAdvance(m) + 22;
        const QRectF r(x, y + 2, l, h - 4);
        if (m == ouvert) {
            p.setPen(QPen(accent, 1));
            p.setBrush(selection);
            p.drawRect(r);
        }
        texte(p, r, m, Qt::AlignCenter, 19);
        if (places)
            places->insert(m, r);
        x += l;
    }
}

void icone(QPainter &p, QRectF r, int genre)
{
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    const QColor couleurs[] = {QColor(70, 130, 200), QColor(240, 190, 60), QColor(90, 170, 90),
                               QColor(200, 80, 70), QColor(150, 110, 190)};
    p.setBrush(couleurs[genre % 5]);
    switch (genre % 4) {
    case 0: p.drawRect(r.adjusted(6, 5, -6, -5)); break;
    case 1: p.drawEllipse(r.adjusted(6, 6, -6, -6)); break;
    case 2: p.drawRoundedRect(r.adjusted(5, 7, -5, -7), 3, 3); break;
    default: {
        QPolygonF t{QPointF(r.center().x(), r.top() + 6), QPointF(r.right() - 6, r.bottom() - 6),
                    QPointF(r.left() + 6, r.bottom() - 6)};
        p.drawPolygon(t);
    }
    }
    p.restore();
}

constexpr double hFenetre = 640;
double hauteurFenetre(const Figure &) { return hFenetre; }

void dessinerFenetre(QPainter &p, const Figure &f)
{
    const auto par = parametres(f);
    QMap<QString, QPointF> ancres;
    // title bar
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 58, 66));
    p.drawRect(QRectF(0, 0, largeurFigure, 36));
    texte(p, QRectF(0, 0, largeurFigure, 36), par.value("titre", "Sans nom 1 - LibreOffice Calc"),
          Qt::AlignCenter, 19, true, Qt::white);
    for (int i = 0; i < 3; ++i)
        texte(p, QRectF(largeurFigure - 110 + i * 36, 0, 36, 36),
              QStringList{"–", "□", "✕"}[i], Qt::AlignCenter, 20, false, Qt::white);
    ancres["titre"] = QPointF(240, 18);
    barreMenus(p, 36, 32, QString(), nullptr);
    ancres["menus"] = QPointF(800, 52);
    // standard toolbar
    p.setPen(Qt::NoPen);
    p.setBrush(interfaceGris.darker(103));
    p.drawRect(QRectF(0, 68, largeurFigure, 40));
    for (int i = 0; i < 22; ++i)
        icone(p, QRectF(12 + i * 38 + (i / 5) * 10, 70, 36, 36), i);
    ancres["outils"] = QPointF(960, 88);
    // formatting toolbar
    p.setBrush(interfaceGris.darker(103));
    p.drawRect(QRectF(0, 108, largeurFigure, 40));
    p.setPen(QPen(bordure, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 114, 190, 28));
    texte(p, QRectF(18, 114, 180, 28), "Liberation Sans", Qt::AlignVCenter | Qt::AlignLeft, 17);
    p.drawRect(QRectF(210, 114, 56, 28));
    texte(p, QRectF(210, 114, 56, 28), "10 pt", Qt::AlignCenter, 17);
    const QStringList styles{"G", "I", "S"};
    for (int i = 0; i < 3; ++i) {
        QFont ft = fonte(20, i == 0);
        ft.setItalic(i == 1);
        ft.setUnderline(i == 2);
        p.setFont(ft);
        p.setPen(encre);
        p.drawText(QRectF(280 + i * 36, 112, 34, 32), Qt::AlignCenter, styles[i]);
    }
    for (int i = 0; i < 12; ++i)
        icone(p, QRectF(400 + i * 38, 110, 36, 36), i + 3);
    ancres["format"] = QPointF(960, 128);
    barreFormule(p, 152, QStringLiteral("A1"), QString());
    ancres["nom"] = QPointF(66, 172);
    ancres["formule"] = QPointF(600, 172);
    // grid
    Figure g;
    g.lignes = QStringList{"colonnes: 9", "lignes: 10", "actif: A1"};
    const Grille gr = grille(g);
    dessinerGrille(p, gr, parametres(g), 196);
    ancres["colonnes"] = QPointF(lEnteteLignes + gr.largeurs[0] * 3.5, 211);
    ancres["lignes"] = QPointF(25, 196 + hEntete + hLigne * 5.5);
    ancres["cellule"] = QPointF(lEnteteLignes + gr.largeurs[0] + 6, 196 + hEntete + hLigne * 0.5);
    const double yb = 196 + hEntete + 10 * hLigne;
    // sheet tabs and status bar
    p.setPen(Qt::NoPen);
    p.setBrush(interfaceGris);
    p.drawRect(QRectF(0, yb, largeurFigure, hFenetre - yb));
    p.setPen(QPen(bordure, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(60, yb + 4, 120, 30));
    texte(p, QRectF(60, yb + 4, 120, 30), "Feuille1", Qt::AlignCenter, 18, true);
    texte(p, QRectF(12, yb + 4, 40, 30), "+", Qt::AlignCenter, 24, true);
    ancres["onglets"] = QPointF(210, yb + 19);
    p.setPen(QPen(bordure, 1));
    p.drawLine(QPointF(0, yb + 40), QPointF(largeurFigure, yb + 40));
    texte(p, QRectF(12, yb + 40, 900, hFenetre - yb - 40),
          "Feuille 1 sur 1        Par défaut        Français (France)        Moyenne : ; Somme : 0",
          Qt::AlignVCenter | Qt::AlignLeft, 17, false, QColor(70, 70, 70));
    texte(p, QRectF(800, yb + 40, 190, hFenetre - yb - 40), "– ——|—— +   100 %",
          Qt::AlignVCenter | Qt::AlignRight, 17, false, QColor(70, 70, 70));
    ancres["etat"] = QPointF(720, yb + 40 + (hFenetre - yb - 40) / 2);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, largeurFigure, hFenetre));
    int n = 1;
    for (const QString &r : liste(par.value("reperes")))
        if (ancres.contains(r))
            pastille(p, ancres[r], n++);
}

// ---- charts -----------------------------------------------------------------

struct Serie
{
    QStringList noms;
    QStringList categories;
    QList<QList<double>> valeurs; // [categorie][serie]
};

Serie serie(const Figure &f)
{
    const auto par = parametres(f);
    Serie s;
    s.noms = liste(par.value("series"), ';');
    static const QStringList reserves{"titre", "series", "unite", "axe"};
    for (const QString &l : f.lignes) {
        const int i = l.indexOf(':');
        if (i <= 0 || reserves.contains(l.left(i).trimmed().toLower()))
            continue;
        QList<double> v;
        for (const QString &x : l.mid(i + 1).split(';'))
            v << QString(x).replace(',', '.').remove(' ').toDouble();
        s.categories << l.left(i).trimmed();
        s.valeurs << v;
    }
    return s;
}

const QColor teintes[] = {QColor(0, 69, 134), QColor(255, 66, 14), QColor(255, 211, 32),
                          QColor(87, 157, 28), QColor(126, 0, 33), QColor(131, 202, 255)};

QString nombreFr(double v)
{
    QString s = QString::number(v, 'f', qFuzzyCompare(v, std::round(v)) ? 0 : 1);
    s.replace('.', ',');
    if (s.size() > 4 && !s.contains(','))
        s.insert(s.size() - 3, QChar(0x202F));
    return s;
}

double hauteurGraphique(const Figure &) { return 520; }

void cadreGraphique(QPainter &p, const QString &titre)
{
    p.setPen(QPen(bordure, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0, 0, largeurFigure, 520));
    texte(p, QRectF(0, 10, largeurFigure, 36), titre, Qt::AlignCenter, 24, true);
}

void legendeSeries(QPainter &p, const QStringList &noms, double y)
{
    if (noms.size() < 2)
        return;
    double total = 0;
    for (const QString &n : noms)
        total += QFontMetricsF(fonte(18)).horizontalAdvance(n) + 60;
    double x = (largeurFigure - total) / 2;
    for (int i = 0; i < noms.size(); ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(teintes[i % 6]);
        p.drawRect(QRectF(x, y + 6, 18, 18));
        const double l = QFontMetricsF(fonte(18)).horizontalAdvance(noms[i]);
        texte(p, QRectF(x + 26, y, l + 10, 30), noms[i], Qt::AlignVCenter | Qt::AlignLeft, 18);
        x += l + 60;
    }
}

void dessinerAxes(QPainter &p, const Figure &f, bool courbe)
{
    const auto par = parametres(f);
    const Serie s = serie(f);
    cadreGraphique(p, par.value("titre"));
    const int ns = qMax(1, int(s.noms.size()));
    double max = 0;
    for (const auto &v : s.valeurs)
        for (double x : v)
            max = qMax(max, x);
    const double brut = max / 5;
    const double puissance = std::pow(10.0, std::floor(std::log10(qMax(brut, 1e-9))));
    double pas = puissance;
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * puissance >= brut) {
            pas = m * puissance;
            break;
        }
    const double haut = std::ceil(max / pas) * pas;
    const QRectF zone(110, 60, largeurFigure - 140, s.noms.size() > 1 ? 370 : 400);
    p.setPen(QPen(QColor(220, 220, 220), 1));
    for (double v = 0; v <= haut + 1e-9; v += pas) {
        const double y = zone.bottom() - v / haut * zone.height();
        p.setPen(QPen(QColor(220, 220, 220), 1));
        p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
        texte(p, QRectF(0, y - 14, zone.left() - 10, 28), nombreFr(v), Qt::AlignRight | Qt::AlignVCenter,
              17, false, QColor(80, 80, 80));
    }
    if (par.contains("unite"))
        texte(p, QRectF(10, 30, 200, 26), par.value("unite"), Qt::AlignLeft | Qt::AlignVCenter, 17,
              false, QColor(80, 80, 80));
    const int nc = qMax(1, int(s.categories.size()));
    const double lc = zone.width() / nc;
    for (int c = 0; c < s.categories.size(); ++c)
        texte(p, QRectF(zone.left() + c * lc, zone.bottom() + 6, lc, 28), s.categories[c],
              Qt::AlignHCenter | Qt::AlignTop, 17);
    for (int k = 0; k < ns; ++k) {
        QPolygonF ligne;
        for (int c = 0; c < s.categories.size(); ++c) {
            const double v = s.valeurs[c].value(k);
            const double h = v / haut * zone.height();
            if (courbe) {
                ligne << QPointF(zone.left() + (c + 0.5) * lc, zone.bottom() - h);
            } else {
                const double lb = lc * 0.7 / ns;
                const QRectF barre(zone.left() + c * lc + lc * 0.15 + k * lb, zone.bottom() - h, lb, h);
                p.setPen(Qt::NoPen);
                p.setBrush(teintes[k % 6]);
                p.drawRect(barre);
            }
        }
        if (courbe) {
            p.setPen(QPen(teintes[k % 6], 4));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(ligne);
            p.setBrush(teintes[k % 6]);
            for (const QPointF &pt : ligne)
                p.drawEllipse(pt, 6, 6);
        }
    }
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.drawLine(zone.bottomLeft(), zone.bottomRight());
    p.drawLine(zone.bottomLeft(), zone.topLeft());
    legendeSeries(p, s.noms, 478);
}

void dessinerSecteurs(QPainter &p, const Figure &f)
{
    const auto par = parametres(f);
    const Serie s = serie(f);
    cadreGraphique(p, par.value("titre"));
    double total = 0;
    for (const auto &v : s.valeurs)
        total += v.value(0);
    const QRectF disque(110, 80, 400, 400);
    double angle = 90 * 16;
    for (int c = 0; c < s.categories.size(); ++c) {
        const double part = s.valeurs[c].value(0) / total;
        const double etendue = -part * 360 * 16;
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(teintes[c % 6]);
        p.drawPie(disque, int(angle), int(etendue));
        const double milieu = (angle + etendue / 2) / 16 * M_PI / 180;
        const QPointF lieu = disque.center() + QPointF(std::cos(milieu), -std::sin(milieu)) * 140;
        texte(p, QRectF(lieu.x() - 50, lieu.y() - 16, 100, 32),
              QStringLiteral("%1 %").arg(qRound(part * 100)), Qt::AlignCenter, 20, true,
              c % 6 == 2 || c % 6 == 5 ? encre : Qt::white);
        angle += etendue;
        p.setPen(Qt::NoPen);
        p.setBrush(teintes[c % 6]);
        p.drawRect(QRectF(600, 150 + c * 44, 24, 24));
        texte(p, QRectF(636, 144 + c * 44, 360, 36), s.categories[c], Qt::AlignVCenter | Qt::AlignLeft,
              19);
    }
}

// ---- opened menu ------------------------------------------------------------

double hauteurMenu(const Figure &f)
{
    int n = 0;
    for (const QString &l : f.lignes)
        n += l.startsWith("- ") ? 1 : 0;
    int m = 0;
    for (const QString &l : f.lignes)
        m += l.startsWith("+ ") ? 1 : 0;
    return 60 + qMax(n, m + 2) * 34 + 20;
}

void dessinerMenu(QPainter &p, const Figure &f)
{
    const auto par = parametres(f);
    const double h = hauteurMenu(f);
    p.setPen(QPen(bordure, 1.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(0, 0, largeurFigure, h));
    QMap<QString, QRectF> places;
    const QString ouvert = par.value("ouvert");
    barreMenus(p, 2, 36, ouvert, &places);
    const QRectF titre = places.value(ouvert, QRectF(12, 2, 80, 36));
    QStringList items, sous;
    for (const QString &l : f.lignes) {
        if (l.startsWith("- "))
            items << l.mid(2);
        if (l.startsWith("+ "))
            sous << l.mid(2);
    }
    auto liste = [&](QPointF coin, const QStringList &entrees, double *yChoisi) {
        double l = 330;
        for (const QString &e : entrees) {
            const QStringList parts = e.split('|');
            const double t = QFontMetricsF(fonte(19, true)).horizontalAdvance(parts[0])
                             + (parts.size() > 1 ? QFontMetricsF(fonte(17)).horizontalAdvance(parts[1]) + 30 : 0);
            l = qMax(l, t + 70);
        }
        p.setPen(QPen(bordure, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(coin.x(), coin.y(), l, entrees.size() * 34 + 8));
        double y = coin.y() + 4;
        for (QString e : entrees) {
            if (e == "---") {
                p.setPen(QPen(QColor(210, 210, 210), 1));
                p.drawLine(QPointF(coin.x() + 10, y + 17), QPointF(coin.x() + l - 10, y + 17));
                y += 34;
                continue;
            }
            QStringList parts = e.split('|');
            const bool choisi = parts[0].trimmed().endsWith('*') || e.endsWith('*');
            if (parts[0].trimmed().endsWith('*'))
                parts[0] = parts[0].trimmed().chopped(1);
            else if (e.endsWith('*'))
                parts.back().chop(1);
            if (choisi) {
                p.setPen(Qt::NoPen);
                p.setBrush(selection);
                p.drawRect(QRectF(coin.x() + 3, y, l - 6, 34));
                if (yChoisi)
                    *yChoisi = y;
            }
            texte(p, QRectF(coin.x() + 40, y, l - 50, 34), parts[0].trimmed(),
                  Qt::AlignVCenter | Qt::AlignLeft, 19, choisi);
            if (parts.size() > 1)
                texte(p, QRectF(coin.x() + 40, y, l - 56, 34), parts[1].trimmed(),
                      Qt::AlignVCenter | Qt::AlignRight, 17, false, QColor(90, 90, 90));
            y += 34;
        }
        return l;
    };
    double yChoisi = -1;
    const double largeur = liste(QPointF(titre.left(), titre.bottom() + 2), items, &yChoisi);
    if (!sous.isEmpty() && yChoisi >= 0) {
        texte(p, QRectF(titre.left() + largeur - 30, yChoisi, 26, 34), QStringLiteral("▸"), Qt::AlignCenter, 20);
        liste(QPointF(titre.left() + largeur, yChoisi - 4), sous, nullptr);
    }
}

// ---- dialogue box -----------------------------------------------------------

struct LigneDialogue { int genre; QString a, b; }; // 0 field, 1 check, 2 radio, 3 section

QList<LigneDialogue> lignesDialogue(const Figure &f)
{
    QList<LigneDialogue> r;
    for (const QString &l : f.lignes) {
        if (l.startsWith("[x] ") || l.startsWith("[ ] "))
            r << LigneDialogue{1, l.left(3), l.mid(4)};
        else if (l.startsWith("(o) ") || l.startsWith("( ) "))
            r << LigneDialogue{2, l.left(3), l.mid(4)};
        else if (l.startsWith("# "))
            r << LigneDialogue{3, l.mid(2), {}};
        else if (l.contains(" = "))
            r << LigneDialogue{0, l.section(" = ", 0, 0), l.section(" = ", 1)};
    }
    return r;
}

double hauteurDialogue(const Figure &f) { return 150 + lignesDialogue(f).size() * 40 + 70; }

void dessinerDialogue(QPainter &p, const Figure &f)
{
    const auto par = parametres(f);
    const double h = hauteurDialogue(f);
    const QRectF cadre(50, 0, 900, h);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(interfaceGris);
    p.drawRect(cadre);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 58, 66));
    p.drawRect(QRectF(cadre.left(), 0, cadre.width(), 38));
    texte(p, QRectF(cadre.left(), 0, cadre.width(), 38), par.value("titre"), Qt::AlignCenter, 20,
          true, Qt::white);
    double x = cadre.left() + 20;
    const QStringList onglets = liste(par.value("onglets"));
    // the tab row shrinks its type to stay inside the box
    double taille = 18;
    for (; taille > 12; taille -= 1) {
        double total = 0;
        for (const QString &o : onglets)
            total += QFontMetricsF(fonte(taille, true)).horizontalAdvance(o) + 22;
        if (total <= cadre.width() - 40)
            break;
    }
    for (QString o : onglets) {
        const bool courant = o.endsWith('*');
        if (courant)
            o.chop(1);
        const double l = QFontMetricsF(fonte(taille, courant)).horizontalAdvance(o) + 20;
        p.setPen(QPen(bordure, 1));
        p.setBrush(courant ? QColor(250, 250, 250) : QColor(225, 225, 225));
        p.drawRect(QRectF(x, 50, l, 34));
        texte(p, QRectF(x, 50, l, 34), o, Qt::AlignCenter, taille, courant);
        x += l + 2;
    }
    const double y0 = onglets.isEmpty() ? 56 : 84;
    p.setPen(QPen(bordure, 1));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(cadre.left() + 20, y0, cadre.width() - 40, h - y0 - 70));
    double y = y0 + 20;
    for (const auto &l : lignesDialogue(f)) {
        switch (l.genre) {
        case 0:
            texte(p, QRectF(cadre.left() + 44, y, 300, 32), l.a, Qt::AlignVCenter | Qt::AlignLeft, 18);
            p.setPen(QPen(bordure, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(cadre.left() + 360, y, 380, 32));
            texte(p, QRectF(cadre.left() + 368, y, 360, 32), l.b, Qt::AlignVCenter | Qt::AlignLeft, 18);
            break;
        case 1:
        case 2: {
            const QRectF b(cadre.left() + 44, y + 7, 18, 18);
            p.setPen(QPen(QColor(90, 90, 90), 1.5));
            p.setBrush(Qt::white);
            if (l.genre == 1)
                p.drawRect(b);
            else
                p.drawEllipse(b);
            if (l.a[1] != ' ') {
                p.setBrush(accent);
                p.setPen(Qt::NoPen);
                if (l.genre == 1)
                    p.drawRect(b.adjusted(4, 4, -4, -4));
                else
                    p.drawEllipse(b.adjusted(4, 4, -4, -4));
            }
            texte(p, QRectF(cadre.left() + 74, y, 640, 32), l.b, Qt::AlignVCenter | Qt::AlignLeft, 18);
            break;
        }
        case 3:
            texte(p, QRectF(cadre.left() + 36, y, 640, 32), l.a, Qt::AlignVCenter | Qt::AlignLeft, 18,
                  true, accent);
            break;
        }
        y += 40;
    }
    QStringList boutons = liste(par.value("boutons", "Aide, OK*, Annuler"));
    double xb = cadre.right() - 20;
    for (int i = boutons.size() - 1; i >= 0; --i) {
        QString b = boutons[i];
        const bool defaut = b.endsWith('*');
        if (defaut)
            b.chop(1);
        const QRectF r(xb - 130, h - 54, 130, 38);
        p.setPen(QPen(defaut ? accent : bordure, defaut ? 2.5 : 1));
        p.setBrush(QColor(250, 250, 250));
        p.drawRoundedRect(r, 4, 4);
        texte(p, r, b, Qt::AlignCenter, 18, defaut);
        xb -= 144;
    }
}

struct Genre
{
    const char *nom;
    std::function<double(const Figure &)> hauteur;
    std::function<void(QPainter &, const Figure &)> dessin;
};

const std::vector<Genre> &genres()
{
    static const std::vector<Genre> g{
        {"tableur", hauteurTableur, dessinerTableur},
        {"fenetre", hauteurFenetre, dessinerFenetre},
        {"histogramme", hauteurGraphique, [](QPainter &p, const Figure &f) { dessinerAxes(p, f, false); }},
        {"courbe", hauteurGraphique, [](QPainter &p, const Figure &f) { dessinerAxes(p, f, true); }},
        {"secteurs", hauteurGraphique, dessinerSecteurs},
        {"menu", hauteurMenu, dessinerMenu},
        {"dialogue", hauteurDialogue, dessinerDialogue},
    };
    return g;
}

const Genre *genre(const QString &nom)
{
    for (const auto &g : genres())
        if (nom == QLatin1String(g.nom))
            return &g;
    return nullptr;
}

} // namespace

QString verifierFigure(const Figure &f)
{
    if (!genre(f.genre))
        return QStringLiteral("genre de figure inconnu « %1 »").arg(f.genre);
    if (f.numero > 0 && f.legende.isEmpty())
        return QStringLiteral("figure sans légende");
    const auto par = parametres(f);
    QRect r;
    for (const char *cle : {"sel", "actif"})
        if (par.contains(cle) && !plage(par.value(cle), r))
            return QStringLiteral("référence de cellule invalide « %1 »").arg(par.value(cle));
    if (f.genre == "histogramme" || f.genre == "courbe" || f.genre == "secteurs") {
        const Serie s = serie(f);
        if (s.categories.isEmpty())
            return QStringLiteral("graphique sans données");
        for (const auto &v : s.valeurs)
            for (double x : v)
                if (x < 0)
                    return QStringLiteral("valeur négative dans un graphique");
    }
    return {};
}

double hauteurFigure(const Figure &f)
{
    const Genre *g = genre(f.genre);
    return (g ? g->hauteur(f) : 0) + hauteurLegende(f);
}

void dessinerFigure(QPainter &p, const Figure &f)
{
    const Genre *g = genre(f.genre);
    if (!g)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    g->dessin(p, f);
    p.restore();
    legende(p, f, g->hauteur(f));
}
