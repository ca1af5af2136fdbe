#include "FluxPage.h"

#include "Dialogues.h"
#include "Editeur.h"
#include "FichierProjet.h"
#include "FichierTexte.h"
#include "Fichiers.h"
#include "GenerateurPage.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace FluxPage {

namespace {
// Un modèle trop court vient d'une installation abîmée : on le dit, sans rien écrire.
bool VerifierModele(Dialogues& dialogues, const QString& nom,
                    const std::optional<QStringList>& lignes, int minimum) {
    const int lues = lignes ? static_cast<int>(lignes->size()) : 0;
    if (lignes && lues >= minimum)
        return true;
    dialogues.message(
        QStringLiteral("MODELE ENDOMMAGE"),
        QStringLiteral("Le modèle « %1 » du dossier du programme est inutilisable").arg(nom) +
            (lignes ? QStringLiteral(" : il n'a que %1 lignes au lieu d'au moins %2.")
                          .arg(lues)
                          .arg(minimum)
                    : QStringLiteral(" : il ne peut pas être lu.")) +
            CRLF + QStringLiteral("Aucune page n'a été créée.") + CRLF + CRLF +
            QStringLiteral("Utilisez le bouton « Restaurer le modèle par défaut » pour le "
                           "remettre en état."),
        Boutons::OK, Icone::Critique);
    return false;
}

// La page montre ses fonds par leur simple nom, pris dans le dossier du projet. Le fond de page
// qui manque vient du dossier du programme ; celui qui est là a pu être choisi pour ce
// diaporama et reste. Le fond de cadre va avec le modèle qui le demande : l'image choisie en
// même temps que lui remplace celle du projet, pour que la page la montre.
void ApporterFonds(const QStringList& modelePage, const QString& programme, const QString& projet) {
    const QString fond = QStringLiteral("/imgFond.jpg");
    if (!QFileInfo::exists(projet + fond))
        CopierFichier(programme + fond, projet + fond);
    const QString cadre = QStringLiteral("imgFondTable.jpg");
    const bool demandeCadre = std::any_of(modelePage.begin(), modelePage.end(),
                                          [&](const QString& l) { return l.contains(cadre); });
    if (demandeCadre && QFileInfo::exists(programme + QLatin1Char('/') + cadre))
        CopierFichier(programme + QLatin1Char('/') + cadre, projet + QLatin1Char('/') + cadre);
}
} // namespace

void CreerHTML(Editeur& e) {
    if (!e.IndOuverture)
        return;
    Dialogues& dialogues = e.dialogues();
    if (e.NomProjet == ProjetDefaut) {
        dialogues.message(QStringLiteral("ALERTE"),
                          QStringLiteral("Vous devez d'abord donner un nom au projet !"),
                          Boutons::OK, Icone::Critique);
        return;
    }
    if (!e.IndEnregistrer) {
        dialogues.message(QStringLiteral("IMPOSSIBILITE"),
                          QStringLiteral("Il faut d'abord enregistrer le diaporama !"), Boutons::OK,
                          Icone::Exclamation);
        return;
    }
    const QString programme = e.dossierProgramme();
    const auto modelePage = LireLignes(programme + QStringLiteral("/Nouveau.htm"));
    const auto modeleScript = LireLignes(programme + QStringLiteral("/Nouveau.js"));
    if (!VerifierModele(dialogues, QStringLiteral("Nouveau.htm"), modelePage,
                        LignesModelePageMin) ||
        !VerifierModele(dialogues, QStringLiteral("Nouveau.js"), modeleScript,
                        LignesModeleScriptMin))
        return;

    e.LigneMax = EgaliserLignes(e.Info.data(), e.NbSprite);
    DonneesPage donnees;
    donnees.nomProjet = e.NomProjet;
    donnees.nbSprite = e.NbSprite;
    donnees.entete = e.Entete;
    donnees.infos = e.Info.data();
    donnees.typesImage = e.TypeImage.data();

    // Les deux fichiers sont écrits à côté puis mis en place ensemble : jamais une page neuve
    // avec un vieux script, ni un fichier à moitié écrit.
    const QString page = e.RepImage + QStringLiteral(".htm");
    const QString script = e.RepImage + QStringLiteral(".js");
    const QString suffixe = QStringLiteral(".nouveau");
    QString erreur;
    const bool ecrits =
        EcrireLignes(page + suffixe, GenererLignesPage(*modelePage, e.NomProjet), &erreur) &&
        EcrireLignes(script + suffixe, GenererLignesScript(*modeleScript, donnees), &erreur) &&
        DeplacerFichier(page + suffixe, page) && DeplacerFichier(script + suffixe, script);
    if (!ecrits) {
        SupprimerFichier(page + suffixe);
        SupprimerFichier(script + suffixe);
        dialogues.message(QStringLiteral("ERREUR"),
                          QStringLiteral("La page du diaporama n'a pas pu être écrite dans :") +
                              CRLF + QDir::toNativeSeparators(e.RepertoireProjet) + CRLF + erreur,
                          Boutons::OK, Icone::Critique);
        return;
    }
    CopierFichier(programme + QStringLiteral("/sohifrm2.wav"),
                  e.RepertoireProjet + QStringLiteral("/sohifrm2.wav"));
    ApporterFonds(*modelePage, programme, e.RepertoireProjet);
    e.IndHTML = true;
    if (e.copieSecours().projet() == e.RepImage)
        e.copieSecours().ActualiserPage();
    dialogues.ouvrirAvecShell(page);
}

void VoirHTML(Editeur& e) {
    if (!e.IndOuverture)
        return;
    if (!e.IndHTML)
        e.dialogues().message(QStringLiteral("ATTENTION"),
                              QStringLiteral("Vous allez visualiser un fichier HTML créé") + CRLF +
                                  QStringLiteral("avec une ancienne version du projet !"),
                              Boutons::OK, Icone::Exclamation);
    e.dialogues().ouvrirAvecShell(e.RepertoireProjet + QLatin1Char('/') + e.NomProjet +
                                  QStringLiteral(".htm"));
}

} // namespace FluxPage
