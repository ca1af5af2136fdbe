#pragma once
// Ce que partagent les mesures des fichiers d'un projet : la photo de ~2 Mo fabriquée, les
// dossiers vidés et vérifiés octet pour octet, le temps écoulé et le temps processeur, les
// médianes. Une copie ratée ne doit jamais passer pour une copie rapide.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

namespace OutilsMesure {

inline constexpr qint64 TailleVisee = 2'000'000;

// Une exception plutôt qu'exit() : le dossier temporaire (plus d'un Go) est effacé en sortant.
struct EchecMesure {
    QString texte;
};

[[noreturn]] inline void Echec(const QString& texte) {
    throw EchecMesure{texte};
}

// Le point d'entrée d'une mesure : une application Qt, sans écran sauf si QT_QPA_PLATFORM en
// nomme un, puis mesurer(argc, argv). Un échec est écrit « NOM : ÉCHEC : ... », code 1.
template <typename Fonction>
int LancerMesure(int argc, char** argv, const char* nom, Fonction mesurer) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    try {
        return mesurer(argc, argv);
    } catch (const EchecMesure& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s : ÉCHEC : %s\n", nom, qPrintable(e.texte));
        return 1;
    }
}

// Du bruit se compresse mal : c'est ce qui donne une photo de ~2 Mo sans fichier fourni.
// Le nombre de tours donné en premier argument, ou defaut.
inline int NombreDeTours(int argc, char** argv, int defaut) {
    if (argc < 2)
        return defaut;
    bool ok = false;
    const int tours = QString::fromLocal8Bit(argv[1]).toInt(&ok);
    if (!ok || tours < 1)
        Echec(QStringLiteral("nombre de tours invalide : ") + QString::fromLocal8Bit(argv[1]));
    return tours;
}

inline QByteArray ImageBruitee() {
    QImage image(1600, 1200, QImage::Format_RGB32);
    QRandomGenerator alea(20240601);
    for (int y = 0; y < image.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // Un dégradé sous le bruit, pour une image qui ressemble un peu à quelque chose.
            const int b = static_cast<int>(alea.bounded(96));
            ligne[x] = qRgb((x * 160 / image.width() + b) & 0xff,
                            (y * 160 / image.height() + b / 2) & 0xff, (b * 2) & 0xff);
        }
    }
    QByteArray meilleur;
    for (int qualite = 98; qualite >= 50; qualite -= 4) {
        QByteArray octets;
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        if (!image.save(&tampon, "JPEG", qualite))
            Echec(QStringLiteral("encodage JPEG impossible"));
        if (meilleur.isEmpty() ||
            std::abs(octets.size() - TailleVisee) < std::abs(meilleur.size() - TailleVisee))
            meilleur = octets;
        if (octets.size() <= TailleVisee)
            break;
    }
    return meilleur;
}

// Une photo plausible de 24 mégapixels : dégradés et formes ; avec du grain, le JPEG pèse ce
// que pèse une vraie photo de cette taille (plusieurs Mo), et son décodage coûte autant.
inline void FabriquerPhoto(const QString& chemin, quint32 graine = 1, bool grain = false) {
    QImage image(6000, 4000, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient ciel(0, 0, 0, 4000);
    ciel.setColorAt(0, QColor(70, 120, 200));
    ciel.setColorAt(1, QColor(230, 200, 150));
    p.fillRect(image.rect(), ciel);
    QRandomGenerator hasard(graine);
    for (int i = 0; i < 400; ++i) {
        p.setBrush(QColor::fromHsv(hasard.bounded(360), 120, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(hasard.bounded(6000), hasard.bounded(4000)), 150, 90);
    }
    p.end();
    if (grain)
        for (int y = 0; y < image.height(); ++y) {
            auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int b = static_cast<int>(hasard.bounded(24)) - 12;
                const QRgb c = ligne[x];
                ligne[x] = qRgb(std::clamp(qRed(c) + b, 0, 255), std::clamp(qGreen(c) + b, 0, 255),
                                std::clamp(qBlue(c) + b, 0, 255));
            }
        }
    if (!image.save(chemin, "JPEG", 90))
        Echec(QStringLiteral("photo impossible à écrire : ") + chemin);
}

inline void Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(octets) != octets.size())
        Echec(QStringLiteral("écriture impossible : ") + chemin);
}

