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

QString heureLongue(const QDateTime& t) { return t.time().toString(QStringLiteral("HH:mm:ss")); }

QString dateCourte(const QDateTime& t) { return t.date().toString(QStringLiteral("dd/MM/yyyy")); }

QString dureeEtape(const QDateTime& debut, const QDateTime& fin)
{
    // Whole seconds of each moment, as the clock shows them; a clock set back
    // gives no negative duration.
    qint64 s = debut.isValid() ? fin.toSecsSinceEpoch() - debut.toSecsSinceEpoch() : 0;
    if (s < 0)
        s = 0;
    s %= 3600;
    return QStringLiteral("%1:%2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
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
