// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QColor>
#include <QFont>
#include <QLatin1String>
#include <QPalette>
#include <QWidget>

class QLabel;
class QScreen;

namespace tavlo::ui {

// A dialog border with a title and a close button only, not resizable.
inline constexpr Qt::WindowFlags FENETRE_DIALOGUE =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// The two font families of the layout; each resolves to its metric twin where it is missing.
inline constexpr QLatin1String MS_SANS_SERIF("MS Sans Serif");
inline constexpr QLatin1String TIMES_NEW_ROMAN("Times New Roman");

// A font of the layout at a size in pixels.
QFont police(QLatin1String famille, int pixels, bool gras = false);

// Sets a colour of an element in every state, or only while it is enabled, so that a disabled
// element is still drawn greyed.
void colorier(QWidget* element, QPalette::ColorRole role, const QColor& couleur,
              bool aussiDesactive = true);

// A dialog's caption in black. Labels size themselves to their text: the place is a least size,
// so that a wider font than the design's never clips the caption.
QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte, QRect place,
                  const QFont& police);

// The screen a window stands on; the primary screen while it has none yet.
QScreen* ecranDe(const QWidget& fenetre);

// Places a shown window, frame included, in the middle of its screen: its left edge at half the
// screen's width less half its own, its top likewise.
void centrerSurLEcran(QWidget& fenetre);

} // namespace tavlo::ui
