#include "app/Form5.h"

#include "app/Fenetres.h"
#include "app/Form1.h"
#include "app/Ressources.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

Form5::Form5(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(4665 / 15, 3075 / 15);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &Form5::Timer1_Timer);
    Timer1.start();
}

void Form5::Timer1_Timer()
{
    auto& f = fenetres();
    if (!f.form1) {
        f.form1 = new Form1;
        connect(f.form1, &Form1::decharge, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        emit mainWindowCreated(f.form1);
        f.form1->afficher();
        return;
    }
    // Later ticks (while loading waits in a box) only bring the main window forward.
    if (!f.form1->enChargement())
        f.form1->raise();
}

void Form5::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap image = imageProgramme(QStringLiteral("splash.png"));
    if (image.isNull())
        p.fillRect(rect(), Qt::black);
    else
        p.drawPixmap(rect(), image);
}
