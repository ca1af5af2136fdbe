#include "frmPrincipal.h"

#include "BoutonImage.h"
#include "ConversionRiche.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Programme.h"
#include "Sprites.h"
#include "ZoneImage.h"
#include "frmChangerImage.h"
#include "frmCouleur.h"
#include "frmFichierImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainterPath>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
QLabel* Libelle(const QString& texte, QWidget* parent) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QStringLiteral("libelle"));
    return l;
}

QLabel* Barre(const QString& nom, QWidget* parent) {
    auto* b = new QLabel(parent);
    b->setObjectName(nom);
    b->setAccessibleName(QStringLiteral("séparateur"));
    return b;
}
} // namespace

frmPrincipal::frmPrincipal(Editeur& editeur, QWidget* parent)
    : QWidget(parent), m_editeur(editeur), m_commandes(editeur) {
    m_commandes.fenetreCouleur = this;
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Ostrelle ") + QString::fromLatin1(VersionProgramme));
    m_imgFond.load(m_editeur.dossierProgramme() + QStringLiteral("/imgFond.jpg"));
    ConstruireControles();

    AjouterBouton(QStringLiteral("imgNew"), 1, QStringLiteral("Créer un nouveau diaporama"),
                  [this] { m_editeur.NouveauProjet(); });
    AjouterBouton(QStringLiteral("imgSave"), 2, QStringLiteral("Enregistrer"),
                  [this] { m_editeur.CommandeEnregistrer(); });
    AjouterBouton(QStringLiteral("imgVisual"), 3,
                  QStringLiteral("Créer et visualiser dans le navigateur"),
                  [this] { m_editeur.CreerHTML(); });
    AjouterBouton(QStringLiteral("imgVisuHTML"), 12,
                  QStringLiteral("Visualise un fichier HTML créé"),
                  [this] { m_editeur.VoirHTML(); });
    AjouterBouton(QStringLiteral("imgAjouter"), 8, QStringLiteral("Ajouter une diapo ( à la fin )"),
                  [this] { m_editeur.AjouterDiapo(); });
    AjouterBouton(QStringLiteral("imgChangeDiapo"), 10,
                  QStringLiteral("Changer l'image de la diapo"),
                  [this] { m_editeur.ChangerDiapo(); });
    AjouterBouton(QStringLiteral("imgDelete"), 7, QStringLiteral("Supprimer la diapo"),
                  [this] { m_editeur.SupprimerDiapo(); });
    // « Quitter » se tient seul au bout de la barre, loin des commandes d'édition.
    auto* quitter = new BoutonImage(
        QStringLiteral("imgQuitter"), ImageSprite(12), ImageSprite(13), QStringLiteral("Quitter"),
        [this] { CommandeQuitter(); }, m_barre);
    m_barre->layout()->addWidget(quitter);

    new QShortcut(QKeySequence::New, this, [this] { m_editeur.NouveauProjet(); });
    new QShortcut(QKeySequence::Save, this, [this] { m_editeur.CommandeEnregistrer(); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { CommandeQuitter(); });

    m_editeur.fenetresChoix = this;
    connect(&m_editeur, &Editeur::vueChangee, this, &frmPrincipal::Rafraichir);
    AgrandirFenetre();
    Rafraichir();
}

BoutonImage* frmPrincipal::AjouterBouton(const QString& nom, int numero, const QString& bulle,
                                         std::function<void()> commande) {
    auto* bouton = new BoutonImage(nom, ImageSprite(2 * numero), ImageSprite(2 * numero + 1), bulle,
                                   std::move(commande), m_barre);
    m_rangeeBoutons->addWidget(bouton);
    return bouton;
}

void frmPrincipal::ConstruireControles() {
    setStyleSheet(QStringLiteral(
        "#barreOutils { background: rgba(255,255,255,150); border-bottom: 1px solid "
        "rgba(90,70,40,90); }"
        "#lblBarre, #Label2 { background: qlineargradient(x1:0,y1:0,x2:1,y2:0, stop:0 #7a4e2d, "
        "stop:0.5 #c89a5b, stop:1 #7a4e2d); }"
        "#Label1 { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #7a4e2d, stop:0.5 "
        "#c89a5b, stop:1 #7a4e2d); }"
        "#panneauImage, #panneauInfos { background: rgba(255,255,255,185); border: 1px solid "
        "rgba(90,70,40,110); border-radius: 8px; }"
        "#lblNomDiapo, #lblNbDiapo { font-weight: bold; color: #4a2c12; }"
        "#libelle { color: #3b2a1a; }"
        "QLineEdit, QTextEdit { background: white; }"));

    auto* racine = new QVBoxLayout(this);
    racine->setContentsMargins(0, 0, 0, 0);
    racine->setSpacing(0);

    m_barre = new QWidget(this);
    m_barre->setObjectName(QStringLiteral("barreOutils"));
    m_barre->setAttribute(Qt::WA_StyledBackground);
    auto* ligneBarre = new QHBoxLayout(m_barre);
    ligneBarre->setContentsMargins(8, 4, 8, 4);
    m_rangeeBoutons = new QHBoxLayout;
    m_rangeeBoutons->setSpacing(2);
    ligneBarre->addLayout(m_rangeeBoutons);
    ligneBarre->addStretch(1);
    racine->addWidget(m_barre);

    m_lblBarre = Barre(QStringLiteral("lblBarre"), this);
    m_lblBarre->setFixedHeight(5);
    racine->addWidget(m_lblBarre);

    auto* centre = new QHBoxLayout;
    centre->setContentsMargins(14, 14, 14, 14);
    centre->setSpacing(14);
    racine->addLayout(centre, 1);

    // Gauche : la diapo et sa taille.
    auto* panneauImage = new QWidget(this);
    panneauImage->setObjectName(QStringLiteral("panneauImage"));
    panneauImage->setAttribute(Qt::WA_StyledBackground);
    auto* colonneImage = new QVBoxLayout(panneauImage);
    colonneImage->setContentsMargins(10, 10, 10, 8);
    m_imgDiapo = new ZoneImage(panneauImage);
    m_imgDiapo->setObjectName(QStringLiteral("imgDiapo"));
    m_imgDiapo->setAccessibleName(QStringLiteral("Image de la diapo"));
    colonneImage->addWidget(m_imgDiapo, 1);
    auto* tailles = new QHBoxLayout;
    m_lblLongueur = new QLabel(panneauImage);
    m_lblLongueur->setObjectName(QStringLiteral("lblLongueur"));
    m_lblLargeur = new QLabel(panneauImage);
    m_lblLargeur->setObjectName(QStringLiteral("lblLargeur"));
    tailles->addStretch(1);
    tailles->addWidget(m_lblLongueur);
    tailles->addSpacing(16);
    tailles->addWidget(m_lblLargeur);
    tailles->addStretch(1);
    colonneImage->addLayout(tailles);
    centre->addWidget(panneauImage, 1);

    m_label1 = Barre(QStringLiteral("Label1"), this);
    m_label1->setFixedWidth(5);
    centre->addWidget(m_label1);

    // Droite : le projet, la navigation et le commentaire.
    auto* panneauInfos = new QWidget(this);
    panneauInfos->setObjectName(QStringLiteral("panneauInfos"));
    panneauInfos->setAttribute(Qt::WA_StyledBackground);
    panneauInfos->setMinimumWidth(360);
    panneauInfos->setMaximumWidth(560);
    auto* colonne = new QVBoxLayout(panneauInfos);
    colonne->setContentsMargins(14, 14, 14, 14);
    colonne->setSpacing(10);

    auto* projet = new QFormLayout;
    projet->setLabelAlignment(Qt::AlignLeft);
    m_lblNomDiapo = new QLabel(panneauInfos);
    m_lblNomDiapo->setObjectName(QStringLiteral("lblNomDiapo"));
    m_lblNomDiapo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblNbDiapo = new QLabel(panneauInfos);
    m_lblNbDiapo->setObjectName(QStringLiteral("lblNbDiapo"));
    projet->addRow(Libelle(QStringLiteral("Nom du diaporama : "), panneauInfos), m_lblNomDiapo);
    projet->addRow(Libelle(QStringLiteral("Nombre de diapositives :"), panneauInfos), m_lblNbDiapo);
    colonne->addLayout(projet);

    auto* lblTag = Libelle(QStringLiteral("Entete du diaporama :"), panneauInfos);
    lblTag->setObjectName(QStringLiteral("lblTag"));
    m_txtEntete = new QLineEdit(panneauInfos);
    m_txtEntete->setObjectName(QStringLiteral("txtEntete"));
    m_txtEntete->setAccessibleName(QStringLiteral("Entete du diaporama"));
    lblTag->setBuddy(m_txtEntete);
    colonne->addWidget(lblTag);
    colonne->addWidget(m_txtEntete);
    connect(m_txtEntete, &QLineEdit::textEdited, this,
            [this](const QString& texte) { m_editeur.txtEntete = texte; });

    auto* navigation = new QHBoxLayout;
    navigation->setSpacing(4);
    const QString legendes[4] = {QStringLiteral("<<"), QStringLiteral("<"), QStringLiteral(">"),
                                 QStringLiteral(">>")};
    const QString noms[4] = {QStringLiteral("Première diapo"), QStringLiteral("Diapo précédente"),
                             QStringLiteral("Diapo suivante"), QStringLiteral("Dernière diapo")};
    for (int i = 0; i < 4; ++i) {
        m_cmdDiapo[i] = new QPushButton(legendes[i], panneauInfos);
        m_cmdDiapo[i]->setObjectName(QStringLiteral("cmdDiapo_%1").arg(i));
        m_cmdDiapo[i]->setAccessibleName(noms[i]);
        m_cmdDiapo[i]->setFixedWidth(44);
        connect(m_cmdDiapo[i], &QPushButton::clicked, this, [this, i] { m_editeur.Naviguer(i); });
    }
    m_txtNumDiapo = new QLineEdit(panneauInfos);
    m_txtNumDiapo->setObjectName(QStringLiteral("txtNumDiapo"));
    m_txtNumDiapo->setAccessibleName(QStringLiteral("Numéro de la diapo"));
    m_txtNumDiapo->setAlignment(Qt::AlignCenter);
    m_txtNumDiapo->setFixedWidth(64);
    connect(m_txtNumDiapo, &QLineEdit::textEdited, this,
            [this](const QString& texte) { m_editeur.EcrireNumDiapo(texte); });
    navigation->addStretch(1);
    navigation->addWidget(m_cmdDiapo[0]);
    navigation->addWidget(m_cmdDiapo[1]);
    navigation->addWidget(m_txtNumDiapo);
    navigation->addWidget(m_cmdDiapo[2]);
    navigation->addWidget(m_cmdDiapo[3]);
    navigation->addStretch(1);
    colonne->addLayout(navigation);

    colonne->addWidget(ConstruireMiseEnForme(panneauInfos));

    m_richtxtTexteInfo = new QTextEdit(panneauInfos);
    m_richtxtTexteInfo->setObjectName(QStringLiteral("richtxtTexteInfo"));
    m_richtxtTexteInfo->setToolTip(QStringLiteral("Commentaires accompagnant la diapositive"));
    m_richtxtTexteInfo->setAccessibleName(
        QStringLiteral("Commentaires accompagnant la diapositive"));
    // Même police que le document, sinon le QTextEdit imposerait la sienne.
    m_richtxtTexteInfo->setFont(PoliceCommentaire());
    m_richtxtTexteInfo->setDocument(&m_editeur.richtxtTexteInfo);
    m_richtxtTexteInfo->setTabChangesFocus(true);
    m_richtxtTexteInfo->setContextMenuPolicy(Qt::NoContextMenu);
    m_richtxtTexteInfo->viewport()->installEventFilter(this);
    m_richtxtTexteInfo->installEventFilter(this);
    colonne->addWidget(m_richtxtTexteInfo, 1);

    m_copierColler = new QMenu(this);
    m_copierColler->setObjectName(QStringLiteral("CopierColler"));
    m_copierColler->addAction(QStringLiteral("Copier"), this, &frmPrincipal::Copier)
        ->setObjectName(QStringLiteral("Copier"));
    m_copierColler->addAction(QStringLiteral("Coller"), this, &frmPrincipal::Coller)
        ->setObjectName(QStringLiteral("Coller"));

    m_txtEntete->installEventFilter(this);

    centre->addWidget(panneauInfos, 0);

    m_label2 = Barre(QStringLiteral("Label2"), this);
    m_label2->setFixedHeight(5);
    racine->addWidget(m_label2);
}

void frmPrincipal::AgrandirFenetre() {
    const QScreen* ecran = screen();
    const QRect geometrie = ecran ? ecran->geometry() : QRect(0, 0, 1366, 768);
    // Les barres décoratives suivent l'écran.
    m_lblBarre->setMinimumWidth(0);
    m_label2->setMinimumWidth(0);
    m_label1->setMaximumHeight(geometrie.height());
    setGeometry(geometrie);
    move(geometrie.topLeft());
}

void frmPrincipal::Rafraichir() {
    const Editeur& e = m_editeur;
    m_lblNomDiapo->setText(e.lblNomDiapo);
    m_lblNbDiapo->setText(e.lblNbDiapo);
    m_lblLongueur->setText(e.lblLongueur);
    m_lblLargeur->setText(e.lblLargeur);
    if (m_txtEntete->text() != e.txtEntete)
        m_txtEntete->setText(e.txtEntete);
    if (m_txtNumDiapo->text() != e.txtNumDiapo())
        m_txtNumDiapo->setText(e.txtNumDiapo());
    if (m_imgDiapo->chemin() != e.cheminImageDiapo || !e.IndOuverture)
        m_imgDiapo->montrer(e.IndOuverture ? e.cheminImageDiapo : QString());
    const bool ouvert = e.IndOuverture;
    m_txtNumDiapo->setEnabled(ouvert);
    for (auto* b : m_cmdDiapo)
        b->setEnabled(ouvert);
    m_richtxtTexteInfo->setReadOnly(!ouvert);
    m_txtEntete->setEnabled(ouvert);
}

void frmPrincipal::PeindreFond(QPainter& p) {
    if (m_imgFond.isNull()) {
        p.fillRect(rect(), QColor(0xf3, 0xec, 0xdf));
        return;
    }
    const int w = m_imgFond.width();
    const int h = m_imgFond.height();
    const int colonnes = width() / w;
    const int rangees = height() / h;
    for (int x = 0; x <= colonnes + 1; ++x)
        for (int y = 0; y <= rangees + 1; ++y)
            p.drawPixmap(x * w, y * h, m_imgFond);
}

void frmPrincipal::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PeindreFond(p);
}

