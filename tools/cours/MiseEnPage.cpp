#include "MiseEnPage.h"

#include "Figures.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextObjectInterface>
#include <QTextTable>
#include <cmath>

namespace {

constexpr int resolution = 300;
constexpr double mm = resolution / 25.4;
constexpr double pt(double points) { return points * resolution / 72.0; }
// Lengths in text formats (margins, paddings, borders, indents) are taken as
// 96 dpi pixels and scaled to the device by the text layout itself.
constexpr double pf(double points) { return points * 96.0 / 72.0; }

const QColor bleu(22, 72, 130);
const QColor grisTexte(90, 90, 90);
constexpr int objetFigure = QTextFormat::UserObject + 1;
constexpr int proprieteFigure = QTextFormat::UserProperty + 1;

class Figures : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    std::vector<Figure> figures;
    double echelle = 1;  // device pixels per figure unit
    QRectF pageCourante; // in document coordinates

    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &f) override
    {
        const Figure &fig = figures.at(f.property(proprieteFigure).toInt());
        return QSizeF(largeurFigure * echelle, hauteurFigure(fig) * echelle);
    }
    void drawObject(QPainter *p, const QRectF &r, QTextDocument *, int, const QTextFormat &f) override
    {
        // The layout never splits a figure across pages, but it may ask for
        // one that lies on the next page; the painter's clip does not hold it.
        if (!pageCourante.contains(r.center()))
            return;
        p->save();
        p->translate(r.topLeft());
        p->scale(echelle, echelle);
        dessinerFigure(*p, figures.at(f.property(proprieteFigure).toInt()));
        p->restore();
    }
};

QTextCharFormat caracteres(double taille, bool gras = false, QColor c = QColor(25, 25, 25))
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Liberation Sans")});
    f.setFontPointSize(taille);
    f.setFontWeight(gras ? QFont::Bold : QFont::Normal);
    f.setForeground(c);
    return f;
}

// **gras**, *italique*, `formule ou touche`
void enLigne(QTextCursor &c, const QString &s, const QTextCharFormat &base)
{
    bool gras = false, italique = false, code = false;
    QString morceau;
    auto vider = [&] {
        if (morceau.isEmpty())
            return;
        QTextCharFormat f = base;
        if (gras)
            f.setFontWeight(QFont::Bold);
        if (italique)
            f.setFontItalic(true);
        if (code) {
            f.setFontFamilies({QStringLiteral("Liberation Mono")});
            f.setBackground(QColor(236, 239, 243));
            f.setForeground(QColor(120, 30, 30));
        }
        c.insertText(morceau, f);
        morceau.clear();
    };
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == '`') {
            vider();
            code = !code;
        } else if (!code && s.mid(i, 2) == QLatin1String("**")) {
            vider();
            gras = !gras;
            ++i;
        } else if (!code && s[i] == '*') {
            vider();
            italique = !italique;
        } else {
            morceau += s[i];
        }
    }
    vider();
}

QTextBlockFormat paragraphe(double avant, double apres)
{
    QTextBlockFormat b;
    b.setTopMargin(pf(avant));
    b.setBottomMargin(pf(apres));
    b.setLineHeight(118, QTextBlockFormat::ProportionalHeight);
    return b;
}

void encadre(QTextCursor &c, const QString &etiquette, const QString &texte, QColor fond, QColor trait)
{
    QTextTableFormat t;
    t.setBackground(fond);
    t.setBorder(pf(0.75));
    t.setBorderBrush(trait);
    t.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    t.setCellPadding(pf(6));
    t.setCellSpacing(0);
    t.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    t.setTopMargin(pf(8));
    t.setBottomMargin(pf(10));
    QTextTable *table = c.insertTable(1, 1, t);
    QTextCursor dedans = table->cellAt(0, 0).firstCursorPosition();
    dedans.setBlockFormat(paragraphe(0, 0));
    dedans.insertText(etiquette + QStringLiteral(" "), caracteres(11, true, trait.darker(130)));
    enLigne(dedans, texte, caracteres(11));
    c.movePosition(QTextCursor::End);
}

