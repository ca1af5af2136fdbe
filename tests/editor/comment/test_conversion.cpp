// Conversions du commentaire, cas par cas : les exemples du HTML attendu octet pour octet, le
// retour du HTML dans l'éditeur, les limites de 50 et les balises mal formées.

#include "test_conversion_outils.h"

#include "Editeur.h"
#include "FauxDialogues.h"

#include <QtTest>

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void allerEtRetour_data();
    void allerEtRetour();
    void editeurVide();
    void htmlVideDonneEditeurVide();
    void balisesTapees();
    void famillesEtTailles();
    void limitesDeCinquante();
    void balisesMalFormees_data();
    void balisesMalFormees();
    void editeurBranche();
};

// Chaque ligne : le contenu de l'éditeur (document préparé comme l'éditeur), le HTML exact.
void TestConversion::allerEtRetour_data() {
    QTest::addColumn<QList<Morceau>>("contenu");
    QTest::addColumn<QString>("html");
    const QString p = Police();
    QTest::newRow("Bonjour, quatre lettres en gras")
        << QList<Morceau>{{"Bon"}, {"jour", Gras()}} << p + "Bon<b>jour<br></b></font>";
    QTextCharFormat explicite;
    explicite.setFontFamilies({"MS Sans Serif"});
    explicite.setFontPointSize(10);
    explicite.setForeground(Qt::black);
    QTest::newRow("Bonjour, attributs posés explicitement")
        << QList<Morceau>{{"Bon", explicite}, {"jour", Gras(explicite)}}
        << p + "Bon<b>jour<br></b></font>";
    QTest::newRow("deux lignes") << QList<Morceau>{{"A\nB"}} << p + "A<br>B<br></font>";
    QTest::newRow("deux lignes et un saut final")
        << QList<Morceau>{{"A\nB\n"}} << p + "A<br>B<br></font>";
    QTest::newRow("lignes vides") << QList<Morceau>{{"\nA\n\n"}} << p + "<br>A<br><br></font>";
    QTest::newRow("caractères jamais échappés")
        << QList<Morceau>{{"a < b & \"c\" > 'd' |"}} << p + "a < b & \"c\" > 'd' |<br></font>";
    // Au saut, la sélection rapporte le premier caractère du paragraphe suivant : le gras se
    // ferme avant le « <br> ».
    QTest::newRow("gras jusqu'au saut")
        << QList<Morceau>{{"A\n", Gras()}, {"B"}} << p + "<b>A</b><br>B<br></font>";
    QTest::newRow("saut gras avant une ligne vide")
        << QList<Morceau>{{"A\n", Gras()}, {"\nB"}} << p + "<b>A<br></b><br>B<br></font>";
    QTest::newRow("styles dans l'ordre gras, italique, souligné, barré")
        << QList<Morceau>{{"x",
                           [] {
                               QTextCharFormat f = Gras();
                               f.setFontItalic(true);
                               f.setFontUnderline(true);
                               f.setFontStrikeOut(true);
                               return f;
                           }()}}
        << p + "<b><i><u><s>x<br></b></i></u></s></font>";
    const auto graisse = [](int poids) {
        QTextCharFormat f;
        f.setFontWeight(poids);
        return f;
    };
    QTest::newRow("gras à partir de Bold") << QList<Morceau>{{"a", graisse(QFont::DemiBold)},
                                                             {"b", graisse(QFont::Bold)},
                                                             {"c", graisse(QFont::Black)},
                                                             {"d", graisse(QFont::Normal)}}
                                           << p + "a<b>bc</b>d<br></font>";
    QTest::newRow("couleur et taille arrondies")
        << QList<Morceau>{{"a", Couleur(0x12, 0xAB, 0xEF, Taille(12.5))},
                          {"b", Couleur(0x12, 0xAB, 0xEF, Taille(13.5))}}
        << Police("MS Sans Serif", "3", "#12ABEF") + "a</font>" +
               Police("MS Sans Serif", "4", "#12ABEF") + "b<br></font>";
    QTest::newRow("tailles impaires")
        << QList<Morceau>{{"x", Taille(9)}, {"y", Taille(7)}, {"z", Taille(5)}}
        << Police("MS Sans Serif", "1.5") + "x</font>" + Police("MS Sans Serif", "0.5") +
               "y</font>" + Police("MS Sans Serif", "-0.5") + "z<br></font>";
    QTest::newRow("exposant, indice, décalage 80")
        << QList<Morceau>{{"x", Decale(40)},
                          {"y", Decale(-40)},
                          {"z", Decale(80)},
                          {"w"},
                          {"v", Decale(40)}}
        << p + "<sup>x</sup><sub>y</sub>zw<sup>v<br></sup></font>";
    // De l'indice à l'exposant, « <sup> » s'ouvre avant que « </sub> » ne ferme.
    QTest::newRow("indice puis exposant") << QList<Morceau>{{"y", Decale(-40)}, {"x", Decale(40)}}
                                          << p + "<sub>y<sup></sub>x<br></sup></font>";
    // Mal imbriqué, et gardé tel quel.
    QTest::newRow("couleur et taille changées dans le gras")
        << QList<Morceau>{{"ab", Gras()}, {"cd", Gras(Couleur(255, 0, 0))}, {"e", Gras(Taille(14))}}
        << p + "<b>ab</font>" + Police("MS Sans Serif", "2", "#FF0000") + "cd</font>" +
               Police("MS Sans Serif", "4") + "e<br></b></font>";
}

