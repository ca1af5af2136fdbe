// Le module de capture sans aucune fenêtre : chargement, boutons de dimension, compteur et
// écrasement, taille refusée, écran entier ou zone, cadre abandonné, conversion selon la sortie
// et la qualité, échecs, recréation, visualisation, suppressions et renumérotation, sortie des
// deux programmes.

#include "BancModule.h"
#include "CouleursCapture.h"
#include "Passage.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>
#include <optional>

namespace {

const QString BulleNumero = "indique le nombre de captures effectuées";
const QString BulleEcraser =
    "ALERTE!!!La prochaine capture va effacer la dernière capture effectuée !";
const QString EchecConversion = "Désolé, la conversion JPG vient d'échouer...\r\n"
                                "Le fichier BMP a été sauvegardé.";

QSize Ecran() {
    return QGuiApplication::primaryScreen()->geometry().size();
}

// Ce qui reste de la dernière capture, dans l'ordre cmdVisu, cmdRefaire, lblRefaire, cmdBMP.
QList<bool> Visibles(const ModuleCapture& m) {
    return {m.cmdVisuVisible, m.cmdRefaireVisible, m.lblRefaireVisible, m.cmdBMPVisible};
}

// Le compteur tel que la fenêtre le montre.
void VerifierCompteur(const ModuleCapture& m, const QString& texte, bool ecraser) {
    QCOMPARE(m.cmdNumero, texte);
    QCOMPARE(m.IndEcraser, ecraser);
    QCOMPARE(m.cmdNumeroBulle, ecraser ? BulleEcraser : BulleNumero);
    QCOMPARE(m.cmdNumeroCouleur, ecraser ? CouleursCapture::Rouge : CouleursCapture::Vert);
}

} // namespace

class TestModule : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void chargement_data();
    void chargement();
    void capturesRestantes_data();
    void capturesRestantes();
    void champsCaches();
    void unPas_data();
    void unPas();
    void boutonTenu();
    void compteurEtEcrasement();
    void tailleRefusee_data();
    void tailleRefusee();
    void ecranEntier();
    void zone();
    void zoneSansCapture();
    void conversionSelonSortie_data();
    void conversionSelonSortie();
    void qualite_data();
    void qualite();
    void conversionEchouee_data();
    void conversionEchouee();
    void recreer();
    void visualiserEtAide();
    void detruireTout();
    void detruireBMPetRenumeroter_data();
    void detruireBMPetRenumeroter();
    void detruireBMPSansRenumerotation();
    void renumerotationEnEchec_data();
    void renumerotationEnEchec();
    void quitter_data();
    void quitter();
    void fermetureOstrelle();
};

void TestModule::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestModule::chargement_data() {
    QTest::addColumn<QByteArray>("passage"); // vide : pas de fichier
    QTest::addColumn<QString>("largeur");
    QTest::addColumn<QString>("hauteur");
    QTest::addColumn<int>("largeurDiapo");
    QTest::addColumn<int>("hauteurDiapo");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("premier lancement") << QByteArray() << "600"
                                       << "350" << 600 << 350 << 0 << 0;
    QTest::newRow("fichier complet") << QByteArray("640.9\r\n480\r\n-999\r\n-999\r\n") << "640.9"
                                     << "480" << 640 << 480 << -999 << -999;
    QTest::newRow("largeur seule") << QByteArray("800\r\n") << "800"
                                   << "350" << 800 << 350 << 0 << 0;
    // Sans largeur, les deux cases reviennent aux valeurs de départ ; les positions restent.
    QTest::newRow("largeur vide") << QByteArray("\r\n300\r\n15\r\n30\r\n") << "600"
                                  << "350" << 600 << 350 << 15 << 30;
    QTest::newRow("plancher") << QByteArray("abc\r\n99.99\r\n-10.5\r\n7.9\r\n") << "abc"
                              << "99.99" << 0 << 99 << -11 << 7;
    QTest::newRow("fichier abîmé") << QByteArray("\0\0\0\xff", 4) << "600"
                                   << "350" << 600 << 350 << 0 << 0;
}

void TestModule::chargement() {
    QFETCH(QByteArray, passage);
    QFETCH(QString, largeur);
    QFETCH(QString, hauteur);
    QFETCH(int, largeurDiapo);
    QFETCH(int, hauteurDiapo);
    QFETCH(int, left);
    QFETCH(int, top);
    BancModule b;
    if (!passage.isNull())
        EcrireOctets(b.dossier + "/Passage", passage);
    const ModuleCapture& m = b.charger();
    QCOMPARE(m.txtLargeur(), largeur);
    QCOMPARE(m.txtHauteur(), hauteur);
    QCOMPARE(m.Etat.LargeurDiapo, largeurDiapo);
    QCOMPARE(m.Etat.HauteurDiapo, hauteurDiapo);
    QCOMPARE(m.Etat.LeftDiapo, left);
    QCOMPARE(m.Etat.TopDiapo, top);

    // Le reste du chargement ne dépend pas du fichier.
    QCOMPARE(m.LargeurEcran, int16_t(Ecran().width()));
    QCOMPARE(m.HauteurEcran, int16_t(Ecran().height()));
    QCOMPARE(m.Etat.NumeroCapture, int16_t(0));
    QVERIFY(!m.IndJPG);
    VerifierCompteur(m, "0", false);
    QCOMPARE(m.Option1(), 1);
    QVERIFY(m.lblQualiteVisible);
    QCOMPARE(m.txtQualite(), QString("100"));
    QCOMPARE(m.lblRefaire, QString("0 ko"));
    QCOMPARE(Visibles(m), QList<bool>({false, false, false, false}));
    QVERIFY(!m.findChild<QTimer*>("Timer1")->isActive());
    QVERIFY(!m.findChild<QTimer*>("Timer2")->isActive());
    QVERIFY(b.dialogues.messages.isEmpty());
    QVERIFY(b.fenetre.journal.isEmpty());
}

