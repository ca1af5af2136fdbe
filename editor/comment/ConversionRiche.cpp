#include "ConversionRiche.h"

#include "Couleurs.h"
#include "FormatCommentaire.h"
#include "NombresVB.h"
#include "PositionsCommentaire.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <optional>
#include <vector>

const TableBalises BalisesOuvrantesCommentaire = {QStringLiteral("<i>"),   QStringLiteral("<u>"),
                                                  QStringLiteral("<b>"),   QStringLiteral("<s>"),
                                                  QStringLiteral("<sup>"), QStringLiteral("<sub>")};
const TableBalises BalisesFermantesCommentaire = {
    QStringLiteral("</i>"), QStringLiteral("</u>"),   QStringLiteral("</b>"),
    QStringLiteral("</s>"), QStringLiteral("</sup>"), QStringLiteral("</sub>")};

namespace {

// Au-delà, les balises restent du texte visible.
constexpr int Limite = 50;
constexpr int Exposant = 40;
constexpr int Indice = -40;
// Tailles qu'un caractère peut recevoir ; une taille hors de ces bornes est une étape ratée.
constexpr int TailleMin = 1;
constexpr int TailleMax = 1638;

const QString Saut = QStringLiteral("<br>");
const QString DebutPolice = QStringLiteral("<font");
const QString FinPolice = QStringLiteral("</font>");

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
    // ne donne rien (le saut est déjà écrit), tout autre caractère passe tel quel.
    void Caractere(int p, QChar c) {
        if (c == u'\r') {
            if (p < m_n - 2)
                m_html += Saut;
        } else if (c != u'\n') {
            m_html += c;
        }
    }

