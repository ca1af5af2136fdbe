// La copie de secours : prise, remplacement, remise en place, et ce qu'elle ne doit jamais perdre.

#include "Banc.h"

#include <QtTest>

namespace {
// Le dossier de secours sans le fichier de verrou.
QMap<QString, QByteArray> Copie(const QString& dossier) {
    auto c = Instantane(dossier);
    c.remove("verrou");
    return c;
}
} // namespace

class TestSecours : public QObject {
    Q_OBJECT
private slots:
    void ouvrirPrendLaCopie();
    void deuxEnregistrementsUneSeuleCopie();
    void annulerRemetLeDossierExactement();
    void annulerSansCopieNePerdRien();
    void copieInterrompueNeRemetQueCeQuiExiste();
    void uneSeuleInstanceParDossier();
};

void TestSecours::ouvrirPrendLaCopie() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b", "c"}, {".jpg", ".gif", ".jpg"});
    b.Ouvrir("P");
    const auto copie = Copie(b.bac.secours);
    QCOMPARE(copie.keys(), QStringList({"aaaa.cin", "aaaa.htm", "aaaa.js", "aaaa0.jpg", "aaaa1.gif",
                                        "aaaa2.jpg"}));
    QCOMPARE(copie["aaaa1.gif"], LireOctets(b.Projet("P1.gif")));
    QCOMPARE(copie["aaaa.cin"], LireOctets(b.Projet("P.cin")));
    QCOMPARE(b.editeur.TypeImageSecours[1], QString(".gif"));
    QVERIFY(b.dialogues.progressionsDebutees >= 1);
    QCOMPARE(b.dialogues.dernierAvancement, 3 + 3);
}

void TestSecours::deuxEnregistrementsUneSeuleCopie() {
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
    QCOMPARE(Copie(b.bac.secours), attendu);
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
    QVERIFY(Copie(b.bac.secours).isEmpty());
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
        QVERIFY(Copie(b.bac.secours).isEmpty());
        CreerImage(b.Projet("P2.jpg"), 5, 5);
        b.editeur.NbSprite = 3;
        b.editeur.TypeImage[2] = ".jpg";
        const auto avant = Instantane(b.bac.projets);
        b.editeur.AnnulerModifications();
        QCOMPARE(Instantane(b.bac.projets), avant);
    }
}

void TestSecours::copieInterrompueNeRemetQueCeQuiExiste() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b", "c"}, {".jpg", ".jpg", ".jpg"});
    QFile::remove(b.Projet("P1.jpg")); // la copie s'arrêtera là
    b.Ouvrir("P");
    QVERIFY(b.editeur.copieSecours().existe());
    QVERIFY(!b.editeur.copieSecours().complete());
    QCOMPARE(Copie(b.bac.secours).keys(),
             QStringList({"aaaa.cin", "aaaa.htm", "aaaa.js", "aaaa0.jpg"}));
    const QByteArray image0 = LireOctets(b.Projet("P0.jpg"));
    const QByteArray cin = LireOctets(b.Projet("P.cin"));

    // L'utilisateur remplace les images 0 et 1 et en ajoute une : seule la 0 peut revenir.
    CreerImage(b.Projet("P0.jpg"), 7, 7, Qt::red);
    CreerImage(b.Projet("P1.jpg"), 7, 7, Qt::red);
    CreerImage(b.Projet("P3.jpg"), 7, 7, Qt::red);
    const QByteArray image2 = LireOctets(b.Projet("P2.jpg"));
    b.editeur.NbSprite = 4;
    b.editeur.TypeImage[3] = ".jpg";
    EcrireOctets(b.Projet("P.cin"), "modifié");

    b.editeur.AnnulerModifications();
    QCOMPARE(LireOctets(b.Projet("P0.jpg")), image0);
    QCOMPARE(LireOctets(b.Projet("P.cin")), cin);
    QVERIFY(QFile::exists(b.Projet("P1.jpg")));
    QCOMPARE(LireOctets(b.Projet("P2.jpg")), image2);
    QVERIFY(QFile::exists(b.Projet("P3.jpg")));
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
