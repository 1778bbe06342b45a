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
    void image_data();
    void image();
    void son_data();
    void son();
    void sonAbime_data();
    void sonAbime();
};

void RessourcesTest::image_data() {
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<QImage::Format>("format");
    QTest::newRow(":/PLATEAU") << QSize(629, 377) << QImage::Format_Indexed8;
    for (int f = 1; f <= 6; ++f) {
        QTest::addRow(":/FACE%d", f) << QSize(60, 60) << QImage::Format_Indexed8;
    }
    QTest::newRow(":/GOBELET") << QSize(80, 107) << QImage::Format_Indexed8;
    QTest::newRow(":/JETON") << QSize(40, 15) << QImage::Format_Indexed8;
    QTest::newRow(":/MAINICON.png") << QSize(32, 32) << QImage::Format_RGB32;
}

void RessourcesTest::image() {
    QFETCH(QSize, taille);
    QFETCH(QImage::Format, format);
    const QImage image(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(image.size(), taille);
    QCOMPARE(image.format(), format);
    QVERIFY(image.colorCount() <= 256);
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
    const qsizetype fmt = bon.indexOf("fmt ") + 8;
    auto avec = [&bon](qsizetype position, quint16 valeur) {
        QByteArray image = bon;
        qToLittleEndian<quint16>(valeur, image.data() + position);
        return image;
    };
    QTest::newRow("vide") << QByteArray();
    QTest::newRow("pas RIFF") << QByteArray(bon).replace(0, 4, "RIFX");
    QTest::newRow("pas WAVE") << QByteArray(bon).replace(8, 4, "AVI ");
    QTest::newRow("tronqué") << bon.chopped(101);
    QTest::newRow("compressé") << avec(fmt, 2);
    QTest::newRow("sans canal") << avec(fmt + 2, 0);
    QTest::newRow("12 bits") << avec(fmt + 14, 12);
    QTest::newRow("sans data") << bon.left(bon.indexOf("data"));
}

void RessourcesTest::sonAbime() {
    QFETCH(QByteArray, image);
    QVERIFY(!lireWav(image).has_value());
}

TAVLO_TEST_MAIN(RessourcesTest)
#include "ressources_test.moc"
