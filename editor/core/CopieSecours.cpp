#include "CopieSecours.h"

#include "Dialogues.h"
#include "Fichiers.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {
const QString Suffixes[3] = {QStringLiteral(".cin"), QStringLiteral(".htm"), QStringLiteral(".js")};
const QString Extensions[2] = {QStringLiteral(".gif"), QStringLiteral(".jpg")};

// Le pas de progression suivant, quand quelqu'un suit le travail.
struct Progression {
    Dialogues* dialogues;
    int pas = 0;
    void avancer() {
        if (dialogues)
            dialogues->avancerProgression(++pas);
    }
};
} // namespace

CopieSecours::CopieSecours(QString dossier) : m_dossier(std::move(dossier)) {
    QDir().mkpath(m_dossier);
}

CopieSecours::~CopieSecours() = default;

QString CopieSecours::chemin(const QString& suffixe) const {
    return m_dossier + QStringLiteral("/aaaa") + suffixe;
}

QString CopieSecours::cheminManifeste() const {
    return m_dossier + QStringLiteral("/manifeste");
}

bool CopieSecours::Verrouiller(bool* repris) {
    const QString nom = m_dossier + QStringLiteral("/verrou");
    const bool present = QFileInfo::exists(nom);
    m_verrou = std::make_unique<QLockFile>(nom);
    // Un verrou vivant n'expire jamais ; celui d'un programme arrêté brutalement est repris.
    m_verrou->setStaleLockTime(0);
    if (m_verrou->tryLock(0)) {
        if (repris)
            *repris = present;
        return true;
    }
    m_verrou.reset();
    return false;
}

std::optional<ManifesteSecours> CopieSecours::Restante() const {
    return LireManifeste(cheminManifeste());
}

void CopieSecours::Adopter(const ManifesteSecours& manifeste) {
    m_manifeste = manifeste;
    m_modifie = true;
}

bool CopieSecours::NoterEtat(ManifesteSecours::Etat etat) {
    if (!m_manifeste)
        return false;
    m_manifeste->etat = etat;
    return EcrireManifeste(cheminManifeste(), *m_manifeste);
}

void CopieSecours::EffacerAnciensFichiers() {
    // Le dossier n'appartient qu'à nous : une copie précédente plus grande ne doit pas laisser
    // d'images en trop. Le manifeste part le premier : des fichiers sans manifeste ne sont
    // jamais pris pour une copie.
    SupprimerFichier(cheminManifeste());
    const QDir dossier(m_dossier);
    const auto restes = dossier.entryList({QStringLiteral("aaaa*"), QStringLiteral(".aaaa*")},
                                          QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& nom : restes)
        SupprimerFichier(dossier.filePath(nom));
}

