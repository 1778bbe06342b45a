// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QDir>
#include <QImage>
#include <QTest>

namespace tavlo::ui::test {

// Compares what a window shows with its reference picture, a few pixels of anti-aliasing
// apart; a picture that differs is left in the temporary folder to look at. With
// TAVLO_NOUVELLES_REFERENCES set, the picture becomes the new reference instead.
inline void comparerAReference(const QImage& vu, const QString& nom) {
    const QString chemin = QStringLiteral(TAVLO_REFERENCES "/%1.png").arg(nom);
    const QImage image = vu.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("TAVLO_NOUVELLES_REFERENCES")) {
        QVERIFY(image.save(chemin));
        return;
    }
    const QImage reference = QImage(chemin).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), reference.size());
    int differents = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, y);
            const QRgb b = reference.pixel(x, y);
            const int ecart =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
            differents += ecart > 48 ? 1 : 0;
        }
    }
    if (differents > 8) {
        image.save(QDir::temp().filePath(nom + QStringLiteral("-vu.png")));
    }
    QVERIFY2(
        differents <= 8,
        qPrintable(
            QStringLiteral("%1: %2 pixels differ from the reference").arg(nom).arg(differents)));
}

} // namespace tavlo::ui::test
