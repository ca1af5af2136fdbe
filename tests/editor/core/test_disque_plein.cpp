// Un disque plein, vraiment : un petit tmpfs rempli. Ni l'ajout d'une diapo, ni le changement
// d'une image, ni l'enregistrement, ni l'abandon des modifications ne laissent un fichier
// tronqué ou ne perdent un fichier enregistré ; l'utilisateur est prévenu.

#include "Banc.h"
#include "ChoixImage.h"
#include "OrdreDiapos.h"
#include "PetitDisque.h"

#include <QtTest>

namespace {
// Un projet de cinq diapos sur le petit disque (le bac garde ses autres dossiers).
struct BancPlein : Banc {
    PetitDisque disque{1024};
    QString projets = disque.dossier("projets");
    QString photos = bac.racine.filePath("photos");

    BancPlein() {
        if (!disque.valide())
            return;
        QStringList commentaires, extensions;
        for (int i = 0; i < 5; ++i) {
            commentaires << QString("diapo %1").arg(i);
            extensions << (i % 2 ? ".gif" : ".jpg");
        }
        bac.projets = projets;
        bac.CreerProjet("P", commentaires, extensions);
        // Une image qui ne tient plus sur un disque rempli.
        QImage grande(400, 300, QImage::Format_RGB32);
        for (int y = 0; y < grande.height(); ++y)
            for (int x = 0; x < grande.width(); ++x)
                grande.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
        QDir().mkpath(photos);
        grande.save(photos + "/grande.jpg", "JPEG", 100);
    }
    QString P(const QString& suffixe) const { return projets + "/P" + suffixe; }
};
} // namespace

class TestDisquePlein : public QObject {
    Q_OBJECT
private slots:
    void ajoutRefuse();
    void changementGardeLAncienneImage();
    void enregistrementGardeLAncienFichier();
    void annulationInterrompuePuisFinie();
    void copieDeSecoursIncomplete();
    void nouvelOrdreSansPlace();
};

void TestDisquePlein::ajoutRefuse() {
    BancPlein b;
    QVERIFY2(b.disque.valide(), qPrintable(b.disque.erreur()));
    b.Ouvrir("P", b.projets);
    b.disque.Remplir(2048);
    const auto avant = Instantane(b.projets);
    b.fenetres.ajout = [&] { QVERIFY(!ValiderAjout(b.editeur, b.photos, "grande.jpg", "texte")); };
    b.editeur.AjouterDiapo();
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ERREUR"));
    QCOMPARE(m.icone, Icone::Critique);
    QVERIFY(m.texte.contains(b.P("5.jpg")));
    QVERIFY(m.texte.contains("Le disque est plein."));
    QCOMPARE(b.editeur.NbSprite, 5);
    QCOMPARE(b.editeur.lblNbDiapo, QString("5"));
    QCOMPARE(Instantane(b.projets), avant); // ni image tronquée, ni reste caché
}

void TestDisquePlein::changementGardeLAncienneImage() {
    BancPlein b;
    QVERIFY2(b.disque.valide(), qPrintable(b.disque.erreur()));
    b.Ouvrir("P", b.projets);
    b.disque.Remplir(2048);
    const auto avant = Instantane(b.projets);
    b.fenetres.changement = [&] { QVERIFY(!ValiderChangement(b.editeur, b.photos, "grande.jpg")); };
    // Une diapo GIF (le JPEG choisi changerait son type), puis une diapo JPEG (le JPEG choisi
    // prendrait la place de son image).
    for (const int diapo : {1, 0}) {
        b.editeur.EcrireNumDiapo(QString::number(diapo));
        b.editeur.ChangerDiapo();
        QCOMPARE(b.dialogues.dernier().titre, QString("ERREUR"));
        QCOMPARE(b.editeur.TypeImage[diapo], QString(diapo == 1 ? ".gif" : ".jpg"));
        QCOMPARE(b.editeur.InsertTypeImage, QString("ABORT"));
        QCOMPARE(Instantane(b.projets), avant);
    }
}

void TestDisquePlein::enregistrementGardeLAncienFichier() {
    BancPlein b;
    QVERIFY2(b.disque.valide(), qPrintable(b.disque.erreur()));
    b.Ouvrir("P", b.projets);
    const QByteArray cin = LireOctets(b.P(".cin"));
    b.editeur.richtxtTexteInfo.setPlainText(QString(20000, u'x'));
    b.disque.Remplir(0);
    b.editeur.CommandeEnregistrer();
    QCOMPARE(b.dialogues.dernier().titre, QString("ERREUR"));
    QCOMPARE(LireOctets(b.P(".cin")), cin);
    QVERIFY(!b.editeur.IndEnregistrer);
    QCOMPARE(FichiersDeSecours(b.bac.secours).size(), 8); // la copie est toujours là
}

