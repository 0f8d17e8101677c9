#include "DossierEssai.h"

#include "app/EtatSession.h"
#include "catalogue/RechercheCours.h"
#include "catalogue/VolumesSysteme.h"

#include <gtest/gtest.h>

namespace {

class VolumesFactices : public ListeVolumes
{
public:
    explicit VolumesFactices(QStringList v) : v_(std::move(v)) {}
    QStringList volumes() const override { return v_; }

private:
    QStringList v_;
};

Emplacements emplacements(const QStringList& volumes, const QString& programme,
                          const QString& secours = QStringLiteral("/srv/pedavin"))
{
    Emplacements e;
    CHERCHEDRIVE(e, VolumesFactices(volumes));
    completerEmplacements(e, programme, secours);
    return e;
}

// Records what the search loop asks of the window side.
struct Guichet
{
    QStringList reponses;       // answers given to the retry box, in turn
    QStringList sondes;         // candidates probed
    QStringList evenements;     // cues, pointer changes and boxes, in order
    QStringList contiennent;    // candidates that hold the course
    std::function<void()> aLaBoite; // runs when the box opens (a CD-ROM inserted...)
    struct Boite { int16_t icone; QString texte; int16_t boutons; QString titre; int16_t sonAutorise; };
    std::vector<Boite> boites;

    RappelsRecherche rappels()
    {
        RappelsRecherche r;
        r.contientCours = [this](const QString& lieu, const QString&) {
            sondes.append(lieu);
            return contiennent.contains(lieu);
        };
        r.afficherMessage = [this](int16_t icone, const QString& texte, int16_t boutons, const QString& titre) {
            evenements.append(QStringLiteral("boite"));
            boites.push_back({icone, texte, boutons, titre, etat().sonAutorise});
            if (aLaBoite)
                aLaBoite();
            return reponses.isEmpty() ? QString() : reponses.takeFirst();
        };
        r.jouerSonMCI = [this](const QString& son) { evenements.append(QStringLiteral("son ") + son); };
        r.curseurAttente = [this](bool attente) {
            evenements.append(attente ? QStringLiteral("sablier") : QStringLiteral("défaut"));
        };
        return r;
    }
};

class Recherche : public testing::Test
{
protected:
    void SetUp() override
    {
        reinitialiserEtat();
        etat().dossierCours = QStringLiteral("Bureautique");
    }
    void TearDown() override { reinitialiserEtat(); }
};

} // namespace

TEST(Emplacements, ProgramFolderThenVolumesInSystemOrderThenFallback)
{
    const Emplacements e = emplacements({QStringLiteral("/"), QStringLiteral("/media/cdrom"),
                                         QStringLiteral("/media/usb")},
                                        QStringLiteral("/opt/pedavin"));
    EXPECT_EQ(e.nombreLecteurs, 3);
    EXPECT_EQ(e.listeEmplacements,
              (std::vector<QString>{QStringLiteral("/opt/pedavin"), QStringLiteral("/"), QStringLiteral("/media/cdrom"),
                                    QStringLiteral("/media/usb"), QStringLiteral("/srv/pedavin")}));
    const Emplacements vide = emplacements({}, QStringLiteral("/opt/pedavin"));
    EXPECT_EQ(vide.nombreLecteurs, 0);
    EXPECT_EQ(vide.listeEmplacements, (std::vector<QString>{QStringLiteral("/opt/pedavin"), QStringLiteral("/srv/pedavin")}));
}

TEST(Emplacements, ManyVolumesAreAllKept)
{
    QStringList v;
    for (int i = 0; i < 60; ++i)
        v.append(QStringLiteral("/snap/paquet%1").arg(i));
    v.append(QStringLiteral("/media/cdrom"));
    const Emplacements e = emplacements(v, QStringLiteral("/opt/p"));
    EXPECT_EQ(e.nombreLecteurs, 61);
    EXPECT_EQ(e.listeEmplacements[61], QStringLiteral("/media/cdrom"));
}

TEST(Emplacements, SystemVolumesHaveNoDuplicatesAndNoEmptyRoots)
{
    const QStringList v = VolumesSysteme().volumes();
    EXPECT_EQ(v.size(), QSet<QString>(v.begin(), v.end()).size());
    EXPECT_FALSE(v.contains(QString()));
}

TEST_F(Recherche, FirstCandidateHoldingTheCourseWins)
{
    const struct { const char* nom; QStringList contiennent; const char* gagnant; int sondes; } cas[] = {
        {"BesideTheProgramBeatsTheCdRom", {"/opt/pedavin", "/media/cdrom"}, "/opt/pedavin", 1},
        {"FirstVolumeInSystemOrder", {"/media/usb", "/media/cdrom"}, "/media/cdrom", 3},
        {"VolumeBeatsFallback", {"/srv/pedavin", "/media/usb"}, "/media/usb", 4},
        {"FallbackLast", {"/srv/pedavin"}, "/srv/pedavin", 5},
    };
    const Emplacements e = emplacements({QStringLiteral("/"), QStringLiteral("/media/cdrom"), QStringLiteral("/media/usb")},
                                        QStringLiteral("/opt/pedavin"));
    for (const auto& c : cas) {
        Guichet g;
        g.contiennent = c.contiennent;
        EXPECT_EQ(rechercherCours(e, etat(), g.rappels()), IssueRecherche::Trouve) << c.nom;
        EXPECT_EQ(etat().lecteurCours, QString::fromUtf8(c.gagnant)) << c.nom;
        EXPECT_EQ(g.sondes.size(), c.sondes) << c.nom;
        EXPECT_TRUE(g.boites.empty()) << c.nom;
    }
}

