#include "Convertisseur.h"

#include <QFile>

ConvertisseurBmp2jpg::ConvertisseurBmp2jpg(const QString& nomBibliotheque)
    : m_bibliotheque(nomBibliotheque) {}

bool ConvertisseurBmp2jpg::charger() {
    if (m_fonction)
        return true;
    // Un échec n'est pas retenu : la bibliothèque peut être posée pendant que le programme tourne.
    m_fonction = reinterpret_cast<Fonction>(m_bibliotheque.resolve("ConvertirBMPenJPG"));
    if (!m_fonction)
        m_erreur = m_bibliotheque.errorString();
    return m_fonction != nullptr;
}

int16_t ConvertisseurBmp2jpg::convertir(const QString& bmp, const QString& jpg, int16_t qualite) {
    if (!charger())
        return ConversionIndisponible;
    // Les chemins passent dans l'encodage des noms de fichiers du système.
    const QByteArray source = QFile::encodeName(bmp);
    const QByteArray destination = QFile::encodeName(jpg);
    return m_fonction(source.constData(), destination.constData(), qualite);
}
