#include "frmPrincipal.h"

#include "BarreMiseEnForme.h"
#include "BarreOutils.h"
#include "BoutonImage.h"
#include "ConversionRiche.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "FenetresQt.h"
#include "Programme.h"
#include "UneLigne.h"
#include "ZoneImage.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
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

// Une barre décorative ; sa propriété « barre » (h ou v) lui donne son dégradé, sans que les
// contrôles des fenêtres filles qui portent le même nom (Label1, Label2) le prennent.
QLabel* Barre(const QString& nom, const char* sens, QWidget* parent) {
    auto* b = new QLabel(parent);
    b->setObjectName(nom);
    b->setProperty("barre", QString::fromLatin1(sens));
    b->setAccessibleName(QStringLiteral("séparateur"));
    return b;
}
} // namespace

frmPrincipal::frmPrincipal(Editeur& editeur, QWidget* parent)
    : QWidget(parent), m_editeur(editeur), m_fenetres(std::make_unique<FenetresQt>(editeur, this)),
      m_commandes(editeur) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Ostrelle ") + QString::fromLatin1(VersionProgramme));
    m_imgFond.load(m_editeur.dossierProgramme() + QStringLiteral("/imgFond.jpg"));
    ConstruireControles();
    ConstruireBarreOutils();

    m_editeur.fenetres = m_fenetres.get();
    connect(&m_editeur, &Editeur::vueChangee, this, &frmPrincipal::Rafraichir);
    connect(&m_editeur, &Editeur::commentaireValide, this, [this] {
        QTextCursor c = m_richtxtTexteInfo->textCursor();
        c.movePosition(QTextCursor::End);
        m_richtxtTexteInfo->setTextCursor(c);
    });
    AgrandirFenetre();
    Rafraichir();
}

frmPrincipal::~frmPrincipal() {
    if (m_editeur.fenetres == m_fenetres.get())
        m_editeur.fenetres = nullptr;
}

void frmPrincipal::ConstruireControles() {
    setStyleSheet(QStringLiteral(
        "#barreOutils { background: rgba(255,255,255,150); border-bottom: 1px solid "
        "rgba(90,70,40,90); }"
        "QLabel[barre=\"h\"] { background: qlineargradient(x1:0,y1:0,x2:1,y2:0, stop:0 #7a4e2d, "
        "stop:0.5 #c89a5b, stop:1 #7a4e2d); }"
        "QLabel[barre=\"v\"] { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #7a4e2d, "
        "stop:0.5 "
        "#c89a5b, stop:1 #7a4e2d); }"
        "#panneauImage, #panneauInfos { background: rgba(255,255,255,185); border: 1px solid "
        "rgba(90,70,40,110); border-radius: 8px; }"
        "#lblNomDiapo, #lblNbDiapo { font-weight: bold; color: #4a2c12; }"
        "#lblDemarrer { color: #4a2c12; font-size: 12pt; padding: 24px; }"
        "#libelle { color: #3b2a1a; }"
        "QLineEdit, QTextEdit { background: white; }"));

    auto* racine = new QVBoxLayout(this);
    racine->setContentsMargins(0, 0, 0, 0);
    racine->setSpacing(0);

    m_barre = new BarreOutils(this);
    racine->addWidget(m_barre);

    m_lblBarre = Barre(QStringLiteral("lblBarre"), "h", this);
    m_lblBarre->setFixedHeight(5);
    racine->addWidget(m_lblBarre);

    auto* centre = new QHBoxLayout;
    centre->setContentsMargins(14, 14, 14, 14);
    centre->setSpacing(14);
    racine->addLayout(centre, 1);

    centre->addWidget(ConstruirePanneauImage(), 1);
    m_label1 = Barre(QStringLiteral("Label1"), "v", this);
    m_label1->setFixedWidth(5);
    centre->addWidget(m_label1);
    centre->addWidget(ConstruirePanneauInfos(), 0);

    m_label2 = Barre(QStringLiteral("Label2"), "h", this);
    m_label2->setFixedHeight(5);
    racine->addWidget(m_label2);
}

