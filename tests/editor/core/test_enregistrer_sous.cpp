// « Enregistrer sous... » sans fenêtre : la règle du nom et ses refus, la question de la
// réécriture, puis l'opération elle-même sur de vrais fichiers (l'ancien projet revenu à son
// état enregistré, le nouveau entier ou absent).

#include "Banc.h"
#include "ChoixImage.h"
#include "EnregistrerSous.h"
#include "Ouverture.h"
#include "PetitDisque.h"
#include "SauverSous.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
// Ce que fait un utilisateur dans la fenêtre : taper un nom dans un dossier, puis OK.
struct BancSauver : Banc {
    QString destination = bac.racine.filePath("ailleurs");

    BancSauver() {
        QDir().mkpath(destination);
        fenetres.sauverSous = [this] { Choisir(destination, nomChoisi); };
    }
    QString nomChoisi = "Vacances";
    void Choisir(const QString& dossier, const QString& nom) {
        QVERIFY(SauverSous::Valider(editeur, dossier, nom));
    }
    QString Nouveau(const QString& suffixe) const {
        return destination + "/" + nomChoisi + suffixe;
    }

    // Un projet de cinq diapos GIF et JPEG, ouvert, enregistré, puis modifié : une diapo
    // supprimée, un commentaire changé.
    QMap<QString, QByteArray> ProjetModifie() {
        bac.CreerProjet("P", {"a", "b", "c", "d", "e"}, {".jpg", ".gif", ".jpg", ".gif", ".jpg"});
        Ouvrir("P");
        editeur.CommandeEnregistrer();
        const auto enregistre = Instantane(bac.projets);
        editeur.EcrireNumDiapo("1");
        dialogues.reponses = {Reponse::Oui};
        editeur.SupprimerDiapo();
        editeur.richtxtTexteInfo.setPlainText("changé");
        editeur.RichVersHTML();
        dialogues.messages.clear();
        return enregistre;
    }
};
} // namespace

class TestEnregistrerSous : public QObject {
    Q_OBJECT
private slots:
    void regleDuNom_data();
    void regleDuNom();
    void dossierDuProgrammeRefuse();
    void reecritureRefuseePuisAnnulee();
    void annulationNeReprendPasLeChoixPrecedent();
    void ancienEtNouveauProjet();
    void fermerJusteApres();
    void depuisLeProjetParDefaut();
    void surLeProjetOuvert();
    void disquePleinRienNeChange();
    void imageManquanteAuMilieu();
    void reecritureEffaceLesImagesEnTrop();
    void dossierCree();
    void deNouveauAuNavigateurEtRetour();
};

void TestEnregistrerSous::regleDuNom_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("ferme");
    QTest::addColumn<QString>("nomEnr"); // vide : rien de choisi
    QTest::addColumn<QString>("titre");  // le message, vide : aucun
    const QString invalide = "Nom Invalide";
    QTest::newRow("avec .cin") << "Projet.cin" << true << "Projet"
                               << "";
    QTest::newRow("chiffre") << "projet2" << false << "" << invalide;
    QTest::newRow("accents") << "été" << false << "" << invalide;
    QTest::newRow("blanc") << "mon projet" << false << "" << invalide;
    QTest::newRow("tiret") << "mon-projet" << false << "" << invalide;
    QTest::newRow("point seul") << ".cin" << false << "" << invalide;
    QTest::newRow("souligné") << "mon_projet" << true << "mon_projet"
                              << "";
    QTest::newRow("défaut") << "Nouveau" << true << ""
                            << "";
    QTest::newRow("défaut .cin") << "Nouveau.cin" << true << ""
                                 << "";
    QTest::newRow("secours") << "aaaa" << true << ""
                             << "";
    QTest::newRow("secours .cin") << "aaaa.cin" << true << ""
                                  << "";
    QTest::newRow("défaut en minuscules") << "nouveau" << true << "nouveau"
                                          << "";
    QTest::newRow("vide") << "" << true << ""
                          << "";
}

