#pragma once
#include "plateforme/Services.h"

#include <QLockFile>

class QSoundEffect;

// Cues through Qt Multimedia; the device count comes from the system's audio
// outputs, so a machine without sound skips cues quietly.
class SortieSonQt : public SortieSon
{
public:
    SortieSonQt();
    ~SortieSonQt() override;
    int nombrePeripheriques() override;
    void jouerAsynchrone(const QString& fichier) override;
    void commandeMCI(const QString& commande, const QString& fichier) override;

private:
    QSoundEffect* cue(QSoundEffect*& effet, const QString& fichier);
    QSoundEffect* simple_ = nullptr;
    QSoundEffect* mci_ = nullptr;
    QString fichierMci_;
};

// A lock file in the runtime folder; a lock left by a crashed process is taken over.
class InstanceUniqueFichier : public InstanceUnique
{
public:
    explicit InstanceUniqueFichier(const QString& cheminVerrou);
    bool autreInstance() override;

private:
    QLockFile verrou_;
    bool tente_ = false;
    bool autre_ = false;
};

class LanceurLinux : public Lanceur
{
public:
    bool demarrer(const QString& programme, const QStringList& arguments,
                  const QString& dossierTravail) override;
    bool ouvrirDocument(const QString& fichier) override;
};

// The default ALSA card's master playback volume.
class MelangeurAlsa : public Melangeur
{
public:
    ~MelangeurAlsa() override;
    bool ouvrir() override;
    bool reglerVolume(uint32_t valeur) override;

private:
    void* mixer_ = nullptr; // snd_mixer_t
    void* element_ = nullptr; // snd_mixer_elem_t
};

// Where the single-instance lock lives for this user.
QString cheminVerrouInstance();
