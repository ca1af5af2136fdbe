// La fenêtre des réglages sous « offscreen » : chargement, contrôles et textes, boutons de
// dimension, compteur, taille refusée, sortie, et ce qui distingue Ostrelle de Kestrane.

#include "BancCapture.h"
#include "CaptureEcran.h"
#include "Passage.h"

#include <QPushButton>
#include <QToolButton>

class TestReglage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void controlesKestrane();
    void controlesOstrelle();
    void chargementPassage();
    void alerteFichiersRestants();
    void unClicUnPas();
    void boutonsAuxLimites();
    void boutonTenu();
    void boutonTenuFenetreCachee();
    void compteurEtEcrasement();
    void tailleRefusee();
    void captureImpossibleSansX11();
    void quitterKestrane();
    void quitterOstrelle();
    void fermerParLeCadre();
    void aideEtQualiteOstrelle();
    void couleursPeintesTellesQuelles();
    void pasDAgrandissement();
};

void TestReglage::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
}

void TestReglage::controlesKestrane() {
    BancCapture b;
    frmReglage& f = b.charger();
    QCOMPARE(f.objectName(), QString("frmPrincipal"));
    QCOMPARE(f.windowTitle(), QString("Module de capture d'écran"));
    QCOMPARE(f.palette().color(QPalette::Window), QColor(255, 255, 192));

    QCOMPARE(b.texte("txtLargeur")->text(), QString("600"));
    QCOMPARE(b.texte("txtLargeur")->toolTip(),
             QString("largeur de l'image capturée ( max = largeur écran )"));
    QCOMPARE(b.texte("txtHauteur")->text(), QString("350"));
    QCOMPARE(b.texte("txtHauteur")->toolTip(),
             QString("hauteur de l'image capturée ( max = hauteur écran )"));
    const QStringList fleches = {"<<", "<", ">", ">>"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(b.bouton(QString("cmdLargeur_%1").arg(i))->text(), fleches[i]);
        QCOMPARE(b.bouton(QString("cmdHauteur_%1").arg(i))->text(), fleches[i]);
    }
    const QStringList options = {".bmp", ".jpg et .bmp", ".jpg ( seulement )"};
    for (int i = 0; i < 3; ++i) {
        auto* o = b.controle<QRadioButton>(QString("Option1_%1").arg(i));
        QCOMPARE(o->text(), options[i]);
        QVERIFY(o->isEnabled());
        QCOMPARE(o->isChecked(), i == 1);
        QCOMPARE(CouleurBouton(o), QColor(192, 255, 192));
    }
    QVERIFY(b.controle("Option1_0")->toolTip().isEmpty());
    QCOMPARE(b.controle("Option1_1")->toolTip(),
             QString("créé un JPG tout en sauvegardant le BMP"));
    QCOMPARE(b.controle("Option1_2")->toolTip(), QString("créé le JPG et efface le BMP"));
    QCOMPARE(b.controle<QLabel>("lblQualite")->text(), QString("Qualité ( 1 à 100 ) :"));
    QCOMPARE(b.texte("txtQualite")->text(), QString("100"));
    QCOMPARE(b.texte("txtQualite")->toolTip(), QString("choisir 100 pour une qualité maximale"));
    const QStringList libelles = {
        "Largeur de CAPTURE :", "Hauteur de CAPTURE :", "Type de la Capture :"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(b.controle<QLabel>(QString("Label1_%1").arg(i))->text(), libelles[i]);

    // Boutons image : la bulle est aussi le nom accessible.
    const QList<QPair<QString, QString>> images = {
        {"Command1_0", "Faire une capture d'écran"},
        {"Command1_1", "Quitter"},
        {"Command1_2", "Détruire les captures ( BMP et JPG )"},
        {"cmdVisu", "Visualiser le JPG créé ( permet la retouche dans votre logiciel de "
                    "graphisme favori ! )"},
        {"cmdRefaire",
         "permet de recréer le JPG à partir du bmp ( pour tester plusieurs qualités ! )"}};
    for (const auto& [nom, bulle] : images) {
        auto* bouton = b.controle<QToolButton>(nom);
        QVERIFY2(bouton, qPrintable(nom));
        QCOMPARE(bouton->toolTip(), bulle);
        QCOMPARE(bouton->accessibleName(), bulle);
        QVERIFY(!bouton->icon().isNull());
    }
    QCOMPARE(b.bouton("Command1_3")->text(), QString("BMP"));
    QCOMPARE(b.bouton("Command1_3")->toolTip(), QString("Détruire les BMP capturés"));
    for (const char* nom : {"Command1_1", "Command1_2", "Command1_3"})
        QCOMPARE(CouleurBouton(b.controle(nom)), QColor(255, 192, 192));
    QCOMPARE(b.bouton("cmdNumero")->text(), QString("0"));
    QCOMPARE(b.bouton("cmdNumero")->toolTip(), QString("indique le nombre de captures effectuées"));
    QCOMPARE(b.bouton("cmdHelp")->text(), QString("?"));
    QCOMPARE(b.bouton("cmdHelp")->toolTip(), QString("Aide du logiciel à lire IMPERATIVEMENT !"));
    auto* lbl = b.controle<QLabel>("lblRefaire");
    QCOMPARE(lbl->text(), QString("0 ko"));
    QCOMPARE(lbl->toolTip(), QString("indique le poids de l'image JPG"));
    for (QWidget* w : {b.controle("cmdNumero"), b.controle("cmdHelp"), b.controle("lblRefaire")})
        QCOMPARE(CouleurBouton(w), QColor(128, 255, 128));

    // Cachés au chargement ; pas de bouton BMP dans Kestrane.
    for (const char* nom : {"cmdVisu", "cmdRefaire", "lblRefaire"})
        QVERIFY2(b.controle(nom)->isHidden(), nom);
    QVERIFY(!b.controle("cmdBMP"));
    QVERIFY(!b.controle("lblQualite")->isHidden());

    // Minuteries éteintes ; écran lu au chargement.
    QVERIFY(!f.findChild<QTimer*>("Timer1")->isActive());
    QCOMPARE(f.findChild<QTimer*>("Timer1")->interval(), 500);
    QCOMPARE(f.findChild<QTimer*>("Timer2")->interval(), 50);
    QCOMPARE(f.Module().LargeurEcran, int16_t(f.screen()->geometry().width()));
    QCOMPARE(f.Module().HauteurEcran, int16_t(f.screen()->geometry().height()));
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(0));
    QVERIFY(!f.Module().IndEcraser);

    // Le choix « .bmp » cache la qualité, les autres la montrent.
    b.controle<QRadioButton>("Option1_0")->click();
    QVERIFY(b.controle("lblQualite")->isHidden());
    QVERIFY(b.controle("txtQualite")->isHidden());
    b.controle<QRadioButton>("Option1_2")->click();
    QVERIFY(!b.controle("lblQualite")->isHidden());
    QVERIFY(!b.controle("txtQualite")->isHidden());

    // Une taille fixe qui ne coupe aucun contrôle.
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    for (QWidget* w : f.findChildren<QWidget*>())
        if (w->isVisible())
            QVERIFY2(f.rect().contains(QRect(w->mapTo(&f, QPoint(0, 0)), w->size())),
                     qPrintable(w->objectName()));
}

