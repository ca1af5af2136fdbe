// La page et le script du diaporama : lignes des modèles, blocs produits, refus, échappements.

#include "Banc.h"
#include "FichierTexte.h"
#include "GenerateurPage.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {
// Des modèles reconnaissables : chaque ligne dit son numéro.
QStringList Modele(const QString& prefixe, int lignes) {
    QStringList l;
    for (int i = 1; i <= lignes; ++i)
        l << QStringLiteral("%1 ligne %2").arg(prefixe).arg(i);
    return l;
}

void EcrireModeles(const Bac& bac, int lignesPage = 12, int lignesScript = 18) {
    EcrireLignes(bac.programme + "/Nouveau.htm", Modele("page", lignesPage));
    EcrireLignes(bac.programme + "/Nouveau.js", Modele("script", lignesScript));
}
} // namespace

class TestPage : public QObject {
    Q_OBJECT
private slots:
    void vacances();
    void blocsDeLExemple();
    void uneDiapoEtAucune();
    void deuxFoisIdentique();
    void egaliserLignes();
    void refus();
    void modeleTropCourt();
    void fondsDeLaPage();
    void voirLaPage();
    void scriptToujoursValide();
};

void TestPage::vacances() {
    Banc b;
    EcrireModeles(b.bac);
    EcrireOctets(b.Projet("Vacances.cin"), "Nom=Vacances\r\nRepertoire=x\r\nNbSprite=2\r\n"
                                           "Tag=Nos vacances\r\n" +
                                               Html("Sur la <b>plage</b>").toUtf8() +
                                               "\r\nLe port<br>\r\n");
    CreerImage(b.Projet("Vacances0.gif"), 10, 10);
    CreerImage(b.Projet("Vacances1.jpg"), 10, 10);
    b.Ouvrir("Vacances");
    b.editeur.CommandeEnregistrer();
    b.editeur.IndHTML = false;
    b.editeur.CreerHTML();

    QByteArray page;
    for (int i = 1; i <= 9; ++i)
        page += "page ligne " + QByteArray::number(i) + "\r\n";
    page += "<script language=\"JavaScript\" type=\"text/JavaScript\" src=\"Vacances.js\">\r\n"
            "page ligne 11\r\npage ligne 12\r\n";
    QCOMPARE(LireOctets(b.Projet("Vacances.htm")), page);

    QByteArray script;
    for (int i = 1; i <= 6; ++i)
        script += "script ligne " + QByteArray::number(i) + "\r\n";
    script += "var RepImage=\"Vacances\";\r\n"
              "var NBSprite=1;\r\n"
              "Info[0]=\"&nbsp;<font face='MS Sans Serif' size='2' color='#000000'>Sur la "
              "<b>plage</b><br></font>\";\r\n"
              "Info[1]=\"&nbsp;Le port<br>\";\r\n"
              "TypeImage[0]=\".gif\";\r\n"
              "TypeImage[1]=\".jpg\";\r\n"
              "script ligne 11\r\nscript ligne 12\r\n"
              "document.getElementById(\"diapo\").src=\"Vacances0.gif\";\r\n"
              "document.getElementById(\"InfoDiaporama\").innerHTML=\"1 / 2\";\r\n"
              "document.getElementById(\"InfoTexte\").innerHTML=Info[0];\r\n"
              "document.getElementById(\"Titre\").innerHTML=\"Nos vacances\";\r\n"
              "script ligne 17\r\nscript ligne 18\r\n";
    QCOMPARE(LireOctets(b.Projet("Vacances.js")), script);
    QCOMPARE(LireOctets(b.Projet("sohifrm2.wav")), LireOctets(b.bac.programme + "/sohifrm2.wav"));
    QVERIFY(b.editeur.IndHTML);
    QCOMPARE(b.dialogues.ouvertures, QStringList({b.Projet("Vacances.htm")}));
    // Rien de temporaire ne traîne.
    QCOMPARE(QDir(b.bac.projets).entryList({"*.nouveau"}, QDir::Files), QStringList());
}

void TestPage::blocsDeLExemple() {
    // Les commentaires tels qu'un fichier fait à la main les donne, sans passer par l'éditeur.
    QString infos[2] = {"Sur la <b>plage</b><br>", "Le port<br>"};
    QString types[2] = {".gif", ".jpg"};
    const QStringList script =
        GenererLignesScript(Modele("s", 17), {"Vacances", 2, "Nos vacances", infos, types});
    QCOMPARE(script.mid(6, 6), QStringList({"var RepImage=\"Vacances\";", "var NBSprite=1;",
                                            "Info[0]=\"&nbsp;Sur la <b>plage</b><br>\";",
                                            "Info[1]=\"&nbsp;Le port<br>\";",
                                            "TypeImage[0]=\".gif\";", "TypeImage[1]=\".jpg\";"}));
    QCOMPARE(script.mid(14, 4),
             QStringList({"document.getElementById(\"diapo\").src=\"Vacances0.gif\";",
                          "document.getElementById(\"InfoDiaporama\").innerHTML=\"1 / 2\";",
                          "document.getElementById(\"InfoTexte\").innerHTML=Info[0];",
                          "document.getElementById(\"Titre\").innerHTML=\"Nos vacances\";"}));
}

