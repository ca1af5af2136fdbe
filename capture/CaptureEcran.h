#pragma once
// Copie d'un rectangle de l'écran, pixel pour pixel. Sous X11 par QScreen::grabWindow ;
// ailleurs (Wayland, plateforme sans écran) la copie est refusée avec une explication, plutôt
// que d'enregistrer une image noire.

#include <QImage>
#include <QRect>
#include <QString>

class CaptureEcran {
public:
    virtual ~CaptureEcran() = default;
    // Vrai quand une copie de l'écran peut être faite ; sinon raison dit pourquoi.
    virtual bool disponible(QString* raison) const = 0;
    // Le rectangle en pixels de l'écran (origine en haut à gauche du bureau) ; image nulle en
    // cas d'échec.
    virtual QImage saisir(const QRect& zone) = 0;
};

// Titre et texte du refus, pour les messages.
QString TitreCaptureImpossible();
QString TexteCaptureImpossible();

class CaptureEcranX11 : public CaptureEcran {
public:
    bool disponible(QString* raison) const override;
    QImage saisir(const QRect& zone) override;
};
