#include "media/video/LectureVideo.h"

#include <QPointer>
#include <algorithm>

LectureVideo::LectureVideo(QObject* parent) : QObject(parent), fabrique_(&creerSortieAudioSysteme)
{
    minuterie_.setSingleShot(true);
    minuterie_.setTimerType(Qt::PreciseTimer);
    connect(&minuterie_, &QTimer::timeout, this, &LectureVideo::avancer);
}

LectureVideo::~LectureVideo() { suspendreLecture(); }

void LectureVideo::definirSourceTemps(const SourceTemps* source)
{
    temps_ = source ? source : &tempsSysteme_;
    horloge_.definirSource(*temps_);
}

void LectureVideo::definirFabriqueSortie(FabriqueSortieAudio fabrique)
{
    suspendreLecture();
    sortie_.reset();
    sortieEssayee_ = false;
    fabrique_ = std::move(fabrique);
}

void LectureVideo::charger(const QString& chemin)
{
    suspendreLecture();
    video_.fermer();
    son_.fermer();
    ++chargements_;
    chemin_ = chemin;
    position_ = 0;
    derniere_ = 0;
    positionAnnoncee_ = false;
    intention_ = Intention::Aucune;
    if (!chemin.isEmpty() && video_.ouvrir(chemin)) {
        derniere_ = std::min(video_.derniereImage(), DerniereImageSuivie);
        video_.allerA(0);
        son_.ouvrir(chemin, video_.origineUs());
    }
    emit imageChangee();
}

const QImage& LectureVideo::image() { return video_.image(); }

void LectureVideo::lire()
{
    if (!charge())
        return;
    intention_ = Intention::Lecture;
    demarrerLecture();
}

void LectureVideo::arreter()
{
    intention_ = Intention::Arret;
    suspendreLecture();
}

void LectureVideo::allerA(int image)
{
    if (!charge())
        return;
    const int k = std::clamp(image, 0, derniere_);
    const bool change = k != position_;
    position_ = k;
    video_.allerA(k);
    QPointer<LectureVideo> garde(this);
    const quint64 chargement = chargements_;
    if (change)
        emit imageChangee();
    annoncer();
    if (!garde || chargement != chargements_ || intention_ == Intention::Arret)
        return;
    if (!enLecture_) {
        intention_ = Intention::Lecture;
        demarrerLecture();
    } else if (position_ >= derniere_) {
        suspendreLecture(); // a seek to the last frame is the end, already reported
    } else if (change) {
        partirDePosition();
        planifier();
    }
}

void LectureVideo::annoncer()
{
    positionAnnoncee_ = true;
    emit positionChangee(position_);
}

void LectureVideo::demarrerLecture()
{
    if (!charge() || enLecture_)
        return;
    enLecture_ = true;
    QPointer<LectureVideo> garde(this);
    const quint64 chargement = chargements_;
    if (position_ >= derniere_) {
        if (!positionAnnoncee_)
            annoncer();
        if (garde && chargement == chargements_)
            suspendreLecture();
        return;
    }
    if (!positionAnnoncee_) {
        annoncer();
        if (!garde || chargement != chargements_ || !enLecture_)
            return;
    }
    partirDePosition();
    planifier();
}

void LectureVideo::suspendreLecture()
{
    minuterie_.stop();
    if (sortie_)
        sortie_->arreter();
    sonActif_ = false;
    horloge_.partirDe(0); // lets go of the device; play sets the clock again
    enLecture_ = false;
    attente_.clear();
}

void LectureVideo::partirDePosition()
{
    const int64_t depart = video_.debutImageUs(position_);
    if (sortie_)
        sortie_->arreter();
    sonActif_ = false;
    attente_.clear();
    ecritOctets_ = 0;
    if (son_.ouvert()) {
        if (!sortieEssayee_) {
            sortieEssayee_ = true;
            sortie_ = fabrique_ ? fabrique_() : nullptr;
        }
        if (sortie_) {
            const FormatPcm format = sortie_->formatPropose(son_.formatSource());
            son_.definirFormatSortie(format);
            son_.allerA(depart);
            sonActif_ = sortie_->demarrer(son_.formatSortie());
        }
    }
    horloge_.partirDe(depart, sonActif_ ? sortie_.get() : nullptr);
    dernierJoueUs_ = sonActif_ ? sortie_->joueUs() : 0;
    joueChangeA_ = temps_->microsecondes();
    remplirSon();
}

void LectureVideo::remplirSon()
{
    if (!sonActif_)
        return;
    const int parEchantillon = son_.formatSortie().canaux * 2;
    for (int tours = 0; tours < 64; ++tours) {
        qint64 libres = sortie_->octetsLibres();
        libres -= libres % parEchantillon;
        if (libres <= 0)
            break;
        if (attente_.isEmpty() && (!son_.lire(attente_, 8192) || attente_.isEmpty()))
            break;
        const qint64 pris = sortie_->ecrire(attente_.constData(), std::min<qint64>(libres, attente_.size()));
        if (pris <= 0)
            break;
        attente_.remove(0, pris);
        ecritOctets_ += pris;
    }
}

void LectureVideo::avancer()
{
    if (!enLecture_)
        return;
    remplirSon();
    if (horloge_.suitLeSon()) {
        const int64_t joue = sortie_->joueUs();
        const int64_t maintenant = temps_->microsecondes();
        if (joue != dernierJoueUs_) {
            dernierJoueUs_ = joue;
            joueChangeA_ = maintenant;
        }
        const FormatPcm f = son_.formatSortie();
        const qint64 ecritUs = f.valide() ? ecritOctets_ * 1000000 / f.octetsParSeconde() : 0;
        // The sound is over (or shorter than the picture) once the device has
        // played what it was given; or the device has stopped playing.
        if ((son_.fini() && attente_.isEmpty() && joue >= ecritUs) || maintenant - joueChangeA_ > SonBloqueUs)
            horloge_.lacherSon();
    }
    const int due = std::min(video_.imageA(horloge_.tempsUs()), derniere_);
    if (due > position_) {
        position_ = due;
        video_.allerA(due);
        QPointer<LectureVideo> garde(this);
        const quint64 chargement = chargements_;
        emit imageChangee();
        if (!garde || chargement != chargements_)
            return;
        annoncer();
        if (!garde || chargement != chargements_ || !enLecture_)
            return;
    }
    if (position_ >= derniere_) {
        suspendreLecture();
        return;
    }
    planifier();
}

void LectureVideo::planifier()
{
    if (!enLecture_)
        return;
    const int64_t restant = video_.debutImageUs(position_ + 1) - horloge_.tempsUs();
    const int64_t plafond = sonActif_ ? 20 : 500; // keep the device fed
    const int64_t ms = std::clamp<int64_t>((restant + 999) / 1000, 1, plafond);
    minuterie_.start(int(ms));
}
