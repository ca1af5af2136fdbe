#include "Sprites.h"

#include "DessinSprite.h"
#include "MotifsSprite.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

// Dessinées à l'exécution plutôt que lues dans un fichier : nettes à toutes les échelles d'écran
// et rien à livrer à côté de l'exécutable. Coordonnées en pixels logiques, sur un carré de 44.

namespace {

constexpr qreal Enfoncement = 1.5; // décalage du dessin quand le bouton est enfoncé

} // namespace

using namespace DessinSprite;

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
