// Essais de la bibliothèque bmp2jpg : fidélité vérifiée par un décodeur indépendant (djpeg),
// refus propres de toutes les entrées fautives, remplacement du JPEG d'un seul coup, et
// chargement par nom comme le fera le moteur de capture.

#include "EcranFactice.h"
#include "Fabrique.h"
#include "bmp2jpg.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibrary>
#include <QPainter>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int16_t Convertir(const QString& bmp, const QString& jpg, int qualite) {
    return ConvertirBMPenJPG(QFile::encodeName(bmp).constData(), QFile::encodeName(jpg).constData(),
                             int16_t(qualite));
}

// djpeg plutôt que QImage : on ne juge pas libjpeg-turbo avec le code qui l'a écrit, dans le
// même processus. Lancé par posix_spawn et non QProcess, qui passe à waitid un pointeur nul
// que valgrind signale : l'essai doit rester muet sous valgrind.
QImage Decoder(const QString& jpg, QString* erreur) {
    const QByteArray ppm = QFile::encodeName(jpg + QStringLiteral(".ppm"));
    const QByteArray source = QFile::encodeName(jpg);
    char programme[] = "djpeg";
    char option[] = "-outfile";
    char* arguments[] = {programme, option, const_cast<char*>(ppm.constData()),
                         const_cast<char*>(source.constData()), nullptr};
    pid_t pid = 0;
    if (const int r = ::posix_spawnp(&pid, programme, nullptr, nullptr, arguments, environ)) {
        *erreur =
            QStringLiteral("djpeg ne démarre pas : ") + QString::fromLocal8Bit(std::strerror(r));
        return {};
    }
    int etat = 0;
    while (::waitpid(pid, &etat, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(etat) || WEXITSTATUS(etat) != 0) {
        *erreur = QStringLiteral("djpeg a échoué sur ") + jpg;
        return {};
    }
    QImage image(QFile::decodeName(ppm));
    QFile::remove(QFile::decodeName(ppm));
    if (image.isNull())
        *erreur = QStringLiteral("sortie de djpeg illisible");
    return image;
}

// Rapport signal sur bruit de crête sur les trois canaux, en dB (99 pour des images égales).
double PSNR(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    if (x.size() != y.size())
        return -1;
    double somme = 0;
    for (int l = 0; l < x.height(); ++l) {
        const uchar* p = x.constScanLine(l);
        const uchar* q = y.constScanLine(l);
        for (int i = 0; i < x.width() * 3; ++i) {
            const double d = double(p[i]) - double(q[i]);
            somme += d * d;
        }
    }
    const double eqm = somme / (double(x.width()) * x.height() * 3);
    return eqm == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / eqm);
}

void Ajouter16(QByteArray& o, quint32 v) {
    o.append(char(v & 0xff));
    o.append(char(v >> 8 & 0xff));
}

void Ajouter32(QByteArray& o, quint32 v) {
    Ajouter16(o, v & 0xffff);
    Ajouter16(o, v >> 16);
}

// Un BMP écrit octet par octet, pour les cas que QImage n'écrit pas. Les pixels sont donnés
// ligne par ligne dans l'ordre du fichier (la première est celle du bas), sans bourrage.
struct BMPFabrique {
    qint32 largeur = 8;
    qint32 hauteur = 16;
    quint16 bits = 24;
    quint16 plans = 1;
    quint32 compression = 0;
    quint32 tailleEntete = 40;
    QList<QRgb> palette;
    std::optional<quint32> debutPixels; // sinon juste après l'en-tête et la palette
    QList<QByteArray> lignes;

    QByteArray octets() const {
        const bool os2 = tailleEntete == 12;
        QByteArray entete;
        Ajouter32(entete, tailleEntete);
        if (os2) {
            Ajouter16(entete, quint32(largeur));
            Ajouter16(entete, quint32(hauteur));
            Ajouter16(entete, plans);
            Ajouter16(entete, bits);
        } else {
            Ajouter32(entete, quint32(largeur));
            Ajouter32(entete, quint32(hauteur));
            Ajouter16(entete, plans);
            Ajouter16(entete, bits);
            Ajouter32(entete, compression);
            Ajouter32(entete, 0);    // taille de l'image
            Ajouter32(entete, 2835); // 72 ppp
            Ajouter32(entete, 2835);
            Ajouter32(entete, quint32(palette.size())); // couleurs utilisées
            Ajouter32(entete, 0);
            if (int(tailleEntete) > entete.size())
                entete.append(QByteArray(int(tailleEntete) - entete.size(), '\0'));
        }
        for (QRgb c : palette) {
            entete.append(char(qBlue(c)));
            entete.append(char(qGreen(c)));
            entete.append(char(qRed(c)));
            if (!os2)
                entete.append('\0');
        }
        QByteArray pixels;
        for (QByteArray ligne : lignes) {
            while (ligne.size() % 4)
                ligne.append('\0');
            pixels += ligne;
        }
        const quint32 debut = debutPixels.value_or(quint32(14 + entete.size()));
        QByteArray fichier("BM");
        Ajouter32(fichier, quint32(14 + entete.size() + pixels.size()));
        Ajouter32(fichier, 0);
        Ajouter32(fichier, debut);
        return fichier + entete + pixels;
    }
};

