#include "frmReglage.h"

#include "CaptureEcran.h"
#include "Convertisseur.h"
#include "DessinsCapture.h"
#include "Dialogues.h"
#include "Fichiers.h"
#include "FichiersCapture.h"
#include "NombresVB.h"
#include "Passage.h"
#include "RegleCapture.h"
#include "Feuilles.h"
#include "Twips.h"
#include "frmCapture.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

namespace {

const QString BulleNumero = QStringLiteral("indique le nombre de captures effectuées");
const QString BulleEcraser =
    QStringLiteral("ALERTE!!!La prochaine capture va effacer la dernière capture effectuée !");

QString Alerte() {
    return QStringLiteral("ALERTE");
}

} // namespace

frmReglage::frmReglage(OptionsCapture options, Dialogues& dialogues, QWidget* parent)
    : QDialog(parent), m_options(std::move(options)), m_dialogues(dialogues) {
    if (m_options.dossier.isEmpty())
        m_options.dossier = QStringLiteral(".");
    m_ecran = m_options.captureEcran;
    if (!m_ecran) {
        m_ecranPropre = std::make_unique<CaptureEcranX11>();
        m_ecran = m_ecranPropre.get();
    }
    m_convertisseur = m_options.convertisseur;
    if (!m_convertisseur) {
        m_convertisseurPropre =
            std::make_unique<ConvertisseurBmp2jpg>(m_options.dossier + QStringLiteral("/bmp2jpg"));
        m_convertisseur = m_convertisseurPropre.get();
    }

    setObjectName(m_options.nomFenetre());
    setWindowTitle(QStringLiteral("Module de capture d'écran"));
    setWindowIcon(IconeCapture(Dessin::Appareil));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // Minuteries enfants de la fenêtre : on les retrouve par leur nom.
    Timer1.setParent(this);
    Timer2.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, [this] { ++m_nbTops; });
    // Timer2 ne bat qu'une fois : chaque top le désactive.
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setInterval(50);
    Timer2.setSingleShot(true);

    Construire();
    Charger();
}

frmReglage::~frmReglage() = default;

QString frmReglage::Chemin(const QString& extension) const {
    return NomCapture(m_options.dossier, Etat.NumeroCapture, extension);
}

void frmReglage::Construire() {
    static_cast<ControlesReglage&>(*this) = CreerControlesReglage(*this, m_options);
    connect(txtLargeur, &QLineEdit::textChanged, this, &frmReglage::ChangerLargeur);
    connect(txtHauteur, &QLineEdit::textChanged, this, &frmReglage::ChangerHauteur);
    for (int i = 0; i < 4; ++i) {
        // Appui et relâchement sont suivis à la main : répétition tant que le bouton est tenu.
        cmdLargeur[i]->installEventFilter(this);
        cmdHauteur[i]->installEventFilter(this);
    }
    for (int i = 0; i < 3; ++i)
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche)
                CliquerOption(i);
        });
    if (m_options.ostrelle())
        txtQualite->installEventFilter(this);
    connect(Command1[0], &QAbstractButton::clicked, this, &frmReglage::Capturer);
    connect(Command1[1], &QAbstractButton::clicked, this, &frmReglage::Quitter);
    connect(Command1[2], &QAbstractButton::clicked, this, &frmReglage::DetruireTout);
    connect(Command1[3], &QAbstractButton::clicked, this, &frmReglage::DetruireBMP);
    connect(cmdNumero, &QAbstractButton::clicked, this, &frmReglage::BasculerCompteur);
    connect(cmdVisu, &QAbstractButton::clicked, this, &frmReglage::VisualiserJPG);
    connect(cmdRefaire, &QAbstractButton::clicked, this, &frmReglage::Refaire);
    if (cmdBMP)
        connect(cmdBMP, &QAbstractButton::clicked, this, &frmReglage::VisualiserBMP);
    connect(cmdHelp, &QAbstractButton::clicked, this, &frmReglage::Aide);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
}

