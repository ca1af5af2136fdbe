#include "EcranFactice.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

QImage EcranFactice(int largeur, int hauteur, quint32 graine) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    QRandomGenerator alea(graine);

    // Fond de bureau : un dégradé doux, comme un fond d'écran.
    {
        QPainter p(&image);
        QLinearGradient fond(0, 0, largeur, hauteur);
        fond.setColorAt(0, QColor(32, 74, 135));
        fond.setColorAt(1, QColor(110, 160, 200));
        p.fillRect(image.rect(), fond);
    }

    // Une zone « photo » : des ondulations et un léger grain, ce que le JPEG aime.
    const int px = largeur / 2, py = hauteur / 8, pl = largeur / 2 - largeur / 16, ph = hauteur / 2;
    for (int y = py; y < py + ph && y < hauteur; ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = px; x < px + pl && x < largeur; ++x) {
            const double u = double(x - px) / pl, v = double(y - py) / ph;
            const int grain = int(alea.bounded(9)) - 4;
            const int r = int(120 + 90 * std::sin(6 * u + 2 * v)) + grain;
            const int g = int(140 + 70 * std::cos(4 * v - 3 * u)) + grain;
            const int b = int(90 + 60 * std::sin(9 * u * v)) + grain;
            ligne[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Deux fenêtres : barre de titre dégradée, fond blanc, texte noir et lignes colorées.
    const auto fenetre = [&](QRect cadre, const QString& titre, int lignes) {
        QLinearGradient barre(cadre.topLeft(), cadre.topRight());
        barre.setColorAt(0, QColor(0, 84, 227));
        barre.setColorAt(1, QColor(61, 149, 255));
        p.fillRect(cadre, Qt::white);
        p.fillRect(QRect(cadre.left(), cadre.top(), cadre.width(), 28), barre);
        p.setPen(Qt::white);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
        p.drawText(cadre.left() + 8, cadre.top() + 20, titre);
        p.setPen(QColor(60, 60, 60));
        p.drawRect(cadre.adjusted(0, 0, -1, -1));
        QFont texte(QStringLiteral("DejaVu Sans"), 10);
        p.setFont(texte);
        const QColor couleurs[] = {Qt::black, QColor(200, 0, 0), QColor(0, 110, 0),
                                   QColor(0, 0, 190), QColor(128, 0, 128)};
        for (int i = 0; i < lignes; ++i) {
            const int y = cadre.top() + 50 + i * 18;
            if (y > cadre.bottom() - 10)
                break;
            p.setPen(couleurs[i % 5]);
            p.drawText(cadre.left() + 12, y,
                       QStringLiteral("Ligne %1 : Diapositive à capturer, été 2024 — réglages "
                                      "qualité %2 ; fichier ScreenShot_%1.jpg")
                           .arg(i + 1)
                           .arg(alea.bounded(1, 101)));
        }
    };
    fenetre(QRect(largeur / 20, hauteur / 10, largeur * 2 / 5, hauteur * 3 / 5),
            QStringLiteral("Éditeur de diaporama"), 40);
    fenetre(QRect(largeur / 4, hauteur / 2, largeur / 2, hauteur * 2 / 5),
            QStringLiteral("Réglages de la capture"), 30);

    // Boutons colorés au texte clair : le cas où le sous-échantillonnage des couleurs bave.
    QFont grand(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
    p.setFont(grand);
    const QColor fonds[] = {QColor(200, 30, 30), QColor(20, 140, 60), QColor(230, 160, 0),
                            QColor(90, 40, 160)};
    for (int i = 0; i < 4; ++i) {
        const QRect bouton(largeur / 20 + i * (largeur / 9), hauteur - hauteur / 12, largeur / 10,
                           hauteur / 20);
        p.setPen(Qt::NoPen);
        p.setBrush(fonds[i]);
        p.drawRoundedRect(bouton, 6, 6);
        p.setPen(i == 2 ? QColor(0, 0, 120) : QColor(255, 255, 210));
        p.drawText(bouton, Qt::AlignCenter, QStringLiteral("Capture %1").arg(i + 1));
    }

    // Icônes : disques en dégradé radial et traits obliques lissés.
    for (int i = 0; i < 12; ++i) {
        const QPointF c(largeur - largeur / 20.0, hauteur / 14.0 + i * hauteur / 14.0);
        const double r = hauteur / 40.0;
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor::fromHsv(i * 30, 120, 255));
        g.setColorAt(1, QColor::fromHsv(i * 30, 255, 140));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
        p.setPen(QPen(QColor::fromHsv((i * 30 + 180) % 360, 255, 200), 2));
        p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
    }
    return image;
}
