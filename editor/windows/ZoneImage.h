#pragma once
// L'image de la diapo : à sa taille réelle, réduite pour tenir dans la place que la fenêtre lui
// donne, et décodée directement à la taille montrée.

#include <QImage>
#include <QWidget>

class ZoneImage : public QWidget {
    Q_OBJECT
public:
    explicit ZoneImage(QWidget* parent = nullptr);

    // signature : la version du fichier (SignatureFichier) ; une autre version se relit.
    void montrer(const QString& chemin, const QString& signature = {});
    const QString& chemin() const { return m_chemin; }
    const QString& signature() const { return m_signature; }
    // Taille de l'image décodée (vide si l'image est illisible).
    QSize tailleDecodee() const { return m_image.size(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void Charger();

    QString m_chemin;
    QString m_signature;
    QImage m_image;
    QSize m_placeChargee;
};
