// Copyright 2026 the Tavlo32 developers.
#include "place_dialogue.h"
#include "rules/textes_noms.h"
#include "ui/ch_nom.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QString texte(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// What a showing of the dialog ended with, and whether the player's actions left it open.
struct Issue {
    int resultat;
    bool resteOuvert;
};

} // namespace

class ChNomTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { substituerPolices(); }
    void init();
    void cleanup();

    void placeChaqueElement_data();
    void placeChaqueElement();
    void legendesEtTitre();
    void ordreDeTabulationDesSaisiesAuxBoutons();
    void focusDansNom1LaPremiereFois();
    void centreSurLEcran();

    void majusculesEnTapant_data();
    void majusculesEnTapant();
    void onziemeCaractereRefuse();
    void collageMisEnMajusculesEtCoupe();

    void refusBipeAvantChaqueAvertissementEtResteOuvert_data();
    void refusBipeAvantChaqueAvertissementEtResteOuvert();
    void nomsAcceptes_data();
    void nomsAcceptes();
    void entreeValideCommeOK();
    void ordyResteDansLeChampCacheEtEstRefuse();
    void avertissementParDefautBoiteDeMiseEnGarde();

    void annulationDonneRejected_data();
    void annulationDonneRejected();
    void contenuGardeEntreDeuxAffichages();

private:
    QLineEdit* saisie(const char* nom) const { return m_dialogue->findChild<QLineEdit*>(nom); }
    QPushButton* bouton(const char* nom) const { return m_dialogue->findChild<QPushButton*>(nom); }
    // Shows the dialog modally and runs the player's actions inside it; a dialog they leave
    // open is then cancelled so that the test goes on.
    Issue executer(const std::function<void()>& actions);
    // Types one key per character; QTest::keyClicks takes no accented letters.
    void taper(const char* nom, const QString& texte) {
        for (const QChar c : texte) {
            QTest::sendKeyEvent(QTest::Click, saisie(nom), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }

    std::unique_ptr<QWidget> m_fenetre;
    TChNom* m_dialogue = nullptr;
    // One entry per beep ("bip") and per warning box (its text), in the order they came.
    QStringList m_refus;
};

void ChNomTest::init() {
    m_fenetre = std::make_unique<QWidget>();
    m_dialogue = new TChNom(m_fenetre.get());
    m_refus.clear();
    m_dialogue->setBip([this] { m_refus << QStringLiteral("bip"); });
    m_dialogue->setAvertissement([this](const QString& t) {
        // The warning box is modal: the names dialog must still be the one waiting behind it.
        QVERIFY(m_dialogue->isVisible());
        m_refus << t;
    });
}

void ChNomTest::cleanup() {
    m_fenetre.reset();
    m_dialogue = nullptr;
}

Issue ChNomTest::executer(const std::function<void()>& actions) {
    bool resteOuvert = false;
    QTimer::singleShot(0, m_dialogue, [&] {
        // Closed even when a check fails half-way, so that a failure cannot hang the test.
        const auto fermer = qScopeGuard([&] {
            resteOuvert = m_dialogue->isVisible();
            if (resteOuvert) {
                m_dialogue->reject();
            }
        });
        QCOMPARE(QApplication::activeModalWidget(), m_dialogue);
        actions();
    });
    const int resultat = m_dialogue->exec();
    return {resultat, resteOuvert};
}

void ChNomTest::placeChaqueElement_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("pixels");
    QTest::newRow("Bevel1") << "Bevel1" << QRect(8, 8, 297, 161) << 11;
    QTest::newRow("Label1") << "Label1" << QRect(32, 24, 235, 20) << 16;
    QTest::newRow("Nom1") << "Nom1" << QRect(32, 48, 129, 28) << 16;
    QTest::newRow("Label2") << "Label2" << QRect(32, 96, 230, 20) << 16;
    QTest::newRow("Nom2") << "Nom2" << QRect(32, 120, 129, 28) << 16;
    QTest::newRow("OKBtn") << "OKBtn" << QRect(79, 180, 75, 25) << 11;
    QTest::newRow("CancelBtn") << "CancelBtn" << QRect(159, 180, 75, 25) << 11;
}

