#pragma once
// L'image de la diapo : à sa taille réelle, réduite pour tenir dans la place que la fenêtre lui
// donne, et décodée directement à la taille montrée.

#include <QImage>
#include <QWidget>

class ZoneImage : public QWidget {
    Q_OBJECT
public:
    explicit ZoneImage(QWidget* parent = nullptr);

    void montrer(const QString& chemin);
    const QString& chemin() const { return m_chemin; }
    // Taille de l'image décodée (vide si l'image est illisible).
    QSize tailleDecodee() const { return m_image.size(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void Charger();

    QString m_chemin;
    QImage m_image;
    QSize m_placeChargee;
};
