// Chargement de bmp2jpg par son nom : bibliothèque absente ou cassée = conversion refusée sans
// plantage ; la vraie bibliothèque, quand elle est construite, convertit un BMP du moteur.

#include "Convertisseur.h"
#include "Fabrique.h"
#include "FauxCapture.h"
#include "FichiersCapture.h"

#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QtTest>

class TestConvertisseur : public QObject {
    Q_OBJECT
private slots:
    void bibliothequeAbsente();
    void bibliothequeSansLaFonction();
    void vraieBibliotheque();
};

void TestConvertisseur::bibliothequeAbsente() {
    QTemporaryDir d;
    const QString bmp = d.filePath("ScreenShot_1.bmp");
    QVERIFY(EnregistrerBMP(ImageMotif(20, 10), bmp));
    ConvertisseurBmp2jpg conv(d.filePath("bmp2jpg"));
    QCOMPARE(conv.convertir(bmp, d.filePath("ScreenShot_1.jpg"), 90), ConversionIndisponible);
    QVERIFY(!QFile::exists(d.filePath("ScreenShot_1.jpg")));
    QVERIFY(!conv.charger());
    QVERIFY(!conv.erreurChargement().isEmpty());
    // Un faux fichier de bibliothèque ne fait pas tomber le programme.
    EcrireOctets(d.filePath("libbmp2jpg.so"), "ceci n'est pas une bibliothèque");
    ConvertisseurBmp2jpg abime(d.filePath("bmp2jpg"));
    QCOMPARE(abime.convertir(bmp, d.filePath("ScreenShot_1.jpg"), 90), ConversionIndisponible);
    QVERIFY(!QFile::exists(d.filePath("ScreenShot_1.jpg")));
}

void TestConvertisseur::bibliothequeSansLaFonction() {
    // Une vraie bibliothèque partagée, mais sans ConvertirBMPenJPG.
    const QString autre =
        QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Test.so.6");
    QVERIFY2(QFile::exists(autre), qPrintable(autre));
    QTemporaryDir d;
    QVERIFY(QFile::copy(autre, d.filePath("libbmp2jpg.so")));
    ConvertisseurBmp2jpg conv(d.filePath("bmp2jpg"));
    QVERIFY(!conv.charger());
    QCOMPARE(conv.convertir(d.filePath("a.bmp"), d.filePath("a.jpg"), 90), ConversionIndisponible);
}

void TestConvertisseur::vraieBibliotheque() {
#ifndef BIBLIOTHEQUE_BMP2JPG
    QSKIP("bmp2jpg n'est pas construite dans cet arbre");
#else
    // La bibliothèque posée dans un dossier de programme temporaire, trouvée par son nom.
    QTemporaryDir d;
    const QString dossier = d.filePath("programmé");
    QVERIFY(QDir().mkpath(dossier));
    QVERIFY(QFile::copy(QStringLiteral(BIBLIOTHEQUE_BMP2JPG), dossier + "/libbmp2jpg.so"));
    ConvertisseurBmp2jpg conv(dossier + "/bmp2jpg");

    const QImage motif = ImageMotif(96, 64, QPoint(40, 700));
    const QString bmp = dossier + "/ScreenShot_1.bmp";
    const QString jpg = dossier + "/ScreenShot_1.jpg";
    QVERIFY(EnregistrerBMP(motif, bmp));
    QCOMPARE(conv.convertir(bmp, jpg, 95), int16_t(0));
    QVERIFY(conv.charger());
    QImage lue(jpg, "JPEG");
    QCOMPARE(lue.size(), motif.size());
    // JPEG : pas au pixel près, mais proche partout.
    lue = lue.convertToFormat(QImage::Format_RGB32);
    int ecartMax = 0;
    for (int y = 0; y < motif.height(); ++y)
        for (int x = 0; x < motif.width(); ++x) {
            const QRgb a = motif.pixel(x, y), b = lue.pixel(x, y);
            ecartMax = std::max({ecartMax, std::abs(qRed(a) - qRed(b)),
                                 std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
    QVERIFY2(ecartMax < 40, qPrintable(QString::number(ecartMax)));

    // La qualité compte : 1 donne un fichier bien plus petit que 100.
    QCOMPARE(conv.convertir(bmp, dossier + "/q1.jpg", 1), int16_t(0));
    QCOMPARE(conv.convertir(bmp, dossier + "/q100.jpg", 100), int16_t(0));
    QVERIFY(QFileInfo(dossier + "/q1.jpg").size() < QFileInfo(dossier + "/q100.jpg").size() / 2);

    // BMP absent : échec, rien d'écrit.
    QVERIFY(conv.convertir(dossier + "/absent.bmp", dossier + "/absent.jpg", 90) != 0);
    QVERIFY(!QFile::exists(dossier + "/absent.jpg"));
#endif
}

QTEST_GUILESS_MAIN(TestConvertisseur)
#include "test_capture_convertisseur.moc"
