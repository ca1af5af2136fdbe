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
    return {QStringLiteral("Nouveau.cin"),        QStringLiteral("Nouveau0.gif"),
            QStringLiteral("imgFond.jpg"),        QStringLiteral("imgFondTable.jpg"),
            QStringLiteral("sohifrm2.wav"),       QStringLiteral("Textures/Bois.jpg"),
            QStringLiteral("Textures/Lin.jpg"),   QStringLiteral("Textures/Marbre.jpg"),
            QStringLiteral("Textures/Papier.jpg")};
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
        else if (nom == QLatin1String("Textures/Lin.jpg"))
            ok = EcrireJpeg(chemin, DessinerLin());
        else if (nom == QLatin1String("Textures/Marbre.jpg"))
            ok = EcrireJpeg(chemin, DessinerMarbre());
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
