#include "frmSauverSous.h"

#include "Editeur.h"
#include "ListeDossiers.h"
#include "ListeFichiers.h"
#include "ListeLecteurs.h"
#include "Parcours.h"
#include "SauverSous.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

frmSauverSous::frmSauverSous(Editeur& editeur, QWidget* parent)
    : FenetreProjet(editeur, QStringLiteral("frmSauverSous"), QStringLiteral("EnregistrerSous"),
                    QStringLiteral("EnregistrerSous.htm"), parent) {
    Parcours* p = parcours();
    p->Dir1()->setToolTip(QStringLiteral("Click souris droit pour créer un dossier"));
    p->Dir1()->viewport()->installEventFilter(this);

    auto* libelle = new QLabel(QStringLiteral("Nom du diaporama :"), this);
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(QStringLiteral("Nom du diaporama"));
    libelle->setBuddy(m_text1);
    colonne()->insertWidget(1, libelle);
    colonne()->insertWidget(2, m_text1);

    // Changer de lecteur ou de dossier efface le nom ; un clic sur un projet le reprend.
    connect(p->Drive1(), &ListeLecteurs::lecteurChoisi, m_text1, &QLineEdit::clear);
    connect(p->Dir1(), &ListeDossiers::cheminChange, m_text1, &QLineEdit::clear);
    connect(p->File1(), &ListeFichiers::fichierClique, m_text1, &QLineEdit::setText);
}

void frmSauverSous::showEvent(QShowEvent* e) {
    FenetreProjet::showEvent(e);
    m_text1->clear();
    m_text1->setFocus();
}

bool frmSauverSous::Valider() {
    return SauverSous::Valider(m_editeur, parcours()->File1()->chemin(), m_text1->text());
}

void frmSauverSous::reject() {
    SauverSous::Annuler(m_editeur);
    FenetreProjet::reject();
}

bool frmSauverSous::eventFilter(QObject* objet, QEvent* e) {
    if (objet == parcours()->Dir1()->viewport() && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
        CreerDossier();
        return true;
    }
    return FenetreProjet::eventFilter(objet, e);
}

void frmSauverSous::CreerDossier() {
    if (const auto cree = SauverSous::CreerDossier(m_editeur.dialogues(), parcours()->dossier()))
        parcours()->allerA(*cree);
}
