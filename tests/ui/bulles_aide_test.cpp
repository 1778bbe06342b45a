// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "ui/bulles_aide.h"

#include <QToolTip>

using tavlo::ui::BullesAide;

// The tooltips' timing: 500 ms before the first, 2,500 ms shown, 50 ms before the next one.
class BullesAideTest : public QObject {
    Q_OBJECT

private slots:
    void premiereBulleApresUneDemiSecondeSuivanteApresCinquante();
    void quitterLElementAnnuleLAttente();
    void lOutilDuSystemeNeMontreRien();

private:
    struct Scene {
        QWidget fond;
        QWidget* a = new QWidget(&fond);
        QWidget* b = new QWidget(&fond);
        BullesAide bulles{&fond};
        Scene() {
            a->setGeometry(0, 0, 50, 50);
            b->setGeometry(60, 0, 50, 50);
            a->setToolTip(QStringLiteral("A"));
            b->setToolTip(QStringLiteral("B"));
            bulles.surveiller(a);
            bulles.surveiller(b);
            fond.show();
        }
    };
    static void entrer(QWidget* w) {
        QEnterEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), w->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(w, &e);
    }
    static void sortir(QWidget* w) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
};

void BullesAideTest::premiereBulleApresUneDemiSecondeSuivanteApresCinquante() {
    Scene s;
    entrer(s.a);
    QVERIFY(s.bulles.minuterie().isActive());
    QCOMPARE(s.bulles.minuterie().interval(), 500);
    s.bulles.afficher();
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("A"));
    sortir(s.a);
    entrer(s.b);
    QCOMPARE(s.bulles.minuterie().interval(), 50);
    s.bulles.afficher();
    QCOMPARE(QToolTip::text(), QStringLiteral("B"));
    QToolTip::hideText();
}

void BullesAideTest::quitterLElementAnnuleLAttente() {
    Scene s;
    entrer(s.a);
    sortir(s.a);
    QVERIFY(!s.bulles.minuterie().isActive());
    s.bulles.afficher();
    QVERIFY(!QToolTip::isVisible());
}

void BullesAideTest::lOutilDuSystemeNeMontreRien() {
    Scene s;
    QHelpEvent aide(QEvent::ToolTip, QPoint(5, 5), s.a->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(s.a, &aide);
    QVERIFY(!QToolTip::isVisible());
}

TAVLO_TEST_MAIN(BullesAideTest)
#include "bulles_aide_test.moc"
