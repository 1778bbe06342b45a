// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "turn/jeu.h"
#include "ui/annonces.h"
#include "ui/image_cliquable.h"
#include "ui/lecture_plateau.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tavlo::ui {

class BullesAide;

// The board, the main window's client area: the dice, the cup, the tokens, the labels and the
// pass button. It draws them from the game it reads, and hands on each click and key as the
// game's operation of the same name; a key does only what a click on its element could do now.
class Plateau final : public QWidget, public PlateauLu {
    Q_OBJECT
public:
    Plateau(const turn::Jeu& jeu, QWidget* parent);

    LecturePlateau& lecture() override { return m_lecture; }

    // Gives the board, the faces, the cup and the tokens their pictures at the screen's scale.
    void poserImages();
    void dessiner();

signals:
    void GobeletClick();
    void DeClick(int de);
    void SelectDeClick(int de);
    void ButStopClick();

private:
    void creerImages();
    void creerDes();
    void creerEtiquettes();
    void creerJoueurs();
    void creerButStop();
    void creerTouches();
    void ordonnerTabulation();
    // Key 1, 2 or 3: sets the die aside or brings it back, whichever its click would do now.
    void toucheDe(int de);
    QLabel* creerEtiquette(const char* nom, const QFont& police, const QColor& couleur,
                           const QColor& fond);
    void dessinerDe(int n);
    // The stored picture of a face, 1..6; none for any other number.
    QPixmap face(int n) const;

    // Everything the board shows, as read from the game: compared with what was drawn last, so
    // that a tick which changes nothing sets nothing again.
    struct Vue {
        turn::Fenetre m_fenetre;
        std::array<bool, rules::NB_DES> m_deCliquable{};
        std::array<bool, rules::NB_DES> m_selectDeCliquable{};
        bool m_gobeletCliquable = false;
        bool m_butStopCliquable = false;
        bool m_etiReposVisible = false;
        rules::Texte m_etiJoueur;
        std::array<rules::Texte, 2> m_noms;
        std::array<std::array<bool, rules::NB_JETONS>, 3> m_jetons{};
        bool operator==(const Vue&) const = default;
    };
    Vue lireVue() const;
    void dessinerVue();

    const turn::Jeu& m_jeu;
    // What was drawn last; none before the first drawing and after the pictures change.
    std::optional<Vue> m_vue;
    BullesAide* m_bulles;
    std::array<QPixmap, rules::NB_FACES> m_faces;
    LecturePlateau m_lecture{this};
    Annonces m_annonces{m_jeu};

    QLabel* m_fond; // the board's picture, named "Plateau"
    std::array<ImageCliquable*, rules::NB_DES> De{};
    std::array<ImageCliquable*, rules::NB_DES> SelectDe{};
    ImageCliquable* Gobelet;
    QLabel* Eti_Lancer;
    QLabel* EtiJoueur;
    QLabel* EtiRepos;
    QLabel* CpsMaxi;
    std::array<QLabel*, rules::NB_JETONS> Jeton{};
    // Player 1's box and tokens first, then player 2's.
    std::array<QGroupBox*, 2> NomJoueur{};
    std::array<std::array<QLabel*, rules::NB_JETONS>, 2> J{};
    QPushButton* ButStop;
};

} // namespace tavlo::ui
