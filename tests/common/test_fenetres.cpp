#include "DialoguesQt.h"
#include "Feuilles.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QProgressDialog* progression(QWidget& parent) {
    return parent.findChild<QProgressDialog*>();
}

} // namespace

class TestFenetres : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void centrer();
    void message_data();
    void message();
    void saisie();
    void progressionDiscrete();
    void progressionLongue();
    void progressionSurvitAuParent();

private:
    void quandModale(std::function<void(QWidget*)> action);
};

// Agit sur la prochaine boîte modale dès qu'elle est ouverte, à la place de l'utilisateur.
void TestFenetres::quandModale(std::function<void(QWidget*)> action) {
    auto* minuteur = new QTimer(this);
    connect(minuteur, &QTimer::timeout, [minuteur, action] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            minuteur->stop();
            minuteur->deleteLater();
            action(w);
        }
    });
    minuteur->start(10);
}

// Un test raté ne doit pas laisser d'automate répondre aux boîtes du test suivant.
void TestFenetres::cleanup() {
    qDeleteAll(findChildren<QTimer*>());
}

void TestFenetres::centrer() {
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    QWidget w;
    w.resize(200, 100);
    CentrerFeuille(w);
    QCOMPARE(w.pos(),
             QPoint(ecran.x() + (ecran.width() - 200) / 2, ecran.y() + (ecran.height() - 100) / 2));

    // Plus grande que l'écran : le coin passe en négatif, le centre reste au centre.
    QWidget grande;
    grande.resize(ecran.width() + 101, ecran.height() + 51);
    grande.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grande));
    CentrerFeuille(grande);
    const QSize cadre = grande.frameGeometry().size();
    QCOMPARE(grande.pos(), QPoint(ecran.x() + (ecran.width() - cadre.width()) / 2,
                                  ecran.y() + (ecran.height() - cadre.height()) / 2));
    QVERIFY(grande.pos().x() < 0);
}

void TestFenetres::message_data() {
    QTest::addColumn<int>("boutons");
    QTest::addColumn<int>("icone");
    QTest::addColumn<int>("clic");
    QTest::addColumn<int>("iconeQt");
    QTest::addColumn<int>("reponse");
    const auto i = [](auto x) { return static_cast<int>(x); };
    QTest::newRow("ok") << i(Boutons::OK) << i(Icone::Aucune) << i(QMessageBox::Ok)
                        << i(QMessageBox::NoIcon) << i(Reponse::OK);
    QTest::newRow("oui") << i(Boutons::OuiNon) << i(Icone::Exclamation) << i(QMessageBox::Yes)
                         << i(QMessageBox::Warning) << i(Reponse::Oui);
    QTest::newRow("non") << i(Boutons::OuiNon) << i(Icone::Critique) << i(QMessageBox::No)
                         << i(QMessageBox::Critical) << i(Reponse::Non);
}

void TestFenetres::message() {
    QFETCH(int, boutons);
    QFETCH(int, icone);
    QFETCH(int, clic);
    QFETCH(int, iconeQt);
    QFETCH(int, reponse);
    QWidget parent;
    DialoguesQt d(&parent);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Ostrelle essai"));
    QMessageBox* vue = nullptr;
    QMessageBox::StandardButtons presents;
    QMessageBox::Icon iconeVue = QMessageBox::NoIcon;
    bool ouiParDefaut = false;
    QString titre, texte;
    QObject* parentVu = nullptr;
    quandModale([&](QWidget* w) {
        vue = qobject_cast<QMessageBox*>(w);
        if (!vue) {
            w->close();
            return;
        }
        presents = vue->standardButtons();
        iconeVue = vue->icon();
        ouiParDefaut =
            vue->defaultButton() && vue->defaultButton() == vue->button(QMessageBox::Yes);
        titre = vue->windowTitle();
        texte = vue->text();
        parentVu = vue->parent();
        vue->button(QMessageBox::StandardButton(clic))->click();
    });
    const Reponse r = d.message(QString(), "Le texte", Boutons(boutons), Icone(icone));
    QVERIFY(vue);
    QCOMPARE(int(r), reponse);
    QCOMPARE(titre, QStringLiteral("Ostrelle essai")); // titre vide : nom du programme
    QCOMPARE(texte, QStringLiteral("Le texte"));
    QCOMPARE(parentVu, &parent);
    QCOMPARE(iconeVue, QMessageBox::Icon(iconeQt));
    if (Boutons(boutons) == Boutons::OuiNon) {
        QCOMPARE(presents, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(ouiParDefaut);
    } else {
        QCOMPARE(presents, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

void TestFenetres::saisie() {
    DialoguesQt d;
    QString initial;
    quandModale([&](QWidget* w) {
        auto* boite = qobject_cast<QInputDialog*>(w);
        if (!boite) {
            w->close();
            return;
        }
        initial = boite->textValue();
        boite->setTextValue("réponse");
        boite->accept();
    });
    QCOMPARE(d.saisie("Titre", "Invite", "départ"), std::optional<QString>("réponse"));
    QCOMPARE(initial, QStringLiteral("départ"));

    quandModale([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    QCOMPARE(d.saisie("Titre", "Invite", "départ"), std::nullopt);
}

// Un travail bref ne montre rien, et les avancées trop rapprochées ne coûtent rien.
void TestFenetres::progressionDiscrete() {
    QWidget parent;
    parent.show();
    DialoguesQt d(&parent);
    QElapsedTimer ecart;
    ecart.start();
    d.debutProgression("Copie des fichiers", 100);
    QProgressDialog* p = progression(parent);
    QVERIFY(p);
    QCOMPARE(p->windowModality(), Qt::WindowModal);
    QCOMPARE(p->labelText(), QStringLiteral("Copie des fichiers"));
    QVERIFY(!p->findChild<QPushButton*>()); // rien à annuler
    d.avancerProgression(10);
    if (ecart.elapsed() < 40) // sur une machine très chargée, l'intervalle a pu s'écouler
        QCOMPARE(p->value(), 0);
    QTest::qSleep(60);
    d.avancerProgression(20);
    QCOMPARE(p->value(), 20);
    d.avancerProgression(100); // la fin s'affiche toujours
    QCOMPARE(p->value(), 100);
    QVERIFY(!p->isVisible());
    d.finProgression();
    QVERIFY(!progression(parent));
}

void TestFenetres::progressionLongue() {
    QWidget parent;
    parent.show();
    DialoguesQt d(&parent);
    d.debutProgression("Long travail", 1000);
    QElapsedTimer duree;
    duree.start();
    int i = 0;
    while (duree.elapsed() < 800) {
        d.avancerProgression(++i % 1000);
        QTest::qSleep(5);
    }
    QVERIFY(progression(parent));
    QVERIFY(progression(parent)->isVisible());
    // Une nouvelle progression remplace l'ancienne sans la laisser traîner.
    d.debutProgression("Suite", 10);
    QCOMPARE(parent.findChildren<QProgressDialog*>().size(), 1);
    d.finProgression();
    QVERIFY(!progression(parent));
}

void TestFenetres::progressionSurvitAuParent() {
    DialoguesQt d;
    {
        QWidget parent;
        d.definirParent(&parent);
        d.debutProgression("Travail", 10);
    }
    // La boîte est partie avec sa fenêtre : rien ne doit la toucher ensuite.
    d.avancerProgression(10);
    d.finProgression();
}

QTEST_MAIN(TestFenetres)
#include "test_fenetres.moc"
