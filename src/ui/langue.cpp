// Copyright 2026 the Tavlo32 developers.
#include "ui/langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <algorithm>
#include <array>

namespace tavlo::ui {

namespace {

// The languages the game has besides French, by their codes, as the translations are named:
// ":/i18n/tavlo32_<code>.qm" in the resources, "qtbase_<code>.qm" among Qt's translations.
constexpr std::array<QLatin1StringView, 1> TRADUCTIONS{QLatin1StringView("en")};
const QLatin1StringView FRANCAIS("fr");

// The language of "en-GB", "en_US.UTF-8" or "fr": what comes before the first '-' or '_'.
QString codeDe(const QString& langue) {
    return langue.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

Langue::Langue(const QStringList& languesJoueur) {
    for (const QString& langue : languesJoueur) {
        const QString code = codeDe(langue);
        if (code == FRANCAIS) {
            break;
        }
        if (std::find(TRADUCTIONS.begin(), TRADUCTIONS.end(), code) != TRADUCTIONS.end() &&
            m_jeu.load(QStringLiteral(":/i18n/tavlo32_") + code)) {
            QCoreApplication::installTranslator(&m_jeu);
            if (m_qt.load(QStringLiteral("qtbase_") + code,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(&m_qt);
            }
            return;
        }
    }
    // French: the game's texts are the sources; only Qt's own need translating.
    if (m_qt.load(QStringLiteral("qtbase_") + FRANCAIS,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
}

} // namespace tavlo::ui
