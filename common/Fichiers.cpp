#include "Fichiers.h"

#include <QFile>

#include <filesystem>

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

bool CopierFichier(const QString& source, const QString& destination, std::error_code* erreur) {
    const fs::path src = versChemin(source);
    const fs::path dst = versChemin(destination);
    std::error_code ec;
    if (!fs::is_regular_file(src, ec))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::invalid_argument));
    // Ouvrir la destination en écriture viderait la source avant de la lire.
    if (memeFichier(src, dst))
        return echec(erreur, std::errc::file_exists);
    if (!fs::copy_file(src, dst, fs::copy_options::overwrite_existing, ec))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::io_error));
    return reussite(erreur);
}

bool DeplacerFichier(const QString& source, const QString& destination, std::error_code* erreur) {
    const fs::path src = versChemin(source);
    const fs::path dst = versChemin(destination);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(src, ec)))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory));
    // rename() sur le même fichier « réussit » sans rien faire ; la copie de secours, elle,
    // le détruirait. Dans les deux cas ce n'est pas un déplacement.
    if (memeFichier(src, dst))
        return echec(erreur, std::errc::file_exists);
    fs::rename(src, dst, ec);
    if (!ec)
        return reussite(erreur);
    if (ec != std::errc::cross_device_link)
        return echec(erreur, ec);
    std::error_code ecType;
    if (!fs::is_regular_file(src, ecType))
        return echec(erreur, ec);
    // Entre deux volumes : copie, puis suppression de la source une fois la copie sûre.
    if (!fs::copy_file(src, dst, fs::copy_options::overwrite_existing, ec))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::io_error));
    if (!fs::remove(src, ec))
        return echec(erreur, ec ? ec : std::make_error_code(std::errc::io_error));
    return reussite(erreur);
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
