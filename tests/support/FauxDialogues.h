#pragma once
// Faux Dialogues des tests : enregistre chaque message (titre, texte, boutons, icône) et
// répond à partir d'une file de réponses préparée par le test. Jamais bloquant.
//
// Il est exigeant : une question, une saisie ou une fenêtre modale que le test n'a pas prévue
// fait échouer le test, et une réponse préparée qui n'a pas servi aussi (à la destruction du
// faux). Un test qui veut la réponse muette le dit (reponseParDefaut, fenetresRejetees).

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
    FauxDialogues() = default;
    FauxDialogues(const FauxDialogues&) = delete;
    FauxDialogues& operator=(const FauxDialogues&) = delete;
    ~FauxDialogues() override;

    // Réponses aux prochaines questions Oui/Non, dans l'ordre.
    std::deque<Reponse> reponses;
    // Réponses aux prochaines boîtes de saisie (nullopt = annulée).
    std::deque<std::optional<QString>> saisies;
    // Ce que fait chaque prochaine fenêtre modale (à la place de l'utilisateur) ; son résultat
    // est le code rendu.
    std::deque<std::function<int(QDialog&)>> fenetres;

    // Réponse donnée aux questions quand la file est vide ; sans elle, c'est une erreur.
    std::optional<Reponse> reponseParDefaut;
    // Les fenêtres sans script sont refermées par rejet (0) au lieu de faire échouer le test.
    bool fenetresRejetees = false;

    QList<MessageVu> messages;
    QStringList ouvertures;       // chemins passés au verbe « ouvrir »
    QStringList fenetresVues;     // objectName des fenêtres modales montrées
    int questionsSansReponse = 0; // questions, saisies et fenêtres posées sans réponse prévue
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
    // Oublie les réponses préparées qui n'ont pas servi (le test le dit expressément).
    void oublierReponses();

private:
    void Imprevu(const QString& quoi);
};