void frmReglage::Charger() {
    // Taille de l'écran : twips puis pixels, comme l'ancien calcul.
    const int tpp = TwipsParPixel();
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize taille = ecran ? ecran->geometry().size() : QSize(1024, 768);
    m_largeurEcran = static_cast<int16_t>((taille.width() * tpp) / tpp);
    m_hauteurEcran = static_cast<int16_t>((taille.height() * tpp) / tpp);
    Etat.NumeroCapture = 0;
    m_indJPG = false;
    m_indEcraser = false;

    const ReglagesPassage r = LirePassage(m_options.dossier + QStringLiteral("/Passage"));
    txtLargeur->setText(r.largeur);
    txtHauteur->setText(r.hauteur);
    Etat.LeftDiapo = r.left;
    Etat.TopDiapo = r.top;
    Etat.HauteurDiapo = PlancherTexte32(txtHauteur->text());
    Etat.LargeurDiapo = PlancherTexte32(txtLargeur->text());

    if (m_options.ostrelle()) {
        DetruireCaptures(m_options.dossier, QStringLiteral(".bmp"));
        DetruireCaptures(m_options.dossier, QStringLiteral(".jpg"));
    }
    if (QFileInfo::exists(NomCapture(m_options.dossier, 1, QStringLiteral(".bmp"))) ||
        QFileInfo::exists(NomCapture(m_options.dossier, 1, QStringLiteral(".jpg"))))
        m_dialogues.message(
            Alerte(),
            QStringLiteral("Il existe encore au moins un fichier de capture dans le répertoire.") +
                CRLF + QStringLiteral("Lancer une nouvelle capture va effacer ces fichiers !"),
            Boutons::OK, Icone::Exclamation);
    MajCompteur();
}

void frmReglage::ChangerLargeur() {
    Etat.LargeurDiapo = PlancherTexte32(txtLargeur->text());
}

void frmReglage::ChangerHauteur() {
    Etat.HauteurDiapo = PlancherTexte32(txtHauteur->text());
}

void frmReglage::MajCompteur() {
    cmdNumero->setText(QString::number(Etat.NumeroCapture));
    cmdNumero->setToolTip(m_indEcraser ? BulleEcraser : BulleNumero);
}

void frmReglage::RazAffichage() {
    m_indEcraser = false;
    Colorer(cmdNumero, CouleursCapture::Vert);
    MajCompteur();
    Option1[2]->setChecked(true);
    CliquerOption(2);
    cmdVisu->hide();
    cmdRefaire->hide();
    lblRefaire->hide();
    if (cmdBMP)
        cmdBMP->hide();
}

void frmReglage::CliquerOption(int index) {
    const bool qualite = index != 0;
    lblQualite->setVisible(qualite);
    txtQualite->setVisible(qualite);
}

bool frmReglage::eventFilter(QObject* objet, QEvent* e) {
    if (objet == txtQualite) {
        // Ostrelle : un clic dans la qualité la sélectionne toute, prête à être remplacée.
        if (e->type() == QEvent::MouseButtonRelease)
            QTimer::singleShot(0, txtQualite, &QLineEdit::selectAll);
        return false;
    }
    for (int ligne = 0; ligne < 2; ++ligne) {
        const bool largeur = ligne == 0;
        const auto& boutons = largeur ? cmdLargeur : cmdHauteur;
        for (int i = 0; i < 4; ++i) {
            if (objet != boutons[i])
                continue;
            bool& relache = largeur ? m_indStopLargeur : m_indStopHauteur;
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
                // Les répétitions du clavier ne comptent pas : c'est notre boucle qui répète.
                if (touche->isAutoRepeat())
                    return true;
            }
            if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                type == QEvent::KeyPress) {
                boutons[i]->setDown(true);
                PresserDimension(largeur, i);
                return true;
            }
            if (type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease) {
                relache = true;
                boutons[i]->setDown(false);
                return true;
            }
            return false;
        }
    }
    return QDialog::eventFilter(objet, e);
}

void frmReglage::AttendreTimer2() {
    QEventLoop boucle;
    connect(&Timer2, &QTimer::timeout, &boucle, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &boucle, &QEventLoop::quit);
    Timer2.start();
    boucle.exec();
}

