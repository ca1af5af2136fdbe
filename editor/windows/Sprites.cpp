#include "Sprites.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QScreen>

#include <cmath>
#include <numbers>

// Dessinées à l'exécution plutôt que lues dans un fichier : nettes à toutes les échelles d'écran
// et rien à livrer à côté de l'exécutable. Coordonnées en pixels logiques, sur un carré de 44.

namespace {

// Une petite palette commune pour que les 18 boutons restent de la même famille.
const QColor Encre(0x2E, 0x3A, 0x4D);
const QColor Papier(0xFF, 0xFF, 0xFF);
const QColor Gris(0xA9, 0xB4, 0xC2);
const QColor GrisClair(0xDD, 0xE3, 0xEA);
const QColor Bleu(0x35, 0x7F, 0xD0);
const QColor BleuClair(0x9F, 0xCF, 0xF5);
const QColor Vert(0x3C, 0xA5, 0x4F);
const QColor Rouge(0xDD, 0x4B, 0x3E);
const QColor Jaune(0xF6, 0xC1, 0x43);
const QColor JauneFonce(0xE0, 0x9A, 0x2B);
const QColor Orange(0xEE, 0x8A, 0x2E);
const QColor Bois(0xC8, 0x86, 0x48);
const QColor Ardoise(0x4A, 0x5A, 0x70);

constexpr qreal Trait = 1.5;       // épaisseur unique des contours
constexpr qreal Enfoncement = 1.5; // décalage du dessin quand le bouton est enfoncé

// La face arrondie du bouton, un peu moins haute que l'image pour laisser place à l'ombre.
const QRectF Face(2.5, 2.5, 39.0, 38.0);
constexpr qreal RayonFace = 8.0;

QPen PenContour(qreal epaisseur = Trait) {
    QPen pen(Encre, epaisseur);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Remplit puis cerne : tous les éléments ont le même contour sombre.
void Forme(QPainter& p, const QPainterPath& chemin, const QBrush& fond) {
    p.setPen(PenContour());
    p.setBrush(fond);
    p.drawPath(chemin);
}

QPainterPath Rect(const QRectF& r, qreal rayon = 1.5) {
    QPainterPath chemin;
    chemin.addRoundedRect(r, rayon, rayon);
    return chemin;
}

QPainterPath Cercle(QPointF centre, qreal rayon) {
    QPainterPath chemin;
    chemin.addEllipse(centre, rayon, rayon);
    return chemin;
}

QPainterPath Polygone(std::initializer_list<QPointF> points) {
    QPainterPath chemin;
    chemin.addPolygon(QPolygonF(QList<QPointF>(points)));
    chemin.closeSubpath();
    return chemin;
}

void Ligne(QPainter& p, QPointF a, QPointF b, const QColor& couleur, qreal epaisseur = Trait) {
    QPen pen(couleur, epaisseur);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(a, b);
}

// ---- Face du bouton ----

void DessinerFace(QPainter& p, bool enfonce) {
    QPainterPath face;
    face.addRoundedRect(Face, RayonFace, RayonFace);

    if (!enfonce) {
        // Ombre portée douce sous le bouton : il paraît posé au-dessus de la barre.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 30, 50, 22));
        p.drawPath(face.translated(0, 2.0));
        p.setBrush(QColor(20, 30, 50, 40));
        p.drawPath(face.translated(0, 1.0));

        QLinearGradient degrade(Face.topLeft(), Face.bottomLeft());
        degrade.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
        degrade.setColorAt(1.0, QColor(0xE2, 0xE8, 0xF0));
        p.setBrush(degrade);
        p.setPen(QPen(QColor(0xAE, 0xB9, 0xC7), 1.0));
        p.drawPath(face);

        // Reflet clair le long du bord haut.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawPath(face.subtracted(face.translated(0, 1.2)));
        return;
    }

    // Enfoncé : face plus sombre, plus claire en bas qu'en haut, et ombre intérieure en haut
    // à gauche, comme si la lumière ne pouvait plus y entrer.
    QLinearGradient degrade(Face.topLeft(), Face.bottomLeft());
    degrade.setColorAt(0.0, QColor(0xBF, 0xC9, 0xD6));
    degrade.setColorAt(1.0, QColor(0xD5, 0xDD, 0xE7));
    p.setBrush(degrade);
    p.setPen(QPen(QColor(0x84, 0x92, 0xA5), 1.0));
    p.drawPath(face);

    p.save();
    p.setClipPath(face);
    p.setPen(Qt::NoPen);
    // Couches fines superposées : l'ombre s'estompe sans marches visibles.
    p.setBrush(QColor(20, 30, 50, 10));
    for (int i = 1; i <= 9; ++i)
        p.drawPath(face.subtracted(face.translated(0.4 * i, 0.5 * i)));
    p.restore();
}

// ---- Éléments réutilisés ----

// Petite pastille ronde en bas à droite, qui dit l'action (ajouter, changer, supprimer...).
constexpr QPointF CentrePastille(30.5, 30.5);
constexpr qreal RayonPastille = 7.3;

void Pastille(QPainter& p, const QColor& couleur) {
    // Liseré blanc pour la détacher de ce qu'elle recouvre.
    p.setPen(QPen(Papier, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(CentrePastille, RayonPastille + 1.2, RayonPastille + 1.2);
    Forme(p, Cercle(CentrePastille, RayonPastille), couleur);
}

void SignePlus(QPainter& p, QPointF c, qreal demi) {
    Ligne(p, c + QPointF(-demi, 0), c + QPointF(demi, 0), Papier, 2.4);
    Ligne(p, c + QPointF(0, -demi), c + QPointF(0, demi), Papier, 2.4);
}

void SigneCroix(QPainter& p, QPointF c, qreal demi) {
    Ligne(p, c + QPointF(-demi, -demi), c + QPointF(demi, demi), Papier, 2.4);
    Ligne(p, c + QPointF(-demi, demi), c + QPointF(demi, -demi), Papier, 2.4);
}

// Arc terminé par une pointe de flèche pleine ; angles en degrés, sens trigonométrique.
void ArcFleche(QPainter& p, QPointF centre, qreal rayon, qreal debut, qreal etendue,
               const QColor& couleur, qreal epaisseur) {
    const QRectF boite(centre.x() - rayon, centre.y() - rayon, 2 * rayon, 2 * rayon);
    QPainterPath arc;
    arc.arcMoveTo(boite, debut);
    arc.arcTo(boite, debut, etendue);
    QPen pen(couleur, epaisseur);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    // La pointe suit la tangente au bout de l'arc.
    const qreal fin = (debut + etendue) * std::numbers::pi / 180.0;
    const QPointF bout(centre.x() + rayon * std::cos(fin), centre.y() - rayon * std::sin(fin));
    const qreal sens = etendue > 0 ? 1.0 : -1.0;
    const QPointF tangente(-std::sin(fin) * sens, -std::cos(fin) * sens);
    const QPointF normale(-tangente.y(), tangente.x());
    const qreal longueur = epaisseur * 1.9;
    const qreal largeur = epaisseur * 1.6;
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawPolygon(QPolygonF(
        {bout + tangente * longueur, bout + normale * largeur, bout - normale * largeur}));
}

// Une feuille à coin replié, avec ou sans lignes de texte.
void Feuille(QPainter& p, const QRectF& r, bool lignes = true) {
    const qreal coin = 6.0;
    Forme(p,
          Polygone({r.topLeft(), QPointF(r.right() - coin, r.top()),
                    QPointF(r.right(), r.top() + coin), r.bottomRight(), r.bottomLeft()}),
          Papier);
    Forme(p,
          Polygone({QPointF(r.right() - coin, r.top()), QPointF(r.right() - coin, r.top() + coin),
                    QPointF(r.right(), r.top() + coin)}),
          GrisClair);
    if (lignes) {
        for (qreal y = r.top() + 11; y < r.bottom() - 3; y += 4.5)
            Ligne(p, QPointF(r.left() + 4, y), QPointF(r.right() - 4, y), Gris, 1.4);
    }
}

// Une photo encadrée : ciel, soleil et colline.
void Photo(QPainter& p, const QRectF& r) {
    Forme(p, Rect(r, 2.0), Papier);
    const QRectF vue = r.adjusted(2.5, 2.5, -2.5, -2.5);
    p.save();
    p.setClipRect(vue);
    p.fillRect(vue, BleuClair);
    p.setPen(Qt::NoPen);
    p.setBrush(Jaune);
    p.drawEllipse(QPointF(vue.right() - 5.0, vue.top() + 4.5), 2.8, 2.8);
    QPainterPath colline;
    colline.moveTo(vue.left() - 1, vue.bottom() + 1);
    colline.lineTo(vue.left() - 1, vue.bottom() - 5);
    colline.quadTo(vue.left() + vue.width() * 0.3, vue.top() + vue.height() * 0.25,
                   vue.left() + vue.width() * 0.6, vue.bottom() - 4);
    colline.quadTo(vue.left() + vue.width() * 0.8, vue.bottom() - 7, vue.right() + 1,
                   vue.bottom() - 5);
    colline.lineTo(vue.right() + 1, vue.bottom() + 1);
    colline.closeSubpath();
    p.setBrush(Vert);
    p.drawPath(colline);
    p.restore();
    p.setPen(PenContour(1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(vue);
}

void Disquette(QPainter& p, const QRectF& r) {
    const qreal coin = r.width() * 0.18;
    Forme(p,
          Polygone({r.topLeft(), QPointF(r.right() - coin, r.top()),
                    QPointF(r.right(), r.top() + coin), r.bottomRight(), r.bottomLeft()}),
          Bleu);
    // Volet métallique et sa fente.
    const qreal l = r.width();
    const QRectF volet(r.left() + l * 0.24, r.top(), l * 0.5, r.height() * 0.34);
    Forme(p, Rect(volet, 0.8), GrisClair);
    p.setPen(Qt::NoPen);
    p.setBrush(Ardoise);
    p.drawRect(QRectF(volet.right() - volet.width() * 0.38, volet.top() + volet.height() * 0.22,
                      volet.width() * 0.2, volet.height() * 0.56));
    // Étiquette.
    const QRectF etiquette(r.left() + l * 0.16, r.top() + r.height() * 0.52, l * 0.68,
                           r.height() * 0.48);
    Forme(p, Rect(etiquette, 0.8), Papier);
    Ligne(p, QPointF(etiquette.left() + 3, etiquette.top() + etiquette.height() * 0.4),
          QPointF(etiquette.right() - 3, etiquette.top() + etiquette.height() * 0.4), Gris, 1.3);
    Ligne(p, QPointF(etiquette.left() + 3, etiquette.top() + etiquette.height() * 0.72),
          QPointF(etiquette.right() - 3, etiquette.top() + etiquette.height() * 0.72), Gris, 1.3);
}

QPainterPath Etoile(QPointF c, qreal exterieur, qreal interieur) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = (-90.0 + i * 36.0) * std::numbers::pi / 180.0;
        const qreal rayon = i % 2 == 0 ? exterieur : interieur;
        points << c + QPointF(rayon * std::cos(angle), rayon * std::sin(angle));
    }
    QPainterPath chemin;
    chemin.addPolygon(points);
    chemin.closeSubpath();
    return chemin;
}

// Un caractère centré, changé en contour pour ne pas dépendre du rendu du texte.
void Caractere(QPainter& p, const QString& texte, QPointF centre, qreal taille,
               const QColor& couleur) {
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setBold(true);
    police.setPixelSize(qRound(taille));
    QPainterPath chemin;
    chemin.addText(0, 0, police, texte);
    const QRectF boite = chemin.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawPath(chemin.translated(centre - boite.center()));
}

// ---- Les dix-huit motifs ----

void Ouvrir(QPainter& p) {
    Forme(p, Polygone({{7, 33}, {7, 10.5}, {16, 10.5}, {19, 13.5}, {34, 13.5}, {34, 33}}),
          JauneFonce);
    Forme(p, Rect(QRectF(11, 16, 20, 12), 1.0), Papier);
    Forme(p, Polygone({{7, 33}, {11.5, 20}, {37.5, 20}, {34, 33}}), Jaune);
}

void Nouveau(QPainter& p) {
    Feuille(p, QRectF(9, 7, 21, 29));
    p.setPen(QPen(Papier, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Etoile(QPointF(30.5, 28.5), 9.0, 4.2));
    Forme(p, Etoile(QPointF(30.5, 28.5), 9.0, 4.2), Jaune);
}

void Enregistrer(QPainter& p) {
    Disquette(p, QRectF(9, 9, 26, 26));
}

void Navigateur(QPainter& p) {
    const QPointF c(20, 20);
    const qreal r = 12.5;
    Forme(p, Cercle(c, r), BleuClair);
    // Méridiens et parallèles, plus fins que le contour.
    p.setPen(QPen(Bleu, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    const qreal d = r * 0.55;
    const qreal demi = std::sqrt(r * r - d * d);
    p.drawLine(QPointF(c.x() - demi, c.y() - d), QPointF(c.x() + demi, c.y() - d));
    p.drawLine(QPointF(c.x() - demi, c.y() + d), QPointF(c.x() + demi, c.y() + d));
    p.setPen(PenContour());
    p.drawEllipse(c, r, r);

    Pastille(p, Vert);
    const QPointF o = CentrePastille;
    p.setPen(Qt::NoPen);
    p.setBrush(Papier);
    p.drawPolygon(
        QPolygonF({o + QPointF(-2.5, -4.2), o + QPointF(4.6, 0), o + QPointF(-2.5, 4.2)}));
}

void Aide(QPainter& p) {
    Forme(p, Cercle(QPointF(22, 22), 13.5), Bleu);
    Caractere(p, QStringLiteral("?"), QPointF(22, 22.3), 21, Papier);
}

void Info(QPainter& p) {
    Forme(p, Cercle(QPointF(22, 22), 13.5), Papier);
    p.setPen(QPen(Bleu, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(22, 22), 11.6, 11.6);
    // Le « i » en formes simples : un point et une barre arrondie.
    p.setPen(Qt::NoPen);
    p.setBrush(Bleu);
    p.drawEllipse(QPointF(22, 15.2), 2.3, 2.3);
    p.drawRoundedRect(QRectF(20.0, 19.0, 4.0, 11.0), 1.5, 1.5);
}

void Quitter(QPainter& p) {
    // Embrasure sombre, porte ouverte vers nous, flèche qui sort.
    Forme(p, Rect(QRectF(8, 7, 17, 30), 1.0), Ardoise);
    Forme(p, Polygone({{8, 7}, {17, 9.5}, {17, 38.5}, {8, 37}}), Bois);
    p.setPen(Qt::NoPen);
    p.setBrush(Encre);
    p.drawEllipse(QPointF(14.5, 24.5), 1.2, 1.2);
    Forme(p,
          Polygone({{21, 19}, {28.5, 19}, {28.5, 14}, {37, 22}, {28.5, 30}, {28.5, 25}, {21, 25}}),
          Rouge);
}

void Supprimer(QPainter& p) {
    // Corbeille.
    Forme(p, Rect(QRectF(17, 6.5, 8, 4), 1.2), Gris);
    Forme(p, Polygone({{11.5, 13.5}, {30.5, 13.5}, {28.5, 37}, {13.5, 37}}), Gris);
    Forme(p, Rect(QRectF(9, 10, 24, 4.5), 1.5), GrisClair);
    for (qreal x : {17.0, 21.0, 25.0})
        Ligne(p, QPointF(x, 18.5), QPointF(x - (x - 21.0) * 0.08, 33.0), Encre, 1.3);
    Pastille(p, Rouge);
    SigneCroix(p, CentrePastille, 3.0);
}

void Ajouter(QPainter& p) {
    Photo(p, QRectF(6, 8, 27, 22));
    Pastille(p, Vert);
    SignePlus(p, CentrePastille, 3.8);
}

void Neutre(QPainter&) {}

void ChangerImage(QPainter& p) {
    Photo(p, QRectF(6, 8, 27, 22));
    Pastille(p, Bleu);
    // Deux demi-tours qui se suivent : l'image est remplacée.
    ArcFleche(p, CentrePastille, 4.2, 110, 150, Papier, 1.7);
    ArcFleche(p, CentrePastille, 4.2, 290, 150, Papier, 1.7);
}

void EnregistrerSous(QPainter& p) {
    Disquette(p, QRectF(7, 7, 24, 24));
    // Crayon en diagonale, pointe en bas à gauche.
    p.save();
    p.translate(30, 29.5);
    p.rotate(-45);
    // Liseré blanc pour le détacher de la disquette.
    p.setPen(QPen(Papier, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Polygone({{-13, 0}, {-8, -3.2}, {10, -3.2}, {10, 3.2}, {-8, 3.2}}));
    Forme(p, Rect(QRectF(-8, -3.2, 14, 6.4), 0.5), Jaune);
    Forme(p, Rect(QRectF(6, -3.2, 4, 6.4), 1.0), QColor(0xF2, 0x9C, 0xB0));
    Forme(p, Polygone({{-8, -3.2}, {-13, 0}, {-8, 3.2}}), QColor(0xF5, 0xDE, 0xB8));
    p.setPen(Qt::NoPen);
    p.setBrush(Encre);
    p.drawPolygon(QPolygonF({QPointF(-13, 0), QPointF(-11.2, -1.15), QPointF(-11.2, 1.15)}));
    p.restore();
}

void Visualiser(QPainter& p) {
    Feuille(p, QRectF(8, 6, 21, 28));
    // Œil en amande par-dessus le coin bas.
    const QPointF c(28.5, 30);
    QPainterPath amande;
    amande.moveTo(c + QPointF(-10, 0));
    amande.quadTo(c + QPointF(0, -10), c + QPointF(10, 0));
    amande.quadTo(c + QPointF(0, 10), c + QPointF(-10, 0));
    amande.closeSubpath();
    p.setPen(QPen(Papier, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(amande);
    Forme(p, amande, Papier);
    Forme(p, Cercle(c, 3.9), Bleu);
    p.setPen(Qt::NoPen);
    p.setBrush(Encre);
    p.drawEllipse(c, 1.7, 1.7);
    p.setBrush(Papier);
    p.drawEllipse(c + QPointF(-1.3, -1.3), 0.9, 0.9);
}

void Restaurer(QPainter& p) {
    Feuille(p, QRectF(9, 7, 21, 29));
    Pastille(p, Orange);
    // Flèche de retour : trois quarts de tour dans le sens inverse des aiguilles.
    ArcFleche(p, CentrePastille, 3.9, -60, 250, Papier, 1.9);
}

void Fond(QPainter& p) {
    // Carreaux de texture derrière le rouleau.
    const QRectF tuile(6, 20, 18, 18);
    const qreal c = tuile.width() / 3;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            p.setBrush((i + j) % 2 == 0 ? Jaune : Orange);
            p.drawRect(QRectF(tuile.left() + i * c, tuile.top() + j * c, c, c));
        }
    p.setPen(PenContour());
    p.setBrush(Qt::NoBrush);
    p.drawRect(tuile);

    // Rouleau : manchon, bras coudé, poignée.
    p.setPen(PenContour(2.0));
    QPainterPath bras;
    bras.moveTo(35, 11);
    bras.lineTo(38, 11);
    bras.lineTo(38, 18.5);
    bras.lineTo(28, 18.5);
    bras.lineTo(28, 24);
    p.drawPath(bras);
    Forme(p, Rect(QRectF(12, 6, 24, 10), 3.0), Bleu);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRoundedRect(QRectF(14, 8, 20, 2.5), 1.2, 1.2);
    Forme(p, Rect(QRectF(25.2, 23, 5.6, 15), 2.5), Ardoise);
}

void Capturer(QPainter& p) {
    Forme(p, Rect(QRectF(15, 10, 10, 6), 1.5), Ardoise);
    Forme(p, Rect(QRectF(6, 14, 32, 22), 4.0), Ardoise);
    Forme(p, Cercle(QPointF(22, 25), 8.0), Papier);
    Forme(p, Cercle(QPointF(22, 25), 5.5), Bleu);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(20.2, 23.2), 1.7, 1.7);
    Forme(p, Rect(QRectF(31, 17.5, 4, 2.6), 0.8), Jaune);
}

void Didacticiel(QPainter& p) {
    // Toque : calotte, plateau en losange, gland.
    QPainterPath calotte;
    calotte.moveTo(12, 20);
    calotte.lineTo(12, 29);
    calotte.quadTo(22, 35, 32, 29);
    calotte.lineTo(32, 20);
    calotte.closeSubpath();
    Forme(p, calotte, Ardoise);
    Forme(p, Polygone({{22, 8}, {38.5, 16}, {22, 24}, {5.5, 16}}), Encre.lighter(125));
    Ligne(p, QPointF(22, 16), QPointF(34, 19.5), Jaune, 1.6);
    Ligne(p, QPointF(34, 19.5), QPointF(34, 28.5), Jaune, 1.6);
    Forme(p, Rect(QRectF(32.2, 27.5, 3.6, 5.5), 1.2), Jaune);
    p.setPen(Qt::NoPen);
    p.setBrush(Jaune);
    p.drawEllipse(QPointF(22, 16), 1.6, 1.6);
}

void Visionneuse(QPainter& p) {
    const QRectF bande(5.5, 10, 33, 24);
    Forme(p, Rect(bande, 2.0), Ardoise);
    // Perforations en haut et en bas.
    p.setPen(Qt::NoPen);
    p.setBrush(GrisClair);
    for (qreal x = bande.left() + 2.5; x < bande.right() - 2; x += 4.5) {
        p.drawRoundedRect(QRectF(x, bande.top() + 1.5, 2.4, 2.2), 0.6, 0.6);
        p.drawRoundedRect(QRectF(x, bande.bottom() - 3.7, 2.4, 2.2), 0.6, 0.6);
    }
    // Trois vues.
    const QColor ciels[] = {BleuClair, QColor(0xFF, 0xD9, 0x8A), QColor(0xB8, 0xE6, 0xB0)};
    const QColor sols[] = {Vert, Orange, Bleu};
    const qreal l = 8.8, ecart = 1.25;
    const qreal marge = (bande.width() - 3 * l - 2 * ecart) / 2;
    for (int i = 0; i < 3; ++i) {
        const QRectF vue(bande.left() + marge + i * (l + ecart), bande.top() + 5.5, l, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(ciels[i]);
        p.drawRect(vue);
        p.setBrush(sols[i]);
        p.drawPolygon(QPolygonF({vue.bottomLeft(), QPointF(vue.left(), vue.bottom() - 4),
                                 QPointF(vue.center().x(), vue.bottom() - 7),
                                 QPointF(vue.right(), vue.bottom() - 3), vue.bottomRight()}));
    }
}

using Motif = void (*)(QPainter&);
constexpr Motif Motifs[NbImagesSprite / 2] = {
    Ouvrir,     Nouveau,   Enregistrer, Navigateur, Aide,         Info,
    Quitter,    Supprimer, Ajouter,     Neutre,     ChangerImage, EnregistrerSous,
    Visualiser, Restaurer, Fond,        Capturer,   Didacticiel,  Visionneuse,
};

} // namespace

QPixmap ImageSprite(int index) {
    if (index < 0 || index >= NbImagesSprite)
        return {};

    // Dessinée à la résolution réelle de l'écran pour rester nette en haute densité.
    qreal ratio = 1.0;
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        ratio = ecran->devicePixelRatio();
    const int cote = qRound(TailleSprite * ratio);

    QPixmap image(cote, cote);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Dans un repère de 44 de côté, quelle que soit la taille réelle.
    p.scale(cote / (TailleSprite * ratio), cote / (TailleSprite * ratio));

    const bool enfonce = index % 2 == 1;
    DessinerFace(p, enfonce);
    // Le motif ne déborde jamais de la face, même décalé.
    QPainterPath face;
    face.addRoundedRect(Face.adjusted(1, 1, -1, -1), RayonFace - 1, RayonFace - 1);
    p.setClipPath(face);
    if (enfonce)
        p.translate(Enfoncement, Enfoncement);
    Motifs[index / 2](p);
    return image;
}
