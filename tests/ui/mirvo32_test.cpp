// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"

#include "rules/combinaisons.h"
#include "ui/annonces.h"
#include "ui/boite_message.h"
#include "ui/wav.h"

#include <QAccessible>
#include <QPushButton>
#include <QResource>
#include <QToolTip>

#include <stdexcept>

using tavlo::rules::Son;
using tavlo::rules::TypeBoite;
using tavlo::ui::lireWav;
using tavlo::ui::test::FenetreDeTest;

namespace {
QString de(int n, const char* prefixe = "De") { // "SelectDe" for its set-aside place
    return QLatin1String(prefixe) + QString::number(n);
}
int echelle() { // the screen's scale factor, 1 unless set
    return std::max(qEnvironmentVariableIntValue("QT_SCALE_FACTOR"), 1);
}
} // namespace

// The main window as a player meets it: what it draws of the game, what it tells a screen reader,
// and the clicks, keys, menu commands and ticks it hands on; the game held while he may not act;
// the pictures made for the screen's scale; and the stored sounds, read in the format the program
// counts on, a damaged one refused, not played.
class Mirvo32Test : public QObject {
    Q_OBJECT
private slots:
    void uneMain_data();
    void uneMain();
    void chaqueDe_data();
    void chaqueDe();
    void uneMancheContreOrdy();
    void annonces();
    void bulle_data();
    void bulle();
    void quitter_data();
    void quitter();
    void boiteDErreurTientLeJeu();
    void resteMaximisee();
    void son_data();
    void son();
    // The pictures on a scaled screen: the test also runs alone under QT_SCALE_FACTOR=2.
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
        FenetreDeTest t;
        t.fenetre().MenuNouvelleClick(); // the cup and the pot's tokens show
        QWidget* w = t.element(element);
        QVERIFY(w != nullptr && w->isVisible());
        QCOMPARE(w->devicePixelRatio(), qreal(echelle()));
        const QImage attendue(QStringLiteral(":/") + image + (echelle() == 2 ? "@2x" : ""));
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
    QVERIFY(!(t.fenetre().windowFlags() & Qt::WindowCloseButtonHint)); // "&Quitter" is the way out
    QCOMPARE(t.tempo()->interval(), 500);
    // Drawn before any event: the three dice show face 1, the cup waits for a game.
    QVERIFY(t.face(QStringLiteral("De1")) == 1 && !t.visible(QStringLiteral("Gobelet")));
    t.choisir(QStringLiteral("MenuAidesur"));
    t.choisir(QStringLiteral("MenuApropos"));
    QCOMPARE(std::pair(t.dialogues.aides, t.dialogues.aPropos), std::pair(1, 1));
    for (const char* nom : {"MenuNouvelle", "MenuScores", "MenuAide"}) {
        auto* menu = t.element<QMenu>(QLatin1String(nom));
        menu->popup(QPoint(0, 0));
        tavlo::ui::test::comparerAReference(menu->grab().toImage(), QLatin1String(nom));
        menu->close();
    }
    if (clavier) {
        t.appuyer(Qt::Key_2, Qt::ControlModifier);
    } else {
        t.ouvrirNouvellePartie();
        t.choisir(QStringLiteral("Menu2Joueurs"));
    }
    QCOMPARE(t.texte(QStringLiteral("NomJoueur1")), QStringLiteral("PAUL"));
    QCOMPARE(t.texte(QStringLiteral("NomJoueur2")), QStringLiteral("JEAN"));
    t.jusquATroisCoups();
    const QString premier = t.texte(QStringLiteral("EtiJoueur"));
    auto* passer = t.element<QPushButton>(QStringLiteral("ButStop"));
    t.lancer(clavier);
    QVERIFY(passer->isEnabled());
    t.son.joues.clear();
    clavier ? t.appuyer(Qt::Key_Space) : t.cliquer(QStringLiteral("Gobelet"));
    // While the dice roll, the player's inputs are refused and change nothing, and the pass
    // button looks disabled (what broke: it looked enabled during a second throw); under the
    // rounds box the ticks that keep coming move nothing either.
    QVERIFY(!passer->isEnabled());
    const QImage pendant = t.plateau();
    t.cliquer(de(1));
    t.appuyer(Qt::Key_Return);
    t.boites.pendantBoite = [&] {
        t.tic(20);
        QCOMPARE(t.plateau(), pendant);
        QVERIFY(!passer->isEnabled());
    };
    t.choisir(QStringLiteral("MenuManches"));
    t.finirLancer();
    QCOMPARE(t.son.joues, std::vector<Son>{Son::LANCER});
    if (!clavier) { // the board at a known moment, a die set aside
        t.cliquer(de(2));
        tavlo::ui::test::comparerAReference(t.plateau(), QStringLiteral("fenetre"));
        t.cliquer(de(2, "SelectDe"));
    }
    clavier ? t.appuyer(Qt::Key_Return) : t.cliquer(QStringLiteral("ButStop"));
    QVERIFY(t.texte(QStringLiteral("EtiJoueur")) != premier);
    // "Son" unchecked: the next throw is silent.
    t.choisir(QStringLiteral("MenuSon"));
    t.lancer(clavier);
    QCOMPARE(t.son.joues.size(), std::size_t{1});
    // The second player passes with the keypad's Enter: the next hand opens.
    t.appuyer(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(t.texte(QStringLiteral("Eti_Lancer")), QString::fromUtf8("Lancer n° 1"));
    QVERIFY(t.visible(QStringLiteral("Gobelet")));
}

void Mirvo32Test::chaqueDe_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<Qt::Key>("touche"); // none: a click
    QTest::addColumn<Qt::KeyboardModifiers>("modificateurs");
    for (int n = 1; n <= 3; ++n) {
        QTest::addRow("clic %d", n) << n << Qt::Key_unknown << Qt::KeyboardModifiers();
    }
    QTest::newRow("pavé 3") << 3 << Qt::Key_3 << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Maj+1") << 1 << Qt::Key_1 << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("& (1)") << 1 << Qt::Key_Ampersand << Qt::KeyboardModifiers();
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
    QVERIFY(t.visible(de(n, "SelectDe")));
    QCOMPARE(t.face(de(n, "SelectDe")), face);
    agir(de(n, "SelectDe"));
    QVERIFY(t.visible(de(n)));
}

