// Nouveau, Enregistrer, Quitter et la fermeture de la fenêtre, avec leurs questions exactes.

#include "Banc.h"

#include <QtTest>

class TestFlux : public QObject {
    Q_OBJECT
private slots:
    void nouveauOuvreLeProjetParDefaut();
    void enregistrerNouveauImpossible();
    void nouveauAvecModificationsEnregistreLeDefaut();
    void nouveauSansFichierRestaure();
    void nouveauSansFichierRefuseOuSansReserve();
    void nouveauApresRestaurationPartielle();
    void quitterNonNeChangeRien();
    void quitterOuiOuiEnregistre();
    void quitterOuiNonAnnule();
    void quitterSurNouveauRefuse();
    void quitterSansProjet();
    void fermerApresEnregistrementGardeLEtat();
    void fermerAbandonneLesModifications();
    void echecDEcritureSignale();
};

void TestFlux::nouveauOuvreLeProjetParDefaut() {
    Banc b;
    b.editeur.NouveauProjet();
    QVERIFY(b.dialogues.messages.isEmpty());
    QVERIFY(b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NomProjet, QString("Nouveau"));
    QCOMPARE(b.editeur.RepertoireProjet, b.bac.programme);
    QCOMPARE(b.editeur.NumeroDiapo, 0);
    QCOMPARE(b.editeur.lblNomDiapo, QString("Nouveau"));
    QCOMPARE(b.editeur.lblNbDiapo, QString("1"));
    QCOMPARE(b.editeur.txtNumDiapo(), QString("0"));
    QCOMPARE(b.editeur.cheminImageDiapo, b.bac.programme + "/Nouveau0.gif");
    QCOMPARE(b.editeur.lblLongueur, QString("L = 40"));
    QCOMPARE(b.editeur.lblLargeur, QString("H = 30"));
    QCOMPARE(b.editeur.richtxtTexteInfo.toPlainText(), QString("Bienvenue\n"));
}

void TestFlux::enregistrerNouveauImpossible() {
    Banc b;
    b.editeur.CommandeEnregistrer(); // sans projet : rien
    QVERIFY(b.dialogues.messages.isEmpty());
    b.editeur.NouveauProjet();
    const QByteArray avant = LireOctets(b.bac.programme + "/Nouveau.cin");
    b.editeur.richtxtTexteInfo.setPlainText("changé");
    b.editeur.CommandeEnregistrer();
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ENREGISTREMENT IMPOSSIBLE"));
    QCOMPARE(m.texte, QString("Choisissez un nom de diaporama !\r\nUtilisez la commande "
                              "ENREGISTRER SOUS..."));
    QCOMPARE(m.boutons, Boutons::OK);
    QCOMPARE(m.icone, Icone::Exclamation);
    QCOMPARE(LireOctets(b.bac.programme + "/Nouveau.cin"), avant);
}

void TestFlux::nouveauAvecModificationsEnregistreLeDefaut() {
    Banc b;
    b.editeur.NouveauProjet();
    b.editeur.richtxtTexteInfo.setPlainText("texte du défaut");
    b.editeur.RichVersHTML();
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.NouveauProjet();
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.messages[0];
    QCOMPARE(m.titre, QString("Projet en cours"));
    QCOMPARE(m.texte, QString("Un projet est en cours\r\nVoulez-vous l'enregistrer ?"));
    QCOMPARE(m.boutons, Boutons::OuiNon);
    QCOMPARE(m.icone, Icone::Critique);
    QVERIFY(LireOctets(b.bac.programme + "/Nouveau.cin")
                .endsWith("texte du d\xE9"
                          "faut<br></font>\r\n"));
    QCOMPARE(b.editeur.Info[0], Html("texte du défaut"));
}

void TestFlux::nouveauSansFichierRestaure() {
    Banc b;
    QFile::remove(b.bac.programme + "/Nouveau.cin");
    QFile::remove(b.bac.programme + "/Nouveau0.gif");
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.NouveauProjet();
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.messages[0];
    QCOMPARE(m.titre, QString("ALERTE"));
    QCOMPARE(m.texte, QString("Vous allez restaurer le modèle par défaut.\r\nVoulez-vous "
                              "restaurer le modèle par défaut ?"));
    QCOMPARE(m.boutons, Boutons::OuiNon);
    QCOMPARE(m.icone, Icone::Critique);
    QVERIFY(b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NomProjet, QString("Nouveau"));
    QCOMPARE(LireOctets(b.bac.programme + "/Nouveau0.gif"),
             LireOctets(b.bac.programme + "/Restaurer/Nouveau0.gif"));
}

