// La visionneuse sans fenêtre : chaque suite de clics est une donnée, et l'ordre qu'elle laisse,
// les vignettes, étiquettes et marqueurs montrés sont vérifiés.

#include "ClicsVisionneuse.h"

#include <QtTest>

namespace {
QList<int> Debut(const TableOrdre& t, int n) {
    QList<int> l;
    for (int i = 0; i < n; ++i)
        l << t[i];
    return l;
}

QList<bool> Vignettes(const OrdreDiapos& o) {
    return {o.vignetteVisible(0), o.vignetteVisible(1), o.vignetteVisible(2)};
}

QList<bool> Marqueurs(const OrdreDiapos& o) {
    return {o.marqueurVisible(0), o.marqueurVisible(1), o.marqueurVisible(2), o.marqueurVisible(3)};
}
} // namespace

class TestOrdreDiapos : public QObject {
    Q_OBJECT
private slots:
    void ouverture_data();
    void ouverture();
    void suites_data();
    void suites();
    void bullesEtEtiquettes();
    void reouvertureRepartDeLIdentite();
    void toujoursUnePermutation();
};

void TestOrdreDiapos::ouverture_data() {
    QTest::addColumn<int>("nb");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<bool>>("vignettes");
    QTest::newRow("aucune") << 0 << 0 << QList<bool>{false, false, false};
    QTest::newRow("une") << 1 << 0 << QList<bool>{true, false, false};
    QTest::newRow("deux") << 2 << 0 << QList<bool>{true, true, false};
    QTest::newRow("trois") << 3 << 1 << QList<bool>{true, true, true};
    QTest::newRow("quarante") << 40 << 38 << QList<bool>{true, true, true};
    QTest::newRow("deux cents") << 200 << 198 << QList<bool>{true, true, true};
}

void TestOrdreDiapos::ouverture() {
    QFETCH(int, nb);
    QFETCH(int, maximum);
    QFETCH(QList<bool>, vignettes);
    TableOrdre t{};
    t.fill(7);
    OrdreDiapos o(t);
    o.Ouvrir(nb);
    QCOMPARE(o.maximum(), maximum);
    QCOMPARE(o.valeur(), 0);
    QCOMPARE(Vignettes(o), vignettes);
    QCOMPARE(Marqueurs(o), QList<bool>({false, false, false, false}));
    QVERIFY(!o.coupe());
    for (int i = 0; i <= 200; ++i)
        QCOMPARE(t[i], int16_t(i)); // les 201 entrées, identité
    // Au bout de la barre : les deux dernières diapos et une place vide.
    if (nb >= 3) {
        o.Defiler(o.maximum());
        QCOMPARE(Vignettes(o), QList<bool>({true, true, false}));
        QCOMPARE(o.etiquette(1), QString(" %1").arg(nb - 1));
    }
}

void TestOrdreDiapos::suites_data() {
    QTest::addColumn<int>("nb");
    QTest::addColumn<QStringList>("clics");
    QTest::addColumn<QList<int>>("ordre");
    QTest::addColumn<bool>("coupe");
    QTest::addColumn<QList<bool>>("vignettes");
    QTest::addColumn<QList<bool>>("marqueurs");
    const QList<bool> aucun{false, false, false, false};
    QTest::newRow("une diapo coupée : le marqueur 0 seul")
        << 1 << QStringList{"V0"} << QList<int>{0} << true << QList<bool>{false, false, false}
        << QList<bool>{true, false, false, false};
    QTest::newRow("une diapo insérée là : rien ne change")
        << 1 << QStringList{"V0", "M0"} << QList<int>{0} << false << QList<bool>{true, false, false}
        << aucun;
    QTest::newRow("aucune diapo : rien n'est possible")
        << 0 << QStringList{"V0", "M0", "V1"} << QList<int>{} << false
        << QList<bool>{false, false, false} << aucun;
    QTest::newRow("cinq, couper 2 puis la vignette en position 2")
        << 5 << QStringList{"V2", "V2"} << QList<int>{0, 1, 3, 2, 4} << false
        << QList<bool>{true, true, true} << aucun;
    QTest::newRow("couper la dernière ne bouge rien")
        << 5 << QStringList{"D3", "V1"} << QList<int>{0, 1, 2, 3, 4} << true
        << QList<bool>{true, false, false} << QList<bool>{true, true, false, false};
    QTest::newRow("couper la dernière puis la position 1")
        << 5 << QStringList{"D3", "V1", "D0", "V1"} << QList<int>{0, 4, 2, 3, 1} << false
        << QList<bool>{true, true, true} << aucun;
    QTest::newRow("OK pendant la coupe : la diapo attend à la fin")
        << 5 << QStringList{"V1"} << QList<int>{0, 2, 3, 4, 1} << true
        << QList<bool>{true, true, true} << QList<bool>{true, true, true, true};
    QTest::newRow("insérer devant la vignette 3 (après la 2)")
        << 5 << QStringList{"V0", "M3"} << QList<int>{1, 2, 3, 0, 4} << false
        << QList<bool>{true, true, true} << aucun;
    QTest::newRow("insérer en tête après défilement")
        << 6 << QStringList{"D3", "V2", "D0", "M0"} << QList<int>{5, 0, 1, 2, 3, 4} << false
        << QList<bool>{true, true, true} << aucun;
    QTest::newRow("insérer au bout : la diapo reste dernière")
        << 5 << QStringList{"V0", "D3", "M1"} << QList<int>{1, 2, 3, 4, 0} << false
        << QList<bool>{true, true, false} << aucun;
    QTest::newRow("échanger deux diapos éloignées")
        << 8 << QStringList{"V0", "D4", "V2"} << QList<int>{7, 1, 2, 3, 4, 5, 6, 0} << false
        << QList<bool>{true, true, true} << aucun;
    QTest::newRow("un marqueur caché ne fait rien hors coupe")
        << 5 << QStringList{"M1"} << QList<int>{0, 1, 2, 3, 4} << false
        << QList<bool>{true, true, true} << aucun;
}

