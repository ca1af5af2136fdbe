// Le RTF du presse-papiers de l'éditeur de commentaire : copier puis coller rend la même mise en
// forme caractère par caractère, un RTF inutilisable ne touche à rien, et aucune entrée ne fait
// tomber ni boucler le lecteur.

#include "FormatCommentaire.h"
#include "RTF.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Ce qu'on pose sur un morceau de texte ; un champ laissé à zéro n'est pas posé du tout.
struct Forme {
    QString police_;
    double points_ = 0;
    QColor couleur_;
    int graisse_ = 0;
    bool italique_ = false;
    bool souligne_ = false;
    bool barre_ = false;
    int decalage_ = 0;

    Forme& police(const QString& v) {
        police_ = v;
        return *this;
    }
    Forme& points(double v) {
        points_ = v;
        return *this;
    }
    Forme& couleur(const QColor& v) {
        couleur_ = v;
        return *this;
    }
    Forme& graisse(int v) {
        graisse_ = v;
        return *this;
    }
    Forme& italique() {
        italique_ = true;
        return *this;
    }
    Forme& souligne() {
        souligne_ = true;
        return *this;
    }
    Forme& barre() {
        barre_ = true;
        return *this;
    }
    Forme& decalage(int v) {
        decalage_ = v;
        return *this;
    }
};

QTextCharFormat FormatDe(const Forme& f) {
    QTextCharFormat r;
    if (!f.police_.isEmpty())
        r.setFontFamilies({f.police_});
    if (f.points_ > 0)
        r.setFontPointSize(f.points_);
    if (f.couleur_.isValid())
        r.setForeground(f.couleur_);
    if (f.graisse_ != 0)
        r.setFontWeight(f.graisse_);
    if (f.italique_)
        r.setFontItalic(true);
    if (f.souligne_)
        r.setFontUnderline(true);
    if (f.barre_)
        r.setFontStrikeOut(true);
    if (f.decalage_ != 0)
        PoserDecalage(r, f.decalage_);
    return r;
}

void Ecrire(QTextCursor& c, const QString& texte, const Forme& f) {
    c.insertText(texte, FormatDe(f));
}

QString Decrire(QChar ch, const QTextCharFormat& f) {
    const QColor couleur =
        f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor();
    QString s = QString::number(ch.unicode(), 16);
    s += QStringLiteral(" [") + f.fontFamilies().toStringList().join(u'/') + QStringLiteral("] ");
    s += QString::number(f.fontPointSize()) + QStringLiteral("pt ");
    s += (couleur.isValid() ? couleur.name() : QStringLiteral("auto")) + u' ';
    s += QChar(f.fontWeight() > QFont::Medium ? u'g' : u'-');
    s += QChar(f.fontItalic() ? u'i' : u'-');
    s += QChar(f.fontUnderline() ? u's' : u'-');
    s += QChar(f.fontStrikeOut() ? u'b' : u'-');
    s += u' ' + QString::number(Decalage(f)) + QStringLiteral(" al") +
         QString::number(f.verticalAlignment());
    return s;
}

// Chaque position du document avec ce que l'éditeur en garde. Une fin de paragraphe porte sa
// mise en forme, que Qt rend comme celle du paragraphe suivant.
QStringList Contenu(QTextDocument& d) {
    QStringList l;
    QTextCursor c(&d);
    for (int p = 0; p < d.characterCount() - 1; ++p) {
        const QChar ch = d.characterAt(p);
        QTextCharFormat f;
        if (ch == QChar::ParagraphSeparator) {
            f = d.findBlock(p).next().charFormat();
        } else {
            c.setPosition(p);
            c.setPosition(p + 1, QTextCursor::KeepAnchor);
            f = c.charFormat();
        }
        l << Decrire(ch, f);
    }
    return l;
}

// Relu, un passage à la ligne (U+2028) devient une fin de paragraphe : le commentaire n'a
// qu'une sorte de saut.
QStringList SautsEnParagraphes(QStringList l) {
    for (QString& e : l)
        if (e.startsWith(QLatin1String("2028 ")))
            e.replace(0, 4, QStringLiteral("2029"));
    return l;
}

QString ToutRTF(const QTextDocument& d) {
    return EcrireRTF(d, 0, d.characterCount() - 1);
}