// 8 x 16 : huit lignes de haut d'une couleur, huit de bas d'une autre. Les blocs JPEG de 8 x 8
// ne mélangent pas les deux, si bien que les couleurs reviennent presque exactes ; une image à
// l'envers ou des canaux inversés se voient tout de suite.
const QRgb Haut = qRgb(200, 100, 30);
const QRgb Bas = qRgb(20, 60, 220);

BMPFabrique DeuxBandes(quint16 bits, quint32 tailleEntete = 40) {
    BMPFabrique b;
    b.bits = bits;
    b.tailleEntete = tailleEntete;
    if (bits == 8)
        b.palette = {qRgb(0, 0, 0), Haut, Bas};
    for (int l = 0; l < 16; ++l) {
        const QRgb c = l < 8 ? Bas : Haut; // le fichier commence par le bas
        QByteArray ligne;
        for (int x = 0; x < 8; ++x) {
            if (bits == 8) {
                ligne.append(char(l < 8 ? 2 : 1));
                continue;
            }
            ligne.append(char(qBlue(c)));
            ligne.append(char(qGreen(c)));
            ligne.append(char(qRed(c)));
            if (bits == 32)
                ligne.append(char(0xff));
        }
        b.lignes << ligne;
    }
    return b;
}

bool Proche(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString Texte(QRgb c) {
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// Facteurs d'échantillonnage de la première composante, lus dans le segment SOF : 0x11 pour
// 4:4:4, 0x22 pour 4:2:0 ; -1 si le fichier n'en a pas.
int EchantillonnageLuminance(const QByteArray& jpeg) {
    int i = 2;
    while (i + 4 < jpeg.size() && uchar(jpeg[i]) == 0xFF) {
        const int marqueur = uchar(jpeg[i + 1]);
        const int longueur = uchar(jpeg[i + 2]) << 8 | uchar(jpeg[i + 3]);
        if (marqueur >= 0xC0 && marqueur <= 0xC2)
            return i + 11 < jpeg.size() ? uchar(jpeg[i + 11]) : -1;
        i += 2 + longueur;
    }
    return -1;
}

// Tout ce que contient un dossier, sous-dossiers et fichiers cachés compris : un échec ne doit
// rien y changer, ni laisser de fichier de travail.
QMap<QString, QByteArray> Contenu(const QString& dossier) {
    QMap<QString, QByteArray> contenu;
    QDirIterator it(dossier, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        contenu.insert(QDir(dossier).relativeFilePath(chemin),
                       it.fileInfo().isDir() ? QByteArray("<dossier>") : LireOctets(chemin));
    }
    return contenu;
}

QStringList Temporaires(const QString& dossier) {
    return QDir(dossier).entryList({QStringLiteral(".bmp2jpg-*")},
                                   QDir::Files | QDir::Hidden | QDir::System);
}

int BitsParPixel(const QString& bmp) {
    const QByteArray o = LireOctets(bmp);
    return o.size() >= 30 ? uchar(o[28]) | uchar(o[29]) << 8 : -1;
}

// Limite de taille de fichier posée le temps d'un appel ; SIGXFSZ ignoré pour que write()
// rende EFBIG au lieu de tuer l'essai.
class LimiteTailleFichier {
public:
    explicit LimiteTailleFichier(rlim_t octets) {
        getrlimit(RLIMIT_FSIZE, &m_avant);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = m_avant;
        r.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteTailleFichier() {
        setrlimit(RLIMIT_FSIZE, &m_avant);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_avant{};
    void (*m_signal)(int) = nullptr;
};

// Un appel à ConvertirBMPenJPG : chaque chemin absent (pointeur nul) ou donné, et la qualité.
struct Appel {
    std::optional<QString> bmp;
    std::optional<QString> jpg;
    int qualite = 95;
};

// Prépare le dossier d'un cas et rend l'appel à y faire.
using Preparation = std::function<Appel(const QString& dossier)>;

// Les octets du BMP d'écran ordinaire (voir bmpOrdinaire), sans passer par un fichier : les cas
// sont écrits avant que l'essai ait son dossier.
QByteArray OctetsBmpOrdinaire() {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!EcranFactice(320, 200, 3).save(&tampon, "BMP"))
        return {};
    return octets;
}

QByteArray OctetsPng() {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    if (!EcranFactice(40, 30).save(&tampon, "PNG"))
        return {};
    return octets;
}

} // namespace

Q_DECLARE_METATYPE(Preparation)

class TestBmp2jpg : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fidelite_data();
    void fidelite();
    void bmpFabriques_data();
    void bmpFabriques();
    void qualiteEtTaille();
    void echantillonnageSelonQualite_data();
    void echantillonnageSelonQualite();
    void entreesFautives_data();
    void entreesFautives();
    void echecEcritureGardeAncienJpeg();
    void remplacementDUnSeulCoup();
    void droitsDuFichierCree();
    void conversionsSimultanees();
    void cheminAccentue();
    void chargementParNom();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString chemin(const QString& nom) const { return m_tmp->filePath(nom); }
    // Un BMP d'écran de 320 x 200 déjà écrit, pour les essais qui n'en regardent pas le contenu.
    QString bmpOrdinaire();
};

void TestBmp2jpg::init() {
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
}

QString TestBmp2jpg::bmpOrdinaire() {
    const QString bmp = chemin(QStringLiteral("ordinaire.bmp"));
    if (!QFile::exists(bmp) && !EcranFactice(320, 200, 3).save(bmp))
        return {};
    return bmp;
}

void TestBmp2jpg::fidelite_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<double>("psnrMin");
    QTest::newRow("écran 1920x1080") << EcranFactice(1920, 1080, 1) << 40.0;
    QTest::newRow("dimensions impaires 1921x1079") << EcranFactice(1921, 1079, 2) << 40.0;
    // Un coin de la zone « photo », de dimensions sans rapport avec les blocs de 8.
    QTest::newRow("découpe 37x5") << EcranFactice(1920, 1080, 3).copy(1000, 300, 37, 5) << 40.0;
    // Un BMP à palette grise : tjLoadImage le rendrait en gris si on ne demandait pas du BGR.
    QTest::newRow("gris 8 bits à palette")
        << EcranFactice(640, 480, 4).convertToFormat(QImage::Format_Grayscale8) << 40.0;
    QImage point(1, 1, QImage::Format_RGB32);
    point.fill(qRgb(200, 30, 60));
    QTest::newRow("1x1") << point << 40.0;
}

