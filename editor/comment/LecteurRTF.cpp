#include "LecteurRTF.h"
#include "UneLigne.h"

#include "MotsRTF.h"
#include "RTFCommun.h"

#include <algorithm>

namespace InterneRTF {

namespace {

// Au-delà, le RTF est refusé plutôt que de laisser une pile grandir sans fin.
constexpr int ProfondeurMax = 100;
// Les nombres des mots de contrôle saturent ici : aucun calcul ne peut déborder.
constexpr qint64 NombreMax = 1000000000;
constexpr int LongueurNomPoliceMax = 256;

bool EstLettre(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool EstChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}
int ValeurHexa(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

int Borner(qint64 v, int min, int max) {
    return static_cast<int>(std::clamp<qint64>(v, min, max));
}

} // namespace

bool Lecteur::OuvrirGroupe() {
    if (pile.size() >= static_cast<size_t>(ProfondeurMax))
        return false;
    pile.push_back(pile.empty() ? Groupe{} : pile.back());
    aSauter = 0;
    ++i;
    return true;
}

void Lecteur::FermerGroupe() {
    // « {\f0 Arial} » sans point-virgule : le nom vaut quand même.
    if (groupe().destination == Destination::Polices && !nomClos && !nomPolice.isEmpty())
        ClorePolice();
    pile.pop_back();
    aSauter = 0;
    ++i;
}

void Lecteur::ClorePolice() {
    if (numeroPolice >= 0)
        polices[numeroPolice] = SansControles(nomPolice).trimmed();
    nomPolice.clear();
    nomClos = true;
}

bool Lecteur::Lire() {
    while (i < src.size() && (src[i].isSpace() || src[i] == QChar(0xFEFF)))
        ++i;
    if (!src.sliced(i).startsWith(u"{\\rtf"))
        return false;
    OuvrirGroupe();
    // Le premier mot doit être \rtf lui-même, pas seulement commencer pareil.
    {
        qsizetype j = i + 1;
        while (j < src.size() && EstLettre(src[j]))
            ++j;
        if (src.sliced(i + 1, j - i - 1) != u"rtf")
            return false;
    }
    while (i < src.size()) {
        const QChar c = src[i];
        if (pile.empty()) {
            // Après la dernière accolade, seuls des blancs (ou le zéro final) sont admis.
            if (!c.isSpace() && c != QChar(0))
                return false;
            ++i;
            continue;
        }
        if (c == u'{') {
            if (!OuvrirGroupe())
                return false;
        } else if (c == u'}') {
            FermerGroupe();
        } else if (c == u'\\') {
            if (!ControleSuivant())
                return false;
        } else {
            ++i;
            // Les fins de ligne de la source ne sont que de la présentation.
            if (c == u'\r' || c == u'\n')
                continue;
            if (aSauter > 0) {
                --aSauter;
                continue;
            }
            Recevoir(c.unicode(), true);
        }
    }
    return pile.empty();
}

bool Lecteur::ControleSuivant() {
    ++i; // la barre oblique
    if (i >= src.size())
        return false;
    const QChar c = src[i];
    if (!EstLettre(c)) {
        ++i;
        if (c == u'\'') {
            if (i + 2 > src.size())
                return false;
            const int fort = ValeurHexa(src[i]);
            const int faible = ValeurHexa(src[i + 1]);
            if (fort < 0 || faible < 0)
                return false;
            i += 2;
            if (aSauter > 0) {
                --aSauter;
                return true;
            }
            Recevoir(Page().versUnicode.at(fort * 16 + faible).unicode());
            return true;
        }
        if (aSauter > 0) {
            --aSauter;
            return true;
        }
        Symbole(c);
        return true;
    }
    const qsizetype debutNom = i;
    while (i < src.size() && EstLettre(src[i]))
        ++i;
    const QStringView nom = src.sliced(debutNom, i - debutNom);
    bool negatif = false;
    if (i + 1 < src.size() && src[i] == u'-' && EstChiffre(src[i + 1])) {
        negatif = true;
        ++i;
    }
    bool avecParam = false;
    qint64 param = 0;
    while (i < src.size() && EstChiffre(src[i])) {
        avecParam = true;
        param = std::min(param * 10 + (src[i].unicode() - u'0'), NombreMax);
        ++i;
    }
    if (negatif)
        param = -param;
    if (i < src.size() && src[i] == u' ')
        ++i;
    return Mot(nom, avecParam, param);
}

void Lecteur::Symbole(QChar c) {
    switch (c.unicode()) {
    case u'\\':
    case u'{':
    case u'}':
        Recevoir(c.unicode());
        break;
    case u'*':
        // Destination facultative : nous n'en lisons aucune.
        groupe().destination = Destination::Ignoree;
        break;
    case u'~':
        Recevoir(0x00A0);
        break;
    case u'-':
        Recevoir(0x00AD);
        break;
    case u'_':
        Recevoir(0x2011);
        break;
    case u'\r':
    case u'\n':
        Recevoir(0x2029);
        break;
    default:
        break;
    }
}

bool Lecteur::Mot(QStringView nom, bool avecParam, qint64 param) {
    Groupe& g = groupe();
    if (nom == u"bin") {
        // Données binaires : à passer telles quelles, il faut qu'elles soient toutes là.
        const qint64 n = avecParam ? std::max<qint64>(param, 0) : 0;
        if (n > src.size() - i)
            return false;
        i += static_cast<qsizetype>(n);
        return true;
    }
    if (g.destination == Destination::Ignoree)
        return true;
    if (nom == u"uc") {
        g.repli = avecParam ? Borner(param, 0, 16) : 1;
        return true;
    }
    if (aSauter > 0) {
        --aSauter;
        return true;
    }
    if (nom == u"u") {
        if (!avecParam)
            return true;
        qint64 v = param;
        if (v < 0 && v >= -32768)
            v += 65536;
        if (v >= 0 && v <= 0xFFFF) {
            Recevoir(static_cast<char16_t>(v));
        } else if (v > 0xFFFF && v <= 0x10FFFF) {
            // Certains écrivent le point de code entier : on l'accepte.
            v -= 0x10000;
            Recevoir(static_cast<char16_t>(0xD800 + (v >> 10)));
            Recevoir(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        }
        aSauter = g.repli;
        return true;
    }
    if (DestinationIgnoree(nom)) {
        g.destination = Destination::Ignoree;
        return true;
    }
    switch (g.destination) {
    case Destination::Polices:
        if (nom == u"f") {
            if (!nomClos && !nomPolice.isEmpty())
                ClorePolice();
            numeroPolice = avecParam ? Borner(param, 0, static_cast<int>(NombreMax)) : -1;
            nomPolice.clear();
            nomClos = false;
        }
        return true;
    case Destination::Couleurs:
        if (nom == u"red") {
            rouge = Borner(param, 0, 255);
            couleurDefinie = true;
        } else if (nom == u"green") {
            vert = Borner(param, 0, 255);
            couleurDefinie = true;
        } else if (nom == u"blue") {
            bleu = Borner(param, 0, 255);
            couleurDefinie = true;
        }
        return true;
    case Destination::Ignoree:
    case Destination::Texte:
        break;
    }

    EtatLu& e = g.car;
    const bool actif = !avecParam || param != 0;
    if (nom == u"fonttbl") {
        g.destination = Destination::Polices;
        nomClos = true;
    } else if (nom == u"colortbl") {
        g.destination = Destination::Couleurs;
        rouge = vert = bleu = 0;
        couleurDefinie = false;
    } else if (nom == u"deff") {
        deff = avecParam ? Borner(param, 0, static_cast<int>(NombreMax)) : -1;
        e.police = deff;
    } else if (nom == u"plain") {
        e = EtatLu{};
        e.police = deff;
    } else if (nom == u"f") {
        e.police = avecParam ? Borner(param, 0, static_cast<int>(NombreMax)) : deff;
    } else if (nom == u"fs") {
        e.demiPoints = avecParam ? Borner(param, 0, DemiPointsMax) : 24;
    } else if (nom == u"cf") {
        e.couleur = avecParam ? Borner(param, 0, static_cast<int>(NombreMax)) : 0;
    } else if (nom == u"b") {
        e.gras = actif;
    } else if (nom == u"i") {
        e.italique = actif;
    } else if (nom == u"strike" || nom == u"striked") {
        e.barre = actif;
    } else if (EstSoulignement(nom)) {
        e.souligne = actif;
    } else if (nom == u"ulnone") {
        e.souligne = false;
    } else if (nom == u"up" || nom == u"dn") {
        // \up sans nombre vaut 6 demi-points ; un demi-point fait 10 twips.
        const qint64 twips = (avecParam ? param : 6) * 10;
        e.decalage = Borner(nom == u"up" ? twips : -twips, DecalageMin, DecalageMax);
    } else if (nom == u"ostdecal") {
        if (avecParam)
            e.decalage = Borner(param, DecalageMin, DecalageMax);
    } else if (nom == u"super") {
        e.decalage = 40;
    } else if (nom == u"sub") {
        e.decalage = -40;
    } else if (nom == u"nosupersub") {
        e.decalage = 0;
    } else if (const char16_t c = CaractereNomme(nom)) {
        Recevoir(c);
    }
    // Tout autre mot (\pard, \highlight, \lang...) ne change rien à ce que l'éditeur garde.
    return true;
}

void Lecteur::Recevoir(char16_t c, bool separateur) {
    switch (groupe().destination) {
    case Destination::Texte:
        Ajouter(c);
        break;
    case Destination::Polices:
        if (separateur && c == u';')
            ClorePolice();
        else if (!nomClos && nomPolice.size() < LongueurNomPoliceMax)
            nomPolice += QChar(c);
        break;
    case Destination::Couleurs:
        if (separateur && c == u';') {
            couleurs.push_back(couleurDefinie ? QColor(rouge, vert, bleu) : QColor());
            rouge = vert = bleu = 0;
            couleurDefinie = false;
        }
        break;
    case Destination::Ignoree:
        break;
    }
}

void Lecteur::Ajouter(char16_t c) {
    // Ce qui changerait la structure du document au lieu d'être du texte n'est pas repris :
    // CR et LF feraient des paragraphes, U+FDD0/U+FDD1 des cadres, U+FFFC un objet.
    if (c == 0 || c == u'\r' || c == u'\n' || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC)
        return;
    // Le commentaire n'a qu'une sorte de saut, le paragraphe (« <br> ») : un passage à la
    // ligne, que la page montrerait autrement que l'éditeur, en devient un.
    if (c == 0x2028)
        c = 0x2029;
    const EtatLu& e = groupe().car;
    if (morceaux.empty() || !(morceaux.back().car == e))
        morceaux.push_back(Morceau{e, QString()});
    morceaux.back().texte += QChar(c);
}

} // namespace InterneRTF