// Gauche : la diapo et sa taille.
QWidget* frmPrincipal::ConstruirePanneauImage() {
    auto* panneau = new QWidget(this);
    panneau->setObjectName(QStringLiteral("panneauImage"));
    panneau->setAttribute(Qt::WA_StyledBackground);
    auto* colonne = new QVBoxLayout(panneau);
    colonne->setContentsMargins(10, 10, 10, 8);
    m_imgDiapo = new ZoneImage(panneau);
    m_imgDiapo->setObjectName(QStringLiteral("imgDiapo"));
    m_imgDiapo->setAccessibleName(QStringLiteral("Image de la diapo"));
    // Tant qu'aucun diaporama n'est ouvert, une ligne dit comment commencer.
    m_lblDemarrer =
        new QLabel(QStringLiteral("Pour commencer, créez un nouveau diaporama (%1) ou ouvrez-en un "
                                  "existant (%2).")
                       .arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText),
                            QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)),
                   panneau);
    m_lblDemarrer->setObjectName(QStringLiteral("lblDemarrer"));
    m_lblDemarrer->setAlignment(Qt::AlignCenter);
    m_lblDemarrer->setWordWrap(true);
    colonne->addWidget(m_lblDemarrer);
    colonne->addWidget(m_imgDiapo, 1);
    auto* tailles = new QHBoxLayout;
    m_lblLongueur = new QLabel(panneau);
    m_lblLongueur->setObjectName(QStringLiteral("lblLongueur"));
    m_lblLargeur = new QLabel(panneau);
    m_lblLargeur->setObjectName(QStringLiteral("lblLargeur"));
    tailles->addStretch(1);
    tailles->addWidget(m_lblLongueur);
    tailles->addSpacing(16);
    tailles->addWidget(m_lblLargeur);
    tailles->addStretch(1);
    colonne->addLayout(tailles);
    return panneau;
}

