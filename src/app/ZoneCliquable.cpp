#include "app/ZoneCliquable.h"

#include <QMouseEvent>
#include <QPainter>

ZoneCliquable::ZoneCliquable(QWidget* parent, int index) : QLabel(parent), index_(index)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ZoneCliquable::setBordure(bool bordure)
{
    if (bordure_ != bordure) {
        bordure_ = bordure;
        update();
    }
}

void ZoneCliquable::mousePressEvent(QMouseEvent* e)
{
    enfonce_ = true;
    emit appuye(index_, e->button());
}

void ZoneCliquable::mouseReleaseEvent(QMouseEvent* e)
{
    const bool dedans = rect().contains(e->position().toPoint());
    const bool etaitEnfonce = enfonce_;
    enfonce_ = false;
    emit relache(index_, e->button());
    if (etaitEnfonce && dedans && e->button() == Qt::LeftButton)
        emit clic(index_);
}

void ZoneCliquable::mouseMoveEvent(QMouseEvent* e)
{
    emit survol(index_);
    QLabel::mouseMoveEvent(e);
}

void ZoneCliquable::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (bordure_) {
        QPainter p(this);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
