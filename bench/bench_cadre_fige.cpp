// Le cadre sur l'écran figé (écran mis à l'échelle, Wayland) : du bouton de capture au cadre
// affiché (attente que la fenêtre des réglages soit partie, photo de l'écran, fenêtre en plein
// écran peinte), puis d'Entrée au JPEG écrit (pixels sous le trou, BMP, bmp2jpg à la qualité
// 95). Référence dans la même exécution, tours alternés : un programme du bureau qui écrit la
// photo de l'écran en PNG (grim sous Wayland, import d'ImageMagick sous X11).
// Usage : sous Xvfb (QT_SCALE_FACTOR=2) ou dans scripts/session-wayland ;
//   build/bench/bench_cadre_fige [nombre de tours]

#include "CadreFige.h"
#include "CapturePortail.h"
#include "Convertisseur.h"
#include "FichiersCapture.h"
#include "RegleCapture.h"
#include "Twips.h"
#include "frmCaptureFigee.h"
#include "frmReglage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void Attendre(int ms) {
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int tours = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QScreen* ecran = QGuiApplication::primaryScreen();
    const bool wayland = SessionWayland();
    if (!wayland && QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::printf("bench_cadre_fige : sautée, il faut X11 ou Wayland (plateforme %s).\n",
                    qPrintable(QGuiApplication::platformName()));
        return 0;
    }
    std::unique_ptr<CaptureEcran> copie = CaptureEcranDeLaSession();
    QTemporaryDir dossier;
    ConvertisseurBmp2jpg conversion(QStringLiteral(DOSSIER_PROGRAMME "/bmp2jpg"));
    if (!conversion.charger()) {
        std::printf("bench_cadre_fige : bmp2jpg introuvable (%s).\n",
                    qPrintable(conversion.erreurChargement()));
        return 1;
    }
    const QSize reel = TailleReelle(ecran);
    const QString reference = wayland ? QStringLiteral("grim") : QStringLiteral("import");
    const QStringList argumentsReference =
        wayland ? QStringList{dossier.filePath("ref.png")}
                : QStringList{"-window", "root", dossier.filePath("ref.png")};

    std::vector<double> affiche, photo, jpeg, ref;
    for (int t = 0; t < tours; ++t) {
        // Du bouton au cadre peint : ce que fait la fenêtre des réglages, attente comprise.
        QElapsedTimer chrono;
        chrono.start();
        Attendre(frmReglage::DelaiAvantPhoto());
        const qint64 avantPhoto = chrono.nsecsElapsed();
        QImage fige = copie->saisirEcran(ecran);
        photo.push_back((chrono.nsecsElapsed() - avantPhoto) / 1e6);
        if (fige.isNull()) {
            std::printf("bench_cadre_fige : photo impossible (%s).\n",
                        qPrintable(copie->raisonEchec()));
            return 1;
        }
        EtatCapture etat;
        etat.LargeurDiapo = 800;
        etat.HauteurDiapo = 600;
        etat.TopDiapo = -999;
        etat.NumeroCapture = 1;
        auto cadre =
            std::make_unique<frmCaptureFigee>(etat, std::move(fige), ecran, dossier.path());
        cadre->show();
        if (!QTest::qWaitForWindowExposed(cadre.get()))
            return 1;
        QCoreApplication::processEvents();
        affiche.push_back(chrono.nsecsElapsed() / 1e6);

        // D'Entrée au JPEG écrit.
        chrono.restart();
        if (!cadre->SaisirZone())
            return 1;
        const QString bmp = NomCapture(dossier.path(), 1, QStringLiteral(".bmp"));
        const QString jpg = NomCapture(dossier.path(), 1, QStringLiteral(".jpg"));
        if (conversion.convertir(bmp, jpg, 95) != 0 || !QFileInfo(jpg).isFile())
            return 1;
        jpeg.push_back(chrono.nsecsElapsed() / 1e6);
        cadre->close();
        cadre.reset();
        QFile::remove(jpg);
        Attendre(50);

        // La référence : la photo de l'écran écrite en PNG par un programme du bureau.
        chrono.restart();
        if (QProcess::execute(reference, argumentsReference) != 0) {
            std::printf("bench_cadre_fige : %s a échoué.\n", qPrintable(reference));
            return 1;
        }
        ref.push_back(chrono.nsecsElapsed() / 1e6);
    }
    std::printf("%s, écran %dx%d pixels réels (échelle %g), zone 800x600, %d tours.\n",
                wayland ? "Wayland (portail)" : "X11", reel.width(), reel.height(),
                ecran->devicePixelRatio(), tours);
    std::printf("  bouton → cadre affiché      médiane %7.1f ms (dont %d ms d'attente)\n",
                Mediane(affiche), frmReglage::DelaiAvantPhoto());
    std::printf("    dont la photo de l'écran    médiane %7.1f ms\n", Mediane(photo));
    std::printf("  Entrée → JPEG écrit         médiane %7.1f ms\n", Mediane(jpeg));
    std::printf("  %-6s (photo en PNG)       médiane %7.1f ms\n", qPrintable(reference),
                Mediane(ref));
    std::printf("  cadre affiché / %s : %.2f\n", qPrintable(reference),
                Mediane(affiche) / Mediane(ref));
    return 0;
}
