#pragma once
// La copie de l'écran sous Wayland : un programme n'y lit pas l'écran lui-même, il demande une
// photo au bureau par le portail xdg-desktop-portal (interface Screenshot, sur le bus de
// session). Le bureau peut refuser (l'utilisateur a dit non, pas de portail) : on le dit en
// français, jamais d'image noire ou vide.

#include "CaptureEcran.h"

class CaptureEcranPortail : public CaptureEcran {
public:
    // attenteMs : le plus long qu'on attende la réponse du bureau (il peut d'abord demander son
    // accord à l'utilisateur).
    // service : le nom du portail sur le bus (un autre nom pour les essais).
    explicit CaptureEcranPortail(int attenteMs = 120000,
                                 QString service = QStringLiteral("org.freedesktop.portal.Desktop"))
        : m_attenteMs(attenteMs), m_service(std::move(service)) {}

    bool disponible(QString* raison) const override;
    // Une zone du bureau : une photo de l'écran qui la contient, découpée.
    QImage saisir(const QRect& zone) override;
    QImage saisirEcran(QScreen* ecran) override;
    QString raisonEchec() const override { return m_raison; }

    // La photo entière que le portail a rendue (tous les écrans), ou nulle ; m_raison dit
    // pourquoi.
    QImage Photographier();

private:
    int m_attenteMs;
    QString m_service;
    QString m_raison;
};

// La partie d'une photo du bureau qui montre cet écran, en pixels réels.
QImage DecouperEcran(const QImage& bureau, const QRect& geometrieEcran, const QRect& bureauLogique);

// Vrai dans une session Wayland (où seul le portail donne l'écran).
bool SessionWayland();

// La copie d'écran qui convient à cette session : le portail sous Wayland, X11 sinon.
std::unique_ptr<CaptureEcran> CaptureEcranDeLaSession();
