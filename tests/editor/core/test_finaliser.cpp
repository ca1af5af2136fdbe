// « Finaliser le diaporama » : ce qui reste dans le dossier, fichier par fichier, et ce qui ne
// doit plus jamais y revenir (fermeture de la fenêtre, Nouveau, Quitter).

#include "Banc.h"

#include <QDir>
#include <QtTest>

namespace {
const QString Question =
    QStringLiteral("La finalisation du diaporama va détruire les fichiers nécéssaires à "
                   "l'édition sur Ostrelle.\r\nVont rester les fichiers nécessaires au "
                   "fonctionnement sur le navigateur.\r\nVoulez-vous effacer les fichiers "
                   "d'édition ?");

struct BancFinal : Banc {
    // Un projet de trois diapos avec sa page, son fond, son fond de cadre et son son.
    explicit BancFinal(const QByteArray& page = "<html><body>page</body></html>\r\n") {
        bac.CreerProjet("P", {"a", "b", "c"}, {".jpg", ".gif", ".jpg"});
        EcrireOctets(Projet("P.htm"), page);
        CreerImage(Projet("imgFond.jpg"), 16, 16, Qt::lightGray);
        CreerImage(Projet("imgFondTable.jpg"), 16, 16, Qt::darkYellow);
        CreerImage(Projet("imgFondCadre.jpg"), 16, 16, Qt::darkRed);
        EcrireOctets(Projet("sohifrm2.wav"), "RIFF....WAVE");
        Ouvrir("P");
        editeur.CommandeEnregistrer();
        dialogues.messages.clear();
    }
    QStringList Fichiers() const {
        QStringList f = QDir(bac.projets).entryList(QDir::Files | QDir::Hidden);
        f.sort();
        return f;
    }
};

const QStringList Navigateur = {"P.htm",  "P.js",        "P0.jpg",           "P1.gif",
                                "P2.jpg", "imgFond.jpg", "imgFondTable.jpg", "sohifrm2.wav"};
} // namespace

class TestFinaliser : public QObject {
    Q_OBJECT
private slots:
    void cequiReste_data();
    void cequiReste();
    void nonNeChangeRien();
    void projetParDefautOuDossierDuProgramme();
    void plusRienNeRevient();
};

void TestFinaliser::cequiReste_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("cadre");
    QTest::newRow("page sans fond de cadre")
        << QByteArray("<html><body>x</body></html>\r\n") << false;
    QTest::newRow("page au cadre de bois")
        << QByteArray("<html>\r\n<!-- background=imgFondTable.jpg -->\r\n</html>\r\n") << true;
    QTest::newRow("majuscules et minuscules mêlées")
        << QByteArray("<body BACKGROUND=IMGFONDTABLE.JPG>\r\n") << true;
    QTest::newRow("le nom seul ne suffit pas")
        << QByteArray("<body style=\"background: url(imgFondTable.jpg)\">\r\n") << false;
    QTest::newRow("un espace entre les deux")
        << QByteArray("background= imgFondTable.jpg\r\n") << false;
}

// Le fichier de projet part ; « imgFondCadre.jpg » aussi quand la page ne se sert pas du fond
// de cadre ; tout le reste est là, intact.
void TestFinaliser::cequiReste() {
    QFETCH(QByteArray, page);
    QFETCH(bool, cadre);
    BancFinal b(page);
    QMap<QString, QByteArray> avant = Instantane(b.bac.projets);
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.FinaliserDiaporama();
    const MessageVu q = b.dialogues.messages.value(0);
    QCOMPARE(q.titre, QString("ALERTE"));
    QCOMPARE(q.texte, Question);
    QCOMPARE(q.boutons, Boutons::OuiNon);
    QCOMPARE(q.icone, Icone::Exclamation);
    QCOMPARE(b.dialogues.messages.size(), 1);
    QStringList attendus = Navigateur;
    if (cadre)
        attendus << "imgFondCadre.jpg";
    attendus.sort();
    QCOMPARE(b.Fichiers(), attendus);
    const auto apres = Instantane(b.bac.projets);
    for (const QString& f : attendus)
        QCOMPARE(apres[f], avant[f]);
    QVERIFY(!b.editeur.IndOuverture);
    QVERIFY(b.editeur.IndEnregistrer);
    QVERIFY(b.editeur.richtxtTexteInfo.isEmpty());
    QVERIFY(!b.editeur.copieSecours().existe());
}

