#include "Parcours.h"

#include "CheminsParcours.h"

#include <QBoxLayout>
#include <QDir>
#include <QShowEvent>

using CheminsParcours::Normaliser;
using CheminsParcours::Parent;

Parcours::Parcours(QWidget* parent, Disposition disposition) : QWidget(parent) {
    setObjectName("Parcours");
    m_drive1 = new ListeLecteurs(this);
    m_dir1 = new ListeDossiers(this);
    m_file1 = new ListeFichiers(this);

    auto* gauche = new QVBoxLayout;
    gauche->setContentsMargins(0, 0, 0, 0);
    gauche->addWidget(m_drive1);
    gauche->addWidget(m_dir1, 1);
    if (disposition == Disposition::CoteACote) {
        auto* rangee = new QHBoxLayout(this);
        rangee->setContentsMargins(0, 0, 0, 0);
        rangee->addLayout(gauche, 1);
        rangee->addWidget(m_file1, 1);
    } else {
        auto* colonne = new QVBoxLayout(this);
        colonne->setContentsMargins(0, 0, 0, 0);
        colonne->addLayout(gauche, 1);
        colonne->addWidget(m_file1, 1);
    }
    setTabOrder(m_drive1, m_dir1);
    setTabOrder(m_dir1, m_file1);

    connect(m_drive1, &ListeLecteurs::lecteurChoisi, this, &Parcours::LecteurChoisi);
    connect(m_dir1, &ListeDossiers::cheminChange, this, &Parcours::DossierChange);
    allerA(QDir::homePath());
}

bool Parcours::allerA(const QString& dossier) {
    bool exact = !dossier.isEmpty();
    QString c = exact ? Normaliser(dossier) : QDir::homePath();
    while (!ListeDossiers::dossierLisible(c)) {
        exact = false;
        if (Parent(c) == c) {
            c = QDir::homePath();
            break;
        }
        c = Parent(c);
    }
    m_dir1->definirChemin(c);
    // Sans changement de dossier, cheminChange ne vient pas : on accorde les deux autres ici.
    m_file1->definirChemin(m_dir1->chemin());
    m_drive1->choisirLecteurDe(m_dir1->chemin());
    return exact;
}

QString Parcours::cheminFichier() const {
    const QString nom = m_file1->nomFichier();
    return nom.isEmpty() ? QString() : QDir(m_file1->chemin()).filePath(nom);
}

void Parcours::rafraichir() {
    m_drive1->actualiser();
    m_dir1->rafraichir();
    m_file1->definirChemin(m_dir1->chemin());
    m_drive1->choisirLecteurDe(m_dir1->chemin());
}

void Parcours::showEvent(QShowEvent* e) {
    // Les boîtes sont cachées puis remontrées : le disque a pu changer entre-temps.
    if (!e->spontaneous())
        rafraichir();
    QWidget::showEvent(e);
}

void Parcours::LecteurChoisi(const QString& racine) {
    // Lecteur illisible (clé retirée, disque vide) : on revient sans bruit à celui du dossier.
    if (!m_dir1->definirChemin(racine))
        m_drive1->choisirLecteurDe(m_dir1->chemin());
}

void Parcours::DossierChange(const QString& chemin) {
    m_file1->definirChemin(chemin);
    m_drive1->choisirLecteurDe(chemin);
}
