#pragma once
// « Visionneuse » : les diapos par trois vignettes et une barre de défilement, pour changer leur
// ordre (couper, échanger, insérer). Toute la logique est dans OrdreDiapos ; la fenêtre montre
// son état et lui passe les clics. Créée une fois, puis cachée et montrée.

#include "BarreDefilement.h"
#include "CacheVignettes.h"
#include "OrdreDiapos.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

class Editeur;
class QLabel;
class QPainter;
class QPushButton;

// Une vignette ou un marqueur : un clic, ou Espace / Entrée au clavier.
class ZoneCliquable : public QWidget {
    Q_OBJECT
public:
    enum class Genre { Vignette, Marqueur };
    explicit ZoneCliquable(Genre genre, QWidget* parent = nullptr);
    void definirImage(const QImage& image);
    const QImage& image() const { return m_image; }

signals:
    void clique();
    void defiler(int pas);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void PeindreMarqueur(QPainter& p);

    Genre m_genre;
    QImage m_image;
};

class frmVisionneuse : public QDialog {
    Q_OBJECT
public:
    explicit frmVisionneuse(Editeur& editeur, QWidget* parent = nullptr);

    OrdreDiapos& ordre() { return m_ordre; }
    ZoneCliquable* vignette(int i) { return m_imgVisio[i]; }
    ZoneCliquable* marqueur(int j) { return m_picInsertion[j]; }
    QLabel* etiquette(int i) { return m_lblVisio[i]; }
    BarreDefilement* barre() { return m_hscVisio; }
    // La taille à laquelle les vignettes sont décodées (jamais l'image entière).
    QSize tailleVignette() const;
    // Les vignettes décodées et gardées.
    CacheVignettes& vignettes() { return m_vignettes; }
    // Toutes les vignettes montrées ont leur image (et non la place grise de l'attente).
    bool vignettesPretes() const;

    // Annuler, Échap et le cadre.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    ZoneCliquable* CreerZone(ZoneCliquable::Genre genre, const QString& nom,
                             const std::function<void()>& action);
    void Defiler(int pas);
    void GarderLeFocus(ZoneCliquable* zone);
    void Rafraichir();
    void Montrer(int i);

    Editeur& m_editeur;
    OrdreDiapos m_ordre;
    std::array<ZoneCliquable*, NbVignettes> m_imgVisio{};
    std::array<QLabel*, NbVignettes> m_lblVisio{};
    std::array<ZoneCliquable*, NbMarqueurs> m_picInsertion{};
    BarreDefilement* m_hscVisio = nullptr;
    CacheVignettes m_vignettes;
    bool m_centree = false;
};
