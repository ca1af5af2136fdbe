#pragma once
// « EnregistrerSous » : le dossier et le nom du nouveau projet. Le bouton droit sur la liste des
// dossiers en crée un. Le choix revient à l'éditeur dans NomEnr et RepEnr (SauverSous).

#include "FenetreProjet.h"

class QLineEdit;

class frmSauverSous : public FenetreProjet {
    Q_OBJECT
public:
    frmSauverSous(Editeur& editeur, QWidget* parent = nullptr);

    QLineEdit* Text1() { return m_text1; }
    // Toute sortie autre qu'un OK qui aboutit ne choisit rien.
    void reject() override;

protected:
    bool Valider() override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void CreerDossier();

    QLineEdit* m_text1 = nullptr;
};
