#pragma once
// Copie d'un rectangle de l'écran, pixel pour pixel. Sous X11 par QScreen::grabWindow ;
// ailleurs (Wayland, plateforme sans écran) la copie est refusée avec une explication, plutôt
// que d'enregistrer une image noire.

#include <QImage>
#include <QRect>
#include <QString>

class QScreen;

class CaptureEcran {
public:
    virtual ~CaptureEcran() = default;
    // Vrai quand une copie de l'écran peut être faite ; sinon raison dit pourquoi.
    virtual bool disponible(QString* raison) const = 0;
    // Le rectangle en pixels de l'écran (origine en haut à gauche du bureau) ; image nulle en
    // cas d'échec.
    virtual QImage saisir(const QRect& zone) = 0;
    // Tout un écran en pixels réels, même sur un bureau mis à l'échelle : l'image fait la
    // taille de l'écran multipliée par son échelle. Image nulle en cas d'échec.
    virtual QImage saisirEcran(QScreen* ecran) = 0;
    // Pourquoi la dernière copie n'a pas pu se faire, pour le message.
    virtual QString raisonEchec() const;
};

// Titre et texte du refus, pour les messages.
QString TitreCaptureImpossible();
QString TexteCaptureImpossible();

class CaptureEcranX11 : public CaptureEcran {
public:
    bool disponible(QString* raison) const override;
    QImage saisir(const QRect& zone) override;
    QImage saisirEcran(QScreen* ecran) override;
};

// Pixels réels par pixel du bureau sur cet écran (1 sans mise à l'échelle).
double EchelleEcran(const QScreen* ecran);
// Taille de l'écran en pixels réels.
QSize TailleReelle(const QScreen* ecran);

struct EtatCapture;
// L'écran où se trouve le coin du cadre gardé dans etat ; l'écran principal s'il n'y en a pas.
QScreen* EcranDuCadre(const EtatCapture& etat, int tpp);