// L'abandon des modifications ne trouve plus de place pour remettre les images : aucune n'est
// tronquée, la copie reste, et le démarrage suivant (la place revenue) finit le travail.
void TestDisquePlein::annulationInterrompuePuisFinie() {
    BancPlein b;
    QVERIFY2(b.disque.valide(), qPrintable(b.disque.erreur()));
    // L'image enregistrée de la diapo 0 est grande, celle de la séance petite : la remettre
    // demande de la place.
    QFile::remove(b.P("0.jpg"));
    QFile::copy(b.photos + "/grande.jpg", b.P("0.jpg"));
    CreerImage(b.photos + "/petite.jpg", 8, 8, Qt::red);
    const auto enregistre = Instantane(b.projets);
    b.Ouvrir("P", b.projets);
    b.fenetres.changement = [&] { ValiderChangement(b.editeur, b.photos, "petite.jpg"); };
    b.editeur.ChangerDiapo();
    b.editeur.EcrireNumDiapo("1");
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.SupprimerDiapo();
    const auto modifie = Instantane(b.projets);
    QVERIFY(modifie.value("P0.jpg") != enregistre.value("P0.jpg"));
    b.disque.Remplir(0);
    b.dialogues.messages.clear();
    b.editeur.FermetureFenetre();

    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ERREUR"));
    QVERIFY(m.texte.contains("Rien n'est perdu"));
    // Aucun fichier de la séance n'a disparu, et chacun est entier : soit celui de la séance,
    // soit celui enregistré.
    const auto apres = Instantane(b.projets);
    for (auto it = modifie.begin(); it != modifie.end(); ++it) {
        if (it.key() == ".remplissage")
            continue;
        QVERIFY2(apres.contains(it.key()), qPrintable(it.key()));
        QVERIFY2(apres[it.key()] == it.value() || apres[it.key()] == enregistre.value(it.key()),
                 qPrintable(it.key()));
    }
    QCOMPARE(FichiersDeSecours(b.bac.secours).size(), 8);

    b.disque.Vider();
    FauxDialogues dialogues;
    Editeur suivant(dialogues, b.bac.programme, b.bac.secours);
    suivant.RecupererCopieSecours();
    QCOMPARE(dialogues.dernier().titre, QString("RECUPERATION"));
    QCOMPARE(Instantane(b.projets), enregistre);
    QVERIFY(FichiersDeSecours(b.bac.secours).isEmpty());
}

// Le dossier de secours est plein : la copie n'a pas pu être prise entière. L'utilisateur le
// sait dès l'ouverture ; abandonner ensuite ne mélange pas l'ancien et le nouveau.
void TestDisquePlein::copieDeSecoursIncomplete() {
    PetitDisque secours(64);
    QVERIFY2(secours.valide(), qPrintable(secours.erreur()));
    Bac bac;
    QStandardPaths::setTestModeEnabled(true);
    FauxDialogues dialogues;
    FaussesFenetres fenetres;
    Editeur e(dialogues, bac.programme, secours.chemin());
    e.fenetres = &fenetres;
    QStringList commentaires;
    for (int i = 0; i < 5; ++i)
        commentaires << QString("diapo %1").arg(i);
    bac.CreerProjet("P", commentaires, QStringList(5, ".jpg"));
    QImage grande(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            grande.setPixel(x, y, qRgb(x, y, x ^ y));
    grande.save(bac.projets + "/P3.jpg", "JPEG", 100);
    e.NomProjet = "P";
    e.RepertoireProjet = bac.projets;
    e.OuvrirProjet();
    QVERIFY(e.IndOuverture);
    QVERIFY(!e.copieSecours().complete());
    QCOMPARE(dialogues.dernier().titre, QString("ATTENTION"));
    QVERIFY(dialogues.dernier().texte.contains(bac.projets + "/P3.jpg"));

    e.EcrireNumDiapo("0");
    dialogues.reponses = {Reponse::Oui};
    e.SupprimerDiapo();
    const auto modifie = Instantane(bac.projets);
    e.FermetureFenetre();
    QCOMPARE(dialogues.dernier().titre, QString("ATTENTION"));
    QVERIFY(dialogues.dernier().texte.contains("garde son état actuel"));
    QCOMPARE(Instantane(bac.projets), modifie);
    QCOMPARE(QDir(secours.chemin()).entryList({"conserve-*"}, QDir::Dirs).size(), 1);
}

// Le nouvel ordre ne fait que renommer : il passe sur un disque où il ne reste plus un octet.
void TestDisquePlein::nouvelOrdreSansPlace() {
    BancPlein b;
    QVERIFY2(b.disque.valide(), qPrintable(b.disque.erreur()));
    b.Ouvrir("P", b.projets);
    b.editeur.RichVersHTML();
    const TableDiapos info = b.editeur.Info;
    QList<QByteArray> images;
    for (int i = 0; i < 5; ++i)
        images << LireOctets(b.editeur.CheminImage(i));
    b.disque.Remplir(0);
    b.fenetres.visionneuse = [&b] {
        OrdreDiapos ordre(b.editeur.OrdreDiapo);
        ordre.Ouvrir(b.editeur.NbSprite);
        ordre.CliquerVignette(0); // la première passe à la fin
        b.editeur.IndChangementDiapo = true;
    };
    b.editeur.CommandeVisionneuse();
    QVERIFY(b.dialogues.messages.isEmpty());
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(LireOctets(b.editeur.CheminImage(i)), images[(i + 1) % 5]);
        QCOMPARE(b.editeur.Info[i], info[(i + 1) % 5]);
    }
}

QTEST_GUILESS_MAIN(TestDisquePlein)
#include "test_disque_plein.moc"
