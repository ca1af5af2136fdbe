// Conversion BMP -> JPEG par TurboJPEG. Le fichier est vérifié à la main avant de le confier à
// tjLoadImage, qui allouerait d'après l'en-tête sans regarder la taille réelle du fichier.

#include "bmp2jpg.h"

#include <turbojpeg.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Ce que l'en-tête annonce, une fois jugé acceptable.
struct EnteteBMP {
    int largeur = 0;
    int hauteur = 0;
};

uint32_t Lire16(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}

uint32_t Lire32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

class Descripteur {
public:
    explicit Descripteur(int fd) : m_fd(fd) {}
    ~Descripteur() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    // close() peut révéler une écriture perdue (NFS, disque plein) : on veut son verdict.
    bool fermer() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Lit jusqu'à n octets ; moins seulement à la fin du fichier.
ssize_t LireTout(int fd, unsigned char* tampon, size_t n) {
    size_t lus = 0;
    while (lus < n) {
        const ssize_t r = ::read(fd, tampon + lus, n - lus);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return -1;
        if (r == 0)
            break;
        lus += size_t(r);
    }
    return ssize_t(lus);
}

bool EcrireTout(int fd, const unsigned char* octets, size_t n) {
    while (n > 0) {
        const ssize_t r = ::write(fd, octets, n);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        octets += r;
        n -= size_t(r);
    }
    return true;
}

// Mêmes règles que le lecteur de TurboJPEG (en-têtes de 12, 40 ou 64 octets, 8, 24 ou 32 bits,
// sans compression, de bas en haut), plus la taille du fichier : un BMP tronqué ou aux
// dimensions absurdes est refusé ici, avant que quiconque n'alloue quoi que ce soit.
int16_t ExaminerBMP(const char* chemin, EnteteBMP& entete) {
    const int fd = ::open(chemin, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return BMP2JPG_BMP_ILLISIBLE;
    Descripteur fichier(fd);
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode))
        return BMP2JPG_BMP_ILLISIBLE;

    unsigned char t[14 + 64] = {};
    const ssize_t n = LireTout(fd, t, sizeof t);
    if (n < 0)
        return BMP2JPG_BMP_ILLISIBLE;
    if (n < 2 || t[0] != 'B' || t[1] != 'M')
        return BMP2JPG_PAS_UN_BMP;
    if (n < 18)
        return BMP2JPG_BMP_TRONQUE;

    const uint32_t debutPixels = Lire32(t + 10);
    const uint32_t tailleEntete = Lire32(t + 14);
    int64_t largeur = 0, hauteur = 0;
    uint32_t plans = 0, bits = 0, compression = 0;
    if (tailleEntete == 12) {
        if (n < 14 + 12)
            return BMP2JPG_BMP_TRONQUE;
        largeur = Lire16(t + 18);
        hauteur = Lire16(t + 20);
        plans = Lire16(t + 22);
        bits = Lire16(t + 24);
    } else if (tailleEntete >= 40) {
        if (n < 14 + 40)
            return BMP2JPG_BMP_TRONQUE;
        largeur = int32_t(Lire32(t + 18));
        hauteur = int32_t(Lire32(t + 22));
        plans = Lire16(t + 26);
        bits = Lire16(t + 28);
        compression = Lire32(t + 30);
    } else {
        return BMP2JPG_FORMAT_NON_GERE;
    }

    // Hauteur négative : image de haut en bas, que le lecteur refuse ; on juge sa taille d'abord.
    const int64_t lignes = hauteur < 0 ? -hauteur : hauteur;
    if (largeur <= 0 || lignes == 0 || largeur > BMP2JPG_COTE_MAX || lignes > BMP2JPG_COTE_MAX ||
        largeur * lignes > BMP2JPG_PIXELS_MAX)
        return BMP2JPG_DIMENSIONS_REFUSEES;

    if ((tailleEntete != 12 && tailleEntete != 40 && tailleEntete != 64) || plans != 1 ||
        (bits != 8 && bits != 24 && bits != 32) || compression != 0 || hauteur < 0)
        return BMP2JPG_FORMAT_NON_GERE;

    // Chaque ligne est complétée à un multiple de 4 octets.
    const int64_t octetsParLigne = (largeur * bits + 31) / 32 * 4;
    if (int64_t(debutPixels) + octetsParLigne * lignes > int64_t(etat.st_size))
        return BMP2JPG_BMP_TRONQUE;

    entete.largeur = int(largeur);
    entete.hauteur = int(lignes);
    return BMP2JPG_REUSSI;
}

// Fichier de travail dans le dossier de destination : rename() n'est atomique qu'au sein d'un
// même système de fichiers. Effacé à la destruction s'il n'a pas pris la place du JPEG.
class FichierTemporaire {
public:
    ~FichierTemporaire() {
        if (!m_chemin.empty())
            ::unlink(m_chemin.c_str());
    }
    FichierTemporaire() = default;
    FichierTemporaire(const FichierTemporaire&) = delete;
    FichierTemporaire& operator=(const FichierTemporaire&) = delete;

