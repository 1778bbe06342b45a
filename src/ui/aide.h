// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;

namespace tavlo::ui {

// The game's own help window: an HTML page kept in a folder beside the program.
// It is a window of its own, not modal, so the game goes on while the help is open. When the
// page cannot be found the window says so and where it looked.
class TAide : public QWidget {
    Q_OBJECT

public:
    // Where the help pages are looked for, in this order: "aide" beside the program (the build
    // tree), then "share/tavlo32/aide" beside the program's bin folder (an installed game).
    static QStringList dossiersAide();

    // Looks for the pages in the given folders, in order: the program gives dossiersAide().
    TAide(QWidget* parent, QStringList dossiers);

    // Shows the game's help page and brings the window forward.
    void montrer();

private:
    // The first folder of the search list that holds the file, or nothing.
    QString chercher(const QString& fichier) const;
    // Says plainly that the page is missing and where it was looked for.
    void montrerIntrouvable(const QString& page);

    QStringList m_dossiers;
    QTextBrowser* m_navigateur;
};

} // namespace tavlo::ui
