// Le modèle de page du dossier du programme : le remplacer par un modèle de « Modeles » (et, pour
// « Image.htm », son fond de cadre), le refuser quand il ne peut pas servir, et le restaurer
// depuis « Restaurer » ; jamais un fichier à moitié remplacé, même quand une copie échoue.

#include "Banc.h"
#include "ChangementModele.h"
#include "FichierTexte.h"
#include "Modeles.h"
#include "PetitDisque.h"
#include "Programme.h"

#include <QDir>
#include <QtTest>

namespace {
// Un modèle de page utilisable : neuf lignes d'en-tête, la ligne du script, sa fermeture.
QByteArray Modele(const QByteArray& marque, int lignesEnPlus = 3) {
    QByteArray m;
    for (int i = 1; i <= 9; ++i)
        m += "<!-- " + marque + " ligne " + QByteArray::number(i) + " -->\r\n";
    m += "<script language=\"JavaScript\" type=\"text/JavaScript\" src=\"Nouveau.js\">\r\n";
    m += "</script>\r\n";
    for (int i = 0; i < lignesEnPlus; ++i)
        m += "<p>" + marque + "</p>\r\n";
    return m;
}

struct BancModeles : Banc {
    QString modeles = bac.programme + "/Modeles";
    ChangementModele changement{bac.programme};

    BancModeles() {
        QDir().mkpath(modeles + "/Anciens");
        EcrireOctets(modeles + "/Image.htm", Modele("cadre"));
        EcrireOctets(modeles + "/Nuit.htm", Modele("nuit"));
        EcrireOctets(modeles + "/Anciens/Vieux.htm", Modele("vieux"));
        CreerImage(modeles + "/imgFondTable.jpg", 20, 20, Qt::darkRed);
        CreerImage(modeles + "/Chene.jpg", 24, 24, QColor(120, 80, 40));
    }
    QString P(const QString& nom) const { return bac.programme + "/" + nom; }
    QMap<QString, QByteArray> Programme() const {
        auto tout = Instantane(bac.programme);
        const auto m = Instantane(modeles);
        for (auto it = m.begin(); it != m.end(); ++it)
            tout.insert("Modeles/" + it.key(), it.value());
        return tout;
    }
};
} // namespace

class TestModelesPage : public QObject {
    Q_OBJECT
private slots:
    void defautsDuModele_data();
    void defautsDuModele();
    void listeSeulementDansModeles();
    void remplacerParUnAutreModele();
    void imageAvecSonFondDeCadre();
    void nonNeChangeRien();
    void sansModeleChoisi();
    void modeleCasseRefuse();
    void fondDeCadreQuiNestPasUnJpeg();
    void copieQuiEchoueNeChangeRien();
    void restaurationQuiEchoueNeChangeRien();
    void restaurerAvecNouveauOuvert();
};

void TestModelesPage::defautsDuModele_data() {
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("defaut"); // vide : le modèle sert
    QTest::newRow("modèle complet") << Modele("ok") << QString();
    QTest::newRow("juste assez de lignes") << Modele("ok", 0) << QString();
    QTest::newRow("trop court") << QByteArray("<html>\r\n<body>\r\n")
                                << "il n'a que 2 lignes au lieu d'au moins 11";
    QTest::newRow("pas de script en ligne 10")
        << QByteArray(Modele("x")).replace("<script language", "<style language")
        << "sa ligne 10 n'est pas la ligne du script du diaporama";
    QTest::newRow("script fermé sur sa ligne")
        << QByteArray(Modele("x"))
               .replace("Nouveau.js\">\r\n</script>", "Nouveau.js\"></script>\r\n<p>")
        << "sa ligne 10 n'est pas la ligne du script du diaporama";
    QTest::newRow("script jamais fermé") << QByteArray(Modele("x")).replace("</script>", "<p>")
                                         << "sa ligne 10 n'est pas la ligne du script du diaporama";
    QTest::newRow("script en majuscules")
        << QByteArray(Modele("x")).replace("script", "SCRIPT") << QString();
}

void TestModelesPage::defautsDuModele() {
    QFETCH(QByteArray, contenu);
    QFETCH(QString, defaut);
    QTemporaryDir d;
    const QString f = d.filePath("m.htm");
    EcrireOctets(f, contenu);
    QCOMPARE(DefautModelePage(LireLignes(f)).value_or(QString()), defaut);
    QCOMPARE(DefautModelePage(std::nullopt).value_or(QString()), QString("il ne peut pas être lu"));
}

