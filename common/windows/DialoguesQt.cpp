#include "DialoguesQt.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QUrl>

namespace {

QString titreOuNom(const QString& titre) {
    return titre.isEmpty() ? QGuiApplication::applicationDisplayName() : titre;
}

QMessageBox::Icon iconeQt(Icone icone) {
    switch (icone) {
    case Icone::Critique:
        return QMessageBox::Critical;
    case Icone::Exclamation:
        return QMessageBox::Warning;
    case Icone::Aucune:
        break;
    }
    return QMessageBox::NoIcon;
}

// Au-delà, un travail qui avance par petits pas passerait son temps à redessiner.
constexpr qint64 IntervalleProgressionMs = 50;

} // namespace

DialoguesQt::DialoguesQt(QWidget* parent) : m_parent(parent) {}

DialoguesQt::~DialoguesQt() {
    finProgression();
}

void DialoguesQt::definirParent(QWidget* parent) {
    m_parent = parent;
}

Reponse DialoguesQt::message(const QString& titre, const QString& texte, Boutons boutons,
                             Icone icone) {
    const bool ouiNon = boutons == Boutons::OuiNon;
    QMessageBox boite(iconeQt(icone), titreOuNom(titre), texte,
                      ouiNon ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, m_parent);
    if (ouiNon)
        boite.setDefaultButton(QMessageBox::Yes);
    switch (boite.exec()) {
    case QMessageBox::Yes:
        return Reponse::Oui;
    case QMessageBox::No:
        return Reponse::Non;
    case QMessageBox::Ok:
        return Reponse::OK;
    default:
        // Boîte fermée autrement (fenêtre détruite...) : pour une question, rien n'est accepté.
        return ouiNon ? Reponse::Annuler : Reponse::OK;
    }
}

std::optional<QString> DialoguesQt::saisie(const QString& titre, const QString& invite,
                                           const QString& texteInitial) {
    bool ok = false;
    const QString texte = QInputDialog::getText(m_parent, titreOuNom(titre), invite,
                                                QLineEdit::Normal, texteInitial, &ok);
    if (!ok)
        return std::nullopt;
    return texte;
}

bool DialoguesQt::ouvrirAvecShell(const QString& chemin) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()));
}

int DialoguesQt::executerModal(QDialog& fenetre) {
    return fenetre.exec();
}

void DialoguesQt::debutProgression(const QString& texte, int total) {
    finProgression();
    // Sans bouton d'annulation : les travaux suivis ici ne savent pas s'interrompre.
    m_progression = new QProgressDialog(texte, QString(), 0, total, m_parent);
    m_progression->setWindowTitle(QGuiApplication::applicationDisplayName());
    m_progression->setWindowModality(Qt::WindowModal);
    m_progression->setMinimumDuration(500);
    m_progression->setAutoClose(false);
    m_progression->setAutoReset(false);
    // La fenêtre parente peut disparaître avant la fin : le pointeur ne doit pas survivre.
    QObject::connect(m_progression, &QObject::destroyed, [this] { m_progression = nullptr; });
    m_progression->setValue(0);
    m_dernierRafraichissement.start();
}

void DialoguesQt::avancerProgression(int fait) {
    if (!m_progression)
        return;
    if (m_dernierRafraichissement.elapsed() < IntervalleProgressionMs &&
        fait < m_progression->maximum())
        return;
    m_dernierRafraichissement.restart();
    // Boîte modale : setValue() l'affiche passé le délai, puis traite lui-même les événements
    // (dessin, déplacement) ; d'où l'espacement des appels.
    m_progression->setValue(fait);
}

void DialoguesQt::finProgression() {
    if (!m_progression)
        return;
    QProgressDialog* boite = m_progression;
    m_progression = nullptr;
    boite->disconnect();
    delete boite;
}
