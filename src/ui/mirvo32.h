// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "turn/jeu.h"
#include "ui/image_cliquable.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tavlo::ui {

class BullesAide;
class ServiceBoites;
class ServiceDialogues;
class ServiceSon;

// The main window: the board, the dice, the cup, the tokens, the labels, the pass button, the menu
// and the status bar. It holds no game state: its handlers forward to the game of the same names,
// and after every one of them it draws what the game holds and performs the effects it queued.
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
    void De1Click();
    void De2Click();
    void De3Click();
    void SelectDe1Click();
    void SelectDe2Click();
    void SelectDe3Click();
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
    void creerElements();
    void creerMenu();
    void creerTouches();
    // Key 1, 2 or 3: sets the die aside or brings it back, whichever its click would do now.
    void toucheDe(int de);
    ImageCliquable* creerImage(const char* nom, QWidget* parent);
    QLabel* creerEtiquette(const char* nom, const QFont& police, const QColor& couleur,
                           const QColor& fond);
    // Gives the board, the faces, the cup and the tokens their pictures at the screen's scale.
    void poserImages();
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
    void poserTexte(QLabel* etiquette, const std::string& texte);
    void poserTitre(QGroupBox* boite, const std::string& titre);
    void decrireFace(QWidget* de, int face);

    turn::Jeu m_jeu;
    ServiceBoites& m_boites;
    ServiceSon& m_son;
    ServiceDialogues* m_dialogues = nullptr;
    bool m_effetsEnCours = false;
    bool m_sablierPose = false;

    QTimer* Tempo;
    BullesAide* m_bulles;

    QLabel* Plateau;
    std::array<QLabel*, rules::NB_FACES> Image{};
    std::array<ImageCliquable*, rules::NB_DES> De{};
    std::array<ImageCliquable*, rules::NB_DES> SelectDe{};
    ImageCliquable* Gobelet;
    QLabel* Eti_Lancer;
    QLabel* EtiJoueur;
    QLabel* EtiRepos;
    QLabel* CpsMaxi;
    std::array<QLabel*, rules::NB_JETONS> Jeton{};
    QGroupBox* NomJoueur1;
    QGroupBox* NomJoueur2;
    std::array<QLabel*, rules::NB_JETONS> J1{};
    std::array<QLabel*, rules::NB_JETONS> J2{};
    QPushButton* ButStop;
    QLabel* m_copyright;
    QMenu* MenuNouvelle;
    QAction* MenuSon;
};

} // namespace tavlo::ui
