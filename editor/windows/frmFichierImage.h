#pragma once
// « Ajouter une image » : l'image et le commentaire d'une nouvelle diapo.

#include "FenetreChoixImage.h"

class QPlainTextEdit;

class frmFichierImage : public FenetreChoixImage {
    Q_OBJECT
public:
    frmFichierImage(Editeur& editeur, QWidget* parent = nullptr);

    // Titre et commentaire de départ, posés par l'éditeur avant de montrer la fenêtre.
    void Preparer(const QString& titre, const QString& commentaire);
    QPlainTextEdit* txtInfo() { return m_txtInfo; }

protected:
    bool Accepter(const QString& dossier, const QString& fichier) override;

private:
    QPlainTextEdit* m_txtInfo = nullptr;
};
