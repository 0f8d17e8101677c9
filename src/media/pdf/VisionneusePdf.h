#pragma once
#include <QAbstractScrollArea>
#include <QCache>
#include <QImage>
#include <memory>

class QPdfDocument;

// The document viewer of the panel: one page at a time, fitted to the viewer
// by one of three modes and scrolled within when the fit makes it larger.
// Pages are rendered on demand, at the viewer's size and pixel density, in
// tiles, so only what is shown is rendered and a document of any length opens
// at once; rendered tiles are kept for when the learner comes back.
class VisionneusePdf : public QAbstractScrollArea
{
    Q_OBJECT
public:
    // Fit modes, numbered as the toolbar asks for them.
    enum Ajustement { AuMieux = 0, Hauteur = 1, Largeur = 2 };

    explicit VisionneusePdf(QWidget* parent = nullptr);
    ~VisionneusePdf() override;

    // Opens a file, shown from its first page. On failure the viewer is empty
    // (no document, page count 0) and false is returned.
    bool ouvrir(const QString& chemin);
    int nombrePages() const;
    // The page shown, 1..nombrePages(); 0 when the viewer is empty.
    int page() const { return page_; }
    // Shows a page from its top; a page outside 1..nombrePages() is ignored.
    void setPage(int page);

    int ajustement() const { return ajustement_; }
    // 0 best fit, 1 whole page height, 2 full width; other values are ignored.
    // Kept across loads.
    void setAjustement(int mode);

    QPdfDocument* document() const { return document_.get(); }
    // Where the shown page lies in the viewport, in logical pixels.
    QRect rectPage() const;
    // Tiles rendered so far: what on-demand rendering has cost.
    int tuilesRendues() const { return tuilesRendues_; }

signals:
    // The shown page changed (load, navigation, scrolling past a page edge).
    void OnPage(int page);
    // The viewer has painted the page; emitted after every paint that shows one.
    void pagePeinte(int page);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Cle
    {
        quint64 generation;
        int page, largeur, hauteur, centiemes, colonne, rangee;
        bool operator==(const Cle&) const = default;
        friend size_t qHash(const Cle& c, size_t graine = 0)
        {
            return qHashMulti(graine, c.generation, c.page, c.largeur, c.hauteur, c.centiemes, c.colonne, c.rangee);
        }
    };

    // Size of a page, in logical pixels, under the current fit mode.
    QSize taillePage(int page) const;
    void miseEnPage();
    void changerPage(int page, bool enBas);
    const QImage& tuile(int page, QSize tailleDevice, double ratio, int colonne, int rangee);
    void prechargerSuivante();

    std::unique_ptr<QPdfDocument> document_;
    quint64 generation_ = 0;
    int page_ = 0;
    int ajustement_ = Largeur;
    QSize taille_;
    QSize vue_;
    int cumulMolette_ = 0;
    bool prechargement_ = false;
    int tuilesRendues_ = 0;
    QCache<Cle, QImage> tuiles_;
};
