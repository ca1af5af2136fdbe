// La mise en forme du commentaire dans la fenêtre principale : boutons, listes, mémoire de la
// sélection, couleur, « UNDO », copier-coller et entête.

#include "Editeur.h"
#include "Fabrique.h"
#include "FauxDialogues.h"
#include "frmCouleur.h"
#include "frmPrincipal.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

namespace {
struct Fenetre {
    Bac bac;
    FauxDialogues dialogues;
    Editeur editeur{dialogues, bac.programme, bac.secours};
    frmPrincipal fenetre{editeur};
    QTextEdit* texte = fenetre.findChild<QTextEdit*>("richtxtTexteInfo");

    explicit Fenetre(const QStringList& commentaires = {"Bonjour<br>", "Suite<br>"}) {
        bac.CreerProjet("P", commentaires, QStringList(commentaires.size(), ".jpg"));
        editeur.NomProjet = "P";
        editeur.RepertoireProjet = bac.projets;
        editeur.OuvrirProjet();
        fenetre.show();
    }
    QPushButton* rich(int i) {
        return fenetre.findChild<QPushButton*>(QString("cmdRich_%1").arg(i));
    }
    // Sélectionne à la souris : la sélection, puis le relâchement sur l'éditeur.
    void Selectionner(int debut, int fin) {
        QTextCursor c = texte->textCursor();
        c.setPosition(debut);
        c.setPosition(fin, QTextCursor::KeepAnchor);
        texte->setTextCursor(c);
        QTest::mouseRelease(texte->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    }
    const QString& info() const { return editeur.Info[editeur.NumeroDiapo]; }
};

const QString Tete = "<font face='MS Sans Serif' size='2' color='#000000'>";

// Ce que fait l'utilisateur dans une liste : il la place sur une entrée et la choisit (même
// celle que la liste montre déjà).
void Choisir(QComboBox* liste, int index) {
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}
} // namespace

class TestMiseEnForme : public QObject {
    Q_OBJECT
private slots:
    void controlesCachesPuisMontres();
    void grasDeuxFois();
    void selectionRetenue();
    void exposantSurIndice();
    void couleur();
    void undo();
    void listes();
    void copierColler();
    void collerImpossible();
    void majEntree();
    void entete();
    void memeEntreeQueCelleMontree();
    void selectionDeDroiteAGauche();
    void validationSansSelection();
    void barreQuiNePousseRien();
};

void TestMiseEnForme::controlesCachesPuisMontres() {
    Fenetre f;
    for (int i = 0; i < 9; ++i)
        QVERIFY(!f.rich(i)->isVisible());
    QVERIFY(!f.fenetre.findChild<QComboBox*>("comboPolice")->isVisible());
    QCOMPARE(f.rich(2)->text(), QString("g"));
    QVERIFY(f.rich(2)->font().bold());
    QCOMPARE(f.rich(3)->toolTip(), QString("barré"));
    QCOMPARE(f.rich(7)->toolTip(), QString("UNDO"));
    QCOMPARE(f.fenetre.findChild<QComboBox*>("comboPolice")->currentText(),
             QString("MS Sans Serif"));

    f.Selectionner(0, 3);
    for (int i = 0; i < 8; ++i)
        QVERIFY(f.rich(i)->isVisible());
    QVERIFY(!f.rich(8)->isVisible()); // pas encore de couleur choisie
    QVERIFY(f.fenetre.findChild<QComboBox*>("comboTaille")->isVisible());
    QCOMPARE(f.fenetre.findChild<QComboBox*>("comboTaille")->currentText(), QString("10"));
    QVERIFY(f.editeur.IndFormatActif);

    f.Selectionner(2, 2); // rien de sélectionné : tout se cache
    QVERIFY(!f.rich(0)->isVisible());
}

void TestMiseEnForme::grasDeuxFois() {
    Fenetre f;
    f.Selectionner(3, 7);
    f.rich(2)->click();
    // Le saut de ligne final n'était pas sélectionné : il reste maigre.
    QCOMPARE(f.info(), Tete + "Bon<b>jour</b><br></font>");
    // La validation a vidé la sélection : le second clic reprend la même.
    QVERIFY(!f.texte->textCursor().hasSelection());
    f.rich(2)->click();
    QCOMPARE(f.info(), Tete + "Bonjour<br></font>");
}

void TestMiseEnForme::selectionRetenue() {
    Fenetre f;
    f.Selectionner(0, 3);
    f.rich(0)->click(); // italique sur « Bon »
    f.rich(1)->click(); // puis souligné, sans nouvelle sélection
    QCOMPARE(f.info(), Tete + "<i><u>Bon</i></u>jour<br></font>");
}

void TestMiseEnForme::exposantSurIndice() {
    Fenetre f;
    f.Selectionner(0, 3);
    f.rich(5)->click();
    QCOMPARE(f.info(), Tete + "<sub>Bon</sub>jour<br></font>");
    f.rich(4)->click(); // -40 devient 80 : ni exposant ni indice
    QCOMPARE(f.info(), Tete + "Bonjour<br></font>");
    QTextCursor c(&f.editeur.richtxtTexteInfo);
    c.setPosition(0);
    c.setPosition(1, QTextCursor::KeepAnchor);
    QCOMPARE(c.charFormat().intProperty(QTextFormat::UserProperty + 1), 80);
}

void TestMiseEnForme::couleur() {
    Fenetre f;
    f.Selectionner(0, 3);
    f.dialogues.fenetres.push_back([](QDialog& d) {
        auto& couleur = static_cast<frmCouleur&>(d);
        couleur.Selectionner(12);
        couleur.Valider();
        return int(QDialog::Accepted);
    });
    f.rich(6)->click();
    QCOMPARE(f.editeur.SelectionCouleurTexte, QString("#FF0000"));
    QVERIFY(f.info().contains("<font face='MS Sans Serif' size='2' color='#FF0000'>Bon</font>"));

    // La pastille réapplique la dernière couleur, et se montre désormais.
    f.Selectionner(3, 7);
    QVERIFY(f.rich(8)->isVisible());
    f.rich(8)->click();
    QCOMPARE(f.info(), "<font face='MS Sans Serif' size='2' color='#FF0000'>Bonjour</font>" + Tete +
                           "<br></font>");

    // Annuler la fenêtre : rien ne change, pas même le commentaire.
    const QString avant = f.info();
    f.Selectionner(0, 2);
    f.dialogues.fenetres.push_back([](QDialog& d) {
        static_cast<frmCouleur&>(d).reject();
        return int(QDialog::Rejected);
    });
    f.rich(6)->click();
    QCOMPARE(f.info(), avant);
    QCOMPARE(f.editeur.SelectionCouleurTexte, QString());
}

void TestMiseEnForme::undo() {
    Fenetre f;
    f.editeur.CommandeEnregistrer();
    f.Selectionner(0, 2);
    f.rich(7)->click();
    QCOMPARE(f.info(), "<font face='MS Sans Serif' size='2' color='#FFFFFF'><br></font>");
    QVERIFY(!f.editeur.IndEnregistrer);
    QTest::keyClicks(f.texte, "neuf");
    f.editeur.RichVersHTML();
    QCOMPARE(f.info(), "<font face='MS Sans Serif' size='2' color='#FFFFFF'>neuf<br></font>");
}

void TestMiseEnForme::listes() {
    // Avant tout commentaire chargé, choisir dans une liste ne fait rien.
    Bac bac;
    FauxDialogues dialogues;
    Editeur editeur{dialogues, bac.programme, bac.secours};
    frmPrincipal fenetre{editeur};
    auto* taille = fenetre.findChild<QComboBox*>("comboTaille");
    Choisir(taille, 6);
    QCOMPARE(editeur.Info[0], QString());

    Fenetre f;
    f.Selectionner(0, 3);
    Choisir(f.fenetre.findChild<QComboBox*>("comboTaille"), 6); // 20 points
    QCOMPARE(f.info(), "<font face='MS Sans Serif' size='7' color='#000000'>Bon</font>" + Tete +
                           "jour<br></font>");
    auto* police = f.fenetre.findChild<QComboBox*>("comboPolice");
    QVERIFY(police->count() > 0);
    f.Selectionner(3, 7);
    const int derniere = police->count() - 1;
    Choisir(police, derniere);
    QVERIFY2(f.info().startsWith("<font face='MS Sans Serif' size='7' color='#000000'>Bon</font>"
                                 "<font face='" +
                                 police->itemText(derniere) + "' size='2'"),
             qPrintable(f.info()));
}

void TestMiseEnForme::copierColler() {
    Fenetre f;
    f.Selectionner(3, 7);
    f.rich(2)->click(); // « jour » en gras
    f.Selectionner(0, 7);
    QVERIFY(QMetaObject::invokeMethod(&f.fenetre,
                                      [&] { f.fenetre.findChild<QAction*>("Copier")->trigger(); }));
    const QString rtf = QGuiApplication::clipboard()->text();
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QCOMPARE(f.info(), Tete + "Bon<b>jour</b><br></font>");

    // Coller à la fin : la mise en forme voyage avec le texte.
    QTextCursor fin = f.texte->textCursor();
    fin.movePosition(QTextCursor::End);
    f.texte->setTextCursor(fin);
    f.fenetre.findChild<QAction*>("Coller")->trigger();
    f.editeur.RichVersHTML();
    QCOMPARE(f.info(), Tete + "Bon<b>jour</b><br>Bon<b>jour<br></b></font>");

    // Copier sans sélection laisse le presse-papiers tel quel.
    QGuiApplication::clipboard()->setText("inchangé");
    f.Selectionner(1, 1);
    f.fenetre.findChild<QAction*>("Copier")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("inchangé"));
}

