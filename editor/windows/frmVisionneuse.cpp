#include "frmVisionneuse.h"

#include "BarreDefilement.h"
#include "BoutonAide.h"
#include "Editeur.h"
#include "Feuilles.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
// Des vignettes au format 4:3, d'un cinquième de la largeur de l'écran (entre 240 et 400
// pixels) : la fenêtre tient sur un écran de 1366 x 768 et ne paraît pas perdue sur un grand.
QSize TailleZone() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const int largeur = std::clamp(ecran ? ecran->availableGeometry().width() / 5 : 280, 240, 400);
    return {largeur, largeur * 3 / 4};
}
} // namespace

ZoneCliquable::ZoneCliquable(Genre genre, QWidget* parent) : QWidget(parent), m_genre(genre) {
    setFocusPolicy(Qt::StrongFocus);
    // Cachée, une vignette garde sa place : les autres ne bougent pas.
    QSizePolicy p = sizePolicy();
    p.setRetainSizeWhenHidden(true);
    setSizePolicy(p);
}

void ZoneCliquable::definirImage(const QImage& image) {
    m_image = image;
    update();
}

void ZoneCliquable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_genre == Genre::Marqueur) {
        PeindreMarqueur(p);
        return;
    }
    const QRect zone = rect().adjusted(2, 2, -2, -2);
    if (!m_image.isNull())
        p.drawImage(zone, m_image); // étirée à sa place, comme l'image d'origine
    else
        p.fillRect(zone, QColor(0x3a, 0x3a, 0x3a));
    if (hasFocus()) {
        p.setPen(QPen(CouleurFocus(), 3));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

// Un trait d'insertion entre deux vignettes, une pointe en haut et en bas.
void ZoneCliquable::PeindreMarqueur(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor couleur = hasFocus() ? CouleurFocus() : QColor(0xd2, 0x7a, 0x12);
    const qreal milieu = width() / 2.0;
    p.fillRect(QRectF(milieu - 1.5, 6, 3, height() - 12), couleur);
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    const qreal h = height();
    p.drawPolygon(QPolygonF{{0, 0}, {qreal(width()), 0}, {milieu, 9}});
    p.drawPolygon(QPolygonF{{0, h}, {qreal(width()), h}, {milieu, h - 9}});
}

void ZoneCliquable::mouseReleaseEvent(QMouseEvent* e) {
    if (rect().contains(e->position().toPoint()))
        emit clique();
}

void ZoneCliquable::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clique();
        break;
    case Qt::Key_Left:
        emit defiler(-1);
        break;
    case Qt::Key_Right:
        emit defiler(1);
        break;
    case Qt::Key_Home:
        emit defiler(-(NbDiaposMax + 1));
        break;
    case Qt::Key_End:
        emit defiler(NbDiaposMax + 1);
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}

frmVisionneuse::frmVisionneuse(Editeur& editeur, QWidget* parent)
    : QDialog(parent), m_editeur(editeur), m_ordre(editeur.OrdreDiapo) {
    setObjectName(QStringLiteral("frmVisionneuse"));
    setWindowTitle(QStringLiteral("Visionneuse"));
    setModal(true);

    auto* colonne = new QVBoxLayout(this);
    const QSize zone = TailleZone();
    auto* bande = new QGridLayout;
    bande->setHorizontalSpacing(4);
    for (int j = 0; j < NbMarqueurs; ++j) {
        auto* m =
            CreerZone(ZoneCliquable::Genre::Marqueur, QStringLiteral("picInsertion_%1").arg(j),
                      [this, j] { m_ordre.Inserer(j); });
        m->setToolTip(OrdreDiapos::BulleMarqueurs());
        m->setAccessibleName(QStringLiteral("Insérer ici (marqueur %1)").arg(j));
        m->setFixedSize(14, zone.height());
        m->setCursor(Qt::PointingHandCursor);
        m_picInsertion[j] = m;
        bande->addWidget(m, 0, 2 * j);
    }
    for (int i = 0; i < NbVignettes; ++i) {
        auto* v = CreerZone(ZoneCliquable::Genre::Vignette, QStringLiteral("imgVisio_%1").arg(i),
                            [this, i] { m_ordre.CliquerVignette(i); });
        v->setFixedSize(zone);
        m_imgVisio[i] = v;
        bande->addWidget(v, 0, 2 * i + 1);
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("lblVisio_%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        QSizePolicy p = l->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        l->setSizePolicy(p);
        m_lblVisio[i] = l;
        bande->addWidget(l, 1, 2 * i + 1);
    }
    colonne->addLayout(bande);

    m_hscVisio = new BarreDefilement(this);
    m_hscVisio->definirPage(NbVignettes);
    m_hscVisio->setObjectName(QStringLiteral("hscVisio"));
    m_hscVisio->setAccessibleName(QStringLiteral("Première diapo montrée"));
    connect(m_hscVisio, &QScrollBar::valueChanged, this, [this](int valeur) {
        m_ordre.Defiler(valeur);
        Rafraichir();
    });
    colonne->addWidget(m_hscVisio);

    auto* boutons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setMinimumWidth(110);
    auto* stop = new QPushButton(QStringLiteral("Annuler"), this);
    stop->setObjectName(QStringLiteral("cmdStop"));
    stop->setMinimumWidth(110);
    stop->setAutoDefault(false);
    auto* aide = CreerBoutonAide(this, m_editeur, QStringLiteral("Vision.htm"));
    boutons->addWidget(aide);
    boutons->addStretch(1);
    boutons->addWidget(ok);
    boutons->addWidget(stop);
    colonne->addLayout(boutons);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_editeur.IndChangementDiapo = true;
        accept();
    });
    connect(stop, &QPushButton::clicked, this, &frmVisionneuse::reject);

    connect(&m_vignettes, &CacheVignettes::prete, this, [this](const QString& chemin) {
        for (int i = 0; i < NbVignettes; ++i)
            if (m_ordre.vignetteVisible(i) &&
                m_editeur.CheminImage(m_ordre.diapoDeVignette(i)) == chemin)
                Montrer(i);
    });

    // Au clavier, de gauche à droite : marqueur, vignette, marqueur... puis la barre et les
    // boutons.
    QWidget* precedent = m_picInsertion[0];
    for (int i = 0; i < NbVignettes; ++i) {
        setTabOrder(precedent, m_imgVisio[i]);
        setTabOrder(m_imgVisio[i], m_picInsertion[i + 1]);
        precedent = m_picInsertion[i + 1];
    }
    setTabOrder(precedent, m_hscVisio);
    setTabOrder(m_hscVisio, ok);
    setTabOrder(ok, stop);
    setTabOrder(stop, aide);
}