void frmPrincipal::CommandeQuitter() {
    if (!m_editeur.BoutonQuitter())
        return;
    m_fini = true;
    close();
    QCoreApplication::quit();
}

void frmPrincipal::closeEvent(QCloseEvent* e) {
    // Fermer par le cadre abandonne ce qui n'est pas enregistré ; Quitter a déjà tout réglé.
    if (!m_fini)
        m_editeur.FermetureFenetre();
    m_fini = true;
    e->accept();
}

// Les deux fenêtres naissent ensemble, pour que chacune reprenne le dossier de l'autre.
void frmPrincipal::CreerFenetresChoix() {
    if (m_frmFichierImage)
        return;
    m_frmFichierImage = new frmFichierImage(m_editeur, this);
    m_frmChangerImage = new frmChangerImage(m_editeur, this);
    m_frmFichierImage->definirJumelle(m_frmChangerImage);
    m_frmChangerImage->definirJumelle(m_frmFichierImage);
}

frmFichierImage* frmPrincipal::FichierImage() {
    CreerFenetresChoix();
    return m_frmFichierImage;
}

frmChangerImage* frmPrincipal::ChangerImage() {
    CreerFenetresChoix();
    return m_frmChangerImage;
}

void frmPrincipal::MontrerAjout(const QString& titre, const QString& commentaire) {
    FichierImage()->Preparer(titre, commentaire);
    m_editeur.dialogues().executerModal(*FichierImage());
}

