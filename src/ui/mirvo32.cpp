// Copyright 2026 the Tavlo32 developers.
#include "ui/mirvo32.h"

#include "rules/textes.h"
#include "ui/application_tavlo.h"
#include "ui/dialogue_fixe.h"
#include "ui/plateau.h"
#include "ui/service_boites.h"
#include "ui/service_dialogues.h"
#include "ui/service_son.h"
#include "ui/textes_fenetre.h"
#include "ui/traduction.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStatusBar>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <variant>

namespace tavlo::ui {

namespace {

constexpr int TEMPO_MS = 500;
constexpr int HAUTEUR_BARRE_ETAT = 19;
constexpr QSize CLIENT_NON_MAXIMISE{427, 254};

} // namespace

TMirvo32::TMirvo32(const turn::Horloge& horloge, ServiceBoites& boites, ServiceSon& son)
    : m_jeu(horloge), m_boites(boites), m_son(son) {
    setObjectName(QStringLiteral("Mirvo32"));
    setWindowTitle(traduit(textes::TITRE));
    // No system menu and no minimise, maximise or close button: "&Quitter" is the way out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(police(MS_SANS_SERIF, 11));

    m_plateau = new Plateau(m_jeu, this);
    setCentralWidget(m_plateau);
    m_plateau->setFocus();
    connect(m_plateau, &Plateau::GobeletClick, this, &TMirvo32::GobeletClick);
    connect(m_plateau, &Plateau::DeClick, this, &TMirvo32::DeClick);
    connect(m_plateau, &Plateau::SelectDeClick, this, &TMirvo32::SelectDeClick);
    connect(m_plateau, &Plateau::ButStopClick, this, &TMirvo32::ButStopClick);
    creerBarreEtat();
    creerMenu();
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

void TMirvo32::creerBarreEtat() {
    QStatusBar* barre = statusBar();
    barre->setObjectName(QStringLiteral("StatusBar1"));
    barre->setSizeGripEnabled(false);
    barre->setFixedHeight(HAUTEUR_BARRE_ETAT);
    auto* copyright = new QLabel(traduit(textes::COPYRIGHT), barre);
    copyright->setObjectName(QStringLiteral("Panneau1"));
    copyright->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    barre->addWidget(copyright, 1);
}

void TMirvo32::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The native window exists from the first showing on; a window moved to a screen of another
    // scale takes the pictures made for it.
    connect(windowHandle(), &QWindow::screenChanged, this, &TMirvo32::changerEcran,
            Qt::UniqueConnection);
}

void TMirvo32::changerEcran() {
    m_plateau->poserImages();
    dessiner(); // the dice take the new faces
}

void TMirvo32::creerMenu() {
    QMenuBar* barre = menuBar();
    barre->setObjectName(QStringLiteral("MainMenu1"));
    auto ajouter = [this](QMenu* menu, const char* nom, std::string_view texte,
                          const QKeySequence& raccourci, auto handler) {
        QAction* action = menu->addAction(traduit(texte));
        action->setObjectName(QLatin1String(nom));
        action->setShortcut(raccourci);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto separateur = [](QMenu* menu, const char* nom) {
        menu->addSeparator()->setObjectName(QLatin1String(nom));
    };

    QMenu* MenuNouvelle = barre->addMenu(traduit(textes::MENU_NOUVELLE));
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

    QMenu* scores = barre->addMenu(traduit(textes::MENU_SCORES));
    scores->setObjectName(QStringLiteral("MenuScores"));
    ajouter(scores, "MenuManches", textes::MENU_MANCHES, QKeySequence(Qt::Key_F8),
            &TMirvo32::MenuManchesClick);
    separateur(scores, "N2");
    ajouter(scores, "MenuZero", textes::MENU_ZERO, QKeySequence(Qt::Key_F10),
            &TMirvo32::MenuZeroClick);

    QMenu* aide = barre->addMenu(traduit(textes::MENU_AIDE));
    aide->setObjectName(QStringLiteral("MenuAide"));
    ajouter(aide, "MenuAidesur", textes::MENU_AIDE_SUR, QKeySequence(),
            &TMirvo32::MenuAidesurClick);
    MenuSon = ajouter(aide, "MenuSon", textes::MENU_SON, QKeySequence(), &TMirvo32::MenuSonClick);
    MenuSon->setCheckable(true);
    MenuSon->setChecked(true);
    separateur(aide, "N1");
    ajouter(aide, "MenuApropos", textes::MENU_A_PROPOS, QKeySequence(),
            &TMirvo32::MenuAproposClick);

    QAction* quitter = barre->addAction(traduit(textes::MENU_QUITTER));
    quitter->setObjectName(QStringLiteral("MenuQuitter"));
    connect(quitter, &QAction::triggered, this, &TMirvo32::MenuQuitterClick);
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
    sousUneBoite(
        [&] { m_boites.afficher(rules::TypeBoite::Information, lu(m_jeu.texteManches())); });
    apresEvenement();
}

void TMirvo32::MenuZeroClick() {
    m_jeu.MenuZeroClick();
    apresEvenement();
}

void TMirvo32::MenuAidesurClick() {
    m_dialogues->afficherAide();
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

void TMirvo32::DeClick(int de) {
    m_jeu.DeClick(de);
    apresEvenement();
}

void TMirvo32::SelectDeClick(int de) {
    m_jeu.SelectDeClick(de);
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
                m_boites.afficher(boite->m_type, lu(boite->m_texte));
                m_jeu.BoiteFermee();
                dessiner();
            }
        }
    }
}

void TMirvo32::dessiner() {
    m_plateau->dessiner();
    const turn::Fenetre& f = m_jeu.fenetre();
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
