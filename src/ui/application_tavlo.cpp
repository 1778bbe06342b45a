// Copyright 2026 the Tavlo32 developers.
#include "ui/application_tavlo.h"

#include "ui/aide.h"
#include "ui/boite_message.h"
#include "ui/dialogue_fixe.h"
#include "ui/textes_fenetre.h"

#include <QFont>
#include <QIcon>

#include <exception>

namespace tavlo::ui {

void preparerApplication(QApplication& application) {
    // Only the name is set, not a display name, so that no window title gets the name appended.
    application.setApplicationName(textes::qt(textes::TITRE));
    QFont::insertSubstitution(MS_SANS_SERIF, QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(TIMES_NEW_ROMAN, QStringLiteral("Liberation Serif"));
}

ApplicationTavlo::ApplicationTavlo(int& argc, char** argv) : QApplication(argc, argv) {
    preparerApplication(*this);
    // Qt reads no 16-bit icon file, so the window takes the PNG made from the same pixels.
    setWindowIcon(QIcon(QStringLiteral(":/MAINICON.png")));
    m_dossiersAide = TAide::dossiersAide();
}

bool ApplicationTavlo::notify(QObject* destinataire, QEvent* event) {
    try {
        return QApplication::notify(destinataire, event);
    } catch (const std::exception& erreur) {
        const auto montrer = [this, texte = textes::qt(erreur.what())] {
            BoiteMessage::afficherErreur(texte, activeWindow());
        };
        if (m_garde) {
            m_garde(montrer);
        } else {
            montrer();
        }
    }
    return false;
}

} // namespace tavlo::ui
