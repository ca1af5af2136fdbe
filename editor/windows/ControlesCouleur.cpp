#include "ControlesCouleur.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using ControlesCouleur::NomsCanaux;

namespace {

const QString BulleCase = QStringLiteral("Cliquez pour sélectionner la couleur");
constexpr int CoteCase = 28;
constexpr int MargeCase = 4; // place de l'anneau de sélection et du pointillé du focus
constexpr int LargeurBarre = 256;
constexpr int HauteurBarre = 20;

} // namespace

// --- Pastille ---

frmCouleur::Pastille::Pastille(QWidget* parent, int marge) : QWidget(parent), m_marge(marge) {}

void frmCouleur::Pastille::definirCouleur(uint32_t couleur) {
    m_couleur = couleur;
    update();
}

void frmCouleur::Pastille::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect zone = rect().adjusted(m_marge, m_marge, -m_marge, -m_marge);
    p.fillRect(zone, VersQColor(m_couleur));
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawRect(zone.adjusted(0, 0, -1, -1));
}

// --- Case ---

frmCouleur::Case::Case(frmCouleur& fenetre, int index, QWidget* parent)
    : Pastille(parent, MargeCase), m_fenetre(fenetre), m_index(index) {
    setObjectName(QStringLiteral("picCouleur_%1").arg(index));
    setToolTip(BulleCase);
    setFixedSize(CoteCase + 2 * MargeCase, CoteCase + 2 * MargeCase);
    setFocusPolicy(index == CaseUtilisateur ? Qt::StrongFocus : Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
}

void frmCouleur::Case::definirChoisie(bool choisie) {
    if (m_choisie == choisie)
        return;
    m_choisie = choisie;
    update();
}

void frmCouleur::Case::paintEvent(QPaintEvent* e) {
    Pastille::paintEvent(e);
    QPainter p(this);
    if (m_choisie) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(QRectF(2, 2, width() - 4, height() - 4));
    }
    if (hasFocus()) {
        QPen pointille(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        p.setPen(pointille);
        p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    }
}

void frmCouleur::Case::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        m_fenetre.Selectionner(m_index);
}

void frmCouleur::Case::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    m_fenetre.Selectionner(m_index);
    m_fenetre.Valider();
}

void frmCouleur::Case::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Space:
        m_fenetre.Selectionner(m_index);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        m_fenetre.Deplacer(m_index, e->key());
        break;
    default:
        // Entrée et Échap remontent à la fenêtre : OK et Annuler.
        QWidget::keyPressEvent(e);
    }
}

void frmCouleur::Case::focusInEvent(QFocusEvent* e) {
    Pastille::focusInEvent(e);
    m_fenetre.PrendreTabulation(m_index);
    update();
}

void frmCouleur::Case::focusOutEvent(QFocusEvent* e) {
    Pastille::focusOutEvent(e);
    update();
}

// --- Barre ---

frmCouleur::Barre::Barre(frmCouleur& fenetre, int canal, QWidget* parent)
    : QWidget(parent), m_fenetre(fenetre), m_canal(canal) {
    setObjectName(QStringLiteral("picChangeRGB_%1").arg(canal));
    setAccessibleName(QString::fromUtf8(NomsCanaux[canal]));
    setFixedSize(LargeurBarre, HauteurBarre);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::SizeHorCursor);
    // Les déplacements sans bouton arrivent aussi : c'est à la barre de les écarter.
    setMouseTracking(true);
}

void frmCouleur::Barre::Peindre(double x, int valeur) {
    m_x = x;
    m_valeur = valeur;
    update();
}

void frmCouleur::Barre::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), VersQColor(fond()));
    // Pixels x − 1 à x + 1, toute la hauteur : visible sur n'importe quel fond.
    p.fillRect(QRectF(m_x - 1, 0, 3, height()), VersQColor(CouleurMarque(m_canal, m_valeur)));
    if (hasFocus()) {
        p.setPen(QPen(VersQColor(CouleurMarque(m_canal, m_valeur)), 1, Qt::DotLine));
        p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    }
}

void frmCouleur::Barre::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && e->buttons() == Qt::LeftButton)
        m_fenetre.Tirer(m_canal, e->position().x());
}

void frmCouleur::Barre::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() == Qt::LeftButton)
        m_fenetre.Tirer(m_canal, e->position().x());
}

void frmCouleur::Barre::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
        m_fenetre.Tirer(m_canal, m_x - 1);
        break;
    case Qt::Key_Right:
        m_fenetre.Tirer(m_canal, m_x + 1);
        break;
    case Qt::Key_Home:
        m_fenetre.Tirer(m_canal, 0);
        break;
    case Qt::Key_End:
        m_fenetre.Tirer(m_canal, width());
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}