// Droite : le projet, la navigation et le commentaire.
QWidget* frmPrincipal::ConstruirePanneauInfos() {
    auto* panneau = new QWidget(this);
    panneau->setObjectName(QStringLiteral("panneauInfos"));
    panneau->setAttribute(Qt::WA_StyledBackground);
    panneau->setMinimumWidth(360);
    panneau->setMaximumWidth(560);
    auto* colonne = new QVBoxLayout(panneau);
    colonne->setContentsMargins(14, 14, 14, 14);
    colonne->setSpacing(10);

    auto* projet = new QFormLayout;
    projet->setLabelAlignment(Qt::AlignLeft);
    m_lblNomDiapo = new QLabel(panneau);
    m_lblNomDiapo->setObjectName(QStringLiteral("lblNomDiapo"));
    m_lblNomDiapo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblNbDiapo = new QLabel(panneau);
    m_lblNbDiapo->setObjectName(QStringLiteral("lblNbDiapo"));
    projet->addRow(Libelle(QStringLiteral("Nom du diaporama : "), panneau), m_lblNomDiapo);
    projet->addRow(Libelle(QStringLiteral("Nombre de diapositives :"), panneau), m_lblNbDiapo);
    colonne->addLayout(projet);

    auto* lblTag = Libelle(QStringLiteral("Entete du diaporama :"), panneau);
    lblTag->setObjectName(QStringLiteral("lblTag"));
    m_txtEntete = new QLineEdit(panneau);
    m_txtEntete->setObjectName(QStringLiteral("txtEntete"));
    m_txtEntete->setAccessibleName(QStringLiteral("Entete du diaporama"));
    lblTag->setBuddy(m_txtEntete);
    colonne->addWidget(lblTag);
    colonne->addWidget(m_txtEntete);
    connect(m_txtEntete, &QLineEdit::textEdited, this, [this](const QString& texte) {
        // Un QLineEdit garde un saut de ligne collé : l'entête tient sur une ligne.
        const QString ligne = SurUneLigne(texte, QStringLiteral(" "));
        if (ligne != texte) {
            const int curseur = m_txtEntete->cursorPosition();
            m_txtEntete->setText(ligne);
            m_txtEntete->setCursorPosition(std::min<int>(curseur, ligne.size()));
        }
        m_editeur.txtEntete = ligne;
    });
    m_txtEntete->installEventFilter(this);

    auto* navigation = new QHBoxLayout;
    navigation->setSpacing(4);
    const QString legendes[4] = {QStringLiteral("<<"), QStringLiteral("<"), QStringLiteral(">"),
                                 QStringLiteral(">>")};
    const QString noms[4] = {QStringLiteral("Première diapo"), QStringLiteral("Diapo précédente"),
                             QStringLiteral("Diapo suivante"), QStringLiteral("Dernière diapo")};
    for (int i = 0; i < 4; ++i) {
        m_cmdDiapo[i] = new QPushButton(legendes[i], panneau);
        m_cmdDiapo[i]->setObjectName(QStringLiteral("cmdDiapo_%1").arg(i));
        m_cmdDiapo[i]->setAccessibleName(noms[i]);
        m_cmdDiapo[i]->setFixedWidth(44);
        connect(m_cmdDiapo[i], &QPushButton::clicked, this, [this, i] { m_editeur.Naviguer(i); });
    }
    m_txtNumDiapo = new QLineEdit(panneau);
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

    m_richtxtTexteInfo = new QTextEdit(panneau);
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

    m_miseEnForme = new BarreMiseEnForme(m_commandes, *m_richtxtTexteInfo, panneau);
    colonne->addWidget(m_miseEnForme);
    colonne->addWidget(m_richtxtTexteInfo, 1);
    colonne->addLayout(ConstruireBoutonsPage(panneau));

    m_copierColler = new QMenu(this);
    m_copierColler->setObjectName(QStringLiteral("CopierColler"));
    m_copierColler->addAction(QStringLiteral("Copier"), this, &frmPrincipal::Copier)
        ->setObjectName(QStringLiteral("Copier"));
    m_copierColler->addAction(QStringLiteral("Coller"), this, &frmPrincipal::Coller)
        ->setObjectName(QStringLiteral("Coller"));
    return panneau;
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
    // L'image montrée est le fichier tel qu'il est : un même nom remplacé (image changée,
    // diapo supprimée) se relit ; sans changement, rien n'est relu.
    if (!e.IndOuverture)
        m_imgDiapo->montrer(QString());
    else if (m_imgDiapo->chemin() != e.cheminImageDiapo ||
             m_imgDiapo->signature() != e.signatureImageDiapo)
        m_imgDiapo->montrer(e.cheminImageDiapo, e.signatureImageDiapo);
    const bool ouvert = e.IndOuverture;
    for (auto* b : m_boutonsProjet)
        b->setEnabled(ouvert);
    m_cmdFinaliser->setEnabled(ouvert);
    m_lblDemarrer->setVisible(!ouvert);
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
    const bool ouvert = m_editeur.IndOuverture;
    if (objet == m_richtxtTexteInfo->viewport()) {
        if (evenement->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(evenement)->button() == Qt::RightButton && ouvert) {
            m_copierColler->popup(static_cast<QMouseEvent*>(evenement)->globalPosition().toPoint());
            return true;
        }
        if (evenement->type() == QEvent::MouseButtonRelease && ouvert)
            m_miseEnForme->RelachementSurEditeur();
    } else if (objet == m_richtxtTexteInfo && evenement->type() == QEvent::KeyRelease) {
        // Au clavier aussi (Maj + flèches), une sélection montre les contrôles.
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if ((touche->modifiers() & Qt::ShiftModifier || touche->key() == Qt::Key_Shift) && ouvert)
            m_miseEnForme->RelachementSurEditeur();
    } else if (objet == m_richtxtTexteInfo && evenement->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        // Maj+Entrée ferait un saut de ligne que le HTML du commentaire ne connaît pas : on en
        // fait un vrai passage à la ligne.
        if ((touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) &&
            touche->modifiers() & Qt::ShiftModifier) {
            m_richtxtTexteInfo->textCursor().insertBlock();
            return true;
        }
        // Le menu Copier / Coller au clavier.
        if (touche->key() == Qt::Key_Menu && ouvert) {
            m_copierColler->popup(m_richtxtTexteInfo->viewport()->mapToGlobal(
                m_richtxtTexteInfo->cursorRect().bottomLeft()));
            return true;
        }
    } else if (objet == m_txtEntete && evenement->type() == QEvent::FocusOut) {
        m_commandes.PerteFocusEntete(m_txtEntete->text());
    }
    return QWidget::eventFilter(objet, evenement);
}
