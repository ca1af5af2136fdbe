#include "OrdreDiapos.h"

#include <algorithm>

void OrdreDiapos::Ouvrir(int nbSprite) {
    m_nbSprite = std::clamp(nbSprite, 0, static_cast<int>(m_ordre.size()) - 1);
    m_coupe = false;
    for (int i = 0; i < static_cast<int>(m_ordre.size()); ++i)
        m_ordre[i] = static_cast<int16_t>(i);
    m_valeur = 0;
    MasquerVignettesVides();
    AfficherVignettes();
    // Deux et non trois : au bout, les deux dernières diapos et une place vide.
    m_maximum = std::max(m_nbSprite - 2, 0);
    m_marqueur.fill(false);
    MasquerVignettesVides();
}

void OrdreDiapos::Defiler(int valeur) {
    m_valeur = std::clamp(valeur, 0, m_maximum);
    MasquerVignettesVides();
    AfficherVignettes();
}

QString OrdreDiapos::etiquette(int i) const {
    return QLatin1Char(' ') + QString::number(m_valeur + i);
}

QString OrdreDiapos::bulleVignettes() const {
    return m_coupe ? QStringLiteral("Cliquez pour échanger")
                   : QStringLiteral("Cliquez pour couper");
}

QString OrdreDiapos::BulleMarqueurs() {
    return QStringLiteral("Cliquez pour insérer");
}

void OrdreDiapos::MasquerVignettesVides() {
    for (int i = NbVignettes - 1; i >= 0; --i)
        if (m_valeur + i >= m_nbSprite)
            m_vignette[i] = false;
}

void OrdreDiapos::AfficherVignettes() {
    for (int i = 0; i < NbVignettes; ++i) {
        if (m_valeur + i >= m_nbSprite)
            continue;
        // La diapo coupée attend en dernière position : elle ne se montre pas.
        m_vignette[i] = !(m_coupe && m_valeur + i == m_nbSprite - 1);
    }
    if (m_coupe)
        for (int j = 1; j < NbMarqueurs; ++j)
            m_marqueur[j] = m_vignette[j - 1];
}

void OrdreDiapos::CliquerVignette(int i) {
    if (i < 0 || i >= NbVignettes || m_valeur + i >= m_nbSprite || !m_vignette[i])
        return;
    if (m_coupe)
        Echanger(i);
    else
        Couper(i);
}

void OrdreDiapos::Couper(int i) {
    m_coupe = true;
    const int p = m_valeur + i;
    m_positionCoupe = p;
    if (p <= m_nbSprite - 2) {
        const int16_t s = m_ordre[p];
        for (int k = p; k <= m_nbSprite - 2; ++k)
            m_ordre[k] = m_ordre[k + 1];
        m_ordre[m_nbSprite - 1] = s;
    }
    m_marqueur.fill(true);
    AfficherVignettes();
}

void OrdreDiapos::Echanger(int i) {
    m_coupe = false;
    m_positionCible = m_valeur + i;
    // La diapo coupée reprend sa place...
    const int16_t s = m_ordre[m_nbSprite - 1];
    if (m_nbSprite - 1 >= m_positionCoupe + 1) {
        for (int k = m_nbSprite - 1; k >= m_positionCoupe + 1; --k)
            m_ordre[k] = m_ordre[k - 1];
        m_ordre[m_positionCoupe] = s;
    }
    // ... et la position cliquée se lit dans l'ordre rétabli.
    if (m_positionCible >= m_positionCoupe)
        ++m_positionCible;
    // Au-delà de la dernière position (la diapo coupée était la dernière), l'échange se fait
    // avec elle-même : rien ne bouge.
    if (m_positionCible < m_nbSprite)
        std::swap(m_ordre[m_positionCible], m_ordre[m_positionCoupe]);
    SortirDuModeCoupe();
    AfficherVignettes();
}

void OrdreDiapos::Inserer(int j) {
    if (!m_coupe || j < 0 || j >= NbMarqueurs || !m_marqueur[j])
        return;
    const int16_t s = m_ordre[m_nbSprite - 1];
    const int q = m_valeur + j;
    if (q + 1 <= m_nbSprite - 1) {
        for (int k = m_nbSprite - 1; k >= q + 1; --k)
            m_ordre[k] = m_ordre[k - 1];
        m_ordre[q] = s;
    }
    SortirDuModeCoupe();
    AfficherVignettes();
}

void OrdreDiapos::SortirDuModeCoupe() {
    m_marqueur.fill(false);
    m_coupe = false;
}