// Écrit par QImage (24 bits de bas en haut, ou 8 bits à palette pour le gris), converti à 95,
// relu par djpeg : mêmes dimensions, même image à plus de 40 dB près.
void TestBmp2jpg::fidelite() {
    QFETCH(QImage, image);
    QFETCH(double, psnrMin);
    const QString bmp = chemin(QStringLiteral("source.bmp"));
    const QString jpg = chemin(QStringLiteral("source.jpg"));
    QVERIFY(image.save(bmp));
    QCOMPARE(BitsParPixel(bmp), image.format() == QImage::Format_Grayscale8 ? 8 : 24);

    QCOMPARE(Convertir(bmp, jpg, 95), int16_t(BMP2JPG_REUSSI));
    QString erreur;
    const QImage relue = Decoder(jpg, &erreur);
    QVERIFY2(!relue.isNull(), qPrintable(erreur));
    QCOMPARE(relue.size(), image.size());
    const double psnr = PSNR(image, relue);
    QVERIFY2(psnr > psnrMin, qPrintable(QStringLiteral("PSNR %1 dB").arg(psnr)));
    QVERIFY(Temporaires(m_tmp->path()).isEmpty());
}

void TestBmp2jpg::bmpFabriques_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("24 bits") << DeuxBandes(24).octets();
    QTest::newRow("32 bits") << DeuxBandes(32).octets();
    QTest::newRow("8 bits, palette de 3 couleurs") << DeuxBandes(8).octets();
    QTest::newRow("en-tête OS/2 de 12 octets") << DeuxBandes(24, 12).octets();
    QTest::newRow("en-tête OS/2 de 64 octets") << DeuxBandes(24, 64).octets();
}