void TestReglage::controlesOstrelle() {
    BancCapture b;
    // Captures d'une séance précédente : Ostrelle les efface en ouvrant la fenêtre.
    for (int n : {1, 2, 100, 101}) {
        EcrireOctets(b.fichier(n, ".bmp"), "b");
        EcrireOctets(b.fichier(n, ".jpg"), "j");
    }
    frmReglage& f = b.charger(Programme::Ostrelle);
    QCOMPARE(f.objectName(), QString("frmReglage"));
    QCOMPARE(f.windowTitle(), QString("Module de capture d'écran"));
    for (int n : {1, 2, 100}) {
        QVERIFY(!b.existe(n, ".bmp"));
        QVERIFY(!b.existe(n, ".jpg"));
    }
    QVERIFY(b.existe(101, ".bmp"));
    QVERIFY(b.existe(101, ".jpg"));
    // Fichiers effacés : pas d'alerte.
    QVERIFY(b.dialogues.messages.isEmpty());

    auto* bmp = b.controle<QRadioButton>("Option1_0");
    QVERIFY(!bmp->isEnabled());
    QCOMPARE(bmp->toolTip(), QString("Option non disponible dans Ostrel"));
    QVERIFY(b.controle<QRadioButton>("Option1_1")->isChecked());
    QCOMPARE(b.texte("txtQualite")->text(), QString("95"));
    auto* cmdBMP = b.controle<QToolButton>("cmdBMP");
    QVERIFY(cmdBMP);
    QVERIFY(cmdBMP->isHidden());
    QCOMPARE(cmdBMP->toolTip(), QString("Visualiser et travailler le BMP créé"));
    QCOMPARE(cmdBMP->accessibleName(), cmdBMP->toolTip());
}

