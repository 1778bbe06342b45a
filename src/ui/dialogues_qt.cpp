// Copyright 2026 the Tavlo32 developers.
#include "ui/dialogues_qt.h"

#include "ui/about_box.h"
#include "ui/aide.h"
#include "ui/ch_nom.h"
#include "ui/service_boites.h"

namespace tavlo::ui {

DialoguesQt::DialoguesQt(QWidget* fenetre, ServiceBoites& boites, QStringList dossiersAide)
    : m_fenetre(fenetre), m_boites(boites), m_dossiersAide(std::move(dossiersAide)) {}

TChNom& DialoguesQt::chNom() {
    if (m_chNom == nullptr) {
        // The dialog's refusals are the game's warning boxes.
        m_chNom = new TChNom(m_fenetre, [this](const QString& texte) {
            m_boites.afficher(rules::TypeBoite::Avertissement, texte);
        });
    }
    return *m_chNom;
}

std::optional<std::string> DialoguesQt::demanderUnNom() {
    TChNom& dialogue = chNom();
    dialogue.montrerNom2(false);
    if (dialogue.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialogue.nom1().toStdString();
}

std::optional<std::pair<std::string, std::string>> DialoguesQt::demanderDeuxNoms() {
    TChNom& dialogue = chNom();
    dialogue.montrerNom2(true);
    if (dialogue.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::pair{dialogue.nom1().toStdString(), dialogue.nom2().toStdString()};
}

void DialoguesQt::afficherAPropos() {
    if (m_aboutBox == nullptr) {
        m_aboutBox = new TAboutBox(m_fenetre);
    }
    m_aboutBox->exec();
}

void DialoguesQt::afficherAide() {
    if (m_aide == nullptr) {
        m_aide = new TAide(m_fenetre, m_dossiersAide);
    }
    m_aide->montrer();
}

} // namespace tavlo::ui
