#pragma once
// Le bouton « ? » des fenêtres : il ouvre la page d'aide de la fenêtre, rangée dans
// « Aide_Contextuelle » du dossier du programme, avec le programme du bureau.

class Editeur;
class QPushButton;
class QString;
class QWidget;

QPushButton* CreerBoutonAide(QWidget* fenetre, Editeur& editeur, const QString& page);
