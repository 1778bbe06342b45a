// Copyright 2026 the Tavlo32 developers.
#include "ui/langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <algorithm>
#include <array>

namespace tavlo::ui {

namespace {

// The languages the game has besides French. Their translations are named by the language's
// code: ":/i18n/tavlo32_en.qm" in the resources, "qtbase_en.qm" among Qt's translations.
constexpr std::array TRADUCTIONS{QLocale::English};

// Qt's own texts in a language, where its translation is installed.
void traduireQt(QTranslator& traducteur, QLocale::Language langue) {
    if (traducteur.load(QStringLiteral("qtbase_") + QLocale::languageToCode(langue),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&traducteur);
    }
}

} // namespace

Langue::Langue(const QStringList& languesJoueur) {
    for (const QString& nom : languesJoueur) {
        const QLocale::Language langue = QLocale(nom).language();
        if (langue == QLocale::French) {
            break;
        }
        if (std::find(TRADUCTIONS.begin(), TRADUCTIONS.end(), langue) != TRADUCTIONS.end() &&
            m_jeu.load(QStringLiteral(":/i18n/tavlo32_") + QLocale::languageToCode(langue))) {
            QCoreApplication::installTranslator(&m_jeu);
            traduireQt(m_qt, langue);
            return;
        }
    }
    // French: the game's texts are the sources; only Qt's own need translating.
    traduireQt(m_qt, QLocale::French);
}

} // namespace tavlo::ui
