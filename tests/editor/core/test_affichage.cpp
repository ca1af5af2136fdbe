// Montrer une diapo : image et taille, champ du commentaire, case du numéro, navigation.

#include "Banc.h"
#include "Images.h"

#include <QtTest>

class TestAffichage : public QObject {
    Q_OBJECT
private slots:
    void afficherDiapo();
    void imageIllisible();
    void champDuCommentaire();
    void caseDuNumero();
    void caseDuNumeroRefuse_data();
    void caseDuNumeroRefuse();
    void navigation();
    void imageAjustee();
};

void TestAffichage::afficherDiapo() {
    Banc b;
    b.bac.CreerProjet("P", {"zéro<br>", "un<br>", "deux<br>"}, {".jpg", ".gif", ".jpg"});
    b.Ouvrir("P");
    Editeur& e = b.editeur;
    QCOMPARE(e.cheminImageDiapo, b.Projet("P0.jpg"));
    QCOMPARE(e.lblLongueur, QString("L = 30"));
    QCOMPARE(e.lblLargeur, QString("H = 20"));
    QCOMPARE(e.LargeurDiapo, 30);
    QCOMPARE(e.HauteurDiapo, 20);
    QCOMPARE(e.txtTexteInfo(), Html("zéro"));
    QCOMPARE(e.richtxtTexteInfo.toPlainText(), QString("zéro\n"));
    QCOMPARE(e.txtNumDiapo(), QString("0"));
    QVERIFY(!e.IndChargementTexte());

    QSignalSpy vues(&e, &Editeur::vueChangee);
    e.NumeroDiapo = 1;
    e.AfficherDiapo();
    QVERIFY(vues.count() >= 1);
    QCOMPARE(e.cheminImageDiapo, b.Projet("P1.gif"));
    QCOMPARE(e.lblLongueur, QString("L = 31"));
    QCOMPARE(e.txtNumDiapo(), QString("1"));
    QCOMPARE(e.richtxtTexteInfo.toPlainText(), QString("un\n"));
}

void TestAffichage::imageIllisible() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".jpg"});
    EcrireOctets(b.Projet("P1.jpg"), "pas une image");
    b.Ouvrir("P");
    b.editeur.NumeroDiapo = 1;
    b.editeur.AfficherDiapo();
    QVERIFY(!b.editeur.tailleImageDiapo.isValid());
    QCOMPARE(b.editeur.lblLongueur, QString("L = 0"));
    QCOMPARE(b.editeur.lblLargeur, QString("H = 0"));
    // La taille de capture garde la dernière taille connue, le reste suit.
    QCOMPARE(b.editeur.LargeurDiapo, 30);
    QCOMPARE(b.editeur.txtTexteInfo(), Html("b"));
    QCOMPARE(b.editeur.txtNumDiapo(), QString("1"));
}

void TestAffichage::champDuCommentaire() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".jpg"});
    b.Ouvrir("P");
    Editeur& e = b.editeur;
    e.CommandeEnregistrer();
    QVERIFY(e.IndEnregistrer);

    // Hors chargement, écrire le champ range le commentaire sans toucher à l'éditeur.
    e.richtxtTexteInfo.setPlainText("dans l'éditeur");
    e.EcrireTexteInfo("<b>direct</b>");
    QCOMPARE(e.Info[0], QString("<b>direct</b>"));
    QVERIFY(!e.IndEnregistrer);
    QCOMPARE(e.richtxtTexteInfo.toPlainText(), QString("dans l'éditeur"));

    // Le même texte ne déclenche rien.
    e.IndEnregistrer = true;
    e.EcrireTexteInfo("<b>direct</b>");
    QVERIFY(e.IndEnregistrer);
    e.PerteFocusTexteInfo();
    QVERIFY(!e.IndEnregistrer);

    // Le commentaire tapé est rangé au moment de valider, pas avant.
    e.richtxtTexteInfo.setPlainText("ligne 1\nligne 2");
    QCOMPARE(e.Info[0], QString("<b>direct</b>"));
    e.RichVersHTML();
    QCOMPARE(e.Info[0], Html("ligne 1<br>ligne 2"));
    QVERIFY(!e.Info[0].contains('\n'));
}

namespace {
// Un projet de dix diapos, « diapo 0 » à « diapo 9 », ouvert.
QStringList OuvrirDixDiapos(Banc& b) {
    QStringList textes;
    for (int i = 0; i < 10; ++i)
        textes << QString("diapo %1").arg(i);
    b.bac.CreerProjet("P", textes, QStringList(10, ".jpg"));
    b.Ouvrir("P");
    return textes;
}
} // namespace