// Les variantes que QImage n'écrit pas mais que le lecteur accepte : bon sens, bons canaux.
void TestBmp2jpg::bmpFabriques() {
    QFETCH(QByteArray, octets);
    const QString bmp = chemin(QStringLiteral("fabrique.bmp"));
    const QString jpg = chemin(QStringLiteral("fabrique.jpg"));
    EcrireOctets(bmp, octets);
    QCOMPARE(Convertir(bmp, jpg, 95), int16_t(BMP2JPG_REUSSI));
    QString erreur;
    const QImage relue = Decoder(jpg, &erreur);
    QVERIFY2(!relue.isNull(), qPrintable(erreur));
    QCOMPARE(relue.size(), QSize(8, 16));
    for (const QPoint p : {QPoint(0, 0), QPoint(7, 7), QPoint(3, 2)})
        QVERIFY2(Proche(relue.pixel(p), Haut, 4), qPrintable(Texte(relue.pixel(p))));
    for (const QPoint p : {QPoint(0, 8), QPoint(7, 15), QPoint(4, 12)})
        QVERIFY2(Proche(relue.pixel(p), Bas, 4), qPrintable(Texte(relue.pixel(p))));
}

// La qualité agit vraiment : plus basse, fichier plus petit et image moins fidèle ; les bornes
// 1 et 100 sont acceptées.
void TestBmp2jpg::qualiteEtTaille() {
    const QImage image = EcranFactice(800, 600, 5);
    const QString bmp = chemin(QStringLiteral("q.bmp"));
    QVERIFY(image.save(bmp));
    QMap<int, qint64> taille;
    QMap<int, double> psnr;
    for (int q : {1, 10, 50, 95, 100}) {
        const QString jpg = chemin(QStringLiteral("q%1.jpg").arg(q));
        QCOMPARE(Convertir(bmp, jpg, q), int16_t(BMP2JPG_REUSSI));
        taille[q] = QFileInfo(jpg).size();
        QString erreur;
        const QImage relue = Decoder(jpg, &erreur);
        QVERIFY2(!relue.isNull(), qPrintable(erreur));
        psnr[q] = PSNR(image, relue);
    }
    QVERIFY2(taille[10] < taille[95],
             qPrintable(QStringLiteral("%1 >= %2").arg(taille[10]).arg(taille[95])));
    QVERIFY(taille[1] < taille[10]);
    QVERIFY(taille[10] < taille[50]);
    QVERIFY(taille[95] < taille[100]);
    QVERIFY2(psnr[10] < psnr[95],
             qPrintable(QStringLiteral("%1 dB à 10, %2 dB à 95").arg(psnr[10]).arg(psnr[95])));
    QVERIFY(psnr[95] < psnr[100]);
}

void TestBmp2jpg::echantillonnageSelonQualite_data() {
    QTest::addColumn<int>("qualite");
    QTest::addColumn<int>("facteurs");
    QTest::newRow("1 : 4:2:0") << 1 << 0x22;
    QTest::newRow("89 : 4:2:0") << 89 << 0x22;
    QTest::newRow("90 : 4:4:4") << 90 << 0x11;
    QTest::newRow("95 : 4:4:4") << 95 << 0x11;
    QTest::newRow("100 : 4:4:4") << 100 << 0x11;
}

// Sous 90 on échantillonne la couleur en 4:2:0 pour la taille ; à partir de 90, 4:4:4 pour les
// textes colorés d'une capture.
void TestBmp2jpg::echantillonnageSelonQualite() {
    QFETCH(int, qualite);
    QFETCH(int, facteurs);
    const QString bmp = bmpOrdinaire();
    QVERIFY(!bmp.isEmpty());
    const QString jpg = chemin(QStringLiteral("e.jpg"));
    QCOMPARE(Convertir(bmp, jpg, qualite), int16_t(BMP2JPG_REUSSI));
    QCOMPARE(EchantillonnageLuminance(LireOctets(jpg)), facteurs);
}

