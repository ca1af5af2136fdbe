// Les commandes de mise en forme sans fenêtre : la sélection est un QTextCursor sur le document
// de l'éditeur, la fenêtre du choix de la couleur est jouée par le test.

#include "Banc.h"
#include "CommandesTexte.h"
#include "FormatCommentaire.h"

#include <QtTest>

namespace {
const QString Tete = "<font face='MS Sans Serif' size='2' color='#000000'>";

struct BancTexte : Banc {
    CommandesTexte commandes{editeur};
    QTextCursor selection{&editeur.richtxtTexteInfo};

    explicit BancTexte(const QStringList& commentaires = {"Bonjour<br>", "Suite<br>"}) {
        bac.CreerProjet("P", commentaires, QStringList(commentaires.size(), ".jpg"));
        Ouvrir("P");
    }
    void Selectionner(int debut, int fin) {
        selection.setPosition(debut);
        selection.setPosition(fin, QTextCursor::KeepAnchor);
    }
    const QString& info() const { return editeur.Info[editeur.NumeroDiapo]; }
};
} // namespace

class TestCommandesTexte : public QObject {
    Q_OBJECT
private slots:
    void styles_data();
    void styles();
    void selectionMelangee();
    void memoireDeLaSelection();
    void decalages_data();
    void decalages();
    void couleurChoisieOuAbandonnee();
    void pastilleSansCouleur();
    void undo();
    void listesInactives();
    void tailles_data();
    void tailles();
    void relachement();
    void relachementDeDroiteAGauche();
    void famillesDePolices_data();
    void famillesDePolices();
    void copierColler();
    void entete();
};

// Un bouton de style bascule l'attribut de la sélection et valide aussitôt le commentaire ; la
// sélection est rendue vide, le curseur en fin de texte.
void TestCommandesTexte::styles_data() {
    QTest::addColumn<int>("bouton");
    QTest::addColumn<QString>("balise");
    QTest::newRow("italique") << 0 << "i";
    QTest::newRow("souligné") << 1 << "u";
    QTest::newRow("gras") << 2 << "b";
    QTest::newRow("barré") << 3 << "s";
}

void TestCommandesTexte::styles() {
    QFETCH(int, bouton);
    QFETCH(QString, balise);
    BancTexte b;
    b.Selectionner(3, 7);
    b.commandes.BoutonRich(bouton, b.selection);
    QCOMPARE(b.info(), Tete + "Bon<" + balise + ">jour</" + balise + "><br></font>");
    QVERIFY(!b.selection.hasSelection());
    QCOMPARE(b.selection.position(), b.editeur.richtxtTexteInfo.characterCount() - 1);
    QVERIFY(!b.editeur.IndEnregistrer);
    // Deuxième clic sans nouvelle sélection : la même sélection redevient normale.
    b.commandes.BoutonRich(bouton, b.selection);
    QCOMPARE(b.info(), Tete + "Bonjour<br></font>");
}

// Sur une sélection dont une partie seulement a l'attribut, le bouton l'applique à toute.
void TestCommandesTexte::selectionMelangee() {
    BancTexte b;
    b.Selectionner(0, 3);
    b.commandes.BoutonRich(2, b.selection);
    b.Selectionner(0, 7);
    b.commandes.BoutonRich(2, b.selection);
    QCOMPARE(b.info(), Tete + "<b>Bonjour</b><br></font>");
    b.Selectionner(0, 7);
    b.commandes.BoutonRich(2, b.selection);
    QCOMPARE(b.info(), Tete + "Bonjour<br></font>");
}

void TestCommandesTexte::memoireDeLaSelection() {
    BancTexte b;
    b.Selectionner(0, 3);
    b.commandes.BoutonRich(0, b.selection);
    QCOMPARE(b.editeur.DebutSelection, 0);
    QCOMPARE(b.editeur.LongueurSelection, 3);
    b.commandes.BoutonRich(1, b.selection);
    b.commandes.BoutonRich(2, b.selection);
    // Les balises s'ouvrent dans l'ordre gras, italique, souligné, quel que soit l'ordre des clics.
    QCOMPARE(b.info(), Tete + "<b><i><u>Bon</b></i></u>jour<br></font>");
    // Une nouvelle sélection remplace la mémoire.
    b.Selectionner(4, 6);
    b.commandes.BoutonRich(3, b.selection);
    QCOMPARE(b.editeur.DebutSelection, 4);
    QCOMPARE(b.editeur.LongueurSelection, 2);
    // Une mémoire plus longue que le texte (commentaire raccourci depuis) est ramenée au texte.
    b.editeur.DebutSelection = 5;
    b.editeur.LongueurSelection = 500;
    QTextCursor vide(&b.editeur.richtxtTexteInfo);
    b.commandes.BoutonRich(2, vide);
    QVERIFY(b.info().endsWith("<b>u</s>r<br></b></font>"));
}

