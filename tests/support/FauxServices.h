#pragma once
// Fakes of the OS services, installed for a test's lifetime.
#include "plateforme/Horloge.h"
#include "plateforme/Services.h"

#include <QStringList>
#include <vector>

struct FauxSon : SortieSon
{
    int peripheriques = 1;
    QStringList joues;     // files given to the simple call
    QStringList commandes; // "close", "open <file>", "play"
    int nombrePeripheriques() override { return peripheriques; }
    void jouerAsynchrone(const QString& f) override { joues << f; }
    void commandeMCI(const QString& c, const QString& f) override
    {
        commandes << (f.isEmpty() ? c : c + QLatin1Char(' ') + f);
    }
};

struct FauxLanceur : Lanceur
{
    struct Demarrage
    {
        QString programme;
        QStringList arguments;
        QString dossier;
    };
    std::vector<Demarrage> demarres;
    QStringList ouverts;
    bool reussite = true;
    bool demarrer(const QString& p, const QStringList& a, const QString& d) override
    {
        demarres.push_back({p, a, d});
        return reussite;
    }
    bool ouvrirDocument(const QString& f) override
    {
        ouverts << f;
        return reussite;
    }
};

struct FauxMelangeur : Melangeur
{
    bool disponible = true;
    std::vector<uint32_t> volumes;
    bool ouvrir() override { return disponible; }
    bool reglerVolume(uint32_t v) override
    {
        volumes.push_back(v);
        return disponible;
    }
};

struct FausseInstance : InstanceUnique
{
    bool autre = false;
    bool autreInstance() override { return autre; }
};

struct FauxVolumes : ListeVolumes
{
    QStringList liste;
    QStringList volumes() const override { return liste; }
};

struct FausseHorloge : Horloge
{
    QDateTime t{QDate(2009, 6, 15), QTime(14, 5, 32)};
    QDateTime maintenant() const override { return t; }
};

// Installs fresh fakes on construction and removes them on destruction; the
// fakes stay reachable through the members.
struct ServicesFactices
{
    FauxSon* son;
    FauxLanceur* lanceur;
    FauxMelangeur* melangeur;
    FausseInstance* instance;
    FauxVolumes* volumes;
    FausseHorloge horloge;

    ServicesFactices()
    {
        auto& s = services();
        s.son = std::make_unique<FauxSon>();
        s.lanceur = std::make_unique<FauxLanceur>();
        s.melangeur = std::make_unique<FauxMelangeur>();
        s.instance = std::make_unique<FausseInstance>();
        s.volumes = std::make_unique<FauxVolumes>();
        son = static_cast<FauxSon*>(s.son.get());
        lanceur = static_cast<FauxLanceur*>(s.lanceur.get());
        melangeur = static_cast<FauxMelangeur*>(s.melangeur.get());
        instance = static_cast<FausseInstance*>(s.instance.get());
        volumes = static_cast<FauxVolumes*>(s.volumes.get());
        definirHorloge(&horloge);
    }
    ~ServicesFactices()
    {
        services() = Services{};
        definirHorloge(nullptr);
    }
};
