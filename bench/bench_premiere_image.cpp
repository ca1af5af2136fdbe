// La première diapo de la page du diaporama : un projet de 200 photos 1600 x 1067 (de 200 à
// 400 ko, chacune avec un commentaire de quelques lignes mis en forme) ouvert, enregistré et
// généré par l'éditeur avec les modèles du dossier du programme construit, puis ouvert depuis
// le disque dans Chromium sans tête (mesurer_premiere_image.mjs, playwright-core). Le temps
// mesuré va du début de la navigation à la peinture de la photo, sur des chargements à froid :
// un contexte neuf du navigateur à chaque fois, donc rien en mémoire.
// Référence dans la même exécution, chargements alternés : une page qui ne montre que la même
// photo dans un <img>. Sont montrés aussi DOMContentLoaded et les images demandées pendant les
// deux premières secondes : la diapo montrée et ses voisines, pas davantage.
// Usage : bench_premiere_image [nombre de chargements] [dossier] [dossier des modèles]
//   Avec un dossier, la page générée, ses photos et la référence y restent après la mesure, pour
//   être examinées ou retouchées (node mesurer_premiere_image.mjs sur la copie retouchée).
//   Avec un dossier des modèles, Nouveau.htm et Nouveau.js sont pris là plutôt que dans le
//   dossier du programme : deux versions des modèles se comparent avec le même générateur.
//   OSTRELLE_RALENTI=4 dans l'environnement ralentit 4 fois le fil principal des pages
//   (émulation de Chromium) : une machine modeste, où l'écart se creuse.

#include "Banc.h"
#include "FichierTexte.h"
#include "OutilsMesure.h"
#include "OutilsNavigateur.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <set>

namespace {

using namespace OutilsMesure;

const QString DossierProgramme = QStringLiteral(DOSSIER_PROGRAMME);
const QString DossierEssais = QStringLiteral(DOSSIER_ESSAIS_NAVIGATEUR);
const QString Chromium = QStringLiteral("/usr/bin/chromium");
const QString NomProjet = QStringLiteral("Voyage");

constexpr int NbDiapos = 200;
constexpr int Largeur = 1600;
constexpr int Hauteur = 1067;

// Une photo de paysage plausible : ciel en dégradé, collines, taches de couleur, et un grain qui
// donne au JPEG le poids d'une vraie photo de cette taille. Chaque diapo a la sienne.
QByteArray FabriquerDiapo(int i, const std::vector<qint8>& grain) {
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    QRandomGenerator hasard(1000 + i);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient ciel(0, 0, 0, Hauteur);
        ciel.setColorAt(0, QColor::fromHsv(200 + hasard.bounded(30), 150, 220));
        ciel.setColorAt(1, QColor::fromHsv(30 + hasard.bounded(20), 80, 240));
        p.fillRect(image.rect(), ciel);
        p.setPen(Qt::NoPen);
        for (int c = 0; c < 4; ++c) {
            QPainterPath colline;
            const int base = Hauteur / 2 + c * Hauteur / 10;
            colline.moveTo(0, Hauteur);
            for (int x = 0; x <= Largeur; x += 100)
                colline.lineTo(x, base - hasard.bounded(Hauteur / 8));
            colline.lineTo(Largeur, Hauteur);
            p.setBrush(QColor::fromHsv(90 + hasard.bounded(60), 120 + 30 * c, 160 - 25 * c));
            p.drawPath(colline);
        }
        for (int t = 0; t < 120; ++t) {
            p.setBrush(QColor::fromHsv(hasard.bounded(360), 60 + hasard.bounded(120), 200));
            p.drawEllipse(QPoint(hasard.bounded(Largeur), hasard.bounded(Hauteur)),
                          10 + hasard.bounded(60), 8 + hasard.bounded(40));
        }
    }
    // Le grain, pris à une place différente du même tirage pour chaque diapo.
    const size_t depart = hasard.bounded(static_cast<quint32>(grain.size() / 2));
    for (int y = 0; y < Hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        const qint8* g = grain.data() + depart + size_t(y) * Largeur;
        for (int x = 0; x < Largeur; ++x) {
            const int b = g[x];
            const QRgb c = ligne[x];
            ligne[x] = qRgb(std::clamp(qRed(c) + b, 0, 255), std::clamp(qGreen(c) + b, 0, 255),
                            std::clamp(qBlue(c) + b, 0, 255));
        }
    }
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!image.save(&tampon, "JPEG", 85))
        Echec(QStringLiteral("encodage JPEG impossible"));
    return octets;
}

