#include "ListeDossiers.h"

#include "CheminsParcours.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

using CheminsParcours::Normaliser;
using CheminsParcours::Parent;
using CheminsParcours::Trier;

namespace {

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
