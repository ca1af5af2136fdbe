// Les fenêtres « EnregistrerSous » et « Ouvrir un projet » par leurs vrais contrôles : le
// bouton droit qui crée un dossier, un nom tapé puis Entrée, Échap, le clic et le double clic
// sur un projet, l'aide ; et les deux boutons de la barre d'outils.

#include "BancPrincipal.h"
#include "FenetresQt.h"
#include "ListeDossiers.h"
#include "ListeFichiers.h"
#include "Parcours.h"
#include "frmCin.h"
#include "frmSauverSous.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
struct Banc : BancPrincipal {
    QString ailleurs = bac.racine.filePath("ailleurs");

    Banc() {
        QDir().mkpath(ailleurs);
        OuvrirP({"a", "b"}, {".jpg", ".gif"});
    }
};

} // namespace

class TestProjets : public QObject {
    Q_OBJECT
private slots:
    void fenetreEnregistrerSous();
    void nomTapePuisEntree();
    void echapAnnule();
    void clicSurUnProjetExistant();
    void dossierParLeBoutonDroit();
    void fenetreOuvrir();
    void doubleClicOuvre();
    void aides();
};

void TestProjets::fenetreEnregistrerSous() {
    Banc b;
    auto* f = b.fenetre.fenetres().SauverSous();
    QCOMPARE(f->objectName(), QString("frmSauverSous"));
    QCOMPARE(f->windowTitle(), QString("EnregistrerSous"));
    QCOMPARE(f->parcours()->File1()->motif(), QString("*.cin"));
    QCOMPARE(f->parcours()->Dir1()->toolTip(), QString("Click souris droit pour créer un dossier"));
    QCOMPARE(f->findChild<QPushButton*>("cmdOK")->text(), QString("OK"));
    QCOMPARE(f->findChild<QPushButton*>("cmdAnnuler")->text(), QString("Annuler"));
    QVERIFY(f->findChild<QLineEdit*>("Text1"));
    // Une seule fenêtre, gardée.
    QCOMPARE(b.fenetre.fenetres().SauverSous(), f);
}

void TestProjets::nomTapePuisEntree() {
    Banc b;
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmSauverSous&>(d);
        QVERIFY(f.parcours()->allerA(b.ailleurs));
        QVERIFY(f.Text1()->text().isEmpty());
        QTest::keyClicks(f.Text1(), "Vacances");
        QTest::keyClick(f.Text1(), Qt::Key_Return);
        QVERIFY(!f.isVisible());
    });
    b.Relacher("imgSaveSous");
    QCOMPARE(b.dialogues.fenetresVues, QStringList({"frmSauverSous"}));
    QCOMPARE(b.editeur.NomProjet, QString("Vacances"));
    QVERIFY(QFile::exists(b.ailleurs + "/Vacances.cin"));
    QCOMPARE(b.fenetre.findChild<QLabel*>("lblNomDiapo")->text(), QString("Vacances"));
}

void TestProjets::echapAnnule() {
    Banc b;
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmSauverSous&>(d);
        QVERIFY(f.parcours()->allerA(b.ailleurs));
        QTest::keyClicks(f.Text1(), "Vacances");
        QTest::keyClick(f.Text1(), Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    });
    b.Relacher("imgSaveSous");
    QCOMPARE(b.dialogues.dernier().titre, QString("ANNULATION"));
    QCOMPARE(b.editeur.NomProjet, QString("P"));
    QVERIFY(b.editeur.RepEnr.isEmpty());
}

void TestProjets::clicSurUnProjetExistant() {
    Banc b;
    EcrireOctets(b.ailleurs + "/Ancien.cin",
                 "Nom=Ancien\r\nRepertoire=x\r\nNbSprite=0\r\nTag=\r\n");
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmSauverSous&>(d);
        QVERIFY(f.parcours()->allerA(b.ailleurs));
        CliquerFichier(f.parcours()->File1(), "Ancien.cin", false);
        QCOMPARE(f.Text1()->text(), QString("Ancien.cin"));
        b.dialogues.reponses = {Reponse::Non};
        f.cmdOK()->click();
        QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
        QVERIFY(f.isVisible()); // Non : on choisit autre chose
        // Changer de dossier efface le nom.
        QVERIFY(f.parcours()->allerA(b.bac.racine.path()));
        QVERIFY(f.Text1()->text().isEmpty());
        f.findChild<QPushButton*>("cmdAnnuler")->click();
    });
    b.Relacher("imgSaveSous");
    QCOMPARE(b.dialogues.dernier().titre, QString("ANNULATION"));
}

