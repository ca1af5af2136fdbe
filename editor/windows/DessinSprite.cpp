#include "DessinSprite.h"

#include <QFont>
#include <QLinearGradient>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace DessinSprite {

QPen PenContour(qreal epaisseur) {
    QPen pen(Encre, epaisseur);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Forme(QPainter& p, const QPainterPath& chemin, const QBrush& fond) {
    p.setPen(PenContour());
    p.setBrush(fond);
    p.drawPath(chemin);
}

QPainterPath Rect(const QRectF& r, qreal rayon) {
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

void Ligne(QPainter& p, QPointF a, QPointF b, const QColor& couleur, qreal epaisseur) {
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

void Feuille(QPainter& p, const QRectF& r, bool lignes) {
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

} // namespace DessinSprite
