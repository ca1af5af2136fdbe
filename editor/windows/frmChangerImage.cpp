#include "frmChangerImage.h"

#include "ChoixImage.h"
#include "Editeur.h"

frmChangerImage::frmChangerImage(Editeur& editeur, QWidget* parent)
    : FenetreChoixImage(editeur, QStringLiteral("frmChangerImage"),
                        QStringLiteral("Changer une image"), QStringLiteral("ChangerImage.htm"),
                        parent) {}

void frmChangerImage::reject() {
    m_editeur.InsertTypeImage = Abandon;
    FenetreChoixImage::reject();
}

bool frmChangerImage::Accepter(const QString& dossier, const QString& fichier) {
    return ValiderChangement(m_editeur, dossier, fichier);
}