// Chaque entrée fautive rend son propre code, ne plante pas et ne change rien au dossier : pas de
// JPEG, pas de fichier de travail, et un JPEG déjà présent reste octet pour octet. Chaque cas est
// essayé sans JPEG à la destination, puis avec un JPEG déjà là quand la destination peut en être
// un.
void TestBmp2jpg::entreesFautives_data() {
    QTest::addColumn<Preparation>("preparer");
    QTest::addColumn<int>("attendu");
    QTest::addColumn<bool>("jpegExistant");

    struct Cas {
        const char* nom;
        int16_t attendu;
        Preparation preparer;
    };

    const QByteArray bmpValide = OctetsBmpOrdinaire();
    const QByteArray pngValide = OctetsPng();

    // Un BMP de chaque sorte dans le dossier du cas, converti vers dossier/sortie.jpg.
    const auto avec = [](const QByteArray& octets, int qualite = 95) {
        return [octets, qualite](const QString& d) {
            EcrireOctets(d + QStringLiteral("/entree.bmp"), octets);
            return Appel{d + QStringLiteral("/entree.bmp"), d + QStringLiteral("/sortie.jpg"),
                         qualite};
        };
    };
    const auto dimensions = [&avec](qint32 l, qint32 h) {
        BMPFabrique b;
        b.largeur = l;
        b.hauteur = h;
        return avec(b.octets());
    };
    const auto fabrique = [&avec](const std::function<void(BMPFabrique&)>& modifier) {
        BMPFabrique b = DeuxBandes(24);
        modifier(b);
        return avec(b.octets());
    };
    const auto versDestination = [bmpValide](const QString& relatif,
                                             const std::function<void(const QString&)>& decor) {
        return [bmpValide, relatif, decor](const QString& d) {
            EcrireOctets(d + QStringLiteral("/entree.bmp"), bmpValide);
            if (decor)
                decor(d);
            return Appel{d + QStringLiteral("/entree.bmp"), d + QLatin1Char('/') + relatif, 95};
        };
    };

    std::vector<Cas> cas = {
        {"BMP nul", BMP2JPG_CHEMIN_NUL,
         [](const QString& d) {
             return Appel{std::nullopt, d + "/sortie.jpg"};
         }},
        {"JPEG nul", BMP2JPG_CHEMIN_NUL,
         [bmpValide](const QString& d) {
             EcrireOctets(d + "/entree.bmp", bmpValide);
             return Appel{d + "/entree.bmp", std::nullopt};
         }},
        {"chemin BMP vide", BMP2JPG_CHEMIN_NUL,
         [](const QString& d) {
             return Appel{QString(), d + "/sortie.jpg"};
         }},
        {"chemin JPEG vide", BMP2JPG_CHEMIN_NUL,
         [bmpValide](const QString& d) {
             EcrireOctets(d + "/entree.bmp", bmpValide);
             return Appel{d + "/entree.bmp", QString()};
         }},
        {"qualité 0", BMP2JPG_QUALITE_INVALIDE, avec(bmpValide, 0)},
        {"qualité 101", BMP2JPG_QUALITE_INVALIDE, avec(bmpValide, 101)},
        {"qualité -1", BMP2JPG_QUALITE_INVALIDE, avec(bmpValide, -1)},
        {"qualité 32767", BMP2JPG_QUALITE_INVALIDE, avec(bmpValide, 32767)},
        {"BMP absent", BMP2JPG_BMP_ILLISIBLE,
         [](const QString& d) {
             return Appel{d + "/absent.bmp", d + "/sortie.jpg"};
         }},
        {"BMP qui est un dossier", BMP2JPG_BMP_ILLISIBLE,
         [](const QString& d) {
             QDir(d).mkdir("dossier.bmp");
             return Appel{d + "/dossier.bmp", d + "/sortie.jpg"};
         }},
        {"fichier vide", BMP2JPG_PAS_UN_BMP, avec(QByteArray())},
        {"un seul octet B", BMP2JPG_PAS_UN_BMP, avec("B")},
        {"PNG nommé .bmp", BMP2JPG_PAS_UN_BMP, avec(pngValide)},
        {"texte", BMP2JPG_PAS_UN_BMP, avec("Ceci n'est pas une image.\n")},
        {"signature seule", BMP2JPG_BMP_TRONQUE, avec("BM")},
        {"en-tête coupé", BMP2JPG_BMP_TRONQUE, avec(bmpValide.left(30))},
        {"pixels coupés", BMP2JPG_BMP_TRONQUE, avec(bmpValide.left(bmpValide.size() - 100))},
        {"pixels absents", BMP2JPG_BMP_TRONQUE, avec(bmpValide.left(54))},
        {"0 x 0", BMP2JPG_DIMENSIONS_REFUSEES, dimensions(0, 0)},
        {"largeur nulle", BMP2JPG_DIMENSIONS_REFUSEES, dimensions(0, 10)},
        {"hauteur nulle", BMP2JPG_DIMENSIONS_REFUSEES, dimensions(10, 0)},
        {"largeur négative", BMP2JPG_DIMENSIONS_REFUSEES, dimensions(-8, 16)},
        {"hauteur la plus négative", BMP2JPG_DIMENSIONS_REFUSEES, dimensions(8, INT32_MIN)},
        {"100000 x 100000", BMP2JPG_DIMENSIONS_REFUSEES, dimensions(100000, 100000)},
        {"32769 de large", BMP2JPG_DIMENSIONS_REFUSEES, dimensions(32769, 1)},
        {"32769 de haut", BMP2JPG_DIMENSIONS_REFUSEES, dimensions(1, 32769)},
        {"32768 x 15259, plus de 500 Mpx", BMP2JPG_DIMENSIONS_REFUSEES, dimensions(32768, 15259)},
        // Juste sous les bornes : accepté par l'examen, donc refusé sur la taille du fichier.
        {"32768 x 15258 sans pixels", BMP2JPG_BMP_TRONQUE, dimensions(32768, 15258)},
        {"32768 x 1 sans pixels", BMP2JPG_BMP_TRONQUE, dimensions(32768, 1)},
        {"de haut en bas", BMP2JPG_FORMAT_NON_GERE,
         fabrique([](BMPFabrique& b) { b.hauteur = -b.hauteur; })},
        {"1 bit", BMP2JPG_FORMAT_NON_GERE, fabrique([](BMPFabrique& b) {
             b.bits = 1;
             b.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
             for (QByteArray& l : b.lignes)
                 l = QByteArray(1, char(0x5a));
         })},
        {"16 bits", BMP2JPG_FORMAT_NON_GERE, fabrique([](BMPFabrique& b) {
             b.bits = 16;
             for (QByteArray& l : b.lignes)
                 l.truncate(16);
         })},
        {"compression RLE8", BMP2JPG_FORMAT_NON_GERE,
         fabrique([](BMPFabrique& b) { b.compression = 1; })},
        {"champs de bits", BMP2JPG_FORMAT_NON_GERE,
         fabrique([](BMPFabrique& b) { b.compression = 3; })},
        {"en-tête V5", BMP2JPG_FORMAT_NON_GERE,
         fabrique([](BMPFabrique& b) { b.tailleEntete = 124; })},
        {"en-tête de 20 octets", BMP2JPG_FORMAT_NON_GERE,
         fabrique([](BMPFabrique& b) { b.tailleEntete = 20; })},
        {"deux plans", BMP2JPG_FORMAT_NON_GERE, fabrique([](BMPFabrique& b) { b.plans = 2; })},
        {"indice hors de la palette", BMP2JPG_DECODAGE_IMPOSSIBLE,
         [avec](const QString& d) {
             BMPFabrique b = DeuxBandes(8);
             b.lignes[3][5] = char(200); // la palette n'a que 3 couleurs
             return avec(b.octets())(d);
         }},
        {"pixels annoncés dans l'en-tête", BMP2JPG_DECODAGE_IMPOSSIBLE,
         fabrique([](BMPFabrique& b) { b.debutPixels = 20; })},
        {"dossier de destination absent", BMP2JPG_DESTINATION_IMPOSSIBLE,
         versDestination(QStringLiteral("absent/sortie.jpg"), nullptr)},
        {"destination qui est un dossier", BMP2JPG_DESTINATION_IMPOSSIBLE,
         versDestination(QStringLiteral("sortie.jpg"),
                         [](const QString& d) { QDir(d).mkdir("sortie.jpg"); })},
        {"destination sous un fichier", BMP2JPG_DESTINATION_IMPOSSIBLE,
         versDestination(QStringLiteral("entree.bmp/sortie.jpg"), nullptr)},
        {"destination = source", BMP2JPG_MEME_FICHIER,
         versDestination(QStringLiteral("entree.bmp"), nullptr)},
        {"destination = lien dur vers la source", BMP2JPG_MEME_FICHIER,
         versDestination(QStringLiteral("lien.jpg"),
                         [](const QString& d) {
                             ::link(QFile::encodeName(d + "/entree.bmp").constData(),
                                    QFile::encodeName(d + "/lien.jpg").constData());
                         })},
    };
    // Root écrit partout : ce cas n'a de sens que pour un utilisateur ordinaire.
    if (::geteuid() != 0)
        cas.push_back({"dossier en lecture seule", BMP2JPG_DESTINATION_IMPOSSIBLE,
                       versDestination(QStringLiteral("ferme/sortie.jpg"), [](const QString& d) {
                           QDir(d).mkdir("ferme");
                           ::chmod(QFile::encodeName(d + "/ferme").constData(), 0555);
                       })});

    for (const Cas& c : cas) {
        QTest::newRow(c.nom) << c.preparer << int(c.attendu) << false;
        QTest::addRow("%s (JPEG existant)", c.nom) << c.preparer << int(c.attendu) << true;
    }
}

