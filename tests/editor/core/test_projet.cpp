// Le fichier de projet : lecture, écriture octet pour octet, fichiers endommagés.

#include "Banc.h"
#include "FichierProjet.h"

#include <QtTest>

class TestProjet : public QObject {
    Q_OBJECT
private slots:
    void vacancesOctetPourOctet();
    void lignesUnEtDeuxIndicatives();
    void caracteresHorsPageDeCode();
    void gifOuJpeg();
    void ligneDuNombre_data();
    void ligneDuNombre();
    void zeroDiapoLaisseLEtat();
    void fichiersEndommages_data();
    void fichiersEndommages();
    void refusGardeLeProjetOuvert();
    void commentaireAvecGuillemetsEtBarre();
};

void TestProjet::vacancesOctetPourOctet() {
    Banc b;
    // Le fichier lui-même, lu puis réécrit tel quel.
    const QByteArray exemple = "Nom=Vacances\r\nRepertoire=D:\\Diapos\r\nNbSprite=2\r\n"
                               "Tag=Nos vacances\r\nSur la <b>plage</b><br>\r\nLe port<br>\r\n";
    EcrireOctets(b.Projet("Exemple.cin"), exemple);
    const LectureProjet lu = LireFichierProjet(b.Projet("Exemple.cin"));
    QVERIFY(lu.accepte);
    QCOMPARE(lu.infos, QStringList({"Sur la <b>plage</b><br>", "Le port<br>"}));
    QVERIFY(EcrireFichierProjet(b.Projet("Copie.cin"),
                                {"Vacances", "D:\\Diapos", 2, lu.entete, lu.infos.data()}));
    QCOMPARE(LireOctets(b.Projet("Copie.cin")), exemple);

    // Par l'éditeur : la diapo montrée est relue depuis l'éditeur de commentaire, qui l'écrit
    // sous sa forme complète ; un projet écrit par l'éditeur revient donc à l'identique.
    const QByteArray attendu = "Nom=Vacances\r\nRepertoire=" + b.bac.projets.toUtf8() +
                               "\r\nNbSprite=2\r\nTag=Nos vacances\r\n" +
                               Html("Sur la <b>plage</b>").toUtf8() + "\r\nLe port<br>\r\n";
    EcrireOctets(b.Projet("Vacances.cin"), attendu);
    CreerImage(b.Projet("Vacances0.gif"), 20, 10);
    CreerImage(b.Projet("Vacances1.jpg"), 20, 10);

    b.Ouvrir("Vacances");
    QVERIFY(b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NbSprite, 2);
    QCOMPARE(b.editeur.Entete, QString("Nos vacances"));
    QCOMPARE(b.editeur.txtEntete, QString("Nos vacances"));
    QCOMPARE(b.editeur.Info[0], Html("Sur la <b>plage</b>"));
    QCOMPARE(b.editeur.Info[1], QString("Le port<br>"));
    QCOMPARE(b.editeur.RepImage, b.bac.projets + "/Vacances");
    QCOMPARE(b.editeur.lblNomDiapo, QString("Vacances"));
    QCOMPARE(b.editeur.lblNbDiapo, QString("2"));
    // Montrer la première diapo écrit le champ du commentaire : le projet compte comme modifié.
    QVERIFY(!b.editeur.IndEnregistrer);

    b.editeur.CommandeEnregistrer();
    QCOMPARE(LireOctets(b.Projet("Vacances.cin")), attendu);
    QCOMPARE(b.dialogues.dernier().titre, QString("SAUVEGARDE"));
    QCOMPARE(b.dialogues.dernier().texte, QString("Enregistrement réussi."));
    QCOMPARE(b.dialogues.dernier().icone, Icone::Aucune);
    QVERIFY(b.editeur.IndEnregistrer);

    // Et une deuxième fois, à l'identique.
    b.editeur.CommandeEnregistrer();
    QCOMPARE(LireOctets(b.Projet("Vacances.cin")), attendu);
}

void TestProjet::lignesUnEtDeuxIndicatives() {
    Banc b;
    EcrireOctets(b.Projet("Vacances.cin"), "Nom=Autre\r\nRepertoire=D:\\Diapos\r\nNbSprite=1\r\n"
                                           "Tag=T\r\nUn<br>\r\n");
    b.Ouvrir("Vacances", b.bac.projets + "/");
    QCOMPARE(b.editeur.RepertoireProjet, b.bac.projets);
    QCOMPARE(b.editeur.NomProjet, QString("Vacances"));
    QCOMPARE(b.editeur.RepImage, b.bac.projets + "/Vacances");
    b.editeur.CommandeEnregistrer();
    QCOMPARE(LireOctets(b.Projet("Vacances.cin")),
             "Nom=Vacances\r\nRepertoire=" + b.bac.projets.toUtf8() +
                 "\r\nNbSprite=1\r\nTag=T\r\n" + Html("Un").toUtf8() + "\r\n");
}

