// Copyright 2026 the Tavlo32 developers.
#include "ui/dialogues_qt.h"

#include "ui/about_box.h"
#include "ui/aide.h"
#include "ui/ch_nom.h"
#include "ui/service_boites.h"

namespace tavlo::ui {

DialoguesQt::DialoguesQt(QWidget* fenetre, ServiceBoites& boites, QStringList dossiersAide)
    : m_fenetre(fenetre), m_dossiersAide(std::move(dossiersAide)),
      // The dialog's refusals are the game's warning boxes.
      ChNom(new TChNom(fenetre,
                       [&boites](const QString& texte) {
                           boites.afficher(rules::TypeBoite::Avertissement, texte);
                       })),
      AboutBox(new TAboutBox(fenetre)) {}

std::optional<std::string> DialoguesQt::demanderUnNom() {
    ChNom->montrerNom2(false);
    if (ChNom->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ChNom->nom1().toStdString();
}

std::optional<std::pair<std::string, std::string>> DialoguesQt::demanderDeuxNoms() {
    ChNom->montrerNom2(true);
    if (ChNom->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::pair{ChNom->nom1().toStdString(), ChNom->nom2().toStdString()};
}

void DialoguesQt::afficherAPropos() {
    AboutBox->exec();
}

void DialoguesQt::afficherAide(int contexte) {
    if (m_aide == nullptr) {
        m_aide = new TAide(m_fenetre, m_dossiersAide);
    }
    m_aide->montrerSujet(contexte);
}

} // namespace tavlo::ui
