#include "media/pdf/VisionneusePdf.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPdfDocument>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>

namespace {
// Tiles in device pixels: wide enough that a row across the panel is one tile
// (each tile makes the renderer read the page again), short enough that a
// tall page in full width renders little more than its visible part.
constexpr int largeurTuile = 1024;
constexpr int hauteurTuile = 256;
// Rendered tiles kept, in kilobytes.
constexpr int cacheKo = 96 * 1024;
const QColor fond(80, 80, 80);
// One notch of a mouse wheel.
constexpr int cranMolette = 120;
} // namespace

VisionneusePdf::VisionneusePdf(QWidget* parent)
    : QAbstractScrollArea(parent), document_(std::make_unique<QPdfDocument>()), tuiles_(cacheKo)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::WheelFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setSingleStep(20);
}

VisionneusePdf::~VisionneusePdf() = default;

bool VisionneusePdf::ouvrir(const QString& chemin)
{
    ++generation_;
    tuiles_.clear();
    const bool ouvert = !chemin.isEmpty() && document_->load(chemin) == QPdfDocument::Error::None
                        && document_->status() == QPdfDocument::Status::Ready;
    if (!ouvert)
        document_->close();
    const int avant = page_;
    page_ = document_->pageCount() > 0 ? 1 : 0;
    cumulMolette_ = 0;
    miseEnPage();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    if (page_ != avant)
        emit OnPage(page_);
    return ouvert;
}

int VisionneusePdf::nombrePages() const { return document_->pageCount(); }

void VisionneusePdf::setPage(int page)
{
    if (page < 1 || page > nombrePages())
        return;
    changerPage(page, false);
}

void VisionneusePdf::changerPage(int page, bool enBas)
{
    const int avant = page_;
    page_ = page;
    cumulMolette_ = 0;
    miseEnPage();
    verticalScrollBar()->setValue(enBas ? verticalScrollBar()->maximum() : 0);
    viewport()->update();
    if (page_ != avant)
        emit OnPage(page_);
}

