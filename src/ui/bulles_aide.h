// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace tavlo::ui {

// Shows the tooltips of the elements it watches with the game's timing: once the mouse has
// rested 500 ms on an element, for 2,500 ms; moving on to another element while a tooltip is up
// shows the next one after 50 ms. Elements without a tooltip show none.
class BullesAide final : public QObject {
    Q_OBJECT
public:
    static constexpr int ATTENTE_MS = 500;
    static constexpr int DUREE_MS = 2500;
    static constexpr int ATTENTE_SUIVANTE_MS = 50;

    explicit BullesAide(QObject* parent);

    void surveiller(QWidget* element);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // What the next tooltip waits for, given what is shown now.
    int attente() const { return m_affichee ? ATTENTE_SUIVANTE_MS : ATTENTE_MS; }
    // The wait ran out: shows the tooltip of the element under the mouse, if it has one.
    void afficher();

    QTimer* m_avantAffichage; // "AttenteBulle": until the tooltip shows
    QTimer* m_finAffichage;   // "DureeBulle": until it hides
    QPointer<QWidget> m_survole;
    bool m_affichee = false; // a tooltip is up and its time has not run out
};

} // namespace tavlo::ui
