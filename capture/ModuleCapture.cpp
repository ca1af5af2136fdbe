#include "ModuleCapture.h"

#include "CapturePortail.h"

#include "CaptureEcran.h"
#include "Convertisseur.h"
#include "CouleursCapture.h"
#include "Dossiers.h"
#include "FenetreReglage.h"
#include "FichiersCapture.h"
#include "Passage.h"
#include "RegleCapture.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace {

const QString BulleNumero = QStringLiteral("indique le nombre de captures effectuées");
const QString BulleEcraser =
    QStringLiteral("ALERTE!!!La prochaine capture va effacer la dernière capture effectuée !");

QString Alerte() {
    return QStringLiteral("ALERTE");
}

} // namespace

ModuleCapture::ModuleCapture(OptionsCapture options, Dialogues& dialogues, FenetreReglage& fenetre,
                             QObject* parent)
    : QObject(parent), m_options(std::move(options)), m_dialogues(dialogues), m_fenetre(fenetre) {
    setObjectName(QStringLiteral("ModuleCapture"));
    if (m_options.dossier.isEmpty())
        m_options.dossier = QStringLiteral(".");
    m_ecran = m_options.captureEcran;
    if (!m_ecran) {
        m_ecranPropre = CaptureEcranDeLaSession();
        m_ecran = m_ecranPropre.get();
    }
    m_convertisseur = m_options.convertisseur;
    if (!m_convertisseur) {
        const QString bibliotheques = m_options.dossierBibliotheques.isEmpty()
                                          ? DossierBibliotheques()
                                          : m_options.dossierBibliotheques;
        m_convertisseurPropre =
            std::make_unique<ConvertisseurBmp2jpg>(bibliotheques + QStringLiteral("/bmp2jpg"));
        m_convertisseur = m_convertisseurPropre.get();
    }

    cmdNumero = QStringLiteral("0");
    cmdNumeroBulle = BulleNumero;
    cmdNumeroCouleur = CouleursCapture::Vert;
    lblRefaire = QStringLiteral("0 ko");
    m_txtQualite = m_options.qualiteInitiale();

    // Minuteries enfants du module (donc de la fenêtre) : on les retrouve par leur nom.
    Timer1.setParent(this);
    Timer2.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, [this] { ++NbTops; });
    // Timer2 ne bat qu'une fois : chaque top le désactive.
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setInterval(50);
    Timer2.setSingleShot(true);
}

ModuleCapture::~ModuleCapture() = default;

void ModuleCapture::Annoncer() {
    emit vueChangee();
}

Reponse ModuleCapture::Message(const QString& titre, const QString& texte, Boutons boutons,
                               Icone icone) {
    Annoncer();
    return m_dialogues.message(titre, texte, boutons, icone);
}

bool ModuleCapture::Question(const QString& titre, const QString& texte, Icone icone) {
    return Message(titre, texte, Boutons::OuiNon, icone) == Reponse::Oui;
}

QString ModuleCapture::Chemin(const QString& extension) const {
    return NomCapture(m_options.dossier, Etat.NumeroCapture, extension);
}

void ModuleCapture::EcrireLargeur(const QString& texte) {
    if (texte == m_txtLargeur)
        return;
    m_txtLargeur = texte;
    Etat.LargeurDiapo = PlancherTexte32(m_txtLargeur);
    Annoncer();
}

void ModuleCapture::EcrireHauteur(const QString& texte) {
    if (texte == m_txtHauteur)
        return;
    m_txtHauteur = texte;
    Etat.HauteurDiapo = PlancherTexte32(m_txtHauteur);
    Annoncer();
}

void ModuleCapture::EcrireQualite(const QString& texte) {
    if (texte == m_txtQualite)
        return;
    m_txtQualite = texte;
    Annoncer();
}

void ModuleCapture::CliquerOption(int index) {
    if (index < 0 || index > 2)
        return;
    m_option = index;
    lblQualiteVisible = index != 0;
    Annoncer();
}

