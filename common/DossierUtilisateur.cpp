#include "DossierUtilisateur.h"

#include "Dialogues.h"
#include "FichierTexte.h"
#include "Fichiers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QString EnTete = QStringLiteral("Fichiers installés dans le dossier du programme");

// Ce qui dit, sans le lire, qu'un fichier n'a pas bougé : sa taille, ses dates de modification
// et de changement à la nanoseconde, son numéro de fichier. Toute écriture, tout remplacement
// par renommage change au moins la date de changement, que l'on ne peut pas remettre.
struct Signature {
    qint64 taille = -1; // -1 : absent
    qint64 modification = 0;
    qint64 changement = 0;
    quint64 numero = 0;
    bool reguliere = false; // un fichier ordinaire (ni dossier ni autre chose)

    bool existe() const { return taille >= 0; }
    bool operator==(const Signature&) const = default;

    QString texte() const {
        if (!existe())
            return {};
        return QStringLiteral("%1:%2:%3:%4")
            .arg(taille)
            .arg(modification)
            .arg(changement)
            .arg(numero);
    }
    static Signature DeTexte(const QString& texte) {
        Signature s;
        const QStringList champs = texte.split(QLatin1Char(':'));
        if (champs.size() != 4)
            return s;
        bool ok[4] = {};
        s.taille = champs[0].toLongLong(&ok[0]);
        s.modification = champs[1].toLongLong(&ok[1]);
        s.changement = champs[2].toLongLong(&ok[2]);
        s.numero = champs[3].toULongLong(&ok[3]);
        if (!(ok[0] && ok[1] && ok[2] && ok[3]) || s.taille < 0)
            return Signature{};
        s.reguliere = true;
        return s;
    }
};

// La signature du fichier (lien suivi) ; absent : taille -1. Faux quand le fichier existe mais
// que l'on ne peut pas le voir.
bool LireSignature(const QString& chemin, Signature& s) {
    s = Signature{};
    struct stat etat {};
    if (::stat(QFile::encodeName(chemin).constData(), &etat) != 0)
        return errno == ENOENT || errno == ENOTDIR;
    s.taille = etat.st_size;
    s.modification = qint64(etat.st_mtim.tv_sec) * 1'000'000'000 + etat.st_mtim.tv_nsec;
    s.changement = qint64(etat.st_ctim.tv_sec) * 1'000'000'000 + etat.st_ctim.tv_nsec;
    s.numero = etat.st_ino;
    s.reguliere = S_ISREG(etat.st_mode);
    return true;
}

std::optional<QByteArray> Empreinte(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!h.addData(&f) || f.error() != QFileDevice::NoError)
        return std::nullopt;
    return h.result().toHex();
}

// Ce que le journal retient d'un fichier installé.
struct Entree {
    QByteArray source; // empreinte du fichier installé quand il avait signatureSource
    Signature signatureSource;
    QByteArray installe;      // empreinte de ce qui a été copié dans le dossier (vide : jamais)
    QByteArray copie;         // empreinte de la copie du dossier quand elle avait signatureCopie
    Signature signatureCopie; // absente : la copie n'était pas là
    bool operator==(const Entree&) const = default;
};
using Journal = std::map<QString, Entree>;

// Une ligne par fichier, champs séparés par des tabulations, le chemin en %XX pour que le
// journal reste en ASCII :
//   chemin  source  signatureSource  installé  copie  signatureCopie
Journal LireJournal(const QString& chemin) {
    Journal journal;
    const auto lignes = LireLignes(chemin);
    // Un journal absent ou abîmé vaut un journal vide : chaque fichier présent est alors
    // comparé à l'installé, et gardé s'il diffère.
    if (!lignes || lignes->isEmpty() || lignes->first() != EnTete)
        return journal;
    for (qsizetype i = 1; i < lignes->size(); ++i) {
        const QStringList c = lignes->at(i).split(QLatin1Char('\t'));
        if (c.size() != 6 || c[0].isEmpty())
            continue;
        Entree e;
        e.source = c[1].toLatin1();
        e.signatureSource = Signature::DeTexte(c[2]);
        e.installe = c[3].toLatin1();
        e.copie = c[4].toLatin1();
        e.signatureCopie = Signature::DeTexte(c[5]);
        journal[QUrl::fromPercentEncoding(c[0].toLatin1())] = e;
    }
    return journal;
}

