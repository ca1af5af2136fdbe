#include "ChoixImage.h"

#include "Dialogues.h"
#include "Editeur.h"
#include "Fichiers.h"

#include <QDir>

namespace {
// Les deux questions de ces fenêtres ont leurs lignes jointes par un simple retour chariot.
const QChar CR = QChar('\r');

bool ConfirmerSansFichier(Editeur& editeur) {
    return editeur.dialogues().question(QStringLiteral("QUITTER"),
                                        QStringLiteral("Vous n'avez pas sélectionné d'image.") +
                                            CR + QStringLiteral("Voulez-vous quitter ?"),
                                        Icone::Aucune);
}

// Copie l'image choisie sous le nom de la diapo : à côté, puis par renommage, si bien qu'un
// échec (disque plein...) laisse l'ancienne image intacte. Rend faux, après l'avoir dit, quand
// l'image n'a pas pu être écrite. Une image choisie dans le projet sous ce nom y est déjà.
bool CopierDansLeProjet(Editeur& editeur, const QString& source, const QString& destination) {
    if (MemeEmplacement(source, destination))
        return true;
    std::error_code erreur;
    if (CopierFichier(source, destination, &erreur, Synchroniser::Oui))
        return true;
    editeur.dialogues().message(QStringLiteral("ERREUR"),
                                QStringLiteral("L'image n'a pas pu être copiée dans le "
                                               "diaporama :") +
                                    CRLF + QDir::toNativeSeparators(destination) + CRLF +
                                    TexteErreurFichier(erreur),
                                Boutons::OK, Icone::Critique);
    return false;
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
    const QString type = TypeDuFichier(fichier);
    if (!CopierDansLeProjet(editeur, CheminDe(dossier, fichier),
                            CheminImageDiapo(editeur.RepImage, editeur.NbSprite, type)))
        return false;
    editeur.InsertTexte = commentaire;
    editeur.InsertTypeImage = type;
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
    const QString type = TypeDuFichier(fichier);
    // Sans copie, la diapo garde son image : c'est un abandon, jamais un changement de type.
    editeur.InsertTypeImage = Abandon;
    if (!CopierDansLeProjet(editeur, CheminDe(dossier, fichier),
                            CheminImageDiapo(editeur.RepImage, editeur.NumeroDiapo, type)))
        return false;
    editeur.InsertTypeImage = type;
    return true;
}
