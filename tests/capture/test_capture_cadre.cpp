// Le cadre de capture sans serveur X : taille, forme, placement en twips, touches, Échap et
// échecs de la copie. (Les copies d'écran réelles sont dans test_overlay, sous Xvfb.)

#include "Fabrique.h"
#include "FauxCapture.h"
#include "NombresVB.h"
#include "Passage.h"
#include "RegleCapture.h"
#include "Twips.h"
#include "frmCapture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QtTest>

namespace {
EtatCapture Etat(int largeur, int hauteur, int32_t left, int32_t top) {
    EtatCapture e;
    e.LargeurDiapo = largeur;
    e.HauteurDiapo = hauteur;
    e.LeftDiapo = left;
    e.TopDiapo = top;
    e.NumeroCapture = 1;
    return e;
}
} // namespace

class TestCadre : public QObject {
    Q_OBJECT
private slots:
    void tailleEtForme();
    void placement();
    void centrage();
    void touches();
    void copieSousLeTrou();
    void copieImpossible();
    void glisserLaBande();
    void rappelLisibleATouteTaille_data();
    void rappelLisibleATouteTaille();
};

void TestCadre::tailleEtForme() {
    QTemporaryDir d;
    FauxEcran ecran;
    EtatCapture e = Etat(600, 350, 0, 0);
    frmCapture c(e, ecran, d.path());
    QCOMPARE(c.objectName(), QString("frmCapture"));
    QCOMPARE(c.size(), QSize(606, 382));
    QCOMPARE(c.minimumSize(), c.maximumSize());
    QCOMPARE(c.Trou(), QRect(3, 29, 600, 350));
    QVERIFY(c.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(c.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!c.testAttribute(Qt::WA_QuitOnClose));

    // La forme : les quatre bandes, jamais le trou.
    const QRegion forme = c.mask();
    QCOMPARE(forme, frmCapture::Forme(600, 350));
    QCOMPARE(forme.boundingRect(), QRect(0, 0, 606, 382));
    QRegion trou = QRegion(0, 0, 606, 382) - forme;
    QCOMPARE(trou, QRegion(3, 29, 600, 350));
    for (QPoint p : {QPoint(0, 0), QPoint(605, 28), QPoint(2, 200), QPoint(603, 200),
                     QPoint(300, 379), QPoint(605, 381)})
        QVERIFY2(forme.contains(p), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    for (QPoint p : {QPoint(3, 29), QPoint(602, 378), QPoint(300, 200)})
        QVERIFY2(!forme.contains(p), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));

    // Autre taille, même règle.
    EtatCapture petit = Etat(10, 10, 0, 0);
    frmCapture p(petit, ecran, d.path());
    QCOMPARE(p.size(), QSize(16, 42));
    QCOMPARE(QRegion(0, 0, 16, 42) - p.mask(), QRegion(3, 29, 10, 10));
}

void TestCadre::placement() {
    QTemporaryDir d;
    FauxEcran ecran;
    const int tpp = TwipsParPixel();
    EtatCapture e = Etat(200, 100, 100 * tpp, 200 * tpp);
    frmCapture c(e, ecran, d.path());
    QCOMPARE(c.pos(), QPoint(100, 200));
    QCOMPARE(c.Gauche(), 100 * tpp);
    QCOMPARE(c.Haut(), 200 * tpp);
    // 0 n'est pas « pas de position » : le cadre va au coin.
    EtatCapture zero = Etat(200, 100, 0, 0);
    frmCapture z(zero, ecran, d.path());
    QCOMPARE(z.pos(), QPoint(0, 0));
    QCOMPARE(zero.TopDiapo, 0);
    // Des twips qui ne tombent pas juste sont tronqués vers zéro.
    EtatCapture biais = Etat(200, 100, 10 * tpp + tpp - 1, -(tpp - 1));
    frmCapture b(biais, ecran, d.path());
    QCOMPARE(b.pos(), QPoint(10, 0));
}

void TestCadre::centrage() {
    QTemporaryDir d;
    FauxEcran ecran;
    const int tpp = TwipsParPixel();
    const QRect zone = QGuiApplication::primaryScreen()->geometry();
    EtatCapture e = Etat(600, 350, 1234, PositionAbsente);
    frmCapture c(e, ecran, d.path());
    // Centré, et la position est rendue aux réglages en twips.
    const int32_t top = static_cast<int32_t>(ArrondiPair((zone.height() * tpp - 382 * tpp) / 2.0));
    const int32_t left = static_cast<int32_t>(ArrondiPair((zone.width() * tpp - 606 * tpp) / 2.0));
    QCOMPARE(e.TopDiapo, top);
    QCOMPARE(e.LeftDiapo, left);
    QCOMPARE(c.pos(), QPoint(left / tpp, top / tpp));
    QVERIFY(qAbs(c.geometry().center().x() - zone.center().x()) <= 1);
    QVERIFY(qAbs(c.geometry().center().y() - zone.center().y()) <= 1);
    // Seul le haut compte : une gauche à -999 avec un haut donné est une vraie position.
    EtatCapture g = Etat(600, 350, PositionAbsente, 0);
    frmCapture h(g, ecran, d.path());
    QCOMPARE(h.pos(), QPoint(PositionAbsente / tpp, 0));
}

void TestCadre::touches() {
    QTemporaryDir d;
    FauxEcran ecran;
    const int tpp = TwipsParPixel();
    EtatCapture e = Etat(100, 80, 50 * tpp, 60 * tpp);
    frmCapture c(e, ecran, d.path());
    struct Cas {
        Qt::Key touche;
        Qt::KeyboardModifiers mod;
        QPoint deplacement;
    };
    const Cas cas[] = {
        {Qt::Key_Right, Qt::NoModifier, {1, 0}},
        {Qt::Key_Right, Qt::ControlModifier, {10, 0}},
        {Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier, {1, 0}},
        {Qt::Key_Right, Qt::AltModifier | Qt::ControlModifier, {1, 0}},
        {Qt::Key_Right, Qt::ControlModifier | Qt::KeypadModifier, {10, 0}},
        {Qt::Key_Left, Qt::ControlModifier, {-10, 0}},
        {Qt::Key_Left, Qt::NoModifier, {-1, 0}},
        {Qt::Key_Up, Qt::ControlModifier, {0, -10}},
        {Qt::Key_Up, Qt::ShiftModifier, {0, -1}},
        {Qt::Key_Down, Qt::ControlModifier, {0, 10}},
        {Qt::Key_Down, Qt::NoModifier, {0, 1}},
        {Qt::Key_A, Qt::NoModifier, {0, 0}},
        {Qt::Key_Space, Qt::ControlModifier, {0, 0}},
    };
    for (const Cas& k : cas) {
        const QPoint avant = c.pos();
        const int32_t gauche = c.Gauche(), haut = c.Haut();
        QTest::keyClick(&c, k.touche, k.mod);
        QCOMPARE(c.pos() - avant, k.deplacement);
        QCOMPARE(c.Gauche() - gauche, k.deplacement.x() * tpp);
        QCOMPARE(c.Haut() - haut, k.deplacement.y() * tpp);
    }
    // Les réglages ne sont touchés qu'à la fermeture.
    QCOMPARE(e.LeftDiapo, 50 * tpp);
    // Pas de limite à l'écran.
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(&c, Qt::Key_Left, Qt::ControlModifier);
    QVERIFY(c.Gauche() < 0);
    QVERIFY(!c.CaptureFaite);
    QCOMPARE(c.result(), 0);
}

void TestCadre::copieSousLeTrou() {
    QTemporaryDir d;
    FauxEcran ecran;
    const int tpp = TwipsParPixel();
    EtatCapture e = Etat(600, 350, 100 * tpp, 120 * tpp);
    e.NumeroCapture = 12;
    frmCapture c(e, ecran, d.path());
    QTest::keyClick(&c, Qt::Key_Right, Qt::ControlModifier);
    QVERIFY(c.SaisirZone());
    // Position notée dès la copie ; zone = cadre + (3, 29).
    QCOMPARE(e.LeftDiapo, 110 * tpp);
    QCOMPARE(e.TopDiapo, 120 * tpp);
    QCOMPARE(ecran.zones, QList<QRect>({QRect(113, 149, 600, 350)}));
    QVERIFY(c.CaptureFaite);
    QCOMPARE(e.Pic, ImageMotif(600, 350, QPoint(113, 149)));
    QCOMPARE(LireBMP(NomCapture(d.path(), 12, ".bmp")), e.Pic);
    QVERIFY(c.Echec().isEmpty());
}

void TestCadre::copieImpossible() {
    QTemporaryDir d;
    FauxEcran ecran;
    ecran.possible = false;
    EtatCapture e = Etat(60, 40, 0, 0);
    frmCapture c(e, ecran, d.path());
    // Entrée sans copie possible : le cadre se ferme sans capture et dit pourquoi.
    QTest::keyClick(&c, Qt::Key_Return);
    QVERIFY(!c.CaptureFaite);
    QCOMPARE(c.result(), int(QDialog::Rejected));
    QCOMPARE(c.Echec(), TexteCaptureImpossible());
    QCOMPARE(c.NbFlash(), int16_t(0));
    QVERIFY(!QFile::exists(NomCapture(d.path(), 1, ".bmp")));

    // Dossier où l'on ne peut pas écrire : le chemin est dans l'explication.
    FauxEcran bon;
    EtatCapture f = Etat(60, 40, 0, 0);
    const QString absent = d.filePath("absent");
    frmCapture g(f, bon, absent);
    QVERIFY(!g.SaisirZone());
    QVERIFY(!g.CaptureFaite);
    QVERIFY(g.Echec().contains(QDir::toNativeSeparators(NomCapture(absent, 1, ".bmp"))));
}

void TestCadre::glisserLaBande() {
    QTemporaryDir d;
    FauxEcran ecran;
    const int tpp = TwipsParPixel();
    EtatCapture e = Etat(200, 100, 100 * tpp, 100 * tpp);
    frmCapture c(e, ecran, d.path());
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    // Saisie dans la bande de titre, déplacement de (30, 20).
    QTest::mousePress(&c, Qt::LeftButton, {}, QPoint(50, 10));
    QMouseEvent mouvement(QEvent::MouseMove, QPointF(80, 30), c.mapToGlobal(QPointF(80, 30)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&c, &mouvement);
    QTest::mouseRelease(&c, Qt::LeftButton, {}, QPoint(80, 30));
    QCOMPARE(c.pos(), QPoint(130, 120));
    QCOMPARE(c.Gauche(), 130 * tpp);
    QCOMPARE(c.Haut(), 120 * tpp);
    // Dans le bord, hors de la bande : rien ne bouge.
    QTest::mousePress(&c, Qt::LeftButton, {}, QPoint(1, 60));
    QMouseEvent autre(QEvent::MouseMove, QPointF(40, 90), c.mapToGlobal(QPointF(40, 90)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&c, &autre);
    QTest::mouseRelease(&c, Qt::LeftButton, {}, QPoint(40, 90));
    QCOMPARE(c.pos(), QPoint(130, 120));
}

void TestCadre::rappelLisibleATouteTaille_data() {
    QTest::addColumn<int>("largeur");
    for (int l : {10, 60, 150, 250, 350, 450, 560, 800, 1900})
        QTest::addRow("%d", l) << l;
}

// « Ctrl : 10 pixels » ne disparaît jamais : la bande montre le plus long rappel qui y tient
// en entier, sinon une bulle sous le cadre le montre, hors de la zone copiée.
void TestCadre::rappelLisibleATouteTaille() {
    QFETCH(int, largeur);
    QTemporaryDir d;
    FauxEcran ecran;
    EtatCapture e = Etat(largeur, 10, 200 * 15, 100 * 15);
    frmCapture c(e, ecran, d.path());
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    const QString bande = c.RappelDansLaBande();
    if (!bande.isEmpty()) {
        QVERIFY(bande.contains("Ctrl : 10"));
        QFont police = c.font();
        police.setPixelSize(12);
        QVERIFY(QFontMetrics(police).horizontalAdvance(bande) < largeur);
        QVERIFY(!c.BulleRappel() || !c.BulleRappel()->isVisible());
    } else {
        QVERIFY(c.BulleRappel() && c.BulleRappel()->isVisible());
        QVERIFY(c.BulleRappel()->text().contains("Ctrl : 10 pixels"));
        // Sous le cadre, jamais sur la zone copiée.
        QVERIFY(!c.BulleRappel()->geometry().intersects(c.geometry()));
        c.hide();
        QVERIFY(!c.BulleRappel()->isVisible());
    }
    // Le rappel complet tient dans un cadre assez large.
    if (largeur >= 800)
        QVERIFY(bande.startsWith("Entrée : capturer   ·   Échap : annuler"));
}

QTEST_MAIN(TestCadre)
#include "test_capture_cadre.moc"
