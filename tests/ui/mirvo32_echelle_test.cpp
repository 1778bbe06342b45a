// Copyright 2026 the Tavlo32 developers.
// The pictures on a scaled screen. The test runs once per scale (QT_SCALE_FACTOR 1 and 2): a
// die, the cup and a token grabbed from the window show, pixel for pixel, the stored picture made
// for that scale, where the layout puts the element at scale 1; the windows' icon too.
#include "turn/horloge.h"
#include "ui/application_tavlo.h"
#include "ui/disposition.h"
#include "ui/mirvo32.h"
#include "ui/service_boites.h"
#include "ui/service_son.h"

#include <QTest>

namespace tavlo::ui::test {

namespace {

int echelle() {
    return qEnvironmentVariableIntValue("QT_SCALE_FACTOR");
}

class HorlogeFixe final : public turn::Horloge {
public:
    std::uint32_t millisecondesDuJour() const override { return 0; }
};

class SansBoites final : public ServiceBoites {
public:
    void afficher(rules::TypeBoite, const QString&) override {}
};

class SansSon final : public ServiceSon {
public:
    void jouer(rules::Son) override {}
};

} // namespace

class Mirvo32EchelleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(echelle() == 1 || echelle() == 2, "QT_SCALE_FACTOR must be 1 or 2");
        m_fenetre.resize(800, 600);
        m_fenetre.show();
        m_fenetre.MenuNouvelleClick(); // the cup and the pot's tokens show
    }

    void elementMontreLImageDeLEchelle_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("image");
        QTest::newRow("de") << QString("De1") << QString("FACE1");
        QTest::newRow("gobelet") << QString("Gobelet") << QString("GOBELET");
        QTest::newRow("jeton") << QString("Jeton1") << QString("JETON");
    }

    void elementMontreLImageDeLEchelle() {
        QFETCH(QString, element);
        QFETCH(QString, image);
        QWidget* w = m_fenetre.findChild<QWidget*>(element);
        QVERIFY(w != nullptr && w->isVisible());
        QCOMPARE(w->devicePixelRatio(), qreal(echelle()));
        QCOMPARE(w->geometry(), emplacement(element.toStdString()));

        const QString nom = QStringLiteral(":/") + image + (echelle() == 2 ? "@2x" : "");
        const QImage attendue(nom);
        QVERIFY2(!attendue.isNull(), qPrintable(nom));
        QCOMPARE(w->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 attendue.convertToFormat(QImage::Format_RGB32));
    }

    // The title bars of the window, the dialogs and the about box show the application's icon.
    void iconeALEchelle() {
        const QImage attendue(echelle() == 2 ? ":/MAINICON@2x.png" : ":/MAINICON.png");
        const QPixmap icone = QApplication::windowIcon().pixmap(QSize(32, 32), echelle());
        QCOMPARE(icone.toImage().convertToFormat(QImage::Format_ARGB32),
                 attendue.convertToFormat(QImage::Format_ARGB32));
    }

private:
    HorlogeFixe m_horloge;
    SansBoites m_boites;
    SansSon m_son;
    TMirvo32 m_fenetre{m_horloge, m_boites, m_son};
};

} // namespace tavlo::ui::test

int main(int argc, char** argv) {
    tavlo::ui::ApplicationTavlo application(argc, argv);
    tavlo::ui::test::Mirvo32EchelleTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "mirvo32_echelle_test.moc"