void TestMiseEnForme::collerImpossible() {
    Fenetre f;
    const QString avant = f.editeur.richtxtTexteInfo.toPlainText();
    QGuiApplication::clipboard()->setText("{\\rtf1 {\\b gras non fermé");
    f.fenetre.findChild<QAction*>("Coller")->trigger();
    QCOMPARE(f.dialogues.dernier().titre, QString("ERREUR"));
    QCOMPARE(f.dialogues.dernier().texte, QString("Impossible de coller à cet endroit."));
    QCOMPARE(f.dialogues.dernier().boutons, Boutons::OK);
    QCOMPARE(f.editeur.richtxtTexteInfo.toPlainText(), avant);
    // Du texte ordinaire se colle tel quel.
    QGuiApplication::clipboard()->setText("simple <texte>");
    f.fenetre.findChild<QAction*>("Coller")->trigger();
    QVERIFY(f.editeur.richtxtTexteInfo.toPlainText().contains("simple <texte>"));
}

void TestMiseEnForme::majEntree() {
    Fenetre f;
    QTextCursor fin = f.texte->textCursor();
    fin.setPosition(7);
    f.texte->setTextCursor(fin);
    QTest::keyClick(f.texte, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(f.texte, "x");
    f.editeur.RichVersHTML();
    QCOMPARE(f.info(), Tete + "Bonjour<br>x<br></font>");
}

void TestMiseEnForme::entete() {
    Fenetre f;
    f.editeur.CommandeEnregistrer();
    f.fenetre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
    auto* entete = f.fenetre.findChild<QLineEdit*>("txtEntete");
    entete->setFocus();
    entete->selectAll();
    QTest::keyClicks(entete, "Nouvel entete");
    f.texte->setFocus(); // l'entête perd le focus
    QCOMPARE(f.editeur.Entete, QString("Nouvel entete"));
    QVERIFY(!f.editeur.IndEnregistrer);

    // Une ligne copiée emporte son saut de ligne : collée, elle devient une espace.
    entete->setFocus();
    entete->selectAll();
    QGuiApplication::clipboard()->setText("Nos vacances\r\nà la mer\n");
    QTest::keySequence(entete, QKeySequence::Paste);
    QCOMPARE(entete->text(), QString("Nos vacances à la mer "));
    QCOMPARE(f.editeur.txtEntete, QString("Nos vacances à la mer "));
    f.texte->setFocus();
    QCOMPARE(f.editeur.Entete, QString("Nos vacances à la mer "));
}

// Choisir l'entrée que la liste montre déjà applique aussi : une sélection en 20 points, la
// liste placée sur « 10 », l'utilisateur choisit « 10 ».
void TestMiseEnForme::memeEntreeQueCelleMontree() {
    Fenetre f({"<font face='MS Sans Serif' size='7' color='#000000'>Bonjour<br></font>"});
    auto* taille = f.fenetre.findChild<QComboBox*>("comboTaille");
    f.Selectionner(0, 3);
    QCOMPARE(taille->currentText(), QString("20"));
    taille->setCurrentIndex(1); // la liste montre « 10 » sans rien appliquer
    f.Selectionner(0, 3);
    taille->setCurrentIndex(1);
    emit taille->activated(1);
    QVERIFY2(f.info().startsWith(Tete + "Bon</font>"), qPrintable(f.info()));
}

// Les listes montrent les valeurs de la sélection, même tirée de droite à gauche.
void TestMiseEnForme::selectionDeDroiteAGauche() {
    Fenetre f({"<font face='MS Sans Serif' size='2' color='#000000'>ab</font>"
               "<font face='MS Sans Serif' size='7' color='#000000'>cd<br></font>"});
    auto* taille = f.fenetre.findChild<QComboBox*>("comboTaille");
    f.Selectionner(4, 2); // « cd », de droite à gauche
    QCOMPARE(taille->currentText(), QString("20"));
    f.Selectionner(2, 0); // « ab »
    QCOMPARE(taille->currentText(), QString("10"));
}

// Après une validation (ici l'enregistrement), plus de sélection, le curseur en fin de texte ;
// un bouton de mise en forme reprend la sélection mémorisée.
void TestMiseEnForme::validationSansSelection() {
    Fenetre f;
    f.Selectionner(0, 3);
    f.rich(2)->click(); // « Bon » en gras, sélection mémorisée
    f.Selectionner(1, 5);
    f.editeur.RichVersHTML();
    QVERIFY(!f.texte->textCursor().hasSelection());
    QCOMPARE(f.texte->textCursor().position(), f.editeur.richtxtTexteInfo.characterCount() - 1);
    f.rich(0)->click(); // italique : sur la dernière sélection vue par un bouton
    QCOMPARE(f.info(), Tete + "<b><i>Bon</b></i>jour<br></font>");
}

// Les contrôles de mise en forme apparaissent sur une sélection sans déplacer l'éditeur.
void TestMiseEnForme::barreQuiNePousseRien() {
    Fenetre f;
    const QRect avant = f.texte->geometry();
    f.Selectionner(0, 3);
    QVERIFY(f.rich(0)->isVisible());
    QCOMPARE(f.texte->geometry(), avant);
    f.Selectionner(2, 2);
    QVERIFY(!f.rich(0)->isVisible());
    QCOMPARE(f.texte->geometry(), avant);
}

QTEST_MAIN(TestMiseEnForme)
#include "test_miseEnForme.moc"
