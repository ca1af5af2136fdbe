#include "Projet.h"

#include "Dialogues.h"
#include "Editeur.h"
#include "FichierProjet.h"
#include "Fichiers.h"

#include <QDir>

namespace Projet {

namespace {
void Refuser(Editeur& e, const QString& chemin, const QString& raison) {
    e.dialogues().message(QStringLiteral("PROJET ILLISIBLE"),
                          QStringLiteral("Impossible d'ouvrir le projet :") + CRLF +
                              QDir::toNativeSeparators(chemin) + CRLF + CRLF + raison,
                          Boutons::OK, Icone::Critique);
    e.NomProjet = e.NomOuvert;
    e.RepertoireProjet = e.RepOuvert;
}
} // namespace

void Ouvrir(Editeur& e) {
    const QString repertoire = SansSeparateurFinal(e.RepertoireProjet);
    const QString chemin = repertoire + QLatin1Char('/') + e.NomProjet + QStringLiteral(".cin");

    // Un fichier inutilisable est refusé avant toute question et avant tout changement.
    if (const auto essai = LireFichierProjet(chemin); !essai.accepte) {
        Refuser(e, chemin, essai.raison);
        return;
    }
    // La question porte sur le projet encore ouvert, sous son propre nom.
    const QString nom = e.NomProjet;
    e.NomProjet = e.NomOuvert;
    e.RepertoireProjet = e.RepOuvert;
    if (!e.DemanderEnregistrement())
        return;
    // Relu après la question : l'enregistrement a pu réécrire ce même fichier.
    const LectureProjet lecture = LireFichierProjet(chemin);
    e.NomProjet = nom;
    e.RepertoireProjet = repertoire;
    if (!lecture.accepte) {
        Refuser(e, chemin, lecture.raison);
        return;
    }

    e.IndOuverture = true;
    e.NumeroDiapo = 0;
    e.RepertoireProjet = repertoire;
    e.RepImage = repertoire + QLatin1Char('/') + e.NomProjet;
    e.NbSprite = lecture.nbSprite;
    e.NomOuvert = e.NomProjet;
    e.RepOuvert = e.RepertoireProjet;
    if (e.NbSprite == 0)
        return;

    e.Entete = lecture.entete;
    e.txtEntete = e.Entete;
    for (int i = 0; i < e.NbSprite; ++i)
        e.Info[i] = lecture.infos[i];
    // Une diapo dont le GIF se lit est une diapo GIF, même si un JPEG du même numéro existe.
    for (int i = 0; i < e.NbSprite; ++i)
        e.TypeImage[i] = Lisible(CheminImageDiapo(e.RepImage, i, QStringLiteral(".gif")))
                             ? QStringLiteral(".gif")
                             : QStringLiteral(".jpg");
    PrendreCopieSecours(e);
    e.lblNomDiapo = e.NomProjet;
    e.lblNbDiapo = QString::number(e.NbSprite);
    e.AfficherDiapo();
}

bool Enregistrer(Editeur& e) {
    ContenuProjet contenu;
    contenu.nom = e.NomProjet;
    contenu.repertoire = QDir::toNativeSeparators(e.RepertoireProjet);
    contenu.nbSprite = e.NbSprite;
    contenu.entete = e.Entete;
    contenu.infos = e.Info.data();
    // Le fichier est écrit avant d'effacer la copie de secours : si l'écriture échoue, l'ancien
    // fichier et la copie restent intacts.
    e.ErreurEcriture.clear();
    if (!EcrireFichierProjet(e.RepImage + QStringLiteral(".cin"), contenu, &e.ErreurEcriture))
        return false;
    e.copieSecours().Supprimer(e.TypeImageSecours);
    e.IndEnregistrer = true;
    return true;
}

bool SignalerEchecEnregistrement(Editeur& e) {
    e.dialogues().message(QStringLiteral("ERREUR"),
                          QStringLiteral("Le projet n'a pas pu être enregistré :") + CRLF +
                              QDir::toNativeSeparators(e.RepImage + QStringLiteral(".cin")) + CRLF +
                              e.ErreurEcriture + CRLF + CRLF +
                              QStringLiteral("Vos modifications sont toujours dans l'éditeur."),
                          Boutons::OK, Icone::Critique);
    return false;
}

bool PrendreCopieSecours(Editeur& e) {
    return e.copieSecours().Prendre(e.RepImage, e.NbSprite, e.TypeImage, e.TypeImageSecours,
                                    &e.dialogues());
}

void AnnulerModifications(Editeur& e) {
    e.copieSecours().Restaurer(e.NbSprite, e.TypeImage, e.TypeImageSecours);
    e.IndEnregistrer = true;
}

void CommandeEnregistrer(Editeur& e) {
    if (!e.IndOuverture)
        return;
    e.RichVersHTML();
    e.Entete = e.txtEntete;
    if (e.NomProjet == ProjetDefaut) {
        e.dialogues().message(QStringLiteral("ENREGISTREMENT IMPOSSIBLE"),
                              QStringLiteral("Choisissez un nom de diaporama !") + CRLF +
                                  QStringLiteral("Utilisez la commande ENREGISTRER SOUS..."),
                              Boutons::OK, Icone::Exclamation);
        return;
    }
    if (!Enregistrer(e)) {
        SignalerEchecEnregistrement(e);
        return;
    }
    PrendreCopieSecours(e);
    e.IndEnregistrer = true;
    e.dialogues().message(QStringLiteral("SAUVEGARDE"), QStringLiteral("Enregistrement réussi."),
                          Boutons::OK, Icone::Aucune);
}

} // namespace Projet