// Colle le RTF dans un document vide et rend ce qu'il contient.
QStringList Relu(const QString& rtf, bool* lu = nullptr) {
    QTextDocument d;
    QTextCursor c(&d);
    const bool ok = LireRTF(rtf, c);
    if (lu)
        *lu = ok;
    return Contenu(d);
}

const QColor Rouge(255, 0, 0);
const QColor Bleu(0, 0, 200);

// Tout ce que l'éditeur sait poser, et les caractères qui demandent une écriture à part.
void RemplirRiche(QTextDocument& d) {
    QTextCursor c(&d);
    Ecrire(c, QStringLiteral("Titre "),
           Forme().police("Arial").points(14).couleur(Rouge).graisse(QFont::Bold));
    Ecrire(c, QStringLiteral("été "),
           Forme().police("Times New Roman").points(12).italique().souligne());
    Ecrire(c, QStringLiteral("x"), Forme().police("Arial").points(12).decalage(40));
    Ecrire(c, QStringLiteral("2"), Forme().police("Arial").points(12).decalage(-40));
    Ecrire(c, QStringLiteral("3"), Forme().decalage(80));
    Ecrire(c, QStringLiteral("n"), Forme().decalage(30));
    Ecrire(c, QStringLiteral("m"), Forme().decalage(35));
    Ecrire(c, QStringLiteral("k"), Forme().decalage(-15));
    Ecrire(c, QStringLiteral("{\\}"), Forme().police("Courier New").couleur(Bleu).barre());
    // Lettres, chiffres, tiret et espace juste après un mot de contrôle.
    Ecrire(c, QStringLiteral(" 12-3 ab"), Forme().graisse(QFont::Bold));
    Ecrire(c, QStringLiteral("\t|\u2028|"), Forme().points(10.5));
    Ecrire(c, QStringLiteral("\u2029"), Forme().points(20).couleur(Bleu));
    Ecrire(c, QStringLiteral("αβγ Ω "), Forme().police("DejaVu Sans").points(9));
    Ecrire(c, QStringLiteral("😀"), Forme().points(16));
    Ecrire(c, QStringLiteral("€œŸÿ"), Forme().souligne());
    Ecrire(c, QStringLiteral("\u2029\u2029"), Forme().points(8));
    // Plus de taille après des tailles : rien de posé.
    Ecrire(c, QStringLiteral("brut"), Forme());
    Ecrire(c, QStringLiteral("fin"),
           Forme()
               .police("Fonte;à{b}\\")
               .points(11)
               .couleur(QColor(1, 2, 3))
               .graisse(QFont::Bold)
               .italique()
               .souligne()
               .barre()
               .decalage(-80));
    Ecrire(c, QStringLiteral("demi"), Forme().graisse(QFont::DemiBold));
    Ecrire(c, QStringLiteral("\u2029"), Forme());
    Ecrire(c, QStringLiteral("dernier"), Forme().police("Arial").couleur(Rouge));
}

struct Cliche {
    QStringList contenu;
    int revision;
    int annulations;
    int ancre;
    int position;
    bool operator==(const Cliche&) const = default;
};

Cliche Photographier(QTextDocument& d, const QTextCursor& c) {
    return {Contenu(d), d.revision(), d.availableUndoSteps(), c.anchor(), c.position()};
}

// Ce qui remplit le document source d'un essai.
using Remplissage = std::function<void(QTextDocument&)>;

} // namespace

Q_DECLARE_METATYPE(Remplissage)

class TestRTF : public QObject {
    Q_OBJECT
private slots:
    void copierCollerRendLaMemeMiseEnForme_data();
    void copierCollerRendLaMemeMiseEnForme();
    void selectionAuMilieuDesMorceaux();
    void collerRemplaceLaSelection();
    void lesAutresLecteursComprennent();
    void rtfDAutresProgrammes();
    void texteOrdinaire();
    void rtfInutilisableNeToucheARien_data();
    void rtfInutilisableNeToucheARien();
    void valeursExtremesBornees();
    void entreesAleatoiresSansDommage();
};

