// Règles sans fenêtre : poids des JPEG, qualité, pas des boutons de dimension, validité de la
// taille, twips, et les fichiers de capture (suppression, renumérotation, BMP).

#include "Fabrique.h"
#include "FauxCapture.h"
#include "FichiersCapture.h"
#include "RegleCapture.h"
#include "Twips.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestReglesCapture : public QObject {
    Q_OBJECT
private slots:
    void nomsEtTaille();
    void qualite();
    void pasDesDimensions();
    void tailleValide();
    void twips();
    void destructionParExtension();
    void renumerotation();
    void bmpEnregistre();
};

void TestReglesCapture::nomsEtTaille() {
    QCOMPARE(NomCapture("/p", 1, ".bmp"), QString("/p/ScreenShot_1.bmp"));
    QCOMPARE(NomCapture("/p", 12, ".jpg"), QString("/p/ScreenShot_12.jpg"));
    // Octets / 1000, moitié au pair.
    QCOMPARE(TexteTaille(45678), QString("46 ko"));
    QCOMPARE(TexteTaille(12500), QString("12 ko"));
    QCOMPARE(TexteTaille(13500), QString("14 ko"));
    QCOMPARE(TexteTaille(12499), QString("12 ko"));
    QCOMPARE(TexteTaille(12501), QString("13 ko"));
    QCOMPARE(TexteTaille(499), QString("0 ko"));
    QCOMPARE(TexteTaille(500), QString("0 ko"));
    QCOMPARE(TexteTaille(1500), QString("2 ko"));
    QCOMPARE(TexteTaille(0), QString("0 ko"));
}

void TestReglesCapture::qualite() {
    struct Cas {
        const char* texte;
        int qualite;
        bool corrigee;
    };
    const Cas cas[] = {{"0", 100, true},    {"150", 100, true}, {"abc", 100, true},
                       {"", 100, true},     {"-5", 100, true},  {"100.9", 100, false},
                       {"95.7", 95, false}, {"1", 1, false},    {"0.99", 100, true},
                       {" 80 ", 80, false}, {"75%", 75, false}, {"101", 100, true}};
    for (const Cas& c : cas) {
        const QualiteLue q = LireQualite(c.texte);
        QVERIFY2(q.qualite == c.qualite && q.corrigee == c.corrigee, c.texte);
    }
}

void TestReglesCapture::pasDesDimensions() {
    // « << » : toujours « 10 » ; « >> » : la limite de l'écran.
    QCOMPARE(PasDimension(0, "600", 1366), std::optional<QString>("10"));
    QCOMPARE(PasDimension(3, "600", 1366), std::optional<QString>("1366"));
    // « < » s'arrête à 10, « > » à la limite.
    QCOMPARE(PasDimension(1, "600", 1366), std::optional<QString>("599"));
    QCOMPARE(PasDimension(1, "11", 1366), std::optional<QString>("10"));
    QCOMPARE(PasDimension(1, "10", 1366), std::nullopt);
    QCOMPARE(PasDimension(1, "3", 1366), std::nullopt);
    QCOMPARE(PasDimension(2, "1365", 1366), std::optional<QString>("1366"));
    QCOMPARE(PasDimension(2, "1366", 1366), std::nullopt);
    QCOMPARE(PasDimension(2, "5000", 1366), std::nullopt);
    // Un texte tapé à la main est lu comme une valeur.
    QCOMPARE(PasDimension(2, "abc", 1366), std::optional<QString>("1"));
    QCOMPARE(PasDimension(1, "20.5", 1366), std::optional<QString>("19.5"));
    QCOMPARE(PasDimension(4, "20", 1366), std::nullopt);
}

void TestReglesCapture::tailleValide() {
    QVERIFY(TailleValide(10, 10, 800, 600));
    QVERIFY(TailleValide(800, 600, 800, 600));
    QVERIFY(!TailleValide(9, 300, 800, 600));
    QVERIFY(!TailleValide(300, 9, 800, 600));
    QVERIFY(!TailleValide(801, 300, 800, 600));
    QVERIFY(!TailleValide(300, 601, 800, 600));
    QVERIFY(!TailleValide(-600, 300, 800, 600));
}

void TestReglesCapture::twips() {
    QCOMPARE(TwipsParPixelPour(96), 15);
    QCOMPARE(TwipsParPixelPour(120), 12);
    QCOMPARE(TwipsParPixelPour(144), 10);
    QCOMPARE(TwipsParPixelPour(72), 20);
    QCOMPARE(TwipsParPixelPour(0), 15);
    QCOMPARE(TwipsParPixelPour(5000), 1);
}

