#pragma once
// « Changer une image » : une nouvelle image pour la diapo en cours.

#include "FenetreChoixImage.h"

class frmChangerImage : public FenetreChoixImage {
    Q_OBJECT
public:
    frmChangerImage(Editeur& editeur, QWidget* parent = nullptr);

    // Fermée autrement que par OK (cadre, Échap) : l'éditeur doit y lire un abandon.
    void reject() override;

protected:
    bool Accepter(const QString& dossier, const QString& fichier) override;
};
