// Un commentaire de 20 000 caractères en 1 000 morceaux de mise en forme : RichVersHTML et
// HTMLVersRich comparés à QTextDocument::toHtml() sur le même document, tours alternés dans la
// même exécution. Usage : bench_commentaire [nombre de tours]

#include "ConversionRiche.h"
#include "FormatCommentaire.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int NbCaracteres = 20'000;
constexpr int NbMorceaux = 1'000;
constexpr int NbSauts = 40;
constexpr double Objectif = 2.0;
constexpr double Plafond = 100.0; // ms : au-delà, l'utilisateur attend en changeant de diapo

void Remplir(QTextDocument& document) {
    const QStringList familles = {"MS Sans Serif", "Arial", "Times New Roman", "Courier New"};
    QRandomGenerator alea(1234);
    QTextCursor curseur(&document);
    const int longueur = NbCaracteres / NbMorceaux;
    for (int m = 0; m < NbMorceaux; ++m) {
        QTextCharFormat f;
        f.setFontFamilies({familles[alea.bounded(familles.size())]});
        f.setFontPointSize(8 + 2 * alea.bounded(7));
        f.setForeground(QColor::fromRgb(alea.bounded(0x1000000)));
        if (alea.bounded(2))
            f.setFontWeight(QFont::Bold);
        f.setFontItalic(alea.bounded(3) == 0);
        f.setFontUnderline(alea.bounded(4) == 0);
        if (alea.bounded(8) == 0)
            PoserDecalage(f, alea.bounded(2) ? 40 : -40);
        QString texte;
        for (int i = 0; i < longueur; ++i)
            texte += QChar(u'a' + static_cast<char16_t>(alea.bounded(26)));
        // Des mots, et de temps en temps un saut de paragraphe à la place d'un caractère.
        texte[longueur / 2] = u' ';
        if (m % (NbMorceaux / NbSauts) == 0)
            texte[longueur - 1] = u'\n';
        curseur.insertText(texte, f);
    }
}

double Mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

double Chronometrer(const std::function<void()>& travail) {
    QElapsedTimer chrono;
    chrono.start();
    travail();
    return chrono.nsecsElapsed() / 1e6;
}

const char* Verdict(double ms) {
    return ms < Plafond / 4 ? "bien sous 100 ms" : ms < Plafond ? "sous 100 ms" : "TROP LENT";
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int tours = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    QTextDocument document;
    PreparerDocumentCommentaire(document);
    Remplir(document);
    const QString html = ConvertirRichVersHTML(document);
    std::printf("Commentaire : %d caractères, %d morceaux, %d paragraphes ; HTML de %lld "
                "caractères\n",
                document.characterCount() - 1, NbMorceaux, document.blockCount(),
                static_cast<long long>(html.size()));
    if (ConvertirRichVersHTMLParSelections(document) != html) {
        std::fprintf(stderr, "bench_commentaire : ÉCHEC : les deux parcours diffèrent\n");
        return 1;
    }

    std::vector<double> rich, qt, relecture, relectureMiseEnPage, relectureQt, relectureQtPage;
    volatile qsizetype puits = 0;
    for (int t = 0; t < tours; ++t) {
        rich.push_back(
            Chronometrer([&] { puits = puits + ConvertirRichVersHTML(document).size(); }));
        qt.push_back(Chronometrer([&] { puits = puits + document.toHtml().size(); }));
        {
            QTextDocument cible;
            PreparerDocumentCommentaire(cible);
            relecture.push_back(Chronometrer([&] { ConvertirHTMLVersRich(html, cible); }));
        }
        {
            // Comme dans la fenêtre : le document a sa mise en page, refaite après la relecture.
            QTextDocument cible;
            PreparerDocumentCommentaire(cible);
            cible.setTextWidth(600);
            cible.documentLayout();
            relectureMiseEnPage.push_back(
                Chronometrer([&] { ConvertirHTMLVersRich(html, cible); }));
        }
        const QString htmlQt = document.toHtml();
        {
            QTextDocument cible;
            relectureQt.push_back(Chronometrer([&] { cible.setHtml(htmlQt); }));
        }
        {
            QTextDocument cible;
            cible.setTextWidth(600);
            cible.documentLayout();
            relectureQtPage.push_back(Chronometrer([&] { cible.setHtml(htmlQt); }));
        }
    }
    // Une fois, pour voir ce que le parcours par fragments fait gagner.
    double selections = 0;
    {
        QTextDocument* copie = document.clone();
        selections = Chronometrer(
            [&] { puits = puits + ConvertirRichVersHTMLParSelections(*copie).size(); });
        delete copie;
    }

    const double mRich = Mediane(rich), mQt = Mediane(qt), mRel = Mediane(relecture);
    const double mRelPage = Mediane(relectureMiseEnPage), mRelQt = Mediane(relectureQt);
    const double mRelQtPage = Mediane(relectureQtPage);
    std::printf("Référence : QTextDocument::toHtml() du même document, %.2f ms\n", mQt);
    std::printf("RichVersHTML : %.2f ms   rapport RichVersHTML / toHtml : %.2f (objectif <= %.1f) "
                "%s ; %s\n",
                mRich, mRich / mQt, Objectif, mRich / mQt <= Objectif ? "atteint" : "DÉPASSÉ",
                Verdict(mRich));
    std::printf("HTMLVersRich : %.2f ms   rapport HTMLVersRich / toHtml : %.2f ; %s\n", mRel,
                mRel / mQt, Verdict(mRel));
    std::printf("HTMLVersRich avec mise en page : %.2f ms   rapport / toHtml : %.2f ; %s ; "
                "setHtml(toHtml()) avec mise en page : %.2f ms (rapport %.2f)\n",
                mRelPage, mRelPage / mQt, Verdict(mRelPage), mRelQtPage, mRelPage / mRelQtPage);
    std::printf("pour comparaison : setHtml(toHtml()) %.2f ms (rapport HTMLVersRich / setHtml : "
                "%.2f) ; parcours par sélections %.1f ms (%.0f fois RichVersHTML)\n",
                mRelQt, mRel / mRelQt, selections, selections / mRich);
    std::printf("(médianes sur %d tours)\n", tours);
    return 0;
}
