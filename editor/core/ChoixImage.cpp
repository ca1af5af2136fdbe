#include "ChoixImage.h"

#include "Dialogues.h"
#include "Editeur.h"
#include "Fichiers.h"

namespace {
// Les deux questions de ces fenêtres ont leurs lignes jointes par un simple retour chariot.
const QChar CR = QChar('\r');

bool ConfirmerSansFichier(Editeur& editeur) {
    return editeur.dialogues().question(QStringLiteral("QUITTER"),
                                        QStringLiteral("Vous n'avez pas sélectionné d'image.") +
                                            CR + QStringLiteral("Voulez-vous quitter ?"),
                                        Icone::Aucune);
}

// Copie l'image choisie sous le nom de la diapo. La destination n'est jamais supprimée quand
// elle est la source elle-même (choisie dans le dossier du projet).
void CopierDansLeProjet(const QString& source, const QString& destination) {
    if (!MemeEmplacement(source, destination))
        SupprimerFichier(destination);
    CopierFichier(source, destination);
}

QString CheminDe(const QString& dossier, const QString& fichier) {
    return dossier.endsWith(QLatin1Char('/')) ? dossier + fichier
                                              : dossier + QLatin1Char('/') + fichier;
}
} // namespace

QString TypeDuFichier(const QString& fichier) {
    return fichier.right(4).toLower();
}

bool ValiderAjout(Editeur& editeur, const QString& dossier, const QString& fichier,
                  const QString& commentaire) {
    if (fichier.isEmpty())
        return ConfirmerSansFichier(editeur);
    QString sansFin = commentaire;
    if (sansFin.endsWith(QStringLiteral("\r\n")))
        sansFin.chop(2);
    else if (sansFin.endsWith(QLatin1Char('\n')))
        sansFin.chop(1);
    if (commentaire.isEmpty() || sansFin == TexteAttenteCommentaire) {
        const bool quitter =
            editeur.dialogues().question(QStringLiteral("QUITTER"),
                                         QStringLiteral("Vous n'avez pas entré de texte.") + CR +
                                             QStringLiteral("Voulez-vous quitter ?"),
                                         Icone::Aucune);
        if (!quitter)
            return false;
    }
    editeur.InsertTexte = commentaire;
    editeur.InsertTypeImage = TypeDuFichier(fichier);
    CopierDansLeProjet(
        CheminDe(dossier, fichier),
        CheminImageDiapo(editeur.RepImage, editeur.NbSprite, editeur.InsertTypeImage));
    ++editeur.NbSprite;
    return true;
}

bool ValiderChangement(Editeur& editeur, const QString& dossier, const QString& fichier) {
    if (fichier.isEmpty()) {
        if (!ConfirmerSansFichier(editeur))
            return false;
        editeur.InsertTypeImage = Abandon;
        return true;
    }
    editeur.InsertTypeImage = TypeDuFichier(fichier);
    CopierDansLeProjet(
        CheminDe(dossier, fichier),
        CheminImageDiapo(editeur.RepImage, editeur.NumeroDiapo, editeur.InsertTypeImage));
    return true;
}
