// Les fenêtres de choix d'image, menées comme par l'utilisateur (sans boucle modale).

#include "BancPrincipal.h"
#include "FenetresQt.h"
#include "Parcours.h"
#include "frmChangerImage.h"
#include "frmFichierImage.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {
struct Banc : BancPrincipal {
    QString photos;

    Banc() {
        OuvrirP({"a", "b"}, {".jpg", ".gif"});
        photos = bac.racine.filePath("photos");
        CreerImage(photos + "/plage.jpg", 64, 48, Qt::blue);
        CreerImage(photos + "/port.gif", 32, 24, Qt::red);
    }
    // Les fenêtres de choix sont menées sans être montrées.
    template <typename F> void Jouer(F action) { BancPrincipal::Jouer(action, false); }
};

void Choisir(FenetreChoixImage& f, const QString& dossier, const QString& fichier) {
    QVERIFY(f.parcours()->allerA(dossier));
    if (!fichier.isEmpty())
        f.parcours()->File1()->selectionnerFichier(fichier);
}
} // namespace

class TestChoix : public QObject {
    Q_OBJECT
private slots:
    void boutonsDeLaBarre();
    void ajoutComplet();
    void okSansFichier();
    void okAvecTexteDAttente();
    void fermerLeChangementVautAbandon();
    void imageDuProjetPreservee();
    void apercuALaTailleMontree();
    void aide();
};

void TestChoix::boutonsDeLaBarre() {
    Banc b;
    const QList<QPair<QString, QString>> attendus = {
        {"imgAjouter", "Ajouter une diapo ( à la fin )"},
        {"imgChangeDiapo", "Changer l'image de la diapo"},
        {"imgDelete", "Supprimer la diapo"}};
    for (const auto& [nom, bulle] : attendus) {
        auto* bouton = b.fenetre.findChild<QWidget*>(nom);
        QVERIFY2(bouton, qPrintable(nom));
        QCOMPARE(bouton->toolTip(), bulle);
    }
}

void TestChoix::ajoutComplet() {
    Banc b;
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmFichierImage&>(d);
        QCOMPARE(f.windowTitle(), QString("Ajouter une diapo"));
        QCOMPARE(f.txtInfo()->toPlainText(), QString("Insérez ici le texte accompagnant la photo"));
        Choisir(f, b.photos, "port.gif");
        f.txtInfo()->setPlainText("Le port au matin");
        f.findChild<QPushButton*>("cmdStop")->click();
    });
    b.editeur.AjouterDiapo();
    QCOMPARE(b.dialogues.fenetresVues, QStringList({"frmFichierImage"}));
    QCOMPARE(b.editeur.NbSprite, 3);
    QCOMPARE(b.editeur.Info[2], QString("<font face='MS Sans Serif' size='2' "
                                        "color='#000000'>Le port au matin<br></font>"));
    QCOMPARE(LireOctets(b.bac.projets + "/P2.gif"), LireOctets(b.photos + "/port.gif"));
    // L'autre fenêtre s'ouvrira dans le même dossier.
    QCOMPARE(b.fenetre.fenetres().ChangerImage()->parcours()->dossier(), b.photos);

    // Et dans l'autre sens : un changement pris ailleurs ramène la fenêtre d'ajout.
    const QString ailleurs = b.bac.racine.filePath("ailleurs");
    CreerImage(ailleurs + "/vue.jpg", 10, 10);
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmChangerImage&>(d);
        QCOMPARE(f.parcours()->dossier(), b.photos);
        Choisir(f, ailleurs, "vue.jpg");
        f.Valider();
    });
    b.editeur.ChangerDiapo();
    QCOMPARE(b.editeur.TypeImage[2], QString(".jpg"));
    QVERIFY(!QFile::exists(b.bac.projets + "/P2.gif"));
    QCOMPARE(b.fenetre.fenetres().FichierImage()->parcours()->dossier(), ailleurs);
}

