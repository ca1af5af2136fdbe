// Copies d'écran réelles, sous Xvfb (plateforme xcb) : une fenêtre peinte d'un motif connu
// couvre l'écran, le cadre de capture se pose dessus, et le BMP doit reproduire le motif au
// pixel près, exactement sous le trou.

#include "BancCapture.h"
#include "CaptureEcran.h"
#include "FenetreMotif.h"
#include "Passage.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

// Le cadre est bien dessiné par-dessus le motif : sa bande se voit à l'écran.
bool BandeVisible(const frmCapture& cadre) {
    CaptureEcranX11 x11;
    const QPoint coin = cadre.pos();
    const QImage bande = x11.saisir(QRect(coin, QSize(cadre.width(), frmCapture::BandeTitre)));
    const QPoint p(cadre.width() / 2, 12);
    return !bande.isNull() && bande.pixel(p) != CouleurMotif(coin.x() + p.x(), coin.y() + p.y());
}

} // namespace

class TestOverlay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void entreeCopieLeTrou();
    void deplacementsAuClavier();
    void echapNoteLaPosition();
    void deuxCapturesDeSuite();
    void ecranEntier();

private:
    std::unique_ptr<FenetreMotif> m_motif;
};

void TestOverlay::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    CaptureEcranX11 x11;
    QString raison;
    QVERIFY2(x11.disponible(&raison), qPrintable(raison));
    m_motif = std::make_unique<FenetreMotif>();
    m_motif->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_motif.get()));
    LaisserPoser();
    // Le motif est bien à l'écran avant tout essai.
    const QImage ecran = x11.saisir(QRect(0, 0, 64, 64));
    QCOMPARE(ecran, ImageMotif(64, 64));
}

void TestOverlay::cleanupTestCase() {
    m_motif.reset();
}

void TestOverlay::entreeCopieLeTrou() {
    QTemporaryDir d;
    CaptureEcranX11 x11;
    const int tpp = TwipsParPixel();
    EtatCapture e;
    e.LargeurDiapo = 600;
    e.HauteurDiapo = 350;
    e.LeftDiapo = 100 * tpp;
    e.TopDiapo = 120 * tpp;
    e.NumeroCapture = 1;
    frmCapture cadre(e, x11, d.path());
    MontrerDessus(cadre);
    QCOMPARE(cadre.frameGeometry(), QRect(100, 120, 606, 382));
    QVERIFY(BandeVisible(cadre));

    QTest::keyClick(&cadre, Qt::Key_Return);
    QVERIFY(cadre.CaptureFaite);
    QCOMPARE(cadre.NbFlash(), int16_t(10));
    QVERIFY(!cadre.isVisible());
    const QImage bmp = LireBMP(NomCapture(d.path(), 1, ".bmp"));
    QCOMPARE(bmp.size(), QSize(600, 350));
    // Exactement ce qui est sous le trou : 3 pixels à droite, 29 plus bas que le coin.
    QCOMPARE(bmp, ImageMotif(600, 350, QPoint(103, 149)));
    QCOMPARE(e.LeftDiapo, 100 * tpp);
    QCOMPARE(e.TopDiapo, 120 * tpp);
}

void TestOverlay::deplacementsAuClavier() {
    QTemporaryDir d;
    CaptureEcranX11 x11;
    const int tpp = TwipsParPixel();
    EtatCapture e;
    e.LargeurDiapo = 300;
    e.HauteurDiapo = 200;
    e.LeftDiapo = 200 * tpp;
    e.TopDiapo = 300 * tpp;
    e.NumeroCapture = 4;
    frmCapture cadre(e, x11, d.path());
    MontrerDessus(cadre);
    QTest::keyClick(&cadre, Qt::Key_Right, Qt::ControlModifier);
    LaisserPoser();
    QCOMPARE(cadre.frameGeometry().topLeft(), QPoint(210, 300));
    QTest::keyClick(&cadre, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&cadre, Qt::Key_Up);
    QTest::keyClick(&cadre, Qt::Key_Down, Qt::ControlModifier);
    LaisserPoser();
    QCOMPARE(cadre.frameGeometry().topLeft(), QPoint(211, 309));
    QVERIFY(BandeVisible(cadre));
    QVERIFY(cadre.SaisirZone());
    QCOMPARE(LireBMP(NomCapture(d.path(), 4, ".bmp")), ImageMotif(300, 200, QPoint(214, 338)));
    cadre.accept();
    QCOMPARE(e.LeftDiapo, 211 * tpp);
    QCOMPARE(e.TopDiapo, 309 * tpp);
}