void TestEnregistrerSous::regleDuNom() {
    QFETCH(QString, nom);
    QFETCH(bool, ferme);
    QFETCH(QString, nomEnr);
    QFETCH(QString, titre);
    BancSauver b;
    QCOMPARE(SauverSous::Valider(b.editeur, b.destination, nom), ferme);
    QCOMPARE(b.editeur.NomEnr, nomEnr);
    QCOMPARE(b.editeur.RepEnr, nomEnr.isEmpty() ? QString() : b.destination);
    QCOMPARE(b.dialogues.messages.size(), titre.isEmpty() ? 0 : 1);
    if (!titre.isEmpty()) {
        const MessageVu m = b.dialogues.dernier();
        QCOMPARE(m.titre, titre);
        QCOMPARE(m.texte, QString("Le nom choisi doit comporter uniquement des caractères "
                                  "alphabétiques\r\nnon accentués ou le caractère _."));
        QCOMPARE(m.icone, Icone::Exclamation);
        QCOMPARE(m.boutons, Boutons::OK);
    }
}

void TestEnregistrerSous::dossierDuProgrammeRefuse() {
    BancSauver b;
    for (const QString& dossier : {b.bac.programme, b.bac.programme + "/"}) {
        b.dialogues.messages.clear();
        QVERIFY(!SauverSous::Valider(b.editeur, dossier, "Valable"));
        const MessageVu m = b.dialogues.dernier();
        QCOMPARE(m.titre, QString("Erreur de répertoire"));
        QCOMPARE(m.texte, QString("Il est impossible de sauvegarder dans le répertoire de "
                                  "travail.\r\nPour créer un répertoire, cliquez sur la zone "
                                  "répertoire."));
        QCOMPARE(m.icone, Icone::Exclamation);
        QCOMPARE(b.editeur.RepEnr, QString());
    }
}

void TestEnregistrerSous::reecritureRefuseePuisAnnulee() {
    BancSauver b;
    EcrireOctets(b.destination + "/Existant.cin", "Nom=Existant\r\n");
    b.dialogues.reponses = {Reponse::Non};
    QVERIFY(!SauverSous::Valider(b.editeur, b.destination, "Existant.cin"));
    const MessageVu q = b.dialogues.dernier();
    QCOMPARE(q.titre, QString("ALERTE"));
    QCOMPARE(q.texte, QString("Le projet existe déjà.\r\nVoulez-vous le réécrire ?"));
    QCOMPARE(q.icone, Icone::Critique);
    QCOMPARE(q.boutons, Boutons::OuiNon);
    QVERIFY(b.editeur.NomEnr.isEmpty() && b.editeur.RepEnr.isEmpty());
    // Puis « Annuler » : tout l'enregistrement est annulé.
    b.bac.CreerProjet("P", {"a"}, {".jpg"});
    b.Ouvrir("P");
    b.fenetres.sauverSous = [&] {
        b.dialogues.reponses = {Reponse::Non};
        QVERIFY(!SauverSous::Valider(b.editeur, b.destination, "Existant"));
        SauverSous::Annuler(b.editeur);
    };
    b.dialogues.messages.clear();
    b.editeur.CommandeEnregistrerSous();
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ANNULATION"));
    QCOMPARE(m.texte, QString("L'opération a été annulée."));
    QCOMPARE(m.boutons, Boutons::OK);
    QCOMPARE(b.editeur.NomProjet, QString("P"));
    QCOMPARE(LireOctets(b.destination + "/Existant.cin"), QByteArray("Nom=Existant\r\n"));
}

void TestEnregistrerSous::annulationNeReprendPasLeChoixPrecedent() {
    BancSauver b;
    b.ProjetModifie();
    b.editeur.CommandeEnregistrerSous();
    QCOMPARE(b.editeur.NomProjet, QString("Vacances"));
    const auto apres = Instantane(b.destination);
    // La seconde fois, la fenêtre est fermée sans choix : le premier dossier ne compte pas.
    b.fenetres.sauverSous = [] {};
    b.dialogues.messages.clear();
    b.editeur.CommandeEnregistrerSous();
    QCOMPARE(b.dialogues.dernier().titre, QString("ANNULATION"));
    QCOMPARE(b.editeur.RepImage, b.destination + "/Vacances");
    QCOMPARE(Instantane(b.destination), apres);
}

