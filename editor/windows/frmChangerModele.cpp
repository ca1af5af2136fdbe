#include "frmChangerModele.h"

#include "BoutonAide.h"
#include "Editeur.h"
#include "Feuilles.h"
#include "Images.h"
#include "ListeDossiers.h"
#include "ListeFichiers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

frmChangerModele::frmChangerModele(Editeur& editeur, QWidget* parent)
    : QDialog(parent), m_editeur(editeur), m_logique(editeur.dossierProgramme()) {
    setObjectName(QStringLiteral("frmChangerModele"));
    setWindowTitle(QStringLiteral("Modèle"));
    setModal(true);
    resize(860, 520);

    auto* colonne = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    auto* cmdOpen = new QPushButton(style()->standardIcon(QStyle::SP_DialogOpenButton),
                                    QStringLiteral("Modèles..."), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setToolTip(QStringLiteral("Ouvrir un fichier HTML existant"));
    cmdOpen->setAutoDefault(false);
    connect(cmdOpen, &QPushButton::clicked, this, &frmChangerModele::Ouvrir);
    m_lblAccueil = new QLabel(QStringLiteral("Les pages des diaporamas sont faites à partir du "
                                             "modèle « Nouveau.htm ». Ouvrez la liste des "
                                             "modèles pour le remplacer par un autre."),
                              this);
    m_lblAccueil->setWordWrap(true);
    m_lblAccueil->setAlignment(Qt::AlignCenter);
    m_lblAccueil->setMargin(40);
    QFont police = m_lblAccueil->font();
    police.setPointSizeF(police.pointSizeF() * 1.2);
    m_lblAccueil->setFont(police);
    haut->addWidget(cmdOpen);
    haut->addStretch(1);
    colonne->addLayout(haut);

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(10);
    m_dir1 = new ListeDossiers(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setAccessibleName(QStringLiteral("Dossiers des modèles"));
    m_file1 = new ListeFichiers(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setAccessibleName(QStringLiteral("Modèles de page"));
    m_file1->definirMotif(QStringLiteral("*.htm"));
    grille->addWidget(m_dir1, 1, 0);
    grille->addWidget(m_file1, 1, 1);

    m_label2 = new QLabel(QStringLiteral("Choisissez l'image de fond de cadre :"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_dir2 = new ListeDossiers(this);
    m_dir2->setObjectName(QStringLiteral("Dir2"));
    m_dir2->setAccessibleName(QStringLiteral("Dossiers des images de fond de cadre"));
    m_file2 = new ListeFichiers(this);
    m_file2->setObjectName(QStringLiteral("File2"));
    m_file2->setAccessibleName(QStringLiteral("Images de fond de cadre"));
    m_file2->definirMotif(QStringLiteral("*.jpg"));
    m_label2->setBuddy(m_file2);
    m_imgVisu = new QLabel(this);
    m_imgVisu->setObjectName(QStringLiteral("imgVisu"));
    m_imgVisu->setAccessibleName(QStringLiteral("Aperçu du fond de cadre"));
    m_imgVisu->setFixedSize(160, 160);
    m_imgVisu->setFrameShape(QFrame::StyledPanel);
    m_imgVisu->setAlignment(Qt::AlignCenter);
    grille->addWidget(m_label2, 0, 2, 1, 2);
    grille->addWidget(m_dir2, 1, 2);
    grille->addWidget(m_file2, 1, 3);
    grille->addWidget(m_imgVisu, 2, 3, Qt::AlignRight);
    grille->addWidget(m_lblAccueil, 1, 0, 1, 4);
    grille->setRowStretch(1, 1);
    colonne->addLayout(grille, 1);

    auto* boutons = new QHBoxLayout;
    auto* command1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                     QStringLiteral("Appliquer"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setToolTip(QStringLiteral("Remplacer le modèle des présentations"));
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &frmChangerModele::Command1);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setObjectName(QStringLiteral("cmdAnnuler"));
    annuler->setAutoDefault(false);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    boutons->addWidget(CreerBoutonAide(this, m_editeur, QStringLiteral("ChangerModele.htm")));
    boutons->addStretch(1);
    boutons->addWidget(annuler);
    boutons->addWidget(command1);
    colonne->addLayout(boutons);

    connect(m_dir1, &ListeDossiers::cheminChange, this, &frmChangerModele::DossierModeles);
    connect(m_file1, &ListeFichiers::fichierClique, this, &frmChangerModele::ModeleClique);
    connect(m_file1, &ListeFichiers::fichierDoubleClique, this, [this](const QString& nom) {
        ModeleClique(nom);
        Command1();
    });
    connect(m_dir2, &ListeDossiers::cheminChange, this,
            [this](const QString& dossier) { m_file2->definirChemin(dossier); });
    connect(m_file2, &ListeFichiers::fichierClique, this, &frmChangerModele::CadreClique);

    // Les quatre listes partent du dossier des modèles ; elles restent cachées au départ.
    const QString modeles = m_logique.dossierModeles();
    m_dir1->definirChemin(modeles);
    m_file1->definirChemin(modeles);
    m_dir2->definirChemin(modeles);
    m_file2->definirChemin(modeles);
    m_dir1->hide();
    m_file1->hide();
    MontrerCadre(false);
    command1->setFocus();
}

void frmChangerModele::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!m_centree) {
        CentrerFeuille(*this);
        m_centree = true;
    }
    m_file1->rafraichir();
    m_file2->rafraichir();
}

void frmChangerModele::Ouvrir() {
    m_listeOuverte = true;
    m_lblAccueil->hide();
    m_dir1->show();
    DossierModeles(m_dir1->chemin());
    m_file1->setFocus();
}

void frmChangerModele::DossierModeles(const QString& dossier) {
    m_file1->definirChemin(dossier);
    // Seuls le dossier des modèles et ses sous-dossiers montrent des modèles.
    m_file1->setVisible(m_listeOuverte && m_logique.ListeVisible(dossier));
}

void frmChangerModele::ModeleClique(const QString& nom) {
    m_logique.ChoisirModele(m_file1->chemin(), nom);
    MontrerCadre(m_logique.cadreDemande());
}

void frmChangerModele::MontrerCadre(bool visible) {
    for (QWidget* w : {static_cast<QWidget*>(m_label2), static_cast<QWidget*>(m_dir2),
                       static_cast<QWidget*>(m_file2), static_cast<QWidget*>(m_imgVisu)})
        w->setVisible(visible);
}

void frmChangerModele::CadreClique(const QString& nom) {
    const QString chemin = m_file2->chemin() + QLatin1Char('/') + nom;
    m_logique.ChoisirCadre(chemin);
    QImage image = LireImageAjustee(chemin, m_imgVisu->contentsRect().size() * devicePixelRatioF());
    image.setDevicePixelRatio(devicePixelRatioF());
    m_imgVisu->setPixmap(QPixmap::fromImage(image));
}

void frmChangerModele::Command1() {
    const bool choisi = !m_file1->isHidden() && !m_file1->nomFichier().isEmpty();
    if (choisi)
        m_logique.ChoisirModele(m_file1->chemin(), m_file1->nomFichier());
    // Le fond de cadre est celui que montre la liste, s'il en est un.
    const QString cadre = m_file2->nomFichier();
    m_logique.ChoisirCadre(cadre.isEmpty() ? QString()
                                           : m_file2->chemin() + QLatin1Char('/') + cadre);
    if (m_logique.Valider(m_editeur.dialogues(), choisi) == ChangementModele::Issue::Refuse)
        return;
    accept();
}
