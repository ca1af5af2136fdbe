#include "frmCapture.h"

#include "CaptureEcran.h"
#include "Feuilles.h"
#include "FichiersCapture.h"
#include "NombresVB.h"
#include "Passage.h"
#include "RegleCapture.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace {

// Couleurs de la bande ; le clignotement les inverse.
const QColor BleuFonce(0x17, 0x3F, 0x75);
const QColor BleuClair(0x3B, 0x7D, 0xD8);
const QColor Ambre(0xFF, 0xC8, 0x3D);
const QColor Blanc(Qt::white);

QColor Inverser(const QColor& c, bool inverse) {
    return inverse ? QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()) : c;
}

} // namespace

frmCapture::frmCapture(EtatCapture& etat, CaptureEcran& ecran, const QString& dossier,
                       QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_etat(etat),
      m_ecran(ecran), m_dossier(dossier), m_tpp(::TwipsParPixel()), m_largeur(etat.LargeurDiapo),
      m_hauteur(etat.HauteurDiapo) {
    setObjectName(QStringLiteral("frmCapture"));
    setWindowTitle(QStringLiteral(" "));
    setAccessibleName(QStringLiteral("Cadre de capture"));
    setModal(true);
    // Le cadre fermé ne doit pas passer pour la dernière fenêtre du programme.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);

    // Taille extérieure passée par les twips, comme la position : la zone reste L x H pixels.
    const int largeurTwips = (m_largeur + 2 * Bord) * m_tpp;
    const int hauteurTwips = (m_hauteur + BandeTitre + Bord) * m_tpp;
    setFixedSize(largeurTwips / m_tpp, hauteurTwips / m_tpp);

    if (etat.TopDiapo != PositionAbsente) {
        m_top = etat.TopDiapo;
        m_left = etat.LeftDiapo;
    } else {
        const QScreen* s = QGuiApplication::primaryScreen();
        const QRect zone = s ? s->geometry() : QRect(0, 0, 1024, 768);
        m_top = static_cast<int32_t>(
            ArrondiPair(zone.y() * m_tpp + (zone.height() * m_tpp - hauteurTwips) / 2.0));
        m_left = static_cast<int32_t>(
            ArrondiPair(zone.x() * m_tpp + (zone.width() * m_tpp - largeurTwips) / 2.0));
        etat.TopDiapo = m_top;
        etat.LeftDiapo = m_left;
    }
    Placer();

    // Seules les quatre bandes appartiennent à la fenêtre : le trou laisse voir l'écran, quel
    // que soit le gestionnaire de fenêtres.
    setMask(Forme(m_largeur, m_hauteur));

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &frmCapture::TopTimer1);
}

QRect frmCapture::Trou() const {
    return QRect(Bord, BandeTitre, m_largeur, m_hauteur);
}

QRegion frmCapture::Forme(int largeur, int hauteur) {
    const int l = largeur + 2 * Bord;
    const int h = hauteur + BandeTitre + Bord;
    QRegion forme(0, 0, l, BandeTitre);                 // bande du haut
    forme += QRegion(0, hauteur + BandeTitre, l, Bord); // bande du bas
    forme += QRegion(0, 0, Bord, h);                    // bord gauche
    forme += QRegion(largeur + Bord, 0, Bord, h);       // bord droit
    return forme;
}

void frmCapture::Placer() {
    // Division entière tronquée vers zéro, comme pour la zone copiée.
    move(m_left / m_tpp, m_top / m_tpp);
}

void frmCapture::Deplacer(int dxPixels, int dyPixels) {
    m_left += dxPixels * m_tpp;
    m_top += dyPixels * m_tpp;
    Placer();
}

bool frmCapture::SaisirZone() {
    m_echec.clear();
    m_etat.Pic = QImage();
    m_etat.LeftDiapo = m_left;
    m_etat.TopDiapo = m_top;
    QCoreApplication::processEvents();

    QString raison;
    if (!m_ecran.disponible(&raison)) {
        m_echec = raison;
        return false;
    }
    const QRect zone(m_etat.LeftDiapo / m_tpp + Bord, m_etat.TopDiapo / m_tpp + BandeTitre,
                     m_largeur, m_hauteur);
    m_etat.Pic = m_ecran.saisir(zone);
    if (m_etat.Pic.isNull()) {
        m_echec = TexteCaptureImpossible();
        return false;
    }
    const QString chemin = NomCapture(m_dossier, m_etat.NumeroCapture, QStringLiteral(".bmp"));
    if (!EnregistrerBMP(m_etat.Pic, chemin)) {
        m_echec = TexteEcritureImpossible(chemin);
        return false;
    }
    CaptureFaite = true;
    return true;
}