void TestRTF::copierCollerRendLaMemeMiseEnForme_data() {
    QTest::addColumn<Remplissage>("remplir");
    QTest::newRow("riche") << Remplissage(RemplirRiche);
    QTest::newRow("texte sans mise en forme")
        << Remplissage([](QTextDocument& d) { d.setPlainText("a\nb {c} \\d"); });
    QTest::newRow("paragraphes vides en tête") << Remplissage([](QTextDocument& d) {
        QTextCursor c(&d);
        Ecrire(c, QStringLiteral("\u2029\u2029x"), Forme().points(30).decalage(5));
    });
    QTest::newRow("une police seulement sans nom") << Remplissage([](QTextDocument& d) {
        QTextCursor c(&d);
        Ecrire(c, QStringLiteral("a"), Forme().points(12));
        Ecrire(c, QStringLiteral("b"), Forme().police("Arial").points(12));
    });
}

void TestRTF::copierCollerRendLaMemeMiseEnForme() {
    QFETCH(Remplissage, remplir);
    QTextDocument source;
    remplir(source);
    const QStringList attendu = SautsEnParagraphes(Contenu(source));
    bool lu = false;
    const QStringList obtenu = Relu(ToutRTF(source), &lu);
    QVERIFY(lu);
    if (obtenu != attendu)
        qWarning() << QTest::currentDataTag() << ToutRTF(source);
    QCOMPARE(obtenu, attendu);
}

void TestRTF::selectionAuMilieuDesMorceaux() {
    QTextDocument source;
    RemplirRiche(source);
    const QStringList tout = Contenu(source);
    const int n = static_cast<int>(tout.size());
    for (int debut = 0; debut <= n; debut += 3) {
        for (int fin = debut; fin <= n; fin += 4) {
            QTextCursor selection(&source);
            selection.setPosition(fin);
            selection.setPosition(debut, QTextCursor::KeepAnchor); // à rebours exprès
            QCOMPARE(Relu(EcrireRTF(selection)), SautsEnParagraphes(tout.mid(debut, fin - debut)));
        }
    }
    // Bornes à l'envers ou hors du document : remises dans l'ordre et dans le document.
    QCOMPARE(Relu(EcrireRTF(source, 9, 2)), tout.mid(2, 7));
    QCOMPARE(Relu(EcrireRTF(source, -5, n + 50)), SautsEnParagraphes(tout));
    QCOMPARE(Relu(EcrireRTF(source, 4, 4)), QStringList());
}

void TestRTF::collerRemplaceLaSelection() {
    QTextDocument morceau;
    {
        QTextCursor c(&morceau);
        Ecrire(c, QStringLiteral("X\u2029"), Forme().police("Arial").graisse(QFont::Bold));
        Ecrire(c, QStringLiteral("y"), Forme().points(18).decalage(-40));
    }
    const QString rtf = ToutRTF(morceau);
    const QStringList colle = Contenu(morceau);

    QTextDocument d;
    QTextCursor c(&d);
    Ecrire(c, QStringLiteral("avant "), Forme().police("Times New Roman").italique());
    Ecrire(c, QStringLiteral("MILIEU"), Forme().points(40));
    Ecrire(c, QStringLiteral(" après"), Forme().couleur(Bleu).decalage(40));
    d.clearUndoRedoStacks();
    const QStringList avant = Contenu(d);

    c.setPosition(6);
    c.setPosition(12, QTextCursor::KeepAnchor);
    QVERIFY(CollerContenu(rtf, c));
    QCOMPARE(Contenu(d), avant.mid(0, 6) + colle + avant.mid(12));
    QCOMPARE(c.position(), 6 + colle.size());
    QVERIFY(!c.hasSelection());

    // Une seule étape à annuler remet le document d'avant.
    d.undo();
    QCOMPARE(Contenu(d), avant);
    QVERIFY(!d.isUndoAvailable());

    // Sans sélection : insertion à l'endroit du curseur, rien d'enlevé.
    QTextCursor ici(&d);
    ici.setPosition(3);
    QVERIFY(LireRTF(rtf, ici));
    QCOMPARE(Contenu(d), avant.mid(0, 3) + colle + avant.mid(3));
}