void frmPrincipal::MontrerChangement() {
    m_editeur.dialogues().executerModal(*ChangerImage());
}

// ---------------------------------------------------------------------------------------------
// Mise en forme du commentaire

namespace {
// Les deux boutons à image : la couleur du texte et l'effacement du commentaire.
QIcon IconeRich(int index) {
    QPixmap image(QSize(20, 20) * 2);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 6) {
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRect(0, 0, 20, 15), Qt::AlignCenter, QStringLiteral("A"));
        QLinearGradient arc(2, 0, 18, 0);
        arc.setColorAt(0, Qt::red);
        arc.setColorAt(0.35, Qt::yellow);
        arc.setColorAt(0.65, Qt::green);
        arc.setColorAt(1, Qt::blue);
        p.fillRect(QRectF(2, 15, 16, 3.5), arc);
    } else {
        p.setPen(QPen(QColor(170, 40, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        QPainterPath fleche;
        fleche.moveTo(15.5, 15);
        fleche.cubicTo(17, 8, 11, 4, 5.5, 7.5);
        p.drawPath(fleche);
        p.drawLine(QPointF(5.5, 7.5), QPointF(9.5, 4.5));
        p.drawLine(QPointF(5.5, 7.5), QPointF(8.5, 11.5));
    }
    return QIcon(image);
}
} // namespace

QWidget* frmPrincipal::ConstruireMiseEnForme(QWidget* parent) {
    auto* barre = new QWidget(parent);
    barre->setObjectName(QStringLiteral("miseEnForme"));
    auto* rangee = new QGridLayout(barre);
    rangee->setContentsMargins(0, 0, 0, 0);
    rangee->setHorizontalSpacing(3);

    m_comboPolice = new QComboBox(barre);
    m_comboPolice->setObjectName(QStringLiteral("comboPolice"));
    m_comboPolice->setToolTip(QStringLiteral("Nom de la police"));
    m_comboPolice->setAccessibleName(QStringLiteral("Nom de la police"));
    m_comboPolice->addItems(QFontDatabase::families());
    m_comboPolice->setEditable(true);
    m_comboPolice->setInsertPolicy(QComboBox::NoInsert);
    m_comboPolice->setEditText(QStringLiteral("MS Sans Serif"));
    m_comboPolice->setMinimumContentsLength(14);
    connect(m_comboPolice, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        QTextCursor c = m_richtxtTexteInfo->textCursor();
        m_commandes.ChoixPolice(m_comboPolice->itemText(index), c);
        m_richtxtTexteInfo->setTextCursor(c);
    });

    m_comboTaille = new QComboBox(barre);
    m_comboTaille->setObjectName(QStringLiteral("comboTaille"));
    m_comboTaille->setToolTip(QStringLiteral("Taille de la police"));
    m_comboTaille->setAccessibleName(QStringLiteral("Taille de la police"));
    m_comboTaille->addItems({QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"),
                             QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
                             QStringLiteral("20")});
    m_comboTaille->setCurrentIndex(1);
    connect(m_comboTaille, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        QTextCursor c = m_richtxtTexteInfo->textCursor();
        m_commandes.ChoixTaille(m_comboTaille->itemText(index), c);
        m_richtxtTexteInfo->setTextCursor(c);
    });
    rangee->addWidget(m_comboPolice, 0, 0, 1, 6);
    rangee->addWidget(m_comboTaille, 0, 6, 1, 3);

    struct Definition {
        QString legende, bulle;
    };
    const Definition definitions[9] = {
        {QStringLiteral("i"), QStringLiteral("italiques")},
        {QStringLiteral("s"), QStringLiteral("souligné")},
        {QStringLiteral("g"), QStringLiteral("gras")},
        {QStringLiteral("b"), QStringLiteral("barré")},
        {QStringLiteral("exp"), QStringLiteral("exposant")},
        {QStringLiteral("ind"), QStringLiteral("indice")},
        {QString(), QStringLiteral("couleur du texte")},
        {QString(), QStringLiteral("UNDO")},
        {QString(), QStringLiteral("couleur du texte")},
    };
    for (int i = 0; i < 9; ++i) {
        auto* b = new QPushButton(definitions[i].legende, barre);
        b->setObjectName(QStringLiteral("cmdRich_%1").arg(i));
        b->setToolTip(definitions[i].bulle);
        b->setAccessibleName(definitions[i].bulle);
        b->setFixedSize(34, 28);
        b->setFocusPolicy(Qt::TabFocus);
        QFont f = b->font();
        f.setItalic(i == 0);
        f.setUnderline(i == 1);
        f.setBold(i == 2);
        f.setStrikeOut(i == 3);
        b->setFont(f);
        if (i == 6 || i == 7)
            b->setIcon(IconeRich(i));
        connect(b, &QPushButton::clicked, this, [this, i] { BoutonRich(i); });
        m_cmdRich[i] = b;
        rangee->addWidget(b, 1, i);
    }
    MontrerMiseEnForme({});
    return barre;
}

