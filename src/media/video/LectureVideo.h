#pragma once
#include "media/video/DecodeurSon.h"
#include "media/video/DecodeurVideo.h"
#include "media/video/Horloge.h"
#include "media/video/SortieAudio.h"
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

// One video player without its window: file, play and stop, frame-accurate
// position, and the clock that drives playback from the Qt event loop. The
// widget and the avi-frame tool both go through it.
class LectureVideo : public QObject
{
    Q_OBJECT
public:
    // Frame numbers are 16-bit for the windows: a longer video plays up to
    // this frame, which then counts as its last.
    static constexpr int DerniereImageSuivie = 32767;

    explicit LectureVideo(QObject* parent = nullptr);
    ~LectureVideo() override;

    // Tests replace the time source and the sound output; by default the
    // steady system clock and the system's default device.
    void definirSourceTemps(const SourceTemps* source); // nullptr: the system's
    void definirFabriqueSortie(FabriqueSortieAudio fabrique);

    // Opens the file, stopped on frame 0; "" unloads. A file that cannot be
    // played leaves the player empty but keeps its name.
    void charger(const QString& chemin);
    QString chemin() const { return chemin_; }
    bool charge() const { return video_.ouvert(); }
    bool aDuSon() const { return son_.ouvert(); }

    // Plays from the current position; at the last frame, playback ends at once.
    void lire();
    void arreter();
    bool enLecture() const { return enLecture_; }

    // Number of the last frame (0 when empty), at most DerniereImageSuivie.
    int derniereImage() const { return derniere_; }
    int position() const { return position_; }
    // Seeks exactly to the frame (clamped to 0..last) and reports it. Unless the
    // player was told to stop, it then plays on from there.
    void allerA(int image);

    double imagesParSeconde() const { return video_.imagesParSeconde(); }
    QSize tailleNaturelle() const { return video_.taille(); }
    // The picture of the current position; null when empty.
    const QImage& image();
    // Number of the picture shown (a drop frame shows an earlier one).
    int numeroImage() const { return video_.numeroImage(); }

    // One step of playback: follows the clock to the frame now due. The timer
    // calls it; tests call it after moving their time source.
    void avancer();

signals:
    // Every frame shown while playing, every seek, and the last frame at the end.
    void positionChangee(int position);
    void imageChangee();

private:
    enum class Intention { Aucune, Arret, Lecture };
    void demarrerLecture();
    void suspendreLecture();
    void partirDePosition();
    void remplirSon();
    void planifier();
    void annoncer();

    SourceTempsSysteme tempsSysteme_;
    const SourceTemps* temps_ = &tempsSysteme_;
    FabriqueSortieAudio fabrique_;
    std::unique_ptr<SortieAudio> sortie_;
    bool sortieEssayee_ = false;

    DecodeurVideo video_;
    DecodeurSon son_;
    HorlogeLecture horloge_{tempsSysteme_};
    QTimer minuterie_;

    // Counts loads, so code that reported a position can tell whether the
    // slot that heard it loaded another file.
    quint64 chargements_ = 0;
    QString chemin_;
    int derniere_ = 0;
    int position_ = 0;
    bool positionAnnoncee_ = false;
    Intention intention_ = Intention::Aucune;
    bool enLecture_ = false;

    // A device that stops playing (suspended, stuck) must not freeze the
    // picture: after this long without progress the steady clock takes over.
    static constexpr int64_t SonBloqueUs = 1000000;
    int64_t dernierJoueUs_ = 0;
    int64_t joueChangeA_ = 0;  // steady time of the last progress of the sound

    QByteArray attente_;      // decoded sound the device has not taken yet
    qint64 ecritOctets_ = 0;  // sound handed to the device since the clock started
    bool sonActif_ = false;
};
