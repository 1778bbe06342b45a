// Copyright 2026 the Tavlo32 developers.
#include "ui/mirvo32.h"

#include "rules/textes.h"
#include "ui/application_tavlo.h"
#include "ui/bulles_aide.h"
#include "ui/dialogue_fixe.h"
#include "ui/disposition.h"
#include "ui/service_boites.h"
#include "ui/service_dialogues.h"
#include "ui/service_son.h"
#include "ui/textes_fenetre.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <variant>

namespace tavlo::ui {

namespace {

constexpr int TEMPO_MS = 500;
constexpr int HAUTEUR_BARRE_ETAT = 19;
constexpr QSize CLIENT_NON_MAXIMISE{427, 254};
constexpr int SUJET_AIDE = 1;

void placer(QWidget* element, const char* nom) {
    element->setObjectName(QLatin1String(nom));
    element->setGeometry(emplacement(nom));
}

// The click handlers of the dice in play and of their set-aside places.
constexpr std::array<void (TMirvo32::*)(), rules::NB_DES> CLICS_DE{
    &TMirvo32::De1Click, &TMirvo32::De2Click, &TMirvo32::De3Click};
constexpr std::array<void (TMirvo32::*)(), rules::NB_DES> CLICS_SELECT_DE{
    &TMirvo32::SelectDe1Click, &TMirvo32::SelectDe2Click, &TMirvo32::SelectDe3Click};

// The stored picture of that name for a screen of that scale: its double-size rendering where
// the screen has more than one pixel to the window's unit. Qt reads the scale from the "@2x" in
// the name, so either picture covers the same place on the board.
QPixmap image(const QString& nom, qreal ratio) {
    return QPixmap(ratio > 1 ? QStringLiteral(":/%1@2x").arg(nom) : QStringLiteral(":/") + nom);
}

// A tooltip that also names the key doing the same as the click.
QString bulle(std::string_view texte, const QString& touche) {
    return textes::qt(textes::BULLE_TOUCHE).arg(textes::qt(texte), touche);
}

} // namespace

TMirvo32::TMirvo32(const turn::Horloge& horloge, ServiceBoites& boites, ServiceSon& son)
    : m_jeu(horloge), m_boites(boites), m_son(son) {
    setObjectName(QStringLiteral("Mirvo32"));
    setWindowTitle(textes::qt(textes::TITRE));
    // No system menu and no minimise, maximise or close button: "&Quitter" is the way out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(police(MS_SANS_SERIF, 11));

    creerElements();
    creerMenu();
    creerTouches();
    resize(CLIENT_NON_MAXIMISE.width(),
           CLIENT_NON_MAXIMISE.height() + menuBar()->sizeHint().height());

    Tempo = new QTimer(this);
    Tempo->setObjectName(QStringLiteral("Tempo"));
    Tempo->setInterval(TEMPO_MS);
    connect(Tempo, &QTimer::timeout, this, &TMirvo32::TempoTimer);

    m_jeu.FormCreate();
    dessiner();
    Tempo->start();

    // The application's error box holds the game as the window's own boxes do.
    if (auto* application = qobject_cast<ApplicationTavlo*>(QCoreApplication::instance())) {
        application->setGarde(
            [this](const std::function<void()>& montrer) { sousUneBoite(montrer); });
    }
}

TMirvo32::~TMirvo32() {
    if (auto* application = qobject_cast<ApplicationTavlo*>(QCoreApplication::instance())) {
        application->setGarde({});
    }
    if (m_sablierPose) {
        QGuiApplication::restoreOverrideCursor();
    }
}

ImageCliquable* TMirvo32::creerImage(const char* nom, QWidget* parent) {
    auto* image = new ImageCliquable(parent);
    placer(image, nom);
    return image;
}

QLabel* TMirvo32::creerEtiquette(const char* nom, const QFont& police, const QColor& couleur,
                                 const QColor& fond) {
    auto* etiquette = new QLabel(centralWidget());
    placer(etiquette, nom);
    etiquette->setFont(police);
    colorier(etiquette, QPalette::WindowText, couleur);
    if (fond.isValid()) {
        etiquette->setAutoFillBackground(true);
        colorier(etiquette, QPalette::Window, fond);
    }
    return etiquette;
}

void TMirvo32::creerElements() {
    // The layout is fixed in pixels: the zone has no layout manager, so it is never scaled and
    // never scrolled; what lies beyond a small client area is simply not seen.
    auto* zone = new QWidget(this);
    zone->setObjectName(QStringLiteral("Zone"));
    zone->setAutoFillBackground(true);
    colorier(zone, QPalette::Window, MARINE);
    setCentralWidget(zone);

    // Children are stacked in creation order: the board first, under everything, and the group
    // boxes and the button last, over every picture and label.
    Plateau = new QLabel(zone);
    placer(Plateau, "Plateau");
    Plateau->setScaledContents(true);
    Plateau->setAccessibleName(textes::qt(textes::NOM_PLATEAU));

    for (int f = 1; f <= rules::NB_FACES; ++f) {
        const QByteArray nom = "Image" + QByteArray::number(f);
        QLabel*& image = Image[static_cast<std::size_t>(f - 1)];
        image = new QLabel(zone);
        placer(image, nom.constData());
        image->setAccessibleName(textes::qt(textes::NOM_IMAGE).arg(f));
        image->hide();
    }

    m_bulles = new BullesAide(this);
    for (std::size_t i = 0; i < rules::NB_DES; ++i) {
        const QByteArray numero = QByteArray::number(static_cast<int>(i) + 1);
        const QString touche = QString::fromLatin1(numero);
        De[i] = creerImage(("De" + numero).constData(), zone);
        De[i]->setToolTip(bulle(textes::BULLE_DE, touche));
        De[i]->setAccessibleName(textes::qt(textes::NOM_DE).arg(touche));
        connect(De[i], &ImageCliquable::clicked, this, CLICS_DE[i]);
        SelectDe[i] = creerImage(("SelectDe" + numero).constData(), zone);
        SelectDe[i]->setToolTip(bulle(textes::BULLE_SELECT_DE, touche));
        SelectDe[i]->setAccessibleName(textes::qt(textes::NOM_SELECT_DE).arg(touche));
        connect(SelectDe[i], &ImageCliquable::clicked, this, CLICS_SELECT_DE[i]);
    }
    Gobelet = creerImage("Gobelet", zone);
    Gobelet->setToolTip(bulle(textes::BULLE_GOBELET, textes::qt(textes::TOUCHE_ESPACE)));
    Gobelet->setAccessibleName(textes::qt(textes::NOM_GOBELET));
    Gobelet->hide();
    connect(Gobelet, &ImageCliquable::clicked, this, &TMirvo32::GobeletClick);
    for (QWidget* element : {static_cast<QWidget*>(Gobelet), static_cast<QWidget*>(De[0]),
                             static_cast<QWidget*>(De[1]), static_cast<QWidget*>(De[2]),
                             static_cast<QWidget*>(SelectDe[0]), static_cast<QWidget*>(SelectDe[1]),
                             static_cast<QWidget*>(SelectDe[2])}) {
        m_bulles->surveiller(element);
    }

    for (int k = 1; k <= rules::NB_JETONS; ++k) {
        const QByteArray nom = "Jeton" + QByteArray::number(k);
        QLabel*& image = Jeton[static_cast<std::size_t>(k - 1)];
        image = new QLabel(zone);
        placer(image, nom.constData());
        image->setAccessibleName(textes::qt(textes::NOM_JETON).arg(k));
    }

    Eti_Lancer = creerEtiquette("Eti_Lancer", police(TIMES_NEW_ROMAN, 19), JAUNE, QColor());
    EtiJoueur = creerEtiquette("EtiJoueur", police(TIMES_NEW_ROMAN, 15), JAUNE, Qt::black);
    EtiRepos = creerEtiquette("EtiRepos", police(TIMES_NEW_ROMAN, 19), JAUNE, MARINE);
    EtiRepos->setText(textes::qt(rules::textes::REPOS));
    EtiRepos->setAccessibleDescription(EtiRepos->text());
    EtiRepos->hide();
    CpsMaxi = creerEtiquette("CpsMaxi", police(TIMES_NEW_ROMAN, 16, true), ROUGE, Qt::black);
    Eti_Lancer->setAccessibleName(textes::qt(textes::NOM_ETI_LANCER));
    EtiJoueur->setAccessibleName(textes::qt(textes::NOM_ETI_JOUEUR));
    EtiRepos->setAccessibleName(textes::qt(textes::NOM_ETI_REPOS));
    CpsMaxi->setAccessibleName(textes::qt(textes::NOM_CPS_MAXI));

    const std::array<QGroupBox**, 2> boites{&NomJoueur1, &NomJoueur2};
    const std::array<std::array<QLabel*, rules::NB_JETONS>*, 2> jetons{&J1, &J2};
    for (std::size_t j = 0; j < boites.size(); ++j) {
        const QByteArray numero = QByteArray::number(static_cast<int>(j) + 1);
        QGroupBox* boite = new QGroupBox(zone);
        *boites[j] = boite;
        placer(boite, ("NomJoueur" + numero).constData());
        boite->setFont(police(TIMES_NEW_ROMAN, 16, true));
        boite->setAutoFillBackground(true);
        colorier(boite, QPalette::Window, MARINE);
        colorier(boite, QPalette::WindowText, Qt::white);
        for (int k = 1; k <= rules::NB_JETONS; ++k) {
            QLabel*& image = (*jetons[j])[static_cast<std::size_t>(k - 1)];
            image = new QLabel(boite);
            image->setObjectName(
                QStringLiteral("J%1%2").arg(j + 1).arg(k, 2, 10, QLatin1Char('0')));
            image->setGeometry(emplacementJetonJoueur(k));
            image->setAccessibleName(textes::qt(textes::NOM_JETON_JOUEUR).arg(k).arg(j + 1));
            image->hide();
        }
    }

    ButStop = new QPushButton(textes::qt(textes::PASSER), zone);
    placer(ButStop, "ButStop");
    // The button never takes the focus, so that Space and Enter are always the game's keys and
    // never press a focused button behind the player's back.
    ButStop->setFocusPolicy(Qt::NoFocus);
    ButStop->setToolTip(bulle(textes::BULLE_BUT_STOP, textes::qt(textes::TOUCHE_ENTREE)));
    m_bulles->surveiller(ButStop);
    ButStop->setFont(police(TIMES_NEW_ROMAN, 16, true));
    colorier(ButStop, QPalette::ButtonText, Qt::black, false);
    connect(ButStop, &QPushButton::clicked, this, &TMirvo32::ButStopClick);

    QStatusBar* barre = statusBar();
    barre->setObjectName(QStringLiteral("StatusBar1"));
    barre->setSizeGripEnabled(false);
    barre->setFixedHeight(HAUTEUR_BARRE_ETAT);
    m_copyright = new QLabel(textes::qt(textes::COPYRIGHT), barre);
    m_copyright->setObjectName(QStringLiteral("Panneau1"));
    m_copyright->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    barre->addWidget(m_copyright, 1);

    poserImages();
}

void TMirvo32::poserImages() {
    const qreal ratio = devicePixelRatio();
    Plateau->setPixmap(image(QStringLiteral("PLATEAU"), ratio));
    for (int f = 1; f <= rules::NB_FACES; ++f) {
        Image[static_cast<std::size_t>(f - 1)]->setPixmap(
            image(QStringLiteral("FACE%1").arg(f), ratio));
    }
    Gobelet->montrer(image(QStringLiteral("GOBELET"), ratio));
    const QPixmap jeton = image(QStringLiteral("JETON"), ratio);
    for (const auto* rangee : {&Jeton, &J1, &J2}) {
        for (QLabel* element : *rangee) {
            element->setPixmap(jeton);
        }
    }
}

void TMirvo32::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The native window exists from the first showing on; a window moved to a screen of another
    // scale takes the pictures made for it.
    connect(windowHandle(), &QWindow::screenChanged, this, &TMirvo32::changerEcran,
            Qt::UniqueConnection);
}

