// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QFont>
#include <QLabel>
#include <QtTest>

// The dialogs are drawn with the metric twins of their fonts, as the program registers them.
inline void substituerPolices() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

// An element sits exactly at its place; a label may grow from its top-left corner, and must
// then show its whole caption.
inline void verifierPlace(const QWidget* element, const QRect& place) {
    if (const auto* label = qobject_cast<const QLabel*>(element)) {
        QCOMPARE(label->pos(), place.topLeft());
        QVERIFY(label->width() >= place.width() && label->height() >= place.height());
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    } else {
        QCOMPARE(element->geometry(), place);
    }
}
