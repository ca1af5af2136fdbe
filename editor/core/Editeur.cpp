#include "Editeur.h"

#include "ChoixImage.h"
#include "ConversionRiche.h"
#include "Dialogues.h"
#include "FichierProjet.h"
#include "FichierTexte.h"
#include "Fichiers.h"
#include "GenerateurPage.h"
#include "Images.h"
#include "NombresVB.h"
#include "Programme.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString ProjetDefaut = QStringLiteral("Nouveau");

} // namespace

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

void Editeur::AfficherDiapo() {
    const int n = NumeroDiapo;
    m_indChargementTexte = true;
    cheminImageDiapo = RepImage + QString::number(n) + TypeImage[n];
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
}

void Editeur::HTMLVersRich() {
    IndFormatActif = true;
    ConvertirHTMLVersRich(m_txtTexteInfo, richtxtTexteInfo, BalisesOuvrantes, BalisesFermantes);
}

void Editeur::Naviguer(int index) {
    if (!IndOuverture || NbSprite == 0)
        return;
    IndChangerDiapo = false;
    RichVersHTML();
    switch (index) {
    case 0:
        NumeroDiapo = 0;
        break;
    case 1:
        --NumeroDiapo;
        break;
    case 2:
        ++NumeroDiapo;
        break;
    case 3:
        NumeroDiapo = NbSprite - 1;
        break;
    default:
        break;
    }
    if (NumeroDiapo < 0 || NumeroDiapo >= NbSprite) {
        NumeroDiapo = std::clamp(NumeroDiapo, 0, NbSprite - 1);
        IndChangerDiapo = true;
        return;
    }
    AfficherDiapo();
    IndChangerDiapo = true;
}

void Editeur::AjouterDiapo() {
    if (!IndOuverture || NbSprite >= 200 || !fenetresChoix)
        return;
    const int avant = NbSprite;
    fenetresChoix->MontrerAjout(QStringLiteral("Ajouter une diapo"), TexteAttenteCommentaire);
    if (NbSprite == avant)
        return;
    NumeroDiapo = NbSprite - 1;
    TypeImage[NumeroDiapo] = InsertTypeImage;
    // Le commentaire tient sur une ligne : les fins de ligne tapées deviennent des « <br> ».
    QString texte = InsertTexte;
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    texte.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    texte.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    Info[NumeroDiapo] = texte;
    lblNbDiapo = QString::number(NbSprite);
    IndEnregistrer = false;
    IndHTML = false;
    AfficherDiapo();
}

void Editeur::ChangerDiapo() {
    if (!IndOuverture || !fenetresChoix)
        return;
    // Une fenêtre fermée sans rien dire vaut abandon, jamais un ancien choix.
    InsertTypeImage = Abandon;
    fenetresChoix->MontrerChangement();
    if (InsertTypeImage == Abandon)
        return;
    TypeImage[NumeroDiapo] = InsertTypeImage;
    const QString autre =
        InsertTypeImage == QStringLiteral(".gif") ? QStringLiteral(".jpg") : QStringLiteral(".gif");
    SupprimerFichier(RepImage + QString::number(NumeroDiapo) + autre);
    AfficherDiapo();
}

