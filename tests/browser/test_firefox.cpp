// La page du diaporama dans Firefox ESR : le voyage de trois diapos généré par l'éditeur avec
// chacun des modèles, ouvert sans tête par fumee_firefox.mjs (playwright-core, WebDriver BiDi).
// Un essai de fumée : la page s'ouvre sans erreur ni exception, la première photo est chargée, la
// flèche droite mène à la deuxième, et la capture d'écran montre bien cette photo.

#include "OutilsNavigateur.h"
#include "PagesEssai.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString DossierEssais = QStringLiteral(DOSSIER_ESSAIS_NAVIGATEUR);
const QString Firefox = QStringLiteral("/usr/bin/firefox-esr");

// Ce qui manque pour lancer le navigateur ; vide quand tout est là.
QString Manques() {
    return OutilsNavigateurManquants(Firefox, DossierEssais);
}

// Firefox tourne dans un dossier personnel jetable : son profil, ses caches et ses fichiers
// temporaires y vont, quel que soit l'état du vrai dossier personnel.
QProcessEnvironment EnvironnementJetable(const QString& maison) {
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("HOME"), maison);
    environnement.insert(QStringLiteral("TMPDIR"), maison);
    environnement.insert(QStringLiteral("XDG_CACHE_HOME"), maison + QStringLiteral("/.cache"));
    environnement.insert(QStringLiteral("XDG_CONFIG_HOME"), maison + QStringLiteral("/.config"));
    environnement.insert(QStringLiteral("XDG_DATA_HOME"), maison + QStringLiteral("/.local/share"));
    environnement.insert(QStringLiteral("MOZ_HEADLESS"), QStringLiteral("1"));
    // Sans tête, aucun écran ne doit être cherché.
    environnement.remove(QStringLiteral("DISPLAY"));
    environnement.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // Des messages d'erreur lisibles dans la sortie de CTest, sans codes de couleur.
    environnement.insert(QStringLiteral("FORCE_COLOR"), QStringLiteral("0"));
    environnement.insert(QStringLiteral("NO_COLOR"), QStringLiteral("1"));
    return environnement;
}

// Attend la fin d'un processus ; passé le délai, il est prié de s'arrêter (playwright ferme
// alors Firefox), puis arrêté de force. Rend vrai s'il a fini à temps.
bool Attendre(QProcess& processus, int delai) {
    if (processus.waitForFinished(delai))
        return true;
    processus.terminate();
    if (!processus.waitForFinished(5000)) {
        processus.kill();
        processus.waitForFinished(5000);
    }
    return false;
}

// Deux couleurs proches, à la compression JPEG près.
bool Proches(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) <= 12 && qAbs(a.green() - b.green()) <= 12 &&
           qAbs(a.blue() - b.blue()) <= 12;
}

// La capture est celle de la fenêtre, et la deuxième photo y est peinte là où la page la place.
void VerifierCapture(const QJsonObject& bilan, const Diapo& diapo) {
    const QString chemin = bilan.value(QStringLiteral("capture")).toString();
    const QImage capture(chemin);
    QVERIFY2(!capture.isNull(), qPrintable(QStringLiteral("capture illisible : ") + chemin));
    const QJsonObject fenetre = bilan.value(QStringLiteral("fenetre")).toObject();
    QCOMPARE(capture.width(), qRound(fenetre.value(QStringLiteral("largeur")).toDouble()));
    QCOMPARE(capture.height(), qRound(fenetre.value(QStringLiteral("hauteur")).toDouble()));

    const QJsonObject photo = bilan.value(QStringLiteral("photo")).toObject();
    const QRectF place(photo.value(QStringLiteral("x")).toDouble(),
                       photo.value(QStringLiteral("y")).toDouble(),
                       photo.value(QStringLiteral("largeur")).toDouble(),
                       photo.value(QStringLiteral("hauteur")).toDouble());
    QVERIFY2(place.width() >= 50 && place.height() >= 50,
             qPrintable(QStringLiteral("photo trop petite à l'écran : %1 x %2")
                            .arg(place.width())
                            .arg(place.height())));
    // La photo d'essai a son quart haut gauche blanc : un point dans chaque quart, loin des
    // bords où un cadre peut mordre, dit qu'elle est peinte entière et à l'endroit.
    const QList<std::pair<QPointF, QColor>> points = {
        {{0.25, 0.25}, Qt::white},
        {{0.75, 0.25}, diapo.couleur},
        {{0.25, 0.75}, diapo.couleur},
        {{0.75, 0.75}, diapo.couleur},
    };
    for (const auto& [relatif, voulue] : points) {
        const QPoint pixel = QPointF(place.x() + place.width() * relatif.x(),
                                     place.y() + place.height() * relatif.y())
                                 .toPoint();
        QVERIFY2(capture.rect().contains(pixel),
                 qPrintable(QStringLiteral("photo hors de la fenêtre en (%1, %2)")
                                .arg(pixel.x())
                                .arg(pixel.y())));
        const QColor vue = capture.pixelColor(pixel);
        QVERIFY2(Proches(vue, voulue),
                 qPrintable(QStringLiteral("en (%1, %2) de la capture : %3 au lieu de %4")
                                .arg(pixel.x())
                                .arg(pixel.y())
                                .arg(vue.name(), voulue.name())));
    }
}

