#include "CommandesTexte.h"

#include "Couleurs.h"
#include "Dialogues.h"
#include "Editeur.h"
#include "Fenetres.h"
#include "FormatCommentaire.h"
#include "NombresVB.h"
#include "RTF.h"
#include "UneLigne.h"

#include <QTextDocument>

namespace {
// Vrai quand tous les caractères de la sélection ont l'attribut.
template <typename Test> bool TousOnt(const QTextCursor& selection, Test test) {
    QTextCursor c(selection.document());
    for (int p = selection.selectionStart(); p < selection.selectionEnd(); ++p) {
        c.setPosition(p);
        c.setPosition(p + 1, QTextCursor::KeepAnchor);
        if (!test(c.charFormat()))
            return false;
    }
    return selection.hasSelection();
}

int DecalageDebut(const QTextCursor& selection) {
    QTextCursor c(selection.document());
    c.setPosition(selection.selectionStart());
    c.setPosition(selection.selectionStart() + 1, QTextCursor::KeepAnchor);
    return Decalage(c.charFormat());
}

QColor CouleurDuCode(const QString& code) {
    const uint32_t v = HTMLVersCouleur(code.mid(1));
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

void Appliquer(QTextCursor& selection, const QTextCharFormat& format) {
    selection.mergeCharFormat(format);
}
} // namespace

void CommandesTexte::RetrouverSelection(QTextCursor& selection, bool memoriser) {
    if (!selection.hasSelection()) {
        const int fin = std::min(m_editeur.DebutSelection + m_editeur.LongueurSelection,
                                 selection.document()->characterCount() - 1);
        selection.setPosition(std::min(m_editeur.DebutSelection, fin));
        selection.setPosition(fin, QTextCursor::KeepAnchor);
    } else if (memoriser) {
        m_editeur.DebutSelection = selection.selectionStart();
        m_editeur.LongueurSelection = selection.selectionEnd() - selection.selectionStart();
    }
}

void CommandesTexte::Valider(QTextCursor& selection) {
    m_editeur.RichVersHTML();
    selection.movePosition(QTextCursor::End);
}

void CommandesTexte::BoutonRich(int index, QTextCursor& selection) {
    RetrouverSelection(selection, true);
    QTextCharFormat format;
    switch (index) {
    case 0:
        format.setFontItalic(
            !TousOnt(selection, [](const QTextCharFormat& f) { return f.fontItalic(); }));
        break;
    case 1:
        format.setFontUnderline(
            !TousOnt(selection, [](const QTextCharFormat& f) { return f.fontUnderline(); }));
        break;
    case 2:
        format.setFontWeight(
            TousOnt(selection,
                    [](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; })
                ? QFont::Normal
                : QFont::Bold);
        break;
    case 3:
        format.setFontStrikeOut(
            !TousOnt(selection, [](const QTextCharFormat& f) { return f.fontStrikeOut(); }));
        break;
    case 4:
        PoserDecalage(format, 40 - DecalageDebut(selection));
        break;
    case 5:
        PoserDecalage(format, -40 - DecalageDebut(selection));
        break;
    case 6:
        if (!m_editeur.fenetres)
            return;
        m_editeur.fenetres->MontrerCouleur();
        if (m_editeur.SelectionCouleurTexte.isEmpty())
            return;
        format.setForeground(CouleurDuCode(m_editeur.SelectionCouleurTexte));
        couleurPastille = m_editeur.fenetres->CouleurChoisie();
        break;
    case 7: {
        // « UNDO » : un commentaire vide, et le texte tapé ensuite sera blanc.
        selection.select(QTextCursor::Document);
        selection.removeSelectedText();
        m_editeur.EcrireTexteInfo(QString());
        selection.select(QTextCursor::Document);
        QTextCharFormat blanc;
        blanc.setForeground(QColor(255, 255, 255));
        selection.mergeBlockCharFormat(blanc);
        selection.mergeCharFormat(blanc);
        Valider(selection);
        return;
    }
    case 8:
        if (m_editeur.SelectionCouleurTexte.isEmpty())
            return;
        format.setForeground(CouleurDuCode(m_editeur.SelectionCouleurTexte));
        break;
    default:
        break;
    }
    Appliquer(selection, format);
    Valider(selection);
}

void CommandesTexte::ChoixPolice(const QString& police, QTextCursor& selection) {
    if (!m_editeur.IndFormatActif)
        return;
    RetrouverSelection(selection, false);
    QTextCharFormat format;
    format.setFontFamilies({police});
    Appliquer(selection, format);
    Valider(selection);
}

void CommandesTexte::ChoixTaille(const QString& taille, QTextCursor& selection) {
    if (!m_editeur.IndFormatActif)
        return;
    const std::optional<double> points = NombreTexte(taille);
    if (!points || *points <= 0)
        return;
    RetrouverSelection(selection, false);
    QTextCharFormat format;
    format.setFontPointSize(*points);
    Appliquer(selection, format);
    Valider(selection);
}

QStringList FamillesDePolices(const QStringList& familles) {
    QStringList r;
    for (const QString& famille : familles) {
        QString nom = famille;
        if (nom.endsWith(QLatin1Char(']'))) {
            const qsizetype crochet = nom.lastIndexOf(QStringLiteral(" ["));
            if (crochet > 0)
                nom.truncate(crochet);
        }
        nom = nom.trimmed();
        if (!nom.isEmpty() && !r.contains(nom))
            r << nom;
    }
    return r;
}

EtatControlesTexte CommandesTexte::RelachementSouris(const QTextCursor& selection) {
    EtatControlesTexte etat;
    if (!m_editeur.IndOuverture)
        return etat;
    m_editeur.IndFormatActif = false;
    if (selection.hasSelection()) {
        etat.visibles = true;
        etat.couleurVisible = !m_editeur.SelectionCouleurTexte.isEmpty();
        // Le format du premier caractère choisi, quel que soit le sens de la sélection : celui
        // du curseur serait celui du caractère d'avant pour une sélection de droite à gauche.
        QTextCursor premier(selection.document());
        premier.setPosition(selection.selectionStart());
        premier.setPosition(selection.selectionStart() + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat format = premier.charFormat();
        if (format.fontPointSize() > 0)
            etat.taille = QString::number(format.fontPointSize());
        const QStringList familles = FamillesDePolices(format.fontFamilies().toStringList());
        if (!familles.isEmpty())
            etat.police = familles.first();
    }
    return etat;
}

void CommandesTexte::FinRelachement() {
    if (m_editeur.IndOuverture)
        m_editeur.IndFormatActif = true;
}

QString CommandesTexte::Copier(const QTextCursor& selection) const {
    if (!selection.hasSelection())
        return {};
    return EcrireRTF(*selection.document(), selection.selectionStart(), selection.selectionEnd());
}

void CommandesTexte::Coller(const QString& pressePapiers, QTextCursor& selection) {
    if (!CollerContenu(pressePapiers, selection))
        m_editeur.dialogues().message(QStringLiteral("ERREUR"),
                                      QStringLiteral("Impossible de coller à cet endroit."),
                                      Boutons::OK, Icone::Aucune);
}

void CommandesTexte::PerteFocusEntete(const QString& texte) {
    // L'entête tient sur une ligne : un saut de ligne collé devient une espace.
    const QString ligne = SurUneLigne(texte, QStringLiteral(" "));
    m_editeur.Entete = ligne;
    m_editeur.txtEntete = ligne;
    m_editeur.IndEnregistrer = false;
}
