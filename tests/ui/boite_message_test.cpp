// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "ui/boite_message.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using tavlo::regles::TypeBoite;
using tavlo::ui::BoiteMessage;
using tavlo::ui::couperTexte;

class BoiteMessageTest : public QObject {
    Q_OBJECT

private slots:
    void titreIconeEtBoutonOkDeChaqueType_data();
    void titreIconeEtBoutonOkDeChaqueType();
    void retourChariotCommenceUneLigne_data();
    void retourChariotCommenceUneLigne();
    void texteLongCoupeAuxMotsAMoitieEcran();
    void centreeSurLEcran();
};

void BoiteMessageTest::titreIconeEtBoutonOkDeChaqueType_data() {
    QTest::addColumn<TypeBoite>("type");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QMessageBox::Icon>("icone");
    QTest::newRow("avertissement")
        << TypeBoite::Avertissement << "Avertissement" << QMessageBox::Warning;
    QTest::newRow("information") << TypeBoite::Information << "Information"
                                 << QMessageBox::Information;
    QTest::newRow("personnalise") << TypeBoite::Personnalise << "Tavlo32" << QMessageBox::NoIcon;
}

void BoiteMessageTest::titreIconeEtBoutonOkDeChaqueType() {
    QFETCH(TypeBoite, type);
    QFETCH(QString, titre);
    QFETCH(QMessageBox::Icon, icone);
    BoiteMessage boite(type, QStringLiteral("Texte"), nullptr);
    QCOMPARE(boite.windowTitle(), titre);
    QCOMPARE(boite.icon(), icone);
    QCOMPARE(boite.text(), QStringLiteral("Texte"));
    QCOMPARE(boite.textFormat(), Qt::PlainText);
    QCOMPARE(boite.buttons().size(), 1);
    QCOMPARE(boite.buttons()[0]->text(), QStringLiteral("OK"));
}

void BoiteMessageTest::retourChariotCommenceUneLigne_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("deux retours: une ligne vide")
        << "Manches pour PAUL : 2\r\rManches pour ORDY : 1"
        << QStringList{"Manches pour PAUL : 2", "", "Manches pour ORDY : 1"};
    QTest::newRow("un retour") << "Bravo PAUL!\rSuite" << QStringList{"Bravo PAUL!", "Suite"};
    QTest::newRow("sans retour") << QString::fromUtf8("C'est à moi de relancer...")
                                 << QStringList{QString::fromUtf8("C'est à moi de relancer...")};
}

void BoiteMessageTest::retourChariotCommenceUneLigne() {
    QFETCH(QString, texte);
    QFETCH(QStringList, lignes);
    BoiteMessage boite(TypeBoite::Information, texte, nullptr);
    QCOMPARE(boite.text().split(QLatin1Char('\n')), lignes);
}

void BoiteMessageTest::texteLongCoupeAuxMotsAMoitieEcran() {
    const QFontMetrics mesures(QApplication::font());
    const QString mot = QStringLiteral("relancer");
    QString texte;
    for (int i = 0; i < 60; ++i) {
        texte += (i > 0 ? QStringLiteral(" ") : QString()) + mot;
    }
    const int largeur = mesures.horizontalAdvance(mot + QStringLiteral(" ") + mot) * 3;
    const QStringList lignes = couperTexte(texte, mesures, largeur).split(QLatin1Char('\n'));
    QVERIFY(lignes.size() > 1);
    for (const QString& ligne : lignes) {
        QVERIFY(mesures.horizontalAdvance(ligne) <= largeur);
        // Each line but the last is full: one more word would not fit.
        if (&ligne != &lignes.back()) {
            QVERIFY(mesures.horizontalAdvance(ligne + QStringLiteral(" ") + mot) > largeur);
        }
    }
    QCOMPARE(lignes.join(QLatin1Char(' ')), texte);

    // The box cuts at half the screen's width.
    const int moitie = QGuiApplication::primaryScreen()->geometry().width() / 2;
    BoiteMessage boite(TypeBoite::Information, texte, nullptr);
    for (const QString& ligne : boite.text().split(QLatin1Char('\n'))) {
        QVERIFY(boite.fontMetrics().horizontalAdvance(ligne) <= moitie);
    }
}

void BoiteMessageTest::centreeSurLEcran() {
    BoiteMessage boite(TypeBoite::Information, QStringLiteral("Bravo PAUL!\r\rUne autre manche ?"),
                       nullptr);
    QRect place;
    QTimer::singleShot(0, &boite, [&] {
        place = boite.frameGeometry();
        boite.accept();
    });
    boite.exec();
    const QRect ecran = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(place.center().x() - ecran.center().x()) <= 1);
    QVERIFY(qAbs(place.center().y() - ecran.center().y()) <= 1);
}

TAVLO_TEST_MAIN(BoiteMessageTest)
#include "boite_message_test.moc"
