// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QFont>
#include <QWidget>

namespace tavlo::ui {

// A dialog border with a title and a close button only, not resizable.
inline constexpr Qt::WindowFlags FENETRE_DIALOGUE =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// The dialogs' font at a size in pixels; it resolves to its metric twin where it is missing.
QFont msSansSerif(int pixels, bool gras = false);

// Places a shown window, frame included, in the middle of its screen: its left edge at half the
// screen's width less half its own, its top likewise.
void centrerSurLEcran(QWidget& fenetre);

} // namespace tavlo::ui
