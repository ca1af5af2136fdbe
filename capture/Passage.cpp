#include "Passage.h"

#include "FichierTexte.h"
#include "NombresVB.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

int32_t PlancherTexte32(const QString& texte) {
    const int64_t v = Plancher(ValeurTexte(texte));
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

std::optional<int32_t> PlancherLigne32(const QString& ligne) {
    const std::optional<double> valeur = ValeurTexteSiNombre(ligne);
    if (!valeur || !std::isfinite(*valeur))
        return std::nullopt;
    const int64_t v = Plancher(*valeur);
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

ReglagesPassage LirePassage(const QString& chemin) {
    ReglagesPassage r{QStringLiteral("600"), QStringLiteral("350"), 0, 0};
    if (!QFileInfo::exists(chemin)) {
        r.largeur.clear();
        r.hauteur.clear();
    } else {
        // Quatre petites lignes : un fichier énorme ou binaire n'est pas un fichier de réglages,
        // toutes ses lectures échouent et les valeurs de départ restent.
        LimitesLecture limites;
        limites.tailleMax = 64 * 1024;
        limites.ligneMax = 1024;
        const auto lignes = LireLignes(chemin, nullptr, limites);
        const auto ligne = [&lignes](int i) -> std::optional<QString> {
            if (!lignes || lignes->size() <= i)
                return std::nullopt;
            return lignes->at(i);
        };
        // Une case reçoit son texte tel quel (un texte sans chiffres sera refusé à la
        // capture), sauf un nombre qui ne tient pas : il compte comme une ligne absente.
        const auto demesure = [](const QString& texte) {
            return ValeurTexteSiNombre(texte) && !PlancherLigne32(texte);
        };
        if (const auto l = ligne(0); l && !demesure(*l))
            r.largeur = *l;
        if (const auto l = ligne(1); l && !demesure(*l))
            r.hauteur = *l;
        if (const auto l = ligne(2))
            r.left = PlancherLigne32(*l).value_or(r.left);
        if (const auto l = ligne(3))
            r.top = PlancherLigne32(*l).value_or(r.top);
    }
    if (r.largeur.isEmpty()) {
        r.largeur = QStringLiteral("600");
        r.hauteur = QStringLiteral("350");
    }
    return r;
}

bool EcrirePassage(const QString& chemin, int32_t largeur, int32_t hauteur, int32_t left,
                   int32_t top) {
    return EcrireLignes(chemin, {QString::number(largeur), QString::number(hauteur),
                                 QString::number(left), QString::number(top)});
}

bool EcrirePassageDefaut(const QString& chemin) {
    return EcrirePassage(chemin, 600, 350, PositionAbsente, PositionAbsente);
}
