// Données fabriquées du dossier du programme : projet par défaut, images, textures, son,
// et l'outil fabriquer_donnees lancé comme à la construction.

#include "Carillon.h"
#include "DonneesProgramme.h"
#include "EcrireGif.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTransform>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

double Luminance(QRgb c) {
    return 0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c);
}

struct Mesures {
    double moyenne = 0;
    double minimum = 255;
    double ecartType = 0;
};

Mesures Mesurer(const QImage& image, QRect zone = {}) {
    if (zone.isNull())
        zone = image.rect();
    Mesures m;
    double somme = 0, carres = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x) {
            const double l = Luminance(image.pixel(x, y));
            somme += l;
            carres += l * l;
            m.minimum = std::min(m.minimum, l);
        }
    const double n = zone.width() * zone.height();
    m.moyenne = somme / n;
    m.ecartType = std::sqrt(std::max(0.0, carres / n - m.moyenne * m.moyenne));
    return m;
}

// Écarts de luminance entre colonnes voisines, en moyenne sur la hauteur : ecarts[x] entre
// les colonnes x - 1 et x, ecarts[0] entre la dernière et la première, là où deux tuiles
// posées côte à côte se touchent.
std::vector<double> EcartsEntreColonnes(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    std::vector<double> ecarts(w, 0.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ecarts[x] +=
                std::abs(Luminance(image.pixel(x, y)) - Luminance(image.pixel((x + w - 1) % w, y)));
    for (double& e : ecarts)
        e /= h;
    return ecarts;
}

// Une tuile se raccorde si l'écart entre ses bords opposés ressemble à l'écart entre deux
// colonnes (ou lignes) voisines à l'intérieur : pas plus du double de l'écart moyen, et pas
// plus marqué que le plus fort d'entre eux. Le second critère voit les coutures discrètes
// des textures douces, que le premier laisse passer.
bool Raccordable(const QImage& image, QString* detail) {
    bool raccordable = true;
    detail->clear();
    // Les lignes de l'image tournée d'un quart de tour sont ses colonnes : la couture entre
    // la dernière ligne et la première y devient celle entre la dernière colonne et la
    // première.
    const QImage sens[] = {image, image.transformed(QTransform().rotate(90))};
    const char* noms[] = {"gauche-droite", "haut-bas"};
    for (int s = 0; s < 2; ++s) {
        const std::vector<double> ecarts = EcartsEntreColonnes(sens[s]);
        const double couture = ecarts.front();
        double moyen = 0, plusFort = 0;
        for (std::size_t x = 1; x < ecarts.size(); ++x) {
            moyen += ecarts[x];
            plusFort = std::max(plusFort, ecarts[x]);
        }
        moyen /= ecarts.size() - 1.0;
        raccordable = raccordable && couture <= 2.0 * moyen + 1.0 && couture <= 1.1 * plusFort;
        *detail += QStringLiteral("%1 : couture %2, intérieur %3 en moyenne, %4 au plus ; ")
                       .arg(QLatin1String(noms[s]))
                       .arg(couture)
                       .arg(moyen)
                       .arg(plusFort);
    }
    return raccordable;
}

// La même tuile avec une pente de luminance, de -saut / 2 à +saut / 2 d'un bord à l'autre :
// ce que donnerait un bruit qui oublie de se replier, presque rien d'un point à son voisin,
// une marche de saut à la couture.
QImage AvecCouture(const QImage& image, double saut, Qt::Orientation sens) {
    QImage resultat = image.convertToFormat(QImage::Format_RGB32);
    const int longueur = sens == Qt::Horizontal ? image.width() : image.height();
    for (int y = 0; y < resultat.height(); ++y)
        for (int x = 0; x < resultat.width(); ++x) {
            const int position = sens == Qt::Horizontal ? x : y;
            const double decalage = saut * ((position + 0.5) / longueur - 0.5);
            const QRgb c = resultat.pixel(x, y);
            auto canal = [&](int v) {
                return std::clamp(static_cast<int>(std::lround(v + decalage)), 0, 255);
            };
            resultat.setPixel(x, y, qRgb(canal(qRed(c)), canal(qGreen(c)), canal(qBlue(c))));
        }
    return resultat;
}

// Écart moyen entre deux images, par point et par canal, sur le carré qu'elles partagent.
double EcartMoyen(const QImage& a, const QImage& b) {
    const int w = std::min(a.width(), b.width());
    const int h = std::min(a.height(), b.height());
    double somme = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            somme += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    return somme / (3.0 * w * h);
}

int NombreDeCouleurs(const QImage& image) {
    QSet<QRgb> couleurs;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            couleurs.insert(image.pixel(x, y));
    return static_cast<int>(couleurs.size());
}

QByteArray Lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 Lire32(const QByteArray& o, int pos) {
    return qFromLittleEndian<quint32>(o.constData() + pos);
}
quint16 Lire16(const QByteArray& o, int pos) {
    return qFromLittleEndian<quint16>(o.constData() + pos);
}

// Puissance du signal à une fréquence (algorithme de Goertzel), sur [debut, fin[ secondes.
double Puissance(const std::vector<std::int16_t>& s, double frequence, double debut, double fin) {
    const int a = static_cast<int>(debut * kFrequenceCarillon);
    const int b = std::min(static_cast<int>(fin * kFrequenceCarillon), static_cast<int>(s.size()));
    const double coef = 2 * std::cos(2 * std::numbers::pi * frequence / kFrequenceCarillon);
    double s1 = 0, s2 = 0;
    for (int i = a; i < b; ++i) {
        const double s0 = s[i] + coef * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return (s1 * s1 + s2 * s2 - coef * s1 * s2) / (b - a);
}

// Les textures du dossier « Textures », chacune avec le côté de sa tuile.
struct TextureDuDossier {
    const char* nom;
    QImage (*dessiner)(int cote);
    int cote;
};

const TextureDuDossier kTextures[] = {
    {"Ardoise", DessinerArdoise, 256}, {"Bois", DessinerBois, 256},
    {"Feutre", DessinerFeutre, 256},   {"Liege", DessinerLiege, 256},
    {"Lin", DessinerLin, 128},         {"Marbre", DessinerMarbre, 128},
    {"Papier", DessinerPapier, 128},   {"Sable", DessinerSable, 128},
    {"Toile", DessinerToile, 128},
};

QString OutilFabriquer() {
    return QStringLiteral(OUTIL_FABRIQUER_DONNEES);
}

} // namespace

class TestDonnees : public QObject {
    Q_OBJECT

private slots:
    void projetParDefautEnCp1252EtCrLf() {
        const QByteArray octets = ProjetParDefaut();
        QVERIFY(octets.endsWith("\r\n"));
        QList<QByteArray> lignes = octets.split('\n');
        QCOMPARE(lignes.takeLast(), QByteArray()); // rien après le dernier CR LF
        for (QByteArray& ligne : lignes) {
            QVERIFY2(ligne.endsWith('\r'), ligne.constData());
            ligne.chop(1);
            QVERIFY(!ligne.contains('\r'));
        }
        QCOMPARE(lignes.size(), 5);
        QCOMPARE(lignes[0], QByteArray("Nom=Nouveau"));
        QCOMPARE(lignes[1], QByteArray("Repertoire=."));
        QCOMPARE(lignes[2], QByteArray("NbSprite=1"));
        QCOMPARE(lignes[3], QByteArray("Tag=Mon diaporama"));
        // Une ligne de commentaire par diapositive annoncée.
        QCOMPARE(lignes.size() - 4, lignes[2].mid(9).toInt());
        QCOMPARE(QString::fromLatin1(lignes[4]),
                 QString::fromUtf8("<font face='MS Sans Serif' size='2' color='#000000'>"
                                   "Bienvenue ! Remplacez cette image et ce texte par les "
                                   "vôtres.<br></font>"));
        // « ô » en un seul octet Windows-1252, pas en UTF-8.
        QCOMPARE(lignes[4].count('\xF4'), 1);
        QVERIFY(!lignes[4].contains("\xC3\xB4"));
    }

    void listeDesFichiersCommeLaConstruction() {
        const QStringList attendus = QStringLiteral(FICHIERS_FABRIQUES).split(',');
        QCOMPARE(FichiersFabriques(), attendus);
        // Le projet par défaut entier, moins les deux modèles écrits à la main.
        const QStringList projet = QStringLiteral(FICHIERS_PROJET_DEFAUT).split(',');
        QCOMPARE(projet.size(), 7);
        for (const QString& nom : projet)
            if (nom != QLatin1String("Nouveau.htm") && nom != QLatin1String("Nouveau.js"))
                QVERIFY2(attendus.contains(nom), qPrintable(nom));
    }

    void diapoAccueilEstUnPaysage() {
        const QImage image = DessinerDiapoAccueil();
        QCOMPARE(image.size(), QSize(600, 400));
        const QImage gif = QuantifierGif(image).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(NombreDeCouleurs(gif) > 64, "une vraie image, pas quelques aplats");
        QVERIFY(Mesurer(image).ecartType > 15);
        // Ciel en haut, herbe en bas.
        auto moyenneCouleur = [&](QRect zone) {
            double r = 0, g = 0, b = 0;
            for (int y = zone.top(); y <= zone.bottom(); ++y)
                for (int x = zone.left(); x <= zone.right(); ++x) {
                    const QRgb c = image.pixel(x, y);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            return std::array<double, 3>{r, g, b};
        };
        const auto ciel = moyenneCouleur(QRect(250, 0, 100, 20));
        QVERIFY(ciel[2] > ciel[0]);
        const auto sol = moyenneCouleur(QRect(0, 385, 200, 15));
        QVERIFY(sol[1] > sol[0] && sol[1] > sol[2]);
        // Le titre blanc se détache sur le ciel, en haut à gauche.
        int blancs = 0;
        for (int y = 20; y < 75; ++y)
            for (int x = 25; x < 240; ++x)
                if (Luminance(image.pixel(x, y)) > 245)
                    ++blancs;
        QVERIFY2(blancs > 300, qPrintable(QString::number(blancs)));
    }

    void texturesRaccordables_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<int>("cote");
        for (const TextureDuDossier& t : kTextures)
            QTest::newRow(t.nom) << t.dessiner(t.cote) << t.cote;
    }
    void texturesRaccordables() {
        QFETCH(QImage, image);
        QFETCH(int, cote);
        QCOMPARE(image.size(), QSize(cote, cote));
        QString detail;
        QVERIFY2(Raccordable(image, &detail), qPrintable(detail));
        QVERIFY2(Mesurer(image).ecartType > 1.0, "une texture, pas un aplat");
    }

    // Sur chaque texture, une couture qui saute de deux fois et demie l'écart type de la
    // texture, dans un sens puis dans l'autre, est vue : la mesure n'est aveugle sur aucune.
    void uneCoutureSeVoitSurChaqueTexture_data() { texturesRaccordables_data(); }
    void uneCoutureSeVoitSurChaqueTexture() {
        QFETCH(QImage, image);
        const double saut = 2.5 * Mesurer(image).ecartType;
        QString detail;
        QVERIFY2(!Raccordable(AvecCouture(image, saut, Qt::Horizontal), &detail),
                 qPrintable(detail));
        QVERIFY2(!Raccordable(AvecCouture(image, saut, Qt::Vertical), &detail), qPrintable(detail));
    }

    // Chaque texture écrite dans « Textures » a sa ligne dans kTextures, donc ses essais, et
    // chacune est un dessin à elle, pas la copie d'une autre.
    void texturesDuDossierToutesEssayees() {
        QStringList attendues;
        for (const TextureDuDossier& t : kTextures)
            attendues << QStringLiteral("Textures/%1.jpg").arg(QLatin1String(t.nom));
        QStringList fabriquees;
        for (const QString& nom : FichiersFabriques())
            if (nom.startsWith(QLatin1String("Textures/")))
                fabriquees << nom;
        QCOMPARE(fabriquees, attendues);

        for (const TextureDuDossier& a : kTextures)
            for (const TextureDuDossier& b : kTextures)
                if (&a < &b) {
                    const double ecart = EcartMoyen(a.dessiner(a.cote), b.dessiner(b.cote));
                    QVERIFY2(ecart > 5.0, qPrintable(QStringLiteral("%1 et %2 : %3")
                                                         .arg(QLatin1String(a.nom))
                                                         .arg(QLatin1String(b.nom))
                                                         .arg(ecart)));
                }
    }

    void laMesureDuRaccordDistingueUneTuileQuiNeSeRaccordePas() {
        QString detail;
        QVERIFY2(!Raccordable(DessinerDiapoAccueil().copy(0, 200, 128, 128), &detail),
                 qPrintable(detail));
    }

    // Aucun point d'un fond n'est assez sombre pour gêner la lecture d'un texte noir.
    void fondAssezClairPourDuTexteNoir_data() {
        QTest::addColumn<QImage>("texture");
        QTest::addColumn<double>("plancher"); // le point le plus sombre doit être au-dessus
        QTest::newRow("papier") << DessinerPapier() << 180.0;
        QTest::newRow("lin") << DessinerLin() << 150.0;
        QTest::newRow("marbre") << DessinerMarbre() << 150.0;
        QTest::newRow("ardoise") << DessinerArdoise() << 150.0;
        QTest::newRow("feutre") << DessinerFeutre() << 160.0;
        QTest::newRow("liege") << DessinerLiege() << 120.0; // ses creux, rares et petits
        QTest::newRow("sable") << DessinerSable() << 160.0;
        QTest::newRow("toile") << DessinerToile() << 190.0;
    }
    void fondAssezClairPourDuTexteNoir() {
        QFETCH(QImage, texture);
        QFETCH(double, plancher);
        const double minimum = Mesurer(texture).minimum;
        QVERIFY2(minimum > plancher, qPrintable(QString::number(minimum)));
    }

    void papierClairDansLEnsemble() {
        const Mesures papier = Mesurer(DessinerPapier());
        QVERIFY2(papier.moyenne > 215, qPrintable(QString::number(papier.moyenne)));
    }

    // Le bois du cadre, lui, est sombre : la photo y ressort.
    void boisDuCadreSombre() { QVERIFY(Mesurer(DessinerBois()).moyenne < 160); }

    void carillonEnWaveValide() {
        const QByteArray wav = FabriquerCarillon();
        QVERIFY(wav.startsWith("RIFF"));
        QCOMPARE(Lire32(wav, 4), quint32(wav.size() - 8));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(Lire32(wav, 16), 16u);
        QCOMPARE(Lire16(wav, 20), quint16(1)); // PCM
        QCOMPARE(Lire16(wav, 22), quint16(1)); // mono
        QCOMPARE(Lire32(wav, 24), 22050u);
        QCOMPARE(Lire32(wav, 28), 44100u);
        QCOMPARE(Lire16(wav, 32), quint16(2));
        QCOMPARE(Lire16(wav, 34), quint16(16));
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        const quint32 donnees = Lire32(wav, 40);
        QCOMPARE(qsizetype(donnees), wav.size() - 44);
        const double duree = donnees / 2.0 / 22050.0;
        QVERIFY2(duree >= 0.3 && duree <= 0.6, qPrintable(QString::number(duree)));
    }

    void carillonDeuxNotesSansClaquement() {
        const std::vector<std::int16_t> s = SynthetiserCarillon();
        int crete = 0;
        for (std::int16_t e : s)
            crete = std::max(crete, std::abs(int(e)));
        QVERIFY2(crete > 8000 && crete < 32000, qPrintable(QString::number(crete)));
        QVERIFY(std::abs(int(s.front())) < 200);
        QVERIFY(std::abs(int(s.back())) < 200);

        const double f1 = kNotesCarillon[0].frequence;
        const double f2 = kNotesCarillon[1].frequence;
        const double debut2 = kNotesCarillon[1].debut;
        const double horsNote = 1400.0;
        // Avant la seconde note, seule la première sonne.
        QVERIFY(Puissance(s, f1, 0.0, debut2) > 50 * Puissance(s, f2, 0.0, debut2));
        QVERIFY(Puissance(s, f1, 0.0, debut2) > 50 * Puissance(s, horsNote, 0.0, debut2));
        // Ensuite la seconde domine.
        QVERIFY(Puissance(s, f2, debut2 + 0.01, 0.45) > 2 * Puissance(s, f1, debut2 + 0.01, 0.45));
        QVERIFY(Puissance(s, f2, debut2 + 0.01, 0.45) >
                50 * Puissance(s, horsNote, debut2 + 0.01, 0.45));
    }

    void outilFabriqueTousLesFichiers() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString sortie = dossier.filePath(QStringLiteral("sortie"));
        QProcess outil;
        outil.start(OutilFabriquer(), {sortie});
        QVERIFY(outil.waitForFinished(60000));
        QCOMPARE(outil.exitStatus(), QProcess::NormalExit);
        QVERIFY2(outil.exitCode() == 0, outil.readAllStandardError().constData());

        for (const QString& nom : FichiersFabriques())
            QVERIFY2(QFileInfo(sortie + '/' + nom).size() > 0, qPrintable(nom));
        QCOMPARE(Lire(sortie + "/Nouveau.cin"), ProjetParDefaut());
        QCOMPARE(Lire(sortie + "/sohifrm2.wav"), FabriquerCarillon());
        // Même dessin, même police, mêmes octets que dans ce processus.
        QCOMPARE(Lire(sortie + "/Nouveau0.gif"), EncoderGif(DessinerDiapoAccueil()));

        const QImage fond = QImageReader(sortie + "/imgFond.jpg").read();
        QCOMPARE(fond.size(), QSize(128, 128));
        QString detail;
        QVERIFY2(Raccordable(fond, &detail), qPrintable(detail));
        QVERIFY(Mesurer(fond).moyenne > 215);
        const QImage table = QImageReader(sortie + "/imgFondTable.jpg").read();
        QCOMPARE(table.size(), QSize(256, 256));
        QVERIFY2(Raccordable(table, &detail), qPrintable(detail));
        // Chaque texture du dossier est bien la sienne, et se raccorde encore une fois passée
        // par le JPEG.
        for (const TextureDuDossier& t : kTextures) {
            const QString nom = QStringLiteral("Textures/%1.jpg").arg(QLatin1String(t.nom));
            const QImage lue = QImageReader(sortie + '/' + nom).read();
            QCOMPARE(lue.size(), QSize(t.cote, t.cote));
            const double ecart = EcartMoyen(lue, t.dessiner(t.cote));
            QVERIFY2(ecart < 4.0, qPrintable(nom + QStringLiteral(" : ") + QString::number(ecart)));
            QVERIFY2(Raccordable(lue, &detail), qPrintable(nom + QStringLiteral(" : ") + detail));
        }

        // Une seconde fabrication donne les mêmes octets.
        const QString autre = dossier.filePath(QStringLiteral("autre"));
        QCOMPARE(QProcess::execute(OutilFabriquer(), {autre}), 0);
        for (const QString& nom : FichiersFabriques())
            QVERIFY2(Lire(sortie + '/' + nom) == Lire(autre + '/' + nom), qPrintable(nom));
    }

    void outilSignaleSesEchecs() {
        QCOMPARE(QProcess::execute(OutilFabriquer(), {}), 2);
        QTemporaryDir dossier;
        QFile obstacle(dossier.filePath(QStringLiteral("fichier")));
        QVERIFY(obstacle.open(QIODevice::WriteOnly));
        obstacle.close();
        // Un dossier de sortie sous un fichier ordinaire ne peut pas être créé.
        QCOMPARE(QProcess::execute(OutilFabriquer(), {obstacle.fileName() + "/sortie"}), 1);
    }
};

QTEST_MAIN(TestDonnees)
#include "test_donnees.moc"
