// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: the game's name, version, copyright and a few words, closed by "OK". Created
// once with the main window as parent and shown modally with exec(); its result means nothing.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFrame* Panel1;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QPlainTextEdit* Memo1;
    QPushButton* OKButton;
};
