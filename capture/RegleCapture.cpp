#include "RegleCapture.h"

#include "NombresVB.h"

QString NomCapture(const QString& dossier, int n, const QString& extension) {
    return dossier + QStringLiteral("/ScreenShot_") + QString::number(n) + extension;
}

QString TexteTaille(qint64 octets) {
    // En entiers : pas de double dont la moitié exacte se perdrait.
    qint64 ko = octets / 1000;
    const qint64 reste = octets % 1000;
    if (reste > 500 || (reste == 500 && ko % 2 != 0))
        ++ko;
    return QString::number(ko) + QStringLiteral(" ko");
}

QualiteLue LireQualite(const QString& texte) {
    const int64_t q = Plancher(ValeurTexte(texte));
    if (q < 1 || q > 100)
        return {100, true};
    return {static_cast<int16_t>(q), false};
}

std::optional<QString> PasDimension(int bouton, const QString& texte, int limite) {
    const double valeur = ValeurTexte(texte);
    // 'g' à 15 chiffres : « 599 » et non « 599.000000 », une valeur tapée « 12.5 » reste lisible.
    const auto ecrire = [](double v) { return QString::number(v, 'g', 15); };
    switch (bouton) {
    case 0:
        return QStringLiteral("10");
    case 1:
        if (valeur > 10)
            return ecrire(valeur - 1);
        break;
    case 2:
        if (valeur < limite)
            return ecrire(valeur + 1);
        break;
    case 3:
        return QString::number(limite);
    default:
        break;
    }
    return std::nullopt;
}

bool TailleValide(int32_t largeur, int32_t hauteur, int largeurEcran, int hauteurEcran) {
    return hauteur >= 10 && hauteur <= hauteurEcran && largeur >= 10 && largeur <= largeurEcran;
}

Teinte BasculerEcrasement(int16_t& numeroCapture, bool& indEcraser) {
    const bool avant = indEcraser;
    indEcraser = !indEcraser;
    if (avant) {
        ++numeroCapture;
        return Teinte::Normale;
    }
    if (numeroCapture != 0) {
        --numeroCapture;
        return Teinte::Ecrasement;
    }
    indEcraser = false;
    return Teinte::Inchangee;
}
