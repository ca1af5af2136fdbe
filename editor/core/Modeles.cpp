#include "Modeles.h"

#include "Dialogues.h"
#include "Fichiers.h"
#include "Programme.h"

#include "Remplacements.h"

#include <QDir>
#include <QFileInfo>

namespace Modeles {

Restauration RestaurerModele(Dialogues& dialogues, const QString& dossierProgramme) {
    Restauration r;
    r.acceptee =
        dialogues.question(QStringLiteral("ALERTE"),
                           QStringLiteral("Vous allez restaurer le modèle par défaut.") + CRLF +
                               QStringLiteral("Voulez-vous restaurer le modèle par défaut ?"),
                           Icone::Critique);
    if (!r.acceptee)
        return r;
    const QString source = dossierProgramme + QStringLiteral("/Restaurer/");
    // Tout est copié à côté d'abord : une copie qui échoue (disque plein) ne laisse rien changé.
    // Un fichier absent de « Restaurer » laisse en place celui du dossier du programme.
    RemplacementGroupe groupe;
    for (const char* fichier : FichiersProjetDefaut) {
        const QString nom = QString::fromLatin1(fichier);
        if (!QFileInfo(source + nom).isFile()) {
            r.manquants << nom;
            continue;
        }
        if (!groupe.Preparer(source + nom, dossierProgramme + QLatin1Char('/') + nom)) {
            groupe.Abandonner();
            r.echec = true;
            dialogues.message(
                QStringLiteral("ERREUR"),
                QStringLiteral("Le modèle par défaut n'a pas pu être restauré : le fichier") +
                    CRLF + QDir::toNativeSeparators(groupe.enEchec()) + CRLF +
                    QStringLiteral("n'a pas pu être écrit (%1).")
                        .arg(TexteErreurFichier(groupe.erreur())) +
                    CRLF + CRLF + QStringLiteral("Rien n'a changé dans le dossier du programme."),
                Boutons::OK, Icone::Critique);
            return r;
        }
    }
    if (!groupe.Appliquer())
        r.echec = true;
    if (!r.manquants.isEmpty())
        dialogues.message(QStringLiteral("ALERTE"),
                          QStringLiteral("Ces fichiers n'ont pas pu être restaurés depuis le "
                                         "dossier :") +
                              CRLF + QDir::toNativeSeparators(source) + CRLF + CRLF +
                              r.manquants.join(CRLF),
                          Boutons::OK, Icone::Exclamation);
    return r;
}

} // namespace Modeles
