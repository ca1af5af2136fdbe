// Un Ostrelle arrêté brutalement pendant qu'il abandonne des modifications (un vrai processus,
// tué à chaque pas de la remise en place), puis le démarrage suivant : le projet doit revenir
// exactement à son dernier état enregistré, et aucune copie de secours ne doit traîner.
// Le dossier de secours est sur le même disque que le projet, ou sur un autre.

#include "Banc.h"
#include "ChoixImage.h"
#include "PetitDisque.h"

#include <QProcess>
#include <QtTest>

namespace {
// Il ne reste rien de la copie de secours : ni fichier, ni manifeste.
QMap<QString, QByteArray> Copie(const QString& dossier) {
    auto c = FichiersDeSecours(dossier);
    if (QFile::exists(dossier + "/manifeste"))
        c.insert("manifeste", LireOctets(dossier + "/manifeste"));
    return c;
}

struct Scene {
    Bac bac;
    QString secours;
    QString photos = bac.racine.filePath("photos");
    QMap<QString, QByteArray> enregistre;

    // secoursAilleurs : un dossier de secours sur un autre disque (vide : celui du bac).
    Scene(const QString& secoursAilleurs, bool avecPage) {
        QStandardPaths::setTestModeEnabled(true);
        secours = secoursAilleurs.isEmpty() ? bac.secours : secoursAilleurs;
        QStringList commentaires, extensions;
        for (int i = 0; i < 12; ++i) {
            commentaires << QString("diapo %1").arg(i);
            extensions << (i % 3 == 1 ? ".gif" : ".jpg");
        }
        bac.CreerProjet("P", commentaires, extensions);
        QFile::remove(bac.projets + "/P7.jpg"); // une image manque au milieu
        if (!avecPage) {
            QFile::remove(bac.projets + "/P.htm");
            QFile::remove(bac.projets + "/P.js");
        }
        CreerImage(photos + "/nouvelle.jpg", 50, 40, Qt::red);
        CreerImage(photos + "/ajout.gif", 30, 30, Qt::blue);
        enregistre = Instantane(bac.projets);
    }

    // Lance l'enfant jusqu'à son arrêt ; vrai s'il est allé au bout.
    bool Enfant(int pas) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(ENFANT_SECOURS,
                {bac.programme, secours, bac.projets, "P", photos, QString::number(pas)});
        if (!p.waitForFinished(30000))
            qFatal("l'enfant ne s'arrête pas");
        const QByteArray sortie = p.readAllStandardOutput();
        if (!sortie.contains("ANNULATION"))
            qFatal("l'enfant n'a pas atteint l'annulation (code %d)", p.exitCode());
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 &&
               sortie.contains("FINI");
    }
};
} // namespace

class TestRecuperation : public QObject {
    Q_OBJECT
private slots:
    void arretAChaquePas_data();
    void arretAChaquePas();
    void garderLesFichiersTelsQuels();
    void questionEtEtatsDuManifeste();
    void copieDUneAutreSeanceJamaisEffacee();
    void imageChangeeDemandeAvantDOuvrir();
};

void TestRecuperation::arretAChaquePas_data() {
    QTest::addColumn<bool>("autreDisque");
    QTest::addColumn<bool>("avecPage");
    QTest::newRow("même disque") << false << true;
    QTest::newRow("autre disque") << true << true;
    QTest::newRow("sans page ni script") << false << false;
}

