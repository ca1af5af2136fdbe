// Le choix de la couleur du texte, mené à la souris et au clavier comme par l'utilisateur.

#include "Editeur.h"
#include "Fabrique.h"
#include "FauxDialogues.h"
#include "frmCouleur.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
struct Banc {
    Bac bac;
    FauxDialogues dialogues;
    Editeur editeur{dialogues, bac.programme, bac.secours};
    frmCouleur fenetre{editeur};

    Banc() {
        fenetre.show();
        if (!QTest::qWaitForWindowExposed(&fenetre))
            qWarning("fenêtre non exposée");
    }

    QWidget* controle(const QString& nom) {
        auto* w = fenetre.findChild<QWidget*>(nom);
        if (!w)
            qFatal("contrôle introuvable : %s", qPrintable(nom));
        return w;
    }
    QWidget* caseCouleur(int i) { return controle(QString("picCouleur_%1").arg(i)); }
    QWidget* barre(int c) { return controle(QString("picChangeRGB_%1").arg(c)); }
    QString code() { return fenetre.findChild<QLabel*>("lblSelection")->text(); }

    void cliquer(int i) { QTest::mouseClick(caseCouleur(i), Qt::LeftButton, {}, QPoint(18, 18)); }
    // Appui sur une barre, glissé jusqu'à x, relâché là.
    void glisser(int c, int depart, int arrivee) {
        QWidget* b = barre(c);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(depart, 5));
        QTest::mouseMove(b, QPoint(arrivee, 5));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(arrivee, 5));
    }
    // Déplacement avec exactement ces boutons tenus (QTest ne sait pas bouger sans bouton).
    void bouger(int c, int x, Qt::MouseButtons boutons) {
        QWidget* b = barre(c);
        QMouseEvent e(QEvent::MouseMove, QPointF(x, 5), b->mapToGlobal(QPointF(x, 5)), Qt::NoButton,
                      boutons, Qt::NoModifier);
        QApplication::sendEvent(b, &e);
    }
    void appuyer(int c, int x, Qt::MouseButton bouton, Qt::MouseButtons tenus) {
        QWidget* b = barre(c);
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(x, 5), b->mapToGlobal(QPointF(x, 5)),
                      bouton, tenus, Qt::NoModifier);
        QApplication::sendEvent(b, &e);
    }
    QColor pixel(QWidget* w, int x, int y = 5) { return w->grab().toImage().pixelColor(x, y); }
};
} // namespace

class TestFrmCouleur : public QObject {
    Q_OBJECT
private slots:
    void premiereOuverture();
    void casesTypes();
    void glisserUneBarre();
    void arrondiAuPair();
    void boutonsIgnores();
    void okEtDoubleClic();
    void annuler();
    void persistanceEntreOuvertures();
    void clavier();
    void aide();
};

