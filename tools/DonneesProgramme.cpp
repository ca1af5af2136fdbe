#include "DonneesProgramme.h"

#include "Carillon.h"
#include "EcrireGif.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

// --- Hasard reproductible -------------------------------------------------------------
// Un hachage des coordonnées plutôt qu'un générateur à état : chaque valeur ne dépend que
// de sa case et de la graine, quel que soit l'ordre de parcours.

std::uint32_t Melanger(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352du;
    x ^= x >> 15;
    x *= 0x846ca68bu;
    x ^= x >> 16;
    return x;
}

double Hasard(int i, int j, std::uint32_t graine) {
    const std::uint32_t h =
        Melanger(static_cast<std::uint32_t>(i) * 0x9E3779B1u ^
                 Melanger(static_cast<std::uint32_t>(j) + graine * 0x85EBCA77u));
    return h / 4294967296.0;
}

int Modulo(int a, int n) {
    return ((a % n) + n) % n;
}

double Lisser(double t) {
    return t * t * (3.0 - 2.0 * t);
}

// Bruit de valeurs sur une grille repliée de periodeX x periodeY cases : il se raccorde à
// lui-même, d'où des textures sans couture.
double BruitValeur(double x, double y, int periodeX, int periodeY, std::uint32_t graine) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = Lisser(x - x0);
    const double fy = Lisser(y - y0);
    auto v = [&](int i, int j) { return Hasard(Modulo(i, periodeX), Modulo(j, periodeY), graine); };
    const double haut = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * fx;
    const double bas = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * fx;
    return haut + (bas - haut) * fy;
}

// Somme d'octaves, ramenée entre 0 et 1 ; u et v parcourent la tuile de 0 à 1.
double BruitFractal(double u, double v, int casesX, int casesY, int octaves, std::uint32_t graine) {
    double somme = 0.0;
    double poids = 0.0;
    double amplitude = 1.0;
    for (int o = 0; o < octaves; ++o) {
        const int cx = casesX << o;
        const int cy = casesY << o;
        somme += amplitude * BruitValeur(u * cx, v * cy, cx, cy, graine + 101u * o);
        poids += amplitude;
        amplitude *= 0.5;
    }
    return somme / poids;
}

// Champ de valeurs réelles sur la tuile, replié sur lui-même : ce qui sort par un bord rentre
// par le bord opposé, comme les tuiles voisines le montreront.
class Champ {
public:
    explicit Champ(int cote) : m_cote(cote), m_valeurs(static_cast<std::size_t>(cote) * cote) {}

    double operator()(int x, int y) const { return m_valeurs[Indice(x, y)]; }

    // Dépose une valeur en un point réel, partagée entre les quatre pixels qui l'entourent.
    void Deposer(double x, double y, double valeur) {
        const int x0 = static_cast<int>(std::floor(x));
        const int y0 = static_cast<int>(std::floor(y));
        const double fx = x - x0;
        const double fy = y - y0;
        m_valeurs[Indice(x0, y0)] += valeur * (1 - fx) * (1 - fy);
        m_valeurs[Indice(x0 + 1, y0)] += valeur * fx * (1 - fy);
        m_valeurs[Indice(x0, y0 + 1)] += valeur * (1 - fx) * fy;
        m_valeurs[Indice(x0 + 1, y0 + 1)] += valeur * fx * fy;
    }

    // Flou en boîte de (2 rayon + 1) points, en lignes puis en colonnes, replié aux bords.
    void Flouter(int rayon) {
        std::vector<double> copie(m_valeurs.size());
        const double n = 2.0 * rayon + 1.0;
        for (int passe = 0; passe < 2; ++passe) {
            for (int a = 0; a < m_cote; ++a)
                for (int b = 0; b < m_cote; ++b) {
                    double somme = 0;
                    for (int k = -rayon; k <= rayon; ++k)
                        somme += passe == 0 ? (*this)(b + k, a) : (*this)(a, b + k);
                    copie[passe == 0 ? Indice(b, a) : Indice(a, b)] = somme / n;
                }
            m_valeurs.swap(copie);
        }
    }

