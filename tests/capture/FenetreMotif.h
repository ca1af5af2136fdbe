#pragma once
// Pour les copies d'écran réelles sous Xvfb : une fenêtre sans bordure qui couvre l'écran du
// motif connu (CouleurMotif), pour que chaque pixel copié dise d'où il vient.

#include "FauxCapture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

class FenetreMotif : public QWidget {
public:
    // Le motif compté en pixels réels de l'écran, posé pixel pour pixel même sur un écran mis
    // à l'échelle ; origine : le coin de cet écran en pixels réels du bureau.
    explicit FenetreMotif(QScreen* ecran = QGuiApplication::primaryScreen(), QPoint origine = {})
        : QWidget(nullptr, Qt::FramelessWindowHint) {
        const QRect zone = ecran->geometry();
        const double echelle = ecran->devicePixelRatio();
        m_image =
            ImageMotif(qRound(zone.width() * echelle), qRound(zone.height() * echelle), origine);
        m_image.setDevicePixelRatio(echelle);
        setScreen(ecran);
        setGeometry(zone);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, m_image);
    }

private:
    QImage m_image;
};

// Xvfb garde parfois l'ancien contenu juste après un déplacement : on laisse le serveur finir.
inline void LaisserPoser() {
    QTest::qWait(200);
}

// Le cadre de capture montré au-dessus du motif, comme le ferait exec().
inline void MontrerDessus(QWidget& cadre) {
    cadre.show();
    cadre.raise();
    QVERIFY(QTest::qWaitForWindowExposed(&cadre));
    LaisserPoser();
}