// Exposant et indice : 40 moins le décalage, -40 moins le décalage ; 80 et -80 ne sont ni l'un
// ni l'autre.
void TestCommandesTexte::decalages_data() {
    QTest::addColumn<QList<int>>("boutons");
    QTest::addColumn<int>("decalage");
    QTest::addColumn<QString>("html");
    QTest::newRow("exposant") << QList<int>{4} << 40 << Tete + "<sup>Bon</sup>jour<br></font>";
    QTest::newRow("indice") << QList<int>{5} << -40 << Tete + "<sub>Bon</sub>jour<br></font>";
    QTest::newRow("exposant deux fois") << QList<int>{4, 4} << 0 << Tete + "Bonjour<br></font>";
    QTest::newRow("exposant sur indice") << QList<int>{5, 4} << 80 << Tete + "Bonjour<br></font>";
    QTest::newRow("indice sur exposant") << QList<int>{4, 5} << -80 << Tete + "Bonjour<br></font>";
}

void TestCommandesTexte::decalages() {
    QFETCH(QList<int>, boutons);
    QFETCH(int, decalage);
    QFETCH(QString, html);
    BancTexte b;
    b.Selectionner(0, 3);
    for (int bouton : boutons)
        b.commandes.BoutonRich(bouton, b.selection);
    QCOMPARE(b.info(), html);
    QTextCursor c(&b.editeur.richtxtTexteInfo);
    c.setPosition(1);
    c.setPosition(2, QTextCursor::KeepAnchor);
    QCOMPARE(Decalage(c.charFormat()), decalage);
}

void TestCommandesTexte::couleurChoisieOuAbandonnee() {
    BancTexte b;
    b.fenetres.couleurChoisie = QColor(0, 128, 255);
    b.fenetres.couleur = [&] { b.editeur.SelectionCouleurTexte = "#0080FF"; };
    b.Selectionner(0, 3);
    b.commandes.BoutonRich(6, b.selection);
    QCOMPARE(b.fenetres.montrees, QStringList{"frmCouleur"});
    QCOMPARE(b.info(), "<font face='MS Sans Serif' size='2' color='#0080FF'>Bon</font>" + Tete +
                           "jour<br></font>");
    QCOMPARE(b.commandes.couleurPastille, QColor(0, 128, 255));

    // La fenêtre quittée sans couleur : ni mise en forme ni validation.
    b.editeur.CommandeEnregistrer();
    b.dialogues.messages.clear();
    const QString avant = b.info();
    b.fenetres.couleur = [&] { b.editeur.SelectionCouleurTexte.clear(); };
    b.Selectionner(3, 7);
    b.commandes.BoutonRich(6, b.selection);
    QCOMPARE(b.info(), avant);
    QVERIFY(b.editeur.IndEnregistrer);
    QCOMPARE(b.commandes.couleurPastille, QColor(0, 128, 255));
}

void TestCommandesTexte::pastilleSansCouleur() {
    BancTexte b;
    b.editeur.CommandeEnregistrer();
    b.Selectionner(0, 3);
    b.commandes.BoutonRich(8, b.selection);
    QCOMPARE(b.info(), Tete + "Bonjour<br></font>");
    QVERIFY(b.editeur.IndEnregistrer); // rien de validé
    QVERIFY(b.fenetres.montrees.isEmpty());

    b.editeur.SelectionCouleurTexte = "#00FF00";
    b.commandes.BoutonRich(8, b.selection);
    QCOMPARE(b.info(), "<font face='MS Sans Serif' size='2' color='#00FF00'>Bon</font>" + Tete +
                           "jour<br></font>");
    QVERIFY(b.fenetres.montrees.isEmpty());
}

