#include "media/video/LecteurAVI.h"

#include <QPainter>

LecteurAVI::LecteurAVI(QWidget* parent) : ComposantVideo(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    connect(&lecture_, &LectureVideo::imageChangee, this, qOverload<>(&QWidget::update));
    connect(&lecture_, &LectureVideo::positionChangee, this,
            [this](int p) { emit PositionChanged(int16_t(p)); });
}

LecteurAVI::~LecteurAVI() = default;

void LecteurAVI::setFileName(const QString& chemin) { lecture_.charger(chemin); }

QString LecteurAVI::fileName() const { return lecture_.chemin(); }

void LecteurAVI::setCommand(int16_t commande)
{
    if (commande == Arreter)
        lecture_.arreter();
    else if (commande == Lire)
        lecture_.lire();
}

int16_t LecteurAVI::length() const { return int16_t(lecture_.derniereImage()); }

int16_t LecteurAVI::position() const { return int16_t(lecture_.position()); }

void LecteurAVI::setPosition(int16_t image) { lecture_.allerA(image); }

void LecteurAVI::setNaturalSize(bool naturelle)
{
    if (naturelle != tailleNaturelle_) {
        tailleNaturelle_ = naturelle;
        update();
    }
}

void LecteurAVI::refresh() { repaint(); }

QRect LecteurAVI::rectangleImage() const
{
    const QSize naturelle = lecture_.tailleNaturelle();
    if (!tailleNaturelle_ || naturelle.isEmpty())
        return rect();
    QSize taille = naturelle;
    if (taille.width() > width() || taille.height() > height())
        taille.scale(size(), Qt::KeepAspectRatio);
    QRect r(QPoint(0, 0), taille);
    r.moveCenter(rect().center());
    return r;
}

void LecteurAVI::paintEvent(QPaintEvent*)
{
    if (!lecture_.charge())
        return; // an empty player shows nothing
    QPainter peintre(this);
    peintre.fillRect(rect(), Qt::black);
    const QImage& image = lecture_.image();
    if (image.isNull())
        return;
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);
    peintre.drawImage(rectangleImage(), image);
}
