// La capture sous Wayland, dans un vrai bureau sans écran (scripts/session-wayland) : le motif
// en plein écran, la photo demandée au portail du bureau, le cadre sur l'écran figé déplacé au
// clavier, Entrée ; le BMP est le motif sous le trou au pixel près, à l'échelle 1 comme à 2.
// Un portail qui refuse donne un message clair et aucun fichier.

#include "BancCapture.h"
#include "CadreFige.h"
#include "CapturePortail.h"
#include "FenetreMotif.h"
#include "Passage.h"
#include "Twips.h"
#include "frmCaptureFigee.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QScreen>
#include <cmath>

namespace {

// Un portail qui refuse toute photo, comme un bureau dont l'utilisateur a dit non ; il vit sur
// une connexion à lui, sous un autre nom que le vrai.
class PortailQuiRefuse : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    static inline const QString Nom = QStringLiteral("org.ostrelle.PortailQuiRefuse");
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "refus");
    int demandes = 0;

    bool Ouvrir() {
        return bus.registerService(Nom) &&
               bus.registerObject("/org/freedesktop/portal/desktop", this,
                                  QDBusConnection::ExportAllSlots);
    }

public slots:
    QDBusObjectPath Screenshot(const QString&, const QVariantMap& options,
                               const QDBusMessage& appel) {
        ++demandes;
        QString expediteur = appel.service().mid(1);
        expediteur.replace('.', '_');
        const QString chemin = "/org/freedesktop/portal/desktop/request/" + expediteur + "/" +
                               options.value("handle_token").toString();
        QDBusMessage reponse =
            QDBusMessage::createSignal(chemin, "org.freedesktop.portal.Request", "Response");
        reponse << 1u << QVariantMap();
        bus.send(reponse);
        return QDBusObjectPath(chemin);
    }
};

// Le motif en plein écran, attendu jusqu'à ce que le bureau l'ait vraiment posé : Qt peint d'abord
// une fenêtre de 640 x 480, avant que le bureau ne lui donne l'écran.
void MontrerMotif(FenetreMotif& motif) {
    motif.showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&motif));
    QTRY_COMPARE(motif.size(), motif.screen()->geometry().size());
    QTest::qWait(300);
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void photoDuPortailExacte();
    void cadreFigeAuClavier();
    void parLaFenetreDesReglages_data();
    void parLaFenetreDesReglages();
    void refusDuBureau();
    void cadreSurLeSecondEcran();

private:
    std::unique_ptr<FenetreMotif> m_motif;
    double m_echelle = 1;
};

void TestWayland::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(SessionWayland());
    m_echelle = QGuiApplication::primaryScreen()->devicePixelRatio();
    QCOMPARE(m_echelle, qEnvironmentVariable("ECHELLE_ATTENDUE", "1").toDouble());
    m_motif = std::make_unique<FenetreMotif>();
    MontrerMotif(*m_motif);
}

// Le portail rend l'écran en pixels réels, identique au motif.
void TestWayland::photoDuPortailExacte() {
    CaptureEcranPortail portail;
    QString raison;
    QVERIFY2(portail.disponible(&raison), qPrintable(raison));
    const QImage image = portail.saisirEcran(QGuiApplication::primaryScreen());
    QVERIFY2(!image.isNull(), qPrintable(portail.raisonEchec()));
    QCOMPARE(image.size(), QSize(1920, 1080));
    QCOMPARE(image, ImageMotif(1920, 1080));
}

