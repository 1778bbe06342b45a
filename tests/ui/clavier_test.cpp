// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "ui/boite_message.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using tavlo::regles::TypeBoite;
using tavlo::ui::test::FenetreDeTest;

// Space throws, 1, 2 and 3 set a die aside or bring it back, Enter passes: only when the click
// on the same element would be taken (the keys refused while the dice roll, during ORDY's turn
// and while a box of the game is open are tested with those).
class ClavierTest : public QObject {
    Q_OBJECT

private slots:
    void uneDonneEntiereAuClavier();
    void chaqueToucheDUnDe_data();
    void chaqueToucheDUnDe();
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
    QCOMPARE(t.element(QStringLiteral("SelectDe1"))->size(), QSize(60, 60));
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

void ClavierTest::chaqueToucheDUnDe_data() {
    QTest::addColumn<int>("de");
    QTest::addColumn<Qt::Key>("touche");
    QTest::addColumn<Qt::KeyboardModifiers>("modificateurs");
    QTest::newRow("2") << 2 << Qt::Key_2 << Qt::KeyboardModifiers();
    QTest::newRow("pavé 3") << 3 << Qt::Key_3 << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Maj+1") << 1 << Qt::Key_1 << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("& (1)") << 1 << Qt::Key_Ampersand << Qt::KeyboardModifiers();
    QTest::newRow("é (2)") << 2 << Qt::Key_Eacute << Qt::KeyboardModifiers();
    QTest::newRow("\" (3)") << 3 << Qt::Key_QuoteDbl << Qt::KeyboardModifiers();
}

void ClavierTest::chaqueToucheDUnDe() {
    QFETCH(int, de);
    QFETCH(Qt::Key, touche);
    QFETCH(Qt::KeyboardModifiers, modificateurs);
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    t.jusquATroisCoups();
    t.activer();
    t.appuyer(Qt::Key_Space);
    t.finirLancer();
    const QString enJeu = QStringLiteral("De%1").arg(de);
    const QString ecarte = QStringLiteral("SelectDe%1").arg(de);
    t.appuyer(touche, modificateurs);
    QVERIFY(t.visible(ecarte));
    t.appuyer(touche, modificateurs);
    QVERIFY(t.visible(enJeu));
    QVERIFY(!t.visible(ecarte));
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
    const QString avant = t.plateau();
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
        apres = t.plateau();
        modale->done(0);
    });
    modale->exec();
    QVERIFY(active);
    QCOMPARE(apres, avant);
    // Once the window is closed and the game's window active again, the key plays.
    t.activer();
    t.appuyer(touche);
    QVERIFY(t.plateau() != avant);
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
