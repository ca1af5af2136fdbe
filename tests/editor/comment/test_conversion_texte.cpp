// Le commentaire vers le script, l'effacement d'un texte dans l'éditeur et le compte des
// positions (un saut de paragraphe y vaut CR LF).

#include "test_conversion_outils.h"

#include <QRandomGenerator>
#include <QtTest>

#include <optional>

namespace {

// Relit le contenu d'une chaîne JavaScript entre guillemets doubles comme le ferait le
// navigateur ; rien si elle n'est pas valide.
std::optional<QString> LireChaineJS(const QString& s) {
    QString sortie;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c == u'"' || c < 0x20 || c == 0x2028 || c == 0x2029)
            return std::nullopt;
        if (c != u'\\') {
            sortie += QChar(c);
            continue;
        }
        if (++i >= s.size())
            return std::nullopt;
        const char16_t e = s[i].unicode();
        if (e == u'u') {
            bool ok = false;
            const uint code = s.mid(i + 1, 4).toUInt(&ok, 16);
            if (!ok || s.mid(i + 1, 4).size() != 4)
                return std::nullopt;
            sortie += QChar(static_cast<char16_t>(code));
            i += 4;
        } else if (e == u'"' || e == u'\\' || e == u'/') {
            sortie += QChar(e);
        } else {
            return std::nullopt;
        }
    }
    return sortie;
}

} // namespace

class TestConversionTexte : public QObject {
    Q_OBJECT
private slots:
    void texteVersScript_data();
    void texteVersScript();
    void texteVersScriptHostile();
    void positions();
    void positionsVersDocument_data();
    void positionsVersDocument();
    void positionsVersEditeur_data();
    void positionsVersEditeur();
    void positionsTenuesAJour();
    void supprimerTexte_data();
    void supprimerTexte();
    void supprimerGardeLaMiseEnForme();
};

void TestConversionTexte::texteVersScript_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("script");
    QTest::newRow("vide") << ""
                          << "";
    QTest::newRow("barre verticale") << "a|b||"
                                     << "a<BR>&nbsp;b<BR>&nbsp;<BR>&nbsp;";
    QTest::newRow("guillemets") << "il a dit \"oui\""
                                << "il a dit \\\"oui\\\"";
    QTest::newRow("chemin") << "C:\\dossier"
                            << "C:\\\\dossier";
    QTest::newRow("barre inverse finale") << "fin\\"
                                          << "fin\\\\";
    QTest::newRow("guillemet échappé d'avance") << "\\\""
                                                << "\\\\\\\"";
    // Le script est un fichier à part : rien à y fermer.
    QTest::newRow("fin de script") << "</script><script>alert(1)</script>"
                                   << "</script><script>alert(1)</script>";
    QTest::newRow("fins de ligne") << "a\r\nb\tc"
                                   << "a\\u000D\\u000Ab\\u0009c";
    QTest::newRow("séparateurs Unicode") << QStringLiteral("x\u2028y\u2029") << "x\\u2028y\\u2029";
    QTest::newRow("nul et unité 1F") << QString(QChar(0)) + QChar(0x1F) << "\\u0000\\u001F";
    QTest::newRow("balises et entités intactes")
        << QStringLiteral("<font face='A'>é&amp;<br>'\u00A0\U0001F600</font>")
        << QStringLiteral("<font face='A'>é&amp;<br>'\u00A0\U0001F600</font>");
}

void TestConversionTexte::texteVersScript() {
    QFETCH(QString, texte);
    QFETCH(QString, script);
    QCOMPARE(TexteVersScript(texte), script);
}

// Des textes faits des caractères les plus gênants : le résultat est toujours une chaîne
// valide qui redonne le texte, « | » mis à part.
void TestConversionTexte::texteVersScriptHostile() {
    const QList<QChar> Genants = {u'"',  u'\\', u'/',  u'<',     u'|',      u'\'',
                                  u'\r', u'\n', u'\t', QChar(0), u'\u2028', u'\u2029',
                                  u'u',  u'a',  u'>',  u'&',     u'\u00E9', QChar(0x7F)};
    QRandomGenerator alea(4242);
    for (int essai = 0; essai < 2000; ++essai) {
        QString texte;
        for (int n = alea.bounded(12); n > 0; --n)
            texte += Genants[alea.bounded(Genants.size())];
        const auto relu = LireChaineJS(TexteVersScript(texte));
        QVERIFY2(relu.has_value(), qPrintable(TexteVersScript(texte)));
        QString attendu = texte;
        attendu.replace(u'|', QStringLiteral("<BR>&nbsp;"));
        QCOMPARE(*relu, attendu);
    }
}

// Éditeur : a0 b1 CR2 LF3 CR4 LF5 c6 fin7 ; document : a0 b1 ¶2 ¶3 c4 fin5.
void TestConversionTexte::positionsVersDocument_data() {
    QTest::addColumn<int>("editeur");
    QTest::addColumn<int>("avant");
    QTest::addColumn<int>("apres");
    QTest::newRow("a") << 0 << 0 << 0;
    QTest::newRow("b") << 1 << 1 << 1;
    QTest::newRow("CR du premier saut") << 2 << 2 << 2;
    QTest::newRow("LF du premier saut") << 3 << 2 << 3;
    QTest::newRow("CR du second saut") << 4 << 3 << 3;
    QTest::newRow("LF du second saut") << 5 << 3 << 4;
    QTest::newRow("c") << 6 << 4 << 4;
    QTest::newRow("fin") << 7 << 5 << 5;
}