void TMirvo32::changerEcran() {
    poserImages();
    dessiner(); // the dice take the new faces
}

void TMirvo32::creerMenu() {
    QMenuBar* barre = menuBar();
    barre->setObjectName(QStringLiteral("MainMenu1"));
    auto ajouter = [this](QMenu* menu, const char* nom, std::string_view texte,
                          const QKeySequence& raccourci, auto handler) {
        QAction* action = menu->addAction(textes::qt(texte));
        action->setObjectName(QLatin1String(nom));
        action->setShortcut(raccourci);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto separateur = [](QMenu* menu, const char* nom) {
        menu->addSeparator()->setObjectName(QLatin1String(nom));
    };

    MenuNouvelle = barre->addMenu(textes::qt(textes::MENU_NOUVELLE));
    MenuNouvelle->setObjectName(QStringLiteral("MenuNouvelle"));
    // The reset runs each time the submenu opens, before anything is chosen in it.
    connect(MenuNouvelle, &QMenu::aboutToShow, this, &TMirvo32::MenuNouvelleClick);
    // A shortcut key runs the parent's reset first, as opening the submenu does; when the item
    // is chosen in the opened submenu the reset runs twice, which changes nothing.
    ajouter(MenuNouvelle, "Menu1Joueur", textes::MENU_1_JOUEUR, QKeySequence(Qt::CTRL | Qt::Key_1),
            [this] {
                MenuNouvelleClick();
                Menu1JoueurClick();
            });
    ajouter(MenuNouvelle, "Menu2Joueurs", textes::MENU_2_JOUEURS,
            QKeySequence(Qt::CTRL | Qt::Key_2), [this] {
                MenuNouvelleClick();
                Menu2JoueursClick();
            });

    QMenu* scores = barre->addMenu(textes::qt(textes::MENU_SCORES));
    scores->setObjectName(QStringLiteral("MenuScores"));
    ajouter(scores, "MenuManches", textes::MENU_MANCHES, QKeySequence(Qt::Key_F8),
            &TMirvo32::MenuManchesClick);
    separateur(scores, "N2");
    ajouter(scores, "MenuZero", textes::MENU_ZERO, QKeySequence(Qt::Key_F10),
            &TMirvo32::MenuZeroClick);

    QMenu* aide = barre->addMenu(textes::qt(textes::MENU_AIDE));
    aide->setObjectName(QStringLiteral("MenuAide"));
    ajouter(aide, "MenuAidesur", textes::MENU_AIDE_SUR, QKeySequence(),
            &TMirvo32::MenuAidesurClick);
    MenuSon = ajouter(aide, "MenuSon", textes::MENU_SON, QKeySequence(), &TMirvo32::MenuSonClick);
    MenuSon->setCheckable(true);
    MenuSon->setChecked(true);
    separateur(aide, "N1");
    ajouter(aide, "MenuApropos", textes::MENU_A_PROPOS, QKeySequence(),
            &TMirvo32::MenuAproposClick);

    QAction* quitter = barre->addAction(textes::qt(textes::MENU_QUITTER));
    quitter->setObjectName(QStringLiteral("MenuQuitter"));
    connect(quitter, &QAction::triggered, this, &TMirvo32::MenuQuitterClick);
}

void TMirvo32::creerTouches() {
    // The keys belong to the board, which holds the focus. While the menu bar is driven from the
    // keyboard, or a dialog or a message box is open, the focus is elsewhere and the keys go
    // there. The menu's access letters and shortcut keys all carry a modifier, so none clashes.
    QWidget* zone = centralWidget();
    zone->setFocusPolicy(Qt::StrongFocus);
    zone->setFocus();
    auto touche = [this, zone](QKeyCombination cle, auto action) {
        auto* raccourci = new QShortcut(QKeySequence(cle), zone);
        raccourci->setContext(Qt::WidgetWithChildrenShortcut);
        connect(raccourci, &QShortcut::activated, this, action);
    };
    // A key does only what a click on its element could do at that moment.
    touche(Qt::Key_Space, [this] {
        if (m_jeu.gobeletCliquable()) {
            GobeletClick();
        }
    });
    // Die N answers its digit, on the keypad too, and on a French keyboard the unshifted key
    // that bears the digit (&, é, ").
    const std::array<std::array<Qt::Key, 2>, rules::NB_DES> touchesDes{{
        {Qt::Key_1, Qt::Key_Ampersand},
        {Qt::Key_2, Qt::Key_Eacute},
        {Qt::Key_3, Qt::Key_QuoteDbl},
    }};
    for (int de = 1; de <= rules::NB_DES; ++de) {
        const auto [chiffre, azerty] = touchesDes[static_cast<std::size_t>(de - 1)];
        for (const QKeyCombination cle :
             {QKeyCombination(chiffre), QKeyCombination(Qt::KeypadModifier, chiffre),
              QKeyCombination(Qt::ShiftModifier, chiffre), QKeyCombination(azerty)}) {
            touche(cle, [this, de] { toucheDe(de); });
        }
    }
    for (const Qt::Key entree : {Qt::Key_Return, Qt::Key_Enter}) {
        touche(entree, [this] {
            if (m_jeu.butStopCliquable()) {
                ButStopClick();
            }
        });
    }
}

void TMirvo32::toucheDe(int de) {
    const auto i = static_cast<std::size_t>(de - 1);
    if (m_jeu.deCliquable(de)) {
        (this->*CLICS_DE[i])();
    } else if (m_jeu.selectDeCliquable(de)) {
        (this->*CLICS_SELECT_DE[i])();
    }
}

void TMirvo32::MenuNouvelleClick() {
    m_jeu.MenuNouvelleClick();
    apresEvenement();
}

void TMirvo32::Menu1JoueurClick() {
    std::optional<std::string> nom;
    sousUneBoite([&] { nom = m_dialogues->demanderUnNom(); });
    m_jeu.unJoueur(nom);
    apresEvenement();
}

void TMirvo32::Menu2JoueursClick() {
    std::optional<std::pair<std::string, std::string>> noms;
    sousUneBoite([&] { noms = m_dialogues->demanderDeuxNoms(); });
    m_jeu.deuxJoueurs(noms);
    apresEvenement();
}

void TMirvo32::MenuManchesClick() {
    sousUneBoite([&] {
        m_boites.afficher(rules::TypeBoite::Information, textes::qt(m_jeu.texteManches()));
    });
    apresEvenement();
}

void TMirvo32::MenuZeroClick() {
    m_jeu.MenuZeroClick();
    apresEvenement();
}

void TMirvo32::MenuAidesurClick() {
    m_dialogues->afficherAide(SUJET_AIDE);
}

void TMirvo32::MenuSonClick() {
    m_jeu.MenuSonClick();
    apresEvenement();
}

void TMirvo32::MenuAproposClick() {
    sousUneBoite([&] { m_dialogues->afficherAPropos(); });
    apresEvenement();
}

void TMirvo32::sousUneBoite(const std::function<void()>& montrer) {
    // The game waits while the box is open, as under its own boxes; ticks meanwhile are drawn,
    // but what they queue is taken once the box is closed.
    m_jeu.BoiteOuverte();
    dessiner();
    const bool dejaEnCours = std::exchange(m_effetsEnCours, true);
    montrer();
    m_effetsEnCours = dejaEnCours;
    m_jeu.BoiteFermee();
    dessiner();
}

void TMirvo32::MenuQuitterClick() {
    QCoreApplication::quit();
}

void TMirvo32::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

void TMirvo32::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    const auto* changement = static_cast<QWindowStateChangeEvent*>(event);
    if (changement->oldState().testFlag(Qt::WindowMaximized) &&
        windowState() == Qt::WindowNoState) {
        // Queued, so that the window system has finished the restoring first.
        QMetaObject::invokeMethod(this, &QWidget::showMaximized, Qt::QueuedConnection);
    }
}

