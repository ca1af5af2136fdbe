#pragma once
// L'unique passage par lequel les programmes parlent à l'utilisateur : messages, questions,
// boîtes de saisie, ouverture d'un fichier par le bureau, fenêtres modales et progression.
// L'implémentation Qt est DialoguesQt ; les tests installent un faux qui enregistre tout.

#include <QString>
#include <optional>

class QDialog;
class QWidget;

enum class Boutons { OK, OuiNon };
enum class Icone { Aucune, Critique, Exclamation };
enum class Reponse { OK, Oui, Non, Annuler };

class Dialogues {
public:
    virtual ~Dialogues() = default;

    // Un titre vide affiche le nom du programme, comme le fait une boîte sans titre.
    virtual Reponse message(const QString& titre, const QString& texte, Boutons boutons,
                            Icone icone) = 0;

    // Boîte de saisie ; rien quand l'utilisateur l'annule.
    virtual std::optional<QString> saisie(const QString& titre, const QString& invite,
                                          const QString& texteInitial) = 0;

    // Verbe « ouvrir » du bureau sur un fichier (navigateur, visionneuse...).
    virtual bool ouvrirAvecShell(const QString& chemin) = 0;

    // Montre une fenêtre modale et attend sa fermeture ; rend le code de QDialog::exec().
    virtual int executerModal(QDialog& fenetre) = 0;

    // Progression d'un travail long : n'apparaît que si le travail dure plus d'une demi-seconde.
    virtual void debutProgression(const QString& texte, int total) = 0;
    virtual void avancerProgression(int fait) = 0;
    virtual void finProgression() = 0;

    // Raccourcis pour les cas les plus fréquents.
    void information(const QString& titre, const QString& texte, Icone icone = Icone::Aucune) {
        message(titre, texte, Boutons::OK, icone);
    }
    bool question(const QString& titre, const QString& texte, Icone icone) {
        return message(titre, texte, Boutons::OuiNon, icone) == Reponse::Oui;
    }
};

// Fin de ligne des messages de plusieurs lignes.
inline const QString CRLF = QStringLiteral("\r\n");