// Génère le voyage avec le modèle, puis l'ouvre dans Firefox.
void Fumer(const QString& modele, const QString& projet, const QString& nom) {
    Banc b;
    InstallerModeles(b, modele);
    // Le cadre de bois a son fond dans le projet.
    if (modele.endsWith(QLatin1String("/Image.htm")))
        Copier(DossierProgramme + QStringLiteral("/imgFondTable.jpg"),
               b.Projet(QStringLiteral("imgFondTable.jpg")));
    const QList<Diapo> diapos = DiaposVoyage();
    const QString page = Generer(b, projet, diapos, EnteteVoyage);
    QVERIFY(!page.isEmpty());

    QJsonArray liste;
    for (int i = 0; i < diapos.size(); ++i)
        liste.append(QJsonObject{{"image", projet + QString::number(i) + diapos[i].extension},
                                 {"largeur", diapos[i].largeur}});
    const QString fichierAttendu = page + QStringLiteral(".attendu.json");
    const QString fichierBilan = page + QStringLiteral(".bilan.json");
    QFile f(fichierAttendu);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QJsonDocument(QJsonObject{{"nom", nom}, {"diapos", liste}}).toJson());
    f.close();

    QTemporaryDir maison;
    QVERIFY(maison.isValid());
    QProcess node;
    node.setWorkingDirectory(DossierEssais);
    node.setProcessChannelMode(QProcess::MergedChannels);
    node.setProcessEnvironment(EnvironnementJetable(maison.path()));
    node.start(
        QStandardPaths::findExecutable(QStringLiteral("node")),
        {DossierEssais + QStringLiteral("/fumee_firefox.mjs"), page, fichierAttendu, fichierBilan});
    QVERIFY2(node.waitForStarted(), "node ne démarre pas");
    const bool fini = Attendre(node, 120000);
    const QString sortie = QString::fromUtf8(node.readAll());
    QVERIFY2(fini, qPrintable(QStringLiteral("ouverture dans Firefox trop longue :\n") + sortie));
    QVERIFY2(node.exitStatus() == QProcess::NormalExit && node.exitCode() == 0,
             qPrintable(QStringLiteral("code %1 :\n%2").arg(node.exitCode()).arg(sortie)));
    qInfo("%s", qPrintable(sortie.trimmed()));

    QFile bilan(fichierBilan);
    QVERIFY2(bilan.open(QIODevice::ReadOnly), "bilan de Firefox absent");
    VerifierCapture(QJsonDocument::fromJson(bilan.readAll()).object(), diapos[1]);
}

} // namespace

class TestFirefox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void modeles_data();
    void modeles();
};

void TestFirefox::initTestCase() {
    // Un navigateur absent est une installation incomplète, pas une raison de passer.
    const QString manques = Manques();
    QVERIFY2(
        manques.isEmpty(),
        qPrintable(QStringLiteral("Manquant : %1. Lancez scripts/install-deps.").arg(manques)));
    // Firefox doit au moins savoir dire sa version, dans le même dossier personnel jetable.
    QTemporaryDir maison;
    QVERIFY(maison.isValid());
    QProcess firefox;
    firefox.setProcessChannelMode(QProcess::MergedChannels);
    firefox.setProcessEnvironment(EnvironnementJetable(maison.path()));
    firefox.start(Firefox, {QStringLiteral("--version")});
    QVERIFY2(firefox.waitForStarted(), qPrintable(Firefox + QStringLiteral(" ne démarre pas")));
    const bool fini = Attendre(firefox, 30000);
    const QString sortie = QString::fromUtf8(firefox.readAll()).trimmed();
    QVERIFY2(fini && firefox.exitStatus() == QProcess::NormalExit && firefox.exitCode() == 0,
             qPrintable(Firefox + QStringLiteral(" --version échoue : ") + sortie));
    qInfo("%s", qPrintable(sortie));
}

void TestFirefox::modeles_data() {
    QTest::addColumn<QString>("modele");
    QTest::addColumn<QString>("projet");
    QTest::addColumn<QString>("nom");
    QTest::newRow("Nouveau") << QStringLiteral("Nouveau.htm") << QStringLiteral("Voyage")
                             << QStringLiteral("classique");
    QTest::newRow("Image") << QStringLiteral("Modeles/Image.htm") << QStringLiteral("Cadre")
                           << QStringLiteral("image");
    for (const char* modele : {"Nuit", "Album", "Epure"})
        QTest::newRow(modele) << QStringLiteral("Modeles/%1.htm").arg(QLatin1String(modele))
                              << QString::fromLatin1(modele)
                              << QString::fromLatin1(modele).toLower();
}

// Chaque modèle, choisi comme le ferait « Changer de modèle », tient dans Firefox.
void TestFirefox::modeles() {
    QFETCH(QString, modele);
    QFETCH(QString, projet);
    QFETCH(QString, nom);
    Fumer(modele, projet, nom);
}

QTEST_GUILESS_MAIN(TestFirefox)
#include "test_firefox.moc"
