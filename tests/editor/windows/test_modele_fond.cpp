// Les fenêtres « Modèle » et « Changer le fond d'écran » par leurs vrais contrôles, ouvertes par
// leurs boutons de la fenêtre principale.

#include "BancPrincipal.h"
#include "BarreDefilement.h"
#include "FenetresQt.h"
#include "ListeDossiers.h"
#include "frmChangerModele.h"
#include "frmFondEcran.h"

#include <QLabel>
#include <QPushButton>

namespace {
QByteArray Modele(const QByteArray& marque) {
    QByteArray m;
    for (int i = 1; i <= 9; ++i)
        m += "<!-- " + marque + " -->\r\n";
    m += "<script language=\"JavaScript\" type=\"text/JavaScript\" src=\"Nouveau.js\">\r\n"
         "</script>\r\n<p>" +
         marque + "</p>\r\n";
    return m;
}

struct Banc : BancPrincipal {
    QString modeles = bac.programme + "/Modeles";
    QString textures = bac.programme + "/Textures";

    Banc() {
        QDir().mkpath(modeles);
        QDir().mkpath(textures);
        EcrireOctets(modeles + "/Image.htm", Modele("cadre"));
        EcrireOctets(modeles + "/Nuit.htm", Modele("nuit"));
        CreerImage(modeles + "/Chene.jpg", 40, 40, QColor(120, 80, 40));
        CreerImage(textures + "/Ardoise.jpg", 32, 32, QColor(60, 70, 80));
        CreerImage(textures + "/bois.jpg", 64, 64, QColor(120, 80, 40));
        CreerImage(textures + "/Sable.jpg", 48, 48, QColor(220, 200, 150));
        OuvrirP({"a", "b"}, {".jpg", ".gif"});
        CreerImage(bac.projets + "/imgFond.jpg", 24, 24, Qt::lightGray);
        emit editeur.vueChangee();
    }
    bool CadreVisible(frmChangerModele& f) {
        const bool v = !f.findChild<QLabel*>("Label2")->isHidden();
        for (QWidget* w : {static_cast<QWidget*>(f.Dir2()), static_cast<QWidget*>(f.File2()),
                           static_cast<QWidget*>(f.imgVisu())})
            if (w->isHidden() == v)
                qWarning("contrôles du fond de cadre montrés à moitié");
        return v;
    }
};
} // namespace

class TestModeleFond : public QObject {
    Q_OBJECT
private slots:
    void choisirUnModele();
    void imageEtSonFondDeCadre();
    void fondEcran();
    void fondEcranAnnuleAuClavierEtParLeCadre();
};

// Les listes cachées au départ ; « Modèles... » les montre ; hors du dossier des modèles la
// liste des modèles se cache ; un autre modèle qu'« Image.htm » cache le fond de cadre ; Appliquer,
// la question, le modèle remplacé.
void TestModeleFond::choisirUnModele() {
    Banc b;
    auto* bouton = b.fenetre.findChild<QPushButton*>("cmdChangerModele");
    QCOMPARE(bouton->toolTip(), QString("Choisir un nouveau modèle"));
    QCOMPARE(b.fenetre.findChild<QPushButton*>("cmdFinaliser")->toolTip(),
             QString("Finaliser le diaporama"));
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmChangerModele&>(d);
        QCOMPARE(f.windowTitle(), QString("Modèle"));
        QVERIFY(f.Dir1()->isHidden());
        QVERIFY(f.File1()->isHidden());
        QVERIFY(!b.CadreVisible(f));
        auto* ouvrir = f.findChild<QPushButton*>("cmdOpen");
        QCOMPARE(ouvrir->toolTip(), QString("Ouvrir un fichier HTML existant"));
        ouvrir->click();
        QVERIFY(!f.File1()->isHidden());
        QCOMPARE(f.File1()->chemin(), b.modeles);
        QVERIFY(!f.File1()->findItems("Nuit.htm", Qt::MatchExactly).isEmpty());
        QVERIFY(f.Dir1()->definirChemin(b.bac.programme));
        QVERIFY(f.File1()->isHidden());
        QVERIFY(f.Dir1()->definirChemin(b.modeles));
        QVERIFY(!f.File1()->isHidden());
        CliquerFichier(f.File1(), "Image.htm");
        QVERIFY(b.CadreVisible(f));
        QCOMPARE(f.findChild<QLabel*>("Label2")->text(),
                 QString("Choisissez l'image de fond de cadre :"));
        CliquerFichier(f.File1(), "Nuit.htm");
        QVERIFY(!b.CadreVisible(f));
        QCOMPARE(f.logique().nomModele(), QString("Nuit.htm"));
        b.dialogues.reponses = {Reponse::Oui};
        f.findChild<QPushButton*>("Command1")->click();
        QVERIFY(!f.isVisible());
    });
    bouton->click();
    QCOMPARE(b.dialogues.messages.size(), 1);
    QVERIFY(b.dialogues.messages[0].texte.endsWith("par le fichier-modèle Nuit.htm"));
    QCOMPARE(LireOctets(b.bac.programme + "/Nouveau.htm"), Modele("nuit"));
    // La même fenêtre revient, ses listes où elles étaient.
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmChangerModele&>(d);
        QCOMPARE(&f, b.fenetre.fenetres().Modele());
        QVERIFY(!f.File1()->isHidden());
        // Appliquer sans rien de choisi ferme la fenêtre, sans question.
        f.File1()->clearSelection();
        f.File1()->setCurrentItem(nullptr);
        f.findChild<QPushButton*>("Command1")->click();
        QVERIFY(!f.isVisible());
    });
    bouton->click();
    QCOMPARE(b.dialogues.messages.size(), 1);
}