void TestReglage::chargementPassage() {
    {
        // Premier lancement : pas de fichier.
        BancCapture b;
        frmReglage& f = b.charger();
        QCOMPARE(b.texte("txtLargeur")->text(), QString("600"));
        QCOMPARE(b.texte("txtHauteur")->text(), QString("350"));
        QCOMPARE(f.Module().Etat.LargeurDiapo, 600);
        QCOMPARE(f.Module().Etat.HauteurDiapo, 350);
        QCOMPARE(f.Module().Etat.LeftDiapo, 0);
        QCOMPARE(f.Module().Etat.TopDiapo, 0);
    }
    {
        BancCapture b;
        EcrireOctets(b.dossier + "/Passage", "640.9\r\n480\r\n-999\r\n-999\r\n");
        frmReglage& f = b.charger();
        QCOMPARE(b.texte("txtLargeur")->text(), QString("640.9"));
        QCOMPARE(f.Module().Etat.LargeurDiapo, 640);
        QCOMPARE(f.Module().Etat.HauteurDiapo, 480);
        QCOMPARE(f.Module().Etat.TopDiapo, -999);
        QCOMPARE(f.Module().Etat.LeftDiapo, -999);
        // Chaque changement de la case suit dans le champ, plancher compris.
        b.texte("txtHauteur")->setText("300.99");
        QCOMPARE(f.Module().Etat.HauteurDiapo, 300);
        b.texte("txtLargeur")->setText("n'importe");
        QCOMPARE(f.Module().Etat.LargeurDiapo, 0);
    }
    {
        // Fichier abîmé : la fenêtre s'ouvre quand même.
        BancCapture b;
        EcrireOctets(b.dossier + "/Passage", QByteArray("\0\0\0\xff", 4));
        frmReglage& f = b.charger();
        QCOMPARE(f.Module().Etat.LargeurDiapo, 600);
        QCOMPARE(f.Module().Etat.HauteurDiapo, 350);
    }
}

void TestReglage::alerteFichiersRestants() {
    for (const char* ext : {".bmp", ".jpg"}) {
        BancCapture b;
        EcrireOctets(b.fichier(1, ext), "x");
        b.charger();
        QCOMPARE(b.dialogues.messages.size(), 1);
        const MessageVu m = b.dialogues.dernier();
        QCOMPARE(m.titre, QString("ALERTE"));
        QCOMPARE(m.texte,
                 QString("Il existe encore au moins un fichier de capture dans le répertoire.\r\n"
                         "Lancer une nouvelle capture va effacer ces fichiers !"));
        QCOMPARE(m.boutons, Boutons::OK);
        QCOMPARE(m.icone, Icone::Exclamation);
    }
    // Seul le numéro 1 compte.
    BancCapture b;
    EcrireOctets(b.fichier(2, ".jpg"), "x");
    b.charger();
    QVERIFY(b.dialogues.messages.isEmpty());
}