void TestProjets::dossierParLeBoutonDroit() {
    Banc b;
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmSauverSous&>(d);
        QVERIFY(f.parcours()->allerA(b.ailleurs));
        b.dialogues.reponses = {Reponse::Oui};
        b.dialogues.saisies = {QString("Nouveau Dossier")};
        QTest::mouseClick(f.parcours()->Dir1()->viewport(), Qt::RightButton);
        QCOMPARE(f.parcours()->dossier(), b.ailleurs + "/Nouveau Dossier");
        QCOMPARE(f.parcours()->File1()->chemin(), b.ailleurs + "/Nouveau Dossier");
        QTest::keyClicks(f.Text1(), "Ici");
        f.cmdOK()->click();
    });
    b.Relacher("imgSaveSous");
    QVERIFY(QFile::exists(b.ailleurs + "/Nouveau Dossier/Ici.cin"));
    QCOMPARE(b.dialogues.messages[0].titre, QString("CREER UN REPERTOIRE"));
    QCOMPARE(b.dialogues.messages[1].titre, QString("NOUVEAU REPERTOIRE"));
}

void TestProjets::fenetreOuvrir() {
    Banc b;
    auto* f = b.fenetre.fenetres().Cin();
    QCOMPARE(f->objectName(), QString("frmCin"));
    QCOMPARE(f->windowTitle(), QString("Ouvrir un projet"));
    QCOMPARE(f->parcours()->File1()->motif(), QString("*.cin"));
    // Échap : Annuler, le projet ouvert est relu.
    b.editeur.CommandeEnregistrer();
    b.dialogues.messages.clear();
    b.Jouer([&](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
    });
    b.Relacher("imgFichier");
    QCOMPARE(b.editeur.NomProjet, QString("P"));
    QVERIFY(b.editeur.IndOuverture);
}

void TestProjets::doubleClicOuvre() {
    Banc b;
    b.bac.CreerProjet("Autre", {"x", "y", "z"}, {".jpg", ".jpg", ".jpg"});
    b.editeur.CommandeEnregistrer();
    b.dialogues.messages.clear();
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmCin&>(d);
        QVERIFY(f.parcours()->allerA(b.bac.projets));
        CliquerFichier(f.parcours()->File1(), "Autre.cin", true);
        QVERIFY(!f.isVisible());
    });
    b.Relacher("imgFichier");
    QCOMPARE(b.editeur.NomProjet, QString("Autre"));
    QCOMPARE(b.editeur.NbSprite, 3);
    QCOMPARE(b.fenetre.findChild<QLabel*>("lblNbDiapo")->text(), QString("3"));
}

void TestProjets::aides() {
    Banc b;
    b.fenetre.fenetres().SauverSous()->findChild<QPushButton*>("cmdHelp")->click();
    b.fenetre.fenetres().Cin()->findChild<QPushButton*>("cmdHelp")->click();
    QCOMPARE(b.dialogues.ouvertures,
             QStringList({b.bac.programme + "/Aide_Contextuelle/EnregistrerSous.htm",
                          b.bac.programme + "/Aide_Contextuelle/OuvrirProjet.htm"}));
    // Les deux boutons de la barre, avec leur bulle et leur nom accessible.
    for (const auto& [nom, bulle] :
         {std::pair<QString, QString>{"imgFichier", "Ouvrir un diaporama existant"},
          {"imgSaveSous", "Enregistrer sous..."}}) {
        auto* bouton = b.fenetre.findChild<BoutonImage*>(nom);
        QVERIFY2(bouton, qPrintable(nom));
        QCOMPARE(bouton->toolTip(), bulle);
        QCOMPARE(bouton->accessibleName(), bulle);
    }
}

QTEST_MAIN(TestProjets)
#include "test_projets.moc"
