#pragma once
// La barre d'outils de la fenêtre principale : une rangée de boutons image, chacun avec son
// couple d'images (relâchée, enfoncée) tiré de imgSprite, sa bulle et sa commande ; « Quitter »
// se tient seul au bout, loin des commandes d'édition.

#include <QKeySequence>
#include <QWidget>
#include <functional>

class BoutonImage;
class QHBoxLayout;

class BarreOutils : public QWidget {
    Q_OBJECT
public:
    explicit BarreOutils(QWidget* parent = nullptr);

    // numero : le rang du bouton dans imgSprite (images 2 × numero et 2 × numero + 1).
    // raccourci : la touche de la même commande, montrée dans la bulle.
    BoutonImage* Ajouter(const QString& nom, int numero, const QString& bulle,
                         std::function<void()> commande, const QKeySequence& raccourci = {});
    // Le bouton du bout de la barre, à part des autres.
    BoutonImage* AjouterAuBout(const QString& nom, int numero, const QString& bulle,
                               std::function<void()> commande, const QKeySequence& raccourci = {});

private:
    QHBoxLayout* m_rangee = nullptr;
    QHBoxLayout* m_bout = nullptr;
};
