#include "app/Ressources.h"

#include "app/EtatSession.h"

#include <QGuiApplication>
#include <QPixmapCache>

QPixmap imageProgramme(const QString& nom)
{
    // The program's pictures never change while it runs, and windows repaint
    // and reopen often (every message box): decode each file once.
    const QString chemin = dossierProgramme() + QStringLiteral("/images/") + nom;
    QPixmap image;
    if (!QPixmapCache::find(chemin, &image) && image.load(chemin))
        QPixmapCache::insert(chemin, image);
    return image;
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
