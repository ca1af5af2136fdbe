#include "NombresVB.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool estChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

// 2^63 : premier double hors de int64_t ; -2^63 en est exactement la borne basse.
constexpr double Limite = 9223372036854775808.0;

int64_t borner(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= Limite)
        return std::numeric_limits<int64_t>::max();
    if (v < -Limite)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(v);
}

} // namespace

namespace {

bool estBlanc(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

struct Lecture {
    double valeur = 0.0;
    qsizetype fin = 0;     // position qui suit le nombre lu
    bool chiffres = false; // au moins un chiffre : un nombre a bien été lu
};

// L'unique lecteur : le nombre décimal qui commence le texte (blancs de tête sautés).
Lecture Lire(const QString& texte) {
    Lecture r;
    const qsizetype n = texte.size();
    qsizetype i = 0;
    while (i < n && estBlanc(texte[i]))
        ++i;

    // Le nombre est recopié en ASCII pour from_chars, qui ne dépend pas de la locale
    // (la virgule décimale du français ne doit rien changer ici).
    std::string nombre;
    bool negatif = false;
    if (i < n && (texte[i] == u'+' || texte[i] == u'-')) {
        negatif = texte[i] == u'-';
        ++i;
    }
    int chiffres = 0;
    // Position du premier chiffre non nul par rapport à la virgule, pour le cas des
    // dépassements où from_chars ne rend rien.
    long long ordre = 0;
    bool nonNulVu = false;
    for (; i < n && estChiffre(texte[i]); ++i, ++chiffres) {
        nombre += static_cast<char>(texte[i].unicode());
        if (nonNulVu)
            ++ordre;
        else if (texte[i] != u'0') {
            nonNulVu = true;
            ordre = 1;
        }
    }
    if (i < n && texte[i] == u'.') {
        nombre += '.';
        for (++i; i < n && estChiffre(texte[i]); ++i, ++chiffres) {
            nombre += static_cast<char>(texte[i].unicode());
            if (!nonNulVu) {
                if (texte[i] != u'0')
                    nonNulVu = true;
                else
                    --ordre;
            }
        }
    }
    r.chiffres = chiffres > 0;
    if (chiffres == 0)
        return r;

    long long exposant = 0;
    if (i < n && (texte[i] == u'e' || texte[i] == u'E')) {
        qsizetype j = i + 1;
        bool expNegatif = false;
        if (j < n && (texte[j] == u'+' || texte[j] == u'-')) {
            expNegatif = texte[j] == u'-';
            ++j;
        }
        // Un « e » sans chiffre derrière ne fait pas partie du nombre.
        if (j < n && estChiffre(texte[j])) {
            nombre += expNegatif ? "e-" : "e";
            for (; j < n && estChiffre(texte[j]); ++j) {
                nombre += static_cast<char>(texte[j].unicode());
                if (exposant < 100000)
                    exposant = exposant * 10 + (texte[j].unicode() - u'0');
            }
            if (expNegatif)
                exposant = -exposant;
            i = j;
        }
    }
    r.fin = i;
    if (!nonNulVu)
        return r;

    double valeur = 0.0;
    const auto [fin, ec] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    if (ec == std::errc::result_out_of_range)
        valeur = ordre + exposant > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (ec != std::errc())
        valeur = 0.0;
    r.valeur = negatif ? -valeur : valeur;
    return r;
}

} // namespace

double ValeurTexte(const QString& texte) {
    return Lire(texte).valeur;
}

std::optional<double> ValeurTexteSiNombre(const QString& texte) {
    const Lecture l = Lire(texte);
    if (!l.chiffres)
        return std::nullopt;
    return l.valeur;
}

std::optional<double> NombreTexte(const QString& texte) {
    const Lecture l = Lire(texte);
    if (!l.chiffres || !std::isfinite(l.valeur))
        return std::nullopt;
    for (qsizetype i = l.fin; i < texte.size(); ++i)
        if (!estBlanc(texte[i]))
            return std::nullopt;
    return l.valeur;
}

std::optional<int32_t> EntierTexte(const QString& texte) {
    const auto nombre = NombreTexte(texte);
    if (!nombre)
        return std::nullopt;
    const int64_t entier = ArrondiPair(*nombre);
    if (entier < std::numeric_limits<int32_t>::min() ||
        entier > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(entier);
}

int64_t ArrondiPair(double valeur) {
    if (std::isnan(valeur) || std::isinf(valeur))
        return borner(valeur);
    // Calcul à la main plutôt que nearbyint : indépendant du mode d'arrondi courant.
    double entier = std::floor(valeur);
    const double reste = valeur - entier; // exact pour un double
    if (reste > 0.5 || (reste == 0.5 && std::fmod(entier, 2.0) != 0.0))
        entier += 1.0;
    return borner(entier);
}

int64_t Plancher(double valeur) {
    return borner(std::floor(valeur));
}
