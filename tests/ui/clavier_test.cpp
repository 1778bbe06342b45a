// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "ui/boite_message.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using tavlo::regles::Son;
using tavlo::regles::TypeBoite;
using tavlo::ui::test::FenetreDeTest;

namespace {

// What a key could change on the board.
QString plateau(const FenetreDeTest& t) {
    QString vu;
    for (int n = 1; n <= 3; ++n) {
        vu += QStringLiteral("%1%2%3 ")
                  .arg(t.face(QStringLiteral("De%1").arg(n)))
                  .arg(t.visible(QStringLiteral("De%1").arg(n)))
                  .arg(t.visible(QStringLiteral("SelectDe%1").arg(n)));
    }
    return vu +
           QStringLiteral("%1 %2 %3 %4 %5")
               .arg(t.visible(QStringLiteral("Gobelet")))
               .arg(t.texte(QStringLiteral("EtiJoueur")), t.texte(QStringLiteral("Eti_Lancer")))
               .arg(QGuiApplication::overrideCursor() != nullptr)
               .arg(t.son.joues.size());
}

} // namespace

// Space throws, 1, 2 and 3 set a die aside or bring it back, Enter passes: only when the click
// on the same element would be taken.
class ClavierTest : public QObject {
    Q_OBJECT

private slots:
    void uneDonneEntiereAuClavier();
    void touchesSansEffetPendantUnLancer_data();
    void touchesSansEffetPendantUnLancer();
    void touchesSansEffetPendantLeTourDOrdy();
    void touchesSansEffetPendantUneBoiteDuJeu();
    void touchesPourLaFenetreModaleOuverte_data();
    void touchesPourLaFenetreModaleOuverte();
    void espaceDansLaBarreDeMenusOuvreLeMenu();
};

