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
      m_chNom(new TChNom(fenetre,
                         [&boites](const QString& texte) {
                             boites.afficher(rules::TypeBoite::Avertissement, texte);
                         })),
      m_aboutBox(new TAboutBox(fenetre)) {}

std::optional<std::string> DialoguesQt::demanderUnNom() {
    m_chNom->montrerNom2(false);
    if (m_chNom->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return m_chNom->nom1().toStdString();
}

std::optional<std::pair<std::string, std::string>> DialoguesQt::demanderDeuxNoms() {
    m_chNom->montrerNom2(true);
    if (m_chNom->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::pair{m_chNom->nom1().toStdString(), m_chNom->nom2().toStdString()};
}

void DialoguesQt::afficherAPropos() {
    m_aboutBox->exec();
}

void DialoguesQt::afficherAide() {
    if (m_aide == nullptr) {
        m_aide = new TAide(m_fenetre, m_dossiersAide);
    }
    m_aide->montrer();
}

} // namespace tavlo::ui
