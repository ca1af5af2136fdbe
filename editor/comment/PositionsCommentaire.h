#pragma once
// Positions de l'éditeur de commentaire telles que le programme les compte : un saut de
// paragraphe y vaut deux caractères, CR LF, alors que le document Qt n'en a qu'un (U+2029).
// Toute conversion entre les deux comptes passe par ici.

#include <QString>

#include <vector>

class QTextDocument;

class PositionsCommentaire {
public:
    explicit PositionsCommentaire(const QTextDocument& document);

    // Le texte de l'éditeur, un CR LF par saut de paragraphe. Construit à partir des blocs et
    // non de toPlainText(), qui change les espaces insécables en espaces.
    const QString& texte() const { return m_texte; }
    int longueur() const { return static_cast<int>(m_texte.size()); }
    int nombreBlocs() const { return static_cast<int>(m_debuts.size()); }

    // Une position tombant entre le CR et le LF d'un saut n'a pas d'équivalent dans le
    // document : elle va avant le saut ou après, au choix de l'appelant. Un début de sélection
    // va avant, une fin après, si bien qu'un morceau de saut emporte le saut entier.
    enum class Milieu { Avant, Apres };
    int VersDocument(int position, Milieu milieu) const;
    // Le saut lui-même donne la position de son CR.
    int VersEditeur(int positionDocument) const;

    // Tiennent le compte à jour après une modification du document faite par l'appelant,
    // sans tout relire : « longueur » caractères retirés à « position » à l'intérieur d'un bloc,
    // ou « longueur » caractères d'un bloc remplacés par un saut.
    void Retirer(int position, int longueur);
    void RemplacerParSaut(int position, int longueur);

private:
    int Bloc(int position) const;     // bloc qui contient une position de l'éditeur
    int LongueurBloc(int bloc) const; // sans son saut

    QString m_texte;
    std::vector<int> m_debuts;  // début de chaque bloc dans le document
    int m_longueurDocument = 0; // caractères du document, sauts compris
};