bool frmCapture::AttendreClignotement(QDialog& cadre, QTimer& minuterie) {
    QPointer<QDialog> garde(&cadre);
    minuterie.start();
    QEventLoop boucle;
    QObject::connect(&minuterie, &QTimer::timeout, &boucle, [&] {
        if (!minuterie.isActive())
            boucle.quit();
    });
    QObject::connect(&cadre, &QObject::destroyed, &boucle, &QEventLoop::quit);
    boucle.exec();
    return !garde.isNull();
}

void frmCapture::Capturer() {
    if (m_enCapture)
        return;
    m_enCapture = true;
    if (!SaisirZone()) {
        m_enCapture = false;
        reject();
        return;
    }
    // La bande clignote une seconde : la capture est faite, l'utilisateur le voit.
    if (!AttendreClignotement(*this, Timer1))
        return;
    Timer1.stop();
    m_inverse = false;
    m_enCapture = false;
    accept();
}

void frmCapture::TopTimer1() {
    if (m_nbFlash > 8) {
        m_inverse = false;
        Timer1.stop();
    } else {
        m_inverse = !m_inverse;
    }
    ++m_nbFlash;
    update();
}

void frmCapture::done(int resultat) {
    // Le prochain cadre, et « Passage » s'il est enregistré, repartiront d'ici.
    m_etat.TopDiapo = m_top;
    m_etat.LeftDiapo = m_left;
    QDialog::done(resultat);
}

void frmCapture::keyPressEvent(QKeyEvent* e) {
    // Pendant le clignotement, la capture est faite : les touches n'ont plus d'effet.
    if (m_enCapture)
        return;
    // Ctrl seul : 10 pixels ; Maj+Ctrl ou rien : 1 pixel.
    const Qt::KeyboardModifiers touches = e->modifiers() & ~Qt::KeypadModifier;
    const int pas = touches == Qt::ControlModifier ? 10 : 1;
    switch (e->key()) {
    case Qt::Key_Up:
        Deplacer(0, -pas);
        break;
    case Qt::Key_Down:
        Deplacer(0, pas);
        break;
    case Qt::Key_Left:
        Deplacer(-pas, 0);
        break;
    case Qt::Key_Right:
        Deplacer(pas, 0);
        break;
    case Qt::Key_Escape:
        reject();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Capturer();
        break;
    default:
        break;
    }
}

void frmCapture::mousePressEvent(QMouseEvent* e) {
    if (m_enCapture || e->button() != Qt::LeftButton || e->position().y() >= BandeTitre)
        return;
    m_glisse = true;
    m_prise = e->globalPosition().toPoint() - pos();
}

void frmCapture::mouseMoveEvent(QMouseEvent* e) {
    if (!m_glisse)
        return;
    const QPoint coin = e->globalPosition().toPoint() - m_prise;
    m_left = coin.x() * m_tpp;
    m_top = coin.y() * m_tpp;
    Placer();
}

void frmCapture::mouseReleaseEvent(QMouseEvent*) {
    m_glisse = false;
}

void frmCapture::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Sans gestionnaire de fenêtres, « toujours devant » n'est pas appliqué : on s'élève.
    MettreDevant(*this);
    setFocus();
    PlacerRappel();
}

void frmCapture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PeindreCadre(p, rect(), m_inverse, TexteTaille(), RappelDansLaBande(), PoliceBande());
}