void TestPage::uneDiapoEtAucune() {
    QStringList modele = Modele("s", 17);
    QString infos[1] = {"seule"};
    QString types[1] = {".jpg"};
    DonneesPage d{"P", 1, "T", infos, types};
    QStringList script = GenererLignesScript(modele, d);
    QVERIFY(script.contains("var NBSprite=0;"));
    QVERIFY(script.contains("document.getElementById(\"InfoDiaporama\").innerHTML=\"1 / 1\";"));

    d.nbSprite = 0;
    script = GenererLignesScript(modele, d);
    QVERIFY(script.contains("var NBSprite=-1;"));
    const auto commencent = [&](const QString& debut) {
        return std::count_if(script.begin(), script.end(),
                             [&](const QString& l) { return l.startsWith(debut); });
    };
    QCOMPARE(commencent("Info["), 0);
    QCOMPARE(commencent("TypeImage["), 0);
    QCOMPARE(script.size(), 6 + 2 + 2 + 4 + 1);
}

void TestPage::deuxFoisIdentique() {
    Banc b;
    EcrireModeles(b.bac);
    b.bac.CreerProjet("P", {"a<br><br>", "b", "c<br>"}, {".jpg", ".gif", ".jpg"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    b.editeur.CreerHTML();
    const QByteArray page = LireOctets(b.Projet("P.htm"));
    const QByteArray script = LireOctets(b.Projet("P.js"));
    b.editeur.CreerHTML();
    QCOMPARE(LireOctets(b.Projet("P.htm")), page);
    QCOMPARE(LireOctets(b.Projet("P.js")), script);
    QCOMPARE(b.editeur.LigneMax, 2);
}

void TestPage::egaliserLignes() {
    QString infos[4] = {"zéro", "deux<br>x<br>", "une<br>", "maj<BR>"};
    QCOMPARE(EgaliserLignes(infos, 4), 2);
    QCOMPARE(infos[0], QString("zéro<br><br>"));
    QCOMPARE(infos[1], QString("deux<br>x<br>"));
    QCOMPARE(infos[2], QString("une<br><br>"));
    QCOMPARE(infos[3], QString("maj<BR><br><br>")); // « <BR> » ne compte pas
    QCOMPARE(EgaliserLignes(infos, 4), 2);          // une seconde fois n'ajoute rien
    QCOMPARE(infos[0], QString("zéro<br><br>"));
    QCOMPARE(EgaliserLignes(infos, 0), 0);
}

void TestPage::refus() {
    {
        Banc b;
        EcrireModeles(b.bac);
        b.editeur.NouveauProjet();
        const auto avant = Instantane(b.bac.programme);
        b.editeur.IndEnregistrer = true;
        b.editeur.CreerHTML();
        QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
        QCOMPARE(b.dialogues.dernier().texte,
                 QString("Vous devez d'abord donner un nom au projet !"));
        QCOMPARE(b.dialogues.dernier().icone, Icone::Critique);
        QCOMPARE(Instantane(b.bac.programme), avant);
    }
    {
        Banc b;
        EcrireModeles(b.bac);
        b.bac.CreerProjet("P", {"a"}, {".jpg"});
        b.Ouvrir("P"); // montrer la diapo a marqué le projet non enregistré
        const auto avant = Instantane(b.bac.projets);
        b.editeur.CreerHTML();
        QCOMPARE(b.dialogues.dernier().titre, QString("IMPOSSIBILITE"));
        QCOMPARE(b.dialogues.dernier().texte,
                 QString("Il faut d'abord enregistrer le diaporama !"));
        QCOMPARE(b.dialogues.dernier().icone, Icone::Exclamation);
        QCOMPARE(Instantane(b.bac.projets), avant);
        QVERIFY(b.dialogues.ouvertures.isEmpty());
    }
}

void TestPage::modeleTropCourt() {
    for (const auto& [page, script, nom] :
         {std::tuple{10, 18, QString("Nouveau.htm")}, std::tuple{12, 16, QString("Nouveau.js")}}) {
        Banc b;
        EcrireModeles(b.bac, page, script);
        b.bac.CreerProjet("P", {"a"}, {".jpg"});
        b.Ouvrir("P");
        b.editeur.CommandeEnregistrer();
        const auto avant = Instantane(b.bac.projets);
        b.editeur.CreerHTML();
        const MessageVu m = b.dialogues.dernier();
        QCOMPARE(m.icone, Icone::Critique);
        QVERIFY2(m.texte.contains(nom), qPrintable(m.texte));
        QVERIFY(m.texte.contains("Restaurer le modèle par défaut"));
        QCOMPARE(Instantane(b.bac.projets), avant);
        QVERIFY(b.dialogues.ouvertures.isEmpty());
    }
}

// La page montre imgFond.jpg et, pour le modèle à cadre, imgFondTable.jpg du dossier du projet.
void TestPage::fondsDeLaPage() {
    Banc b;
    EcrireModeles(b.bac);
    b.bac.CreerProjet("Cadre", {"un"}, {".jpg"});
    const QString fond = b.Projet("imgFond.jpg");
    const QString cadre = b.Projet("imgFondTable.jpg");
    QFile::remove(fond);
    QFile::remove(cadre);
    b.Ouvrir("Cadre");
    b.editeur.CommandeEnregistrer();
    b.editeur.CreerHTML();
    // Le fond de page qui manquait vient du programme ; un modèle sans cadre n'en apporte pas.
    QCOMPARE(LireOctets(fond), LireOctets(b.bac.programme + "/imgFond.jpg"));
    QVERIFY(!QFile::exists(cadre));

    // Le fond choisi pour ce diaporama reste ; le cadre suit l'image choisie avec le modèle.
    QStringList modele = Modele("page", 12);
    modele[5] = "<div style=\"background:url(imgFondTable.jpg)\">";
    EcrireLignes(b.bac.programme + "/Nouveau.htm", modele);
    EcrireOctets(fond, "fond choisi");
    EcrireOctets(cadre, "ancien cadre");
    EcrireOctets(b.bac.programme + "/imgFondTable.jpg", "cadre choisi avec le modèle");
    b.editeur.CreerHTML();
    QCOMPARE(LireOctets(fond), QByteArray("fond choisi"));
    QCOMPARE(LireOctets(cadre), QByteArray("cadre choisi avec le modèle"));
    QVERIFY(LireOctets(b.Projet("Cadre.htm")).contains("imgFondTable.jpg"));
}

void TestPage::voirLaPage() {
    Banc b;
    b.bac.CreerProjet("P", {"a"}, {".jpg"});
    b.editeur.VoirHTML(); // sans projet : rien
    QVERIFY(b.dialogues.ouvertures.isEmpty());
    b.Ouvrir("P");
    b.editeur.VoirHTML();
    QVERIFY(b.dialogues.messages.isEmpty());
    b.editeur.IndHTML = false;
    b.editeur.VoirHTML();
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ATTENTION"));
    QCOMPARE(m.texte, QString("Vous allez visualiser un fichier HTML créé\r\navec une ancienne "
                              "version du projet !"));
    QCOMPARE(m.icone, Icone::Exclamation);
    QCOMPARE(b.dialogues.ouvertures, QStringList({b.Projet("P.htm"), b.Projet("P.htm")}));
}

void TestPage::scriptToujoursValide() {
    const QString node = QStandardPaths::findExecutable("node");
    if (node.isEmpty())
        QSKIP("node absent : la validité du script n'est pas vérifiée ici");
    const QStringList hostiles = {"a\"b",
                                  "fin\\",
                                  "C:\\dossier\\",
                                  "</script><script>alert(1)</script>",
                                  "|",
                                  "||\"|",
                                  QString("ligne\u2028sep\u2029par"),
                                  QString("ctl\x01\x1f\x7f"),
                                  "\\\"",
                                  "'apostrophe'",
                                  QString::fromUtf8("😀 Ω é"),
                                  "<b>gras</b>",
                                  "\\u0041",
                                  "${x}",
                                  "`modèle`"};
    QTemporaryDir tmp;
    QStringList modele = Modele("//", 17);
    QString infos[64];
    QString types[64];
    int n = 0;
    for (const QString& h : hostiles) {
        infos[n] = h;
        types[n++] = ".jpg";
    }
    for (const QString& entete : hostiles) {
        DonneesPage d{"P", n, entete, infos, types};
        const QString fichier = tmp.filePath("s.js");
        QVERIFY(EcrireLignes(fichier, GenererLignesScript(modele, d)));
        QProcess verif;
        verif.start(node, {"--check", fichier});
        QVERIFY(verif.waitForFinished(20000));
        QVERIFY2(verif.exitCode() == 0,
                 qPrintable(entete + " : " + QString::fromUtf8(verif.readAllStandardError())));
    }
}

QTEST_GUILESS_MAIN(TestPage)
#include "test_page.moc"
