// Copyright 2026 the Tavlo32 developers.
#include "turn/jeu.h"

#include "rules/combinaisons.h"
#include "rules/textes.h"

namespace tavlo::turn {

using rules::NB_DES;
using rules::Texte;
namespace textes = rules::textes;

namespace {
constexpr int FACE_DEPART = 1;
constexpr int DERNIERE_IMAGE = 8; // the counter passes 8 once the seventh frame is drawn

int compter(const rules::Jetons& jetons) {
    int n = 0;
    for (int k = 1; k <= rules::NB_JETONS; ++k) {
        n += jetons[k] ? 1 : 0;
    }
    return n;
}
} // namespace

Jeu::Jeu(const Horloge& horloge) : m_horloge(horloge) {}

void Jeu::FormCreate() {
    m_fenetre.m_imageDe.remplir(FACE_DEPART);
    m_fenetre.m_ecarte.remplir(false);
    m_fenetre.m_desActifs = false;
    m_fenetre.m_butStopActif = false;
}

void Jeu::MenuNouvelleClick() {
    rules::EtatJeu& e = m_partie.m_etat;

    // A new game stops whatever was under way and clears the interrupted hand, so that the first
    // pass of the new game is a first player's pass.
    m_lanceur.reset();
    m_fenetre.m_sablier = false;
    m_ordy.arreter();
    e.ValeurPremier = 0;
    e.RangPremier = 0;
    e.Repos = false;
    e.MiseRepos = 0;
    m_fenetre.m_butStopActif = false;

    e.MancheFinie = false;
    e.NumLancer = 1;
    m_fenetre.m_gobeletVisible = true;
    e.Charge = true;
    e.CoupsMaxi = 1;
    e.CoupsRestants = e.CoupsMaxi;
    afficherCoupsMaxi();
    m_fenetre.m_imageDe.remplir(FACE_DEPART);
    m_fenetre.m_desActifs = false;
    e.Pot.remplir(true);
    e.Jetons1.remplir(false);
    e.Jetons2.remplir(false);
    afficherNumLancer();
    m_fenetre.m_ecarte.remplir(false);
    m_partie.m_tour = Siege::Un;
    avancer();
}

void Jeu::GobeletClick() {
    if (!gobeletCliquable()) {
        return;
    }
    LANCER(Lanceur::Humain);
    avancer();
}

void Jeu::DeClick(int de) {
    if (!deCliquable(de)) {
        return;
    }
    ecarter(de);
    // No throw can be made with all three dice kept.
    if (m_fenetre.m_ecarte[1] && m_fenetre.m_ecarte[2] && m_fenetre.m_ecarte[3]) {
        m_fenetre.m_gobeletVisible = false;
    }
}

void Jeu::SelectDeClick(int de) {
    if (!selectDeCliquable(de)) {
        return;
    }
    m_fenetre.m_ecarte[de] = false;
    m_fenetre.m_gobeletVisible = true;
}

void Jeu::ButStopClick() {
    if (!butStopCliquable()) {
        return;
    }
    passe();
    avancer();
}

void Jeu::TempoTimer() {
    m_topTempo = true;
    avancer();
}

void Jeu::MenuZeroClick() {
    m_partie.m_etat.Manches1 = 0;
    m_partie.m_etat.Manches2 = 0;
}

void Jeu::MenuSonClick() {
    m_fenetre.m_son = !m_fenetre.m_son;
}

void Jeu::unJoueur(const std::optional<std::string>& nom1) {
    m_partie.nom(Siege::Un) = nom1 ? Texte::telQuel(*nom1) : Texte(textes::JOUEUR1_DEFAUT);
    m_partie.nom(Siege::Deux) = Texte::telQuel(std::string(textes::NOM_ORDY));
    m_partie.m_etat.ModeSolo = true;
    m_partie.m_tour = Siege::Un;
}

void Jeu::deuxJoueurs(const std::optional<std::pair<std::string, std::string>>& noms) {
    m_partie.m_etat.ModeSolo = false;
    m_partie.nom(Siege::Un) = noms ? Texte::telQuel(noms->first) : Texte(textes::JOUEUR1_DEFAUT);
    m_partie.nom(Siege::Deux) = noms ? Texte::telQuel(noms->second) : Texte(textes::JOUEUR2_DEFAUT);
    m_partie.m_tour = Siege::Un;
}

Texte Jeu::texteManches() const {
    const rules::EtatJeu& e = m_partie.m_etat;
    const auto manches = [this](Siege s, int nombre) {
        return Texte(textes::MANCHES_POUR, {m_partie.nom(s), Texte::nombre(nombre)});
    };
    return Texte::telQuel(std::string(textes::PARAGRAPHES),
                          {manches(Siege::Un, e.Manches1), manches(Siege::Deux, e.Manches2)});
}

std::vector<rules::Effet> Jeu::prendreEffets() {
    std::vector<rules::Effet> effets;
    effets.swap(m_partie.m_effets);
    return effets;
}

void Jeu::BoiteOuverte() {
    m_partie.m_boitesOuvertes += 1;
}

void Jeu::BoiteFermee() {
    if (m_partie.m_boitesOuvertes > 0) {
        m_partie.m_boitesOuvertes -= 1;
    }
    avancer();
}

bool Jeu::jetonVisible(Rangee rangee, int slot) const {
    const rules::EtatJeu& e = m_partie.m_etat;
    switch (rangee) {
    case Rangee::Pot:
        // Before the first game the window shows a full pot although no game has filled it.
        return e.Pot[slot] || !m_partie.m_tour.has_value();
    case Rangee::Joueur1:
        return e.Jetons1[slot];
    case Rangee::Joueur2:
        return e.Jetons2[slot];
    }
    return false;
}

bool Jeu::humainPeutJouer() const {
    return !lancerEnCours() && !ordyJoue() && !enAttenteBoite();
}

bool Jeu::gobeletCliquable() const {
    return m_fenetre.m_gobeletVisible && humainPeutJouer();
}

bool Jeu::deCliquable(int de) const {
    return !m_fenetre.m_ecarte[de] && m_fenetre.m_desActifs && humainPeutJouer();
}

bool Jeu::selectDeCliquable(int de) const {
    return m_fenetre.m_ecarte[de] && m_fenetre.m_desActifs && humainPeutJouer();
}

bool Jeu::butStopCliquable() const {
    return m_fenetre.m_butStopActif && humainPeutJouer();
}

void Jeu::remettreEnJeu() {
    m_fenetre.m_ecarte.remplir(false);
}

void Jeu::ecarter(int de) {
    // The die set aside shows the very picture it showed in play.
    m_fenetre.m_imageSelectDe[de] = m_fenetre.m_imageDe[de];
    m_fenetre.m_ecarte[de] = true;
}

void Jeu::LANCER(Lanceur lanceur) {
    rules::EtatJeu& e = m_partie.m_etat;
    m_fenetre.m_sablier = true;
    m_fenetre.m_gobeletVisible = false;
    e.NbFaces.remplir(0);
    if (m_fenetre.m_son) {
        m_partie.jouer(rules::Son::LANCER);
    }
    m_generateur.semer(m_horloge.millisecondesDuJour());
    m_cptAnim = 1;
    m_fenetre.m_desActifs = false;
    m_lanceur = lanceur;
    // The frames are drawn by the ticks; one already raised draws the first frame at once.
}

void Jeu::dessinerImage() {
    rules::EtatJeu& e = m_partie.m_etat;
    m_cptAnim += 1;
    // Every die draws a face in every frame; the draw of a die set aside is discarded.
    for (int de = 1; de <= NB_DES; ++de) {
        const int face = m_generateur.face();
        if (!m_fenetre.m_ecarte[de]) {
            e.ValDe[de] = face;
            m_fenetre.m_imageDe[de] = face;
        }
    }
}

void Jeu::finirLancer() {
    rules::EtatJeu& e = m_partie.m_etat;
    rules::valoriser(e);
    if (e.NumLancer < e.CoupsMaxi) {
        m_fenetre.m_gobeletVisible = true;
        m_fenetre.m_desActifs = true;
        e.NumLancer += 1;
        afficherNumLancer();
    } else {
        e.NumLancer += 1;
    }
    e.CoupsRestants -= 1;
    m_fenetre.m_sablier = false;
    m_recit.m_lancers += 1;
    m_recit.m_ecartes = m_fenetre.m_ecarte;

    const Lanceur lanceur = *m_lanceur;
    m_lanceur.reset();
    if (lanceur == Lanceur::Humain) {
        m_fenetre.m_butStopActif = true;
    }
}

void Jeu::passe() {
    rules::EtatJeu& e = m_partie.m_etat;
    m_fenetre.m_butStopActif = false;
    m_fenetre.m_gobeletVisible = false;

    m_recit.m_passes += 1;
    m_recit.m_jetonsDonnes = 0;
    if (e.ValeurPremier != 0) {
        const std::array<int, 3> avant{compter(e.Pot), compter(e.Jetons1), compter(e.Jetons2)};
        rules::REPARTITION(m_partie);
        noterReglement(avant);
        e.CoupsMaxi = 3;
    } else {
        e.ValeurPremier = e.Valeur;
        e.RangPremier = e.Rang;
        // The second player may throw at most as often as the first one did.
        e.CoupsMaxi = e.NumLancer - 1;
        m_partie.m_tour = rules::autre(m_partie.m_tour.value());
    }
    // In the loading phase and in the hand replayed after a tie, every turn has one throw.
    if (e.Charge || e.Repos) {
        e.CoupsMaxi = 1;
    }
    afficherCoupsMaxi();
    e.CoupsRestants = e.CoupsMaxi;

    // All dice come back into play, and none can be set aside before the next throw.
    m_fenetre.m_ecarte.remplir(false);
    m_fenetre.m_desActifs = false;

    if (e.MancheFinie) {
        return;
    }
    e.NumLancer = 1;
    afficherNumLancer();
    m_fenetre.m_gobeletVisible = true;
    if (m_partie.estOrdy(m_partie.m_tour.value())) {
        OrdiJoue();
    }
}

void Jeu::noterReglement(const std::array<int, 3>& avant) {
    const rules::EtatJeu& e = m_partie.m_etat;
    const std::array<int, 3> apres{compter(e.Pot), compter(e.Jetons1), compter(e.Jetons2)};
    // A settlement moves tokens from one row to one other row, or none at all.
    for (std::size_t r = 0; r < apres.size(); ++r) {
        if (apres[r] < avant[r]) {
            m_recit.m_donneur = static_cast<Rangee>(r);
            m_recit.m_jetonsDonnes = avant[r] - apres[r];
        } else if (apres[r] > avant[r]) {
            m_recit.m_receveur = static_cast<Rangee>(r);
        }
    }
}

void Jeu::afficherCoupsMaxi() {
    m_fenetre.m_cpsMaxi = Texte(textes::COUPS_MAXI, {Texte::nombre(m_partie.m_etat.CoupsMaxi)});
}

void Jeu::afficherNumLancer() {
    m_fenetre.m_etiLancer =
        Texte(textes::LANCER_NUMERO, {Texte::nombre(m_partie.m_etat.NumLancer)});
}

void Jeu::avancer() {
    // A message box holds the game: ticks meanwhile only raise the flag.
    while (!enAttenteBoite()) {
        if (lancerEnCours()) {
            if (!m_topTempo) {
                return;
            }
            m_topTempo = false;
            dessinerImage();
            if (m_cptAnim >= DERNIERE_IMAGE) {
                finirLancer();
            }
        } else if (!m_ordy.enCours() || !m_ordy.avancer(m_topTempo)) {
            return;
        }
    }
}

} // namespace tavlo::turn