bool EcrireJournal(const QString& chemin, const Journal& journal, QString* erreur) {
    QStringList lignes{EnTete};
    for (const auto& [nom, e] : journal)
        lignes << QStringList{QString::fromLatin1(QUrl::toPercentEncoding(nom, "/")),
                              QString::fromLatin1(e.source),
                              e.signatureSource.texte(),
                              QString::fromLatin1(e.installe),
                              QString::fromLatin1(e.copie),
                              e.signatureCopie.texte()}
                      .join(QLatin1Char('\t'));
    return EcrireLignes(chemin, lignes, erreur);
}

// Les fichiers installés, chemins relatifs, dans l'ordre alphabétique.
QStringList FichiersInstalles(const QString& donnees) {
    QStringList noms;
    const QDir racine(donnees);
    QDirIterator it(donnees, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        noms << racine.relativeFilePath(it.next());
    noms.sort();
    return noms;
}

bool DansRestaurer(const QString& nom) {
    return nom.startsWith(QStringLiteral("Restaurer/"));
}

// Un seul programme à la fois remplit le dossier : verrou posé sur le dossier lui-même (flock),
// qui ne s'écrit nulle part et tombe avec le processus, même tué.
class Verrou {
public:
    Verrou() = default;
    Verrou(const Verrou&) = delete;
    Verrou& operator=(const Verrou&) = delete;
    ~Verrou() {
        if (m_fd >= 0)
            ::close(m_fd); // rend le verrou
    }
    // Attend au plus une demi-minute un autre programme qui remplirait le même dossier.
    bool Prendre(const QByteArray& dossier) {
        m_fd = ::open(dossier.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_fd < 0)
            return false;
        for (int essai = 0; essai < 300; ++essai) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
                return true;
            if (errno != EWOULDBLOCK && errno != EINTR)
                return false;
            ::usleep(100'000);
        }
        return false;
    }

private:
    int m_fd = -1;
};

class Preparation {
public:
    Preparation(const QString& donnees, const QString& dossier, Dialogues& dialogues)
        : m_donnees(donnees), m_dossier(dossier), m_dialogues(dialogues) {}

    BilanDossier Faire();

private:
    struct Copie {
        QString nom;
        QByteArray empreinte;
        Signature signatureSource;
    };

    bool VerifierDonnees();
    bool OuvrirDossier(Verrou& verrou);
    bool Decider(const QString& nom, const Entree* ancienne, Entree& nouvelle);
    bool Copier(const Copie& c, Entree& nouvelle, std::error_code& erreur);
    bool Echec(const QString& texte);

    QString Donnee(const QString& nom) const { return m_donnees + QLatin1Char('/') + nom; }
    QString Place(const QString& nom) const { return m_dossier + QLatin1Char('/') + nom; }

    QString m_donnees;
    QString m_dossier;
    Dialogues& m_dialogues;
    BilanDossier m_bilan;
    std::vector<Copie> m_aCopier;
};

bool Preparation::Echec(const QString& texte) {
    m_dialogues.message(QStringLiteral("ERREUR"), texte, Boutons::OK, Icone::Critique);
    return false;
}

// Les données doivent être là avant que rien ne soit créé chez l'utilisateur.
bool Preparation::VerifierDonnees() {
    const QFileInfo info(m_donnees);
    if (m_donnees.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable() ||
        !Lisible(Donnee(QStringLiteral("Nouveau.htm"))) ||
        !QFileInfo(Donnee(QStringLiteral("Restaurer"))).isDir())
        return Echec(QStringLiteral("Les données du programme sont introuvables ou illisibles :") +
                     CRLF + QDir::toNativeSeparators(m_donnees) + CRLF + CRLF +
                     QStringLiteral("Le programme est mal installé : réinstallez-le. Il ne "
                                    "peut pas démarrer sans elles."));
    return true;
}

bool Preparation::OuvrirDossier(Verrou& verrou) {
    const QString fin = CRLF + CRLF +
                        QStringLiteral("Le programme ne peut pas démarrer sans un dossier où "
                                       "écrire ses données.");
    if (m_dossier.isEmpty())
        return Echec(QStringLiteral("Le dossier des données de l'utilisateur est inconnu (la "
                                    "variable HOME n'est pas définie).") +
                     fin);
    if (!QDir().mkpath(m_dossier))
        return Echec(QStringLiteral("Le dossier du programme ne peut pas être créé :") + CRLF +
                     QDir::toNativeSeparators(m_dossier) + fin);
    const QByteArray chemin = QFile::encodeName(m_dossier);
    if (::access(chemin.constData(), W_OK) != 0)
        return Echec(QStringLiteral("On ne peut pas écrire dans le dossier du programme :") + CRLF +
                     QDir::toNativeSeparators(m_dossier) + CRLF +
                     TexteErreurFichier(std::error_code(errno, std::generic_category())) + fin);
    if (verrou.Prendre(chemin))
        return true;
    return Echec(QStringLiteral("Un autre programme prépare encore le dossier du programme :") +
                 CRLF + QDir::toNativeSeparators(m_dossier) + CRLF + CRLF +
                 QStringLiteral("Relancez le programme dans un instant."));
}

// Ce qu'il faut faire d'un fichier installé ; faux (après le message) quand il ne se lit pas.
// nouvelle reçoit ce que le journal retiendra si rien n'est copié.
bool Preparation::Decider(const QString& nom, const Entree* ancienne, Entree& nouvelle) {
    Signature sigSource;
    std::optional<QByteArray> source;
    if (LireSignature(Donnee(nom), sigSource) && sigSource.reguliere) {
        if (ancienne && ancienne->signatureSource == sigSource && !ancienne->source.isEmpty())
            source = ancienne->source;
        else
            source = Empreinte(Donnee(nom));
    }
    if (!source)
        return Echec(QStringLiteral("Un fichier des données du programme ne se lit pas :") + CRLF +
                     QDir::toNativeSeparators(Donnee(nom)) + CRLF + CRLF +
                     QStringLiteral("Le programme est mal installé : réinstallez-le."));
    nouvelle.source = *source;
    nouvelle.signatureSource = sigSource;
    nouvelle.installe = ancienne ? ancienne->installe : QByteArray();

    Signature sigCopie;
    const bool visible = LireSignature(Place(nom), sigCopie);
    nouvelle.signatureCopie = sigCopie;
    if (visible && !sigCopie.existe()) {
        // Absent : copié s'il ne l'a jamais été (ou « Restaurer ») ; effacé après avoir été
        // copié, il reste effacé.
        if (!ancienne || ancienne->installe.isEmpty() || DansRestaurer(nom)) {
            m_aCopier.push_back({nom, *source, sigSource});
        } else {
            m_bilan.absents << nom;
        }
        return true;
    }
    std::optional<QByteArray> copie;
    if (visible && sigCopie.reguliere) {
        if (ancienne && ancienne->signatureCopie == sigCopie && !ancienne->copie.isEmpty())
            copie = ancienne->copie;
        else
            copie = Empreinte(Place(nom));
    }
    // Un dossier à la place d'un fichier, une copie que l'on ne peut pas lire : c'est à
    // l'utilisateur, on n'y touche pas.
    if (!copie) {
        m_bilan.gardes << nom;
        nouvelle.copie = QByteArrayLiteral("?");
        nouvelle.signatureCopie = Signature{};
        return true;
    }
    nouvelle.copie = *copie;
    if (*copie == *source) {
        // Déjà la version installée (copiée par un démarrage interrompu avant son journal).
        nouvelle.installe = *source;
    } else if (DansRestaurer(nom) || (ancienne && *copie == ancienne->installe)) {
        m_aCopier.push_back({nom, *source, sigSource});
    } else {
        m_bilan.gardes << nom;
    }
    return true;
}

bool Preparation::Copier(const Copie& c, Entree& nouvelle, std::error_code& erreur) {
    const QString place = Place(c.nom);
    if (!QDir().mkpath(QFileInfo(place).path())) {
        erreur = std::make_error_code(std::errc::permission_denied);
        return false;
    }
    // Synchronisée avant le renommage : même une coupure de courant ne laisse pas sous ce nom
    // un fichier vide que le démarrage suivant prendrait pour un fichier de l'utilisateur.
    if (!CopierFichier(Donnee(c.nom), place, &erreur, Synchroniser::Oui))
        return false;
    Signature apres;
    LireSignature(place, apres);
    nouvelle.source = c.empreinte;
    nouvelle.signatureSource = c.signatureSource;
    nouvelle.installe = c.empreinte;
    nouvelle.copie = c.empreinte;
    nouvelle.signatureCopie = apres;
    return true;
}

BilanDossier Preparation::Faire() {
    if (!VerifierDonnees())
        return m_bilan;
    Verrou verrou;
    if (!OuvrirDossier(verrou))
        return m_bilan;

    const QString cheminJournal = Place(QLatin1String(NomJournalInstallation));
    const Journal ancien = LireJournal(cheminJournal);
    const QStringList noms = FichiersInstalles(m_donnees);
    Journal nouveau;
    for (const QString& nom : noms) {
        const auto it = ancien.find(nom);
        if (!Decider(nom, it == ancien.end() ? nullptr : &it->second, nouveau[nom]))
            return m_bilan;
    }

    if (!m_aCopier.empty())
        m_dialogues.debutProgression(QStringLiteral("Préparation du dossier du programme..."),
                                     int(m_aCopier.size()));
    int faites = 0;
    for (const Copie& c : m_aCopier) {
        std::error_code erreur;
        if (!Copier(c, nouveau[c.nom], erreur)) {
            m_dialogues.finProgression();
            // Ce qui a été copié est noté ; les fichiers pas encore copiés gardent ce que
            // l'ancien journal en disait, et le prochain démarrage les reprend.
            for (auto reste = m_aCopier.begin() + faites; reste != m_aCopier.end(); ++reste) {
                const auto it = ancien.find(reste->nom);
                if (it == ancien.end())
                    nouveau.erase(reste->nom);
                else
                    nouveau[reste->nom] = it->second;
            }
            EcrireJournal(cheminJournal, nouveau, nullptr);
            Echec(QStringLiteral("Le fichier « %1 » n'a pas pu être copié dans le dossier du "
                                 "programme :")
                      .arg(c.nom) +
                  CRLF + QDir::toNativeSeparators(m_dossier) + CRLF + TexteErreurFichier(erreur) +
                  CRLF + CRLF +
                  QStringLiteral("Les fichiers déjà copiés sont complets. Libérez de la place, "
                                 "puis relancez le programme pour finir."));
            return m_bilan;
        }
        m_bilan.copies << c.nom;
        m_dialogues.avancerProgression(++faites);
    }
    if (!m_aCopier.empty())
        m_dialogues.finProgression();

    // Rien n'est réécrit quand rien n'a changé.
    QString erreur;
    if (nouveau != ancien && !EcrireJournal(cheminJournal, nouveau, &erreur)) {
        Echec(QStringLiteral("La liste des fichiers installés n'a pas pu être écrite dans le "
                             "dossier du programme :") +
              CRLF + QDir::toNativeSeparators(m_dossier) + CRLF + erreur + CRLF + CRLF +
              QStringLiteral("Libérez de la place, puis relancez le programme."));
        return m_bilan;
    }
    m_bilan.pret = true;
    return m_bilan;
}

} // namespace

BilanDossier PreparerDossierUtilisateur(const QString& donnees, const QString& dossier,
                                        Dialogues& dialogues) {
    return Preparation(SansSeparateurFinal(donnees), SansSeparateurFinal(dossier), dialogues)
        .Faire();
}