namespace {

// Un clic : le relâchement arrive pendant l'attente des 50 ms.
void Cliquer(QAbstractButton* bouton) {
    QTimer::singleShot(0, bouton, [bouton] { QTest::mouseRelease(bouton, Qt::LeftButton); });
    QTest::mousePress(bouton, Qt::LeftButton);
}

} // namespace

void TestReglage::unClicUnPas() {
    BancCapture b;
    frmReglage& f = b.charger();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* moins = b.bouton("cmdLargeur_1");
    auto* plus = b.bouton("cmdHauteur_2");
    int changements = 0;
    connect(b.texte("txtLargeur"), &QLineEdit::textChanged, [&] { ++changements; });
    Cliquer(moins);
    QCOMPARE(b.texte("txtLargeur")->text(), QString("599"));
    QCOMPARE(changements, 1);
    QCOMPARE(f.Module().Etat.LargeurDiapo, 599);
    QVERIFY(!moins->isDown());
    Cliquer(plus);
    QCOMPARE(b.texte("txtHauteur")->text(), QString("351"));
    QCOMPARE(f.Module().Etat.HauteurDiapo, 351);
    QCOMPARE(b.texte("txtLargeur")->text(), QString("599"));

    // Au clavier : Espace enfoncé puis relâché fait aussi un seul pas.
    moins->setFocus();
    QTimer::singleShot(0, moins, [moins] { QTest::keyRelease(moins, Qt::Key_Space); });
    QTest::keyPress(moins, Qt::Key_Space);
    QCOMPARE(b.texte("txtLargeur")->text(), QString("598"));
    QCOMPARE(changements, 2);
    QVERIFY(!f.findChild<QTimer*>("Timer2")->isActive());
}

void TestReglage::boutonsAuxLimites() {
    BancCapture b;
    frmReglage& f = b.charger();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QString largeurEcran = QString::number(f.Module().LargeurEcran);
    const QString hauteurEcran = QString::number(f.Module().HauteurEcran);

    Cliquer(b.bouton("cmdHauteur_0"));
    QCOMPARE(b.texte("txtHauteur")->text(), QString("10"));
    Cliquer(b.bouton("cmdHauteur_1"));
    QCOMPARE(b.texte("txtHauteur")->text(), QString("10"));
    Cliquer(b.bouton("cmdHauteur_3"));
    QCOMPARE(b.texte("txtHauteur")->text(), hauteurEcran);
    Cliquer(b.bouton("cmdHauteur_2"));
    QCOMPARE(b.texte("txtHauteur")->text(), hauteurEcran);
    QCOMPARE(f.Module().Etat.HauteurDiapo, f.Module().HauteurEcran);

    Cliquer(b.bouton("cmdLargeur_3"));
    QCOMPARE(b.texte("txtLargeur")->text(), largeurEcran);
    Cliquer(b.bouton("cmdLargeur_2"));
    QCOMPARE(b.texte("txtLargeur")->text(), largeurEcran);
    Cliquer(b.bouton("cmdLargeur_0"));
    QCOMPARE(b.texte("txtLargeur")->text(), QString("10"));
    QCOMPARE(f.Module().Etat.LargeurDiapo, 10);
    // Un texte tapé au-delà de l'écran : « > » ne l'augmente pas, « < » le descend.
    b.texte("txtLargeur")->setText("5000");
    Cliquer(b.bouton("cmdLargeur_2"));
    QCOMPARE(b.texte("txtLargeur")->text(), QString("5000"));
    Cliquer(b.bouton("cmdLargeur_1"));
    QCOMPARE(b.texte("txtLargeur")->text(), QString("4999"));
}

