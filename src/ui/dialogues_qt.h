// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "ui/service_dialogues.h"

#include <QPointer>
#include <QStringList>

class QWidget;
class TAboutBox;
class TAide;
class TChNom;

namespace tavlo::ui {

class ServiceBoites;

// The names dialog and the about box, created hidden once the main window exists and shown
// modally as often as the menu asks, keeping their contents; and the help window, opened on
// demand.
class DialoguesQt final : public ServiceDialogues {
public:
    DialoguesQt(QWidget* fenetre, ServiceBoites& boites, QStringList dossiersAide);

    std::optional<std::string> demanderUnNom() override;
    std::optional<std::pair<std::string, std::string>> demanderDeuxNoms() override;
    void afficherAPropos() override;
    void afficherAide(int contexte) override;

private:
    QWidget* m_fenetre;
    QStringList m_dossiersAide;
    TChNom* ChNom;
    TAboutBox* AboutBox;
    QPointer<TAide> m_aide;
};

} // namespace tavlo::ui
