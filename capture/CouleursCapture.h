#pragma once
// Couleurs de la fenêtre des réglages ; le compteur passe du vert au rouge clair en mode
// écrasement, la logique les choisit donc aussi.

#include <QColor>

namespace CouleursCapture {
inline const QColor Fond(255, 255, 192);
inline const QColor Vert(128, 255, 128);
inline const QColor Rouge(255, 128, 128);
inline const QColor Options(192, 255, 192);
inline const QColor Commandes(255, 192, 192);
} // namespace CouleursCapture
