#include "Editeur.h"

#include "Captures.h"
#include "ChoixFond.h"
#include "ConversionRiche.h"
#include "Dialogues.h"
#include "Diapos.h"
#include "EnregistrerSous.h"
#include "Fenetres.h"
#include "FichierProjet.h"
#include "Fichiers.h"
#include "Finaliser.h"
#include "FluxPage.h"
#include "Images.h"
#include "Modeles.h"
#include "NombresVB.h"
#include "Ouverture.h"
#include "Projet.h"
#include "Recuperation.h"
#include "Reordonner.h"

#include <QDir>

const std::array<QString, 6> Editeur::BalisesOuvrantes = {
    QStringLiteral("<i>"), QStringLiteral("<u>"),   QStringLiteral("<b>"),
    QStringLiteral("<s>"), QStringLiteral("<sup>"), QStringLiteral("<sub>")};
const std::array<QString, 6> Editeur::BalisesFermantes = {
    QStringLiteral("</i>"), QStringLiteral("</u>"),   QStringLiteral("</b>"),
    QStringLiteral("</s>"), QStringLiteral("</sup>"), QStringLiteral("</sub>")};

Editeur::Editeur(Dialogues& dialogues, QString dossierProgramme, QString dossierSecours,
                 QObject* parent)
    : QObject(parent), m_dialogues(dialogues),
      m_dossierProgramme(SansSeparateurFinal(std::move(dossierProgramme))),
      m_secours(std::move(dossierSecours)) {
    PreparerDocumentCommentaire(richtxtTexteInfo);
}

Editeur::~Editeur() = default;

// ---------------------------------------------------------------------------------------------
// Champs cachés

void Editeur::EcrireTexteInfo(const QString& texte) {
    if (texte == m_txtTexteInfo)
        return;
    m_txtTexteInfo = texte;
    ChangementTexteInfo();
}

void Editeur::ChangementTexteInfo() {
    if (m_indChargementTexte)
        HTMLVersRich();
    Info[NumeroDiapo] = m_txtTexteInfo;
    IndEnregistrer = false;
}

void Editeur::PerteFocusTexteInfo() {
    IndEnregistrer = false;
}

void Editeur::EcrireNumDiapo(const QString& texte) {
    if (texte == m_txtNumDiapo)
        return;
    m_txtNumDiapo = texte;
    ChangementNumDiapo();
    emit vueChangee();
}

void Editeur::ChangementNumDiapo() {
    if (!IndChangerDiapo || !IndOuverture || NbSprite == 0)
        return;
    IndChangerDiapo = false;
    RichVersHTML();
    // « nan », « inf » ou un nombre démesuré ne sont pas des numéros : refusés comme « abc ».
    const std::optional<int32_t> k = EntierTexte(m_txtNumDiapo);
    if (!k || *k < 0 || *k >= NbSprite) {
        EcrireNumDiapo(QString::number(NumeroDiapo));
    } else {
        NumeroDiapo = *k;
        EcrireNumDiapo(QString::number(NumeroDiapo));
        AfficherDiapo();
    }
    IndChangerDiapo = true;
}

// ---------------------------------------------------------------------------------------------
// Diapos

QString Editeur::CheminImage(int i) const {
    return CheminImageDiapo(RepImage, i, TypeImage[i]);
}

void Editeur::AfficherDiapo() {
    const int n = NumeroDiapo;
    m_indChargementTexte = true;
    cheminImageDiapo = CheminImage(n);
    signatureImageDiapo = SignatureFichier(cheminImageDiapo);
    tailleImageDiapo = TailleImage(cheminImageDiapo);
    EcrireTexteInfo(Info[n]);
    m_indChargementTexte = false;
    EcrireNumDiapo(QString::number(n));
    // Une image illisible est montrée vide ; la taille de capture garde alors sa valeur.
    const bool lisible = tailleImageDiapo.isValid();
    const int l = lisible ? tailleImageDiapo.width() : 0;
    const int h = lisible ? tailleImageDiapo.height() : 0;
    lblLongueur = QStringLiteral("L = ") + QString::number(l);
    lblLargeur = QStringLiteral("H = ") + QString::number(h);
    if (lisible) {
        LargeurDiapo = l;
        HauteurDiapo = h;
    }
    emit vueChangee();
}

void Editeur::RichVersHTML() {
    if (m_indChargementTexte)
        return;
    EcrireTexteInfo(ConvertirRichVersHTML(richtxtTexteInfo));
    emit commentaireValide();
}

void Editeur::HTMLVersRich() {
    IndFormatActif = true;
    ConvertirHTMLVersRich(m_txtTexteInfo, richtxtTexteInfo, BalisesOuvrantes, BalisesFermantes);
}

// ---------------------------------------------------------------------------------------------
// Les opérations, chacune dans sa paire de fichiers

