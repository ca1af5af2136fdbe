// Captures par la fenêtre des réglages sous « offscreen » : zone et écran entier, conversion
// selon le type de sortie et la qualité, échecs, recréation, visualisation, suppressions.

#include "BancCapture.h"
#include "Convertisseur.h"
#include "Twips.h"

#include <QToolButton>

namespace {
const QString EchecConversion = "Désolé, la conversion JPG vient d'échouer...\r\n"
                                "Le fichier BMP a été sauvegardé.";
} // namespace

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void captureDeZone();
    void captureParEntree();
    void captureAbandonnee();
    void ecranEntier();
    void sortieBMP();
    void sortieJPGetBMP();
    void sortieJPGSeulement();
    void qualites();
    void conversionEchouee();
    void bibliothequeAbsente();
    void recreer();
    void visualiser();
    void detruireTout();
    void detruireBMPetRenumeroter();
    void detruireBMPSansCapture();
    void renumerotationEnEchec();
};

void TestConversion::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestConversion::captureDeZone() {
    BancCapture b;
    EcrireOctets(b.dossier + "/Passage", "200\r\n120\r\n1500\r\n3000\r\n");
    frmReglage& f = b.charger();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const int tpp = TwipsParPixel();
    b.capturer();
    QCOMPARE(b.dialogues.fenetresVues, QStringList("frmCapture"));
    // La zone sous le trou : position du cadre + (3, 29), L x H.
    QCOMPARE(b.ecran.zones.size(), 1);
    QCOMPARE(b.ecran.zones[0], QRect(1500 / tpp + 3, 3000 / tpp + 29, 200, 120));
    QCOMPARE(LireBMP(b.fichier(1, ".bmp")), ImageMotif(200, 120, b.ecran.zones[0].topLeft()));
    QCOMPARE(f.Module().Etat.Pic.size(), QSize(200, 120));
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(1));
    QCOMPARE(b.bouton("cmdNumero")->text(), QString("1"));
    QVERIFY(f.isVisible());
    // Conversion du numéro 1 à la qualité de la case, BMP présent au moment de l'appel.
    QCOMPARE(b.convertisseur.appels.size(), 1);
    QCOMPARE(b.convertisseur.appels[0].bmp, b.fichier(1, ".bmp"));
    QCOMPARE(b.convertisseur.appels[0].jpg, b.fichier(1, ".jpg"));
    QCOMPARE(b.convertisseur.appels[0].qualite, int16_t(100));
    QVERIFY(b.convertisseur.appels[0].bmpPresent);
    QVERIFY(f.Module().IndJPG);
    QCOMPARE(f.Module().Qualite, int16_t(100));

    // Deuxième capture : numéro 2, le cadre repart où le premier s'est fermé.
    b.capturer();
    QCOMPARE(b.ecran.zones[1], b.ecran.zones[0]);
    QVERIFY(b.existe(2, ".bmp"));
    QCOMPARE(b.bouton("cmdNumero")->text(), QString("2"));
}

void TestConversion::captureParEntree() {
    // Le chemin complet d'Entrée : copie, clignotement de la bande, fermeture.
    BancCapture b;
    EcrireOctets(b.dossier + "/Passage", "100\r\n50\r\n-999\r\n-999\r\n");
    frmReglage& f = b.charger();
    int nbFlash = -1;
    bool inverseVu = false;
    bool resteInverse = true;
    b.dialogues.fenetres.push_back([&](QDialog& d) {
        auto& cadre = static_cast<frmCapture&>(d);
        cadre.show();
        auto* minuterie = cadre.findChild<QTimer*>("Timer1");
        QObject::connect(minuterie, &QTimer::timeout, [&] { inverseVu |= cadre.Inverse(); });
        QTest::keyClick(&cadre, Qt::Key_Return);
        nbFlash = cadre.NbFlash();
        resteInverse = cadre.Inverse();
        return cadre.result();
    });
    b.bouton("Command1_0")->click();
    // Dix tops : neuf inversions, retour à la normale au dixième, puis fermeture.
    QCOMPARE(nbFlash, 10);
    QVERIFY(inverseVu);
    QVERIFY(!resteInverse);
    QVERIFY(b.existe(1, ".bmp"));
    QVERIFY(b.existe(1, ".jpg"));
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(1));
    // Le cadre s'est centré ; sa position est retenue en twips.
    QVERIFY(f.Module().Etat.TopDiapo != -999);
    const int tpp = TwipsParPixel();
    const QRect ecran = f.screen()->geometry();
    QCOMPARE(f.Module().Etat.LeftDiapo / tpp, (ecran.width() - 106) / 2);
    QCOMPARE(f.Module().Etat.TopDiapo / tpp, (ecran.height() - 82) / 2);
}

