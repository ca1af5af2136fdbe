#include "EcrireGif.h"

#include <QHash>
#include <QList>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kMaxCouleurs = 256;
constexpr int kMaxCodesLzw = 4096;
constexpr int kSeuilOpacite = 128;

bool EstTransparent(QRgb pixel) {
    return qAlpha(pixel) < kSeuilOpacite;
}

// --- Palette par coupe médiane ---------------------------------------------------------
// L'histogramme est pris sur 5 bits par composante : 32768 cases suffisent pour choisir
// 256 couleurs, et la couleur de chaque boîte est la moyenne des vraies couleurs.

constexpr int kBitsCase = 5;
constexpr int kCotesCase = 1 << kBitsCase;
constexpr int kNbCases = kCotesCase * kCotesCase * kCotesCase;

int IndiceCase(int r, int g, int b) {
    return (r << (2 * kBitsCase)) | (g << kBitsCase) | b;
}

struct Histogramme {
    std::vector<qint64> population = std::vector<qint64>(kNbCases, 0);
    std::vector<qint64> sommeR = std::vector<qint64>(kNbCases, 0);
    std::vector<qint64> sommeG = std::vector<qint64>(kNbCases, 0);
    std::vector<qint64> sommeB = std::vector<qint64>(kNbCases, 0);

    void Ajouter(QRgb c) {
        const int i = IndiceCase(qRed(c) >> (8 - kBitsCase), qGreen(c) >> (8 - kBitsCase),
                                 qBlue(c) >> (8 - kBitsCase));
        ++population[i];
        sommeR[i] += qRed(c);
        sommeG[i] += qGreen(c);
        sommeB[i] += qBlue(c);
    }
};

struct Boite {
    std::array<int, 3> min{};
    std::array<int, 3> max{};
    qint64 population = 0;
};

template <typename F> void ParcourirBoite(const Boite& boite, F&& f) {
    for (int r = boite.min[0]; r <= boite.max[0]; ++r)
        for (int g = boite.min[1]; g <= boite.max[1]; ++g)
            for (int b = boite.min[2]; b <= boite.max[2]; ++b)
                f(r, g, b, IndiceCase(r, g, b));
}

// Resserre la boîte sur ses cases occupées et recompte sa population.
void Resserrer(Boite& boite, const Histogramme& h) {
    Boite serree;
    serree.min = {kCotesCase, kCotesCase, kCotesCase};
    serree.max = {-1, -1, -1};
    ParcourirBoite(boite, [&](int r, int g, int b, int i) {
        if (h.population[i] == 0)
            return;
        const std::array<int, 3> p{r, g, b};
        for (int a = 0; a < 3; ++a) {
            serree.min[a] = std::min(serree.min[a], p[a]);
            serree.max[a] = std::max(serree.max[a], p[a]);
        }
        serree.population += h.population[i];
    });
    boite = serree;
}

// Les écarts de vert se voient plus que ceux de rouge, et ceux-ci plus que ceux de bleu.
constexpr std::array<int, 3> kPoidsAxes{3, 4, 2};

int AxeLePlusLong(const Boite& boite) {
    int axe = 0;
    int meilleur = -1;
    for (int a = 0; a < 3; ++a) {
        const int etendue = (boite.max[a] - boite.min[a]) * kPoidsAxes[a];
        if (etendue > meilleur) {
            meilleur = etendue;
            axe = a;
        }
    }
    return axe;
}

bool Divisible(const Boite& boite) {
    for (int a = 0; a < 3; ++a)
        if (boite.max[a] > boite.min[a])
            return true;
    return false;
}

