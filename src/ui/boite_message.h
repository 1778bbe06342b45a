// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/effets.h"
#include "ui/service_boites.h"

#include <QMessageBox>

namespace tavlo::ui {

// The game's message box: the kind's title and icon, the text with each carriage return starting
// a line and wrapped at half the screen's width, one "OK" button pressed by Enter and by Escape,
// centred on the screen.
class BoiteMessage final : public QMessageBox {
    Q_OBJECT
public:
    BoiteMessage(rules::TypeBoite type, const QString& texte, QWidget* parent);

    // The box that reports an error raised while an event was handled.
    static void afficherErreur(const QString& texteErreur, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    BoiteMessage(QMessageBox::Icon icone, const QString& titre, const QString& texte,
                 QWidget* parent);
};

// The message boxes of the program, each shown modally over the window that has the input:
// the main window, or the names dialog for its refusals.
class BoitesQt final : public ServiceBoites {
public:
    void afficher(rules::TypeBoite type, const QString& texte) override;
};

} // namespace tavlo::ui
