#include "CacheVignettes.h"

#include "Images.h"

#include <QCoreApplication>
#include <QMetaObject>

CacheVignettes::CacheVignettes(QObject* parent) : QObject(parent) {
    m_fils.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

CacheVignettes::~CacheVignettes() {
    m_voulus.clear();
    m_fils.waitForDone();
}

void CacheVignettes::definirTaille(QSize taille) {
    if (taille == m_taille)
        return;
    m_taille = taille;
    m_cache.clear();
}

QString CacheVignettes::Cle(const QString& chemin) {
    return chemin + QLatin1Char('|') + SignatureFichier(chemin);
}

QImage CacheVignettes::image(const QString& chemin) const {
    const QImage* trouvee = m_cache.object(Cle(chemin));
    return trouvee ? *trouvee : QImage();
}

bool CacheVignettes::contient(const QString& chemin) const {
    return m_cache.contains(Cle(chemin));
}

void CacheVignettes::Vouloir(const QStringList& chemins) {
    m_voulus.clear();
    for (const QString& chemin : chemins)
        if (!m_cache.contains(Cle(chemin)) && !m_voulus.contains(chemin))
            m_voulus << chemin;
    Lancer();
}

void CacheVignettes::Lancer() {
    while (!m_voulus.isEmpty() && m_enCours.size() < m_fils.maxThreadCount()) {
        const QString chemin = m_voulus.takeFirst();
        const QString cle = Cle(chemin);
        if (m_enCours.contains(cle) || m_cache.contains(cle))
            continue;
        m_enCours.insert(cle);
        const QSize taille = m_taille;
        m_fils.start([this, chemin, cle, taille] {
            QImage image = LireImageEtiree(chemin, taille);
            // Rendue au fil de la fenêtre ; perdue si le cache n'existe plus.
            QMetaObject::invokeMethod(
                this,
                [this, chemin, cle, image, taille] {
                    if (taille == m_taille) {
                        Terminer(chemin, cle, image);
                    } else {
                        m_enCours.remove(cle);
                        Lancer();
                    }
                },
                Qt::QueuedConnection);
        });
    }
}

void CacheVignettes::Terminer(const QString& chemin, const QString& cle, const QImage& image) {
    m_enCours.remove(cle);
    ++m_decodages;
    // Une image illisible est gardée vide : la vignette reste grise, sans nouvel essai.
    m_cache.insert(cle, new QImage(image));
    emit prete(chemin);
    Lancer();
}

void CacheVignettes::Attendre() {
    m_voulus.clear();
    m_fils.waitForDone();
    QCoreApplication::sendPostedEvents(this);
}
