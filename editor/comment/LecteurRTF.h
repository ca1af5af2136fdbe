#pragma once
// Le lecteur du RTF collé et ce qu'il en retient, morceau par morceau.

#include <QColor>
#include <QString>
#include <QStringView>

#include <map>
#include <vector>

namespace InterneRTF {

struct EtatLu {
    int police = -1; // numéro dans la table ; -1 : pas de police
    int demiPoints = 0;
    int couleur = 0;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int decalage = 0;
    bool operator==(const EtatLu&) const = default;
};

enum class Destination { Texte, Polices, Couleurs, Ignoree };

struct Groupe {
    EtatLu car;
    Destination destination = Destination::Texte;
    int repli = 1; // \uc : caractères de repli qui suivent un \u
};

struct Morceau {
    EtatLu car;
    QString texte;
};

// Lit tout le RTF avant de toucher au document : un refus n'a ainsi rien à défaire.
class Lecteur {
public:
    explicit Lecteur(QStringView source) : src(source) {}

    bool Lire();

    std::vector<Morceau> morceaux;
    std::map<int, QString> polices;
    std::vector<QColor> couleurs;

private:
    QStringView src;
    qsizetype i = 0;
    std::vector<Groupe> pile;
    int deff = -1;
    int aSauter = 0; // caractères de repli encore à passer après un \u

    // Entrée de la table des polices en cours.
    int numeroPolice = -1;
    QString nomPolice;
    bool nomClos = true;

    // Entrée de la table des couleurs en cours.
    int rouge = 0, vert = 0, bleu = 0;
    bool couleurDefinie = false;

    Groupe& groupe() { return pile.back(); }
    bool OuvrirGroupe();
    void FermerGroupe();
    bool ControleSuivant();
    bool Mot(QStringView nom, bool avecParam, qint64 param);
    void Symbole(QChar c);
    // « separateur » : un point-virgule tapé tel quel termine une entrée de table ; écrit
    // \'3b, il fait partie du nom.
    void Recevoir(char16_t c, bool separateur = false);
    void Ajouter(char16_t c);
    void ClorePolice();
};

} // namespace InterneRTF