void ModuleCapture::Charger() {
    // Taille de l'écran en pixels réels (ceux d'une capture) : twips puis pixels, comme
    // l'ancien calcul.
    const int tpp = TwipsParPixel();
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize taille = ecran ? TailleReelle(ecran) : QSize(1024, 768);
    LargeurEcran = static_cast<int16_t>((taille.width() * tpp) / tpp);
    HauteurEcran = static_cast<int16_t>((taille.height() * tpp) / tpp);
    Etat.NumeroCapture = 0;
    IndJPG = false;
    IndEcraser = false;

    const ReglagesPassage r = LirePassage(m_options.dossier + QStringLiteral("/Passage"));
    EcrireLargeur(r.largeur);
    EcrireHauteur(r.hauteur);
    Etat.LeftDiapo = r.left;
    Etat.TopDiapo = r.top;
    Etat.HauteurDiapo = PlancherTexte32(m_txtHauteur);
    Etat.LargeurDiapo = PlancherTexte32(m_txtLargeur);

    if (m_options.ostrelle()) {
        DetruireCaptures(m_options.dossier, QStringLiteral(".bmp"));
        DetruireCaptures(m_options.dossier, QStringLiteral(".jpg"));
    }
    if (QFileInfo::exists(NomCapture(m_options.dossier, 1, QStringLiteral(".bmp"))) ||
        QFileInfo::exists(NomCapture(m_options.dossier, 1, QStringLiteral(".jpg"))))
        Message(
            Alerte(),
            QStringLiteral("Il existe encore au moins un fichier de capture dans le répertoire.") +
                CRLF + QStringLiteral("Lancer une nouvelle capture va effacer ces fichiers !"),
            Boutons::OK, Icone::Exclamation);
    MajCompteur();
}

void ModuleCapture::MajCompteur() {
    cmdNumero = QString::number(Etat.NumeroCapture);
    cmdNumeroBulle = IndEcraser ? BulleEcraser : BulleNumero;
    Annoncer();
}

void ModuleCapture::RazAffichage() {
    IndEcraser = false;
    cmdNumeroCouleur = CouleursCapture::Vert;
    MajCompteur();
    CliquerOption(2);
    cmdVisuVisible = false;
    cmdRefaireVisible = false;
    lblRefaireVisible = false;
    cmdBMPVisible = false;
    Annoncer();
}

void ModuleCapture::AttendreTimer2() {
    QEventLoop boucle;
    connect(&Timer2, &QTimer::timeout, &boucle, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &boucle, &QEventLoop::quit);
    Timer2.start();
    boucle.exec();
}

bool ModuleCapture::PresserDimension(Dimension dimension, int bouton) {
    // Un seul appui suivi à la fois : un second pendant la boucle n'en démarre pas une autre.
    if (m_dimensionEnCours)
        return false;
    m_dimensionEnCours = true;
    QPointer<ModuleCapture> garde(this);
    const bool largeur = dimension == Dimension::Largeur;
    (largeur ? IndStopLargeur : IndStopHauteur) = false;
    for (;;) {
        AttendreTimer2();
        if (!garde)
            return true;
        const QString texte = largeur ? m_txtLargeur : m_txtHauteur;
        if (const auto nouveau = PasDimension(bouton, texte, largeur ? LargeurEcran : HauteurEcran))
            largeur ? EcrireLargeur(*nouveau) : EcrireHauteur(*nouveau);
        if (!garde)
            return true;
        if (largeur ? IndStopLargeur : IndStopHauteur)
            break;
        // Programme qui se termine : le relâchement ne viendra plus. (La fenêtre cachée ou
        // fermée relâche elle-même ses boutons.)
        if (QCoreApplication::closingDown())
            break;
    }
    m_dimensionEnCours = false;
    return true;
}

void ModuleCapture::RelacherDimension(Dimension dimension) {
    (dimension == Dimension::Largeur ? IndStopLargeur : IndStopHauteur) = true;
}

void ModuleCapture::BasculerCompteur() {
    switch (BasculerEcrasement(Etat.NumeroCapture, IndEcraser)) {
    case Teinte::Normale:
        cmdNumeroCouleur = CouleursCapture::Vert;
        break;
    case Teinte::Ecrasement:
        cmdNumeroCouleur = CouleursCapture::Rouge;
        break;
    case Teinte::Inchangee:
        break;
    }
    MajCompteur();
}

void ModuleCapture::AttendreNbTops(int nb) {
    QEventLoop boucle;
    connect(&Timer1, &QTimer::timeout, &boucle, [&] {
        if (NbTops >= nb)
            boucle.quit();
    });
    connect(this, &QObject::destroyed, &boucle, &QEventLoop::quit);
    if (NbTops < nb && Timer1.isActive())
        boucle.exec();
}