void Couper(std::vector<Boite>& boites, int indice, const Histogramme& h) {
    const Boite source = boites[indice];
    const int axe = AxeLePlusLong(source);
    std::vector<qint64> parTranche(kCotesCase, 0);
    ParcourirBoite(source, [&](int r, int g, int b, int i) {
        const std::array<int, 3> p{r, g, b};
        parTranche[p[axe]] += h.population[i];
    });
    // Coupe à la médiane, en laissant au moins une tranche de chaque côté.
    qint64 cumul = 0;
    int coupe = source.min[axe];
    for (int t = source.min[axe]; t < source.max[axe]; ++t) {
        cumul += parTranche[t];
        coupe = t;
        if (2 * cumul >= source.population)
            break;
    }
    Boite basse = source;
    Boite haute = source;
    basse.max[axe] = coupe;
    haute.min[axe] = coupe + 1;
    Resserrer(basse, h);
    Resserrer(haute, h);
    boites[indice] = basse;
    boites.push_back(haute);
}

QList<QRgb> PaletteCoupeMediane(const Histogramme& h, int nbCouleurs) {
    Boite tout;
    tout.min = {0, 0, 0};
    tout.max = {kCotesCase - 1, kCotesCase - 1, kCotesCase - 1};
    Resserrer(tout, h);
    std::vector<Boite> boites{tout};
    while (static_cast<int>(boites.size()) < nbCouleurs) {
        int choisie = -1;
        double meilleur = -1.0;
        for (int i = 0; i < static_cast<int>(boites.size()); ++i) {
            if (!Divisible(boites[i]))
                continue;
            const int axe = AxeLePlusLong(boites[i]);
            const double score = static_cast<double>(boites[i].population) *
                                 ((boites[i].max[axe] - boites[i].min[axe] + 1) * kPoidsAxes[axe]);
            if (score > meilleur) {
                meilleur = score;
                choisie = i;
            }
        }
        if (choisie < 0)
            break;
        Couper(boites, choisie, h);
    }
    QList<QRgb> palette;
    for (const Boite& boite : boites) {
        qint64 n = 0, r = 0, g = 0, b = 0;
        ParcourirBoite(boite, [&](int, int, int, int i) {
            n += h.population[i];
            r += h.sommeR[i];
            g += h.sommeG[i];
            b += h.sommeB[i];
        });
        if (n > 0)
            palette.append(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)));
    }
    return palette;
}

int PlusProche(const QList<QRgb>& palette, QRgb c) {
    int meilleur = 0;
    int distanceMin = INT32_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(c);
        const int dg = qGreen(palette[i]) - qGreen(c);
        const int db = qBlue(palette[i]) - qBlue(c);
        const int d = dr * dr + dg * dg + db * db;
        if (d < distanceMin) {
            distanceMin = d;
            meilleur = i;
        }
    }
    return meilleur;
}

// --- Compression LZW ------------------------------------------------------------------

class EcrivainBits {
public:
    void Ecrire(int code, int taille) {
        accumulateur_ |= static_cast<std::uint32_t>(code) << nbBits_;
        nbBits_ += taille;
        while (nbBits_ >= 8) {
            octets.append(static_cast<char>(accumulateur_ & 0xFF));
            accumulateur_ >>= 8;
            nbBits_ -= 8;
        }
    }
    void Terminer() {
        if (nbBits_ > 0)
            octets.append(static_cast<char>(accumulateur_ & 0xFF));
        accumulateur_ = 0;
        nbBits_ = 0;
    }
    QByteArray octets;

private:
    std::uint32_t accumulateur_ = 0;
    int nbBits_ = 0;
};

