#include "Ouverture.h"

#include "Dialogues.h"
#include "Editeur.h"
#include "Fenetres.h"
#include "FichierProjet.h"

namespace Ouverture {

void Commande(Editeur& e) {
    if (e.IndOuverture && !e.IndEnregistrer) {
        const bool oui =
            e.dialogues().question(QStringLiteral("ENREGISTRER"),
                                   QStringLiteral("Un projet est en cours.") + CRLF +
                                       QStringLiteral("Voulez-vous enregistrer votre travail ?"),
                                   Icone::Critique);
        if (oui && e.NomProjet == ProjetDefaut) {
            e.dialogues().message(QStringLiteral("ALERTE"),
                                  QStringLiteral("Il est impossible de sauvegarder un fichier "
                                                 "sans nom.") +
                                      CRLF +
                                      QStringLiteral("Utilisez la méthode ENREGISTRER SOUS..."),
                                  Boutons::OK, Icone::Critique);
            return;
        }
        if (oui) {
            // Un enregistrement manqué ne laisse pas ouvrir autre chose par-dessus.
            if (!e.EnregistrerProjet()) {
                e.SignalerEchecEnregistrement();
                return;
            }
        } else {
            e.AnnulerModifications();
        }
    }
    const bool ouvertAvant = e.IndOuverture;
    if (e.fenetres)
        e.fenetres->MontrerOuvrir();
    if (e.NomProjet.isEmpty()) {
        emit e.vueChangee();
        return;
    }
    e.OuvrirProjet();
    // Un fichier refusé laisse le projet précédent ouvert, comme avant la fenêtre.
    if (!e.IndOuverture && ouvertAvant && e.NomProjet == e.NomOuvert && !e.NomOuvert.isEmpty())
        e.IndOuverture = true;
    emit e.vueChangee();
}

void Valider(Editeur& e, const QString& dossier, const QString& fichier) {
    // La copie de secours n'est pas un projet.
    if (fichier == QLatin1String("aaaa.cin")) {
        Annuler(e);
        return;
    }
    if (fichier.isEmpty())
        return;
    e.NomProjet = fichier.left(fichier.size() - 4);
    e.RepertoireProjet = dossier;
    e.IndOuverture = false;
}

void Annuler(Editeur& e) {
    if (!e.IndOuverture)
        e.NomProjet.clear();
}

} // namespace Ouverture
