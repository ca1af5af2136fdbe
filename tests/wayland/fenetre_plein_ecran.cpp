// Une vraie fenêtre Qt en plein écran sous sway (plateforme wayland) : elle peint le motif
// (Motif.h) en pixels réels, à son devicePixelRatio, et attend au clavier « abc », Ctrl+Droite
// puis Entrée. Code 0 si tout est arrivé dans cet ordre, 1 sinon ou au bout de 30 s.

#include "Motif.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRasterWindow>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {

const QString Attendu = "abc<ctrl+droite>";

class Fenetre : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent*) override {
        const qreal echelle = devicePixelRatio();
        const QSize reelle(std::lround(width() * echelle), std::lround(height() * echelle));
        if (m_image.size() != reelle) {
            m_image = ImageMotif(reelle.width(), reelle.height());
            m_image.setDevicePixelRatio(echelle);
        }
        QPainter p(this);
        p.drawImage(0, 0, m_image);
    }

    void keyPressEvent(QKeyEvent* e) override {
        const bool ctrl = e->modifiers() & Qt::ControlModifier;
        if (e->key() == Qt::Key_Return) {
            const bool bon = m_recu == Attendu;
            std::fprintf(stderr, "fenetre_plein_ecran : %dx%d à l'échelle %g, reçu « %s »%s\n",
                         width(), height(), devicePixelRatio(), qPrintable(m_recu),
                         bon ? "" : qPrintable(" au lieu de « " + Attendu + " »"));
            QCoreApplication::exit(bon ? 0 : 1);
        } else if (e->key() == Qt::Key_Right) {
            m_recu += ctrl ? "<ctrl+droite>" : "<droite>";
        } else if (!e->text().isEmpty()) {
            m_recu += ctrl ? "<ctrl+" + e->text() + ">" : e->text();
        }
    }

private:
    QImage m_image;
    QString m_recu;
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (QGuiApplication::platformName() != "wayland") {
        std::fprintf(stderr, "fenetre_plein_ecran : plateforme %s au lieu de wayland\n",
                     qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    Fenetre fenetre;
    fenetre.showFullScreen();
    QTimer::singleShot(30000, [] {
        std::fprintf(stderr, "fenetre_plein_ecran : pas d'Entrée en 30 s\n");
        QCoreApplication::exit(1);
    });
    return app.exec();
}
