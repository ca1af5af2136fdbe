// Le nouvel ordre choisi dans la visionneuse, appliqué à un vrai projet : chaque image doit
// arriver sous le numéro de sa diapo (vérifié sur son contenu), avec son commentaire et son type.

#include "Banc.h"
#include "ClicsVisionneuse.h"

#include <QDir>
#include <QtTest>

namespace {
// Ce qu'une diapo emporte avec elle : son commentaire, son type et le contenu de son image.
struct Diapo {
    QString info;
    QString type;
    QByteArray image; // vide : pas d'image
};

struct BancOrdre : Banc {
    QList<Diapo> avant;

    // Un projet de n diapos, GIF aux indices impairs ; la diapo 0 est montrée, ouverte.
    void Preparer(int n, const QString& nom = "P") {
        QStringList commentaires, extensions;
        for (int i = 0; i < n; ++i) {
            commentaires << QString("diapo %1").arg(i);
            extensions << (i % 2 ? ".gif" : ".jpg");
        }
        bac.CreerProjet(nom, commentaires, extensions);
        Ouvrir(nom);
        editeur.CommandeEnregistrer();
        dialogues.messages.clear();
        Photographier();
    }
    void Photographier() {
        editeur.RichVersHTML(); // comme le fait la visionneuse avant de s'ouvrir
        avant.clear();
        for (int k = 0; k < editeur.NbSprite; ++k)
            avant << Diapo{editeur.Info[k], editeur.TypeImage[k],
                           QFile::exists(editeur.CheminImage(k))
                               ? LireOctets(editeur.CheminImage(k))
                               : QByteArray()};
    }
    // La visionneuse : les clics, puis OK (ou Annuler).
    void Visionner(const std::function<void(OrdreDiapos&)>& clics, bool valider = true) {
        fenetres.visionneuse = [this, clics, valider] {
            OrdreDiapos o(editeur.OrdreDiapo);
            o.Ouvrir(editeur.NbSprite);
            clics(o);
            editeur.IndChangementDiapo = valider;
        };
        editeur.CommandeVisionneuse();
    }
    // Chaque diapo est là où la table voulait : commentaire, type, contenu de l'image ; les
    // images sont numérotées de 0 à N − 1, sans autre fichier d'image dans le dossier.
    void VerifierOrdre(const QList<int>& ordre) {
        const Editeur& e = editeur;
        QCOMPARE(e.NbSprite, ordre.size());
        for (int i = 0; i < ordre.size(); ++i) {
            const Diapo& d = avant[ordre[i]];
            QCOMPARE(e.Info[i], d.info);
            QCOMPARE(e.TypeImage[i], d.type);
            if (d.image.isEmpty()) {
                QVERIFY(!QFile::exists(e.CheminImage(i)));
            } else {
                QCOMPARE(LireOctets(e.CheminImage(i)), d.image);
            }
            const QString autre = d.type == ".gif" ? ".jpg" : ".gif";
            QVERIFY2(!QFile::exists(e.RepImage + QString::number(i) + autre),
                     qPrintable(QString::number(i) + autre));
        }
        QVERIFY(!QFile::exists(e.RepImage + QString::number(ordre.size()) + ".jpg"));
        QVERIFY(!QFile::exists(e.RepImage + QString::number(ordre.size()) + ".gif"));
    }
    QStringList Provisoires() const {
        return QDir(bac.projets).entryList({"*_temp_*"}, QDir::Files | QDir::Dirs);
    }
};

QList<int> Identite(int n) {
    QList<int> l;
    for (int i = 0; i < n; ++i)
        l << i;
    return l;
}
} // namespace

class TestReordonner : public QObject {
    Q_OBJECT
private slots:
    void cinqDiapos_data();
    void cinqDiapos();
    void annulerNeTouchePasAuDisque();
    void imageManquanteSuitSaDiapo();
    void restesProvisoiresIntouches();
    void imageDeLAutreExtensionEcartee();
    void echecEnCoursDeRoute();
    void commentaireEnCoursSuitSaDiapo();
    void hasardSurVraisFichiers();
};