void TestModule::capturesRestantes_data() {
    QTest::addColumn<Programme>("programme");
    QTest::addColumn<QStringList>("fichiers"); // dans le dossier avant le chargement
    QTest::addColumn<bool>("alerte");
    QTest::addColumn<QStringList>("restants");
    QTest::newRow("Kestrane, BMP 1") << Programme::Kestrane << QStringList{"ScreenShot_1.bmp"}
                                     << true << QStringList{"ScreenShot_1.bmp"};
    QTest::newRow("Kestrane, JPG 1") << Programme::Kestrane << QStringList{"ScreenShot_1.jpg"}
                                     << true << QStringList{"ScreenShot_1.jpg"};
    // Seul le numéro 1 compte.
    QTest::newRow("Kestrane, JPG 2") << Programme::Kestrane << QStringList{"ScreenShot_2.jpg"}
                                     << false << QStringList{"ScreenShot_2.jpg"};
    // Ostrelle efface 1 à 100, BMP et JPEG : plus rien à signaler.
    const QStringList anciennes = {"ScreenShot_1.bmp",   "ScreenShot_1.jpg",   "ScreenShot_2.jpg",
                                   "ScreenShot_100.bmp", "ScreenShot_100.jpg", "ScreenShot_101.bmp",
                                   "ScreenShot_101.jpg"};
    QTest::newRow("Ostrelle") << Programme::Ostrelle << anciennes << false
                              << QStringList{"ScreenShot_101.bmp", "ScreenShot_101.jpg"};
}

void TestModule::capturesRestantes() {
    QFETCH(Programme, programme);
    QFETCH(QStringList, fichiers);
    QFETCH(bool, alerte);
    QFETCH(QStringList, restants);
    BancModule b;
    for (const QString& f : fichiers)
        EcrireOctets(b.dossier + "/" + f, "x");
    const ModuleCapture& m = b.charger(programme);
    if (alerte) {
        QCOMPARE(b.dialogues.messages.size(), 1);
        const MessageVu a = b.dialogues.dernier();
        QCOMPARE(a.titre, QString("ALERTE"));
        QCOMPARE(a.texte,
                 QString("Il existe encore au moins un fichier de capture dans le répertoire.\r\n"
                         "Lancer une nouvelle capture va effacer ces fichiers !"));
        QCOMPARE(a.boutons, Boutons::OK);
        QCOMPARE(a.icone, Icone::Exclamation);
    } else {
        QVERIFY(b.dialogues.messages.isEmpty());
    }
    QStringList vus = QDir(b.dossier).entryList({"ScreenShot_*"}, QDir::Files, QDir::Name);
    restants.sort();
    QCOMPARE(vus, restants);
    QCOMPARE(m.txtQualite(), programme == Programme::Ostrelle ? QString("95") : QString("100"));
}

void TestModule::champsCaches() {
    BancModule b;
    ModuleCapture& m = b.charger();
    QSignalSpy vue(&m, &ModuleCapture::vueChangee);
    // Chaque écriture d'une case exécute son changement et l'annonce ; la même valeur, rien.
    m.EcrireHauteur("300.99");
    QCOMPARE(m.Etat.HauteurDiapo, 300);
    QCOMPARE(vue.count(), 1);
    m.EcrireHauteur("300.99");
    QCOMPARE(vue.count(), 1);
    m.EcrireLargeur("n'importe");
    QCOMPARE(m.Etat.LargeurDiapo, 0);
    m.EcrireLargeur("1e3");
    QCOMPARE(m.Etat.LargeurDiapo, 1000);
    QCOMPARE(vue.count(), 3);
    // Le clic d'une option montre ou cache la qualité.
    m.CliquerOption(0);
    QCOMPARE(m.Option1(), 0);
    QVERIFY(!m.lblQualiteVisible);
    m.CliquerOption(2);
    QVERIFY(m.lblQualiteVisible);
    QCOMPARE(vue.count(), 5);
    // Une option qui n'existe pas ne change rien.
    m.CliquerOption(3);
    QCOMPARE(m.Option1(), 2);
}

void TestModule::unPas_data() {
    QTest::addColumn<Dimension>("dimension");
    QTest::addColumn<QString>("avant");
    QTest::addColumn<int>("bouton");
    QTest::addColumn<QString>("apres");
    const QString largeur = QString::number(Ecran().width());
    const QString hauteur = QString::number(Ecran().height());
    QTest::newRow("largeur <") << Dimension::Largeur << "600" << 1 << "599";
    QTest::newRow("hauteur >") << Dimension::Hauteur << "350" << 2 << "351";
    QTest::newRow("< à 10") << Dimension::Hauteur << "10" << 1 << "10";
    QTest::newRow("< au-dessus de 10") << Dimension::Hauteur << "10.5" << 1 << "9.5";
    QTest::newRow("<<") << Dimension::Hauteur << "350" << 0 << "10";
    QTest::newRow(">> hauteur") << Dimension::Hauteur << "350" << 3 << hauteur;
    QTest::newRow(">> largeur") << Dimension::Largeur << "12" << 3 << largeur;
    QTest::newRow("> à l'écran") << Dimension::Largeur << largeur << 2 << largeur;
    // Une valeur tapée au-delà de l'écran : « > » la laisse, « < » la descend.
    QTest::newRow("> au-delà") << Dimension::Largeur << "5000" << 2 << "5000";
    QTest::newRow("< au-delà") << Dimension::Largeur << "5000" << 1 << "4999";
}

