#pragma once
// Le cadre de capture : une fenêtre sans bordure du système, toujours devant, qui dessine sa
// propre bande de titre (29 pixels) et ses bords (3 pixels) ; son masque est la réunion des
// quatre bandes, le trou de L x H pixels laisse voir l'écran. Flèches : déplacer ; Entrée :
// copier ce qui est sous le trou ; Échap : renoncer.

#include "EtatCapture.h"

#include <QDialog>
#include <QRegion>
#include <QTimer>

class CaptureEcran;
class QLabel;
class QPainter;

class frmCapture : public QDialog {
    Q_OBJECT
public:
    static constexpr int Bord = 3;
    static constexpr int BandeTitre = 29;

    // etat : les champs de la fenêtre des réglages ; dossier : celui des fichiers de capture.
    frmCapture(EtatCapture& etat, CaptureEcran& ecran, const QString& dossier,
               QWidget* parent = nullptr);

    // Une capture a été enregistrée pendant que le cadre était montré.
    bool CaptureFaite = false;

    // Étapes 1 à 6 d'Entrée, sans le clignotement ni la fermeture : copie sous le trou et
    // enregistrement du BMP. Faux en cas d'échec, Echec() dit pourquoi.
    bool SaisirZone();
    // Entrée : SaisirZone, clignotement de la bande (10 tops de 100 ms), fermeture.
    void Capturer();

    QString Echec() const { return m_echec; }
    int16_t NbFlash() const { return m_nbFlash; }
    bool Inverse() const { return m_inverse; }
    // Position du cadre (coin extérieur), twips.
    int32_t Gauche() const { return m_left; }
    int32_t Haut() const { return m_top; }
    int TwipsParPixel() const { return m_tpp; }
    // Le trou, en coordonnées de la fenêtre, et la forme donnée à la fenêtre.
    QRect Trou() const;
    static QRegion Forme(int largeur, int hauteur);

    void done(int resultat) override;

    // Lance le clignotement de la bande (minuterie de cadre) et attend qu'il finisse ; faux si le
    // cadre a été détruit entre-temps. Le cadre figé clignote de même.
    static bool AttendreClignotement(QDialog& cadre, QTimer& minuterie);

    // La bande, les bords et leurs textes d'un cadre dont le rectangle extérieur est donné ;
    // le trou reste tel qu'il est. Le cadre figé peint le même.
    static void PeindreCadre(QPainter& p, const QRect& cadre, bool inverse, const QString& taille,
                             const QString& rappel, const QFont& police);

    // Le rappel des touches écrit dans la bande de titre ; vide quand le cadre est trop étroit
    // et que la bulle sous le cadre le montre.
    QString RappelDansLaBande() const;
    // Cette bulle, quand elle existe.
    QLabel* BulleRappel() const { return m_rappel; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    void Deplacer(int dxPixels, int dyPixels);
    QFont PoliceBande() const;
    QRect Bande() const;
    QString TexteTaille() const;
    void PlacerRappel();
    void Placer();
    void TopTimer1();

    EtatCapture& m_etat;
    CaptureEcran& m_ecran;
    QString m_dossier;
    int m_tpp;
    int m_largeur;
    int m_hauteur;
    int32_t m_left = 0;
    int32_t m_top = 0;
    QTimer Timer1;
    int16_t m_nbFlash = 0;
    bool m_inverse = false;
    bool m_enCapture = false;
    bool m_positionNotee = false;
    QString m_echec;
    // Glisser la bande de titre à la souris.
    bool m_glisse = false;
    QPoint m_prise;
    QLabel* m_rappel = nullptr;
};