void TestConversion::captureAbandonnee() {
    BancCapture b;
    EcrireOctets(b.dossier + "/Passage", "300\r\n200\r\n-999\r\n-999\r\n");
    frmReglage& f = b.charger();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    b.capturer();
    QVERIFY(!b.controle("cmdVisu")->isHidden());
    b.dialogues.fenetres.push_back([](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    const int32_t gaucheAvant = f.Module().Etat.LeftDiapo;
    b.bouton("Command1_0")->click();
    // Rien n'est compté ni converti ; l'affichage de la capture 1 reste ; la position suit.
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(1));
    QVERIFY(!b.existe(2, ".bmp"));
    QCOMPARE(b.convertisseur.appels.size(), 1);
    QVERIFY(!b.controle("cmdVisu")->isHidden());
    QCOMPARE(f.Module().Etat.LeftDiapo, gaucheAvant + 10 * TwipsParPixel());
    QVERIFY(f.isVisible());
}

void TestConversion::ecranEntier() {
    BancCapture b;
    frmReglage& f = b.charger();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    b.texte("txtLargeur")->setText(QString::number(f.Module().LargeurEcran));
    b.texte("txtHauteur")->setText(QString::number(f.Module().HauteurEcran));
    bool cacheePendantLaCopie = false;
    b.ecran.zones.clear();
    // La fenêtre est cachée au moment de la copie, pour que l'écran se redessine sans elle.
    auto* minuterie = f.findChild<QTimer*>("Timer1");
    connect(minuterie, &QTimer::timeout, [&] {
        if (f.Module().NbTops == 1)
            cacheePendantLaCopie = !f.isVisible();
    });
    b.bouton("Command1_0")->click();
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString());
    QCOMPARE(m.texte, QString("Vous avez choisi de capturer l'écran en entier."));
    QCOMPARE(m.icone, Icone::Aucune);
    QCOMPARE(m.boutons, Boutons::OK);
    QVERIFY(b.dialogues.fenetresVues.isEmpty());
    QCOMPARE(b.ecran.ecransSaisis, 1);
    QCOMPARE(LireBMP(b.fichier(1, ".bmp")),
             ImageMotif(f.Module().LargeurEcran, f.Module().HauteurEcran));
    QVERIFY(cacheePendantLaCopie);
    QCOMPARE(f.Module().NbTops, int16_t(2));
    QVERIFY(!minuterie->isActive());
    QVERIFY(f.isVisible());
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(1));
    QVERIFY(b.existe(1, ".jpg"));

    // Largeur de l'écran mais hauteur moindre : c'est une zone, avec son cadre.
    b.texte("txtHauteur")->setText("100");
    b.capturer();
    QCOMPARE(b.dialogues.fenetresVues, QStringList("frmCapture"));
    QCOMPARE(b.ecran.zones.last().size(), QSize(f.Module().LargeurEcran, 100));
}

void TestConversion::sortieBMP() {
    BancCapture b;
    frmReglage& f = b.charger();
    b.controle<QRadioButton>("Option1_0")->click();
    b.capturer();
    QVERIFY(b.existe(1, ".bmp"));
    QVERIFY(!b.existe(1, ".jpg"));
    QVERIFY(b.convertisseur.appels.isEmpty());
    QVERIFY(!f.Module().IndJPG);
    for (const char* nom : {"cmdVisu", "cmdRefaire", "lblRefaire"})
        QVERIFY2(b.controle(nom)->isHidden(), nom);
}

