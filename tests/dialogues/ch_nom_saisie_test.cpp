// Copyright 2026 the Tavlo32 developers.
#include "ui/ch_nom.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

// What reaches a name, typed or pasted: no control or format character, and at most ten
// characters as a person counts them, none of them cut in half.
class ChNomSaisieTest : public QObject {
    Q_OBJECT

private slots:
    void saisie_data();
    void saisie();
};

void ChNomSaisieTest::saisie_data() {
    QTest::addColumn<bool>("colle");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("nom");
    // What broke: a carriage return cut the name on the board and in the rounds-won box.
    QTest::newRow("commandes, formats, separateur de ligne")
        << true << QString::fromUtf8("a\rb\tc\nd\0e\033f\177g\u200Bh\u2028i\u00ADj", 24)
        << "ABCDEFGHIJ";
    QTest::newRow("liant tape") << false << QString::fromUtf8("a\u200Dbcdefghijk") << "ABCDEFGHIJ";
    // What broke: the die's surrogate pair was cut at the tenth unit and showed as a "?".
    QTest::newRow("emoji dixieme") << true << QString::fromUtf8("abcdefghi\U0001F3B2")
                                   << QString::fromUtf8("ABCDEFGHI\U0001F3B2");
    QTest::newRow("emoji onzieme")
        << true << QString::fromUtf8("abcdefghij\U0001F3B2") << "ABCDEFGHIJ";
    // What broke: player 1's box showed a name ending in a combining accent as the accent alone.
    QTest::newRow("accent combinant")
        << true << QString::fromUtf8("abcdefghie\u0301k") << QString::fromUtf8("ABCDEFGHI\u00C9");
}

void ChNomSaisieTest::saisie() {
    QFETCH(bool, colle);
    QFETCH(QString, texte);
    QFETCH(QString, nom);
    TChNom dialogue(nullptr, {});
    auto* champ = dialogue.findChild<QLineEdit*>("Nom1");
    if (colle) {
        QApplication::clipboard()->setText(texte);
        QTest::keyClick(champ, Qt::Key_V, Qt::ControlModifier);
    } else {
        for (const QChar c : texte) {
            QTest::sendKeyEvent(QTest::Click, champ, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    QCOMPARE(dialogue.nom1(), nom);
}

QTEST_MAIN(ChNomSaisieTest)

#include "ch_nom_saisie_test.moc"