void TestReglesCapture::destructionParExtension() {
    QTemporaryDir d;
    for (int n : {1, 2, 50, 100, 101})
        for (const char* ext : {".bmp", ".jpg"})
            EcrireOctets(NomCapture(d.path(), n, ext), "x");
    EcrireOctets(d.filePath("Passage"), "600\r\n");
    DetruireCaptures(d.path(), ".bmp");
    for (int n : {1, 2, 50, 100}) {
        QVERIFY(!QFile::exists(NomCapture(d.path(), n, ".bmp")));
        QVERIFY(QFile::exists(NomCapture(d.path(), n, ".jpg")));
    }
    // Au-delà de 100, rien n'est touché ; les autres fichiers non plus.
    QVERIFY(QFile::exists(NomCapture(d.path(), 101, ".bmp")));
    QVERIFY(QFile::exists(d.filePath("Passage")));
    DetruireCaptures(d.path(), ".jpg");
    QVERIFY(!QFile::exists(NomCapture(d.path(), 100, ".jpg")));
    QVERIFY(QFile::exists(NomCapture(d.path(), 101, ".jpg")));
    // Un dossier portant un nom de capture n'arrête pas la boucle.
    QVERIFY(QDir(d.path()).mkdir("ScreenShot_1.bmp"));
    EcrireOctets(NomCapture(d.path(), 2, ".bmp"), "x");
    DetruireCaptures(d.path(), ".bmp");
    QVERIFY(!QFile::exists(NomCapture(d.path(), 2, ".bmp")));
}

void TestReglesCapture::renumerotation() {
    QTemporaryDir d;
    for (int n : {1, 2, 4, 7})
        EcrireOctets(NomCapture(d.path(), n, ".jpg"), "jpeg " + QByteArray::number(n));
    int echecs = 0;
    QCOMPARE(RenumeroterJPEG(d.path(), 100, [&] { ++echecs; }), 4);
    QCOMPARE(echecs, 0);
    // Les numéros 1 à 4 dans l'ordre d'avant : 4 devient 3, 7 devient 4.
    const QByteArray attendus[] = {"jpeg 1", "jpeg 2", "jpeg 4", "jpeg 7"};
    for (int n = 1; n <= 4; ++n)
        QCOMPARE(LireOctets(NomCapture(d.path(), n, ".jpg")), attendus[n - 1]);
    for (int n = 5; n <= 8; ++n)
        QVERIFY(!QFile::exists(NomCapture(d.path(), n, ".jpg")));

    // Le plafond compte : 150 n'est vu qu'avec un plafond de 200 (Ostrelle).
    QTemporaryDir e;
    EcrireOctets(NomCapture(e.path(), 2, ".jpg"), "deux");
    EcrireOctets(NomCapture(e.path(), 150, ".jpg"), "cent cinquante");
    QCOMPARE(RenumeroterJPEG(e.path(), 100, {}), 1);
    QCOMPARE(LireOctets(NomCapture(e.path(), 1, ".jpg")), QByteArray("deux"));
    QVERIFY(QFile::exists(NomCapture(e.path(), 150, ".jpg")));
    QCOMPARE(RenumeroterJPEG(e.path(), 200, {}), 2);
    QCOMPARE(LireOctets(NomCapture(e.path(), 2, ".jpg")), QByteArray("cent cinquante"));

    // Rien à renuméroter.
    QTemporaryDir f;
    QCOMPARE(RenumeroterJPEG(f.path(), 100, {}), 0);
}

void TestReglesCapture::bmpEnregistre() {
    QTemporaryDir d;
    const QString chemin = d.filePath("ScreenShot_1.bmp");
    const QImage motif = ImageMotif(37, 23, QPoint(300, 200));
    QVERIFY(EnregistrerBMP(motif, chemin));
    QByteArray octets = LireOctets(chemin);
    // BMP Windows, 24 bits par pixel, de bas en haut (hauteur positive).
    QCOMPARE(octets.left(2), QByteArray("BM"));
    const auto mot16 = [&](int i) {
        return int(uchar(octets[i])) | (int(uchar(octets[i + 1])) << 8);
    };
    const auto mot32 = [&](int i) { return qint32(mot16(i) | (mot16(i + 2) << 16)); };
    QCOMPARE(mot32(18), 37);
    QCOMPARE(mot32(22), 23);
    QCOMPARE(mot16(28), 24);
    QCOMPARE(LireBMP(chemin), motif);
    // Une image avec transparence est enregistrée sans elle.
    QImage alpha(8, 8, QImage::Format_ARGB32);
    alpha.fill(qRgba(10, 20, 30, 128));
    QVERIFY(EnregistrerBMP(alpha, chemin));
    octets = LireOctets(chemin);
    QCOMPARE(mot16(28), 24);
    QCOMPARE(LireBMP(chemin).pixel(3, 3) & 0xFFFFFF, alpha.pixel(3, 3) & 0xFFFFFF);
    QVERIFY(!EnregistrerBMP(QImage(), chemin));
    QVERIFY(!EnregistrerBMP(motif, d.filePath("absent/ScreenShot_1.bmp")));
}

QTEST_GUILESS_MAIN(TestReglesCapture)
#include "test_capture_regles.moc"