    // Ramène les valeurs à une moyenne nulle et un écart type de 1.
    void Normaliser() {
        double somme = 0, carres = 0;
        for (double v : m_valeurs) {
            somme += v;
            carres += v * v;
        }
        const double n = static_cast<double>(m_valeurs.size());
        const double moyenne = somme / n;
        const double ecart = std::sqrt(std::max(1e-12, carres / n - moyenne * moyenne));
        for (double& v : m_valeurs)
            v = (v - moyenne) / ecart;
    }

private:
    std::size_t Indice(int x, int y) const {
        return static_cast<std::size_t>(Modulo(y, m_cote)) * m_cote + Modulo(x, m_cote);
    }

    int m_cote;
    std::vector<double> m_valeurs;
};

// Cellules de Voronoï sur une grille repliée de periode x periode cases, un germe par case :
// distance au germe le plus proche, et la case de ce germe.
struct Cellule {
    double distance = 1e9;
    int i = 0;
    int j = 0;
};

Cellule Voronoi(double x, double y, int periode, std::uint32_t graine) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    // Le germe de la case même est à moins de deux cases : aucun germe plus lointain que deux
    // cases ne peut le battre.
    Cellule c;
    for (int dj = -2; dj <= 2; ++dj)
        for (int di = -2; di <= 2; ++di) {
            const int i = Modulo(x0 + di, periode);
            const int j = Modulo(y0 + dj, periode);
            const double gx = x0 + di + Hasard(i, j, graine);
            const double gy = y0 + dj + Hasard(i, j, graine + 1);
            const double d = std::hypot(gx - x, gy - y);
            if (d < c.distance)
                c = {d, i, j};
        }
    return c;
}

double Rampe(double debut, double fin, double t) {
    return Lisser(std::clamp((t - debut) / (fin - debut), 0.0, 1.0));
}

int Octet(double valeur) {
    return std::clamp(static_cast<int>(std::lround(valeur)), 0, 255);
}

QRgb Teinte(const QColor& base, double decalage) {
    return qRgb(Octet(base.red() + decalage), Octet(base.green() + decalage),
                Octet(base.blue() + decalage));
}

QRgb Melange(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(Octet(a.red() + (b.red() - a.red()) * t),
                Octet(a.green() + (b.green() - a.green()) * t),
                Octet(a.blue() + (b.blue() - a.blue()) * t));
}

template <typename F> QImage Texture(int cote, F&& pixel) {
    QImage image(cote, cote, QImage::Format_RGB32);
    for (int y = 0; y < cote; ++y) {
        QRgb* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < cote; ++x)
            ligne[x] = pixel(x, y, static_cast<double>(x) / cote, static_cast<double>(y) / cote);
    }
    return image;
}

// --- Paysage de la diapositive d'accueil ----------------------------------------------

struct Sinus {
    double amplitude;
    double pulsation;
    double phase;
};

// Crête d'une colline : une hauteur de base moins quelques sinus, pour un relief sans angle.
QPainterPath Colline(double base, std::initializer_list<Sinus> ondes, int largeur, int hauteur) {
    QPainterPath chemin;
    chemin.moveTo(0, hauteur);
    for (int x = 0; x <= largeur; x += 4) {
        double y = base;
        for (const Sinus& s : ondes)
            y -= s.amplitude * std::sin(x * s.pulsation + s.phase);
        chemin.lineTo(x, y);
    }
    chemin.lineTo(largeur, hauteur);
    chemin.closeSubpath();
    return chemin;
}

double HauteurCrete(double base, std::initializer_list<Sinus> ondes, double x) {
    double y = base;
    for (const Sinus& s : ondes)
        y -= s.amplitude * std::sin(x * s.pulsation + s.phase);
    return y;
}

