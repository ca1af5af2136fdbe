// « Ouvrir un diaporama existant » sans fenêtre : la question du travail en cours, le refus sur
// « Nouveau », puis ce que rend la fenêtre (un fichier, « aaaa.cin », « .cin », rien).

#include "Banc.h"
#include "Ouverture.h"

#include <QtTest>

namespace {
struct BancOuvrir : Banc {
    BancOuvrir() {
        bac.CreerProjet("A", {"a0", "a1"}, {".jpg", ".gif"});
        bac.CreerProjet("B", {"b0", "b1", "b2"}, {".jpg", ".jpg", ".gif"});
    }
    // La fenêtre rendra ce fichier du dossier des projets (vide : OK sans choix ; nul :
    // Annuler).
    void Rendre(const std::optional<QString>& fichier) {
        fenetres.ouvrir = [this, fichier] {
            if (fichier)
                Ouverture::Valider(editeur, bac.projets, *fichier);
            else
                Ouverture::Annuler(editeur);
        };
    }
};
} // namespace

class TestOuverture : public QObject {
    Q_OBJECT
private slots:
    void ouvrirUnProjet();
    void questionDuTravailEnCours();
    void nouveauNePeutPasEtreGarde();
    void annulerSansProjet();
    void annulerAvecProjetRelitSesFichiers();
    void fichiersParticuliers_data();
    void fichiersParticuliers();
    void fichierRefuseGardeLeProjet();
};

void TestOuverture::ouvrirUnProjet() {
    BancOuvrir b;
    b.Rendre(QString("B.cin"));
    b.editeur.CommandeOuvrir();
    QCOMPARE(b.fenetres.montrees, QStringList({"frmCin"}));
    QVERIFY(b.dialogues.messages.isEmpty());
    QVERIFY(b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NomProjet, QString("B"));
    QCOMPARE(b.editeur.RepertoireProjet, b.bac.projets);
    QCOMPARE(b.editeur.NbSprite, 3);
    QCOMPARE(b.editeur.TypeImage[2], QString(".gif"));
    QCOMPARE(b.editeur.lblNomDiapo, QString("B"));
}

void TestOuverture::questionDuTravailEnCours() {
    for (const bool enregistrer : {true, false}) {
        BancOuvrir b;
        b.Ouvrir("A");
        b.editeur.richtxtTexteInfo.setPlainText("modifié");
        b.editeur.RichVersHTML();
        const QByteArray cin = LireOctets(b.Projet("A.cin"));
        b.Rendre(QString("B.cin"));
        b.dialogues.reponses = {enregistrer ? Reponse::Oui : Reponse::Non};
        b.editeur.CommandeOuvrir();
        const MessageVu q = b.dialogues.messages.value(0);
        QCOMPARE(q.titre, QString("ENREGISTRER"));
        QCOMPARE(q.texte, QString("Un projet est en cours.\r\nVoulez-vous enregistrer votre "
                                  "travail ?"));
        QCOMPARE(q.icone, Icone::Critique);
        QCOMPARE(q.boutons, Boutons::OuiNon);
        QCOMPARE(b.dialogues.messages.size(), 1);
        QCOMPARE(b.editeur.NomProjet, QString("B"));
        // Oui : A est enregistré ; Non : A revient à son état enregistré.
        QCOMPARE(LireOctets(b.Projet("A.cin")) != cin, enregistrer);
        QCOMPARE(LireFichierProjet(b.Projet("A.cin")).infos[0] == Html("modifié"), enregistrer);
    }
}

void TestOuverture::nouveauNePeutPasEtreGarde() {
    BancOuvrir b;
    b.editeur.NouveauProjet();
    QVERIFY(!b.editeur.IndEnregistrer);
    b.Rendre(QString("B.cin"));
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.CommandeOuvrir();
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ALERTE"));
    QCOMPARE(m.texte, QString("Il est impossible de sauvegarder un fichier sans nom.\r\n"
                              "Utilisez la méthode ENREGISTRER SOUS..."));
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(m.boutons, Boutons::OK);
    QVERIFY(b.fenetres.montrees.isEmpty()); // rien n'est ouvert
    QCOMPARE(b.editeur.NomProjet, QString("Nouveau"));
    QVERIFY(b.editeur.IndOuverture);
}

