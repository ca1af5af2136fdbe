// La « Visionneuse » par ses vrais contrôles, ouverte par le bouton de la barre d'outils : les
// clics de souris et le clavier sur les vignettes, les marqueurs et la barre changent les
// étiquettes, les bulles, les pointeurs et les marqueurs ; OK, Annuler et le cadre.

#include "BancPrincipal.h"
#include "frmVisionneuse.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
struct Banc : BancPrincipal {
    QList<QByteArray> images; // le contenu de l'image de chaque diapo, à l'ouverture

    explicit Banc(int n = 5) {
        QStringList commentaires, extensions;
        for (int i = 0; i < n; ++i) {
            commentaires << QString("diapo %1").arg(i);
            extensions << (i % 2 ? ".gif" : ".jpg");
        }
        OuvrirP(commentaires, extensions);
        for (int i = 0; i < n; ++i)
            images << LireOctets(editeur.CheminImage(i));
        editeur.CommandeEnregistrer(); // les commentaires sous leur forme enregistrée
        dialogues.messages.clear();
        emit editeur.vueChangee();
    }
    // La visionneuse, ouverte par son bouton, jouée par action.
    void Visionner(const std::function<void(frmVisionneuse&)>& action) {
        Jouer([action](QDialog& d) { action(static_cast<frmVisionneuse&>(d)); });
        Relacher("imgVisionneuse");
    }
    // L'image de la diapo i est bien celle de l'ancienne diapo k.
    bool ImageDe(int i, int k) const { return LireOctets(editeur.CheminImage(i)) == images[k]; }
};

QStringList Etiquettes(frmVisionneuse& f) {
    QStringList l;
    for (int i = 0; i < NbVignettes; ++i)
        l << (f.etiquette(i)->isVisible() ? f.etiquette(i)->text() : QString("-"));
    return l;
}

QString Marqueurs(frmVisionneuse& f) {
    QString s;
    for (int j = 0; j < NbMarqueurs; ++j)
        s += f.marqueur(j)->isVisible() ? 'M' : '.';
    return s;
}

void Cliquer(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

// La couleur moyenne d'une image : celle d'une vignette doit être celle de sa diapo.
QColor Moyenne(const QImage& image) {
    const QImage petite = image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return petite.pixelColor(0, 0);
}

bool Proches(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 40;
}
} // namespace

class TestVisionneuse : public QObject {
    Q_OBJECT
private slots:
    void aLaSouris();
    void auClavier();
    void annulerEtCadre();
    void vignettesDecodeesALeurTaille();
    void projetVide();
};

// Couper, échanger, insérer, défiler à la souris ; OK pendant une coupe.
void TestVisionneuse::aLaSouris() {
    Banc b;
    QCOMPARE(b.fenetre.findChild<BoutonImage*>("imgVisionneuse")->toolTip(),
             QString("Visionneuse de diapositives"));
    b.Visionner([](frmVisionneuse& f) {
        QCOMPARE(f.windowTitle(), QString("Visionneuse"));
        QCOMPARE(Etiquettes(f), QStringList({" 0", " 1", " 2"}));
        QCOMPARE(Marqueurs(f), QString("...."));
        QCOMPARE(f.barre()->maximum(), 3);
        for (int i = 0; i < NbVignettes; ++i) {
            QCOMPARE(f.vignette(i)->toolTip(), QString("Cliquez pour couper"));
            QCOMPARE(f.vignette(i)->cursor().shape(), Qt::SizeAllCursor);
        }
        QCOMPARE(f.marqueur(0)->toolTip(), QString("Cliquez pour insérer"));

        Cliquer(f.vignette(2)); // la diapo 2 est coupée
        QCOMPARE(Marqueurs(f), QString("MMMM"));
        for (int i = 0; i < NbVignettes; ++i) {
            QCOMPARE(f.vignette(i)->toolTip(), QString("Cliquez pour échanger"));
            QCOMPARE(f.vignette(i)->cursor().shape(), Qt::ArrowCursor);
        }
        QCOMPARE(f.ordre().diapoDeVignette(2), 3);
        // Au bout de la barre, la diapo coupée attend, cachée, à la dernière place.
        f.barre()->setValue(3);
        QCOMPARE(Etiquettes(f), QStringList({" 3", "-", "-"}));
        QCOMPARE(Marqueurs(f), QString("MM.."));
        f.barre()->setValue(0);

        Cliquer(f.vignette(2)); // échangée avec celle qui suivait : 0 1 3 2 4
        QCOMPARE(Marqueurs(f), QString("...."));
        QCOMPARE(f.vignette(0)->toolTip(), QString("Cliquez pour couper"));
        QCOMPARE(f.vignette(0)->cursor().shape(), Qt::SizeAllCursor);

        f.barre()->setValue(1);
        QCOMPARE(Etiquettes(f), QStringList({" 1", " 2", " 3"}));
        Cliquer(f.vignette(0)); // la diapo 1 coupée : 0 3 2 4 1
        Cliquer(f.marqueur(3)); // insérée devant la position 4 : 0 3 2 4 1
        f.barre()->setValue(0);
        Cliquer(f.vignette(0)); // la 0 coupée, puis OK : 3 2 4 1 0
        f.findChild<QPushButton*>("cmdOK")->click();
    });
    QVERIFY(b.editeur.IndChangementDiapo);
    const QList<int> attendu{3, 2, 4, 1, 0};
    for (int i = 0; i < 5; ++i) {
        QVERIFY2(b.ImageDe(i, attendu[i]), qPrintable(QString::number(i)));
        QVERIFY(b.editeur.Info[i].contains(QString("diapo %1").arg(attendu[i])));
    }
    QVERIFY(!b.editeur.IndEnregistrer);
    QVERIFY(b.dialogues.messages.isEmpty());
}

