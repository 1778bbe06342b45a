// Copyright 2026 the Tavlo32 developers.
#include "rules/combinaisons.h"
#include "ui/aide.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextTable>
#include <QtTest>

class AideTest : public QObject {
    Q_OBJECT

private slots:
    void pageTrouveeDansLeDossierSuivant();
    void pageIntrouvableLeDit_data();
    void pageIntrouvableLeDit();
    void tableauDesCombinaisonsConformeAuJeu();

private:
    static QTextBrowser* navigateur(TAide& aide) { return aide.findChild<QTextBrowser*>(); }
};

void AideTest::pageTrouveeDansLeDossierSuivant() {
    QTemporaryDir vide;
    TAide aide(nullptr, {vide.path(), QStringLiteral(TAVLO_AIDE_SOURCE)});
    aide.montrerSujet(1);
    QVERIFY(aide.isVisible());
    QCOMPARE(aide.windowTitle(), QStringLiteral("Tavlo32 — Règle du jeu"));
    QVERIFY(navigateur(aide)->toPlainText().contains(QStringLiteral("421")));
}

void AideTest::pageIntrouvableLeDit_data() {
    QTest::addColumn<bool>("dossierDesPages");
    QTest::addColumn<int>("contexte");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("dossier vide") << false << 1
                                  << "Le fichier d'aide est introuvable : tavlo32.html";
    QTest::newRow("sujet inconnu") << true << 7 << "Le fichier d'aide est introuvable : sujet 7";
}

void AideTest::pageIntrouvableLeDit() {
    QFETCH(bool, dossierDesPages);
    QFETCH(int, contexte);
    QFETCH(QString, attendu);
    QTemporaryDir vide;
    const QString dossier = dossierDesPages ? QStringLiteral(TAVLO_AIDE_SOURCE) : vide.path();
    TAide aide(nullptr, {dossier});
    aide.montrerSujet(contexte);
    // The game goes on: the help window is shown and blocks nothing.
    QVERIFY(aide.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    const QString texte = navigateur(aide)->toPlainText();
    QVERIFY2(texte.contains(attendu), qPrintable(texte));
    QVERIFY2(texte.contains(QDir::toNativeSeparators(dossier)), qPrintable(texte));
}

void AideTest::tableauDesCombinaisonsConformeAuJeu() {
    TAide aide(nullptr, {QStringLiteral(TAVLO_AIDE_SOURCE)});
    aide.montrerSujet(1);
    // The page's combinations table: a heading row, then one row per combination in the order
    // of strength with its value and its worth in tokens.
    QTextTable* tableau = nullptr;
    for (QTextBlock bloc = navigateur(aide)->document()->begin(); bloc.isValid() && !tableau;
         bloc = bloc.next()) {
        tableau = QTextCursor(bloc).currentTable();
    }
    QVERIFY(tableau);
    const auto cellule = [tableau](int ligne, int colonne) {
        const QTextTableCell c = tableau->cellAt(ligne, colonne);
        QTextCursor curseur = c.firstCursorPosition();
        curseur.setPosition(c.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return curseur.selectedText().trimmed();
    };
    QCOMPARE(tableau->rows(), int(tavlo::regles::TableCombinaisons.size()) + 2);
    for (const auto& combinaison : tavlo::regles::TableCombinaisons) {
        const int ligne = combinaison.rang;
        QCOMPARE(cellule(ligne, 0), QString::number(combinaison.rang));
        QCOMPARE(cellule(ligne, 1), QString::number(combinaison.valeur));
        QCOMPARE(cellule(ligne, 3), QString::number(combinaison.jetons));
    }
    QCOMPARE(cellule(tavlo::regles::RANG_ORDINAIRE, 3), QStringLiteral("1"));
}

QTEST_MAIN(AideTest)
#include "aide_test.moc"
