// Copyright 2026 the Tavlo32 developers.
#include "ui/wav.h"

#include <QtEndian>

namespace tavlo::ui {

namespace {

constexpr qsizetype ENTETE_RIFF = 12;   // "RIFF", size, "WAVE"
constexpr qsizetype ENTETE_MORCEAU = 8; // identifier, size
constexpr qsizetype TAILLE_FMT = 16;
constexpr quint16 FORMAT_PCM = 1;

quint16 lire16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 lire32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

std::optional<QAudioFormat> lireFormat(const char* fmt) {
    const quint16 codage = lire16(fmt);
    const quint16 canaux = lire16(fmt + 2);
    const quint32 frequence = lire32(fmt + 4);
    const quint16 bits = lire16(fmt + 14);
    if (codage != FORMAT_PCM || canaux == 0 || frequence == 0) {
        return std::nullopt;
    }
    QAudioFormat format;
    format.setChannelCount(canaux);
    format.setSampleRate(static_cast<int>(frequence));
    switch (bits) {
    case 8:
        format.setSampleFormat(QAudioFormat::UInt8);
        break;
    case 16:
        format.setSampleFormat(QAudioFormat::Int16);
        break;
    default:
        return std::nullopt;
    }
    return format;
}

} // namespace

std::optional<SonWav> lireWav(const QByteArray& image) {
    if (image.size() < ENTETE_RIFF || !image.startsWith("RIFF") ||
        image.mid(8, 4) != QByteArrayLiteral("WAVE")) {
        return std::nullopt;
    }
    std::optional<QAudioFormat> format;
    qsizetype pos = ENTETE_RIFF;
    while (pos + ENTETE_MORCEAU <= image.size()) {
        const QByteArray id = image.mid(pos, 4);
        const qsizetype taille = lire32(image.constData() + pos + 4);
        const qsizetype debut = pos + ENTETE_MORCEAU;
        if (taille > image.size() - debut) {
            return std::nullopt;
        }
        if (id == "fmt " && taille >= TAILLE_FMT) {
            format = lireFormat(image.constData() + debut);
        } else if (id == "data") {
            if (!format) {
                return std::nullopt;
            }
            return SonWav{*format, image.mid(debut, taille)};
        }
        // Chunks are padded to an even length.
        pos = debut + taille + (taille % 2);
    }
    return std::nullopt;
}

} // namespace tavlo::ui
