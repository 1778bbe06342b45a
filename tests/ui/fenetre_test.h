// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "faux_services.h"
#include "ui/application_tavlo.h"
#include "ui/mirvo32.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <memory>

namespace tavlo::ui::test {

// The main window with fake services on the offscreen platform, large enough for the whole
// layout as the maximised window is. Its timer is stopped and the test sends each tick through
// it. A click goes to whatever the window shows at the point, as the mouse's would.
class FenetreDeTest {
public:
    FenetreDeTest() : m_fenetre(std::make_unique<TMirvo32>(horloge, boites, son)) {
        m_fenetre->brancherDialogues(dialogues);
        tempoDemarre = tempo()->isActive();
        tempo()->stop();
        m_fenetre->resize(800, 600);
        m_fenetre->show();
    }

    TMirvo32& fenetre() { return *m_fenetre; }
    template <typename T = QWidget> T* element(const QString& nom) const {
        return m_fenetre->findChild<T*>(nom);
    }
    QTimer* tempo() const { return element<QTimer>(QStringLiteral("Tempo")); }

    // The element the mouse finds at the centre of the named element; a click lands there.
    QWidget* sousLaSouris(const QString& nom) const {
        QWidget* cible = element(nom);
        QWidget* zone = m_fenetre->centralWidget();
        return zone->childAt(cible->mapTo(zone, cible->rect().center()));
    }
    void cliquer(const QString& nom) {
        QWidget* cible = element(nom);
        QWidget* touche = sousLaSouris(nom);
        touche = touche != nullptr ? touche : m_fenetre->centralWidget();
        QTest::mouseClick(touche, Qt::LeftButton, {},
                          touche->mapFromGlobal(cible->mapToGlobal(cible->rect().center())));
    }
    void choisir(const QString& action) { element<QAction>(action)->trigger(); }
    void ouvrirNouvellePartie() { // the "&Nouvelle Partie" submenu opened and closed
        auto* menu = element<QMenu>(QStringLiteral("MenuNouvelle"));
        menu->popup(QPoint(0, 0));
        menu->close();
    }
    void tic(int n = 1) {
        for (int i = 0; i < n; ++i) {
            QMetaObject::invokeMethod(tempo(), "timeout");
        }
    }
    // Clicks the cup, or presses Space, and ticks until the throw is over.
    void lancer(bool auClavier = false) {
        auClavier ? appuyer(Qt::Key_Space) : cliquer(QStringLiteral("Gobelet"));
        finirLancer();
    }
    void finirLancer() {
        for (int tics = 0; QGuiApplication::overrideCursor() != nullptr && tics < 100; ++tics) {
            tic();
        }
    }
    // Plays hands of one throw each until a first player may throw three times.
    void jusquATroisCoups() {
        for (int main = 0; main < 40 && !texte(QStringLiteral("CpsMaxi")).endsWith('3'); ++main) {
            lancer();
            cliquer(QStringLiteral("ButStop"));
        }
    }
    void activer() { // the window made active, as a player's keyboard needs
        m_fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
    }
    void appuyer(Qt::Key touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier) {
        QWidget* cible = QApplication::focusWidget();
        QTest::keyClick(cible != nullptr ? cible : m_fenetre.get(), touche, modificateurs);
    }

    int face(const QString& nom) const { // the face a die's box shows, 1..6, or 0
        const qint64 cle = element<QLabel>(nom)->pixmap().cacheKey();
        int f = 6;
        while (f > 0 &&
               element<QLabel>(QStringLiteral("Image%1").arg(f))->pixmap().cacheKey() != cle) {
            --f;
        }
        return f;
    }
    int jetons(const QString& rangee) const { // visible tokens of "Jeton", "J1" or "J2"
        int n = 0;
        for (int k = 1; k <= 11; ++k) {
            n += visible(rangee == QStringLiteral("Jeton")
                             ? QStringLiteral("Jeton%1").arg(k)
                             : rangee + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')));
        }
        return n;
    }
    QString texte(const QString& nom) const {
        auto* boite = element<QGroupBox>(nom);
        return boite != nullptr ? boite->title() : element<QLabel>(nom)->text();
    }
    bool visible(const QString& nom) const { return element(nom)->isVisibleTo(m_fenetre.get()); }
    // All the window shows, to compare before and after.
    QImage plateau() const { return m_fenetre->grab().toImage(); }

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