void TestBmp2jpg::entreesFautives() {
    QFETCH(Preparation, preparer);
    QFETCH(int, attendu);
    QFETCH(bool, jpegExistant);
    QVERIFY(!OctetsBmpOrdinaire().isEmpty());
    QVERIFY(!OctetsPng().isEmpty());

    // Un JPEG valide à mettre à la place de la destination avant l'appel.
    const QString jpgValide = chemin(QStringLiteral("valide.jpg"));
    QCOMPARE(Convertir(bmpOrdinaire(), jpgValide, 80), int16_t(BMP2JPG_REUSSI));
    const QByteArray ancien = LireOctets(jpgValide);

    const QString dossier = chemin(QStringLiteral("cas"));
    QVERIFY(QDir().mkpath(dossier));
    // Le dossier fermé d'un cas est rouvert, sinon il ne s'effacerait pas avec le reste.
    const auto rouvrir =
        qScopeGuard([&] { ::chmod(QFile::encodeName(dossier + "/ferme").constData(), 0755); });
    const Appel appel = preparer(dossier);
    const QFileInfo destination(appel.jpg.value_or(QString()));
    if (jpegExistant) {
        // Seules les destinations qui peuvent déjà exister comme fichier ordinaire.
        if (!appel.jpg || appel.jpg->isEmpty() || destination.exists() ||
            !destination.absoluteDir().exists() ||
            !QFileInfo(destination.absolutePath()).isWritable())
            QSKIP("pas de JPEG possible à cette destination : le cas sans JPEG suffit");
        EcrireOctets(*appel.jpg, ancien);
    }
    const auto avant = Contenu(dossier);
    const QByteArray bmp = appel.bmp ? QFile::encodeName(*appel.bmp) : QByteArray();
    const QByteArray jpg = appel.jpg ? QFile::encodeName(*appel.jpg) : QByteArray();
    const int16_t statut =
        ConvertirBMPenJPG(appel.bmp ? bmp.constData() : nullptr,
                          appel.jpg ? jpg.constData() : nullptr, int16_t(appel.qualite));
    const QString qui = QString::fromUtf8(QTest::currentDataTag());
    QVERIFY2(statut == attendu,
             qPrintable(
                 QStringLiteral("%1 : statut %2 au lieu de %3").arg(qui).arg(statut).arg(attendu)));
    QVERIFY2(Contenu(dossier) == avant, qPrintable(qui + QStringLiteral(" : dossier modifié")));
}

