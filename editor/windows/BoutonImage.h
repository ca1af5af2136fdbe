#pragma once
// Bouton image de la barre d'outils : image enfoncée tant qu'un bouton de la souris est tenu
// dessus, image relâchée puis commande au relâchement, où que soit alors le pointeur.
// Au clavier, Espace ou Entrée font de même.

#include <QKeySequence>
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
    // Le raccourci clavier de la commande, montré dans la bulle à la suite de son texte (la
    // bulle elle-même, texte du programme et nom accessible, ne change pas).
    void definirRaccourci(const QKeySequence& raccourci) { m_raccourci = raccourci; }
    QString texteBulle() const;
    const QPixmap& imageRelachee() const { return m_relache; }
    const QPixmap& imageEnfoncee() const { return m_enfonce_image; }

protected:
    bool event(QEvent* e) override;
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
    QKeySequence m_raccourci;
};
