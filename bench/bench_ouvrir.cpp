// Ouvrir un projet de 200 grandes diapos : l'essentiel du temps est la copie de secours. On la
// compare à un « cp » des mêmes 203 fichiers, lancé dans la même exécution, tours alternés.
// Puis l'abandon des modifications (la première diapo supprimée, toutes les suivantes
// décalées) : il ne doit pas être plus lent que l'ouverture, la copie de secours sur le même
// disque que le projet, puis sur un autre (/dev/shm, un tmpfs) quand il existe.
// Usage : bench_ouvrir [nombre de tours]

#include "DialoguesMuets.h"
#include "Editeur.h"
#include "OutilsMesure.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr int NbDiapos = 200;
constexpr double Objectif = 1.3;

using namespace OutilsMesure;

int Mesurer(int argc, char** argv) {
    const int tours = NombreDeTours(argc, argv, 7);

    QTemporaryDir racine;
    if (!racine.isValid())
        Echec(QStringLiteral("dossier temporaire impossible"));
    const QString projet = racine.filePath(QStringLiteral("projet"));
    const QString secours = racine.filePath(QStringLiteral("secours"));
    const QString programme = racine.filePath(QStringLiteral("programme"));
    const QString destinationCp = racine.filePath(QStringLiteral("cp"));
    for (const QString& d : {projet, secours, programme, destinationCp})
        if (!QDir().mkpath(d))
            Echec(QStringLiteral("impossible de créer ") + d);

    // --- Le projet : Banc.cin, Banc.htm, Banc.js et 200 images identiques ---
    const ProjetMesure banc(projet, NbDiapos);
    const QStringList& sources = banc.sources;
    const QMap<QString, const QByteArray*> attendusSecours = banc.attendus(QStringLiteral("aaaa"));
    const QMap<QString, const QByteArray*> attendusCp = banc.attendus(QStringLiteral("Banc"));
    const qint64 total = banc.total();
    const QByteArray& image = banc.image;

    std::printf("Ouverture d'un projet de %d diapos : %lld fichiers, %.1f Mo (image %.2f Mo)\n",
                NbDiapos, static_cast<long long>(sources.size()), total / 1e6, image.size() / 1e6);
    std::printf("Mesures à chaud : les fichiers sources sont dans le cache de pages pour les "
                "deux ; écritures différées vidées (sync) avant chaque mesure.\n");
    std::printf("Référence : un seul processus « cp » des %lld fichiers vers un dossier vide.\n",
                static_cast<long long>(sources.size()));
    std::fflush(stdout);

    // remplacer : les fichiers sont déjà là, « cp » les remplace (comme l'annulation remplace
    // ceux du projet) ; sinon le dossier est vide.
    const auto mesurerCpDe = [&](const QStringList& depart, bool remplacer) -> Mesure {
        Vider(destinationCp);
        if (remplacer)
            for (const QString& source : sources)
                QFile::copy(source,
                            destinationCp + QLatin1Char('/') + QFileInfo(source).fileName());
        ::sync();
        QProcess cp;
        cp.setProgram(QStringLiteral("cp"));
        cp.setArguments(QStringList(depart) << destinationCp);
        const qint64 processeurAvant = TempsProcesseur(RUSAGE_CHILDREN);
        QElapsedTimer chrono;
        chrono.start();
        cp.start();
        if (!cp.waitForFinished(-1))
            Echec(QStringLiteral("cp n'a pas pu tourner : ") + cp.errorString());
        const qint64 ns = chrono.nsecsElapsed();
        const qint64 processeur = TempsProcesseur(RUSAGE_CHILDREN) - processeurAvant;
        if (cp.exitStatus() != QProcess::NormalExit || cp.exitCode() != 0)
            Echec(QStringLiteral("cp a échoué : ") +
                  QString::fromLocal8Bit(cp.readAllStandardError()));
        Verifier(QStringLiteral("cp"), destinationCp, attendusCp);
        return {ns, processeur};
    };
    const auto mesurerCp = [&]() { return mesurerCpDe(sources, false); };

    // Ouvre le projet (mesuré), supprime la première diapo comme l'utilisateur (non mesuré)
    // puis abandonne les modifications (mesuré) : le projet doit revenir octet pour octet.
    struct Tour {
        Mesure ouvrir, annuler;
    };
    const auto mesurerOuvertureEtAnnulation = [&](const QString& dossierSecours) -> Tour {
        Vider(dossierSecours);
        ::sync();
        DialoguesMuets dialogues;
        Editeur editeur(dialogues, programme, dossierSecours);
        editeur.NomProjet = QStringLiteral("Banc");
        editeur.RepertoireProjet = projet;
        Tour tour;
        qint64 processeurAvant = TempsProcesseur(RUSAGE_SELF);
        QElapsedTimer chrono;
        chrono.start();
        editeur.OuvrirProjet();
        tour.ouvrir = {chrono.nsecsElapsed(), TempsProcesseur(RUSAGE_SELF) - processeurAvant};
        if (dialogues.messages > 0)
            Echec(QStringLiteral("l'ouverture a affiché un message : ") + dialogues.dernier);
        if (!editeur.IndOuverture || editeur.NbSprite != NbDiapos ||
            !editeur.copieSecours().complete() ||
            editeur.copieSecours().manifeste()->images.size() != NbDiapos)
            Echec(QStringLiteral("projet mal ouvert : %1 diapos").arg(editeur.NbSprite));
        Verifier(QStringLiteral("copie de secours"), dossierSecours, attendusSecours);

        dialogues.reponse = Reponse::Oui;
        editeur.SupprimerDiapo();
        if (editeur.NbSprite != NbDiapos - 1 || dialogues.questions != 1)
            Echec(QStringLiteral("la suppression de la diapo 0 n'a pas eu lieu"));
        ::sync();
        processeurAvant = TempsProcesseur(RUSAGE_SELF);
        chrono.restart();
        editeur.AnnulerModifications();
        tour.annuler = {chrono.nsecsElapsed(), TempsProcesseur(RUSAGE_SELF) - processeurAvant};
        if (dialogues.messages > 0)
            Echec(QStringLiteral("l'annulation a affiché un message : ") + dialogues.dernier);
        Verifier(QStringLiteral("projet remis"), projet, attendusCp);
        if (QDir(dossierSecours).entryList(QDir::Files).size() != 0)
            Echec(QStringLiteral("la copie de secours est restée après l'annulation"));
        return tour;
    };

    // Une copie de secours sur un autre système de fichiers, quand la machine en a un.
    // La référence de l'annulation est alors « cp » des mêmes fichiers depuis cet autre disque.
    QString secoursAilleurs;
    QStringList sourcesAilleurs;
    QTemporaryDir ailleurs(QStringLiteral("/dev/shm/bench_ouvrir-XXXXXX"));
    if (ailleurs.isValid()) {
        secoursAilleurs = ailleurs.filePath(QStringLiteral("secours"));
        const QString copie = ailleurs.filePath(QStringLiteral("source"));
        QDir().mkpath(secoursAilleurs);
        QDir().mkpath(copie);
        for (const QString& source : sources) {
            const QString cible = copie + QLatin1Char('/') + QFileInfo(source).fileName();
            if (!QFile::copy(source, cible))
                Echec(QStringLiteral("copie impossible vers ") + cible);
            sourcesAilleurs << cible;
        }
    }

    // Un tour de chaque pour chauffer le cache et les bibliothèques, non compté.
    mesurerCp();
    mesurerOuvertureEtAnnulation(secours);

    std::vector<Mesure> cp, ouvrir, annuler, ouvrirAilleurs, annulerAilleurs, cpAilleurs;
    for (int t = 0; t < tours; ++t) {
        // L'ordre alterne, pour qu'aucun des deux ne profite toujours de la place du premier.
        if (t % 2 == 0)
            cp.push_back(mesurerCp());
        const Tour tour = mesurerOuvertureEtAnnulation(secours);
        ouvrir.push_back(tour.ouvrir);
        annuler.push_back(tour.annuler);
        if (t % 2 == 1)
            cp.push_back(mesurerCp());
        std::printf("  tour %d : OuvrirProjet %8.1f ms (processeur %6.1f)   annuler %7.1f ms   "
                    "cp %8.1f ms (processeur %6.1f)\n",
                    t + 1, Ms(tour.ouvrir.ns), Ms(tour.ouvrir.processeur), Ms(tour.annuler.ns),
                    Ms(cp.back().ns), Ms(cp.back().processeur));
        std::fflush(stdout);
    }
    // L'autre disque à part, après : ses écritures ne troublent pas les tours précédents.
    for (int t = 0; t < tours && !secoursAilleurs.isEmpty(); ++t) {
        const Tour autre = mesurerOuvertureEtAnnulation(secoursAilleurs);
        ouvrirAilleurs.push_back(autre.ouvrir);
        annulerAilleurs.push_back(autre.annuler);
        cpAilleurs.push_back(mesurerCpDe(sourcesAilleurs, true));
        std::printf("           copie de secours sur un autre disque : ouvrir %8.1f ms   "
                    "annuler %8.1f ms   cp de l'autre disque %8.1f ms\n",
                    Ms(autre.ouvrir.ns), Ms(autre.annuler.ns), Ms(cpAilleurs.back().ns));
        std::fflush(stdout);
    }
    Vider(destinationCp);
    Vider(secours);

    const auto duree = [](const Mesure& m) { return m.ns; };
    const auto processeur = [](const Mesure& m) { return m.processeur; };
    const double medOuvrir = Mediane(ouvrir, duree);
    const double medCp = Mediane(cp, duree);
    const double rapport = medOuvrir / medCp;
    // Le temps processeur (noyau compris, là où se fait la copie) souffre bien moins que le temps
    // écoulé d'une machine chargée par d'autres : il départage quand les durées sont bruitées.
    const double procOuvrir = Mediane(ouvrir, processeur);
    const double procCp = Mediane(cp, processeur);
    std::printf("temps processeur : OuvrirProjet %.0f ms   cp %.0f ms   rapport %.2f\n",
                Ms(procOuvrir), Ms(procCp), procCp > 0 ? procOuvrir / procCp : 0.0);
    std::printf("OuvrirProjet : %.0f ms   cp : %.0f ms   rapport : %.2f (objectif <= %.1f) %s\n",
                Ms(medOuvrir), Ms(medCp), rapport, Objectif,
                rapport <= Objectif ? "atteint" : "DÉPASSÉ");
    const double medAnnuler = Mediane(annuler, duree);
    std::printf("AnnulerModifications (même disque) : %.1f ms, %.2f fois l'ouverture "
                "(objectif <= 1) %s\n",
                Ms(medAnnuler), medAnnuler / medOuvrir,
                medAnnuler <= medOuvrir ? "atteint" : "DÉPASSÉ");
    if (!ouvrirAilleurs.empty()) {
        const double o = Mediane(ouvrirAilleurs, duree);
        const double a = Mediane(annulerAilleurs, duree);
        const double c = Mediane(cpAilleurs, duree);
        // Ouvrir écrit alors en mémoire (tmpfs), annuler écrit sur le disque du projet et y
        // remplace les fichiers : sa référence est « cp » des mêmes fichiers depuis le tmpfs
        // par-dessus ceux d'un dossier du disque.
        std::printf("Copie de secours sur un autre disque (tmpfs) : OuvrirProjet %.0f ms (%.2f "
                    "fois cp) ; AnnulerModifications %.0f ms, %.2f fois l'ouverture, %.2f fois "
                    "« cp » des mêmes fichiers par-dessus ceux du disque (%.0f ms)\n",
                    Ms(o), o / medCp, Ms(a), a / o, a / c, Ms(c));
    }
    std::printf("(médianes sur %d tours, à chaud)\n", tours);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return LancerMesure(argc, argv, "bench_ouvrir", Mesurer);
}
