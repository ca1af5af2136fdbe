#include "CopieSecours.h"

#include "Dialogues.h"
#include "Fichiers.h"

#include <QDir>
#include <QLockFile>

namespace {
const QString Extensions[3] = {QStringLiteral(".cin"), QStringLiteral(".htm"),
                               QStringLiteral(".js")};
}

CopieSecours::CopieSecours(QString dossier) : m_dossier(std::move(dossier)) {
    QDir().mkpath(m_dossier);
}

CopieSecours::~CopieSecours() = default;

QString CopieSecours::chemin(const QString& suffixe) const {
    return m_dossier + QStringLiteral("/aaaa") + suffixe;
}

bool CopieSecours::Verrouiller() {
    m_verrou = std::make_unique<QLockFile>(m_dossier + QStringLiteral("/verrou"));
    // Un verrou vivant n'expire jamais ; celui d'un programme arrêté brutalement est repris.
    m_verrou->setStaleLockTime(0);
    if (m_verrou->tryLock(0))
        return true;
    m_verrou.reset();
    return false;
}

void CopieSecours::EffacerAnciensFichiers() {
    // Le dossier n'appartient qu'à nous : une copie précédente plus grande ne doit pas laisser
    // d'images en trop.
    const QDir dossier(m_dossier);
    const auto restes =
        dossier.entryList({QStringLiteral("aaaa*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& nom : restes)
        SupprimerFichier(dossier.filePath(nom));
}

bool CopieSecours::Prendre(const QString& repImage, int nbSprite, const TableDiapos& typeImage,
                           TableDiapos& typeImageSecours, Dialogues* progression) {
    EffacerAnciensFichiers();
    m_repImage = repImage;
    m_imagesCopiees = 0;
    m_imagesAttendues = nbSprite;
    m_complete = false;
    for (bool& f : m_fichiers)
        f = false;

    if (progression)
        progression->debutProgression(QStringLiteral("Copie de secours du projet..."),
                                      nbSprite + 3);
    bool ok = true;
    for (int k = 0; k < 3 && ok; ++k) {
        ok = CopierFichier(repImage + Extensions[k], chemin(Extensions[k]));
        m_fichiers[k] = ok;
    }
    for (int i = 0; i < nbSprite && ok; ++i) {
        const QString ext = typeImage[i];
        ok = CopierFichier(CheminImageDiapo(repImage, i, ext), chemin(QString::number(i) + ext));
        if (ok) {
            typeImageSecours[i] = ext;
            m_imagesCopiees = i + 1;
        }
        if (progression)
            progression->avancerProgression(i + 4);
    }
    if (progression)
        progression->finProgression();
    m_complete = ok;
    return ok;
}

void CopieSecours::Supprimer(const TableDiapos& typeImageSecours) {
    for (const QString& ext : Extensions)
        SupprimerFichier(chemin(ext));
    for (int i = 0; i < m_imagesCopiees; ++i)
        SupprimerFichier(chemin(QString::number(i) + typeImageSecours[i]));
    m_repImage.clear();
    m_imagesCopiees = 0;
    m_complete = false;
}

void CopieSecours::Restaurer(int nbSprite, const TableDiapos& typeImage,
                             const TableDiapos& typeImageSecours) {
    if (!existe())
        return;
    const QString repImage = m_repImage;

    // Les fichiers du projet qui ont un double dans la copie sont remplacés par lui ; un
    // renommage remplace la cible d'un coup, sans moment où le projet n'a plus de fichier.
    for (int k = 0; k < 3; ++k)
        if (m_fichiers[k])
            DeplacerFichier(chemin(Extensions[k]), repImage + Extensions[k]);

    // Images de l'état non enregistré : celles qui seront remplacées par la copie, et, quand la
    // copie est complète, celles ajoutées depuis (elles n'existaient pas dans l'état enregistré).
    for (int i = 0; i < nbSprite && i <= NbDiaposMax; ++i) {
        const bool remplacee = i < m_imagesCopiees;
        const bool ajoutee = m_complete && i >= m_imagesAttendues;
        if (remplacee || ajoutee)
            SupprimerFichier(CheminImageDiapo(repImage, i, typeImage[i]));
    }
    for (int i = 0; i < m_imagesCopiees; ++i) {
        const QString nom = QString::number(i) + typeImageSecours[i];
        if (!DeplacerFichier(chemin(nom), repImage + nom))
            break;
    }
    m_repImage.clear();
    m_imagesCopiees = 0;
    m_complete = false;
}
