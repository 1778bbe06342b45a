// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "ui/service_son.h"
#include "ui/wav.h"

#include <QBuffer>

#include <map>
#include <memory>

class QAudioSink;

namespace tavlo::ui {

// Plays the stored sounds through one audio sink fed from memory. Each sound is read from the
// program's resources the first time it is asked for; a new sound stops the sink of the old one.
// With no audio output nothing is played and nothing waits.
class LecteurSon final : public ServiceSon {
public:
    LecteurSon();
    ~LecteurSon() override;

    void jouer(rules::Son son) override;

private:
    const SonWav* charger(rules::Son son);
    void arreter();

    std::map<rules::Son, std::optional<SonWav>> m_sons;
    std::unique_ptr<QAudioSink> m_sortie;
    QBuffer m_tampon;
};

} // namespace tavlo::ui
