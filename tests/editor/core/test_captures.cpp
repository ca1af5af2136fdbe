// Les captures deviennent des diapos : « Passage » réécrit, attente de la fermeture de la
// fenêtre de capture, compte des captures, messages, fichiers déplacés dans le projet.

#include "Banc.h"
#include "Captures.h"
#include "FichierTexte.h"
#include "PetitDisque.h"

#include <QTextDocumentFragment>
#include <QTimer>
#include <QtTest>

namespace {

// Un projet « P » de n diapos JPEG, ouvert.
struct BancCaptures : Banc {
    explicit BancCaptures(int n, const QString& dossierProjets = {}) {
        if (!dossierProjets.isEmpty())
            bac.projets = dossierProjets;
        QStringList commentaires;
        for (int i = 0; i < n; ++i)
            commentaires << QStringLiteral("diapo %1").arg(i);
        bac.CreerProjet("P", commentaires, QStringList(n, ".jpg"));
        Ouvrir("P");
    }

    QString Capture(int n) const { return Captures::CheminCapture(bac.programme, n); }

    // La fenêtre de capture fermée après avoir laissé ces captures (chacune reconnaissable).
    void Capturer(const QList<int>& numeros) {
        fenetres.capture = [this, numeros](const std::function<void()>& fermee) {
            for (int n : numeros)
                EcrireOctets(Capture(n), "capture " + QByteArray::number(n));
            fermee();
        };
        editeur.CommandeCapturer();
    }

    // Les diapos de premiere à derniere sont les captures 1, 2... dans l'ordre.
    void VerifierNouvelles(int premiere, int derniere) {
        for (int k = premiere; k <= derniere; ++k) {
            QCOMPARE(LireOctets(Projet(QStringLiteral("P%1.jpg").arg(k))),
                     "capture " + QByteArray::number(k - premiere + 1));
            QCOMPARE(editeur.TypeImage[k], QString(".jpg"));
            // Sans commentaire ; celui de la diapo montrée passe par l'éditeur de texte.
            if (k == editeur.NumeroDiapo)
                QCOMPARE(QTextDocumentFragment::fromHtml(editeur.Info[k]).toPlainText().trimmed(),
                         QString());
            else
                QVERIFY(editeur.Info[k].isEmpty());
        }
    }
};

} // namespace

class TestCaptures : public QObject {
    Q_OBJECT
private slots:
    void quatreCapturesApresTroisDiapos();
    void uneCaptureAuSingulier();
    void placePourDeuxSeulement();
    void diaporamaPlein();
    void seuleLaSuiteDepuisUnCompte();
    void aucuneCapture();
    void passageReecrit_data();
    void passageReecrit();
    void attendLaFermeture();
    void sansProjetRienNeSePasse();
    void versUnAutreDisque();
    void disquePleinEnRoute();
};

void TestCaptures::quatreCapturesApresTroisDiapos() {
    BancCaptures b(3);
    b.editeur.CommandeEnregistrer();
    b.dialogues.messages.clear();
    QVERIFY(b.editeur.IndEnregistrer);
    // Un vieux GIF au numéro de la deuxième nouvelle diapo, et un commentaire en cours.
    CreerImage(b.Projet("P4.gif"), 8, 8);
    b.editeur.richtxtTexteInfo.setPlainText("tapé avant de capturer");
    b.Capturer({1, 2, 3, 4});

    QCOMPARE(b.fenetres.montrees, QStringList({"frmReglage"}));
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(b.dialogues.dernier().titre, QString("Capture réussie"));
    QCOMPARE(b.dialogues.dernier().texte, QString("Vous venez de capturer 4 nouvelles diapos."));
    QCOMPARE(b.dialogues.dernier().icone, Icone::Aucune);
    b.VerifierNouvelles(3, 6);
    QVERIFY(!QFile::exists(b.Projet("P4.gif")));
    for (int n = 1; n <= 4; ++n)
        QVERIFY(!QFile::exists(b.Capture(n)));
    QCOMPARE(b.editeur.NbSprite, 7);
    QCOMPARE(b.editeur.NumeroDiapo, 3);
    QCOMPARE(b.editeur.lblNbDiapo, QString("7"));
    QCOMPARE(b.editeur.cheminImageDiapo, b.Projet("P3.jpg"));
    QCOMPARE(b.editeur.txtNumDiapo(), QString("3"));
    // Le commentaire tapé est resté à sa diapo ; le projet est à enregistrer (il l'était).
    QVERIFY(b.editeur.Info[0].contains("tapé avant de capturer"));
    QVERIFY(!b.editeur.IndEnregistrer);
    QVERIFY(!b.editeur.IndHTML);
    // Enregistré, le projet garde les nouvelles diapos.
    b.editeur.CommandeEnregistrer();
    const auto lignes = LireLignes(b.Projet("P.cin"));
    QVERIFY(lignes);
    QCOMPARE(lignes->at(2), QString("NbSprite=7"));
}

