#pragma once
#include <QDateTime>

// The clock the program reads for the status line and the journal, so tests
// can set the time.
class Horloge
{
public:
    virtual ~Horloge() = default;
    virtual QDateTime maintenant() const = 0;
};

class HorlogeSysteme : public Horloge
{
public:
    QDateTime maintenant() const override;
};

// The clock in use; the system clock unless a test put another in its place.
Horloge& horloge();
void definirHorloge(Horloge* h); // nullptr restores the system clock