void frmPrincipal::MontrerMiseEnForme(const EtatControlesTexte& etat) {
    for (int i = 0; i < 8; ++i)
        m_cmdRich[i]->setVisible(etat.visibles);
    m_cmdRich[8]->setVisible(etat.visibles && etat.couleurVisible);
    m_cmdRich[8]->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #555;")
                                    .arg(m_commandes.couleurPastille.name()));
    m_comboPolice->setVisible(etat.visibles);
    m_comboTaille->setVisible(etat.visibles);
    if (!etat.taille.isEmpty()) {
        const int t = m_comboTaille->findText(etat.taille);
        if (t >= 0)
            m_comboTaille->setCurrentIndex(t);
    }
    if (!etat.police.isEmpty()) {
        const int p = m_comboPolice->findText(etat.police);
        if (p >= 0)
            m_comboPolice->setCurrentIndex(p);
    }
}

void frmPrincipal::BoutonRich(int index) {
    QTextCursor c = m_richtxtTexteInfo->textCursor();
    m_commandes.BoutonRich(index, c);
    m_richtxtTexteInfo->setTextCursor(c);
    if (index == 6 || index == 8)
        m_cmdRich[8]->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #555;")
                                        .arg(m_commandes.couleurPastille.name()));
}

void frmPrincipal::RelachementSurEditeur() {
    if (!m_editeur.IndOuverture)
        return;
    MontrerMiseEnForme(m_commandes.RelachementSouris(m_richtxtTexteInfo->textCursor()));
    m_commandes.FinRelachement();
}

