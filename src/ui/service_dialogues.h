// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tavlo::ui {

// The dialogs the menu opens, each shown modally; nothing when the names dialog is cancelled.
class ServiceDialogues {
public:
    virtual ~ServiceDialogues() = default;
    virtual std::optional<std::string> demanderUnNom() = 0;
    virtual std::optional<std::pair<std::string, std::string>> demanderDeuxNoms() = 0;
    virtual void afficherAPropos() = 0;
    virtual void afficherAide() = 0;
};

} // namespace tavlo::ui
