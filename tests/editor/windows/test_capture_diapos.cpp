// « Capturer une image » par les vraies fenêtres : l'éditeur se cache, la fenêtre de capture
// d'Ostrelle se cache et revient à chaque capture, quatre captures de suite, puis Quitter
// remontre l'éditeur qui en fait quatre diapos. L'écran et la conversion sont des doublures.

#include "BancPrincipal.h"
#include "FauxCapture.h"
#include "FenetresQt.h"
#include "RegleCapture.h"
#include "frmCapture.h"
#include "frmReglage.h"

#include <QAbstractButton>
#include <QTimer>

namespace {

// L'éditeur avec le projet « P » de trois diapos et la fenêtre de capture sur ses doublures ;
// les boîtes et le cadre de la capture passent par leurs propres faux dialogues.
struct BancCaptureDiapos : BancPrincipal {
    FauxEcran ecran;
    FauxConvertisseur convertisseur;
    FauxDialogues dialoguesCapture;

    BancCaptureDiapos() {
        static_cast<FenetresQt*>(editeur.fenetres)
            ->definirServicesCapture({&ecran, &convertisseur, &dialoguesCapture});
        OuvrirP({"a", "b", "c"}, {".jpg", ".jpg", ".jpg"});
        editeur.CommandeEnregistrer();
        dialogues.messages.clear();
        fenetre.show();
    }
    frmReglage* Reglage() { return static_cast<FenetresQt*>(editeur.fenetres)->Reglage(); }
    QAbstractButton* Bouton(const QString& nom) {
        return Reglage()->findChild<QAbstractButton*>(nom);
    }
};

} // namespace

class TestCaptureDiapos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void quatreCapturesPuisQuitter();
    void fermeeParSonCadre();
};

void TestCaptureDiapos::quatreCapturesPuisQuitter() {
    BancCaptureDiapos b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.fenetre));
    QStringList vu;   // ce que le script a constaté, pas à pas
    int captures = 0; // cadres joués
    // Chaque cadre copie la zone et se ferme ; la fenêtre des réglages est alors cachée.
    for (int i = 0; i < 4; ++i)
        b.dialoguesCapture.fenetres.push_back([&](QDialog& d) {
            auto& cadre = static_cast<frmCapture&>(d);
            vu << QStringLiteral("cadre %1x%2 reglages %3")
                      .arg(cadre.Trou().width())
                      .arg(cadre.Trou().height())
                      .arg(b.Reglage()->isVisible() ? "visibles" : "cachés");
            ++captures;
            cadre.SaisirZone();
            cadre.accept();
            return int(QDialog::Accepted);
        });
    b.dialoguesCapture.reponses = {Reponse::Oui}; // QUITTER : garder les réglages

    // L'utilisateur, pendant que l'éditeur attend : quatre captures puis Quitter. Chaque pas
    // attend que la fenêtre des réglages soit revenue.
    QTimer utilisateur;
    bool enCours = false;
    QObject::connect(&utilisateur, &QTimer::timeout, [&] {
        frmReglage* r = b.Reglage();
        if (enCours || !r || !r->isVisible())
            return;
        enCours = true;
        if (vu.isEmpty() || !vu.first().startsWith("éditeur"))
            vu.prepend(
                QStringLiteral("éditeur %1").arg(b.fenetre.isVisible() ? "visible" : "caché"));
        if (captures < 4) {
            b.Bouton("Command1_0")->click();
        } else {
            utilisateur.stop();
            b.Bouton("Command1_1")->click();
        }
        enCours = false;
    });
    utilisateur.start(10);

    // La diapo montrée fait 32 x 22 : la fenêtre de capture s'ouvre à cette taille.
    b.editeur.NumeroDiapo = 2;
    b.editeur.AfficherDiapo();
    b.Relacher("imgCapturer");

    QCOMPARE(captures, 4);
    QCOMPARE(vu.first(), QString("éditeur caché"));
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(vu[i], QString("cadre 32x22 reglages cachés"));
    QVERIFY(b.fenetre.isVisible());
    QCOMPARE(b.dialoguesCapture.messages.last().titre, QString("QUITTER"));
    QCOMPARE(b.dialogues.dernier().titre, QString("Capture réussie"));
    QCOMPARE(b.dialogues.dernier().texte, QString("Vous venez de capturer 4 nouvelles diapos."));
    QCOMPARE(b.editeur.NbSprite, 7);
    QCOMPARE(b.editeur.NumeroDiapo, 3);
    for (int k = 3; k <= 6; ++k)
        QCOMPARE(QFileInfo(b.bac.projets + QStringLiteral("/P%1.jpg").arg(k)).size(),
                 b.convertisseur.tailleJpeg);
    // Les BMP sont effacés en quittant, les JPEG sont partis dans le projet.
    for (int n = 1; n <= 4; ++n) {
        QVERIFY(!QFile::exists(NomCapture(b.bac.programme, n, ".bmp")));
        QVERIFY(!QFile::exists(NomCapture(b.bac.programme, n, ".jpg")));
    }
    // La fenêtre de capture n'existe plus ; la prochaine se rechargera.
    QTRY_VERIFY(!b.Reglage());
}

// Fermée par son cadre après une capture : la fenêtre ne remontre pas l'éditeur d'elle-même,
// il revient quand même, et la capture devient une diapo.
void TestCaptureDiapos::fermeeParSonCadre() {
    BancCaptureDiapos b;
    b.dialoguesCapture.fenetres.push_back([](QDialog& d) {
        static_cast<frmCapture&>(d).SaisirZone();
        d.accept();
        return int(QDialog::Accepted);
    });
    QTimer utilisateur;
    int pas = 0;
    QObject::connect(&utilisateur, &QTimer::timeout, [&] {
        frmReglage* r = b.Reglage();
        if (!r || !r->isVisible())
            return;
        if (pas++ == 0) {
            b.Bouton("Command1_0")->click();
        } else {
            utilisateur.stop();
            r->close();
        }
    });
    utilisateur.start(10);
    b.Relacher("imgCapturer");
    QCOMPARE(pas, 2);
    QVERIFY(b.fenetre.isVisible());
    QCOMPARE(b.dialogues.dernier().texte, QString("Vous venez de capturer 1 nouvelle diapo."));
    QCOMPARE(b.editeur.NbSprite, 4);
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
}

QTEST_MAIN(TestCaptureDiapos)
#include "test_capture_diapos.moc"
