#include "Projet.h"

#include "CopieSecours.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "FichierProjet.h"
#include "Fichiers.h"
#include "UneLigne.h"

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
    // fichier et la copie restent intacts. La copie sait qu'un enregistrement commence : après
    // un arrêt brutal, le démarrage suivant verra si le fichier de projet a changé.
    e.ErreurEcriture.clear();
    CopieSecours& secours = e.copieSecours();
    const bool marquee = secours.projet() == e.RepImage;
    if (marquee)
        secours.MarquerEnregistrement();
    if (!EcrireFichierProjet(e.RepImage + QStringLiteral(".cin"), contenu, &e.ErreurEcriture)) {
        if (marquee)
            secours.EnregistrementManque();
        return false;
    }
    secours.Supprimer();
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
    CopieSecours& secours = e.copieSecours();
    const bool complete =
        secours.Prendre(e.RepImage, e.NbSprite, e.TypeImage, e.TypeImageSecours, &e.dialogues());
    if (!secours.copieMiseDeCote().isEmpty())
        e.dialogues().message(
            QStringLiteral("COPIE DE SECOURS"),
            QStringLiteral("Une copie de secours encore utile a été trouvée dans le dossier des "
                           "copies de secours.") +
                CRLF + QStringLiteral("Elle n'a pas été effacée : elle est rangée dans") + CRLF +
                QDir::toNativeSeparators(secours.copieMiseDeCote()),
            Boutons::OK, Icone::Exclamation);
    if (!complete)
        e.dialogues().message(
            QStringLiteral("ATTENTION"),
            QStringLiteral("La copie de secours du diaporama « %1 » n'a pas pu être prise "
                           "entièrement :")
                    .arg(e.NomProjet) +
                CRLF + QDir::toNativeSeparators(secours.manifeste()->echec) + CRLF +
                QStringLiteral("n'a pas pu être copié dans") + CRLF +
                QDir::toNativeSeparators(secours.dossier()) + CRLF + CRLF +
                QStringLiteral("Tant que le diaporama n'est pas enregistré, ses modifications ne "
                               "pourront pas être abandonnées."),
            Boutons::OK, Icone::Exclamation);
    return complete;
}

void AnnulerModifications(Editeur& e) {
    CopieSecours& secours = e.copieSecours();
    const QString nom = secours.manifeste() ? secours.manifeste()->nomProjet() : QString();
    switch (secours.Restaurer(e.NbSprite, e.TypeImage, &e.dialogues())) {
    case CopieSecours::Resultat::Rien:
    case CopieSecours::Resultat::Faite:
        break;
    case CopieSecours::Resultat::Incomplete: {
        // Remettre une partie seulement mêlerait l'ancien et le nouveau : rien ne bouge.
        const QString rangee = secours.MettreDeCote();
        e.dialogues().message(
            QStringLiteral("ATTENTION"),
            QStringLiteral("Les modifications du diaporama « %1 » n'ont pas pu être "
                           "abandonnées : sa copie de secours n'avait pas pu être prise "
                           "entièrement.")
                    .arg(nom) +
                CRLF + QStringLiteral("Le diaporama garde son état actuel.") +
                (rangee.isEmpty()
                     ? QString()
                     : CRLF + CRLF + QStringLiteral("Ce qui avait été copié est gardé dans") +
                           CRLF + QDir::toNativeSeparators(rangee)),
            Boutons::OK, Icone::Exclamation);
        break;
    }
    case CopieSecours::Resultat::Echec: {
        QStringList fichiers;
        for (const QString& f : secours.echecs())
            fichiers << QDir::toNativeSeparators(f);
        e.dialogues().message(
            QStringLiteral("ERREUR"),
            QStringLiteral("Le diaporama « %1 » n'a pas pu être remis entièrement dans l'état de "
                           "son dernier enregistrement. Ces fichiers n'ont pas pu être remis en "
                           "place :")
                    .arg(nom) +
                CRLF + fichiers.join(CRLF) + CRLF + CRLF +
                QStringLiteral("Rien n'est perdu : la copie de secours est gardée dans") + CRLF +
                QDir::toNativeSeparators(secours.dossier()) + CRLF +
                QStringLiteral("et Ostrelle finira de la remettre en place à son prochain "
                               "démarrage."),
            Boutons::OK, Icone::Critique);
        break;
    }
    }
    e.IndEnregistrer = true;
}

void CommandeEnregistrer(Editeur& e) {
    if (!e.IndOuverture)
        return;
    e.RichVersHTML();
    e.Entete = SurUneLigne(e.txtEntete, QStringLiteral(" "));
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