void tableau(QTextCursor &c, const QStringList &lignes)
{
    QList<QStringList> cases;
    int colonnes = 0;
    for (QString l : lignes) {
        l = l.trimmed().mid(1);
        if (l.endsWith('|'))
            l.chop(1);
        QStringList r;
        for (const QString &x : l.split('|'))
            r << x.trimmed();
        colonnes = qMax(colonnes, int(r.size()));
        cases << r;
    }
    QTextTableFormat t;
    t.setBorder(pf(0.75));
    t.setBorderBrush(QColor(160, 170, 185));
    t.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    t.setBorderCollapse(true);
    t.setCellPadding(pf(4));
    t.setCellSpacing(0);
    t.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    t.setTopMargin(pf(4));
    t.setBottomMargin(pf(8));
    QTextTable *table = c.insertTable(int(cases.size()), colonnes, t);
    for (int l = 0; l < cases.size(); ++l) {
        for (int k = 0; k < colonnes; ++k) {
            QTextTableCell cell = table->cellAt(l, k);
            if (l == 0) {
                QTextTableCellFormat cf;
                cf.setBackground(QColor(221, 232, 245));
                cell.setFormat(cf);
            }
            QTextCursor dedans = cell.firstCursorPosition();
            dedans.setBlockFormat(paragraphe(0, 0));
            enLigne(dedans, cases[l].value(k), caracteres(10.5, l == 0));
        }
    }
    c.movePosition(QTextCursor::End);
}

void construire(QTextDocument &d, const DocumentCours &doc, Figures &figures, QString *erreur)
{
    QTextCursor c(&d);
    c.setBlockFormat(paragraphe(0, 2));
    c.insertText(doc.surtitre.toUpper(), caracteres(9.5, true, QColor(200, 120, 20)));
    c.insertBlock(paragraphe(0, 10));
    c.insertText(doc.titre, caracteres(21, true, bleu));

    QTextList *liste = nullptr;
    Bloc::Genre genreListe = Bloc::Paragraphe;
    bool sautAvant = false;
    bool blocVide = false; // the empty block a table leaves after itself
    int numeroFigure = 0;
    auto bloc = [&](QTextBlockFormat f) {
        if (sautAvant)
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        sautAvant = false;
        if (blocVide) {
            c.setBlockFormat(f);
            c.setBlockCharFormat(caracteres(11.5));
        } else {
            c.insertBlock(f, caracteres(11.5));
        }
        blocVide = false;
    };
    auto avantTableau = [&] {
        if (sautAvant || blocVide)
            bloc(paragraphe(0, 0));
        blocVide = true;
    };
    for (const Bloc &b : doc.blocs) {
        const bool enListe = b.genre == Bloc::Etape || b.genre == Bloc::Puce;
        if (!enListe || b.genre != genreListe)
            liste = nullptr;
        genreListe = enListe ? b.genre : Bloc::Paragraphe;
        switch (b.genre) {
        case Bloc::Titre2: {
            QTextBlockFormat f = paragraphe(16, 6);
            f.setProperty(QTextFormat::UserProperty + 2, true);
            bloc(f);
            enLigne(c, b.texte, caracteres(14.5, true, bleu));
            break;
        }
        case Bloc::Titre3: {
            QTextBlockFormat f = paragraphe(10, 4);
            f.setProperty(QTextFormat::UserProperty + 2, true);
            bloc(f);
            enLigne(c, b.texte, caracteres(12, true, QColor(40, 40, 40)));
            break;
        }
        case Bloc::Paragraphe:
            bloc(paragraphe(0, 8));
            enLigne(c, b.texte, caracteres(11.5));
            break;
        case Bloc::Etape:
        case Bloc::Puce: {
            bloc(paragraphe(0, 5));
            if (!liste) {
                QTextListFormat lf;
                lf.setStyle(b.genre == Bloc::Etape ? QTextListFormat::ListDecimal
                                                   : QTextListFormat::ListDisc);
                lf.setIndent(1);
                liste = c.createList(lf);
            } else {
                liste->add(c.block());
            }
            enLigne(c, b.texte, caracteres(11.5));
            break;
        }
        case Bloc::Objectif:
            avantTableau();
            encadre(c, QStringLiteral("Objectif :"), b.texte, QColor(232, 241, 251), QColor(70, 120, 190));
            break;
        case Bloc::Astuce:
            avantTableau();
            encadre(c, QStringLiteral("À retenir :"), b.texte, QColor(255, 246, 220), QColor(200, 140, 30));
            break;
        case Bloc::Tableau:
            avantTableau();
            tableau(c, b.lignes);
            break;
        case Bloc::Figure: {
            Figure f{b.typeFigure, b.texte, b.lignes, ++numeroFigure};
            if (const QString e = verifierFigure(f); !e.isEmpty() && erreur && erreur->isEmpty())
                *erreur = QStringLiteral("figure %1 : %2").arg(numeroFigure).arg(e);
            QTextBlockFormat bf = paragraphe(10, 14);
            bf.setAlignment(Qt::AlignHCenter);
            bf.setLineHeight(100, QTextBlockFormat::SingleHeight);
            bloc(bf);
            QTextCharFormat of;
            of.setObjectType(objetFigure);
            of.setProperty(proprieteFigure, int(figures.figures.size()));
            figures.figures.push_back(f);
            c.insertText(QString(QChar::ObjectReplacementCharacter), of);
            break;
        }
        case Bloc::Saut:
            sautAvant = true;
            break;
        }
    }
}

