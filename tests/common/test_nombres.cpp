#include "Couleurs.h"
#include "NombresVB.h"

#include <QTest>

#include <cmath>
#include <limits>

using Limites = std::numeric_limits<int64_t>;
Q_DECLARE_METATYPE(int64_t)

class TestNombres : public QObject {
    Q_OBJECT
private slots:
    void valeurTexte_data();
    void valeurTexte();
    void valeurTexteHorsLimites();
    void nombreTexte_data();
    void nombreTexte();
    void arrondis_data();
    void arrondis();
    void couleurVersHTML_data();
    void couleurVersHTML();
    void htmlVersCouleur_data();
    void htmlVersCouleur();
};

void TestNombres::valeurTexte_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<double>("valeur");
    QTest::newRow("suivi de lettres") << "12.5abc" << 12.5;
    QTest::newRow("point de tête") << ".5" << 0.5;
    QTest::newRow("signe et point") << "-.25" << -0.25;
    QTest::newRow("lettres") << "abc" << 0.0;
    QTest::newRow("vide") << "" << 0.0;
    QTest::newRow("signe seul") << "-" << 0.0;
    QTest::newRow("point seul") << "." << 0.0;
    QTest::newRow("blancs et signe") << " \t\r\n-3x" << -3.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("exposant") << "1e3" << 1000.0;
    QTest::newRow("exposant majuscule signé") << "25E-1" << 2.5;
    QTest::newRow("exposant sans chiffre") << "1e" << 1.0;
    QTest::newRow("exposant signe seul") << "4e+x" << 4.0;
    QTest::newRow("point puis exposant") << "2.e2" << 200.0;
    QTest::newRow("virgule française") << "3,5" << 3.0;
    QTest::newRow("espace dans le nombre") << "1 000" << 1.0;
    QTest::newRow("deux points") << "1.2.3" << 1.2;
    QTest::newRow("blanc insécable") << QStringLiteral("\u00A05") << 0.0;
    QTest::newRow("minuscule") << "0.0000001" << 1e-7;
    QTest::newRow("trop petit") << "1e-400" << 0.0;
}

void TestNombres::valeurTexte() {
    QFETCH(QString, texte);
    QFETCH(double, valeur);
    QCOMPARE(ValeurTexte(texte), valeur);
}

void TestNombres::valeurTexteHorsLimites() {
    QCOMPARE(ValeurTexte("1e400"), std::numeric_limits<double>::infinity());
    QCOMPARE(ValeurTexte("-1e400"), -std::numeric_limits<double>::infinity());
    QCOMPARE(ValeurTexte("0.001e309"), 1e306);
    QCOMPARE(ValeurTexte("1" + QString(400, u'0')), std::numeric_limits<double>::infinity());
}

void TestNombres::nombreTexte_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("nombre");
    QTest::addColumn<double>("valeur");
    QTest::addColumn<bool>("entier32");
    QTest::addColumn<int>("entier");
    QTest::newRow("entier") << "12" << true << 12.0 << true << 12;
    QTest::newRow("blancs autour") << " \t3 \r\n" << true << 3.0 << true << 3;
    QTest::newRow("décimal") << "-2.5" << true << -2.5 << true << -2;
    QTest::newRow("exposant") << "1e3" << true << 1000.0 << true << 1000;
    QTest::newRow("zéro exposant") << "0e5" << true << 0.0 << true << 0;
    QTest::newRow("point de tête") << ".5" << true << 0.5 << true << 0;
    QTest::newRow("lettres") << "abc" << false << 0.0 << false << 0;
    QTest::newRow("suivi de lettres") << "3a" << false << 0.0 << false << 0;
    QTest::newRow("vide") << "" << false << 0.0 << false << 0;
    QTest::newRow("blancs") << "   " << false << 0.0 << false << 0;
    QTest::newRow("signe seul") << "-" << false << 0.0 << false << 0;
    QTest::newRow("hexadécimal") << "0x10" << false << 0.0 << false << 0;
    QTest::newRow("nan") << "nan" << false << 0.0 << false << 0;
    QTest::newRow("inf") << "inf" << false << 0.0 << false << 0;
    QTest::newRow("moins inf") << "-inf" << false << 0.0 << false << 0;
    QTest::newRow("démesuré") << "1e400" << false << 0.0 << false << 0;
    QTest::newRow("virgule") << "1,5" << false << 0.0 << false << 0;
    QTest::newRow("hors de 32 bits") << "3000000000" << true << 3e9 << false << 0;
    QTest::newRow("borne 32 bits") << "2147483647" << true << 2147483647.0 << true << 2147483647;
}

