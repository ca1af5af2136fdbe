// Le cadre sur l'écran figé, sans fenêtre : pixels réels, aller-retour par les twips de
// « Passage » à toutes les échelles, pixels hors de l'écran noirs, découpe d'un écran dans la
// photo d'un bureau à plusieurs écrans.

#include "CadreFige.h"
#include "CapturePortail.h"
#include "FauxCapture.h"

#include <QtTest>

class TestCadreFige : public QObject {
    Q_OBJECT
private slots:
    void allerRetourParLesTwips_data();
    void allerRetourParLesTwips();
    void centreEtMarge();
    void horsDeLImageNoir();
    void decouperUnEcran();
};

void TestCadreFige::allerRetourParLesTwips_data() {
    QTest::addColumn<double>("echelle");
    QTest::addColumn<QPointF>("origine");
    for (double e : {1.0, 1.25, 1.5, 2.0, 3.0})
        QTest::newRow(qPrintable(QString("%1").arg(e))) << e << QPointF(0, 0);
    QTest::newRow("second écran à 2") << 2.0 << QPointF(1920, 0);
    QTest::newRow("second écran à 1.25") << 1.25 << QPointF(1920, 120);
}

// Chaque position au pixel réel près survit au passage par les twips entiers de « Passage » :
// la capture suivante s'ouvre exactement où celle-ci s'est arrêtée.
void TestCadreFige::allerRetourParLesTwips() {
    QFETCH(double, echelle);
    QFETCH(QPointF, origine);
    const QSize image(qRound(1600 * echelle), qRound(900 * echelle));
    CadreFige cadre(image, QSize(300, 200), echelle, origine, 15, 3, 29);
    CadreFige relu = cadre;
    for (int dx = 0; dx < 40; ++dx) {
        cadre.Deplacer(1, dx % 3 == 0 ? 1 : 0);
        relu.PlacerTwips(cadre.LeftTwips(), cadre.TopTwips());
        QCOMPARE(relu.Trou(), cadre.Trou());
    }
}

// Centré sur l'écran, le trou a la taille demandée en pixels réels ; la bande et le bord
// grandissent avec l'échelle.
void TestCadreFige::centreEtMarge() {
    CadreFige cadre(QSize(3840, 2160), QSize(600, 350), 2.0, {}, 15, 3, 29);
    QCOMPARE(cadre.Trou().size(), QSize(600, 350));
    const QRect exterieur = cadre.Trou().adjusted(-6, -58, 6, 6);
    QCOMPARE(exterieur.center().x(), 3840 / 2 - 1);
    QVERIFY(qAbs(exterieur.center().y() - 2160 / 2) <= 1);
    QCOMPARE(cadre.CadreLogique().width(), 600 / 2.0 + 6);
    QCOMPARE(cadre.CadreLogique().height(), 350 / 2.0 + 29 + 3);
    // Le coin du cadre en twips du bureau : pixels du bureau fois 15.
    QCOMPARE(cadre.LeftTwips(), qRound((cadre.Trou().x() - 6) / 2.0 * 15));
}

// Un cadre qui déborde de l'écran copie ce qu'il y a, le reste est noir ; l'image garde la
// taille demandée.
void TestCadreFige::horsDeLImageNoir() {
    const QImage ecran = ImageMotif(800, 600);
    CadreFige cadre(ecran.size(), QSize(200, 100), 1.0, {}, 15, 3, 29);
    cadre.PlacerTwips(-50 * 15, -40 * 15); // trou en (-47, -11)
    const QImage zone = cadre.Extraire(ecran);
    QCOMPARE(zone.size(), QSize(200, 100));
    QCOMPARE(zone.pixel(10, 5), qRgb(0, 0, 0));
    QCOMPARE(zone.pixel(47, 11), CouleurMotif(0, 0));
    QCOMPARE(zone.copy(47, 11, 153, 89), ImageMotif(153, 89));
    cadre.Deplacer(900, 0);
    const QImage dehors = cadre.Extraire(ecran);
    QCOMPARE(dehors.size(), QSize(200, 100));
    QCOMPARE(dehors.pixel(100, 50), qRgb(0, 0, 0));
}

// La photo d'un bureau de deux écrans côte à côte : l'écran voulu en est découpé à l'échelle de
// la photo ; un seul écran, c'est la photo entière.
void TestCadreFige::decouperUnEcran() {
    // Deux écrans de 960 x 540 pixels du bureau, photographiés à l'échelle 2.
    const QImage bureau = ImageMotif(3840, 1080);
    const QImage droite = DecouperEcran(bureau, QRect(960, 0, 960, 540), QRect(0, 0, 1920, 540));
    QCOMPARE(droite, ImageMotif(1920, 1080, QPoint(1920, 0)));
    const QImage seul = DecouperEcran(bureau, QRect(0, 0, 1920, 540), QRect(0, 0, 1920, 540));
    QCOMPARE(seul, bureau);
    QVERIFY(DecouperEcran(QImage(), QRect(0, 0, 10, 10), QRect(0, 0, 10, 10)).isNull());
}

QTEST_MAIN(TestCadreFige)
#include "test_cadre_fige.moc"