// Dictionnaire (préfixe, indice) -> code, en adressage ouvert : le vider à chaque code
// d'effacement ne coûte que 8192 cases.
class TableLzw {
public:
    TableLzw() { Vider(); }
    void Vider() { std::fill(cles_.begin(), cles_.end(), -1); }
    int Chercher(int prefixe, int indice) const {
        const int cle = Cle(prefixe, indice);
        for (int p = Position(cle);; p = (p + 1) & kMasque) {
            if (cles_[p] == cle)
                return codes_[p];
            if (cles_[p] < 0)
                return -1;
        }
    }
    void Ajouter(int prefixe, int indice, int code) {
        const int cle = Cle(prefixe, indice);
        int p = Position(cle);
        while (cles_[p] >= 0)
            p = (p + 1) & kMasque;
        cles_[p] = cle;
        codes_[p] = static_cast<std::int16_t>(code);
    }

private:
    static constexpr int kTaille = 8192;
    static constexpr int kMasque = kTaille - 1;
    static int Cle(int prefixe, int indice) { return (prefixe << 8) | indice; }
    static int Position(int cle) {
        return static_cast<int>((static_cast<std::uint32_t>(cle) * 2654435761u) >> 19) & kMasque;
    }
    std::array<int, kTaille> cles_{};
    std::array<std::int16_t, kTaille> codes_{};
};

QByteArray CompresserLzw(const std::vector<uchar>& indices, int tailleMin) {
    const int effacement = 1 << tailleMin;
    const int fin = effacement + 1;
    int taille = tailleMin + 1;
    int suivant = fin + 1;
    TableLzw table;
    EcrivainBits bits;

    // Le décodeur élargit ses codes d'un bit dès que son prochain code libre atteint
    // 2^taille ; comme il a une entrée de retard, on élargit juste après avoir émis.
    auto emettre = [&](int code) {
        bits.Ecrire(code, taille);
        if (suivant >= (1 << taille) && taille < 12)
            ++taille;
    };

    bits.Ecrire(effacement, taille);
    int prefixe = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const int indice = indices[i];
        const int code = table.Chercher(prefixe, indice);
        if (code >= 0) {
            prefixe = code;
            continue;
        }
        emettre(prefixe);
        // On s'arrête à 4095 entrées comme les encodeurs courants : certains décodeurs
        // refusent une table pleine à 4096.
        if (suivant < kMaxCodesLzw - 1) {
            table.Ajouter(prefixe, indice, suivant++);
        } else {
            bits.Ecrire(effacement, taille);
            table.Vider();
            taille = tailleMin + 1;
            suivant = fin + 1;
        }
        prefixe = indice;
    }
    emettre(prefixe);
    bits.Ecrire(fin, taille);
    bits.Terminer();
    return bits.octets;
}

void Ajouter16(QByteArray& octets, int valeur) {
    octets.append(static_cast<char>(valeur & 0xFF));
    octets.append(static_cast<char>((valeur >> 8) & 0xFF));
}

} // namespace

QImage QuantifierGif(const QImage& image) {
    if (image.isNull())
        return {};
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    const int largeur = source.width();
    const int hauteur = source.height();

    bool transparence = false;
    QHash<QRgb, int> distinctes;
    bool tropDeCouleurs = false;
    for (int y = 0; y < hauteur; ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < largeur; ++x) {
            if (EstTransparent(ligne[x])) {
                transparence = true;
                continue;
            }
            if (!tropDeCouleurs) {
                distinctes.insert(ligne[x] | 0xFF000000u, 0);
                tropDeCouleurs = distinctes.size() > kMaxCouleurs;
            }
        }
    }
    const int place = kMaxCouleurs - (transparence ? 1 : 0);

    QList<QRgb> palette;
    QHash<QRgb, int> indiceDe;
    if (distinctes.size() <= place) {
        palette = distinctes.keys();
        std::sort(palette.begin(), palette.end());
        for (int i = 0; i < palette.size(); ++i)
            indiceDe.insert(palette[i], i);
    } else {
        Histogramme h;
        for (int y = 0; y < hauteur; ++y) {
            const QRgb* ligne = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            for (int x = 0; x < largeur; ++x)
                if (!EstTransparent(ligne[x]))
                    h.Ajouter(ligne[x]);
        }
        palette = PaletteCoupeMediane(h, place);
    }
    const int indiceTransparent = static_cast<int>(palette.size());
    QList<QRgb> tableCouleurs = palette;
    if (transparence)
        tableCouleurs.append(qRgba(0, 0, 0, 0));

    QImage resultat(largeur, hauteur, QImage::Format_Indexed8);
    resultat.setColorTable(tableCouleurs);
    for (int y = 0; y < hauteur; ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* sortie = resultat.scanLine(y);
        for (int x = 0; x < largeur; ++x) {
            if (EstTransparent(ligne[x])) {
                sortie[x] = static_cast<uchar>(indiceTransparent);
                continue;
            }
            const QRgb c = ligne[x] | 0xFF000000u;
            auto trouve = indiceDe.constFind(c);
            if (trouve == indiceDe.constEnd())
                trouve = indiceDe.insert(c, PlusProche(palette, c));
            sortie[x] = static_cast<uchar>(trouve.value());
        }
    }
    return resultat;
}

