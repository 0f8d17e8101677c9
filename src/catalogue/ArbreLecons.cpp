#include "catalogue/ArbreLecons.h"

#include <QHeaderView>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {
const QColor vertClair(0xCC, 0xFF, 0xCC);

QPixmap dessinerFleche(bool versLeBas)
{
    const int c = 12;
    QPixmap p(c, c);
    p.fill(Qt::transparent);
    QPainter peintre(&p);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(QColor(0x80, 0, 0), 1));
    peintre.setBrush(QColor(0xFF, 0, 0));
    const QPolygonF droite{QPointF(2.5, 1.5), QPointF(10.5, 6), QPointF(2.5, 10.5)};
    const QPolygonF bas{QPointF(1.5, 2.5), QPointF(10.5, 2.5), QPointF(6, 10.5)};
    peintre.drawPolygon(versLeBas ? bas : droite);
    return p;
}
} // namespace

QString NoeudLecon::text() const { return element_->text(0); }

void NoeudLecon::setText(const QString& texte)
{
    element_->setText(0, texte);
    arbre_->mesurer(*this);
}

void NoeudLecon::setCouleurTexte(int bbggrr)
{
    couleurTexte_ = bbggrr;
    element_->setForeground(0, ArbreLecons::couleur(bbggrr));
}

void NoeudLecon::setCouleurFond(int bbggrr)
{
    couleurFond_ = bbggrr;
    element_->setBackground(0, ArbreLecons::couleur(bbggrr));
}

void NoeudLecon::retirerSurbrillance()
{
    couleurFond_.reset();
    element_->setData(0, Qt::BackgroundRole, QVariant());
}

void NoeudLecon::setMarque(int numero)
{
    marque_ = numero;
    element_->setIcon(0, ArbreLecons::imageListe(numero));
    arbre_->mesurer(*this);
}

QFont NoeudLecon::font() const { return element_->font(0); }
double NoeudLecon::taillePolice() const { return element_->font(0).pointSizeF(); }

void NoeudLecon::setFont(const QFont& f)
{
    element_->setFont(0, f);
    arbre_->mesurer(*this);
}

void NoeudLecon::setTaillePolice(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

bool NoeudLecon::gras() const { return font().bold(); }

void NoeudLecon::setGras(bool oui)
{
    QFont f = font();
    f.setBold(oui);
    setFont(f);
}

bool NoeudLecon::souligne() const { return font().underline(); }

void NoeudLecon::setSouligne(bool oui)
{
    QFont f = font();
    f.setUnderline(oui);
    setFont(f);
}

bool NoeudLecon::expanded() const { return element_->isExpanded(); }
void NoeudLecon::setExpanded(bool oui) { element_->setExpanded(oui); }

ArbreLecons::ArbreLecons(QWidget* parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(false);
    // The program draws its own highlight (current node in white on red);
    // the view's selection would paint over it.
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    // Pointer moves without a button feed the status line.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setIconSize(QSize(12, 12));
    // Long lesson titles are scrolled to, not cut. The column width is kept
    // by mesurer: measuring the contents on every change would cost tens of
    // milliseconds per click on a course of a few thousand nodes.
    setTextElideMode(Qt::ElideNone);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette p = palette();
    p.setColor(QPalette::Base, vertClair);
    p.setColor(QPalette::Window, vertClair);
    setPalette(p);
    setAutoFillBackground(true);
    policeNoeuds_ = font();

    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* element, int) {
        if (NoeudLecon* n = noeudDe(element)) {
            selectionne_ = n;
            emit noeudClique(n);
        }
    });
}

ArbreLecons::~ArbreLecons() = default;