void TestAffichage::caseDuNumero() {
    Banc b;
    OuvrirDixDiapos(b);
    Editeur& e = b.editeur;

    e.richtxtTexteInfo.setPlainText("tapé sur la 0");
    // « 1 » puis « 15 » : la diapo 1 s'affiche, puis 15 est refusé et la case revient à « 1 ».
    e.EcrireNumDiapo("1");
    QCOMPARE(e.NumeroDiapo, 1);
    QCOMPARE(e.txtTexteInfo(), QString("diapo 1"));
    QCOMPARE(e.Info[0], Html("tapé sur la 0")); // validé avant de changer de diapo
    e.EcrireNumDiapo("15");
    QCOMPARE(e.NumeroDiapo, 1);
    QCOMPARE(e.txtNumDiapo(), QString("1"));
    QVERIFY(e.IndChangerDiapo);

    e.EcrireNumDiapo("9");
    QCOMPARE(e.NumeroDiapo, 9);
    QCOMPARE(e.cheminImageDiapo, b.Projet("P9.jpg"));
    e.EcrireNumDiapo(" 3.6 ");
    QCOMPARE(e.NumeroDiapo, 4);
    QCOMPARE(e.txtNumDiapo(), QString("4"));
}

// Ce qui n'est pas un numéro de diapo est refusé : la case remontre le numéro en cours. « nan »
// collé dans la case faisait lire les tables hors de leurs bornes.
void TestAffichage::caseDuNumeroRefuse_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("numero"); // -1 : refusé
    for (const char* refus : {"abc", "-1", "", "10", "2x", "nan", "NaN", "inf", "-inf", "infinity",
                              "1e400", "-1e400", "0x10", "1,5", "9999999999"})
        QTest::newRow(refus) << QString(refus) << -1;
    QTest::newRow("blancs autour") << QString(" 3 ") << 3;
    QTest::newRow("exposant") << QString("5e0") << 5;
    QTest::newRow("moitié au pair") << QString("2.5") << 2;
    QTest::newRow("presque zéro négatif") << QString("-0.4") << 0;
}

void TestAffichage::caseDuNumeroRefuse() {
    QFETCH(QString, texte);
    QFETCH(int, numero);
    Banc b;
    const QStringList textes = OuvrirDixDiapos(b);
    Editeur& e = b.editeur;
    e.EcrireNumDiapo("1");
    e.EcrireNumDiapo(texte);
    const int attendu = numero < 0 ? 1 : numero;
    QCOMPARE(e.NumeroDiapo, attendu);
    QCOMPARE(e.txtNumDiapo(), QString::number(attendu));
    QCOMPARE(e.richtxtTexteInfo.toPlainText().trimmed(), textes[attendu]);
    QCOMPARE(e.cheminImageDiapo, b.Projet(QString("P%1.jpg").arg(attendu)));
    QVERIFY(e.IndChangerDiapo);
}

void TestAffichage::navigation() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b", "c"}, {".jpg", ".jpg", ".jpg"});
    b.Ouvrir("P");
    Editeur& e = b.editeur;
    e.Naviguer(1); // « < » sur la première : rien
    QCOMPARE(e.NumeroDiapo, 0);
    e.Naviguer(3);
    QCOMPARE(e.NumeroDiapo, 2);
    QCOMPARE(e.txtNumDiapo(), QString("2"));
    e.Naviguer(2); // « > » sur la dernière : rien
    QCOMPARE(e.NumeroDiapo, 2);
    QVERIFY(e.IndChangerDiapo);
    e.EcrireNumDiapo("1"); // la case marche toujours
    QCOMPARE(e.NumeroDiapo, 1);
    e.richtxtTexteInfo.setPlainText("modifié sur 1");
    e.Naviguer(0);
    QCOMPARE(e.NumeroDiapo, 0);
    QCOMPARE(e.Info[1], Html("modifié sur 1"));
}

void TestAffichage::imageAjustee() {
    QCOMPARE(TailleAjustee({640, 480}, {800, 600}), QSize(640, 480));
    QCOMPARE(TailleAjustee({6000, 4000}, {900, 900}), QSize(900, 600));
    QCOMPARE(TailleAjustee({4000, 6000}, {900, 900}), QSize(600, 900));
    QCOMPARE(TailleAjustee({5000, 10}, {100, 100}), QSize(100, 1));

    QTemporaryDir tmp;
    const QString photo = tmp.filePath("grande.jpg");
    CreerImage(photo, 6000, 4000);
    QCOMPARE(TailleImage(photo), QSize(6000, 4000));
    const QImage vue = LireImageAjustee(photo, {800, 600});
    QCOMPARE(vue.size(), QSize(800, 533));
    QVERIFY(LireImageAjustee(tmp.filePath("absente.jpg"), {800, 600}).isNull());
}

QTEST_GUILESS_MAIN(TestAffichage)
#include "test_affichage.moc"
