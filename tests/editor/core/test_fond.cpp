// « Changer le fond d'un diaporama » : les textures dans l'ordre de la liste, la texture reconnue
// d'une ouverture à l'autre, et la copie sur le fond du projet (ou rien, dit à l'utilisateur).

#include "Banc.h"
#include "ChoixFond.h"
#include "PetitDisque.h"

#include <QDir>
#include <QtTest>

namespace {
struct BancFond : Banc {
    QString textures = bac.programme + "/Textures";
    // La fenêtre jouée : la position choisie puis OK (-1 : Annuler).
    int choix = -1;
    QStringList vues; // la texture montrée à chaque ouverture

    BancFond() {
        QDir().mkpath(textures);
        CreerImage(textures + "/Sable.jpg", 32, 32, QColor(220, 200, 150));
        CreerImage(textures + "/bois.jpg", 32, 32, QColor(120, 80, 40));
        CreerImage(textures + "/Ardoise.jpg", 32, 32, QColor(60, 70, 80));
        EcrireOctets(textures + "/Lisez-moi.txt", "pas une texture");
        fenetres.fondEcran = [this] {
            ChoixFond f(bac.programme);
            f.Ouvrir(editeur.NomFond);
            vues << f.nom();
            if (choix >= 0)
                f.Defiler(choix);
            editeur.NomFond = choix >= 0 ? f.nom() : QString();
        };
        bac.CreerProjet("P", {"a"}, {".jpg"});
        CreerImage(Projet("imgFond.jpg"), 16, 16, Qt::lightGray);
        Ouvrir("P");
        dialogues.messages.clear();
    }
};
} // namespace

class TestFond : public QObject {
    Q_OBJECT
private slots:
    void texturesDansLOrdre();
    void annulerAuPremierUsage();
    void choisirPuisRouvrir();
    void nomAUneMajusculePres();
    void rienSansProjetNomme();
    void textureIllisibleRefusee();
    void disquePleinGardeLeFond();
};

void TestFond::texturesDansLOrdre() {
    BancFond b;
    ChoixFond f(b.bac.programme);
    f.Ouvrir(QString());
    QCOMPARE(f.textures(), QStringList({"Ardoise.jpg", "bois.jpg", "Sable.jpg"}));
    QCOMPARE(f.maximum(), 2);
    QCOMPARE(f.nom(), QString("Ardoise.jpg"));
    QCOMPARE(f.libelle(), QString("Ardoise"));
    f.Defiler(2);
    QCOMPARE(f.chemin(), b.textures + "/Sable.jpg");
    f.Defiler(7);
    QCOMPARE(f.position(), 2);
    // Sans texture, rien à montrer ni à choisir.
    QDir(b.textures).removeRecursively();
    f.Ouvrir("Sable.jpg");
    QCOMPARE(f.maximum(), 0);
    QCOMPARE(f.nom(), QString());
    QCOMPARE(f.libelle(), QString());
}

void TestFond::annulerAuPremierUsage() {
    BancFond b;
    const QByteArray fond = LireOctets(b.Projet("imgFond.jpg"));
    b.editeur.CommandeChangerFond();
    QCOMPARE(b.fenetres.montrees, QStringList{"frmFondEcran"});
    QCOMPARE(b.vues, QStringList{"Ardoise.jpg"});
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.messages[0];
    QCOMPARE(m.titre, QString()); // le nom du programme
    QCOMPARE(m.texte, QString("Opération annulée."));
    QCOMPARE(m.boutons, Boutons::OK);
    QCOMPARE(LireOctets(b.Projet("imgFond.jpg")), fond);
}

