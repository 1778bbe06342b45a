// Copyright 2026 the Tavlo32 developers.
#include "ui/annonces.h"

#include "rules/combinaisons.h"
#include "ui/textes_fenetre.h"
#include "ui/traduction.h"

#include <QStringList>

#include <algorithm>

namespace tavlo::ui {

namespace {

using turn::Rangee;

// "1 jeton", "7 jetons": French puts the singular on none and one.
QString compte(int jetons) {
    return traduit(jetons > 1 ? textes::JETONS : textes::JETON).arg(jetons);
}

// A sentence about die 1, 2 or 3.
QString phraseDe(std::string_view texte, int de) {
    return traduit(texte).arg(de);
}

} // namespace

Annonces::Annonces(const turn::Jeu& jeu)
    : m_jeu(jeu), m_lancers(jeu.recit().m_lancers), m_passes(jeu.recit().m_passes),
      m_ecartes(jeu.fenetre().m_ecarte) {}

QString Annonces::suivantes() {
    const turn::Recit& recit = m_jeu.recit();
    QStringList phrases;
    const bool aLance = recit.m_lancers != m_lancers;
    const bool aPasse = recit.m_passes != m_passes;
    if (aLance) {
        phrases << lancer();
        // The dice kept out of the throw are told with it; what moved since is told after.
        m_ecartes = recit.m_ecartes;
    }
    if (aPasse) {
        phrases << passe();
    } else {
        // At a pass every die comes back, which the pass itself tells.
        const auto& ecartes = m_jeu.fenetre().m_ecarte;
        for (int d = 1; d <= rules::NB_DES; ++d) {
            if (ecartes[d] != m_ecartes[d]) {
                phrases << phraseDe(ecartes[d] ? textes::ANNONCE_ECARTE : textes::ANNONCE_REMIS, d);
            }
        }
    }
    m_lancers = recit.m_lancers;
    m_passes = recit.m_passes;
    m_ecartes = m_jeu.fenetre().m_ecarte;
    return phrases.join(QLatin1Char(' '));
}

QString Annonces::lancer() const {
    const rules::EtatJeu& e = m_jeu.etat();
    QStringList phrases{traduit(textes::ANNONCE_LANCER)
                            .arg(lu(m_jeu.etiJoueur()))
                            .arg(e.ValDe[1])
                            .arg(e.ValDe[2])
                            .arg(e.ValDe[3])};
    for (int d = 1; d <= rules::NB_DES; ++d) {
        if (m_jeu.recit().m_ecartes[d]) {
            phrases << phraseDe(textes::ANNONCE_ECARTE, d);
        }
    }
    if (e.Rang != rules::RANG_ORDINAIRE) {
        phrases << traduit(textes::ANNONCE_COMBINAISON).arg(e.Valeur);
    }
    phrases << traduit(textes::ANNONCE_RESTANTS).arg(std::max(0, e.CoupsRestants));
    return phrases.join(QLatin1Char(' '));
}

QString Annonces::passe() const {
    const rules::EtatJeu& e = m_jeu.etat();
    QStringList phrases;
    // The settlement clears the first player's result; a first player's pass sets it.
    if (e.ValeurPremier == 0) {
        const turn::Recit& recit = m_jeu.recit();
        phrases << (recit.m_jetonsDonnes > 0
                        ? traduit(textes::ANNONCE_DON)
                              .arg(recit.m_donneur == Rangee::Pot ? traduit(textes::LE_POT)
                                                                  : nomRangee(recit.m_donneur),
                                   compte(recit.m_jetonsDonnes), nomRangee(recit.m_receveur))
                        : traduit(textes::ANNONCE_EGALITE));
        phrases << traduit(textes::ANNONCE_RANGEES)
                       .arg(rangee(Rangee::Pot), rangee(Rangee::Joueur1), rangee(Rangee::Joueur2));
    }
    if (!e.MancheFinie) {
        phrases << traduit(textes::ANNONCE_MAIN).arg(lu(m_jeu.etiJoueur()));
    }
    return phrases.join(QLatin1Char(' '));
}

QString Annonces::nomRangee(Rangee rangee) const {
    switch (rangee) {
    case Rangee::Pot:
        return traduit(textes::NOM_POT);
    case Rangee::Joueur1:
        return lu(m_jeu.nomJoueur(rules::Siege::Un));
    case Rangee::Joueur2:
        return lu(m_jeu.nomJoueur(rules::Siege::Deux));
    }
    return {};
}

int Annonces::jetons(Rangee rangee) const {
    int n = 0;
    for (int k = 1; k <= rules::NB_JETONS; ++k) {
        n += m_jeu.jetonVisible(rangee, k) ? 1 : 0;
    }
    return n;
}

QString Annonces::rangee(Rangee rangee) const {
    return traduit(textes::NOM_RANGEE).arg(nomRangee(rangee), compte(jetons(rangee)));
}

} // namespace tavlo::ui
