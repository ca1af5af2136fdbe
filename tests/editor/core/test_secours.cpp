// La copie de secours : prise, remplacement, remise en place, et ce qu'elle ne doit jamais perdre.

#include "Banc.h"

#include <QtTest>

class TestSecours : public QObject {
    Q_OBJECT
private slots:
    void ouvrirPrendLaFichiersDeSecours();
    void deuxEnregistrementsUneSeuleFichiersDeSecours();
    void annulerRemetLeDossierExactement();
    void annulerSansCopieNePerdRien();
    void fichiersAbsentsSautes_data();
    void fichiersAbsentsSautes();
    void uneSeuleInstanceParDossier();
};

void TestSecours::ouvrirPrendLaFichiersDeSecours() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b", "c"}, {".jpg", ".gif", ".jpg"});
    b.Ouvrir("P");
    const auto copie = FichiersDeSecours(b.bac.secours);
    QCOMPARE(copie.keys(), QStringList({"aaaa.cin", "aaaa.htm", "aaaa.js", "aaaa0.jpg", "aaaa1.gif",
                                        "aaaa2.jpg"}));
    QCOMPARE(copie["aaaa1.gif"], LireOctets(b.Projet("P1.gif")));
    QCOMPARE(copie["aaaa.cin"], LireOctets(b.Projet("P.cin")));
    QCOMPARE(b.editeur.TypeImageSecours[1], QString(".gif"));
    QVERIFY(b.dialogues.progressionsDebutees >= 1);
    QCOMPARE(b.dialogues.dernierAvancement, 3 + 3);

    // Le manifeste décrit la copie : d'où elle vient, ce qu'elle contient, où elle en est.
    const auto m = LireManifeste(b.bac.secours + "/manifeste");
    QVERIFY(m);
    QCOMPARE(m->etat, ManifesteSecours::Etat::Complete);
    QCOMPARE(m->repImage, b.bac.projets + "/P");
    QCOMPARE(m->nomProjet(), QString("P"));
    QCOMPARE(m->dossierProjet(), b.bac.projets);
    QCOMPARE(m->nbSprite, 3);
    QVERIFY(m->complete());
    QCOMPARE(m->fichiers, QStringList({".cin", ".htm", ".js"}));
    const QList<std::pair<int, QString>> images = {{0, ".jpg"}, {1, ".gif"}, {2, ".jpg"}};
    QCOMPARE(m->images, images);
}

void TestSecours::deuxEnregistrementsUneSeuleFichiersDeSecours() {
    Banc b;
    // Une copie plus grande d'une séance précédente ne doit pas laisser de restes.
    CreerImage(b.Secours("7.jpg"), 4, 4);
    b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".gif"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    b.editeur.richtxtTexteInfo.setPlainText("nouveau texte");
    b.editeur.CommandeEnregistrer();

    QMap<QString, QByteArray> attendu;
    attendu["aaaa.cin"] = LireOctets(b.Projet("P.cin"));
    attendu["aaaa.htm"] = LireOctets(b.Projet("P.htm"));
    attendu["aaaa.js"] = LireOctets(b.Projet("P.js"));
    attendu["aaaa0.jpg"] = LireOctets(b.Projet("P0.jpg"));
    attendu["aaaa1.gif"] = LireOctets(b.Projet("P1.gif"));
    QCOMPARE(FichiersDeSecours(b.bac.secours), attendu);
    QVERIFY(attendu["aaaa.cin"].endsWith("nouveau texte<br></font>\r\nb\r\n"));
}

void TestSecours::annulerRemetLeDossierExactement() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b", "c"}, {".gif", ".jpg", ".gif"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    const auto enregistre = Instantane(b.bac.projets);
    Editeur& e = b.editeur;

    // Ce que font les opérations sur les diapos, en place : la diapo 1 est supprimée (les
    // suivantes descendent), la diapo 0 passe de GIF à JPEG, deux diapos sont ajoutées.
    QFile::remove(b.Projet("P1.jpg"));
    QFile::rename(b.Projet("P2.gif"), b.Projet("P1.gif"));
    e.Info[1] = e.Info[2];
    e.TypeImage[1] = ".gif";
    QFile::remove(b.Projet("P0.gif"));
    CreerImage(b.Projet("P0.jpg"), 9, 9, Qt::red);
    e.TypeImage[0] = ".jpg";
    CreerImage(b.Projet("P2.jpg"), 9, 9, Qt::blue);
    CreerImage(b.Projet("P3.gif"), 9, 9, Qt::green);
    e.TypeImage[2] = ".jpg";
    e.TypeImage[3] = ".gif";
    e.NbSprite = 4;
    EcrireOctets(b.Projet("P.htm"), "page régénérée");
    e.IndEnregistrer = false;

    e.AnnulerModifications();
    QVERIFY(e.IndEnregistrer);
    QCOMPARE(Instantane(b.bac.projets), enregistre);
    // La copie a été rendue au projet : il n'en reste rien.
    QVERIFY(FichiersDeSecours(b.bac.secours).isEmpty());
    // Une seconde annulation n'a plus rien à remettre et ne touche à rien.
    e.AnnulerModifications();
    QCOMPARE(Instantane(b.bac.projets), enregistre);
}