void TestFrmCouleur::premiereOuverture() {
    Banc b;
    QCOMPARE(b.fenetre.windowTitle(), QString("Choix de la couleur"));
    QCOMPARE(b.code(), QString("#7F7F7F"));
    QCOMPARE(b.fenetre.couleurSelection(), QColor(127, 127, 127));
    QCOMPARE(b.fenetre.caseSelectionnee(), 16);
    QCOMPARE(b.pixel(b.controle("picSelection"), 48, 20), QColor(127, 127, 127));

    // Chaque barre neuve : marque au milieu (256 \ 2 = 128), valeur Int(128 × 255 / 256) = 127
    // dans son seul canal, et la marque dans le complément.
    const QColor fonds[3] = {QColor(127, 0, 0), QColor(0, 127, 0), QColor(0, 0, 127)};
    const QColor marques[3] = {QColor(128, 255, 255), QColor(255, 128, 255), QColor(255, 255, 128)};
    for (int c = 0; c < 3; ++c) {
        QWidget* barre = b.barre(c);
        QCOMPARE(barre->width(), 256);
        QCOMPARE(b.fenetre.fondBarre(c), 127u << (8 * c));
        for (int x : {127, 128, 129})
            QCOMPARE(b.pixel(barre, x), marques[c]);
        for (int x : {0, 126, 130, 255})
            QCOMPARE(b.pixel(barre, x), fonds[c]);
    }

    QCOMPARE(b.caseCouleur(3)->toolTip(), QString("Cliquez pour sélectionner la couleur"));
    QCOMPARE(b.caseCouleur(16)->toolTip(), QString("Cliquez pour sélectionner la couleur"));
    QCOMPARE(b.controle("picSelection")->toolTip(), QString("Couleur sélectionnée pour le texte"));
    QCOMPARE(b.controle("lblSelection")->toolTip(), QString("Code couleur HTML"));
    QCOMPARE(b.fenetre.findChild<QPushButton*>("cmdFin_0")->text(), QString("OK"));
    QCOMPARE(b.fenetre.findChild<QPushButton*>("cmdFin_1")->text(), QString("Annuler"));
    QStringList libelles;
    for (auto* l : b.fenetre.findChildren<QLabel*>())
        libelles << l->text();
    for (const char* attendu :
         {"Couleurs types", "Couleur définie par l'utilisateur", "Couleur sélectionnée :"})
        QVERIFY2(libelles.contains(QString::fromUtf8(attendu)), attendu);
}

