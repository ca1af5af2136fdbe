#include "frmCaptureFigee.h"

#include "CaptureEcran.h"
#include "CapturePortail.h"
#include "Feuilles.h"
#include "FichiersCapture.h"
#include "Passage.h"
#include "RegleCapture.h"
#include "Twips.h"
#include "frmCapture.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <cmath>

namespace {
CadreFige CadreInitial(const EtatCapture& etat, const QImage& fige, QScreen* ecran) {
    const QRect g = ecran ? ecran->geometry() : QRect(QPoint(0, 0), fige.size());
    const double echelle = g.width() > 0 ? double(fige.width()) / g.width() : 1.0;
    CadreFige cadre(fige.size(), QSize(etat.LargeurDiapo, etat.HauteurDiapo), echelle,
                    QPointF(g.topLeft()), TwipsParPixel(), frmCapture::Bord,
                    frmCapture::BandeTitre);
    if (etat.TopDiapo != PositionAbsente)
        cadre.PlacerTwips(etat.LeftDiapo, etat.TopDiapo);
    return cadre;
}
} // namespace

frmCaptureFigee::frmCaptureFigee(EtatCapture& etat, QImage fige, QScreen* ecran,
                                 const QString& dossier, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_etat(etat),
      m_fige(std::move(fige)), m_dossier(dossier), m_cadre(CadreInitial(etat, m_fige, ecran)) {
    setObjectName(QStringLiteral("frmCapture"));
    setWindowTitle(QStringLiteral(" "));
    setAccessibleName(QStringLiteral("Cadre de capture sur l'écran figé"));
    setModal(true);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
    if (ecran) {
        setScreen(ecran);
        setGeometry(ecran->geometry());
    }
    // Wayland ne laisse pas une fenêtre se placer : elle demande le plein écran.
    if (SessionWayland())
        setWindowState(Qt::WindowFullScreen);
    // L'image se pose pixel pour pixel, quelle que soit l'échelle de l'écran.
    m_fige.setDevicePixelRatio(ecran ? double(m_fige.width()) / ecran->geometry().width() : 1.0);
    Noter();

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        if (m_nbFlash > 8) {
            m_inverse = false;
            Timer1.stop();
        } else {
            m_inverse = !m_inverse;
        }
        ++m_nbFlash;
        update();
    });
}

void frmCaptureFigee::Noter() {
    m_etat.LeftDiapo = m_cadre.LeftTwips();
    m_etat.TopDiapo = m_cadre.TopTwips();
}

QRect frmCaptureFigee::CadreEcran() const {
    return m_cadre.CadreLogique().toAlignedRect();
}

bool frmCaptureFigee::SaisirZone() {
    m_echec.clear();
    Noter();
    m_etat.Pic = m_cadre.Extraire(m_fige);
    const QString chemin = NomCapture(m_dossier, m_etat.NumeroCapture, QStringLiteral(".bmp"));
    if (!EnregistrerBMP(m_etat.Pic, chemin)) {
        m_echec = TexteEcritureImpossible(chemin);
        return false;
    }
    CaptureFaite = true;
    return true;
}

void frmCaptureFigee::Capturer() {
    if (m_enCapture)
        return;
    m_enCapture = true;
    if (!SaisirZone()) {
        m_enCapture = false;
        reject();
        return;
    }
    if (!frmCapture::AttendreClignotement(*this, Timer1))
        return;
    m_enCapture = false;
    accept();
}

void frmCaptureFigee::done(int resultat) {
    Noter();
    QDialog::done(resultat);
}

void frmCaptureFigee::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPointF(0, 0), m_fige);
    // Le reste de l'écran un peu voilé : le trou, lui, montre l'image telle qu'elle sera.
    QRegion voile(rect());
    voile -= m_cadre.TrouLogique().toAlignedRect();
    p.setClipRegion(voile);
    p.fillRect(rect(), QColor(0, 0, 0, 70));
    p.setClipping(false);
    QFont police = font();
    police.setPixelSize(12);
    const QString taille =
        QStringLiteral("%1 × %2").arg(m_cadre.Trou().width()).arg(m_cadre.Trou().height());
    const QString rappel =
        QStringLiteral("Entrée : capturer · Échap : annuler · Flèches (Ctrl : 10 px)");
    const QRect cadre = CadreEcran();
    const bool tient = QFontMetrics(police).horizontalAdvance(rappel + taille) + 40 < cadre.width();
    frmCapture::PeindreCadre(p, cadre, m_inverse, taille, tient ? rappel : QString(), police);
}

void frmCaptureFigee::keyPressEvent(QKeyEvent* e) {
    if (m_enCapture)
        return;
    const Qt::KeyboardModifiers touches = e->modifiers() & ~Qt::KeypadModifier;
    const int pas = touches == Qt::ControlModifier ? 10 : 1;
    switch (e->key()) {
    case Qt::Key_Up:
        m_cadre.Deplacer(0, -pas);
        break;
    case Qt::Key_Down:
        m_cadre.Deplacer(0, pas);
        break;
    case Qt::Key_Left:
        m_cadre.Deplacer(-pas, 0);
        break;
    case Qt::Key_Right:
        m_cadre.Deplacer(pas, 0);
        break;
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Capturer();
        return;
    default:
        return;
    }
    update();
}

// La bande se prend à la souris, comme celle du cadre transparent.
void frmCaptureFigee::mousePressEvent(QMouseEvent* e) {
    const QRect cadre = CadreEcran();
    const QRect bande(cadre.topLeft(), QSize(cadre.width(), frmCapture::BandeTitre));
    if (m_enCapture || e->button() != Qt::LeftButton || !bande.contains(e->position().toPoint()))
        return;
    m_glisse = true;
    m_dernier = e->position();
}

void frmCaptureFigee::mouseMoveEvent(QMouseEvent* e) {
    if (!m_glisse)
        return;
    const double echelle = m_fige.devicePixelRatio();
    const QPointF delta = (e->position() - m_dernier) * echelle;
    const QPoint pas(static_cast<int>(std::lround(delta.x())),
                     static_cast<int>(std::lround(delta.y())));
    m_cadre.Deplacer(pas.x(), pas.y());
    m_dernier += QPointF(pas) / echelle;
    update();
}

void frmCaptureFigee::mouseReleaseEvent(QMouseEvent*) {
    m_glisse = false;
}

void frmCaptureFigee::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    MettreDevant(*this);
    setFocus();
}
