#include "FenetreChoixImage.h"

#include "BoutonAide.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Feuilles.h"
#include "Images.h"
#include "Parcours.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FenetreChoixImage::FenetreChoixImage(Editeur& editeur, const QString& nom, const QString& titre,
                                     const QString& pageAide, QWidget* parent)
    : QDialog(parent), m_editeur(editeur) {
    setObjectName(nom);
    setWindowTitle(titre);
    setModal(true);
    resize(900, 560);

    auto* rangee = new QHBoxLayout(this);
    m_parcours = new Parcours(this);
    m_parcours->File1()->definirMotif(QStringLiteral("*.jpg;*.gif"));
    // Au premier usage, les listes montrent le dossier de travail du programme.
    m_parcours->allerA(QDir::currentPath());
    rangee->addWidget(m_parcours, 3);

    m_colonneApercu = new QVBoxLayout;
    m_imgDiapo = new QLabel(this);
    m_imgDiapo->setObjectName(QStringLiteral("imgDiapo"));
    m_imgDiapo->setAccessibleName(QStringLiteral("Aperçu de l'image"));
    m_imgDiapo->setMinimumSize(280, 210);
    m_imgDiapo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_imgDiapo->setFrameShape(QFrame::StyledPanel);
    m_imgDiapo->setStyleSheet(QStringLiteral("background: #2b2b2b;"));
    m_colonneApercu->addWidget(m_imgDiapo, 1);

    auto* boutons = new QHBoxLayout;
    auto* aide = CreerBoutonAide(this, m_editeur, pageAide);
    m_cmdStop = new QPushButton(QStringLiteral("OK"), this);
    m_cmdStop->setObjectName(QStringLiteral("cmdStop"));
    m_cmdStop->setAutoDefault(false);
    m_cmdStop->setMinimumWidth(110);
    connect(m_cmdStop, &QPushButton::clicked, this, &FenetreChoixImage::Valider);
    // Renoncer sans passer par la question « Voulez-vous quitter ? » : Échap fait de même.
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setObjectName(QStringLiteral("cmdAnnuler"));
    annuler->setAutoDefault(false);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    boutons->addWidget(aide);
    boutons->addStretch(1);
    boutons->addWidget(annuler);
    boutons->addWidget(m_cmdStop);
    m_colonneApercu->addLayout(boutons);
    rangee->addLayout(m_colonneApercu, 2);

    connect(m_parcours->File1(), &ListeFichiers::fichierClique, this,
            [this](const QString& nom) { MontrerApercu(nom); });
    connect(m_parcours->File1(), &ListeFichiers::fichierDoubleClique, this,
            [this](const QString&) { Valider(); });
    connect(m_parcours->Dir1(), &ListeDossiers::cheminChange, this,
            [this](const QString&) { MontrerApercu(QString()); });
}

void FenetreChoixImage::ajouterSousApercu(QWidget* controle) {
    m_colonneApercu->insertWidget(1, controle);
}

void FenetreChoixImage::MontrerApercu(const QString& fichier) {
    m_fichierApercu = fichier;
    QImage image;
    if (!fichier.isEmpty()) {
        const QString chemin = QDir(m_parcours->File1()->chemin()).filePath(fichier);
        // Décodée directement à la taille de l'aperçu, qu'elle remplit.
        image = LireImageEtiree(chemin, m_imgDiapo->contentsRect().size() * devicePixelRatioF());
        image.setDevicePixelRatio(devicePixelRatioF());
    }
    m_tailleApercu = image.size();
    m_imgDiapo->setPixmap(QPixmap::fromImage(image));
}

void FenetreChoixImage::Valider() {
    const QString fichier = m_parcours->File1()->nomFichier();
    const QString dossier = m_parcours->File1()->chemin();
    if (!Accepter(dossier, fichier))
        return;
    // Après un choix, l'autre fenêtre s'ouvrira au même endroit.
    if (!fichier.isEmpty() && m_jumelle)
        m_jumelle->parcours()->allerA(dossier);
    accept();
}

void FenetreChoixImage::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    CentrerFeuille(*this);
    m_parcours->File1()->rafraichir();
    MontrerApercu(m_parcours->File1()->nomFichier());
}

void FenetreChoixImage::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    if (!m_tailleApercu.isEmpty())
        MontrerApercu(m_fichierApercu);
}
