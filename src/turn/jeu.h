// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "ordy/tour_ordy.h"
#include "rules/partie.h"
#include "turn/generateur.h"
#include "turn/horloge.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavlo::turn {

using rules::Siege;

// What a window-based design would keep in its window, here held by the game and only drawn by
// the shell. Faces are 1..6; 0 is a box that has no picture yet.
struct Fenetre {
    rules::TableauUn<int, rules::NB_DES> m_imageDe;       // face shown by De1..De3
    rules::TableauUn<int, rules::NB_DES> m_imageSelectDe; // face shown by SelectDe1..SelectDe3
    rules::TableauUn<bool, rules::NB_DES> m_ecarte; // die N set aside: SelectDeN shown, DeN hidden
    bool m_desActifs = true;                        // the six dice images take clicks
    bool m_gobeletVisible = false;
    bool m_butStopActif = true;
    rules::Texte m_etiLancer; // "Lancer n° " and the number of the next throw
    rules::Texte m_cpsMaxi{rules::textes::COUPS_MAXI_DEPART};
    bool m_son = true;      // the menu's sound switch
    bool m_sablier = false; // the hourglass cursor, shown while a throw animates

    bool operator==(const Fenetre&) const = default;
};

// Where a token image stands, in the order of the rows' counts of the settlement.
enum class Rangee { Pot, Joueur1, Joueur2 };

// What the game has just done, told to a player who hears the board instead of seeing it. Each
// throw that ends and each pass is counted, so the shell tells a new one from one already told.
struct Recit {
    int m_lancers = 0;                               // throws ended
    rules::TableauUn<bool, rules::NB_DES> m_ecartes; // the dice kept out of the last throw
    int m_passes = 0;                                // passes made
    // The tokens the last pass moved, from one row to another: none on a first player's pass,
    // after a tie, or to a loser who already holds eleven.
    int m_jetonsDonnes = 0;
    Rangee m_donneur = Rangee::Pot;
    Rangee m_receveur = Rangee::Pot;
};

// The one object that owns the game. The window forwards its clicks, menu commands and timer
// ticks to the operations of the same names, then draws what this object holds and takes the
// effects it queued, in order.
class Jeu final : private ordy::Table {
public:
    explicit Jeu(const Horloge& horloge);

    // Window and menu.
    void FormCreate();
    void MenuNouvelleClick();
    void GobeletClick();
    void DeClick(int de);
    void SelectDeClick(int de);
    void ButStopClick();
    void TempoTimer();
    void MenuZeroClick();
    void MenuSonClick();

    // What "1 Joueur" and "2 Joueurs" do once the names dialog has closed: the names typed, or
    // nothing when it was cancelled.
    void unJoueur(const std::optional<std::string>& nom1);
    void deuxJoueurs(const std::optional<std::pair<std::string, std::string>>& noms);

    // The text of the rounds-won box.
    rules::Texte texteManches() const;

    // Effects queued since the last call, in order. A message box among them holds the game until
    // the shell reports it closed with BoiteFermee(); a tick meanwhile is only remembered.
    std::vector<rules::Effet> prendreEffets();
    void BoiteFermee();
    // A modal box or dialog that the shell opens by itself holds the game the same way, until it
    // is reported closed with BoiteFermee().
    void BoiteOuverte();

    // What the window draws.
    const rules::EtatJeu& etat() const { return m_partie.m_etat; }
    const Fenetre& fenetre() const { return m_fenetre; }
    const rules::Texte& nomJoueur(Siege s) const { return m_partie.nom(s); }
    rules::Texte etiJoueur() const { return m_partie.etiJoueur(); }
    bool etiReposVisible() const { return m_partie.etiReposVisible(); }
    bool jetonVisible(Rangee rangee, int slot) const;
    const Recit& recit() const { return m_recit; }

    // Whether a click on each element is taken now. A hidden or disabled element takes none, and
    // none of the human's controls does while a throw animates, ORDY plays or a box is open.
    bool gobeletCliquable() const;
    bool deCliquable(int de) const;
    bool selectDeCliquable(int de) const;
    bool butStopCliquable() const;

    bool lancerEnCours() const override { return m_lanceur.has_value(); }
    bool ordyJoue() const { return m_ordy.enCours(); }
    bool enAttenteBoite() const { return m_partie.m_boitesOuvertes > 0; }

private:
    enum class Lanceur { Humain, Ordy };

    // ordy::Table
    const rules::EtatJeu& etatJeu() const override { return m_partie.m_etat; }
    void LANCER() override { LANCER(Lanceur::Ordy); }
    void remettreEnJeu() override;
    void ecarter(int de) override;
    void passer() override { passe(); }

    void LANCER(Lanceur lanceur);
    void dessinerImage();
    void finirLancer();
    void passe();
    // Tells which row the settlement took tokens from, which row it gave them to, and how many,
    // from the pot's and the players' counts before it.
    void noterReglement(const std::array<int, 3>& avant);
    void OrdiJoue() { m_ordy.OrdiJoue(); }
    bool humainPeutJouer() const;
    void afficherCoupsMaxi();
    void afficherNumLancer();
    // Runs whatever the ticks already raised allow: frames of a throw, ORDY's steps.
    void avancer();

    const Horloge& m_horloge;
    Generateur m_generateur;
    rules::Partie m_partie;
    Fenetre m_fenetre;
    std::optional<Lanceur> m_lanceur; // the throw that animates and who started it
    bool m_topTempo = false;          // a tick of the 500 ms timer has not been consumed yet
    int m_cptAnim = 0;                // frame counter of the throw: 1 at its start, 8 at its end
    Recit m_recit;
    ordy::TourOrdy m_ordy{*this};
};

} // namespace tavlo::turn
