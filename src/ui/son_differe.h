// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "ui/service_son.h"

#include <QPluginLoader>
#include <QStringList>

namespace tavlo::ui {

// Plays through the sound module, loaded at the first sound: Qt Multimedia and the audio
// libraries it brings cost nothing at start-up, nor ever to a player who plays in silence.
// The module is looked for in each folder in turn; without it every sound is skipped, with one
// warning.
class SonDiffere final : public ServiceSon {
public:
    explicit SonDiffere(QStringList dossiers);
    ~SonDiffere() override;

    void jouer(rules::Son son) override;

    // Beside the program in the build tree, then where it is installed.
    static QStringList dossiersModule();

private:
    ServiceSon* charger();

    QStringList m_dossiers;
    QPluginLoader m_chargeur;
    bool m_essaye = false;
    ServiceSon* m_lecteur = nullptr;
};

} // namespace tavlo::ui
