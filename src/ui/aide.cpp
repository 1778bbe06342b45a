// Copyright 2026 the Tavlo32 developers.
#include "ui/aide.h"
#include "ui/textes_fenetre.h"
#include "ui/traduction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tavlo::ui {

namespace {

// The help page in the player's language.
QString page() {
    return traduit(textes::PAGE_AIDE);
}

} // namespace

QStringList TAide::dossiersAide() {
    const QString programme = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(programme + QStringLiteral("/aide")),
            QDir::cleanPath(programme + QStringLiteral("/../share/tavlo32/aide"))};
}

TAide::TAide(QWidget* parent, QStringList dossiers)
    : QWidget(parent, Qt::Window), m_dossiers(std::move(dossiers)),
      m_navigateur(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("Aide"));
    setWindowTitle(traduit(textes::TITRE_AIDE));
    resize(640, 560);
    m_navigateur->setObjectName(QStringLiteral("Navigateur"));
    m_navigateur->setOpenExternalLinks(true);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(m_navigateur);
}

QString TAide::chercher(const QString& fichier) const {
    for (const QString& dossier : m_dossiers) {
        const QFileInfo page(QDir(dossier), fichier);
        if (page.isFile()) {
            return page.absoluteFilePath();
        }
    }
    return {};
}

void TAide::montrer() {
    const QString chemin = chercher(page());
    if (chemin.isEmpty()) {
        montrerIntrouvable(page());
    } else {
        m_navigateur->setSource(QUrl::fromLocalFile(chemin));
        const QString titre = m_navigateur->documentTitle();
        setWindowTitle(titre.isEmpty() ? traduit(textes::TITRE_AIDE) : titre);
    }
    show();
    raise();
    activateWindow();
}

void TAide::montrerIntrouvable(const QString& page) {
    QString message =
        QStringLiteral("<p>") + traduit(textes::AIDE_INTROUVABLE).arg(page).toHtmlEscaped() +
        QStringLiteral("</p><p>") + traduit(textes::DOSSIERS_CONSULTES).toHtmlEscaped();
    for (const QString& dossier : m_dossiers) {
        message += QStringLiteral("<br>") + QDir::toNativeSeparators(dossier).toHtmlEscaped();
    }
    m_navigateur->setHtml(message + QStringLiteral("</p>"));
    setWindowTitle(traduit(textes::TITRE_AIDE));
}

} // namespace tavlo::ui
