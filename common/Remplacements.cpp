#include "Remplacements.h"

#include "Fichiers.h"

#include <QFileInfo>

RemplacementGroupe::~RemplacementGroupe() {
    Abandonner();
}

bool RemplacementGroupe::Preparer(const QString& source, const QString& cible) {
    if (!QFileInfo(source).isFile()) {
        m_enEchec = source;
        m_erreur = std::make_error_code(std::errc::no_such_file_or_directory);
        return false;
    }
    if (QFileInfo(cible).isDir()) {
        m_enEchec = cible;
        m_erreur = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    const QString provisoire = NomProvisoire(cible);
    SupprimerFichier(provisoire); // un reste d'une tentative interrompue
    if (!CopierVersNouveau(source, provisoire, &m_erreur)) {
        m_enEchec = cible;
        return false;
    }
    m_copies.push_back({provisoire, cible});
    return true;
}

bool RemplacementGroupe::Appliquer() {
    bool ok = true;
    for (const Copie& c : m_copies) {
        if (!ok) {
            SupprimerFichier(c.provisoire);
            continue;
        }
        if (!MettreEnPlace(c.provisoire, c.cible, &m_erreur)) {
            m_enEchec = c.cible;
            SupprimerFichier(c.provisoire);
            ok = false;
        }
    }
    m_copies.clear();
    return ok;
}

void RemplacementGroupe::Abandonner() {
    for (const Copie& c : m_copies)
        SupprimerFichier(c.provisoire);
    m_copies.clear();
}
