#pragma once

class QWidget;

// Centre une fenêtre sur l'écran principal.
void CentrerFeuille(QWidget& fenetre);