void frmReglage::PresserDimension(bool largeur, int bouton) {
    // Un seul appui suivi à la fois : un second pendant la boucle n'en démarre pas une autre.
    if (m_dimensionEnCours)
        return;
    m_dimensionEnCours = true;
    QPointer<frmReglage> garde(this);
    QPointer<QPushButton> b = largeur ? cmdLargeur[bouton] : cmdHauteur[bouton];
    bool& relache = largeur ? m_indStopLargeur : m_indStopHauteur;
    QLineEdit* texte = largeur ? txtLargeur : txtHauteur;
    const int limite = largeur ? m_largeurEcran : m_hauteurEcran;
    relache = false;
    for (;;) {
        AttendreTimer2();
        if (!garde)
            return;
        if (const auto nouveau = PasDimension(bouton, texte->text(), limite))
            texte->setText(*nouveau);
        if (relache)
            break;
        // Bouton disparu, fenêtre cachée ou fermée, programme qui se termine : le relâchement
        // ne viendra plus, on s'arrête.
        if (!b || !b->isVisible() || !b->isEnabled() || QCoreApplication::closingDown())
            break;
    }
    if (b)
        b->setDown(false);
    m_dimensionEnCours = false;
}

void frmReglage::BasculerCompteur() {
    switch (BasculerEcrasement(Etat.NumeroCapture, m_indEcraser)) {
    case Teinte::Normale:
        Colorer(cmdNumero, CouleursCapture::Vert);
        break;
    case Teinte::Ecrasement:
        Colorer(cmdNumero, CouleursCapture::Rouge);
        break;
    case Teinte::Inchangee:
        break;
    }
    MajCompteur();
}

