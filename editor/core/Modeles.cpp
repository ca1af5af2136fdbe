#include "Modeles.h"

#include "Dialogues.h"
#include "Fichiers.h"
#include "Programme.h"

#include <QDir>

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
    // Chaque copie se fait à côté puis par renommage : un fichier absent de « Restaurer » ou
    // une copie qui échoue laisse en place celui du dossier du programme.
    for (const char* fichier : FichiersProjetDefaut) {
        const QString nom = QString::fromLatin1(fichier);
        if (!CopierFichier(source + nom, dossierProgramme + QLatin1Char('/') + nom))
            r.manquants << nom;
    }
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
