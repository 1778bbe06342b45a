// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

namespace tavlo::ui {

// The board as a screen reader walks it and hears it. The accessibility tree lists the board's
// shown widgets, less those read as part of a row, each row of tokens as one element, and the
// latest announcement. Qt asks for all this only while an accessibility client listens, so a
// player without one pays for nothing but the descriptions below.
class LecturePlateau {
public:
    explicit LecturePlateau(QWidget* plateau) : m_plateau(plateau) {}
    ~LecturePlateau();
    LecturePlateau(const LecturePlateau&) = delete;
    LecturePlateau& operator=(const LecturePlateau&) = delete;

    // A widget read as part of a row, left out of the tree.
    void cacher(const QWidget* element) { m_caches.insert(element); }
    // A row read as one element, in place of a widget of the board, shown or not; its name is
    // asked for each time it is read.
    void ajouterRangee(const QWidget* aLaPlaceDe, const QRect& place, std::function<QString()> nom);
    // Tells a listening client which rows have a new name.
    void rangeesChangees();
    // Presents a text without moving the focus: a new object of role notification that starts
    // showing, which screen readers read wherever the focus is. Each one keeps its text, so a
    // client that reads it late still reads the right one.
    void annoncer(const QString& texte);

    // The board's children in the accessibility tree, in the order of the board's widgets.
    QList<QAccessibleInterface*> enfants() const;
    QWidget* plateau() const { return m_plateau; }

private:
    struct Rangee {
        const QWidget* m_aLaPlaceDe;
        QRect m_place;
        std::function<QString()> m_nom;
        QAccessibleInterface* m_element = nullptr; // made when a client first reads the row
        QString m_nomDit;                          // the name a client was last told
    };
    QAccessibleInterface* elementDe(Rangee& rangee) const;

    QPointer<QWidget> m_plateau;
    QSet<const QWidget*> m_caches;
    mutable std::vector<Rangee> m_rangees;
    std::deque<QAccessibleInterface*> m_annonces; // the latest last
};

// The accessibility factory of the board and of its picture boxes; Qt keeps it once installed.
void installerLecture();

// A widget whose board a screen reader reads through a LecturePlateau.
class PlateauLu {
public:
    virtual LecturePlateau& lecture() = 0;

protected:
    ~PlateauLu() = default;
};

} // namespace tavlo::ui
