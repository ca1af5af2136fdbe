// L'expérience de l'arrêt brutal, au hasard : un projet de 200 diapos, un Ostrelle (enfant_secours)
// qui le modifie puis abandonne ses modifications, tué (SIGKILL) à un moment tiré au hasard
// pendant cet abandon ; puis le démarrage suivant. On compte les arrêts tombés pendant
// l'abandon et les projets qui ne sont pas revenus exactement à leur état enregistré.
// Ce n'est pas un essai de make check (il dure et tire au hasard) : on le lance à la main.
//
//   experience_coupures ENFANT NOMBRE [DOSSIER_SECOURS_AILLEURS]

#include "Editeur.h"
#include "Fabrique.h"
#include "FauxDialogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {
// Lance l'enfant ; le tue (si delai >= 0) delai microsecondes après le début de l'abandon.
// Rend vrai s'il a fini son abandon ; duree reçoit la durée de l'abandon mesurée.
bool Lancer(const QString& enfant, const QStringList& arguments, qint64 delai, qint64* duree) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(enfant, arguments);
    QByteArray sortie;
    while (!sortie.contains("ANNULATION") && p.waitForReadyRead(60000))
        sortie += p.readAllStandardOutput();
    QElapsedTimer chrono;
    chrono.start();
    if (delai >= 0) {
        QThread::usleep(static_cast<unsigned long>(delai));
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    }
    p.waitForFinished(60000);
    if (duree)
        *duree = chrono.nsecsElapsed() / 1000;
    sortie += p.readAllStandardOutput();
    return sortie.contains("FINI");
}
} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QStringList a = application.arguments();
    if (a.size() < 3) {
        std::fprintf(stderr, "usage : experience_coupures ENFANT NOMBRE [SECOURS_AILLEURS]\n");
        return 2;
    }
    const QString enfant = a[1];
    const int nombre = a[2].toInt();

    Bac bac;
    const QString secours = a.size() > 3 ? a[3] : bac.secours;
    QDir().mkpath(secours);
    const QString photos = bac.racine.filePath("photos");
    QStringList commentaires, extensions;
    for (int i = 0; i < 200; ++i) {
        commentaires << QString("diapo %1").arg(i);
        extensions << (i % 4 == 1 ? ".gif" : ".jpg");
    }
    bac.CreerProjet("P", commentaires, extensions);
    CreerImage(photos + "/nouvelle.jpg", 60, 40, Qt::red);
    CreerImage(photos + "/ajout.gif", 30, 30, Qt::blue);
    const auto enregistre = Instantane(bac.projets);
    const QStringList arguments = {bac.programme, secours, bac.projets, "P", photos, "-1"};

    // La durée d'un abandon sans arrêt donne l'intervalle où tirer les moments.
    qint64 duree = 0;
    Reposer(secours, {});
    if (!Lancer(enfant, arguments, -1, &duree) || Instantane(bac.projets) != enregistre) {
        std::fprintf(stderr, "l'abandon sans arrêt ne remet pas le projet\n");
        return 1;
    }
    std::printf("abandon complet : %lld µs ; secours dans %s\n", static_cast<long long>(duree),
                qPrintable(secours));

    QRandomGenerator hasard(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    int pendant = 0, perdus = 0, questions = 0;
    for (int essai = 0; essai < nombre; ++essai) {
        Reposer(bac.projets, enregistre);
        Reposer(secours, {});
        // La fin du processus compte dans la durée mesurée : on tire dans sa première moitié.
        const qint64 delai = hasard.bounded(duree / 2 + 1);
        const bool fini = Lancer(enfant, arguments, delai, nullptr);
        if (!fini)
            ++pendant;
        FauxDialogues dialogues;
        dialogues.reponseParDefaut = Reponse::Oui;
        {
            Editeur e(dialogues, bac.programme, secours);
            e.RecupererCopieSecours();
        }
        for (const MessageVu& m : dialogues.messages)
            if (m.boutons == Boutons::OuiNon)
                ++questions;
        const auto apres = Instantane(bac.projets);
        const bool perdu = apres != enregistre || !LireOctets(secours + "/manifeste").isEmpty();
        if (perdu)
            ++perdus;
        std::printf("  essai %2d : arrêt à %6lld µs %s -> %s\n", essai + 1,
                    static_cast<long long>(delai), fini ? "(après la fin)" : "(pendant)    ",
                    perdu ? "PROJET DIFFÉRENT" : "projet intact");
        std::fflush(stdout);
    }
    std::printf("%d essais, %d arrêts pendant l'abandon, %d questions au démarrage, %d projets "
                "différents de leur état enregistré\n",
                nombre, pendant, questions, perdus);
    return perdus == 0 ? 0 : 1;
}
