// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "turn/jeu.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>

class QAction;

namespace tavlo::ui {

class Plateau;
class ServiceBoites;
class ServiceDialogues;
class ServiceSon;

// The main window: the board, the menu, the status bar and the timer. It holds no game state: its
// handlers forward to the game's operations of the same names, and after every one of them it
// draws what the game holds and performs the effects it queued.
class TMirvo32 final : public QMainWindow {
    Q_OBJECT
public:
    TMirvo32(const turn::Horloge& horloge, ServiceBoites& boites, ServiceSon& son);
    ~TMirvo32() override;

    // The dialogs are created after the main window, so they are plugged in afterwards, before
    // the window is shown.
    void brancherDialogues(ServiceDialogues& dialogues) { m_dialogues = &dialogues; }

public slots:
    void MenuNouvelleClick();
    void Menu1JoueurClick();
    void Menu2JoueursClick();
    void MenuManchesClick();
    void MenuZeroClick();
    void MenuAidesurClick();
    void MenuSonClick();
    void MenuAproposClick();
    void MenuQuitterClick();

    void GobeletClick();
    void DeClick(int de);
    void SelectDeClick(int de);
    void ButStopClick();
    void TempoTimer();

protected:
    // Closing the main window by any means ends the program, even with the help window open.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The border is not resizable: whatever a window manager offers (openbox draws maximise and
    // restore buttons the window asks not to have, and restores on a double click on the title),
    // a maximised window that is restored is maximised again.
    void changeEvent(QEvent* event) override;

private:
    void creerBarreEtat();
    void creerMenu();
    void changerEcran();

    // After every event: draw the game, then take its effects in order. A message box runs its
    // own event loop, whose timer ticks are forwarded and drawn, but the effects they queue wait
    // for the loop that showed the box.
    void apresEvenement();
    // Shows a modal box or dialog, holding the game until it closes: no frame of a throw, no step
    // of ORDY and no box of the game's own meanwhile.
    void sousUneBoite(const std::function<void()>& montrer);
    void dessiner();
    void prendreEffets();

    turn::Jeu m_jeu;
    ServiceBoites& m_boites;
    ServiceSon& m_son;
    ServiceDialogues* m_dialogues = nullptr;
    bool m_effetsEnCours = false;
    bool m_sablierPose = false;

    QTimer* Tempo;
    Plateau* m_plateau;
    QAction* MenuSon;
};

} // namespace tavlo::ui