void TestCommandesTexte::undo() {
    BancTexte b;
    b.Selectionner(0, 2);
    b.commandes.BoutonRich(7, b.selection);
    QCOMPARE(b.info(), "<font face='MS Sans Serif' size='2' color='#FFFFFF'><br></font>");
    QCOMPARE(b.editeur.richtxtTexteInfo.toPlainText(), QString());
    b.selection.insertText("neuf");
    b.editeur.RichVersHTML();
    QCOMPARE(b.info(), "<font face='MS Sans Serif' size='2' color='#FFFFFF'>neuf<br></font>");
}

// Les listes ne réagissent que quand IndFormatActif est vrai (faux pendant que le relâchement
// de la souris les place, et avant le premier commentaire chargé).
void TestCommandesTexte::listesInactives() {
    Banc vierge;
    CommandesTexte commandes(vierge.editeur);
    QTextCursor c(&vierge.editeur.richtxtTexteInfo);
    commandes.ChoixTaille("20", c);
    commandes.ChoixPolice("Serif", c);
    QVERIFY(vierge.editeur.txtTexteInfo().isEmpty());

    BancTexte b;
    b.Selectionner(0, 3);
    (void)b.commandes.RelachementSouris(b.selection);
    QVERIFY(!b.editeur.IndFormatActif);
    b.commandes.ChoixTaille("20", b.selection);
    QCOMPARE(b.info(), Tete + "Bonjour<br></font>");
    b.commandes.FinRelachement();
    QVERIFY(b.editeur.IndFormatActif);
    b.commandes.ChoixPolice("Serif", b.selection);
    QCOMPARE(b.info(),
             "<font face='Serif' size='2' color='#000000'>Bon</font>" + Tete + "jour<br></font>");
}

void TestCommandesTexte::tailles_data() {
    QTest::addColumn<QString>("entree");
    QTest::addColumn<QString>("html");
    const QString intact = Tete + "Bonjour<br></font>";
    QTest::newRow("20 points") << "20"
                               << "<font face='MS Sans Serif' size='7' color='#000000'>Bon</font>" +
                                      Tete + "jour<br></font>";
    QTest::newRow("9 points")
        << "9"
        << "<font face='MS Sans Serif' size='1.5' color='#000000'>Bon</font>" + Tete +
               "jour<br></font>";
    QTest::newRow("lettres") << "abc" << intact;
    QTest::newRow("nan") << "nan" << intact;
    QTest::newRow("inf") << "inf" << intact;
    QTest::newRow("zéro") << "0" << intact;
    QTest::newRow("négatif") << "-8" << intact;
}

void TestCommandesTexte::tailles() {
    QFETCH(QString, entree);
    QFETCH(QString, html);
    BancTexte b;
    b.editeur.IndFormatActif = true;
    b.Selectionner(0, 3);
    b.commandes.ChoixTaille(entree, b.selection);
    QCOMPARE(b.info(), html);
}

void TestCommandesTexte::relachement() {
    BancTexte b;
    b.Selectionner(2, 2);
    EtatControlesTexte etat = b.commandes.RelachementSouris(b.selection);
    QVERIFY(!etat.visibles);
    QVERIFY(!etat.couleurVisible);

    b.Selectionner(0, 3);
    etat = b.commandes.RelachementSouris(b.selection);
    QVERIFY(etat.visibles);
    QVERIFY(!etat.couleurVisible);
    QCOMPARE(etat.taille, QString("10"));
    QCOMPARE(etat.police, QString()); // aucune police posée : la liste ne bouge pas

    b.editeur.SelectionCouleurTexte = "#123456";
    etat = b.commandes.RelachementSouris(b.selection);
    QVERIFY(etat.couleurVisible);

    // Les listes suivent la police et la taille de la sélection.
    BancTexte serif({"<font face='Serif' size='3' color='#000000'>Bonjour<br></font>"});
    serif.Selectionner(1, 4);
    etat = serif.commandes.RelachementSouris(serif.selection);
    QCOMPARE(etat.taille, QString("12"));
    QCOMPARE(etat.police, QString("Serif"));

    // Sans projet ouvert, le relâchement ne fait rien.
    Banc vierge;
    CommandesTexte commandes(vierge.editeur);
    QTextCursor c(&vierge.editeur.richtxtTexteInfo);
    c.insertText("abc");
    c.setPosition(0, QTextCursor::KeepAnchor);
    QVERIFY(!commandes.RelachementSouris(c).visibles);
    commandes.FinRelachement();
    QVERIFY(!vierge.editeur.IndFormatActif);
}

