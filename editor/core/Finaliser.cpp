#include "Finaliser.h"

#include "Dialogues.h"
#include "Editeur.h"
#include "FichierProjet.h"
#include "Fichiers.h"
#include "Windows1252.h"

#include <QFile>

namespace Finaliser {

namespace {
// La page se sert-elle du fond de cadre ? Le modèle « Image.htm » le dit par ce texte.
bool PageAvecFondDeCadre(const QString& page) {
    QFile f(page);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return DecoderWindows1252(f.readAll())
        .contains(QStringLiteral("background=imgFondTable.jpg"), Qt::CaseInsensitive);
}
} // namespace

void FinaliserDiaporama(Editeur& e) {
    if (!e.IndOuverture || e.NomProjet == ProjetDefaut ||
        MemeEmplacement(e.RepertoireProjet, e.dossierProgramme()) ||
        SansSeparateurFinal(e.RepertoireProjet) == SansSeparateurFinal(e.dossierProgramme()))
        return;
    if (!e.dialogues().question(
            QStringLiteral("ALERTE"),
            QStringLiteral("La finalisation du diaporama va détruire les fichiers nécéssaires à "
                           "l'édition sur Ostrelle.") +
                CRLF +
                QStringLiteral("Vont rester les fichiers nécessaires au fonctionnement sur le "
                               "navigateur.") +
                CRLF + QStringLiteral("Voulez-vous effacer les fichiers d'édition ?"),
            Icone::Exclamation))
        return;
    // Chaque étape qui échoue est sautée : un fichier déjà absent n'arrête rien.
    SupprimerFichier(e.RepImage + QStringLiteral(".cin"));
    const bool cadre = PageAvecFondDeCadre(e.RepImage + QStringLiteral(".htm"));
    e.richtxtTexteInfo.clear();
    if (!cadre)
        SupprimerFichier(e.RepertoireProjet + QStringLiteral("/imgFondCadre.jpg"));
    e.copieSecours().Supprimer();
    e.IndEnregistrer = true;
    e.IndOuverture = false;
    emit e.vueChangee();
}

} // namespace Finaliser
