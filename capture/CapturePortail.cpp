#include "CapturePortail.h"

#include "Dialogues.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImageReader>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

const QString Chemin = QStringLiteral("/org/freedesktop/portal/desktop");

// Reçoit le signal Response de la demande et arrête l'attente.
class ReponsePortail : public QObject {
    Q_OBJECT
public:
    uint code = 2;
    QString uri;
    bool recue = false;
    QEventLoop boucle;

public slots:
    void Recevoir(uint c, const QVariantMap& resultats) {
        code = c;
        uri = resultats.value(QStringLiteral("uri")).toString();
        recue = true;
        boucle.quit();
    }
};

QString TexteRefus() {
    return QStringLiteral("Le bureau a refusé la capture d'écran.") + CRLF +
           QStringLiteral("Autorisez la capture d'écran pour ce programme dans les réglages de "
                          "confidentialité du bureau, puis recommencez.");
}

QString TextePortailAbsent(const QString& detail) {
    return QStringLiteral("La capture d'écran n'est pas possible dans cette session Wayland : le "
                          "bureau ne propose pas de photo de l'écran (portail "
                          "xdg-desktop-portal absent ou incomplet).") +
           CRLF + detail;
}

} // namespace

bool SessionWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::unique_ptr<CaptureEcran> CaptureEcranDeLaSession() {
    if (SessionWayland())
        return std::make_unique<CaptureEcranPortail>();
    return std::make_unique<CaptureEcranX11>();
}

bool CaptureEcranPortail::disponible(QString* raison) const {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const bool ok = bus.isConnected() && bus.interface() &&
                    bus.interface()->isServiceRegistered(m_service).value();
    if (!ok && raison)
        *raison = TextePortailAbsent(
            QStringLiteral("Pas de service %1 sur le bus de session.").arg(m_service));
    return ok;
}

QImage CaptureEcranPortail::Photographier() {
    m_raison.clear();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_raison = TextePortailAbsent(QStringLiteral("Pas de bus de session."));
        return {};
    }
    // La réponse arrive sur un chemin connu d'avance : on l'écoute avant de demander, elle
    // peut venir très vite.
    const QString jeton = QStringLiteral("ostrelle%1").arg(QRandomGenerator::global()->generate());
    QString expediteur = bus.baseService().mid(1);
    expediteur.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString demande =
        Chemin + QStringLiteral("/request/") + expediteur + QLatin1Char('/') + jeton;
    ReponsePortail reponse;
    bus.connect(m_service, demande, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"), &reponse, SLOT(Recevoir(uint, QVariantMap)));

    QDBusMessage appel = QDBusMessage::createMethodCall(
        m_service, Chemin, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), jeton);
    options.insert(QStringLiteral("interactive"), false);
    options.insert(QStringLiteral("modal"), true);
    appel << QString() << options;
    // Les événements continuent pendant l'appel : la fenêtre se redessine, et un portail du même
    // programme (les essais) peut répondre.
    const QDBusMessage retour = bus.call(appel, QDBus::BlockWithGui, 10000);
    if (retour.type() == QDBusMessage::ErrorMessage) {
        bus.disconnect(m_service, demande, QStringLiteral("org.freedesktop.portal.Request"),
                       QStringLiteral("Response"), &reponse, SLOT(Recevoir(uint, QVariantMap)));
        m_raison = TextePortailAbsent(retour.errorMessage());
        return {};
    }
    // Un portail plus ancien donne un autre chemin que celui prévu : on l'écoute aussi.
    const QString rendu = retour.arguments().value(0).value<QDBusObjectPath>().path();
    if (!rendu.isEmpty() && rendu != demande)
        bus.connect(m_service, rendu, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"), &reponse, SLOT(Recevoir(uint, QVariantMap)));
    if (!reponse.recue) {
        QTimer::singleShot(m_attenteMs, &reponse.boucle, &QEventLoop::quit);
        reponse.boucle.exec();
    }
    if (!reponse.recue) {
        m_raison = QStringLiteral("Le bureau n'a pas répondu à la demande de capture d'écran.");
        return {};
    }
    if (reponse.code == 1) {
        m_raison = TexteRefus();
        return {};
    }
    if (reponse.code != 0 || reponse.uri.isEmpty()) {
        m_raison = TextePortailAbsent(
            QStringLiteral("Le bureau n'a pas pu faire la photo de l'écran (réponse %1).")
                .arg(reponse.code));
        return {};
    }
    // Le fichier de la photo est lu tout de suite : le bureau peut le réécrire à la suivante.
    QImageReader lecteur(QUrl(reponse.uri).toLocalFile());
    lecteur.setAutoTransform(false);
    QImage image = lecteur.read();
    if (image.isNull()) {
        m_raison = TextePortailAbsent(QStringLiteral("La photo rendue par le bureau (%1) est "
                                                     "illisible.")
                                          .arg(reponse.uri));
        return {};
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage DecouperEcran(const QImage& bureau, const QRect& geometrieEcran,
                     const QRect& bureauLogique) {
    if (bureau.isNull() || bureauLogique.width() <= 0)
        return {};
    // Un seul écran : la photo entière. Plusieurs : la photo couvre tout le bureau, à l'échelle
    // de la photo.
    if (geometrieEcran == bureauLogique)
        return bureau;
    const double echelle = double(bureau.width()) / bureauLogique.width();
    const QRect zone(qRound((geometrieEcran.x() - bureauLogique.x()) * echelle),
                     qRound((geometrieEcran.y() - bureauLogique.y()) * echelle),
                     qRound(geometrieEcran.width() * echelle),
                     qRound(geometrieEcran.height() * echelle));
    return bureau.copy(zone);
}

QImage CaptureEcranPortail::saisirEcran(QScreen* ecran) {
    if (!ecran)
        return {};
    const QImage bureau = Photographier();
    if (bureau.isNull())
        return {};
    QImage image = DecouperEcran(bureau, ecran->geometry(), ecran->virtualGeometry());
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage CaptureEcranPortail::saisir(const QRect& zone) {
    // Sous Wayland le cadre est toujours figé : cette voie ne sert qu'aux appels directs. La zone
    // est en pixels du bureau, l'image rendue en pixels réels (zone multipliée par l'échelle).
    QScreen* ecran = QGuiApplication::screenAt(zone.center());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    const QImage image = saisirEcran(ecran);
    if (image.isNull())
        return {};
    const double echelle = double(image.width()) / ecran->geometry().width();
    const QPoint coin = zone.topLeft() - ecran->geometry().topLeft();
    return image.copy(QRect(qRound(coin.x() * echelle), qRound(coin.y() * echelle),
                            qRound(zone.width() * echelle), qRound(zone.height() * echelle)));
}

#include "CapturePortail.moc"
