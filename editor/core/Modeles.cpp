#include "Modeles.h"

#include "Dialogues.h"
#include "Fichiers.h"
#include "Programme.h"

namespace Modeles {

bool RestaurerModele(Dialogues& dialogues, const QString& dossierProgramme) {
    const bool oui =
        dialogues.question(QStringLiteral("ALERTE"),
                           QStringLiteral("Vous allez restaurer le modèle par défaut.") + CRLF +
                               QStringLiteral("Voulez-vous restaurer le modèle par défaut ?"),
                           Icone::Critique);
    if (!oui)
        return false;
    const QString source = dossierProgramme + QStringLiteral("/Restaurer/");
    bool tout = true;
    for (const char* fichier : FichiersProjetDefaut) {
        const QString nom = QString::fromLatin1(fichier);
        tout = CopierFichier(source + nom, dossierProgramme + QLatin1Char('/') + nom) && tout;
    }
    return tout;
}

} // namespace Modeles