void TestNombres::nombreTexte() {
    QFETCH(QString, texte);
    QFETCH(bool, nombre);
    QFETCH(double, valeur);
    QFETCH(bool, entier32);
    QFETCH(int, entier);
    const std::optional<double> lu = NombreTexte(texte);
    QCOMPARE(lu.has_value(), nombre);
    if (nombre)
        QCOMPARE(*lu, valeur);
    const std::optional<int32_t> e = EntierTexte(texte);
    QCOMPARE(e.has_value(), entier32);
    if (entier32)
        QCOMPARE(*e, entier);
}

void TestNombres::arrondis_data() {
    QTest::addColumn<double>("valeur");
    QTest::addColumn<int64_t>("arrondi");
    QTest::addColumn<int64_t>("plancher");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("2.5") << 2.5 << int64_t(2) << int64_t(2);
    QTest::newRow("3.5") << 3.5 << int64_t(4) << int64_t(3);
    QTest::newRow("-2.5") << -2.5 << int64_t(-2) << int64_t(-3);
    QTest::newRow("-3.5") << -3.5 << int64_t(-4) << int64_t(-4);
    QTest::newRow("0.5") << 0.5 << int64_t(0) << int64_t(0);
    QTest::newRow("-0.5") << -0.5 << int64_t(0) << int64_t(-1);
    QTest::newRow("2.4999") << 2.4999 << int64_t(2) << int64_t(2);
    QTest::newRow("2.5001") << 2.5001 << int64_t(3) << int64_t(2);
    QTest::newRow("-1.2") << -1.2 << int64_t(-1) << int64_t(-2);
    QTest::newRow("entier") << 7.0 << int64_t(7) << int64_t(7);
    QTest::newRow("juste sous 0.5") << 0.49999999999999994 << int64_t(0) << int64_t(0);
    // Près de 2^51, v + 0.5 n'est plus exact : l'arrondi ne doit pas s'y fier.
    QTest::newRow("grand, moitié paire")
        << 2251799813685248.5 << int64_t(2251799813685248) << int64_t(2251799813685248);
    QTest::newRow("grand, moitié impaire")
        << 2251799813685249.5 << int64_t(2251799813685250) << int64_t(2251799813685249);
    QTest::newRow("NaN") << std::nan("") << int64_t(0) << int64_t(0);
    QTest::newRow("+inf") << inf << Limites::max() << Limites::max();
    QTest::newRow("-inf") << -inf << Limites::min() << Limites::min();
    QTest::newRow("2^63") << 9223372036854775808.0 << Limites::max() << Limites::max();
    QTest::newRow("-2^63") << -9223372036854775808.0 << Limites::min() << Limites::min();
    QTest::newRow("1e300") << 1e300 << Limites::max() << Limites::max();
}

void TestNombres::arrondis() {
    QFETCH(double, valeur);
    QFETCH(int64_t, arrondi);
    QFETCH(int64_t, plancher);
    QCOMPARE(ArrondiPair(valeur), arrondi);
    QCOMPARE(Plancher(valeur), plancher);
}

void TestNombres::couleurVersHTML_data() {
    QTest::addColumn<uint>("couleur");
    QTest::addColumn<QString>("html");
    QTest::newRow("rouge") << 255u << "#FF0000";
    QTest::newRow("noir") << 0u << "#000000";
    QTest::newRow("bleu marine") << 0x800000u << "#000080";
    QTest::newRow("vert") << 0x00FF00u << "#00FF00";
    QTest::newRow("mélange") << 0x0A1B2Cu << "#2C1B0A";
    QTest::newRow("octet haut ignoré") << 0xFF0000FFu << "#FF0000";
}

void TestNombres::couleurVersHTML() {
    QFETCH(uint, couleur);
    QFETCH(QString, html);
    QCOMPARE(CouleurVersHTML(couleur), html);
}

void TestNombres::htmlVersCouleur_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<uint>("couleur");
    QTest::newRow("rouge") << "FF0000" << 255u;
    QTest::newRow("blanc") << "FFFFFF" << 16777215u;
    QTest::newRow("bleu marine") << "000080" << 0x800000u;
    QTest::newRow("minuscules") << "2c1b0a" << 0x0A1B2Cu;
    QTest::newRow("suite ignorée") << "FF0000zz" << 255u;
    QTest::newRow("arrêt dans le vert") << "FFZZ80" << 255u;
    QTest::newRow("arrêt au milieu d'une paire") << "12345G" << 0x3412u;
    QTest::newRow("paire incomplète") << "ABC" << 0xABu;
    QTest::newRow("dièse") << "#FF0000" << 0u;
    QTest::newRow("vide") << "" << 0u;
}

void TestNombres::htmlVersCouleur() {
    QFETCH(QString, html);
    QFETCH(uint, couleur);
    QCOMPARE(HTMLVersCouleur(html), couleur);
    // Le code rendu se relit en la même couleur.
    QCOMPARE(HTMLVersCouleur(CouleurVersHTML(couleur).mid(1)), couleur);
}

QTEST_APPLESS_MAIN(TestNombres)
#include "test_nombres.moc"
