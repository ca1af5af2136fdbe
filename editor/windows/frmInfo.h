#pragma once
// La fenêtre « Info » : une ellipse posée sur un fond en mosaïque, la présentation du
// programme, ses nouveautés et la ligne des auteurs dont la couleur tourne doucement. Un clic
// sur le fond ou sur l'image la ferme ; elle est refaite à chaque ouverture, son compteur
// repart donc de 0.

#include <QDialog>
#include <QPixmap>
#include <QTimer>
#include <cstdint>

class QLabel;
class QPlainTextEdit;

class frmInfo : public QDialog {
    Q_OBJECT
public:
    // dossierProgramme : d'où vient la tuile du fond (« imgFond.jpg »).
    explicit frmInfo(const QString& dossierProgramme, QWidget* parent = nullptr);

    std::uint32_t compteur() const { return m_compteur; }
    QLabel* lblInfo(int index) const;
    QLabel* Image1() const { return m_image1; }
    QPlainTextEdit* Text1() const { return m_text1; }
    QTimer& Timer1() { return m_timer1; }
    // Un top du minuteur, comme tous les 50 ms.
    void Top();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QPixmap m_tuile;
    QLabel* m_image1 = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
    QTimer m_timer1;
    std::uint32_t m_compteur = 0;
};
