#include "CaptureEcran.h"

#include "Dialogues.h"
#include "EtatCapture.h"
#include "Passage.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cmath>

QString TitreCaptureImpossible() {
    return QStringLiteral("IMPOSSIBILITE");
}

QString TexteCaptureImpossible() {
    return QStringLiteral("La capture d'écran n'est pas possible dans cette session.") + CRLF +
           QStringLiteral("Le module de capture lit les pixels de l'écran par le serveur X11 ; "
                          "une session Wayland ne le permet pas.") +
           CRLF +
           QStringLiteral("Ouvrez une session « sur Xorg » (X11) puis relancez le programme.");
}

bool CaptureEcranX11::disponible(QString* raison) const {
    // Sous XWayland comme sous Wayland, la fenêtre racine ne montre pas les autres programmes :
    // seule une vraie session X11 donne des captures fidèles.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb") &&
                     qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!x11 && raison)
        *raison = TexteCaptureImpossible();
    return x11 && QGuiApplication::primaryScreen() != nullptr;
}

QImage CaptureEcranX11::saisir(const QRect& zone) {
    QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran || zone.isEmpty())
        return {};
    // Le cadre peut déborder de l'écran : seule la partie visible est lue, le reste reste noir,
    // et l'image garde toujours la taille demandée.
    const QRect visible = zone.intersected(ecran->virtualGeometry());
    QImage image(zone.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    if (visible.isEmpty())
        return image;
    // La fenêtre 0 est la racine : les coordonnées sont celles du bureau.
    const QPixmap copie =
        ecran->grabWindow(0, visible.x(), visible.y(), visible.width(), visible.height());
    if (copie.isNull())
        return {};
    const QImage lue = copie.toImage().convertToFormat(QImage::Format_RGB32);
    if (lue.size() == zone.size())
        return lue;
    for (int y = 0; y < lue.height() && y < visible.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(lue.constScanLine(y));
        auto* cible = reinterpret_cast<QRgb*>(image.scanLine(y + visible.y() - zone.y()));
        std::copy(source, source + std::min(lue.width(), visible.width()),
                  cible + (visible.x() - zone.x()));
    }
    return image;
}

double EchelleEcran(const QScreen* ecran) {
    return ecran ? ecran->devicePixelRatio() : 1.0;
}

QSize TailleReelle(const QScreen* ecran) {
    if (!ecran)
        return {};
    const QSize logique = ecran->geometry().size();
    const double echelle = EchelleEcran(ecran);
    return QSize(static_cast<int>(std::lround(logique.width() * echelle)),
                 static_cast<int>(std::lround(logique.height() * echelle)));
}

QImage CaptureEcranX11::saisirEcran(QScreen* ecran) {
    if (!ecran)
        return {};
    // Qt passe la géométrie de l'écran en pixels réels : la copie est celle du serveur, pixel
    // pour pixel, sans rééchantillonnage.
    const QRect g = ecran->geometry();
    const QPixmap copie = ecran->grabWindow(0, g.x(), g.y(), g.width(), g.height());
    if (copie.isNull())
        return {};
    QImage image = copie.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    if (image.size() != TailleReelle(ecran))
        return {};
    return image;
}

QScreen* EcranDuCadre(const EtatCapture& etat, int tpp) {
    if (etat.TopDiapo != PositionAbsente && tpp > 0) {
        // Le coin peut déborder un peu de l'écran : on cherche aussi un peu plus loin dedans.
        const QPoint coin(etat.LeftDiapo / tpp, etat.TopDiapo / tpp);
        for (const QPoint decalage : {QPoint(0, 0), QPoint(40, 40)})
            if (QScreen* ecran = QGuiApplication::screenAt(coin + decalage))
                return ecran;
    }
    return QGuiApplication::primaryScreen();
}

QString CaptureEcran::raisonEchec() const {
    return TexteCaptureImpossible();
}
