#include "Parcours.h"

#include <QBoxLayout>
#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSet>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

QString Normaliser(const QString& chemin) {
    return QDir::cleanPath(QFileInfo(chemin).absoluteFilePath());
}

QString Parent(const QString& chemin) {
    return QFileInfo(chemin).path();
}

// Vrai si chemin est racine elle-même ou se trouve dessous (« /media/a » ne contient pas
// « /media/ab »).
bool Contient(const QString& racine, const QString& chemin) {
    if (racine == "/")
        return chemin.startsWith('/');
    return chemin == racine || chemin.startsWith(racine + '/');
}

// Ordre alphabétique sans égard à la casse ; à égalité, l'ordre strict pour rester stable.
void Trier(QStringList& noms) {
    QCollator ordre;
    ordre.setCaseSensitivity(Qt::CaseInsensitive);
    ordre.setNumericMode(true);
    std::sort(noms.begin(), noms.end(), [&](const QString& a, const QString& b) {
        const int r = ordre.compare(a, b);
        return r != 0 ? r < 0 : a < b;
    });
}

// Décale chaque dossier selon sa profondeur, comme la liste de dossiers d'autrefois.
class Retrait : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        opt.rect.setLeft(opt.rect.left() + Decalage(option, index));
        QStyledItemDelegate::paint(p, opt, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize taille = QStyledItemDelegate::sizeHint(option, index);
        taille.rwidth() += Decalage(option, index);
        return taille;
    }

private:
    static int Decalage(const QStyleOptionViewItem& option, const QModelIndex& index) {
        const int pas = std::max(8, option.fontMetrics.height() * 3 / 4);
        return index.data(ListeDossiers::RoleNiveau).toInt() * pas;
    }
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Lecteurs

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

// ---------------------------------------------------------------------------------------------
// Dossiers

ListeDossiers::ListeDossiers(QWidget* parent) : QListWidget(parent) {
    setObjectName("Dir1");
    const int petite = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    setIconSize(QSize(petite, petite));
    setAccessibleName("Dossiers");
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new Retrait(this));
    setMinimumSize(180, 160);
    // Pas d'itemActivated : selon le bureau, il viendrait d'un simple clic.
    connect(this, &QListWidget::itemDoubleClicked, this, &ListeDossiers::Ouvrir);
}

bool ListeDossiers::dossierLisible(const QString& chemin) {
    const QFileInfo f(chemin);
    return f.isDir() && f.isReadable() && f.isExecutable();
}

bool ListeDossiers::definirChemin(const QString& chemin) {
    const QString c = Normaliser(chemin);
    if (chemin.isEmpty() || !dossierLisible(c))
        return false;
    const bool change = c != m_chemin;
    m_chemin = c;
    Remplir();
    if (change)
        emit cheminChange(c);
    return true;
}

void ListeDossiers::rafraichir() {
    if (m_chemin.isEmpty())
        return;
    QString c = m_chemin;
    while (!dossierLisible(c) && Parent(c) != c)
        c = Parent(c);
    if (c != m_chemin) {
        definirChemin(c);
        return;
    }
    const QString choisi = currentItem() ? currentItem()->data(RoleChemin).toString() : QString();
    const int defilement = verticalScrollBar()->value();
    Remplir();
    verticalScrollBar()->setValue(defilement);
    for (int i = 0; i < count(); ++i)
        if (item(i)->data(RoleChemin).toString() == choisi)
            setCurrentRow(i);
}

