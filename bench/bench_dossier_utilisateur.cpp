// Le dossier du programme d'un programme installé, sur les vraies données (celles que la
// construction pose dans build/Ostrelle, sans les exécutables ni les fichiers de capture).
// Premier démarrage : tout est copié, chaque fichier synchronisé avant son renommage ; la
// référence est un « cp -r » des mêmes données, sans synchronisation. Démarrage suivant : rien
// n'a changé, seules les dates sont lues ; la référence est la lecture et l'empreinte de toutes
// les données, ce que ferait une vérification sans journal. Le démarrage suivant doit coûter
// moins d'un tiers de cette lecture.
// Usage : bench_dossier_utilisateur [nombre de tours]

#include "DialoguesMuets.h"
#include "DossierUtilisateur.h"
#include "OutilsMesure.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr double Objectif = 1.0 / 3.0;

using namespace OutilsMesure;

// Les données du dossier du programme de la construction, copiées comme une installation.
int PoserDonnees(const QString& donnees) {
    const QDir source(QStringLiteral(DOSSIER_PROGRAMME));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    int n = 0;
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        const QString nom = source.relativeFilePath(f.filePath());
        if (f.isExecutable() || nom.endsWith(QStringLiteral(".so")) ||
            nom == QStringLiteral("Passage") || nom.startsWith(QStringLiteral("ScreenShot_")))
            continue;
        const QString cible = donnees + QLatin1Char('/') + nom;
        QDir().mkpath(QFileInfo(cible).path());
        if (!QFile::copy(f.filePath(), cible))
            Echec(QStringLiteral("copie impossible : ") + cible);
        ++n;
    }
    if (n == 0)
        Echec(QStringLiteral("aucune donnée dans " DOSSIER_PROGRAMME " (construire d'abord)"));
    return n;
}

template <typename F> Mesure Chrono(F&& f) {
    const qint64 processeurAvant = TempsProcesseur(RUSAGE_SELF) + TempsProcesseur(RUSAGE_CHILDREN);
    QElapsedTimer chrono;
    chrono.start();
    f();
    return {chrono.nsecsElapsed(),
            TempsProcesseur(RUSAGE_SELF) + TempsProcesseur(RUSAGE_CHILDREN) - processeurAvant};
}

void Preparer(const QString& donnees, const QString& dossier, int copiesAttendues) {
    DialoguesMuets dialogues;
    const BilanDossier b = PreparerDossierUtilisateur(donnees, dossier, dialogues);
    if (!b.pret || dialogues.messages > 0)
        Echec(QStringLiteral("dossier pas prêt : ") + dialogues.dernier);
    if (b.copies.size() != copiesAttendues)
        Echec(QStringLiteral("%1 fichiers copiés au lieu de %2")
                  .arg(b.copies.size())
                  .arg(copiesAttendues));
}

int Mesurer(int argc, char** argv) {
    const int tours = NombreDeTours(argc, argv, 15);
    QTemporaryDir racine;
    if (!racine.isValid())
        Echec(QStringLiteral("dossier temporaire impossible"));
    const QString donnees = racine.filePath(QStringLiteral("share/ostrelle"));
    const int n = PoserDonnees(donnees);
    qint64 total = 0;
    for (QDirIterator it(donnees, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        total += QFileInfo(it.next()).size();
    std::printf("Données installées : %d fichiers, %.2f Mo ; %d tours, médianes.\n", n, total / 1e6,
                tours);

    std::vector<Mesure> premier, suivant, cp, lecture;
    for (int t = 0; t < tours; ++t) {
        const QString dossier = racine.filePath(QStringLiteral("Ostrelle%1").arg(t));
        const QString copie = racine.filePath(QStringLiteral("cp%1").arg(t));
        premier.push_back(Chrono([&] { Preparer(donnees, dossier, n); }));
        suivant.push_back(Chrono([&] { Preparer(donnees, dossier, 0); }));
        cp.push_back(Chrono([&] {
            if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), donnees, copie}) !=
                0)
                Echec(QStringLiteral("cp -r a échoué"));
        }));
        lecture.push_back(Chrono([&] {
            QCryptographicHash h(QCryptographicHash::Sha256);
            for (QDirIterator it(donnees, QDir::Files, QDirIterator::Subdirectories);
                 it.hasNext();) {
                QFile f(it.next());
                if (!f.open(QIODevice::ReadOnly) || !h.addData(&f))
                    Echec(QStringLiteral("lecture impossible : ") + f.fileName());
            }
        }));
    }
    const auto ligne = [](const char* quoi, const std::vector<Mesure>& m) {
        std::printf("  %-48s %8.2f ms  (processeur %7.2f ms)\n", quoi,
                    Ms(Mediane(m, [](const Mesure& x) { return x.ns; })),
                    Ms(Mediane(m, [](const Mesure& x) { return x.processeur; })));
    };
    ligne("premier démarrage (copie synchronisée)", premier);
    ligne("référence : cp -r", cp);
    ligne("démarrage suivant (rien à faire)", suivant);
    ligne("référence : lecture et empreinte de tout", lecture);
    const double rapport = Mediane(suivant, [](const Mesure& x) { return x.ns; }) /
                           Mediane(lecture, [](const Mesure& x) { return x.ns; });
    std::printf("Démarrage suivant / lecture complète : %.2f (objectif : au plus %.2f)\n", rapport,
                Objectif);
    return rapport <= Objectif ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    return LancerMesure(argc, argv, "bench_dossier_utilisateur", Mesurer);
}