void frmReglage::AttendreNbTops(int nb) {
    QEventLoop boucle;
    connect(&Timer1, &QTimer::timeout, &boucle, [&] {
        if (m_nbTops >= nb)
            boucle.quit();
    });
    connect(this, &QObject::destroyed, &boucle, &QEventLoop::quit);
    if (m_nbTops < nb && Timer1.isActive())
        boucle.exec();
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

void frmReglage::Capturer() {
    if (!TailleValide(Etat.LargeurDiapo, Etat.HauteurDiapo, m_largeurEcran, m_hauteurEcran)) {
        m_dialogues.message(Alerte(), QStringLiteral("Valeurs de HAUTEUR et LARGEUR non valides."),
                            Boutons::OK, Icone::Exclamation);
        return;
    }
    // Sans copie d'écran possible, mieux vaut le dire que d'enregistrer une image noire.
    QString raison;
    if (!m_ecran->disponible(&raison)) {
        m_dialogues.message(TitreCaptureImpossible(), raison, Boutons::OK, Icone::Exclamation);
        return;
    }
    QPointer<frmReglage> garde(this);
    ++Etat.NumeroCapture;
    const bool faite = Etat.HauteurDiapo == m_hauteurEcran && Etat.LargeurDiapo == m_largeurEcran
                           ? CapturerEcranEntier()
                           : CapturerZone();
    if (!garde)
        return;
    if (!faite) {
        --Etat.NumeroCapture;
        return;
    }
    cmdVisu->hide();
    cmdRefaire->hide();
    lblRefaire->hide();
    if (cmdBMP)
        cmdBMP->hide();
    m_indEcraser = false;
    Colorer(cmdNumero, CouleursCapture::Vert);
    MajCompteur();
    EtapeConversion();
}

bool frmReglage::CapturerEcranEntier() {
    m_dialogues.message(QString(),
                        QStringLiteral("Vous avez choisi de capturer l'écran en entier."),
                        Boutons::OK, Icone::Aucune);
    QPointer<frmReglage> garde(this);
    m_nbTops = 0;
    Escamoter();
    Etat.Pic = QImage();
    // Une demi-seconde pour que l'écran se redessine sans la fenêtre.
    Timer1.start();
    AttendreNbTops(1);
    if (!garde)
        return false;
    Etat.Pic = m_ecran->saisir(QRect(0, 0, m_largeurEcran, m_hauteurEcran));
    const QString chemin = Chemin(QStringLiteral(".bmp"));
    QString echec;
    if (Etat.Pic.isNull())
        echec = TexteCaptureImpossible();
    else if (!EnregistrerBMP(Etat.Pic, chemin))
        echec = TexteEcritureImpossible(chemin);
    AttendreNbTops(2);
    if (!garde)
        return false;
    Reapparaitre();
    Timer1.stop();
    if (!echec.isEmpty()) {
        m_dialogues.message(Alerte(), echec, Boutons::OK, Icone::Exclamation);
        return false;
    }
    return true;
}

bool frmReglage::CapturerZone() {
    QPointer<frmReglage> garde(this);
    Escamoter();
    frmCapture cadre(Etat, *m_ecran, m_options.dossier);
    m_dialogues.executerModal(cadre);
    if (!garde)
        return false;
    // Le cadre fermé, la fenêtre des réglages revient.
    Reapparaitre();
    if (!cadre.CaptureFaite) {
        if (!cadre.Echec().isEmpty())
            m_dialogues.message(Alerte(), cadre.Echec(), Boutons::OK, Icone::Exclamation);
        return false;
    }
    return true;
}

frmReglage::Conversion frmReglage::ConvertirDerniere() {
    const QualiteLue q = LireQualite(txtQualite->text());
    m_qualite = q.qualite;
    if (q.corrigee)
        txtQualite->setText(QStringLiteral("100"));
    const QString jpg = Chemin(QStringLiteral(".jpg"));
    if (m_convertisseur->convertir(Chemin(QStringLiteral(".bmp")), jpg, m_qualite) != 0)
        return Conversion::Echouee;
    const QFileInfo info(jpg);
    if (!info.isFile())
        return Conversion::TailleIllisible;
    lblRefaire->setText(TexteTaille(info.size()));
    return Conversion::Faite;
}

void frmReglage::SignalerEchecConversion() {
    cmdVisu->hide();
    m_dialogues.message(Alerte(),
                        QStringLiteral("Désolé, la conversion JPG vient d'échouer...") + CRLF +
                            QStringLiteral("Le fichier BMP a été sauvegardé."),
                        Boutons::OK, Icone::Critique);
    lblRefaire->setText(QStringLiteral("OUT"));
}

void frmReglage::EtapeConversion() {
    if (m_options.ostrelle()) {
        m_indGarderBMP = !Option1[2]->isChecked();
        if (m_indGarderBMP && cmdBMP)
            cmdBMP->show();
    }
    m_indJPG = !Option1[0]->isChecked();
    if (!m_indJPG)
        return;
    cmdVisu->show();
    cmdRefaire->show();
    lblRefaire->show();
    // Un JPEG annoncé mais introuvable est un échec comme un autre : le BMP reste.
    if (ConvertirDerniere() != Conversion::Faite) {
        SignalerEchecConversion();
        return;
    }
    if (Option1[2]->isChecked()) {
        SupprimerFichier(Chemin(QStringLiteral(".bmp")));
        cmdRefaire->hide();
    }
}

void frmReglage::Refaire() {
    const QString messageBMP = QStringLiteral("Le fichier BMP n'existe plus !");
    if (!Lisible(Chemin(QStringLiteral(".bmp")))) {
        m_dialogues.message(Alerte(), messageBMP, Boutons::OK, Icone::Exclamation);
        return;
    }
    switch (ConvertirDerniere()) {
    case Conversion::Faite:
        break;
    case Conversion::Echouee:
        SignalerEchecConversion();
        break;
    case Conversion::TailleIllisible:
        m_dialogues.message(Alerte(), messageBMP, Boutons::OK, Icone::Exclamation);
        break;
    }
}

void frmReglage::VisualiserJPG() {
    const QString jpg = Chemin(QStringLiteral(".jpg"));
    if (Lisible(jpg))
        m_dialogues.ouvrirAvecShell(jpg);
    else
        m_dialogues.message(Alerte(), QStringLiteral("Le fichier JPG n'existe plus !"), Boutons::OK,
                            Icone::Exclamation);
}

void frmReglage::VisualiserBMP() {
    const QString bmp = Chemin(QStringLiteral(".bmp"));
    if (Lisible(bmp))
        m_dialogues.ouvrirAvecShell(bmp);
    else
        m_dialogues.message(Alerte(), QStringLiteral("Le fichier BMP n'existe plus !"), Boutons::OK,
                            Icone::Exclamation);
}

void frmReglage::Aide() {
    // Un échec ici n'est pas signalé : l'aide est un plus.
    m_dialogues.ouvrirAvecShell(m_options.dossier + QStringLiteral("/AideCapture/index.htm"));
}

void frmReglage::DetruireTout() {
    if (!m_dialogues.question(
            Alerte(),
            QStringLiteral(
                "Vous êtes sur le point de détruire toutes les captures du répertoire.") +
                CRLF + QStringLiteral("Voulez-vous les détruire ?"),
            Icone::Critique))
        return;
    DetruireCaptures(m_options.dossier, QStringLiteral(".bmp"));
    DetruireCaptures(m_options.dossier, QStringLiteral(".jpg"));
    Etat.NumeroCapture = 0;
    RazAffichage();
}

void frmReglage::DetruireBMP() {
    if (!m_dialogues.question(
            Alerte(),
            QStringLiteral(
                "Vous êtes sur le point de détruire toutes les captures BMP du répertoire.") +
                CRLF + QStringLiteral("Les fichiers JPG seront donc sauvegardés.") + CRLF +
                QStringLiteral("Voulez-vous détruire les captures BMP ?"),
            Icone::Critique))
        return;
    DetruireCaptures(m_options.dossier, QStringLiteral(".bmp"));
    if (Etat.NumeroCapture == 0)
        return;
    const auto signaler = [this] {
        m_dialogues.message(QString(), m_options.texteErreurFichier(), Boutons::OK, Icone::Aucune);
    };
    const int nombre = RenumeroterJPEG(m_options.dossier, m_options.nbMaxCaptures(), signaler);
    Etat.NumeroCapture = static_cast<int16_t>(nombre);
    if (nombre == 0) {
        RazAffichage();
        return;
    }
    m_indEcraser = false;
    Colorer(cmdNumero, CouleursCapture::Vert);
    MajCompteur();
    Option1[2]->setChecked(true);
    CliquerOption(2);
    cmdVisu->show();
    cmdRefaire->hide();
    const QFileInfo jpg(Chemin(QStringLiteral(".jpg")));
    if (jpg.isFile())
        lblRefaire->setText(TexteTaille(jpg.size()));
    else
        signaler();
    lblRefaire->show();
}

void frmReglage::Quitter() {
    const bool sauver = m_dialogues.question(
        QStringLiteral("QUITTER"),
        m_options.texteQuitter() + CRLF +
            QStringLiteral("Voulez-vous sauvegarder les derniers paramètres de capture") + CRLF +
            QStringLiteral("( position et dimension de capture ) ?"),
        Icone::Exclamation);
    const QString passage = m_options.dossier + QStringLiteral("/Passage");
    if (sauver)
        EcrirePassage(passage, Etat.LargeurDiapo, Etat.HauteurDiapo, Etat.LeftDiapo, Etat.TopDiapo);
    else
        EcrirePassageDefaut(passage);

    if (!m_options.ostrelle()) {
        if (m_options.terminer)
            m_options.terminer();
        else
            close();
        return;
    }
    // Ostrelle : les JPEG restent pour devenir des diapos, les BMP n'ont plus d'usage.
    DetruireCaptures(m_options.dossier, QStringLiteral(".bmp"));
    QPointer<frmReglage> garde(this);
    hide();
    if (m_options.montrerEditeur)
        m_options.montrerEditeur();
    if (garde)
        done(QDialog::Accepted);
}

void frmReglage::LeverIndCapture() {
    if (m_indCaptureLevee)
        return;
    m_indCaptureLevee = true;
    if (m_options.leverIndCapture)
        m_options.leverIndCapture();
}

void frmReglage::done(int resultat) {
    QDialog::done(resultat);
    if (m_options.ostrelle())
        LeverIndCapture();
}

void frmReglage::closeEvent(QCloseEvent* e) {
    // Une fenêtre visible passe par done() ; cachée (pendant une capture), elle se ferme ici.
    QDialog::closeEvent(e);
    if (e->isAccepted() && m_options.ostrelle())
        LeverIndCapture();
}

void frmReglage::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_indCaptureLevee = false;
}

void frmReglage::keyPressEvent(QKeyEvent* e) {
    // Échap fermerait une boîte de dialogue ; ici ce serait quitter sans la question.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
