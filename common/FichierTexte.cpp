#include "FichierTexte.h"

#include "Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace {

std::optional<QStringList> echec(ErreurLecture* erreur, ErreurLecture e) {
    if (erreur)
        *erreur = e;
    return std::nullopt;
}

// Lit tout le fichier sans jamais dépasser la limite, même si la taille annoncée est fausse
// (fichier qui grandit pendant la lecture, pseudo-fichiers de taille nulle).
bool lireTout(QFile& f, qint64 tailleMax, QByteArray& octets, ErreurLecture& e) {
    constexpr qint64 Bloc = 1 << 20;
    octets.reserve(static_cast<qsizetype>(f.size()));
    for (;;) {
        const qint64 dejaLu = octets.size();
        const qint64 voulu = std::min(Bloc, tailleMax + 1 - dejaLu);
        octets.resize(static_cast<qsizetype>(dejaLu + voulu));
        const qint64 lu = f.read(octets.data() + dejaLu, voulu);
        if (lu < 0) {
            e = ErreurLecture::Illisible;
            return false;
        }
        octets.resize(static_cast<qsizetype>(dejaLu + lu));
        if (octets.size() > tailleMax) {
            e = ErreurLecture::TropGrand;
            return false;
        }
        if (lu == 0)
            return true;
    }
}

} // namespace

std::optional<QStringList> LireLignes(const QString& chemin, ErreurLecture* erreur,
                                      const LimitesLecture& limites) {
    if (erreur)
        *erreur = ErreurLecture::Aucune;
    const QFileInfo info(chemin);
    if (!info.exists() || info.isDir())
        return echec(erreur, ErreurLecture::Illisible);
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return echec(erreur, ErreurLecture::Illisible);
    // La taille d'abord : un fichier énorme est refusé avant d'occuper la mémoire.
    if (f.size() > limites.tailleMax)
        return echec(erreur, ErreurLecture::TropGrand);

    QByteArray octets;
    ErreurLecture e = ErreurLecture::Aucune;
    if (!lireTout(f, limites.tailleMax, octets, e))
        return echec(erreur, e);
    f.close();

    const char* p = octets.constData();
    const qsizetype n = octets.size();
    if (std::memchr(p, '\0', static_cast<size_t>(n)))
        return echec(erreur, ErreurLecture::Binaire);

    QStringList lignes;
    qsizetype debut = 0;
    while (debut < n) {
        qsizetype fin = debut;
        while (fin < n && p[fin] != '\r' && p[fin] != '\n')
            ++fin;
        if (fin - debut > limites.ligneMax)
            return echec(erreur, ErreurLecture::LigneTropLongue);
        lignes.append(DecoderWindows1252(QByteArray::fromRawData(p + debut, fin - debut)));
        if (fin < n && p[fin] == '\r' && fin + 1 < n && p[fin + 1] == '\n')
            ++fin;
        debut = fin + 1;
    }
    return lignes;
}

bool EcrireLignes(const QString& chemin, const QStringList& lignes, QString* erreur) {
    QByteArray octets;
    qsizetype total = 0;
    for (const QString& l : lignes)
        total += l.size() + 2;
    octets.reserve(total);
    for (const QString& l : lignes) {
        octets.append(EncoderWindows1252(l));
        octets.append("\r\n", 2);
    }

    const QString nom = QFileInfo(chemin).fileName();
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) {
        if (erreur)
            *erreur = QStringLiteral("Le fichier « %1 » ne peut pas être créé.").arg(nom);
        return false;
    }
    // Le tampon est vidé ici plutôt que dans commit() : Qt 6.4 y perd l'échec d'une écriture
    // tronquée (disque plein) et remplacerait l'ancien fichier par un fichier coupé.
    if (f.write(octets) != octets.size() || !f.flush()) {
        f.cancelWriting();
        f.commit(); // supprime le fichier temporaire
        if (erreur)
            *erreur =
                QStringLiteral("Le fichier « %1 » n'a pas pu être écrit entièrement.").arg(nom);
        return false;
    }
    if (!f.commit()) {
        if (erreur)
            *erreur = QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré.").arg(nom);
        return false;
    }
    return true;
}

QString TexteErreurLecture(ErreurLecture erreur) {
    switch (erreur) {
    case ErreurLecture::Aucune:
        return {};
    case ErreurLecture::Illisible:
        return QStringLiteral("Le fichier ne peut pas être lu.");
    case ErreurLecture::TropGrand:
        return QStringLiteral("Le fichier est trop volumineux.");
    case ErreurLecture::LigneTropLongue:
        return QStringLiteral("Une ligne du fichier est anormalement longue.");
    case ErreurLecture::Binaire:
        return QStringLiteral("Le fichier contient des données binaires.");
    }
    return QStringLiteral("Le fichier ne peut pas être lu.");
}
