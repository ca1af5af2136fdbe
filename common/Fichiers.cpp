#include "Fichiers.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Les noms passent par l'encodage de Qt pour désigner exactement les mêmes fichiers que
// QFile, accents compris, sans conversion qui pourrait lever une exception.
fs::path versChemin(const QString& chemin) {
    return fs::path(QFile::encodeName(chemin).toStdString());
}

bool echec(std::error_code* erreur, std::error_code ec) {
    if (erreur)
        *erreur = ec;
    return false;
}

bool echec(std::error_code* erreur, std::errc e) {
    return echec(erreur, std::make_error_code(e));
}

bool reussite(std::error_code* erreur) {
    if (erreur)
        erreur->clear();
    return true;
}

// Les deux chemins existent et désignent le même fichier.
bool memeFichier(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (!fs::exists(a, ec) || !fs::exists(b, ec))
        return false;
    const bool meme = fs::equivalent(a, b, ec);
    return !ec && meme;
}

} // namespace

bool Lisible(const QString& chemin) {
    if (chemin.isEmpty())
        return false;
    std::error_code ec;
    if (!fs::is_regular_file(versChemin(chemin), ec))
        return false;
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly);
}

bool SupprimerFichier(const QString& chemin, std::error_code* erreur) {
    const fs::path p = versChemin(chemin);
    std::error_code ec;
    // symlink_status : un lien est supprimé lui-même, jamais ce qu'il désigne.
    const fs::file_status etat = fs::symlink_status(p, ec);
    if (ec)
        return echec(erreur, ec);
    if (fs::is_directory(etat))
        return echec(erreur, std::errc::is_a_directory);
    if (!fs::remove(p, ec))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory));
    return reussite(erreur);
}

namespace {

// Les octets du fichier sur le disque avant qu'un renommage ne le rende visible.
bool synchroniserFichier(const fs::path& chemin, std::error_code& ec) {
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ec = std::error_code(errno, std::generic_category());
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    if (!ok)
        ec = std::error_code(errno, std::generic_category());
    ::close(fd);
    return ok;
}

// copy_file dit « erreur d'entrée-sortie » quand le disque se remplit en cours de route : s'il
// n'y a plus la place pour la source, c'est un disque plein.
std::error_code Preciser(std::error_code ec, const fs::path& src, const fs::path& dst) {
    if (ec != std::errc::io_error)
        return ec;
    std::error_code ignore;
    const auto place = fs::space(dst.parent_path(), ignore);
    const auto taille = fs::file_size(src, ignore);
    if (!ignore && place.available < taille)
        return std::make_error_code(std::errc::no_space_on_device);
    return ec;
}

// Le nom caché, à côté de la destination, sous lequel sa copie s'écrit.
fs::path cheminProvisoire(const fs::path& dst) {
    return dst.parent_path() / ("." + dst.filename().string() + ".copie");
}

// Copie src à côté de dst sous un nom caché, puis renomme par-dessus dst.
bool copierPuisRenommer(const fs::path& src, const fs::path& dst, bool sync, std::error_code& ec) {
    const fs::path provisoire = cheminProvisoire(dst);
    std::error_code ignore;
    fs::remove(provisoire, ignore);
    const bool copie = fs::copy_file(src, provisoire, fs::copy_options::overwrite_existing, ec) &&
                       (!sync || synchroniserFichier(provisoire, ec));
    if (copie) {
        fs::rename(provisoire, dst, ec);
        if (!ec)
            return true;
    }
    if (!ec)
        ec = std::make_error_code(std::errc::io_error);
    fs::remove(provisoire, ignore);
    ec = Preciser(ec, src, dst);
    return false;
}

} // namespace

QString NomProvisoire(const QString& destination) {
    const fs::path p = cheminProvisoire(versChemin(destination));
    return QFile::decodeName(QByteArray::fromStdString(p.string()));
}

bool CopierFichier(const QString& source, const QString& destination, std::error_code* erreur,
                   Synchroniser sync) {
    const fs::path src = versChemin(source);
    const fs::path dst = versChemin(destination);
    std::error_code ec;
    if (!fs::is_regular_file(src, ec))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::invalid_argument));
    // Ouvrir la destination en écriture viderait la source avant de la lire.
    if (memeFichier(src, dst))
        return echec(erreur, std::errc::file_exists);
    if (fs::is_directory(dst, ec))
        return echec(erreur, std::errc::is_a_directory);
    if (!copierPuisRenommer(src, dst, sync == Synchroniser::Oui, ec))
        return echec(erreur, ec);
    return reussite(erreur);
}

bool CopierVersNouveau(const QString& source, const QString& destination, std::error_code* erreur) {
    const fs::path src = versChemin(source);
    const fs::path dst = versChemin(destination);
    std::error_code ec;
    if (!fs::is_regular_file(src, ec))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::invalid_argument));
    if (fs::copy_file(src, dst, fs::copy_options::none, ec))
        return reussite(erreur);
    // Une destination qui existait n'est pas à nous : on n'y touche pas.
    if (ec != std::errc::file_exists) {
        std::error_code ignore;
        fs::remove(dst, ignore);
    }
    return echec(erreur, Preciser(ec ? ec : std::make_error_code(std::errc::io_error), src, dst));
}