void ListeDossiers::Remplir() {
    clear();
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon, nullptr, this);
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon, nullptr, this);

    QStringList ancetres;
    for (QString c = m_chemin;; c = Parent(c)) {
        ancetres.prepend(c);
        if (Parent(c) == c)
            break;
    }
    m_nbAncetres = static_cast<int>(ancetres.size());

    auto ajouter = [&](const QString& chemin, const QString& nom, int niveau, const QIcon& icone) {
        auto* it = new QListWidgetItem(icone, nom, this);
        it->setData(RoleChemin, chemin);
        it->setData(RoleNiveau, niveau);
        it->setToolTip(chemin);
        return it;
    };
    QListWidgetItem* courant = nullptr;
    for (int i = 0; i < m_nbAncetres; ++i) {
        const QString& c = ancetres[i];
        const QString nom = QFileInfo(c).fileName();
        courant = ajouter(c, nom.isEmpty() ? c : nom, i, ouvert);
    }
    if (courant) {
        QFont gras = font();
        gras.setBold(true);
        courant->setFont(gras);
    }

    const QDir dossier(m_chemin);
    QStringList sous = dossier.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    Trier(sous);
    for (const QString& nom : sous)
        ajouter(dossier.filePath(nom), nom, m_nbAncetres, ferme);

    if (courant) {
        setCurrentItem(courant);
        scrollToItem(courant);
    }
}

void ListeDossiers::Ouvrir(QListWidgetItem* item) {
    if (!item)
        return;
    // Un sous-dossier effacé entre-temps : on relit la liste pour le faire disparaître.
    if (!definirChemin(item->data(RoleChemin).toString()))
        rafraichir();
}

void ListeDossiers::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentItem()) {
            Ouvrir(currentItem());
            e->accept();
            return;
        }
        break;
    case Qt::Key_Backspace:
        if (!m_chemin.isEmpty() && Parent(m_chemin) != m_chemin)
            definirChemin(Parent(m_chemin));
        e->accept();
        return;
    default:
        break;
    }
    QListWidget::keyPressEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Fichiers

ListeFichiers::ListeFichiers(QWidget* parent) : QListWidget(parent), m_motif("*") {
    setObjectName("File1");
    const int petite = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    setIconSize(QSize(petite, petite));
    setAccessibleName("Fichiers");
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMinimumSize(160, 160);
    connect(this, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* courant) {
        if (!m_enRemplissage && courant)
            emit fichierClique(courant->text());
    });
    // Un clic sur le fichier déjà choisi compte aussi ; un clic qui change de fichier a déjà
    // été signalé par currentItemChanged.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item && item == m_avantClic)
            emit fichierClique(item->text());
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item)
            emit fichierDoubleClique(item->text());
    });
}

void ListeFichiers::definirMotif(const QString& motif) {
    m_motif = motif;
    rafraichir();
}

bool ListeFichiers::definirChemin(const QString& chemin) {
    const QString c = Normaliser(chemin);
    if (chemin.isEmpty() || !ListeDossiers::dossierLisible(c))
        return false;
    if (c == m_chemin) {
        rafraichir();
        return true;
    }
    m_chemin = c;
    Remplir();
    scrollToTop();
    return true;
}

QString ListeFichiers::nomFichier() const {
    const auto choisis = selectedItems();
    return choisis.isEmpty() ? QString() : choisis.first()->text();
}

void ListeFichiers::selectionnerFichier(const QString& nom) {
    const bool etait = m_enRemplissage;
    m_enRemplissage = true;
    QListWidgetItem* trouve = nullptr;
    for (int i = 0; i < count() && !nom.isEmpty(); ++i)
        if (item(i)->text() == nom)
            trouve = item(i);
    if (trouve) {
        setCurrentItem(trouve);
        scrollToItem(trouve);
    } else {
        setCurrentItem(nullptr);
        clearSelection();
    }
    m_enRemplissage = etait;
}

void ListeFichiers::rafraichir() {
    if (m_chemin.isEmpty())
        return;
    const QString garde = nomFichier();
    const int defilement = verticalScrollBar()->value();
    Remplir();
    verticalScrollBar()->setValue(defilement);
    // Choisi après avoir remis le défilement, pour que le fichier reste en vue.
    selectionnerFichier(garde);
}