void Editeur::SupprimerDiapo() {
    if (!IndOuverture || NbSprite < 1)
        return;
    if (NbSprite == 1) {
        m_dialogues.message(QStringLiteral("ALERTE"),
                            QStringLiteral("Impossible de supprimer la dernière diapo !"),
                            Boutons::OK, Icone::Critique);
        return;
    }
    if (!m_dialogues.question(QStringLiteral("ATTENTION"),
                              QStringLiteral("Voulez-vous supprimer la diapo en cours ?"),
                              Icone::Critique))
        return;
    const int n = NumeroDiapo;
    SupprimerFichier(RepImage + QString::number(n) + TypeImage[n]);
    if (n < NbSprite - 1) {
        for (int i = n; i <= NbSprite - 2; ++i) {
            const QString ext = TypeImage[i + 1];
            std::error_code erreur;
            if (!DeplacerFichier(RepImage + QString::number(i + 1) + ext,
                                 RepImage + QString::number(i) + ext, &erreur) &&
                QFileInfo::exists(RepImage + QString::number(i + 1) + ext)) {
                // Décaler plus loin mettrait des images sous les commentaires d'autres diapos :
                // on s'arrête, la place i reste une diapo vide et les suivantes ne bougent pas.
                Info[i].clear();
                TypeImage[i] = QStringLiteral(".jpg");
                m_dialogues.message(
                    QStringLiteral("ALERTE"),
                    QStringLiteral("L'image de la diapo %1 n'a pas pu être déplacée à la place "
                                   "%2 :")
                            .arg(i + 1)
                            .arg(i) +
                        CRLF + QString::fromStdString(erreur.message()) + CRLF + CRLF +
                        QStringLiteral("La diapo %1 reste vide et les diapos suivantes gardent "
                                       "leur numéro. Supprimez la diapo %1 une fois le problème "
                                       "réglé.")
                            .arg(i),
                    Boutons::OK, Icone::Critique);
                lblNbDiapo = QString::number(NbSprite);
                IndEnregistrer = false;
                IndHTML = false;
                NumeroDiapo = i;
                AfficherDiapo();
                return;
            }
            Info[i] = Info[i + 1];
            TypeImage[i] = ext;
        }
        --NbSprite;
    } else {
        --NbSprite;
        NumeroDiapo = NbSprite - 1;
    }
    lblNbDiapo = QString::number(NbSprite);
    IndEnregistrer = false;
    IndHTML = false;
    AfficherDiapo();
}

// ---------------------------------------------------------------------------------------------
// Projet

void Editeur::RefuserProjet(const QString& chemin, const QString& raison) {
    m_dialogues.message(QStringLiteral("PROJET ILLISIBLE"),
                        QStringLiteral("Impossible d'ouvrir le projet :") + CRLF +
                            QDir::toNativeSeparators(chemin) + CRLF + CRLF + raison,
                        Boutons::OK, Icone::Critique);
    NomProjet = m_nomOuvert;
    RepertoireProjet = m_repOuvert;
}

void Editeur::OuvrirProjet() {
    const QString repertoire = SansSeparateurFinal(RepertoireProjet);
    const QString chemin = repertoire + QLatin1Char('/') + NomProjet + QStringLiteral(".cin");

    // Un fichier inutilisable est refusé avant toute question et avant tout changement.
    if (const auto essai = LireFichierProjet(chemin); !essai.accepte) {
        RefuserProjet(chemin, essai.raison);
        return;
    }
    // La question porte sur le projet encore ouvert, sous son propre nom.
    const QString nom = NomProjet;
    NomProjet = m_nomOuvert;
    RepertoireProjet = m_repOuvert;
    if (!DemanderEnregistrement())
        return;
    // Relu après la question : l'enregistrement a pu réécrire ce même fichier.
    const LectureProjet lecture = LireFichierProjet(chemin);
    NomProjet = nom;
    RepertoireProjet = repertoire;
    if (!lecture.accepte) {
        RefuserProjet(chemin, lecture.raison);
        return;
    }

    IndOuverture = true;
    NumeroDiapo = 0;
    RepertoireProjet = repertoire;
    RepImage = repertoire + QLatin1Char('/') + NomProjet;
    NbSprite = lecture.nbSprite;
    m_nomOuvert = NomProjet;
    m_repOuvert = RepertoireProjet;
    if (NbSprite == 0)
        return;

    Entete = lecture.entete;
    txtEntete = Entete;
    for (int i = 0; i < NbSprite; ++i)
        Info[i] = lecture.infos[i];
    for (int i = 0; i < NbSprite; ++i) {
        const QString gif = RepImage + QString::number(i) + QStringLiteral(".gif");
        TypeImage[i] = Lisible(gif) ? QStringLiteral(".gif") : QStringLiteral(".jpg");
    }
    PrendreCopieSecours();
    lblNomDiapo = NomProjet;
    lblNbDiapo = QString::number(NbSprite);
    AfficherDiapo();
}

