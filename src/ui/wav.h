// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <optional>

namespace tavlo::ui {

// The sound samples of a WAV file image and their format, as its RIFF header states them.
struct SonWav {
    QAudioFormat format;
    QByteArray pcm;
};

// Reads a RIFF "WAVE" image holding 8- or 16-bit PCM; chunks other than "fmt " and "data" (an
// information "LIST", for one) are skipped. Nothing for an image that is not such a file.
std::optional<SonWav> lireWav(const QByteArray& image);

} // namespace tavlo::ui
