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

// The names dialog and the about box, created the first time the menu asks for them, so that
// start-up builds neither, and then shown modally as often as it asks, keeping their contents;
// and the help window, opened on demand.
class DialoguesQt final : public ServiceDialogues {
public:
    DialoguesQt(QWidget* fenetre, ServiceBoites& boites, QStringList dossiersAide);

    std::optional<std::string> demanderUnNom() override;
    std::optional<std::pair<std::string, std::string>> demanderDeuxNoms() override;
    void afficherAPropos() override;
    void afficherAide() override;

private:
    TChNom& chNom();

    QWidget* m_fenetre;
    ServiceBoites& m_boites;
    QStringList m_dossiersAide;
    TChNom* m_chNom = nullptr;
    TAboutBox* m_aboutBox = nullptr;
    QPointer<TAide> m_aide;
};

} // namespace tavlo::ui