// Le cadre sur la photo, poussé au clavier ; Entrée enregistre les pixels sous le trou.
void TestWayland::cadreFigeAuClavier() {
    QTemporaryDir d;
    CaptureEcranPortail portail;
    QScreen* ecran = QGuiApplication::primaryScreen();
    const int tpp = TwipsParPixel();
    EtatCapture e;
    e.LargeurDiapo = 400;
    e.HauteurDiapo = 250;
    e.LeftDiapo = 100 * tpp;
    e.TopDiapo = 80 * tpp;
    e.NumeroCapture = 2;
    frmCaptureFigee cadre(e, portail.saisirEcran(ecran), ecran, d.path());
    cadre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cadre));
    const QPoint attendu(std::lround(100 * m_echelle) + std::lround(frmCapture::Bord * m_echelle),
                         std::lround(80 * m_echelle) +
                             std::lround(frmCapture::BandeTitre * m_echelle));
    QCOMPARE(cadre.Cadre().Trou(), QRect(attendu, QSize(400, 250)));
    QTest::keyClick(&cadre, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(&cadre, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(&cadre, Qt::Key_Left);
    QTest::keyClick(&cadre, Qt::Key_Return);
    QVERIFY(cadre.CaptureFaite);
    const QImage bmp = LireBMP(NomCapture(d.path(), 2, ".bmp"));
    QCOMPARE(bmp, ImageMotif(400, 250, attendu + QPoint(9, 10)));
    // La position revient à « Passage » : la prochaine capture s'ouvre où celle-ci a fini.
    CadreFige relu(QSize(1920, 1080), QSize(400, 250), m_echelle, {}, tpp, frmCapture::Bord,
                   frmCapture::BandeTitre);
    relu.PlacerTwips(e.LeftDiapo, e.TopDiapo);
    QCOMPARE(relu.Trou().topLeft(), attendu + QPoint(9, 10));
}

// Par la vraie fenêtre des réglages, de Kestrane comme d'Ostrelle : elle s'efface, la photo est
// prise sans elle (l'écran entier est le motif), le cadre figé s'ouvre à sa taille.
void TestWayland::parLaFenetreDesReglages_data() {
    QTest::addColumn<bool>("ostrelle");
    QTest::newRow("Kestrane") << false;
    QTest::newRow("Ostrelle") << true;
}

void TestWayland::parLaFenetreDesReglages() {
    QFETCH(bool, ostrelle);
    CaptureEcranPortail portail;
    BancCapture b;
    EcrirePassage(b.dossier + "/Passage", 320, 200, 500 * TwipsParPixel(), 300 * TwipsParPixel());
    OptionsCapture o = ostrelle ? OptionsCapture::Ostrelle(
                                      b.dossier, [] {}, [] {})
                                : OptionsCapture::Kestrane(b.dossier);
    o.terminer = [] {};
    o.captureEcran = &portail;
    o.convertisseur = &b.convertisseur;
    frmReglage f(o, b.dialogues);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTest::qWait(300);
    QImage fige;
    QRect trou;
    b.dialogues.fenetres.push_back([&](QDialog& d) {
        auto& cadre = static_cast<frmCaptureFigee&>(d);
        fige = cadre.Fige();
        fige.setDevicePixelRatio(1.0); // montrée à l'échelle de l'écran, comparée pixel pour pixel
        QTest::keyClick(&cadre, Qt::Key_Up, Qt::ControlModifier);
        trou = cadre.Cadre().Trou();
        cadre.SaisirZone();
        cadre.accept();
        return int(QDialog::Accepted);
    });
    f.findChild<QAbstractButton*>("Command1_0")->click();
    QVERIFY(b.dialogues.fenetres.empty());
    QCOMPARE(fige, ImageMotif(1920, 1080));
    QCOMPARE(trou.size(), QSize(320, 200));
    QCOMPARE(LireBMP(b.fichier(1, ".bmp")), ImageMotif(320, 200, trou.topLeft()));
    QCOMPARE(b.convertisseur.appels.size(), 1);
    QTRY_VERIFY(f.isVisible()); // la fenêtre des réglages revient
}

// Le bureau refuse : la fenêtre des réglages le dit en français, aucun fichier n'est écrit.
void TestWayland::refusDuBureau() {
    PortailQuiRefuse refus;
    QVERIFY(refus.Ouvrir());
    CaptureEcranPortail portail(5000, PortailQuiRefuse::Nom);
    BancCapture b;
    // La fenêtre des réglages, avec le portail qui refuse à la place du vrai.
    OptionsCapture o = OptionsCapture::Kestrane(b.dossier);
    o.terminer = [] {};
    o.captureEcran = &portail;
    o.convertisseur = &b.convertisseur;
    frmReglage f(o, b.dialogues);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.findChild<QAbstractButton*>("Command1_0")->click();
    QCOMPARE(refus.demandes, 1);
    QVERIFY(!b.dialogues.messages.isEmpty());
    QVERIFY2(b.dialogues.dernier().texte.startsWith("Le bureau a refusé la capture d'écran."),
             qPrintable(b.dialogues.dernier().texte));
    QVERIFY(!b.existe(1, ".bmp"));
    QVERIFY(!b.existe(1, ".jpg"));
    QVERIFY(b.convertisseur.appels.isEmpty());

    // Pas de portail du tout : la capture est refusée d'emblée, en le disant.
    CaptureEcranPortail absent(5000, QStringLiteral("org.ostrelle.PortailAbsent"));
    o.captureEcran = &absent;
    frmReglage g(o, b.dialogues);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.findChild<QAbstractButton*>("Command1_0")->click();
    QCOMPARE(b.dialogues.dernier().titre, QString("IMPOSSIBILITE"));
    QVERIFY2(b.dialogues.dernier().texte.contains("xdg-desktop-portal"),
             qPrintable(b.dialogues.dernier().texte));
    QVERIFY(!b.existe(1, ".bmp"));
}

// Deux écrans côte à côte, le second à 200 % et peint du motif par le bureau lui-même (son fond,
// --fond de la session) : le cadre laissé sur le second y revient, la photo est celle de cet
// écran en pixels réels, la capture son motif sous le trou.
void TestWayland::cadreSurLeSecondEcran() {
    if (QGuiApplication::screens().size() < 2)
        QSKIP("un seul écran dans cette session (scripts/session-wayland --second-ecran)");
    QScreen* second = QGuiApplication::screens().at(1);
    QCOMPARE(second->devicePixelRatio(), 2.0);
    CaptureEcranPortail portail;
    BancCapture b;
    const QPoint coin = second->geometry().topLeft() + QPoint(100, 50);
    EcrirePassage(b.dossier + "/Passage", 300, 200, coin.x() * TwipsParPixel(),
                  coin.y() * TwipsParPixel());
    OptionsCapture o = OptionsCapture::Kestrane(b.dossier);
    o.terminer = [] {};
    o.captureEcran = &portail;
    o.convertisseur = &b.convertisseur;
    frmReglage f(o, b.dialogues);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QImage fige;
    QRect trou;
    b.dialogues.fenetres.push_back([&](QDialog& d) {
        auto& cadre = static_cast<frmCaptureFigee&>(d);
        fige = cadre.Fige();
        fige.setDevicePixelRatio(1.0);
        trou = cadre.Cadre().Trou();
        cadre.SaisirZone();
        cadre.accept();
        return int(QDialog::Accepted);
    });
    f.findChild<QAbstractButton*>("Command1_0")->click();
    QCOMPARE(fige.size(), TailleReelle(second));
    QCOMPARE(fige, ImageMotif(fige.width(), fige.height()));
    QCOMPARE(trou, QRect(QPoint(100 * 2 + 6, 50 * 2 + 58), QSize(300, 200)));
    QCOMPARE(LireBMP(b.fichier(1, ".bmp")), ImageMotif(300, 200, trou.topLeft()));
}

// « --ecrire-motif FICHIER L H » écrit le motif en PNG, pour le fond du second écran.
int main(int argc, char** argv) {
    if (argc == 5 && qstrcmp(argv[1], "--ecrire-motif") == 0)
        return ImageMotif(atoi(argv[3]), atoi(argv[4])).save(QString::fromLocal8Bit(argv[2])) ? 0
                                                                                              : 1;
    QApplication application(argc, argv);
    TestWayland essai;
    return QTest::qExec(&essai, argc, argv);
}
#include "wayland_capture.moc"
