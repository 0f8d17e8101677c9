#include "catalogue/Activation.h"

namespace {
bool commencePar(const QString& texte, const char* debut)
{
    return texte.startsWith(QString::fromUtf8(debut), Qt::CaseInsensitive);
}
} // namespace

QString numeroChapitre(const QString& cle)
{
    const QString c = cle.mid(1, 2);
    return c.startsWith(QLatin1Char('0')) ? c.mid(1) : c;
}

QString numeroLecon(const QString& cle)
{
    if (cle.mid(3, 1) != QLatin1String("L"))
        return QString();
    const QString l = cle.mid(4, 2);
    return l.startsWith(QLatin1Char('0')) ? l.mid(1) : l;
}

QString legendeActivite(const QString& cle, const QString& texte)
{
    if (cle == QLatin1String("T"))
        return QString();
    const QString fin = texte.startsWith(QLatin1String("Prob")) ? QStringLiteral(" ?") : QStringLiteral(" ...");
    return numeroChapitre(cle) + QStringLiteral(" - ") + numeroLecon(cle) + QStringLiteral(" : ") + texte.left(90)
           + fin;
}

RetraitCourant retraitCourant(const QString& texte)
{
    RetraitCourant r;
    constexpr int bleu = 0xFF0000, rouge = 0x0000FF;
    if (commencePar(texte, "QUEST") || commencePar(texte, "EXERC") || commencePar(texte, "TEST")
        || commencePar(texte, "ACTI"))
        r.gras = true;
    for (const char* mot : {"TEST", "QUEST", "ACTIV", "EXERC", "SYNTH", "TRAVA"}) {
        if (commencePar(texte, mot)) {
            r.facteurTaille *= 1.1;
            r.couleurTexte = bleu;
        }
    }
    if (commencePar(texte, "SITUA")) {
        r.gras = true;
        r.facteurTaille *= 1.2;
        r.couleurTexte = rouge;
    }
    const bool titreExact = ((commencePar(texte, "QUEST") || commencePar(texte, "ACTIV") || commencePar(texte, "SYNTH"))
                             && texte.size() == 17)
                            || (commencePar(texte, "TEST") && texte.size() == 8);
    if (titreExact) {
        r.sansMarque = true;
        r.couleurTexte = bleu;
    }
    return r;
}

bool surlignable(const QString& texte)
{
    return !(commencePar(texte, "CHAP") || commencePar(texte, "COURS QZ") || commencePar(texte, "SÉQU"));
}

bool epreuveLancable(const QString& texte)
{
    return !epreuveRealisee(texte) && (commencePar(texte, "Questi") || commencePar(texte, "Test"));
}

bool epreuveRealisee(const QString& texte) { return texte.endsWith(QLatin1String("/20")); }