    // Un morceau de texte d'un même format commençant à p.
    void Texte(int p, QStringView texte) {
        if (!texte.contains(u'\r') && !texte.contains(u'\n')) {
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

QFont PoliceCommentaire() {
    QFont police;
    police.setFamilies({QStringLiteral("MS Sans Serif")});
    police.setPointSize(10);
    return police;
}

void PreparerDocumentCommentaire(QTextDocument& document) {
    document.setDefaultFont(PoliceCommentaire());
}

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

namespace {

// Le document en cours de reconstruction, avec son texte tel que l'éditeur le compte, tenu à
// jour à chaque modification plutôt que relu.
class Chantier {
public:
    explicit Chantier(QTextDocument& document)
        : m_document(document), m_positions(document), m_curseur(&document) {}

    const QString& texte() const { return m_positions.texte(); }
    int longueur() const { return m_positions.longueur(); }

    void Formater(int debut, int fin, const QTextCharFormat& format) {
        Selectionner(debut, fin);
        m_curseur.mergeCharFormat(format);
    }

    // La première occurrence du motif dans le texte courant. Chaque motif retient jusqu'où
    // il est sûr qu'il n'apparaît pas, ce qui évite de relire tout le texte à chacun des
    // cinquante tours : seule une modification peut faire naître une occurrence, et jamais à
    // plus d'une longueur de motif avant l'endroit modifié.
    int Premiere(const QString& motif) {
        auto repere = std::find_if(m_reperes.begin(), m_reperes.end(),
                                   [&](const Repere& r) { return r.motif == motif; });
        if (repere == m_reperes.end())
            repere = m_reperes.insert(m_reperes.end(), Repere{motif, 0});
        const int i = static_cast<int>(texte().indexOf(motif, repere->sansOccurrence));
        repere->sansOccurrence = i >= 0 ? i : longueur();
        return i;
    }

    void Effacer(int debut, int longueur) {
        Selectionner(debut, debut + longueur);
        const int retires = m_curseur.selectionEnd() - m_curseur.selectionStart();
        // Un effacement qui part d'un LF commence au CR, un caractère plus tôt.
        const int modifie = m_positions.VersEditeur(m_curseur.selectionStart());
        m_curseur.removeSelectedText();
        const QStringView morceau = QStringView(texte()).mid(debut, longueur);
        if (retires == longueur && !morceau.contains(u'\r') && !morceau.contains(u'\n'))
            m_positions.Retirer(debut, longueur);
        else
            m_positions = PositionsCommentaire(m_document);
        Modifie(modifie);
    }

    // SupprimerTexte sur le texte courant.
    bool Supprimer(const QString& motif) {
        if (motif.isEmpty())
            return false;
        const int i = Premiere(motif);
        if (i < 0)
            return false;
        Effacer(i, static_cast<int>(motif.size()));
        return true;
    }

    void RemplacerParSaut(int debut, int longueur) {
        Selectionner(debut, debut + longueur);
        m_curseur.insertBlock();
        m_positions.RemplacerParSaut(debut, longueur);
        Modifie(debut);
    }

private:
    struct Repere {
        QString motif;
        int sansOccurrence; // aucune occurrence ne commence avant
    };

    void Selectionner(int debut, int fin) {
        using M = PositionsCommentaire::Milieu;
        m_curseur.setPosition(m_positions.VersDocument(debut, M::Avant));
        m_curseur.setPosition(m_positions.VersDocument(fin, M::Apres), QTextCursor::KeepAnchor);
    }

    void Modifie(int position) {
        for (Repere& r : m_reperes)
            r.sansOccurrence = std::max(
                0, std::min(r.sansOccurrence, position - static_cast<int>(r.motif.size()) + 1));
    }

    QTextDocument& m_document;
    PositionsCommentaire m_positions;
    QTextCursor m_curseur;
    std::vector<Repere> m_reperes;
};

QTextCharFormat FormatDuStyle(int k) {
    QTextCharFormat format;
    switch (k) {
    case 0:
        format.setFontItalic(true);
        break;
    case 1:
        format.setFontUnderline(true);
        break;
    case 2:
        format.setFontWeight(QFont::Bold);
        break;
    case 3:
        format.setFontStrikeOut(true);
        break;
    case 4:
        PoserDecalage(format, Exposant);
        break;
    case 5:
        PoserDecalage(format, Indice);
        break;
    default:
        break;
    }
    return format;
}

void AppliquerStyle(Chantier& chantier, const QString& ouvrante, const QString& fermante,
                    const QTextCharFormat& format) {
    if (ouvrante.isEmpty() || fermante.isEmpty())
        return;
    // Les ouvertures, puis autant de fermetures, appariées dans l'ordre sans regarder
    // l'imbrication. Une fermeture introuvable le reste pour les ouvertures suivantes.
    std::vector<int> ouvertures;
    for (int i = -1; static_cast<int>(ouvertures.size()) < Limite;) {
        i = static_cast<int>(chantier.texte().indexOf(ouvrante, i + 1));
        if (i < 0)
            break;
        ouvertures.push_back(i);
    }
    int fermeture = -1;
    for (const int ouverture : ouvertures) {
        fermeture = static_cast<int>(chantier.texte().indexOf(fermante, fermeture + 1));
        if (fermeture < 0)
            break;
        const int debut = ouverture + static_cast<int>(ouvrante.size());
        if (fermeture > debut)
            chantier.Formater(debut, fermeture, format);
    }
    for (int tour = 0; tour < Limite; ++tour) {
        const bool ouvranteOtee = chantier.Supprimer(ouvrante);
        const bool fermanteOtee = chantier.Supprimer(fermante);
        // Texte inchangé : les tours suivants ne trouveraient rien de plus.
        if (!ouvranteOtee && !fermanteOtee)
            break;
    }
}

// La valeur d'un attribut : ce qui suit « nom= » et son apostrophe, jusqu'à l'apostrophe
// suivante. Sans apostrophe ouvrante ou fermante, l'attribut est ignoré.
std::optional<QString> ValeurAttribut(const QString& texte, int depuis, QStringView nom) {
    const qsizetype i = texte.indexOf(nom, depuis);
    if (i < 0)
        return std::nullopt;
    const qsizetype guillemet = i + nom.size();
    if (guillemet >= texte.size() || texte[guillemet] != u'\'')
        return std::nullopt;
    const qsizetype fin = texte.indexOf(u'\'', guillemet + 1);
    if (fin < 0)
        return std::nullopt;
    return texte.mid(guillemet + 1, fin - guillemet - 1);
}

struct Police {
    int chevron = -1; // le « > » qui ferme la balise ouvrante
    int fin = -1;     // le « </font> »
    QTextCharFormat format;
};

Police LirePolice(const QString& texte, int debut) {
    Police police;
    police.chevron = static_cast<int>(texte.indexOf(u'>', debut));
    police.fin = static_cast<int>(texte.indexOf(FinPolice, debut + 1));
    if (const auto nom = ValeurAttribut(texte, debut, u"face=")) {
        police.format.setFontFamilies({*nom});
        // Une ancienne famille posée par setFontFamily passerait sinon devant à l'affichage.
        police.format.setProperty(QTextFormat::FontFamily, *nom);
    }
    if (const auto taille = ValeurAttribut(texte, debut, u"size=")) {
        const int64_t points = ArrondiPair((ValeurTexte(*taille) + 3) * 2);
        if (points >= TailleMin && points <= TailleMax)
            police.format.setFontPointSize(static_cast<double>(points));
    }
    const qsizetype couleur = texte.indexOf(u"color=", debut);
    if (couleur >= 0 && couleur + 7 < texte.size() && texte[couleur + 6] == u'\'' &&
        texte[couleur + 7] == u'#') {
        const uint32_t c = HTMLVersCouleur(texte.mid(couleur + 8, 6));
        police.format.setForeground(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    }
    return police;
}

void AppliquerPolices(Chantier& chantier) {
    std::vector<Police> polices;
    for (int i = -1; static_cast<int>(polices.size()) < Limite;) {
        i = static_cast<int>(chantier.texte().indexOf(DebutPolice, i + 1));
        if (i < 0)
            break;
        polices.push_back(LirePolice(chantier.texte(), i));
    }
    for (const Police& police : polices) {
        if (police.chevron >= 0 && police.fin > police.chevron + 1)
            chantier.Formater(police.chevron + 1, police.fin, police.format);
    }
    for (int tour = 0; tour < Limite; ++tour) {
        bool change = false;
        const int debut = chantier.Premiere(DebutPolice);
        if (debut >= 0) {
            // La première occurrence du texte de la balise est forcément celle-ci.
            const int chevron = static_cast<int>(chantier.texte().indexOf(u'>', debut));
            if (chevron >= 0) {
                chantier.Effacer(debut, chevron - debut + 1);
                change = true;
            }
        }
        change = chantier.Supprimer(FinPolice) || change;
        if (!change)
            break;
    }
}

void AppliquerSauts(Chantier& chantier) {
    for (int tour = 0; tour < Limite; ++tour) {
        const int i = chantier.Premiere(Saut);
        if (i < 0)
            break;
        chantier.RemplacerParSaut(i, static_cast<int>(Saut.size()));
    }
}

} // namespace

void ConvertirHTMLVersRich(const QString& html, QTextDocument& document,
                           const TableBalises& ouvrantes, const TableBalises& fermantes) {
    const bool annulation = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    // Efface texte et mise en forme.
    document.clear();
    {
        // Une seule modification pour la mise en page et pour les signaux du document : le
        // texte n'est mis en page qu'une fois, à la fin.
        QTextCursor curseur(&document);
        curseur.beginEditBlock();
        // Le HTML entre tel quel, balises comprises.
        curseur.insertText(html);
        Chantier chantier(document);
        QTextCharFormat dix;
        dix.setFontPointSize(10);
        chantier.Formater(0, chantier.longueur(), dix);
        for (int k = 0; k < 6; ++k)
            AppliquerStyle(chantier, ouvrantes[k], fermantes[k], FormatDuStyle(k));
        AppliquerPolices(chantier);
        AppliquerSauts(chantier);
        curseur.endEditBlock();
    }
    document.setUndoRedoEnabled(annulation);
}

QString ChaineScript(const QString& texte, bool barreEnSaut) {
    QString script;
    script.reserve(texte.size() + texte.size() / 8 + 8);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        switch (c) {
        case u'|':
            script += barreEnSaut ? QStringView(u"<BR>&nbsp;") : QStringView(u"|");
            break;
        case u'"':
            script += u"\\\"";
            break;
        // Doublée : un commentaire finissant par « \ » mangeait le guillemet de fin de chaîne,
        // et « C:\dossier » perdait sa barre dans le navigateur.
        case u'\\':
            script += u"\\\\";
            break;
        default:
            // Une fin de ligne ou un caractère de contrôle couperait la chaîne littérale.
            if (c < 0x20 || c == 0x2028 || c == 0x2029) {
                static const char16_t Hexa[] = u"0123456789ABCDEF";
                const char16_t echappe[6] = {
                    u'\\',        u'u', Hexa[c >> 12], Hexa[(c >> 8) & 0xF], Hexa[(c >> 4) & 0xF],
                    Hexa[c & 0xF]};
                script += QStringView(echappe, 6);
            } else {
                script += QChar(c);
            }
        }
    }
    return script;
}

QString TexteVersScript(const QString& texte) {
    return ChaineScript(texte, true);
}

bool SupprimerTexte(QTextDocument& document, const QString& texte, const QString& motif) {
    if (motif.isEmpty())
        return false;
    const qsizetype i = texte.indexOf(motif);
    if (i < 0)
        return false;
    using M = PositionsCommentaire::Milieu;
    const PositionsCommentaire positions(document);
    QTextCursor curseur(&document);
    curseur.setPosition(positions.VersDocument(static_cast<int>(i), M::Avant));
    curseur.setPosition(positions.VersDocument(static_cast<int>(i + motif.size()), M::Apres),
                        QTextCursor::KeepAnchor);
    if (!curseur.hasSelection())
        return false;
    curseur.removeSelectedText();
    return true;
}
