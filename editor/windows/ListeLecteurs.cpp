#include "ListeLecteurs.h"

#include "CheminsParcours.h"

#include <QDir>
#include <QSet>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>

using CheminsParcours::Contient;
using CheminsParcours::Normaliser;

ListeLecteurs::ListeLecteurs(QWidget* parent) : QComboBox(parent), m_source(&volumesMontes) {
    setObjectName("Drive1");
    setAccessibleName("Lecteur");
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(14);
    // activated ne vient que de l'utilisateur : les choix faits par programme restent muets.
    connect(this, &QComboBox::activated, this, &ListeLecteurs::Activer);
    actualiser();
}

QString ListeLecteurs::lecteur() const {
    return currentData().toString();
}

void ListeLecteurs::choisirLecteurDe(const QString& chemin) {
    const QString c = Normaliser(chemin);
    int meilleur = -1;
    qsizetype longueur = -1;
    for (int i = 0; i < count(); ++i) {
        const QString racine = itemData(i).toString();
        if (Contient(racine, c) && racine.size() > longueur) {
            meilleur = i;
            longueur = racine.size();
        }
    }
    if (meilleur < 0)
        return;
    const QSignalBlocker muet(this);
    setCurrentIndex(meilleur);
    m_racine = itemData(meilleur).toString();
}

void ListeLecteurs::actualiser() {
    const QString avant = m_racine;
    const QString maison = Normaliser(QDir::homePath());
    const QSignalBlocker muet(this);
    clear();
    for (const Lecteur& l : m_source()) {
        const auto icone = l.racine == maison ? QStyle::SP_DirHomeIcon : QStyle::SP_DriveHDIcon;
        addItem(style()->standardIcon(icone, nullptr, this), l.nom, l.racine);
        setItemData(count() - 1, l.racine, Qt::ToolTipRole);
    }
    const int garde = findData(avant);
    if (!avant.isEmpty() && garde >= 0) {
        setCurrentIndex(garde);
    } else if (!avant.isEmpty()) {
        // Le lecteur a disparu (clé retirée) : celui qui contenait sa racine prend la place.
        choisirLecteurDe(avant);
    } else {
        setCurrentIndex(count() > 0 ? 0 : -1);
    }
    m_racine = lecteur();
}

void ListeLecteurs::definirSource(Source source) {
    m_source = std::move(source);
    m_racine.clear();
    actualiser();
}

void ListeLecteurs::showPopup() {
    // Une clé a pu être branchée depuis la dernière fois.
    actualiser();
    QComboBox::showPopup();
}

void ListeLecteurs::Activer(int index) {
    const QString racine = itemData(index).toString();
    if (racine == m_racine)
        return;
    m_racine = racine;
    emit lecteurChoisi(racine);
}

bool ListeLecteurs::volumeUtile(const QString& racine, const QByteArray& type) {
    if (racine == "/")
        return true;
    static const QSet<QByteArray> pseudo = {
        "proc",        "sysfs",    "devtmpfs",        "devpts",      "tmpfs",        "ramfs",
        "cgroup",      "cgroup2",  "securityfs",      "pstore",      "debugfs",      "tracefs",
        "configfs",    "fusectl",  "mqueue",          "hugetlbfs",   "bpf",          "autofs",
        "binfmt_misc", "efivarfs", "rpc_pipefs",      "nsfs",        "squashfs",     "overlay",
        "selinuxfs",   "nfsd",     "fuse.gvfsd-fuse", "fuse.portal", "fuse.snapfuse"};
    if (pseudo.contains(type))
        return false;
    // /run/media est l'endroit où certains systèmes montent les clés : on le garde.
    if (Contient("/run/media", racine))
        return true;
    for (const char* service : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot"})
        if (Contient(service, racine))
            return false;
    return true;
}

QList<ListeLecteurs::Lecteur> ListeLecteurs::volumesMontes() {
    const QString maison = Normaliser(QDir::homePath());
    QList<Lecteur> volumes;
    QSet<QString> vus = {maison};
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString racine = v.rootPath();
        if (!v.isValid() || !v.isReady() || vus.contains(racine) ||
            !volumeUtile(racine, v.fileSystemType()))
            continue;
        vus.insert(racine);
        QString nom = v.name();
        if (nom.isEmpty())
            nom = racine == "/" ? QString("Système (/)") : racine;
        else
            nom = QString("%1 (%2)").arg(nom, racine);
        volumes.append({nom, racine});
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const Lecteur& a, const Lecteur& b) { return a.racine < b.racine; });
    volumes.prepend({QString("Dossier personnel (~)"), maison});
    return volumes;
}
