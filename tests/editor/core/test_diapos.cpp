// Ajouter, changer et supprimer des diapos : fichiers du projet, tables et drapeaux.

#include "Banc.h"
#include "ChoixImage.h"

#include <QtTest>

namespace {
struct BancDiapos : Banc {
    FaussesFenetres& choix = fenetres;
};
} // namespace

class TestDiapos : public QObject {
    Q_OBJECT
private slots:
    void supprimerAuMilieu();
    void supprimerLaDerniere();
    void supprimerRefus();
    void supprimerDeplacementImpossible();
    void ajouterAnnuleNeChangeRien();
    void ajouterJusquA200();
    void ajouterDepuisLaFenetre();
    void changerGifEnJpeg();
    void validerSansFichierOuSansTexte();
    void fichierDuProjetJamaisDetruit();
};

void TestDiapos::supprimerAuMilieu() {
    BancDiapos b;
    b.bac.CreerProjet("P", {"c0", "c1", "c2", "c3", "c4"},
                      {".jpg", ".gif", ".gif", ".jpg", ".gif"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    const QByteArray image3 = LireOctets(b.Projet("P3.jpg"));
    const QByteArray image4 = LireOctets(b.Projet("P4.gif"));
    b.editeur.EcrireNumDiapo("2");
    b.dialogues.messages.clear();
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.SupprimerDiapo();

    const MessageVu q = b.dialogues.messages.value(0);
    QCOMPARE(q.titre, QString("ATTENTION"));
    QCOMPARE(q.texte, QString("Voulez-vous supprimer la diapo en cours ?"));
    QCOMPARE(q.boutons, Boutons::OuiNon);
    QCOMPARE(q.icone, Icone::Critique);
    Editeur& e = b.editeur;
    QCOMPARE(e.NbSprite, 4);
    QCOMPARE(e.NumeroDiapo, 2);
    QCOMPARE(LireOctets(b.Projet("P2.jpg")), image3);
    QCOMPARE(LireOctets(b.Projet("P3.gif")), image4);
    QVERIFY(!QFile::exists(b.Projet("P2.gif")));
    QVERIFY(!QFile::exists(b.Projet("P4.gif")));
    QVERIFY(!QFile::exists(b.Projet("P3.jpg")));
    QCOMPARE(QStringList({e.Info[0], e.Info[1], e.Info[2], e.Info[3]}),
             QStringList({Html("c0"), "c1", "c3", "c4"}));
    QCOMPARE(e.TypeImage[2], QString(".jpg"));
    QCOMPARE(e.TypeImage[3], QString(".gif"));
    QCOMPARE(e.lblNbDiapo, QString("4"));
    QCOMPARE(e.cheminImageDiapo, b.Projet("P2.jpg"));
    QVERIFY(!e.IndEnregistrer);
    QVERIFY(!e.IndHTML);
}

void TestDiapos::supprimerLaDerniere() {
    BancDiapos b;
    b.bac.CreerProjet("P", {"a", "b", "c"}, {".jpg", ".jpg", ".gif"});
    b.Ouvrir("P");
    b.editeur.EcrireNumDiapo("2");
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.SupprimerDiapo();
    QCOMPARE(b.editeur.NbSprite, 2);
    QCOMPARE(b.editeur.NumeroDiapo, 1);
    QVERIFY(!QFile::exists(b.Projet("P2.gif")));
    QCOMPARE(b.editeur.cheminImageDiapo, b.Projet("P1.jpg"));
}

void TestDiapos::supprimerRefus() {
    BancDiapos b;
    b.bac.CreerProjet("P", {"seule"}, {".jpg"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    b.dialogues.messages.clear();
    b.editeur.SupprimerDiapo();
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ALERTE"));
    QCOMPARE(m.texte, QString("Impossible de supprimer la dernière diapo !"));
    QCOMPARE(m.boutons, Boutons::OK);
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(b.editeur.NbSprite, 1);
    QVERIFY(QFile::exists(b.Projet("P0.jpg")));
    QVERIFY(b.editeur.IndEnregistrer);

    // Deux diapos, réponse Non : rien ne bouge.
    BancDiapos d;
    d.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".jpg"});
    d.Ouvrir("P");
    const auto avant = Instantane(d.bac.projets);
    d.dialogues.reponses = {Reponse::Non};
    d.editeur.SupprimerDiapo();
    QCOMPARE(d.editeur.NbSprite, 2);
    QCOMPARE(Instantane(d.bac.projets), avant);
}

void TestDiapos::supprimerDeplacementImpossible() {
    BancDiapos b;
    b.bac.CreerProjet("P", {"c0", "c1", "c2", "c3"}, {".jpg", ".jpg", ".gif", ".jpg"});
    // La place où l'image 2 doit descendre est prise par un dossier non vide.
    QDir().mkpath(b.Projet("P1.gif/bloque"));
    b.Ouvrir("P");
    b.editeur.EcrireNumDiapo("1");
    b.dialogues.messages.clear();
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.SupprimerDiapo();

    Editeur& e = b.editeur;
    QCOMPARE(b.dialogues.messages.size(), 2);
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ALERTE"));
    QVERIFY2(m.texte.contains("diapo 2 n'a pas pu être déplacée à la place 1"),
             qPrintable(m.texte));
    // Les tables restent d'accord avec les fichiers : la place 1 est vide, la suite n'a pas bougé.
    QCOMPARE(e.NbSprite, 4);
    QCOMPARE(e.NumeroDiapo, 1);
    QCOMPARE(e.Info[1], QString());
    QCOMPARE(e.Info[2], QString("c2"));
    QCOMPARE(e.TypeImage[2], QString(".gif"));
    QVERIFY(QFile::exists(b.Projet("P2.gif")));
    QVERIFY(QFile::exists(b.Projet("P3.jpg")));
    QVERIFY(!QFile::exists(b.Projet("P1.jpg")));
}

void TestDiapos::ajouterAnnuleNeChangeRien() {
    BancDiapos b;
    b.bac.CreerProjet("P", {"a"}, {".jpg"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    const auto avant = Instantane(b.bac.projets);
    b.editeur.AjouterDiapo();
    QCOMPARE(b.choix.ajoutsMontres, 1);
    QCOMPARE(b.choix.titre, QString("Ajouter une diapo"));
    QCOMPARE(b.choix.commentaire, QString("Insérez ici le texte accompagnant la photo"));
    QCOMPARE(b.editeur.NbSprite, 1);
    QVERIFY(b.editeur.IndEnregistrer);
    QVERIFY(b.editeur.IndHTML);
    QCOMPARE(Instantane(b.bac.projets), avant);
}

void TestDiapos::ajouterJusquA200() {
    BancDiapos b;
    QStringList textes;
    for (int i = 0; i < 200; ++i)
        textes << QString::number(i);
    b.bac.CreerProjet("P", textes, {".jpg"});
    b.Ouvrir("P");
    CreerImage(b.bac.racine.filePath("nouvelle.gif"), 12, 8);
    b.choix.ajout = [&] {
        QVERIFY(ValiderAjout(b.editeur, b.bac.racine.path(), "nouvelle.gif", "ajoutée\nici"));
    };
    b.editeur.AjouterDiapo();
    QCOMPARE(b.choix.ajoutsMontres, 0); // 200 diapos : ignoré, sans message
    QVERIFY(b.dialogues.messages.isEmpty());

    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.SupprimerDiapo();
    QCOMPARE(b.editeur.NbSprite, 199);
    b.editeur.AjouterDiapo();
    QCOMPARE(b.choix.ajoutsMontres, 1);
    QCOMPARE(b.editeur.NbSprite, 200);
    QCOMPARE(b.editeur.NumeroDiapo, 199);
    QCOMPARE(b.editeur.TypeImage[199], QString(".gif"));
    QCOMPARE(b.editeur.Info[199], Html("ajoutée<br>ici"));
    QVERIFY(QFile::exists(b.Projet("P199.gif")));
    QCOMPARE(b.editeur.lblNbDiapo, QString("200"));
    QVERIFY(!b.editeur.IndHTML);
}

void TestDiapos::ajouterDepuisLaFenetre() {
    BancDiapos b;
    b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".jpg"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    CreerImage(b.bac.racine.filePath("photos/Vue.JPG"), 50, 40);
    b.choix.ajout = [&] {
        QVERIFY(
            ValiderAjout(b.editeur, b.bac.racine.filePath("photos/"), "Vue.JPG", "Une vue\r\n"));
    };
    b.editeur.AjouterDiapo();
    QCOMPARE(b.editeur.NbSprite, 3);
    QCOMPARE(b.editeur.InsertTypeImage, QString(".jpg"));
    QCOMPARE(LireOctets(b.Projet("P2.jpg")), LireOctets(b.bac.racine.filePath("photos/Vue.JPG")));
    QCOMPARE(b.editeur.Info[2], Html("Une vue"));
    QCOMPARE(b.editeur.lblLongueur, QString("L = 50"));
    QVERIFY(!b.editeur.IndEnregistrer);
}

void TestDiapos::changerGifEnJpeg() {
    BancDiapos b;
    b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".gif"});
    b.Ouvrir("P");
    b.editeur.EcrireNumDiapo("1");
    b.editeur.CommandeEnregistrer();
    CreerImage(b.bac.racine.filePath("neuve.jpg"), 33, 22);
    b.choix.changement = [&] {
        QVERIFY(ValiderChangement(b.editeur, b.bac.racine.path(), "neuve.jpg"));
    };
    b.editeur.ChangerDiapo();
    QVERIFY(!QFile::exists(b.Projet("P1.gif")));
    QCOMPARE(LireOctets(b.Projet("P1.jpg")), LireOctets(b.bac.racine.filePath("neuve.jpg")));
    QCOMPARE(b.editeur.TypeImage[1], QString(".jpg"));
    QCOMPARE(b.editeur.Info[1], Html("b"));
    QCOMPARE(b.editeur.lblLongueur, QString("L = 33"));
    // Changer d'image ne touche pas aux drapeaux.
    QVERIFY(b.editeur.IndEnregistrer);
    QVERIFY(b.editeur.IndHTML);

    // Abandon : rien ne change.
    const auto avant = Instantane(b.bac.projets);
    b.choix.changement = [&] { b.editeur.InsertTypeImage = "ABORT"; };
    b.editeur.ChangerDiapo();
    QCOMPARE(Instantane(b.bac.projets), avant);
    QCOMPARE(b.editeur.TypeImage[1], QString(".jpg"));
}

void TestDiapos::validerSansFichierOuSansTexte() {
    BancDiapos b;
    b.bac.CreerProjet("P", {"a"}, {".jpg"});
    b.Ouvrir("P");
    CreerImage(b.bac.racine.filePath("x.gif"), 5, 5);
    const QString dossier = b.bac.racine.path();
    Editeur& e = b.editeur;

    b.dialogues.reponses = {Reponse::Non, Reponse::Oui};
    QVERIFY(!ValiderAjout(e, dossier, "", "texte"));
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("QUITTER"));
    QCOMPARE(m.texte, QString("Vous n'avez pas sélectionné d'image.\rVoulez-vous quitter ?"));
    QCOMPARE(m.boutons, Boutons::OuiNon);
    QVERIFY(ValiderAjout(e, dossier, "", "texte"));
    QCOMPARE(e.NbSprite, 1);

    // Commentaire d'attente, avec ou sans fin de ligne, ou vide : la question, puis au choix.
    for (const QString& texte :
         {QString("Insérez ici le texte accompagnant la photo\r\n"),
          QString("Insérez ici le texte accompagnant la photo"), QString()}) {
        b.dialogues.reponses = {Reponse::Non};
        QVERIFY(!ValiderAjout(e, dossier, "x.gif", texte));
        QCOMPARE(b.dialogues.dernier().texte,
                 QString("Vous n'avez pas entré de texte.\rVoulez-vous quitter ?"));
        QCOMPARE(e.NbSprite, 1);
    }
    b.dialogues.reponses = {Reponse::Oui};
    QVERIFY(ValiderAjout(e, dossier, "x.gif", "Insérez ici le texte accompagnant la photo\r\n"));
    QCOMPARE(e.NbSprite, 2);
    QCOMPARE(e.InsertTexte, QString("Insérez ici le texte accompagnant la photo\r\n"));
    QVERIFY(QFile::exists(b.Projet("P1.gif")));

    // Le choix de l'image à changer sans fichier : « ABORT » sur Oui, rien sur Non.
    e.InsertTypeImage.clear();
    b.dialogues.reponses = {Reponse::Non};
    QVERIFY(!ValiderChangement(e, dossier, ""));
    QCOMPARE(e.InsertTypeImage, QString());
    b.dialogues.reponses = {Reponse::Oui};
    QVERIFY(ValiderChangement(e, dossier, ""));
    QCOMPARE(e.InsertTypeImage, QString("ABORT"));
}

void TestDiapos::fichierDuProjetJamaisDetruit() {
    BancDiapos b;
    b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".jpg"});
    b.Ouvrir("P");
    const QByteArray image1 = LireOctets(b.Projet("P1.jpg"));
    b.editeur.EcrireNumDiapo("1");
    // La diapo 1 reprend sa propre image, désignée par des chemins différents.
    QDir().mkpath(b.Projet("sous"));
    QFile::link(b.bac.projets, b.bac.racine.filePath("lien"));
    for (const QString& dossier :
         {b.bac.projets, b.bac.projets + "/", b.Projet("sous/.."), b.bac.racine.filePath("lien")}) {
        QVERIFY(ValiderChangement(b.editeur, dossier, "P1.jpg"));
        QCOMPARE(LireOctets(b.Projet("P1.jpg")), image1);
    }
    // Ajouter l'image 0 du projet comme nouvelle diapo : copiée, l'originale intacte.
    const QByteArray image0 = LireOctets(b.Projet("P0.jpg"));
    QVERIFY(ValiderAjout(b.editeur, b.Projet("sous/.."), "P0.jpg", "copie"));
    QCOMPARE(LireOctets(b.Projet("P0.jpg")), image0);
    QCOMPARE(LireOctets(b.Projet("P2.jpg")), image0);
}

QTEST_GUILESS_MAIN(TestDiapos)
#include "test_diapos.moc"
