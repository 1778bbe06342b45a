// Copyright 2026 the Tavlo32 developers.
#include "ui/son_differe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tavlo::ui {

SonDiffere::SonDiffere(QStringList dossiers) : m_dossiers(std::move(dossiers)) {}

SonDiffere::~SonDiffere() {
    // The player stops its sound while the application still runs; the module stays loaded.
    delete m_lecteur;
}

QStringList SonDiffere::dossiersModule() {
    const QString programme = QCoreApplication::applicationDirPath();
    return {programme, QDir::cleanPath(programme + QStringLiteral("/../" TAVLO_DOSSIER_MODULES))};
}

ServiceSon* SonDiffere::charger() {
    if (m_essaye) {
        return m_lecteur;
    }
    m_essaye = true;
    QStringList erreurs;
    for (const QString& dossier : m_dossiers) {
        m_chargeur.setFileName(dossier + QStringLiteral("/" TAVLO_MODULE_SON));
        if (QFileInfo::exists(m_chargeur.fileName())) {
            m_lecteur = qobject_cast<ServiceSon*>(m_chargeur.instance());
            if (m_lecteur != nullptr) {
                return m_lecteur;
            }
            erreurs << m_chargeur.errorString();
        }
    }
    qWarning("Tavlo32 plays without sound: no sound module in %s %s",
             qUtf8Printable(m_dossiers.join(QStringLiteral(", "))),
             qUtf8Printable(erreurs.join(QStringLiteral("; "))));
    return nullptr;
}

void SonDiffere::jouer(rules::Son son) {
    if (ServiceSon* lecteur = charger()) {
        lecteur->jouer(son);
    }
}

} // namespace tavlo::ui
