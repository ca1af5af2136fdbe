// Conversions du commentaire sur des documents tirés au hasard (graine fixe) : le parcours par
// fragments donne exactement le parcours par sélections, l'aller et retour est stable, et un
// HTML abîmé ne fait jamais planter la relecture.

#include "test_conversion_outils.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QtTest>

namespace {

const QStringList Familles = {"MS Sans Serif", "Arial", "Times New Roman", "Courier New",
                              "Comic Sans MS"};
const QList<QColor> Palette = {Qt::black, Qt::red, Qt::white, QColor(0x12, 0x34, 0x56),
                               QColor(0xFE, 0xDC, 0xBA)};
const int Decalages[] = {0, 40, -40, 80};

// Des morceaux de texte qui ne forment jamais de balise, même collés à une autre : « < » est
// toujours suivi d'une espace et « > » précédé d'une espace, dans le même morceau.
const QStringList Jetons = {"a",
                            "Z",
                            "é",
                            "&",
                            "'",
                            "\"",
                            "|",
                            " ",
                            "7",
                            "< ",
                            " >",
                            QStringLiteral("\u00A0"),
                            QStringLiteral("\u2028"),
                            QStringLiteral("\U0001F600")};

struct Tirage {
    QRandomGenerator alea;

    explicit Tirage(quint32 graine) : alea(graine) {}

    int Entre(int bas, int haut) { return bas + static_cast<int>(alea.bounded(haut - bas + 1)); }

    QTextCharFormat Format() {
        QTextCharFormat f;
        if (Entre(0, 3) > 0)
            f.setFontFamilies({Familles[Entre(0, Familles.size() - 1)]});
        if (Entre(0, 3) > 0)
            f.setFontPointSize(Entre(8, 20));
        if (Entre(0, 2) > 0)
            f.setForeground(Palette[Entre(0, Palette.size() - 1)]);
        if (Entre(0, 1))
            f.setFontWeight(QFont::Bold);
        f.setFontItalic(Entre(0, 2) == 0);
        f.setFontUnderline(Entre(0, 2) == 0);
        f.setFontStrikeOut(Entre(0, 3) == 0);
        if (const int d = Decalages[Entre(0, 3)])
            PoserDecalage(f, d);
        return f;
    }

    QString Texte(int sautsMax) {
        QString texte;
        int sauts = 0;
        for (int n = Entre(0, 7); n > 0; --n) {
            if (sauts < sautsMax && Entre(0, 5) == 0) {
                texte += u'\n';
                ++sauts;
            } else {
                texte += Jetons[Entre(0, Jetons.size() - 1)];
            }
        }
        return texte;
    }

    // Assez peu de morceaux et de sauts pour rester sous les 50 balises de chaque sorte.
    void Remplir(QTextDocument& document, int morceauxMax, int sautsParMorceau) {
        QTextCursor curseur(&document);
        if (Entre(0, 1))
            curseur.setBlockCharFormat(Format());
        for (int n = Entre(0, morceauxMax); n > 0; --n)
            curseur.insertText(Texte(sautsParMorceau), Format());
    }
};

bool EstSousSuite(const QString& court, const QString& long_) {
    qsizetype j = 0;
    for (qsizetype i = 0; i < long_.size() && j < court.size(); ++i)
        if (long_[i] == court[j])
            ++j;
    return j == court.size();
}

} // namespace

class TestConversionProprietes : public QObject {
    Q_OBJECT
private slots:
    void parcoursParFragments();
    void allerRetourStable();
    void htmlAbime();
};

