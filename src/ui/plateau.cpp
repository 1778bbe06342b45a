// Copyright 2026 the Tavlo32 developers.
#include "ui/plateau.h"

#include "rules/textes.h"
#include "ui/bulles_aide.h"
#include "ui/dialogue_fixe.h"
#include "ui/disposition.h"
#include "ui/textes_fenetre.h"
#include "ui/traduction.h"

#include <QGroupBox>
#include <QPushButton>
#include <QShortcut>

namespace tavlo::ui {

namespace {

void placer(QWidget* element, const char* nom) {
    element->setObjectName(QLatin1String(nom));
    element->setGeometry(emplacement(nom));
}

// The stored picture of that name for a screen of that scale: its double-size rendering where
// the screen has more than one pixel to the window's unit. Qt reads the scale from the "@2x" in
// the name, so either picture covers the same place on the board.
QString nomImage(const QString& nom, qreal ratio) {
    return ratio > 1 ? QStringLiteral(":/%1@2x").arg(nom) : QStringLiteral(":/") + nom;
}

QPixmap image(const QString& nom, qreal ratio) {
    return QPixmap(nomImage(nom, ratio));
}

// A tooltip that also names the key doing the same as the click.
QString bulle(std::string_view texte, const QString& touche) {
    return traduit(textes::BULLE_TOUCHE).arg(traduit(texte), touche);
}

ImageCliquable* creerImage(const char* nom, QWidget* parent) {
    auto* image = new ImageCliquable(parent);
    placer(image, nom);
    return image;
}

// A label sizes itself to its text; an empty one keeps its design size.
void poserTexte(QLabel* etiquette, const rules::Texte& texte) {
    const QString nouveau = lu(texte);
    if (etiquette->text() == nouveau) {
        return;
    }
    etiquette->setText(nouveau);
    etiquette->setAccessibleDescription(nouveau);
    if (nouveau.isEmpty()) {
        etiquette->resize(emplacement(etiquette->objectName().toStdString()).size());
    } else {
        etiquette->adjustSize();
    }
}

// The face a die shows, for a screen reader; set only when it changes, as every tick draws.
void decrireFace(QWidget* de, int face) {
    const QString description = face >= 1 && face <= rules::NB_FACES
                                    ? traduit(textes::DESCRIPTION_FACE).arg(face)
                                    : QString();
    if (de->accessibleDescription() != description) {
        de->setAccessibleDescription(description);
    }
}

// Setting a group box's title repaints it even when unchanged; every tick draws the window.
void poserTitre(QGroupBox* boite, const rules::Texte& titre) {
    const QString nouveau = lu(titre);
    if (boite->title() != nouveau) {
        boite->setTitle(nouveau);
    }
}

} // namespace

Plateau::Plateau(const turn::Jeu& jeu, QWidget* parent)
    : QWidget(parent), m_jeu(jeu), m_bulles(new BullesAide(this)) {
    installerLecture();
    // The layout is fixed in pixels: the zone has no layout manager, so it is never scaled and
    // never scrolled; what lies beyond a small client area is simply not seen.
    setObjectName(QStringLiteral("Zone"));
    setAutoFillBackground(true);
    colorier(this, QPalette::Window, MARINE);

    // Children are stacked in creation order: the board first, under everything, and the group
    // boxes and the button last, over every picture and label.
    m_fond = new QLabel(this);
    placer(m_fond, "Plateau");
    // A screen reader reads the board as this widget; its picture is only the felt.
    setAccessibleName(traduit(textes::NOM_PLATEAU));
    m_lecture.cacher(m_fond);
    creerDes();
    creerImages();
    creerEtiquettes();
    creerJoueurs();
    creerButStop();
    creerTouches();
    ordonnerTabulation();
    poserImages();
}

void Plateau::creerDes() {
    for (int n = 1; n <= rules::NB_DES; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const QByteArray numero = QByteArray::number(n);
        const QString touche = QString::fromLatin1(numero);
        De[i] = creerImage(("De" + numero).constData(), this);
        De[i]->setToolTip(bulle(textes::BULLE_DE, touche));
        De[i]->setAccessibleName(traduit(textes::NOM_DE).arg(touche));
        De[i]->setAction(traduit(textes::ACTION_DE), touche);
        connect(De[i], &ImageCliquable::clicked, this, [this, n] { emit DeClick(n); });
        SelectDe[i] = creerImage(("SelectDe" + numero).constData(), this);
        SelectDe[i]->setToolTip(bulle(textes::BULLE_SELECT_DE, touche));
        SelectDe[i]->setAccessibleName(traduit(textes::NOM_DE).arg(touche));
        SelectDe[i]->setAction(traduit(textes::ACTION_SELECT_DE), touche);
        connect(SelectDe[i], &ImageCliquable::clicked, this, [this, n] { emit SelectDeClick(n); });
        m_bulles->surveiller(De[i]);
        m_bulles->surveiller(SelectDe[i]);
    }
}

// The cup and the pot's tokens.
void Plateau::creerImages() {
    Gobelet = creerImage("Gobelet", this);
    Gobelet->setToolTip(bulle(textes::BULLE_GOBELET, traduit(textes::TOUCHE_ESPACE)));
    Gobelet->setAccessibleName(traduit(textes::NOM_GOBELET));
    Gobelet->setAction(traduit(textes::ACTION_GOBELET), traduit(textes::TOUCHE_ESPACE));
    Gobelet->hide();
    connect(Gobelet, &ImageCliquable::clicked, this, &Plateau::GobeletClick);
    m_bulles->surveiller(Gobelet);
    for (int k = 1; k <= rules::NB_JETONS; ++k) {
        QLabel*& jeton = Jeton[static_cast<std::size_t>(k - 1)];
        jeton = new QLabel(this);
        placer(jeton, ("Jeton" + QByteArray::number(k)).constData());
        if (k > 1) {
            m_lecture.cacher(jeton);
        }
    }
    // The pot's tokens read as one row, where its first token lies.
    m_lecture.ajouterRangee(Jeton[0], emplacement("Jeton1").united(emplacement("Jeton11")),
                            [this] { return m_annonces.rangee(turn::Rangee::Pot); });
}

QLabel* Plateau::creerEtiquette(const char* nom, const QFont& police, const QColor& couleur,
                                const QColor& fond) {
    auto* etiquette = new QLabel(this);
    placer(etiquette, nom);
    etiquette->setFont(police);
    colorier(etiquette, QPalette::WindowText, couleur);
    if (fond.isValid()) {
        etiquette->setAutoFillBackground(true);
        colorier(etiquette, QPalette::Window, fond);
    }
    return etiquette;
}

void Plateau::creerEtiquettes() {
    Eti_Lancer = creerEtiquette("Eti_Lancer", police(TIMES_NEW_ROMAN, 19), JAUNE, QColor());
    EtiJoueur = creerEtiquette("EtiJoueur", police(TIMES_NEW_ROMAN, 15), JAUNE, Qt::black);
    EtiRepos = creerEtiquette("EtiRepos", police(TIMES_NEW_ROMAN, 19), JAUNE, MARINE);
    EtiRepos->setText(traduit(rules::textes::REPOS));
    EtiRepos->setAccessibleDescription(EtiRepos->text());
    EtiRepos->hide();
    CpsMaxi = creerEtiquette("CpsMaxi", police(TIMES_NEW_ROMAN, 16, true), ROUGE, Qt::black);
    Eti_Lancer->setAccessibleName(traduit(textes::NOM_ETI_LANCER));
    EtiJoueur->setAccessibleName(traduit(textes::NOM_ETI_JOUEUR));
    EtiRepos->setAccessibleName(traduit(textes::NOM_ETI_REPOS));
    CpsMaxi->setAccessibleName(traduit(textes::NOM_CPS_MAXI));
}

// Each player's box, with his tokens inside it: "J101" is player 1's first.
void Plateau::creerJoueurs() {
    for (std::size_t j = 0; j < NomJoueur.size(); ++j) {
        QGroupBox* boite = new QGroupBox(this);
        NomJoueur[j] = boite;
        placer(boite, ("NomJoueur" + QByteArray::number(static_cast<int>(j) + 1)).constData());
        boite->setFont(police(TIMES_NEW_ROMAN, 16, true));
        boite->setAutoFillBackground(true);
        colorier(boite, QPalette::Window, MARINE);
        colorier(boite, QPalette::WindowText, Qt::white);
        for (int k = 1; k <= rules::NB_JETONS; ++k) {
            QLabel*& jeton = J[j][static_cast<std::size_t>(k - 1)];
            jeton = new QLabel(boite);
            jeton->setObjectName(
                QStringLiteral("J%1%2").arg(j + 1).arg(k, 2, 10, QLatin1Char('0')));
            jeton->setGeometry(emplacementJetonJoueur(k));
            jeton->hide();
        }
        // The box and its tokens read as one row: the player's name and his count.
        const auto rangee = j == 0 ? turn::Rangee::Joueur1 : turn::Rangee::Joueur2;
        m_lecture.ajouterRangee(boite, boite->geometry(),
                                [this, rangee] { return m_annonces.rangee(rangee); });
    }
}

void Plateau::creerButStop() {
    ButStop = new QPushButton(traduit(textes::PASSER), this);
    placer(ButStop, "ButStop");
    // Tab reaches the button, a click does not give it the keyboard. Space and Enter stay the
    // game's keys even while it has it, as the board's shortcuts come before the button's keys.
    ButStop->setFocusPolicy(Qt::TabFocus);
    ButStop->setToolTip(bulle(textes::BULLE_BUT_STOP, traduit(textes::TOUCHE_ENTREE)));
    m_bulles->surveiller(ButStop);
    ButStop->setFont(police(TIMES_NEW_ROMAN, 16, true));
    colorier(ButStop, QPalette::ButtonText, Qt::black, false);
    connect(ButStop, &QPushButton::clicked, this, &Plateau::ButStopClick);
}

void Plateau::creerTouches() {
    // The keys belong to the board, which holds the focus. While the menu bar is driven from the
    // keyboard, or a dialog or a message box is open, the focus is elsewhere and the keys go
    // there. The menu's access letters and shortcut keys all carry a modifier, so none clashes.
    setFocusPolicy(Qt::StrongFocus);
    auto touche = [this](QKeyCombination cle, auto action) {
        auto* raccourci = new QShortcut(QKeySequence(cle), this);
        raccourci->setContext(Qt::WidgetWithChildrenShortcut);
        connect(raccourci, &QShortcut::activated, this, action);
    };
    touche(Qt::Key_Space, [this] {
        if (m_jeu.gobeletCliquable()) {
            emit GobeletClick();
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
                emit ButStopClick();
            }
        });
    }
}

