#include "SauverSous.h"

#include "Dialogues.h"
#include "Editeur.h"
#include "FichierProjet.h"
#include "Fichiers.h"

#include <QDir>
#include <QFileInfo>

namespace SauverSous {

namespace {
const QString Extension = QStringLiteral(".cin");
const QString NomsReserves[] = {QStringLiteral("aaaa"), QStringLiteral("aaaa.cin"),
                                QStringLiteral("Nouveau"), QStringLiteral("Nouveau.cin")};

bool EstDossierDuProgramme(const Editeur& e, const QString& dossier) {
    const QString programme = e.dossierProgramme();
    return SansSeparateurFinal(dossier) == SansSeparateurFinal(programme) ||
           MemeEmplacement(dossier, programme);
}
} // namespace

bool NomValide(const QString& nom) {
    const QString examine =
        nom.size() > 4 && nom.endsWith(Extension) ? nom.left(nom.size() - 4) : nom;
    // Une lettre est reconnue à sa majuscule, de A à Z : sur la page de code du programme, ce
    // sont les lettres non accentuées.
    for (const QChar c : examine)
        if (c != u'_' && !(c.unicode() < 128 && c.toUpper() >= u'A' && c.toUpper() <= u'Z'))
            return false;
    return true;
}

void Annuler(Editeur& e) {
    e.NomEnr.clear();
    e.RepEnr.clear();
}

bool Valider(Editeur& e, const QString& dossier, const QString& nom) {
    Dialogues& dialogues = e.dialogues();
    if (EstDossierDuProgramme(e, dossier)) {
        dialogues.message(QStringLiteral("Erreur de répertoire"),
                          QStringLiteral("Il est impossible de sauvegarder dans le répertoire "
                                         "de travail.") +
                              CRLF +
                              QStringLiteral("Pour créer un répertoire, cliquez sur la zone "
                                             "répertoire."),
                          Boutons::OK, Icone::Exclamation);
        return false;
    }
    if (!NomValide(nom)) {
        dialogues.message(QStringLiteral("Nom Invalide"),
                          QStringLiteral("Le nom choisi doit comporter uniquement des caractères "
                                         "alphabétiques") +
                              CRLF + QStringLiteral("non accentués ou le caractère _."),
                          Boutons::OK, Icone::Exclamation);
        return false;
    }
    // Un nom réservé ou vide ferme la fenêtre sans rien choisir : l'enregistrement est annulé.
    if (nom.isEmpty() || std::find(std::begin(NomsReserves), std::end(NomsReserves), nom) !=
                             std::end(NomsReserves)) {
        Annuler(e);
        return true;
    }
    e.NomEnr = nom.left(nom.indexOf(QLatin1Char('.')));
    e.RepEnr = dossier;
    if (Lisible(SansSeparateurFinal(dossier) + QLatin1Char('/') + e.NomEnr + Extension)) {
        const bool reecrire = dialogues.question(QStringLiteral("ALERTE"),
                                                 QStringLiteral("Le projet existe déjà.") + CRLF +
                                                     QStringLiteral("Voulez-vous le réécrire ?"),
                                                 Icone::Critique);
        if (!reecrire) {
            Annuler(e);
            return false;
        }
    }
    return true;
}

std::optional<QString> CreerDossier(Dialogues& dialogues, const QString& dossierCourant) {
    const bool creer = dialogues.question(
        QStringLiteral("CREER UN REPERTOIRE"),
        QStringLiteral("Voulez-vous créer un nouveau dossier dans le répertoire") + CRLF +
            QDir::toNativeSeparators(dossierCourant) + QStringLiteral(" ?"),
        Icone::Exclamation);
    if (!creer)
        return std::nullopt;
    const auto nom = dialogues.saisie(QStringLiteral("NOUVEAU REPERTOIRE"),
                                      QStringLiteral("Entrez le nom du nouveau répertoire :"),
                                      QStringLiteral("Nouveau Dossier"));
    if (!nom || nom->isEmpty())
        return std::nullopt;
    const QString chemin = dossierCourant.endsWith(QLatin1Char('/'))
                               ? dossierCourant + *nom
                               : dossierCourant + QLatin1Char('/') + *nom;
    // Un nom qui sortirait du dossier courant (« .. », « a/b ») ou qui existe déjà est refusé.
    const bool nomSimple = !nom->contains(QLatin1Char('/')) && *nom != QLatin1String(".") &&
                           *nom != QLatin1String("..") && !nom->contains(QChar(0));
    if (!nomSimple || QFileInfo::exists(chemin) || !QDir().mkdir(chemin)) {
        dialogues.message(QStringLiteral("ERREUR"),
                          QStringLiteral("Le nom utilisé n'est pas un nom valide") + CRLF +
                              QStringLiteral("ou le dossier existe déjà."),
                          Boutons::OK, Icone::Exclamation);
        return std::nullopt;
    }
    return chemin;
}

} // namespace SauverSous