void TestReordonner::cinqDiapos_data() {
    QTest::addColumn<QStringList>("clics");
    QTest::addColumn<QList<int>>("ordre");
    QTest::newRow("couper 2, échanger avec la suivante")
        << QStringList{"V2", "V2"} << QList<int>{0, 1, 3, 2, 4};
    QTest::newRow("OK pendant la coupe") << QStringList{"V0"} << QList<int>{1, 2, 3, 4, 0};
    QTest::newRow("couper la dernière puis la position 1")
        << QStringList{"D3", "V1", "D0", "V1"} << QList<int>{0, 4, 2, 3, 1};
    QTest::newRow("insérer après la vignette 2")
        << QStringList{"D2", "V2", "D0", "M3"} << QList<int>{0, 1, 2, 4, 3};
    QTest::newRow("rien") << QStringList{} << Identite(5);
}

// Un projet de cinq diapos, GIF et JPEG mêlés : l'ordre des clics arrive sur le disque.
void TestReordonner::cinqDiapos() {
    QFETCH(QStringList, clics);
    QFETCH(QList<int>, ordre);
    BancOrdre b;
    b.Preparer(5);
    b.editeur.EcrireNumDiapo("1");
    b.Photographier();
    b.Visionner([&](OrdreDiapos& o) { JouerClics(o, clics); });
    QCOMPARE(b.fenetres.montrees, QStringList{"frmVisionneuse"});
    b.VerifierOrdre(ordre);
    QVERIFY(b.Provisoires().isEmpty());
    QVERIFY(b.dialogues.messages.isEmpty());
    Editeur& e = b.editeur;
    QVERIFY(!e.IndEnregistrer);
    QVERIFY(!e.IndHTML);
    // La diapo montrée est celle qui est maintenant au même numéro.
    QCOMPARE(e.NumeroDiapo, 1);
    QCOMPARE(e.cheminImageDiapo, e.CheminImage(1));
    // Enregistré puis rouvert, le projet garde le nouvel ordre.
    e.CommandeEnregistrer();
    BancOrdre relu;
    relu.bac.projets = b.bac.projets;
    relu.Ouvrir("P");
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(relu.editeur.TypeImage[i], b.avant[ordre[i]].type);
        QVERIFY(relu.editeur.Info[i].contains(QString("diapo %1").arg(ordre[i])));
    }
}

void TestReordonner::annulerNeTouchePasAuDisque() {
    BancOrdre b;
    b.Preparer(4);
    const auto disque = Instantane(b.bac.projets);
    b.Visionner([](OrdreDiapos& o) { o.CliquerVignette(0); }, false);
    QCOMPARE(Instantane(b.bac.projets), disque);
    b.VerifierOrdre(Identite(4));
    QVERIFY(b.editeur.IndEnregistrer);
    // Sans projet ouvert, la visionneuse ne s'ouvre pas.
    BancOrdre vide;
    vide.editeur.CommandeVisionneuse();
    QVERIFY(vide.fenetres.montrees.isEmpty());
}

// Une diapo dont l'image manque part avec son commentaire ; les autres sont renumérotées.
void TestReordonner::imageManquanteSuitSaDiapo() {
    BancOrdre b;
    b.Preparer(5);
    QFile::remove(b.editeur.CheminImage(1));
    b.Photographier();
    b.Visionner([](OrdreDiapos& o) {
        o.CliquerVignette(1); // la diapo 1 attend à la fin
    });
    b.VerifierOrdre({0, 2, 3, 4, 1});
    QVERIFY(b.dialogues.messages.isEmpty());
}

// Les restes d'une application interrompue ne sont ni pris pour une image ni remplacés.
void TestReordonner::restesProvisoiresIntouches() {
    BancOrdre b;
    b.Preparer(4);
    const QString reste0 = b.editeur.RepImage + "_temp_0.gif";
    const QString reste2 = b.editeur.RepImage + "_temp_2.jpg";
    EcrireOctets(reste0, "ancien reste 0");
    EcrireOctets(reste2, "ancien reste 2");
    b.Visionner([](OrdreDiapos& o) {
        o.CliquerVignette(0);
        o.Defiler(1);
        o.Inserer(3); // 0 va en position 3
    });
    b.VerifierOrdre({1, 2, 3, 0});
    QCOMPARE(LireOctets(reste0), QByteArray("ancien reste 0"));
    QCOMPARE(LireOctets(reste2), QByteArray("ancien reste 2"));
    QCOMPARE(b.Provisoires().size(), 2);
}

