#pragma once
// « Ouvrir un projet » : le fichier « .cin » d'un projet existant. Le choix revient à l'éditeur
// dans NomProjet et RepertoireProjet (Ouverture).

#include "FenetreProjet.h"

class frmCin : public FenetreProjet {
    Q_OBJECT
public:
    frmCin(Editeur& editeur, QWidget* parent = nullptr);

    // Annuler, Échap et le cadre.
    void reject() override;

protected:
    bool Valider() override;
};