void TestReglage::boutonTenu() {
    BancCapture b;
    frmReglage& f = b.charger();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* plus = b.bouton("cmdLargeur_2");
    QStringList vus;
    // Le pas se répète tant que le bouton est tenu ; on le lâche quand la case lit 605.
    connect(b.texte("txtLargeur"), &QLineEdit::textChanged, [&](const QString& t) {
        vus << t;
        if (t == "605")
            QTest::mouseRelease(plus, Qt::LeftButton);
    });
    QTest::mousePress(plus, Qt::LeftButton);
    QCOMPARE(vus, QStringList({"601", "602", "603", "604", "605"}));
    QCOMPARE(f.Module().Etat.LargeurDiapo, 605);
    QVERIFY(!plus->isDown());
    // Relâché pendant l'attente : le pas en cours se fait encore, puis tout s'arrête.
    vus.clear();
    QTimer::singleShot(0, plus, [plus] { QTest::mouseRelease(plus, Qt::LeftButton); });
    QTest::mousePress(plus, Qt::LeftButton);
    QCOMPARE(vus, QStringList({"606"}));
}

void TestReglage::boutonTenuFenetreCachee() {
    // La fenêtre cachée pendant que le bouton est tenu ne verra jamais le relâchement : la
    // répétition s'arrête d'elle-même après le pas en cours.
    BancCapture b;
    frmReglage& f = b.charger();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* plus = b.bouton("cmdLargeur_2");
    QStringList vus;
    connect(b.texte("txtLargeur"), &QLineEdit::textChanged, [&](const QString& t) {
        vus << t;
        if (t == "603")
            f.hide();
    });
    // Garde-fou : sans arrêt, le relâchement viendrait bien plus tard.
    QTimer::singleShot(2000, plus, [plus] { QTest::mouseRelease(plus, Qt::LeftButton); });
    QTest::mousePress(plus, Qt::LeftButton);
    QCOMPARE(vus, QStringList({"601", "602", "603"}));
    QVERIFY(!plus->isDown());
    // Remontrée, elle repart normalement.
    f.show();
    vus.clear();
    Cliquer(b.bouton("cmdLargeur_1"));
    QCOMPARE(vus, QStringList({"602"}));
}

void TestReglage::compteurEtEcrasement() {
    BancCapture b;
    frmReglage& f = b.charger();
    auto* compteur = b.bouton("cmdNumero");
    // À 0 : le clic ne change rien de visible.
    compteur->click();
    QCOMPARE(compteur->text(), QString("0"));
    QVERIFY(!f.Module().IndEcraser);
    QCOMPARE(CouleurBouton(compteur), QColor(128, 255, 128));
    QCOMPARE(compteur->toolTip(), QString("indique le nombre de captures effectuées"));

    for (int i = 0; i < 3; ++i) {
        b.ecran.decalageCouleur = 0;
        b.capturer();
    }
    QCOMPARE(compteur->text(), QString("3"));
    const QByteArray troisAvant = LireOctets(b.fichier(3, ".bmp"));

    // À 3 : 2 en rouge clair, avec l'avertissement.
    compteur->click();
    QCOMPARE(compteur->text(), QString("2"));
    QVERIFY(f.Module().IndEcraser);
    QCOMPARE(CouleurBouton(compteur), QColor(255, 128, 128));
    QCOMPARE(compteur->toolTip(),
             QString("ALERTE!!!La prochaine capture va effacer la dernière capture effectuée !"));
    // Un second clic revient à 3 en vert.
    compteur->click();
    QCOMPARE(compteur->text(), QString("3"));
    QVERIFY(!f.Module().IndEcraser);
    QCOMPARE(CouleurBouton(compteur), QColor(128, 255, 128));

    // La capture suivante réécrit le numéro 3 et le compteur repasse au vert.
    compteur->click();
    b.ecran.decalageCouleur = 1;
    b.capturer();
    QCOMPARE(compteur->text(), QString("3"));
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(3));
    QVERIFY(!f.Module().IndEcraser);
    QCOMPARE(CouleurBouton(compteur), QColor(128, 255, 128));
    QCOMPARE(compteur->toolTip(), QString("indique le nombre de captures effectuées"));
    QVERIFY(!b.existe(4, ".bmp"));
    QVERIFY(LireOctets(b.fichier(3, ".bmp")) != troisAvant);

    // Un cadre abandonné : le numéro revient, l'écrasement et le compteur gardent leur état.
    compteur->click();
    QVERIFY(f.Module().IndEcraser);
    b.prochainCadreEchap();
    b.bouton("Command1_0")->click();
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(2));
    QVERIFY(f.Module().IndEcraser);
    QCOMPARE(compteur->text(), QString("2"));
    QCOMPARE(CouleurBouton(compteur), QColor(255, 128, 128));
}