void TestModule::unPas() {
    QFETCH(Dimension, dimension);
    QFETCH(QString, avant);
    QFETCH(int, bouton);
    QFETCH(QString, apres);
    BancModule b;
    ModuleCapture& m = b.charger();
    const bool largeur = dimension == Dimension::Largeur;
    largeur ? m.EcrireLargeur(avant) : m.EcrireHauteur(avant);
    const QString autre = largeur ? m.txtHauteur() : m.txtLargeur();
    QStringList vus;
    connect(&m, &ModuleCapture::vueChangee,
            [&] { vus << (largeur ? m.txtLargeur() : m.txtHauteur()); });
    // Un clic : le relâchement arrive pendant l'attente des 50 ms, un seul pas est fait.
    QTimer::singleShot(0, &m, [&] { m.RelacherDimension(dimension); });
    QVERIFY(m.PresserDimension(dimension, bouton));
    QCOMPARE(largeur ? m.txtLargeur() : m.txtHauteur(), apres);
    QCOMPARE(largeur ? m.Etat.LargeurDiapo : m.Etat.HauteurDiapo, PlancherTexte32(apres));
    QCOMPARE(vus, apres == avant ? QStringList() : QStringList{apres});
    QCOMPARE(largeur ? m.txtHauteur() : m.txtLargeur(), autre);
    QVERIFY(!m.findChild<QTimer*>("Timer2")->isActive());
}

void TestModule::boutonTenu() {
    BancModule b;
    ModuleCapture& m = b.charger();
    QStringList vus;
    bool secondAppui = true;
    // Le pas se répète tant que le bouton est tenu ; on le lâche quand la case lit 605. Un
    // autre bouton pressé pendant ce temps est ignoré.
    connect(&m, &ModuleCapture::vueChangee, [&] {
        if (vus.isEmpty() || vus.last() != m.txtLargeur())
            vus << m.txtLargeur();
        if (m.txtLargeur() == "602") {
            // Relâché aussitôt : s'il était suivi, ce second appui ferait un pas et rendrait vrai.
            QTimer::singleShot(0, &m, [&] { m.RelacherDimension(Dimension::Hauteur); });
            secondAppui = m.PresserDimension(Dimension::Hauteur, 0);
        }
        if (m.txtLargeur() == "605")
            m.RelacherDimension(Dimension::Largeur);
    });
    QVERIFY(m.PresserDimension(Dimension::Largeur, 2));
    QCOMPARE(vus, QStringList({"601", "602", "603", "604", "605"}));
    QCOMPARE(m.Etat.LargeurDiapo, 605);
    QVERIFY(!secondAppui);
    QCOMPARE(m.txtHauteur(), QString("350"));
    QVERIFY(m.IndStopLargeur);
    // L'appui suivant repart : le relâchement précédent ne compte plus.
    vus.clear();
    QTimer::singleShot(0, &m, [&] { m.RelacherDimension(Dimension::Largeur); });
    QVERIFY(m.PresserDimension(Dimension::Largeur, 2));
    QCOMPARE(vus, QStringList({"606"}));
}

void TestModule::compteurEtEcrasement() {
    BancModule b;
    ModuleCapture& m = b.charger();
    // À 0 : pas de mode écrasement sans capture.
    m.BasculerCompteur();
    VerifierCompteur(m, "0", false);
    QCOMPARE(m.Etat.NumeroCapture, int16_t(0));

    for (int i = 0; i < 3; ++i)
        b.capturer();
    VerifierCompteur(m, "3", false);
    const QByteArray troisAvant = LireOctets(b.fichier(3, ".bmp"));

    m.BasculerCompteur();
    VerifierCompteur(m, "2", true);
    QCOMPARE(m.Etat.NumeroCapture, int16_t(2));
    m.BasculerCompteur();
    VerifierCompteur(m, "3", false);

    // La capture suivante réécrit le numéro 3 et quitte le mode écrasement.
    m.BasculerCompteur();
    b.ecran.decalageCouleur = 1;
    b.capturer();
    QCOMPARE(b.fenetre.numerosAuCadre.last(), int16_t(3));
    VerifierCompteur(m, "3", false);
    QVERIFY(!b.existe(4, ".bmp"));
    QVERIFY(LireOctets(b.fichier(3, ".bmp")) != troisAvant);
}

void TestModule::tailleRefusee_data() {
    QTest::addColumn<QString>("largeur");
    QTest::addColumn<QString>("hauteur");
    QTest::newRow("largeur 9") << "9"
                               << "350";
    QTest::newRow("hauteur 9") << "600"
                               << "9";
    QTest::newRow("largeur au-delà") << QString::number(Ecran().width() + 1) << "350";
    QTest::newRow("hauteur au-delà") << "600" << QString::number(Ecran().height() + 1);
    QTest::newRow("largeur illisible") << "abc"
                                       << "350";
    QTest::newRow("négative") << "-600"
                              << "350";
}

void TestModule::tailleRefusee() {
    QFETCH(QString, largeur);
    QFETCH(QString, hauteur);
    BancModule b;
    ModuleCapture& m = b.charger();
    b.capturer();
    b.fenetre.journal.clear();
    m.EcrireLargeur(largeur);
    m.EcrireHauteur(hauteur);
    m.Capturer();
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu a = b.dialogues.dernier();
    QCOMPARE(a.titre, QString("ALERTE"));
    QCOMPARE(a.texte, QString("Valeurs de HAUTEUR et LARGEUR non valides."));
    QCOMPARE(a.icone, Icone::Exclamation);
    QCOMPARE(a.boutons, Boutons::OK);
    // Rien n'est compté, rien n'est copié, la fenêtre ne bouge pas.
    QCOMPARE(m.Etat.NumeroCapture, int16_t(1));
    VerifierCompteur(m, "1", false);
    QVERIFY(b.fenetre.journal.isEmpty());
    QCOMPARE(b.ecran.zones.size(), 1);
    QCOMPARE(b.convertisseur.appels.size(), 1);
}

