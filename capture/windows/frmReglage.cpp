#include "frmReglage.h"

#include "CaptureEcran.h"
#include "CapturePortail.h"
#include "DessinsCapture.h"
#include "Dialogues.h"
#include "Feuilles.h"
#include "Twips.h"
#include "frmCapture.h"
#include "frmCaptureFigee.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolButton>

frmReglage::frmReglage(OptionsCapture options, Dialogues& dialogues, QWidget* parent)
    : QDialog(parent), m_dialogues(dialogues),
      m_module(std::move(options), dialogues, *this, this) {
    setObjectName(m_module.Options().nomFenetre());
    setWindowTitle(QStringLiteral("Module de capture d'écran"));
    setWindowIcon(IconeCapture(Dessin::Appareil));
    // Une fenêtre de taille fixe n'a pas de bouton d'agrandissement : sans CustomizeWindowHint,
    // Qt laisserait le gestionnaire de fenêtres en mettre un qui ne fait rien.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    Construire();
    connect(&m_module, &ModuleCapture::vueChangee, this, &frmReglage::Rafraichir);
    m_module.Charger();
}

frmReglage::~frmReglage() = default;

void frmReglage::Construire() {
    static_cast<ControlesReglage&>(*this) = CreerControlesReglage(*this, m_module.Options());
    const auto transmettre = [this](QLineEdit* texte,
                                    void (ModuleCapture::*ecrire)(const QString&)) {
        connect(texte, &QLineEdit::textChanged, this, [this, ecrire](const QString& t) {
            if (!m_rafraichissement)
                (m_module.*ecrire)(t);
        });
    };
    transmettre(txtLargeur, &ModuleCapture::EcrireLargeur);
    transmettre(txtHauteur, &ModuleCapture::EcrireHauteur);
    transmettre(txtQualite, &ModuleCapture::EcrireQualite);
    for (int i = 0; i < 4; ++i) {
        // Appui et relâchement sont suivis à la main : répétition tant que le bouton est tenu.
        cmdLargeur[i]->installEventFilter(this);
        cmdHauteur[i]->installEventFilter(this);
    }
    for (int i = 0; i < 3; ++i)
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche && !m_rafraichissement)
                m_module.CliquerOption(i);
        });
    if (m_module.Options().ostrelle())
        txtQualite->installEventFilter(this);
    ModuleCapture* m = &m_module;
    connect(Command1[0], &QAbstractButton::clicked, m, &ModuleCapture::Capturer);
    connect(Command1[1], &QAbstractButton::clicked, m, &ModuleCapture::Quitter);
    connect(Command1[2], &QAbstractButton::clicked, m, &ModuleCapture::DetruireTout);
    connect(Command1[3], &QAbstractButton::clicked, m, &ModuleCapture::DetruireBMP);
    connect(cmdNumero, &QAbstractButton::clicked, m, &ModuleCapture::BasculerCompteur);
    connect(cmdVisu, &QAbstractButton::clicked, m, &ModuleCapture::VisualiserJPG);
    connect(cmdRefaire, &QAbstractButton::clicked, m, &ModuleCapture::Refaire);
    if (cmdBMP)
        connect(cmdBMP, &QAbstractButton::clicked, m, &ModuleCapture::VisualiserBMP);
    connect(cmdHelp, &QAbstractButton::clicked, m, &ModuleCapture::Aide);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

namespace {

// Seulement quand le texte diffère : le curseur de la case ne saute pas pendant la frappe.
void Montrer(QLineEdit* boite, const QString& texte) {
    if (boite->text() != texte)
        boite->setText(texte);
}

} // namespace

void frmReglage::Rafraichir() {
    const QScopedValueRollback<bool> retour(m_rafraichissement, true);
    const ModuleCapture& m = m_module;
    Montrer(txtLargeur, m.txtLargeur());
    Montrer(txtHauteur, m.txtHauteur());
    Montrer(txtQualite, m.txtQualite());
    if (!Option1[m.Option1()]->isChecked())
        Option1[m.Option1()]->setChecked(true);
    lblQualite->setVisible(m.lblQualiteVisible);
    txtQualite->setVisible(m.lblQualiteVisible);
    cmdNumero->setText(m.cmdNumero);
    cmdNumero->setToolTip(m.cmdNumeroBulle);
    if (cmdNumero->palette().color(QPalette::Button) != m.cmdNumeroCouleur)
        Colorer(cmdNumero, m.cmdNumeroCouleur);
    cmdVisu->setVisible(m.cmdVisuVisible);
    cmdRefaire->setVisible(m.cmdRefaireVisible);
    if (cmdBMP)
        cmdBMP->setVisible(m.cmdBMPVisible);
    lblRefaire->setText(m.lblRefaire);
    lblRefaire->setVisible(m.lblRefaireVisible);
}

