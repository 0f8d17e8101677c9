#pragma once
// The OS services the program uses, each behind a small interface so a test can
// put a fake in its place. `services()` holds the ones in use; main() installs
// the Linux implementations, tests install fakes.
#include "catalogue/RechercheCours.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

// Sound cues: the simple asynchronous call and the media control device.
class SortieSon
{
public:
    virtual ~SortieSon() = default;
    // Number of sound output devices; 0 means every cue is skipped.
    virtual int nombrePeripheriques() = 0;
    // Plays a file without waiting; a new cue replaces one still playing.
    // A missing file plays the system's default sound where there is one.
    virtual void jouerAsynchrone(const QString& fichier) = 0;
    // Media control device: "close", "open", "play" on the file last given.
    virtual void commandeMCI(const QString& commande, const QString& fichier) = 0;
};

// Only one Pedavin runs at a time on a session.
class InstanceUnique
{
public:
    virtual ~InstanceUnique() = default;
    // True when another instance already holds the session.
    virtual bool autreInstance() = 0;
};

// Starting programs (never through a shell) and opening files with their
// default application.
class Lanceur
{
public:
    virtual ~Lanceur() = default;
    // Starts without waiting; false when it could not be started.
    virtual bool demarrer(const QString& programme, const QStringList& arguments,
                          const QString& dossierTravail) = 0;
    virtual bool ouvrirDocument(const QString& fichier) = 0;
};

// The master playback volume.
class Melangeur
{
public:
    virtual ~Melangeur() = default;
    // False when no mixer could be opened.
    virtual bool ouvrir() = 0;
    // 0 (silent) .. 65000 (full); false when the mixer refused it.
    virtual bool reglerVolume(uint32_t valeur) = 0;
};

struct Services
{
    std::unique_ptr<SortieSon> son;
    std::unique_ptr<InstanceUnique> instance;
    std::unique_ptr<Lanceur> lanceur;
    std::unique_ptr<Melangeur> melangeur;
    std::unique_ptr<ListeVolumes> volumes;
};

Services& services();

// Installs the Linux implementations of every service.
void installerServicesLinux();