void TestModule::ecranEntier() {
    BancModule b;
    ModuleCapture& m = b.charger();
    m.EcrireLargeur(QString::number(m.LargeurEcran));
    m.EcrireHauteur(QString::number(m.HauteurEcran));
    // Au premier top, la fenêtre est cachée et rien n'est encore copié : l'écran se redessine.
    bool cacheeAuPremierTop = false;
    int zonesAuPremierTop = -1;
    auto* minuterie = m.findChild<QTimer*>("Timer1");
    QCOMPARE(minuterie->interval(), 500);
    connect(minuterie, &QTimer::timeout, [&] {
        if (m.NbTops == 1) {
            cacheeAuPremierTop = !b.fenetre.visible;
            zonesAuPremierTop = b.ecran.ecransSaisis;
        }
    });
    m.Capturer();
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu a = b.dialogues.dernier();
    QCOMPARE(a.titre, QString());
    QCOMPARE(a.texte, QString("Vous avez choisi de capturer l'écran en entier."));
    QCOMPARE(a.icone, Icone::Aucune);
    QCOMPARE(a.boutons, Boutons::OK);
    QCOMPARE(b.fenetre.journal, QStringList({"Escamoter", "Reapparaitre"}));
    QVERIFY(cacheeAuPremierTop);
    QCOMPARE(zonesAuPremierTop, 0);
    // L'écran entier d'un coup, en pixels réels.
    QCOMPARE(b.ecran.ecransSaisis, 1);
    QVERIFY(b.ecran.zones.isEmpty());
    QCOMPARE(LireBMP(b.fichier(1, ".bmp")), ImageMotif(m.LargeurEcran, m.HauteurEcran));
    QCOMPARE(m.Etat.Pic.size(), QSize(m.LargeurEcran, m.HauteurEcran));
    QCOMPARE(m.NbTops, int16_t(2));
    QVERIFY(!minuterie->isActive());
    QCOMPARE(m.Etat.NumeroCapture, int16_t(1));
    QVERIFY(b.existe(1, ".jpg"));
}

void TestModule::zone() {
    BancModule b;
    const int tpp = TwipsParPixel();
    EcrireOctets(b.dossier + "/Passage", QString("%1\r\n100\r\n%2\r\n%3\r\n")
                                             .arg(Ecran().width())
                                             .arg(40 * tpp)
                                             .arg(50 * tpp)
                                             .toLatin1());
    ModuleCapture& m = b.charger();
    // La largeur de l'écran avec une hauteur moindre : c'est une zone, par le cadre.
    b.capturer();
    QVERIFY(b.dialogues.messages.isEmpty());
    QCOMPARE(b.fenetre.journal, QStringList({"Escamoter", "Cadre", "Reapparaitre"}));
    QCOMPARE(b.fenetre.numerosAuCadre, QList<int16_t>({1}));
    QCOMPARE(b.ecran.zones, QList<QRect>({QRect(43, 79, Ecran().width(), 100)}));
    QVERIFY(b.existe(1, ".bmp"));
    QCOMPARE(m.Etat.NumeroCapture, int16_t(1));
    QCOMPARE(b.convertisseur.appels.size(), 1);
    QVERIFY(!m.findChild<QTimer*>("Timer1")->isActive());
    QCOMPARE(m.NbTops, int16_t(0));
}

void TestModule::zoneSansCapture() {
    BancModule b;
    ModuleCapture& m = b.charger();
    b.capturer();
    QCOMPARE(Visibles(m), QList<bool>({true, true, true, false}));
    // Mode écrasement, puis Échap : le numéro revient, l'écrasement et l'affichage restent.
    m.BasculerCompteur();
    b.fenetre.journal.clear();
    b.fenetre.cadres.push_back(CadreEchap(10));
    m.Capturer();
    QCOMPARE(b.fenetre.journal, QStringList({"Escamoter", "Cadre", "Reapparaitre"}));
    QCOMPARE(b.fenetre.numerosAuCadre.last(), int16_t(1));
    QCOMPARE(m.Etat.NumeroCapture, int16_t(0));
    VerifierCompteur(m, "0", true);
    QCOMPARE(Visibles(m), QList<bool>({true, true, true, false}));
    QCOMPARE(b.convertisseur.appels.size(), 1);
    QVERIFY(b.dialogues.messages.isEmpty());
    // La position de ce cadre est gardée pour le suivant.
    QCOMPARE(m.Etat.LeftDiapo, 10 * TwipsParPixel());

    // Le cadre n'a pas pu copier : il le dit, et rien n'est compté.
    m.BasculerCompteur();
    b.fenetre.cadres.push_back(CadreEnEchec("pas d'écran"));
    m.Capturer();
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
    QCOMPARE(b.dialogues.dernier().texte, QString("pas d'écran"));
    QCOMPARE(b.dialogues.dernier().icone, Icone::Exclamation);
    QCOMPARE(m.Etat.NumeroCapture, int16_t(1));
    QVERIFY(b.fenetre.visible);

    // Aucune copie possible dans la session : refus avant même le cadre.
    b.ecran.possible = false;
    b.fenetre.journal.clear();
    m.Capturer();
    QCOMPARE(b.dialogues.dernier().titre, QString("IMPOSSIBILITE"));
    QCOMPARE(b.dialogues.dernier().texte, TexteCaptureImpossible());
    QVERIFY(b.fenetre.journal.isEmpty());
    QCOMPARE(m.Etat.NumeroCapture, int16_t(1));
}