void TestReglage::tailleRefusee() {
    BancCapture b;
    frmReglage& f = b.charger();
    b.capturer();
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(1));
    const QList<QPair<QString, QString>> tailles = {
        {"9", "350"},
        {"600", "9"},
        {QString::number(f.Module().LargeurEcran + 1), "350"},
        {"600", QString::number(f.Module().HauteurEcran + 1)},
        {"abc", "350"}};
    for (const auto& [l, h] : tailles) {
        b.dialogues.messages.clear();
        b.texte("txtLargeur")->setText(l);
        b.texte("txtHauteur")->setText(h);
        b.bouton("Command1_0")->click();
        QCOMPARE(b.dialogues.messages.size(), 1);
        const MessageVu m = b.dialogues.dernier();
        QCOMPARE(m.titre, QString("ALERTE"));
        QCOMPARE(m.texte, QString("Valeurs de HAUTEUR et LARGEUR non valides."));
        QCOMPARE(m.icone, Icone::Exclamation);
        QCOMPARE(m.boutons, Boutons::OK);
        QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(1));
        QCOMPARE(b.bouton("cmdNumero")->text(), QString("1"));
    }
    // Aucun cadre montré, aucune copie d'écran.
    QCOMPARE(b.dialogues.fenetresVues.size(), 1);
    QCOMPARE(b.ecran.zones.size(), 1);
    // Les bornes elles-mêmes sont admises (10 x 10 est une zone).
    b.texte("txtLargeur")->setText("10");
    b.texte("txtHauteur")->setText("10");
    b.capturer();
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(2));
    QCOMPARE(LireBMP(b.fichier(2, ".bmp")).size(), QSize(10, 10));
}

void TestReglage::captureImpossibleSansX11() {
    // La vraie copie d'écran, ici sur la plateforme « offscreen » : elle est refusée.
    BancCapture b;
    QTemporaryDir d;
    CaptureEcranX11 x11;
    QString raison;
    QVERIFY(!x11.disponible(&raison));
    QCOMPARE(raison, TexteCaptureImpossible());
    QVERIFY(raison.startsWith("La capture d'écran n'est pas possible dans cette session."));
    QVERIFY(raison.contains("X11"));

    OptionsCapture o = OptionsCapture::Kestrane(b.dossier);
    o.terminer = [] {};
    o.convertisseur = &b.convertisseur;
    frmReglage f(o, b.dialogues);
    f.findChild<QAbstractButton*>("Command1_0")->click();
    QCOMPARE(b.dialogues.messages.size(), 1);
    QCOMPARE(b.dialogues.dernier().titre, QString("IMPOSSIBILITE"));
    QCOMPARE(b.dialogues.dernier().texte, TexteCaptureImpossible());
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(0));
    QVERIFY(b.dialogues.fenetresVues.isEmpty());
    QVERIFY(!b.existe(1, ".bmp"));
    QVERIFY(b.convertisseur.appels.isEmpty());
}

