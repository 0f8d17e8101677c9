#include "journal/Enregistreur.h"

namespace {
bool grandir(EtatSession& e)
{
    if (e.nombreEtapes >= etapesMaximum)
        return false;
    e.nombreEtapes = int16_t(e.nombreEtapes + 1);
    e.parcours.redimensionner(e.nombreEtapes);
    return true;
}

QString libelleEpreuve(int k)
{
    return k <= 5 ? QStringLiteral("Q%1").arg(k) : QStringLiteral("T%1").arg(k - 5);
}
} // namespace

namespace {
// Formatting by hand: the recorder runs on every action, and Qt's format
// strings cost several times the rest of a recording.
void deuxChiffres(QChar*& c, int v)
{
    *c++ = QLatin1Char(char('0' + v / 10 % 10));
    *c++ = QLatin1Char(char('0' + v % 10));
}

// Seconds on the wall clock: whole seconds as the clock shows them. Local
// time conversions are left out on purpose; the hours they would change are
// dropped from durations anyway.
qint64 secondesHorloge(const QDateTime& t)
{
    return t.date().toJulianDay() * 86400 + t.time().msecsSinceStartOfDay() / 1000;
}
} // namespace

QString heureLongue(const QDateTime& t)
{
    const QTime h = t.time();
    QString r(8, Qt::Uninitialized);
    QChar* c = r.data();
    deuxChiffres(c, h.hour());
    *c++ = QLatin1Char(':');
    deuxChiffres(c, h.minute());
    *c++ = QLatin1Char(':');
    deuxChiffres(c, h.second());
    return r;
}

QString dateCourte(const QDateTime& t) { return t.date().toString(QStringLiteral("dd/MM/yyyy")); }

QString dureeEtape(const QDateTime& debut, const QDateTime& fin)
{
    // A clock set back gives no negative duration.
    qint64 s = debut.isValid() && fin.isValid() ? secondesHorloge(fin) - secondesHorloge(debut) : 0;
    if (s < 0)
        s = 0;
    s %= 3600;
    QString r(5, Qt::Uninitialized);
    QChar* c = r.data();
    deuxChiffres(c, int(s / 60));
    *c++ = QLatin1Char(':');
    deuxChiffres(c, int(s % 60));
    return r;
}

QString numeroEtape(int n)
{
    QString t = QString::number(n);
    if (t.size() == 1)
        t.prepend(QStringLiteral("00"));
    if (t.size() == 2)
        t.prepend(QLatin1Char('0'));
    return t;
}

bool ajouteretape(EtatSession& e, const VueEnregistreur& vue, const QDateTime& maintenant)
{
    if (!grandir(e))
        return false;
    const int n = e.nombreEtapes;
    auto& p = e.parcours;
    p.duree[size_t(n - 1)] = dureeEtape(e.debutEtapeCourante, maintenant);
    e.debutEtapeCourante = maintenant;
    p.numero[size_t(n)] = numeroEtape(n);

    QString& action = p.action[size_t(n)];
    QString& reference = p.reference[size_t(n)];
    action = QStringLiteral("       ") + vue.legende;
    reference = e.referenceLecon;
    if (vue.rechercheVisible) {
        action = QStringLiteral("Recherche hypertexte sur la chaîne : ") + vue.motCle;
        reference.clear();
    }

    const QString courte = vue.legende.left(26);
    switch (e.typeEtape) {
    case 4:
        action = QStringLiteral("Bascule dans ") + vue.sujet + QStringLiteral(" pendant la séquence : ") + courte;
        break;
    case 3: {
        const int k = e.noteAnnulee;
        if (k >= 1 && k <= 9) {
            const QString s = QString::number(e.TableauNotes.note(k));
            action = QStringLiteral("ANNULATION de la note de ") + s
                     + (k <= 5 ? QStringLiteral("/20,  précédemment obtenue au  questionnaire N° ") + QString::number(k)
                               : QStringLiteral("/20,  précédemment obtenue au  Test N° ") + QString::number(k - 5));
        }
        reference.clear();
        break;
    }
    case 2:
        action = QStringLiteral("Appel à l'animation lors de la bascule pendant la séquence : ") + courte;
        break;
    case 1:
        action = QStringLiteral("Appel au document lors de la bascule pendant la séquence : ") + courte;
        break;
    case 5:
        action.clear();
        for (int k = 1; k <= 9; ++k)
            if (e.epreuveFaite[size_t(k)] == 1)
                action += QStringLiteral("Résultat ") + libelleEpreuve(k) + QStringLiteral(" : ")
                          + QString::number(e.TableauNotes.note(k)) + QStringLiteral("/20 - ");
        reference.clear();
        break;
    default:
        break;
    }
    p.debut[size_t(n)] = heureLongue(maintenant);
    return true;
}

bool continuersession(EtatSession& e, const QDateTime& maintenant)
{
    if (!grandir(e))
        return false;
    const int n = e.nombreEtapes;
    auto& p = e.parcours;
    p.duree[size_t(n - 1)] = QStringLiteral("00:00");
    e.debutEtapeCourante = maintenant;
    p.numero[size_t(n)] = QStringLiteral("000");
    p.action[size_t(n)] = QStringLiteral("Session du  ") + dateCourte(maintenant) + QStringLiteral("   à   ")
                          + heureLongue(maintenant);
    p.debut[size_t(n)] = QStringLiteral("00:00:00");
    return true;
}
