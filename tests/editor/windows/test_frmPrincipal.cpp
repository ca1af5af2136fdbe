// La fenêtre principale : contrôles et textes, boutons de la barre, fermeture.

#include "BoutonImage.h"
#include "ChoixImage.h"
#include "Editeur.h"
#include "Fabrique.h"
#include "FauxDialogues.h"
#include "ZoneImage.h"

#include "frmPrincipal.h"
#include <QDialog>

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
    void premiersPas();
    void raccourcisDansLesBulles_data();
    void raccourcisDansLesBulles();
    void imageRelueQuandLeFichierChange();
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

// Sans diaporama ouvert, une ligne dit comment commencer et les commandes qui en demandent un
// se voient indisponibles ; le parcours de la barre au clavier commence par « Nouveau ».
void TestFrmPrincipal::premiersPas() {
    Fenetre f;
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    auto* demarrer = f.controle<QLabel>("lblDemarrer");
    QVERIFY(demarrer->isVisible());
    QVERIFY(demarrer->text().contains("nouveau diaporama"));
    for (const char* nom : {"imgSave", "imgSaveSous", "imgVisual", "imgVisuHTML", "imgAjouter",
                            "imgChangeDiapo", "imgDelete"})
        QVERIFY2(!f.controle<BoutonImage>(nom)->isEnabled(), nom);
    for (const char* nom : {"imgNew", "imgFichier", "imgQuitter"})
        QVERIFY2(f.controle<BoutonImage>(nom)->isEnabled(), nom);
    QCOMPARE(f.controle<BoutonImage>("imgNew")->focusPolicy() & Qt::TabFocus, Qt::TabFocus);

    f.editeur.NouveauProjet();
    QVERIFY(!demarrer->isVisible());
    QVERIFY(f.controle<BoutonImage>("imgSave")->isEnabled());
    QVERIFY(f.controle<BoutonImage>("imgDelete")->isEnabled());
}

void TestFrmPrincipal::raccourcisDansLesBulles_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("bulle");
    QTest::newRow("nouveau") << "imgNew"
                             << "Créer un nouveau diaporama  (Ctrl+N)";
    QTest::newRow("ouvrir") << "imgFichier"
                            << "Ouvrir un diaporama existant  (Ctrl+O)";
    QTest::newRow("enregistrer sous") << "imgSaveSous"
                                      << "Enregistrer sous...  (Ctrl+Maj+S)";
    QTest::newRow("page") << "imgVisual"
                          << "Créer et visualiser dans le navigateur  (F5)";
    QTest::newRow("quitter") << "imgQuitter"
                             << "Quitter  (Ctrl+Q)";
}

// La bulle montre le raccourci ; le texte du bouton et son nom accessible restent les siens.
void TestFrmPrincipal::raccourcisDansLesBulles() {
    QFETCH(QString, bouton);
    QFETCH(QString, bulle);
    Fenetre f;
    auto* b = f.controle<BoutonImage>(bouton);
    QCOMPARE(b->texteBulle(), bulle);
    QCOMPARE(b->toolTip(), bulle.section("  (", 0, 0));
    QCOMPARE(b->accessibleName(), b->toolTip());
}

// L'image montrée est le fichier tel qu'il est : remplacé par une image de même type (même
// nom), il se relit.
void TestFrmPrincipal::imageRelueQuandLeFichierChange() {
    Fenetre f;
    f.bac.CreerProjet("P", {"a", "b", "c"}, {".jpg", ".jpg", ".jpg"});
    f.editeur.NomProjet = "P";
    f.editeur.RepertoireProjet = f.bac.projets;
    f.editeur.OuvrirProjet();
    f.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.fenetre));
    auto* zone = f.controle<ZoneImage>("imgDiapo");
    QCOMPARE(zone->tailleDecodee(), QSize(30, 20));
    // Changer l'image de la diapo 0 par un JPEG : même nom de fichier.
    CreerImage(f.bac.racine.filePath("photos/grande.jpg"), 64, 48, Qt::red);
    f.dialogues.fenetres.push_back([&](QDialog& d) {
        ValiderChangement(f.editeur, f.bac.racine.filePath("photos"), "grande.jpg");
        d.accept();
        return int(QDialog::Accepted);
    });
    f.editeur.ChangerDiapo();
    QCOMPARE(zone->tailleDecodee(), QSize(64, 48));
    // Supprimer la diapo 0 : la 1 (même type) prend son nom et se montre.
    f.dialogues.reponses = {Reponse::Oui};
    f.editeur.SupprimerDiapo();
    QCOMPARE(zone->tailleDecodee(), QSize(31, 21));
    QCOMPARE(zone->chemin(), f.bac.projets + "/P0.jpg");
}

QTEST_MAIN(TestFrmPrincipal)
#include "test_frmPrincipal.moc"
