#pragma once
// Les contrôles de mise en forme à côté du commentaire : les boutons cmdRich 0 à 8 et les listes
// des polices et des tailles. Ils n'apparaissent que sur une sélection ; tout le travail se fait
// dans CommandesTexte, la barre ne fait que montrer et transmettre.

#include "CommandesTexte.h"

#include <QWidget>

class QComboBox;
class QPushButton;
class QTextEdit;

class BarreMiseEnForme : public QWidget {
    Q_OBJECT
public:
    // editeurTexte : le QTextEdit du commentaire, dont la sélection est mise en forme.
    BarreMiseEnForme(CommandesTexte& commandes, QTextEdit& editeurTexte, QWidget* parent = nullptr);

    // Le bouton de la souris relâché sur l'éditeur (ou une sélection au clavier).
    void RelachementSurEditeur();
    // Montre ou cache les contrôles et place les listes sur les valeurs de la sélection.
    void Montrer(const EtatControlesTexte& etat);

private:
    void BoutonRich(int index);
    void TeindrePastille();

    CommandesTexte& m_commandes;
    QTextEdit& m_texte;
    QComboBox* m_comboPolice = nullptr;
    QComboBox* m_comboTaille = nullptr;
    QPushButton* m_cmdRich[9] = {};
};