    // Création exclusive avec 0666 : le masque de l'utilisateur s'applique comme pour tout
    // fichier qu'il crée, ce que mkstemp (0600) ne ferait pas.
    int creer(const std::string& dossier) {
        static std::atomic<unsigned> compteur{0};
        for (int essai = 0; essai < 100; ++essai) {
            timespec t{};
            ::clock_gettime(CLOCK_REALTIME, &t);
            const unsigned long long graine =
                (unsigned long long)t.tv_nsec * 0x9E3779B97F4A7C15ULL ^
                (unsigned long long)::getpid() << 20 ^ compteur.fetch_add(1);
            char suffixe[32];
            std::snprintf(suffixe, sizeof suffixe, "%012llx", graine & 0xFFFFFFFFFFFFULL);
            std::string chemin = dossier + "/.bmp2jpg-" + suffixe + ".tmp";
            const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                m_chemin = std::move(chemin);
                return fd;
            }
            if (errno != EEXIST)
                return -1;
        }
        return -1;
    }

    bool remplacer(const char* destination) {
        if (::rename(m_chemin.c_str(), destination) != 0)
            return false;
        m_chemin.clear();
        return true;
    }

private:
    std::string m_chemin;
};

std::string DossierDe(const char* chemin) {
    const std::string c(chemin);
    const auto barre = c.find_last_of('/');
    if (barre == std::string::npos)
        return ".";
    return barre == 0 ? "/" : c.substr(0, barre);
}

struct Compresseur {
    tjhandle h = tjInitCompress();
    ~Compresseur() {
        if (h)
            tjDestroy(h);
    }
};

struct TamponTurbo {
    unsigned char* p = nullptr;
    ~TamponTurbo() { tjFree(p); }
};

// À 90 et plus, on demande une copie fidèle : le 4:4:4 garde nets les textes et traits colorés
// d'une capture d'écran, que le 4:2:0 bave d'un pixel (à 95, une capture type passe d'environ
// 31 dB en 4:2:0 à 43 dB en 4:4:4, pour 40 % d'octets en plus). En dessous, la taille prime.
int Echantillonnage(int qualite) {
    return qualite >= 90 ? TJSAMP_444 : TJSAMP_420;
}

int16_t Convertir(const char* bmp, const char* jpg, int qualite) {
    if (!bmp || !jpg || !*bmp || !*jpg)
        return BMP2JPG_CHEMIN_NUL;
    if (qualite < 1 || qualite > 100)
        return BMP2JPG_QUALITE_INVALIDE;

    EnteteBMP entete;
    if (const int16_t r = ExaminerBMP(bmp, entete); r != BMP2JPG_REUSSI)
        return r;

    // Une destination dossier, ou la source elle-même, est refusée avant tout travail.
    struct stat etatJpg {};
    if (::stat(jpg, &etatJpg) == 0) {
        if (S_ISDIR(etatJpg.st_mode))
            return BMP2JPG_DESTINATION_IMPOSSIBLE;
        struct stat etatBmp {};
        if (::stat(bmp, &etatBmp) == 0 && etatBmp.st_dev == etatJpg.st_dev &&
            etatBmp.st_ino == etatJpg.st_ino)
            return BMP2JPG_MEME_FICHIER;
    }

    // BGR est l'ordre des octets du BMP : le lecteur copie les lignes telles quelles, et le
    // compresseur sait partir du BGR aussi vite que du RGB. Surtout pas TJPF_UNKNOWN : un BMP à
    // palette grise arriverait en gris et la compression en couleur échouerait.
    int largeur = 0, hauteur = 0, format = TJPF_BGR;
    TamponTurbo pixels;
    pixels.p = tjLoadImage(bmp, &largeur, 1, &hauteur, &format, 0);
    if (!pixels.p)
        return BMP2JPG_DECODAGE_IMPOSSIBLE;
    // Le fichier a pu changer entre l'examen et la lecture.
    if (largeur != entete.largeur || hauteur != entete.hauteur || format != TJPF_BGR)
        return BMP2JPG_DECODAGE_IMPOSSIBLE;

    Compresseur compresseur;
    if (!compresseur.h)
        return BMP2JPG_MEMOIRE_INSUFFISANTE;
    TamponTurbo jpeg;
    unsigned long taille = 0;
    if (tjCompress2(compresseur.h, pixels.p, largeur, 0, hauteur, TJPF_BGR, &jpeg.p, &taille,
                    Echantillonnage(qualite), qualite, 0) != 0)
        return BMP2JPG_COMPRESSION_IMPOSSIBLE;
    tjFree(pixels.p);
    pixels.p = nullptr;

    FichierTemporaire temporaire;
    const int fd = temporaire.creer(DossierDe(jpg));
    if (fd < 0)
        return BMP2JPG_DESTINATION_IMPOSSIBLE;
    Descripteur sortie(fd);
    if (!EcrireTout(fd, jpeg.p, taille) || !sortie.fermer())
        return BMP2JPG_ECRITURE_IMPOSSIBLE;
    if (!temporaire.remplacer(jpg))
        return BMP2JPG_REMPLACEMENT_IMPOSSIBLE;
    return BMP2JPG_REUSSI;
}

} // namespace

extern "C" int16_t ConvertirBMPenJPG(const char* bmp, const char* jpg, int16_t qualite) {
    // Aucune exception ne doit traverser une interface C ; seul std::string peut en lever.
    try {
        return Convertir(bmp, jpg, qualite);
    } catch (...) {
        return BMP2JPG_MEMOIRE_INSUFFISANTE;
    }
}
