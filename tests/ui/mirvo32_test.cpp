// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

using tavlo::regles::Son;
using tavlo::regles::TypeBoite;
using tavlo::ui::test::FenetreDeTest;

namespace {

QString texte(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// What a screen reader reads of an element.
QString lu(QWidget* element, QAccessible::Text quoi) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(element);
    return interface != nullptr ? interface->text(quoi) : QString();
}

} // namespace

class Mirvo32Test : public QObject {
    Q_OBJECT

private slots:
    void elementPlaceEtVisibleAuDemarrage_data();
    void elementPlaceEtVisibleAuDemarrage();
    void policesEtCouleursDesEtiquettes_data();
    void policesEtCouleursDesEtiquettes();
    void bullesEtNomsPourLecteurDEcran_data();
    void bullesEtNomsPourLecteurDEcran();
    void chaqueImageEtEtiquetteANom();
    void lecteurDEcranSuitLesDesEtLesEtiquettes();
    void fenetreAuDemarrage();
    void arbreDuMenu_data();
    void arbreDuMenu();
    void lePlateauEstSousToutEtLesBoitesDessus();
    void ouvrirNouvellePartieRemetLeJeuAZero();
    void ouvrirNouvellePartieEnPleinLancerRepartProprement();
    void raccourciRemetAZeroPuisDonneLesNoms_data();
    void raccourciRemetAZeroPuisDonneLesNoms();
    void unDeInactifGardeSonImageEtIgnoreLeClic();
    void rienNEstPrisPendantQueLesDesRoulent();
    void sonDuLancerSeulementAvecSonCoche();
    void menusDesDialogues();
};

void Mirvo32Test::elementPlaceEtVisibleAuDemarrage_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("dans");
    // The dice hold face 1 from the start and so are 60 x 60, De3 included. The players' tokens
    // lie on a grid inside their group boxes: four in each of the first two rows, three below.
    const struct {
        const char* nom;
        QRect rect;
        bool visible;
        const char* dans = "Zone";
    } lignes[] = {
        {"Plateau", {4, 120, 629, 313}, true},
        {"Image1", {0, 360, 60, 60}, false},
        {"Image6", {112, 360, 60, 60}, false},
        {"De1", {104, 240, 60, 60}, true},
        {"De2", {224, 168, 60, 60}, true},
        {"De3", {272, 304, 60, 60}, true},
        {"SelectDe1", {424, 200, 57, 57}, false},
        {"SelectDe2", {424, 272, 60, 60}, false},
        {"SelectDe3", {488, 240, 60, 60}, false},
        {"Gobelet", {552, 32, 80, 107}, false},
        {"Jeton1", {8, 80, 40, 15}, true},
        {"Jeton2", {40, 96, 40, 15}, true},
        {"Jeton7", {88, 128, 40, 15}, true},
        {"Jeton11", {48, 160, 40, 15}, true},
        {"NomJoueur1", {104, 0, 201, 89}, true},
        {"NomJoueur2", {336, 0, 201, 89}, true},
        {"ButStop", {264, 96, 113, 25}, true},
        {"EtiJoueur", {284, 128, 4, 17}, true},
        {"Eti_Lancer", {538, 144, 38, 21}, true},
        {"J101", {8, 24, 40, 15}, false, "NomJoueur1"},
        {"J104", {152, 24, 40, 15}, false, "NomJoueur1"},
        {"J105", {8, 40, 40, 15}, false, "NomJoueur1"},
        {"J205", {8, 40, 40, 15}, false, "NomJoueur2"},
        {"J211", {104, 56, 40, 15}, false, "NomJoueur2"},
    };
    for (const auto& l : lignes) {
        QTest::newRow(l.nom) << QString::fromLatin1(l.nom) << l.rect << l.visible
                             << QString::fromLatin1(l.dans);
    }
}

void Mirvo32Test::elementPlaceEtVisibleAuDemarrage() {
    QFETCH(QString, nom);
    QFETCH(QRect, rect);
    QFETCH(bool, visible);
    QFETCH(QString, dans);
    FenetreDeTest t;
    QWidget* element = t.element(nom);
    QVERIFY2(element != nullptr, qPrintable(nom));
    QCOMPARE(element->parentWidget()->objectName(), dans);
    QCOMPARE(element->geometry(), rect);
    QCOMPARE(t.visible(nom), visible);
}

