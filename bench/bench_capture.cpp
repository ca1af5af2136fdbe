// De la touche Entrée au JPEG écrit, pour une zone de 1920 x 1080 : copie de l'écran sous le
// trou, BMP, conversion par bmp2jpg (le clignotement d'une seconde est laissé de côté). Le
// détail copie / BMP / conversion est mesuré à part, et la conversion comparée à cjpeg
// (libjpeg-turbo en programme, lancement compris) dans la même exécution, tours alternés.
// Usage, sous un serveur X : xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb
//   build/bench/bench_capture [nombre de tours]

#include "CaptureEcran.h"
#include "Convertisseur.h"
#include "DialoguesMuets.h"
#include "FichiersCapture.h"
#include "RegleCapture.h"
#include "Twips.h"
#include "frmCapture.h"
#include "frmReglage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Largeur = 1920;
constexpr int Hauteur = 1080;

// Un écran qui ressemble à une photo : dégradés et bruit, pour que le JPEG ait du travail.
class FondPhoto : public QWidget {
public:
    FondPhoto()
        : QWidget(nullptr, Qt::FramelessWindowHint),
          m_image(Largeur, Hauteur, QImage::Format_RGB32) {
        QRandomGenerator alea(20240601);
        for (int y = 0; y < Hauteur; ++y) {
            auto* ligne = reinterpret_cast<QRgb*>(m_image.scanLine(y));
            for (int x = 0; x < Largeur; ++x) {
                const int b = static_cast<int>(alea.bounded(64));
                ligne[x] = qRgb((x * 200 / Largeur + b) & 0xff, (y * 200 / Hauteur + b / 2) & 0xff,
                                ((x + y) * 120 / (Largeur + Hauteur) + b) & 0xff);
            }
        }
        setGeometry(0, 0, Largeur, Hauteur);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_image); }

private:
    QImage m_image;
};

void Attendre(int ms) {
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

double Mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

void Ligne(const char* nom, const std::vector<double>& ms) {
    // Alignement en caractères, pas en octets : les accents comptent pour un.
    std::printf("  %s médiane %8.1f ms   min %8.1f ms\n",
                qPrintable(QString::fromUtf8(nom).leftJustified(34)), Mediane(ms),
                *std::min_element(ms.begin(), ms.end()));
}

double Depuis(QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int tours = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    CaptureEcranX11 x11;
    QString raison;
    if (!x11.disponible(&raison)) {
        std::printf("bench_capture : sautée, il faut un serveur X (plateforme %s).\n"
                    "  xvfb-run -a -s \"-screen 0 1920x1080x24\" env QT_QPA_PLATFORM=xcb %s\n",
                    qPrintable(QGuiApplication::platformName()), argv[0]);
        return 0;
    }
    const QSize ecran = QGuiApplication::primaryScreen()->geometry().size();
    if (ecran.width() < Largeur || ecran.height() < Hauteur) {
        std::printf("bench_capture : écran %dx%d trop petit pour une zone de %dx%d.\n",
                    ecran.width(), ecran.height(), Largeur, Hauteur);
        return 1;
    }

    QTemporaryDir dossier;
    ConvertisseurBmp2jpg conversion(QStringLiteral(DOSSIER_PROGRAMME "/bmp2jpg"));
    if (!conversion.charger()) {
        std::printf("bench_capture : bmp2jpg introuvable dans %s (%s).\n", DOSSIER_PROGRAMME,
                    qPrintable(conversion.erreurChargement()));
        return 1;
    }

    FondPhoto fond;
    fond.show();
    Attendre(300);

    // Le moteur tel que Kestrane l'emploie, avec le cadre posé de sorte que son trou couvre
    // exactement la zone de 1920 x 1080 en haut à gauche.
    DialoguesMuets dialogues;
    OptionsCapture options = OptionsCapture::Kestrane(dossier.path());
    options.terminer = [] {};
    options.captureEcran = &x11;
    options.convertisseur = &conversion;
    frmReglage reglage(options, dialogues);
    ModuleCapture& module = reglage.Module();
    module.Etat.LargeurDiapo = Largeur;
    module.Etat.HauteurDiapo = Hauteur;
    const int tpp = TwipsParPixel();
    module.Etat.LeftDiapo = -frmCapture::Bord * tpp;
    module.Etat.TopDiapo = -frmCapture::BandeTitre * tpp;
    module.Etat.NumeroCapture = 1;
    frmCapture cadre(module.Etat, x11, dossier.path());
    cadre.show();
    cadre.raise();
    Attendre(300);

    const QString bmp = NomCapture(dossier.path(), 1, QStringLiteral(".bmp"));
    const QString jpg = NomCapture(dossier.path(), 1, QStringLiteral(".jpg"));
    const QString bmpSeul = dossier.filePath(QStringLiteral("seul.bmp"));
    const QString jpgSeul = dossier.filePath(QStringLiteral("seul.jpg"));
    const QString jpgRef = dossier.filePath(QStringLiteral("cjpeg.jpg"));
    const QString cjpeg = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));

    std::vector<double> complet, copie, ecriture, conversionMs, reference;
    for (int tour = 0; tour < tours; ++tour) {
        // Le chemin d'Entrée : SaisirZone (copie + BMP) puis l'étape de conversion.
        QElapsedTimer t;
        t.start();
        const bool saisie = cadre.SaisirZone();
        module.EtapeConversion();
        complet.push_back(Depuis(t));
        if (!saisie || dialogues.messages || !QFileInfo(jpg).isFile()) {
            std::printf("bench_capture : la capture a échoué (%s).\n",
                        qPrintable(saisie ? dialogues.dernier : cadre.Echec()));
            return 1;
        }
        QFile::remove(jpg);

        // Les mêmes étapes une à une.
        t.restart();
        const QImage image = x11.saisir(QRect(0, 0, Largeur, Hauteur));
        copie.push_back(Depuis(t));
        t.restart();
        if (!EnregistrerBMP(image, bmpSeul))
            return 1;
        ecriture.push_back(Depuis(t));
        t.restart();
        if (conversion.convertir(bmpSeul, jpgSeul, 100) != 0)
            return 1;
        conversionMs.push_back(Depuis(t));

        if (!cjpeg.isEmpty()) {
            t.restart();
            const int code =
                QProcess::execute(cjpeg, {QStringLiteral("-quality"), QStringLiteral("100"),
                                          QStringLiteral("-outfile"), jpgRef, bmpSeul});
            reference.push_back(Depuis(t));
            if (code != 0)
                return 1;
        }
    }

    std::printf("Zone %dx%d, qualité 100, %d tours.\n", Largeur, Hauteur, tours);
    Ligne("Entrée -> JPEG écrit (moteur)", complet);
    Ligne("  copie de l'écran", copie);
    Ligne("  écriture du BMP", ecriture);
    Ligne("  conversion bmp2jpg", conversionMs);
    if (!reference.empty()) {
        Ligne("  cjpeg du même BMP (référence)", reference);
        std::printf("  conversion / cjpeg : %.2f\n", Mediane(conversionMs) / Mediane(reference));
    }
    std::printf("  JPEG : %lld octets (%s), BMP : %lld octets\n",
                static_cast<long long>(QFileInfo(jpgSeul).size()),
                qPrintable(TexteTaille(QFileInfo(jpgSeul).size())),
                static_cast<long long>(QFileInfo(bmpSeul).size()));
    return 0;
}