// Sans souris : Tab jusqu'aux vignettes et aux marqueurs, Espace et Entrée pour cliquer, les
// flèches pour défiler, puis OK au clavier.
void TestVisionneuse::auClavier() {
    Banc b;
    b.Visionner([](frmVisionneuse& f) {
        QCOMPARE(f.focusWidget(), f.vignette(0));
        QTest::keyClick(f.vignette(0), Qt::Key_End);
        QCOMPARE(Etiquettes(f), QStringList({" 3", " 4", "-"}));
        // La dernière coupée se cache : le clavier passe au marqueur voisin, pas ailleurs ;
        // insérée là, elle reste dernière.
        QTest::keyClick(f.vignette(0), Qt::Key_Tab);
        QTest::keyClick(f.vignette(1), Qt::Key_Space);
        QCOMPARE(f.focusWidget(), f.marqueur(1));
        QTest::keyClick(f.marqueur(1), Qt::Key_Enter);
        QVERIFY(!f.ordre().coupe());
        QCOMPARE(f.focusWidget(), f.vignette(1));
        QCOMPARE(f.ordre().diapoDeVignette(1), 4);
        QTest::keyClick(f.vignette(1), Qt::Key_Home);
        QCOMPARE(Etiquettes(f), QStringList({" 0", " 1", " 2"}));
        // Tab passe de vignette en vignette (les marqueurs cachés sont sautés), puis à la barre.
        QTest::keyClick(f.vignette(1), Qt::Key_Tab);
        QCOMPARE(f.focusWidget(), f.vignette(2));
        QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focusWidget(), f.barre());
        QTest::keyClick(f.barre(), Qt::Key_End);
        QCOMPARE(Etiquettes(f), QStringList({" 3", " 4", "-"}));
        QTest::keyClick(f.barre(), Qt::Key_Home);
        QTest::keyClick(f.barre(), Qt::Key_Right);
        QCOMPARE(Etiquettes(f), QStringList({" 1", " 2", " 3"}));
        // Maj+Tab revient à la vignette 2.
        QTest::keyClick(f.focusWidget(), Qt::Key_Backtab);
        QCOMPARE(f.focusWidget(), f.vignette(2));
        QTest::keyClick(f.focusWidget(), Qt::Key_Left);
        QCOMPARE(Etiquettes(f), QStringList({" 0", " 1", " 2"}));
        QTest::keyClick(f.focusWidget(), Qt::Key_Space); // la diapo 2 coupée
        QVERIFY(f.ordre().coupe());
        // Le premier marqueur : devant la position 0.
        QWidget* w = f.focusWidget();
        for (int n = 0; n < 10 && w != f.marqueur(0); ++n) {
            QTest::keyClick(w, Qt::Key_Backtab);
            w = f.focusWidget();
        }
        QCOMPARE(w, f.marqueur(0));
        QTest::keyClick(w, Qt::Key_Return); // insérée en tête : 2 0 1 3 4
        QVERIFY(!f.ordre().coupe());
        QCOMPARE(Marqueurs(f), QString("...."));
        QCOMPARE(f.focusWidget(), f.vignette(0));
        auto* ok = f.findChild<QPushButton*>("cmdOK");
        for (int n = 0; n < 12 && f.focusWidget() != ok; ++n)
            QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Space);
    });
    const QList<int> attendu{2, 0, 1, 3, 4};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(b.ImageDe(i, attendu[i]), qPrintable(QString::number(i)));
    QCOMPARE(b.editeur.TypeImage[0], QString(".jpg"));
    QCOMPARE(b.editeur.TypeImage[1], QString(".jpg"));
    QCOMPARE(b.editeur.TypeImage[2], QString(".gif"));
}