void DessinerNuage(QPainter& p, QPointF centre, double echelle) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    const QPointF bulles[] = {{-38, 6}, {-14, -8}, {14, -12}, {38, 2}, {0, 8}};
    const double rayons[] = {18, 24, 22, 16, 20};
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(centre + bulles[i] * echelle, rayons[i] * echelle, rayons[i] * echelle * 0.7);
}

void DessinerArbre(QPainter& p, QPointF pied, double taille, const QColor& feuillage) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(88, 62, 40));
    p.drawRect(
        QRectF(pied.x() - taille * 0.06, pied.y() - taille * 0.35, taille * 0.12, taille * 0.35));
    p.setBrush(feuillage);
    p.drawEllipse(QPointF(pied.x(), pied.y() - taille * 0.6), taille * 0.28, taille * 0.4);
    p.setBrush(feuillage.lighter(118));
    p.drawEllipse(QPointF(pied.x() - taille * 0.08, pied.y() - taille * 0.7), taille * 0.12,
                  taille * 0.18);
}

// --- Écriture ------------------------------------------------------------------------

bool EcrireOctets(const QString& chemin, const QByteArray& octets) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    if (fichier.write(octets) != octets.size()) {
        fichier.cancelWriting();
        return false;
    }
    return fichier.commit();
}

bool EcrireJpeg(const QString& chemin, const QImage& image) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "jpeg");
    ecrivain.setQuality(90);
    if (!ecrivain.write(image))
        return false;
    return EcrireOctets(chemin, octets);
}

} // namespace

