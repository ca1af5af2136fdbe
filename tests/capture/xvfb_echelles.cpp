// Copies d'écran réelles sous Xvfb sur un bureau mis à l'échelle (QT_SCALE_FACTOR 1, 1.25, 1.5,
// 2, donné par CTest) : le motif est peint pixel pour pixel de l'écran, et chaque capture doit
// en être la copie exacte, en pixels réels. Une zone de « 300 x 200 » fait 300 x 200 pixels.

#include "BancCapture.h"
#include "CadreFige.h"
#include "CaptureEcran.h"
#include "FenetreMotif.h"
#include "Passage.h"
#include "Twips.h"
#include "frmCaptureFigee.h"

#include <QScreen>
#include <cmath>

class TestEchelles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void ecranEntierExact();
    void zoneSurEcranFige();
    void tailleDeLEcranEnPixelsReels();

private:
    std::unique_ptr<FenetreMotif> m_motif;
    double m_echelle = 1;
};

void TestEchelles::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    m_echelle = QGuiApplication::primaryScreen()->devicePixelRatio();
    QCOMPARE(m_echelle, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    m_motif = std::make_unique<FenetreMotif>();
    m_motif->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_motif.get()));
    LaisserPoser();
}

void TestEchelles::cleanupTestCase() {
    m_motif.reset();
}

// L'écran entier, tel que la capture de tout l'écran le lit : chaque pixel réel, aucun coupé.
void TestEchelles::ecranEntierExact() {
    CaptureEcranX11 x11;
    QScreen* ecran = QGuiApplication::primaryScreen();
    const QImage image = x11.saisirEcran(ecran);
    QCOMPARE(image.size(), QSize(1920, 1080)); // la taille de l'écran de Xvfb
    QCOMPARE(image, ImageMotif(1920, 1080));
    QCOMPARE(frmReglage::CadreFigeNecessaire(ecran), m_echelle != 1.0);
}

// Le cadre sur l'écran figé : posé où « Passage » le dit, poussé au clavier, Entrée ; le BMP
// est le motif sous le trou, en pixels réels, et la position revient en twips du bureau.
void TestEchelles::zoneSurEcranFige() {
    QTemporaryDir d;
    CaptureEcranX11 x11;
    QScreen* ecran = QGuiApplication::primaryScreen();
    const int tpp = TwipsParPixel();
    EtatCapture e;
    e.LargeurDiapo = 300;
    e.HauteurDiapo = 200;
    e.LeftDiapo = 150 * tpp;
    e.TopDiapo = 130 * tpp;
    e.NumeroCapture = 1;
    frmCaptureFigee cadre(e, x11.saisirEcran(ecran), ecran, d.path());
    MontrerDessus(cadre);
    // Le trou : le coin du cadre en pixels réels, plus la bande et le bord à l'échelle.
    const QPoint attendu(std::lround(150 * m_echelle) + std::lround(frmCapture::Bord * m_echelle),
                         std::lround(130 * m_echelle) +
                             std::lround(frmCapture::BandeTitre * m_echelle));
    QCOMPARE(cadre.Cadre().Trou(), QRect(attendu, QSize(300, 200)));
    // À l'écran, le trou montre l'image figée pixel pour pixel ; le reste est voilé.
    const QImage vue = x11.saisirEcran(ecran);
    const QRect trou = cadre.Cadre().Trou();
    QCOMPARE(vue.copy(trou.adjusted(2, 2, -2, -2)), ImageMotif(296, 196, attendu + QPoint(2, 2)));
    QVERIFY(vue.pixel(trou.topLeft() + QPoint(400, 300)) !=
            CouleurMotif(trou.left() + 400, trou.top() + 300));
    QTest::keyClick(&cadre, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(&cadre, Qt::Key_Down);
    QTest::keyClick(&cadre, Qt::Key_Return);
    QVERIFY(cadre.CaptureFaite);
    const QImage bmp = LireBMP(NomCapture(d.path(), 1, ".bmp"));
    QCOMPARE(bmp.size(), QSize(300, 200));
    QCOMPARE(bmp, ImageMotif(300, 200, attendu + QPoint(10, 1)));
    // Déplacé de 10 et 1 pixels réels, le coin gardé en twips revient au même pixel.
    CadreFige relu(QSize(1920, 1080), QSize(300, 200), m_echelle, {}, tpp, frmCapture::Bord,
                   frmCapture::BandeTitre);
    relu.PlacerTwips(e.LeftDiapo, e.TopDiapo);
    QCOMPARE(relu.Trou().topLeft(), attendu + QPoint(10, 1));
    QVERIFY(cadre.isHidden());
}

// Le maximum de la zone et la capture « écran entier » se comptent en pixels réels.
void TestEchelles::tailleDeLEcranEnPixelsReels() {
    BancCapture b;
    frmReglage& f = b.charger();
    QCOMPARE(f.Module().LargeurEcran, int16_t(1920));
    QCOMPARE(f.Module().HauteurEcran, int16_t(1080));
    QCOMPARE(TailleReelle(QGuiApplication::primaryScreen()), QSize(1920, 1080));
}

QTEST_MAIN(TestEchelles)
#include "xvfb_echelles.moc"