bool frmReglage::eventFilter(QObject* objet, QEvent* e) {
    if (objet == txtQualite) {
        // Ostrelle : un clic dans la qualité la sélectionne toute, prête à être remplacée.
        if (e->type() == QEvent::MouseButtonRelease)
            QTimer::singleShot(0, txtQualite, &QLineEdit::selectAll);
        return false;
    }
    if (FiltrerDimension(objet, e))
        return true;
    return QDialog::eventFilter(objet, e);
}

bool frmReglage::FiltrerDimension(QObject* objet, QEvent* e) {
    for (const Dimension dimension : {Dimension::Largeur, Dimension::Hauteur}) {
        const auto& boutons = dimension == Dimension::Largeur ? cmdLargeur : cmdHauteur;
        for (int i = 0; i < 4; ++i) {
            if (objet != boutons[i])
                continue;
            const auto type = e->type();
            const bool souris = type == QEvent::MouseButtonPress ||
                                type == QEvent::MouseButtonDblClick ||
                                type == QEvent::MouseButtonRelease;
            if (souris && static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton)
                return false;
            if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
                auto* touche = static_cast<QKeyEvent*>(e);
                if (touche->key() != Qt::Key_Space)
                    return false;
                // Les répétitions du clavier ne comptent pas : c'est le module qui répète.
                if (touche->isAutoRepeat())
                    return true;
            }
            if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                type == QEvent::KeyPress) {
                QPointer<QPushButton> b = boutons[i];
                b->setDown(true);
                // La fenêtre peut disparaître pendant la boucle : le bouton le dit.
                if (m_module.PresserDimension(dimension, i) && b)
                    b->setDown(false);
                return true;
            }
            if (type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease) {
                m_module.RelacherDimension(dimension);
                boutons[i]->setDown(false);
                return true;
            }
            return false;
        }
    }
    return false;
}

void frmReglage::Escamoter() {
    m_coin = pos();
    hide();
}

void frmReglage::Reapparaitre() {
    // Revenir où l'on était : sans position donnée, le gestionnaire de fenêtres en choisirait
    // une autre.
    move(m_coin);
    show();
    MettreDevant(*this);
}

ResultatCadre frmReglage::MontrerCadre(EtatCapture& etat, CaptureEcran& ecran,
                                       const QString& dossier) {
    QScreen* ecranDuCadre = EcranDuCadre(etat, TwipsParPixel());
    if (!CadreFigeNecessaire(ecranDuCadre)) {
        frmCapture cadre(etat, ecran, dossier);
        m_dialogues.executerModal(cadre);
        return {cadre.CaptureFaite, cadre.Echec()};
    }
    // L'écran photographié une fois la fenêtre des réglages partie, puis montré figé.
    QEventLoop attente;
    QTimer::singleShot(DelaiAvantPhoto(), &attente, &QEventLoop::quit);
    attente.exec();
    QImage fige = ecran.saisirEcran(ecranDuCadre);
    if (fige.isNull())
        return {false, ecran.raisonEchec()};
    frmCaptureFigee cadre(etat, std::move(fige), ecranDuCadre, dossier);
    m_dialogues.executerModal(cadre);
    return {cadre.CaptureFaite, cadre.Echec()};
}

int frmReglage::DelaiAvantPhoto() {
    return SessionWayland() ? 20 : 80;
}

bool frmReglage::CadreFigeNecessaire(const QScreen* ecran) {
    // Le cadre transparent n'est exact qu'à un pixel réel par pixel du bureau, et Wayland ne
    // laisse ni placer une fenêtre ni lire l'écran à travers elle.
    return SessionWayland() || EchelleEcran(ecran) != 1.0;
}

void frmReglage::Cacher() {
    hide();
}

void frmReglage::Fermer() {
    if (m_module.Options().ostrelle())
        done(QDialog::Accepted);
    else
        close();
}

void frmReglage::done(int resultat) {
    QDialog::done(resultat);
    m_module.FenetreFermee();
}

void frmReglage::closeEvent(QCloseEvent* e) {
    // Une fenêtre visible passe par done() ; cachée (pendant une capture), elle se ferme ici.
    QDialog::closeEvent(e);
    if (e->isAccepted())
        m_module.FenetreFermee();
}

void frmReglage::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_module.FenetreMontree();
}

void frmReglage::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    // Cachée ou fermée (pas seulement réduite), la fenêtre ne verra plus le relâchement d'un
    // bouton de dimension tenu : la répétition s'arrête.
    if (!isVisible()) {
        m_module.RelacherDimension(Dimension::Largeur);
        m_module.RelacherDimension(Dimension::Hauteur);
    }
}

void frmReglage::keyPressEvent(QKeyEvent* e) {
    // Échap fermerait une boîte de dialogue ; ici ce serait quitter sans la question.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