void TestRecuperation::arretAChaquePas() {
    QFETCH(bool, autreDisque);
    QFETCH(bool, avecPage);
    PetitDisque disque(8 * 1024);
    if (autreDisque)
        QVERIFY2(disque.valide(), qPrintable(disque.erreur()));
    Scene s(autreDisque ? disque.dossier("secours") : QString(), avecPage);

    int arrets = 0;
    for (int pas = -2;; ++pas) {
        if (pas == -1)
            continue;
        Reposer(s.bac.projets, s.enregistre);
        Reposer(s.secours, {});
        const bool auBout = s.Enfant(pas);
        if (!auBout) {
            ++arrets;
            // Le démarrage suivant.
            FauxDialogues dialogues;
            dialogues.reponseParDefaut = Reponse::Oui;
            Editeur e(dialogues, s.bac.programme, s.secours);
            QVERIFY(e.copieSecours().Verrouiller());
            const bool restait = e.copieSecours().Restante().has_value();
            e.RecupererCopieSecours();
            // Arrêté avant d'avoir commencé : la question ; pendant : on finit sans demander ;
            // au tout dernier pas, il ne restait rien à faire.
            QCOMPARE(dialogues.messages.size(), restait ? 1 : 0);
            if (restait) {
                QCOMPARE(dialogues.dernier().titre, QString("RECUPERATION"));
                QCOMPARE(dialogues.dernier().boutons, pas == -2 ? Boutons::OuiNon : Boutons::OK);
            }
        }
        const auto apres = Instantane(s.bac.projets);
        if (apres != s.enregistre) {
            QStringList differents;
            for (const QString& nom : (apres.keys() + s.enregistre.keys()))
                if (apres.value(nom) != s.enregistre.value(nom))
                    differents << nom;
            differents.removeDuplicates();
            QFAIL(qPrintable(QString("arrêt au pas %1 : %2").arg(pas).arg(differents.join(", "))));
        }
        QVERIFY2(Copie(s.secours).isEmpty(), qPrintable(QString("pas %1").arg(pas)));
        QVERIFY(QDir(s.secours).entryList({"conserve-*"}, QDir::Dirs).isEmpty());
        if (auBout)
            break;
        QVERIFY(pas < 500);
    }
    // Une remise en place de douze diapos compte des dizaines de pas.
    QVERIFY2(arrets >= 25, qPrintable(QString("%1 arrêts seulement").arg(arrets)));
}

void TestRecuperation::garderLesFichiersTelsQuels() {
    Scene s(QString(), true);
    QVERIFY(!s.Enfant(-2));
    const auto modifie = Instantane(s.bac.projets);
    QVERIFY(modifie != s.enregistre);

    FauxDialogues dialogues;
    dialogues.reponses = {Reponse::Non};
    Editeur e(dialogues, s.bac.programme, s.secours);
    QVERIFY(e.copieSecours().Verrouiller());
    e.RecupererCopieSecours();
    const MessageVu q = dialogues.dernier();
    QCOMPARE(q.titre, QString("RECUPERATION"));
    QCOMPARE(q.icone, Icone::Exclamation);
    QCOMPARE(q.texte, QString("Ostrelle ne s'est pas fermé normalement la dernière fois.\r\n"
                              "Les modifications du diaporama « P » (dossier %1) n'avaient pas été "
                              "enregistrées.\r\n\r\n"
                              "Voulez-vous remettre ce diaporama dans l'état de son dernier "
                              "enregistrement ?\r\n\r\n"
                              "Oui : les modifications non enregistrées sont abandonnées.\r\n"
                              "Non : le diaporama garde ses fichiers tels qu'ils sont maintenant.")
                          .arg(s.bac.projets));
    QCOMPARE(Instantane(s.bac.projets), modifie);
    QVERIFY(Copie(s.secours).isEmpty());
}

void TestRecuperation::questionEtEtatsDuManifeste() {
    // Une copie restée pendant sa prise : le projet était son propre état, elle s'en va
    // sans question.
    {
        Banc b;
        b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".gif"});
        b.Ouvrir("P");
        ManifesteSecours m = *b.editeur.copieSecours().Restante();
        m.etat = ManifesteSecours::Etat::Prise;
        QVERIFY(EcrireManifeste(b.editeur.copieSecours().cheminManifeste(), m));
        const auto projet = Instantane(b.bac.projets);
        FauxDialogues dialogues;
        Editeur suivant(dialogues, b.bac.programme, b.bac.secours);
        suivant.RecupererCopieSecours();
        QVERIFY(dialogues.messages.isEmpty());
        QVERIFY(Copie(b.bac.secours).isEmpty());
        QCOMPARE(Instantane(b.bac.projets), projet);
    }
    // Arrêt pendant un enregistrement : si le fichier de projet a changé, l'enregistrement
    // est allé au bout et la copie n'a plus lieu d'être ; sinon c'est la question.
    for (const bool ecrit : {true, false}) {
        Banc b;
        b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".gif"});
        b.Ouvrir("P");
        b.editeur.copieSecours().MarquerEnregistrement();
        if (ecrit)
            EcrireOctets(b.Projet("P.cin"), "Nom=P\r\nRepertoire=x\r\nNbSprite=0\r\nTag=\r\n");
        const auto projet = Instantane(b.bac.projets);
        FauxDialogues dialogues;
        if (!ecrit)
            dialogues.reponses = {Reponse::Non};
        Editeur suivant(dialogues, b.bac.programme, b.bac.secours);
        suivant.RecupererCopieSecours();
        QCOMPARE(dialogues.messages.size(), ecrit ? 0 : 1);
        QVERIFY(Copie(b.bac.secours).isEmpty());
        QCOMPARE(Instantane(b.bac.projets), projet);
    }
}

