// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QColor>
#include <QRect>

#include <array>
#include <string_view>

namespace tavlo::ui {

// Where every element of the main window stands, in pixels from the top-left corner of the
// client area below the menu bar. The size is the element's size before it holds a picture or
// a caption: a picture box that fits its picture then takes the picture's size, and a label
// sizes itself to its text, both keeping their top-left corner.
struct Emplacement {
    std::string_view nom;
    QRect rect;
};

inline constexpr auto DISPOSITION = std::to_array<Emplacement>({
    {"Plateau", {4, 120, 629, 313}},
    {"De1", {104, 240, 60, 60}},
    {"De2", {224, 168, 60, 60}},
    {"De3", {272, 304, 65, 65}},
    {"SelectDe1", {424, 200, 57, 57}},
    {"SelectDe2", {424, 272, 60, 60}},
    {"SelectDe3", {488, 240, 60, 60}},
    {"Gobelet", {552, 32, 80, 107}},
    {"Eti_Lancer", {538, 144, 38, 21}},
    {"EtiJoueur", {284, 128, 4, 17}},
    {"EtiRepos", {136, 104, 76, 21}},
    {"CpsMaxi", {240, 392, 169, 19}},
    // The pot, piled on the navy ground at the left.
    {"Jeton1", {8, 80, 40, 15}},
    {"Jeton2", {40, 96, 40, 15}},
    {"Jeton3", {8, 112, 40, 15}},
    {"Jeton4", {56, 112, 40, 15}},
    {"Jeton5", {8, 128, 40, 15}},
    {"Jeton6", {48, 128, 40, 15}},
    {"Jeton7", {88, 128, 40, 15}},
    {"Jeton8", {32, 144, 40, 15}},
    {"Jeton9", {72, 144, 40, 15}},
    {"Jeton10", {8, 160, 40, 15}},
    {"Jeton11", {48, 160, 40, 15}},
    {"NomJoueur1", {104, 0, 201, 89}},
    {"NomJoueur2", {336, 0, 201, 89}},
    {"ButStop", {264, 96, 113, 25}},
});

// The place of a top-level element of the table; an unknown name is a programming error.
QRect emplacement(std::string_view nom);

// Slot 1..11 of a player's tokens, inside his group box: a grid of four columns, four tokens in
// each of the first two rows and three in the third.
QRect emplacementJetonJoueur(int slot);

// The game's colours.
inline constexpr QColor MARINE{0, 0, 128};
inline constexpr QColor JAUNE{255, 255, 0};
inline constexpr QColor ROUGE{255, 0, 0};

} // namespace tavlo::ui
