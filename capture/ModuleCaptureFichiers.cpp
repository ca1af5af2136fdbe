// ModuleCapture : les fichiers de capture. Conversion qui suit chaque capture, recréation du
// JPEG, visualisation, et les deux suppressions, dont celle des BMP qui renumérote les JPEG.

#include "ModuleCapture.h"

#include "Convertisseur.h"
#include "CouleursCapture.h"
#include "Fichiers.h"
#include "FichiersCapture.h"
#include "RegleCapture.h"

#include <QFileInfo>

namespace {

QString Alerte() {
    return QStringLiteral("ALERTE");
}

const QString BMPDisparu = QStringLiteral("Le fichier BMP n'existe plus !");

} // namespace

ModuleCapture::Conversion ModuleCapture::ConvertirDerniere() {
    const QualiteLue q = LireQualite(m_txtQualite);
    Qualite = q.qualite;
    if (q.corrigee)
        EcrireQualite(QStringLiteral("100"));
    const QString jpg = Chemin(QStringLiteral(".jpg"));
    if (m_convertisseur->convertir(Chemin(QStringLiteral(".bmp")), jpg, Qualite) != 0)
        return Conversion::Echouee;
    const QFileInfo info(jpg);
    if (!info.isFile())
        return Conversion::TailleIllisible;
    lblRefaire = TexteTaille(info.size());
    return Conversion::Faite;
}

void ModuleCapture::SignalerEchecConversion() {
    cmdVisuVisible = false;
    Message(Alerte(),
            QStringLiteral("Désolé, la conversion JPG vient d'échouer...") + CRLF +
                QStringLiteral("Le fichier BMP a été sauvegardé."),
            Boutons::OK, Icone::Critique);
    lblRefaire = QStringLiteral("OUT");
    Annoncer();
}

void ModuleCapture::EtapeConversion() {
    if (m_options.ostrelle()) {
        IndGarderBMP = m_option != 2;
        if (IndGarderBMP)
            cmdBMPVisible = true;
    }
    IndJPG = m_option != 0;
    if (!IndJPG) {
        Annoncer();
        return;
    }
    cmdVisuVisible = true;
    cmdRefaireVisible = true;
    lblRefaireVisible = true;
    // Un JPEG annoncé mais introuvable est un échec comme un autre : le BMP reste.
    if (ConvertirDerniere() != Conversion::Faite) {
        SignalerEchecConversion();
        return;
    }
    if (m_option == 2) {
        SupprimerFichier(Chemin(QStringLiteral(".bmp")));
        cmdRefaireVisible = false;
    }
    Annoncer();
}

void ModuleCapture::Refaire() {
    if (!Lisible(Chemin(QStringLiteral(".bmp")))) {
        Message(Alerte(), BMPDisparu, Boutons::OK, Icone::Exclamation);
        return;
    }
    switch (ConvertirDerniere()) {
    case Conversion::Faite:
        Annoncer();
        break;
    case Conversion::Echouee:
    case Conversion::TailleIllisible:
        // Un JPEG annoncé mais introuvable est un échec de conversion : le BMP, lui, est là.
        SignalerEchecConversion();
        break;
    }
}

void ModuleCapture::VisualiserJPG() {
    const QString jpg = Chemin(QStringLiteral(".jpg"));
    if (Lisible(jpg))
        m_dialogues.ouvrirAvecShell(jpg);
    else
        Message(Alerte(), QStringLiteral("Le fichier JPG n'existe plus !"), Boutons::OK,
                Icone::Exclamation);
}

void ModuleCapture::VisualiserBMP() {
    const QString bmp = Chemin(QStringLiteral(".bmp"));
    if (Lisible(bmp))
        m_dialogues.ouvrirAvecShell(bmp);
    else
        Message(Alerte(), BMPDisparu, Boutons::OK, Icone::Exclamation);
}

void ModuleCapture::DetruireTout() {
    if (!Question(Alerte(),
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

void ModuleCapture::DetruireBMP() {
    if (!Question(Alerte(),
                  QStringLiteral("Vous êtes sur le point de détruire toutes les captures BMP du "
                                 "répertoire.") +
                      CRLF + QStringLiteral("Les fichiers JPG seront donc sauvegardés.") + CRLF +
                      QStringLiteral("Voulez-vous détruire les captures BMP ?"),
                  Icone::Critique))
        return;
    DetruireCaptures(m_options.dossier, QStringLiteral(".bmp"));
    if (Etat.NumeroCapture == 0)
        return;
    const auto signaler = [this] {
        Message(QString(), m_options.texteErreurFichier(), Boutons::OK, Icone::Aucune);
    };
    const int nombre = RenumeroterJPEG(m_options.dossier, m_options.nbMaxCaptures(), signaler);
    Etat.NumeroCapture = static_cast<int16_t>(nombre);
    if (nombre == 0) {
        RazAffichage();
        return;
    }
    IndEcraser = false;
    cmdNumeroCouleur = CouleursCapture::Vert;
    MajCompteur();
    CliquerOption(2);
    cmdVisuVisible = true;
    cmdRefaireVisible = false;
    // cmdBMP (Ostrelle) garde son état.
    const QFileInfo jpg(Chemin(QStringLiteral(".jpg")));
    if (jpg.isFile())
        lblRefaire = TexteTaille(jpg.size());
    else
        signaler();
    lblRefaireVisible = true;
    Annoncer();
}
