// Le fichier des réglages « Passage » : lecture au chargement, écriture à la sortie.

#include "Fabrique.h"
#include "Passage.h"

#include <QDir>
#include <QtTest>

class TestPassage : public QObject {
    Q_OBJECT
private slots:
    void fichierAbsent();
    void fichierComplet();
    void fichierCourtOuAbime();
    void valeursDemesurees_data();
    void valeursDemesurees();
    void ecriture();
};

void TestPassage::fichierAbsent() {
    QTemporaryDir d;
    // Premier lancement : cases à « 600 » et « 350 », cadre en haut à gauche (0, 0).
    const ReglagesPassage r = LirePassage(d.filePath("Passage"));
    QCOMPARE(r.largeur, QString("600"));
    QCOMPARE(r.hauteur, QString("350"));
    QCOMPARE(r.left, 0);
    QCOMPARE(r.top, 0);
}

void TestPassage::fichierComplet() {
    QTemporaryDir d;
    const QString chemin = d.filePath("Passage");
    EcrireOctets(chemin, "800\r\n450\r\n1500\r\n-999\r\n");
    ReglagesPassage r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("800"));
    QCOMPARE(r.hauteur, QString("450"));
    QCOMPARE(r.left, 1500);
    QCOMPARE(r.top, PositionAbsente);

    // Les positions sont le plancher de la valeur de la ligne ; les cases gardent le texte.
    EcrireOctets(chemin, "640.7\r\n 480abc\r\n-22.5\r\n37.9 twips\r\n");
    r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("640.7"));
    QCOMPARE(r.hauteur, QString(" 480abc"));
    QCOMPARE(r.left, -23);
    QCOMPARE(r.top, 37);

    // Fins de ligne Unix acceptées ; des nombres démesurés comptent comme des lignes absentes
    // (voir valeursDemesurees), au lieu d'être bornés à 32 bits.
    EcrireOctets(chemin, "1024\n768\n99999999999\n-99999999999\n");
    r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("1024"));
    QCOMPARE(r.left, 0);
    QCOMPARE(r.top, 0);
}

void TestPassage::fichierCourtOuAbime() {
    QTemporaryDir d;
    const QString chemin = d.filePath("Passage");

    // Deux lignes : les positions restent à 0.
    EcrireOctets(chemin, "700\r\n300\r\n");
    ReglagesPassage r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("700"));
    QCOMPARE(r.hauteur, QString("300"));
    QCOMPARE(r.left, 0);
    QCOMPARE(r.top, 0);

    // Une seule ligne : la hauteur garde sa valeur de départ.
    EcrireOctets(chemin, "720\r\n");
    r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("720"));
    QCOMPARE(r.hauteur, QString("350"));

    // Largeur vide : les deux cases reviennent à « 600 » et « 350 », même si la hauteur est lue.
    EcrireOctets(chemin, "\r\n123\r\n45\r\n67\r\n");
    r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("600"));
    QCOMPARE(r.hauteur, QString("350"));
    QCOMPARE(r.left, 45);
    QCOMPARE(r.top, 67);

    // Fichier vide, binaire, énorme ou dossier : rien ne casse, les valeurs de départ restent.
    EcrireOctets(chemin, "");
    r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("600"));
    QCOMPARE(r.hauteur, QString("350"));
    EcrireOctets(chemin, QByteArray("12\0\r\n34\r\n", 9));
    r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("600"));
    QCOMPARE(r.left, 0);
    EcrireOctets(chemin, QByteArray(200 * 1024, '7'));
    r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("600"));
    QFile::remove(chemin);
    QVERIFY(QDir(d.path()).mkdir("Passage"));
    r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("600"));
    QCOMPARE(r.hauteur, QString("350"));

    // Texte sans chiffres : positions à 0, cases telles quelles (refusées à la capture).
    QDir(d.path()).rmdir("Passage");
    EcrireOctets(chemin, "abc\r\ndef\r\nghi\r\njkl\r\n");
    r = LirePassage(chemin);
    QCOMPARE(r.largeur, QString("abc"));
    QCOMPARE(r.hauteur, QString("def"));
    QCOMPARE(r.left, 0);
    QCOMPARE(r.top, 0);
}

// Un nombre démesuré écrit à la main compte comme une ligne absente, au lieu de devenir la
// plus grande valeur de 32 bits (un cadre à 2147483647 twips serait hors de tout écran).
void TestPassage::valeursDemesurees_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("largeur");
    QTest::addColumn<QString>("hauteur");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("positions") << QByteArray("700\r\n300\r\n99999999999\r\n-99999999999\r\n")
                               << "700"
                               << "300" << 0 << 0;
    QTest::newRow("exposant") << QByteArray("700\r\n300\r\n1e30\r\n1e400\r\n") << "700"
                              << "300" << 0 << 0;
    QTest::newRow("largeur") << QByteArray("99999999999\r\n300\r\n15\r\n30\r\n") << "600"
                             << "300" << 15 << 30;
    QTest::newRow("hauteur") << QByteArray("700\r\n4294967296\r\n15\r\n30\r\n") << "700"
                             << "350" << 15 << 30;
    QTest::newRow("bornes") << QByteArray("700\r\n300\r\n2147483647\r\n-2147483648\r\n") << "700"
                            << "300" << 2147483647 << int(-2147483648LL);
    QTest::newRow("juste au-delà")
        << QByteArray("700\r\n300\r\n2147483648\r\n-2147483649\r\n") << "700"
        << "300" << 0 << 0;
    QTest::newRow("décimal") << QByteArray("700\r\n300\r\n-0.5\r\n12.9\r\n") << "700"
                             << "300" << -1 << 12;
}

void TestPassage::valeursDemesurees() {
    QFETCH(QByteArray, contenu);
    QFETCH(QString, largeur);
    QFETCH(QString, hauteur);
    QFETCH(int, left);
    QFETCH(int, top);
    QTemporaryDir d;
    EcrireOctets(d.filePath("Passage"), contenu);
    const ReglagesPassage r = LirePassage(d.filePath("Passage"));
    QCOMPARE(r.largeur, largeur);
    QCOMPARE(r.hauteur, hauteur);
    QCOMPARE(r.left, left);
    QCOMPARE(r.top, top);
}

void TestPassage::ecriture() {
    QTemporaryDir d;
    const QString chemin = d.filePath("Passage");
    QVERIFY(EcrirePassage(chemin, 1024, 768, -150, 4500));
    QCOMPARE(LireOctets(chemin), QByteArray("1024\r\n768\r\n-150\r\n4500\r\n"));
    QVERIFY(EcrirePassageDefaut(chemin));
    QCOMPARE(LireOctets(chemin), QByteArray("600\r\n350\r\n-999\r\n-999\r\n"));
    // Relu, le contenu par défaut centre le cadre.
    const ReglagesPassage r = LirePassage(chemin);
    QCOMPARE(r.top, PositionAbsente);
    QCOMPARE(r.left, PositionAbsente);
    // Dossier absent : l'écriture échoue sans rien lever.
    QVERIFY(!EcrirePassage(d.filePath("absent/Passage"), 1, 2, 3, 4));
}

QTEST_GUILESS_MAIN(TestPassage)
#include "test_capture_passage.moc"