void frmCapture::PeindreCadre(QPainter& p, const QRect& cadre, bool inverse, const QString& taille,
                              const QString& rappel, const QFont& police) {
    p.save();
    p.translate(cadre.topLeft());
    const int l = cadre.width();
    const int h = cadre.height();
    const QColor fonce = Inverser(BleuFonce, inverse);
    const QColor clair = Inverser(BleuClair, inverse);
    const QColor lisere = Inverser(Ambre, inverse);
    const QColor texte = Inverser(Blanc, inverse);

    // Bande de titre en dégradé, puis le bord de 3 pixels (foncé, liseré, foncé) tout autour
    // du trou, pour qu'il se voie sur un fond clair comme sur un fond sombre.
    QLinearGradient degrade(0, 0, 0, BandeTitre - Bord);
    degrade.setColorAt(0, clair);
    degrade.setColorAt(1, fonce);
    p.fillRect(QRect(0, 0, l, BandeTitre - Bord), degrade);
    for (int i = 0; i < Bord; ++i) {
        const QColor c = i == 1 ? lisere : fonce;
        p.setPen(c);
        p.setBrush(Qt::NoBrush);
        p.drawRect(
            QRect(i, BandeTitre - Bord + i, l - 1 - 2 * i, h - BandeTitre + Bord - 1 - 2 * i));
        p.drawLine(i, 0, i, BandeTitre - Bord + i);
        p.drawLine(l - 1 - i, 0, l - 1 - i, BandeTitre - Bord + i);
    }

    // La taille de la zone à droite, le rappel des touches à gauche s'il tient en entier.
    p.setPen(texte);
    const QRect bande(Bord + 6, 0, l - 2 * Bord - 12, BandeTitre - Bord);
    QFont gras = police;
    gras.setBold(true);
    p.setFont(gras);
    if (QFontMetrics(gras).horizontalAdvance(taille) <= bande.width())
        p.drawText(bande, Qt::AlignVCenter | Qt::AlignRight, taille);
    p.setFont(police);
    p.drawText(bande, Qt::AlignVCenter | Qt::AlignLeft, rappel);
    p.restore();
}

namespace {
// Du plus complet au plus court : la bande montre le plus long qui y tient en entier.
const QString Rappels[] = {
    QStringLiteral("Entrée : capturer   ·   Échap : annuler   ·   Flèches : déplacer "
                   "(Ctrl : 10 pixels)"),
    QStringLiteral("Entrée : capturer · Échap : annuler · Flèches (Ctrl : 10 px)"),
    QStringLiteral("Entrée · Échap · Flèches (Ctrl : 10 px)"),
    QStringLiteral("Flèches, Ctrl : 10 px"),
};
} // namespace

QFont frmCapture::PoliceBande() const {
    QFont police = font();
    police.setPixelSize(12);
    return police;
}

QRect frmCapture::Bande() const {
    return QRect(Bord + 6, 0, width() - 2 * Bord - 12, BandeTitre - Bord);
}

QString frmCapture::TexteTaille() const {
    return QStringLiteral("%1 × %2").arg(m_largeur).arg(m_hauteur);
}

QString frmCapture::RappelDansLaBande() const {
    QFont gras = PoliceBande();
    gras.setBold(true);
    const int taille = QFontMetrics(gras).horizontalAdvance(TexteTaille()) + 12;
    const int place = Bande().width() - taille;
    const QFontMetrics mesure(PoliceBande());
    for (const QString& rappel : Rappels)
        if (mesure.horizontalAdvance(rappel) <= place)
            return rappel;
    return {};
}

// Un cadre trop étroit pour le rappel le montre dans une petite bulle juste dessous (ou
// dessus, au bas de l'écran), hors de la zone copiée.
void frmCapture::PlacerRappel() {
    const bool dehors = RappelDansLaBande().isEmpty() && isVisible();
    if (!dehors) {
        if (m_rappel)
            m_rappel->hide();
        return;
    }
    if (!m_rappel) {
        m_rappel = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint |
                                        Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
        m_rappel->setObjectName(QStringLiteral("rappelTouches"));
        m_rappel->setText(TexteTaille() + QStringLiteral("   ·   ") + Rappels[0]);
        m_rappel->setStyleSheet(QStringLiteral("QLabel { background: #1d3f6e; color: white; "
                                               "border: 1px solid #e0a030; padding: 3px 6px; }"));
        m_rappel->adjustSize();
    }
    const QRect cadre = frameGeometry();
    QPoint coin(cadre.left(), cadre.bottom() + 4);
    const QScreen* ecran = screen();
    if (ecran && coin.y() + m_rappel->height() > ecran->geometry().bottom())
        coin.setY(cadre.top() - m_rappel->height() - 4);
    m_rappel->move(coin);
    m_rappel->show();
    m_rappel->raise();
}

void frmCapture::moveEvent(QMoveEvent* e) {
    QDialog::moveEvent(e);
    PlacerRappel();
}

void frmCapture::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (m_rappel)
        m_rappel->hide();
}