void TestConversion::sortieJPGetBMP() {
    BancCapture b;
    frmReglage& f = b.charger();
    b.convertisseur.tailleJpeg = 45678;
    b.capturer();
    QVERIFY(b.existe(1, ".bmp"));
    QVERIFY(b.existe(1, ".jpg"));
    auto* lbl = b.controle<QLabel>("lblRefaire");
    QCOMPARE(lbl->text(), QString("46 ko"));
    for (const char* nom : {"cmdVisu", "cmdRefaire", "lblRefaire"})
        QVERIFY2(!b.controle(nom)->isHidden(), nom);
    b.convertisseur.tailleJpeg = 12500;
    b.capturer();
    QCOMPARE(lbl->text(), QString("12 ko"));
    QVERIFY(b.existe(2, ".bmp"));
    QVERIFY(f.Module().IndJPG);

    // Ostrelle : le BMP gardé se montre par son bouton.
    BancCapture o;
    frmReglage& g = o.charger(Programme::Ostrelle);
    o.capturer();
    QVERIFY(g.Module().IndGarderBMP);
    QVERIFY(!o.controle("cmdBMP")->isHidden());
    QCOMPARE(o.convertisseur.appels[0].qualite, int16_t(95));
}

void TestConversion::sortieJPGSeulement() {
    BancCapture b;
    b.charger();
    b.controle<QRadioButton>("Option1_2")->click();
    b.capturer();
    QVERIFY(b.convertisseur.appels[0].bmpPresent);
    QVERIFY(!b.existe(1, ".bmp"));
    QVERIFY(b.existe(1, ".jpg"));
    QVERIFY(b.controle("cmdRefaire")->isHidden());
    QVERIFY(!b.controle("cmdVisu")->isHidden());
    QVERIFY(!b.controle("lblRefaire")->isHidden());
    b.bouton("cmdVisu")->click();
    QCOMPARE(b.dialogues.ouvertures, QStringList(b.fichier(1, ".jpg")));
    QVERIFY(b.dialogues.messages.isEmpty());

    // Ostrelle : pas de BMP gardé, pas de bouton BMP.
    BancCapture o;
    frmReglage& g = o.charger(Programme::Ostrelle);
    o.controle<QRadioButton>("Option1_2")->click();
    o.capturer();
    QVERIFY(!g.Module().IndGarderBMP);
    QVERIFY(o.controle("cmdBMP")->isHidden());
    QVERIFY(!o.existe(1, ".bmp"));
}

void TestConversion::qualites() {
    BancCapture b;
    frmReglage& f = b.charger();
    auto* qualite = b.texte("txtQualite");
    for (const char* texte : {"0", "150", "abc"}) {
        qualite->setText(texte);
        b.capturer();
        QCOMPARE(b.convertisseur.appels.last().qualite, int16_t(100));
        QCOMPARE(qualite->text(), QString("100"));
        QCOMPARE(f.Module().Qualite, int16_t(100));
    }
    qualite->setText("95.7");
    b.capturer();
    QCOMPARE(b.convertisseur.appels.last().qualite, int16_t(95));
    QCOMPARE(qualite->text(), QString("95.7"));
    qualite->setText("1");
    b.capturer();
    QCOMPARE(b.convertisseur.appels.last().qualite, int16_t(1));
}