// Disque plein au milieu de l'écriture (simulé par une limite de taille de fichier) : l'ancien
// JPEG reste entier et le fichier de travail disparaît.
void TestBmp2jpg::echecEcritureGardeAncienJpeg() {
    const QString bmp = bmpOrdinaire();
    QVERIFY(!bmp.isEmpty());
    const QString jpg = chemin(QStringLiteral("capture.jpg"));
    QCOMPARE(Convertir(bmp, jpg, 20), int16_t(BMP2JPG_REUSSI));
    const QByteArray ancien = LireOctets(jpg);
    QVERIFY(ancien.size() > 2000);

    int16_t statut = 0;
    {
        const LimiteTailleFichier limite(1000);
        statut = Convertir(bmp, jpg, 95);
    }
    QCOMPARE(statut, int16_t(BMP2JPG_ECRITURE_IMPOSSIBLE));
    QCOMPARE(LireOctets(jpg), ancien);
    QVERIFY(Temporaires(m_tmp->path()).isEmpty());

    // La limite levée, la même conversion réussit et remplace bien l'ancien fichier.
    QCOMPARE(Convertir(bmp, jpg, 95), int16_t(BMP2JPG_REUSSI));
    QVERIFY(LireOctets(jpg) != ancien);
}

// Le nouveau JPEG prend la place de l'ancien par un renommage : qui lisait l'ancien le lit
// jusqu'au bout, intact, au lieu d'un fichier vidé puis réécrit sous ses yeux.
void TestBmp2jpg::remplacementDUnSeulCoup() {
    const QString bmp = bmpOrdinaire();
    QVERIFY(!bmp.isEmpty());
    const QString jpg = chemin(QStringLiteral("capture.jpg"));
    QCOMPARE(Convertir(bmp, jpg, 30), int16_t(BMP2JPG_REUSSI));
    const QByteArray ancien = LireOctets(jpg);

    QFile lecteur(jpg);
    QVERIFY(lecteur.open(QIODevice::ReadOnly));
    QCOMPARE(Convertir(bmp, jpg, 95), int16_t(BMP2JPG_REUSSI));
    QCOMPARE(lecteur.readAll(), ancien);
    const QByteArray nouveau = LireOctets(jpg);
    QVERIFY(nouveau != ancien);
    QVERIFY(nouveau.startsWith("\xFF\xD8") && nouveau.endsWith("\xFF\xD9"));
    QVERIFY(Temporaires(m_tmp->path()).isEmpty());
}