void TestProjet::caracteresHorsPageDeCode() {
    Banc b;
    b.bac.CreerProjet("Ete", {"x"}, {".jpg"});
    b.Ouvrir("Ete");
    const QString commentaire = QString::fromUtf8("Été à Ωmega 😀 «guillemets» — œuvre €");
    const QString entete = QString::fromUtf8("Vacances d'été 🌞 Δ");
    b.editeur.richtxtTexteInfo.setPlainText(commentaire);
    b.editeur.txtEntete = entete;
    b.editeur.CommandeEnregistrer();

    const QByteArray octets = LireOctets(b.Projet("Ete.cin"));
    // Les lettres de la page de code sont des octets simples, le reste des références.
    QVERIFY(octets.contains("Tag=Vacances d'\xE9t\xE9 &#127774; &#916;\r\n"));
    QVERIFY(octets.contains("\xC9t\xE9 \xE0 &#937;mega &#128512; \xAB"
                            "guillemets\xBB \x97 \x9C"
                            "uvre \x80<br></font>\r\n"));

    Banc relu;
    EcrireOctets(relu.Projet("Ete.cin"), octets);
    relu.Ouvrir("Ete");
    QCOMPARE(relu.editeur.Info[0], Html(commentaire));
    QCOMPARE(relu.editeur.Entete, entete);
}

void TestProjet::gifOuJpeg() {
    Banc b;
    b.bac.CreerProjet("Mix", {"a", "b", "c", "d"}, {".gif", ".jpg", ".gif", ".jpg"});
    CreerImage(b.Projet("Mix2.jpg"), 5, 5); // les deux existent : c'est un GIF
    QFile::remove(b.Projet("Mix3.jpg"));    // aucun : pris pour un JPEG
    b.Ouvrir("Mix");
    QCOMPARE(b.editeur.TypeImage[0], QString(".gif"));
    QCOMPARE(b.editeur.TypeImage[1], QString(".jpg"));
    QCOMPARE(b.editeur.TypeImage[2], QString(".gif"));
    QCOMPARE(b.editeur.TypeImage[3], QString(".jpg"));
}

void TestProjet::ligneDuNombre_data() {
    QTest::addColumn<QByteArray>("ligne");
    QTest::addColumn<int>("nombre");
    QTest::newRow("entier") << QByteArray("NbSprite=2") << 2;
    QTest::newRow("moitie vers le pair") << QByteArray("NbSprite=2.5") << 2;
    QTest::newRow("moitie vers le pair, au-dessus") << QByteArray("NbSprite=1.5") << 2;
    QTest::newRow("fraction") << QByteArray("NbSprite=2.7") << 3;
    QTest::newRow("texte ensuite") << QByteArray("NbSprite=2 diapos") << 2;
    QTest::newRow("sans nombre") << QByteArray("NbSprite=abc") << 0;
    QTest::newRow("vide") << QByteArray("NbSprite=") << 0;
}

void TestProjet::ligneDuNombre() {
    QFETCH(QByteArray, ligne);
    QFETCH(int, nombre);
    Bac bac;
    EcrireOctets(bac.projets + "/P.cin", "Nom=P\r\nRepertoire=x\r\n" + ligne +
                                             "\r\nTag=t\r\n"
                                             "un\r\ndeux\r\ntrois\r\n");
    const LectureProjet l = LireFichierProjet(bac.projets + "/P.cin");
    QVERIFY(l.accepte);
    QCOMPARE(l.nbSprite, nombre);
    QCOMPARE(l.infos.size(), nombre);
    if (nombre > 0)
        QCOMPARE(l.infos.first(), QString("un"));

    // Sans ligne de nombre du tout, le fichier n'est pas un projet vide mais un projet abîmé
    // (fichiersEndommages).
}

void TestProjet::zeroDiapoLaisseLEtat() {
    Banc b;
    b.bac.CreerProjet("Plein", {"premier", "second"}, {".jpg", ".gif"}, "Entete plein");
    b.Ouvrir("Plein");
    b.editeur.CommandeEnregistrer();
    const auto secoursAvant = Instantane(b.bac.secours);
    const QString image = b.editeur.cheminImageDiapo;

    EcrireOctets(b.Projet("Vide.cin"), "Nom=Vide\r\nRepertoire=x\r\nNbSprite=0\r\nTag=autre\r\n");
    b.Ouvrir("Vide");
    QVERIFY(b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NbSprite, 0);
    QCOMPARE(b.editeur.RepImage, b.bac.projets + "/Vide");
    // Rien d'autre ne bouge : entête, étiquettes, commentaires, image, copie de secours.
    QCOMPARE(b.editeur.Entete, QString("Entete plein"));
    QCOMPARE(b.editeur.lblNomDiapo, QString("Plein"));
    QCOMPARE(b.editeur.lblNbDiapo, QString("2"));
    QCOMPARE(b.editeur.Info[0], Html("premier"));
    QCOMPARE(b.editeur.cheminImageDiapo, image);
    QCOMPARE(Instantane(b.bac.secours), secoursAvant);

    // La copie de secours reste celle de « Plein » : fermer ne la verse pas dans « Vide ».
    b.editeur.FermetureFenetre();
    QCOMPARE(LireOctets(b.Projet("Vide.cin")),
             QByteArray("Nom=Vide\r\nRepertoire=x\r\nNbSprite=0\r\nTag=autre\r\n"));
    QVERIFY(QFile::exists(b.Projet("Plein.cin")));
    QVERIFY(!QFile::exists(b.Projet("Vide0.jpg")));
}

