// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "image_reference.h"

#include <QAction>
#include <QTimer>
#include <QToolTip>

using tavlo::regles::Son;
using tavlo::regles::TypeBoite;
using tavlo::ui::test::FenetreDeTest;

namespace {
const QString GOBELET = QStringLiteral("Gobelet");
const QString BUT_STOP = QStringLiteral("ButStop");
const QString ETI_JOUEUR = QStringLiteral("EtiJoueur");
QString de(int n) {
    return QStringLiteral("De%1").arg(n);
}
QString selectDe(int n) {
    return QStringLiteral("SelectDe%1").arg(n);
}
} // namespace

// The main window as a player meets it: what it draws of the game, and the clicks, keys, menu
// commands and ticks it hands on.
class Mirvo32Test : public QObject {
    Q_OBJECT
private slots:
    void uneMain_data();
    void uneMain();
    void chaqueDe_data();
    void chaqueDe();
    void uneMancheContreOrdy();
    void bulleDUnElementSurvole_data();
    void bulleDUnElementSurvole();
    void quitter_data();
    void quitter();
};

void Mirvo32Test::uneMain_data() {
    QTest::addColumn<bool>("clavier");
    QTest::newRow("souris et menus") << false;
    QTest::newRow("clavier") << true;
}

void Mirvo32Test::uneMain() {
    QFETCH(bool, clavier);
    FenetreDeTest t;
    t.dialogues.nom1 = "PAUL";
    t.dialogues.nom2 = "JEAN";
    t.activer();
    // The window ticks every half second; the menu's dialogs open through their service.
    QVERIFY(t.tempoDemarre);
    QCOMPARE(t.tempo()->interval(), 500);
    t.choisir(QStringLiteral("MenuAidesur"));
    t.choisir(QStringLiteral("MenuApropos"));
    QCOMPARE(t.dialogues.aides, std::vector<int>{1});
    QCOMPARE(t.dialogues.aPropos, 1);
    if (clavier) {
        t.appuyer(Qt::Key_2, Qt::ControlModifier);
    } else {
        t.ouvrirNouvellePartie();
        t.choisir(QStringLiteral("Menu2Joueurs"));
    }
    QCOMPARE(t.texte(QStringLiteral("NomJoueur1")), QStringLiteral("PAUL"));
    QCOMPARE(t.texte(QStringLiteral("NomJoueur2")), QStringLiteral("JEAN"));
    t.jusquATroisCoups();
    const QString premier = t.texte(ETI_JOUEUR);
    t.son.joues.clear();
    clavier ? t.appuyer(Qt::Key_Space) : t.cliquer(GOBELET);
    // While the dice roll, the player's inputs are refused and change nothing; under the
    // rounds box the ticks that keep coming move nothing either.
    const QImage pendant = t.plateau();
    t.cliquer(de(1));
    t.appuyer(Qt::Key_Return);
    t.boites.pendantBoite = [&] {
        t.tic(20);
        QCOMPARE(t.plateau(), pendant);
    };
    t.choisir(QStringLiteral("MenuManches"));
    QCOMPARE(t.boites.vues.at(0).first, TypeBoite::Information);
    t.finirLancer();
    QCOMPARE(t.son.joues, std::vector<Son>{Son::LANCER});
    for (int n = 1; n <= 3; ++n) {
        // A click at the centre of each die reaches it; its face is told to a screen reader.
        QCOMPARE(t.sousLaSouris(de(n)), t.element(de(n)));
        QVERIFY(t.face(de(n)) >= 1);
        QVERIFY(t.element(de(n))->accessibleDescription().endsWith(QString::number(t.face(de(n)))));
    }
    QCOMPARE(t.sousLaSouris(BUT_STOP), t.element(BUT_STOP));
    if (!clavier) { // the board at a known moment, a die set aside
        t.cliquer(de(2));
        tavlo::ui::test::comparerAReference(t.plateau(), QStringLiteral("fenetre"));
        t.cliquer(selectDe(2));
    }
    if (clavier) {
        t.appuyer(Qt::Key_Return);
    } else {
        t.cliquer(BUT_STOP);
    }
    QVERIFY(t.texte(ETI_JOUEUR) != premier);
    QCOMPARE(t.sousLaSouris(GOBELET), t.element(GOBELET));
    // "Son" unchecked: the next throw is silent.
    t.choisir(QStringLiteral("MenuSon"));
    QVERIFY(!t.element<QAction>(QStringLiteral("MenuSon"))->isChecked());
    t.lancer(clavier);
    QCOMPARE(t.son.joues.size(), std::size_t{1});
    QVERIFY(t.face(de(1)) >= 1);
    // The second player passes with the keypad's Enter: the next hand opens.
    t.appuyer(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(t.texte(QStringLiteral("Eti_Lancer")), QString::fromUtf8("Lancer n° 1"));
    QVERIFY(t.visible(GOBELET));
}

void Mirvo32Test::chaqueDe_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<Qt::Key>("touche"); // none: a click
    QTest::addColumn<Qt::KeyboardModifiers>("modificateurs");
    for (int n = 1; n <= 3; ++n) {
        QTest::addRow("clic %d", n) << n << Qt::Key_unknown << Qt::KeyboardModifiers();
    }
    QTest::newRow("2") << 2 << Qt::Key_2 << Qt::KeyboardModifiers();
    QTest::newRow("pavé 3") << 3 << Qt::Key_3 << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Maj+1") << 1 << Qt::Key_1 << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("& (1)") << 1 << Qt::Key_Ampersand << Qt::KeyboardModifiers();
    QTest::newRow("é (2)") << 2 << Qt::Key_Eacute << Qt::KeyboardModifiers();
    QTest::newRow("\" (3)") << 3 << Qt::Key_QuoteDbl << Qt::KeyboardModifiers();
}

