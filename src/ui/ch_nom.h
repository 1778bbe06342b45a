// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavlo::ui {
// The player-names dialog. Created once with the main window as parent and shown modally with
// exec() as often as needed; the edit boxes keep their text from one showing to the next.
// exec() gives QDialog::Accepted only once the names pass the check, and Rejected for "Annuler",
// Escape or the title bar's close.
class TChNom : public QDialog {
    Q_OBJECT

public:
    // A refusal reaches the player as the system beep, then the given warning box.
    TChNom(QWidget* parent, std::function<void(const QString&)> avertissement);

    // Shows or hides the second name with its label: hidden against ORDY. A hidden field keeps
    // its text, and the check still refuses "ORDY" there.
    void montrerNom2(bool visible);

    QString nom1() const;
    QString nom2() const;

public slots:
    // "OK": each warning of the check is a beep and a box, all of them on one press; any
    // warning keeps the dialog open with its contents.
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* Nom1;
    QLabel* Label2;
    QLineEdit* Nom2;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    std::function<void(const QString&)> m_avertissement;
};

} // namespace tavlo::ui