void TestRTF::lesAutresLecteursComprennent() {
    QTextDocument d;
    QTextCursor c(&d);
    Ecrire(c, QStringLiteral("a"), Forme().police("Arial").points(12).decalage(40));
    Ecrire(c, QStringLiteral("b"), Forme().police("Arial").points(12).decalage(-40));
    Ecrire(c, QStringLiteral("c"), Forme().police("Arial").points(12).decalage(80));
    Ecrire(c, QStringLiteral("d"), Forme().police("Arial").points(12).decalage(30));
    Ecrire(c, QStringLiteral("e"), Forme().police("Arial").points(12).decalage(35));
    Ecrire(c, QStringLiteral("éΩ😀€{}\\\u2029"), Forme().police("Arial").points(12));
    Ecrire(c, QStringLiteral("f"), Forme().police("Arial").points(12).couleur(Rouge));
    const QString rtf = ToutRTF(d);

    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}"));
    QVERIFY(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;}"));
    QVERIFY(rtf.contains("\\fs24"));
    // \up et \dn en demi-points ; seul ce qui n'en est pas un nombre entier a besoin de plus.
    QVERIFY(rtf.contains("\\up4 a"));
    QVERIFY(rtf.contains("\\dn4 b"));
    QVERIFY(rtf.contains("\\up8 c"));
    QVERIFY(rtf.contains("\\up3 d"));
    QVERIFY(rtf.contains("e"));
    QCOMPARE(rtf.count("\\ostdecal"), 1);
    QVERIFY(rtf.contains("\\ostdecal35 e"));
    QVERIFY(rtf.contains("\\'e9"));
    QVERIFY(rtf.contains("\\'80"));
    QVERIFY(rtf.contains("\\u937?"));
    QVERIFY(rtf.contains("\\u-10179?\\u-8704?"));
    QVERIFY(rtf.contains("\\{\\}\\\\"));
    QVERIFY(rtf.contains("\\par"));
    QVERIFY(rtf.endsWith('}'));
    // Du RTF est de l'ASCII : il passe par n'importe quel presse-papiers.
    for (const QChar ch : rtf)
        QVERIFY2(ch.unicode() >= 0x20 ? ch.unicode() < 0x7F : ch == u'\n',
                 qPrintable(QString::number(ch.unicode())));
}

void TestRTF::rtfDAutresProgrammes() {
    const QString rtf = QStringLiteral(
        "\r\n {\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1036"
        "{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
        "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman{\\*\\falt Times};}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
        "{\\stylesheet{\\s0 Normal;}}{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\f0\\fs22\\lang12 Bon\\b gras\\b0  \\i it\\i0 \\ul so\\ul0 \\uldb "
        "do\\ulnone\\strike ba\\strike0\\cf1 ro\\cf0\\highlight2 fo\\highlight0\\par\r\n"
        "\\f1\\fs28 \\'e9\\u8364\\'80\\u945?\\line a\\tab b\\super 2\\nosupersub\\sub i"
        "\\nosupersub\\up6 h\\dn0 \\f9 z\\cf7 w\\plain p\\uc2\\u946\\'3f\\'3fq\\par\r\n"
        "{\\field{\\*\\fldinst{HYPERLINK \"http://x\"}}{\\fldrslt{\\ul\\cf2 lien}}}"
        "{\\pict\\wmetafile8 01ff}{\\*\\inconnu {cach\\'e9}}{\\inconnu vu}\\emdash\\~\\_}\r\n");
    QVERIFY(EstRTF(rtf));
    QTextDocument d;
    QTextCursor c(&d);
    QVERIFY(LireRTF(rtf, c));
    // L'espace qui suit un mot de contrôle le termine : elle n'est pas du texte.
    QCOMPARE(d.toRawText(), QStringLiteral("Bongras itsodobarofo\u2029"
                                           "é€α\u2029a\tb2ihzwpβq\u2029"
                                           "lienvu—\u00A0\u2011"));
    const QStringList l = Contenu(d);
    const auto a = [&](int p) { return l.at(p).section(u' ', 1); };
    QCOMPARE(a(0), QStringLiteral("[Calibri] 11pt auto ---- 0 al0"));
    QCOMPARE(a(3), QStringLiteral("[Calibri] 11pt auto g--- 0 al0"));
    QCOMPARE(a(7), QStringLiteral("[Calibri] 11pt auto ---- 0 al0"));
    QCOMPARE(a(8), QStringLiteral("[Calibri] 11pt auto -i-- 0 al0"));
    QCOMPARE(a(10), QStringLiteral("[Calibri] 11pt auto --s- 0 al0"));
    QCOMPARE(a(12), QStringLiteral("[Calibri] 11pt auto --s- 0 al0")); // \uldb
    QCOMPARE(a(14), QStringLiteral("[Calibri] 11pt auto ---b 0 al0"));
    QCOMPARE(a(16), QStringLiteral("[Calibri] 11pt #ff0000 ---- 0 al0"));
    QCOMPARE(a(18), QStringLiteral("[Calibri] 11pt auto ---- 0 al0")); // surlignage ignoré
    QCOMPARE(a(21), QStringLiteral("[Times New Roman] 14pt auto ---- 0 al0"));
    QCOMPARE(a(28), QStringLiteral("[Times New Roman] 14pt auto ---- 40 al1"));  // \super
    QCOMPARE(a(29), QStringLiteral("[Times New Roman] 14pt auto ---- -40 al2")); // \sub
    QCOMPARE(a(30), QStringLiteral("[Times New Roman] 14pt auto ---- 60 al1"));  // \up6
    // Police et couleur absentes des tables : rien de posé plutôt qu'un refus.
    QCOMPARE(a(31), QStringLiteral("[] 14pt auto ---- 0 al0"));
    QCOMPARE(a(32), QStringLiteral("[] 14pt auto ---- 0 al0"));
    QCOMPARE(a(33), QStringLiteral("[Calibri] 0pt auto ---- 0 al0")); // \plain
    QCOMPARE(a(35), QStringLiteral("[Calibri] 0pt auto ---- 0 al0"));
    QCOMPARE(a(37), QStringLiteral("[Calibri] 0pt #004dbb --s- 0 al0")); // lien
    QCOMPARE(a(41), QStringLiteral("[Calibri] 0pt auto ---- 0 al0"));
}

