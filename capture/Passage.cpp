#include "Passage.h"

#include "FichierTexte.h"
#include "NombresVB.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

int32_t PlancherTexte32(const QString& texte) {
    const int64_t v = Plancher(ValeurTexte(texte));
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
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
        if (lignes) {
            if (lignes->size() > 0)
                r.largeur = lignes->at(0);
            if (lignes->size() > 1)
                r.hauteur = lignes->at(1);
            if (lignes->size() > 2)
                r.left = PlancherTexte32(lignes->at(2));
            if (lignes->size() > 3)
                r.top = PlancherTexte32(lignes->at(3));
        }
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
