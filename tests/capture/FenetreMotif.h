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
    FenetreMotif() : QWidget(nullptr, Qt::FramelessWindowHint) {
        const QRect zone = QGuiApplication::primaryScreen()->geometry();
        m_image = ImageMotif(zone.width(), zone.height());
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