// « Image.htm », une image de fond de cadre cliquée (aperçu), puis le double clic sur le modèle
// qui fait Appliquer.
void TestModeleFond::imageEtSonFondDeCadre() {
    Banc b;
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmChangerModele&>(d);
        f.findChild<QPushButton*>("cmdOpen")->click();
        CliquerFichier(f.File1(), "Image.htm");
        QCOMPARE(f.File2()->chemin(), b.modeles);
        CliquerFichier(f.File2(), "Chene.jpg");
        QVERIFY(!f.imgVisu()->pixmap().isNull());
        b.dialogues.reponses = {Reponse::Oui};
        CliquerFichier(f.File1(), "Image.htm", true);
        QVERIFY(!f.isVisible());
    });
    b.fenetre.findChild<QPushButton*>("cmdChangerModele")->click();
    const QByteArray chene = LireOctets(b.modeles + "/Chene.jpg");
    QCOMPARE(LireOctets(b.bac.programme + "/Nouveau.htm"), Modele("cadre"));
    QCOMPARE(LireOctets(b.bac.programme + "/imgFondTable.jpg"), chene);
    QCOMPARE(LireOctets(b.modeles + "/imgFondTable.jpg"), chene);
}

// Le fond actuel, la texture montrée et son nom, la barre au clavier, OK : la texture copiée ;
// la fenêtre rouverte repart d'elle.
void TestModeleFond::fondEcran() {
    Banc b;
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmFondEcran&>(d);
        QCOMPARE(f.windowTitle(), QString("Changer le fond d'écran"));
        QCOMPARE(f.Image2()->image().size(), QSize(24, 24));
        QCOMPARE(f.Label1()->text(), QString("Ardoise"));
        QCOMPARE(f.Image1()->image().size(), QSize(32, 32));
        QCOMPARE(f.HScroll1()->maximum(), 2);
        QCOMPARE(f.focusWidget(), f.HScroll1());
        QTest::keyClick(f.HScroll1(), Qt::Key_Right);
        QCOMPARE(f.Label1()->text(), QString("bois"));
        QCOMPARE(f.Image1()->image().size(), QSize(64, 64));
        QTest::keyClick(f.HScroll1(), Qt::Key_End);
        QCOMPARE(f.Label1()->text(), QString("Sable"));
        QTest::keyClick(f.HScroll1(), Qt::Key_Left);
        QCOMPARE(f.Label1()->text(), QString("bois"));
        // Un clic à côté du curseur avance d'une texture : le curseur est la part d'une
        // texture sur trois, et le milieu de la barre est à côté de lui.
        QTest::keyClick(f.HScroll1(), Qt::Key_End);
        QTest::mouseClick(f.HScroll1(), Qt::LeftButton, {}, f.HScroll1()->rect().center());
        QCOMPARE(f.HScroll1()->value(), 1);
        f.findChild<QPushButton*>("Command1")->click();
    });
    b.Relacher("imgChangerFond");
    QVERIFY(b.dialogues.messages.isEmpty());
    QCOMPARE(b.editeur.NomFond, QString("bois.jpg"));
    QCOMPARE(LireOctets(b.bac.projets + "/imgFond.jpg"), LireOctets(b.textures + "/bois.jpg"));
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmFondEcran&>(d);
        QCOMPARE(f.Label1()->text(), QString("bois"));
        QCOMPARE(f.HScroll1()->value(), 1);
        QCOMPARE(f.Image2()->image().size(), QSize(64, 64)); // le nouveau fond
        f.findChild<QPushButton*>("Command1")->click();
    });
    b.Relacher("imgChangerFond");
    QVERIFY(b.dialogues.messages.isEmpty());
}

// Échap et le cadre de la fenêtre valent Annuler : « Opération annulée. », le fond reste.
void TestModeleFond::fondEcranAnnuleAuClavierEtParLeCadre() {
    Banc b;
    const QByteArray fond = LireOctets(b.bac.projets + "/imgFond.jpg");
    b.Jouer([&](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    b.Relacher("imgChangerFond");
    b.Jouer([&](QDialog& d) { d.close(); });
    b.Relacher("imgChangerFond");
    QCOMPARE(b.dialogues.messages.size(), 2);
    for (const MessageVu& m : b.dialogues.messages)
        QCOMPARE(m.texte, QString("Opération annulée."));
    QCOMPARE(LireOctets(b.bac.projets + "/imgFond.jpg"), fond);
    QVERIFY(b.editeur.NomFond.isEmpty());
}

QTEST_MAIN(TestModeleFond)
#include "test_modele_fond.moc"
