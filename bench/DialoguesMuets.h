#pragma once
// Les mesures ne parlent à personne : « Non » (ou la réponse choisie) ou « OK » à tout, et
// chaque message est compté, car une opération qui parle pendant une mesure a échoué ; une
// question attendue se compte à part.

#include "Dialogues.h"

class DialoguesMuets : public Dialogues {
public:
    int messages = 0;
    int questions = 0;
    Reponse reponse = Reponse::Non;
    QString dernier;

    Reponse message(const QString& titre, const QString& texte, Boutons boutons, Icone) override {
        dernier = titre + QStringLiteral(" : ") + texte;
        if (boutons == Boutons::OuiNon) {
            ++questions;
            return reponse;
        }
        ++messages;
        return Reponse::OK;
    }
    std::optional<QString> saisie(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool ouvrirAvecShell(const QString&) override { return false; }
    int executerModal(QDialog&) override { return 0; }
    void debutProgression(const QString&, int) override {}
    void avancerProgression(int) override {}
    void finProgression() override {}
};