void TestFlux::nouveauSansFichierRefuseOuSansReserve() {
    {
        Banc b;
        QFile::remove(b.bac.programme + "/Nouveau.cin");
        b.dialogues.reponses = {Reponse::Non};
        b.editeur.NouveauProjet();
        // Une question, un message, puis plus rien : pas de boucle.
        QCOMPARE(b.dialogues.messages.size(), 2);
        QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
        QVERIFY(b.dialogues.dernier().texte.contains("Nouveau.cin"));
        QVERIFY(!b.editeur.IndOuverture);
        QVERIFY(!QFile::exists(b.bac.programme + "/Nouveau.cin"));
    }
    {
        Banc b;
        QFile::remove(b.bac.programme + "/Nouveau.cin");
        QDir(b.bac.programme + "/Restaurer").removeRecursively();
        b.dialogues.reponses = {Reponse::Oui, Reponse::Oui, Reponse::Oui};
        b.editeur.NouveauProjet();
        // La question, les fichiers qui n'ont pas pu être restaurés, puis « introuvable ».
        QCOMPARE(b.dialogues.messages.size(), 3);
        QVERIFY(b.dialogues.messages[1].texte.contains("Nouveau.cin"));
        QCOMPARE(b.dialogues.reponses.size(), size_t(2));
        QVERIFY(!b.editeur.IndOuverture);
        // Les deux réponses en trop prouvaient l'absence de boucle : elles ne servent plus.
        b.dialogues.oublierReponses();
    }
}

// « Restaurer » n'a pu remettre qu'une partie de ses fichiers, mais « Nouveau.cin » en est :
// Nouveau recommence et ouvre le projet par défaut, après avoir nommé ce qui manque.
void TestFlux::nouveauApresRestaurationPartielle() {
    Banc b;
    QFile::remove(b.bac.programme + "/Nouveau.cin");
    QFile::remove(b.bac.programme + "/Restaurer/sohifrm2.wav");
    QFile::remove(b.bac.programme + "/Restaurer/imgFondTable.jpg");
    const QByteArray son = LireOctets(b.bac.programme + "/sohifrm2.wav");
    b.dialogues.reponses = {Reponse::Oui};
    b.editeur.NouveauProjet();
    QVERIFY(b.editeur.IndOuverture);
    QCOMPARE(b.editeur.NomProjet, QString("Nouveau"));
    QCOMPARE(b.dialogues.messages.size(), 2);
    const MessageVu m = b.dialogues.messages[1];
    QCOMPARE(m.titre, QString("ALERTE"));
    QVERIFY(m.texte.endsWith("imgFondTable.jpg\r\nsohifrm2.wav"));
    // Un fichier absent de « Restaurer » n'a pas effacé celui du dossier du programme.
    QCOMPARE(LireOctets(b.bac.programme + "/sohifrm2.wav"), son);
}

