#include "Windows1252.h"

#include <QRandomGenerator>
#include <QTest>

class TestWindows1252 : public QObject {
    Q_OBJECT
private slots:
    void chaqueOctetFaitLAllerRetour();
    void table_data();
    void table();
    void caracteresHorsPage_data();
    void caracteresHorsPage();
    void referencesLaisseesTelles_data();
    void referencesLaisseesTelles();
    void octetsQuelconquesInchanges();
    void texteQuelconqueInchange();
    void texteAvecReferencesTapees();
};

void TestWindows1252::chaqueOctetFaitLAllerRetour() {
    QByteArray tous;
    for (int b = 0; b < 256; ++b) {
        const QByteArray un(1, static_cast<char>(b));
        const QString lu = DecoderWindows1252(un);
        QCOMPARE(lu.size(), 1);
        QCOMPARE(EncoderWindows1252(lu), un);
        tous.append(un);
    }
    QCOMPARE(EncoderWindows1252(DecoderWindows1252(tous)), tous);
}

void TestWindows1252::table_data() {
    QTest::addColumn<int>("octet");
    QTest::addColumn<int>("unicode");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("non défini 81") << 0x81 << 0x0081;
    QTest::newRow("guillemet bas") << 0x82 << 0x201A;
    QTest::newRow("OE") << 0x8C << 0x0152;
    QTest::newRow("non défini 9D") << 0x9D << 0x009D;
    QTest::newRow("oe") << 0x9C << 0x0153;
    QTest::newRow("Y tréma") << 0x9F << 0x0178;
    QTest::newRow("marque") << 0x99 << 0x2122;
    QTest::newRow("espace insécable") << 0xA0 << 0x00A0;
    QTest::newRow("e aigu") << 0xE9 << 0x00E9;
    QTest::newRow("A") << 0x41 << 0x0041;
}

void TestWindows1252::table() {
    QFETCH(int, octet);
    QFETCH(int, unicode);
    const QByteArray b(1, static_cast<char>(octet));
    QCOMPARE(DecoderWindows1252(b), QString(QChar(unicode)));
    QCOMPARE(EncoderWindows1252(QString(QChar(unicode))), b);
}

void TestWindows1252::caracteresHorsPage_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("oméga") << QStringLiteral("Ω") << QByteArray("&#937;");
    QTest::newRow("émoji") << QString::fromUtf8("\U0001F600") << QByteArray("&#128512;");
    QTest::newRow("chinois") << QStringLiteral("中文") << QByteArray("&#20013;&#25991;");
    QTest::newRow("dernier") << QString::fromUcs4(U"\U0010FFFF") << QByteArray("&#1114111;");
    QTest::newRow("contrôle C1 défini ailleurs") << QString(QChar(0x80)) << QByteArray("&#128;");
    QTest::newRow("mélange") << QStringLiteral("é€Ωa") << QByteArray("\xE9\x80&#937;a");
    QTest::newRow("référence tapée avant") << QStringLiteral("&#12Ω") << QByteArray("&#12&#937;");
    // Un texte qui ressemble à une référence serait relu comme le caractère : son esperluette
    // s'écrit elle-même en référence.
    QTest::newRow("référence tapée") << QStringLiteral("a&#937;b") << QByteArray("a&#38;#937;b");
    QTest::newRow("esperluette tapée en référence")
        << QStringLiteral("&#38;") << QByteArray("&#38;#38;");
    QTest::newRow("séparateur tapé") << QStringLiteral("&#8233;") << QByteArray("&#38;#8233;");
    QTest::newRow("esperluette ordinaire")
        << QStringLiteral("Tom & Jerry") << QByteArray("Tom & Jerry");
}

void TestWindows1252::caracteresHorsPage() {
    QFETCH(QString, texte);
    QFETCH(QByteArray, octets);
    QCOMPARE(EncoderWindows1252(texte), octets);
    QCOMPARE(DecoderWindows1252(octets), texte);
}