void TestModelesPage::listeSeulementDansModeles() {
    BancModeles b;
    QVERIFY(b.changement.ListeVisible(b.modeles));
    QVERIFY(b.changement.ListeVisible(b.modeles + "/Anciens"));
    QVERIFY(b.changement.ListeVisible(b.modeles + "/Anciens/../"));
    QVERIFY(!b.changement.ListeVisible(b.bac.programme));
    QVERIFY(!b.changement.ListeVisible(b.bac.programme + "/ModelesAnciens"));
    QVERIFY(!b.changement.ListeVisible(b.bac.projets));
}

// Un autre modèle qu'« Image.htm » : la question exacte, Nouveau.htm devient une copie à
// l'octet près, les fonds de cadre ne bougent pas. Un modèle d'un sous-dossier est pris là.
void TestModelesPage::remplacerParUnAutreModele() {
    BancModeles b;
    const QByteArray cadre = LireOctets(b.P("imgFondTable.jpg"));
    const QByteArray cadreModeles = LireOctets(b.modeles + "/imgFondTable.jpg");
    b.changement.ChoisirModele(b.modeles, "Nuit.htm");
    QVERIFY(!b.changement.cadreDemande());
    b.dialogues.reponses = {Reponse::Oui};
    QCOMPARE(b.changement.Valider(b.dialogues, true), ChangementModele::Issue::Remplace);
    const MessageVu q = b.dialogues.messages.value(0);
    QCOMPARE(q.titre, QString());
    QCOMPARE(q.texte, QString("Voules-vous remplacer le modèle par défaut\r\npour les "
                              "présentations \r\npar le fichier-modèle Nuit.htm"));
    QCOMPARE(q.boutons, Boutons::OuiNon);
    QCOMPARE(q.icone, Icone::Aucune);
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(LireOctets(b.P("Nouveau.htm")), Modele("nuit"));
    QCOMPARE(LireOctets(b.P("imgFondTable.jpg")), cadre);
    QCOMPARE(LireOctets(b.modeles + "/imgFondTable.jpg"), cadreModeles);

    b.changement.ChoisirModele(b.modeles + "/Anciens", "Vieux.htm");
    b.dialogues.reponses = {Reponse::Oui};
    QCOMPARE(b.changement.Valider(b.dialogues, true), ChangementModele::Issue::Remplace);
    QCOMPARE(LireOctets(b.P("Nouveau.htm")), Modele("vieux"));
    // Aucun fichier provisoire ne reste à côté.
    QVERIFY(QDir(b.bac.programme).entryList({".*"}, QDir::Files | QDir::Hidden).isEmpty());
}

// « Image.htm » et l'image choisie : le modèle et les deux fonds de cadre sont remplacés. Sans
// image choisie, le fond de cadre en place reste.
void TestModelesPage::imageAvecSonFondDeCadre() {
    BancModeles b;
    b.changement.ChoisirModele(b.modeles, "Image.htm");
    QVERIFY(b.changement.cadreDemande());
    b.changement.ChoisirCadre(b.modeles + "/Chene.jpg");
    b.dialogues.reponses = {Reponse::Oui};
    QCOMPARE(b.changement.Valider(b.dialogues, true), ChangementModele::Issue::Remplace);
    const QByteArray chene = LireOctets(b.modeles + "/Chene.jpg");
    QCOMPARE(LireOctets(b.P("Nouveau.htm")), Modele("cadre"));
    QCOMPARE(LireOctets(b.P("imgFondTable.jpg")), chene);
    QCOMPARE(LireOctets(b.modeles + "/imgFondTable.jpg"), chene);

    // Le fond de cadre des modèles choisi lui-même : il se remplace par lui-même sans se perdre.
    b.changement.ChoisirCadre(b.modeles + "/imgFondTable.jpg");
    b.dialogues.reponses = {Reponse::Oui};
    QCOMPARE(b.changement.Valider(b.dialogues, true), ChangementModele::Issue::Remplace);
    QCOMPARE(LireOctets(b.modeles + "/imgFondTable.jpg"), chene);

    b.changement.ChoisirCadre(QString());
    EcrireOctets(b.P("Nouveau.htm"), Modele("autre"));
    b.dialogues.reponses = {Reponse::Oui};
    QCOMPARE(b.changement.Valider(b.dialogues, true), ChangementModele::Issue::Remplace);
    QCOMPARE(LireOctets(b.P("Nouveau.htm")), Modele("cadre"));
    QCOMPARE(LireOctets(b.P("imgFondTable.jpg")), chene);
}