void Mirvo32Test::policesEtCouleursDesEtiquettes_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("gras");
    QTest::addColumn<QColor>("couleur");
    QTest::addColumn<QColor>("fond"); // invalid: no background of its own
    const QColor jaune(255, 255, 0);
    const QColor marine(0, 0, 128);
    QTest::newRow("Eti_Lancer") << "Eti_Lancer" << 19 << false << jaune << QColor();
    QTest::newRow("EtiJoueur") << "EtiJoueur" << 15 << false << jaune << QColor(Qt::black);
    QTest::newRow("EtiRepos") << "EtiRepos" << 19 << false << jaune << marine;
    QTest::newRow("CpsMaxi") << "CpsMaxi" << 16 << true << QColor(255, 0, 0) << QColor(Qt::black);
    QTest::newRow("NomJoueur1") << "NomJoueur1" << 16 << true << QColor(Qt::white) << marine;
    QTest::newRow("ButStop") << "ButStop" << 16 << true << QColor(Qt::black) << QColor();
}

void Mirvo32Test::policesEtCouleursDesEtiquettes() {
    QFETCH(QString, nom);
    QFETCH(int, pixels);
    QFETCH(bool, gras);
    QFETCH(QColor, couleur);
    QFETCH(QColor, fond);
    FenetreDeTest t;
    QWidget* element = t.element(nom);
    QCOMPARE(element->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(QFontInfo(element->font()).family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(element->font().pixelSize(), pixels);
    QCOMPARE(element->font().bold(), gras);
    const QPalette::ColorRole texte =
        qobject_cast<QPushButton*>(element) ? QPalette::ButtonText : QPalette::WindowText;
    QCOMPARE(element->palette().color(QPalette::Active, texte), couleur);
    QCOMPARE(element->autoFillBackground(), fond.isValid());
    if (fond.isValid()) {
        QCOMPARE(element->palette().color(QPalette::Window), fond);
    }
}

void Mirvo32Test::bullesEtNomsPourLecteurDEcran_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("bulle");
    QTest::addColumn<QString>("nomLu");
    const struct {
        const char* nom;
        const char* bulle;
        const char* nomLu;
    } lignes[] = {
        {"De1", "Cliquez pour écarter ce dé\n(touche 1)", "Dé 1"},
        {"De3", "Cliquez pour écarter ce dé\n(touche 3)", "Dé 3"},
        {"SelectDe1", "Cliquez pour remettre en jeu\n(touche 1)", "Dé 1 écarté"},
        {"SelectDe3", "Cliquez pour remettre en jeu\n(touche 3)", "Dé 3 écarté"},
        {"Gobelet", "Cliquez ici pour lancer les dés\n(touche Espace)", "Gobelet"},
        {"ButStop", "Cliquez pour passer la main\n(touche Entrée)", "Passer la main"},
        {"Plateau", "", "Plateau"},
        {"Image6", "", "Modèle de la face 6"},
        {"Jeton1", "", "Jeton du pot 1"},
        {"Jeton11", "", "Jeton du pot 11"},
        {"J101", "", "Jeton 1 du joueur 1"},
        {"J211", "", "Jeton 11 du joueur 2"},
        {"EtiJoueur", "", "Joueur dont c'est le tour"},
        {"Eti_Lancer", "", "Numéro du lancer"},
        {"EtiRepos", "", "Égalité"},
        {"CpsMaxi", "", "Nombre de coups maximum"},
        {"NomJoueur2", "", "Joueur2"},
    };
    for (const auto& l : lignes) {
        QTest::newRow(l.nom) << QString::fromLatin1(l.nom) << texte(l.bulle) << texte(l.nomLu);
    }
}

void Mirvo32Test::bullesEtNomsPourLecteurDEcran() {
    QFETCH(QString, nom);
    QFETCH(QString, bulle);
    QFETCH(QString, nomLu);
    FenetreDeTest t;
    QCOMPARE(t.element(nom)->toolTip(), bulle);
    QCOMPARE(lu(t.element(nom), QAccessible::Name), nomLu);
}

void Mirvo32Test::chaqueImageEtEtiquetteANom() {
    FenetreDeTest t;
    const QList<QLabel*> etiquettes = t.fenetre().findChildren<QLabel*>();
    QVERIFY(etiquettes.size() > 50);
    for (QLabel* etiquette : etiquettes) {
        QVERIFY2(!lu(etiquette, QAccessible::Name).isEmpty(), qPrintable(etiquette->objectName()));
    }
}

void Mirvo32Test::lecteurDEcranSuitLesDesEtLesEtiquettes() {
    FenetreDeTest t;
    QCOMPARE(lu(t.element(QStringLiteral("De1")), QAccessible::Description),
             QStringLiteral("Face 1"));
    t.ouvrirNouvellePartie();
    t.lancer();
    for (const char* de : {"De1", "De2", "De3"}) {
        QCOMPARE(lu(t.element(QLatin1String(de)), QAccessible::Description),
                 QStringLiteral("Face %1").arg(t.face(QLatin1String(de))));
    }
    for (const char* etiquette : {"EtiJoueur", "Eti_Lancer", "CpsMaxi", "EtiRepos"}) {
        QVERIFY(!t.texte(QLatin1String(etiquette)).isEmpty());
        QCOMPARE(lu(t.element(QLatin1String(etiquette)), QAccessible::Description),
                 t.texte(QLatin1String(etiquette)));
    }
}

void Mirvo32Test::fenetreAuDemarrage() {
    FenetreDeTest t;
    tavlo::ui::TMirvo32& f = t.fenetre();
    QCOMPARE(f.windowTitle(), QStringLiteral("Tavlo32"));
    QVERIFY(!(f.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                 Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(f.centralWidget()->palette().color(QPalette::Window), QColor(0, 0, 128));
    QCOMPARE(f.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(QFontInfo(f.font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(f.font().pixelSize(), 11);
    // Left unmaximised, the client area below the menu bar is 427 x 254.
    tavlo::ui::TMirvo32 autre(t.horloge, t.boites, t.son);
    QCOMPARE(autre.width(), 427);
    QCOMPARE(autre.height() - autre.menuBar()->sizeHint().height(), 254);
    QCOMPARE(f.statusBar()->height(), 19);
    QVERIFY(t.element<QLabel>(QStringLiteral("Panneau1"))->text().startsWith(texte("Copyright")));

    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(t.face(QStringLiteral("De%1").arg(n)), 1);
    }
    QCOMPARE(t.jetons(QStringLiteral("Jeton")), 11);
    QCOMPARE(t.jetons(QStringLiteral("J1")) + t.jetons(QStringLiteral("J2")), 0);
    QCOMPARE(t.texte(QStringLiteral("NomJoueur1")), QStringLiteral("Joueur1"));
    QCOMPARE(t.texte(QStringLiteral("NomJoueur2")), QStringLiteral("Joueur2"));
    QCOMPARE(t.texte(QStringLiteral("EtiJoueur")), QString());
    QCOMPARE(t.texte(QStringLiteral("Eti_Lancer")), QString());
    QCOMPARE(t.texte(QStringLiteral("CpsMaxi")), QStringLiteral("Nombre de coups maxi: 1"));
    QCOMPARE(t.texte(QStringLiteral("EtiRepos")), QStringLiteral("\"REPOS\""));
    QVERIFY(!t.visible(QStringLiteral("EtiRepos")));
    QVERIFY(!t.element(QStringLiteral("ButStop"))->isEnabled());
}

void Mirvo32Test::arbreDuMenu_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QStringList>("elements"); // object names, in order
    QTest::addColumn<QStringList>("textes");
    QTest::addColumn<QStringList>("raccourcis");
    QTest::newRow("barre") << "MainMenu1"
                           << QStringList{"MenuNouvelle", "MenuScores", "MenuAide", "MenuQuitter"}
                           << QStringList{"&Nouvelle Partie", "&Scores", "&Aide", "&Quitter"}
                           << QStringList{"", "", "", ""};
    QTest::newRow("MenuNouvelle") << "MenuNouvelle" << QStringList{"Menu1Joueur", "Menu2Joueurs"}
                                  << QStringList{"1 Joueur", "2 Joueurs"}
                                  << QStringList{"Ctrl+1", "Ctrl+2"};
    QTest::newRow("MenuScores") << "MenuScores" << QStringList{"MenuManches", "N2", "MenuZero"}
                                << QStringList{"Manches...", "", texte("Remise à zéro")}
                                << QStringList{"F8", "", "F10"};
    QTest::newRow("MenuAide") << "MenuAide"
                              << QStringList{"MenuAidesur", "MenuSon", "N1", "MenuApropos"}
                              << QStringList{"Aide sur ...", "Son", "", "A propos"}
                              << QStringList{"", "", "", ""};
}

void Mirvo32Test::arbreDuMenu() {
    QFETCH(QString, parent);
    QFETCH(QStringList, elements);
    QFETCH(QStringList, textes);
    QFETCH(QStringList, raccourcis);
    FenetreDeTest t;
    const QList<QAction*> actions = t.element(parent)->actions();
    QCOMPARE(actions.size(), elements.size());
    for (qsizetype i = 0; i < actions.size(); ++i) {
        QAction* a = actions[i];
        const QString nom = a->menu() != nullptr ? a->menu()->objectName() : a->objectName();
        QCOMPARE(nom, elements[i]);
        QCOMPARE(a->isSeparator(),
                 elements[i].startsWith(QLatin1Char('N')) && elements[i].size() == 2);
        QCOMPARE(a->text(), textes[i]);
        QCOMPARE(a->shortcut().toString(), raccourcis[i]);
        QVERIFY(a->isEnabled());
    }
}

void Mirvo32Test::lePlateauEstSousToutEtLesBoitesDessus() {
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    // Whatever lies on the board is what the mouse finds there.
    for (const char* nom : {"De1", "De2", "De3", "Gobelet", "CpsMaxi", "EtiJoueur"}) {
        QWidget* touche = t.sousLaSouris(QLatin1String(nom));
        QVERIFY2(touche != nullptr && touche->objectName() == QLatin1String(nom), nom);
    }
    const QList<QObject*> enfants = t.fenetre().centralWidget()->children();
    auto rang = [&](const char* nom) { return enfants.indexOf(t.element(QLatin1String(nom))); };
    QCOMPARE(rang("Plateau"), 0);
    for (const char* dessous : {"De1", "Gobelet", "Jeton11", "CpsMaxi", "EtiRepos"}) {
        for (const char* dessus : {"NomJoueur1", "NomJoueur2", "ButStop"}) {
            QVERIFY2(rang(dessous) < rang(dessus), dessous);
        }
    }
}

void Mirvo32Test::ouvrirNouvellePartieRemetLeJeuAZero() {
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    QVERIFY(t.visible(QStringLiteral("Gobelet")));
    QCOMPARE(t.texte(QStringLiteral("EtiJoueur")), QStringLiteral("Joueur1"));
    QCOMPARE(t.texte(QStringLiteral("Eti_Lancer")), texte("Lancer n° 1"));
    QCOMPARE(t.texte(QStringLiteral("CpsMaxi")), QStringLiteral("Nombre de coups maxi:1"));
    // Play a hand, so that tokens move, then open the menu again.
    t.lancer();
    t.cliquer(QStringLiteral("ButStop"));
    t.lancer();
    t.cliquer(QStringLiteral("ButStop"));
    QVERIFY(t.jetons(QStringLiteral("Jeton")) < 11 || t.visible(QStringLiteral("EtiRepos")));
    t.ouvrirNouvellePartie();
    QCOMPARE(t.jetons(QStringLiteral("Jeton")), 11);
    QCOMPARE(t.jetons(QStringLiteral("J1")) + t.jetons(QStringLiteral("J2")), 0);
    QVERIFY(!t.visible(QStringLiteral("EtiRepos")));
    QCOMPARE(t.texte(QStringLiteral("EtiJoueur")), QStringLiteral("Joueur1"));
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(t.face(QStringLiteral("De%1").arg(n)), 1);
        QVERIFY(!t.visible(QStringLiteral("SelectDe%1").arg(n)));
    }
}

void Mirvo32Test::ouvrirNouvellePartieEnPleinLancerRepartProprement() {
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    t.cliquer(QStringLiteral("Gobelet"));
    t.tic(3);
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    t.ouvrirNouvellePartie();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(t.visible(QStringLiteral("Gobelet")));
    t.tic(10);
    QCOMPARE(t.face(QStringLiteral("De1")), 1); // the cancelled throw draws no more frames
}

void Mirvo32Test::raccourciRemetAZeroPuisDonneLesNoms_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<QString>("nom1"); // typed in the names dialog; none: cancelled
    QTest::addColumn<QStringList>("noms");
    QTest::newRow("Ctrl+1") << int(Qt::Key_1) << "PAUL" << QStringList{"PAUL", "ORDY"};
    QTest::newRow("Ctrl+2 annulé") << int(Qt::Key_2) << "" << QStringList{"Joueur 1", "Joueur 2"};
}

void Mirvo32Test::raccourciRemetAZeroPuisDonneLesNoms() {
    QFETCH(int, touche);
    QFETCH(QString, nom1);
    QFETCH(QStringList, noms);
    FenetreDeTest t;
    if (!nom1.isEmpty()) {
        t.dialogues.nom1 = nom1.toStdString();
    }
    t.activer();
    t.appuyer(static_cast<Qt::Key>(touche), Qt::ControlModifier);
    QCOMPARE(t.texte(QStringLiteral("NomJoueur1")), noms[0]);
    QCOMPARE(t.texte(QStringLiteral("NomJoueur2")), noms[1]);
    QCOMPARE(t.texte(QStringLiteral("EtiJoueur")), noms[0]);
    QVERIFY(t.visible(QStringLiteral("Gobelet"))); // the reset ran before the names
}

void Mirvo32Test::unDeInactifGardeSonImageEtIgnoreLeClic() {
    FenetreDeTest t;
    // Before any game the dice show face 1 and take no click.
    t.cliquer(QStringLiteral("De1"));
    QVERIFY(t.visible(QStringLiteral("De1")));
    QVERIFY(!t.visible(QStringLiteral("SelectDe1")));
    QVERIFY(t.element(QStringLiteral("De1"))->isEnabled()); // drawn undimmed
    QCOMPARE(t.face(QStringLiteral("De1")), 1);
    // A hidden set-aside place takes no click: the board under it gets it.
    QWidget* touche = t.sousLaSouris(QStringLiteral("SelectDe1"));
    QVERIFY(touche != nullptr);
    QCOMPARE(touche->objectName(), QStringLiteral("Plateau"));
}

void Mirvo32Test::rienNEstPrisPendantQueLesDesRoulent() {
    FenetreDeTest t;
    t.activer();
    t.ouvrirNouvellePartie();
    t.jusquATroisCoups();
    t.lancer();
    // Before the second throw every click and key would be taken; while the dice roll, under
    // the hourglass, none is.
    t.cliquer(QStringLiteral("Gobelet"));
    t.tic(3);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    const QString avant = t.plateau();
    for (const char* element : {"De1", "De2", "Gobelet", "ButStop"}) {
        t.cliquer(QLatin1String(element));
    }
    for (Qt::Key touche : {Qt::Key_Space, Qt::Key_1, Qt::Key_Return, Qt::Key_Enter}) {
        t.appuyer(touche);
    }
    QCOMPARE(t.plateau(), avant);
    QCOMPARE(t.finirLancer(), 4);
    QCOMPARE(t.texte(QStringLiteral("Eti_Lancer")), texte("Lancer n° 3"));
}

void Mirvo32Test::sonDuLancerSeulementAvecSonCoche() {
    FenetreDeTest t;
    t.ouvrirNouvellePartie();
    t.lancer();
    QCOMPARE(t.son.joues, std::vector<Son>{Son::LANCER});
    t.element<QAction>(QStringLiteral("MenuSon"))->trigger();
    QVERIFY(!t.element<QAction>(QStringLiteral("MenuSon"))->isChecked());
    t.cliquer(QStringLiteral("ButStop"));
    t.lancer();
    QCOMPARE(t.son.joues.size(), std::size_t{1});
    t.element<QAction>(QStringLiteral("MenuSon"))->trigger();
    QVERIFY(t.element<QAction>(QStringLiteral("MenuSon"))->isChecked());
}

void Mirvo32Test::menusDesDialogues() {
    FenetreDeTest t;
    t.choisir(QStringLiteral("MenuApropos"));
    t.choisir(QStringLiteral("MenuAidesur"));
    QCOMPARE(t.dialogues.aPropos, 1);
    QCOMPARE(t.dialogues.aides, std::vector<int>{1});
}

TAVLO_TEST_MAIN(Mirvo32Test)
#include "mirvo32_test.moc"
