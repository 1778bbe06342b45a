// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "ui/service_dialogues.h"

#include <QPointer>
#include <QStringList>

class QWidget;

namespace tavlo::ui {

class ServiceBoites;
class TAboutBox;
class TAide;
class TChNom;

// The names dialog and the about box, created hidden once the main window exists and shown
// modally as often as the menu asks, keeping their contents; and the help window, opened on
// demand.
class DialoguesQt final : public ServiceDialogues {
public:
    DialoguesQt(QWidget* fenetre, ServiceBoites& boites, QStringList dossiersAide);

    std::optional<std::string> demanderUnNom() override;
    std::optional<std::pair<std::string, std::string>> demanderDeuxNoms() override;
    void afficherAPropos() override;
    void afficherAide() override;

private:
    QWidget* m_fenetre;
    QStringList m_dossiersAide;
    TChNom* m_chNom;
    TAboutBox* m_aboutBox;
    QPointer<TAide> m_aide;
};

} // namespace tavlo::ui