void TestRTF::texteOrdinaire() {
    QVERIFY(EstRTF(QStringLiteral(" \t\r\n{\\rtf1 x}")));
    QVERIFY(EstRTF(QStringLiteral("{\\rtf")));
    QVERIFY(!EstRTF(QStringLiteral("x{\\rtf1 x}")));
    QVERIFY(!EstRTF(QStringLiteral("{\\RTF1 x}")));
    QVERIFY(!EstRTF(QStringLiteral("{rtf1 x}")));
    QVERIFY(!EstRTF(QString()));

    QTextDocument d;
    QTextCursor c(&d);
    Ecrire(c, QStringLiteral("abc"), Forme().police("Arial").graisse(QFont::Bold));
    c.setPosition(1);
    c.setPosition(2, QTextCursor::KeepAnchor);
    // Du texte qui ne commence pas par « {\rtf » se colle tel quel, dans la forme du curseur.
    QVERIFY(CollerContenu(QStringLiteral("l1 {\\b x}\r\nl2"), c));
    QCOMPARE(d.toPlainText(), QStringLiteral("al1 {\\b x}\nl2c"));
    const QStringList l = Contenu(d);
    for (const QString& car : l)
        QCOMPARE(car.section(u' ', 1), l.first().section(u' ', 1));
    // Un texte RTF inutilisable n'est pas collé comme texte.
    QVERIFY(!CollerContenu(QStringLiteral("{\\rtf1 tronqué"), c));
    QCOMPARE(Contenu(d), l);
}

void TestRTF::rtfInutilisableNeToucheARien_data() {
    QTest::addColumn<QString>("rtf");
    QTest::newRow("pas du RTF") << QStringLiteral("bonjour");
    QTest::newRow("vide") << QString();
    QTest::newRow("accolade manquante") << QStringLiteral("{\\rtf1 abc");
    QTest::newRow("tronqué dans les polices") << QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Ari");
    QTest::newRow("accolade en trop") << QStringLiteral("{\\rtf1 abc}}");
    QTest::newRow("texte après la fin") << QStringLiteral("{\\rtf1 abc} suite");
    QTest::newRow("101 groupes") << QStringLiteral("{\\rtf1") + QString(100, u'{') + u'x' +
                                        QString(100, u'}') + u'}';
    QTest::newRow("hexa invalide") << QStringLiteral("{\\rtf1 \\'zz}");
    QTest::newRow("hexa tronqué") << QStringLiteral("{\\rtf1 \\'e}");
    QTest::newRow("binaire plus long que le texte") << QStringLiteral("{\\rtf1 \\bin999 abc}");
    QTest::newRow("barre oblique finale") << QStringLiteral("{\\rtf1 abc\\");
    QTest::newRow("autre premier mot") << QStringLiteral("{\\rtfx abc}");
    QTest::newRow("entête seule") << QStringLiteral("{\\rtf");
}

