// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "rules/textes_noms.h"
#include "ui/boite_message.h"
#include "ui/dialogues_qt.h"
#include "ui/textes_fenetre.h"

#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTextBrowser>

using tavlo::ui::DialoguesQt;
using tavlo::ui::test::FauxBoites;
using tavlo::ui::textes::qt;

namespace {
// Runs the player's actions in the modal window the caller opens next, which stands at the
// centre of the screen wherever the main window is. A window they leave open is then closed, so
// that a failing check cannot hang the test; resteOuverte says so.
void pendantLaFenetre(std::function<void(QDialog&)> actions, bool& resteOuverte) {
    QTimer::singleShot(0, qApp, [actions = std::move(actions), &resteOuverte] {
        auto* fenetre = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const auto fermer = qScopeGuard([&] {
            resteOuverte = fenetre->isVisible();
            if (resteOuverte) {
                fenetre->reject();
            }
        });
        const QRect ecran = fenetre->screen()->geometry();
        QVERIFY((fenetre->frameGeometry().center() - ecran.center()).manhattanLength() <= 2);
        actions(*fenetre);
    });
}
} // namespace

// The dialogs the menu opens, through the service the main window uses: the names dialog, the
// about box and the help window; and the message boxes.
class DialoguesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        tavlo::ui::preparerApplication(*qApp);
        QApplication::setCursorFlashTime(0);
    }
    void nomsDemandes_data();
    void nomsDemandes();
    void aPropos();
    void boiteMessage_data();
    void boiteMessage();
    void aide_data();
    void aide();
};

void DialoguesTest::nomsDemandes_data() {
    QTest::addColumn<QString>("tape1");
    QTest::addColumn<QString>("colle2");             // pasted into the second name; none when alone
    QTest::addColumn<QStringList>("noms");           // what the dialog gives, empty for nothing
    QTest::addColumn<QStringList>("avertissements"); // none and no names: "Annuler" cancels
    const QStringList aucun;
    QTest::newRow("seul, en minuscules") << "paul"
                                         << "" << QStringList{"PAUL"} << aucun;
    QTest::newRow("à deux, collé et coupé")
        << "éric"
        << "jean-pierre dupont" << QStringList{"ÉRIC", "JEAN-PIERR"} << aucun;
    // No control or format character reaches a name, and at most ten characters as a person
    // counts them, none of them cut in half. What broke: a carriage return cut the name on the
    // board and in the rounds-won box; the die's surrogate pair was cut at the tenth unit.
    QTest::newRow("commandes, formats, liant")
        << QString::fromUtf8("a\u200Dbcdefghijk")
        << QString::fromUtf8("a\rb\tc\nd\0e\033f\177g\u200Bh\u2028i\u00ADj", 24)
        << QStringList{"ABCDEFGHIJ", "ABCDEFGHIJ"} << aucun;
    QTest::newRow("emoji dixième")
        << "x" << QString::fromUtf8("abcdefghi\U0001F3B2")
        << QStringList{"X", QString::fromUtf8("ABCDEFGHI\U0001F3B2")} << aucun;
    QTest::newRow("emoji onzième") << "x" << QString::fromUtf8("abcdefghij\U0001F3B2")
                                   << QStringList{"X", "ABCDEFGHIJ"} << aucun;
    // What broke: player 1's box showed a name ending in a combining accent as the accent alone.
    QTest::newRow("accent combinant")
        << "x" << QString::fromUtf8("abcdefghie\u0301k")
        << QStringList{"X", QString::fromUtf8("ABCDEFGHI\u00C9")} << aucun;
    QTest::newRow("vide puis ORDY") << ""
                                    << "ordy" << aucun
                                    << QStringList{qt(tavlo::rules::textes::NOMS_MANQUANTS),
                                                   qt(tavlo::rules::textes::NOM_RESERVE)};
    QTest::newRow("annulé") << "paul"
                            << "" << aucun << aucun;
}

