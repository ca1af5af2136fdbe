// La page du diaporama dans un vrai navigateur : un projet ouvert, enregistré et généré par
// l'éditeur avec les modèles du dossier du programme construit, puis parcouru dans Chromium sans
// tête par verifier_page.mjs (playwright-core).

#include "OutilsNavigateur.h"
#include "PagesEssai.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString DossierEssais = QStringLiteral(DOSSIER_ESSAIS_NAVIGATEUR);
const QString Chromium = QStringLiteral("/usr/bin/chromium");

// Ce qui manque pour lancer le navigateur ; vide quand tout est là.
QString Manques() {
    return OutilsNavigateurManquants(Chromium, DossierEssais);
}

QJsonObject Attendu(const QString& nom, const QString& projet, const QList<Diapo>& diapos,
                    const QString& entete, bool lecture) {
    QJsonArray liste;
    for (int i = 0; i < diapos.size(); ++i) {
        const Diapo& d = diapos[i];
        liste.append(QJsonObject{{"image", projet + QString::number(i) + d.extension},
                                 {"largeur", d.largeur},
                                 {"hauteur", d.hauteur},
                                 {"lignes", QJsonArray::fromStringList(d.lignes)},
                                 {"gras", d.gras},
                                 {"couleur", d.couleurTexte}});
    }
    return {{"nom", nom}, {"titre", entete}, {"lecture", lecture}, {"diapos", liste}};
}

// Lance le parcours de la page ; sa sortie est montrée quand il trouve un écart.
void Parcourir(const QString& page, const QJsonObject& attendu) {
    const QString fichierAttendu = page + QStringLiteral(".attendu.json");
    QFile f(fichierAttendu);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QJsonDocument(attendu).toJson());
    f.close();

    QProcess node;
    node.setWorkingDirectory(DossierEssais);
    node.setProcessChannelMode(QProcess::MergedChannels);
    // Des messages d'erreur lisibles dans la sortie de CTest, sans codes de couleur.
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("FORCE_COLOR"), QStringLiteral("0"));
    environnement.insert(QStringLiteral("NO_COLOR"), QStringLiteral("1"));
    node.setProcessEnvironment(environnement);
    node.start(QStandardPaths::findExecutable(QStringLiteral("node")),
               {DossierEssais + QStringLiteral("/verifier_page.mjs"), page, fichierAttendu});
    QVERIFY2(node.waitForStarted(), "node ne démarre pas");
    const bool fini = node.waitForFinished(300000);
    const QString sortie = QString::fromUtf8(node.readAll());
    if (!fini)
        node.kill();
    QVERIFY2(fini, qPrintable(QStringLiteral("parcours trop long :\n") + sortie));
    QVERIFY2(node.exitStatus() == QProcess::NormalExit && node.exitCode() == 0,
             qPrintable(QStringLiteral("code %1 :\n%2").arg(node.exitCode()).arg(sortie)));
}

// Un modèle du dossier Modeles, choisi comme le ferait « Changer de modèle », parcouru en entier
// comme le modèle par défaut : lecture automatique comprise.
void ParcourirModele(const QString& modele, const QString& projet, const QString& nom) {
    Banc b;
    InstallerModeles(b, modele);
    const QString page = Generer(b, projet, DiaposVoyage(), EnteteVoyage);
    QVERIFY(!page.isEmpty());
    Parcourir(page, Attendu(nom, projet, DiaposVoyage(), EnteteVoyage, true));
}

} // namespace

class TestNavigateur : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void modeleClassique();
    void modeleImage();
    void modeleNuit();
    void modeleAlbum();
    void modeleEpure();
    void diaporamaVide_data();
    void diaporamaVide();
    void diaporamaLong();
};

void TestNavigateur::initTestCase() {
    // Un navigateur absent est une installation incomplète, pas une raison de passer.
    const QString manques = Manques();
    QVERIFY2(
        manques.isEmpty(),
        qPrintable(QStringLiteral("Manquant : %1. Lancez scripts/install-deps.").arg(manques)));
}

void TestNavigateur::modeleClassique() {
    Banc b;
    InstallerModeles(b, QStringLiteral("Nouveau.htm"));
    const QString page = Generer(b, QStringLiteral("Voyage"), DiaposVoyage(), EnteteVoyage);
    QVERIFY(!page.isEmpty());
    Parcourir(page, Attendu(QStringLiteral("classique"), QStringLiteral("Voyage"), DiaposVoyage(),
                            EnteteVoyage, true));
}