// Une séance arrêtée brutalement a laissé sa copie : ouvrir un projet sans être passé par la
// récupération ne l'efface pas, il la range à part et le dit.
void TestRecuperation::copieDUneAutreSeanceJamaisEffacee() {
    Bac bac;
    QStandardPaths::setTestModeEnabled(true);
    bac.CreerProjet("A", {"a0", "a1"}, {".jpg", ".jpg"});
    bac.CreerProjet("B", {"b0"}, {".gif"});
    const QByteArray imageA = LireOctets(bac.projets + "/A1.jpg");
    {
        FauxDialogues dialogues;
        Editeur e(dialogues, bac.programme, bac.secours);
        e.NomProjet = "A";
        e.RepertoireProjet = bac.projets;
        e.OuvrirProjet();
        // Modifiée puis perdue : la séance s'arrête sans rien remettre.
        CreerImage(bac.projets + "/A1.jpg", 8, 8, Qt::black);
    }
    FauxDialogues dialogues;
    Editeur e(dialogues, bac.programme, bac.secours);
    e.NomProjet = "B";
    e.RepertoireProjet = bac.projets;
    e.OuvrirProjet();
    QVERIFY(e.IndOuverture);
    QCOMPARE(dialogues.messages.size(), 1);
    QCOMPARE(dialogues.dernier().titre, QString("COPIE DE SECOURS"));
    const QStringList rangees = QDir(bac.secours).entryList({"conserve-*"}, QDir::Dirs);
    QCOMPARE(rangees.size(), 1);
    const QString rangee = bac.secours + "/" + rangees.first();
    QVERIFY(dialogues.dernier().texte.contains(rangee));
    QCOMPARE(LireOctets(rangee + "/aaaa1.jpg"), imageA);
    QVERIFY(QFile::exists(rangee + "/manifeste"));
    // La nouvelle copie est bien celle de B.
    QCOMPARE(LireOctets(bac.secours + "/aaaa0.gif"), LireOctets(bac.projets + "/B0.gif"));
}

// Changer une image ne marque pas le projet non enregistré ; l'ancienne n'existe plus que
// dans la copie de secours : ouvrir autre chose pose la question au lieu de l'effacer.
void TestRecuperation::imageChangeeDemandeAvantDOuvrir() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".jpg"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    const auto enregistre = Instantane(b.bac.projets);
    CreerImage(b.bac.racine.filePath("photos/autre.jpg"), 20, 20, Qt::red);
    b.fenetres.changement = [&] {
        ValiderChangement(b.editeur, b.bac.racine.filePath("photos"), "autre.jpg");
    };
    b.editeur.ChangerDiapo();
    QVERIFY(b.editeur.IndEnregistrer);
    b.dialogues.messages.clear();
    b.dialogues.reponses = {Reponse::Non};
    b.editeur.NouveauProjet();
    QCOMPARE(b.dialogues.messages.value(0).titre, QString("Projet en cours"));
    QCOMPARE(Instantane(b.bac.projets), enregistre);
    QCOMPARE(b.editeur.NomProjet, QString("Nouveau"));
}

QTEST_GUILESS_MAIN(TestRecuperation)
#include "test_recuperation.moc"