void TestModelesPage::nonNeChangeRien() {
    BancModeles b;
    const auto avant = b.Programme();
    b.changement.ChoisirModele(b.modeles, "Image.htm");
    b.changement.ChoisirCadre(b.modeles + "/Chene.jpg");
    b.dialogues.reponses = {Reponse::Non};
    QCOMPARE(b.changement.Valider(b.dialogues, true), ChangementModele::Issue::Non);
    QCOMPARE(b.Programme(), avant);
}

// Sans modèle choisi, ou la liste cachée (dossier hors de « Modeles ») : ni question ni
// changement.
void TestModelesPage::sansModeleChoisi() {
    BancModeles b;
    const auto avant = b.Programme();
    QCOMPARE(b.changement.Valider(b.dialogues, false), ChangementModele::Issue::Rien);
    b.changement.ChoisirModele(b.bac.projets, "P.htm");
    QCOMPARE(b.changement.Valider(b.dialogues, true), ChangementModele::Issue::Rien);
    QVERIFY(b.dialogues.messages.isEmpty());
    QCOMPARE(b.Programme(), avant);
}

// Un fichier qui ne peut pas servir de modèle est refusé avant la question, rien ne change.
void TestModelesPage::modeleCasseRefuse() {
    BancModeles b;
    EcrireOctets(b.modeles + "/Casse.htm", "<html>\r\n<body>rien</body>\r\n</html>\r\n");
    const auto avant = b.Programme();
    b.changement.ChoisirModele(b.modeles, "Casse.htm");
    QCOMPARE(b.changement.Valider(b.dialogues, true), ChangementModele::Issue::Refuse);
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.messages[0];
    QCOMPARE(m.titre, QString("ALERTE"));
    QCOMPARE(m.boutons, Boutons::OK);
    QCOMPARE(m.texte, "Le fichier\r\n" + QDir::toNativeSeparators(b.modeles + "/Casse.htm") +
                          "\r\nne peut pas servir de modèle de page : il n'a que 3 lignes au "
                          "lieu d'au moins 11.\r\n\r\nLe modèle des présentations n'a pas "
                          "changé.");
    QCOMPARE(b.Programme(), avant);
}

void TestModelesPage::fondDeCadreQuiNestPasUnJpeg() {
    BancModeles b;
    EcrireOctets(b.modeles + "/Faux.jpg", "ceci n'est pas une image");
    CreerImage(b.modeles + "/Vrai.gif", 10, 10, Qt::blue);
    for (const QString& cadre : {QString("Faux.jpg"), QString("Vrai.gif")}) {
        const auto avant = b.Programme();
        b.dialogues.messages.clear();
        b.changement.ChoisirModele(b.modeles, "Image.htm");
        b.changement.ChoisirCadre(b.modeles + "/" + cadre);
        QCOMPARE(b.changement.Valider(b.dialogues, true), ChangementModele::Issue::Refuse);
        QCOMPARE(b.dialogues.messages.size(), 1);
        QVERIFY(b.dialogues.messages[0].texte.contains(
            "ne peut pas servir de fond de cadre : ce n'est pas une image JPEG lisible."));
        QCOMPARE(b.Programme(), avant);
    }
}