void TestModule::conversionSelonSortie_data() {
    QTest::addColumn<Programme>("programme");
    QTest::addColumn<int>("option");
    QTest::addColumn<qint64>("tailleJpeg");
    QTest::addColumn<bool>("bmp");
    QTest::addColumn<bool>("jpg");
    QTest::addColumn<QList<bool>>("visibles"); // cmdVisu, cmdRefaire, lblRefaire, cmdBMP
    QTest::addColumn<QString>("poids");
    QTest::addColumn<int>("qualite"); // 0 : pas de conversion
    using V = QList<bool>;
    QTest::newRow(".bmp") << Programme::Kestrane << 0 << qint64(45678) << true << false
                          << V{false, false, false, false} << "0 ko" << 0;
    QTest::newRow(".jpg et .bmp") << Programme::Kestrane << 1 << qint64(45678) << true << true
                                  << V{true, true, true, false} << "46 ko" << 100;
    QTest::newRow("moitié au pair") << Programme::Kestrane << 1 << qint64(12500) << true << true
                                    << V{true, true, true, false} << "12 ko" << 100;
    QTest::newRow(".jpg seulement") << Programme::Kestrane << 2 << qint64(45678) << false << true
                                    << V{true, false, true, false} << "46 ko" << 100;
    // Ostrelle : le BMP gardé se montre par son bouton.
    QTest::newRow("Ostrelle .jpg et .bmp") << Programme::Ostrelle << 1 << qint64(3500) << true
                                           << true << V{true, true, true, true} << "4 ko" << 95;
    QTest::newRow("Ostrelle .jpg seulement") << Programme::Ostrelle << 2 << qint64(3500) << false
                                             << true << V{true, false, true, false} << "4 ko" << 95;
}

void TestModule::conversionSelonSortie() {
    QFETCH(Programme, programme);
    QFETCH(int, option);
    QFETCH(qint64, tailleJpeg);
    QFETCH(bool, bmp);
    QFETCH(bool, jpg);
    QFETCH(QList<bool>, visibles);
    QFETCH(QString, poids);
    QFETCH(int, qualite);
    BancModule b;
    ModuleCapture& m = b.charger(programme);
    m.CliquerOption(option);
    b.convertisseur.tailleJpeg = tailleJpeg;
    b.capturer();
    QCOMPARE(b.existe(1, ".bmp"), bmp);
    QCOMPARE(b.existe(1, ".jpg"), jpg);
    QCOMPARE(Visibles(m), visibles);
    QCOMPARE(m.lblRefaire, poids);
    QCOMPARE(m.IndJPG, option != 0);
    QCOMPARE(m.IndGarderBMP, programme == Programme::Ostrelle && option != 2);
    QVERIFY(b.dialogues.messages.isEmpty());
    if (qualite == 0) {
        QVERIFY(b.convertisseur.appels.isEmpty());
        return;
    }
    // Le BMP du numéro de la capture, encore là au moment de la conversion.
    QCOMPARE(b.convertisseur.appels.size(), 1);
    const AppelConversion& appel = b.convertisseur.appels[0];
    QCOMPARE(appel.bmp, b.fichier(1, ".bmp"));
    QCOMPARE(appel.jpg, b.fichier(1, ".jpg"));
    QCOMPARE(appel.qualite, int16_t(qualite));
    QVERIFY(appel.bmpPresent);
    QCOMPARE(m.Qualite, int16_t(qualite));
}

void TestModule::qualite_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("qualite");
    QTest::addColumn<QString>("apres");
    QTest::newRow("0") << "0" << 100 << "100";
    QTest::newRow("150") << "150" << 100 << "100";
    QTest::newRow("abc") << "abc" << 100 << "100";
    QTest::newRow("vide") << "" << 100 << "100";
    QTest::newRow("-5") << "-5" << 100 << "100";
    QTest::newRow("95.7") << "95.7" << 95 << "95.7";
    QTest::newRow("1") << "1" << 1 << "1";
    QTest::newRow("100.9") << "100.9" << 100 << "100.9";
}

void TestModule::qualite() {
    QFETCH(QString, texte);
    QFETCH(int, qualite);
    QFETCH(QString, apres);
    BancModule b;
    ModuleCapture& m = b.charger();
    m.EcrireQualite(texte);
    b.capturer();
    QCOMPARE(b.convertisseur.appels.last().qualite, int16_t(qualite));
    QCOMPARE(m.Qualite, int16_t(qualite));
    QCOMPARE(m.txtQualite(), apres);
}

void TestModule::conversionEchouee_data() {
    QTest::addColumn<int>("statut");
    QTest::addColumn<bool>("ecrireJpeg");
    QTest::newRow("statut non nul") << 4 << true;
    QTest::newRow("succès sans fichier") << 0 << false;
}

void TestModule::conversionEchouee() {
    QFETCH(int, statut);
    QFETCH(bool, ecrireJpeg);
    BancModule b;
    ModuleCapture& m = b.charger();
    m.CliquerOption(2);
    b.convertisseur.statut = int16_t(statut);
    b.convertisseur.ecrireJpeg = ecrireJpeg;
    b.capturer();
    QCOMPARE(b.dialogues.messages.size(), 1);
    const MessageVu a = b.dialogues.dernier();
    QCOMPARE(a.titre, QString("ALERTE"));
    QCOMPARE(a.texte, EchecConversion);
    QCOMPARE(a.icone, Icone::Critique);
    QCOMPARE(a.boutons, Boutons::OK);
    QCOMPARE(m.lblRefaire, QString("OUT"));
    // Le BMP reste, même en sortie JPEG seule, et on peut retenter.
    QCOMPARE(Visibles(m), QList<bool>({false, true, true, false}));
    QVERIFY(b.existe(1, ".bmp"));
}

