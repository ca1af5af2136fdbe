#include "FenetreProjet.h"

#include "BoutonAide.h"
#include "Feuilles.h"
#include "ListeFichiers.h"
#include "Parcours.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

FenetreProjet::FenetreProjet(Editeur& editeur, const QString& nom, const QString& titre,
                             const QString& pageAide, QWidget* parent)
    : QDialog(parent), m_editeur(editeur) {
    setObjectName(nom);
    setWindowTitle(titre);
    setModal(true);
    resize(720, 500);
    setMinimumSize(560, 380);

    m_colonne = new QVBoxLayout(this);
    m_parcours = new Parcours(this);
    m_parcours->File1()->definirMotif(QStringLiteral("*.cin"));
    // Au premier usage, les listes montrent le dossier personnel, où vivent les projets.
    m_parcours->allerA(QDir::homePath());
    m_colonne->addWidget(m_parcours, 1);

    auto* boutons = new QHBoxLayout;
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdOK->setMinimumWidth(110);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setObjectName(QStringLiteral("cmdAnnuler"));
    annuler->setAutoDefault(false);
    annuler->setMinimumWidth(110);
    boutons->addWidget(CreerBoutonAide(this, m_editeur, pageAide));
    boutons->addStretch(1);
    boutons->addWidget(m_cmdOK);
    boutons->addWidget(annuler);
    m_colonne->addLayout(boutons);

    connect(m_cmdOK, &QPushButton::clicked, this, &FenetreProjet::OK);
    // Annuler, Échap et le cadre passent tous par reject().
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_parcours->File1(), &ListeFichiers::fichierDoubleClique, this,
            [this](const QString&) { OK(); });
}

void FenetreProjet::OK() {
    if (Valider())
        accept();
}

void FenetreProjet::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    CentrerFeuille(*this);
    m_parcours->File1()->rafraichir();
}