void TestFrmCouleur::casesTypes() {
    Banc b;
    // La table des seize couleurs, dans son ordre.
    const int table[16][3] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                              {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                              {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                              {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    for (int i = 0; i < 16; ++i) {
        const QColor attendue(table[i][0], table[i][1], table[i][2]);
        b.cliquer(i);
        QCOMPARE(b.fenetre.caseSelectionnee(), i);
        QCOMPARE(b.fenetre.couleurSelection(), attendue);
        QCOMPARE(b.code(), attendue.name(QColor::HexRgb).toUpper());
        QCOMPARE(b.pixel(b.caseCouleur(i), 18, 18), attendue);
        QCOMPARE(b.pixel(b.controle("picSelection"), 48, 20), attendue);
    }
    b.cliquer(12);
    QCOMPARE(b.code(), QString("#FF0000"));
    b.cliquer(1);
    QCOMPARE(b.code(), QString("#000080"));

    // Appui sur une case, relâché ailleurs, ou bouton droit : pas un clic.
    QTest::mousePress(b.caseCouleur(9), Qt::LeftButton, {}, QPoint(18, 18));
    QTest::mouseRelease(b.caseCouleur(9), Qt::LeftButton, {}, QPoint(200, 18));
    QTest::mouseClick(b.caseCouleur(10), Qt::RightButton, {}, QPoint(18, 18));
    QCOMPARE(b.code(), QString("#000080"));
    QCOMPARE(b.fenetre.caseSelectionnee(), 1);
}

void TestFrmCouleur::glisserUneBarre() {
    Banc b;
    b.cliquer(12);
    // 40 × 255 / 256 = 39,84 -> 40 ; la case 16 reprend les barres et redevient la sélection.
    QTest::mousePress(b.barre(0), Qt::LeftButton, {}, QPoint(40, 5));
    QCOMPARE(b.code(), QString("#287F7F"));
    QCOMPARE(b.fenetre.caseSelectionnee(), 16);
    QCOMPARE(b.fenetre.couleurCase(16), 40u + 127u * 256 + 127u * 65536);
    QCOMPARE(b.fenetre.fondBarre(0), 40u);
    // Marque x − 1 à x + 1 dans le complément (215, 255, 255), l'ancienne effacée.
    for (int x : {39, 40, 41})
        QCOMPARE(b.pixel(b.barre(0), x), QColor(215, 255, 255));
    for (int x : {38, 42, 128})
        QCOMPARE(b.pixel(b.barre(0), x), QColor(40, 0, 0));

    // Le bouton tenu, le glissé suit jusqu'au-delà des bouts : x borné à 0 … 256.
    QTest::mouseMove(b.barre(0), QPoint(400, 5));
    QCOMPARE(b.code(), QString("#FF7F7F"));
    QCOMPARE(b.pixel(b.barre(0), 255), QColor(0, 255, 255));
    QCOMPARE(b.pixel(b.barre(0), 250), QColor(255, 0, 0));
    QTest::mouseMove(b.barre(0), QPoint(-30, 5));
    QCOMPARE(b.code(), QString("#007F7F"));
    QCOMPARE(b.pixel(b.barre(0), 0), QColor(255, 255, 255));
    QCOMPARE(b.pixel(b.barre(0), 1), QColor(255, 255, 255));
    QCOMPARE(b.pixel(b.barre(0), 2), QColor(0, 0, 0));
    QTest::mouseRelease(b.barre(0), Qt::LeftButton, {}, QPoint(-30, 5));

    // Les deux autres canaux se composent avec le rouge.
    b.glisser(1, 10, 256);
    b.glisser(2, 10, 64); // 63,75 -> 64
    QCOMPARE(b.code(), QString("#00FF40"));
    QCOMPARE(b.fenetre.couleurSelection(), QColor(0, 255, 64));
    QCOMPARE(b.pixel(b.caseCouleur(16), 18, 18), QColor(0, 255, 64));
    QCOMPARE(b.pixel(b.barre(2), 64), QColor(255, 255, 191));
    QCOMPARE(b.fenetre.fondBarre(1), 255u << 8);
    QCOMPARE(b.fenetre.fondBarre(2), 64u << 16);
}

void TestFrmCouleur::arrondiAuPair() {
    // Moitiés exactes : au pair, dans les deux sens ; la troncature ne vaut qu'au chargement.
    QCOMPARE(frmCouleur::ValeurCanal(1, 510), 0);     // 0,5
    QCOMPARE(frmCouleur::ValeurCanal(3, 510), 2);     // 1,5
    QCOMPARE(frmCouleur::ValeurCanal(5, 510), 2);     // 2,5
    QCOMPARE(frmCouleur::ValeurCanal(7, 510), 4);     // 3,5
    QCOMPARE(frmCouleur::ValeurCanal(128, 256), 128); // 127,5
    QCOMPARE(frmCouleur::ValeurDepart(256), 127);
    QCOMPARE(frmCouleur::ValeurCanal(2.1, 510), 1); // 1,05
    QCOMPARE(frmCouleur::ValeurCanal(-1, 510), 0);
    QCOMPARE(frmCouleur::ValeurCanal(511, 510), 255);
    QCOMPARE(frmCouleur::ValeurCanal(10, 0), 0);
    QCOMPARE(frmCouleur::BornerX(-4.5, 300), 0.0);
    QCOMPARE(frmCouleur::BornerX(301, 300), 300.0);
    QCOMPARE(frmCouleur::BornerX(12.5, 300), 12.5);

    // Dans la fenêtre : la largeur lue est celle de la barre au moment du glissé.
    Banc b;
    b.barre(1)->setFixedWidth(510);
    QTest::qWait(0);
    b.glisser(1, 100, 5);
    QCOMPARE(b.code(), QString("#7F027F"));
    b.glisser(1, 100, 7);
    QCOMPARE(b.code(), QString("#7F047F"));
    b.barre(1)->setFixedWidth(256);
    b.glisser(1, 0, 128);
    QCOMPARE(b.code(), QString("#7F807F"));
}

void TestFrmCouleur::boutonsIgnores() {
    Banc b;
    b.cliquer(12);
    // Survol sans bouton.
    b.bouger(0, 30, Qt::NoButton);
    b.bouger(0, 200, Qt::NoButton);
    QCOMPARE(b.code(), QString("#FF0000"));
    QCOMPARE(b.fenetre.caseSelectionnee(), 12);
    QCOMPARE(b.fenetre.fondBarre(0), 127u);

    // Glissé au bouton droit, au bouton du milieu.
    QTest::mousePress(b.barre(0), Qt::RightButton, {}, QPoint(10, 5));
    QTest::mouseMove(b.barre(0), QPoint(250, 5));
    QTest::mouseRelease(b.barre(0), Qt::RightButton, {}, QPoint(250, 5));
    QTest::mousePress(b.barre(2), Qt::MiddleButton, {}, QPoint(10, 5));
    QTest::mouseMove(b.barre(2), QPoint(20, 5));
    QTest::mouseRelease(b.barre(2), Qt::MiddleButton, {}, QPoint(20, 5));
    QCOMPARE(b.code(), QString("#FF0000"));
    QCOMPARE(b.fenetre.fondBarre(0), 127u);
    QCOMPARE(b.fenetre.fondBarre(2), 127u << 16);
    QCOMPARE(b.pixel(b.barre(0), 128), QColor(128, 255, 255));

    // Le gauche avec un autre bouton n'est pas « le gauche seul ».
    b.appuyer(1, 10, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    b.bouger(1, 20, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(b.code(), QString("#FF0000"));
    QCOMPARE(b.fenetre.fondBarre(1), 127u << 8);

    // Le même déplacement, gauche seul : pris.
    b.bouger(1, 0, Qt::LeftButton);
    QCOMPARE(b.code(), QString("#7F007F"));
}

void TestFrmCouleur::okEtDoubleClic() {
    Banc b;
    b.cliquer(4);
    b.fenetre.findChild<QPushButton*>("cmdFin_0")->click();
    QCOMPARE(b.editeur.SelectionCouleurTexte, QString("#800000"));
    QCOMPARE(b.fenetre.result(), int(QDialog::Accepted));
    QVERIFY(b.fenetre.isHidden());
    QCOMPARE(b.fenetre.couleurSelection(), QColor(128, 0, 0));

    // Ouverte par l'éditeur, un double clic sur la case 15 la referme aussitôt sur le blanc.
    b.dialogues.fenetres.push_back([&](QDialog& d) {
        d.setResult(QDialog::Rejected);
        d.show();
        QWidget* blanc = b.caseCouleur(15);
        QTest::mouseClick(blanc, Qt::LeftButton, {}, QPoint(18, 18));
        QTest::mouseDClick(blanc, Qt::LeftButton, {}, QPoint(18, 18));
        const bool fermee = d.isHidden();
        QTest::mouseRelease(blanc, Qt::LeftButton, {}, QPoint(18, 18));
        return fermee ? d.result() : -1;
    });
    QCOMPARE(b.dialogues.executerModal(b.fenetre), int(QDialog::Accepted));
    QCOMPARE(b.editeur.SelectionCouleurTexte, QString("#FFFFFF"));
    QCOMPARE(b.fenetre.couleurSelection(), QColor(255, 255, 255));

    // Double clic d'un autre bouton : rien.
    b.fenetre.show();
    QTest::mouseDClick(b.caseCouleur(2), Qt::RightButton, {}, QPoint(18, 18));
    QTest::mouseRelease(b.caseCouleur(2), Qt::RightButton, {}, QPoint(18, 18));
    QVERIFY(b.fenetre.isVisible());
    QCOMPARE(b.code(), QString("#FFFFFF"));
}

void TestFrmCouleur::annuler() {
    Banc b;
    // Quel que soit le choix, et de quelque façon qu'on la quitte sans OK : un code vide.
    const QList<std::function<void()>> sorties = {
        [&] { b.fenetre.findChild<QPushButton*>("cmdFin_1")->click(); },
        [&] { QTest::keyClick(b.caseCouleur(12), Qt::Key_Escape); }, [&] { b.fenetre.close(); }};
    int n = 0;
    for (const auto& sortir : sorties) {
        b.fenetre.show();
        b.cliquer(n == 1 ? 12 : 5);
        if (n == 2)
            b.glisser(2, 0, 200);
        b.editeur.SelectionCouleurTexte = "#123456";
        sortir();
        QCOMPARE(b.editeur.SelectionCouleurTexte, QString(""));
        QCOMPARE(b.fenetre.result(), int(QDialog::Rejected));
        QVERIFY(b.fenetre.isHidden());
        ++n;
    }
}

void TestFrmCouleur::persistanceEntreOuvertures() {
    Banc b;
    b.glisser(0, 0, 200); // 199,2 -> 199
    b.glisser(2, 0, 3);   // 2,99 -> 3
    b.fenetre.findChild<QPushButton*>("cmdFin_0")->click();
    QCOMPARE(b.editeur.SelectionCouleurTexte, QString("#C77F03"));

    b.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.fenetre));
    QCOMPARE(b.code(), QString("#C77F03"));
    QCOMPARE(b.fenetre.caseSelectionnee(), 16);
    QCOMPARE(b.pixel(b.barre(0), 200), QColor(56, 255, 255));
    QCOMPARE(b.pixel(b.barre(2), 3), QColor(255, 255, 252));
    QCOMPARE(b.pixel(b.barre(1), 128), QColor(255, 128, 255));

    // Une case type choisie puis Annuler : la sélection reste, seul le code rendu est vide.
    b.cliquer(13);
    b.fenetre.findChild<QPushButton*>("cmdFin_1")->click();
    b.fenetre.show();
    QCOMPARE(b.code(), QString("#FF00FF"));
    QCOMPARE(b.fenetre.couleurCase(16), 199u + 127u * 256 + 3u * 65536);
    QCOMPARE(b.fenetre.fondBarre(0), 199u);
    // Un glissé repart des barres telles qu'elles étaient.
    b.glisser(1, 0, 0);
    QCOMPARE(b.code(), QString("#C70003"));
}

void TestFrmCouleur::clavier() {
    Banc b;
    // À l'ouverture, le focus est sur la case choisie.
    QCOMPARE(QApplication::focusWidget(), b.caseCouleur(16));
    QTest::keyClick(b.caseCouleur(16), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), b.caseCouleur(8));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), b.caseCouleur(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left); // bord : reste sur 0
    QCOMPARE(QApplication::focusWidget(), b.caseCouleur(0));
    QCOMPARE(b.code(), QString("#7F7F7F")); // bouger n'est pas choisir
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(b.code(), QString("#000080"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), b.caseCouleur(9));

    // Une seule étape de tabulation pour la grille : de la case 9 on passe à la case 16.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), b.caseCouleur(16));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), b.caseCouleur(9));
    // Sous la grille, la case de l'utilisateur ; rien plus bas.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), b.caseCouleur(16));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), b.caseCouleur(16));

    // Entrée vaut OK avec la sélection, pas avec la case qui a le focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(b.editeur.SelectionCouleurTexte, QString("#000080"));
    QCOMPARE(b.fenetre.result(), int(QDialog::Accepted));

    // Les barres au clavier passent par le même calcul que la souris.
    b.fenetre.show();
    b.barre(0)->setFocus();
    QTest::keyClick(b.barre(0), Qt::Key_End);
    QCOMPARE(b.code(), QString("#FF7F7F"));
    QTest::keyClick(b.barre(0), Qt::Key_Left);
    QCOMPARE(b.code(), QString("#FE7F7F"));
    QTest::keyClick(b.barre(0), Qt::Key_Home);
    QTest::keyClick(b.barre(0), Qt::Key_Left);
    QCOMPARE(b.code(), QString("#007F7F"));
}

void TestFrmCouleur::aide() {
    Banc b;
    auto* aide = b.fenetre.findChild<QPushButton*>("cmdHelp");
    QVERIFY(aide);
    QCOMPARE(aide->toolTip(), QString("Aide contextuelle"));
    QCOMPARE(aide->accessibleName(), QString("Aide contextuelle"));
    aide->click();
    QCOMPARE(b.dialogues.ouvertures,
             QStringList({b.bac.programme + "/Aide_Contextuelle/CouleurTexte.htm"}));
    QVERIFY(b.fenetre.isVisible());
    QCOMPARE(b.editeur.SelectionCouleurTexte, QString());
}

QTEST_MAIN(TestFrmCouleur)
#include "test_frmCouleur.moc"
