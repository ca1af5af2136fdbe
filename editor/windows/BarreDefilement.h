#pragma once
// Une barre de défilement horizontale qui se mène au clavier (flèches, Début, Fin, Page
// précédente et suivante ; le style de Qt ne le fait pas pour une barre seule) et qui montre
// qu'elle a le clavier, du même cadre que les autres contrôles dessinés du programme.

#include <QScrollBar>

class BarreDefilement : public QScrollBar {
    Q_OBJECT
public:
    explicit BarreDefilement(QWidget* parent = nullptr);
    // Ce qu'une vue montre : le pas de Page précédente et suivante et d'un clic à côté du
    // curseur, et la longueur du curseur par rapport à la barre.
    void definirPage(int pas) {
        m_page = pas;
        setPageStep(pas);
    }
    // Avance de pas (négatif : recule), bornée.
    void Avancer(int pas);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    int m_page = 1;
};