void ChNomTest::placeChaqueElement() {
    QFETCH(QString, nom);
    QFETCH(QRect, place);
    QFETCH(int, pixels);
    const auto* element = m_dialogue->findChild<QWidget*>(nom);
    QVERIFY(element);
    verifierPlace(element, place);
    QCOMPARE(element->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(element->font().pixelSize(), pixels);
}

void ChNomTest::legendesEtTitre() {
    QCOMPARE(m_dialogue->windowTitle(), QStringLiteral("Saisie du nom des joueurs"));
    QCOMPARE(m_dialogue->size(), QSize(313, 214));
    QCOMPARE(m_dialogue->minimumSize(), m_dialogue->maximumSize());
    QCOMPARE(m_dialogue->findChild<QLabel*>("Label1")->text(),
             QStringLiteral("Entrez le Nom du  premier joueur:"));
    QCOMPARE(m_dialogue->findChild<QLabel*>("Label2")->text(),
             QStringLiteral("Entrez le Nom du second joueur:"));
    QCOMPARE(bouton("OKBtn")->text(), QStringLiteral("OK"));
    QVERIFY(bouton("OKBtn")->isDefault());
    QCOMPARE(bouton("CancelBtn")->text(), QStringLiteral("Annuler"));
    QVERIFY(!bouton("CancelBtn")->isDefault());
}

void ChNomTest::ordreDeTabulationDesSaisiesAuxBoutons() {
    QStringList ordre;
    QWidget* w = saisie("Nom1");
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            ordre << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != saisie("Nom1"));
    QCOMPARE(ordre, (QStringList{"Nom1", "Nom2", "OKBtn", "CancelBtn"}));
}

void ChNomTest::focusDansNom1LaPremiereFois() {
    QWidget* focus = nullptr;
    executer([&] { focus = m_dialogue->focusWidget(); });
    QCOMPARE(focus, saisie("Nom1"));
}

void ChNomTest::centreSurLEcran() {
    QPoint centre;
    executer([&] { centre = m_dialogue->frameGeometry().center(); });
    const QPoint ecran = m_dialogue->screen()->geometry().center();
    QVERIFY2((centre - ecran).manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
}

void ChNomTest::majusculesEnTapant_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("minuscules") << "paul"
                                << "PAUL";
    QTest::newRow("melange") << "Jean-Luc 2"
                             << "JEAN-LUC 2";
    QTest::newRow("accents") << "hélène"
                             << "HÉLÈNE";
    QTest::newRow("blancs") << "   "
                            << "   ";
    QTest::newRow("ordy") << "ordy"
                          << "ORDY";
}

void ChNomTest::majusculesEnTapant() {
    QFETCH(QString, tape);
    QFETCH(QString, attendu);
    taper("Nom1", tape);
    taper("Nom2", tape);
    QCOMPARE(m_dialogue->nom1(), attendu);
    QCOMPARE(m_dialogue->nom2(), attendu);
}

void ChNomTest::onziemeCaractereRefuse() {
    taper("Nom1", QStringLiteral("abcdefghij"));
    taper("Nom1", QStringLiteral("k"));
    QCOMPARE(m_dialogue->nom1(), QStringLiteral("ABCDEFGHIJ"));
    // A capital longer than its letter must not get past the limit either.
    taper("Nom2", QStringLiteral("straße gaß"));
    QCOMPARE(m_dialogue->nom2(), QStringLiteral("STRASSE GA"));
}

