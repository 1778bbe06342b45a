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
    const QImage reference = QImage(chemin).convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("TAVLO_NOUVELLES_REFERENCES")) {
        QVERIFY(image.save(chemin));
    } else if (image.size() != reference.size()) {
        QFAIL(qPrintable(nom + QStringLiteral(": not the reference's size")));
    }
    int differents = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QRgb a = image.pixel(i % image.width(), i / image.width());
        const QRgb b = reference.pixel(i % image.width(), i / image.width());
        differents += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b))}) > 48;
    }
    if (differents > 8 && image.save(QDir::temp().filePath(nom + QStringLiteral("-vu.png")))) {
        QFAIL(qPrintable(QStringLiteral("%1: %2 pixels differ").arg(nom).arg(differents)));
    }
}

} // namespace tavlo::ui::test