void ModuleCapture::Capturer() {
    if (!TailleValide(Etat.LargeurDiapo, Etat.HauteurDiapo, LargeurEcran, HauteurEcran)) {
        Message(Alerte(), QStringLiteral("Valeurs de HAUTEUR et LARGEUR non valides."), Boutons::OK,
                Icone::Exclamation);
        return;
    }
    // Sans copie d'écran possible, mieux vaut le dire que d'enregistrer une image noire.
    QString raison;
    if (!m_ecran->disponible(&raison)) {
        Message(TitreCaptureImpossible(), raison, Boutons::OK, Icone::Exclamation);
        return;
    }
    QPointer<ModuleCapture> garde(this);
    ++Etat.NumeroCapture;
    const bool faite = Etat.HauteurDiapo == HauteurEcran && Etat.LargeurDiapo == LargeurEcran
                           ? CapturerEcranEntier()
                           : CapturerZone();
    if (!garde)
        return;
    if (!faite) {
        --Etat.NumeroCapture;
        Annoncer();
        return;
    }
    cmdVisuVisible = false;
    cmdRefaireVisible = false;
    lblRefaireVisible = false;
    cmdBMPVisible = false;
    IndEcraser = false;
    cmdNumeroCouleur = CouleursCapture::Vert;
    MajCompteur();
    EtapeConversion();
}

bool ModuleCapture::CapturerEcranEntier() {
    Message(QString(), QStringLiteral("Vous avez choisi de capturer l'écran en entier."),
            Boutons::OK, Icone::Aucune);
    QPointer<ModuleCapture> garde(this);
    NbTops = 0;
    m_fenetre.Escamoter();
    Etat.Pic = QImage();
    // Une demi-seconde pour que l'écran se redessine sans la fenêtre.
    Timer1.start();
    AttendreNbTops(1);
    if (!garde)
        return false;
    // L'écran où le cadre a été laissé, en entier et en pixels réels.
    Etat.Pic = m_ecran->saisirEcran(EcranDuCadre(Etat, TwipsParPixel()));
    const QString chemin = Chemin(QStringLiteral(".bmp"));
    QString echec;
    if (Etat.Pic.isNull())
        echec = m_ecran->raisonEchec();
    else if (!EnregistrerBMP(Etat.Pic, chemin))
        echec = TexteEcritureImpossible(chemin);
    AttendreNbTops(2);
    if (!garde)
        return false;
    m_fenetre.Reapparaitre();
    Timer1.stop();
    if (!echec.isEmpty()) {
        Message(Alerte(), echec, Boutons::OK, Icone::Exclamation);
        return false;
    }
    return true;
}

bool ModuleCapture::CapturerZone() {
    QPointer<ModuleCapture> garde(this);
    m_fenetre.Escamoter();
    const ResultatCadre cadre = m_fenetre.MontrerCadre(Etat, *m_ecran, m_options.dossier);
    if (!garde)
        return false;
    // Le cadre fermé, la fenêtre des réglages revient.
    m_fenetre.Reapparaitre();
    if (!cadre.CaptureFaite) {
        if (!cadre.echec.isEmpty())
            Message(Alerte(), cadre.echec, Boutons::OK, Icone::Exclamation);
        return false;
    }
    return true;
}

void ModuleCapture::Aide() {
    // Un échec ici n'est pas signalé : l'aide est un plus.
    m_dialogues.ouvrirAvecShell(m_options.dossier + QStringLiteral("/AideCapture/index.htm"));
}

void ModuleCapture::Quitter() {
    const bool sauver =
        Question(QStringLiteral("QUITTER"),
                 m_options.texteQuitter() + CRLF +
                     QStringLiteral("Voulez-vous sauvegarder les derniers paramètres de capture") +
                     CRLF + QStringLiteral("( position et dimension de capture ) ?"),
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
            m_fenetre.Fermer();
        return;
    }
    // Ostrelle : les JPEG restent pour devenir des diapos, les BMP n'ont plus d'usage.
    DetruireCaptures(m_options.dossier, QStringLiteral(".bmp"));
    QPointer<ModuleCapture> garde(this);
    m_fenetre.Cacher();
    if (m_options.montrerEditeur)
        m_options.montrerEditeur();
    if (garde)
        m_fenetre.Fermer();
}

void ModuleCapture::FenetreMontree() {
    m_indCaptureLevee = false;
}

void ModuleCapture::FenetreFermee() {
    if (!m_options.ostrelle() || m_indCaptureLevee)
        return;
    m_indCaptureLevee = true;
    if (m_options.leverIndCapture)
        m_options.leverIndCapture();
}