TEST_F(Recherche, FloppyNamesAreSkipped)
{
    const Emplacements e = emplacements({QStringLiteral("a:"), QStringLiteral("A:"), QStringLiteral("b:")},
                                        QStringLiteral("/opt/p"));
    Guichet g;
    g.contiennent = {QStringLiteral("a:"), QStringLiteral("/srv/pedavin")};
    EXPECT_EQ(rechercherCours(e, etat(), g.rappels()), IssueRecherche::Trouve);
    EXPECT_EQ(g.sondes, (QStringList{QStringLiteral("/opt/p"), QStringLiteral("A:"), QStringLiteral("/srv/pedavin")}));
}

TEST_F(Recherche, RetryBoxOutcomes)
{
    // Four candidates a pass: /opt/p, /, /media/cdrom, /srv/pedavin.
    const struct { const char* nom; QStringList reponses; bool cdInsere; IssueRecherche issue; int boites; const char* lecteur; int sondes; } cas[] = {
        {"OkThenFoundOnTheSecondPass", {"Ok"}, true, IssueRecherche::Trouve, 1, "/media/cdrom", 4 + 3},
        {"OkTwiceThenAnnuler", {"Ok", "Ok", "Annuler"}, false, IssueRecherche::Quitter, 3, "/srv/pedavin", 12},
        {"Annuler", {"Annuler"}, false, IssueRecherche::Quitter, 1, "/srv/pedavin", 4},
        {"OtherAnswerGoesOnWithTheLastCandidate", {"Non"}, false, IssueRecherche::Poursuivre, 1, "/srv/pedavin", 4},
        {"NoAnswer", {}, false, IssueRecherche::Poursuivre, 1, "/srv/pedavin", 4},
    };
    const Emplacements e = emplacements({QStringLiteral("/"), QStringLiteral("/media/cdrom")}, QStringLiteral("/opt/p"));
    for (const auto& c : cas) {
        Guichet g;
        g.reponses = c.reponses;
        if (c.cdInsere)
            g.aLaBoite = [&g] { g.contiennent = {QStringLiteral("/media/cdrom")}; };
        EXPECT_EQ(rechercherCours(e, etat(), g.rappels()), c.issue) << c.nom;
        EXPECT_EQ(int(g.boites.size()), c.boites) << c.nom;
        EXPECT_EQ(etat().lecteurCours, QString::fromUtf8(c.lecteur)) << c.nom;
        EXPECT_EQ(g.sondes.size(), c.sondes) << c.nom;
    }
}

TEST_F(Recherche, RetryBoxTextCueAndPointer)
{
    etat().sonAutorise = FAUX;
    const Emplacements e = emplacements({}, QStringLiteral("/opt/p"));
    Guichet g;
    g.reponses = {QStringLiteral("Ok"), QStringLiteral("Annuler")};
    rechercherCours(e, etat(), g.rappels());
    ASSERT_EQ(g.boites.size(), 2u);
    const auto& b = g.boites[0];
    EXPECT_EQ(b.icone, 2);
    EXPECT_EQ(b.boutons, 0);
    EXPECT_EQ(b.titre, QStringLiteral("Recherche des cours"));
    EXPECT_EQ(b.texte, QStringLiteral("Pedavin ne trouve pas le dossier :  Bureautique\r insérez le CDROM approprié "
                                      "dans un lecteur \rpuis \"Ok\" pour recommencer,\rsinon \"Annuler \" pour "
                                      "Quitter l'application"));
    EXPECT_EQ(b.sonAutorise, VRAI);
    EXPECT_EQ(etat().sonAutorise, VRAI); // left raised after the media-control cue
    EXPECT_EQ(g.evenements, (QStringList{QStringLiteral("son clic.wav"), QStringLiteral("défaut"), QStringLiteral("boite"),
                                         QStringLiteral("sablier"), QStringLiteral("son clic.wav"),
                                         QStringLiteral("défaut"), QStringLiteral("boite")}));
}

TEST_F(Recherche, RealFoldersWithTitleDocumentsIgnoringCase)
{
    DossierEssai d;
    d.fichier(QStringLiteral("programme/Bureautique/textes/C01-Sans titre.pdf")); // no title document: a miss
    d.fichier(QStringLiteral("cdrom/BUREAUTIQUE/TEXTES/T-COURS.PDF"));
    d.fichier(QStringLiteral("usb/Bureautique/textes/T-Cours.pdf"));
    const Emplacements e = emplacements({d(QStringLiteral("vide")), d(QStringLiteral("cdrom")), d(QStringLiteral("usb"))},
                                        d(QStringLiteral("programme")), d(QStringLiteral("secours")));
    Guichet g;
    RappelsRecherche r = g.rappels();
    r.contientCours = nullptr; // the real probe
    EXPECT_EQ(rechercherCours(e, etat(), r), IssueRecherche::Trouve);
    EXPECT_EQ(etat().lecteurCours, d(QStringLiteral("cdrom")));
    EXPECT_FALSE(contientCours(d(QStringLiteral("programme")), QString())); // empty course folder name
}
