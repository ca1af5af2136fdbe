#include "Recuperation.h"

#include "CopieSecours.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Fichiers.h"

#include <QDir>
#include <QFile>

namespace Recuperation {

namespace {
const QString Titre = QStringLiteral("RECUPERATION");

QString Designation(const ManifesteSecours& m) {
    return QStringLiteral("le diaporama « %1 » (dossier %2)")
        .arg(m.nomProjet(), QDir::toNativeSeparators(m.dossierProjet()));
}

// Le fichier de projet a-t-il changé depuis la copie ? (enregistrement mené à son terme)
bool ProjetEnregistreDepuis(const CopieSecours& secours, const ManifesteSecours& m) {
    QFile copie(secours.chemin(QStringLiteral(".cin")));
    QFile projet(m.repImage + QStringLiteral(".cin"));
    if (!copie.open(QIODevice::ReadOnly))
        return true;
    if (!projet.open(QIODevice::ReadOnly))
        return false;
    return copie.readAll() != projet.readAll();
}

void Remettre(Editeur& e, const ManifesteSecours& m, bool interrompue) {
    CopieSecours& secours = e.copieSecours();
    secours.Adopter(m);
    TableDiapos aucune;
    // L'état non enregistré est perdu avec la séance : ses images en trop sont cherchées.
    if (secours.Restaurer(-1, aucune, &e.dialogues()) == CopieSecours::Resultat::Faite) {
        if (interrompue)
            e.dialogues().message(
                Titre,
                QStringLiteral("Ostrelle s'est arrêté pendant qu'il remettait %1 dans l'état de "
                               "son dernier enregistrement.")
                        .arg(Designation(m)) +
                    CRLF + QStringLiteral("Cette remise en place vient d'être terminée."),
                Boutons::OK, Icone::Aucune);
        return;
    }
    QStringList fichiers;
    for (const QString& f : secours.echecs())
        fichiers << QDir::toNativeSeparators(f);
    const QString rangee = secours.MettreDeCote();
    e.dialogues().message(
        Titre,
        QStringLiteral("Le diaporama « %1 » (dossier %2) n'a pas pu être remis dans l'état de "
                       "son dernier enregistrement.")
                .arg(m.nomProjet(), QDir::toNativeSeparators(m.dossierProjet())) +
            (fichiers.isEmpty() ? QString()
                                : CRLF +
                                      QStringLiteral("Ces fichiers n'ont pas pu être remis en "
                                                     "place :") +
                                      CRLF + fichiers.join(CRLF)) +
            CRLF + CRLF + QStringLiteral("Rien n'est perdu : sa copie de secours est gardée dans") +
            CRLF + QDir::toNativeSeparators(rangee),
        Boutons::OK, Icone::Critique);
}
} // namespace

void AuDemarrage(Editeur& e) {
    CopieSecours& secours = e.copieSecours();
    const std::optional<ManifesteSecours> restante = secours.Restante();
    if (!restante)
        return;
    const ManifesteSecours& m = *restante;
    switch (m.etat) {
    case ManifesteSecours::Etat::Prise:
        // La copie était en train d'être prise : le projet était alors son propre état
        // enregistré, rien ne s'est passé depuis.
        secours.Adopter(m);
        secours.Supprimer();
        return;
    case ManifesteSecours::Etat::Restauration:
        // L'utilisateur abandonnait ses modifications : on finit ce qu'il avait demandé.
        Remettre(e, m, true);
        return;
    case ManifesteSecours::Etat::Enregistrement:
        if (ProjetEnregistreDepuis(secours, m)) {
            secours.Adopter(m);
            secours.Supprimer();
            return;
        }
        break;
    case ManifesteSecours::Etat::Complete:
        break;
    }
    if (!m.complete()) {
        // Une copie incomplète ne peut pas remettre le projet : elle est gardée à part.
        const QString rangee = secours.MettreDeCote();
        e.dialogues().message(
            Titre,
            QStringLiteral("Ostrelle ne s'est pas fermé normalement la dernière fois.") + CRLF +
                QStringLiteral("La copie de secours de %1 était incomplète : le diaporama garde "
                               "ses fichiers tels qu'ils sont.")
                    .arg(Designation(m)) +
                CRLF + CRLF + QStringLiteral("Ce qu'elle contenait est gardé dans") + CRLF +
                QDir::toNativeSeparators(rangee),
            Boutons::OK, Icone::Exclamation);
        return;
    }
    const bool remettre = e.dialogues().question(
        Titre,
        QStringLiteral("Ostrelle ne s'est pas fermé normalement la dernière fois.") + CRLF +
            QStringLiteral("Les modifications du diaporama « %1 » (dossier %2) n'avaient pas été "
                           "enregistrées.")
                .arg(m.nomProjet(), QDir::toNativeSeparators(m.dossierProjet())) +
            CRLF + CRLF +
            QStringLiteral("Voulez-vous remettre ce diaporama dans l'état de son dernier "
                           "enregistrement ?") +
            CRLF + CRLF +
            QStringLiteral("Oui : les modifications non enregistrées sont abandonnées.") + CRLF +
            QStringLiteral("Non : le diaporama garde ses fichiers tels qu'ils sont maintenant."),
        Icone::Exclamation);
    if (remettre) {
        Remettre(e, m, false);
    } else {
        secours.Adopter(m);
        secours.Supprimer();
    }
}

} // namespace Recuperation