QString CopieSecours::MettreDeCote() {
    if (!QFileInfo::exists(cheminManifeste()) && !m_manifeste)
        return {};
    const QString base = QStringLiteral("conserve-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString sousDossier = m_dossier + QLatin1Char('/') + base;
    for (int n = 2; QFileInfo::exists(sousDossier); ++n)
        sousDossier = m_dossier + QLatin1Char('/') + base + QLatin1Char('-') + QString::number(n);
    if (!QDir().mkpath(sousDossier))
        return {};
    const QDir dossier(m_dossier);
    for (const QString& nom :
         dossier.entryList({QStringLiteral("aaaa*"), QStringLiteral("manifeste")}, QDir::Files))
        DeplacerFichier(dossier.filePath(nom), sousDossier + QLatin1Char('/') + nom);
    m_manifeste.reset();
    m_modifie = false;
    return sousDossier;
}

bool CopieSecours::Prendre(const QString& repImage, int nbSprite, const TableDiapos& typeImage,
                           TableDiapos& typeImageSecours, Dialogues* progression) {
    // Une copie encore nécessaire (celle d'une autre séance, la nôtre alors que le projet a
    // changé depuis, ou une remise en place qui n'a pas pu finir) ne s'efface pas : elle est
    // rangée à part.
    m_miseDeCote.clear();
    const auto restante = Restante();
    if (restante &&
        (!m_manifeste || m_modifie || restante->etat == ManifesteSecours::Etat::Restauration))
        m_miseDeCote = MettreDeCote();
    EffacerAnciensFichiers();

    ManifesteSecours m;
    m.etat = ManifesteSecours::Etat::Prise;
    m.repImage = repImage;
    m.nbSprite = nbSprite;
    m_manifeste = m;
    m_modifie = false;
    if (!EcrireManifeste(cheminManifeste(), m))
        m_manifeste->echec = cheminManifeste();

    if (progression)
        progression->debutProgression(QStringLiteral("Copie de secours du projet..."),
                                      nbSprite + 3);
    Progression suivi{progression};
    const auto copier = [&](const QString& source, const QString& suffixe) {
        if (!m_manifeste->complete())
            return false;
        // Un fichier absent (page jamais faite, image manquante) n'arrête rien.
        if (!QFileInfo(source).isFile())
            return false;
        // Le dossier vient d'être vidé : les fichiers de la copie sont neufs.
        if (!CopierVersNouveau(source, chemin(suffixe))) {
            m_manifeste->echec = source;
            return false;
        }
        return true;
    };
    for (const QString& suffixe : Suffixes) {
        if (copier(repImage + suffixe, suffixe))
            m_manifeste->fichiers << suffixe;
        suivi.avancer();
    }
    for (int i = 0; i < nbSprite && i <= NbDiaposMax; ++i) {
        const QString ext = typeImage[i];
        if (copier(CheminImageDiapo(repImage, i, ext), QString::number(i) + ext)) {
            typeImageSecours[i] = ext;
            m_manifeste->images.append({i, ext});
        }
        suivi.avancer();
    }
    if (progression)
        progression->finProgression();
    if (!NoterEtat(ManifesteSecours::Etat::Complete) && m_manifeste->complete())
        m_manifeste->echec = cheminManifeste();
    return m_manifeste->complete();
}

void CopieSecours::MarquerEnregistrement() {
    NoterEtat(ManifesteSecours::Etat::Enregistrement);
}

void CopieSecours::EnregistrementManque() {
    NoterEtat(ManifesteSecours::Etat::Complete);
}

void CopieSecours::Supprimer() {
    // Les fichiers d'abord, le manifeste en dernier ; le fichier de projet est déjà écrit.
    if (m_manifeste) {
        for (const QString& suffixe : m_manifeste->fichiers)
            SupprimerFichier(chemin(suffixe));
        for (const auto& [i, ext] : m_manifeste->images)
            SupprimerFichier(chemin(QString::number(i) + ext));
    }
    EffacerAnciensFichiers();
    m_manifeste.reset();
    m_modifie = false;
}

CopieSecours::Resultat CopieSecours::Restaurer(int nbSprite, const TableDiapos& typeImage,
                                               Dialogues* progression) {
    m_echecs.clear();
    if (!m_manifeste)
        return Resultat::Rien;
    if (!m_manifeste->complete())
        return Resultat::Incomplete;
    const ManifesteSecours m = *m_manifeste;
    NoterEtat(ManifesteSecours::Etat::Restauration);

    const int total = static_cast<int>(m.images.size() + m.fichiers.size()) +
                      std::max(nbSprite, 0) + static_cast<int>(m.images.size()) + 4;
    if (progression)
        progression->debutProgression(QStringLiteral("Retour au dernier état enregistré..."),
                                      total);
    Progression suivi{progression};
    // Chaque fichier enregistré reprend sa place d'un coup, par renommage. Un fichier déjà
    // remis par une restauration interrompue n'est plus dans la copie : il est en place.
    const auto remettre = [&](const QString& suffixe) {
        const QString source = chemin(suffixe);
        const QString cible = m.repImage + suffixe;
        if (QFileInfo::exists(source) && !MettreEnPlace(source, cible, nullptr, Synchroniser::Non))
            m_echecs << cible;
        // Le reste d'une copie entre deux volumes interrompue par un arrêt brutal.
        SupprimerFichier(NomProvisoire(cible));
        suivi.avancer();
    };
    for (const auto& [i, ext] : m.images)
        remettre(QString::number(i) + ext);
    for (const QString& suffixe : {Suffixes[1], Suffixes[2], Suffixes[0]})
        if (m.fichiers.contains(suffixe))
            remettre(suffixe);
    if (!m_echecs.isEmpty()) {
        if (progression)
            progression->finProgression();
        return Resultat::Echec;
    }

    // En dernier, les images que l'état enregistré n'avait pas.
    const auto effacerEnTrop = [&](int i, const QString& ext) {
        const QString image = CheminImageDiapo(m.repImage, i, ext);
        if (!m.contientImage(i, ext) && QFileInfo(image).isFile())
            SupprimerFichier(image);
        suivi.avancer();
    };
    if (nbSprite >= 0) {
        for (int i = 0; i < nbSprite && i <= NbDiaposMax; ++i)
            effacerEnTrop(i, typeImage[i]);
    } else {
        for (int i = 0; i <= NbDiaposMax; ++i)
            for (const QString& ext : Extensions)
                effacerEnTrop(i, ext);
    }
    // La copie ne sert plus : ce qui en reste (copies entre deux volumes) s'en va, une fois les
    // fichiers remis bien écrits sur le disque du projet.
    SynchroniserDisque(m.dossierProjet());
    for (const auto& [i, ext] : m.images) {
        SupprimerFichier(chemin(QString::number(i) + ext));
        suivi.avancer();
    }
    for (const QString& suffixe : m.fichiers)
        SupprimerFichier(chemin(suffixe));
    SupprimerFichier(cheminManifeste());
    suivi.avancer();
    m_manifeste.reset();
    m_modifie = false;
    if (progression)
        progression->finProgression();
    return Resultat::Faite;
}

void CopieSecours::ActualiserPage() {
    if (!complete() || m_modifie)
        return;
    for (const QString& suffixe : {Suffixes[1], Suffixes[2]}) {
        const QString source = m_manifeste->repImage + suffixe;
        if (!QFileInfo(source).isFile() || !CopierFichier(source, chemin(suffixe)))
            continue;
        if (!m_manifeste->fichiers.contains(suffixe))
            m_manifeste->fichiers << suffixe;
    }
    NoterEtat(m_manifeste->etat);
}