void TestConversionTexte::positionsVersDocument() {
    QFETCH(int, editeur);
    QFETCH(int, avant);
    QFETCH(int, apres);
    QTextDocument document;
    Ajouter(document, {{"ab\n\nc"}});
    const PositionsCommentaire p(document);
    using M = PositionsCommentaire::Milieu;
    QCOMPARE(p.VersDocument(editeur, M::Avant), avant);
    QCOMPARE(p.VersDocument(editeur, M::Apres), apres);
}

void TestConversionTexte::positionsVersEditeur_data() {
    QTest::addColumn<int>("document");
    QTest::addColumn<int>("editeur");
    QTest::newRow("a") << 0 << 0;
    QTest::newRow("b") << 1 << 1;
    QTest::newRow("premier saut") << 2 << 2;
    QTest::newRow("second saut") << 3 << 4;
    QTest::newRow("c") << 4 << 6;
    QTest::newRow("fin") << 5 << 7;
}

void TestConversionTexte::positionsVersEditeur() {
    QFETCH(int, document);
    QFETCH(int, editeur);
    QTextDocument d;
    Ajouter(d, {{"ab\n\nc"}});
    QCOMPARE(PositionsCommentaire(d).VersEditeur(document), editeur);
}

void TestConversionTexte::positions() {
    QTextDocument document;
    Ajouter(document, {{"ab\n\nc"}});
    const PositionsCommentaire p(document);
    QCOMPARE(p.texte(), QString("ab\r\n\r\nc"));
    QCOMPARE(p.longueur(), 7);
    using M = PositionsCommentaire::Milieu;
    QCOMPARE(p.VersDocument(-3, M::Avant), 0);
    QCOMPARE(p.VersDocument(99, M::Apres), 5);
    // Les espaces insécables restent ce qu'ils sont.
    QTextDocument insecable;
    Ajouter(insecable, {{QStringLiteral("a\u00A0b")}});
    QCOMPARE(PositionsCommentaire(insecable).texte(), QStringLiteral("a\u00A0b"));
}

// Les mises à jour sans relecture donnent ce que donnerait une relecture du document modifié.
void TestConversionTexte::positionsTenuesAJour() {
    QTextDocument document;
    Ajouter(document, {{"ab<br>cd\nef<br>\ngh"}});
    PositionsCommentaire p(document);
    QTextCursor c(&document);
    using M = PositionsCommentaire::Milieu;
    auto verifier = [&] {
        const PositionsCommentaire relu(document);
        QCOMPARE(p.texte(), relu.texte());
        for (int i = 0; i <= relu.longueur(); ++i) {
            QCOMPARE(p.VersDocument(i, M::Avant), relu.VersDocument(i, M::Avant));
            QCOMPARE(p.VersDocument(i, M::Apres), relu.VersDocument(i, M::Apres));
        }
    };
    // « cd » du premier bloc, puis les deux « <br> » remplacés par des sauts.
    c.setPosition(6);
    c.setPosition(8, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    p.Retirer(6, 2);
    verifier();
    for (int fois = 0; fois < 2; ++fois) {
        const int i = static_cast<int>(p.texte().indexOf(QStringLiteral("<br>")));
        c.setPosition(p.VersDocument(i, M::Avant));
        c.setPosition(p.VersDocument(i + 4, M::Apres), QTextCursor::KeepAnchor);
        c.insertBlock();
        p.RemplacerParSaut(i, 4);
        verifier();
    }
    QCOMPARE(p.texte(), QString("ab\r\n\r\nef\r\n\r\ngh"));
}

void TestConversionTexte::supprimerTexte_data() {
    QTest::addColumn<QString>("contenu");
    QTest::addColumn<QString>("motif");
    QTest::addColumn<bool>("efface");
    QTest::addColumn<QString>("reste");
    QTest::newRow("après deux sauts") << "A\nB\nCx"
                                      << "Cx" << true << "A\r\nB\r\n";
    QTest::newRow("première occurrence seulement") << "abab"
                                                   << "ab" << true << "ab";
    QTest::newRow("à travers un saut") << "ab\ncd"
                                       << "b\r\nc" << true << "ad";
    QTest::newRow("moitié de saut : le saut entier") << "ab\ncd"
                                                     << "\n"
                                                     << true << "abcd";
    QTest::newRow("CR seul") << "ab\ncd"
                             << "b\r" << true << "acd";
    QTest::newRow("absent") << "abc"
                            << "x" << false << "abc";
    QTest::newRow("casse") << "abc"
                           << "B" << false << "abc";
    QTest::newRow("motif vide") << "abc"
                                << "" << false << "abc";
    QTest::newRow("paragraphe vide") << "a\n\nb"
                                     << "\r\n\r\n"
                                     << true << "ab";
}

void TestConversionTexte::supprimerTexte() {
    QFETCH(QString, contenu);
    QFETCH(QString, motif);
    QFETCH(bool, efface);
    QFETCH(QString, reste);
    QTextDocument document;
    Ajouter(document, {{contenu}});
    QCOMPARE(SupprimerTexte(document, TexteEditeur(document), motif), efface);
    QCOMPARE(TexteEditeur(document), reste);
}

void TestConversionTexte::supprimerGardeLaMiseEnForme() {
    QTextDocument document;
    PreparerDocumentCommentaire(document);
    QTextCharFormat italique;
    italique.setFontItalic(true);
    Ajouter(document, {{"a", Gras()}, {"<b>"}, {"z\nb", italique}});
    QVERIFY(SupprimerTexte(document, TexteEditeur(document), "<b>"));
    QCOMPARE(TexteEditeur(document), QString("az\r\nb"));
    QVERIFY(AttributsA(document, 0).gras);
    QVERIFY(!AttributsA(document, 1).gras);
    QVERIFY(AttributsA(document, 1).italique);
    QVERIFY(AttributsA(document, 4).italique);
}

QTEST_MAIN(TestConversionTexte)
#include "test_conversion_texte.moc"
