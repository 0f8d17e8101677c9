#pragma once
#include <QLabel>

// A transparent hot zone over a picture, or a label with mouse events: it
// reports press, release, click and pointer moves, and can draw a single
// border while it is pressed.
class ZoneCliquable : public QLabel
{
    Q_OBJECT
public:
    explicit ZoneCliquable(QWidget* parent = nullptr, int index = 0);

    int index() const { return index_; }
    QString tag;

    void setBordure(bool bordure);
    bool bordure() const { return bordure_; }

signals:
    void appuye(int index, Qt::MouseButton bouton);
    void relache(int index, Qt::MouseButton bouton);
    void clic(int index);
    void survol(int index);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    int index_;
    bool bordure_ = false;
    bool enfonce_ = false;
};
