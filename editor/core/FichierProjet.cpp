#include "FichierProjet.h"

#include "FichierTexte.h"
#include "NombresVB.h"

#include <cmath>

LectureProjet LireFichierProjet(const QString& chemin) {
    LectureProjet r;
    ErreurLecture erreur = ErreurLecture::Aucune;
    // Un projet honnête tient largement dans ces limites : 200 commentaires de quelques Ko.
    LimitesLecture limites;
    limites.tailleMax = 32LL * 1024 * 1024;
    limites.ligneMax = 1LL * 1024 * 1024;
    const auto lignes = LireLignes(chemin, &erreur, limites);
    if (!lignes) {
        r.raison = TexteErreurLecture(erreur);
        return r;
    }

    // Sans ligne de nombre, ou sans nombre dessus, le projet compte zéro diapo.
    const QString ligneNombre = lignes->size() >= 3 ? lignes->at(2) : QString();
    const double valeur = ValeurTexte(ligneNombre.mid(9));
    if (!std::isfinite(valeur) || valeur < -0.5 || valeur > NbDiaposMax + 0.5) {
        r.raison = QStringLiteral("Le nombre de diapositives indiqué (%1) doit être compris "
                                  "entre 0 et %2.")
                       .arg(ligneNombre.mid(9).left(40).trimmed())
                       .arg(NbDiaposMax);
        return r;
    }
    const int n = static_cast<int>(ArrondiPair(valeur));
    if (n < 0 || n > NbDiaposMax) {
        r.raison = QStringLiteral("Le nombre de diapositives indiqué (%1) doit être compris "
                                  "entre 0 et %2.")
                       .arg(n)
                       .arg(NbDiaposMax);
        return r;
    }
    r.nbSprite = n;
    if (n == 0) {
        r.accepte = true;
        return r;
    }
    const qsizetype presents = std::max<qsizetype>(0, lignes->size() - 4);
    if (presents < n) {
        r.raison = QStringLiteral("Le fichier annonce %1 diapositives mais ne contient que %2 "
                                  "commentaires.")
                       .arg(n)
                       .arg(presents);
        return r;
    }
    r.entete = lignes->at(3).mid(4);
    r.infos = lignes->mid(4, n);
    r.accepte = true;
    return r;
}

bool EcrireFichierProjet(const QString& chemin, const ContenuProjet& contenu, QString* erreur) {
    QStringList lignes;
    lignes.reserve(4 + contenu.nbSprite);
    lignes << QStringLiteral("Nom=") + contenu.nom
           << QStringLiteral("Repertoire=") + contenu.repertoire
           << QStringLiteral("NbSprite=") + QString::number(contenu.nbSprite)
           << QStringLiteral("Tag=") + contenu.entete;
    for (int i = 0; i < contenu.nbSprite; ++i)
        lignes << contenu.infos[i];
    return EcrireLignes(chemin, lignes, erreur);
}