// Une image de l'autre extension sous un numéro qui change de diapo ne reste pas : relue, elle
// ferait de la nouvelle diapo un GIF. Là où rien ne bouge, elle n'est pas touchée.
void TestReordonner::imageDeLAutreExtensionEcartee() {
    BancOrdre b;
    b.Preparer(4);
    const QString etranger1 = b.editeur.RepImage + "1.jpg"; // la diapo 1 est un GIF
    const QString etranger3 = b.editeur.RepImage + "3.jpg";
    EcrireOctets(etranger1, "vieux jpeg 1");
    EcrireOctets(etranger3, "vieux jpeg 3");
    b.Visionner([](OrdreDiapos& o) {
        o.CliquerVignette(0);
        o.CliquerVignette(0); // 0 et 1 échangés : la diapo 0 (JPEG) arrive au numéro 1
    });
    QCOMPARE(LireOctets(etranger3), QByteArray("vieux jpeg 3"));
    QFile::remove(etranger3);
    b.VerifierOrdre({1, 0, 2, 3});
    QVERIFY(b.Provisoires().isEmpty());
}

// Un renommage qui échoue à mi-chemin (un dossier occupe le nom d'arrivée d'une image) : tout
// revient à sa place, tables comprises, et l'utilisateur le sait.
void TestReordonner::echecEnCoursDeRoute() {
    BancOrdre b;
    b.Preparer(6);
    // Coupée et laissée à la fin, la diapo 0 fait remonter les autres : la 4 (JPEG) doit arriver
    // au numéro 3, où un dossier « P3.jpg » l'en empêche, quand les diapos 1 à 3 ont déjà pris
    // leur nouveau numéro.
    QVERIFY(QDir(b.bac.projets).mkdir("P3.jpg"));
    const auto disque = Instantane(b.bac.projets);
    const TableDiapos info = b.editeur.Info;
    const TableDiapos type = b.editeur.TypeImage;
    b.dialogues.messages.clear();
    b.Visionner([](OrdreDiapos& o) { o.CliquerVignette(0); });
    QCOMPARE(b.editeur.OrdreDiapo[3], int16_t(4));
    const auto apres = Instantane(b.bac.projets);
    for (auto it = disque.begin(); it != disque.end(); ++it)
        QVERIFY2(apres.value(it.key()) == it.value(), qPrintable(it.key()));
    QCOMPARE(apres.keys(), disque.keys());
    QVERIFY(QFileInfo(b.Projet("P3.jpg")).isDir());
    QVERIFY(b.Provisoires().isEmpty());
    QCOMPARE(b.editeur.Info, info);
    QCOMPARE(b.editeur.TypeImage, type);
    QVERIFY(b.editeur.IndEnregistrer);
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.messages[0];
    QCOMPARE(m.titre, QString("ERREUR"));
    QVERIFY(m.texte.startsWith("Le nouvel ordre des diapos n'a pas pu être appliqué"));
    QVERIFY(m.texte.contains(QDir::toNativeSeparators(b.Projet("P3.jpg"))));
    QVERIFY(m.texte.endsWith("Rien n'a changé : les diapos gardent leur ordre et leurs images."));
    QCOMPARE(m.icone, Icone::Critique);
}

// Le commentaire en cours d'écriture, pas encore validé, part avec sa diapo.
void TestReordonner::commentaireEnCoursSuitSaDiapo() {
    BancOrdre b;
    b.Preparer(3);
    b.editeur.EcrireNumDiapo("2");
    b.editeur.richtxtTexteInfo.setPlainText("écrit à l'instant");
    b.Visionner([](OrdreDiapos& o) {
        o.CliquerVignette(2);
        o.Inserer(0); // la diapo 2 passe en tête
    });
    QVERIFY(b.editeur.Info[0].contains("écrit à l'instant"));
    QVERIFY(!b.editeur.Info[2].contains("écrit à l'instant"));
}

// Des suites de clics au hasard sur 1 à 200 diapos : chaque image et chaque commentaire
// arrivent là où l'ordre le dit.
void TestReordonner::hasardSurVraisFichiers() {
    QRandomGenerator g(1313);
    for (const int n : {1, 2, 7, 40, 200}) {
        BancOrdre b;
        b.Preparer(n, QString("H%1_").arg(n));
        for (int tour = 0; tour < 3; ++tour) {
            b.Photographier();
            b.Visionner([&](OrdreDiapos& o) { ClicsAuHasard(o, g, 40); });
            QList<int> ordre;
            for (int i = 0; i < n; ++i)
                ordre << b.editeur.OrdreDiapo[i];
            b.VerifierOrdre(ordre);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(b.Provisoires().isEmpty());
    }
}

QTEST_MAIN(TestReordonner)
#include "test_reordonner.moc"