void TMirvo32::GobeletClick() {
    m_jeu.GobeletClick();
    apresEvenement();
}

void TMirvo32::De1Click() {
    m_jeu.DeClick(1);
    apresEvenement();
}

void TMirvo32::De2Click() {
    m_jeu.DeClick(2);
    apresEvenement();
}

void TMirvo32::De3Click() {
    m_jeu.DeClick(3);
    apresEvenement();
}

void TMirvo32::SelectDe1Click() {
    m_jeu.SelectDeClick(1);
    apresEvenement();
}

void TMirvo32::SelectDe2Click() {
    m_jeu.SelectDeClick(2);
    apresEvenement();
}

void TMirvo32::SelectDe3Click() {
    m_jeu.SelectDeClick(3);
    apresEvenement();
}

void TMirvo32::ButStopClick() {
    m_jeu.ButStopClick();
    apresEvenement();
}

void TMirvo32::TempoTimer() {
    m_jeu.TempoTimer();
    apresEvenement();
}

void TMirvo32::apresEvenement() {
    dessiner();
    if (!m_effetsEnCours) {
        prendreEffets();
    }
}

void TMirvo32::prendreEffets() {
    m_effetsEnCours = true;
    const auto fin = qScopeGuard([this] { m_effetsEnCours = false; });
    // Closing a box may let the game go on and queue more effects: take them until none is left.
    for (auto effets = m_jeu.prendreEffets(); !effets.empty(); effets = m_jeu.prendreEffets()) {
        for (const rules::Effet& effet : effets) {
            if (const auto* son = std::get_if<rules::JouerSon>(&effet)) {
                m_son.jouer(son->m_son);
            } else if (const auto* boite = std::get_if<rules::AfficherBoite>(&effet)) {
                m_boites.afficher(boite->m_type, textes::qt(boite->m_texte));
                m_jeu.BoiteFermee();
                dessiner();
            }
        }
    }
}