// Une texture choisie est copiée à l'octet près ; la fenêtre rouverte repart d'elle ; Annuler
// ensuite la laisse en place.
void TestFond::choisirPuisRouvrir() {
    BancFond b;
    b.choix = 2;
    b.editeur.CommandeChangerFond();
    QVERIFY(b.dialogues.messages.isEmpty());
    QCOMPARE(b.editeur.NomFond, QString("Sable.jpg"));
    QCOMPARE(LireOctets(b.Projet("imgFond.jpg")), LireOctets(b.textures + "/Sable.jpg"));
    // Le fond ne fait pas partie de ce qu'il faut enregistrer ni de la page à refaire.
    QVERIFY(b.editeur.IndHTML);
    b.choix = -1;
    b.editeur.CommandeChangerFond();
    QCOMPARE(b.vues.last(), QString("Sable.jpg"));
    QCOMPARE(b.dialogues.dernier().texte, QString("Opération annulée."));
    QCOMPARE(LireOctets(b.Projet("imgFond.jpg")), LireOctets(b.textures + "/Sable.jpg"));
    // Après Annuler, la fenêtre repart de la première texture.
    b.editeur.CommandeChangerFond();
    QCOMPARE(b.vues.last(), QString("Ardoise.jpg"));
}

void TestFond::nomAUneMajusculePres() {
    BancFond b;
    b.editeur.NomFond = "sable.jpg";
    ChoixFond f(b.bac.programme);
    f.Ouvrir(b.editeur.NomFond);
    QCOMPARE(f.position(), 0);
    f.Ouvrir("Bois.jpg");
    QCOMPARE(f.nom(), QString("Ardoise.jpg"));
    f.Ouvrir("bois.jpg");
    QCOMPARE(f.nom(), QString("bois.jpg"));
}

// Sans projet ouvert, ou avec le projet par défaut : ni fenêtre ni message.
void TestFond::rienSansProjetNomme() {
    {
        Banc b;
        b.editeur.CommandeChangerFond();
        QVERIFY(b.fenetres.montrees.isEmpty());
        QVERIFY(b.dialogues.messages.isEmpty());
    }
    {
        Banc b;
        b.editeur.NouveauProjet();
        const auto avant = Instantane(b.bac.programme);
        b.editeur.CommandeChangerFond();
        QVERIFY(b.fenetres.montrees.isEmpty());
        QVERIFY(b.dialogues.messages.isEmpty());
        QCOMPARE(Instantane(b.bac.programme), avant);
    }
}

// Un fichier « .jpg » qui n'est pas une image ne remplace pas le fond.
void TestFond::textureIllisibleRefusee() {
    BancFond b;
    EcrireOctets(b.textures + "/Abimee.jpg", "pas une image");
    const QByteArray fond = LireOctets(b.Projet("imgFond.jpg"));
    b.choix = 0;
    b.editeur.CommandeChangerFond();
    QCOMPARE(b.editeur.NomFond, QString("Abimee.jpg"));
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(b.dialogues.messages[0].titre, QString("ERREUR"));
    QVERIFY(b.dialogues.messages[0].texte.contains("la texture n'est pas une image JPEG lisible"));
    QCOMPARE(LireOctets(b.Projet("imgFond.jpg")), fond);
}

void TestFond::disquePleinGardeLeFond() {
    PetitDisque disque(256);
    QVERIFY2(disque.valide(), qPrintable(disque.erreur()));
    BancFond b;
    QImage grande(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            grande.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    QVERIFY(grande.save(b.textures + "/Ardoise.jpg", "JPEG", 100));
    b.bac.projets = disque.dossier("projets");
    b.bac.CreerProjet("Q", {"a"}, {".jpg"});
    CreerImage(b.Projet("imgFond.jpg"), 16, 16, Qt::lightGray);
    b.dialogues.reponses = {Reponse::Non}; // P, tout juste ouvert, n'est pas à enregistrer
    b.Ouvrir("Q");
    b.editeur.CommandeEnregistrer();
    b.dialogues.messages.clear();
    disque.Remplir(0);
    const auto avant = Instantane(b.bac.projets);
    b.choix = 0;
    b.editeur.CommandeChangerFond();
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(b.dialogues.messages[0].titre, QString("ERREUR"));
    QVERIFY(b.dialogues.messages[0].texte.startsWith("Le fond du diaporama n'a pas pu être "
                                                     "changé :"));
    QCOMPARE(Instantane(b.bac.projets), avant);
}

QTEST_MAIN(TestFond)
#include "test_fond.moc"