bool Editeur::EnregistrerProjet() {
    ContenuProjet contenu;
    contenu.nom = NomProjet;
    contenu.repertoire = QDir::toNativeSeparators(RepertoireProjet);
    contenu.nbSprite = NbSprite;
    contenu.entete = Entete;
    contenu.infos = Info.data();
    // Le fichier est écrit avant d'effacer la copie de secours : si l'écriture échoue, l'ancien
    // fichier et la copie restent intacts.
    m_erreurEcriture.clear();
    if (!EcrireFichierProjet(RepImage + QStringLiteral(".cin"), contenu, &m_erreurEcriture))
        return false;
    m_secours.Supprimer(TypeImageSecours);
    IndEnregistrer = true;
    return true;
}

bool Editeur::SignalerEchecEnregistrement() {
    m_dialogues.message(QStringLiteral("ERREUR"),
                        QStringLiteral("Le projet n'a pas pu être enregistré :") + CRLF +
                            QDir::toNativeSeparators(RepImage + QStringLiteral(".cin")) + CRLF +
                            m_erreurEcriture + CRLF + CRLF +
                            QStringLiteral("Vos modifications sont toujours dans l'éditeur."),
                        Boutons::OK, Icone::Critique);
    return false;
}

bool Editeur::PrendreCopieSecours() {
    return m_secours.Prendre(RepImage, NbSprite, TypeImage, TypeImageSecours, &m_dialogues);
}

void Editeur::AnnulerModifications() {
    m_secours.Restaurer(NbSprite, TypeImage, TypeImageSecours);
    IndEnregistrer = true;
}

void Editeur::CommandeEnregistrer() {
    if (!IndOuverture)
        return;
    RichVersHTML();
    Entete = txtEntete;
    if (NomProjet != ProjetDefaut) {
        if (!EnregistrerProjet()) {
            SignalerEchecEnregistrement();
            return;
        }
        PrendreCopieSecours();
        IndEnregistrer = true;
        m_dialogues.message(QStringLiteral("SAUVEGARDE"), QStringLiteral("Enregistrement réussi."),
                            Boutons::OK, Icone::Aucune);
    } else {
        m_dialogues.message(QStringLiteral("ENREGISTREMENT IMPOSSIBLE"),
                            QStringLiteral("Choisissez un nom de diaporama !") + CRLF +
                                QStringLiteral("Utilisez la commande ENREGISTRER SOUS..."),
                            Boutons::OK, Icone::Exclamation);
    }
}

// ---------------------------------------------------------------------------------------------
// Page du diaporama

namespace {
// Un modèle trop court vient d'une installation abîmée : on le dit, sans rien écrire.
bool VerifierModele(Dialogues& dialogues, const QString& nom,
                    const std::optional<QStringList>& lignes, int minimum) {
    const int lues = lignes ? static_cast<int>(lignes->size()) : 0;
    if (lignes && lues >= minimum)
        return true;
    dialogues.message(
        QStringLiteral("MODELE ENDOMMAGE"),
        QStringLiteral("Le modèle « %1 » du dossier du programme est inutilisable").arg(nom) +
            (lignes ? QStringLiteral(" : il n'a que %1 lignes au lieu d'au moins %2.")
                          .arg(lues)
                          .arg(minimum)
                    : QStringLiteral(" : il ne peut pas être lu.")) +
            CRLF + QStringLiteral("Aucune page n'a été créée.") + CRLF + CRLF +
            QStringLiteral("Utilisez le bouton « Restaurer le modèle par défaut » pour le "
                           "remettre en état."),
        Boutons::OK, Icone::Critique);
    return false;
}
} // namespace