void TestChoix::okSansFichier() {
    Banc b;
    b.dialogues.reponses = {Reponse::Non, Reponse::Oui};
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmFichierImage&>(d);
        Choisir(f, b.photos, "");
        f.Valider();
        QCOMPARE(f.result(), int(QDialog::Rejected)); // Non : la fenêtre reste
        f.Valider();
        QCOMPARE(f.result(), int(QDialog::Accepted)); // Oui : elle se ferme
    });
    b.editeur.AjouterDiapo();
    QCOMPARE(b.dialogues.dernier().texte,
             QString("Vous n'avez pas sélectionné d'image.\rVoulez-vous quitter ?"));
    QCOMPARE(b.editeur.NbSprite, 2);
    // Sans choix réussi, l'autre fenêtre ne bouge pas.
    QVERIFY(b.fenetre.fenetres().ChangerImage()->parcours()->dossier() != b.photos);

    b.dialogues.reponses = {Reponse::Non, Reponse::Oui};
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmChangerImage&>(d);
        Choisir(f, b.photos, "");
        f.Valider();
        QCOMPARE(f.result(), int(QDialog::Rejected));
        f.Valider();
    });
    const auto avant = Instantane(b.bac.projets);
    b.editeur.ChangerDiapo();
    QCOMPARE(b.editeur.InsertTypeImage, QString("ABORT"));
    QCOMPARE(Instantane(b.bac.projets), avant);
}

void TestChoix::okAvecTexteDAttente() {
    Banc b;
    b.dialogues.reponses = {Reponse::Non, Reponse::Oui};
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmFichierImage&>(d);
        Choisir(f, b.photos, "plage.jpg");
        f.Valider(); // texte d'attente laissé tel quel, Non : rien n'est copié
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(b.bac.projets + "/P2.jpg"));
        f.Valider(); // Oui : la diapo est ajoutée avec ce texte
    });
    b.editeur.AjouterDiapo();
    QCOMPARE(b.dialogues.dernier().texte,
             QString("Vous n'avez pas entré de texte.\rVoulez-vous quitter ?"));
    QCOMPARE(b.editeur.NbSprite, 3);
    QVERIFY(b.editeur.Info[2].contains(">Insérez ici le texte accompagnant la photo<br></font>"));
    QVERIFY(QFile::exists(b.bac.projets + "/P2.jpg"));
}

void TestChoix::fermerLeChangementVautAbandon() {
    Banc b;
    b.editeur.InsertTypeImage = ".jpg"; // un ancien choix ne doit pas compter
    const auto avant = Instantane(b.bac.projets);
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmChangerImage&>(d);
        Choisir(f, b.photos, "plage.jpg");
        f.findChild<QPushButton*>("cmdAnnuler")->click();
    });
    b.editeur.EcrireNumDiapo("1");
    b.editeur.ChangerDiapo();
    QCOMPARE(b.editeur.InsertTypeImage, QString("ABORT"));
    QCOMPARE(b.editeur.TypeImage[1], QString(".gif"));
    QCOMPARE(Instantane(b.bac.projets), avant);
}

void TestChoix::imageDuProjetPreservee() {
    Banc b;
    const QByteArray image = LireOctets(b.bac.projets + "/P1.gif");
    b.editeur.EcrireNumDiapo("1");
    b.Jouer([&](QDialog& d) {
        auto& f = static_cast<frmChangerImage&>(d);
        Choisir(f, b.bac.projets, "P1.gif");
        f.Valider();
    });
    b.editeur.ChangerDiapo();
    QCOMPARE(LireOctets(b.bac.projets + "/P1.gif"), image);
    QCOMPARE(b.editeur.TypeImage[1], QString(".gif"));
}

void TestChoix::apercuALaTailleMontree() {
    Banc b;
    CreerImage(b.photos + "/enorme.jpg", 6000, 4000);
    auto* f = b.fenetre.fenetres().FichierImage();
    f->resize(900, 560);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    Choisir(*f, b.photos, "");
    auto* liste = f->parcours()->File1();
    const auto trouves = liste->findItems("enorme.jpg", Qt::MatchExactly);
    QCOMPARE(trouves.size(), 1);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(trouves[0]).center());
    auto* apercu = f->findChild<QWidget*>("imgDiapo");
    const QSize montree = apercu->contentsRect().size() * f->devicePixelRatioF();
    // Étirée à la zone, et jamais décodée en grand.
    QCOMPARE(f->tailleApercu(), montree);
    QVERIFY(montree.width() * montree.height() < 6000 * 4000 / 20);
    f->hide();
}

void TestChoix::aide() {
    Banc b;
    b.fenetre.fenetres().FichierImage()->findChild<QPushButton*>("cmdHelp")->click();
    b.fenetre.fenetres().ChangerImage()->findChild<QPushButton*>("cmdHelp")->click();
    QCOMPARE(b.dialogues.ouvertures,
             QStringList({b.bac.programme + "/Aide_Contextuelle/AjouterImage.htm",
                          b.bac.programme + "/Aide_Contextuelle/ChangerImage.htm"}));
}

QTEST_MAIN(TestChoix)
#include "test_choix.moc"
