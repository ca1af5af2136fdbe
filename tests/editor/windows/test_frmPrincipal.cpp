// La fenêtre principale : contrôles et textes, boutons de la barre, fermeture.

#include "BoutonImage.h"
#include "Editeur.h"
#include "Fabrique.h"
#include "FauxDialogues.h"
#include "ZoneImage.h"
#include "frmPrincipal.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

namespace {
struct Fenetre {
    Bac bac;
    FauxDialogues dialogues;
    Editeur editeur{dialogues, bac.programme, bac.secours};
    frmPrincipal fenetre{editeur};

    template <typename T> T* controle(const QString& nom) { return fenetre.findChild<T*>(nom); }
};

bool LibellePresent(QWidget& fenetre, const QString& texte) {
    for (auto* l : fenetre.findChildren<QLabel*>())
        if (l->text() == texte)
            return true;
    return false;
}
} // namespace

class TestFrmPrincipal : public QObject {
    Q_OBJECT
private slots:
    void controlesEtTextes();
    void boutonRelacheHorsDuBouton();
    void boutonAuClavier();
    void enregistrerSurNouveau();
    void fermerRemetLEtatEnregistre();
    void grandePhotoReduite();
};

void TestFrmPrincipal::controlesEtTextes() {
    Fenetre f;
    QCOMPARE(f.fenetre.windowTitle(), QString("Ostrelle 2.1"));
    QVERIFY(LibellePresent(f.fenetre, "Nom du diaporama : "));
    QVERIFY(LibellePresent(f.fenetre, "Nombre de diapositives :"));
    QCOMPARE(f.controle<QLabel>("lblTag")->text(), QString("Entete du diaporama :"));
    QCOMPARE(f.controle<QTextEdit>("richtxtTexteInfo")->toolTip(),
             QString("Commentaires accompagnant la diapositive"));
    for (const char* nom :
         {"imgDiapo", "txtEntete", "txtNumDiapo", "lblNomDiapo", "lblNbDiapo", "lblLongueur",
          "lblLargeur", "lblBarre", "Label1", "Label2", "comboPolice", "cmdDiapo_0", "cmdDiapo_3"})
        QVERIFY2(f.fenetre.findChild<QWidget*>(nom), nom);
    const QList<QPair<QString, QString>> boutons = {{"imgNew", "Créer un nouveau diaporama"},
                                                    {"imgSave", "Enregistrer"},
                                                    {"imgQuitter", "Quitter"}};
    for (const auto& [nom, bulle] : boutons) {
        auto* b = f.controle<BoutonImage>(nom);
        QVERIFY2(b, qPrintable(nom));
        QCOMPARE(b->toolTip(), bulle);
        QCOMPARE(b->accessibleName(), bulle);
    }
    // Plein écran, en haut à gauche.
    QCOMPARE(f.fenetre.geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(f.fenetre.size(), f.fenetre.screen()->geometry().size());
}

void TestFrmPrincipal::boutonRelacheHorsDuBouton() {
    Fenetre f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    auto* nouveau = f.controle<BoutonImage>("imgNew");
    QTest::mousePress(nouveau, Qt::LeftButton);
    QVERIFY(nouveau->estEnfonce());
    QVERIFY(!f.editeur.IndOuverture); // rien tant que le bouton est tenu
    QTest::mouseRelease(nouveau, Qt::LeftButton, {}, QPoint(-200, 300));
    QVERIFY(!nouveau->estEnfonce());
    QVERIFY(f.editeur.IndOuverture);
    QCOMPARE(f.controle<QLabel>("lblNomDiapo")->text(), QString("Nouveau"));
    QCOMPARE(f.controle<QLabel>("lblNbDiapo")->text(), QString("1"));
    QCOMPARE(f.controle<QLineEdit>("txtNumDiapo")->text(), QString("0"));
    QCOMPARE(f.controle<QLabel>("lblLongueur")->text(), QString("L = 40"));
    QCOMPARE(f.controle<QLineEdit>("txtEntete")->text(), QString("Mon diaporama"));
    QCOMPARE(f.controle<ZoneImage>("imgDiapo")->tailleDecodee(), QSize(40, 30));

    // Le bouton droit enfonce et commande de même.
    f.dialogues.reponses = {Reponse::Non};
    auto* quitter = f.controle<BoutonImage>("imgQuitter");
    QTest::mousePress(quitter, Qt::RightButton);
    QTest::mouseRelease(quitter, Qt::RightButton);
    QCOMPARE(f.dialogues.dernier().titre, QString("QUITTER"));
    QVERIFY(!f.fenetre.fini());
}

void TestFrmPrincipal::boutonAuClavier() {
    Fenetre f;
    auto* nouveau = f.controle<BoutonImage>("imgNew");
    QTest::keyPress(nouveau, Qt::Key_Space);
    QVERIFY(nouveau->estEnfonce());
    QTest::keyRelease(nouveau, Qt::Key_Space);
    QVERIFY(f.editeur.IndOuverture);
}

void TestFrmPrincipal::enregistrerSurNouveau() {
    Fenetre f;
    f.editeur.NouveauProjet();
    // Le titre tapé dans le champ d'entête est repris par Enregistrer.
    auto* entete = f.controle<QLineEdit>("txtEntete");
    entete->selectAll();
    QTest::keyClicks(entete, "Autre titre");
    QCOMPARE(f.editeur.txtEntete, QString("Autre titre"));
    auto* enregistrer = f.controle<BoutonImage>("imgSave");
    QTest::mousePress(enregistrer, Qt::LeftButton);
    QTest::mouseRelease(enregistrer, Qt::LeftButton);
    QCOMPARE(f.dialogues.dernier().titre, QString("ENREGISTREMENT IMPOSSIBLE"));
    QCOMPARE(f.editeur.Entete, QString("Autre titre"));
}

void TestFrmPrincipal::fermerRemetLEtatEnregistre() {
    Fenetre f;
    f.fenetre.show();
    f.editeur.NouveauProjet();
    const auto avant = Instantane(f.bac.programme);
    EcrireOctets(f.bac.programme + "/Nouveau.htm", "modifiée");
    CreerImage(f.bac.programme + "/Nouveau0.gif", 5, 5, Qt::red);
    f.fenetre.close();
    QVERIFY(f.fenetre.fini());
    QCOMPARE(Instantane(f.bac.programme), avant);
}

void TestFrmPrincipal::grandePhotoReduite() {
    Fenetre f;
    f.fenetre.resize(1366, 768);
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    CreerImage(f.bac.projets + "/G0.jpg", 6000, 4000);
    EcrireOctets(f.bac.projets + "/G.cin", "Nom=G\r\nRepertoire=x\r\nNbSprite=1\r\nTag=\r\nx\r\n");
    f.editeur.NomProjet = "G";
    f.editeur.RepertoireProjet = f.bac.projets;
    f.editeur.OuvrirProjet();
    auto* zone = f.controle<ZoneImage>("imgDiapo");
    const QSize decodee = zone->tailleDecodee();
    // Décodée à la taille montrée, qui tient dans la zone, et pas plus.
    QVERIFY(decodee.width() <= zone->width() && decodee.height() <= zone->height());
    QVERIFY(decodee.width() == zone->width() || decodee.height() == zone->height());
    QCOMPARE(f.controle<QLabel>("lblLongueur")->text(), QString("L = 6000"));
    QCOMPARE(f.controle<QLabel>("lblLargeur")->text(), QString("H = 4000"));
    // La fenêtre reste dans l'écran.
    QVERIFY(f.fenetre.width() <= 1366);
}

QTEST_MAIN(TestFrmPrincipal)
#include "test_frmPrincipal.moc"