void frmPrincipal::Copier() {
    const QString rtf = m_commandes.Copier(m_richtxtTexteInfo->textCursor());
    if (!rtf.isEmpty())
        QGuiApplication::clipboard()->setText(rtf);
}

void frmPrincipal::Coller() {
    QTextCursor c = m_richtxtTexteInfo->textCursor();
    m_commandes.Coller(QGuiApplication::clipboard()->text(), c);
    m_richtxtTexteInfo->setTextCursor(c);
}

bool frmPrincipal::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == m_richtxtTexteInfo->viewport()) {
        if (evenement->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(evenement)->button() == Qt::RightButton &&
            m_editeur.IndOuverture) {
            m_copierColler->popup(static_cast<QMouseEvent*>(evenement)->globalPosition().toPoint());
            return true;
        }
        if (evenement->type() == QEvent::MouseButtonRelease)
            RelachementSurEditeur();
    } else if (objet == m_richtxtTexteInfo && evenement->type() == QEvent::KeyRelease) {
        // Au clavier aussi (Maj + flèches), une sélection montre les contrôles.
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche->modifiers() & Qt::ShiftModifier || touche->key() == Qt::Key_Shift)
            RelachementSurEditeur();
    } else if (objet == m_richtxtTexteInfo && evenement->type() == QEvent::KeyPress) {
        // Le menu Copier / Coller au clavier.
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        // Maj+Entrée ferait un saut de ligne que le HTML du commentaire ne connaît pas : on en
        // fait un vrai passage à la ligne.
        if ((touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) &&
            touche->modifiers() & Qt::ShiftModifier) {
            m_richtxtTexteInfo->textCursor().insertBlock();
            return true;
        }
        if (touche->key() == Qt::Key_Menu && m_editeur.IndOuverture) {
            m_copierColler->popup(m_richtxtTexteInfo->viewport()->mapToGlobal(
                m_richtxtTexteInfo->cursorRect().bottomLeft()));
            return true;
        }
    } else if (objet == m_txtEntete && evenement->type() == QEvent::FocusOut) {
        m_commandes.PerteFocusEntete(m_txtEntete->text());
    }
    return QWidget::eventFilter(objet, evenement);
}

frmCouleur* frmPrincipal::Couleur() {
    if (!m_frmCouleur)
        m_frmCouleur = new frmCouleur(m_editeur, this);
    return m_frmCouleur;
}

void frmPrincipal::MontrerCouleur() {
    m_editeur.dialogues().executerModal(*Couleur());
}

QColor frmPrincipal::CouleurChoisie() const {
    return m_frmCouleur ? m_frmCouleur->couleurSelection() : QColor(255, 0, 0);
}