void TestConversion::conversionEchouee() {
    BancCapture b;
    b.charger();
    b.controle<QRadioButton>("Option1_2")->click();
    b.convertisseur.statut = 4;
    b.capturer();
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ALERTE"));
    QCOMPARE(m.texte, EchecConversion);
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(m.boutons, Boutons::OK);
    QCOMPARE(b.controle<QLabel>("lblRefaire")->text(), QString("OUT"));
    QVERIFY(b.controle("cmdVisu")->isHidden());
    // Le BMP reste, même en sortie JPEG seule, et on peut retenter.
    QVERIFY(b.existe(1, ".bmp"));
    QVERIFY(!b.controle("cmdRefaire")->isHidden());
    QVERIFY(!b.controle("lblRefaire")->isHidden());

    // Un succès annoncé sans fichier écrit est aussi un échec.
    BancCapture c;
    c.charger();
    c.convertisseur.ecrireJpeg = false;
    c.capturer();
    QCOMPARE(c.dialogues.dernier().texte, EchecConversion);
    QCOMPARE(c.controle<QLabel>("lblRefaire")->text(), QString("OUT"));
}

void TestConversion::bibliothequeAbsente() {
    // Le vrai chargeur, dans un dossier de programme sans bibliothèque.
    BancCapture b;
    ConvertisseurBmp2jpg vrai(b.dossier + "/bmp2jpg");
    b.autreConvertisseur = &vrai;
    frmReglage& f = b.charger();
    b.capturer();
    QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
    QCOMPARE(b.dialogues.dernier().texte, EchecConversion);
    QCOMPARE(b.controle<QLabel>("lblRefaire")->text(), QString("OUT"));
    QVERIFY(b.existe(1, ".bmp"));
    QVERIFY(!b.existe(1, ".jpg"));
    // Le programme continue : une autre capture, un autre refus, rien de plus.
    b.capturer();
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(2));
    QCOMPARE(b.dialogues.messages.size(), 2);
}

void TestConversion::recreer() {
    BancCapture b;
    b.charger();
    b.capturer();
    auto* lbl = b.controle<QLabel>("lblRefaire");
    QCOMPARE(lbl->text(), QString("46 ko"));
    // Autre qualité, autre poids : le même numéro est refait depuis le BMP.
    b.texte("txtQualite")->setText("40");
    b.convertisseur.tailleJpeg = 20600;
    b.bouton("cmdRefaire")->click();
    QCOMPARE(b.convertisseur.appels.size(), 2);
    QCOMPARE(b.convertisseur.appels.last().qualite, int16_t(40));
    QCOMPARE(b.convertisseur.appels.last().jpg, b.fichier(1, ".jpg"));
    QCOMPARE(lbl->text(), QString("21 ko"));
    QVERIFY(b.existe(1, ".bmp"));
    QVERIFY(b.dialogues.messages.isEmpty());

    // Échec de conversion en recréant : même message et « OUT ».
    b.convertisseur.statut = 9;
    b.bouton("cmdRefaire")->click();
    QCOMPARE(b.dialogues.dernier().texte, EchecConversion);
    QCOMPARE(lbl->text(), QString("OUT"));
    QVERIFY(b.existe(1, ".bmp"));

    // BMP effacé : message, aucune conversion.
    b.convertisseur.statut = 0;
    QFile::remove(b.fichier(1, ".bmp"));
    b.bouton("cmdRefaire")->click();
    QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
    QCOMPARE(b.dialogues.dernier().texte, QString("Le fichier BMP n'existe plus !"));
    QCOMPARE(b.dialogues.dernier().icone, Icone::Exclamation);
    QCOMPARE(b.convertisseur.appels.size(), 3);
}

void TestConversion::visualiser() {
    BancCapture b;
    b.charger(Programme::Ostrelle);
    b.capturer();
    b.bouton("cmdVisu")->click();
    b.bouton("cmdBMP")->click();
    QCOMPARE(b.dialogues.ouvertures, QStringList({b.fichier(1, ".jpg"), b.fichier(1, ".bmp")}));
    QFile::remove(b.fichier(1, ".jpg"));
    QFile::remove(b.fichier(1, ".bmp"));
    b.bouton("cmdVisu")->click();
    QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
    QCOMPARE(b.dialogues.dernier().texte, QString("Le fichier JPG n'existe plus !"));
    QCOMPARE(b.dialogues.dernier().icone, Icone::Exclamation);
    b.bouton("cmdBMP")->click();
    QCOMPARE(b.dialogues.dernier().texte, QString("Le fichier BMP n'existe plus !"));
    QCOMPARE(b.dialogues.ouvertures.size(), 2);
}