void TestWindows1252::referencesLaisseesTelles_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("caractère de la page") << QByteArray("&#65;");
    QTest::newRow("e aigu") << QByteArray("&#233;");
    QTest::newRow("euro") << QByteArray("&#8364;");
    QTest::newRow("vide") << QByteArray("&#;");
    QTest::newRow("sans fin") << QByteArray("&#12");
    QTest::newRow("sans fin, oméga") << QByteArray("x&#937");
    QTest::newRow("trop grand") << QByteArray("&#99999999;");
    QTest::newRow("hors Unicode") << QByteArray("&#1114112;");
    QTest::newRow("zéro de tête") << QByteArray("&#0937;");
    QTest::newRow("substitution") << QByteArray("&#55357;");
    QTest::newRow("hexadécimal") << QByteArray("&#x3A9;");
    QTest::newRow("espace") << QByteArray("&# 937;");
    QTest::newRow("esperluettes") << QByteArray("&&#&");
}

void TestWindows1252::referencesLaisseesTelles() {
    QFETCH(QByteArray, octets);
    QCOMPARE(DecoderWindows1252(octets), QString::fromLatin1(octets));
    QCOMPARE(EncoderWindows1252(DecoderWindows1252(octets)), octets);
}

// Tout ce qui a été écrit se relit et se réécrit à l'identique, même les morceaux de
// références que le hasard fabrique.
void TestWindows1252::octetsQuelconquesInchanges() {
    QRandomGenerator alea(1252);
    const QByteArray morceaux[] = {"&#",     "937",  "65",   ";",    "0", "&",
                                   "128512", "\x80", "\xFF", "\x81", "a", "\r\n"};
    for (int essai = 0; essai < 2000; ++essai) {
        QByteArray x;
        const int n = alea.bounded(12);
        for (int i = 0; i < n; ++i)
            x += morceaux[alea.bounded(int(std::size(morceaux)))];
        QCOMPARE(EncoderWindows1252(DecoderWindows1252(x)), x);
    }
}

void TestWindows1252::texteQuelconqueInchange() {
    QRandomGenerator alea(937);
    // Sans « # », le hasard ne peut pas former de référence dans le texte de départ.
    const char32_t choix[] = {U'&',      U';',      U'1',      U'9',          U'é',
                              U'€',      U'Ω',      U'中',     U'\U0001F600', U'\u0081',
                              U'\u0080', U'\u00FF', U'\u2122', U'z'};
    for (int essai = 0; essai < 2000; ++essai) {
        std::u32string s;
        const int n = alea.bounded(10);
        for (int i = 0; i < n; ++i)
            s += choix[alea.bounded(int(std::size(choix)))];
        const QString texte = QString::fromStdU32String(s);
        QCOMPARE(DecoderWindows1252(EncoderWindows1252(texte)), texte);
    }
    // Une moitié de paire seule n'est pas un caractère : elle devient le caractère de
    // remplacement plutôt qu'un octet faux.
    QCOMPARE(EncoderWindows1252(QString(QChar(0xD83D)) + u'a'), QByteArray("&#65533;a"));
}

// Avec « # » et des chiffres, le hasard tape des références : elles se relisent aussi telles
// qu'elles ont été tapées.
void TestWindows1252::texteAvecReferencesTapees() {
    QRandomGenerator alea(8233);
    const char32_t choix[] = {U'&', U'#', U';', U'3', U'8', U'9', U'7', U'2', U'Ω', U'é', U'x'};
    for (int essai = 0; essai < 5000; ++essai) {
        std::u32string s;
        const int n = alea.bounded(12);
        for (int i = 0; i < n; ++i)
            s += choix[alea.bounded(int(std::size(choix)))];
        const QString texte = QString::fromStdU32String(s);
        QCOMPARE(DecoderWindows1252(EncoderWindows1252(texte)), texte);
    }
}

QTEST_APPLESS_MAIN(TestWindows1252)
#include "test_windows1252.moc"
