#include "PetitDisque.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

PetitDisque::PetitDisque(int kio) {
    const QByteArray options = "size=" + QByteArray::number(kio) + "k,mode=0755";
    if (::mount("tmpfs", QFile::encodeName(m_dossier.path()).constData(), "tmpfs", 0,
                options.constData()) == 0) {
        m_monte = true;
    } else {
        m_erreur = QStringLiteral("impossible de monter un tmpfs sur %1 : %2 (il faut être root "
                                  "ou lancer l'essai sous « unshare -rm »)")
                       .arg(m_dossier.path(), QString::fromLocal8Bit(std::strerror(errno)));
    }
}

PetitDisque::~PetitDisque() {
    if (m_monte)
        ::umount2(QFile::encodeName(m_dossier.path()).constData(), MNT_DETACH);
}

QString PetitDisque::dossier(const QString& nom) const {
    const QString chemin = m_dossier.path() + QLatin1Char('/') + nom;
    QDir().mkpath(chemin);
    return chemin;
}

void PetitDisque::Remplir(qint64 reste) {
    QFile f(m_dossier.path() + QStringLiteral("/.remplissage"));
    if (!f.open(QIODevice::Append))
        return;
    const QByteArray bloc(4096, 'x');
    for (;;) {
        QStorageInfo info(m_dossier.path());
        info.refresh();
        const qint64 libre = info.bytesAvailable() - reste;
        if (libre <= 0)
            break;
        const QByteArray morceau = libre < bloc.size() ? bloc.left(libre) : bloc;
        if (f.write(morceau) != morceau.size() || !f.flush())
            break;
    }
}

void PetitDisque::Vider() {
    QFile::remove(m_dossier.path() + QStringLiteral("/.remplissage"));
}

bool PetitDisque::LectureSeule(bool seule) {
    if (!m_monte)
        return false;
    const unsigned long drapeaux = MS_REMOUNT | (seule ? MS_RDONLY : 0);
    return ::mount("tmpfs", QFile::encodeName(m_dossier.path()).constData(), "tmpfs", drapeaux,
                   nullptr) == 0;
}
