#include "FauxDialogues.h"

#include <QDialog>

Reponse FauxDialogues::message(const QString& titre, const QString& texte, Boutons boutons,
                               Icone icone) {
    messages.append({titre, texte, boutons, icone});
    if (boutons == Boutons::OK)
        return Reponse::OK;
    if (reponses.empty()) {
        ++questionsSansReponse;
        return Reponse::Non;
    }
    const Reponse r = reponses.front();
    reponses.pop_front();
    return r;
}

std::optional<QString> FauxDialogues::saisie(const QString& titre, const QString& invite,
                                             const QString&) {
    messages.append({titre, invite, Boutons::OK, Icone::Aucune});
    if (saisies.empty()) {
        ++questionsSansReponse;
        return std::nullopt;
    }
    const bool annulee = !saisies.front().has_value();
    const QString texte = saisies.front().value_or(QString());
    saisies.pop_front();
    if (annulee)
        return std::nullopt;
    return texte;
}

bool FauxDialogues::ouvrirAvecShell(const QString& chemin) {
    ouvertures.append(chemin);
    return true;
}

int FauxDialogues::executerModal(QDialog& fenetre) {
    fenetresVues.append(fenetre.objectName());
    if (fenetres.empty())
        return QDialog::Rejected;
    auto action = fenetres.front();
    fenetres.pop_front();
    return action(fenetre);
}

void FauxDialogues::debutProgression(const QString&, int) {
    ++progressionsDebutees;
}
void FauxDialogues::avancerProgression(int fait) {
    dernierAvancement = fait;
}
void FauxDialogues::finProgression() {}

MessageVu FauxDialogues::dernier() const {
    return messages.isEmpty() ? MessageVu{{}, {}, Boutons::OK, Icone::Aucune} : messages.last();
}
