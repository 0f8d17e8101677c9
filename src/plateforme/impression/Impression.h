#pragma once
// The printer the program prints on, its set-up dialogue and PDF print jobs,
// behind an interface so a test can see the jobs asked for and answer the
// dialogue without a printer.
#include <QList>
#include <QString>
#include <memory>

class QPdfDocument;
class QWidget;

class Impression
{
public:
    virtual ~Impression() = default;

    // The printer jobs go to: the one last chosen in the set-up dialogue while
    // it still exists, else the system default. "" when the system has none.
    virtual QString imprimanteCourante() = 0;

    // The printer set-up dialogue, modal, with this title. True when the user
    // confirmed a printer, which then becomes the current one; a cancel
    // changes nothing.
    virtual bool choisirImprimante(QWidget* parent, const QString& titre) = 0;

    // One job with these pages of the document (1-based), in order, on the
    // named printer. False when that printer is unavailable or the job could
    // not be started; nothing is printed then.
    virtual bool imprimerPages(QPdfDocument& document, const QString& imprimante, const QString& titreTache,
                               const QList<int>& pages) = 0;
};

// The one in use; the Qt implementation on first use unless one was installed.
Impression& impression();
// nullptr puts the Qt implementation back.
void installerImpression(std::unique_ptr<Impression> service);