void TestCaptures::uneCaptureAuSingulier() {
    BancCaptures b(1);
    b.Capturer({1});
    QCOMPARE(b.dialogues.dernier().texte, QString("Vous venez de capturer 1 nouvelle diapo."));
    b.VerifierNouvelles(1, 1);
    QCOMPARE(b.editeur.NbSprite, 2);
    QCOMPARE(b.editeur.NumeroDiapo, 1);
}

void TestCaptures::placePourDeuxSeulement() {
    BancCaptures b(198);
    b.Capturer({1, 2, 3, 4, 5});
    QCOMPARE(b.dialogues.messages.size(), 2);
    QCOMPARE(b.dialogues.messages[0].texte, QString("Vous venez de capturer 2 nouvelles diapos."));
    // Celles qui restent seraient effacées à la prochaine capture : l'utilisateur le sait.
    const MessageVu restees = b.dialogues.messages[1];
    QCOMPARE(restees.titre, QString("ATTENTION"));
    QVERIFY2(restees.texte.startsWith("3 captures ne sont pas dans le diaporama :\r\n"
                                      "ScreenShot_3.jpg (pas de place : 200 diapos au plus)\r\n"),
             qPrintable(restees.texte));
    QVERIFY(restees.texte.contains("ScreenShot_5.jpg"));
    QVERIFY(restees.texte.contains(QDir::toNativeSeparators(b.bac.programme)));
    b.VerifierNouvelles(198, 199);
    QCOMPARE(b.editeur.NbSprite, 200);
    QCOMPARE(b.editeur.lblNbDiapo, QString("200"));
    QCOMPARE(b.editeur.NumeroDiapo, 198);
    QVERIFY(!QFile::exists(b.Projet("P200.jpg")));
    for (int n = 3; n <= 5; ++n)
        QCOMPARE(LireOctets(b.Capture(n)), "capture " + QByteArray::number(n));
}

void TestCaptures::diaporamaPlein() {
    BancCaptures b(200);
    b.editeur.NumeroDiapo = 17;
    b.editeur.AfficherDiapo();
    const bool enregistre = b.editeur.IndEnregistrer;
    b.Capturer({1, 2});
    QCOMPARE(b.dialogues.messages.size(), 2);
    QCOMPARE(b.dialogues.messages[0].titre, QString());
    QCOMPARE(b.dialogues.messages[0].texte,
             QString("Le diaporama est plein! Il contient déjà 200 diapos !\r\n"
                     "Supprimez des diapos avant de capturer de nouveau."));
    QCOMPARE(b.dialogues.messages[0].icone, Icone::Aucune);
    QVERIFY(b.dialogues.messages[1].texte.startsWith("2 captures ne sont pas dans le diaporama"));
    QCOMPARE(b.editeur.NbSprite, 200);
    QCOMPARE(b.editeur.NumeroDiapo, 17);
    QVERIFY(QFile::exists(b.Capture(1)) && QFile::exists(b.Capture(2)));
    QCOMPARE(b.editeur.IndEnregistrer, enregistre);
}

void TestCaptures::seuleLaSuiteDepuisUnCompte() {
    BancCaptures b(2);
    b.Capturer({1, 2, 4});
    QCOMPARE(b.dialogues.dernier().texte, QString("Vous venez de capturer 2 nouvelles diapos."));
    b.VerifierNouvelles(2, 3);
    QCOMPARE(b.editeur.NbSprite, 4);
    QVERIFY(QFile::exists(b.Capture(4)));

    // Sans la première, aucune ne compte.
    BancCaptures c(2);
    c.Capturer({2, 3});
    QCOMPARE(c.dialogues.dernier().titre, QString("Opération Annulée"));
    QCOMPARE(c.editeur.NbSprite, 2);
}

void TestCaptures::aucuneCapture() {
    BancCaptures b(3);
    b.editeur.CommandeEnregistrer();
    b.dialogues.messages.clear();
    b.Capturer({});
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(b.dialogues.dernier().titre, QString("Opération Annulée"));
    QCOMPARE(b.dialogues.dernier().texte, QString("Aucune capture n'a été effectuée"));
    QCOMPARE(b.dialogues.dernier().icone, Icone::Exclamation);
    QCOMPARE(b.editeur.NbSprite, 3);
    QVERIFY(b.editeur.IndEnregistrer);
}

// La fenêtre de capture trouve dans « Passage » la taille de la diapo montrée et la position
// où son cadre a été laissé ; sans position lisible, le cadre se centrera (-999).
void TestCaptures::passageReecrit_data() {
    QTest::addColumn<QByteArray>("avant");
    QTest::addColumn<QByteArray>("apres");
    QTest::newRow("position gardée") << QByteArray("600\r\n350\r\n1500.7\r\n-45.2\r\n")
                                     << QByteArray("31\r\n21\r\n1500\r\n-46\r\n");
    QTest::newRow("absent") << QByteArray() << QByteArray("31\r\n21\r\n-999\r\n-999\r\n");
    QTest::newRow("court") << QByteArray("600\r\n350\r\n1200\r\n")
                           << QByteArray("31\r\n21\r\n1200\r\n-999\r\n");
    QTest::newRow("illisible") << QByteArray("600\r\n350\r\nabc\r\n99999999999\r\n")
                               << QByteArray("31\r\n21\r\n-999\r\n-999\r\n");
}

