// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "faux_services.h"
#include "ui/application_tavlo.h"
#include "ui/mirvo32.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace tavlo::ui::test {

// The main window with fake services on the offscreen platform. Its timer is stopped and the
// test sends each tick through it. Clicks go to whatever the window shows at the point.
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
    void choisir(const QString& action) { element<QAction>(action)->trigger(); }
    void ouvrirNouvellePartie(); // the "&Nouvelle Partie" submenu opened and closed
    void tic(int n = 1);
    // Clicks the cup, or presses Space, and ticks until the throw is over.
    void lancer(bool auClavier = false);
    void finirLancer();
    // Plays hands of one throw each until a first player may throw three times.
    void jusquATroisCoups();

    void activer(); // the window made active, as a player's keyboard needs
    void appuyer(Qt::Key touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier);

    int face(const QString& nom) const;      // the face a die's box shows, 1..6, or 0
    int jetons(const QString& rangee) const; // visible tokens of "Jeton", "J1" or "J2"
    QString texte(const QString& nom) const;
    bool visible(const QString& nom) const { return element(nom)->isVisibleTo(m_fenetre.get()); }
    // Everything a click or a key could change on the board, to compare before and after.
    QString plateau() const;

    HorlogeQuiAvance horloge;
    FauxBoites boites;
    FauxSon son;
    FauxDialogues dialogues;
    bool tempoDemarre = false; // the window started its timer

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
