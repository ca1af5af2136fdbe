#pragma once
// Placement des fenêtres à l'écran, et ce que leurs contrôles dessinés partagent, commun aux
// deux programmes.

#include <QColor>

class QWidget;

// Le cadre des contrôles dessinés par le programme qui ont le clavier.
inline QColor CouleurFocus() {
    return QColor(47, 111, 201);
}

// Centre une fenêtre sur l'écran principal.
void CentrerFeuille(QWidget& fenetre);

// Monte la fenêtre au premier plan et lui donne le clavier ; rien sur la plateforme sans
// écran, qui ne sait pas le faire (et le dit à chaque appel).
void MettreDevant(QWidget& fenetre);