void TestProjet::fichiersEndommages_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("raison");
    const QByteArray tete = "Nom=P\r\nRepertoire=x\r\n";
    QTest::newRow("plus de 200") << tete + "NbSprite=201\r\nTag=t\r\n"
                                 << "entre 0 et 200";
    QTest::newRow("negatif") << tete + "NbSprite=-1\r\nTag=t\r\n"
                             << "entre 0 et 200";
    QTest::newRow("enorme") << tete + "NbSprite=1e300\r\nTag=t\r\n"
                            << "entre 0 et 200";
    QTest::newRow("commentaires manquants") << tete + "NbSprite=3\r\nTag=t\r\nun\r\ndeux\r\n"
                                            << "ne contient que 2";
    QTest::newRow("entete manquante") << tete + "NbSprite=1\r\n"
                                      << "lignes d'en-tête";
    QTest::newRow("vide") << QByteArray() << "lignes d'en-tête";
    QTest::newRow("sans ligne de nombre") << tete << "lignes d'en-tête";
    QTest::newRow("sans clé NbSprite") << tete + "3\r\nTag=t\r\na\r\nb\r\nc\r\n"
                                       << "lignes d'en-tête";
    QTest::newRow("sans clé Tag") << tete + "NbSprite=0\r\nEntete\r\n"
                                  << "lignes d'en-tête";
    QByteArray binaire = tete + "NbSprite=1\r\nTag=t\r\n";
    binaire.append('\0').append("\x01\x02\xFF\r\n");
    QTest::newRow("binaire") << binaire << "binaires";
    QTest::newRow("ligne de 100 Mo")
        << tete + "NbSprite=1\r\nTag=t\r\n" + QByteArray(100 * 1024 * 1024, 'x') + "\r\n"
        << "";
}

void TestProjet::fichiersEndommages() {
    QFETCH(QByteArray, contenu);
    QFETCH(QString, raison);
    Banc b;
    EcrireOctets(b.Projet("P.cin"), contenu);
    contenu.clear();
    b.Ouvrir("P");
    QVERIFY(!b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NbSprite, 0);
    QCOMPARE(b.editeur.NomProjet, QString());
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("PROJET ILLISIBLE"));
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(m.boutons, Boutons::OK);
    QVERIFY2(m.texte.contains(raison), qPrintable(m.texte));
    QVERIFY(m.texte.contains(b.Projet("P.cin")));
    // Rien d'écrit : ni copie de secours, ni fichier touché.
    QVERIFY(Instantane(b.bac.secours).isEmpty());
}

void TestProjet::refusGardeLeProjetOuvert() {
    Banc b;
    b.bac.CreerProjet("Bon", {"a<br>", "b<br>"}, {".jpg", ".jpg"});
    b.Ouvrir("Bon");
    b.editeur.CommandeEnregistrer();
    b.editeur.richtxtTexteInfo.setPlainText("modifié");
    b.editeur.RichVersHTML();
    QVERIFY(!b.editeur.IndEnregistrer);
    EcrireOctets(b.Projet("Casse.cin"), "Nom=C\r\nRepertoire=x\r\nNbSprite=500\r\n");
    const auto projetAvant = Instantane(b.bac.projets);
    b.Ouvrir("Casse");
    // Aucune question d'enregistrement : le fichier est refusé avant.
    QCOMPARE(b.dialogues.dernier().titre, QString("PROJET ILLISIBLE"));
    QCOMPARE(b.dialogues.questionsSansReponse, 0);
    QCOMPARE(b.editeur.NomProjet, QString("Bon"));
    QCOMPARE(b.editeur.RepertoireProjet, b.bac.projets);
    QCOMPARE(b.editeur.RepImage, b.bac.projets + "/Bon");
    QCOMPARE(b.editeur.NbSprite, 2);
    QCOMPARE(b.editeur.Info[0], Html("modifié"));
    QVERIFY(!b.editeur.IndEnregistrer);
    QCOMPARE(Instantane(b.bac.projets), projetAvant);
}

void TestProjet::commentaireAvecGuillemetsEtBarre() {
    Banc b;
    b.bac.CreerProjet("Q", {"x"}, {".jpg"});
    b.Ouvrir("Q");
    b.editeur.richtxtTexteInfo.setPlainText("Il a dit \"oui\" | puis <i>non</i> \\ fin");
    b.editeur.CommandeEnregistrer();
    QVERIFY(LireOctets(b.Projet("Q.cin"))
                .endsWith("Il a dit \"oui\" | puis <i>non</i> \\ fin<br></font>\r\n"));
}

QTEST_GUILESS_MAIN(TestProjet)
#include "test_projet.moc"