void TestModule::recreer() {
    BancModule b;
    ModuleCapture& m = b.charger();
    b.capturer();
    QCOMPARE(m.lblRefaire, QString("46 ko"));
    // Autre qualité, autre poids : le même numéro est refait depuis le BMP, qui reste.
    m.EcrireQualite("40");
    b.convertisseur.tailleJpeg = 20600;
    m.Refaire();
    QCOMPARE(b.convertisseur.appels.size(), 2);
    QCOMPARE(b.convertisseur.appels.last().qualite, int16_t(40));
    QCOMPARE(b.convertisseur.appels.last().bmp, b.fichier(1, ".bmp"));
    QCOMPARE(b.convertisseur.appels.last().jpg, b.fichier(1, ".jpg"));
    QCOMPARE(m.lblRefaire, QString("21 ko"));
    QVERIFY(b.existe(1, ".bmp"));
    QVERIFY(b.dialogues.messages.isEmpty());
    // Même en sortie JPEG seule : recréer n'efface jamais le BMP.
    m.CliquerOption(2);
    m.EcrireQualite("500");
    m.Refaire();
    QVERIFY(b.existe(1, ".bmp"));
    QCOMPARE(b.convertisseur.appels.last().qualite, int16_t(100));
    QCOMPARE(m.txtQualite(), QString("100"));

    // Échec de conversion : même message et « OUT ». Sous la boîte, la fenêtre montre déjà
    // cmdVisu caché, et encore l'ancien poids.
    b.convertisseur.statut = 9;
    std::optional<bool> visuSousLaBoite;
    QString poidsSousLaBoite;
    const auto vue = connect(&m, &ModuleCapture::vueChangee, [&] {
        if (b.dialogues.messages.isEmpty()) {
            visuSousLaBoite = m.cmdVisuVisible;
            poidsSousLaBoite = m.lblRefaire;
        }
    });
    m.Refaire();
    disconnect(vue);
    QCOMPARE(visuSousLaBoite, std::optional<bool>(false));
    QCOMPARE(poidsSousLaBoite, QString("21 ko"));
    QCOMPARE(b.dialogues.dernier().texte, EchecConversion);
    QCOMPARE(b.dialogues.dernier().icone, Icone::Critique);
    QCOMPARE(m.lblRefaire, QString("OUT"));
    QVERIFY(!m.cmdVisuVisible);

    // Succès annoncé sans JPEG : un échec de conversion comme à la capture (le BMP est là).
    b.convertisseur.statut = 0;
    b.convertisseur.ecrireJpeg = false;
    QFile::remove(b.fichier(1, ".jpg"));
    m.EcrireQualite("90");
    m.Refaire();
    QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
    QCOMPARE(b.dialogues.dernier().texte, EchecConversion);
    QCOMPARE(b.dialogues.dernier().icone, Icone::Critique);
    QCOMPARE(m.lblRefaire, QString("OUT"));
    QVERIFY(b.existe(1, ".bmp"));

    // BMP effacé : message, aucune conversion.
    b.convertisseur.ecrireJpeg = true;
    QFile::remove(b.fichier(1, ".bmp"));
    const int appels = b.convertisseur.appels.size();
    const int messages = b.dialogues.messages.size();
    m.Refaire();
    QCOMPARE(b.dialogues.messages.size(), messages + 1);
    QCOMPARE(b.dialogues.dernier().texte, QString("Le fichier BMP n'existe plus !"));
    QCOMPARE(b.convertisseur.appels.size(), appels);
}

void TestModule::visualiserEtAide() {
    BancModule b;
    ModuleCapture& m = b.charger(Programme::Ostrelle);
    m.Aide();
    QCOMPARE(b.dialogues.ouvertures, QStringList(b.dossier + "/AideCapture/index.htm"));
    b.capturer();
    b.capturer();
    // Toujours le dernier numéro.
    m.VisualiserJPG();
    m.VisualiserBMP();
    QCOMPARE(b.dialogues.ouvertures.mid(1),
             QStringList({b.fichier(2, ".jpg"), b.fichier(2, ".bmp")}));
    QVERIFY(b.dialogues.messages.isEmpty());
    QFile::remove(b.fichier(2, ".jpg"));
    QFile::remove(b.fichier(2, ".bmp"));
    m.VisualiserJPG();
    QCOMPARE(b.dialogues.dernier().titre, QString("ALERTE"));
    QCOMPARE(b.dialogues.dernier().texte, QString("Le fichier JPG n'existe plus !"));
    QCOMPARE(b.dialogues.dernier().icone, Icone::Exclamation);
    QCOMPARE(b.dialogues.dernier().boutons, Boutons::OK);
    m.VisualiserBMP();
    QCOMPARE(b.dialogues.dernier().texte, QString("Le fichier BMP n'existe plus !"));
    QCOMPARE(b.dialogues.ouvertures.size(), 3);
}

void TestModule::detruireTout() {
    BancModule b;
    ModuleCapture& m = b.charger(Programme::Ostrelle);
    b.capturer();
    b.capturer();
    EcrireOctets(b.fichier(101, ".jpg"), "x");
    m.CliquerOption(1);
    const QString question = "Vous êtes sur le point de détruire toutes les captures du "
                             "répertoire.\r\nVoulez-vous les détruire ?";
    // Non : rien ne bouge.
    b.dialogues.reponses = {Reponse::Non};
    m.DetruireTout();
    const MessageVu q = b.dialogues.dernier();
    QCOMPARE(q.titre, QString("ALERTE"));
    QCOMPARE(q.texte, question);
    QCOMPARE(q.icone, Icone::Critique);
    QCOMPARE(q.boutons, Boutons::OuiNon);
    QVERIFY(b.existe(2, ".jpg"));
    QCOMPARE(m.Etat.NumeroCapture, int16_t(2));

    // Oui : tout part jusqu'à 100, compteur à zéro, affichage remis à neuf.
    m.BasculerCompteur();
    b.dialogues.reponses = {Reponse::Oui};
    m.DetruireTout();
    for (int n : {1, 2})
        QVERIFY(!b.existe(n, ".bmp") && !b.existe(n, ".jpg"));
    QVERIFY(b.existe(101, ".jpg"));
    QCOMPARE(m.Etat.NumeroCapture, int16_t(0));
    VerifierCompteur(m, "0", false);
    QCOMPARE(m.Option1(), 2);
    QVERIFY(m.lblQualiteVisible);
    QCOMPARE(Visibles(m), QList<bool>({false, false, false, false}));
}

