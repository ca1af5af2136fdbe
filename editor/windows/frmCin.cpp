#include "frmCin.h"

#include "ListeFichiers.h"
#include "Ouverture.h"
#include "Parcours.h"

frmCin::frmCin(Editeur& editeur, QWidget* parent)
    : FenetreProjet(editeur, QStringLiteral("frmCin"), QStringLiteral("Ouvrir un projet"),
                    QStringLiteral("OuvrirProjet.htm"), parent) {}

bool frmCin::Valider() {
    Ouverture::Valider(m_editeur, parcours()->File1()->chemin(), parcours()->File1()->nomFichier());
    return true;
}

void frmCin::reject() {
    Ouverture::Annuler(m_editeur);
    FenetreProjet::reject();
}
