// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "ui/boite_message.h"

#include <QPushButton>
#include <QTimer>

#include <stdexcept>

using tavlo::ui::test::FenetreDeTest;

// What the player meets while he may not act: the boxes, the pass button, the game held; and the
// window's size.
class TenueTest : public QObject {
    Q_OBJECT

private slots:
    void okCentreDansChaqueBoite();
    void passerGriseQuandUnClicSeraitRefuse();
    void boiteDErreurTientLeJeu();
    void resteMaximisee();
};

void TenueTest::okCentreDansChaqueBoite() {
    // What broke: the button sat at the right edge, 299 pixels from the left and 11 from the right.
    const QString texte = QStringLiteral("Les noms des joueurs ne sont pas tous renseignés");
    for (const int type : {0, 1, 2, -1}) { // the three kinds of TypeBoite, then the error box
        int ecart = 1000;                  // the button's centre less the box's, in pixels
        QTimer::singleShot(0, [&] {
            QWidget* boite = QApplication::activeModalWidget();
            auto* ok = boite->findChild<QPushButton*>();
            ecart = ok->mapTo(boite, ok->rect().center()).x() - boite->rect().center().x();
            ok->click();
        });
        if (type < 0) {
            tavlo::ui::BoiteMessage::afficherErreur(texte, nullptr);
        } else {
            tavlo::ui::BoitesQt().afficher(static_cast<tavlo::rules::TypeBoite>(type), texte);
        }
        QVERIFY2(qAbs(ecart) <= 1, qPrintable(QStringLiteral("%1: %2").arg(type).arg(ecart)));
    }
}

void TenueTest::passerGriseQuandUnClicSeraitRefuse() {
    // What broke: the button looked enabled during a second throw, and ignored the click.
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    t.jusquATroisCoups();
    auto* passer = t.element<QPushButton>(QStringLiteral("ButStop"));
    t.lancer();
    QVERIFY(passer->isEnabled());
    t.cliquer(QStringLiteral("Gobelet"));
    QVERIFY(!passer->isEnabled());
    t.finirLancer();
    bool activeSousLaBoite = true;
    t.boites.pendantBoite = [&] { activeSousLaBoite = passer->isEnabled(); };
    t.choisir(QStringLiteral("MenuManches"));
    QVERIFY(!activeSousLaBoite);
}

void TenueTest::boiteDErreurTientLeJeu() {
    // What broke: under the error box the ticks went on drawing the frames of a throw.
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    t.cliquer(QStringLiteral("Gobelet"));
    const QImage avant = t.plateau();
    QImage sousLaBoite;
    QTimer::singleShot(0, [] { throw std::runtime_error("Ressource introuvable"); });
    QTimer::singleShot(0, [&] {
        t.tic(3);
        sousLaBoite = t.plateau();
        QApplication::activeModalWidget()->findChild<QPushButton*>()->click();
    });
    QCoreApplication::processEvents();
    QCOMPARE(sousLaBoite, avant);
}

void TenueTest::resteMaximisee() {
    // What broke: restored by the window manager, the window shrank and cut the board off. The
    // offscreen platform keeps the size: the end-to-end test checks it under a window manager.
    FenetreDeTest t;
    t.fenetre().showMaximized();
    QTRY_VERIFY(t.fenetre().isMaximized());
    t.fenetre().showNormal();
    QTRY_VERIFY(t.fenetre().isMaximized());
}

int main(int argc, char** argv) {
    tavlo::ui::ApplicationTavlo application(argc, argv);
    TenueTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mirvo32_tenue_test.moc"