void TestEnregistrerSous::ancienEtNouveauProjet() {
    BancSauver b;
    const auto enregistre = b.ProjetModifie();
    const auto modifie = Instantane(b.bac.projets);
    Editeur& e = b.editeur;
    e.CommandeEnregistrerSous();
    QVERIFY(b.dialogues.messages.isEmpty());

    // L'ancien dossier : exactement son dernier état enregistré.
    QCOMPARE(Instantane(b.bac.projets), enregistre);
    // Le nouveau : l'état modifié, sous le nouveau nom.
    QCOMPARE(e.NomProjet, QString("Vacances"));
    QCOMPARE(e.RepertoireProjet, b.destination);
    QCOMPARE(e.RepImage, b.destination + "/Vacances");
    QCOMPARE(e.lblNomDiapo, QString("Vacances"));
    QVERIFY(e.IndEnregistrer);
    // Après la suppression de la diapo 1, les images décalées de l'ancien projet.
    for (const QString image : {"0.jpg", "1.jpg", "2.gif", "3.jpg"})
        QCOMPARE(LireOctets(b.Nouveau(image)), modifie.value("P" + image));
    QCOMPARE(LireOctets(b.Nouveau(".htm")), modifie.value("P.htm"));
    const LectureProjet l = LireFichierProjet(b.Nouveau(".cin"));
    QVERIFY(l.accepte);
    QCOMPARE(l.nbSprite, 4);
    QCOMPARE(l.infos[1], Html("changé"));
    QVERIFY(LireOctets(b.Nouveau(".cin"))
                .startsWith("Nom=Vacances\r\nRepertoire=" + b.destination.toUtf8() + "\r\n"));
    // La copie de secours est celle du nouveau projet.
    QCOMPARE(e.copieSecours().projet(), b.destination + "/Vacances");
    QVERIFY(e.copieSecours().complete());
    QCOMPARE(FichiersDeSecours(b.bac.secours).value("aaaa1.jpg"), LireOctets(b.Nouveau("1.jpg")));
}

void TestEnregistrerSous::fermerJusteApres() {
    BancSauver b;
    b.ProjetModifie();
    b.editeur.CommandeEnregistrerSous();
    const auto ancien = Instantane(b.bac.projets);
    const auto nouveau = Instantane(b.destination);
    b.editeur.FermetureFenetre();
    QCOMPARE(Instantane(b.bac.projets), ancien);
    QCOMPARE(Instantane(b.destination), nouveau);
}

// « Nouveau » est le modèle de toutes les pages : après un enregistrement sous un autre nom,
// ses fichiers sont ceux d'avant la séance, et le nouveau projet a le fond que sa page demande.
void TestEnregistrerSous::depuisLeProjetParDefaut() {
    BancSauver b;
    const auto programme = Instantane(b.bac.programme);
    b.editeur.NouveauProjet();
    CreerImage(b.bac.racine.filePath("photos/vue.jpg"), 30, 20, Qt::red);
    b.fenetres.ajout = [&] {
        ValiderAjout(b.editeur, b.bac.racine.filePath("photos"), "vue.jpg", "Une vue");
    };
    b.editeur.AjouterDiapo();
    b.editeur.richtxtTexteInfo.setPlainText("modifié");
    b.editeur.CommandeEnregistrerSous();
    QCOMPARE(b.editeur.NomProjet, QString("Vacances"));
    QCOMPARE(Instantane(b.bac.programme), programme);
    QCOMPARE(LireOctets(b.destination + "/imgFond.jpg"), programme.value("imgFond.jpg"));
    QCOMPARE(LireOctets(b.destination + "/imgFondTable.jpg"), programme.value("imgFondTable.jpg"));
    QCOMPARE(LireOctets(b.Nouveau("0.gif")), programme.value("Nouveau0.gif"));
    QVERIFY(QFile::exists(b.Nouveau("1.jpg")));
}

// Sur lui-même, tout recopier puis remettre l'ancien état perdrait le travail : c'est un
// enregistrement.
void TestEnregistrerSous::surLeProjetOuvert() {
    BancSauver b;
    b.ProjetModifie();
    const auto modifie = Instantane(b.bac.projets);
    b.fenetres.sauverSous = [&] {
        b.dialogues.reponses = {Reponse::Oui}; // « Le projet existe déjà » : le réécrire
        b.Choisir(b.bac.projets + "/", "P");
    };
    b.editeur.CommandeEnregistrerSous();
    QCOMPARE(b.dialogues.messages.size(), 1); // la question de la réécriture, rien d'autre
    QVERIFY(b.editeur.IndEnregistrer);
    QCOMPARE(b.editeur.NomProjet, QString("P"));
    const auto apres = Instantane(b.bac.projets);
    for (const char* image : {"P0.jpg", "P1.jpg", "P2.gif", "P3.jpg"})
        QCOMPARE(apres.value(image), modifie.value(image));
    QCOMPARE(LireFichierProjet(b.bac.projets + "/P.cin").infos[1], Html("changé"));
    b.editeur.FermetureFenetre();
    QCOMPARE(Instantane(b.bac.projets), apres);
}

