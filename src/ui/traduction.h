// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "rules/texte.h"

#include <QCoreApplication>
#include <QString>

#include <string_view>

// Every text a player meets reaches Qt through these, in the language the player's desktop asks
// for (see langue.h).
namespace tavlo::ui {

// One of the game's source texts, the core's or the shell's, in the player's language.
inline QString traduit(std::string_view source) {
    // The sources are literals: their views end where a NUL follows.
    return QCoreApplication::translate(rules::CONTEXTE.data(), source.data());
}

// A text of the core in the player's language, its parts filled into the translated source.
inline QString lu(const rules::Texte& texte) {
    return QString::fromStdString(texte.lire([](const std::string& source) {
        return QCoreApplication::translate(rules::CONTEXTE.data(), source.c_str()).toStdString();
    }));
}

} // namespace tavlo::ui