void TestModule::detruireBMPetRenumeroter_data() {
    QTest::addColumn<Programme>("programme");
    QTest::addColumn<bool>("cmdBMP"); // Ostrelle : le bouton garde son état
    QTest::newRow("Kestrane") << Programme::Kestrane << false;
    QTest::newRow("Ostrelle") << Programme::Ostrelle << true;
}

void TestModule::detruireBMPetRenumeroter() {
    QFETCH(Programme, programme);
    QFETCH(bool, cmdBMP);
    BancModule b;
    ModuleCapture& m = b.charger(programme);
    for (int i = 0; i < 7; ++i) {
        b.convertisseur.tailleJpeg = 1000 * (i + 1) + 600;
        b.capturer();
    }
    // Il reste les JPEG 1, 2, 4 et 7, et le compteur est en mode écrasement.
    for (int n : {3, 5, 6})
        QFile::remove(b.fichier(n, ".jpg"));
    QMap<int, QByteArray> contenus;
    for (int n : {1, 2, 4, 7})
        contenus[n] = LireOctets(b.fichier(n, ".jpg"));
    m.BasculerCompteur();
    QVERIFY(m.IndEcraser);
    QCOMPARE(m.cmdBMPVisible, cmdBMP);

    b.dialogues.reponses = {Reponse::Oui};
    m.DetruireBMP();
    const MessageVu q = b.dialogues.dernier();
    QCOMPARE(q.titre, QString("ALERTE"));
    QCOMPARE(q.texte, QString("Vous êtes sur le point de détruire toutes les captures BMP du "
                              "répertoire.\r\nLes fichiers JPG seront donc sauvegardés.\r\n"
                              "Voulez-vous détruire les captures BMP ?"));
    QCOMPARE(q.icone, Icone::Critique);
    QCOMPARE(q.boutons, Boutons::OuiNon);
    QCOMPARE(b.dialogues.messages.size(), 1);
    for (int n = 1; n <= 7; ++n)
        QVERIFY(!b.existe(n, ".bmp"));
    // Les JPEG portent 1 à 4 dans leur ordre d'avant.
    QCOMPARE(LireOctets(b.fichier(1, ".jpg")), contenus[1]);
    QCOMPARE(LireOctets(b.fichier(2, ".jpg")), contenus[2]);
    QCOMPARE(LireOctets(b.fichier(3, ".jpg")), contenus[4]);
    QCOMPARE(LireOctets(b.fichier(4, ".jpg")), contenus[7]);
    for (int n : {5, 6, 7})
        QVERIFY(!b.existe(n, ".jpg"));
    QCOMPARE(m.Etat.NumeroCapture, int16_t(4));
    VerifierCompteur(m, "4", false);
    // Le poids montré est celui du nouveau numéro 4 (l'ancien 7 : 7 600 octets).
    QCOMPARE(m.lblRefaire, QString("8 ko"));
    QCOMPARE(Visibles(m), QList<bool>({true, false, true, cmdBMP}));
    QCOMPARE(m.Option1(), 2);
    QVERIFY(m.lblQualiteVisible);
    m.VisualiserJPG();
    QCOMPARE(b.dialogues.ouvertures, QStringList(b.fichier(4, ".jpg")));

    // Réponse Non : rien ne change.
    EcrireOctets(b.fichier(1, ".bmp"), "b");
    b.dialogues.reponses = {Reponse::Non};
    m.DetruireBMP();
    QVERIFY(b.existe(1, ".bmp"));
}

void TestModule::detruireBMPSansRenumerotation() {
    {
        // Compteur à 0 : les BMP partent, les JPEG restants ne sont ni comptés ni renumérotés.
        BancModule b;
        EcrireOctets(b.fichier(2, ".jpg"), "deux");
        EcrireOctets(b.fichier(2, ".bmp"), "deux");
        ModuleCapture& m = b.charger();
        b.dialogues.reponses = {Reponse::Oui};
        m.DetruireBMP();
        QVERIFY(!b.existe(2, ".bmp"));
        QVERIFY(b.existe(2, ".jpg"));
        QVERIFY(!b.existe(1, ".jpg"));
        QCOMPARE(m.Etat.NumeroCapture, int16_t(0));
        QCOMPARE(m.Option1(), 1);
        QCOMPARE(Visibles(m), QList<bool>({false, false, false, false}));
    }
    {
        // Compteur non nul mais plus aucun JPEG : remise à neuf.
        BancModule b;
        ModuleCapture& m = b.charger();
        m.CliquerOption(0);
        b.capturer();
        b.capturer();
        m.BasculerCompteur();
        QVERIFY(m.IndEcraser);
        b.dialogues.reponses = {Reponse::Oui};
        m.DetruireBMP();
        QVERIFY(!b.existe(1, ".bmp") && !b.existe(2, ".bmp"));
        QCOMPARE(m.Etat.NumeroCapture, int16_t(0));
        VerifierCompteur(m, "0", false);
        QCOMPARE(m.Option1(), 2);
        QVERIFY(m.lblQualiteVisible);
        QCOMPARE(Visibles(m), QList<bool>({false, false, false, false}));
    }
}

void TestModule::renumerotationEnEchec_data() {
    QTest::addColumn<Programme>("programme");
    QTest::addColumn<QString>("texte");
    QTest::newRow("Kestrane") << Programme::Kestrane << "Erreur anormale";
    QTest::newRow("Ostrelle") << Programme::Ostrelle << "Erreur de transformation de fichier";
}

