#include "plateforme/ServicesLinux.h"

#include "catalogue/VolumesSysteme.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>
#include <alsa/asoundlib.h>

SortieSonQt::SortieSonQt() = default;

SortieSonQt::~SortieSonQt()
{
    delete simple_;
    delete mci_;
}

int SortieSonQt::nombrePeripheriques() { return int(QMediaDevices::audioOutputs().size()); }

QSoundEffect* SortieSonQt::cue(QSoundEffect*& effet, const QString& fichier)
{
    if (!effet)
        effet = new QSoundEffect;
    effet->stop();
    effet->setSource(QUrl::fromLocalFile(fichier));
    return effet;
}

namespace {
// A cue may be named without its extension ("laser1").
QString fichierCue(const QString& fichier)
{
    if (!QFileInfo::exists(fichier) && QFileInfo(fichier).suffix().isEmpty()
        && QFileInfo::exists(fichier + QStringLiteral(".wav")))
        return fichier + QStringLiteral(".wav");
    return fichier;
}
} // namespace

void SortieSonQt::jouerAsynchrone(const QString& fichier)
{
    // Linux has no system default sound to fall back on: a missing cue is silent.
    const QString f = fichierCue(fichier);
    if (!QFileInfo::exists(f))
        return;
    cue(simple_, f)->play();
}

void SortieSonQt::commandeMCI(const QString& commande, const QString& fichier)
{
    if (commande == QLatin1String("close")) {
        if (mci_)
            mci_->stop();
        fichierMci_.clear();
    } else if (commande == QLatin1String("open")) {
        fichierMci_ = fichierCue(fichier);
        if (QFileInfo::exists(fichierMci_))
            cue(mci_, fichierMci_);
    } else if (commande == QLatin1String("play")) {
        if (mci_ && !fichierMci_.isEmpty())
            mci_->play();
    }
}

InstanceUniqueFichier::InstanceUniqueFichier(const QString& cheminVerrou) : verrou_(cheminVerrou)
{
    verrou_.setStaleLockTime(0); // only a dead owner makes the lock stale
}

bool InstanceUniqueFichier::autreInstance()
{
    if (!tente_) {
        tente_ = true;
        autre_ = !verrou_.tryLock(0);
    }
    return autre_;
}

bool LanceurLinux::demarrer(const QString& programme, const QStringList& arguments,
                            const QString& dossierTravail)
{
    return QProcess::startDetached(programme, arguments, dossierTravail);
}

bool LanceurLinux::ouvrirDocument(const QString& fichier)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fichier));
}

MelangeurAlsa::~MelangeurAlsa()
{
    if (mixer_)
        snd_mixer_close(static_cast<snd_mixer_t*>(mixer_));
}

bool MelangeurAlsa::ouvrir()
{
    snd_mixer_t* m = nullptr;
    if (snd_mixer_open(&m, 0) < 0)
        return false;
    if (snd_mixer_attach(m, "default") < 0 || snd_mixer_selem_register(m, nullptr, nullptr) < 0
        || snd_mixer_load(m) < 0) {
        snd_mixer_close(m);
        return false;
    }
    snd_mixer_elem_t* choisi = nullptr;
    for (auto* e = snd_mixer_first_elem(m); e; e = snd_mixer_elem_next(e)) {
        if (!snd_mixer_selem_has_playback_volume(e))
            continue;
        const QString nom = QString::fromLatin1(snd_mixer_selem_get_name(e));
        if (!choisi || nom == QLatin1String("Master"))
            choisi = e;
        if (nom == QLatin1String("Master"))
            break;
    }
    if (!choisi) {
        snd_mixer_close(m);
        return false;
    }
    mixer_ = m;
    element_ = choisi;
    return true;
}

bool MelangeurAlsa::reglerVolume(uint32_t valeur)
{
    if (!element_)
        return false;
    auto* e = static_cast<snd_mixer_elem_t*>(element_);
    long min = 0, max = 0;
    if (snd_mixer_selem_get_playback_volume_range(e, &min, &max) < 0)
        return false;
    const long v = min + long((double(std::min<uint32_t>(valeur, 65000)) / 65000.0) * double(max - min) + 0.5);
    return snd_mixer_selem_set_playback_volume_all(e, v) >= 0;
}

QString cheminVerrouInstance()
{
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dossier.isEmpty())
        dossier = QDir::tempPath();
    return dossier + QStringLiteral("/pedavin.lock");
}

void installerServicesLinux()
{
    auto& s = services();
    s.son = std::make_unique<SortieSonQt>();
    s.instance = std::make_unique<InstanceUniqueFichier>(cheminVerrouInstance());
    s.lanceur = std::make_unique<LanceurLinux>();
    s.melangeur = std::make_unique<MelangeurAlsa>();
    s.volumes = std::make_unique<VolumesSysteme>();
}