void TestOrdreDiapos::suites() {
    QFETCH(int, nb);
    QFETCH(QStringList, clics);
    QFETCH(QList<int>, ordre);
    QFETCH(bool, coupe);
    QFETCH(QList<bool>, vignettes);
    QFETCH(QList<bool>, marqueurs);
    TableOrdre t{};
    OrdreDiapos o(t);
    o.Ouvrir(nb);
    JouerClics(o, clics);
    QCOMPARE(Debut(t, nb), ordre);
    QCOMPARE(o.coupe(), coupe);
    QCOMPARE(Vignettes(o), vignettes);
    QCOMPARE(Marqueurs(o), marqueurs);
    for (int i = nb; i <= 200; ++i)
        QCOMPARE(t[i], int16_t(i));
}

void TestOrdreDiapos::bullesEtEtiquettes() {
    TableOrdre t{};
    OrdreDiapos o(t);
    o.Ouvrir(15);
    QCOMPARE(o.bulleVignettes(), QString("Cliquez pour couper"));
    QCOMPARE(OrdreDiapos::BulleMarqueurs(), QString("Cliquez pour insérer"));
    QCOMPARE(o.etiquette(0), QString(" 0"));
    o.Defiler(11);
    QCOMPARE(o.etiquette(1), QString(" 12"));
    o.CliquerVignette(0);
    QCOMPARE(o.bulleVignettes(), QString("Cliquez pour échanger"));
    QCOMPARE(o.positionCoupe(), 11);
    // Au-delà du maximum, la barre ne va pas.
    o.Defiler(99);
    QCOMPARE(o.valeur(), 13);
}

void TestOrdreDiapos::reouvertureRepartDeLIdentite() {
    TableOrdre t{};
    OrdreDiapos o(t);
    o.Ouvrir(6);
    JouerClics(o, {"V0", "M2", "V1"});
    QVERIFY(Debut(t, 6) != QList<int>({0, 1, 2, 3, 4, 5}));
    o.Ouvrir(6); // Annuler, puis nouvelle ouverture
    QCOMPARE(Debut(t, 6), QList<int>({0, 1, 2, 3, 4, 5}));
    QVERIFY(!o.coupe());
    QCOMPARE(Marqueurs(o), QList<bool>({false, false, false, false}));
}

// Au hasard, sur 1 à 200 diapos : l'ordre reste une permutation de 0 à N − 1, le reste de la
// table l'identité.
void TestOrdreDiapos::toujoursUnePermutation() {
    QRandomGenerator g(5200);
    for (int essai = 0; essai < 300; ++essai) {
        const int nb = 1 + static_cast<int>(g.bounded(200));
        TableOrdre t{};
        OrdreDiapos o(t);
        o.Ouvrir(nb);
        ClicsAuHasard(o, g, 60, [&] {
            QList<int> debut = Debut(t, nb);
            std::sort(debut.begin(), debut.end());
            for (int i = 0; i < nb; ++i)
                QCOMPARE(debut[i], i);
        });
        if (QTest::currentTestFailed())
            return;
        for (int i = nb; i <= 200; ++i)
            QCOMPARE(t[i], int16_t(i));
    }
}

QTEST_APPLESS_MAIN(TestOrdreDiapos)
#include "test_ordre_diapos.moc"