void ListeFichiers::Remplir() {
    m_enRemplissage = true;
    m_avantClic = nullptr;
    clear();
    QStringList filtres;
    for (const QString& f : m_motif.split(';', Qt::SkipEmptyParts))
        if (!f.trimmed().isEmpty())
            filtres.append(f.trimmed());
    if (filtres.isEmpty())
        filtres.append("*");
    // Sans QDir::CaseSensitive, « PHOTO.JPG » répond à « *.jpg ».
    QDir dossier(m_chemin, QString(), QDir::Unsorted, QDir::Files);
    dossier.setNameFilters(filtres);
    QStringList noms = dossier.entryList();
    Trier(noms);
    // Une icône par fichier : les lignes ont la hauteur de celles des dossiers voisins.
    const QIcon icone = style()->standardIcon(QStyle::SP_FileIcon, nullptr, this);
    for (const QString& nom : noms)
        new QListWidgetItem(icone, nom, this);
    m_enRemplissage = false;
}

void ListeFichiers::mousePressEvent(QMouseEvent* e) {
    m_avantClic = currentItem();
    QListWidget::mousePressEvent(e);
}

void ListeFichiers::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && currentItem() &&
        currentItem()->isSelected()) {
        emit fichierDoubleClique(currentItem()->text());
        e->accept();
        return;
    }
    QListWidget::keyPressEvent(e);
}

// ---------------------------------------------------------------------------------------------
// Les trois ensemble

Parcours::Parcours(QWidget* parent, Disposition disposition) : QWidget(parent) {
    setObjectName("Parcours");
    m_drive1 = new ListeLecteurs(this);
    m_dir1 = new ListeDossiers(this);
    m_file1 = new ListeFichiers(this);

    auto* gauche = new QVBoxLayout;
    gauche->setContentsMargins(0, 0, 0, 0);
    gauche->addWidget(m_drive1);
    gauche->addWidget(m_dir1, 1);
    if (disposition == Disposition::CoteACote) {
        auto* rangee = new QHBoxLayout(this);
        rangee->setContentsMargins(0, 0, 0, 0);
        rangee->addLayout(gauche, 1);
        rangee->addWidget(m_file1, 1);
    } else {
        auto* colonne = new QVBoxLayout(this);
        colonne->setContentsMargins(0, 0, 0, 0);
        colonne->addLayout(gauche, 1);
        colonne->addWidget(m_file1, 1);
    }
    setTabOrder(m_drive1, m_dir1);
    setTabOrder(m_dir1, m_file1);

    connect(m_drive1, &ListeLecteurs::lecteurChoisi, this, &Parcours::LecteurChoisi);
    connect(m_dir1, &ListeDossiers::cheminChange, this, &Parcours::DossierChange);
    allerA(QDir::homePath());
}

bool Parcours::allerA(const QString& dossier) {
    bool exact = !dossier.isEmpty();
    QString c = exact ? Normaliser(dossier) : QDir::homePath();
    while (!ListeDossiers::dossierLisible(c)) {
        exact = false;
        if (Parent(c) == c) {
            c = QDir::homePath();
            break;
        }
        c = Parent(c);
    }
    m_dir1->definirChemin(c);
    // Sans changement de dossier, cheminChange ne vient pas : on accorde les deux autres ici.
    m_file1->definirChemin(m_dir1->chemin());
    m_drive1->choisirLecteurDe(m_dir1->chemin());
    return exact;
}

QString Parcours::cheminFichier() const {
    const QString nom = m_file1->nomFichier();
    return nom.isEmpty() ? QString() : QDir(m_file1->chemin()).filePath(nom);
}

void Parcours::rafraichir() {
    m_drive1->actualiser();
    m_dir1->rafraichir();
    m_file1->definirChemin(m_dir1->chemin());
    m_drive1->choisirLecteurDe(m_dir1->chemin());
}

void Parcours::showEvent(QShowEvent* e) {
    // Les boîtes sont cachées puis remontrées : le disque a pu changer entre-temps.
    if (!e->spontaneous())
        rafraichir();
    QWidget::showEvent(e);
}

void Parcours::LecteurChoisi(const QString& racine) {
    // Lecteur illisible (clé retirée, disque vide) : on revient sans bruit à celui du dossier.
    if (!m_dir1->definirChemin(racine))
        m_drive1->choisirLecteurDe(m_dir1->chemin());
}

void Parcours::DossierChange(const QString& chemin) {
    m_file1->definirChemin(chemin);
    m_drive1->choisirLecteurDe(chemin);
}
