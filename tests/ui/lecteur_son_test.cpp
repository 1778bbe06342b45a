// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "ui/wav.h"

#include <QtEndian>

using tavlo::ui::lireWav;

namespace {

QByteArray morceau(const char* id, const QByteArray& contenu) {
    QByteArray m(id, 4);
    char taille[4];
    qToLittleEndian<quint32>(static_cast<quint32>(contenu.size()), taille);
    m.append(taille, 4).append(contenu);
    if (contenu.size() % 2 != 0) {
        m.append('\0');
    }
    return m;
}

QByteArray fmt(quint16 codage, quint16 canaux, quint32 frequence, quint16 bits) {
    QByteArray f(16, '\0');
    qToLittleEndian<quint16>(codage, f.data());
    qToLittleEndian<quint16>(canaux, f.data() + 2);
    qToLittleEndian<quint32>(frequence, f.data() + 4);
    qToLittleEndian<quint32>(frequence * canaux * bits / 8, f.data() + 8);
    qToLittleEndian<quint16>(static_cast<quint16>(canaux * bits / 8), f.data() + 12);
    qToLittleEndian<quint16>(bits, f.data() + 14);
    return f;
}

QByteArray riff(const QByteArray& morceaux) {
    QByteArray r("RIFF");
    char taille[4];
    qToLittleEndian<quint32>(static_cast<quint32>(morceaux.size() + 4), taille);
    return r.append(taille, 4).append("WAVE").append(morceaux);
}

} // namespace

class LecteurSonTest : public QObject {
    Q_OBJECT

private slots:
    void formatEtEchantillonsDuFichier_data();
    void formatEtEchantillonsDuFichier();
    void fichierIllisibleNeDonneRien_data();
    void fichierIllisibleNeDonneRien();
};

void LecteurSonTest::formatEtEchantillonsDuFichier_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("canaux");
    QTest::addColumn<int>("frequence");
    QTest::addColumn<QAudioFormat::SampleFormat>("echantillon");
    QTest::addColumn<QByteArray>("pcm");
    QTest::newRow("8 bits mono") << riff(morceau("fmt ", fmt(1, 1, 11025, 8)) +
                                         morceau("data", "abc"))
                                 << 1 << 11025 << QAudioFormat::UInt8 << QByteArray("abc");
    // A LIST chunk before the samples is skipped, as is the pad byte of an odd chunk.
    QTest::newRow("LIST avant data") << riff(morceau("fmt ", fmt(1, 2, 11128, 8)) +
                                             morceau("LIST", "INFOx") + morceau("data", "wxyz"))
                                     << 2 << 11128 << QAudioFormat::UInt8 << QByteArray("wxyz");
    QTest::newRow("16 bits") << riff(morceau("fmt ", fmt(1, 1, 22050, 16)) +
                                     morceau("data", "1234"))
                             << 1 << 22050 << QAudioFormat::Int16 << QByteArray("1234");
}

void LecteurSonTest::formatEtEchantillonsDuFichier() {
    QFETCH(QByteArray, image);
    QFETCH(int, canaux);
    QFETCH(int, frequence);
    QFETCH(QAudioFormat::SampleFormat, echantillon);
    QFETCH(QByteArray, pcm);
    const auto son = lireWav(image);
    QVERIFY(son.has_value());
    QCOMPARE(son->format.channelCount(), canaux);
    QCOMPARE(son->format.sampleRate(), frequence);
    QCOMPARE(son->format.sampleFormat(), echantillon);
    QCOMPARE(son->pcm, pcm);
}

void LecteurSonTest::fichierIllisibleNeDonneRien_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::newRow("vide") << QByteArray();
    QTest::newRow("pas RIFF") << QByteArray("RIFX\0\0\0\0WAVE", 12);
    QTest::newRow("data avant fmt")
        << riff(morceau("data", "ab") + morceau("fmt ", fmt(1, 1, 11025, 8)));
    QTest::newRow("compressé") << riff(morceau("fmt ", fmt(2, 1, 11025, 4)) +
                                       morceau("data", "ab"));
    QTest::newRow("data tronqué")
        << riff(morceau("fmt ", fmt(1, 1, 11025, 8)) + morceau("data", "abcdef")).chopped(3);
}

void LecteurSonTest::fichierIllisibleNeDonneRien() {
    QFETCH(QByteArray, image);
    QVERIFY(!lireWav(image).has_value());
}

TAVLO_TEST_MAIN(LecteurSonTest)
#include "lecteur_son_test.moc"