// Un commentaire de trois lignes comme l'éditeur l'enregistre : police, taille, couleur, gras et
// italique, caractères accentués.
QString Commentaire(int i) {
    static const char* const lieux[] = {"le port au matin",         "la montée vers le col",
                                        "le marché couvert",        "la chapelle du hameau",
                                        "les gorges sous la pluie", "le lac au soleil couchant"};
    static const char* const polices[] = {"MS Sans Serif", "Georgia", "DejaVu Sans", "Arial"};
    const QString lieu = QString::fromUtf8(lieux[i % 6]);
    return QStringLiteral("<font face='%1' size='%2' color='#%3'><b>Étape %4</b> : %5<br><i>Vue "
                          "prise vers l'est</i>, à %6 h du départ<br>Température : %7 °C, ciel "
                          "dégagé</font><br>")
        .arg(QString::fromLatin1(polices[i % 4]))
        .arg(2 + i % 3)
        .arg(QStringLiteral("1F3A5F|7A2E1F|000000|2E5E2E").split(QLatin1Char('|'))[i % 4])
        .arg(i + 1)
        .arg(lieu)
        .arg(1 + i % 9)
        .arg(4 + i % 20);
}

// Ce qui manque pour lancer le navigateur ; vide quand tout est là.
QString Manques() {
    return OutilsNavigateurManquants(Chromium, DossierEssais);
}

void Copier(const QString& source, const QString& destination) {
    QFile::remove(destination);
    if (!QFile::copy(source, destination))
        Echec(QStringLiteral("copie impossible : ") + source);
}

// Le projet écrit dans dossier, puis ouvert, enregistré et généré comme le ferait l'utilisateur,
// avec les modèles du dossier donné. Rend le chemin de la page ; pose dans octets le poids des
// photos.
QString GenererPage(Banc& b, const QString& dossier, const QString& modeles,
                    std::vector<qint64>& octets) {
    for (const QString& nom : {QStringLiteral("Nouveau.htm"), QStringLiteral("Nouveau.js")})
        Copier(modeles + QLatin1Char('/') + nom, b.bac.programme + QLatin1Char('/') + nom);
    for (const QString& nom : {QStringLiteral("sohifrm2.wav"), QStringLiteral("imgFond.jpg")})
        Copier(DossierProgramme + QLatin1Char('/') + nom, b.bac.programme + QLatin1Char('/') + nom);
    QStringList cin = {QStringLiteral("Nom=") + NomProjet, QStringLiteral("Repertoire=") + dossier,
                       QStringLiteral("NbSprite=%1").arg(NbDiapos),
                       QStringLiteral("Tag=Carnet de voyage : les Alpes à pied")};
    for (int i = 0; i < NbDiapos; ++i)
        cin << Commentaire(i);
    if (!EcrireLignes(dossier + QLatin1Char('/') + NomProjet + QStringLiteral(".cin"), cin))
        Echec(QStringLiteral("projet impossible à écrire dans ") + dossier);
    std::vector<qint8> grain(2 * size_t(Largeur) * Hauteur);
    QRandomGenerator hasard(20240601);
    for (qint8& g : grain)
        g = static_cast<qint8>(static_cast<int>(hasard.bounded(16)) - 8);
    for (int i = 0; i < NbDiapos; ++i) {
        const QByteArray photo = FabriquerDiapo(i, grain);
        Ecrire(dossier + QStringLiteral("/%1%2.jpg").arg(NomProjet).arg(i), photo);
        octets.push_back(photo.size());
    }
    Copier(DossierProgramme + QStringLiteral("/imgFond.jpg"),
           dossier + QStringLiteral("/imgFond.jpg"));

    b.Ouvrir(NomProjet, dossier);
    if (!b.editeur.IndOuverture || b.editeur.NbSprite != NbDiapos)
        Echec(QStringLiteral("projet mal ouvert"));
    b.editeur.CommandeEnregistrer();
    b.editeur.CreerHTML();
    const QString page = dossier + QLatin1Char('/') + NomProjet + QStringLiteral(".htm");
    if (!b.dialogues.ouvertures.contains(page)) {
        QStringList vus;
        for (const MessageVu& m : b.dialogues.messages)
            vus << m.titre + QStringLiteral(" : ") + m.texte;
        Echec(QStringLiteral("page non générée ; messages : ") + vus.join(QStringLiteral(" | ")));
    }
    return page;
}