void TestEnregistrerSous::disquePleinRienNeChange() {
    PetitDisque disque(96);
    QVERIFY2(disque.valide(), qPrintable(disque.erreur()));
    BancSauver b;
    b.destination = disque.dossier("cle");
    b.ProjetModifie();
    const auto modifie = Instantane(b.bac.projets);
    // Du bruit se compresse mal : cette image ne tient pas sur le petit disque.
    QImage grande(400, 400, QImage::Format_RGB32);
    QRandomGenerator bruit(3);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            grande.setPixel(x, y, bruit.generate());
    grande.save(b.bac.projets + "/P3.jpg", "JPEG", 100);
    const auto avant = Instantane(b.bac.projets);
    b.editeur.CommandeEnregistrerSous();
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ERREUR"));
    QCOMPARE(m.icone, Icone::Critique);
    QVERIFY2(m.texte.contains(b.Nouveau("")), qPrintable(m.texte));
    QVERIFY2(m.texte.contains("Le disque est plein."), qPrintable(m.texte));
    // L'ancien projet reste ouvert, non enregistré, tel quel ; le nouveau n'existe pas.
    QCOMPARE(b.editeur.NomProjet, QString("P"));
    QVERIFY(!b.editeur.IndEnregistrer);
    QCOMPARE(Instantane(b.bac.projets), avant);
    QVERIFY(Instantane(b.destination).isEmpty());
    QVERIFY(b.editeur.copieSecours().complete());
    Q_UNUSED(modifie);
}

void TestEnregistrerSous::imageManquanteAuMilieu() {
    BancSauver b;
    b.ProjetModifie();
    QFile::remove(b.bac.projets + "/P1.jpg");
    b.editeur.CommandeEnregistrerSous();
    QVERIFY(b.dialogues.messages.isEmpty());
    QVERIFY(!QFile::exists(b.Nouveau("1.jpg")));
    QVERIFY(QFile::exists(b.Nouveau("2.gif")));
    QVERIFY(QFile::exists(b.Nouveau("3.jpg")));
    QCOMPARE(LireFichierProjet(b.Nouveau(".cin")).nbSprite, 4);
}

void TestEnregistrerSous::reecritureEffaceLesImagesEnTrop() {
    BancSauver b;
    // Un ancien « Vacances » de huit diapos, toutes GIF, là où l'on enregistre.
    for (int i = 0; i < 8; ++i)
        CreerImage(b.Nouveau(QString("%1.gif").arg(i)), 5, 5, Qt::black);
    EcrireOctets(b.Nouveau(".cin"), "Nom=Vacances\r\nRepertoire=x\r\nNbSprite=8\r\nTag=\r\n");
    b.ProjetModifie();
    b.fenetres.sauverSous = [&] {
        b.dialogues.reponses = {Reponse::Oui};
        b.Choisir(b.destination, "Vacances");
    };
    b.editeur.CommandeEnregistrerSous();
    QCOMPARE(QDir(b.destination).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase),
             QStringList({"imgFond.jpg", "imgFondTable.jpg", "Vacances.cin", "Vacances.htm",
                          "Vacances.js", "Vacances0.jpg", "Vacances1.jpg", "Vacances2.gif",
                          "Vacances3.jpg"}));
}

