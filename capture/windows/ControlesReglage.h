#pragma once
// Les contrôles de la fenêtre des réglages et leur disposition : dimensions, type de sortie et
// qualité, capture et dernier résultat, commandes. Rien n'y est branché : c'est frmReglage qui
// donne vie aux contrôles.

#include "CouleursCapture.h"
#include "OptionsCapture.h"

#include <array>

class QAbstractButton;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

// Les noms sont ceux des contrôles (objectName), tableaux compris (cmdLargeur_0...).
struct ControlesReglage {
    QLineEdit* txtLargeur = nullptr;
    QLineEdit* txtHauteur = nullptr;
    std::array<QPushButton*, 4> cmdLargeur{};
    std::array<QPushButton*, 4> cmdHauteur{};
    std::array<QRadioButton*, 3> Option1{};
    QLabel* lblQualite = nullptr;
    QLineEdit* txtQualite = nullptr;
    std::array<QAbstractButton*, 4> Command1{};
    QPushButton* cmdNumero = nullptr;
    QToolButton* cmdVisu = nullptr;
    QToolButton* cmdRefaire = nullptr;
    QToolButton* cmdBMP = nullptr; // Ostrelle seulement
    QLabel* lblRefaire = nullptr;
    QPushButton* cmdHelp = nullptr;
    std::array<QLabel*, 3> Label1{};
};

// Crée les contrôles dans la fenêtre, avec textes, bulles, couleurs et état de départ.
ControlesReglage CreerControlesReglage(QDialog& fenetre, const OptionsCapture& options);

// Fond d'un contrôle (bouton, option, étiquette).
void Colorer(QWidget* controle, const QColor& couleur);
