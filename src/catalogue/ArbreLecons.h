#pragma once
// The lesson tree of the main window: a node collection with stable
// insertion indexes 1..count, per-node text colour (&HBBGGRR), highlight
// band, picture, font and expansion, on a light-green background.
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <QTreeWidget>
#include <memory>
#include <optional>
#include <vector>

class ArbreLecons;

// A node of the tree. Owned by the tree; pointers stay valid for its life.
class NoeudLecon
{
public:
    int index() const { return index_; } // 1..count, insertion order
    const QString& key() const { return cle_; }

    QString text() const;
    void setText(const QString& texte);

    // Packed &HBBGGRR.
    int couleurTexte() const { return couleurTexte_; }
    void setCouleurTexte(int bbggrr);

    // The band behind the node's text; retirerSurbrillance draws the node on
    // the tree's own background again.
    std::optional<int> couleurFond() const { return couleurFond_; }
    void setCouleurFond(int bbggrr);
    void retirerSurbrillance();

    // Index into the tree's picture list shown before the text: 0 none,
    // 1 red arrow pointing right, 2 red arrow pointing down.
    int marque() const { return marque_; }
    void setMarque(int numero);

    QFont font() const;
    void setFont(const QFont& f);
    double taillePolice() const;
    void setTaillePolice(double points);
    bool gras() const;
    void setGras(bool oui);
    bool souligne() const;
    void setSouligne(bool oui);

    bool expanded() const;
    void setExpanded(bool oui);

    NoeudLecon* parent() const { return parent_; }
    QTreeWidgetItem* element() const { return element_; }

private:
    friend class ArbreLecons;
    NoeudLecon() = default;

    int index_ = 0;
    QString cle_;
    int couleurTexte_ = 0;
    std::optional<int> couleurFond_;
    int marque_ = 0;
    int profondeur_ = 0;
    ArbreLecons* arbre_ = nullptr;
    NoeudLecon* parent_ = nullptr;
    QTreeWidgetItem* element_ = nullptr;
};

class ArbreLecons : public QTreeWidget
{
    Q_OBJECT
public:
    enum class Relation { Enfant };
    enum class ErreurAjout { Aucune, CleExistante, RelativeAbsente };

    explicit ArbreLecons(QWidget* parent = nullptr);
    ~ArbreLecons() override;

    // Appends a node under the node with the relative key ("" = a root).
    // A duplicate key or a missing relative key adds nothing and returns
    // nullptr with the reason.
    NoeudLecon* ajouter(const QString& relative, Relation relation, const QString& cle,
                        const QString& texte, ErreurAjout* erreur = nullptr);

    int count() const { return int(noeuds_.size()); }
    NoeudLecon* item(int index) const; // 1..count, nullptr outside
    NoeudLecon* noeudParCle(const QString& cle) const;
    NoeudLecon* noeudDe(const QTreeWidgetItem* element) const;
    // The node last clicked, nullptr before any click.
    NoeudLecon* noeudSelectionne() const { return selectionne_; }

    // The tree's font; nodes added later start with it.
    void setPoliceArbre(const QString& famille, double points);

    // Converts a packed &HBBGGRR value.
    static QColor couleur(int bbggrr);
    // The picture list: 1 red arrow pointing right, 2 pointing down.
    static QIcon imageListe(int numero);

    // "Déployer les contenus": expands every node.
    void deployerTout();
    // "Masquer les contenus": collapses every node but the first, which is
    // expanded, so the chapters stay in view.
    void masquerContenus();
    // The tree's part of a click on the arbo buttons: 0 deployerTout,
    // 1 masquerContenus. The buttons' swap, the hint box and stopping the
    // media are the main window's.
    void arbo(int index);

signals:
    void noeudClique(NoeudLecon* noeud);
    void clic();
    void boutonEnfonce(Qt::MouseButton bouton, Qt::KeyboardModifiers modificateurs, QPoint position);
    void pointeurDeplace(Qt::MouseButtons boutons, Qt::KeyboardModifiers modificateurs, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    friend class NoeudLecon;
    // Widens the column to the node's text, so long titles scroll rather
    // than being cut; the column never narrows.
    void mesurer(const NoeudLecon& n);

    int largeurColonne_ = 0;
    // Nodes use a handful of fonts; building metrics is the costly part.
    std::vector<std::pair<QFont, QFontMetrics>> metriques_;
    std::vector<std::unique_ptr<NoeudLecon>> noeuds_;
    QHash<QString, NoeudLecon*> parCle_;
    QHash<const QTreeWidgetItem*, NoeudLecon*> parElement_;
    NoeudLecon* selectionne_ = nullptr;
    QFont policeNoeuds_;
};