// A heading near the foot of a page goes to the next one with its text.
void garderTitresAvecTexte(QTextDocument &d)
{
    const double page = d.pageSize().height();
    for (int passe = 0; passe < 20; ++passe) {
        bool change = false;
        for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
            if (!b.blockFormat().property(QTextFormat::UserProperty + 2).toBool())
                continue;
            if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            const QRectF r = d.documentLayout()->blockBoundingRect(b);
            const double reste = (std::floor(r.top() / page) + 1) * page - r.top();
            if (reste < pt(110) && std::fmod(r.top(), page) > pt(20)) {
                QTextCursor c(b);
                QTextBlockFormat f = b.blockFormat();
                f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                c.setBlockFormat(f);
                change = true;
                break;
            }
        }
        if (!change)
            return;
    }
}

void texteSimple(QPainter &p, const QRectF &r, const QString &s, int align, double points, bool gras,
                 QColor c)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qRound(pt(points)));
    f.setBold(gras);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, align | Qt::TextSingleLine, s);
}

} // namespace

int ecrirePdf(const QString &chemin, const DocumentCours &doc, QString *erreur)
{
    QFile::remove(chemin);
    QPdfWriter w(chemin);
    w.setPageSize(QPageSize(QPageSize::A4));
    w.setPageMargins(QMarginsF(0, 0, 0, 0));
    w.setResolution(resolution);
    w.setTitle(doc.titre);
    w.setCreator(QStringLiteral("Pedavin"));
    const QRectF page(0, 0, w.width(), w.height());
    const QRectF contenu(20 * mm, 24 * mm, page.width() - 40 * mm, page.height() - 44 * mm);

    QTextDocument d;
    d.documentLayout()->setPaintDevice(&w);
    d.setDocumentMargin(0);
    d.setIndentWidth(pf(14));
    d.setPageSize(contenu.size());
    QFont base(QStringLiteral("Liberation Sans"));
    base.setPointSizeF(11.5);
    d.setDefaultFont(base);
    Figures figures;
    figures.echelle = contenu.width() / largeurFigure;
    d.documentLayout()->registerHandler(objetFigure, &figures);
    QString e;
    construire(d, doc, figures, &e);
    if (!e.isEmpty()) {
        if (erreur)
            *erreur = e;
        return 0;
    }
    garderTitresAvecTexte(d);

    QPainter p;
    if (!p.begin(&w)) {
        if (erreur)
            *erreur = QStringLiteral("impossible d'écrire le PDF");
        return 0;
    }
    const int premiere = doc.couverture ? 2 : 1;
    const int total = d.pageCount() + premiere - 1;
    if (doc.couverture) {
        doc.couverture(p, page, mm);
        w.newPage();
    }
    for (int i = 0; i < d.pageCount(); ++i) {
        if (i > 0)
            w.newPage();
        const int numero = i + premiere;
        p.setPen(QPen(QColor(200, 120, 20), pt(1)));
        p.drawLine(QPointF(contenu.left(), 16 * mm), QPointF(contenu.right(), 16 * mm));
        texteSimple(p, QRectF(contenu.left(), 10 * mm, contenu.width(), 5 * mm), doc.enteteGauche,
                    Qt::AlignLeft | Qt::AlignBottom, 8.5, false, grisTexte);
        texteSimple(p, QRectF(contenu.left(), 10 * mm, contenu.width(), 5 * mm), doc.enteteDroite,
                    Qt::AlignRight | Qt::AlignBottom, 8.5, true, bleu);
        const double yPied = page.height() - 14 * mm;
        p.setPen(QPen(QColor(180, 185, 195), pt(0.6)));
        p.drawLine(QPointF(contenu.left(), yPied), QPointF(contenu.right(), yPied));
        texteSimple(p, QRectF(contenu.left(), yPied + 1.5 * mm, contenu.width(), 5 * mm), doc.piedGauche,
                    Qt::AlignLeft | Qt::AlignTop, 8.5, false, grisTexte);
        texteSimple(p, QRectF(contenu.left(), yPied + 1.5 * mm, contenu.width(), 5 * mm),
                    QStringLiteral("Page %1 / %2").arg(numero).arg(total), Qt::AlignRight | Qt::AlignTop,
                    8.5, true, grisTexte);

        p.save();
        p.translate(contenu.left(), contenu.top() - i * contenu.height());
        const QRectF zone(0, i * contenu.height(), contenu.width(), contenu.height());
        p.setClipRect(zone);
        figures.pageCourante = zone;
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = zone;
        d.documentLayout()->draw(&p, ctx);
        p.restore();
    }
    p.end();
    return total;
}

#include "MiseEnPage.moc"