QByteArray EncoderGif(const QImage& image) {
    if (image.isNull() || image.width() > 0xFFFF || image.height() > 0xFFFF)
        return {};
    const QImage indexee = QuantifierGif(image);
    const QList<QRgb> couleurs = indexee.colorTable();
    const int largeur = indexee.width();
    const int hauteur = indexee.height();

    int bitsPalette = 1;
    while ((1 << bitsPalette) < couleurs.size())
        ++bitsPalette;

    QByteArray gif("GIF89a");
    Ajouter16(gif, largeur);
    Ajouter16(gif, hauteur);
    // Palette globale présente, 8 bits par composante à l'origine, non triée.
    gif.append(static_cast<char>(0x80 | 0x70 | (bitsPalette - 1)));
    gif.append('\0'); // couleur de fond
    gif.append('\0'); // pixels carrés
    for (int i = 0; i < (1 << bitsPalette); ++i) {
        const QRgb c = i < couleurs.size() ? couleurs[i] : qRgb(0, 0, 0);
        gif.append(static_cast<char>(qRed(c)));
        gif.append(static_cast<char>(qGreen(c)));
        gif.append(static_cast<char>(qBlue(c)));
    }

    int indiceTransparent = -1;
    for (int i = 0; i < couleurs.size(); ++i)
        if (qAlpha(couleurs[i]) == 0)
            indiceTransparent = i;
    if (indiceTransparent >= 0) {
        gif.append("\x21\xF9\x04\x01", 4); // contrôle graphique : transparence seule
        Ajouter16(gif, 0);
        gif.append(static_cast<char>(indiceTransparent));
        gif.append('\0');
    }

    gif.append('\x2C');
    Ajouter16(gif, 0);
    Ajouter16(gif, 0);
    Ajouter16(gif, largeur);
    Ajouter16(gif, hauteur);
    gif.append('\0'); // ni palette locale ni entrelacement

    std::vector<uchar> indices;
    indices.reserve(static_cast<std::size_t>(largeur) * hauteur);
    for (int y = 0; y < hauteur; ++y) {
        const uchar* ligne = indexee.constScanLine(y);
        indices.insert(indices.end(), ligne, ligne + largeur);
    }
    // La norme interdit une taille minimale de code inférieure à 2, même pour 2 couleurs.
    const int tailleMin = std::max(2, bitsPalette);
    gif.append(static_cast<char>(tailleMin));
    const QByteArray flux = CompresserLzw(indices, tailleMin);
    for (qsizetype debut = 0; debut < flux.size(); debut += 255) {
        const qsizetype n = std::min<qsizetype>(255, flux.size() - debut);
        gif.append(static_cast<char>(n));
        gif.append(flux.constData() + debut, n);
    }
    gif.append('\0');
    gif.append('\x3B');
    return gif;
}

bool EcrireGif(const QImage& image, const QString& chemin) {
    const QByteArray octets = EncoderGif(image);
    if (octets.isEmpty())
        return false;
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    if (fichier.write(octets) != octets.size()) {
        fichier.cancelWriting();
        return false;
    }
    return fichier.commit();
}