void TestRTF::rtfInutilisableNeToucheARien() {
    QFETCH(QString, rtf);
    QTextDocument d;
    RemplirRiche(d);
    QTextCursor c(&d);
    c.setPosition(4);
    c.setPosition(20, QTextCursor::KeepAnchor);
    const Cliche avant = Photographier(d, c);
    const QString texte = d.toRawText();
    QVERIFY(!LireRTF(rtf, c));
    QCOMPARE(d.toRawText(), texte);
    QVERIFY(Photographier(d, c) == avant);
    QCOMPARE(Contenu(d), avant.contenu);
}

void TestRTF::valeursExtremesBornees() {
    bool lu = false;
    // Juste sous la limite d'imbrication : accepté.
    QCOMPARE(
        Relu(QStringLiteral("{\\rtf1") + QString(99, u'{') + u'x' + QString(99, u'}') + u'}', &lu)
            .size(),
        1);
    QVERIFY(lu);

    QTextDocument d;
    QTextCursor c(&d);
    QVERIFY(LireRTF(QStringLiteral("{\\rtf1{\\colortbl;\\red999999999999\\green-5\\blue7;}"
                                   "\\fs99999999999999999999 a\\fs-3 b\\up99999999999 c"
                                   "\\dn99999999999 d\\ostdecal-7 e\\f123456789012 f"
                                   "\\cf99999999999 g\\cf1 h\\u99999999999 i\\u-99999?j"
                                   "\\u0?\\u-1?\\u128512?\\uc999999\\u945 klmnopqrstuvwxyzGH"
                                   "{\\bin0 k}{\\b\\bin3 }{x z}}"),
                    c));
    // \u hors de toute valeur : pas de caractère, mais son repli est passé quand même.
    QCOMPARE(d.toRawText(),
             QStringLiteral("abcdefghj") + QChar(0xFFFF) + QStringLiteral("😀αGHk z"));
    const QStringList l = Contenu(d);
    const auto a = [&](int p) { return l.at(p).section(u' ', 1); };
    QCOMPARE(a(0), QStringLiteral("[] 1638pt auto ---- 0 al0"));
    QCOMPARE(a(1), QStringLiteral("[] 0pt auto ---- 0 al0"));
    QCOMPARE(a(2), QStringLiteral("[] 0pt auto ---- 32767 al1"));
    QCOMPARE(a(3), QStringLiteral("[] 0pt auto ---- -32768 al2"));
    QCOMPARE(a(4), QStringLiteral("[] 0pt auto ---- -7 al2"));
    QCOMPARE(a(5), QStringLiteral("[] 0pt auto ---- -7 al2"));
    QCOMPARE(a(6), QStringLiteral("[] 0pt auto ---- -7 al2"));
    QCOMPARE(a(7), QStringLiteral("[] 0pt #ff0007 ---- -7 al2"));
    // Données binaires : même des accolades y sont passées sans être comptées.
    QCOMPARE(a(l.size() - 1), QStringLiteral("[] 0pt #ff0007 g--- -7 al2"));
}