void ClavierTest::uneDonneEntiereAuClavier() {
    FenetreDeTest t;
    t.dialogues.nom1 = "PAUL";
    t.dialogues.nom2 = "JEAN";
    t.activer();
    t.appuyer(Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(t.texte(QStringLiteral("EtiJoueur")), QStringLiteral("PAUL"));
    // The loading phase allows one throw each; pass hands until a turn allows three.
    for (int main = 0; main < 40 && !t.texte(QStringLiteral("CpsMaxi")).endsWith('3'); ++main) {
        t.appuyer(Qt::Key_Space);
        QCOMPARE(t.finirLancer(), 7);
        t.appuyer(Qt::Key_Return);
    }
    QVERIFY(t.texte(QStringLiteral("CpsMaxi")).endsWith('3'));
    const QString premier = t.texte(QStringLiteral("EtiJoueur"));

    t.appuyer(Qt::Key_Space);
    QCOMPARE(t.finirLancer(), 7);
    const int face1 = t.face(QStringLiteral("De1"));
    t.appuyer(Qt::Key_1);
    QVERIFY(t.visible(QStringLiteral("SelectDe1")));
    QCOMPARE(t.face(QStringLiteral("SelectDe1")), face1);
    t.appuyer(Qt::Key_1);
    QVERIFY(t.visible(QStringLiteral("De1")));
    QVERIFY(!t.visible(QStringLiteral("SelectDe1")));
    t.appuyer(Qt::Key_3);
    const int face3 = t.face(QStringLiteral("SelectDe3"));
    t.appuyer(Qt::Key_Space);
    QCOMPARE(t.finirLancer(), 7);
    QCOMPARE(t.face(QStringLiteral("SelectDe3")), face3); // the kept die was not thrown
    t.appuyer(Qt::Key_Return);

    QVERIFY(t.texte(QStringLiteral("EtiJoueur")) != premier);
    QCOMPARE(t.texte(QStringLiteral("CpsMaxi")), QStringLiteral("Nombre de coups maxi:2"));
    QVERIFY(!t.visible(QStringLiteral("SelectDe3")));
    const int pot = t.jetons(QStringLiteral("Jeton"));
    const int j1 = t.jetons(QStringLiteral("J1"));
    const int j2 = t.jetons(QStringLiteral("J2"));
    // The second player throws twice and passes with the keypad's Enter: the hand is settled.
    t.appuyer(Qt::Key_Space);
    t.finirLancer();
    t.appuyer(Qt::Key_Space);
    t.finirLancer();
    QVERIFY(!t.visible(QStringLiteral("Gobelet")));
    t.appuyer(Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(t.visible(QStringLiteral("EtiRepos")) || t.jetons(QStringLiteral("Jeton")) != pot ||
            t.jetons(QStringLiteral("J1")) != j1 || t.jetons(QStringLiteral("J2")) != j2);
    QVERIFY(t.visible(QStringLiteral("Gobelet")));
    QCOMPARE(t.texte(QStringLiteral("Eti_Lancer")), QString::fromUtf8("Lancer n° 1"));
}

void ClavierTest::touchesSansEffetPendantUnLancer_data() {
    QTest::addColumn<Qt::Key>("touche");
    QTest::newRow("Espace") << Qt::Key_Space;
    QTest::newRow("1") << Qt::Key_1;
    QTest::newRow("Entrée") << Qt::Key_Return;
}

void ClavierTest::touchesSansEffetPendantUnLancer() {
    QFETCH(Qt::Key, touche);
    FenetreDeTest t;
    t.activer();
    t.ouvrirNouvellePartie();
    t.jusquATroisCoups();
    t.appuyer(Qt::Key_Space);
    t.finirLancer();
    // Before the second throw every key would be taken; while the dice roll none is.
    t.appuyer(Qt::Key_Space);
    t.tic(3);
    const QString avant = plateau(t);
    t.appuyer(touche);
    QCOMPARE(plateau(t), avant);
    QCOMPARE(t.finirLancer(), 4);
    QCOMPARE(t.texte(QStringLiteral("Eti_Lancer")), QString::fromUtf8("Lancer n° 3"));
}

void ClavierTest::touchesSansEffetPendantLeTourDOrdy() {
    FenetreDeTest t;
    t.dialogues.nom1 = "PAUL";
    t.activer();
    t.appuyer(Qt::Key_1, Qt::ControlModifier);
    t.appuyer(Qt::Key_Space);
    t.finirLancer();
    t.appuyer(Qt::Key_Return);
    QCOMPARE(t.texte(QStringLiteral("EtiJoueur")), QStringLiteral("ORDY"));
    int tics = 0;
    while (t.texte(QStringLiteral("EtiJoueur")) == QStringLiteral("ORDY")) {
        const QString avant = plateau(t);
        for (Qt::Key touche : {Qt::Key_Space, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_Return}) {
            t.appuyer(touche);
            QCOMPARE(plateau(t), avant);
        }
        t.tic();
        QVERIFY2(++tics < 200, "ORDY's turn never ended");
    }
}

void ClavierTest::touchesSansEffetPendantUneBoiteDuJeu() {
    // The game's boxes hold the game: a key pressed meanwhile does nothing, even if it reaches
    // the window.
    FenetreDeTest t;
    t.activer();
    t.ouvrirNouvellePartie();
    int touchesEssayees = 0;
    t.boites.pendantBoite = [&] {
        const QString avant = plateau(t);
        for (Qt::Key touche : {Qt::Key_Space, Qt::Key_1, Qt::Key_Return}) {
            t.appuyer(touche);
            QCOMPARE(plateau(t), avant);
            ++touchesEssayees;
        }
    };
    // Play hands until the round ends with its box.
    for (int main = 0; main < 1000 && t.boites.vues.empty(); ++main) {
        t.appuyer(Qt::Key_Space);
        t.finirLancer();
        t.appuyer(Qt::Key_Return);
    }
    QVERIFY(!t.boites.vues.empty());
    QCOMPARE(touchesEssayees, 3);
}

void ClavierTest::touchesPourLaFenetreModaleOuverte_data() {
    QTest::addColumn<bool>("boiteDeMessage"); // else a dialog
    QTest::addColumn<Qt::Key>("touche");
    for (bool boite : {true, false}) {
        const char* quoi = boite ? "boîte" : "dialogue";
        QTest::addRow("%s, Espace", quoi) << boite << Qt::Key_Space;
        QTest::addRow("%s, 1", quoi) << boite << Qt::Key_1;
        QTest::addRow("%s, Entrée", quoi) << boite << Qt::Key_Return;
    }
}

void ClavierTest::touchesPourLaFenetreModaleOuverte() {
    QFETCH(bool, boiteDeMessage);
    QFETCH(Qt::Key, touche);
    FenetreDeTest t;
    t.activer();
    t.ouvrirNouvellePartie();
    t.jusquATroisCoups();
    t.appuyer(Qt::Key_Space);
    t.finirLancer();
    // Every key would now be taken, but the key goes to the modal window.
    const QString avant = plateau(t);
    std::unique_ptr<QDialog> modale;
    if (boiteDeMessage) {
        modale = std::make_unique<tavlo::ui::BoiteMessage>(TypeBoite::Information,
                                                           QStringLiteral("Texte"), &t.fenetre());
    } else {
        modale = std::make_unique<QDialog>(&t.fenetre());
    }
    QString apres;
    bool active = false;
    QTimer::singleShot(0, modale.get(), [&] {
        // A dialog shares its parent's activation, so wait for the window system's own.
        active = QTest::qWaitFor([&] { return QApplication::activeWindow() == modale.get(); });
        t.appuyer(touche);
        apres = plateau(t);
        modale->done(0);
    });
    modale->exec();
    QVERIFY(active);
    QCOMPARE(apres, avant);
    // Once the window is closed and the game's window active again, the key plays.
    t.activer();
    t.appuyer(touche);
    QVERIFY(plateau(t) != avant);
}

void ClavierTest::espaceDansLaBarreDeMenusOuvreLeMenu() {
    // Alt alone hands the keyboard to the menu bar: Space there opens "&Nouvelle Partie".
    FenetreDeTest t;
    t.activer();
    t.ouvrirNouvellePartie();
    t.appuyer(Qt::Key_Alt, Qt::AltModifier);
    QVERIFY(t.fenetre().menuBar()->hasFocus());
    t.appuyer(Qt::Key_Space);
    QCOMPARE(QApplication::activePopupWidget(), t.element<QMenu>(QStringLiteral("MenuNouvelle")));
    QVERIFY(t.son.joues.empty());
    QApplication::activePopupWidget()->close();
}

TAVLO_TEST_MAIN(ClavierTest)
#include "clavier_test.moc"
