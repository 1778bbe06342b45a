// Copyright 2026 the Tavlo32 developers.
// The game's pictures, rendered in full colour; they are reduced to 256 colours when written.
#pragma once

#include <QColor>
#include <QImage>

namespace generateur {

// The colours the window and the pictures must share exactly.
inline constexpr QRgb BLEU_MARINE = qRgb(0, 0, 128);
inline constexpr QRgb VERT_TAPIS = qRgb(0, 117, 0);

// The board's pictures at their size on the board times echelle (1 or 2): the same scene
// rendered again at a screen's scale, never the small picture enlarged.
QImage dessinerPlateau(int echelle);          // 629 x 377
QImage dessinerFaceDe(int face, int echelle); // 60 x 60, face 1..6
QImage dessinerGobelet(int echelle);          // 80 x 107
QImage dessinerJeton(int echelle);            // 40 x 15
QImage dessinerIcone(int cote);               // cote x cote

} // namespace generateur
