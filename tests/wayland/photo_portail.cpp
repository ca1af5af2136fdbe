// Photo de l'écran par le portail (org.freedesktop.portal.Screenshot, non interactive), lancée
// dans scripts/session-wayland, puis comparée pixel pour pixel à ce que l'écran doit montrer.
//
//   photo_portail --taille LxH --couleur RRGGBB   tout l'écran de cette couleur exacte
//   photo_portail --taille LxH --motif            tout l'écran du motif (Motif.h), au pixel près
//   photo_portail --fabriquer-motif FICHIER --taille LxH   écrit le motif en PNG (fond de sway)
//   --garder FICHIER  garde une copie de la photo (pour voir ce qui n'allait pas)
//
// Code 0 si la photo est celle attendue, 1 sinon (jamais 77 : un essai raté ne se saute pas).

#include "Motif.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <optional>

namespace {

int Echec(const QString& message) {
    std::fprintf(stderr, "photo_portail : %s\n", qPrintable(message));
    return 1;
}

// Reçoit le signal Response de la demande ; abonné avant l'appel, car la réponse arrive vite.
class Reponse : public QObject {
    Q_OBJECT
public:
    bool recue = false;
    uint code = 0;
    QVariantMap resultats;
    QEventLoop boucle;

public slots:
    void reponse(uint c, const QVariantMap& r) {
        recue = true;
        code = c;
        resultats = r;
        boucle.quit();
    }
};

std::optional<QSize> LireTaille(const QString& texte) {
    static const QRegularExpression forme("^([1-9][0-9]*)x([1-9][0-9]*)$");
    const auto m = forme.match(texte);
    if (!m.hasMatch())
        return std::nullopt;
    return QSize(m.captured(1).toInt(), m.captured(2).toInt());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    std::optional<QSize> taille;
    std::optional<QRgb> couleur;
    bool motif = false;
    QString fabriquer, garder;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool suivant = i + 1 < args.size();
        if (a == "--taille" && suivant) {
            taille = LireTaille(args[++i]);
            if (!taille)
                return Echec("taille invalide : " + args[i]);
        } else if (a == "--couleur" && suivant) {
            bool ok = false;
            const uint valeur = args[++i].toUInt(&ok, 16);
            if (!ok || args[i].size() != 6)
                return Echec("couleur invalide (RRGGBB) : " + args[i]);
            couleur = qRgb(valeur >> 16 & 0xff, valeur >> 8 & 0xff, valeur & 0xff);
        } else if (a == "--motif") {
            motif = true;
        } else if (a == "--fabriquer-motif" && suivant) {
            fabriquer = args[++i];
        } else if (a == "--garder" && suivant) {
            garder = args[++i];
        } else {
            return Echec("argument inconnu : " + a);
        }
    }
    if (!taille)
        return Echec("--taille LxH manque");

    if (!fabriquer.isEmpty()) {
        if (!ImageMotif(taille->width(), taille->height()).save(fabriquer, "PNG"))
            return Echec("écriture impossible : " + fabriquer);
        return 0;
    }
    if (motif == couleur.has_value())
        return Echec("il faut --couleur RRGGBB ou --motif");

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Echec("pas de bus de session : " + bus.lastError().message());

    // Le chemin de la demande se prédit : le nom unique sans « : », les « . » en « _ », puis le
    // jeton choisi ici.
    const QString jeton = QString("photo_portail_%1").arg(QCoreApplication::applicationPid());
    const QString emetteur = bus.baseService().mid(1).replace('.', '_');
    const QString chemin = "/org/freedesktop/portal/desktop/request/" + emetteur + "/" + jeton;
    Reponse reponse;
    if (!bus.connect(QString(), chemin, "org.freedesktop.portal.Request", "Response", &reponse,
                     SLOT(reponse(uint, QVariantMap))))
        return Echec("abonnement au signal Response impossible : " + bus.lastError().message());

    QDBusMessage appel = QDBusMessage::createMethodCall(
        "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
        "org.freedesktop.portal.Screenshot", "Screenshot");
    appel << QString() << QVariantMap{{"handle_token", jeton}, {"interactive", false}};
    const QDBusMessage retour = bus.call(appel, QDBus::Block, 10000);
    if (retour.type() != QDBusMessage::ReplyMessage)
        return Echec("appel Screenshot refusé : " + retour.errorName() + " " +
                     retour.errorMessage());
    const QString demande = retour.arguments().value(0).value<QDBusObjectPath>().path();
    if (demande != chemin)
        return Echec("le portail répond sur " + demande + " au lieu de " + chemin);

    if (!reponse.recue) {
        QTimer::singleShot(10000, &reponse.boucle, &QEventLoop::quit);
        reponse.boucle.exec();
    }
    if (!reponse.recue)
        return Echec("pas de signal Response en 10 s");
    if (reponse.code != 0)
        return Echec(QString("Response %1 (0 = accordée)").arg(reponse.code));

    // Le portail écrit toujours au même endroit : la photo se lit tout de suite.
    const QUrl uri(reponse.resultats.value("uri").toString());
    if (!uri.isLocalFile())
        return Echec("uri inattendue : " + uri.toString());
    QFile fichier(uri.toLocalFile());
    if (!fichier.open(QIODevice::ReadOnly))
        return Echec("photo illisible : " + fichier.fileName());
    const QByteArray octets = fichier.readAll();
    if (!garder.isEmpty()) {
        QFile copie(garder);
        if (!copie.open(QIODevice::WriteOnly) || copie.write(octets) != octets.size())
            return Echec("copie impossible : " + garder);
    }
    QImage photo;
    if (!photo.loadFromData(octets, "PNG"))
        return Echec(QString("la photo n'est pas un PNG (%1 octets)").arg(octets.size()));
    if (photo.size() != *taille)
        return Echec(QString("photo de %1x%2 au lieu de %3x%4")
                         .arg(photo.width())
                         .arg(photo.height())
                         .arg(taille->width())
                         .arg(taille->height()));
    photo = photo.convertToFormat(QImage::Format_RGB32);

    qint64 faux = 0;
    int montres = 0;
    for (int y = 0; y < photo.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(photo.constScanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const QRgb attendu = couleur ? *couleur : CouleurMotif(x, y);
            const QRgb vu = ligne[x] | 0xff000000;
            if (vu == (attendu | 0xff000000))
                continue;
            ++faux;
            if (montres++ < 5)
                std::fprintf(stderr,
                             "photo_portail : (%d, %d) vaut (%d, %d, %d) au lieu de (%d, %d, %d)\n",
                             x, y, qRed(vu), qGreen(vu), qBlue(vu), qRed(attendu), qGreen(attendu),
                             qBlue(attendu));
        }
    }
    if (faux)
        return Echec(QString("pixels faux : %1 sur %2")
                         .arg(faux)
                         .arg(qint64(photo.width()) * photo.height()));
    std::printf("photo_portail : %dx%d, les %lld pixels sont ceux attendus\n", photo.width(),
                photo.height(), qint64(photo.width()) * photo.height());
    return 0;
}

#include "photo_portail.moc"