// Annuler et le cadre de la fenêtre n'appliquent rien ; la fenêtre, gardée, repart de l'ordre
// d'origine hors coupe.
void TestVisionneuse::annulerEtCadre() {
    Banc b;
    const auto disque = Instantane(b.bac.projets);
    frmVisionneuse* premiere = nullptr;
    b.Visionner([&](frmVisionneuse& f) {
        premiere = &f;
        Cliquer(f.vignette(0));
        Cliquer(f.vignette(1));
        f.findChild<QPushButton*>("cmdStop")->click();
    });
    QVERIFY(!b.editeur.IndChangementDiapo);
    b.Visionner([&](frmVisionneuse& f) {
        QCOMPARE(&f, premiere);
        QVERIFY(!f.ordre().coupe());
        QCOMPARE(f.ordre().diapoDeVignette(1), 1);
        QCOMPARE(Marqueurs(f), QString("...."));
        Cliquer(f.vignette(0)); // coupée, puis la fenêtre fermée par son cadre
        f.close();
    });
    QVERIFY(!b.editeur.IndChangementDiapo);
    QCOMPARE(Instantane(b.bac.projets), disque);
    QVERIFY(b.editeur.IndEnregistrer);
}

// Chaque vignette montre la diapo de sa position, décodée à la taille de la vignette.
void TestVisionneuse::vignettesDecodeesALeurTaille() {
    Banc b;
    // Une grande photo : elle ne doit jamais être décodée en entier.
    QImage grande(3000, 2000, QImage::Format_RGB32);
    grande.fill(QColor(250, 240, 20));
    QVERIFY(grande.save(b.editeur.CheminImage(2), "JPEG", 90));
    b.Visionner([&](frmVisionneuse& f) {
        // Décodées hors du fil de la fenêtre : elles arrivent peu après l'ouverture.
        QTRY_VERIFY(f.vignettesPretes());
        for (int i = 0; i < NbVignettes; ++i) {
            const QImage& vue = f.vignette(i)->image();
            QCOMPARE(vue.size(), f.tailleVignette());
            const QImage source(b.editeur.CheminImage(i));
            QVERIFY2(Proches(Moyenne(vue), Moyenne(source)), qPrintable(QString::number(i)));
        }
        Cliquer(f.vignette(0));
        // La position 0 montre maintenant la diapo 1, prise au cache.
        QVERIFY(f.vignettesPretes());
        QVERIFY(
            Proches(Moyenne(f.vignette(0)->image()), Moyenne(QImage(b.editeur.CheminImage(1)))));
        f.findChild<QPushButton*>("cmdStop")->click();
    });
}

// Un projet ouvert sans diapo : rien à montrer, rien à faire.
void TestVisionneuse::projetVide() {
    Banc b(0);
    b.Visionner([](frmVisionneuse& f) {
        QCOMPARE(Etiquettes(f), QStringList({"-", "-", "-"}));
        QCOMPARE(f.barre()->maximum(), 0);
        f.findChild<QPushButton*>("cmdOK")->click();
    });
    QCOMPARE(b.editeur.NbSprite, 0);
    QVERIFY(b.dialogues.messages.isEmpty());
}

QTEST_MAIN(TestVisionneuse)
#include "test_visionneuse.moc"
