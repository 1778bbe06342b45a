// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"
#include "ui/dialogues_qt.h"
#include "ui/langue.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

// The game in the player's language: the menus, the board, a message box, the names dialog with
// one of its warnings, the about box and the help. The rows stand for LANG: the program reads the
// same languages from the desktop (the end-to-end test starts it under LANG=en_US.UTF-8).
class LangueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tavlo::ui::preparerApplication(*qApp); }
    void textesDansLaLangue_data();
    void textesDansLaLangue();
};

void LangueTest::textesDansLaLangue_data() {
    // The texts seen, in order, joined by '|', as a wildcard pattern.
    QTest::addColumn<QString>("attendus");
    QTest::newRow("en_US.UTF-8") << QStringLiteral(
        "&New Game|1 Player|2 Players|&Scores|Rounds...|Reset|&Help|Help Contents|Sound|About|"
        "&Quit|Max. throws: 1|Click here to throw the dice\n(key Space)|Rounds won by Player1: "
        "0\r\rRounds won by Player2: 0|Players' names|Enter the name of the first player:|Enter "
        "the name of the second player:|You must enter the names or press "
        "Cancel|&Undo\tCtrl+Z|About|Tavlo32|"
        "Version 1.0|Copyright © 2026 the Tavlo32 developers|Three dice, a cup and eleven "
        "tokens.\nPlay for two, or against ORDY.\nA 421 is worth ten tokens.\nWhoever holds all "
        "eleven loses the round.\nGood luck!|Tavlo32 — Rules of the game");
    // No translation for German: the game stays in French, its own language, and so do Qt's own
    // texts ("*" stands for any texts between).
    QTest::newRow("de_DE.UTF-8") << QStringLiteral("&Nouvelle Partie|*|&Annuler\tCtrl+Z|*");
}

void LangueTest::textesDansLaLangue() {
    QFETCH(QString, attendus);
    const tavlo::ui::Langue langue(
        QLocale(QString::fromLatin1(QTest::currentDataTag())).uiLanguages());
    tavlo::ui::test::FenetreDeTest f;
    QStringList vus;
    for (const QAction* menu : f.fenetre().menuBar()->actions()) {
        vus << menu->text();
        for (const QAction* action :
             menu->menu() != nullptr ? menu->menu()->actions() : QList<QAction*>{}) {
            if (!action->isSeparator()) {
                vus << action->text();
            }
        }
    }
    vus << f.texte(QStringLiteral("CpsMaxi")) << f.element(QStringLiteral("Gobelet"))->toolTip();
    f.choisir(QStringLiteral("MenuManches"));
    vus << f.boites.vues.back().second;
    // Each dialog read, then Enter pressed in it; the names dialog refuses the empty names.
    const auto lireEtValider = [&vus] {
        QTimer::singleShot(0, qApp, [&vus] {
            QWidget* dialogue = QApplication::activeModalWidget();
            vus << dialogue->windowTitle();
            for (const QLabel* etiquette : dialogue->findChildren<QLabel*>()) {
                vus << etiquette->text();
            }
            for (const QPlainTextEdit* memo : dialogue->findChildren<QPlainTextEdit*>()) {
                vus << memo->toPlainText();
            }
            QTest::keyClick(dialogue, Qt::Key_Return);
            QTest::keyClick(dialogue, Qt::Key_Escape);
        });
    };
    tavlo::ui::DialoguesQt dialogues(&f.fenetre(), f.boites, {QStringLiteral(TAVLO_AIDE_SOURCE)});
    lireEtValider();
    dialogues.demanderDeuxNoms();
    vus << f.boites.vues.back().second;
    // Qt's own texts too: the first command of the name field's menu.
    const std::unique_ptr<QMenu> menu(
        f.fenetre().findChild<QLineEdit*>(QStringLiteral("Nom1"))->createStandardContextMenu());
    vus << menu->actions().first()->text();
    lireEtValider();
    dialogues.afficherAPropos();
    dialogues.afficherAide(); // its title is the page's
    vus << f.element(QStringLiteral("Aide"))->windowTitle();
    const QString vu = vus.join(QLatin1Char('|'));
    QVERIFY2(QRegularExpression::fromWildcard(attendus, Qt::CaseSensitive).match(vu).hasMatch(),
             qPrintable(vu));
}

QTEST_MAIN(LangueTest)
#include "langue_test.moc"
