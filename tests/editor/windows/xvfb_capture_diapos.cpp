// Sous Xvfb (plateforme xcb), de bout en bout : le bouton « Capturer une image » de l'éditeur,
// la vraie fenêtre de capture d'Ostrelle, le vrai cadre posé sur un motif connu, la vraie copie
// de l'écran et la vraie conversion JPEG. Deux zones capturées deviennent les deux dernières
// diapos : chaque BMP est le motif sous le trou au pixel près, chaque diapo en est le JPEG.

#include "BancPrincipal.h"
#include "Convertisseur.h"
#include "FenetreMotif.h"
#include "FenetresQt.h"
#include "Passage.h"
#include "RegleCapture.h"
#include "Twips.h"
#include "frmCapture.h"
#include "frmReglage.h"

#include <QAbstractButton>
#include <QImageReader>
#include <QTimer>

namespace {

// La vraie conversion, qui garde de côté chaque BMP converti (Ostrelle les efface en quittant).
class ConversionGardee : public Convertisseur {
public:
    explicit ConversionGardee(const QString& dossier) : m_vraie(dossier + "/bmp2jpg") {}
    QList<QImage> bmp;
    int16_t convertir(const QString& source, const QString& jpg, int16_t qualite) override {
        bmp << LireBMP(source);
        return m_vraie.convertir(source, jpg, qualite);
    }

private:
    ConvertisseurBmp2jpg m_vraie;
};

// Écart moyen et plus grand écart par canal entre deux images de même taille.
std::pair<double, int> Ecarts(const QImage& a, const QImage& b) {
    double somme = 0;
    int pire = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                somme += std::abs(d);
                pire = std::max(pire, std::abs(d));
            }
        }
    return {somme / (3.0 * a.width() * a.height()), pire};
}

} // namespace

class TestCaptureReelle : public QObject {
    Q_OBJECT
private slots:
    void deuxZonesDeviennentDesDiapos();
};

void TestCaptureReelle::deuxZonesDeviennentDesDiapos() {
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    FenetreMotif motif;
    motif.show();
    QVERIFY(QTest::qWaitForWindowExposed(&motif));
    LaisserPoser();

    BancPrincipal b;
    QTemporaryDir bibliotheque;
    QVERIFY(
        QFile::copy(QStringLiteral(BIBLIOTHEQUE_BMP2JPG), bibliotheque.filePath("libbmp2jpg.so")));
    ConversionGardee conversion(bibliotheque.path());
    FauxDialogues dialoguesCapture;
    static_cast<FenetresQt*>(b.editeur.fenetres)
        ->definirServicesCapture({nullptr, &conversion, &dialoguesCapture});

    // La diapo montrée fait 320 x 240 ; le cadre a été laissé à (150, 130).
    b.OuvrirP({"a", "b"}, {".jpg", ".jpg"});
    CreerImage(b.bac.projets + "/P1.jpg", 320, 240, Qt::darkCyan);
    b.editeur.NumeroDiapo = 1;
    b.editeur.AfficherDiapo();
    const int tpp = TwipsParPixel();
    QVERIFY(EcrirePassage(b.bac.programme + "/Passage", 600, 350, 150 * tpp, 130 * tpp));
    b.fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b.fenetre));

    // Chaque cadre se montre sur le motif ; le second est d'abord poussé de 10 pixels à droite.
    QList<QRect> trous;
    QList<QPoint> coins;
    for (int i = 0; i < 2; ++i)
        dialoguesCapture.fenetres.push_back([&, i](QDialog& d) {
            auto& cadre = static_cast<frmCapture&>(d);
            MontrerDessus(cadre);
            if (i == 1) {
                QTest::keyClick(&cadre, Qt::Key_Right, Qt::ControlModifier);
                LaisserPoser();
            }
            // Le trou, en coordonnées de l'écran ; le coin du cadre, pour « Passage ».
            trous << QRect(cadre.mapToGlobal(cadre.Trou().topLeft()), cadre.Trou().size());
            coins << cadre.pos();
            QTest::keyClick(&cadre, Qt::Key_Return);
            return cadre.result();
        });
    dialoguesCapture.reponses = {Reponse::Oui};

    QTimer utilisateur;
    int clics = 0;
    bool enCours = false;
    QObject::connect(&utilisateur, &QTimer::timeout, [&] {
        frmReglage* r = static_cast<FenetresQt*>(b.editeur.fenetres)->Reglage();
        if (enCours || !r || !r->isVisible())
            return;
        enCours = true;
        const QString bouton = clics < 2 ? "Command1_0" : "Command1_1";
        if (++clics == 3)
            utilisateur.stop();
        r->findChild<QAbstractButton*>(bouton)->click();
        enCours = false;
    });
    utilisateur.start(50);
    b.Relacher("imgCapturer");

    QCOMPARE(clics, 3);
    QCOMPARE(trous.size(), 2);
    QCOMPARE(coins[0], QPoint(150, 130));
    QCOMPARE(trous[1].topLeft(), trous[0].topLeft() + QPoint(10, 0));
    QCOMPARE(b.dialogues.dernier().texte, QString("Vous venez de capturer 2 nouvelles diapos."));
    QCOMPARE(b.editeur.NbSprite, 4);
    QCOMPARE(conversion.bmp.size(), 2);
    for (int i = 0; i < 2; ++i) {
        // Le BMP : exactement ce qui était sous le trou, à la taille de la diapo.
        const QImage attendu = ImageMotif(320, 240, trous[i].topLeft());
        QCOMPARE(trous[i].size(), QSize(320, 240));
        QCOMPARE(conversion.bmp[i].convertToFormat(QImage::Format_RGB32), attendu);
        // La diapo : son JPEG, à la qualité d'Ostrelle (95).
        const QImage diapo = QImageReader(b.bac.projets + QStringLiteral("/P%1.jpg").arg(2 + i))
                                 .read()
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(diapo.size(), QSize(320, 240));
        const auto [moyen, pire] = Ecarts(diapo, attendu);
        qInfo("diapo %d : écart moyen %.2f, pire %d", 2 + i, moyen, pire);
        QVERIFY2(moyen < 1.5 && pire < 24,
                 qPrintable(QStringLiteral("écart moyen %1, pire %2").arg(moyen).arg(pire)));
    }
    // La position du cadre est restée pour la prochaine fois.
    const ReglagesPassage passage = LirePassage(b.bac.programme + "/Passage");
    QCOMPARE(passage.left, coins[1].x() * tpp);
    QCOMPARE(passage.top, coins[1].y() * tpp);
    QVERIFY(b.fenetre.isVisible());
}

QTEST_MAIN(TestCaptureReelle)
#include "xvfb_capture_diapos.moc"