// Le dossier du programme sur un disque plein : la copie du nouveau modèle ne tient pas, le
// modèle en place et les fonds de cadre restent tels quels.
void TestModelesPage::copieQuiEchoueNeChangeRien() {
    PetitDisque disque(256);
    QVERIFY2(disque.valide(), qPrintable(disque.erreur()));
    BancModeles b;
    const QString programme = disque.dossier("programme");
    QDir().mkpath(programme + "/Modeles");
    for (const QString& f : {QString("Nouveau.htm"), QString("imgFondTable.jpg")})
        QVERIFY(QFile::copy(b.P(f), programme + "/" + f));
    QVERIFY(QFile::copy(b.modeles + "/imgFondTable.jpg", programme + "/Modeles/imgFondTable.jpg"));
    // Un grand modèle, puis un fond de cadre qui ne tiendra plus une fois le modèle copié.
    EcrireOctets(programme + "/Modeles/Image.htm", Modele(QByteArray(5000, 'x')));
    QCOMPARE(LireOctets(programme + "/Modeles/Image.htm"), Modele(QByteArray(5000, 'x')));
    QImage grande(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            grande.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    QVERIFY(grande.save(b.bac.racine.filePath("grande.jpg"), "JPEG", 100));
    disque.Remplir(80 * 1024);
    const auto avant = Instantane(programme);
    const auto avantModeles = Instantane(programme + "/Modeles");

    ChangementModele changement(programme);
    changement.ChoisirModele(programme + "/Modeles", "Image.htm");
    changement.ChoisirCadre(b.bac.racine.filePath("grande.jpg"));
    b.dialogues.reponses = {Reponse::Oui};
    QCOMPARE(changement.Valider(b.dialogues, true), ChangementModele::Issue::Refuse);
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ERREUR"));
    QVERIFY(m.texte.startsWith("Le modèle n'a pas pu être remplacé : le fichier\r\n"));
    QVERIFY(m.texte.endsWith("Le modèle des présentations n'a pas changé."));
    QCOMPARE(Instantane(programme), avant);
    QCOMPARE(Instantane(programme + "/Modeles"), avantModeles);
    QVERIFY(QDir(programme).entryList({".*"}, QDir::Files | QDir::Hidden).isEmpty());
}

// La restauration sur un disque plein : aucun des fichiers du dossier du programme ne change.
void TestModelesPage::restaurationQuiEchoueNeChangeRien() {
    PetitDisque disque(512);
    QVERIFY2(disque.valide(), qPrintable(disque.erreur()));
    Bac bac;
    const QString programme = disque.dossier("programme");
    QDir().mkpath(programme + "/Restaurer");
    for (const char* f : FichiersProjetDefaut) {
        const QString nom = QString::fromLatin1(f);
        QVERIFY(QFile::copy(bac.programme + "/" + nom, programme + "/" + nom));
        // Des fichiers de réserve différents, le son assez gros pour ne plus tenir.
        EcrireOctets(programme + "/Restaurer/" + nom, nom == "sohifrm2.wav"
                                                          ? QByteArray(200 * 1024, 's')
                                                          : "réserve " + nom.toUtf8());
    }
    disque.Remplir(100 * 1024);
    const auto avant = Instantane(programme);
    FauxDialogues dialogues;
    dialogues.reponses = {Reponse::Oui};
    const Modeles::Restauration r = Modeles::RestaurerModele(dialogues, programme);
    QVERIFY(r.acceptee);
    QVERIFY(r.echec);
    QCOMPARE(dialogues.dernier().titre, QString("ERREUR"));
    QVERIFY(dialogues.dernier().texte.contains("sohifrm2.wav"));
    QVERIFY(dialogues.dernier().texte.endsWith("Rien n'a changé dans le dossier du programme."));
    QCOMPARE(Instantane(programme), avant);

    // La place rendue, la même restauration remet les sept fichiers.
    disque.Vider();
    dialogues.reponses = {Reponse::Oui};
    QVERIFY(!Modeles::RestaurerModele(dialogues, programme).echec);
    for (const char* f : FichiersProjetDefaut)
        QCOMPARE(LireOctets(programme + "/" + QString::fromLatin1(f)),
                 LireOctets(programme + "/Restaurer/" + QString::fromLatin1(f)));
}

// Le bouton de la barre d'outils ne fait rien pendant que le projet par défaut est ouvert.
void TestModelesPage::restaurerAvecNouveauOuvert() {
    Banc b;
    EcrireOctets(b.bac.programme + "/Restaurer/Nouveau.htm", "<html>réserve</html>\r\n");
    b.editeur.NouveauProjet();
    QCOMPARE(b.editeur.NomProjet, QString("Nouveau"));
    const auto avant = Instantane(b.bac.programme);
    b.editeur.CommandeRestaurerModele();
    QVERIFY(b.dialogues.messages.isEmpty());
    QCOMPARE(Instantane(b.bac.programme), avant);
    // Un autre projet ouvert : la question, puis la restauration.
    b.bac.CreerProjet("P", {"a"}, {".jpg"});
    b.dialogues.reponses = {Reponse::Non}; // ne pas enregistrer « Nouveau »
    b.Ouvrir("P");
    b.dialogues.messages.clear();
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.CommandeRestaurerModele();
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(LireOctets(b.bac.programme + "/Nouveau.htm"), QByteArray("<html>réserve</html>\r\n"));
}

QTEST_MAIN(TestModelesPage)
#include "test_modeles_page.moc"