void TestRTF::entreesAleatoiresSansDommage() {
    const int essais = qEnvironmentVariableIsSet("OSTRELLE_ESSAIS_RTF")
                           ? qEnvironmentVariableIntValue("OSTRELLE_ESSAIS_RTF")
                           : 3000;
    QTextDocument base;
    RemplirRiche(base);
    const QString valide = ToutRTF(base);
    const QStringList contenuBase = Contenu(base);

    // Chaque entrée est collée sur une sélection du document riche : refusée, rien ne bouge ;
    // acceptée, le reste du document est intact et le résultat se recopie à l'identique.
    int acceptes = 0;
    const auto essayer = [&](const QString& entree, int debut, int fin) -> QString {
        std::unique_ptr<QTextDocument> d(base.clone());
        QTextCursor c(d.get());
        c.setPosition(debut);
        c.setPosition(fin, QTextCursor::KeepAnchor);
        const Cliche avant = Photographier(*d, c);
        if (!LireRTF(entree, c))
            return Photographier(*d, c) == avant ? QString() : QStringLiteral("refus qui touche");
        ++acceptes;
        const QStringList apres = Contenu(*d);
        const int colles = c.position() - debut;
        if (apres.mid(0, debut) != contenuBase.mid(0, debut) ||
            apres.mid(debut + colles) != contenuBase.mid(fin))
            return QStringLiteral("hors de la sélection");
        const QStringList relu = Relu(ToutRTF(*d));
        const QStringList attendu = SautsEnParagraphes(apres);
        for (qsizetype p = 0; p < std::max(relu.size(), attendu.size()); ++p)
            if (relu.value(p) != attendu.value(p))
                return QStringLiteral("recopie à %1 : %2 au lieu de %3")
                    .arg(p)
                    .arg(relu.value(p), attendu.value(p));
        return QString();
    };

    // Tout début strict d'un RTF valide est tronqué, donc refusé.
    for (int n = 0; n < valide.size(); ++n)
        QCOMPARE(essayer(valide.left(n), 3, 9), QString());
    QCOMPARE(acceptes, 0);

    QRandomGenerator hasard(20240611);
    const QStringList jetons = {
        "{",          "}",        "\\",     "\\'",     "\\'e9",     "\\u",         "\\u-",
        "\\uc",       "\\b",      "\\f",    "\\fs",    "\\cf",      "\\up",        "\\dn",
        "\\*",        "\\bin",    "\\par",  "\\plain", "\\fonttbl", "\\colortbl",  "\\red",
        "\\ostdecal", "\\line",   "0",      "1",       "9",         "99999999999", "-",
        ";",          " ",        "a",      "Z",       "é",         "😀",           "\r\n",
        "\\tab",      "{\\*\\x ", "\\deff", "\\'"};
    const int taille = static_cast<int>(contenuBase.size());
    for (int k = 0; k < essais; ++k) {
        QString entree;
        switch (k % 3) {
        case 0: { // octets au hasard, avec ou sans entête
            const int n = hasard.bounded(200);
            if (hasard.bounded(2))
                entree = QStringLiteral("{\\rtf1 ");
            for (int j = 0; j < n; ++j)
                entree += QChar(static_cast<char16_t>(hasard.bounded(256)));
            break;
        }
        case 1: { // soupe de morceaux de RTF
            entree = QStringLiteral("{\\rtf1");
            const int n = hasard.bounded(60);
            for (int j = 0; j < n; ++j)
                entree += jetons[hasard.bounded(static_cast<int>(jetons.size()))];
            if (hasard.bounded(4))
                entree += u'}';
            break;
        }
        default: { // RTF valide retouché ici et là
            entree = valide;
            const int n = 1 + hasard.bounded(4);
            for (int j = 0; j < n; ++j) {
                const int p = hasard.bounded(static_cast<int>(entree.size()));
                const QString jeton = jetons[hasard.bounded(static_cast<int>(jetons.size()))];
                switch (hasard.bounded(3)) {
                case 0:
                    entree.remove(p, 1 + hasard.bounded(8));
                    break;
                case 1:
                    entree.insert(p, jeton);
                    break;
                default:
                    entree.replace(p, 1, jeton);
                    break;
                }
            }
            break;
        }
        }
        const int debut = hasard.bounded(taille + 1);
        const int fin = debut + hasard.bounded(taille - debut + 1);
        const QString raison = essayer(entree, debut, fin);
        QVERIFY2(raison.isEmpty(), qPrintable(raison + u'\n' + entree));
    }
    // Le tirage doit aussi produire des entrées acceptées, sinon il ne vérifie que les refus.
    QVERIFY(acceptes > essais / 20);
}

QTEST_MAIN(TestRTF)
#include "test_rtf.moc"