// La même photo, seule, ramenée à la fenêtre : rien d'autre à attendre. Elle y est un peu plus
// grande que dans la page, donc décodée à une échelle un peu plus fine : la référence n'est pas
// avantagée.
QString EcrireReference(const QString& dossier) {
    const QString chemin = dossier + QStringLiteral("/reference.htm");
    Ecrire(chemin, "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n"
                   "<title>R&eacute;f&eacute;rence</title>\n</head>\n<body style=\"margin:0\">\n"
                   "<img id=\"diapo\" alt=\"\" src=\"" +
                       NomProjet.toUtf8() +
                       "0.jpg\" style=\"display:block;max-width:100%;max-height:100vh\">\n"
                       "</body>\n</html>\n");
    return chemin;
}

struct Chargement {
    double image = 0;  // peinture de la photo
    double charge = 0; // fin du chargement de ses octets
    double dcl = 0;
    double fcp = 0;
    int requetes = 0; // images demandées pendant les deux premières secondes
    QStringList images;
    QList<int> diapos; // numéros des diapos parmi elles
};

Chargement LireChargement(const QJsonObject& o) {
    Chargement c;
    c.image = o.value(QStringLiteral("image")).toDouble(-1);
    c.charge = o.value(QStringLiteral("charge")).toDouble(-1);
    c.dcl = o.value(QStringLiteral("dcl")).toDouble(-1);
    c.fcp = o.value(QStringLiteral("fcp")).toDouble(-1);
    c.requetes = o.value(QStringLiteral("requetes")).toInt(-1);
    for (const QJsonValue& v : o.value(QStringLiteral("images")).toArray())
        c.images << v.toString();
    for (const QJsonValue& v : o.value(QStringLiteral("diapos")).toArray())
        c.diapos << v.toInt();
    if (!(c.image > 0) || !(c.dcl > 0))
        Echec(QStringLiteral("mesure incomplète : ") +
              QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
    return c;
}

double Mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

QString Liste(const QList<int>& nombres) {
    QStringList s;
    for (int n : nombres)
        s << QString::number(n);
    return s.isEmpty() ? QStringLiteral("aucune") : s.join(QStringLiteral(", "));
}

void Mesurer(const QString& page, const QString& reference, int tours) {
    QProcess node;
    node.setWorkingDirectory(DossierEssais);
    node.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("NO_COLOR"), QStringLiteral("1"));
    node.setProcessEnvironment(environnement);
    node.start(QStandardPaths::findExecutable(QStringLiteral("node")),
               {DossierEssais + QStringLiteral("/mesurer_premiere_image.mjs"), page, reference,
                NomProjet + QStringLiteral("0.jpg"), QString::number(tours)});
    if (!node.waitForStarted())
        Echec(QStringLiteral("node ne démarre pas"));

    std::vector<double> page_, reference_, dcl, fcp, chargePage, chargeReference;
    std::set<int> requetes;
    QList<int> diaposVues;
    QStringList imagesVues;
    QByteArray reste;
    // Un tour est montré quand ses deux chargements sont là (l'ordre alterne d'un tour à l'autre).
    QMap<int, Chargement> pagesDuTour, referencesDuTour;
    const auto montrerTour = [&](int tour) {
        if (!pagesDuTour.contains(tour) || !referencesDuTour.contains(tour))
            return;
        const Chargement p = pagesDuTour.take(tour), r = referencesDuTour.take(tour);
        std::printf("  tour %2d : page %6.1f ms (DOMContentLoaded %6.1f)   référence %6.1f ms   "
                    "images demandées en 2 s : %d (diapos %s)\n",
                    tour, p.image, p.dcl, r.image, p.requetes, qPrintable(Liste(p.diapos)));
        std::fflush(stdout);
    };
    const auto traiter = [&](const QByteArray& ligne) {
        QJsonParseError erreur{};
        const QJsonObject o = QJsonDocument::fromJson(ligne, &erreur).object();
        if (erreur.error != QJsonParseError::NoError)
            Echec(QStringLiteral("sortie illisible de node : ") + QString::fromUtf8(ligne));
        const QString quoi = o.value(QStringLiteral("quoi")).toString();
        if (quoi == QStringLiteral("navigateur")) {
            const double ralenti = o.value(QStringLiteral("ralenti")).toDouble(1);
            const QString frein =
                ralenti > 1 ? QStringLiteral(" ; fil principal ralenti %1 fois (OSTRELLE_RALENTI)")
                                  .arg(ralenti)
                            : QString();
            std::printf("Chromium %s sans tête, fenêtre 1280 x 720, un contexte neuf par "
                        "chargement ; %d chargements de chaque page, alternés%s.\n",
                        qPrintable(o.value(QStringLiteral("version")).toString()), tours,
                        qPrintable(frein));
            std::fflush(stdout);
            return;
        }
        const int tour = o.value(QStringLiteral("tour")).toInt();
        const Chargement c = LireChargement(o);
        if (quoi == QStringLiteral("page")) {
            page_.push_back(c.image);
            chargePage.push_back(c.charge);
            dcl.push_back(c.dcl);
            fcp.push_back(c.fcp);
            requetes.insert(c.requetes);
            for (int d : c.diapos)
                if (!diaposVues.contains(d))
                    diaposVues << d;
            for (const QString& nom : c.images)
                if (!imagesVues.contains(nom))
                    imagesVues << nom;
            pagesDuTour.insert(tour, c);
        } else if (quoi == QStringLiteral("reference")) {
            reference_.push_back(c.image);
            chargeReference.push_back(c.charge);
            referencesDuTour.insert(tour, c);
        } else {
            Echec(QStringLiteral("chargement inconnu : ") + quoi);
        }
        montrerTour(tour);
    };
    // Les lignes arrivent au fil des chargements ; chacune est montrée dès qu'elle est là.
    const auto lireLignes = [&] {
        reste += node.readAllStandardOutput();
        qsizetype fin;
        while ((fin = reste.indexOf('\n')) >= 0) {
            const QByteArray ligne = reste.left(fin).trimmed();
            reste.remove(0, fin + 1);
            if (!ligne.isEmpty())
                traiter(ligne);
        }
    };
    QElapsedTimer chrono;
    chrono.start();
    const qint64 delai = 60'000 + qint64(tours) * 30'000;
    while (node.state() != QProcess::NotRunning) {
        node.waitForReadyRead(1000);
        lireLignes();
        if (chrono.elapsed() > delai) {
            node.kill();
            node.waitForFinished();
            Echec(QStringLiteral("mesure trop longue, node arrêté"));
        }
    }
    lireLignes();
    if (node.exitStatus() != QProcess::NormalExit || node.exitCode() != 0)
        Echec(QStringLiteral("mesurer_premiere_image.mjs a échoué (code %1)").arg(node.exitCode()));
    if (int(page_.size()) != tours || int(reference_.size()) != tours)
        Echec(QStringLiteral("%1 chargements de la page et %2 de la référence au lieu de %3")
                  .arg(page_.size())
                  .arg(reference_.size())
                  .arg(tours));

    const double a = Mediane(page_), b = Mediane(reference_);
    std::printf("Médianes : première diapo peinte %.1f ms, référence %.1f ms : %.2f x la "
                "référence\n",
                a, b, a / b);
    std::printf("DOMContentLoaded : médiane %.1f ms ; premier rendu (FCP) : médiane %.1f ms ; "
                "octets de la photo arrivés à %.1f ms (référence %.1f ms)\n",
                Mediane(dcl), Mediane(fcp), Mediane(chargePage), Mediane(chargeReference));
    std::sort(diaposVues.begin(), diaposVues.end());
    QStringList nombres;
    for (int n : requetes)
        nombres << QString::number(n);
    // Montrer la première diapo ne demande qu'elle et sa suivante (la précédente n'existe pas).
    QList<int> enTrop;
    for (int d : diaposVues)
        if (d > 1 && d != NbDiapos - 1)
            enTrop << d;
    std::printf(
        "Images demandées pendant les 2 premières secondes : %s par chargement ; "
        "diapos %s%s ; en tout : %s\n",
        qPrintable(nombres.join(QStringLiteral(" ou "))), qPrintable(Liste(diaposVues)),
        enTrop.isEmpty()
            ? " (la diapo montrée et ses voisines)"
            : qPrintable(
                  QStringLiteral(" : TROP, %1 diapo(s) au-delà des voisines").arg(enTrop.size())),
        qPrintable(imagesVues.join(QStringLiteral(", "))));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    try {
        const int tours = NombreDeTours(argc, argv, 15);
        const QString manques = Manques();
        if (!manques.isEmpty())
            Echec(QStringLiteral("manquant : %1 (lancez scripts/install-deps)").arg(manques));
        QTemporaryDir temporaire;
        if (!temporaire.isValid())
            Echec(QStringLiteral("dossier temporaire impossible"));
        const QString dossier = argc > 2 ? QDir(QString::fromLocal8Bit(argv[2])).absolutePath()
                                         : temporaire.filePath(QStringLiteral("projet"));
        if (!QDir().mkpath(dossier))
            Echec(QStringLiteral("dossier impossible : ") + dossier);
        const QString modeles =
            argc > 3 ? QDir(QString::fromLocal8Bit(argv[3])).absolutePath() : DossierProgramme;

        Banc b;
        std::vector<qint64> octets;
        std::printf("Fabrication de %d photos %d x %d et génération de la page...\n", NbDiapos,
                    Largeur, Hauteur);
        std::fflush(stdout);
        const QString page = GenererPage(b, dossier, modeles, octets);
        const QString reference = EcrireReference(dossier);
        qint64 total = 0;
        for (qint64 o : octets)
            total += o;
        std::printf(
            "Page de %d diapos, photos de %.0f à %.0f ko (%.0f Mo en tout), commentaires "
            "de 3 lignes ; script de %.0f ko ; modèles de %s\n",
            NbDiapos, *std::min_element(octets.begin(), octets.end()) / 1e3,
            *std::max_element(octets.begin(), octets.end()) / 1e3, total / 1e6,
            QFileInfo(dossier + QLatin1Char('/') + NomProjet + QStringLiteral(".js")).size() / 1e3,
            qPrintable(modeles));
        if (argc > 2)
            std::printf("La page reste dans %s (référence : reference.htm).\n",
                        qPrintable(dossier));
        std::fflush(stdout);
        Mesurer(page, reference, tours);
    } catch (const EchecMesure& e) {
        std::fprintf(stderr, "Mesure impossible : %s\n", qPrintable(e.texte));
        return 1;
    }
    return 0;
}
