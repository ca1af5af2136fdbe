// La visionneuse sur un projet de 200 photos de 24 mégapixels : ouverture, puis défilement de la
// première à la dernière position, pas à pas, chaque pas lancé dès que le précédent est fini
// (plus vite qu'une flèche tenue). Un pas dure jusqu'à ce que les trois vignettes montrées aient
// leur image et que la fenêtre soit repeinte ; les décodages d'avance des suivantes, lancés
// pendant les pas précédents, en font partie.
// Référence dans la même exécution : le décodage complet d'une de ces photos.
//
// Puis le nouvel ordre appliqué : 200 diapos de ~2 Mo mises à l'envers, contre « mv » des
// mêmes 200 fichiers vers un autre dossier du même disque, tours alternés.
// Usage : bench_visionneuse [nombre de tours]

#include "DialoguesMuets.h"
#include "Editeur.h"
#include "OutilsMesure.h"
#include "Reordonner.h"
#include "frmVisionneuse.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <sys/stat.h>

namespace {

using namespace OutilsMesure;

constexpr int NbDiapos = 200;
constexpr int NbPhotosDifferentes = 8;

double Centile(std::vector<double> v, double c) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(c * double(v.size())))];
}

void EcrireProjet(const QString& dossier, const QString& nom, int n) {
    QByteArray cin = "Nom=" + nom.toLatin1() + "\r\nRepertoire=" + dossier.toLocal8Bit() +
                     "\r\nNbSprite=" + QByteArray::number(n) + "\r\nTag=Banc\r\n";
    for (int i = 0; i < n; ++i)
        cin += "Diapo " + QByteArray::number(i) + "\r\n";
    Ecrire(dossier + QLatin1Char('/') + nom + QStringLiteral(".cin"), cin);
}

void Ouvrir(Editeur& e, const QString& dossier, const QString& nom) {
    e.NomProjet = nom;
    e.RepertoireProjet = dossier;
    e.OuvrirProjet();
    if (!e.IndOuverture || e.NbSprite != NbDiapos)
        Echec(QStringLiteral("projet mal ouvert : ") + nom);
}

// --- Le défilement ---
void MesurerDefilement(const QTemporaryDir& racine, int tours) {
    const QString projet = racine.filePath(QStringLiteral("photos"));
    const QString secours = racine.filePath(QStringLiteral("secours-photos"));
    QDir().mkpath(projet);
    QDir().mkpath(secours);
    std::printf("Fabrication de %d photos 6000 x 4000 (%d différentes)...\n", NbDiapos,
                NbPhotosDifferentes);
    std::fflush(stdout);
    QStringList photos;
    for (int k = 0; k < NbPhotosDifferentes; ++k) {
        photos << projet + QStringLiteral("/modele%1.jpeg").arg(k);
        FabriquerPhoto(photos.back(), 100 + k, true);
    }
    qint64 octets = 0;
    for (int i = 0; i < NbDiapos; ++i) {
        const QString image = projet + QStringLiteral("/Photos%1.jpg").arg(i);
        if (!QFile::copy(photos[i % NbPhotosDifferentes], image))
            Echec(QStringLiteral("copie impossible : ") + image);
        octets += QFileInfo(image).size();
    }
    EcrireProjet(projet, QStringLiteral("Photos"), NbDiapos);

    std::vector<double> complet;
    for (int t = 0; t < 3; ++t) {
        QElapsedTimer chrono;
        chrono.start();
        const QImage entiere = QImageReader(photos[t]).read();
        complet.push_back(chrono.nsecsElapsed() / 1e6);
        if (entiere.size() != QSize(6000, 4000))
            Echec(QStringLiteral("photo illisible"));
    }
    const double reference = Centile(complet, 0.5);

    DialoguesMuets dialogues;
    Editeur editeur(dialogues, racine.filePath(QStringLiteral("programme")), secours);
    Ouvrir(editeur, projet, QStringLiteral("Photos"));
    frmVisionneuse fenetre(editeur);
    fenetre.resize(fenetre.sizeHint());
    // Jusqu'à ce que les trois vignettes montrées aient leur image.
    const auto auRepos = [&fenetre] {
        QCoreApplication::processEvents();
        while (!fenetre.vignettesPretes())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        fenetre.repaint();
    };

    std::printf("Défilement de la position 0 à %d, %.0f Mo de photos (fichiers dans le cache de "
                "pages), vignettes de %d x %d.\n",
                NbDiapos - 2, octets / 1e6, fenetre.tailleVignette().width(),
                fenetre.tailleVignette().height());
    std::printf("Décodage complet d'une photo (référence) : %.1f ms\n", reference);
    for (int t = 0; t < tours; ++t) {
        QElapsedTimer chrono;
        chrono.start();
        fenetre.show();
        auRepos();
        const double ouverture = chrono.nsecsElapsed() / 1e6;
        std::vector<double> pas;
        for (int v = 1; v <= NbDiapos - 2; ++v) {
            chrono.restart();
            fenetre.barre()->setValue(v);
            auRepos();
            pas.push_back(chrono.nsecsElapsed() / 1e6);
            if (fenetre.etiquette(0)->text() != QStringLiteral(" %1").arg(v))
                Echec(QStringLiteral("la fenêtre n'a pas suivi la barre"));
        }
        if (fenetre.vignette(0)->image().size() != fenetre.tailleVignette())
            Echec(QStringLiteral("vignette de taille inattendue"));
        std::printf("  tour %d : ouverture %6.1f ms ; par pas : médiane %5.1f ms, 95 %% %5.1f ms, "
                    "pire %5.1f ms (objectif < 50) ; %d décodages ; médiane / décodage complet "
                    "%.2f\n",
                    t + 1, ouverture, Centile(pas, 0.5), Centile(pas, 0.95), Centile(pas, 1.0),
                    fenetre.vignettes().decodages(), Centile(pas, 0.5) / reference);
        std::fflush(stdout);
        fenetre.hide();
    }
    std::printf("Cache : les vignettes décodées (64 images à la taille de la vignette, clé = "
                "chemin + inode, taille et date du fichier) ; les trois suivantes et les deux "
                "précédentes demandées d'avance à chaque pas, décodées sur %d fils.\n",
                QThread::idealThreadCount());
}

