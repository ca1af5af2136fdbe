#pragma once
// Bouton image de la barre d'outils : image enfoncée tant qu'un bouton de la souris est tenu
// dessus, image relâchée puis commande au relâchement, où que soit alors le pointeur.
// Au clavier, Espace ou Entrée font de même.

#include <QPixmap>
#include <QWidget>
#include <functional>

class BoutonImage : public QWidget {
    Q_OBJECT
public:
    BoutonImage(const QString& nom, QPixmap relache, QPixmap enfonce, const QString& bulle,
                std::function<void()> commande, QWidget* parent = nullptr);

    bool estEnfonce() const { return m_enfonce; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;

private:
    void Enfoncer();
    void Relacher();

    QPixmap m_relache;
    QPixmap m_enfonce_image;
    std::function<void()> m_commande;
    bool m_enfonce = false;
};
