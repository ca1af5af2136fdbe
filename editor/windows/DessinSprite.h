#pragma once
// Le nécessaire à dessiner des images de la barre d'outils : palette, contours, face du bouton
// et éléments que plusieurs motifs reprennent. Coordonnées en pixels logiques, sur un carré de 44.

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <initializer_list>

namespace DessinSprite {

// Une petite palette commune pour que les 18 boutons restent de la même famille.
inline const QColor Encre(0x2E, 0x3A, 0x4D);
inline const QColor Papier(0xFF, 0xFF, 0xFF);
inline const QColor Gris(0xA9, 0xB4, 0xC2);
inline const QColor GrisClair(0xDD, 0xE3, 0xEA);
inline const QColor Bleu(0x35, 0x7F, 0xD0);
inline const QColor BleuClair(0x9F, 0xCF, 0xF5);
inline const QColor Vert(0x3C, 0xA5, 0x4F);
inline const QColor Rouge(0xDD, 0x4B, 0x3E);
inline const QColor Jaune(0xF6, 0xC1, 0x43);
inline const QColor JauneFonce(0xE0, 0x9A, 0x2B);
inline const QColor Orange(0xEE, 0x8A, 0x2E);
inline const QColor Bois(0xC8, 0x86, 0x48);
inline const QColor Ardoise(0x4A, 0x5A, 0x70);

inline constexpr qreal Trait = 1.5; // épaisseur unique des contours

// La face arrondie du bouton, un peu moins haute que l'image pour laisser place à l'ombre.
inline constexpr QRectF Face(2.5, 2.5, 39.0, 38.0);
inline constexpr qreal RayonFace = 8.0;

// Petite pastille ronde en bas à droite, qui dit l'action (ajouter, changer, supprimer...).
inline constexpr QPointF CentrePastille(30.5, 30.5);
inline constexpr qreal RayonPastille = 7.3;

QPen PenContour(qreal epaisseur = Trait);
// Remplit puis cerne : tous les éléments ont le même contour sombre.
void Forme(QPainter& p, const QPainterPath& chemin, const QBrush& fond);
QPainterPath Rect(const QRectF& r, qreal rayon = 1.5);
QPainterPath Cercle(QPointF centre, qreal rayon);
QPainterPath Polygone(std::initializer_list<QPointF> points);
void Ligne(QPainter& p, QPointF a, QPointF b, const QColor& couleur, qreal epaisseur = Trait);

// Le fond du bouton, relâché ou enfoncé.
void DessinerFace(QPainter& p, bool enfonce);

void Pastille(QPainter& p, const QColor& couleur);
void SignePlus(QPainter& p, QPointF c, qreal demi);
void SigneCroix(QPainter& p, QPointF c, qreal demi);
// Arc terminé par une pointe de flèche pleine ; angles en degrés, sens trigonométrique.
void ArcFleche(QPainter& p, QPointF centre, qreal rayon, qreal debut, qreal etendue,
               const QColor& couleur, qreal epaisseur);
// Une feuille à coin replié, avec ou sans lignes de texte.
void Feuille(QPainter& p, const QRectF& r, bool lignes = true);
// Une photo encadrée : ciel, soleil et colline.
void Photo(QPainter& p, const QRectF& r);
void Disquette(QPainter& p, const QRectF& r);
QPainterPath Etoile(QPointF c, qreal exterieur, qreal interieur);
// Un caractère centré, changé en contour pour ne pas dépendre du rendu du texte.
void Caractere(QPainter& p, const QString& texte, QPointF centre, qreal taille,
               const QColor& couleur);

} // namespace DessinSprite