bool LierOuCopier(const QString& source, const QString& destination, std::error_code* erreur) {
    const fs::path src = versChemin(source);
    const fs::path dst = versChemin(destination);
    std::error_code ec;
    if (!fs::is_regular_file(src, ec))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::invalid_argument));
    fs::create_hard_link(src, dst, ec);
    if (!ec)
        return reussite(erreur);
    if (ec == std::errc::file_exists)
        return echec(erreur, ec);
    // Autre volume, système sans liens (clé FAT), trop de liens : une vraie copie.
    return CopierVersNouveau(source, destination, erreur);
}

namespace {
// Renomme src sur dst ; entre deux volumes, copie à côté de dst puis renommage par-dessus.
// copie dit alors que la source est restée.
bool remplacer(const fs::path& src, const fs::path& dst, bool sync, std::error_code& ec,
               bool& copie) {
    copie = false;
    if (memeFichier(src, dst)) {
        // rename() sur le même fichier « réussit » sans rien faire ; la copie de secours, elle,
        // le détruirait. Dans les deux cas ce n'est pas un déplacement.
        ec = std::make_error_code(std::errc::file_exists);
        return false;
    }
    fs::rename(src, dst, ec);
    if (!ec)
        return true;
    std::error_code ecType;
    if (ec != std::errc::cross_device_link || !fs::is_regular_file(src, ecType))
        return false;
    copie = true;
    return copierPuisRenommer(src, dst, sync, ec);
}
} // namespace

bool DeplacerFichier(const QString& source, const QString& destination, std::error_code* erreur) {
    const fs::path src = versChemin(source);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(src, ec)))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory));
    bool copie = false;
    if (!remplacer(src, versChemin(destination), true, ec, copie))
        return echec(erreur, ec);
    // Entre deux volumes, la source n'est supprimée qu'une fois la copie sûre.
    if (copie && !fs::remove(src, ec))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::io_error));
    return reussite(erreur);
}

bool RenommerSansRemplacer(const QString& source, const QString& destination,
                           std::error_code* erreur) {
    const QByteArray de = QFile::encodeName(source);
    const QByteArray vers = QFile::encodeName(destination);
    if (::renameat2(AT_FDCWD, de.constData(), AT_FDCWD, vers.constData(), RENAME_NOREPLACE) == 0)
        return reussite(erreur);
    if (errno != EINVAL && errno != ENOSYS)
        return echec(erreur, std::error_code(errno, std::generic_category()));
    // Un système de fichiers qui ne connaît pas ce drapeau : vérifier, puis renommer.
    struct stat etat {};
    if (::lstat(vers.constData(), &etat) == 0)
        return echec(erreur, std::errc::file_exists);
    if (::rename(de.constData(), vers.constData()) != 0)
        return echec(erreur, std::error_code(errno, std::generic_category()));
    return reussite(erreur);
}

bool MettreEnPlace(const QString& source, const QString& destination, std::error_code* erreur,
                   Synchroniser sync) {
    const fs::path src = versChemin(source);
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(src, ec)))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory));
    bool copie = false;
    if (!remplacer(src, versChemin(destination), sync == Synchroniser::Oui, ec, copie))
        return echec(erreur, ec);
    return reussite(erreur);
}

bool SynchroniserDisque(const QString& dossier) {
    const int fd =
        ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::syncfs(fd) == 0;
    ::close(fd);
    return ok;
}

bool MemeEmplacement(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    return memeFichier(versChemin(a), versChemin(b));
}

QString SansSeparateurFinal(const QString& chemin) {
    qsizetype fin = chemin.size();
    while (fin > 1 && chemin[fin - 1] == u'/')
        --fin;
    return chemin.left(fin);
}

QString TexteErreurFichier(const std::error_code& erreur) {
    if (erreur == std::errc::no_space_on_device || erreur == std::errc::file_too_large)
        return QStringLiteral("Le disque est plein.");
    if (erreur == std::errc::permission_denied || erreur == std::errc::operation_not_permitted)
        return QStringLiteral("L'accès est refusé.");
    if (erreur == std::errc::read_only_file_system)
        return QStringLiteral("Le disque est en lecture seule.");
    if (erreur == std::errc::no_such_file_or_directory)
        return QStringLiteral("Le fichier ou son dossier n'existe pas.");
    if (erreur == std::errc::is_a_directory)
        return QStringLiteral("Un dossier porte ce nom.");
    if (erreur == std::errc::file_exists)
        return QStringLiteral("La source et la destination sont le même fichier.");
    if (!erreur)
        return QStringLiteral("Erreur inconnue.");
    return QString::fromLocal8Bit(erreur.message().c_str());
}
