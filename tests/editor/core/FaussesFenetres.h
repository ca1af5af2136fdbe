#pragma once
// Les fenêtres de l'éditeur jouées par le test : chaque fenêtre montrée exécute l'action
// prévue pour elle (à la place de l'utilisateur) ; une fenêtre sans action ne fait rien, comme
// une fenêtre refermée aussitôt.

#include "Fenetres.h"

#include <QStringList>
#include <functional>

struct FaussesFenetres : Fenetres {
    std::function<void()> ajout;
    std::function<void()> changement;
    std::function<void()> couleur;
    std::function<void()> sauverSous;
    std::function<void()> ouvrir;
    std::function<void()> visionneuse;
    std::function<void()> modele;
    std::function<void()> fondEcran;
    // Joue la fenêtre de capture ; reçoit ce que sa fermeture doit appeler.
    std::function<void(const std::function<void()>&)> capture;
    QColor couleurChoisie = QColor(255, 0, 0);

    QStringList montrees; // l'ordre des fenêtres montrées
    int ajoutsMontres = 0;
    QString titre, commentaire; // ce que l'éditeur a donné à « Ajouter une image »

    void MontrerAjout(const QString& t, const QString& c) override {
        montrees << QStringLiteral("frmFichierImage");
        ++ajoutsMontres;
        titre = t;
        commentaire = c;
        if (ajout)
            ajout();
    }
    void MontrerChangement() override {
        montrees << QStringLiteral("frmChangerImage");
        if (changement)
            changement();
    }
    void MontrerCouleur() override {
        montrees << QStringLiteral("frmCouleur");
        if (couleur)
            couleur();
    }
    QColor CouleurChoisie() const override { return couleurChoisie; }
    void MontrerSauverSous() override {
        montrees << QStringLiteral("frmSauverSous");
        if (sauverSous)
            sauverSous();
    }
    void MontrerOuvrir() override {
        montrees << QStringLiteral("frmCin");
        if (ouvrir)
            ouvrir();
    }
    void MontrerVisionneuse() override {
        montrees << QStringLiteral("frmVisionneuse");
        if (visionneuse)
            visionneuse();
    }
    void MontrerModele() override {
        montrees << QStringLiteral("frmChangerModele");
        if (modele)
            modele();
    }
    void MontrerFondEcran() override {
        montrees << QStringLiteral("frmFondEcran");
        if (fondEcran)
            fondEcran();
    }
    // Sans action, la fenêtre de capture est fermée aussitôt, sans capture.
    void MontrerCapture(std::function<void()> fermee) override {
        montrees << QStringLiteral("frmReglage");
        if (capture)
            capture(fermee);
        else
            fermee();
    }
    void MontrerInfo() override { montrees << QStringLiteral("frmInfo"); }
};