void TMirvo32::poserTexte(QLabel* etiquette, const std::string& texte) {
    const QString nouveau = textes::qt(texte);
    if (etiquette->text() == nouveau) {
        return;
    }
    etiquette->setText(nouveau);
    etiquette->setAccessibleDescription(nouveau);
    // A label sizes itself to its text; an empty one keeps its design size.
    if (nouveau.isEmpty()) {
        etiquette->resize(emplacement(etiquette->objectName().toStdString()).size());
    } else {
        etiquette->adjustSize();
    }
}

// The face a die shows, for a screen reader; set only when it changes, as every tick draws.
void TMirvo32::decrireFace(QWidget* de, int face) {
    const QString description = face >= 1 && face <= rules::NB_FACES
                                    ? textes::qt(textes::DESCRIPTION_FACE).arg(face)
                                    : QString();
    if (de->accessibleDescription() != description) {
        de->setAccessibleDescription(description);
    }
}

// Setting a group box's title repaints it even when unchanged; every tick draws the window.
void TMirvo32::poserTitre(QGroupBox* boite, const std::string& titre) {
    const QString nouveau = textes::qt(titre);
    if (boite->title() != nouveau) {
        boite->setTitle(nouveau);
    }
}

void TMirvo32::dessiner() {
    const turn::Fenetre& f = m_jeu.fenetre();
    auto face = [this](int n) {
        return n >= 1 && n <= rules::NB_FACES ? Image[static_cast<std::size_t>(n - 1)]->pixmap()
                                              : QPixmap();
    };
    for (int n = 1; n <= rules::NB_DES; ++n) {
        ImageCliquable* de = De[static_cast<std::size_t>(n - 1)];
        ImageCliquable* selectDe = SelectDe[static_cast<std::size_t>(n - 1)];
        de->montrer(face(f.m_imageDe[n]));
        decrireFace(de, f.m_imageDe[n]);
        de->setVisible(!f.m_ecarte[n]);
        de->setCliquable(m_jeu.deCliquable(n));
        selectDe->montrer(face(f.m_imageSelectDe[n]));
        decrireFace(selectDe, f.m_imageSelectDe[n]);
        selectDe->setVisible(f.m_ecarte[n]);
        selectDe->setCliquable(m_jeu.selectDeCliquable(n));
    }
    Gobelet->setVisible(f.m_gobeletVisible);
    Gobelet->setCliquable(m_jeu.gobeletCliquable());
    // The button looks disabled whenever a click on it would be refused.
    ButStop->setEnabled(m_jeu.butStopCliquable());

    poserTexte(Eti_Lancer, f.m_etiLancer);
    poserTexte(CpsMaxi, f.m_cpsMaxi);
    poserTexte(EtiJoueur, m_jeu.etiJoueur());
    EtiRepos->setVisible(m_jeu.etiReposVisible());
    poserTitre(NomJoueur1, m_jeu.nomJoueur(rules::Siege::Un));
    poserTitre(NomJoueur2, m_jeu.nomJoueur(rules::Siege::Deux));
    for (int k = 1; k <= rules::NB_JETONS; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        Jeton[i]->setVisible(m_jeu.jetonVisible(turn::Rangee::Pot, k));
        J1[i]->setVisible(m_jeu.jetonVisible(turn::Rangee::Joueur1, k));
        J2[i]->setVisible(m_jeu.jetonVisible(turn::Rangee::Joueur2, k));
    }
    MenuSon->setChecked(f.m_son);

    if (f.m_sablier != m_sablierPose) {
        if (f.m_sablier) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
        m_sablierPose = f.m_sablier;
    }
}

} // namespace tavlo::ui
