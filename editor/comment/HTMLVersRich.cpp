#include "HTMLVersRich.h"
#include "UneLigne.h"

#include "Couleurs.h"
#include "FormatCommentaire.h"
#include "NombresVB.h"
#include "PositionsCommentaire.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

using namespace BalisesCommentaire;

// Au-delà, les balises restent du texte visible.
constexpr int Limite = 50;
// Tailles qu'un caractère peut recevoir ; une taille hors de ces bornes est une étape ratée.
constexpr int TailleMin = 1;
constexpr int TailleMax = 1638;

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
        police.format.setFontFamilies({SansControles(*nom)});
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