void TestFinaliser::nonNeChangeRien() {
    BancFinal b;
    const auto avant = Instantane(b.bac.projets);
    b.dialogues.reponses = {Reponse::Non};
    b.editeur.FinaliserDiaporama();
    QCOMPARE(Instantane(b.bac.projets), avant);
    QVERIFY(b.editeur.IndOuverture);
    QVERIFY(b.editeur.copieSecours().existe());
}

// Le projet par défaut, un projet rangé dans le dossier du programme, ou aucun projet : ni
// question ni fichier touché.
void TestFinaliser::projetParDefautOuDossierDuProgramme() {
    {
        Banc b;
        b.editeur.FinaliserDiaporama();
        QVERIFY(b.dialogues.messages.isEmpty());
    }
    {
        Banc b;
        b.editeur.NouveauProjet();
        const auto avant = Instantane(b.bac.programme);
        b.editeur.FinaliserDiaporama();
        QVERIFY(b.dialogues.messages.isEmpty());
        QCOMPARE(Instantane(b.bac.programme), avant);
        QVERIFY(b.editeur.IndOuverture);
    }
    {
        Banc b;
        const QString projets = b.bac.projets;
        b.bac.projets = b.bac.programme;
        b.bac.CreerProjet("Ici", {"a"}, {".jpg"});
        b.bac.projets = projets;
        b.Ouvrir("Ici", b.bac.programme + "/"); // le même dossier, écrit autrement
        QVERIFY(b.editeur.IndOuverture);
        const auto avant = Instantane(b.bac.programme);
        b.dialogues.messages.clear();
        b.editeur.FinaliserDiaporama();
        QVERIFY(b.dialogues.messages.isEmpty());
        QCOMPARE(Instantane(b.bac.programme), avant);
    }
}

// Des modifications non enregistrées (une image changée en place, une diapo supprimée), puis la
// finalisation : ni la fermeture de la fenêtre, ni Nouveau, ni Quitter ne remettent la copie de
// secours dans le dossier finalisé.
void TestFinaliser::plusRienNeRevient() {
    for (int fin = 0; fin < 3; ++fin) {
        BancFinal b;
        CreerImage(b.Projet("P0.jpg"), 50, 50, Qt::magenta); // changée sur place
        b.editeur.copieSecours().NoterModification();
        b.editeur.EcrireNumDiapo("2");
        b.dialogues.reponses = {Reponse::Oui};
        b.editeur.SupprimerDiapo();
        QVERIFY(!b.editeur.IndEnregistrer);
        b.dialogues.reponses = {Reponse::Oui};
        b.editeur.FinaliserDiaporama();
        const auto finalise = Instantane(b.bac.projets);
        QVERIFY(!finalise.contains("P.cin"));
        b.dialogues.messages.clear();
        switch (fin) {
        case 0:
            b.editeur.FermetureFenetre();
            break;
        case 1:
            b.editeur.NouveauProjet();
            QCOMPARE(b.editeur.NomProjet, QString("Nouveau"));
            break;
        default:
            b.dialogues.reponses = {Reponse::Oui};
            QVERIFY(b.editeur.Quitter());
            QCOMPARE(b.dialogues.messages.size(), 1); // « Voulez-vous vraiment quitter ? »
            break;
        }
        QCOMPARE(Instantane(b.bac.projets), finalise);
    }
}

QTEST_MAIN(TestFinaliser)
#include "test_finaliser.moc"
