// ConvertirBMPenJPG sur une capture d'écran 1920 x 1080 à la qualité 95, contre « cjpeg -quality
// 95 » sur le même BMP, tours alternés dans la même exécution. cjpeg est un processus par tour :
// son démarrage, mesuré à part sur une image minuscule, est retranché pour un second rapport.
// Usage : bench_bmp2jpg [nombre de tours]

#include "EcranFactice.h"
#include "OutilsMesure.h"
#include "bmp2jpg.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

using OutilsMesure::Echec;
using OutilsMesure::LancerMesure;

namespace {

constexpr double Objectif = 1.2;

// Une durée écoulée et le temps processeur (utilisateur et noyau) qu'elle a coûté, en ms.
struct Mesure {
    double ms = 0;
    double processeur = 0;
};

double Processeur(int qui) {
    rusage r{};
    getrusage(qui, &r);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(r.ru_utime) + ms(r.ru_stime);
}

double Mediane(const std::vector<Mesure>& mesures, double Mesure::*champ) {
    std::vector<double> v;
    for (const Mesure& m : mesures)
        v.push_back(m.*champ);
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// Un « cjpeg » complet, lancement et fin du processus compris.
Mesure Cjpeg(const QStringList& options, const QString& bmp, const QString& jpg) {
    QFile::remove(jpg);
    QProcess cjpeg;
    const double processeurAvant = Processeur(RUSAGE_CHILDREN);
    QElapsedTimer chrono;
    chrono.start();
    cjpeg.start(QStringLiteral("cjpeg"), QStringList(options)
                                             << QStringLiteral("-outfile") << jpg << bmp);
    if (!cjpeg.waitForFinished(-1))
        Echec(QStringLiteral("cjpeg n'a pas pu tourner : ") + cjpeg.errorString());
    const double ms = chrono.nsecsElapsed() / 1e6;
    // Le fils est recueilli par waitForFinished : son temps est alors compté.
    const double processeur = Processeur(RUSAGE_CHILDREN) - processeurAvant;
    if (cjpeg.exitStatus() != QProcess::NormalExit || cjpeg.exitCode() != 0 ||
        QFileInfo(jpg).size() == 0)
        Echec(QStringLiteral("cjpeg a échoué : ") +
              QString::fromLocal8Bit(cjpeg.readAllStandardError()));
    return {ms, processeur};
}

Mesure Bibliotheque(const QString& bmp, const QString& jpg) {
    const QByteArray source = QFile::encodeName(bmp);
    const QByteArray destination = QFile::encodeName(jpg);
    const double processeurAvant = Processeur(RUSAGE_THREAD);
    QElapsedTimer chrono;
    chrono.start();
    const int16_t statut = ConvertirBMPenJPG(source.constData(), destination.constData(), 95);
    const double ms = chrono.nsecsElapsed() / 1e6;
    const double processeur = Processeur(RUSAGE_THREAD) - processeurAvant;
    if (statut != BMP2JPG_REUSSI || QFileInfo(jpg).size() == 0)
        Echec(QStringLiteral("ConvertirBMPenJPG a rendu %1").arg(statut));
    return {ms, processeur};
}

int Mesurer(int argc, char** argv) {
    int tours = 15;
    if (argc > 1) {
        bool ok = false;
        tours = QString::fromLocal8Bit(argv[1]).toInt(&ok);
        if (!ok || tours < 1)
            Echec(QStringLiteral("nombre de tours invalide : ") + QString::fromLocal8Bit(argv[1]));
    }

    QTemporaryDir dossier;
    if (!dossier.isValid())
        Echec(QStringLiteral("dossier temporaire impossible"));
    const QString bmp = dossier.filePath(QStringLiteral("ScreenShot_1.bmp"));
    const QString minuscule = dossier.filePath(QStringLiteral("minuscule.bmp"));
    const QString jpgBibliotheque = dossier.filePath(QStringLiteral("ScreenShot_1.jpg"));
    const QString jpgCjpeg = dossier.filePath(QStringLiteral("cjpeg.jpg"));
    const QString jpgMinuscule = dossier.filePath(QStringLiteral("minuscule.jpg"));
    const QString jpg444 = dossier.filePath(QStringLiteral("cjpeg444.jpg"));
    if (!EcranFactice(1920, 1080, 1).save(bmp) || !EcranFactice(8, 8, 1).save(minuscule))
        Echec(QStringLiteral("écriture des BMP impossible"));

    const QStringList qualite{QStringLiteral("-quality"), QStringLiteral("95")};
    // Même travail que la bibliothèque, qui garde toute la couleur (4:4:4) à 95.
    const QStringList qualite444 = QStringList(qualite)
                                   << QStringLiteral("-sample") << QStringLiteral("1x1");

    std::printf("Capture 1920 x 1080 (BMP 24 bits de %.1f Mo), qualité 95, %d tours alternés.\n",
                QFileInfo(bmp).size() / 1e6, tours);
    std::fflush(stdout);

    // Un tour de chaque pour le cache de pages et le chargement des bibliothèques, non compté.
    Bibliotheque(bmp, jpgBibliotheque);
    Cjpeg(qualite, bmp, jpgCjpeg);
    Cjpeg(qualite, minuscule, jpgMinuscule);
    Cjpeg(qualite444, bmp, jpg444);

    std::vector<Mesure> bibliotheque, cjpeg, demarrage, cjpeg444;
    for (int t = 0; t < tours; ++t) {
        // L'ordre alterne, pour qu'aucun ne profite toujours d'un cache chaud ou d'un cœur libre.
        if (t % 2 == 0) {
            bibliotheque.push_back(Bibliotheque(bmp, jpgBibliotheque));
            cjpeg.push_back(Cjpeg(qualite, bmp, jpgCjpeg));
            demarrage.push_back(Cjpeg(qualite, minuscule, jpgMinuscule));
            cjpeg444.push_back(Cjpeg(qualite444, bmp, jpg444));
        } else {
            cjpeg444.push_back(Cjpeg(qualite444, bmp, jpg444));
            demarrage.push_back(Cjpeg(qualite, minuscule, jpgMinuscule));
            cjpeg.push_back(Cjpeg(qualite, bmp, jpgCjpeg));
            bibliotheque.push_back(Bibliotheque(bmp, jpgBibliotheque));
        }
    }

    const auto duree = &Mesure::ms;
    const auto cpu = &Mesure::processeur;
    const double x = Mediane(bibliotheque, duree);
    const double y = Mediane(cjpeg, duree);
    const double s = Mediane(demarrage, duree);
    const double y444 = Mediane(cjpeg444, duree);
    const double rapport = x / y;
    std::printf("démarrage de cjpeg (BMP 8 x 8) : %.1f ms\n", s);
    std::printf("tailles : ConvertirBMPenJPG %lld o (4:4:4)   cjpeg %lld o (4:2:0)   cjpeg "
                "-sample 1x1 %lld o\n",
                static_cast<long long>(QFileInfo(jpgBibliotheque).size()),
                static_cast<long long>(QFileInfo(jpgCjpeg).size()),
                static_cast<long long>(QFileInfo(jpg444).size()));
    // Le temps processeur souffre bien moins d'une machine occupée ailleurs que le temps écoulé.
    const double px = Mediane(bibliotheque, cpu), py = Mediane(cjpeg, cpu),
                 ps = Mediane(demarrage, cpu);
    std::printf("temps processeur : ConvertirBMPenJPG %.1f ms   cjpeg %.1f ms (démarrage %.1f)"
                "   rapport %.2f, sans le démarrage %.2f\n",
                px, py, ps, py > 0 ? px / py : 0.0, py - ps > 0 ? px / (py - ps) : 0.0);
    if (y - s > 0)
        std::printf("sans le démarrage : cjpeg %.1f ms   rapport : %.2f   (cjpeg -sample 1x1 "
                    "%.1f ms, rapport %.2f)\n",
                    y - s, x / (y - s), y444 - s, y444 - s > 0 ? x / (y444 - s) : 0.0);
    else
        std::printf("sans le démarrage : cjpeg trop proche de son démarrage pour un rapport\n");
    std::printf("ConvertirBMPenJPG : %.1f ms   cjpeg : %.1f ms   rapport : %.2f (objectif <= %.1f)"
                " %s\n",
                x, y, rapport, Objectif, rapport <= Objectif ? "atteint" : "DÉPASSÉ");
    std::printf("(médianes sur %d tours, à chaud)\n", tours);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    return LancerMesure(argc, argv, "bench_bmp2jpg", Mesurer);
}