void TestSecours::annulerSansCopieNePerdRien() {
    {
        // Aucun projet ouvert : fermer ne touche à rien, pas même une vieille copie.
        Banc b;
        b.bac.CreerProjet("P", {"a"}, {".jpg"});
        EcrireOctets(b.Secours(".cin"), "vieille copie");
        const auto avant = Instantane(b.bac.projets);
        b.editeur.FermetureFenetre();
        QCOMPARE(Instantane(b.bac.projets), avant);
        QCOMPARE(LireOctets(b.Secours(".cin")), QByteArray("vieille copie"));
    }
    {
        // Après « Quitter » + enregistrer, la copie n'existe plus : annuler ne supprime rien.
        Banc b;
        b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".jpg"});
        b.Ouvrir("P");
        QVERIFY(b.editeur.EnregistrerProjet());
        QVERIFY(FichiersDeSecours(b.bac.secours).isEmpty());
        CreerImage(b.Projet("P2.jpg"), 5, 5);
        b.editeur.NbSprite = 3;
        b.editeur.TypeImage[2] = ".jpg";
        const auto avant = Instantane(b.bac.projets);
        b.editeur.AnnulerModifications();
        QCOMPARE(Instantane(b.bac.projets), avant);
    }
}

// Une page jamais faite ou une image manquante au milieu n'arrêtent pas la copie : après la
// suppression d'une diapo, fermer la fenêtre remet des images qui vont avec les commentaires.
void TestSecours::fichiersAbsentsSautes_data() {
    QTest::addColumn<bool>("avecPage");
    QTest::addColumn<int>("imageManquante"); // -1 : aucune
    QTest::addColumn<bool>("enregistrer");   // un enregistrement avant les modifications
    QTest::newRow("sans page ni script") << false << -1 << false;
    QTest::newRow("image manquante au milieu") << true << 2 << false;
    QTest::newRow("les deux") << false << 1 << false;
    QTest::newRow("les deux, après un enregistrement") << false << 3 << true;
}

void TestSecours::fichiersAbsentsSautes() {
    QFETCH(bool, avecPage);
    QFETCH(int, imageManquante);
    QFETCH(bool, enregistrer);
    Banc b;
    b.bac.CreerProjet("P", {"a", "b", "c", "d", "e"}, {".jpg", ".gif", ".jpg", ".gif", ".jpg"});
    if (!avecPage) {
        QFile::remove(b.Projet("P.htm"));
        QFile::remove(b.Projet("P.js"));
    }
    if (imageManquante >= 0)
        QFile::remove(b.Projet(
            QString("P%1.%2").arg(imageManquante).arg(imageManquante % 2 ? "gif" : "jpg")));
    auto enregistre = Instantane(b.bac.projets);
    b.Ouvrir("P");
    if (enregistrer) {
        b.editeur.CommandeEnregistrer();
        QCOMPARE(b.dialogues.dernier().titre, QString("SAUVEGARDE"));
        b.dialogues.messages.clear();
        enregistre = Instantane(b.bac.projets); // le fichier de projet dans la forme de l'éditeur
    }
    QVERIFY(b.editeur.copieSecours().complete());
    QVERIFY(b.dialogues.messages.isEmpty());
    const auto copie = FichiersDeSecours(b.bac.secours);
    QCOMPARE(copie.size(), enregistre.size());
    QCOMPARE(copie.contains("aaaa.htm"), avecPage);
    QCOMPARE(copie.contains("aaaa4.jpg"), true);

    b.editeur.EcrireNumDiapo("0");
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.SupprimerDiapo();
    QVERIFY(Instantane(b.bac.projets) != enregistre);
    b.editeur.FermetureFenetre();
    QCOMPARE(Instantane(b.bac.projets), enregistre);
    QVERIFY(FichiersDeSecours(b.bac.secours).isEmpty());
}

void TestSecours::uneSeuleInstanceParDossier() {
    QTemporaryDir tmp;
    auto premiere = std::make_unique<CopieSecours>(tmp.path());
    CopieSecours seconde(tmp.path());
    QVERIFY(premiere->Verrouiller());
    QVERIFY(!seconde.Verrouiller());
    // Le dossier se libère quand la première s'en va.
    premiere.reset();
    QVERIFY(seconde.Verrouiller());
}

QTEST_GUILESS_MAIN(TestSecours)
#include "test_secours.moc"
