// « Enregistrer sous » d'un projet de 200 grandes diapos dans un autre dossier du même disque,
// contre un « cp » des mêmes 203 fichiers vers un dossier vide, dans la même exécution.
// L'opération entière est mesurée : le nouveau projet écrit, l'ancien remis dans son état
// enregistré, la copie de secours du nouveau prise.
// Usage : bench_enregistrer_sous [nombre de tours]

#include "DialoguesMuets.h"
#include "Editeur.h"
#include "Fenetres.h"
#include "FichierProjet.h"
#include "OutilsMesure.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int NbDiapos = 200;
constexpr double Objectif = 1.3;

using namespace OutilsMesure;

// La fenêtre « EnregistrerSous » qui choisit toujours le même dossier et le même nom.
struct ChoixFixe : Fenetres {
    Editeur* editeur = nullptr;
    QString dossier;
    void MontrerAjout(const QString&, const QString&) override {}
    void MontrerChangement() override {}
    void MontrerCouleur() override {}
    QColor CouleurChoisie() const override { return {}; }
    void MontrerSauverSous() override {
        editeur->NomEnr = QStringLiteral("Copie");
        editeur->RepEnr = dossier;
    }
    void MontrerOuvrir() override {}
    void MontrerVisionneuse() override {}
    void MontrerModele() override {}
    void MontrerFondEcran() override {}
    void MontrerCapture(std::function<void()> fermee) override { fermee(); }
    void MontrerInfo() override {}
};

int Mesurer(int argc, char** argv) {
    const int tours = NombreDeTours(argc, argv, 5);
    QTemporaryDir racine;
    if (!racine.isValid())
        Echec(QStringLiteral("dossier temporaire impossible"));
    const QString projet = racine.filePath(QStringLiteral("projet"));
    const QString secours = racine.filePath(QStringLiteral("secours"));
    const QString programme = racine.filePath(QStringLiteral("programme"));
    const QString destination = racine.filePath(QStringLiteral("destination"));
    const QString destinationCp = racine.filePath(QStringLiteral("cp"));
    for (const QString& d : {projet, secours, programme, destination, destinationCp})
        if (!QDir().mkpath(d))
            Echec(QStringLiteral("impossible de créer ") + d);

    const ProjetMesure banc(projet, NbDiapos);
    const auto attendusCp = banc.attendus(QStringLiteral("Banc"));
    auto attendusCopie = banc.attendus(QStringLiteral("Copie"));
    attendusCopie.remove(QStringLiteral("Copie.cin")); // vérifié à part : son nom a changé
    std::printf("Enregistrer sous d'un projet de %d diapos : %lld fichiers, %.1f Mo\n", NbDiapos,
                static_cast<long long>(banc.sources.size()), banc.total() / 1e6);
    std::printf("Référence : un seul processus « cp » des mêmes fichiers vers un dossier vide ; "
                "écritures différées vidées (sync) avant chaque mesure.\n");
    std::fflush(stdout);

    const auto mesurerCp = [&]() -> Mesure {
        Vider(destinationCp);
        ::sync();
        QProcess cp;
        cp.setProgram(QStringLiteral("cp"));
        cp.setArguments(QStringList(banc.sources) << destinationCp);
        const qint64 avant = TempsProcesseur(RUSAGE_CHILDREN);
        QElapsedTimer chrono;
        chrono.start();
        cp.start();
        if (!cp.waitForFinished(-1) || cp.exitCode() != 0)
            Echec(QStringLiteral("cp a échoué"));
        const Mesure m{chrono.nsecsElapsed(), TempsProcesseur(RUSAGE_CHILDREN) - avant};
        Verifier(QStringLiteral("cp"), destinationCp, attendusCp);
        return m;
    };

    const auto mesurerEnregistrerSous = [&]() -> Mesure {
        Vider(destination);
        Vider(secours);
        DialoguesMuets dialogues;
        Editeur editeur(dialogues, programme, secours);
        ChoixFixe choix;
        choix.editeur = &editeur;
        choix.dossier = destination;
        editeur.fenetres = &choix;
        editeur.NomProjet = QStringLiteral("Banc");
        editeur.RepertoireProjet = projet;
        editeur.OuvrirProjet();
        if (!editeur.IndOuverture || editeur.NbSprite != NbDiapos)
            Echec(QStringLiteral("projet mal ouvert"));
        ::sync();
        const qint64 avant = TempsProcesseur(RUSAGE_SELF);
        QElapsedTimer chrono;
        chrono.start();
        editeur.EnregistrerSous();
        const Mesure m{chrono.nsecsElapsed(), TempsProcesseur(RUSAGE_SELF) - avant};
        if (dialogues.messages > 0)
            Echec(QStringLiteral("un message pendant la mesure : ") + dialogues.dernier);
        if (editeur.NomProjet != QLatin1String("Copie") || !editeur.copieSecours().complete())
            Echec(QStringLiteral("le nouveau projet n'est pas ouvert"));
        // Le nouveau dossier : les 202 autres fichiers octet pour octet, et un fichier de
        // projet qui se relit avec ses 200 diapos ; l'ancien projet intact.
        const QString cin = destination + QStringLiteral("/Copie.cin");
        const LectureProjet l = LireFichierProjet(cin);
        if (!l.accepte || l.nbSprite != NbDiapos)
            Echec(QStringLiteral("Copie.cin illisible"));
        QMap<QString, const QByteArray*> attendus = attendusCopie;
        const QByteArray octetsCin = Lire(cin);
        attendus.insert(QStringLiteral("Copie.cin"), &octetsCin);
        Verifier(QStringLiteral("nouveau projet"), destination, attendus);
        Verifier(QStringLiteral("ancien projet"), projet, attendusCp);
        return m;
    };

    mesurerCp();
    mesurerEnregistrerSous();
    std::vector<Mesure> cp, sous;
    for (int t = 0; t < tours; ++t) {
        if (t % 2 == 0) {
            cp.push_back(mesurerCp());
            sous.push_back(mesurerEnregistrerSous());
        } else {
            sous.push_back(mesurerEnregistrerSous());
            cp.push_back(mesurerCp());
        }
        std::printf("  tour %d : EnregistrerSous %8.1f ms (processeur %6.1f)   cp %8.1f ms "
                    "(processeur %6.1f)\n",
                    t + 1, Ms(sous.back().ns), Ms(sous.back().processeur), Ms(cp.back().ns),
                    Ms(cp.back().processeur));
        std::fflush(stdout);
    }
    Vider(destination);
    Vider(destinationCp);
    Vider(secours);
    const auto duree = [](const Mesure& m) { return m.ns; };
    const double medSous = Mediane(sous, duree);
    const double medCp = Mediane(cp, duree);
    const double rapport = medSous / medCp;
    std::printf("EnregistrerSous : %.0f ms   cp : %.0f ms   rapport : %.2f (objectif <= %.1f) %s\n",
                Ms(medSous), Ms(medCp), rapport, Objectif,
                rapport <= Objectif ? "atteint" : "DÉPASSÉ");
    std::printf("(médianes sur %d tours, à chaud ; la fenêtre de progression paraît au-delà d'une "
                "demi-seconde)\n",
                tours);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return LancerMesure(argc, argv, "bench_enregistrer_sous", Mesurer);
}
