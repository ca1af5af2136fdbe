#include "FauxDialogues.h"

#include <QDialog>
#include <QTest>

FauxDialogues::~FauxDialogues() {
    // Une réponse préparée qui n'a pas servi : le test attendait une question qui n'est pas
    // venue.
    if (reponses.empty() && saisies.empty() && fenetres.empty())
        return;
    const QString reste = QStringLiteral("%1 réponse(s), %2 saisie(s), %3 fenêtre(s)")
                              .arg(reponses.size())
                              .arg(saisies.size())
                              .arg(fenetres.size());
    QTest::qFail(qPrintable(QStringLiteral("réponses préparées restées sans question : ") + reste),
                 __FILE__, __LINE__);
}

void FauxDialogues::Imprevu(const QString& quoi) {
    ++questionsSansReponse;
    QTest::qFail(qPrintable(QStringLiteral("question imprévue : ") + quoi), __FILE__, __LINE__);
}

Reponse FauxDialogues::message(const QString& titre, const QString& texte, Boutons boutons,
                               Icone icone) {
    messages.append({titre, texte, boutons, icone});
    if (boutons == Boutons::OK)
        return Reponse::OK;
    if (reponses.empty()) {
        if (reponseParDefaut)
            return *reponseParDefaut;
        Imprevu(titre + QStringLiteral(" / ") + texte);
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
        Imprevu(titre + QStringLiteral(" / ") + invite);
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
    if (fenetres.empty()) {
        if (!fenetresRejetees)
            Imprevu(QStringLiteral("fenêtre ") + fenetre.objectName());
        return QDialog::Rejected;
    }
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

void FauxDialogues::oublierReponses() {
    reponses.clear();
    saisies.clear();
    fenetres.clear();
}