void Mirvo32Test::chaqueDe() {
    QFETCH(int, n);
    QFETCH(Qt::Key, touche);
    QFETCH(Qt::KeyboardModifiers, modificateurs);
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    t.jusquATroisCoups();
    t.activer();
    t.lancer();
    // The same key, or a click on the die where it now stands, sets it aside and back.
    auto agir = [&](const QString& nom) {
        touche == Qt::Key_unknown ? t.cliquer(nom) : t.appuyer(touche, modificateurs);
    };
    const int face = t.face(de(n));
    agir(de(n));
    QVERIFY(!t.visible(de(n)));
    QVERIFY(t.visible(selectDe(n)));
    QCOMPARE(t.face(selectDe(n)), face);
    QCOMPARE(t.sousLaSouris(selectDe(n)), t.element(selectDe(n)));
    agir(selectDe(n));
    QVERIFY(t.visible(de(n)));
    QVERIFY(!t.visible(selectDe(n)));
    QCOMPARE(t.face(de(n)), face);
}

void Mirvo32Test::uneMancheContreOrdy() {
    FenetreDeTest t;
    t.dialogues.nom1 = "PAUL";
    t.activer();
    t.appuyer(Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(t.texte(QStringLiteral("NomJoueur1")), QStringLiteral("PAUL"));
    QCOMPARE(t.texte(QStringLiteral("NomJoueur2")), QStringLiteral("ORDY"));
    // A box holds the game: ticks keep coming, as a modal loop delivers them, but nothing moves
    // and no second box opens.
    std::size_t sonsALaBoite = 0;
    t.boites.pendantBoite = [&] {
        sonsALaBoite = t.son.joues.size();
        const QImage avant = t.plateau();
        t.tic(20);
        QCOMPARE(t.plateau(), avant);
    };
    auto finie = [&t] {
        return !t.boites.vues.empty() && t.boites.vues.back().first == TypeBoite::Information;
    };
    for (int mains = 0; !finie(); ++mains) {
        QVERIFY2(mains < 1000, "the round never ended");
        if (t.texte(ETI_JOUEUR) == QStringLiteral("PAUL") && t.visible(GOBELET)) {
            t.lancer();
            t.cliquer(BUT_STOP);
        }
        t.tic();
        QCOMPARE(t.jetons(QStringLiteral("Jeton")) + t.jetons(QStringLiteral("J1")) +
                     t.jetons(QStringLiteral("J2")),
                 11);
    }
    QCOMPARE(t.boites.maxOuvertes, 1);
    // The winner's sound, then the box.
    const bool ordyGagne = t.jetons(QStringLiteral("J2")) == 0;
    QCOMPARE(t.jetons(ordyGagne ? QStringLiteral("J1") : QStringLiteral("J2")), 11);
    QCOMPARE(sonsALaBoite, t.son.joues.size());
    QCOMPARE(t.son.joues.back(), ordyGagne ? Son::MEILLEUR : Son::BRAVO);
    t.boites.pendantBoite = nullptr;
    t.choisir(QStringLiteral("MenuManches"));
    const QString manches = t.boites.vues.back().second;
    t.choisir(QStringLiteral("MenuZero"));
    t.choisir(QStringLiteral("MenuManches"));
    QVERIFY(manches.contains(QLatin1Char('1')));
    QVERIFY(!t.boites.vues.back().second.contains(QLatin1Char('1')));
}

void Mirvo32Test::bulleDUnElementSurvole_data() {
    QTest::addColumn<bool>("cacheAvantLaBulle");
    QTest::newRow("caché entre-temps") << true;
    QTest::newRow("toujours là") << false;
}

void Mirvo32Test::bulleDUnElementSurvole() {
    QFETCH(bool, cacheAvantLaBulle);
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    QWidget* gobelet = t.element(GOBELET);
    const QPointF centre = gobelet->rect().center();
    QEnterEvent entree(centre, gobelet->mapToGlobal(centre), gobelet->mapToGlobal(centre));
    QApplication::sendEvent(gobelet, &entree);
    auto* attente = t.element<QTimer>(QStringLiteral("AttenteBulle"));
    QVERIFY(attente->isActive());
    QCOMPARE(attente->interval(), 500);
    if (cacheAvantLaBulle) {
        t.cliquer(GOBELET); // the cup hides while the dice roll
    }
    QMetaObject::invokeMethod(attente, "timeout");
    QCOMPARE(QToolTip::isVisible(), !cacheAvantLaBulle);
    if (!cacheAvantLaBulle) {
        QCOMPARE(QToolTip::text(), gobelet->toolTip());
    }
}

void Mirvo32Test::quitter_data() {
    QTest::addColumn<bool>("parLeMenu"); // else the window closed by the window system
    QTest::newRow("&Quitter") << true;
    QTest::newRow("fermeture") << false;
}

void Mirvo32Test::quitter() {
    QFETCH(bool, parLeMenu);
    FenetreDeTest t;
    // The window has no close button: "&Quitter" must end the program, as closing it does.
    QTimer::singleShot(0, &t.fenetre(), [&] {
        parLeMenu ? t.choisir(QStringLiteral("MenuQuitter")) : (void)t.fenetre().close();
    });
    QTimer::singleShot(5000, &t.fenetre(), [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

TAVLO_TEST_MAIN(Mirvo32Test)
#include "mirvo32_test.moc"