void TestEnregistrerSous::dossierCree() {
    Bac bac;
    FauxDialogues dialogues;
    dialogues.reponses = {Reponse::Oui};
    dialogues.saisies = {QString("Mes diaporamas")};
    const auto cree = SauverSous::CreerDossier(dialogues, bac.projets);
    QCOMPARE(cree, std::optional<QString>(bac.projets + "/Mes diaporamas"));
    QVERIFY(QFileInfo(bac.projets + "/Mes diaporamas").isDir());
    const MessageVu q = dialogues.messages[0];
    QCOMPARE(q.titre, QString("CREER UN REPERTOIRE"));
    QCOMPARE(q.texte,
             "Voulez-vous créer un nouveau dossier dans le répertoire\r\n" + bac.projets + " ?");
    QCOMPARE(q.icone, Icone::Exclamation);
    QCOMPARE(dialogues.messages[1].titre, QString("NOUVEAU REPERTOIRE"));
    QCOMPARE(dialogues.messages[1].texte, QString("Entrez le nom du nouveau répertoire :"));

    // Déjà là, ou un nom qui sortirait du dossier : le message, rien de créé.
    for (const QString& nom : {QString("Mes diaporamas"), QString("../dehors"), QString("..")}) {
        dialogues.messages.clear();
        dialogues.reponses = {Reponse::Oui};
        dialogues.saisies = {nom};
        QVERIFY(!SauverSous::CreerDossier(dialogues, bac.projets));
        const MessageVu m = dialogues.dernier();
        QCOMPARE(m.titre, QString("ERREUR"));
        QCOMPARE(m.texte, QString("Le nom utilisé n'est pas un nom valide\r\nou le dossier existe "
                                  "déjà."));
        QCOMPARE(m.icone, Icone::Exclamation);
    }
    QVERIFY(!QFileInfo::exists(bac.racine.filePath("dehors")));
    // Non, ou une saisie annulée ou vide : rien.
    dialogues.reponses = {Reponse::Non, Reponse::Oui, Reponse::Oui};
    dialogues.saisies = {std::nullopt, QString()};
    for (int i = 0; i < 3; ++i)
        QVERIFY(!SauverSous::CreerDossier(dialogues, bac.projets));
}

// Le chemin entier d'un utilisateur : Nouveau, trois photos, Enregistrer sous « Vacances »,
// la page, puis plus tard Ouvrir « Vacances ».
void TestEnregistrerSous::deNouveauAuNavigateurEtRetour() {
    BancSauver b;
    // Des modèles de page et de script aux lignes que le générateur attend.
    QByteArray modelePage, modeleScript;
    for (int i = 1; i <= 12; ++i)
        modelePage += "page " + QByteArray::number(i) + "\r\n";
    for (int i = 1; i <= 18; ++i)
        modeleScript += "script " + QByteArray::number(i) + "\r\n";
    EcrireOctets(b.bac.programme + "/Nouveau.htm", modelePage);
    EcrireOctets(b.bac.programme + "/Nouveau.js", modeleScript);
    Editeur& e = b.editeur;
    e.NouveauProjet();
    const QString photos = b.bac.racine.filePath("photos");
    for (int i = 0; i < 3; ++i)
        CreerImage(photos + QString("/photo%1.jpg").arg(i), 40 + i, 30, Qt::darkBlue);
    int photo = 0;
    b.fenetres.ajout = [&] {
        ValiderAjout(e, photos, QString("photo%1.jpg").arg(photo), QString("Photo %1").arg(photo));
        ++photo;
    };
    for (int i = 0; i < 3; ++i)
        e.AjouterDiapo();
    QCOMPARE(e.NbSprite, 4);
    e.CommandeEnregistrerSous();
    QCOMPARE(e.NomProjet, QString("Vacances"));
    e.CreerHTML();
    QCOMPARE(b.dialogues.ouvertures, QStringList({b.Nouveau(".htm")}));
    const QByteArray script = LireOctets(b.Nouveau(".js"));
    QVERIFY(script.contains("var RepImage=\"Vacances\";"));
    QVERIFY(script.contains("var NBSprite=3;"));
    QVERIFY(script.contains("Info[3]=\"&nbsp;") && script.contains("Photo 2"));
    QVERIFY(script.contains("TypeImage[3]=\".jpg\";"));

    e.NouveauProjet();
    QCOMPARE(e.NomProjet, QString("Nouveau"));
    b.fenetres.ouvrir = [&] { Ouverture::Valider(e, b.destination, "Vacances.cin"); };
    b.dialogues.reponses = {Reponse::Non}; // « Nouveau » n'est pas gardé
    e.CommandeOuvrir();
    QCOMPARE(e.NomProjet, QString("Vacances"));
    QVERIFY(e.IndOuverture);
    QCOMPARE(e.NbSprite, 4);
    QCOMPARE(e.lblNomDiapo, QString("Vacances"));
    QCOMPARE(LireOctets(b.Nouveau(".js")), script);
}

QTEST_GUILESS_MAIN(TestEnregistrerSous)
#include "test_enregistrer_sous.moc"