void TestModule::renumerotationEnEchec() {
    QFETCH(Programme, programme);
    QFETCH(QString, texte);
    BancModule b;
    ModuleCapture& m = b.charger(programme);
    for (int i = 0; i < 3; ++i)
        b.capturer();
    // Le numéro 2 est occupé par un dossier : le JPEG 3 ne peut pas y aller.
    QFile::remove(b.fichier(2, ".jpg"));
    QVERIFY(QDir(b.dossier).mkdir("ScreenShot_2.jpg"));
    b.dialogues.reponses = {Reponse::Oui};
    m.DetruireBMP();
    // Un message par échec (le renommage, puis le poids du numéro 2 introuvable) ; le travail
    // est allé au bout, et le JPEG qui n'a pas pu bouger est toujours là.
    QCOMPARE(b.dialogues.messages.size(), 3);
    for (const MessageVu& e : b.dialogues.messages.mid(1)) {
        QCOMPARE(e.titre, QString());
        QCOMPARE(e.texte, texte);
        QCOMPARE(e.icone, Icone::Aucune);
        QCOMPARE(e.boutons, Boutons::OK);
    }
    QCOMPARE(m.Etat.NumeroCapture, int16_t(2));
    QVERIFY(b.existe(3, ".jpg"));
    QVERIFY(m.lblRefaireVisible);
    QVERIFY(m.cmdVisuVisible);
}

void TestModule::quitter_data() {
    QTest::addColumn<Programme>("programme");
    QTest::addColumn<bool>("avecTerminer");
    QTest::addColumn<Reponse>("reponse");
    QTest::addColumn<QByteArray>("passage");
    QTest::addColumn<QStringList>("journal");
    const QByteArray courant = "640\r\n480\r\n1500\r\n2250\r\n";
    const QByteArray defaut = "600\r\n350\r\n-999\r\n-999\r\n";
    // Le journal commence aux captures effacées : la fenêtre s'efface et revient pour chacune.
    const QStringList ostrelle = {"Cacher", "Editeur", "Fermer", "IndCapture"};
    QTest::newRow("Kestrane, Oui")
        << Programme::Kestrane << true << Reponse::Oui << courant << QStringList{"Terminer"};
    QTest::newRow("Kestrane, Non")
        << Programme::Kestrane << true << Reponse::Non << defaut << QStringList{"Terminer"};
    QTest::newRow("Kestrane sans fin de programme")
        << Programme::Kestrane << false << Reponse::Non << defaut << QStringList{"Fermer"};
    QTest::newRow("Ostrelle, Oui")
        << Programme::Ostrelle << true << Reponse::Oui << courant << ostrelle;
    QTest::newRow("Ostrelle, Non")
        << Programme::Ostrelle << true << Reponse::Non << defaut << ostrelle;
}

void TestModule::quitter() {
    QFETCH(Programme, programme);
    QFETCH(bool, avecTerminer);
    QFETCH(Reponse, reponse);
    QFETCH(QByteArray, passage);
    QFETCH(QStringList, journal);
    BancModule b;
    b.avecTerminer = avecTerminer;
    EcrireOctets(b.dossier + "/Passage", "800\r\n500\r\n30\r\n45\r\n");
    ModuleCapture& m = b.charger(programme);
    b.capturer();
    b.capturer();
    m.EcrireLargeur("640");
    m.EcrireHauteur("480");
    m.Etat.LeftDiapo = 1500;
    m.Etat.TopDiapo = 2250;
    b.fenetre.journal.clear();
    b.dialogues.reponses = {reponse};
    m.Quitter();
    const MessageVu q = b.dialogues.dernier();
    QCOMPARE(q.titre, QString("QUITTER"));
    QCOMPARE(q.texte, QString(programme == Programme::Ostrelle
                                  ? "Vous avez choisi de quitter le module de capture.\r\n"
                                  : "Vous avez choisi de quitter ce logiciel.\r\n") +
                          "Voulez-vous sauvegarder les derniers paramètres de capture\r\n"
                          "( position et dimension de capture ) ?");
    QCOMPARE(q.boutons, Boutons::OuiNon);
    QCOMPARE(q.icone, Icone::Exclamation);
    QCOMPARE(LireOctets(b.dossier + "/Passage"), passage);
    QCOMPARE(b.fenetre.journal, journal);
    // Ostrelle : les BMP partent, les JPEG restent pour l'éditeur. Kestrane garde tout.
    const bool ostrelle = programme == Programme::Ostrelle;
    for (int n : {1, 2}) {
        QCOMPARE(b.existe(n, ".bmp"), !ostrelle);
        QVERIFY(b.existe(n, ".jpg"));
    }
}

void TestModule::fermetureOstrelle() {
    // Toute fermeture lève IndCapture, une fois par affichage de la fenêtre.
    BancModule b;
    ModuleCapture& m = b.charger(Programme::Ostrelle);
    m.FenetreMontree();
    m.FenetreFermee();
    m.FenetreFermee();
    QCOMPARE(b.fenetre.journal, QStringList({"IndCapture"}));
    m.FenetreMontree();
    m.FenetreFermee();
    QCOMPARE(b.fenetre.journal, QStringList({"IndCapture", "IndCapture"}));
    // Sans rien écrire ni effacer.
    QVERIFY(!QFile::exists(b.dossier + "/Passage"));

    // Kestrane : fermer n'a pas de suite.
    BancModule k;
    ModuleCapture& n = k.charger();
    n.FenetreMontree();
    n.FenetreFermee();
    QVERIFY(k.fenetre.journal.isEmpty());
}

QTEST_MAIN(TestModule)
#include "test_capture_module.moc"
