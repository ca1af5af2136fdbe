#pragma once
// Les champs publics de la fenêtre des réglages que le cadre de capture lit et écrit.

#include <QImage>
#include <cstdint>

struct EtatCapture {
    int32_t TopDiapo = 0;      // haut du cadre, twips ; -999 : pas de position, le cadre se centre
    int32_t LeftDiapo = 0;     // gauche du cadre, twips
    int32_t HauteurDiapo = 0;  // hauteur de la zone, pixels
    int32_t LargeurDiapo = 0;  // largeur de la zone, pixels
    int16_t NumeroCapture = 0; // numéro de la dernière capture (0 : aucune)
    QImage Pic;                // les pixels copiés de l'écran
};