// Le modèle au cadre de bois, choisi comme le ferait « Changer de modèle ».
void TestNavigateur::modeleImage() {
    Banc b;
    InstallerModeles(b, QStringLiteral("Modeles/Image.htm"));
    Copier(DossierProgramme + QStringLiteral("/imgFondTable.jpg"),
           b.Projet(QStringLiteral("imgFondTable.jpg")));
    const QString page = Generer(b, QStringLiteral("Cadre"), DiaposVoyage(), EnteteVoyage);
    QVERIFY(!page.isEmpty());
    Parcourir(page, Attendu(QStringLiteral("image"), QStringLiteral("Cadre"), DiaposVoyage(),
                            EnteteVoyage, false));
}

// La galerie sombre : le commentaire garde ses couleurs sur un cartel clair.
void TestNavigateur::modeleNuit() {
    ParcourirModele(QStringLiteral("Modeles/Nuit.htm"), QStringLiteral("Nuit"),
                    QStringLiteral("nuit"));
}

// La page d'album : tirage à coins photo sur le fond du projet, légende à la plume.
void TestNavigateur::modeleAlbum() {
    ParcourirModele(QStringLiteral("Modeles/Album.htm"), QStringLiteral("Album"),
                    QStringLiteral("album"));
}

// La page épurée : le compteur quitte les boutons pour l'en-tête, à côté du titre.
void TestNavigateur::modeleEpure() {
    ParcourirModele(QStringLiteral("Modeles/Epure.htm"), QStringLiteral("Epure"),
                    QStringLiteral("epure"));
}

// Chaque modèle doit tenir sans aucune diapo : ni image vide montrée, ni commande qui bouge.
void TestNavigateur::diaporamaVide_data() {
    QTest::addColumn<QString>("modele");
    QTest::addColumn<QString>("nom");
    QTest::newRow("Nouveau") << QStringLiteral("Nouveau.htm") << QStringLiteral("vide");
    for (const char* modele : {"Image", "Nuit", "Album", "Epure"})
        QTest::newRow(modele) << QStringLiteral("Modeles/%1.htm").arg(QLatin1String(modele))
                              << QStringLiteral("vide-%1").arg(
                                     QString::fromLatin1(modele).toLower());
}

void TestNavigateur::diaporamaVide() {
    QFETCH(QString, modele);
    QFETCH(QString, nom);
    Banc b;
    InstallerModeles(b, modele);
    // Le cadre de bois a son fond dans le projet, comme pour le parcours complet.
    if (modele.endsWith(QLatin1String("/Image.htm")))
        Copier(DossierProgramme + QStringLiteral("/imgFondTable.jpg"),
               b.Projet(QStringLiteral("imgFondTable.jpg")));
    // Un projet sans diapo s'ouvre sans lire son entête : la page n'a pas de titre.
    const QString page = Generer(b, QStringLiteral("Vide"), {}, QStringLiteral("Rien encore"));
    QVERIFY(!page.isEmpty());
    Parcourir(page, Attendu(nom, QStringLiteral("Vide"), {}, QString(), false));
}

// Quarante diapos : seules la diapo montrée et ses voisines sont chargées en taille réelle, et la
// vue d'ensemble ne charge que les vignettes qui approchent de la partie visible.
void TestNavigateur::diaporamaLong() {
    QList<Diapo> diapos;
    const QList<Diapo> modeles = DiaposVoyage();
    for (int i = 0; i < 40; ++i)
        diapos << modeles[i % modeles.size()];
    Banc b;
    InstallerModeles(b, QStringLiteral("Nouveau.htm"));
    const QString page = Generer(b, QStringLiteral("Long"), diapos, EnteteVoyage);
    QVERIFY(!page.isEmpty());
    QJsonObject attendu =
        Attendu(QStringLiteral("long"), QStringLiteral("Long"), diapos, EnteteVoyage, false);
    attendu.insert(QStringLiteral("long"), true);
    Parcourir(page, attendu);
}

QTEST_GUILESS_MAIN(TestNavigateur)
#include "test_navigateur.moc"
