#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// 0x80 à 0x9F : là seulement la page de code diffère de Latin-1. Les cinq octets non définis
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) donnent les caractères de contrôle de même numéro, pour
// qu'aucun octet ne soit perdu à la relecture.
constexpr std::array<char16_t, 32> Plage80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr std::array<char16_t, 256> construireTable() {
    std::array<char16_t, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<char16_t>(i);
    for (int i = 0; i < 32; ++i)
        t[0x80 + i] = Plage80[i];
    return t;
}
constexpr std::array<char16_t, 256> VersUnicode = construireTable();

struct Inverse {
    char16_t unicode;
    unsigned char octet;
};

// Caractères au-delà de U+00FF que la page de code sait écrire, triés pour la recherche.
constexpr std::array<Inverse, 27> construireInverse() {
    std::array<Inverse, 27> inv{};
    int n = 0;
    for (int i = 0; i < 32; ++i)
        if (Plage80[i] > 0xFF)
            inv[n++] = {Plage80[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(inv.begin(), inv.end(),
              [](const Inverse& a, const Inverse& b) { return a.unicode < b.unicode; });
    return inv;
}
constexpr std::array<Inverse, 27> DepuisUnicode = construireInverse();

// L'octet qui écrit ce caractère, ou -1 s'il faut une référence.
int octetPour(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    if (c <= 0x9F) // seuls les cinq octets non définis se relisent en contrôle C1
        return VersUnicode[c] == c ? static_cast<int>(c) : -1;
    if (c > 0xFFFF)
        return -1;
    const auto it = std::lower_bound(
        DepuisUnicode.begin(), DepuisUnicode.end(), c,
        [](const Inverse& e, char32_t v) { return static_cast<char32_t>(e.unicode) < v; });
    return (it != DepuisUnicode.end() && it->unicode == c) ? it->octet : -1;
}

// Écrit « &#N; » en d ; rend le nombre d'octets écrits (dix au plus).
int ecrireReference(char* d, char32_t c) {
    char chiffres[8]; // U+10FFFF s'écrit en sept chiffres
    int k = 0;
    do {
        chiffres[k++] = static_cast<char>('0' + c % 10);
        c /= 10;
    } while (c != 0);
    int n = 0;
    d[n++] = '&';
    d[n++] = '#';
    while (k > 0)
        d[n++] = chiffres[--k];
    d[n++] = ';';
    return n;
}

// Reconnaît « &#N; » à la position i (p[0] == '&'). Seule la forme que produit l'encodeur est
// acceptée (pas de zéro de tête) : ainsi relire puis réécrire rend les mêmes octets, et
// « &#0937; » tapé tel quel reste du texte. « &#38; » est l'esperluette qui commence, dans le
// texte, une suite que la relecture prendrait pour une référence (voir l'encodeur).
// Rend le caractère et la longueur de la référence, ou 0 si ce n'en est pas une à convertir.
template <typename Car> int lireReference(const Car* p, qsizetype reste, char32_t& c) {
    if (reste < 4 || p[1] != '#')
        return 0;
    if (p[2] < '1' || p[2] > '9')
        return 0;
    char32_t v = 0;
    int i = 2;
    while (i < reste && i < 2 + 7 && p[i] >= '0' && p[i] <= '9') {
        v = v * 10 + static_cast<char32_t>(p[i] - '0');
        ++i;
    }
    if (i >= reste || p[i] != ';')
        return 0;
    if (v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF))
        return 0;
    // Un caractère que la page de code sait écrire n'a pas pu venir de l'encodeur, sauf
    // l'esperluette protégée.
    if (v != u'&' && octetPour(v) >= 0)
        return 0;
    c = v;
    return i + 1;
}

} // namespace

QByteArray EncoderWindows1252(const QString& texte) {
    const char16_t* p = reinterpret_cast<const char16_t*>(texte.utf16());
    const qsizetype n = texte.size();
    // Un octet par caractère dans le cas courant ; on n'agrandit qu'à la rencontre d'une
    // référence qui ne tiendrait pas.
    QByteArray sortie(n, Qt::Uninitialized);
    char* d = sortie.data();
    qsizetype j = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = p[i];
        char32_t ignore = 0;
        if (u == u'&' && lireReference(p + i, n - i, ignore) > 0) {
            // Un « &#8233; » tapé tel quel serait relu comme le caractère : son esperluette
            // s'écrit en référence, pour que la relecture rende le texte d'origine.
            const qsizetype besoin = j + 5 + (n - i - 1);
            if (besoin > sortie.size()) {
                sortie.resize(std::max(besoin, sortie.size() * 2));
                d = sortie.data();
            }
            j += ecrireReference(d + j, u'&');
            continue;
        }
        if (u < 0x80) {
            d[j++] = static_cast<char>(u);
            continue;
        }
        char32_t c = u;
        if (u >= 0xD800 && u <= 0xDFFF) {
            // Une paire de substitution est un seul caractère ; une moitié seule n'en est pas un.
            if (u <= 0xDBFF && i + 1 < n && p[i + 1] >= 0xDC00 && p[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (p[i + 1] - 0xDC00);
                ++i;
            } else {
                c = 0xFFFD;
            }
        }
        const int octet = octetPour(c);
        if (octet >= 0) {
            d[j++] = static_cast<char>(octet);
            continue;
        }
        const qsizetype besoin = j + 10 + (n - i - 1);
        if (besoin > sortie.size()) {
            sortie.resize(std::max(besoin, sortie.size() * 2));
            d = sortie.data();
        }
        j += ecrireReference(d + j, c);
    }
    sortie.truncate(j);
    return sortie;
}

QString DecoderWindows1252(const QByteArray& octets) {
    const qsizetype n = octets.size();
    QString sortie(n, Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(sortie.data());
    const char* p = octets.constData();
    qsizetype j = 0;
    qsizetype i = 0;
    while (i < n) {
        // Recopie rapide jusqu'à la prochaine esperluette.
        const void* amp = std::memchr(p + i, '&', static_cast<size_t>(n - i));
        const qsizetype fin = amp ? static_cast<const char*>(amp) - p : n;
        for (; i < fin; ++i)
            d[j++] = VersUnicode[static_cast<unsigned char>(p[i])];
        if (i >= n)
            break;
        char32_t c = 0;
        const int lu = lireReference(p + i, n - i, c);
        if (lu == 0) {
            d[j++] = u'&';
            ++i;
            continue;
        }
        // Une référence fait au moins quatre octets, une paire deux caractères : ça tient.
        if (c > 0xFFFF) {
            c -= 0x10000;
            d[j++] = static_cast<char16_t>(0xD800 + (c >> 10));
            d[j++] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            d[j++] = static_cast<char16_t>(c);
        }
        i += lu;
    }
    sortie.truncate(j);
    return sortie;
}
