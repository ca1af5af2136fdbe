#include "ListeFichiers.h"

#include "CheminsParcours.h"
#include "ListeDossiers.h"

#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

using CheminsParcours::Normaliser;
using CheminsParcours::Trier;

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