void TestFlux::quitterNonNeChangeRien() {
    Banc b;
    b.bac.CreerProjet("P", {"a"}, {".jpg"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    b.dialogues.messages.clear();
    const auto avant = Instantane(b.bac.projets);
    b.dialogues.reponses = {Reponse::Non};
    QVERIFY(!b.editeur.BoutonQuitter());
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.messages[0];
    QCOMPARE(m.titre, QString("QUITTER"));
    QCOMPARE(m.texte, QString("Voulez-vous vraiment quitter ?"));
    QCOMPARE(m.boutons, Boutons::OuiNon);
    QCOMPARE(m.icone, Icone::Aucune);
    // Le bouton a marqué le projet non enregistré, et cela reste.
    QVERIFY(!b.editeur.IndEnregistrer);
    QCOMPARE(Instantane(b.bac.projets), avant);
}

void TestFlux::quitterOuiOuiEnregistre() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".gif"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer(); // enregistré : le bouton demandera quand même
    b.dialogues.messages.clear();
    b.editeur.Info[1] = "changé";
    b.dialogues.reponses = {Reponse::Oui, Reponse::Oui};
    QVERIFY(b.editeur.BoutonQuitter());
    QCOMPARE(b.dialogues.messages.size(), 2);
    const MessageVu m = b.dialogues.messages[1];
    QCOMPARE(m.titre, QString("ENREGISTRER"));
    QCOMPARE(m.texte, QString("Voulez-vous enregistrer votre travail ?"));
    QCOMPARE(m.icone, Icone::Critique);
    QVERIFY(LireOctets(b.Projet("P.cin")).endsWith("a<br></font>\r\nchang\xE9\r\n"));
    // La copie de secours est effacée, rien n'est remis en place.
    QCOMPARE(Instantane(b.bac.secours).keys(), QStringList());
    QVERIFY(QFile::exists(b.Projet("P1.gif")));
}

void TestFlux::quitterOuiNonAnnule() {
    Banc b;
    b.bac.CreerProjet("P", {"a", "b"}, {".jpg", ".jpg"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    const auto enregistre = Instantane(b.bac.projets);
    CreerImage(b.Projet("P0.jpg"), 3, 3, Qt::red);
    b.editeur.Info[0] = "oublié";
    b.dialogues.reponses = {Reponse::Oui, Reponse::Non};
    QVERIFY(b.editeur.BoutonQuitter());
    QCOMPARE(Instantane(b.bac.projets), enregistre);
}

void TestFlux::quitterSurNouveauRefuse() {
    Banc b;
    b.editeur.NouveauProjet();
    b.dialogues.reponses = {Reponse::Oui, Reponse::Oui};
    QVERIFY(!b.editeur.BoutonQuitter());
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ALERTE"));
    QCOMPARE(m.texte, QString("Il est impossible de sauvegarder un fichier sans nom.\r\nUtilisez "
                              "la méthode ENREGISTRER SOUS..."));
    QCOMPARE(m.boutons, Boutons::OK);
    QCOMPARE(m.icone, Icone::Critique);
    QVERIFY(b.editeur.IndOuverture);
}

void TestFlux::quitterSansProjet() {
    Banc b;
    b.dialogues.reponses = {Reponse::Oui};
    QVERIFY(b.editeur.BoutonQuitter());
    QCOMPARE(b.dialogues.messages.size(), 1);
}

void TestFlux::fermerApresEnregistrementGardeLEtat() {
    Banc b;
    b.bac.CreerProjet("P", {"a"}, {".gif"});
    b.Ouvrir("P");
    b.editeur.richtxtTexteInfo.setPlainText("gardé");
    b.editeur.CommandeEnregistrer();
    const auto enregistre = Instantane(b.bac.projets);
    b.editeur.FermetureFenetre();
    QCOMPARE(Instantane(b.bac.projets), enregistre);
    QVERIFY(enregistre["P.cin"].endsWith("gard\xE9<br></font>\r\n"));
}

void TestFlux::fermerAbandonneLesModifications() {
    Banc b;
    b.bac.CreerProjet("P", {"a"}, {".gif"});
    const auto depart = Instantane(b.bac.projets);
    b.Ouvrir("P");
    EcrireOctets(b.Projet("P.js"), "script régénéré");
    b.editeur.FermetureFenetre();
    QCOMPARE(Instantane(b.bac.projets), depart);
}

void TestFlux::echecDEcritureSignale() {
    Banc b;
    b.bac.CreerProjet("P", {"a"}, {".jpg"});
    b.Ouvrir("P");
    b.editeur.CommandeEnregistrer();
    const auto copie = Instantane(b.bac.secours);
    b.dialogues.messages.clear();
    // Le fichier de projet ne peut plus être remplacé (un dossier a pris sa place).
    QFile::remove(b.Projet("P.cin"));
    QDir().mkpath(b.Projet("P.cin"));
    b.editeur.Info[0] = "perdu ?";
    b.editeur.IndEnregistrer = false;
    b.editeur.CommandeEnregistrer();
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(b.dialogues.dernier().titre, QString("ERREUR"));
    QCOMPARE(b.dialogues.dernier().icone, Icone::Critique);
    QVERIFY(!b.editeur.IndEnregistrer);
    QCOMPARE(Instantane(b.bac.secours), copie);

    // Quitter en répondant Oui ne ferme pas le programme sur un échec.
    b.dialogues.reponses = {Reponse::Oui, Reponse::Oui};
    QVERIFY(!b.editeur.BoutonQuitter());
    QCOMPARE(b.dialogues.dernier().titre, QString("ERREUR"));
}

QTEST_GUILESS_MAIN(TestFlux)
#include "test_flux.moc"
