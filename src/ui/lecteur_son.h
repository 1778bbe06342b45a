// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "ui/service_son.h"
#include "ui/wav.h"

#include <QBuffer>
#include <QObject>

#include <map>
#include <memory>

class QAudioSink;

namespace tavlo::ui {

// Plays the stored sounds through one audio sink fed from memory. Each sound is read from the
// program's resources the first time it is asked for; a new sound stops the sink of the old one.
// With no audio output nothing is played and nothing waits. It is the root object of the sound
// module, which the program loads at its first sound (see SonDiffere).
class LecteurSon final : public QObject, public ServiceSon {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TAVLO_SERVICE_SON_IID)
    Q_INTERFACES(tavlo::ui::ServiceSon)

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
