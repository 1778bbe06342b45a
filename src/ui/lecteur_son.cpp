// Copyright 2026 the Tavlo32 developers.
#include "ui/lecteur_son.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>

namespace tavlo::ui {

namespace {

QString nomRessource(rules::Son son) {
    switch (son) {
    case rules::Son::LANCER:
        return QStringLiteral(":/LANCER");
    case rules::Son::BRAVO:
        return QStringLiteral(":/BRAVO");
    case rules::Son::MEILLEUR:
        return QStringLiteral(":/MEILLEUR");
    }
    return {};
}

} // namespace

LecteurSon::LecteurSon() = default;

LecteurSon::~LecteurSon() {
    arreter();
}

const SonWav* LecteurSon::charger(rules::Son son) {
    auto it = m_sons.find(son);
    if (it == m_sons.end()) {
        QFile fichier(nomRessource(son));
        std::optional<SonWav> wav;
        if (fichier.open(QIODevice::ReadOnly)) {
            wav = lireWav(fichier.readAll());
        }
        it = m_sons.emplace(son, std::move(wav)).first;
    }
    return it->second ? &*it->second : nullptr;
}

void LecteurSon::arreter() {
    if (m_sortie) {
        m_sortie->stop();
        m_sortie.reset();
    }
    m_tampon.close();
}

void LecteurSon::jouer(rules::Son son) {
    arreter();
    const SonWav* wav = charger(son);
    const QAudioDevice sortie = QMediaDevices::defaultAudioOutput();
    if (wav == nullptr || sortie.isNull()) {
        return;
    }
    // The buffer reads the stored samples in place: no copy is made for each playing.
    m_tampon.setData(wav->pcm);
    m_tampon.open(QIODevice::ReadOnly);
    m_sortie = std::make_unique<QAudioSink>(sortie, wav->format);
    m_sortie->start(&m_tampon);
}

} // namespace tavlo::ui