void TestConversionProprietes::parcoursParFragments() {
    Tirage tirage(20240611);
    for (int essai = 0; essai < 400; ++essai) {
        QTextDocument document;
        PreparerDocumentCommentaire(document);
        tirage.Remplir(document, 40, 3);
        // Des sauts dont le format diffère de leurs voisins.
        if (document.blockCount() > 2) {
            QTextCursor c(&document);
            const QTextBlock bloc = document.findBlockByNumber(1);
            c.setPosition(bloc.position() + bloc.length() - 1);
            c.setPosition(bloc.position() + bloc.length(), QTextCursor::KeepAnchor);
            c.mergeCharFormat(tirage.Format());
        }
        const QString rapide = ConvertirRichVersHTML(document);
        const QString reference = ConvertirRichVersHTMLParSelections(document);
        if (rapide != reference)
            QFAIL(qPrintable(QStringLiteral("essai %1\n%2\n%3").arg(essai).arg(rapide, reference)));
        QVERIFY(!rapide.contains(u'\r') && !rapide.contains(u'\n'));
    }
}

void TestConversionProprietes::allerRetourStable() {
    Tirage tirage(7031);
    for (int essai = 0; essai < 400; ++essai) {
        QTextDocument depart;
        PreparerDocumentCommentaire(depart);
        tirage.Remplir(depart, 10, 2);
        // L'éditeur n'a qu'une sorte de saut : un passage à la ligne collé devient une fin de
        // paragraphe (il s'écrirait « <br> », qui revient en fin de paragraphe).
        for (QTextCursor c = depart.find(QString(QChar(0x2028))); !c.isNull();
             c = depart.find(QString(QChar(0x2028)), c))
            c.insertBlock();
        const QString html = ConvertirRichVersHTML(depart);

        QTextDocument retour;
        PreparerDocumentCommentaire(retour);
        ConvertirHTMLVersRich(html, retour);
        const QString deNouveau = ConvertirRichVersHTML(retour);
        if (deNouveau != html)
            QFAIL(qPrintable(QStringLiteral("essai %1\n%2\n%3").arg(essai).arg(html, deNouveau)));

        const QString difference = DifferenceRetour(depart, retour);
        QVERIFY2(difference.isEmpty(),
                 qPrintable(QStringLiteral("essai %1 : ").arg(essai) + difference));
    }
}

// HTML valides tronqués, amputés, truffés de morceaux de balises : la relecture se termine,
// et le texte obtenu n'est fait que de caractères du HTML pris dans l'ordre.
void TestConversionProprietes::htmlAbime() {
    const QStringList Debris = {
        "<font",   " face='", "size='", "color='#",     "'",         ">",
        "</font>", "<b>",     "</b>",   "<sup>",        "</sub>",    "<br>",
        "<br",     "</",      "=",      "size='99999'", "size='-9'", "color='#GG"};
    Tirage tirage(99);
    for (int source = 0; source < 150; ++source) {
        QTextDocument depart;
        PreparerDocumentCommentaire(depart);
        tirage.Remplir(depart, 60, 3);
        const QString valide = ConvertirRichVersHTML(depart);
        for (int variante = 0; variante < 8; ++variante) {
            QString html = valide;
            const int ici = tirage.Entre(0, static_cast<int>(html.size()));
            switch (variante) {
            case 0:
                html.truncate(ici);
                break;
            case 1:
                html.remove(ici, 1);
                break;
            case 2:
                html.remove(u'\'');
                break;
            case 3:
                html.remove(u'>');
                break;
            case 4:
                for (int n = 0; n < 6; ++n)
                    html.insert(tirage.Entre(0, static_cast<int>(html.size())),
                                Debris[tirage.Entre(0, Debris.size() - 1)]);
                break;
            case 5:
                html = html.mid(ici) + html.left(ici);
                break;
            case 6:
                html = html.left(ici) + html.left(ici);
                break;
            default:
                html.remove(ici, tirage.Entre(1, 12));
                break;
            }
            QTextDocument document;
            PreparerDocumentCommentaire(document);
            ConvertirHTMLVersRich(html, document);
            QString texte = TexteEditeur(document);
            texte.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
            QVERIFY2(EstSousSuite(texte, html), qPrintable(html));
            const QString relu = ConvertirRichVersHTML(document);
            QVERIFY(!relu.contains(u'\r') && !relu.contains(u'\n'));
        }
    }
}

QTEST_MAIN(TestConversionProprietes)
#include "test_conversion_proprietes.moc"
