#pragma once
// Un petit disque à part pour les essais : un tmpfs de la taille voulue monté sur un dossier
// temporaire, démonté à la fin. Il sert à remplir un disque (disque plein) et à placer deux
// dossiers sur deux systèmes de fichiers différents (un renommage de l'un à l'autre échoue).
// Il faut avoir le droit de monter (root, ou l'essai lancé sous « unshare -rm »).

#include <QString>
#include <QTemporaryDir>

class PetitDisque {
public:
    explicit PetitDisque(int kio);
    ~PetitDisque();
    PetitDisque(const PetitDisque&) = delete;
    PetitDisque& operator=(const PetitDisque&) = delete;

    bool valide() const { return m_monte; }
    // Pourquoi le disque n'a pas pu être monté.
    const QString& erreur() const { return m_erreur; }
    QString chemin() const { return m_dossier.path(); }
    // Un sous-dossier créé sur le disque.
    QString dossier(const QString& nom) const;
    // Remplit le disque jusqu'à n'y laisser que reste octets libres (environ).
    void Remplir(qint64 reste = 0);
    // Rend la place prise par Remplir.
    void Vider();
    // Remonte le disque en lecture seule (ou de nouveau en écriture) ; faux en cas d'échec.
    bool LectureSeule(bool seule = true);

private:
    QTemporaryDir m_dossier;
    bool m_monte = false;
    QString m_erreur;
};
