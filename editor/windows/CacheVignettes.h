#pragma once
// Les vignettes de la visionneuse : chaque image décodée directement à la taille de la
// vignette (jamais la photo entière), hors du fil de la fenêtre, et gardée. La fenêtre dit ce
// qu'elle montre et ce qui vient ensuite ; les décodages partent dans cet ordre, sur autant de
// fils que de cœurs, et une vignette prête est annoncée par un signal. Une photo remplacée
// (autre taille, autre date, autre inode) n'est jamais prise pour l'ancienne.

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

class CacheVignettes : public QObject {
    Q_OBJECT
public:
    explicit CacheVignettes(QObject* parent = nullptr);
    ~CacheVignettes() override;

    // La taille de décodage ; la changer oublie ce qui a été décodé à une autre.
    void definirTaille(QSize taille);
    QSize taille() const { return m_taille; }

    // L'image si elle est prête, sinon une image vide (illisible, elle reste vide).
    QImage image(const QString& chemin) const;
    bool contient(const QString& chemin) const;
    // Les images voulues, les plus pressées d'abord ; ce qui n'est plus voulu et n'a pas
    // commencé ne sera pas décodé.
    void Vouloir(const QStringList& chemins);
    // Attend la fin des décodages en cours (pour fermer proprement).
    void Attendre();

    int decodages() const { return m_decodages; }

signals:
    void prete(const QString& chemin);

private:
    static QString Cle(const QString& chemin);
    void Lancer();
    void Terminer(const QString& chemin, const QString& cle, const QImage& image);

    QSize m_taille;
    QCache<QString, QImage> m_cache{64};
    QStringList m_voulus;
    QSet<QString> m_enCours; // clés
    QThreadPool m_fils;
    int m_decodages = 0;
};
