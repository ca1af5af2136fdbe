#pragma once
// Les positions du cadre de capture sont gardées en twips (1/1440 de pouce), comme dans le
// fichier « Passage » ; l'écran travaille en pixels.

// Twips par pixel pour une résolution logique donnée : 1440 / dpi, arrondi (15 à 96 dpi).
// Jamais moins de 1, pour que les divisions restent possibles.
int TwipsParPixelPour(double dpiLogique);

// Twips par pixel de l'écran principal (15 quand aucun écran n'est connu).
int TwipsParPixel();
