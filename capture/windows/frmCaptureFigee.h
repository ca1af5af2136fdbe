#pragma once
// Le cadre de capture sur une image figée de l'écran : l'écran est photographié d'abord, puis
// montré immobile en plein écran, avec le même cadre (bande, bords, trou), les mêmes touches
// (flèches : 1 pixel, Ctrl : 10 pixels ; Entrée ; Échap) ; la capture est faite des pixels de
// l'image sous le trou. Il sert là où le cadre transparent ne peut pas être exact : écran mis à
// l'échelle, Wayland (où l'image vient du bureau).

#include "CadreFige.h"
#include "EtatCapture.h"

#include <QDialog>
#include <QTimer>

class QScreen;

class frmCaptureFigee : public QDialog {
    Q_OBJECT
public:
    // fige : l'écran ecran en pixels réels ; etat : les champs de la fenêtre des réglages ;
    // dossier : celui des fichiers de capture.
    frmCaptureFigee(EtatCapture& etat, QImage fige, QScreen* ecran, const QString& dossier,
                    QWidget* parent = nullptr);

    bool CaptureFaite = false;
    QString Echec() const { return m_echec; }
    int16_t NbFlash() const { return m_nbFlash; }
    const CadreFige& Cadre() const { return m_cadre; }
    // La photo de l'écran sur laquelle le cadre est posé.
    const QImage& Fige() const { return m_fige; }

    // Copie sous le trou et enregistrement du BMP, sans clignotement ni fermeture.
    bool SaisirZone();
    // Entrée : SaisirZone, clignotement de la bande, fermeture.
    void Capturer();

    void done(int resultat) override;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Noter();
    QRect CadreEcran() const;

    EtatCapture& m_etat;
    QImage m_fige;
    QString m_dossier;
    CadreFige m_cadre;
    QTimer Timer1;
    int16_t m_nbFlash = 0;
    bool m_inverse = false;
    bool m_enCapture = false;
    QString m_echec;
    bool m_glisse = false;
    QPointF m_dernier;
};
