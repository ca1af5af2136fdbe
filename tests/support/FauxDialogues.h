#pragma once
// Faux Dialogues des tests : enregistre chaque message (titre, texte, boutons, icône) et
// répond à partir d'une file de réponses préparée par le test. Jamais bloquant.

#include "Dialogues.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

struct MessageVu {
    QString titre;
    QString texte;
    Boutons boutons;
    Icone icone;
};

class FauxDialogues : public Dialogues {
public:
    // Réponses aux prochaines questions Oui/Non, dans l'ordre.
    std::deque<Reponse> reponses;
    // Réponses aux prochaines boîtes de saisie (nullopt = annulée).
    std::deque<std::optional<QString>> saisies;
    // Ce que fait chaque prochaine fenêtre modale (à la place de l'utilisateur) ; son résultat
    // est le code rendu. Sans script, la fenêtre est refermée par rejet (0).
    std::deque<std::function<int(QDialog&)>> fenetres;

    QList<MessageVu> messages;
    QStringList ouvertures;       // chemins passés au verbe « ouvrir »
    QStringList fenetresVues;     // objectName des fenêtres modales montrées
    int questionsSansReponse = 0; // une question posée alors que la file était vide
    int progressionsDebutees = 0;
    int dernierAvancement = -1;

    Reponse message(const QString& titre, const QString& texte, Boutons boutons,
                    Icone icone) override;
    std::optional<QString> saisie(const QString& titre, const QString& invite,
                                  const QString& texteInitial) override;
    bool ouvrirAvecShell(const QString& chemin) override;
    int executerModal(QDialog& fenetre) override;
    void debutProgression(const QString& texte, int total) override;
    void avancerProgression(int fait) override;
    void finProgression() override;

    // Le dernier message, ou un message vide s'il n'y en a pas eu.
    MessageVu dernier() const;
};