void TestReglage::quitterKestrane() {
    const QString question = "Vous avez choisi de quitter ce logiciel.\r\n"
                             "Voulez-vous sauvegarder les derniers paramètres de capture\r\n"
                             "( position et dimension de capture ) ?";
    {
        // Oui : les valeurs du moment, position du dernier cadre comprise.
        BancCapture b;
        frmReglage& f = b.charger();
        b.texte("txtLargeur")->setText("640");
        b.texte("txtHauteur")->setText("480");
        f.Module().Etat.LeftDiapo = 1500;
        f.Module().Etat.TopDiapo = 2250;
        b.dialogues.reponses = {Reponse::Oui};
        b.bouton("Command1_1")->click();
        const MessageVu m = b.dialogues.dernier();
        QCOMPARE(m.titre, QString("QUITTER"));
        QCOMPARE(m.texte, question);
        QCOMPARE(m.boutons, Boutons::OuiNon);
        QCOMPARE(m.icone, Icone::Exclamation);
        QCOMPARE(LireOctets(b.dossier + "/Passage"), QByteArray("640\r\n480\r\n1500\r\n2250\r\n"));
        QCOMPARE(b.terminaisons, 1);
    }
    {
        // Non : les valeurs par défaut, quelles que soient celles du moment.
        BancCapture b;
        EcrireOctets(b.dossier + "/Passage", "800\r\n500\r\n30\r\n45\r\n");
        b.charger();
        b.dialogues.reponses = {Reponse::Non};
        b.bouton("Command1_1")->click();
        QCOMPARE(LireOctets(b.dossier + "/Passage"), QByteArray("600\r\n350\r\n-999\r\n-999\r\n"));
        QCOMPARE(b.terminaisons, 1);
        QCOMPARE(b.indCapture, 0);
    }
    {
        // Fermer la fenêtre de Kestrane n'écrit rien.
        BancCapture b;
        frmReglage& f = b.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.close();
        QVERIFY(!QFile::exists(b.dossier + "/Passage"));
        QVERIFY(b.dialogues.messages.isEmpty());
        QCOMPARE(b.indCapture, 0);
        QCOMPARE(b.terminaisons, 0);
    }
}

void TestReglage::quitterOstrelle() {
    BancCapture b;
    frmReglage& f = b.charger(Programme::Ostrelle);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    b.capturer();
    b.capturer();
    QVERIFY(b.existe(2, ".bmp"));
    QVERIFY(b.existe(2, ".jpg"));
    b.dialogues.reponses = {Reponse::Non};
    b.bouton("Command1_1")->click();
    QCOMPARE(b.dialogues.dernier().texte,
             QString("Vous avez choisi de quitter le module de capture.\r\n"
                     "Voulez-vous sauvegarder les derniers paramètres de capture\r\n"
                     "( position et dimension de capture ) ?"));
    QCOMPARE(LireOctets(b.dossier + "/Passage"), QByteArray("600\r\n350\r\n-999\r\n-999\r\n"));
    // Les BMP partent, les JPEG restent pour l'éditeur ; la fenêtre se ferme et le dit.
    QVERIFY(!b.existe(1, ".bmp"));
    QVERIFY(!b.existe(2, ".bmp"));
    QVERIFY(b.existe(1, ".jpg"));
    QVERIFY(b.existe(2, ".jpg"));
    QVERIFY(!f.isVisible());
    QCOMPARE(b.editeurMontre, 1);
    QCOMPARE(b.indCapture, 1);
    QCOMPARE(b.terminaisons, 0);
}

