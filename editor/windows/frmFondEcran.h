#pragma once
// « Changer le fond d'écran » : le fond actuel du diaporama et les textures du dossier
// « Textures », parcourues avec la barre de défilement. La logique est dans ChoixFond ; OK rend
// la texture montrée dans NomFond, Annuler (ou Échap, ou le cadre) un NomFond vide. Créée une
// fois, puis cachée et montrée.

#include "ChoixFond.h"

#include <QDialog>
#include <QImage>

class BarreDefilement;
class Editeur;
class QLabel;

// Une image montrée à sa taille réelle, répétée pour remplir sa place comme sur la page.
class ApercuTexture : public QWidget {
    Q_OBJECT
public:
    explicit ApercuTexture(QWidget* parent = nullptr);
    void montrer(const QString& chemin);
    const QImage& image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage m_image;
};

class frmFondEcran : public QDialog {
    Q_OBJECT
public:
    explicit frmFondEcran(Editeur& editeur, QWidget* parent = nullptr);

    const ChoixFond& choix() const { return m_choix; }
    BarreDefilement* HScroll1() { return m_hscroll1; }
    QLabel* Label1() { return m_label1; }
    ApercuTexture* Image1() { return m_image1; }
    ApercuTexture* Image2() { return m_image2; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Montrer();

    Editeur& m_editeur;
    ChoixFond m_choix;
    bool m_centree = false;
    ApercuTexture* m_image1 = nullptr;
    ApercuTexture* m_image2 = nullptr;
    QLabel* m_label1 = nullptr;
    BarreDefilement* m_hscroll1 = nullptr;
};
