// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QDialog>

namespace tavlo::ui {

// The about box: the game's name, version, copyright and a few words, closed by "OK". Created
// once with the main window as parent and shown modally with exec(); its result means nothing.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace tavlo::ui