void ChNomTest::collageMisEnMajusculesEtCoupe() {
    QApplication::clipboard()->setText(QStringLiteral("bernadette dupont"));
    QTest::keyClick(saisie("Nom1"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_dialogue->nom1(), QStringLiteral("BERNADETTE"));
    QApplication::clipboard()->setText(QStringLiteral("éric"));
    saisie("Nom2")->paste();
    QCOMPARE(m_dialogue->nom2(), QStringLiteral("ÉRIC"));
}

void ChNomTest::refusBipeAvantChaqueAvertissementEtResteOuvert_data() {
    const QString manquants = texte(tavlo::regles::textes::NOMS_MANQUANTS);
    const QString reserve = texte(tavlo::regles::textes::NOM_RESERVE);
    QTest::addColumn<bool>("deuxJoueurs");
    QTest::addColumn<QString>("tape1");
    QTest::addColumn<QString>("tape2");
    QTest::addColumn<QStringList>("refus");
    QTest::newRow("deux champs vides") << true << ""
                                       << "" << QStringList{"bip", manquants};
    QTest::newRow("second vide") << true << "paul"
                                 << "" << QStringList{"bip", manquants};
    QTest::newRow("seul et vide") << false << ""
                                  << "" << QStringList{"bip", manquants};
    QTest::newRow("vide puis ORDY") << true << ""
                                    << "ORDY" << QStringList{"bip", manquants, "bip", reserve};
    QTest::newRow("ordy en minuscules") << true << "ordy"
                                        << "jean" << QStringList{"bip", reserve};
    QTest::newRow("ORDY contre ORDY") << false << "ORDY"
                                      << "" << QStringList{"bip", reserve};
}

void ChNomTest::refusBipeAvantChaqueAvertissementEtResteOuvert() {
    QFETCH(bool, deuxJoueurs);
    QFETCH(QString, tape1);
    QFETCH(QString, tape2);
    QFETCH(QStringList, refus);
    m_dialogue->montrerNom2(deuxJoueurs);
    const Issue issue = executer([&] {
        taper("Nom1", tape1);
        taper("Nom2", tape2);
        QTest::mouseClick(bouton("OKBtn"), Qt::LeftButton);
    });
    QVERIFY(issue.resteOuvert);
    QCOMPARE(m_refus, refus);
    QCOMPARE(m_dialogue->nom1(), tape1.toUpper());
}

void ChNomTest::nomsAcceptes_data() {
    QTest::addColumn<bool>("deuxJoueurs");
    QTest::addColumn<QString>("tape1");
    QTest::addColumn<QString>("tape2");
    QTest::newRow("deux noms") << true << "paul"
                               << "jean";
    QTest::newRow("memes noms") << true << "paul"
                                << "paul";
    QTest::newRow("seul, second champ cache et vide") << false << "paul"
                                                      << "";
    QTest::newRow("nom de blancs") << false << " "
                                   << "";
    QTest::newRow("ORDY dans un nom plus long") << true << "ordynateur"
                                                << "xordy";
}

void ChNomTest::nomsAcceptes() {
    QFETCH(bool, deuxJoueurs);
    QFETCH(QString, tape1);
    QFETCH(QString, tape2);
    m_dialogue->montrerNom2(deuxJoueurs);
    const Issue issue = executer([&] {
        taper("Nom1", tape1);
        taper("Nom2", tape2);
        QTest::mouseClick(bouton("OKBtn"), Qt::LeftButton);
    });
    QCOMPARE(issue.resultat, int(QDialog::Accepted));
    QVERIFY(!issue.resteOuvert);
    QVERIFY(m_refus.isEmpty());
    QCOMPARE(m_dialogue->nom1(), tape1.toUpper());
    QCOMPARE(m_dialogue->nom2(), tape2.toUpper());
}

void ChNomTest::entreeValideCommeOK() {
    m_dialogue->montrerNom2(false);
    const Issue issue = executer([&] {
        taper("Nom1", QStringLiteral("paul"));
        QTest::keyClick(saisie("Nom1"), Qt::Key_Return);
    });
    QCOMPARE(issue.resultat, int(QDialog::Accepted));
    QVERIFY(!issue.resteOuvert);
}

void ChNomTest::ordyResteDansLeChampCacheEtEstRefuse() {
    m_dialogue->montrerNom2(true);
    Issue issue = executer([&] {
        taper("Nom1", QStringLiteral("paul"));
        taper("Nom2", QStringLiteral("ordy"));
        QTest::mouseClick(bouton("CancelBtn"), Qt::LeftButton);
    });
    QCOMPARE(issue.resultat, int(QDialog::Rejected));
    m_refus.clear();

    m_dialogue->montrerNom2(false);
    issue = executer([&] {
        QVERIFY(!saisie("Nom2")->isVisible());
        QTest::mouseClick(bouton("OKBtn"), Qt::LeftButton);
    });
    QVERIFY(issue.resteOuvert);
    QCOMPARE(m_refus, (QStringList{"bip", texte(tavlo::regles::textes::NOM_RESERVE)}));
}

void ChNomTest::avertissementParDefautBoiteDeMiseEnGarde() {
    auto* dialogue = new TChNom(m_fenetre.get());
    int bips = 0;
    dialogue->setBip([&] { ++bips; });
    QStringList boites;
    const std::function<void()> fermerLaBoite = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        const auto fermer = qScopeGuard([modal] { modal->close(); });
        auto* boite = qobject_cast<QMessageBox*>(modal);
        QVERIFY(boite);
        QCOMPARE(boite->windowTitle(), QStringLiteral("Avertissement"));
        QCOMPARE(boite->icon(), QMessageBox::Warning);
        QCOMPARE(boite->buttons().size(), 1);
        boites << boite->text();
    };
    QTimer::singleShot(0, dialogue, [&] {
        dialogue->findChild<QLineEdit*>("Nom2")->setText(QStringLiteral("ORDY"));
        // Two boxes in a row: each is closed from a call queued before it opens.
        QTimer::singleShot(0, dialogue, [&] {
            fermerLaBoite();
            QTimer::singleShot(0, dialogue, fermerLaBoite);
        });
        dialogue->findChild<QPushButton*>("OKBtn")->click();
        dialogue->reject();
    });
    dialogue->exec();
    QCOMPARE(bips, 2);
    QCOMPARE(boites, (QStringList{texte(tavlo::regles::textes::NOMS_MANQUANTS),
                                  texte(tavlo::regles::textes::NOM_RESERVE)}));
}