void TestCaptures::passageReecrit() {
    QFETCH(QByteArray, avant);
    QFETCH(QByteArray, apres);
    BancCaptures b(2);
    b.editeur.NumeroDiapo = 1; // l'image de la diapo 1 fait 31 x 21
    b.editeur.AfficherDiapo();
    const QString passage = b.bac.programme + "/Passage";
    if (!avant.isEmpty())
        EcrireOctets(passage, avant);
    QByteArray vu;
    b.fenetres.capture = [&](const std::function<void()>& fermee) {
        vu = LireOctets(passage);
        fermee();
    };
    b.editeur.CommandeCapturer();
    QCOMPARE(vu, apres);
}

// La fenêtre se cache et revient à chaque capture : l'éditeur attend sa fermeture, pas le
// retour de l'appel qui l'a montrée.
void TestCaptures::attendLaFermeture() {
    BancCaptures b(1);
    int tours = 0;
    QTimer capture;
    b.fenetres.capture = [&](const std::function<void()>& fermee) {
        QObject::connect(&capture, &QTimer::timeout, [&, fermee] {
            ++tours;
            EcrireOctets(b.Capture(tours), "capture " + QByteArray::number(tours));
            if (tours == 4) {
                capture.stop();
                fermee();
            }
        });
        capture.start(10);
    };
    b.editeur.CommandeCapturer();
    QCOMPARE(tours, 4);
    QCOMPARE(b.dialogues.dernier().texte, QString("Vous venez de capturer 4 nouvelles diapos."));
    b.VerifierNouvelles(1, 4);
}

void TestCaptures::sansProjetRienNeSePasse() {
    Banc b;
    EcrireOctets(Captures::CheminCapture(b.bac.programme, 1), "capture 1");
    b.editeur.CommandeCapturer();
    QVERIFY(b.fenetres.montrees.isEmpty());
    QVERIFY(b.dialogues.messages.isEmpty());
    QVERIFY(!QFile::exists(b.bac.programme + "/Passage"));
}

// Le projet sur un autre disque que le dossier du programme : un renommage y échoue toujours,
// les captures y arrivent quand même (copie, puis effacement).
void TestCaptures::versUnAutreDisque() {
    PetitDisque disque(2048);
    QVERIFY2(disque.valide(), qPrintable(disque.erreur()));
    BancCaptures b(2, disque.dossier("projets"));
    b.Capturer({1, 2, 3});
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(b.dialogues.dernier().texte, QString("Vous venez de capturer 3 nouvelles diapos."));
    b.VerifierNouvelles(2, 4);
    for (int n = 1; n <= 3; ++n)
        QVERIFY(!QFile::exists(b.Capture(n)));
    QCOMPARE(b.editeur.NbSprite, 5);
}

// Le disque du projet se remplit en route : les captures arrivées sont des diapos, les autres
// restent au dossier du programme et l'utilisateur le sait ; aucune diapo vide.
void TestCaptures::disquePleinEnRoute() {
    PetitDisque disque(1024);
    QVERIFY2(disque.valide(), qPrintable(disque.erreur()));
    BancCaptures b(2, disque.dossier("projets"));
    // Trois pages du tmpfs : de quoi recevoir deux petites captures, pas la grosse.
    disque.Remplir(3 * 4096);
    const QByteArray grosse(40000, 'x');
    b.fenetres.capture = [&](const std::function<void()>& fermee) {
        EcrireOctets(b.Capture(1), "capture 1");
        EcrireOctets(b.Capture(2), grosse);
        EcrireOctets(b.Capture(3), "capture 3");
        fermee();
    };
    b.editeur.CommandeCapturer();
    QCOMPARE(b.dialogues.messages.size(), 2);
    QCOMPARE(b.dialogues.messages[0].texte, QString("Vous venez de capturer 2 nouvelles diapos."));
    const MessageVu erreur = b.dialogues.messages[1];
    QCOMPARE(erreur.titre, QString("ERREUR"));
    QVERIFY2(erreur.texte.contains("ScreenShot_2.jpg"), qPrintable(erreur.texte));
    QVERIFY(erreur.texte.contains(QDir::toNativeSeparators(b.bac.programme)));
    // Les captures 1 et 3 sont les diapos 2 et 3, la 2 attend au dossier du programme.
    QCOMPARE(LireOctets(b.Projet("P2.jpg")), QByteArray("capture 1"));
    QCOMPARE(LireOctets(b.Projet("P3.jpg")), QByteArray("capture 3"));
    QVERIFY(!QFile::exists(b.Projet("P4.jpg")));
    QCOMPARE(LireOctets(b.Capture(2)), grosse);
    QCOMPARE(b.editeur.NbSprite, 4);
    QCOMPARE(b.editeur.NumeroDiapo, 2);
}

QTEST_GUILESS_MAIN(TestCaptures)
#include "test_captures.moc"