void DialoguesTest::nomsDemandes() {
    QFETCH(QString, tape1);
    QFETCH(QString, colle2);
    QFETCH(QStringList, noms);
    QFETCH(QStringList, avertissements);
    const bool deuxJoueurs = !colle2.isEmpty();
    QWidget fenetre;
    fenetre.setGeometry(0, 0, 200, 100); // in a corner: centred on it is not on the screen
    fenetre.show();
    FauxBoites boites;
    DialoguesQt dialogues(&fenetre, boites, {});
    QStringList vus;
    boites.pendantBoite = [&] { vus << boites.vues.back().second; };
    bool resteOuverte = false;
    pendantLaFenetre(
        [&](QDialog& dialogue) {
            tavlo::ui::test::comparerAReference(dialogue.grab().toImage(),
                                                deuxJoueurs ? QStringLiteral("noms")
                                                            : QStringLiteral("nom"));
            auto* nom1 = dialogue.findChild<QLineEdit*>(QStringLiteral("Nom1"));
            // Typed one key at a time, as QTest::keyClicks takes no accented letters.
            for (const QChar c : tape1) {
                QTest::sendKeyEvent(QTest::Click, nom1, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
            QApplication::clipboard()->setText(colle2);
            QTest::keyClick(dialogue.findChild<QLineEdit*>(QStringLiteral("Nom2")), Qt::Key_V,
                            Qt::ControlModifier);
            const bool annule = noms.isEmpty() && avertissements.isEmpty();
            annule ? dialogue.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click()
                   : QTest::keyClick(nom1, Qt::Key_Return);
        },
        resteOuverte);
    QStringList donnes;
    if (deuxJoueurs) {
        if (const auto n = dialogues.demanderDeuxNoms()) {
            donnes = QStringList{qt(n->first), qt(n->second)};
        }
    } else if (const auto n = dialogues.demanderUnNom()) {
        donnes = QStringList{qt(*n)};
    }
    QCOMPARE(donnes, noms);
    QCOMPARE(vus, avertissements);
    QCOMPARE(resteOuverte, !avertissements.isEmpty());
}

void DialoguesTest::aPropos() {
    QWidget fenetre;
    fenetre.setGeometry(0, 0, 200, 100);
    fenetre.show();
    FauxBoites boites;
    bool resteOuverte = true;
    pendantLaFenetre(
        [&](QDialog& dialogue) {
            tavlo::ui::test::comparerAReference(dialogue.grab().toImage(),
                                                QStringLiteral("a_propos"));
            QTest::keyClick(&dialogue, Qt::Key_Return); // "OK"
        },
        resteOuverte);
    DialoguesQt(&fenetre, boites, {}).afficherAPropos();
    QVERIFY(!resteOuverte);
}

void DialoguesTest::boiteMessage_data() {
    // A TypeBoite, or -1 for the error box. The types differ only in their icon and title: one
    // with an icon and one without stand for the three.
    QTest::addColumn<int>("type");
    QTest::newRow("information") << 1;
    QTest::newRow("personnalisée") << 2;
    QTest::newRow("erreur") << -1;
}

void DialoguesTest::boiteMessage() {
    QFETCH(int, type);
    bool resteOuverte = true;
    pendantLaFenetre(
        [&](QDialog& boite) {
            // A carriage return starts a line; long lines are cut at half the screen's width,
            // between words, none of them lost.
            auto* etiquette = boite.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const QStringList lignes = etiquette->text().split(QLatin1Char('\n'));
            const QRect ecran = boite.screen()->geometry();
            QCOMPARE(lignes.mid(0, 2),
                     (QStringList{QStringLiteral("Bravo <b>PAUL</b>!"), QString()}));
            QCOMPARE(etiquette->textFormat(), Qt::PlainText); // tags in a name are shown as typed
            const QString mots = lignes.mid(2).join(QLatin1Char(' ')).simplified();
            QVERIFY(mots.startsWith(QStringLiteral("un long texte ").repeated(40).trimmed()));
            QVERIFY(etiquette->width() >= etiquette->sizeHint().width()); // whole lines shown
            for (const QString& ligne : lignes) {
                QVERIFY(etiquette->fontMetrics().horizontalAdvance(ligne) <= ecran.width() / 2);
            }
            // What broke: "OK" sat at the right edge, 299 pixels from the left and 11 from the
            // right. It is the default button, framed as such.
            auto* ok = boite.findChild<QPushButton*>();
            QVERIFY(ok->isDefault());
            QVERIFY(qAbs(ok->mapTo(&boite, ok->rect().center()).x() - boite.rect().center().x()) <=
                    1);
            QTest::keyClick(&boite, Qt::Key_Escape); // closes it, as "OK" does
        },
        resteOuverte);
    const QString texte =
        QStringLiteral("Bravo <b>PAUL</b>!\r\r") + QStringLiteral("un long texte ").repeated(40);
    if (type < 0) {
        tavlo::ui::BoiteMessage::afficherErreur(texte, nullptr);
    } else {
        tavlo::ui::BoitesQt().afficher(static_cast<tavlo::rules::TypeBoite>(type), texte);
    }
    QVERIFY(!resteOuverte);
}

void DialoguesTest::aide_data() {
    QTest::addColumn<QString>("dossier");
    QTest::addColumn<QString>("titre");
    QTest::newRow("pages présentes")
        << TAVLO_AIDE_SOURCE << QString::fromUtf8("Tavlo32 — Règle du jeu");
    // A missing page: the window says so and where it looked.
    QTest::newRow("pages absentes") << "/nulle/part" << qt(tavlo::ui::textes::TITRE_AIDE);
}

void DialoguesTest::aide() {
    QFETCH(QString, dossier);
    QFETCH(QString, titre);
    QWidget fenetre;
    FauxBoites boites;
    DialoguesQt dialogues(&fenetre, boites, {dossier});
    // The help is a window of its own, not modal; asked again, the same window comes forward.
    dialogues.afficherAide();
    dialogues.afficherAide();
    const auto aides = fenetre.findChildren<QWidget*>(QStringLiteral("Aide"));
    QCOMPARE(aides.size(), 1);
    QVERIFY(aides[0]->isVisible());
    QCOMPARE(aides[0]->windowTitle(), titre);
    QCOMPARE(aides[0]->findChild<QTextBrowser*>()->toPlainText().contains(dossier),
             titre == qt(tavlo::ui::textes::TITRE_AIDE));
}

QTEST_MAIN(DialoguesTest)
#include "dialogues_test.moc"