void TestConversion::detruireTout() {
    BancCapture b;
    frmReglage& f = b.charger();
    b.capturer();
    b.capturer();
    EcrireOctets(b.fichier(101, ".jpg"), "x");
    const QString question = "Vous êtes sur le point de détruire toutes les captures du "
                             "répertoire.\r\nVoulez-vous les détruire ?";
    // Non : rien ne bouge.
    b.dialogues.reponses = {Reponse::Non};
    b.bouton("Command1_2")->click();
    QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
    QCOMPARE(b.dialogues.dernier().texte, question);
    QCOMPARE(b.dialogues.dernier().icone, Icone::Critique);
    QCOMPARE(b.dialogues.dernier().boutons, Boutons::OuiNon);
    QVERIFY(b.existe(2, ".jpg"));
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(2));
    // Oui : tout part (jusqu'à 100), compteur à zéro, affichage remis à neuf.
    b.bouton("cmdNumero")->click();
    QVERIFY(f.Module().IndEcraser);
    b.dialogues.reponses = {Reponse::Oui};
    b.bouton("Command1_2")->click();
    for (int n : {1, 2})
        QVERIFY(!b.existe(n, ".bmp") && !b.existe(n, ".jpg"));
    QVERIFY(b.existe(101, ".jpg"));
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(0));
    QCOMPARE(b.bouton("cmdNumero")->text(), QString("0"));
    QVERIFY(!f.Module().IndEcraser);
    QCOMPARE(CouleurBouton(b.controle("cmdNumero")), QColor(128, 255, 128));
    QVERIFY(b.controle<QRadioButton>("Option1_2")->isChecked());
    QVERIFY(!b.controle("txtQualite")->isHidden());
    for (const char* nom : {"cmdVisu", "cmdRefaire", "lblRefaire"})
        QVERIFY2(b.controle(nom)->isHidden(), nom);
}

void TestConversion::detruireBMPetRenumeroter() {
    BancCapture b;
    frmReglage& f = b.charger();
    for (int i = 0; i < 7; ++i) {
        b.convertisseur.tailleJpeg = 1000 * (i + 1) + 600;
        b.capturer();
    }
    // Il reste les JPEG 1, 2, 4 et 7.
    for (int n : {3, 5, 6})
        QFile::remove(b.fichier(n, ".jpg"));
    QMap<int, QByteArray> contenus;
    for (int n : {1, 2, 4, 7})
        contenus[n] = LireOctets(b.fichier(n, ".jpg"));
    b.controle<QRadioButton>("Option1_0")->click();

    b.dialogues.reponses = {Reponse::Oui};
    b.bouton("Command1_3")->click();
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ALERTE"));
    QCOMPARE(m.texte, QString("Vous êtes sur le point de détruire toutes les captures BMP du "
                              "répertoire.\r\nLes fichiers JPG seront donc sauvegardés.\r\n"
                              "Voulez-vous détruire les captures BMP ?"));
    QCOMPARE(m.icone, Icone::Critique);
    QCOMPARE(b.dialogues.messages.size(), 1);
    for (int n = 1; n <= 7; ++n)
        QVERIFY(!b.existe(n, ".bmp"));
    QCOMPARE(LireOctets(b.fichier(1, ".jpg")), contenus[1]);
    QCOMPARE(LireOctets(b.fichier(2, ".jpg")), contenus[2]);
    QCOMPARE(LireOctets(b.fichier(3, ".jpg")), contenus[4]);
    QCOMPARE(LireOctets(b.fichier(4, ".jpg")), contenus[7]);
    QVERIFY(!b.existe(5, ".jpg"));
    QVERIFY(!b.existe(7, ".jpg"));
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(4));
    QCOMPARE(b.bouton("cmdNumero")->text(), QString("4"));
    // Le poids affiché est celui du nouveau numéro 4 (l'ancien 7 : 7 600 octets).
    QCOMPARE(b.controle<QLabel>("lblRefaire")->text(), QString("8 ko"));
    QVERIFY(!b.controle("lblRefaire")->isHidden());
    QVERIFY(!b.controle("cmdVisu")->isHidden());
    QVERIFY(b.controle("cmdRefaire")->isHidden());
    QVERIFY(b.controle<QRadioButton>("Option1_2")->isChecked());
    QVERIFY(!b.controle("txtQualite")->isHidden());
    b.bouton("cmdVisu")->click();
    QCOMPARE(b.dialogues.ouvertures, QStringList(b.fichier(4, ".jpg")));

    // Réponse Non : rien ne change.
    EcrireOctets(b.fichier(1, ".bmp"), "b");
    b.dialogues.reponses = {Reponse::Non};
    b.bouton("Command1_3")->click();
    QVERIFY(b.existe(1, ".bmp"));
}