void VisionneusePdf::setAjustement(int mode)
{
    if (mode != AuMieux && mode != Hauteur && mode != Largeur)
        return;
    ajustement_ = mode;
    miseEnPage();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

QSize VisionneusePdf::taillePage(int page) const
{
    const QSizeF points = document_->pagePointSize(page - 1);
    if (points.width() <= 0 || points.height() <= 0)
        return {};
    const QSize dispo = maximumViewportSize();
    const int barre = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    double echelle = 1;
    switch (ajustement_) {
    case Largeur:
        echelle = dispo.width() / points.width();
        // Taller than the viewer: the vertical bar takes its share of the width.
        if (points.height() * echelle > dispo.height())
            echelle = (dispo.width() - barre) / points.width();
        break;
    case Hauteur:
        echelle = dispo.height() / points.height();
        if (points.width() * echelle > dispo.width())
            echelle = (dispo.height() - barre) / points.height();
        break;
    default:
        echelle = qMin(dispo.width() / points.width(), dispo.height() / points.height());
        break;
    }
    return QSize(qMax(1, qRound(points.width() * echelle)), qMax(1, qRound(points.height() * echelle)));
}

void VisionneusePdf::miseEnPage()
{
    taille_ = page_ > 0 ? taillePage(page_) : QSize();
    const QSize dispo = maximumViewportSize();
    const int barre = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool vertical = taille_.height() > dispo.height();
    const bool horizontal = taille_.width() > dispo.width() - (vertical ? barre : 0);
    if (horizontal && !vertical)
        vertical = taille_.height() > dispo.height() - barre;
    const int largeurVue = dispo.width() - (vertical ? barre : 0);
    const int hauteurVue = dispo.height() - (horizontal ? barre : 0);
    // The bars show up a moment later (queued by the scroll area); the page is
    // placed for the viewport they will leave.
    vue_ = QSize(largeurVue, hauteurVue);
    verticalScrollBar()->setRange(0, vertical ? taille_.height() - hauteurVue : 0);
    verticalScrollBar()->setPageStep(qMax(1, hauteurVue));
    horizontalScrollBar()->setRange(0, horizontal ? taille_.width() - largeurVue : 0);
    horizontalScrollBar()->setPageStep(qMax(1, largeurVue));
}

QRect VisionneusePdf::rectPage() const
{
    if (page_ == 0 || taille_.isEmpty())
        return {};
    const QSize vue = vue_;
    const int x = taille_.width() < vue.width() ? (vue.width() - taille_.width()) / 2 : -horizontalScrollBar()->value();
    const int y = taille_.height() < vue.height() ? (vue.height() - taille_.height()) / 2 : -verticalScrollBar()->value();
    return QRect(QPoint(x, y), taille_);
}

const QImage& VisionneusePdf::tuile(int page, QSize tailleDevice, double ratio, int colonne, int rangee)
{
    const Cle cle{generation_, page, tailleDevice.width(), tailleDevice.height(), qRound(ratio * 100), colonne, rangee};
    if (QImage* deja = tuiles_.object(cle))
        return *deja;
    const QRect zone = QRect(colonne * largeurTuile, rangee * hauteurTuile, largeurTuile, hauteurTuile)
                           .intersected(QRect(QPoint(0, 0), tailleDevice));
    QPdfDocumentRenderOptions options;
    options.setRenderFlags(QPdfDocumentRenderOptions::RenderFlag::Annotations);
    options.setScaledSize(tailleDevice);
    options.setScaledClipRect(zone);
    const QImage rendu = document_->render(page - 1, zone.size(), options);
    // Pages are drawn on white paper; an opaque tile also paints faster.
    auto* image = new QImage(zone.size(), QImage::Format_RGB32);
    image->fill(Qt::white);
    {
        QPainter p(image);
        p.drawImage(0, 0, rendu);
    }
    image->setDevicePixelRatio(ratio);
    ++tuilesRendues_;
    const int ko = int(image->sizeInBytes() / 1024) + 1;
    tuiles_.insert(cle, image, ko);
    static const QImage vide;
    const QImage* garde = tuiles_.object(cle);
    return garde ? *garde : vide;
}

void VisionneusePdf::paintEvent(QPaintEvent* e)
{
    QPainter p(viewport());
    p.fillRect(e->rect(), fond);
    const QRect pageVue = rectPage();
    if (pageVue.isEmpty())
        return;
    const double ratio = viewport()->devicePixelRatioF();
    const QSize tailleDevice(qRound(taille_.width() * ratio), qRound(taille_.height() * ratio));
    const QRect visible = pageVue.intersected(e->rect());
    if (!visible.isEmpty()) {
        // The visible part, in device pixels from the page's corner.
        const QRect vueDevice(QPoint(int(std::floor((visible.left() - pageVue.left()) * ratio)),
                                     int(std::floor((visible.top() - pageVue.top()) * ratio))),
                              QPoint(int(std::ceil((visible.right() + 1 - pageVue.left()) * ratio)) - 1,
                                     int(std::ceil((visible.bottom() + 1 - pageVue.top()) * ratio)) - 1));
        const QRect utile = vueDevice.intersected(QRect(QPoint(0, 0), tailleDevice));
        for (int r = utile.top() / hauteurTuile; r <= utile.bottom() / hauteurTuile; ++r)
            for (int c = utile.left() / largeurTuile; c <= utile.right() / largeurTuile; ++c) {
                p.drawImage(QPointF(pageVue.left() + c * largeurTuile / ratio, pageVue.top() + r * hauteurTuile / ratio),
                            tuile(page_, tailleDevice, ratio, c, r));
            }
    }
    emit pagePeinte(page_);
    if (page_ < nombrePages() && !prechargement_) {
        prechargement_ = true;
        QTimer::singleShot(0, this, &VisionneusePdf::prechargerSuivante);
    }
}

// Once the shown page is on screen, the top of the next one is rendered, so
// that "next page" and scrolling on do not wait for the renderer.
void VisionneusePdf::prechargerSuivante()
{
    prechargement_ = false;
    const int suivante = page_ + 1;
    if (page_ == 0 || suivante > nombrePages())
        return;
    const QSize taille = taillePage(suivante);
    if (taille.isEmpty())
        return;
    const double ratio = viewport()->devicePixelRatioF();
    const QSize tailleDevice(qRound(taille.width() * ratio), qRound(taille.height() * ratio));
    const QRect haut = QRect(0, 0, qMin(tailleDevice.width(), int(viewport()->width() * ratio)),
                             qMin(tailleDevice.height(), int(viewport()->height() * ratio)));
    if (haut.isEmpty())
        return;
    for (int r = 0; r <= haut.bottom() / hauteurTuile; ++r)
        for (int c = 0; c <= haut.right() / largeurTuile; ++c)
            tuile(suivante, tailleDevice, ratio, c, r);
}

void VisionneusePdf::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    const QScrollBar* v = verticalScrollBar();
    const double part = v->maximum() > 0 ? double(v->value()) / v->maximum() : 0;
    miseEnPage();
    verticalScrollBar()->setValue(qRound(part * verticalScrollBar()->maximum()));
}

void VisionneusePdf::scrollContentsBy(int, int) { viewport()->update(); }

void VisionneusePdf::wheelEvent(QWheelEvent* e)
{
    const int delta = e->angleDelta().y();
    QScrollBar* v = verticalScrollBar();
    const bool versLeBas = delta < 0;
    const bool auBord = versLeBas ? v->value() >= v->maximum() : v->value() <= v->minimum();
    const bool autrePage = versLeBas ? page_ < nombrePages() : page_ > 1;
    if (delta == 0 || !auBord || !autrePage) {
        cumulMolette_ = 0;
        QAbstractScrollArea::wheelEvent(e);
        return;
    }
    // At the page's edge the wheel goes on to the next page, a notch at a time
    // so that a touchpad's small steps do not race through the document.
    e->accept();
    cumulMolette_ += delta;
    if (std::abs(cumulMolette_) >= cranMolette)
        changerPage(page_ + (versLeBas ? 1 : -1), !versLeBas);
}

void VisionneusePdf::keyPressEvent(QKeyEvent* e)
{
    QScrollBar* v = verticalScrollBar();
    switch (e->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Down:
        if (v->value() >= v->maximum()) {
            if (page_ < nombrePages())
                changerPage(page_ + 1, false);
        } else {
            v->setValue(v->value() + (e->key() == Qt::Key_PageDown ? v->pageStep() : v->singleStep()));
        }
        return;
    case Qt::Key_PageUp:
    case Qt::Key_Up:
        if (v->value() <= v->minimum()) {
            if (page_ > 1)
                changerPage(page_ - 1, true);
        } else {
            v->setValue(v->value() - (e->key() == Qt::Key_PageUp ? v->pageStep() : v->singleStep()));
        }
        return;
    case Qt::Key_Home:
        setPage(1);
        return;
    case Qt::Key_End:
        setPage(nombrePages());
        return;
    default:
        QAbstractScrollArea::keyPressEvent(e);
    }
}
