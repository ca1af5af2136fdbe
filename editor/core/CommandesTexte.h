#pragma once
// Les commandes de mise en forme du commentaire (boutons cmdRich, listes des polices et des
// tailles), la mémoire de la sélection, le relâchement de la souris qui montre les contrôles,
// le copier-coller en RTF et l'entête. Sans widget : la fenêtre passe la sélection de son
// éditeur sous forme de QTextCursor sur le document de l'Editeur, et la reprend ensuite.

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTextCursor>

class Editeur;

// Les noms de police à proposer : une entrée par famille, sans la fonderie que le système
// ajoute entre crochets quand deux fonderies livrent la même famille (« C059 [urw] »), un
// navigateur ne connaissant que « C059 » ; l'ordre du système est gardé.
QStringList FamillesDePolices(const QStringList& familles);

// Ce que la fenêtre doit montrer après un relâchement de la souris sur l'éditeur.
struct EtatControlesTexte {
    bool visibles = false;       // cmdRich 0 à 7 et les deux listes
    bool couleurVisible = false; // cmdRich 8
    QString taille;              // entrée à choisir dans comboTaille (vide : ne rien changer)
    QString police;              // entrée à choisir dans comboPolice (vide : ne rien changer)
};

class CommandesTexte {
public:
    explicit CommandesTexte(Editeur& editeur) : m_editeur(editeur) {}

    // Couleur de fond de la pastille cmdRich 8 (rouge au départ).
    QColor couleurPastille = QColor(255, 0, 0);

    // Bouton cmdRich i. La sélection est celle de l'éditeur ; elle est rendue vide, le curseur
    // en fin de texte, quand le commentaire a été validé.
    void BoutonRich(int index, QTextCursor& selection);
    void ChoixPolice(const QString& police, QTextCursor& selection);
    void ChoixTaille(const QString& taille, QTextCursor& selection);
    // Relâchement de la souris : ce qu'il faut montrer. La fenêtre place les listes (sans
    // qu'elles réagissent), puis appelle FinRelachement.
    EtatControlesTexte RelachementSouris(const QTextCursor& selection);
    void FinRelachement();

    // Le texte RTF de la sélection, pour le presse-papiers ; vide si rien n'est sélectionné.
    QString Copier(const QTextCursor& selection) const;
    // Remplace la sélection par le texte du presse-papiers, lu comme RTF (ou comme texte brut
    // quand ce n'en est pas). Un RTF inutilisable est signalé et ne change rien.
    void Coller(const QString& pressePapiers, QTextCursor& selection);

    void PerteFocusEntete(const QString& texte);

private:
    void RetrouverSelection(QTextCursor& selection, bool memoriser);
    void Valider(QTextCursor& selection);

    Editeur& m_editeur;
};