// Une vignette ou un marqueur : le clic (ou Espace, Entrée) agit sur l'ordre, puis la fenêtre
// se remet à jour ; les flèches font défiler.
ZoneCliquable* frmVisionneuse::CreerZone(ZoneCliquable::Genre genre, const QString& nom,
                                         const std::function<void()>& action) {
    auto* zone = new ZoneCliquable(genre, this);
    zone->setObjectName(nom);
    connect(zone, &ZoneCliquable::clique, this, [this, zone, action] {
        action();
        Rafraichir();
        GarderLeFocus(zone);
    });
    connect(zone, &ZoneCliquable::defiler, this, &frmVisionneuse::Defiler);
    return zone;
}

// La zone qui avait le clavier vient de se cacher (diapo coupée, marqueurs rangés) : le clavier
// passe à la zone visible la plus proche, à droite d'abord (là où arrive une diapo insérée).
void frmVisionneuse::GarderLeFocus(ZoneCliquable* zone) {
    if (zone->isVisible() || !isVisible())
        return;
    std::vector<ZoneCliquable*> zones;
    for (int j = 0; j < NbMarqueurs; ++j) {
        zones.push_back(m_picInsertion[j]);
        if (j < NbVignettes)
            zones.push_back(m_imgVisio[j]);
    }
    const int ici = static_cast<int>(std::find(zones.begin(), zones.end(), zone) - zones.begin());
    for (int d = 1; d < static_cast<int>(zones.size()); ++d)
        for (const int k : {ici + d, ici - d})
            if (k >= 0 && k < static_cast<int>(zones.size()) && !zones[k]->isHidden()) {
                zones[k]->setFocus(Qt::TabFocusReason);
                return;
            }
    m_hscVisio->setFocus(Qt::TabFocusReason);
}

void frmVisionneuse::Defiler(int pas) {
    m_hscVisio->Avancer(pas);
}

void frmVisionneuse::reject() {
    m_editeur.IndChangementDiapo = false;
    QDialog::reject();
}

QSize frmVisionneuse::tailleVignette() const {
    return (m_imgVisio[0]->size() - QSize(4, 4)) * devicePixelRatioF();
}

void frmVisionneuse::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!m_centree) {
        CentrerFeuille(*this);
        m_centree = true;
    }
    m_vignettes.definirTaille(tailleVignette());
    m_ordre.Ouvrir(m_editeur.NbSprite);
    {
        const QSignalBlocker calme(m_hscVisio);
        m_hscVisio->setMaximum(m_ordre.maximum());
        m_hscVisio->setValue(0);
    }
    Rafraichir();
    // Le clavier part de la première diapo, où son cadre se voit ; sans diapo, de la barre.
    if (m_ordre.vignetteVisible(0))
        m_imgVisio[0]->setFocus();
    else
        m_hscVisio->setFocus();
}

void frmVisionneuse::Montrer(int i) {
    m_imgVisio[i]->definirImage(
        m_vignettes.image(m_editeur.CheminImage(m_ordre.diapoDeVignette(i))));
}

bool frmVisionneuse::vignettesPretes() const {
    for (int i = 0; i < NbVignettes; ++i)
        if (m_ordre.vignetteVisible(i) &&
            !m_vignettes.contient(m_editeur.CheminImage(m_ordre.diapoDeVignette(i))))
            return false;
    return true;
}

void frmVisionneuse::Rafraichir() {
    QStringList voulues;
    for (int i = 0; i < NbVignettes; ++i) {
        const bool visible = m_ordre.vignetteVisible(i);
        m_imgVisio[i]->setVisible(visible);
        m_lblVisio[i]->setVisible(visible);
        m_imgVisio[i]->setToolTip(m_ordre.bulleVignettes());
        m_imgVisio[i]->setCursor(m_ordre.coupe() ? Qt::ArrowCursor : Qt::SizeAllCursor);
        if (!visible)
            continue;
        m_lblVisio[i]->setText(m_ordre.etiquette(i));
        m_imgVisio[i]->setAccessibleName(
            QStringLiteral("Diapo à la position %1").arg(m_ordre.valeur() + i));
        Montrer(i);
        voulues << m_editeur.CheminImage(m_ordre.diapoDeVignette(i));
    }
    for (int j = 0; j < NbMarqueurs; ++j)
        m_picInsertion[j]->setVisible(m_ordre.marqueurVisible(j));
    // Puis celles qui viendront au prochain défilement, vers la droite d'abord.
    const TableOrdre& ordre = m_ordre.ordre();
    for (const int position : {3, 4, 5, -1, -2}) {
        const int p = m_ordre.valeur() + position;
        if (p >= 0 && p < m_ordre.nbSprite())
            voulues << m_editeur.CheminImage(ordre[p]);
    }
    m_vignettes.Vouloir(voulues);
}