QColor ArbreLecons::couleur(int v)
{
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QIcon ArbreLecons::imageListe(int numero)
{
    static const QIcon droite(dessinerFleche(false));
    static const QIcon bas(dessinerFleche(true));
    switch (numero) {
    case 1: return droite;
    case 2: return bas;
    default: return QIcon();
    }
}

void ArbreLecons::setPoliceArbre(const QString& famille, double points)
{
    QFont f(famille);
    f.setPointSizeF(points);
    setFont(f);
    policeNoeuds_ = f;
}

NoeudLecon* ArbreLecons::ajouter(const QString& relative, Relation, const QString& cle,
                                 const QString& texte, ErreurAjout* erreur)
{
    const auto echec = [&](ErreurAjout e) -> NoeudLecon* {
        if (erreur)
            *erreur = e;
        return nullptr;
    };
    if (parCle_.contains(cle))
        return echec(ErreurAjout::CleExistante);
    NoeudLecon* parent = nullptr;
    if (!relative.isEmpty()) {
        parent = parCle_.value(relative);
        if (!parent)
            return echec(ErreurAjout::RelativeAbsente);
    }

    auto n = std::unique_ptr<NoeudLecon>(new NoeudLecon);
    n->index_ = count() + 1;
    n->cle_ = cle;
    n->parent_ = parent;
    n->arbre_ = this;
    n->profondeur_ = parent ? parent->profondeur_ + 1 : 0;
    n->element_ = new QTreeWidgetItem(QStringList{texte});
    n->element_->setFont(0, policeNoeuds_);
    n->element_->setForeground(0, couleur(0));
    if (parent)
        parent->element_->addChild(n->element_);
    else
        addTopLevelItem(n->element_);

    NoeudLecon* brut = n.get();
    mesurer(*brut);
    parCle_.insert(cle, brut);
    parElement_.insert(brut->element_, brut);
    noeuds_.push_back(std::move(n));
    if (erreur)
        *erreur = ErreurAjout::Aucune;
    return brut;
}

void ArbreLecons::mesurer(const NoeudLecon& n)
{
    const int marges = 12;
    const QFont police = n.element_->font(0);
    auto it = std::find_if(metriques_.begin(), metriques_.end(), [&](const auto& m) { return m.first == police; });
    if (it == metriques_.end()) {
        metriques_.emplace_back(police, QFontMetrics(police));
        it = metriques_.end() - 1;
    }
    const int largeur = indentation() * (n.profondeur_ + 1) + (n.marque_ ? iconSize().width() + 4 : 0)
                        + it->second.horizontalAdvance(n.element_->text(0)) + marges;
    if (largeur > largeurColonne_) {
        largeurColonne_ = largeur;
        header()->resizeSection(0, largeur);
    }
}

NoeudLecon* ArbreLecons::item(int index) const
{
    return index >= 1 && index <= count() ? noeuds_[size_t(index - 1)].get() : nullptr;
}

NoeudLecon* ArbreLecons::noeudParCle(const QString& cle) const { return parCle_.value(cle); }

NoeudLecon* ArbreLecons::noeudDe(const QTreeWidgetItem* element) const { return parElement_.value(element); }

void ArbreLecons::deployerTout() { expandAll(); }

void ArbreLecons::arbo(int index)
{
    if (index == 0)
        deployerTout();
    else if (index == 1)
        masquerContenus();
}

void ArbreLecons::masquerContenus()
{
    collapseAll();
    if (NoeudLecon* premier = item(1))
        premier->setExpanded(true);
}

void ArbreLecons::mousePressEvent(QMouseEvent* e)
{
    emit boutonEnfonce(e->button(), e->modifiers(), e->position().toPoint());
    QTreeWidget::mousePressEvent(e);
}

void ArbreLecons::mouseReleaseEvent(QMouseEvent* e)
{
    QTreeWidget::mouseReleaseEvent(e);
    emit clic();
}

void ArbreLecons::mouseMoveEvent(QMouseEvent* e)
{
    emit pointeurDeplace(e->buttons(), e->modifiers(), e->position().toPoint());
    QTreeWidget::mouseMoveEvent(e);
}
