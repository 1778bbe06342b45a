// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "faux_services.h"
#include "ui/application_tavlo.h"
#include "ui/mirvo32.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace tavlo::ui::test {

// The main window with fake services, shown on the offscreen platform with its timer stopped:
// the test sends the ticks. Clicks go to whatever element the window shows at the point, as the
// mouse would.
class FenetreDeTest {
public:
    FenetreDeTest();

    TMirvo32& fenetre() { return *m_fenetre; }
    template <typename T = QWidget> T* element(const QString& nom) const {
        return m_fenetre->findChild<T*>(nom);
    }

    // The element the mouse finds at the centre of the named element; the click lands there.
    QWidget* sousLaSouris(const QString& nom) const;
    void cliquer(const QString& nom);
    void ouvrirNouvellePartie();
    void choisir(const QString& action); // a menu item chosen with the mouse in its open submenu
    void tic(int n = 1);
    // Clicks the cup and sends ticks until the throw is over; the number of ticks it took.
    int lancer();
    // Ticks until the throw under way is over; the number of ticks it took.
    int finirLancer();
    // Plays hands of one throw each, by clicks, until a first player may throw three times.
    void jusquATroisCoups();

    // The window made active, as a player's keyboard needs; a key goes where the focus is.
    void activer();
    void appuyer(Qt::Key touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier);

    // The face a die's picture box shows, 1..6, or 0 for none.
    int face(const QString& nom) const;
    int jetons(const QString& prefixe, int nombre = 11) const; // visible token pictures
    QString texte(const QString& nom) const;
    bool visible(const QString& nom) const;
    // Everything a click or a key could change on the board, to compare before and after.
    QString plateau() const;

    HorlogeQuiAvance horloge;
    FauxBoites boites;
    FauxSon son;
    FauxDialogues dialogues;

private:
    std::unique_ptr<TMirvo32> m_fenetre;
};

} // namespace tavlo::ui::test

// A test's main: the application prepared as the program prepares it.
#define TAVLO_TEST_MAIN(Classe)                                                                    \
    int main(int argc, char** argv) {                                                              \
        QApplication application(argc, argv);                                                      \
        tavlo::ui::preparerApplication(application);                                               \
        Classe test;                                                                               \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