QImage DessinerDiapoAccueil() {
    constexpr int kLargeur = 600;
    constexpr int kHauteur = 400;
    QImage image(kLargeur, kHauteur, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ciel(0, 0, 0, 280);
    ciel.setColorAt(0.0, QColor(70, 128, 204));
    ciel.setColorAt(0.55, QColor(150, 190, 230));
    ciel.setColorAt(1.0, QColor(252, 220, 178));
    p.fillRect(image.rect(), ciel);

    const QPointF soleil(440, 172);
    QRadialGradient halo(soleil, 150);
    halo.setColorAt(0.0, QColor(255, 246, 214, 210));
    halo.setColorAt(1.0, QColor(255, 230, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(soleil, 150, 150);
    p.setBrush(QColor(255, 242, 196));
    p.drawEllipse(soleil, 34, 34);

    DessinerNuage(p, {150, 95}, 1.2);
    DessinerNuage(p, {318, 60}, 0.8);
    DessinerNuage(p, {540, 105}, 0.9);

    const int w = kLargeur;
    const int h = kHauteur;
    QLinearGradient lointain(0, 180, 0, 300);
    lointain.setColorAt(0.0, QColor(124, 144, 186));
    lointain.setColorAt(1.0, QColor(170, 182, 206));
    p.setBrush(lointain);
    p.drawPath(Colline(232, {{34, 0.011, 1.2}, {17, 0.027, 0.4}, {7, 0.061, 2.2}}, w, h));

    const std::initializer_list<Sinus> ondesMilieu{{22, 0.009, 2.0}, {10, 0.023, 1.0}};
    QLinearGradient milieu(0, 250, 0, 340);
    milieu.setColorAt(0.0, QColor(120, 166, 98));
    milieu.setColorAt(1.0, QColor(84, 132, 74));
    p.setBrush(milieu);
    p.drawPath(Colline(286, ondesMilieu, w, h));

    // Bosquets posés sur la crête du milieu, à des places tirées d'une graine fixe.
    for (int i = 0; i < 14; ++i) {
        const double x = 20 + Hasard(i, 0, 7) * 560;
        const double y = HauteurCrete(286, ondesMilieu, x) + 6 + Hasard(i, 1, 7) * 14;
        const double taille = 26 + Hasard(i, 2, 7) * 16;
        DessinerArbre(p, {x, y}, taille, QColor(52 + i % 3 * 8, 96 + i % 4 * 6, 52));
    }

    QLinearGradient devant(0, 300, 0, h);
    devant.setColorAt(0.0, QColor(98, 152, 70));
    devant.setColorAt(1.0, QColor(54, 100, 44));
    p.setBrush(devant);
    p.drawPath(Colline(334, {{24, 0.007, 4.0}, {6, 0.031, 0.5}}, w, h));

    // Un sentier clair qui monte vers les collines donne de la profondeur.
    QPainterPath sentier;
    sentier.moveTo(250, h);
    sentier.cubicTo(300, 372, 330, 352, 352, 330);
    sentier.cubicTo(356, 334, 350, 356, 330, 378);
    sentier.lineTo(322, h);
    sentier.closeSubpath();
    p.setBrush(QColor(214, 196, 150));
    p.drawPath(sentier);

    QFont police;
    police.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    police.setStyleHint(QFont::Serif);
    police.setPixelSize(46);
    police.setBold(true);
    police.setItalic(true);
    p.setFont(police);
    const QPoint titre(30, 66);
    p.setPen(QColor(30, 50, 90, 110));
    p.drawText(titre + QPoint(2, 3), QStringLiteral("Ostrelle"));
    p.setPen(QColor(255, 255, 255));
    p.drawText(titre, QStringLiteral("Ostrelle"));
    p.end();
    return image;
}

QImage DessinerPapier(int cote) {
    const QColor base(247, 241, 228);
    return Texture(cote, [&](int x, int y, double u, double v) {
        const double nuages = BruitFractal(u, v, 4, 4, 4, 11);
        const double fibres = BruitFractal(u, v, 64, 16, 2, 12);
        const double grain = Hasard(x, y, 13);
        return Teinte(base, (nuages - 0.5) * 10 + (fibres - 0.5) * 5 + (grain - 0.5) * 5);
    });
}

QImage DessinerLin(int cote) {
    const QColor base(236, 226, 204);
    const int fils = std::max(1, cote / 4);
    return Texture(cote, [&](int x, int y, double u, double v) {
        // Trame et chaîne, avec des fils plus ou moins épais (les « flammes » du lin).
        const double epaisseur = BruitFractal(u, v, 4, 16, 2, 31);
        const double trame = std::cos(2 * std::numbers::pi * fils * v);
        const double chaine = std::cos(2 * std::numbers::pi * fils * u);
        const double dessus = ((x / 4 + y / 4) % 2 == 0) ? trame : chaine;
        const double grain = Hasard(x, y, 32);
        return Teinte(base, dessus * 5 + (epaisseur - 0.5) * 12 + (grain - 0.5) * 5);
    });
}

QImage DessinerMarbre(int cote) {
    const QColor fond(242, 237, 229);
    const QColor veine(176, 164, 156);
    return Texture(cote, [&](int, int, double u, double v) {
        const double turbulence = BruitFractal(u, v, 4, 4, 5, 21);
        // 2 tours en largeur et 1 en hauteur : un nombre entier, donc raccordable.
        const double onde = std::sin(2 * std::numbers::pi * (2 * u + v) + 7.0 * turbulence);
        const double force = std::pow(1.0 - std::abs(onde), 7.0);
        const double nuage = BruitFractal(u, v, 2, 2, 3, 22);
        return Melange(fond, veine, force * 0.65 + (nuage - 0.5) * 0.12);
    });
}

QImage DessinerBois(int cote) {
    const QColor sombre(104, 64, 34);
    const QColor clair(178, 124, 74);
    return Texture(cote, [&](int x, int y, double u, double v) {
        // Cernes de croissance : clairs au printemps, puis une fine ligne sombre. Peu de
        // cases en largeur, pour des veines longues et à peine ondulées.
        const double deformation = BruitFractal(u, v, 2, 2, 3, 41);
        const double age = 9 * v + 1.6 * deformation;
        const double cerne = std::pow(age - std::floor(age), 5.0);
        const double stries = BruitFractal(u, v, 1, 48, 3, 42);
        const double nuance = BruitFractal(u, v, 2, 4, 2, 44);
        const double grain = Hasard(x, y, 43);
        return Melange(clair, sombre, 0.5 * cerne + 0.3 * stries + 0.15 * nuance + 0.08 * grain);
    });
}

QImage DessinerSable(int cote) {
    const QColor base(229, 210, 172);
    const int demi = std::max(1, cote / 2);
    return Texture(cote, [&](int x, int y, double u, double v) {
        const double nuages = BruitFractal(u, v, 3, 3, 3, 51);
        // Des grains d'un ou deux points : du bruit de valeurs à mi-résolution.
        const double grains = BruitValeur(u * demi, v * demi, demi, demi, 52);
        const double fin = Hasard(x, y, 53);
        // Çà et là un grain de roche sombre ou un éclat de quartz clair.
        const double rare = Hasard(x, y, 54);
        double d = (nuages - 0.5) * 10 + (grains - 0.5) * 14 + (fin - 0.5) * 8;
        if (rare > 0.985)
            d -= 20;
        else if (rare < 0.012)
            d += 12;
        // Le bleu varie plus que le rouge : les grains sombres sont aussi plus chauds.
        return qRgb(Octet(base.red() + d), Octet(base.green() + d * 1.05),
                    Octet(base.blue() + d * 1.25));
    });
}

QImage DessinerToile(int cote) {
    const QColor base(226, 222, 210);
    constexpr int kPas = 8; // un fil tous les 8 points ; le côté, multiple de 2 kPas
    const int fils = std::max(1, cote / kPas);
    const double pi = std::numbers::pi;
    return Texture(cote, [&](int x0, int y0, double u, double v) {
        // Armure toile : chaque fil ondule, dessus puis dessous, en opposition avec ses
        // voisins. On voit en chaque point le plus haut des deux fils qui s'y croisent. Les
        // bords de la tuile passent au milieu des fils, pas entre deux.
        const int x = x0 + kPas / 2;
        const int y = y0 + kPas / 2;
        const int i = x / kPas; // fil de chaîne, vertical
        const int j = y / kPas; // fil de trame, horizontal
        const double fx = (x % kPas + 0.5) / kPas;
        const double fy = (y % kPas + 0.5) / kPas;
        // Chaque fil a son épaisseur, qui varie le long du fil.
        const double epaisseurTrame = 0.75 + 0.5 * BruitValeur(u * 8, j, 8, fils, 91);
        const double epaisseurChaine = 0.75 + 0.5 * BruitValeur(v * 8, i, 8, fils, 92);
        auto profil = [](double t, double epaisseur) {
            const double c = 2 * t - 1;
            return epaisseur * std::sqrt(std::max(0.0, 1 - c * c));
        };
        const double trame =
            0.5 * std::sin(pi * (x + 0.5) / kPas + pi * j) + profil(fy, epaisseurTrame);
        const double chaine =
            -0.5 * std::sin(pi * (y + 0.5) / kPas + pi * i) + profil(fx, epaisseurChaine);
        const bool trameDessus = trame >= chaine;
        const double hauteur = std::max(trame, chaine);
        // Éclairé d'en haut à gauche : le haut d'un fil de trame, la gauche d'un fil de chaîne.
        const double lumiere = trameDessus ? 1 - 2 * fy : 1 - 2 * fx;
        // Les fibres du fil, en stries fines dans le sens du fil.
        const int demi = std::max(1, cote / 2);
        const double stries = trameDessus ? BruitValeur(u * fils * 2, v * demi, fils * 2, demi, 95)
                                          : BruitValeur(u * demi, v * fils * 2, demi, fils * 2, 96);
        const double nuages = BruitFractal(u, v, 3, 3, 2, 93);
        const double grain = Hasard(x0, y0, 94);
        const double d = (hauteur - 0.8) * 14 + lumiere * 6 + (stries - 0.5) * 10 +
                         (nuages - 0.5) * 6 + (grain - 0.5) * 3;
        return Teinte(base, d);
    });
}

QImage DessinerLiege(int cote) {
    const QColor clair(230, 200, 156);
    const QColor fonce(192, 146, 98);
    const QColor creux(164, 118, 76);
    const int granules = std::max(2, cote / 9);
    const int demi = std::max(1, cote / 2);
    return Texture(cote, [&](int x, int y, double u, double v) {
        // Des granules agglomérés, déformés par un bruit lent pour ne pas dessiner des
        // alvéoles trop régulières ; chacun a sa teinte.
        const double dx = BruitFractal(u, v, 6, 6, 2, 61) - 0.5;
        const double dy = BruitFractal(u, v, 6, 6, 2, 62) - 0.5;
        const double gx = u * granules + dx * 1.2;
        const double gy = v * granules + dy * 1.2;
        const Cellule gros = Voronoi(gx, gy, granules, 63);
        const Cellule fins = Voronoi(gx * 2, gy * 2, granules * 2, 64);
        const double ton = 0.65 * Hasard(gros.i, gros.j, 65) + 0.35 * Hasard(fins.i, fins.j, 66);
        // Les vides entre granules, loin de tout germe, restent sombres.
        const double vide = 0.8 * Rampe(0.64, 0.88, fins.distance);
        const double pointille = BruitValeur(u * demi, v * demi, demi, demi, 67);
        const double grain = Hasard(x, y, 68);
        const double t = 0.15 + 0.5 * ton + 0.25 * (pointille - 0.5) + 0.12 * (grain - 0.5) +
                         0.15 * gros.distance;
        const QColor teinte = QColor::fromRgb(Melange(clair, fonce, t));
        return Melange(teinte, creux, vide);
    });
}

QImage DessinerArdoise(int cote) {
    const QColor bleute(174, 181, 191);
    const QColor gris(181, 183, 185);
    const int demi = std::max(1, cote / 2);
    return Texture(cote, [&](int x, int y, double u, double v) {
        // Des feuillets longs et fins, à peine ondulés ; le décalage est périodique, donc
        // les feuillets se raccordent encore.
        const double ondulation = BruitFractal(u, v, 3, 2, 2, 71);
        const double w = v + (ondulation - 0.5) * 0.04;
        const double feuillets = BruitFractal(u, w, 2, 96, 2, 72);
        // Et, plus larges, les bancs de la pierre.
        const double bancs = BruitFractal(u, w, 3, 24, 2, 77);
        const double nuages = BruitFractal(u, v, 5, 4, 3, 73);
        // Le grain très fin de la pierre : un ou deux points.
        const double grains = BruitValeur(u * demi, v * demi, demi, demi, 74);
        const double grain = Hasard(x, y, 76);
        const double d = (feuillets - 0.5) * 12 + (bancs - 0.5) * 10 + (nuages - 0.5) * 6 +
                         (grains - 0.5) * 9 + (grain - 0.5) * 4;
        const QColor teinte = QColor::fromRgb(Melange(bleute, gris, nuages));
        return Teinte(teinte, d);
    });
}

QImage DessinerFeutre(int cote) {
    const QColor base(202, 211, 193);
    // Des fibres courtes et courbes en tous sens, les unes plus claires, les autres plus
    // sombres, puis adoucies : le duvet du feutre.
    Champ fibres(cote);
    const int nombre = cote * cote / 10;
    for (int k = 0; k < nombre; ++k) {
        double x = Hasard(k, 0, 81) * cote;
        double y = Hasard(k, 1, 81) * cote;
        double angle = Hasard(k, 2, 81) * 2 * std::numbers::pi;
        const double longueur = 4 + Hasard(k, 3, 81) * 10;
        const double courbure = (Hasard(k, 4, 81) - 0.5) * 0.3;
        const double eclat = Hasard(k, 5, 81) < 0.5 ? -1.0 : 1.0;
        for (double s = 0; s < longueur; s += 0.5) {
            fibres.Deposer(x, y, eclat);
            x += 0.5 * std::cos(angle);
            y += 0.5 * std::sin(angle);
            angle += 0.5 * courbure;
        }
    }
    fibres.Flouter(1);
    fibres.Normaliser();
    return Texture(cote, [&](int x, int y, double u, double v) {
        const double nuages = BruitFractal(u, v, 4, 4, 3, 82);
        const double grain = Hasard(x, y, 83);
        return Teinte(base, fibres(x, y) * 5 + (nuages - 0.5) * 10 + (grain - 0.5) * 3);
    });
}

QByteArray ProjetParDefaut() {
    // Octets Windows-1252 écrits à la main : « ô » est l'octet F4.
    return QByteArray("Nom=Nouveau\r\n"
                      "Repertoire=.\r\n"
                      "NbSprite=1\r\n"
                      "Tag=Mon diaporama\r\n"
                      "<font face='MS Sans Serif' size='2' color='#000000'>Bienvenue ! "
                      "Remplacez cette image et ce texte par les v"
                      "\xF4"
                      "tres.<br></font>\r\n");
}

QStringList FichiersFabriques() {
    return {QStringLiteral("Nouveau.cin"),         QStringLiteral("Nouveau0.gif"),
            QStringLiteral("imgFond.jpg"),         QStringLiteral("imgFondTable.jpg"),
            QStringLiteral("sohifrm2.wav"),        QStringLiteral("Textures/Ardoise.jpg"),
            QStringLiteral("Textures/Bois.jpg"),   QStringLiteral("Textures/Feutre.jpg"),
            QStringLiteral("Textures/Liege.jpg"),  QStringLiteral("Textures/Lin.jpg"),
            QStringLiteral("Textures/Marbre.jpg"), QStringLiteral("Textures/Papier.jpg"),
            QStringLiteral("Textures/Sable.jpg"),  QStringLiteral("Textures/Toile.jpg")};
}

bool EcrireDonnees(const QString& dossier, QString* erreur) {
    const QDir racine(dossier);
    if (!racine.mkpath(QStringLiteral("Textures"))) {
        if (erreur)
            *erreur = racine.filePath(QStringLiteral("Textures"));
        return false;
    }
    const QImage papier = DessinerPapier();
    const QImage bois = DessinerBois();
    for (const QString& nom : FichiersFabriques()) {
        const QString chemin = racine.filePath(nom);
        bool ok = false;
        if (nom == QLatin1String("Nouveau.cin"))
            ok = EcrireOctets(chemin, ProjetParDefaut());
        else if (nom == QLatin1String("Nouveau0.gif"))
            ok = EcrireGif(DessinerDiapoAccueil(), chemin);
        else if (nom == QLatin1String("imgFond.jpg") || nom == QLatin1String("Textures/Papier.jpg"))
            ok = EcrireJpeg(chemin, papier);
        else if (nom == QLatin1String("imgFondTable.jpg") ||
                 nom == QLatin1String("Textures/Bois.jpg"))
            ok = EcrireJpeg(chemin, bois);
        else if (nom == QLatin1String("Textures/Ardoise.jpg"))
            ok = EcrireJpeg(chemin, DessinerArdoise());
        else if (nom == QLatin1String("Textures/Feutre.jpg"))
            ok = EcrireJpeg(chemin, DessinerFeutre());
        else if (nom == QLatin1String("Textures/Liege.jpg"))
            ok = EcrireJpeg(chemin, DessinerLiege());
        else if (nom == QLatin1String("Textures/Lin.jpg"))
            ok = EcrireJpeg(chemin, DessinerLin());
        else if (nom == QLatin1String("Textures/Marbre.jpg"))
            ok = EcrireJpeg(chemin, DessinerMarbre());
        else if (nom == QLatin1String("Textures/Sable.jpg"))
            ok = EcrireJpeg(chemin, DessinerSable());
        else if (nom == QLatin1String("Textures/Toile.jpg"))
            ok = EcrireJpeg(chemin, DessinerToile());
        else if (nom == QLatin1String("sohifrm2.wav"))
            ok = EcrireOctets(chemin, FabriquerCarillon());
        if (!ok) {
            if (erreur)
                *erreur = chemin;
            return false;
        }
    }
    return true;
}
