// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QApplication>
#include <QStringList>

#include <functional>

namespace tavlo::ui {

// The application: its title, its icon, the fonts the layout names, and where the help pages
// are. An error raised while an event is handled is shown in an error box and the program goes
// on with the next event.
class ApplicationTavlo final : public QApplication {
    Q_OBJECT
public:
    ApplicationTavlo(int& argc, char** argv);

    const QStringList& dossiersAide() const { return m_dossiersAide; }

    bool notify(QObject* destinataire, QEvent* event) override;

    // Runs the showing of a modal box so that the game waits while it is open. The main window
    // plugs itself in, so that the error box holds the game as its own boxes do.
    using Garde = std::function<void(const std::function<void()>& montrer)>;
    void setGarde(Garde garde) { m_garde = std::move(garde); }

private:
    QStringList m_dossiersAide;
    Garde m_garde;
};

// What every process showing the game's windows needs, the program and its tests alike: the
// title and the fonts of the layout.
void preparerApplication(QApplication& application);

} // namespace tavlo::ui
