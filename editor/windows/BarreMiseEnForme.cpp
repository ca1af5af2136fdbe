#include "BarreMiseEnForme.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTextEdit>

namespace {
// Les deux boutons à image : la couleur du texte et l'effacement du commentaire.
QIcon IconeRich(int index) {
    QPixmap image(QSize(20, 20) * 2);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 6) {
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRect(0, 0, 20, 15), Qt::AlignCenter, QStringLiteral("A"));
        QLinearGradient arc(2, 0, 18, 0);
        arc.setColorAt(0, Qt::red);
        arc.setColorAt(0.35, Qt::yellow);
        arc.setColorAt(0.65, Qt::green);
        arc.setColorAt(1, Qt::blue);
        p.fillRect(QRectF(2, 15, 16, 3.5), arc);
    } else {
        p.setPen(QPen(QColor(170, 40, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        QPainterPath fleche;
        fleche.moveTo(15.5, 15);
        fleche.cubicTo(17, 8, 11, 4, 5.5, 7.5);
        p.drawPath(fleche);
        p.drawLine(QPointF(5.5, 7.5), QPointF(9.5, 4.5));
        p.drawLine(QPointF(5.5, 7.5), QPointF(8.5, 11.5));
    }
    return QIcon(image);
}

struct Definition {
    QString legende, bulle;
};
} // namespace

BarreMiseEnForme::BarreMiseEnForme(CommandesTexte& commandes, QTextEdit& editeurTexte,
                                   QWidget* parent)
    : QWidget(parent), m_commandes(commandes), m_texte(editeurTexte) {
    setObjectName(QStringLiteral("miseEnForme"));
    auto* rangee = new QGridLayout(this);
    rangee->setContentsMargins(0, 0, 0, 0);
    rangee->setHorizontalSpacing(3);

    m_comboPolice = new QComboBox(this);
    m_comboPolice->setObjectName(QStringLiteral("comboPolice"));
    m_comboPolice->setToolTip(QStringLiteral("Nom de la police"));
    m_comboPolice->setAccessibleName(QStringLiteral("Nom de la police"));
    m_comboPolice->addItems(FamillesDePolices(QFontDatabase::families()));
    m_comboPolice->setEditable(true);
    m_comboPolice->setInsertPolicy(QComboBox::NoInsert);
    m_comboPolice->setEditText(QStringLiteral("MS Sans Serif"));
    m_comboPolice->setMinimumContentsLength(14);
    // « activated » : choisir l'entrée que la liste montre déjà applique aussi la police.
    connect(m_comboPolice, &QComboBox::activated, this, [this](int index) {
        if (index < 0)
            return;
        QTextCursor c = m_texte.textCursor();
        m_commandes.ChoixPolice(m_comboPolice->itemText(index), c);
        m_texte.setTextCursor(c);
    });

    m_comboTaille = new QComboBox(this);
    m_comboTaille->setObjectName(QStringLiteral("comboTaille"));
    m_comboTaille->setToolTip(QStringLiteral("Taille de la police"));
    m_comboTaille->setAccessibleName(QStringLiteral("Taille de la police"));
    m_comboTaille->addItems({QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"),
                             QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
                             QStringLiteral("20")});
    m_comboTaille->setCurrentIndex(1);
    connect(m_comboTaille, &QComboBox::activated, this, [this](int index) {
        if (index < 0)
            return;
        QTextCursor c = m_texte.textCursor();
        m_commandes.ChoixTaille(m_comboTaille->itemText(index), c);
        m_texte.setTextCursor(c);
    });
    rangee->addWidget(m_comboPolice, 0, 0, 1, 6);
    rangee->addWidget(m_comboTaille, 0, 6, 1, 3);

    const Definition definitions[9] = {
        {QStringLiteral("i"), QStringLiteral("italiques")},
        {QStringLiteral("s"), QStringLiteral("souligné")},
        {QStringLiteral("g"), QStringLiteral("gras")},
        {QStringLiteral("b"), QStringLiteral("barré")},
        {QStringLiteral("exp"), QStringLiteral("exposant")},
        {QStringLiteral("ind"), QStringLiteral("indice")},
        {QString(), QStringLiteral("couleur du texte")},
        {QString(), QStringLiteral("UNDO")},
        {QString(), QStringLiteral("couleur du texte")},
    };
    for (int i = 0; i < 9; ++i) {
        auto* b = new QPushButton(definitions[i].legende, this);
        b->setObjectName(QStringLiteral("cmdRich_%1").arg(i));
        b->setToolTip(definitions[i].bulle);
        b->setAccessibleName(definitions[i].bulle);
        b->setFixedSize(34, 28);
        b->setFocusPolicy(Qt::TabFocus);
        QFont f = b->font();
        f.setItalic(i == 0);
        f.setUnderline(i == 1);
        f.setBold(i == 2);
        f.setStrikeOut(i == 3);
        b->setFont(f);
        if (i == 6 || i == 7)
            b->setIcon(IconeRich(i));
        connect(b, &QPushButton::clicked, this, [this, i] { BoutonRich(i); });
        m_cmdRich[i] = b;
        rangee->addWidget(b, 1, i);
    }
    // Les contrôles gardent leur place cachés : les montrer ne pousse pas le commentaire.
    for (QWidget* w : findChildren<QWidget*>()) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
    Montrer({});
}

void BarreMiseEnForme::TeindrePastille() {
    m_cmdRich[8]->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #555;")
                                    .arg(m_commandes.couleurPastille.name()));
}

void BarreMiseEnForme::Montrer(const EtatControlesTexte& etat) {
    for (int i = 0; i < 8; ++i)
        m_cmdRich[i]->setVisible(etat.visibles);
    m_cmdRich[8]->setVisible(etat.visibles && etat.couleurVisible);
    TeindrePastille();
    m_comboPolice->setVisible(etat.visibles);
    m_comboTaille->setVisible(etat.visibles);
    if (!etat.taille.isEmpty()) {
        const int t = m_comboTaille->findText(etat.taille);
        if (t >= 0)
            m_comboTaille->setCurrentIndex(t);
    }
    if (!etat.police.isEmpty()) {
        const int p = m_comboPolice->findText(etat.police);
        if (p >= 0)
            m_comboPolice->setCurrentIndex(p);
    }
}

void BarreMiseEnForme::BoutonRich(int index) {
    QTextCursor c = m_texte.textCursor();
    m_commandes.BoutonRich(index, c);
    m_texte.setTextCursor(c);
    if (index == 6 || index == 8)
        TeindrePastille();
}

void BarreMiseEnForme::RelachementSurEditeur() {
    Montrer(m_commandes.RelachementSouris(m_texte.textCursor()));
    m_commandes.FinRelachement();
}