// Le HTML exact par les deux parcours, puis le retour : mêmes caractères, mêmes attributs, même
// HTML.
void TestConversion::allerEtRetour() {
    QFETCH(QList<Morceau>, contenu);
    QFETCH(QString, html);
    QTextDocument document;
    PreparerDocumentCommentaire(document);
    Ajouter(document, contenu);
    QCOMPARE(ConvertirRichVersHTML(document), html);
    QCOMPARE(ConvertirRichVersHTMLParSelections(document), html);
    QTextDocument retour;
    PreparerDocumentCommentaire(retour);
    ConvertirHTMLVersRich(html, retour);
    QCOMPARE(DifferenceRetour(document, retour), QString());
    QCOMPARE(ConvertirRichVersHTML(retour), html);
}

void TestConversion::editeurVide() {
    QTextDocument document;
    PreparerDocumentCommentaire(document);
    const QString vide = Police() + "<br></font>";
    QCOMPARE(ConvertirRichVersHTML(document), vide);
    QCOMPARE(ConvertirRichVersHTMLParSelections(document), vide);

    // Le point d'insertion d'un document vide est le format de son premier paragraphe.
    QTextCursor(&document).setBlockCharFormat(Couleur(255, 255, 255));
    QCOMPARE(ConvertirRichVersHTML(document),
             Police("MS Sans Serif", "2", "#FFFFFF") + "<br></font>");
    QCOMPARE(ConvertirRichVersHTMLParSelections(document), ConvertirRichVersHTML(document));
}

void TestConversion::htmlVideDonneEditeurVide() {
    QTextDocument document;
    PreparerDocumentCommentaire(document);
    Ajouter(document, {{"ancien\ntexte", Gras()}});
    ConvertirHTMLVersRich(QString(), document);
    QCOMPARE(document.characterCount(), 1);
    QCOMPARE(ConvertirRichVersHTML(document), Police() + "<br></font>");
}

void TestConversion::balisesTapees() {
    QTextDocument document;
    PreparerDocumentCommentaire(document);
    Ajouter(document, {{"<b>gras</b> & | <i"}});
    const QString html = ConvertirRichVersHTML(document);
    QCOMPARE(html, Police() + "<b>gras</b> & | <i<br></font>");
    ConvertirHTMLVersRich(html, document);
    QCOMPARE(TexteEditeur(document), QString("gras & | <i\r\n"));
    QVERIFY(AttributsA(document, 0).gras);
    QVERIFY(AttributsA(document, 3).gras);
    QVERIFY(!AttributsA(document, 4).gras);
    // Le « | » reste dans le HTML ; le script seul le change.
    QVERIFY(ConvertirRichVersHTML(document).contains(" | <i<br>"));
}

void TestConversion::famillesEtTailles() {
    QTextDocument document;
    PreparerDocumentCommentaire(document);
    ConvertirHTMLVersRich("a<font face='Comic Sans MS' size='7' color='#00FF80'>b</font>c",
                          document);
    QCOMPARE(TexteEditeur(document), QString("abc"));
    const AttributsCommentaire b = AttributsA(document, 1);
    QCOMPARE(b.police, QString("Comic Sans MS"));
    QCOMPARE(b.taille, 20);
    QCOMPARE(b.couleur, 0x80FF00u);
    // Hors des polices : la taille de 10 points posée partout et la police du document.
    const AttributsCommentaire a = AttributsA(document, 0);
    QCOMPARE(a.police, QString("MS Sans Serif"));
    QCOMPARE(a.taille, 10);
    // La famille lue est celle que l'on a posée, pas celle que le système a trouvée.
    QTextDocument autre;
    PreparerDocumentCommentaire(autre);
    QTextCharFormat ancien;
    ancien.setProperty(QTextFormat::FontFamily, QStringLiteral("Ancienne"));
    Ajouter(autre, {{"x", ancien}});
    QCOMPARE(AttributsA(autre, 0).police, QString("Ancienne"));
    QCOMPARE(AllerRetour(ConvertirRichVersHTML(autre)), ConvertirRichVersHTML(autre));
}

