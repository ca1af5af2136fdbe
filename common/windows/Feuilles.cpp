#include "Feuilles.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentrerFeuille(QWidget& fenetre) {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect zone = ecran->geometry();
    // Une fenêtre affichée a son cadre ; avant l'affichage, seule sa taille intérieure existe.
    const QSize taille = fenetre.isVisible() ? fenetre.frameGeometry().size() : fenetre.size();
    fenetre.move(zone.x() + (zone.width() - taille.width()) / 2,
                 zone.y() + (zone.height() - taille.height()) / 2);
}

void MettreDevant(QWidget& fenetre) {
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    fenetre.raise();
    fenetre.activateWindow();
}
