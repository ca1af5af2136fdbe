#pragma once
// Placement des fenêtres à l'écran, commun aux deux programmes.

class QWidget;

// Centre une fenêtre sur l'écran principal.
void CentrerFeuille(QWidget& fenetre);

// Monte la fenêtre au premier plan et lui donne le clavier ; rien sur la plateforme sans
// écran, qui ne sait pas le faire (et le dit à chaque appel).
void MettreDevant(QWidget& fenetre);
