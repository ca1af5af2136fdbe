#include "frmInfo.h"

#include "Feuilles.h"
#include "Nouveautes.h"
#include "Sprites.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int Largeur = 700;
constexpr int Hauteur = 480;
const QColor Encre(58, 42, 24);

// Les lignes de présentation, dans l'ordre où elles se lisent.
constexpr int OrdreLignes[] = {1, 2, 8, 3, 4};
} // namespace

frmInfo::frmInfo(const QString& dossierProgramme, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Info"));
    setModal(true);
    setFixedSize(Largeur, Hauteur);
    m_tuile = QPixmap(dossierProgramme + QStringLiteral("/imgFond.jpg"));

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(100, 24, 100, 24);
    colonne->setSpacing(4);
    colonne->addStretch(1);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(ImageSprite(10));
    m_image1->setToolTip(Nouveautes::BulleFermer());
    m_image1->setAccessibleName(Nouveautes::BulleFermer());
    m_image1->setCursor(Qt::PointingHandCursor);
    m_image1->installEventFilter(this);
    colonne->addWidget(m_image1, 0, Qt::AlignHCenter);

    QHash<int, QLabel*> libelles;
    for (const auto& [index, texte] : Nouveautes::Libelles()) {
        auto* l = new QLabel(texte, this);
        l->setObjectName(QStringLiteral("lblInfo_%1").arg(index));
        l->setTextFormat(Qt::PlainText);
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, Encre);
        l->setPalette(palette);
        libelles.insert(index, l);
    }
    QFont titre = font();
    titre.setPointSizeF(titre.pointSizeF() * 1.6);
    titre.setBold(true);
    libelles[0]->setFont(titre);
    colonne->addWidget(libelles[0], 0, Qt::AlignHCenter);
    colonne->addSpacing(6);
    for (int index : OrdreLignes)
        colonne->addWidget(libelles[index]);
    colonne->addSpacing(8);

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setPlainText(Nouveautes::Texte());
    m_text1->setAccessibleName(QStringLiteral("Nouveautés"));
    m_text1->setFixedHeight(112);
    m_text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text1->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: rgba(255, 253, 246, 215); color: #3a2a18;"
                       " border: 1px solid #b89b6a; border-radius: 4px; }"));
    colonne->addWidget(m_text1);
    colonne->addSpacing(8);

    QFont credits = font();
    credits.setBold(true);
    libelles[6]->setFont(credits);
    colonne->addWidget(libelles[6], 0, Qt::AlignHCenter);
    libelles[7]->setToolTip(Nouveautes::BulleSite());
    colonne->addWidget(libelles[7], 0, Qt::AlignHCenter);
    colonne->addStretch(1);

    m_timer1.setInterval(Nouveautes::IntervalleMs);
    connect(&m_timer1, &QTimer::timeout, this, &frmInfo::Top);
    m_timer1.start();
    CentrerFeuille(*this);
}

QLabel* frmInfo::lblInfo(int index) const {
    return findChild<QLabel*>(QStringLiteral("lblInfo_%1").arg(index));
}

void frmInfo::Top() {
    ++m_compteur; // après plus de six ans d'affichage, il repart de 0
    QLabel* credits = lblInfo(6);
    credits->hide();
    QPalette palette = credits->palette();
    palette.setColor(QPalette::WindowText, Nouveautes::CouleurCredits(m_compteur));
    credits->setPalette(palette);
    credits->show();
}

void frmInfo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_tuile.isNull())
        p.fillRect(rect(), QColor(0xf3, 0xed, 0xe0));
    else
        p.drawTiledPixmap(rect(), m_tuile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 84, 42), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(rect()).adjusted(2, 2, -2, -2));
}

void frmInfo::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    setMask(QRegion(rect(), QRegion::Ellipse));
}

void frmInfo::mouseReleaseEvent(QMouseEvent* e) {
    if (rect().contains(e->position().toPoint()))
        accept();
}

bool frmInfo::eventFilter(QObject* objet, QEvent* e) {
    if (objet == m_image1 && e->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(objet, e);
}