inline void Vider(const QString& dossier) {
    const QDir d(dossier);
    for (const QString& nom : d.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (!QFile::remove(d.filePath(nom)))
            Echec(QStringLiteral("impossible d'effacer ") + d.filePath(nom));
}

inline QByteArray Lire(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Le dossier contient exactement les fichiers attendus, octet pour octet : une copie ratée
// ne doit pas passer pour une copie rapide.
inline void Verifier(const QString& quoi, const QString& dossier,
                     const QMap<QString, const QByteArray*>& attendus) {
    const QDir d(dossier);
    QStringList presents = d.entryList(QDir::Files | QDir::Hidden | QDir::System);
    presents.removeAll(QStringLiteral("manifeste")); // la description de la copie de secours
    if (presents.size() != attendus.size())
        Echec(QStringLiteral("%1 : %2 fichiers au lieu de %3 dans %4")
                  .arg(quoi)
                  .arg(presents.size())
                  .arg(attendus.size())
                  .arg(dossier));
    for (auto it = attendus.cbegin(); it != attendus.cend(); ++it) {
        const QString chemin = d.filePath(it.key());
        const QFileInfo info(chemin);
        if (!info.isFile() || info.size() != it.value()->size())
            Echec(QStringLiteral("%1 : %2 absent ou de taille %3 au lieu de %4")
                      .arg(quoi, chemin)
                      .arg(info.isFile() ? info.size() : -1)
                      .arg(it.value()->size()));
        if (Lire(chemin) != *it.value())
            Echec(QStringLiteral("%1 : contenu de %2 différent de l'original").arg(quoi, chemin));
    }
}

struct Mesure {
    qint64 ns = 0;         // temps écoulé
    qint64 processeur = 0; // temps processeur, utilisateur et noyau, en ns
};

inline qint64 TempsProcesseur(int qui) {
    rusage r{};
    getrusage(qui, &r);
    const auto ns = [](const timeval& t) {
        return t.tv_sec * 1'000'000'000LL + t.tv_usec * 1000LL;
    };
    return ns(r.ru_utime) + ns(r.ru_stime);
}

template <typename Champ> double Mediane(const std::vector<Mesure>& mesures, Champ champ) {
    std::vector<qint64> v;
    for (const Mesure& m : mesures)
        v.push_back(champ(m));
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? double(v[n / 2]) : (double(v[n / 2 - 1]) + double(v[n / 2])) / 2.0;
}

inline double Ms(double ns) {
    return ns / 1e6;
}

// Un projet « Banc » de n grandes diapos toutes pareilles : Banc.cin, Banc.htm, Banc.js et les
// images Banc0.jpg... dans dossier.
struct ProjetMesure {
    QByteArray image = ImageBruitee();
    QByteArray cin, htm, js;
    QStringList sources;                                   // chemins des fichiers écrits
    QList<std::pair<QString, const QByteArray*>> fichiers; // suffixe et contenu de chacun

    ProjetMesure(const QString& dossier, int nbDiapos) {
        const auto ligne = [this](const QString& texte) { cin += texte.toLatin1() + "\r\n"; };
        ligne(QStringLiteral("Nom=Banc"));
        ligne(QStringLiteral("Repertoire=") + QDir::toNativeSeparators(dossier));
        ligne(QStringLiteral("NbSprite=%1").arg(nbDiapos));
        ligne(QStringLiteral("Tag=Banc"));
        for (int i = 0; i < nbDiapos; ++i)
            ligne(QStringLiteral("Diapo <b>%1</b> : vue prise au cours de la visite<br>").arg(i));
        htm = "<html>\r\n<head><title>Banc</title></head>\r\n<body>\r\n";
        for (int i = 0; i < nbDiapos; ++i)
            htm += "<img src=\"Banc" + QByteArray::number(i) + ".jpg\"><br>\r\n";
        htm += "</body>\r\n</html>\r\n";
        js = "var nbDiapos = " + QByteArray::number(nbDiapos) + ";\r\nvar nom = \"Banc\";\r\n";
        const auto ajouter = [&](const QString& suffixe, const QByteArray& octets) {
            Ecrire(dossier + QStringLiteral("/Banc") + suffixe, octets);
            sources << dossier + QStringLiteral("/Banc") + suffixe;
            fichiers.append({suffixe, &octets});
        };
        ajouter(QStringLiteral(".cin"), cin);
        ajouter(QStringLiteral(".htm"), htm);
        ajouter(QStringLiteral(".js"), js);
        for (int i = 0; i < nbDiapos; ++i)
            ajouter(QString::number(i) + QStringLiteral(".jpg"), image);
    }
    ProjetMesure(const ProjetMesure&) = delete;

    // Les fichiers attendus sous un autre préfixe (« aaaa » pour la copie de secours...).
    QMap<QString, const QByteArray*> attendus(const QString& prefixe) const {
        QMap<QString, const QByteArray*> a;
        for (const auto& [suffixe, octets] : fichiers)
            a.insert(prefixe + suffixe, octets);
        return a;
    }
    qint64 total() const {
        qint64 t = 0;
        for (const auto& f : fichiers)
            t += f.second->size();
        return t;
    }
};

} // namespace OutilsMesure