void Editeur::CreerHTML() {
    if (!IndOuverture)
        return;
    if (NomProjet == ProjetDefaut) {
        m_dialogues.message(QStringLiteral("ALERTE"),
                            QStringLiteral("Vous devez d'abord donner un nom au projet !"),
                            Boutons::OK, Icone::Critique);
        return;
    }
    if (!IndEnregistrer) {
        m_dialogues.message(QStringLiteral("IMPOSSIBILITE"),
                            QStringLiteral("Il faut d'abord enregistrer le diaporama !"),
                            Boutons::OK, Icone::Exclamation);
        return;
    }
    const auto modelePage = LireLignes(m_dossierProgramme + QStringLiteral("/Nouveau.htm"));
    const auto modeleScript = LireLignes(m_dossierProgramme + QStringLiteral("/Nouveau.js"));
    if (!VerifierModele(m_dialogues, QStringLiteral("Nouveau.htm"), modelePage,
                        LignesModelePageMin) ||
        !VerifierModele(m_dialogues, QStringLiteral("Nouveau.js"), modeleScript,
                        LignesModeleScriptMin))
        return;

    LigneMax = EgaliserLignes(Info.data(), NbSprite);
    DonneesPage donnees;
    donnees.nomProjet = NomProjet;
    donnees.nbSprite = NbSprite;
    donnees.entete = Entete;
    donnees.infos = Info.data();
    donnees.typesImage = TypeImage.data();

    // Les deux fichiers sont écrits à côté puis mis en place ensemble : jamais une page neuve
    // avec un vieux script, ni un fichier à moitié écrit.
    const QString page = RepImage + QStringLiteral(".htm");
    const QString script = RepImage + QStringLiteral(".js");
    const QString suffixe = QStringLiteral(".nouveau");
    QString erreur;
    const bool ecrits =
        EcrireLignes(page + suffixe, GenererLignesPage(*modelePage, NomProjet), &erreur) &&
        EcrireLignes(script + suffixe, GenererLignesScript(*modeleScript, donnees), &erreur) &&
        DeplacerFichier(page + suffixe, page) && DeplacerFichier(script + suffixe, script);
    if (!ecrits) {
        SupprimerFichier(page + suffixe);
        SupprimerFichier(script + suffixe);
        m_dialogues.message(QStringLiteral("ERREUR"),
                            QStringLiteral("La page du diaporama n'a pas pu être écrite dans :") +
                                CRLF + QDir::toNativeSeparators(RepertoireProjet) + CRLF + erreur,
                            Boutons::OK, Icone::Critique);
        return;
    }
    CopierFichier(m_dossierProgramme + QStringLiteral("/sohifrm2.wav"),
                  RepertoireProjet + QStringLiteral("/sohifrm2.wav"));
    IndHTML = true;
    m_dialogues.ouvrirAvecShell(page);
}

void Editeur::VoirHTML() {
    if (!IndOuverture)
        return;
    if (!IndHTML)
        m_dialogues.message(QStringLiteral("ATTENTION"),
                            QStringLiteral("Vous allez visualiser un fichier HTML créé") + CRLF +
                                QStringLiteral("avec une ancienne version du projet !"),
                            Boutons::OK, Icone::Exclamation);
    m_dialogues.ouvrirAvecShell(RepertoireProjet + QLatin1Char('/') + NomProjet +
                                QStringLiteral(".htm"));
}

// ---------------------------------------------------------------------------------------------
// Démarrage et fin

bool Editeur::DemanderEnregistrement() {
    if (!IndOuverture || IndEnregistrer)
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

bool Editeur::RestaurerModele() {
    const bool oui =
        m_dialogues.question(QStringLiteral("ALERTE"),
                             QStringLiteral("Vous allez restaurer le modèle par défaut.") + CRLF +
                                 QStringLiteral("Voulez-vous restaurer le modèle par défaut ?"),
                             Icone::Critique);
    if (!oui)
        return false;
    const QString source = m_dossierProgramme + QStringLiteral("/Restaurer/");
    bool tout = true;
    for (const char* fichier : FichiersProjetDefaut) {
        const QString nom = QString::fromLatin1(fichier);
        tout = CopierFichier(source + nom, m_dossierProgramme + QLatin1Char('/') + nom) && tout;
    }
    return tout;
}

void Editeur::NouveauProjet() {
    // Une seule restauration : si elle est refusée ou impossible, on s'arrête au lieu de
    // reposer la même question sans fin.
    for (int essai = 0; essai < 2; ++essai) {
        if (!DemanderEnregistrement())
            return;
        RepertoireProjet = m_dossierProgramme;
        NomProjet = ProjetDefaut;
        if (Lisible(m_dossierProgramme + QStringLiteral("/Nouveau.cin"))) {
            OuvrirProjet();
            return;
        }
        NomProjet = m_nomOuvert;
        RepertoireProjet = m_repOuvert;
        if (essai > 0 || !RestaurerModele())
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