// --- L'ordre appliqué ---
ino_t Inode(const QString& chemin) {
    struct stat etat {};
    if (::stat(QFile::encodeName(chemin).constData(), &etat) != 0)
        Echec(QStringLiteral("absent : ") + chemin);
    return etat.st_ino;
}

void MesurerRetournement(const QTemporaryDir& racine, int tours) {
    const QString projet = racine.filePath(QStringLiteral("projet"));
    const QString secours = racine.filePath(QStringLiteral("secours"));
    const QString ailleurs = racine.filePath(QStringLiteral("mv"));
    for (const QString& d : {projet, secours, ailleurs})
        QDir().mkpath(d);
    const ProjetMesure banc(projet, NbDiapos);
    DialoguesMuets dialogues;
    Editeur editeur(dialogues, racine.filePath(QStringLiteral("programme")), secours);
    Ouvrir(editeur, projet, QStringLiteral("Banc"));
    std::vector<ino_t> inodes;
    for (int i = 0; i < NbDiapos; ++i)
        inodes.push_back(Inode(editeur.CheminImage(i)));
    QStringList images;
    for (int i = 0; i < NbDiapos; ++i)
        images << editeur.CheminImage(i);

    int retournements = 0;
    const auto retourner = [&]() -> Mesure {
        for (int i = 0; i < NbDiapos; ++i)
            editeur.OrdreDiapo[i] = static_cast<int16_t>(NbDiapos - 1 - i);
        QElapsedTimer chrono;
        const qint64 avant = TempsProcesseur(RUSAGE_SELF);
        chrono.start();
        if (!Reordonner::AppliquerOrdre(editeur))
            Echec(QStringLiteral("ordre non appliqué : ") + dialogues.dernier);
        const Mesure m{chrono.nsecsElapsed(), TempsProcesseur(RUSAGE_SELF) - avant};
        ++retournements;
        // Chaque image est bien le fichier attendu (renommé, pas recopié).
        for (int i = 0; i < NbDiapos; ++i)
            if (Inode(editeur.CheminImage(i)) != inodes[retournements % 2 ? NbDiapos - 1 - i : i])
                Echec(QStringLiteral("image %1 mal placée").arg(i));
        if (dialogues.messages > 0)
            Echec(QStringLiteral("un message pendant la mesure : ") + dialogues.dernier);
        return m;
    };
    bool dansAilleurs = false;
    const auto mv = [&]() -> Mesure {
        QStringList sources;
        for (const QString& image : images)
            sources << (dansAilleurs ? ailleurs + QLatin1Char('/') + QFileInfo(image).fileName()
                                     : image);
        QProcess p;
        p.setProgram(QStringLiteral("mv"));
        p.setArguments(sources << (dansAilleurs ? projet : ailleurs));
        const qint64 avant = TempsProcesseur(RUSAGE_CHILDREN);
        QElapsedTimer chrono;
        chrono.start();
        p.start();
        if (!p.waitForFinished(-1) || p.exitCode() != 0)
            Echec(QStringLiteral("mv a échoué"));
        const Mesure m{chrono.nsecsElapsed(), TempsProcesseur(RUSAGE_CHILDREN) - avant};
        dansAilleurs = !dansAilleurs;
        return m;
    };

    std::printf("Ordre appliqué : %d diapos de %.1f Mo mises à l'envers, contre un seul « mv » "
                "des mêmes %d fichiers vers un autre dossier du même disque.\n",
                NbDiapos, banc.image.size() / 1e6, NbDiapos);
    retourner();
    retourner();
    std::vector<Mesure> ordre, reference;
    for (int t = 0; t < tours; ++t) {
        if (t % 2 == 0) {
            reference.push_back(mv());
            mv();
            ordre.push_back(retourner());
        } else {
            ordre.push_back(retourner());
            reference.push_back(mv());
            mv();
        }
        std::printf("  tour %d : ordre appliqué %6.2f ms (processeur %6.2f)   mv %6.2f ms "
                    "(processeur %6.2f)\n",
                    t + 1, Ms(ordre.back().ns), Ms(ordre.back().processeur),
                    Ms(reference.back().ns), Ms(reference.back().processeur));
        std::fflush(stdout);
    }
    const auto ns = [](const Mesure& m) { return m.ns; };
    const double a = Mediane(ordre, ns), b = Mediane(reference, ns);
    std::printf("Médianes : ordre appliqué %.2f ms, mv %.2f ms : %.2f x mv (objectif <= 2)\n",
                Ms(a), Ms(b), a / b);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    try {
        const int tours = NombreDeTours(argc, argv, 5);
        QTemporaryDir racine;
        if (!racine.isValid())
            Echec(QStringLiteral("dossier temporaire impossible"));
        MesurerRetournement(racine, tours);
        MesurerDefilement(racine, std::min(tours, 3));
    } catch (const EchecMesure& e) {
        std::fprintf(stderr, "Mesure impossible : %s\n", qPrintable(e.texte));
        return 1;
    }
    return 0;
}
