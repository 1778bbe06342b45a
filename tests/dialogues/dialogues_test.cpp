// Copyright 2026 the Tavlo32 developers.
#include "faux_services.h"
#include "image_reference.h"
#include "rules/textes_noms.h"
#include "ui/application_tavlo.h"
#include "ui/boite_message.h"
#include "ui/dialogues_qt.h"
#include "ui/textes_fenetre.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>

using tavlo::ui::DialoguesQt;
using tavlo::ui::test::FauxBoites;

namespace {
QString qt(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

// Types one key per character, as QTest::keyClicks takes no accented letters.
void taper(QWidget* saisie, const QString& texte) {
    for (const QChar c : texte) {
        QTest::sendKeyEvent(QTest::Click, saisie, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
} // namespace

// The dialogs the menu opens, through the service the main window uses: the names dialog, the
// about box, the help window, and the message boxes.
class DialoguesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setCursorFlashTime(0); }
    void nomsDemandes_data();
    void nomsDemandes();
    void dessin_data();
    void dessin();
    void boiteMessage_data();
    void boiteMessage();
    void aide_data();
    void aide();
};

void DialoguesTest::nomsDemandes_data() {
    const QString manquants = qt(tavlo::regles::textes::NOMS_MANQUANTS);
    const QString reserve = qt(tavlo::regles::textes::NOM_RESERVE);
    QTest::addColumn<bool>("deuxJoueurs");
    QTest::addColumn<QString>("tape1");
    QTest::addColumn<QString>("colle2"); // pasted into the second name
    QTest::addColumn<bool>("annule");
    QTest::addColumn<QStringList>("noms"); // what the dialog gives, empty for nothing
    QTest::addColumn<QStringList>("avertissements");
    QTest::newRow("seul, en minuscules") << false << "paul"
                                         << "" << false << QStringList{"PAUL"} << QStringList{};
    QTest::newRow("à deux, collé et coupé")
        << true << "éric"
        << "jean-pierre dupont" << false << QStringList{"ÉRIC", "JEAN-PIERR"} << QStringList{};
    QTest::newRow("tapé trop long") << false << "abcdefghijkl"
                                    << "" << false << QStringList{"ABCDEFGHIJ"} << QStringList{};
    QTest::newRow("vide puis ORDY")
        << true << ""
        << "ordy" << false << QStringList{} << QStringList{manquants, reserve};
    QTest::newRow("annulé") << false << "paul"
                            << "" << true << QStringList{} << QStringList{};
}

void DialoguesTest::nomsDemandes() {
    QFETCH(bool, deuxJoueurs);
    QFETCH(QString, tape1);
    QFETCH(QString, colle2);
    QFETCH(bool, annule);
    QFETCH(QStringList, noms);
    QFETCH(QStringList, avertissements);
    QWidget fenetre;
    FauxBoites boites;
    DialoguesQt dialogues(&fenetre, boites, {});
    QStringList vus;
    boites.pendantBoite = [&] {
        // Each warning is shown over the names dialog, which stays open behind it.
        QVERIFY(QApplication::activeModalWidget() != nullptr);
        vus << boites.vues.back().texte;
    };
    bool resteOuverte = false;
    QTimer::singleShot(0, &fenetre, [&] {
        auto* dialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialogue != nullptr);
        const auto fermer = qScopeGuard([&] {
            resteOuverte = dialogue->isVisible();
            if (resteOuverte) {
                dialogue->reject();
            }
        });
        auto* nom2 = dialogue->findChild<QLineEdit*>(QStringLiteral("Nom2"));
        QCOMPARE(nom2->isVisible(), deuxJoueurs);
        taper(dialogue->findChild<QLineEdit*>(QStringLiteral("Nom1")), tape1);
        QApplication::clipboard()->setText(colle2);
        QTest::keyClick(nom2, Qt::Key_V, Qt::ControlModifier);
        if (annule) {
            QTest::keyClick(dialogue, Qt::Key_Escape);
        } else {
            QTest::mouseClick(dialogue->findChild<QPushButton*>(QStringLiteral("OKBtn")),
                              Qt::LeftButton);
        }
    });
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

void DialoguesTest::dessin_data() {
    QTest::addColumn<int>("quoi");
    QTest::newRow("noms") << 0;
    QTest::newRow("a_propos") << 1;
}

void DialoguesTest::dessin() {
    QFETCH(int, quoi);
    QWidget fenetre;
    tavlo::ui::BoitesQt boites;
    DialoguesQt dialogues(&fenetre, boites, {});
    bool resteOuverte = true;
    QTimer::singleShot(0, &fenetre, [&] {
        auto* dialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialogue != nullptr);
        const auto fermer = qScopeGuard([&] {
            resteOuverte = dialogue->isVisible();
            if (resteOuverte) {
                dialogue->reject();
            }
        });
        tavlo::ui::test::comparerAReference(dialogue->grab().toImage(),
                                            QString::fromLatin1(QTest::currentDataTag()));
        // Enter presses "OK" in the about box; the names dialog closes on Escape.
        QTest::keyClick(dialogue, quoi == 0 ? Qt::Key_Escape : Qt::Key_Return);
    });
    if (quoi == 0) {
        QVERIFY(!dialogues.demanderDeuxNoms());
    } else {
        dialogues.afficherAPropos();
    }
    QVERIFY(!resteOuverte);
}

void DialoguesTest::boiteMessage_data() {
    QTest::addColumn<Qt::Key>("touche");
    QTest::newRow("Entrée") << Qt::Key_Return;
    QTest::newRow("Échap") << Qt::Key_Escape;
}

void DialoguesTest::boiteMessage() {
    QFETCH(Qt::Key, touche);
    const QString mots = QStringLiteral("un long texte").repeated(40);
    bool resteOuverte = true;
    QTimer::singleShot(0, qApp, [&] {
        auto* boite = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(boite != nullptr);
        const auto fermer = qScopeGuard([&] {
            resteOuverte = boite->isVisible();
            if (resteOuverte) {
                boite->reject();
            }
        });
        // A carriage return starts a line, long lines are cut at half the screen's width and
        // the box, sized to its text, stands at the centre of the screen.
        auto* etiquette = boite->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const QStringList lignes = etiquette->text().split(QLatin1Char('\n'));
        QCOMPARE(lignes.mid(0, 2), (QStringList{QStringLiteral("Bravo PAUL!"), QString()}));
        const QRect ecran = boite->screen()->geometry();
        QVERIFY(lignes.size() > 4);
        for (const QString& ligne : lignes) {
            QVERIFY(etiquette->fontMetrics().horizontalAdvance(ligne) <= ecran.width() / 2);
        }
        QVERIFY((boite->frameGeometry().center() - ecran.center()).manhattanLength() <= 2);
        QTest::keyClick(boite, touche);
    });
    tavlo::ui::BoitesQt().afficher(tavlo::regles::TypeBoite::Information,
                                   QStringLiteral("Bravo PAUL!\r\r") + mots);
    QVERIFY(!resteOuverte);
}

void DialoguesTest::aide_data() {
    QTest::addColumn<QString>("dossier");
    QTest::addColumn<QString>("titre");
    QTest::newRow("pages présentes")
        << TAVLO_AIDE_SOURCE << QString::fromUtf8("Tavlo32 — Règle du jeu");
    QTest::newRow("pages absentes") << "/nulle/part" << qt(tavlo::ui::textes::TITRE_AIDE);
}

void DialoguesTest::aide() {
    QFETCH(QString, dossier);
    QFETCH(QString, titre);
    QWidget fenetre;
    FauxBoites boites;
    DialoguesQt dialogues(&fenetre, boites, {dossier});
    // The help is a window of its own, not modal; asked again, the same window comes forward.
    dialogues.afficherAide(1);
    dialogues.afficherAide(1);
    const auto aides = fenetre.findChildren<QWidget*>(QStringLiteral("Aide"));
    QCOMPARE(aides.size(), 1);
    QVERIFY(aides[0]->isVisible());
    QCOMPARE(aides[0]->windowTitle(), titre);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    const QString page = aides[0]->findChild<QTextBrowser*>()->toPlainText();
    QVERIFY(page.contains(dossier.startsWith(QStringLiteral("/nulle")) ? dossier
                                                                       : QStringLiteral("ORDY")));
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tavlo::ui::preparerApplication(application);
    DialoguesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dialogues_test.moc"