void TestOverlay::echapNoteLaPosition() {
    QTemporaryDir d;
    CaptureEcranX11 x11;
    const int tpp = TwipsParPixel();
    EtatCapture e;
    e.LargeurDiapo = 400;
    e.HauteurDiapo = 250;
    e.TopDiapo = PositionAbsente;
    e.NumeroCapture = 1;
    frmCapture cadre(e, x11, d.path());
    MontrerDessus(cadre);
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(cadre.frameGeometry(),
             QRect((ecran.width() - 406) / 2, (ecran.height() - 282) / 2, 406, 282));
    QTest::keyClick(&cadre, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(&cadre, Qt::Key_Escape);
    QVERIFY(!cadre.CaptureFaite);
    QVERIFY(!cadre.isVisible());
    QCOMPARE(e.LeftDiapo, ((ecran.width() - 406) / 2 - 10) * tpp);
    QCOMPARE(e.TopDiapo, (ecran.height() - 282) / 2 * tpp);
    QVERIFY(!QFile::exists(NomCapture(d.path(), 1, ".bmp")));
}

void TestOverlay::deuxCapturesDeSuite() {
    // Par la fenêtre des réglages : le second cadre s'ouvre où le premier s'est fermé.
    BancCapture b;
    EcrireOctets(b.dossier + "/Passage", "500\r\n300\r\n-999\r\n-999\r\n");
    CaptureEcranX11 x11;
    OptionsCapture o = OptionsCapture::Kestrane(b.dossier);
    o.terminer = [] {};
    o.captureEcran = &x11;
    o.convertisseur = &b.convertisseur;
    frmReglage f(o, b.dialogues);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QList<QPoint> coins;
    const auto script = [&](int pasADroite) {
        return [&, pasADroite](QDialog& d) {
            auto& cadre = static_cast<frmCapture&>(d);
            MontrerDessus(cadre);
            coins << cadre.frameGeometry().topLeft();
            for (int i = 0; i < pasADroite; ++i)
                QTest::keyClick(&cadre, Qt::Key_Right, Qt::ControlModifier);
            LaisserPoser();
            QTest::keyClick(&cadre, Qt::Key_Return);
            return cadre.result();
        };
    };
    b.dialogues.fenetres.push_back(script(3));
    b.dialogues.fenetres.push_back(script(0));
    f.findChild<QAbstractButton*>("Command1_0")->click();
    f.findChild<QAbstractButton*>("Command1_0")->click();
    QCOMPARE(f.Module().Etat.NumeroCapture, int16_t(2));
    QCOMPARE(coins.size(), 2);
    QCOMPARE(coins[1], coins[0] + QPoint(30, 0));
    const QPoint trou = coins[1] + QPoint(3, 29);
    QCOMPARE(LireBMP(b.fichier(1, ".bmp")), ImageMotif(500, 300, trou));
    QCOMPARE(LireBMP(b.fichier(2, ".bmp")), ImageMotif(500, 300, trou));
    QVERIFY(f.isVisible());
    // La position retenue est celle qu'écrira « Passage ».
    b.dialogues.reponses = {Reponse::Oui};
    f.findChild<QAbstractButton*>("Command1_1")->click();
    const ReglagesPassage r = LirePassage(b.dossier + "/Passage");
    QCOMPARE(r.left / TwipsParPixel(), coins[1].x());
    QCOMPARE(r.top / TwipsParPixel(), coins[1].y());
}

void TestOverlay::ecranEntier() {
    BancCapture b;
    CaptureEcranX11 x11;
    OptionsCapture o = OptionsCapture::Kestrane(b.dossier);
    o.terminer = [] {};
    o.captureEcran = &x11;
    o.convertisseur = &b.convertisseur;
    frmReglage f(o, b.dialogues);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.findChild<QLineEdit*>("txtLargeur")->setText(QString::number(f.Module().LargeurEcran));
    f.findChild<QLineEdit*>("txtHauteur")->setText(QString::number(f.Module().HauteurEcran));
    f.findChild<QAbstractButton*>("Command1_0")->click();
    QCOMPARE(b.dialogues.dernier().texte,
             QString("Vous avez choisi de capturer l'écran en entier."));
    QVERIFY(b.dialogues.fenetresVues.isEmpty());
    // La fenêtre des réglages, cachée pendant la copie, n'y figure pas : rien que le motif.
    const QImage bmp = LireBMP(b.fichier(1, ".bmp"));
    QCOMPARE(bmp.size(), QSize(f.Module().LargeurEcran, f.Module().HauteurEcran));
    QCOMPARE(bmp, ImageMotif(f.Module().LargeurEcran, f.Module().HauteurEcran));
    QVERIFY(f.isVisible());
    QCOMPARE(b.convertisseur.appels.size(), 1);
}

QTEST_MAIN(TestOverlay)
#include "test_overlay.moc"
