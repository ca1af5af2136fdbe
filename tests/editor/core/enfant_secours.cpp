// Un Ostrelle sans fenêtre que les essais arrêtent brutalement pendant qu'il abandonne des
// modifications : il ouvre le projet, le modifie comme un utilisateur (suppression, changement
// d'image, ajouts, commentaire, nouvel ordre), puis remet l'état enregistré et se tue (SIGKILL) au
// pas voulu de cette remise en place.
//
//   enfant_secours PROGRAMME SECOURS PROJETS NOM PHOTOS PAS
//
// PAS = 0 : arrêt juste après le début ; PAS = -2 : arrêt juste avant (les modifications ne
// sont pas encore abandonnées) ; PAS = -1 : pas d'arrêt. Il écrit « ANNULATION » sur sa sortie
// juste avant de commencer, pour qu'un essai puisse aussi le tuer au hasard, et « FINI » quand il a
// tout fait.

#include "ChoixImage.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "FaussesFenetres.h"
#include "OrdreDiapos.h"

#include <QGuiApplication>
#include <csignal>
#include <cstdio>

namespace {
class DialoguesEnfant : public Dialogues {
public:
    int arret = -1;
    bool annulation = false;

    Reponse message(const QString&, const QString&, Boutons boutons, Icone) override {
        return boutons == Boutons::OuiNon ? Reponse::Oui : Reponse::OK;
    }
    std::optional<QString> saisie(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool ouvrirAvecShell(const QString&) override { return true; }
    int executerModal(QDialog&) override { return 0; }
    void debutProgression(const QString&, int) override {
        if (annulation && arret == 0)
            std::raise(SIGKILL);
    }
    void avancerProgression(int fait) override {
        if (annulation && arret > 0 && fait >= arret)
            std::raise(SIGKILL);
    }
    void finProgression() override {}
};
} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList a = application.arguments();
    if (a.size() != 7)
        return 2;
    DialoguesEnfant dialogues;
    dialogues.arret = a[6].toInt();
    Editeur e(dialogues, a[1], a[2]);
    FaussesFenetres fenetres;
    e.fenetres = &fenetres;
    const QString photos = a[5];

    e.NomProjet = a[4];
    e.RepertoireProjet = a[3];
    e.OuvrirProjet();
    if (!e.IndOuverture || e.NbSprite < 4)
        return 3;
    // Ce que fait un utilisateur en une séance : une diapo supprimée (les suivantes
    // descendent), une image changée de GIF en JPEG, deux diapos ajoutées, un commentaire.
    e.EcrireNumDiapo(QStringLiteral("2"));
    e.SupprimerDiapo();
    e.EcrireNumDiapo(QStringLiteral("0"));
    fenetres.changement = [&] { ValiderChangement(e, photos, QStringLiteral("nouvelle.jpg")); };
    e.ChangerDiapo();
    fenetres.ajout = [&] {
        ValiderAjout(e, photos, QStringLiteral("ajout.gif"), QStringLiteral("ajoutée"));
    };
    e.AjouterDiapo();
    e.AjouterDiapo();
    e.richtxtTexteInfo.setPlainText(QStringLiteral("commentaire changé"));
    e.RichVersHTML();
    // Puis la première diapo passée en troisième position dans la visionneuse.
    fenetres.visionneuse = [&] {
        OrdreDiapos ordre(e.OrdreDiapo);
        ordre.Ouvrir(e.NbSprite);
        ordre.CliquerVignette(0);
        ordre.Inserer(2);
        e.IndChangementDiapo = true;
    };
    e.CommandeVisionneuse();
    if (e.OrdreDiapo[2] != 0)
        return 4;

    std::puts("ANNULATION");
    std::fflush(stdout);
    if (dialogues.arret == -2)
        std::raise(SIGKILL);
    dialogues.annulation = true;
    e.AnnulerModifications();
    std::puts("FINI");
    std::fflush(stdout);
    return 0;
}