void TestOuverture::annulerSansProjet() {
    BancOuvrir b;
    b.Rendre(std::nullopt);
    b.editeur.CommandeOuvrir();
    QVERIFY(!b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NomProjet, QString());
    QCOMPARE(b.editeur.NbSprite, 0);
    QVERIFY(FichiersDeSecours(b.bac.secours).isEmpty());
}

void TestOuverture::annulerAvecProjetRelitSesFichiers() {
    BancOuvrir b;
    b.Ouvrir("A");
    const auto enregistre = Instantane(b.bac.projets);
    b.editeur.richtxtTexteInfo.setPlainText("perdu");
    b.editeur.RichVersHTML();
    b.Rendre(std::nullopt);
    b.dialogues.reponses = {Reponse::Non};
    b.editeur.CommandeOuvrir();
    QVERIFY(b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NomProjet, QString("A"));
    QCOMPARE(b.editeur.Info[0], QString("a0"));
    QCOMPARE(b.editeur.txtTexteInfo(), QString("a0"));
    QCOMPARE(Instantane(b.bac.projets), enregistre);
}

// « aaaa.cin » (la copie de secours) vaut Annuler ; « .cin » donne un nom vide, rien n'est
// chargé ; OK sans choix recharge le projet ouvert.
void TestOuverture::fichiersParticuliers_data() {
    QTest::addColumn<bool>("projetOuvert");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("nomApres");
    QTest::addColumn<bool>("ouvertApres");
    QTest::newRow("aaaa.cin sans projet") << false << "aaaa.cin"
                                          << "" << false;
    QTest::newRow("aaaa.cin avec projet") << true << "aaaa.cin"
                                          << "A" << true;
    QTest::newRow(".cin sans projet") << false << ".cin"
                                      << "" << false;
    QTest::newRow(".cin avec projet") << true << ".cin"
                                      << "" << false;
    QTest::newRow("rien avec projet") << true << ""
                                      << "A" << true;
    QTest::newRow("rien sans projet") << false << ""
                                      << "" << false;
}

void TestOuverture::fichiersParticuliers() {
    QFETCH(bool, projetOuvert);
    QFETCH(QString, fichier);
    QFETCH(QString, nomApres);
    QFETCH(bool, ouvertApres);
    BancOuvrir b;
    EcrireOctets(b.Projet("aaaa.cin"), "Nom=aaaa\r\nRepertoire=x\r\nNbSprite=0\r\nTag=\r\n");
    EcrireOctets(b.Projet(".cin"), "Nom=\r\nRepertoire=x\r\nNbSprite=0\r\nTag=\r\n");
    if (projetOuvert) {
        b.Ouvrir("A");
        b.editeur.CommandeEnregistrer();
        b.dialogues.messages.clear();
    }
    b.Rendre(fichier);
    b.editeur.CommandeOuvrir();
    QCOMPARE(b.editeur.NomProjet, nomApres);
    QCOMPARE(b.editeur.IndOuverture, ouvertApres);
    QVERIFY(b.dialogues.messages.isEmpty());
}

void TestOuverture::fichierRefuseGardeLeProjet() {
    BancOuvrir b;
    b.Ouvrir("A");
    b.editeur.CommandeEnregistrer();
    b.dialogues.messages.clear();
    EcrireOctets(b.Projet("Casse.cin"), "n'importe quoi");
    b.Rendre(QString("Casse.cin"));
    b.editeur.CommandeOuvrir();
    QCOMPARE(b.dialogues.dernier().titre, QString("PROJET ILLISIBLE"));
    QVERIFY(b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NomProjet, QString("A"));
    QCOMPARE(b.editeur.NbSprite, 2);
}

QTEST_GUILESS_MAIN(TestOuverture)
#include "test_ouverture.moc"
