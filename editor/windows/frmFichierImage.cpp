#include "frmFichierImage.h"

#include "ChoixImage.h"
#include "Editeur.h"

#include <QPlainTextEdit>

frmFichierImage::frmFichierImage(Editeur& editeur, QWidget* parent)
    : FenetreChoixImage(editeur, QStringLiteral("frmFichierImage"),
                        QStringLiteral("Ajouter une image"), QStringLiteral("AjouterImage.htm"),
                        parent) {
    m_txtInfo = new QPlainTextEdit(this);
    m_txtInfo->setObjectName(QStringLiteral("txtInfo"));
    m_txtInfo->setAccessibleName(QStringLiteral("Commentaire de la nouvelle diapo"));
    m_txtInfo->setTabChangesFocus(true);
    m_txtInfo->setMaximumHeight(110);
    m_txtInfo->setPlainText(TexteAttenteCommentaire + QLatin1Char('\n'));
    ajouterSousApercu(m_txtInfo);
}

void frmFichierImage::Preparer(const QString& titre, const QString& commentaire) {
    setWindowTitle(titre);
    m_txtInfo->setPlainText(commentaire);
}

bool frmFichierImage::Accepter(const QString& dossier, const QString& fichier) {
    return ValiderAjout(m_editeur, dossier, fichier, m_txtInfo->toPlainText());
}
