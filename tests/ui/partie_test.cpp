// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"

#include <QLabel>

using tavlo::regles::Son;
using tavlo::regles::TypeBoite;
using tavlo::ui::test::BoiteVue;
using tavlo::ui::test::FenetreDeTest;

// Whole games played with the mouse, checking after every hand what the window shows.
class PartieTest : public QObject {
    Q_OBJECT

private slots:
    void deuxHumainsJouentUneMancheEntiere();
    void unHumainContreOrdyJusquAuBout();
    void uneBoiteOuverteRetientLeJeu();
    void laBoiteDesManchesSuspendLeLancer();

private:
    // Tokens shown: the pot and each player's, which always make eleven, each row filled from
    // its low end.
    static void verifierJetons(const FenetreDeTest& t);
};

void PartieTest::verifierJetons(const FenetreDeTest& t) {
    const int pot = t.jetons(QStringLiteral("Jeton"));
    const int j1 = t.jetons(QStringLiteral("J1"));
    const int j2 = t.jetons(QStringLiteral("J2"));
    QCOMPARE(pot + j1 + j2, 11);
    QCOMPARE(t.jetons(QStringLiteral("J1"), j1), j1);
    QCOMPARE(t.jetons(QStringLiteral("J2"), j2), j2);
}

void PartieTest::deuxHumainsJouentUneMancheEntiere() {
    FenetreDeTest t;
    // Silent throws: the round's sound plays all the same.
    t.choisir(QStringLiteral("MenuSon"));
    t.ouvrirNouvellePartie();
    const QString joueurs[] = {QStringLiteral("Joueur1"), QStringLiteral("Joueur2")};
    int mains = 0;
    while (t.boites.vues.empty()) {
        QVERIFY2(++mains < 1000, "the round never ended");
        const QString premier = t.texte(QStringLiteral("EtiJoueur"));
        const QString second = premier == joueurs[0] ? joueurs[1] : joueurs[0];
        const int coupsMaxi = t.texte(QStringLiteral("CpsMaxi")).back().digitValue();

        // The first player throws as often as allowed, keeping die 1 after his first throw.
        int lances = 0;
        while (t.visible(QStringLiteral("Gobelet")) && lances < coupsMaxi) {
            QCOMPARE(t.texte(QStringLiteral("Eti_Lancer")),
                     QString::fromUtf8("Lancer n° %1").arg(lances + 1));
            QCOMPARE(t.lancer(), 7);
            ++lances;
            if (lances == 1 && t.visible(QStringLiteral("Gobelet"))) {
                // Set aside, brought back, set aside again: the kept die shows its face.
                const int face = t.face(QStringLiteral("De1"));
                t.cliquer(QStringLiteral("De1"));
                t.cliquer(QStringLiteral("SelectDe1"));
                QVERIFY(t.visible(QStringLiteral("De1")));
                t.cliquer(QStringLiteral("De1"));
                QVERIFY(t.visible(QStringLiteral("SelectDe1")));
                QCOMPARE(t.face(QStringLiteral("SelectDe1")), face);
            }
        }
        QCOMPARE(lances, coupsMaxi);
        QVERIFY(!t.visible(QStringLiteral("Gobelet")));
        t.cliquer(QStringLiteral("ButStop"));

        // The second player may throw at most as often; he throws once and passes.
        QCOMPARE(t.texte(QStringLiteral("EtiJoueur")), second);
        QCOMPARE(t.texte(QStringLiteral("CpsMaxi")),
                 QStringLiteral("Nombre de coups maxi:%1").arg(lances));
        QVERIFY(!t.visible(QStringLiteral("SelectDe1")));
        const int j1 = t.jetons(QStringLiteral("J1"));
        const int j2 = t.jetons(QStringLiteral("J2"));
        t.lancer();
        t.cliquer(QStringLiteral("ButStop"));

        verifierJetons(t);
        if (!t.boites.vues.empty()) {
            break;
        }
        const bool egalite = t.visible(QStringLiteral("EtiRepos"));
        const QString suivant = t.texte(QStringLiteral("EtiJoueur"));
        if (egalite) {
            // A tie moves nothing, and the first player opens the replay.
            QCOMPARE(t.jetons(QStringLiteral("J1")), j1);
            QCOMPARE(t.jetons(QStringLiteral("J2")), j2);
            QCOMPARE(suivant, premier);
        } else {
            // The loser receives the stake and opens the next hand.
            const bool perdantUn = suivant == joueurs[0];
            QVERIFY(perdantUn ? t.jetons(QStringLiteral("J1")) > j1
                              : t.jetons(QStringLiteral("J2")) > j2);
        }
        QVERIFY(t.visible(QStringLiteral("Gobelet")));
    }
    // The round's end: the winner's sound first, then the box, which the test closes.
    QCOMPARE(t.boites.vues.size(), std::size_t{1});
    QCOMPARE(t.boites.vues[0].type, TypeBoite::Information);
    QVERIFY(t.boites.vues[0].texte.startsWith(QStringLiteral("Bravo ")));
    QVERIFY(t.boites.vues[0].texte.endsWith(QStringLiteral("!\r\rUne autre manche ?")));
    QCOMPARE(t.son.joues, std::vector<Son>{Son::BRAVO});
    const bool unPerd = t.jetons(QStringLiteral("J1")) == 11;
    QVERIFY(unPerd || t.jetons(QStringLiteral("J2")) == 11);
    QCOMPARE(t.boites.vues[0].texte.mid(6, 7), unPerd ? joueurs[1] : joueurs[0]);
    QVERIFY(!t.visible(QStringLiteral("Gobelet"))); // nothing more until a new game

    t.choisir(QStringLiteral("MenuManches"));
    QCOMPARE(t.boites.vues.back().type, TypeBoite::Information);
    QCOMPARE(t.boites.vues.back().texte,
             unPerd ? QStringLiteral("Manches pour Joueur1 : 0\r\rManches pour Joueur2 : 1")
                    : QStringLiteral("Manches pour Joueur1 : 1\r\rManches pour Joueur2 : 0"));
    t.choisir(QStringLiteral("MenuZero"));
    t.choisir(QStringLiteral("MenuManches"));
    QCOMPARE(t.boites.vues.back().texte,
             QStringLiteral("Manches pour Joueur1 : 0\r\rManches pour Joueur2 : 0"));
}

