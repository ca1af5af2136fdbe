#include "frmFondEcran.h"

#include "BarreDefilement.h"
#include "BoutonAide.h"
#include "Editeur.h"
#include "Feuilles.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

ApercuTexture::ApercuTexture(QWidget* parent) : QWidget(parent) {
    setFixedSize(300, 300);
}

void ApercuTexture::montrer(const QString& chemin) {
    m_image = chemin.isEmpty() ? QImage() : QImage(chemin);
    update();
}

void ApercuTexture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect zone = rect().adjusted(1, 1, -1, -1);
    if (m_image.isNull()) {
        p.fillRect(zone, QColor(0xe8, 0xe4, 0xdc));
        p.setPen(QColor(0x6a, 0x60, 0x58));
        p.drawText(zone, Qt::AlignCenter, QStringLiteral("Pas d'image"));
    } else {
        p.drawTiledPixmap(zone, QPixmap::fromImage(m_image));
    }
    p.setPen(QColor(90, 70, 40, 140));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

frmFondEcran::frmFondEcran(Editeur& editeur, QWidget* parent)
    : QDialog(parent), m_editeur(editeur), m_choix(editeur.dossierProgramme()) {
    setObjectName(QStringLiteral("frmFondEcran"));
    setWindowTitle(QStringLiteral("Changer le fond d'écran"));
    setModal(true);

    auto* colonne = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(24);
    auto* actuel = new QLabel(QStringLiteral("FOND ACTUEL"), this);
    auto* previsualisation = new QLabel(QStringLiteral("Prévisualisation"), this);
    for (QLabel* l : {actuel, previsualisation}) {
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    m_image2 = new ApercuTexture(this);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setAccessibleName(QStringLiteral("Fond actuel du diaporama"));
    m_image1 = new ApercuTexture(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAccessibleName(QStringLiteral("Texture proposée"));
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    m_hscroll1 = new BarreDefilement(this);
    m_hscroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hscroll1->setAccessibleName(QStringLiteral("Texture"));
    m_hscroll1->definirPage(1); // une texture à la fois
    grille->addWidget(actuel, 0, 0);
    grille->addWidget(previsualisation, 0, 1);
    grille->addWidget(m_image2, 1, 0);
    grille->addWidget(m_image1, 1, 1);
    grille->addWidget(m_label1, 2, 1);
    grille->addWidget(m_hscroll1, 3, 1);
    colonne->addLayout(grille);

    auto* boutons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setMinimumWidth(110);
    ok->setDefault(true);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setObjectName(QStringLiteral("Command2"));
    annuler->setMinimumWidth(110);
    annuler->setAutoDefault(false);
    boutons->addWidget(CreerBoutonAide(this, m_editeur, QStringLiteral("ChangerFond.htm")));
    boutons->addStretch(1);
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    colonne->addLayout(boutons);
    connect(ok, &QPushButton::clicked, this, &frmFondEcran::accept);
    connect(annuler, &QPushButton::clicked, this, &frmFondEcran::reject);
    connect(m_hscroll1, &QScrollBar::valueChanged, this, [this](int position) {
        m_choix.Defiler(position);
        Montrer();
    });
    setTabOrder(m_hscroll1, ok);
    setTabOrder(ok, annuler);
}

void frmFondEcran::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!m_centree) {
        CentrerFeuille(*this);
        m_centree = true;
    }
    m_choix.Ouvrir(m_editeur.NomFond);
    {
        const QSignalBlocker calme(m_hscroll1);
        m_hscroll1->setMaximum(m_choix.maximum());
        m_hscroll1->setValue(m_choix.position());
    }
    m_hscroll1->setEnabled(!m_choix.textures().isEmpty());
    Montrer();
    m_image2->montrer(m_editeur.RepertoireProjet.isEmpty()
                          ? QString()
                          : m_editeur.RepertoireProjet + QStringLiteral("/imgFond.jpg"));
    m_hscroll1->setFocus();
}

void frmFondEcran::Montrer() {
    m_image1->montrer(m_choix.chemin());
    m_label1->setText(m_choix.textures().isEmpty()
                          ? QStringLiteral("Aucune texture dans le dossier « Textures »")
                          : m_choix.libelle());
}

void frmFondEcran::accept() {
    m_editeur.NomFond = m_choix.nom();
    QDialog::accept();
}

void frmFondEcran::reject() {
    m_editeur.NomFond.clear();
    QDialog::reject();
}
