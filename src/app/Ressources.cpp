#include "app/Ressources.h"

#include "app/EtatSession.h"

#include <QGuiApplication>

QPixmap imageProgramme(const QString& nom)
{
    return QPixmap(dossierProgramme() + QStringLiteral("/images/") + nom);
}

QCursor pointeurMain()
{
    static const QCursor main = [] {
        const QPixmap p = imageProgramme(QStringLiteral("main.png"));
        return p.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(p, 10, 1);
    }();
    return main;
}

void pointeurSablier()
{
    if (!QGuiApplication::overrideCursor())
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void pointeurDefaut()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