void PartieTest::unHumainContreOrdyJusquAuBout() {
    FenetreDeTest t;
    t.dialogues.nom1 = "PAUL";
    t.activer();
    t.ouvrirNouvellePartie();
    t.choisir(QStringLiteral("Menu1Joueur"));
    QCOMPARE(t.texte(QStringLiteral("NomJoueur2")), QStringLiteral("ORDY"));
    int mains = 0;
    bool ordyAJoue = false;
    auto finDeManche = [&t] {
        return std::any_of(t.boites.vues.begin(), t.boites.vues.end(),
                           [](const auto& b) { return b.type == TypeBoite::Information; });
    };
    while (!finDeManche()) {
        QVERIFY2(++mains < 1000, "the round never ended");
        // PAUL plays when the cup is his: one throw, then he passes.
        if (t.visible(QStringLiteral("Gobelet")) &&
            t.texte(QStringLiteral("EtiJoueur")) == QStringLiteral("PAUL")) {
            t.lancer();
            t.cliquer(QStringLiteral("ButStop"));
            verifierJetons(t);
        }
        // ORDY's turn runs on ticks alone; the human's clicks and keys take nothing meanwhile.
        int tics = 0;
        while (t.texte(QStringLiteral("EtiJoueur")) == QStringLiteral("ORDY") && !finDeManche()) {
            ordyAJoue = true;
            const QString avant = t.plateau();
            t.cliquer(QStringLiteral("De1"));
            t.cliquer(QStringLiteral("Gobelet"));
            for (Qt::Key touche : {Qt::Key_Space, Qt::Key_1, Qt::Key_3, Qt::Key_Return}) {
                t.appuyer(touche);
            }
            QCOMPARE(t.plateau(), avant);
            t.tic();
            QVERIFY2(++tics < 200, "ORDY's turn never ended");
        }
        verifierJetons(t);
    }
    QVERIFY(ordyAJoue);
    const BoiteVue& fin = t.boites.vues.back();
    if (t.jetons(QStringLiteral("J1")) == 11) {
        QCOMPARE(fin.texte, QStringLiteral("Je suis vraiment le meilleur!\r\rUne autre manche ?"));
        QCOMPARE(t.son.joues.back(), Son::MEILLEUR);
    } else {
        QCOMPARE(t.jetons(QStringLiteral("J2")), 11);
        QCOMPARE(fin.texte, QStringLiteral("Bravo PAUL!\r\rUne autre manche ?"));
        QCOMPARE(t.son.joues.back(), Son::BRAVO);
    }
    // ORDY says so when it must throw again, in a box of the custom kind.
    for (const auto& b : t.boites.vues) {
        if (b.type == TypeBoite::Personnalise) {
            QCOMPARE(b.texte, QString::fromUtf8("C'est à moi de relancer..."));
        }
    }
}

void PartieTest::uneBoiteOuverteRetientLeJeu() {
    // While a box is open, ticks keep coming (a modal loop delivers them) but ORDY waits, no
    // second box opens inside the first, and the keys that reach the window do nothing.
    FenetreDeTest t;
    t.dialogues.nom1 = "PAUL";
    t.activer();
    t.ouvrirNouvellePartie();
    t.choisir(QStringLiteral("Menu1Joueur"));
    t.boites.pendantBoite = [&] {
        const QString avant = t.plateau();
        t.tic(20);
        for (Qt::Key touche : {Qt::Key_Space, Qt::Key_1, Qt::Key_Return}) {
            t.appuyer(touche);
        }
        QCOMPARE(t.plateau(), avant);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    };
    for (int mains = 0; mains < 300 && t.boites.vues.empty(); ++mains) {
        if (t.texte(QStringLiteral("EtiJoueur")) == QStringLiteral("PAUL")) {
            t.lancer();
            t.cliquer(QStringLiteral("ButStop"));
        }
        t.tic(40);
    }
    QVERIFY(!t.boites.vues.empty());
    QCOMPARE(t.boites.maxOuvertes, 1);
}

void PartieTest::laBoiteDesManchesSuspendLeLancer() {
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    t.cliquer(QStringLiteral("Gobelet"));
    t.tic(2);
    t.boites.pendantBoite = [&] {
        const QString avant = t.plateau();
        t.tic(20);
        QCOMPARE(t.plateau(), avant);
    };
    t.choisir(QStringLiteral("MenuManches"));
    QCOMPARE(t.boites.vues.size(), std::size_t{1});
    QVERIFY2(t.finirLancer() >= 4, "the throw went on under the box");
}

TAVLO_TEST_MAIN(PartieTest)
#include "partie_test.moc"
