// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "ui/wav.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

using tavlo::ui::lireWav;

namespace {
QByteArray lire(const QString& nom) {
    QFile fichier(nom);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}
} // namespace

// Every stored picture and sound, read by the program's own means at the size and in the format
// the window and the sound player count on; a damaged sound is refused, not played.
class RessourcesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tavlo::ui::preparerApplication(*qApp); }
    void image_data();
    void image();
    void son_data();
    void son();
    void sonAbime_data();
    void sonAbime() {
        QFETCH(QByteArray, image);
        QVERIFY(!lireWav(image));
    }
};

void RessourcesTest::image_data() {
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<int>("profondeur"); // bits per pixel
    QTest::newRow(":/PLATEAU") << QSize(629, 377) << 8;
    for (int f = 1; f <= 6; ++f) {
        QTest::addRow(":/FACE%d", f) << QSize(60, 60) << 8;
    }
    QTest::newRow(":/GOBELET") << QSize(80, 107) << 8;
    QTest::newRow(":/JETON") << QSize(40, 15) << 8;
    QTest::newRow(":/MAINICON.png") << QSize(32, 32) << 32;
}

void RessourcesTest::image() {
    QFETCH(QSize, taille);
    QFETCH(int, profondeur);
    const QImage image(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(image.size(), taille);
    QCOMPARE(image.depth(), profondeur);
}

void RessourcesTest::son_data() {
    QTest::addColumn<int>("canaux");
    QTest::addColumn<int>("frequence");
    QTest::addColumn<int>("octets");
    QTest::newRow(":/LANCER") << 1 << 11025 << 38545;
    QTest::newRow(":/BRAVO") << 2 << 11128 << 69888;
    QTest::newRow(":/MEILLEUR") << 1 << 11025 << 11311;
}

void RessourcesTest::son() {
    QFETCH(int, canaux);
    QFETCH(int, frequence);
    QFETCH(int, octets);
    const auto son = lireWav(lire(QString::fromLatin1(QTest::currentDataTag())));
    QVERIFY(son.has_value());
    QCOMPARE(son->format.channelCount(), canaux);
    QCOMPARE(son->format.sampleRate(), frequence);
    QCOMPARE(son->format.sampleFormat(), QAudioFormat::UInt8);
    QCOMPARE(son->pcm.size(), octets);
}

void RessourcesTest::sonAbime_data() {
    QTest::addColumn<QByteArray>("image");
    const QByteArray bon = lire(QStringLiteral(":/LANCER"));
    auto avec = [&bon](const char* morceau, qsizetype decalage, quint16 valeur) {
        QByteArray image = bon;
        qToLittleEndian<quint16>(valeur, image.data() + bon.indexOf(morceau) + decalage);
        return image;
    };
    QTest::newRow("vide") << QByteArray();
    QTest::newRow("pas RIFF") << avec("RIFF", 0, 0);
    QTest::newRow("pas WAVE") << avec("WAVE", 0, 0);
    QTest::newRow("tronqué") << bon.chopped(101);
    QTest::newRow("compressé") << avec("fmt ", 8, 2);
    QTest::newRow("sans canal") << avec("fmt ", 10, 0);
    QTest::newRow("12 bits") << avec("fmt ", 22, 12);
    QTest::newRow("sans data") << bon.left(bon.indexOf("data"));
}

QTEST_MAIN(RessourcesTest)
#include "ressources_test.moc"
