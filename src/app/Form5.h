#pragma once
#include <QTimer>
#include <QWidget>

class Form1;

// The splash: the program's first window. Its timer shows the main window;
// the first tick therefore runs the main window's whole loading.
class Form5 : public QWidget
{
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    QTimer Timer1;
    void Timer1_Timer();

signals:
    void mainWindowCreated(Form1* form1);

protected:
    void paintEvent(QPaintEvent* e) override;
};
