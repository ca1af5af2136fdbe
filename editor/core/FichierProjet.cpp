#include "FichierProjet.h"

#include "FichierTexte.h"
#include "NombresVB.h"
#include "UneLigne.h"

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

    // Les quatre lignes d'en-tête doivent être là : un fichier vide ou coupé n'est pas un projet
    // sans diapo, et l'enregistrer l'écraserait. Les lignes 1 et 2 sont indicatives, leur texte
    // importe peu ; la 3 et la 4 portent leur clé.
    if (lignes->size() < 4 || !lignes->at(2).startsWith(QLatin1String("NbSprite=")) ||
        !lignes->at(3).startsWith(QLatin1String("Tag="))) {
        r.raison = QStringLiteral("Il lui manque les lignes d'en-tête d'un projet (« Nom= », "
                                  "« Repertoire= », « NbSprite= », « Tag= ») : il est vide ou "
                                  "endommagé.");
        return r;
    }
    // Une ligne sans nombre après « NbSprite= » compte zéro diapo.
    const QString ligneNombre = lignes->at(2);
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
    // Un séparateur de ligne Unicode (écrit « &#8232; » dans un fichier fait à la main) serait
    // un saut de ligne dans l'éditeur : il en devient un vrai.
    const auto sansSeparateurs = [](QString texte, const QString& saut) {
        return texte.replace(QChar(0x2028), saut).replace(QChar(0x2029), saut);
    };
    r.entete = sansSeparateurs(lignes->at(3).mid(4), QStringLiteral(" "));
    for (const QString& info : lignes->mid(4, n))
        r.infos << sansSeparateurs(info, QStringLiteral("<br>"));
    r.accepte = true;
    return r;
}

bool EcrireFichierProjet(const QString& chemin, const ContenuProjet& contenu, QString* erreur) {
    // Un saut de ligne dans l'entête ou un commentaire décalerait toutes les lignes suivantes à
    // la relecture : un tel fichier n'est jamais écrit.
    const auto refuser = [&](const QString& quoi) {
        if (erreur)
            *erreur =
                quoi + QStringLiteral(" contient un saut de ligne ou un caractère nul : le projet "
                                      "ne serait pas relu tel quel. Il n'a pas été écrit.");
        return false;
    };
    if (!TientSurUneLigne(contenu.entete))
        return refuser(QStringLiteral("L'entête du diaporama"));
    for (int i = 0; i < contenu.nbSprite; ++i)
        if (!TientSurUneLigne(contenu.infos[i]))
            return refuser(QStringLiteral("Le commentaire de la diapo %1").arg(i));
    QStringList lignes;
    lignes.reserve(4 + contenu.nbSprite);
    // Le nom et le dossier ne sont jamais relus : un caractère de contrôle dans le nom d'un
    // dossier n'empêche pas d'enregistrer.
    lignes << QStringLiteral("Nom=") + SurUneLigne(contenu.nom, QStringLiteral(" "))
           << QStringLiteral("Repertoire=") + SurUneLigne(contenu.repertoire, QStringLiteral(" "))
           << QStringLiteral("NbSprite=") + QString::number(contenu.nbSprite)
           << QStringLiteral("Tag=") + contenu.entete;
    for (int i = 0; i < contenu.nbSprite; ++i)
        lignes << contenu.infos[i];
    return EcrireLignes(chemin, lignes, erreur);
}
