// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace tavlo::ui {

// The game speaks the first of the player's languages that it has, in the order the desktop
// gives them (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); with none of them, French, the language its
// texts are written in and which needs no translation. Qt's own texts, such as the menu of an
// edit field, follow in the same language where Qt's translations are installed. The
// translations are taken from the program's resources and stay installed while this object
// lives.
class Langue final {
public:
    explicit Langue(const QStringList& languesJoueur = QLocale::system().uiLanguages());

    Langue(const Langue&) = delete;
    Langue& operator=(const Langue&) = delete;

private:
    QTranslator m_jeu;
    QTranslator m_qt;
};

} // namespace tavlo::ui
