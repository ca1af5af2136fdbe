#include "EnregistrerSous.h"

#include "CopieSecours.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Fenetres.h"
#include "FichierProjet.h"
#include "Fichiers.h"
#include "Projet.h"
#include "UneLigne.h"

#include <QDir>
#include <QFileInfo>

namespace EnregistrementSous {

namespace {
const QString Images[2] = {QStringLiteral(".gif"), QStringLiteral(".jpg")};

struct AEcrire {
    QString source; // le fichier du projet en cours
    QString cible;  // son nom dans le nouveau projet
    bool lien;      // un second nom pour le même fichier suffit (l'ancien sera remplacé)
};

// Ce que le nouveau projet reçoit : page, script, images existantes, et le fond de la page
// quand son dossier n'en a pas (la page le demande par son simple nom).
QList<AEcrire> FichiersDuNouveauProjet(const Editeur& e, const QString& nouveau, bool liens) {
    QList<AEcrire> liste;
    for (const QString& suffixe : {QStringLiteral(".htm"), QStringLiteral(".js")})
        if (QFileInfo(e.RepImage + suffixe).isFile())
            liste.append({e.RepImage + suffixe, nouveau + suffixe, false});
    for (int i = 0; i < e.NbSprite; ++i)
        if (QFileInfo(e.CheminImage(i)).isFile())
            liste.append({e.CheminImage(i), CheminImageDiapo(nouveau, i, e.TypeImage[i]), liens});
    const QString dossier = QFileInfo(nouveau).path();
    for (const QString& fond :
         {QStringLiteral("imgFond.jpg"), QStringLiteral("imgFondTable.jpg")}) {
        if (QFileInfo::exists(dossier + QLatin1Char('/') + fond))
            continue;
        const QString ici = e.RepertoireProjet + QLatin1Char('/') + fond;
        const QString programme = e.dossierProgramme() + QLatin1Char('/') + fond;
        const QString source = QFileInfo(ici).isFile() ? ici : programme;
        if (QFileInfo(source).isFile())
            liste.append({source, dossier + QLatin1Char('/') + fond, false});
    }
    return liste;
}

void Signaler(Editeur& e, const QString& fichier, const QString& raison) {
    e.dialogues().message(
        QStringLiteral("ERREUR"),
        QStringLiteral("Le diaporama n'a pas pu être enregistré sous le nom « %1 » : le fichier")
                .arg(e.NomEnr) +
            CRLF + QDir::toNativeSeparators(fichier) + CRLF +
            QStringLiteral("n'a pas pu être écrit (%1)").arg(raison) + CRLF + CRLF +
            QStringLiteral("Rien n'a été remplacé : le diaporama « %1 » reste ouvert avec vos "
                           "modifications.")
                .arg(e.NomProjet),
        Boutons::OK, Icone::Critique);
}

// Écrit le nouveau projet entier, ou rien : chaque fichier va d'abord sous un nom caché à côté
// de sa place, le fichier de projet compris ; ils ne prennent leur nom qu'une fois tous écrits,
// le fichier de projet en dernier.
bool EcrireNouveauProjet(Editeur& e, const QString& nouveau, bool liens) {
    const QList<AEcrire> fichiers = FichiersDuNouveauProjet(e, nouveau, liens);
    QStringList provisoires;
    const auto abandonner = [&](const QString& fichier, const QString& raison) {
        for (const QString& p : provisoires)
            SupprimerFichier(p);
        e.dialogues().finProgression();
        Signaler(e, fichier, raison);
        return false;
    };

    e.dialogues().debutProgression(QStringLiteral("Enregistrement sous un nouveau nom..."),
                                   static_cast<int>(fichiers.size()) + 1);
    int fait = 0;
    for (const AEcrire& f : fichiers) {
        const QString provisoire = NomProvisoire(f.cible);
        SupprimerFichier(provisoire);
        std::error_code erreur;
        const bool ecrit = f.lien ? LierOuCopier(f.source, provisoire, &erreur)
                                  : CopierVersNouveau(f.source, provisoire, &erreur);
        if (!ecrit)
            return abandonner(f.cible, TexteErreurFichier(erreur));
        provisoires << provisoire;
        e.dialogues().avancerProgression(++fait);
    }

    ContenuProjet contenu;
    contenu.nom = e.NomEnr;
    contenu.repertoire = QDir::toNativeSeparators(QFileInfo(nouveau).path());
    contenu.nbSprite = e.NbSprite;
    contenu.entete = e.Entete;
    contenu.infos = e.Info.data();
    const QString cin = nouveau + QStringLiteral(".cin");
    QString erreur;
    if (!EcrireFichierProjet(NomProvisoire(cin), contenu, &erreur))
        return abandonner(cin, erreur);
    provisoires << NomProvisoire(cin);

    // Les noms définitifs : de simples renommages dans un même dossier.
    for (const AEcrire& f : fichiers)
        if (!DeplacerFichier(NomProvisoire(f.cible), f.cible))
            return abandonner(f.cible, QStringLiteral("renommage impossible"));
    if (!DeplacerFichier(NomProvisoire(cin), cin))
        return abandonner(cin, QStringLiteral("renommage impossible"));
    e.dialogues().finProgression();
    return true;
}

// Un projet réécrit ne garde pas d'images à lui : une image d'une autre extension sous le même
// numéro ferait prendre la diapo pour un GIF, une image au-delà de la dernière diapo traînerait.
void EffacerImagesEnTrop(const Editeur& e, const QString& nouveau, bool reecrit) {
    for (int i = 0; i <= NbDiaposMax; ++i) {
        if (i >= e.NbSprite && !reecrit)
            break;
        for (const QString& ext : Images) {
            const bool sienne =
                i < e.NbSprite && ext == e.TypeImage[i] && QFileInfo(e.CheminImage(i)).isFile();
            if (!sienne)
                SupprimerFichier(CheminImageDiapo(nouveau, i, ext));
        }
    }
}
} // namespace

void Commande(Editeur& e) {
    if (!e.IndOuverture)
        return;
    e.RichVersHTML();
    e.Entete = SurUneLigne(e.txtEntete, QStringLiteral(" "));
    EnregistrerSous(e);
}

void EnregistrerSous(Editeur& e) {
    // Un choix d'un enregistrement précédent ne compte jamais.
    e.NomEnr.clear();
    e.RepEnr.clear();
    if (e.fenetres)
        e.fenetres->MontrerSauverSous();
    if (e.RepEnr.isEmpty()) {
        e.dialogues().message(QStringLiteral("ANNULATION"),
                              QStringLiteral("L'opération a été annulée."), Boutons::OK,
                              Icone::Aucune);
        return;
    }
    const QString dossier = SansSeparateurFinal(e.RepEnr);
    const QString nouveau = dossier + QLatin1Char('/') + e.NomEnr;

    // Le projet ouvert lui-même : recopier chaque fichier sur lui-même puis remettre l'ancien
    // état perdrait tout. C'est un simple enregistrement.
    if (e.NomEnr == e.NomProjet && MemeEmplacement(dossier, e.RepertoireProjet)) {
        if (!Projet::Enregistrer(e)) {
            Projet::SignalerEchecEnregistrement(e);
            return;
        }
        Projet::PrendreCopieSecours(e);
        e.IndEnregistrer = true;
        return;
    }

    // L'ancien projet va retrouver son dernier état par sa copie de secours : chacune de ses
    // images y sera remplacée ou effacée, si bien qu'un second nom pour le même fichier suffit
    // au nouveau projet. Sans copie complète, les images sont recopiées.
    const CopieSecours& secours = e.copieSecours();
    const bool liens = secours.complete() && secours.projet() == e.RepImage;
    const bool reecrit = QFileInfo::exists(nouveau + QStringLiteral(".cin"));
    if (!EcrireNouveauProjet(e, nouveau, liens))
        return;
    EffacerImagesEnTrop(e, nouveau, reecrit);

    // L'ancien projet revient à son dernier état enregistré ; l'état modifié ne vit plus que
    // dans le nouveau. Son fichier de projet n'est pas réécrit d'abord : sans copie de secours
    // complète, il garderait l'état modifié.
    Projet::AnnulerModifications(e);

    e.RepertoireProjet = dossier;
    e.NomProjet = e.NomEnr;
    e.lblNomDiapo = e.NomProjet;
    e.RepImage = nouveau;
    e.NomOuvert = e.NomProjet;
    e.RepOuvert = e.RepertoireProjet;
    e.IndEnregistrer = true;
    Projet::PrendreCopieSecours(e);
    emit e.vueChangee();
}

} // namespace EnregistrementSous