void TestConversion::limitesDeCinquante() {
    QTextDocument document;
    PreparerDocumentCommentaire(document);

    ConvertirHTMLVersRich(QString("a<br>").repeated(60), document);
    QCOMPARE(TexteEditeur(document), QString("a\r\n").repeated(50) + QString("a<br>").repeated(10));

    ConvertirHTMLVersRich(QString("<b>x</b>y").repeated(51), document);
    QCOMPARE(TexteEditeur(document), QString("xy").repeated(50) + "<b>x</b>y");
    QVERIFY(AttributsA(document, 98).gras);
    QVERIFY(!AttributsA(document, 99).gras);
    QVERIFY(!AttributsA(document, 103).gras);

    ConvertirHTMLVersRich(QString("<font face='F' size='3' color='#0000FF'>z</font>").repeated(51),
                          document);
    QCOMPARE(TexteEditeur(document),
             QString("z").repeated(50) + "<font face='F' size='3' color='#0000FF'>z</font>");
    QCOMPARE(AttributsA(document, 49).police, QString("F"));
    QCOMPARE(AttributsA(document, 49).taille, 12);
    QCOMPARE(AttributsA(document, 49).couleur, 0xFF0000u);
    QCOMPARE(AttributsA(document, 90).police, QString("MS Sans Serif"));
}

void TestConversion::balisesMalFormees_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("gras");     // « g » : caractère en gras
    QTest::addColumn<QString>("couleurs"); // « r » : caractère rouge
    QTest::newRow("fermeture sans ouverture") << "x</b>y"
                                              << "xy"
                                              << ".."
                                              << "..";
    QTest::newRow("ouverture sans fermeture") << "x<b>y"
                                              << "xy"
                                              << ".."
                                              << "..";
    QTest::newRow("fermeture avant ouverture") << "a</b>b<b>c"
                                               << "abc"
                                               << "..."
                                               << "...";
    QTest::newRow("même sorte imbriquée") << "<b>a<b>b</b>c</b>d"
                                          << "abcd"
                                          << "ggg."
                                          << "....";
    QTest::newRow("chevron manquant")
        << "<font face='A' size='2' color='#FF0000'ab"
        << "<font face='A' size='2' color='#FF0000'ab" << QString(40, '.') << QString(40, '.');
    QTest::newRow("<font tout à la fin") << "ab<font"
                                         << "ab<font"
                                         << "......."
                                         << ".......";
    QTest::newRow("sans </font>") << "<font face='A' size='2' color='#FF0000'>ab"
                                  << "ab"
                                  << ".."
                                  << "..";
    QTest::newRow("apostrophe manquante au nom")
        << "<font face=A' size='2' color='#FF0000'>ab</font>"
        << "ab"
        << ".."
        << "rr";
    QTest::newRow("guillemets doubles") << "<font face=\"A\" size=\"2\" color=\"#FF0000\">ab</font>"
                                        << "ab"
                                        << ".."
                                        << "..";
    QTest::newRow("couleur sans apostrophe finale") << "<font color='#FF0000>ab</font>"
                                                    << "ab"
                                                    << ".."
                                                    << "rr";
    QTest::newRow("taille sans nombre") << "<font size='x' color='#FF0000'>ab</font>"
                                        << "ab"
                                        << ".."
                                        << "rr";
    QTest::newRow("<br> coupé") << "a<br"
                                << "a<br"
                                << "...."
                                << "....";
}

// On vérifie le texte obtenu et, caractère par caractère, gras et couleur.
void TestConversion::balisesMalFormees() {
    QFETCH(QString, html);
    QFETCH(QString, texte);
    QFETCH(QString, gras);
    QFETCH(QString, couleurs);
    QTextDocument document;
    PreparerDocumentCommentaire(document);
    ConvertirHTMLVersRich(html, document);
    QCOMPARE(TexteEditeur(document), texte);
    for (int i = 0; i < gras.size(); ++i) {
        QCOMPARE(AttributsA(document, i).gras, gras[i] == u'g');
        QCOMPARE(AttributsA(document, i).couleur, couleurs[i] == u'r' ? 255u : 0u);
    }
}

// L'éditeur appelle bien les conversions, avec le document préparé par son constructeur.
void TestConversion::editeurBranche() {
    FauxDialogues dialogues;
    QTemporaryDir dossier;
    Editeur editeur(dialogues, dossier.path(), dossier.path() + "/secours");
    editeur.RichVersHTML();
    QCOMPARE(editeur.txtTexteInfo(), Police() + "<br></font>");
    QCOMPARE(editeur.Info[0], Police() + "<br></font>");
    Ajouter(editeur.richtxtTexteInfo, {{"g", Gras()}});
    editeur.RichVersHTML();
    QCOMPARE(editeur.txtTexteInfo(), Police() + "<b>g<br></b></font>");
    editeur.Info[0] = Police() + "a<i>b</i><br></font>";
    QVERIFY(!editeur.IndFormatActif);
    editeur.AfficherDiapo();
    QVERIFY(editeur.IndFormatActif);
    QCOMPARE(TexteEditeur(editeur.richtxtTexteInfo), QString("ab\r\n"));
    QVERIFY(AttributsA(editeur.richtxtTexteInfo, 1).italique);
    editeur.RichVersHTML();
    QCOMPARE(editeur.txtTexteInfo(), Police() + "a<i>b</i><br></font>");
}

QTEST_MAIN(TestConversion)
#include "test_conversion.moc"
