// Aperçu des fenêtres de choix et image de la diapo : une photo de 24 mégapixels est décodée à
// la taille montrée. On compare au décodage complet de la même photo, dans la même exécution.
// Usage : bench_apercu [nombre de tours]

#include "Images.h"
#include "OutilsMesure.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double Mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int tours = argc > 1 ? std::max(3, atoi(argv[1])) : 7;

    QTemporaryDir dossier;
    const QString photo = dossier.filePath(QStringLiteral("photo.jpg"));
    OutilsMesure::FabriquerPhoto(photo);

    // L'aperçu des fenêtres de choix (environ 350 x 390) et la diapo dans la fenêtre principale
    // sur un écran de 1366 x 768 (environ 900 x 600).
    const QSize apercu(347, 392);
    const QSize diapo(900, 600);
    std::vector<double> complet, choix, affichage;
    for (int t = 0; t < tours; ++t) {
        QElapsedTimer chrono;
        chrono.start();
        const QImage entiere = QImageReader(photo).read();
        complet.push_back(chrono.nsecsElapsed() / 1e6);
        chrono.restart();
        const QImage petite = LireImageEtiree(photo, apercu);
        choix.push_back(chrono.nsecsElapsed() / 1e6);
        chrono.restart();
        const QImage moyenne = LireImageAjustee(photo, diapo);
        affichage.push_back(chrono.nsecsElapsed() / 1e6);
        if (entiere.size() != QSize(6000, 4000) || petite.size() != apercu ||
            moyenne.size() != QSize(900, 600)) {
            std::fprintf(stderr, "Tailles inattendues : la mesure ne vaut rien.\n");
            return 1;
        }
    }
    const double c = Mediane(complet), a = Mediane(choix), d = Mediane(affichage);
    std::printf("Photo 6000 x 4000, %d tours, médianes.\n", tours);
    std::printf("Décodage complet : %.1f ms\n", c);
    std::printf("Aperçu de choix  : %.1f ms   gain : %.1f x (objectif >= 4)\n", a, c / a);
    std::printf("Diapo affichée   : %.1f ms   gain : %.1f x (objectif >= 4)\n", d, c / d);
    return 0;
}