void Editeur::OuvrirProjet() {
    Projet::Ouvrir(*this);
}
bool Editeur::EnregistrerProjet() {
    return Projet::Enregistrer(*this);
}
bool Editeur::SignalerEchecEnregistrement() {
    return Projet::SignalerEchecEnregistrement(*this);
}
bool Editeur::PrendreCopieSecours() {
    return Projet::PrendreCopieSecours(*this);
}
void Editeur::AnnulerModifications() {
    Projet::AnnulerModifications(*this);
}
void Editeur::CommandeEnregistrer() {
    Projet::CommandeEnregistrer(*this);
}
void Editeur::EnregistrerSous() {
    EnregistrementSous::EnregistrerSous(*this);
}
void Editeur::CommandeEnregistrerSous() {
    EnregistrementSous::Commande(*this);
}
void Editeur::CommandeOuvrir() {
    Ouverture::Commande(*this);
}
void Editeur::CommandeVisionneuse() {
    Reordonner::Commande(*this);
}
void Editeur::CreerHTML() {
    FluxPage::CreerHTML(*this);
}
void Editeur::VoirHTML() {
    FluxPage::VoirHTML(*this);
}
void Editeur::Naviguer(int index) {
    Diapos::Naviguer(*this, index);
}
void Editeur::AjouterDiapo() {
    Diapos::Ajouter(*this);
}
void Editeur::ChangerDiapo() {
    Diapos::Changer(*this);
}
void Editeur::SupprimerDiapo() {
    Diapos::Supprimer(*this);
}
void Editeur::RecupererCopieSecours() {
    Recuperation::AuDemarrage(*this);
}
void Editeur::CommandeRestaurerModele() {
    if (NomProjet != ProjetDefaut)
        RestaurerModele();
}
void Editeur::CommandeChangerModele() {
    if (fenetres)
        fenetres->MontrerModele();
}
void Editeur::FinaliserDiaporama() {
    Finaliser::FinaliserDiaporama(*this);
}
void Editeur::CommandeChangerFond() {
    Fond::CommandeChangerFond(*this);
}
void Editeur::CommandeCapturer() {
    Captures::Commande(*this);
}
void Editeur::Aide() {
    m_dialogues.ouvrirAvecShell(m_dossierProgramme + QStringLiteral("/Aide/AideCD.htm"));
}
void Editeur::Didacticiel() {
    m_dialogues.ouvrirAvecShell(m_dossierProgramme + QStringLiteral("/Exemples/Didacticiel.htm"));
}
void Editeur::CommandeInfo() {
    if (fenetres)
        fenetres->MontrerInfo();
}
bool Editeur::RestaurerModele() {
    const Modeles::Restauration r = Modeles::RestaurerModele(m_dialogues, m_dossierProgramme);
    return r.acceptee && !r.echec && r.manquants.isEmpty();
}

// ---------------------------------------------------------------------------------------------
// Démarrage et fin

bool Editeur::DemanderEnregistrement() {
    // Une image changée ne marque pas le projet non enregistré, mais l'ancienne n'existe plus
    // que dans la copie de secours : on demande aussi.
    if (!IndOuverture || (IndEnregistrer && !m_secours.modifie()))
        return true;
    const bool oui = m_dialogues.question(QStringLiteral("Projet en cours"),
                                          QStringLiteral("Un projet est en cours") + CRLF +
                                              QStringLiteral("Voulez-vous l'enregistrer ?"),
                                          Icone::Critique);
    if (oui)
        return EnregistrerProjet() || SignalerEchecEnregistrement();
    AnnulerModifications();
    return true;
}

void Editeur::NouveauProjet() {
    const QString cin = m_dossierProgramme + QStringLiteral("/Nouveau.cin");
    for (;;) {
        if (!DemanderEnregistrement())
            return;
        RepertoireProjet = m_dossierProgramme;
        NomProjet = ProjetDefaut;
        if (Lisible(cin)) {
            OuvrirProjet();
            return;
        }
        NomProjet = NomOuvert;
        RepertoireProjet = RepOuvert;
        // On recommence tant que la restauration ramène « Nouveau.cin » (même si d'autres
        // fichiers manquent, déjà nommés) ; refusée ou sans lui, la boucle s'arrête.
        const Modeles::Restauration r = Modeles::RestaurerModele(m_dialogues, m_dossierProgramme);
        if (!r.acceptee || !Lisible(cin))
            break;
    }
    m_dialogues.message(QStringLiteral("ALERTE"),
                        QStringLiteral("Le diaporama par défaut « Nouveau.cin » est introuvable "
                                       "dans le dossier du programme :") +
                            CRLF + QDir::toNativeSeparators(m_dossierProgramme) + CRLF + CRLF +
                            QStringLiteral("Restaurez-le depuis le dossier « Restaurer », ou "
                                           "ouvrez un diaporama existant."),
                        Boutons::OK, Icone::Critique);
}

bool Editeur::Quitter() {
    if (!m_dialogues.question(QStringLiteral("QUITTER"),
                              QStringLiteral("Voulez-vous vraiment quitter ?"), Icone::Aucune))
        return false;
    if (IndOuverture && !IndEnregistrer) {
        const bool oui = m_dialogues.question(
            QStringLiteral("ENREGISTRER"),
            QStringLiteral("Voulez-vous enregistrer votre travail ?"), Icone::Critique);
        if (oui && NomProjet != ProjetDefaut) {
            if (!EnregistrerProjet())
                return SignalerEchecEnregistrement();
        } else if (oui) {
            m_dialogues.message(QStringLiteral("ALERTE"),
                                QStringLiteral("Il est impossible de sauvegarder un fichier sans "
                                               "nom.") +
                                    CRLF +
                                    QStringLiteral("Utilisez la méthode ENREGISTRER SOUS..."),
                                Boutons::OK, Icone::Critique);
            return false;
        } else {
            AnnulerModifications();
        }
    }
    return true;
}

bool Editeur::BoutonQuitter() {
    IndEnregistrer = false;
    return Quitter();
}

void Editeur::FermetureFenetre() {
    AnnulerModifications();
}
