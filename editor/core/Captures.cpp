#include "Captures.h"

#include "Dialogues.h"
#include "Editeur.h"
#include "Fenetres.h"
#include "FichierProjet.h"
#include "FichierTexte.h"
#include "Fichiers.h"
#include "Passage.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <algorithm>

namespace Captures {

namespace {

// Au plus cent captures d'une séance : la fenêtre de capture n'en efface pas plus.
constexpr int NbCapturesMax = 100;

// La position du cadre laissée dans « Passage » (lignes 3 et 4, twips) ; absente, illisible ou
// démesurée, le cadre se centrera.
int PositionLue(const std::optional<QStringList>& lignes, int numero) {
    if (!lignes || lignes->size() < numero)
        return PositionAbsente;
    return PlancherLigne32(lignes->at(numero - 1)).value_or(PositionAbsente);
}

// Les captures comptent depuis la première, tant qu'aucune ne manque.
int CompterCaptures(const QString& dossier) {
    int n = 0;
    while (n < NbCapturesMax && Lisible(CheminCapture(dossier, n + 1)))
        ++n;
    return n;
}

// Les captures qui ne sont pas devenues des diapos restent au dossier du programme, où la
// prochaine ouverture de la fenêtre de capture les effacerait : l'utilisateur doit le savoir.
// erreur : l'une au moins n'a pas pu être déplacée (sinon, la place manquait seulement).
void SignalerRestees(Editeur& e, const QStringList& restees, bool erreur) {
    e.dialogues().message(
        erreur ? QStringLiteral("ERREUR") : QStringLiteral("ATTENTION"),
        (restees.size() == 1
             ? QStringLiteral("Une capture n'est pas dans le diaporama :")
             : QStringLiteral("%1 captures ne sont pas dans le diaporama :").arg(restees.size())) +
            CRLF + restees.join(CRLF) + CRLF + CRLF +
            (restees.size() == 1
                 ? QStringLiteral("Elle est restée dans le dossier du programme :")
                 : QStringLiteral("Elles sont restées dans le dossier du programme :")) +
            CRLF + QDir::toNativeSeparators(e.dossierProgramme()) + CRLF +
            QStringLiteral("Copiez-les ailleurs avant la prochaine capture, qui les effacerait."),
        Boutons::OK, erreur ? Icone::Critique : Icone::Exclamation);
}

// « ScreenShot_n.jpg (pourquoi) » pour les captures de premiere à derniere.
QStringList SansPlace(const QString& programme, int premiere, int derniere) {
    QStringList noms;
    for (int n = premiere; n <= derniere; ++n)
        noms << QStringLiteral("%1 (pas de place : 200 diapos au plus)")
                    .arg(QFileInfo(CheminCapture(programme, n)).fileName());
    return noms;
}

} // namespace

QString CheminCapture(const QString& dossierProgramme, int n) {
    return dossierProgramme + QStringLiteral("/ScreenShot_%1.jpg").arg(n);
}

void Commande(Editeur& e) {
    if (!e.IndOuverture || !e.fenetres)
        return;
    // Le commentaire en cours d'écriture reste à sa diapo.
    e.RichVersHTML();
    const QString programme = e.dossierProgramme();

    // La fenêtre de capture lit sa taille dans « Passage » : celle de la diapo en cours, et la
    // position où le cadre a été laissé.
    const QString passage = programme + QStringLiteral("/Passage");
    const std::optional<QStringList> lignes = LireLignes(passage);
    e.LeftDiapo = PositionLue(lignes, 3);
    e.TopDiapo = PositionLue(lignes, 4);
    EcrirePassage(passage, e.LargeurDiapo, e.HauteurDiapo, e.LeftDiapo, e.TopDiapo);

    // La fenêtre se cache et revient à chaque capture : son retour ne dit pas qu'elle est
    // fermée, seul IndCapture le dit.
    e.IndCapture = false;
    e.fenetres->MontrerCapture([&e] { e.IndCapture = true; });
    while (!e.IndCapture)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    const int capturees = CompterCaptures(programme);
    int recues = capturees;
    if (recues == 0) {
        e.dialogues().message(QStringLiteral("Opération Annulée"),
                              QStringLiteral("Aucune capture n'a été effectuée"), Boutons::OK,
                              Icone::Exclamation);
        return;
    }
    recues = std::min(recues, NbDiaposMax - e.NbSprite);
    if (recues <= 0) {
        e.dialogues().message(
            QString(),
            QStringLiteral("Le diaporama est plein! Il contient déjà 200 diapos !") + CRLF +
                QStringLiteral("Supprimez des diapos avant de capturer de nouveau."),
            Boutons::OK, Icone::Aucune);
        SignalerRestees(e, SansPlace(programme, 1, capturees), false);
        return;
    }

    // Chaque capture va dans le projet, même sur un autre disque ; une diapo ne compte que
    // quand son image est arrivée, et les suivantes se suivent sans trou.
    int arrivees = 0;
    QStringList restees;
    for (int i = 1; i <= recues; ++i) {
        const int k = e.NbSprite + arrivees;
        const QString capture = CheminCapture(programme, i);
        std::error_code erreur;
        if (!DeplacerFichier(capture, CheminImageDiapo(e.RepImage, k, QStringLiteral(".jpg")),
                             &erreur)) {
            restees << QStringLiteral("%1 (%2)").arg(QFileInfo(capture).fileName(),
                                                     TexteErreurFichier(erreur));
            continue;
        }
        // Un vieux GIF du même numéro l'emporterait au prochain chargement.
        SupprimerFichier(CheminImageDiapo(e.RepImage, k, QStringLiteral(".gif")));
        e.TypeImage[k] = QStringLiteral(".jpg");
        e.Info[k].clear();
        ++arrivees;
    }

    if (arrivees > 0)
        e.dialogues().message(QStringLiteral("Capture réussie"),
                              QStringLiteral("Vous venez de capturer %1 %2")
                                  .arg(arrivees)
                                  .arg(arrivees == 1 ? QStringLiteral("nouvelle diapo.")
                                                     : QStringLiteral("nouvelles diapos.")),
                              Boutons::OK, Icone::Aucune);
    const bool echecs = !restees.isEmpty();
    restees += SansPlace(programme, recues + 1, capturees);
    if (!restees.isEmpty())
        SignalerRestees(e, restees, echecs);
    if (arrivees == 0)
        return;

    // De nouvelles diapos : le projet est à enregistrer, la page à refaire.
    e.IndEnregistrer = false;
    e.IndHTML = false;
    e.NumeroDiapo = e.NbSprite;
    e.NbSprite += arrivees;
    e.lblNbDiapo = QString::number(e.NbSprite);
    e.AfficherDiapo();
}

} // namespace Captures