// Tab goes through the controls in the order of a turn: throw, keep dice, pass. A hidden or
// disabled one is passed over.
void Plateau::ordonnerTabulation() {
    QWidget* precedent = Gobelet;
    for (std::size_t i = 0; i < rules::NB_DES; ++i) {
        for (QWidget* de : {static_cast<QWidget*>(De[i]), static_cast<QWidget*>(SelectDe[i])}) {
            setTabOrder(precedent, de);
            precedent = de;
        }
    }
    setTabOrder(precedent, ButStop);
}

void Plateau::toucheDe(int de) {
    if (m_jeu.deCliquable(de)) {
        emit DeClick(de);
    } else if (m_jeu.selectDeCliquable(de)) {
        emit SelectDeClick(de);
    }
}

void Plateau::poserImages() {
    m_vue.reset(); // the dice take the new faces at the next drawing
    const qreal ratio = devicePixelRatio();
    // The felt is stretched to its place once, as a label that scales its contents would draw
    // it. Only the stretched picture is kept: read as an image, the stored one stays out of the
    // pixmap cache.
    QPixmap fond = QPixmap::fromImage(
        QImage(nomImage(QStringLiteral("PLATEAU"), ratio))
            .convertToFormat(QImage::Format_RGB32)
            .scaled(m_fond->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    fond.setDevicePixelRatio(ratio);
    m_fond->setPixmap(fond);
    for (int f = 1; f <= rules::NB_FACES; ++f) {
        m_faces[static_cast<std::size_t>(f - 1)] = image(QStringLiteral("FACE%1").arg(f), ratio);
    }
    Gobelet->montrer(image(QStringLiteral("GOBELET"), ratio));
    const QPixmap jeton = image(QStringLiteral("JETON"), ratio);
    for (const auto* rangee : {&Jeton, &J[0], &J[1]}) {
        for (QLabel* element : *rangee) {
            element->setPixmap(jeton);
        }
    }
}

QPixmap Plateau::face(int n) const {
    return n >= 1 && n <= rules::NB_FACES ? m_faces[static_cast<std::size_t>(n - 1)] : QPixmap();
}

void Plateau::dessinerDe(int n) {
    const turn::Fenetre& f = m_jeu.fenetre();
    ImageCliquable* de = De[static_cast<std::size_t>(n - 1)];
    ImageCliquable* selectDe = SelectDe[static_cast<std::size_t>(n - 1)];
    de->montrer(face(f.m_imageDe[n]));
    decrireFace(de, f.m_imageDe[n]);
    de->setDe(f.m_imageDe[n], false);
    de->setVisible(!f.m_ecarte[n]);
    de->setCliquable(m_jeu.deCliquable(n));
    selectDe->montrer(face(f.m_imageSelectDe[n]));
    decrireFace(selectDe, f.m_imageSelectDe[n]);
    selectDe->setDe(f.m_imageSelectDe[n], true);
    selectDe->setVisible(f.m_ecarte[n]);
    selectDe->setCliquable(m_jeu.selectDeCliquable(n));
}

Plateau::Vue Plateau::lireVue() const {
    Vue vue{.m_fenetre = m_jeu.fenetre(),
            .m_gobeletCliquable = m_jeu.gobeletCliquable(),
            .m_butStopCliquable = m_jeu.butStopCliquable(),
            .m_etiReposVisible = m_jeu.etiReposVisible(),
            .m_etiJoueur = m_jeu.etiJoueur(),
            .m_noms = {m_jeu.nomJoueur(rules::Siege::Un), m_jeu.nomJoueur(rules::Siege::Deux)}};
    for (int n = 1; n <= rules::NB_DES; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        vue.m_deCliquable[i] = m_jeu.deCliquable(n);
        vue.m_selectDeCliquable[i] = m_jeu.selectDeCliquable(n);
    }
    constexpr std::array<turn::Rangee, 3> RANGEES{turn::Rangee::Pot, turn::Rangee::Joueur1,
                                                  turn::Rangee::Joueur2};
    for (std::size_t r = 0; r < RANGEES.size(); ++r) {
        for (int k = 1; k <= rules::NB_JETONS; ++k) {
            vue.m_jetons[r][static_cast<std::size_t>(k - 1)] = m_jeu.jetonVisible(RANGEES[r], k);
        }
    }
    return vue;
}

void Plateau::dessiner() {
    Vue vue = lireVue();
    if (vue != m_vue) {
        m_vue = std::move(vue);
        dessinerVue();
    }
    // What the game did is told after it is drawn, and even when nothing on the board changed.
    m_lecture.rangeesChangees();
    if (const QString annonce = m_annonces.suivantes(); !annonce.isEmpty()) {
        m_lecture.annoncer(annonce);
    }
}

void Plateau::dessinerVue() {
    const turn::Fenetre& f = m_jeu.fenetre();
    for (int n = 1; n <= rules::NB_DES; ++n) {
        dessinerDe(n);
    }
    Gobelet->setVisible(f.m_gobeletVisible);
    Gobelet->setCliquable(m_jeu.gobeletCliquable());
    // The button looks disabled whenever a click on it would be refused.
    ButStop->setEnabled(m_jeu.butStopCliquable());

    poserTexte(Eti_Lancer, f.m_etiLancer);
    poserTexte(CpsMaxi, f.m_cpsMaxi);
    poserTexte(EtiJoueur, m_jeu.etiJoueur());
    EtiRepos->setVisible(m_jeu.etiReposVisible());
    constexpr std::array<rules::Siege, 2> SIEGES{rules::Siege::Un, rules::Siege::Deux};
    constexpr std::array<turn::Rangee, 2> RANGEES{turn::Rangee::Joueur1, turn::Rangee::Joueur2};
    for (std::size_t j = 0; j < NomJoueur.size(); ++j) {
        poserTitre(NomJoueur[j], m_jeu.nomJoueur(SIEGES[j]));
    }
    for (int k = 1; k <= rules::NB_JETONS; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        Jeton[i]->setVisible(m_jeu.jetonVisible(turn::Rangee::Pot, k));
        for (std::size_t j = 0; j < J.size(); ++j) {
            J[j][i]->setVisible(m_jeu.jetonVisible(RANGEES[j], k));
        }
    }
}

} // namespace tavlo::ui