void TestReglage::fermerParLeCadre() {
    // Ostrelle : fermer la fenêtre par sa case lève aussi IndCapture, sans toucher aux fichiers.
    BancCapture b;
    frmReglage& f = b.charger(Programme::Ostrelle);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    b.capturer();
    f.close();
    QVERIFY(!f.isVisible());
    QCOMPARE(b.indCapture, 1);
    QCOMPARE(b.editeurMontre, 0);
    QVERIFY(b.existe(1, ".bmp"));
    QVERIFY(!QFile::exists(b.dossier + "/Passage"));
    // Échap ne ferme pas la fenêtre (ce serait quitter sans la question).
    BancCapture c;
    frmReglage& g = c.charger(Programme::Ostrelle);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    QTest::keyClick(&g, Qt::Key_Escape);
    QVERIFY(g.isVisible());
    QCOMPARE(c.indCapture, 0);
}

void TestReglage::aideEtQualiteOstrelle() {
    BancCapture b;
    frmReglage& f = b.charger(Programme::Ostrelle);
    b.bouton("cmdHelp")->click();
    QCOMPARE(b.dialogues.ouvertures, QStringList(b.dossier + "/AideCapture/index.htm"));
    QVERIFY(b.dialogues.messages.isEmpty());

    // Ostrelle : un clic dans la qualité sélectionne tout le texte.
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto* qualite = b.texte("txtQualite");
    qualite->setText("85");
    QTest::mouseClick(qualite, Qt::LeftButton, {}, QPoint(3, qualite->height() / 2));
    // La sélection suit le traitement du clic, au tour suivant de la boucle.
    QCoreApplication::processEvents();
    QCOMPARE(qualite->selectedText(), QString("85"));

    // Kestrane : un clic place seulement le curseur.
    BancCapture k;
    frmReglage& g = k.charger();
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    auto* q2 = k.texte("txtQualite");
    q2->setText("85");
    q2->deselect();
    QTest::mouseClick(q2, Qt::LeftButton, {}, QPoint(3, q2->height() / 2));
    QCoreApplication::processEvents();
    QVERIFY(q2->selectedText().isEmpty());
}

namespace {
// La couleur peinte au bord droit du contrôle, à mi-hauteur (loin du texte centré et de la
// pastille des options, en deçà de la bordure).
QColor CouleurPeinte(QWidget* w) {
    const QImage image = w->grab().toImage();
    return image.pixelColor(image.width() - 5, image.height() / 2);
}
} // namespace

// Le style éclaircissait les couleurs des boutons : le rouge clair du mode écrasement
// (255, 128, 128) sortait en (249, 190, 190), presque le rose des commandes.
void TestReglage::couleursPeintesTellesQuelles() {
    BancCapture b;
    frmReglage& f = b.charger(Programme::Ostrelle);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QColor vert(128, 255, 128), rose(255, 192, 192), options(192, 255, 192);
    QCOMPARE(CouleurPeinte(b.bouton("cmdNumero")), vert);
    QCOMPARE(CouleurPeinte(b.bouton("cmdHelp")), vert);
    QCOMPARE(CouleurPeinte(b.controle("lblRefaire")), vert);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(CouleurPeinte(b.bouton(QString("Command1_%1").arg(i))), rose);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(CouleurPeinte(b.controle(QString("Option1_%1").arg(i))), options);
    QCOMPARE(CouleurPeinte(&f), QColor(255, 255, 192));
    // Le mode écrasement, bien distinct du rose.
    b.capturer();
    b.bouton("cmdNumero")->click();
    QVERIFY(f.Module().IndEcraser);
    QCOMPARE(CouleurPeinte(b.bouton("cmdNumero")), QColor(255, 128, 128));
}

void TestReglage::pasDAgrandissement() {
    BancCapture b;
    const Qt::WindowFlags drapeaux = b.charger().windowFlags();
    QVERIFY(drapeaux & Qt::CustomizeWindowHint);
    QVERIFY(!(drapeaux & Qt::WindowMaximizeButtonHint));
    QVERIFY(drapeaux & Qt::WindowMinimizeButtonHint);
    QVERIFY(drapeaux & Qt::WindowCloseButtonHint);
}

QTEST_MAIN(TestReglage)
#include "test_capture_reglage.moc"