// Une sélection tirée de droite à gauche montre ses propres valeurs, pas celles du caractère
// qui la précède.
void TestCommandesTexte::relachementDeDroiteAGauche() {
    BancTexte b({"<font face='Serif' size='2' color='#000000'>ab</font>"
                 "<font face='Sans' size='7' color='#000000'>cd<br></font>"});
    b.Selectionner(4, 2);
    EtatControlesTexte etat = b.commandes.RelachementSouris(b.selection);
    QCOMPARE(etat.taille, QString("20"));
    QCOMPARE(etat.police, QString("Sans"));
    b.Selectionner(2, 0);
    etat = b.commandes.RelachementSouris(b.selection);
    QCOMPARE(etat.taille, QString("10"));
    QCOMPARE(etat.police, QString("Serif"));
}

void TestCommandesTexte::famillesDePolices_data() {
    QTest::addColumn<QStringList>("systeme");
    QTest::addColumn<QStringList>("proposees");
    QTest::newRow("fonderies") << QStringList{"C059 [urw]", "C059 [UKWN]", "D050000L [URW ]",
                                              "DejaVu Sans"}
                               << QStringList{"C059", "D050000L", "DejaVu Sans"};
    QTest::newRow("ordre gardé") << QStringList{"Zeta", "Alpha [x]", "Alpha"}
                                 << QStringList{"Zeta", "Alpha"};
    QTest::newRow("crochets dans le nom")
        << QStringList{"[Ancienne]", "Nom]"} << QStringList{"[Ancienne]", "Nom]"};
    QTest::newRow("vide") << QStringList{} << QStringList{};
}

void TestCommandesTexte::famillesDePolices() {
    QFETCH(QStringList, systeme);
    QFETCH(QStringList, proposees);
    QCOMPARE(FamillesDePolices(systeme), proposees);
}

void TestCommandesTexte::copierColler() {
    BancTexte b;
    b.Selectionner(2, 2);
    QCOMPARE(b.commandes.Copier(b.selection), QString());

    b.Selectionner(0, 3);
    b.commandes.BoutonRich(2, b.selection);
    b.Selectionner(0, 3);
    const QString rtf = b.commandes.Copier(b.selection);
    QVERIFY(rtf.startsWith("{\\rtf"));
    b.Selectionner(7, 7);
    b.commandes.Coller(rtf, b.selection);
    QVERIFY(b.dialogues.messages.isEmpty());
    b.editeur.RichVersHTML();
    QCOMPARE(b.info(), Tete + "<b>Bon</b>jour<b>Bon</b><br></font>");

    // Un RTF inutilisable : le message, et le texte ne change pas.
    const QString avant = b.editeur.richtxtTexteInfo.toPlainText();
    b.commandes.Coller("{\\rtf1 {{{ tronqué", b.selection);
    const MessageVu m = b.dialogues.dernier();
    QCOMPARE(m.titre, QString("ERREUR"));
    QCOMPARE(m.texte, QString("Impossible de coller à cet endroit."));
    QCOMPARE(m.boutons, Boutons::OK);
    QCOMPARE(m.icone, Icone::Aucune);
    QCOMPARE(b.editeur.richtxtTexteInfo.toPlainText(), avant);
}

void TestCommandesTexte::entete() {
    BancTexte b;
    b.editeur.CommandeEnregistrer();
    QVERIFY(b.editeur.IndEnregistrer);
    b.commandes.PerteFocusEntete("Nos vacances");
    QCOMPARE(b.editeur.Entete, QString("Nos vacances"));
    QCOMPARE(b.editeur.txtEntete, QString("Nos vacances"));
    QVERIFY(!b.editeur.IndEnregistrer);
}

QTEST_MAIN(TestCommandesTexte)
#include "test_commandes_texte.moc"