// Le JPEG est créé comme tout fichier de l'utilisateur (0666 moins le masque), pas en 0600 :
// les autres programmes de l'utilisateur et le navigateur doivent pouvoir le lire.
void TestBmp2jpg::droitsDuFichierCree() {
    const QString bmp = bmpOrdinaire();
    QVERIFY(!bmp.isEmpty());
    const QString jpg = chemin(QStringLiteral("droits.jpg"));
    const mode_t masque = ::umask(022);
    const int16_t statut = Convertir(bmp, jpg, 95);
    ::umask(masque);
    QCOMPARE(statut, int16_t(BMP2JPG_REUSSI));
    struct stat etat {};
    QCOMPARE(::stat(QFile::encodeName(jpg).constData(), &etat), 0);
    QCOMPARE(etat.st_mode & 0777, mode_t(0644));
}

// Plusieurs fils vers la même destination et vers des destinations distinctes : noms de travail
// uniques, chaque fichier final complet, aucun reste.
void TestBmp2jpg::conversionsSimultanees() {
    const QString bmp = bmpOrdinaire();
    QVERIFY(!bmp.isEmpty());
    const QString commun = chemin(QStringLiteral("commun.jpg"));
    constexpr int NbFils = 6;
    std::vector<int16_t> statuts(2 * NbFils, -1);
    std::vector<std::thread> fils;
    for (int i = 0; i < NbFils; ++i) {
        fils.emplace_back([&, i] { statuts[i] = Convertir(bmp, commun, 60 + i * 5); });
        fils.emplace_back([&, i] {
            statuts[NbFils + i] = Convertir(bmp, chemin(QStringLiteral("seul%1.jpg").arg(i)), 95);
        });
    }
    for (std::thread& f : fils)
        f.join();
    for (int16_t s : statuts)
        QCOMPARE(s, int16_t(BMP2JPG_REUSSI));
    QVERIFY(Temporaires(m_tmp->path()).isEmpty());
    for (const QString& jpg : QStringList{commun, chemin(QStringLiteral("seul0.jpg")),
                                          chemin(QStringLiteral("seul5.jpg"))}) {
        QString erreur;
        const QImage relue = Decoder(jpg, &erreur);
        QVERIFY2(!relue.isNull(), qPrintable(jpg + QStringLiteral(" : ") + erreur));
        QCOMPARE(relue.size(), QSize(320, 200));
    }
}

// Le moteur passe les chemins dans le codage du système : accents et espaces doivent passer.
void TestBmp2jpg::cheminAccentue() {
    const QString dossier = chemin(QStringLiteral("Été à l'écran"));
    QVERIFY(QDir().mkpath(dossier));
    const QString bmp = dossier + QStringLiteral("/Capture n°1.bmp");
    const QString jpg = dossier + QStringLiteral("/Capture n°1.jpg");
    QVERIFY(EcranFactice(64, 48).save(bmp));
    QCOMPARE(Convertir(bmp, jpg, 95), int16_t(BMP2JPG_REUSSI));
    QString erreur;
    QCOMPARE(Decoder(jpg, &erreur).size(), QSize(64, 48));
}

// Le moteur de capture charge la bibliothèque par son nom depuis le dossier du programme et y
// cherche la fonction ; le reste du code n'en est pas visible.
void TestBmp2jpg::chargementParNom() {
    QVERIFY(QFileInfo::exists(QStringLiteral(DOSSIER_PROGRAMME "/libbmp2jpg.so")));
    QLibrary bibliotheque(QStringLiteral(DOSSIER_PROGRAMME "/bmp2jpg"));
    QVERIFY2(bibliotheque.load(), qPrintable(bibliotheque.errorString()));
    const auto convertir =
        reinterpret_cast<FonctionConvertirBMPenJPG>(bibliotheque.resolve("ConvertirBMPenJPG"));
    QVERIFY(convertir);
    QVERIFY(!bibliotheque.resolve("Convertir"));
    QVERIFY(!bibliotheque.resolve("ExaminerBMP"));

    const QString bmp = bmpOrdinaire();
    QVERIFY(!bmp.isEmpty());
    const QString jpg = chemin(QStringLiteral("par_nom.jpg"));
    QCOMPARE(convertir(QFile::encodeName(bmp).constData(), QFile::encodeName(jpg).constData(), 95),
             int16_t(0));
    QString erreur;
    QCOMPARE(Decoder(jpg, &erreur).size(), QSize(320, 200));
    QCOMPARE(convertir(QFile::encodeName(bmp).constData(), QFile::encodeName(jpg).constData(), 0),
             int16_t(BMP2JPG_QUALITE_INVALIDE));
}

QTEST_MAIN(TestBmp2jpg)
#include "test_bmp2jpg.moc"