void TestConversion::detruireBMPSansCapture() {
    // Compteur à 0 : les BMP partent, les JPEG restants ne sont ni comptés ni renumérotés.
    BancCapture b;
    EcrireOctets(b.fichier(2, ".jpg"), "deux");
    EcrireOctets(b.fichier(2, ".bmp"), "deux");
    frmReglage& f = b.charger();
    b.dialogues.reponses = {Reponse::Oui};
    b.bouton("Command1_3")->click();
    QVERIFY(!b.existe(2, ".bmp"));
    QVERIFY(b.existe(2, ".jpg"));
    QVERIFY(!b.existe(1, ".jpg"));
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(0));
    QVERIFY(b.controle("cmdVisu")->isHidden());
    QVERIFY(b.controle<QRadioButton>("Option1_1")->isChecked());

    // Compteur non nul mais plus aucun JPEG : remise à neuf.
    BancCapture c;
    frmReglage& g = c.charger();
    c.controle<QRadioButton>("Option1_0")->click();
    c.capturer();
    c.dialogues.reponses = {Reponse::Oui};
    c.bouton("Command1_3")->click();
    QCOMPARE(g.Module().Etat.NumeroCapture, int16_t(0));
    QCOMPARE(c.bouton("cmdNumero")->text(), QString("0"));
    QVERIFY(c.controle<QRadioButton>("Option1_2")->isChecked());
    QVERIFY(c.controle("lblRefaire")->isHidden());
}

void TestConversion::renumerotationEnEchec() {
    for (Programme p : {Programme::Kestrane, Programme::Ostrelle}) {
        BancCapture b;
        frmReglage& f = b.charger(p);
        b.capturer();
        b.capturer();
        b.capturer();
        // Le numéro 2 est occupé par un dossier : le JPEG 3 ne peut pas y aller.
        QFile::remove(b.fichier(2, ".jpg"));
        QVERIFY(QDir(b.dossier).mkdir("ScreenShot_2.jpg"));
        b.dialogues.reponses = {Reponse::Oui};
        b.bouton("Command1_3")->click();
        // Un message par échec (le renommage, puis le poids du numéro 2 introuvable) ;
        // le travail est allé au bout.
        QStringList textes;
        for (const MessageVu& m : b.dialogues.messages.mid(1)) {
            textes << m.texte;
            QCOMPARE(m.titre, QString());
            QCOMPARE(m.icone, Icone::Aucune);
            QCOMPARE(m.boutons, Boutons::OK);
        }
        const QString attendu =
            p == Programme::Kestrane ? "Erreur anormale" : "Erreur de transformation de fichier";
        QCOMPARE(textes, QStringList({attendu, attendu}));
        QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(2));
        QVERIFY(b.existe(3, ".jpg"));
        QVERIFY(!b.controle("lblRefaire")->isHidden());
        QVERIFY(!b.controle("cmdVisu")->isHidden());
    }
}

QTEST_MAIN(TestConversion)
#include "test_capture_conversion.moc"
