#include "app/EtatSession.h"
#include "app/Fenetres.h"
#include "app/Form1.h"
#include "app/Form5.h"
#include "app/Modal.h"
#include "plateforme/Services.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>

namespace {
// PEDAVIN_PRET names a file written once the main window is first painted after
// loading, with the milliseconds since PEDAVIN_T0 (epoch ms) when that is given.
// The run script and the start-up benchmark wait on it.
void signalerPret(Form1* f)
{
    const QByteArray fichier = qgetenv("PEDAVIN_PRET");
    if (fichier.isEmpty())
        return;
    QObject::connect(f, &Form1::premierAffichage, f, [fichier] {
        QFile sortie(QString::fromLocal8Bit(fichier));
        if (sortie.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            const QByteArray t0 = qgetenv("PEDAVIN_T0");
            if (!t0.isEmpty())
                sortie.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch() - t0.toLongLong()));
            // Then the time the user spent answering boxes during loading.
            sortie.write(" " + QByteArray::number(attenteModaleMs()) + "\n");
        }
        if (qEnvironmentVariableIntValue("PEDAVIN_QUITTER_APRES_AFFICHAGE"))
            QCoreApplication::quit();
    });
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    installerServicesLinux();

    // A second start ends before any window appears.
    if (services().instance->autreInstance())
        return 0;

    definirDossierProgramme(QCoreApplication::applicationDirPath());

    auto* splash = new Form5;
    fenetres().form5 = splash;
    QObject::connect(splash, &Form5::mainWindowCreated, &app, signalerPret);
    splash->show();
    return app.exec();
}