void Mirvo32Test::uneMancheContreOrdy() {
    FenetreDeTest t;
    t.dialogues.nom1 = "PAUL";
    t.activer();
    t.appuyer(Qt::Key_1, Qt::ControlModifier);
    // A box holds the game: ticks keep coming, as a modal loop delivers them, but nothing moves
    // and no second box opens.
    std::size_t sonsALaBoite = 0;
    t.boites.pendantBoite = [&] {
        sonsALaBoite = t.son.joues.size();
        const QImage avant = t.plateau();
        const std::size_t boites = t.boites.vues.size();
        t.tic(20);
        QCOMPARE(t.plateau(), avant);
        QCOMPARE(t.boites.vues.size(), boites);
    };
    for (int mains = 0;
         t.boites.vues.empty() || t.boites.vues.back().first != TypeBoite::Information; ++mains) {
        QVERIFY2(mains < 1000, "the round never ended");
        if (t.texte(QStringLiteral("EtiJoueur")) == QStringLiteral("PAUL") &&
            t.visible(QStringLiteral("Gobelet"))) {
            t.lancer();
            t.cliquer(QStringLiteral("ButStop"));
        }
        t.tic();
        // What a screen reader is told matches what is drawn: each face, each label's text.
        for (int n = 1; n <= 3; ++n) {
            const int f = t.face(de(n));
            QCOMPARE(t.element(de(n))->accessibleDescription().endsWith(QString::number(f)), f > 0);
            QCOMPARE(QAccessible::queryAccessibleInterface(t.element(de(n)))
                         ->textInterface()
                         ->text(0, -1),
                     f > 0 ? QString::number(f) : QString());
        }
        for (const char* nom : {"Eti_Lancer", "EtiJoueur", "CpsMaxi", "EtiRepos"}) {
            QCOMPARE(t.element(QLatin1String(nom))->accessibleDescription(),
                     t.texte(QLatin1String(nom)));
        }
    }
    // The winner's sound, then the box. This round is always the same: ORDY holds the eleven.
    QCOMPARE(t.jetons(QStringLiteral("J2")), 11);
    // The board reads a row of tokens as one element, its holder and count, not token by token,
    // and leaves out what is hidden.
    QAccessibleInterface* plateau =
        QAccessible::queryAccessibleInterface(t.fenetre().centralWidget());
    QStringList lus;
    for (int i = 0; i < plateau->childCount(); ++i) {
        lus << plateau->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(lus.join('|'),
             QStringLiteral("Dé 1|Dé 2|Dé 3|Pot : 0 jeton|Numéro du lancer|Joueur dont "
                            "c'est le tour|Nombre de coups maximum|PAUL : 0 jeton|"
                            "ORDY : 11 jetons|Passer la main"));
    QCOMPARE(plateau->child(plateau->childCount()), nullptr); // a reader asking past the end
    QCOMPARE(plateau->child(0)->actionInterface()->keyBindingsForAction(
                 QAccessibleActionInterface::pressAction()),
             QStringList{QStringLiteral("1")}); // die 1's key, told with its action
    QCOMPARE(sonsALaBoite, t.son.joues.size());
    QCOMPARE(t.son.joues.back(), Son::BRAVO);
    t.boites.pendantBoite = nullptr;
    t.choisir(QStringLiteral("MenuManches"));
    const QString manches = t.boites.vues.back().second;
    t.choisir(QStringLiteral("MenuZero"));
    t.choisir(QStringLiteral("MenuManches"));
    QVERIFY(manches.contains(QLatin1Char('1')));
    QVERIFY(!t.boites.vues.back().second.contains(QLatin1Char('1')));
}

void Mirvo32Test::annonces() {
    // What a screen reader is told of a hand, read from the game alone (the end-to-end test checks
    // that the board sends it in time): the throw with its faces, a combination only when it is
    // one, the dice kept out of it and the throws left; a die set aside or brought back; the pass,
    // and the settlement with who gave. The dice come from the clock, the same at every run.
    tavlo::ui::test::HorlogeQuiAvance horloge;
    tavlo::turn::Jeu jeu(horloge);
    jeu.FormCreate();
    jeu.MenuNouvelleClick();
    tavlo::ui::Annonces annonces(jeu);
    const tavlo::rules::EtatJeu& e = jeu.etat();
    QString dit;
    const auto lancer = [&] {
        jeu.GobeletClick();
        while (jeu.lancerEnCours()) {
            jeu.TempoTimer();
        }
        dit = annonces.suivantes();
        QVERIFY(dit.contains(
            QStringLiteral(" : %1, %2, %3.").arg(e.ValDe[1]).arg(e.ValDe[2]).arg(e.ValDe[3])));
        QCOMPARE(dit.contains(QStringLiteral("Combinaison ")),
                 e.Rang != tavlo::rules::RANG_ORDINAIRE);
        QVERIFY(dit.endsWith(QStringLiteral("Lancers restants : %1.").arg(e.CoupsRestants)));
    };
    for (int mains = 0; e.CoupsMaxi != 3 && mains < 40; ++mains) { // the pot pays one-throw hands
        lancer();
        jeu.ButStopClick();
        annonces.suivantes();
    }
    lancer();
    jeu.DeClick(1);
    QCOMPARE(annonces.suivantes(), QStringLiteral("Dé 1 écarté."));
    lancer();
    QVERIFY2(dit.contains(QStringLiteral(". Dé 1 écarté. ")), qPrintable(dit));
    jeu.ButStopClick();
    QCOMPARE(annonces.suivantes(), QStringLiteral("Main à Joueur2."));
    lancer();
    jeu.ButStopClick();
    QCOMPARE(annonces.suivantes(),
             QStringLiteral("Joueur2 donne 1 jeton à Joueur1. Pot : 0 jeton, Joueur1 : 5 jetons, "
                            "Joueur2 : 6 jetons. Main à Joueur1."));
}

void Mirvo32Test::bulle_data() {
    QTest::addColumn<QString>("nom");
    // 1: the element clicked, 2: the mouse leaves it, 3: an empty place, no die set aside
    QTest::addColumn<int>("entreTemps");
    // Rows without a tooltip first: a tooltip once up takes a while to go.
    QTest::newRow("SelectDe2 vide") << "SelectDe2" << 3;
    QTest::newRow("Gobelet lancé entre-temps") << "Gobelet" << 1;
    QTest::newRow("De3 quitté") << "De3" << 2;
    QTest::newRow("De1") << "De1" << 0;
    QTest::newRow("ButStop") << "ButStop" << 0;
}

void Mirvo32Test::bulle() {
    QFETCH(QString, nom);
    QFETCH(int, entreTemps);
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    t.jusquATroisCoups();
    t.lancer();
    QWidget* element = t.element(nom);
    const QPointF centre = element->rect().center();
    QEnterEvent entree(centre, element->mapToGlobal(centre), element->mapToGlobal(centre));
    QEvent sortie(QEvent::Leave);
    auto* attente = t.element<QTimer>(QStringLiteral("AttenteBulle"));
    auto entrer = [&](int interval) {
        QApplication::sendEvent(element, &entree);
        QVERIFY(attente->isActive());
        QCOMPARE(attente->interval(), interval);
    };
    entrer(500);
    entreTemps == 1 ? t.cliquer(nom)
                    : (void)(entreTemps == 2 && QApplication::sendEvent(element, &sortie));
    QMetaObject::invokeMethod(attente, "timeout");
    QCOMPARE(QToolTip::isVisible(), entreTemps == 0);
    if (entreTemps == 0) { // moving on while it is up, the next one waits 50 ms; once gone, 500
        QCOMPARE(QToolTip::text(), element->toolTip());
        entrer(50);
        QMetaObject::invokeMethod(t.element<QTimer>(QStringLiteral("DureeBulle")), "timeout");
        entrer(500);
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
    QWidget aide; // another window of the program, as the help is, left open
    aide.show();
    // The window has no close button: "&Quitter" must end the program, as closing it does,
    // even with another window open.
    QTimer::singleShot(0, &t.fenetre(), [&] {
        parLeMenu ? t.choisir(QStringLiteral("MenuQuitter")) : (void)t.fenetre().close();
    });
    QTimer::singleShot(5000, &t.fenetre(), [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void Mirvo32Test::boiteDErreurTientLeJeu() {
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

void Mirvo32Test::resteMaximisee() {
    // What broke: restored by the window manager, the window shrank and cut the board off. The
    // offscreen platform keeps the size: the end-to-end test checks it under a window manager.
    FenetreDeTest t;
    t.fenetre().showMaximized();
    QTRY_VERIFY(t.fenetre().isMaximized());
    QCoreApplication::processEvents(); // nothing left queued that would maximise it again
    t.fenetre().showNormal();
    QTRY_VERIFY(t.fenetre().isMaximized());
}

void Mirvo32Test::son_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("canaux"); // 0: the sound is refused
    QTest::addColumn<int>("frequence");
    QTest::addColumn<int>("octets");
    const QByteArray lancer = QResource(QStringLiteral(":/LANCER")).uncompressedData();
    const qsizetype data = lancer.indexOf("data");
    QTest::newRow(":/LANCER") << lancer << 1 << 11025 << 38545;
    // A chunk of odd length before the samples is padded to an even one: they are still found.
    QTest::newRow("bloc impair") << lancer.left(data) + QByteArray("odd \3\0\0\0abc\0", 12) +
                                        lancer.mid(data)
                                 << 1 << 11025 << 38545;
    QTest::newRow("tronqué") << lancer.chopped(101) << 0 << 0 << 0;
    QTest::newRow("sans data") << lancer.left(data) << 0 << 0 << 0;
}

void Mirvo32Test::son() {
    QFETCH(QByteArray, image);
    QFETCH(int, canaux);
    QFETCH(int, frequence);
    QFETCH(int, octets);
    const auto son = lireWav(image);
    QCOMPARE(son.has_value(), canaux > 0);
    if (son) {
        QCOMPARE(son->format.channelCount(), canaux);
        QCOMPARE(son->format.sampleRate(), frequence);
        QCOMPARE(son->format.sampleFormat(), QAudioFormat::UInt8);
        QCOMPARE(son->pcm.size(), octets);
    }
}

int main(int argc, char** argv) {
    tavlo::ui::ApplicationTavlo application(argc, argv);
    Mirvo32Test test;
    return QTest::qExec(&test, argc, argv);
}
#include "mirvo32_test.moc"
