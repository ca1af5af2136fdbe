#pragma once
// Les mesures ne parlent à personne : « Non » ou « OK » à tout, et chaque message est compté,
// car une opération qui parle pendant une mesure a échoué.

#include "Dialogues.h"

class DialoguesMuets : public Dialogues {
public:
    int messages = 0;
    QString dernier;

    Reponse message(const QString& titre, const QString& texte, Boutons boutons, Icone) override {
        ++messages;
        dernier = titre + QStringLiteral(" : ") + texte;
        return boutons == Boutons::OuiNon ? Reponse::Non : Reponse::OK;
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
