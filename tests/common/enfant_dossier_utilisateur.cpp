// Un démarrage de programme installé que les essais arrêtent brutalement pendant qu'il remplit
// le dossier de l'utilisateur :
//
//   enfant_dossier_utilisateur DONNEES DOSSIER ARRET
//
// ARRET > 0 : il se tue (SIGKILL) dès que ARRET fichiers sont copiés ; ARRET = 0 : pas d'arrêt
// (l'essai le tue lui-même au moment voulu). Il écrit en finissant « PRET » ou « ECHEC » suivi
// du nombre de fichiers copiés, et chaque message reçu sur sa sortie d'erreur.

#include "Dialogues.h"
#include "DossierUtilisateur.h"

#include <QCoreApplication>
#include <QStringList>
#include <csignal>
#include <cstdio>

namespace {
class DialoguesEnfant : public Dialogues {
public:
    int arret = 0;

    Reponse message(const QString& titre, const QString& texte, Boutons, Icone) override {
        std::fprintf(stderr, "%s : %s\n", qPrintable(titre), qPrintable(texte));
        return Reponse::OK;
    }
    std::optional<QString> saisie(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool ouvrirAvecShell(const QString&) override { return false; }
    int executerModal(QDialog&) override { return 0; }
    void debutProgression(const QString&, int) override {}
    void avancerProgression(int fait) override {
        if (arret > 0 && fait >= arret)
            std::raise(SIGKILL);
    }
    void finProgression() override {}
};
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList a = application.arguments();
    if (a.size() != 4)
        return 2;
    DialoguesEnfant dialogues;
    dialogues.arret = a[3].toInt();
    const BilanDossier bilan = PreparerDossierUtilisateur(a[1], a[2], dialogues);
    std::printf("%s %lld\n", bilan.pret ? "PRET" : "ECHEC",
                static_cast<long long>(bilan.copies.size()));
    return bilan.pret ? 0 : 1;
}
