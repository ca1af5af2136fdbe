#include "ControlesReglage.h"

#include "DessinsCapture.h"

#include <QButtonGroup>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Bouton image : la bulle est aussi le nom donné aux lecteurs d'écran.
QToolButton* BoutonImage(const QString& nom, Dessin dessin, const QString& bulle, int cote,
                         QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setIcon(IconeCapture(dessin));
    b->setIconSize(QSize(cote, cote));
    b->setToolTip(bulle);
    b->setAccessibleName(bulle);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QPushButton* BoutonTexte(const QString& nom, const QString& texte, QWidget* parent) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    // Dans une boîte de dialogue, Entrée ne doit déclencher aucun bouton par surprise.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

// Un cadre discret autour d'un groupe de contrôles.
QFrame* Groupe(const QString& nom, QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setObjectName(nom);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

void GarderPlace(QWidget* w) {
    // Les contrôles montrés après une capture ne font pas bouger les autres.
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

} // namespace

void Colorer(QWidget* controle, const QColor& couleur) {
    QPalette p = controle->palette();
    p.setColor(QPalette::Button, couleur);
    p.setColor(QPalette::Window, couleur);
    controle->setPalette(p);
    controle->setAutoFillBackground(true);
    // Le style dégrade et éclaircit la couleur d'un bouton : le rouge clair du mode écrasement
    // ressemblerait au rose des boutons de commande. Une feuille de style la peint telle quelle.
    if (qobject_cast<QAbstractButton*>(controle) && !qobject_cast<QRadioButton*>(controle)) {
        const QString type = QString::fromLatin1(controle->metaObject()->className());
        controle->setStyleSheet(
            QStringLiteral("%1 { background-color: %2; border: 1px solid #7d7d7d; "
                           "border-radius: 3px; padding: 1px 2px; }"
                           "%1:hover { border-color: #3f3f3f; }"
                           "%1:pressed { background-color: %3; }"
                           "%1:focus { border: 2px solid #2f6fc9; }")
                .arg(type, couleur.name(), couleur.darker(118).name()));
    }
}

ControlesReglage CreerControlesReglage(QDialog& fenetre, const OptionsCapture& options) {
    ControlesReglage c;
    QPalette fond = fenetre.palette();
    fond.setColor(QPalette::Window, CouleursCapture::Fond);
    fenetre.setPalette(fond);
    fenetre.setAutoFillBackground(true);

    auto* principal = new QVBoxLayout(&fenetre);
    principal->setContentsMargins(12, 12, 12, 12);
    principal->setSpacing(10);

    // Dimensions de la zone.
    auto* dimensions = Groupe(QStringLiteral("cadreDimensions"), &fenetre);
    auto* grille = new QGridLayout(dimensions);
    grille->setContentsMargins(10, 8, 10, 8);
    grille->setHorizontalSpacing(4);
    grille->setVerticalSpacing(6);
    const QStringList fleches = {QStringLiteral("<<"), QStringLiteral("<"), QStringLiteral(">"),
                                 QStringLiteral(">>")};
    const QStringList nomsFleches = {QStringLiteral("au minimum (10)"), QStringLiteral("moins 1"),
                                     QStringLiteral("plus 1"),
                                     QStringLiteral("au maximum (écran)")};
    const QStringList libelles = {QStringLiteral("Largeur de CAPTURE :"),
                                  QStringLiteral("Hauteur de CAPTURE :"),
                                  QStringLiteral("Type de la Capture :")};
    for (int i = 0; i < 3; ++i) {
        c.Label1[i] = new QLabel(libelles[i], &fenetre);
        c.Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }
    c.txtLargeur = new QLineEdit(QStringLiteral("600"), dimensions);
    c.txtLargeur->setObjectName(QStringLiteral("txtLargeur"));
    c.txtLargeur->setToolTip(QStringLiteral("largeur de l'image capturée ( max = largeur écran )"));
    c.txtHauteur = new QLineEdit(QStringLiteral("350"), dimensions);
    c.txtHauteur->setObjectName(QStringLiteral("txtHauteur"));
    c.txtHauteur->setToolTip(QStringLiteral("hauteur de l'image capturée ( max = hauteur écran )"));
    for (QLineEdit* t : {c.txtLargeur, c.txtHauteur}) {
        t->setAlignment(Qt::AlignCenter);
        t->setFixedWidth(64);
        t->setAccessibleName(t->toolTip());
    }
    for (int ligne = 0; ligne < 2; ++ligne) {
        const bool largeur = ligne == 0;
        auto& boutons = largeur ? c.cmdLargeur : c.cmdHauteur;
        const QString prefixe =
            largeur ? QStringLiteral("cmdLargeur_") : QStringLiteral("cmdHauteur_");
        const QString dimension = largeur ? QStringLiteral("Largeur ") : QStringLiteral("Hauteur ");
        grille->addWidget(c.Label1[ligne], ligne, 0);
        for (int i = 0; i < 4; ++i) {
            boutons[i] = BoutonTexte(prefixe + QString::number(i), fleches[i], dimensions);
            boutons[i]->setFixedSize(32, 26);
            boutons[i]->setAccessibleName(dimension + nomsFleches[i]);
        }
        grille->addWidget(boutons[0], ligne, 1);
        grille->addWidget(boutons[1], ligne, 2);
        grille->addWidget(largeur ? c.txtLargeur : c.txtHauteur, ligne, 3);
        grille->addWidget(boutons[2], ligne, 4);
        grille->addWidget(boutons[3], ligne, 5);
    }
    grille->setColumnStretch(0, 1);
    principal->addWidget(dimensions);

    // Type de sortie et qualité.
    auto* sortie = Groupe(QStringLiteral("cadreSortie"), &fenetre);
    auto* grilleSortie = new QGridLayout(sortie);
    grilleSortie->setContentsMargins(10, 8, 10, 8);
    grilleSortie->setVerticalSpacing(6);
    grilleSortie->addWidget(c.Label1[2], 0, 0, Qt::AlignTop);
    auto* groupeOptions = new QButtonGroup(&fenetre);
    const QStringList sorties = {QStringLiteral(".bmp"), QStringLiteral(".jpg et .bmp"),
                                 QStringLiteral(".jpg ( seulement )")};
    // Les trois options sur un même fond vert, comme un seul contrôle.
    auto* panneauOptions = new QFrame(sortie);
    panneauOptions->setObjectName(QStringLiteral("panneauOptions"));
    panneauOptions->setFrameShape(QFrame::StyledPanel);
    Colorer(panneauOptions, CouleursCapture::Options);
    auto* colonneOptions = new QVBoxLayout(panneauOptions);
    colonneOptions->setContentsMargins(8, 4, 12, 4);
    colonneOptions->setSpacing(2);
    for (int i = 0; i < 3; ++i) {
        c.Option1[i] = new QRadioButton(sorties[i], panneauOptions);
        c.Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        Colorer(c.Option1[i], CouleursCapture::Options);
        groupeOptions->addButton(c.Option1[i], i);
        colonneOptions->addWidget(c.Option1[i]);
    }
    c.Option1[1]->setToolTip(QStringLiteral("créé un JPG tout en sauvegardant le BMP"));
    c.Option1[2]->setToolTip(QStringLiteral("créé le JPG et efface le BMP"));
    if (options.ostrelle()) {
        c.Option1[0]->setEnabled(false);
        c.Option1[0]->setToolTip(QStringLiteral("Option non disponible dans Ostrel"));
    }
    grilleSortie->addWidget(panneauOptions, 0, 1, 1, 2, Qt::AlignLeft);
    c.lblQualite = new QLabel(QStringLiteral("Qualité ( 1 à 100 ) :"), sortie);
    c.lblQualite->setObjectName(QStringLiteral("lblQualite"));
    c.txtQualite = new QLineEdit(options.qualiteInitiale(), sortie);
    c.txtQualite->setObjectName(QStringLiteral("txtQualite"));
    c.txtQualite->setToolTip(QStringLiteral("choisir 100 pour une qualité maximale"));
    c.txtQualite->setAccessibleName(QStringLiteral("Qualité JPEG"));
    c.txtQualite->setFixedWidth(64);
    c.txtQualite->setAlignment(Qt::AlignCenter);
    c.lblQualite->setBuddy(c.txtQualite);
    GarderPlace(c.lblQualite);
    GarderPlace(c.txtQualite);
    grilleSortie->addWidget(c.lblQualite, 1, 0);
    grilleSortie->addWidget(c.txtQualite, 1, 1, Qt::AlignLeft);
    grilleSortie->setColumnStretch(2, 1);
    c.Option1[1]->setChecked(true);
    principal->addWidget(sortie);

    // La capture et ce qui reste de la dernière.
    auto* capture = Groupe(QStringLiteral("cadreCapture"), &fenetre);
    auto* ligneCapture = new QHBoxLayout(capture);
    ligneCapture->setContentsMargins(10, 8, 10, 8);
    ligneCapture->setSpacing(6);
    c.Command1[0] = BoutonImage(QStringLiteral("Command1_0"), Dessin::Appareil,
                                QStringLiteral("Faire une capture d'écran"), 40, capture);
    c.Command1[0]->setFixedSize(60, 56);
    ligneCapture->addWidget(c.Command1[0]);
    c.cmdNumero = BoutonTexte(QStringLiteral("cmdNumero"), QStringLiteral("0"), capture);
    c.cmdNumero->setToolTip(QStringLiteral("indique le nombre de captures effectuées"));
    c.cmdNumero->setAccessibleName(QStringLiteral("Compteur de captures"));
    c.cmdNumero->setFixedSize(48, 32);
    Colorer(c.cmdNumero, CouleursCapture::Vert);
    ligneCapture->addWidget(c.cmdNumero);
    ligneCapture->addSpacing(8);
    c.cmdVisu = BoutonImage(QStringLiteral("cmdVisu"), Dessin::Visualiser,
                            QStringLiteral("Visualiser le JPG créé ( permet la retouche dans votre "
                                           "logiciel de graphisme favori ! )"),
                            26, capture);
    c.cmdRefaire = BoutonImage(QStringLiteral("cmdRefaire"), Dessin::Refaire,
                               QStringLiteral("permet de recréer le JPG à partir du bmp ( pour "
                                              "tester plusieurs qualités ! )"),
                               26, capture);
    for (QToolButton* b : {c.cmdVisu, c.cmdRefaire}) {
        b->setFixedSize(38, 38);
        GarderPlace(b);
        b->hide();
        ligneCapture->addWidget(b);
    }
    if (options.ostrelle()) {
        c.cmdBMP = BoutonImage(QStringLiteral("cmdBMP"), Dessin::RetoucherBMP,
                               QStringLiteral("Visualiser et travailler le BMP créé"), 26, capture);
        c.cmdBMP->setFixedSize(38, 38);
        GarderPlace(c.cmdBMP);
        c.cmdBMP->hide();
        ligneCapture->addWidget(c.cmdBMP);
    }
    c.lblRefaire = new QLabel(QStringLiteral("0 ko"), capture);
    c.lblRefaire->setObjectName(QStringLiteral("lblRefaire"));
    c.lblRefaire->setToolTip(QStringLiteral("indique le poids de l'image JPG"));
    c.lblRefaire->setAccessibleName(c.lblRefaire->toolTip());
    c.lblRefaire->setAlignment(Qt::AlignCenter);
    c.lblRefaire->setFrameShape(QFrame::Panel);
    c.lblRefaire->setFrameShadow(QFrame::Sunken);
    c.lblRefaire->setFixedSize(64, 28);
    Colorer(c.lblRefaire, CouleursCapture::Vert);
    GarderPlace(c.lblRefaire);
    c.lblRefaire->hide();
    ligneCapture->addWidget(c.lblRefaire);
    ligneCapture->addStretch(1);
    principal->addWidget(capture);

    // Commandes de fin : suppression, aide, sortie.
    auto* commandes = new QHBoxLayout;
    commandes->setSpacing(6);
    c.Command1[2] =
        BoutonImage(QStringLiteral("Command1_2"), Dessin::Corbeille,
                    QStringLiteral("Détruire les captures ( BMP et JPG )"), 26, &fenetre);
    c.Command1[3] = BoutonTexte(QStringLiteral("Command1_3"), QStringLiteral("BMP"), &fenetre);
    c.Command1[3]->setToolTip(QStringLiteral("Détruire les BMP capturés"));
    c.Command1[3]->setAccessibleName(c.Command1[3]->toolTip());
    c.Command1[1] = BoutonImage(QStringLiteral("Command1_1"), Dessin::Quitter,
                                QStringLiteral("Quitter"), 26, &fenetre);
    for (int i = 1; i <= 3; ++i) {
        c.Command1[i]->setFixedSize(44, 38);
        Colorer(c.Command1[i], CouleursCapture::Commandes);
    }
    c.cmdHelp = BoutonTexte(QStringLiteral("cmdHelp"), QStringLiteral("?"), &fenetre);
    c.cmdHelp->setToolTip(QStringLiteral("Aide du logiciel à lire IMPERATIVEMENT !"));
    c.cmdHelp->setAccessibleName(c.cmdHelp->toolTip());
    c.cmdHelp->setFixedSize(38, 38);
    QFont gras = c.cmdHelp->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.2);
    c.cmdHelp->setFont(gras);
    c.Command1[3]->setFont(gras);
    Colorer(c.cmdHelp, CouleursCapture::Vert);
    commandes->addWidget(c.Command1[2]);
    commandes->addWidget(c.Command1[3]);
    commandes->addStretch(1);
    commandes->addWidget(c.cmdHelp);
    commandes->addWidget(c.Command1[1]);
    principal->addLayout(commandes);

    // Ordre du clavier : de haut en bas, la capture juste après la qualité.
    QWidget::setTabOrder(c.txtQualite, c.Command1[0]);
    c.Command1[0]->setFocus();
    return c;
}