void ChNomTest::annulationDonneRejected_data() {
    QTest::addColumn<int>("facon");
    QTest::newRow("Annuler") << 0;
    QTest::newRow("Echap") << 1;
    QTest::newRow("fermeture de la barre de titre") << 2;
}

void ChNomTest::annulationDonneRejected() {
    QFETCH(int, facon);
    const Issue issue = executer([&] {
        taper("Nom1", QStringLiteral("paul"));
        taper("Nom2", QStringLiteral("jean"));
        switch (facon) {
        case 0:
            QTest::mouseClick(bouton("CancelBtn"), Qt::LeftButton);
            break;
        case 1:
            QTest::keyClick(saisie("Nom1"), Qt::Key_Escape);
            break;
        default:
            m_dialogue->close();
        }
    });
    QCOMPARE(issue.resultat, int(QDialog::Rejected));
    QVERIFY(!issue.resteOuvert);
    QVERIFY(m_refus.isEmpty());
    QCOMPARE(m_dialogue->nom1(), QStringLiteral("PAUL"));
}

void ChNomTest::contenuGardeEntreDeuxAffichages() {
    executer([&] {
        taper("Nom1", QStringLiteral("paul"));
        taper("Nom2", QStringLiteral("jean"));
        QTest::mouseClick(bouton("OKBtn"), Qt::LeftButton);
    });
    QString vu1;
    QString vu2;
    const Issue issue = executer([&] {
        vu1 = saisie("Nom1")->text();
        vu2 = saisie("Nom2")->text();
        QTest::mouseClick(bouton("OKBtn"), Qt::LeftButton);
    });
    QCOMPARE(vu1, QStringLiteral("PAUL"));
    QCOMPARE(vu2, QStringLiteral("JEAN"));
    QCOMPARE(issue.resultat, int(QDialog::Accepted));
}

QTEST_MAIN(ChNomTest)
#include "ch_nom_test.moc"
