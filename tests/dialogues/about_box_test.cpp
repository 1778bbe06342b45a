// Copyright 2026 the Tavlo32 developers.
#include "place_dialogue.h"
#include "ui/about_box.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include <memory>

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { substituerPolices(); }
    void init() {
        m_fenetre = std::make_unique<QWidget>();
        m_boite = new TAboutBox(m_fenetre.get());
    }
    void cleanup() { m_fenetre.reset(); }

    void placeChaqueElement_data();
    void placeChaqueElement();
    void nomVersionEtCopyright();
    void memoCinqLignesBlanchesSurMarine();
    void panneauNePrendNiFocusNiSouris();
    void boutonOKPorteUneCocheVerte();
    void okEtEntreeFermentLaBoite_data();
    void okEtEntreeFermentLaBoite();

private:
    template <typename T> T* element(const char* nom) const { return m_boite->findChild<T*>(nom); }

    std::unique_ptr<QWidget> m_fenetre;
    TAboutBox* m_boite = nullptr;
};

void AboutBoxTest::placeChaqueElement_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Panel1") << "Panel1" << QRect(8, 8, 281, 169);
    QTest::newRow("ProductName") << "ProductName" << QRect(104, 8, 62, 20);
    QTest::newRow("Version") << "Version" << QRect(105, 28, 65, 13);
    QTest::newRow("Copyright") << "Copyright" << QRect(48, 52, 173, 13);
    QTest::newRow("Memo1") << "Memo1" << QRect(8, 72, 265, 89);
    QTest::newRow("OKButton") << "OKButton" << QRect(120, 184, 75, 25);
}

void AboutBoxTest::placeChaqueElement() {
    QFETCH(QString, nom);
    QFETCH(QRect, place);
    const auto* w = m_boite->findChild<QWidget*>(nom);
    QVERIFY(w);
    verifierPlace(w, place);
}

void AboutBoxTest::nomVersionEtCopyright() {
    QCOMPARE(m_boite->windowTitle(), QStringLiteral("A propos"));
    QCOMPARE(m_boite->size(), QSize(298, 213));
    const auto* nom = element<QLabel>("ProductName");
    QCOMPARE(nom->text(), QStringLiteral("Tavlo32"));
    QVERIFY(nom->font().bold());
    QCOMPARE(nom->font().pixelSize(), 16);
    QCOMPARE(nom->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::yellow));
    QCOMPARE(nom->palette().color(QPalette::Disabled, QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(element<QLabel>("Version")->text(), QStringLiteral("Version 1.0"));
    QVERIFY(element<QLabel>("Copyright")->text().startsWith(QStringLiteral("Copyright")));
}

void AboutBoxTest::memoCinqLignesBlanchesSurMarine() {
    const auto* memo = element<QPlainTextEdit>("Memo1");
    QCOMPARE(memo->document()->blockCount(), 5);
    QCOMPARE(memo->font().pixelSize(), 13);
    // The panel is disabled: the disabled colours are the ones on screen.
    QCOMPARE(memo->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 0, 128));
    QCOMPARE(memo->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::white));

    // Every line fits the memo's width, and all five its height.
    const QFontMetrics mesure(memo->font());
    const int marge = 2 * int(memo->document()->documentMargin());
    const QSize place = memo->contentsRect().size() - QSize(marge, marge);
    for (QTextBlock bloc = memo->document()->begin(); bloc.isValid(); bloc = bloc.next()) {
        QVERIFY2(mesure.horizontalAdvance(bloc.text()) < place.width(), qPrintable(bloc.text()));
    }
    QVERIFY(5 * mesure.lineSpacing() <= place.height());
}

void AboutBoxTest::panneauNePrendNiFocusNiSouris() {
    const auto* panneau = m_boite->findChild<QWidget*>("Panel1");
    QVERIFY(!panneau->isEnabled());
    for (const auto* enfant : panneau->findChildren<QWidget*>()) {
        QVERIFY2(!enfant->isEnabled(), qPrintable(enfant->objectName()));
    }
}

void AboutBoxTest::boutonOKPorteUneCocheVerte() {
    const auto* ok = element<QPushButton>("OKButton");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    const QImage glyphe = ok->icon().pixmap(16, 16).toImage();
    int verts = 0;
    for (int y = 0; y < glyphe.height(); ++y) {
        for (int x = 0; x < glyphe.width(); ++x) {
            const QColor c = glyphe.pixelColor(x, y);
            verts += c.alpha() > 200 && c.green() > 100 && c.red() < 60 && c.blue() < 60;
        }
    }
    QVERIFY2(verts > 10, qPrintable(QString::number(verts)));
}

void AboutBoxTest::okEtEntreeFermentLaBoite_data() {
    QTest::addColumn<bool>("clavier");
    QTest::newRow("clic sur OK") << false;
    QTest::newRow("Entree") << true;
}

void AboutBoxTest::okEtEntreeFermentLaBoite() {
    QFETCH(bool, clavier);
    bool resteOuvert = true;
    QTimer::singleShot(0, m_boite, [&] {
        QCOMPARE(QApplication::activeModalWidget(), m_boite);
        if (clavier) {
            QTest::keyClick(m_boite, Qt::Key_Return);
        } else {
            QTest::mouseClick(element<QPushButton>("OKButton"), Qt::LeftButton);
        }
        resteOuvert = m_boite->isVisible();
    });
    // Whatever happened above, the box is closed once its loop runs dry.
    QTimer::singleShot(0, m_boite, &QDialog::reject);
    m_boite->exec();
    QVERIFY(!resteOuvert);
}

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
