#include "RichVersHTML.h"

#include "BalisesCommentaire.h"
#include "Couleurs.h"
#include "FormatCommentaire.h"
#include "PositionsCommentaire.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>

namespace {

using namespace BalisesCommentaire;

// « 2 » pour 10 points, « 1.5 » pour 9 : (points ÷ 2) − 3 sans zéro inutile, avec un point
// décimal quelle que soit la langue.
QString NombreTaille(int points) {
    const int64_t deuxFois = int64_t{points} - 6;
    QString texte = QString::number(deuxFois / 2);
    if (deuxFois % 2 != 0) {
        if (deuxFois < 0 && deuxFois / 2 == 0)
            texte = QStringLiteral("-0");
        texte += QStringLiteral(".5");
    }
    return texte;
}

// L'écriture du HTML, position après position, telle que l'algorithme la décrit.
class Redaction {
public:
    explicit Redaction(int n) : m_n(n) { m_html.reserve(n + 256); }

    // Balises à écrire devant la position p pour passer aux attributs a.
    void Position(int p, const AttributsCommentaire& a) {
        if (a.police != m_police || a.couleur != m_couleur || a.taille != m_taille) {
            m_police = a.police;
            m_couleur = a.couleur;
            m_taille = a.taille;
            if (p > 0)
                m_html += FinPolice;
            m_html += QStringLiteral("<font face='") + a.police + QStringLiteral("' size='") +
                      NombreTaille(a.taille) + QStringLiteral("' color='") +
                      CouleurVersHTML(a.couleur) + QStringLiteral("'>");
        }
        Basculer(m_gras, a.gras, u"<b>", u"</b>");
        Basculer(m_italique, a.italique, u"<i>", u"</i>");
        Basculer(m_souligne, a.souligne, u"<u>", u"</u>");
        Basculer(m_barre, a.barre, u"<s>", u"</s>");
        Basculer(m_exposant, a.decalage == Exposant, u"<sup>", u"</sup>");
        Basculer(m_indice, a.decalage == Indice, u"<sub>", u"</sub>");
    }

    // Le contenu de la position p : un CR qui ne termine pas le texte devient « <br> », le LF
    // ne donne rien (le saut est déjà écrit), tout autre caractère passe tel quel. Le
    // commentaire tient sur une ligne : un passage à la ligne dans un paragraphe est aussi un
    // « <br> », et les caractères de contrôle (hors tabulation) ne s'écrivent pas.
    void Caractere(int p, QChar c) {
        if (c == u'\r') {
            if (p < m_n - 2)
                m_html += Saut;
        } else if (c == QChar(0x2028) || c == QChar(0x2029)) {
            m_html += Saut;
        } else if (c != u'\n' && (c == u'\t' || c.category() != QChar::Other_Control)) {
            m_html += c;
        }
    }

    // Un morceau de texte d'un même format commençant à p.
    void Texte(int p, QStringView texte) {
        const bool simple = std::none_of(texte.begin(), texte.end(), [](QChar c) {
            return c.category() == QChar::Other_Control || c == QChar(0x2028) || c == QChar(0x2029);
        });
        if (simple) {
            m_html += texte;
            return;
        }
        for (qsizetype i = 0; i < texte.size(); ++i)
            Caractere(p + static_cast<int>(i), texte[i]);
    }

    QString Terminer() {
        m_html += Saut;
        if (m_gras)
            m_html += u"</b>";
        if (m_italique)
            m_html += u"</i>";
        if (m_souligne)
            m_html += u"</u>";
        if (m_barre)
            m_html += u"</s>";
        if (m_exposant)
            m_html += u"</sup>";
        if (m_indice)
            m_html += u"</sub>";
        m_html += FinPolice;
        return std::move(m_html);
    }

private:
    void Basculer(bool& etat, bool voulu, QStringView ouvrante, QStringView fermante) {
        if (!etat && voulu) {
            m_html += ouvrante;
            etat = true;
        } else if (etat && !voulu) {
            m_html += fermante;
            etat = false;
        }
    }

    const int m_n;
    QString m_html;
    QString m_police;
    uint32_t m_couleur = 0;
    int m_taille = 0;
    bool m_gras = false, m_italique = false, m_souligne = false, m_barre = false;
    bool m_exposant = false, m_indice = false;
};

// Le format qu'une sélection du saut de paragraphe rapporte : celui du premier caractère du
// paragraphe suivant, ou celui du saut lui-même quand ce paragraphe est vide (c'est ce que
// fait QTextCursor::charFormat). QTextBlock::charFormat() d'un bloc est celui du saut qui le
// précède.
QTextCharFormat FormatDuSaut(const QTextBlock& suivant) {
    if (suivant.length() > 1) {
        const QTextBlock::iterator debut = suivant.begin();
        if (!debut.atEnd())
            return debut.fragment().charFormat();
    }
    return suivant.charFormat();
}

} // namespace

// Un fragment de texte n'a qu'un format : ses caractères rapportent tous le même, et après le
// premier aucune balise ne change. On écrit donc les balises une fois par fragment, ce qui donne
// exactement ce que donnerait une sélection par position.
QString ConvertirRichVersHTML(const QTextDocument& document) {
    const QFont defaut = document.defaultFont();
    const int n = std::max(0, document.characterCount() - 1) + document.blockCount() - 1;
    Redaction redaction(n);
    QTextCharFormat dernier;
    int b = 0;
    for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next(), ++b) {
        const int debutBloc = bloc.position() + b;
        for (QTextBlock::iterator it = bloc.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const int p = debutBloc + fragment.position() - bloc.position();
            dernier = fragment.charFormat();
            redaction.Position(p, LireAttributs(dernier, defaut));
            redaction.Texte(p, fragment.text());
        }
        const QTextBlock suivant = bloc.next();
        if (!suivant.isValid()) {
            // Le point d'insertion à la fin : le dernier caractère, ou le saut qui précède un
            // dernier paragraphe vide (le format initial quand le document est vide).
            const QTextCharFormat fin = bloc.length() > 1 ? dernier : bloc.charFormat();
            redaction.Position(n, LireAttributs(fin, defaut));
            break;
        }
        // CR puis LF : la même sélection, donc rien ne change au LF.
        const int cr = debutBloc + bloc.length() - 1;
        redaction.Position(cr, LireAttributs(FormatDuSaut(suivant), defaut));
        redaction.Caractere(cr, u'\r');
    }
    return redaction.Terminer();
}

QString ConvertirRichVersHTMLParSelections(const QTextDocument& document) {
    const QFont defaut = document.defaultFont();
    const PositionsCommentaire positions(document);
    const int n = positions.longueur();
    Redaction redaction(n);
    // Le curseur ne fait que lire.
    QTextCursor curseur(const_cast<QTextDocument*>(&document));
    for (int p = 0; p <= n; ++p) {
        curseur.setPosition(positions.VersDocument(p, PositionsCommentaire::Milieu::Avant));
        if (p < n)
            curseur.setPosition(positions.VersDocument(p + 1, PositionsCommentaire::Milieu::Apres),
                                QTextCursor::KeepAnchor);
        redaction.Position(p, LireAttributs(curseur.charFormat(), defaut));
        if (p < n)
            redaction.Caractere(p, positions.texte()[p]);
    }
    return redaction.Terminer();
}
