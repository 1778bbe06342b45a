// Copyright 2026 the Tavlo32 developers.
#pragma once

#include "turn/horloge.h"
#include "ui/application_tavlo.h"
#include "ui/mirvo32.h"
#include "ui/service_boites.h"
#include "ui/service_dialogues.h"
#include "ui/service_son.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace tavlo::ui::test {

// A clock that moves on at every reading, so that every throw is seeded differently and the
// same script always gives the same dice.
struct HorlogeQuiAvance final : turn::Horloge {
    std::uint32_t millisecondesDuJour() const override { return m_ms += 7919u; }
    mutable std::uint32_t m_ms = 36'000'000u;
};

// Records every box; returning closes it. While a box is "open" the test may act through
// pendantBoite, as the events a real modal loop keeps delivering.
struct FauxBoites final : ServiceBoites {
    void afficher(rules::TypeBoite type, const QString& texte) override {
        vues.push_back({type, texte});
        if (pendantBoite) {
            pendantBoite();
        }
    }
    std::vector<std::pair<rules::TypeBoite, QString>> vues;
    std::function<void()> pendantBoite;
};

struct FauxSon final : ServiceSon {
    void jouer(rules::Son son) override { joues.push_back(son); }
    std::vector<rules::Son> joues;
};

// The dialogs as if the player typed the given names, or cancelled when there are none.
struct FauxDialogues final : ServiceDialogues {
    std::optional<std::string> demanderUnNom() override { return nom1; }
    std::optional<std::pair<std::string, std::string>> demanderDeuxNoms() override {
        return nom1 && nom2 ? std::optional(std::pair{*nom1, *nom2}) : std::nullopt;
    }
    void afficherAPropos() override { ++aPropos; }
    void afficherAide() override { ++aides; }
    std::optional<std::string> nom1, nom2;
    int aPropos = 0;
    int aides = 0;
};

// Compares what a window shows with its reference picture; a picture that differs is left in the
// temporary folder to look at. With TAVLO_NOUVELLES_REFERENCES set, the picture becomes the new
// reference instead.
inline void comparerAReference(const QImage& vu, const QString& nom) {
    const QString chemin = QStringLiteral(TAVLO_REFERENCES "/%1.png").arg(nom);
    const QImage image = vu.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("TAVLO_NOUVELLES_REFERENCES")) {
        QVERIFY(image.save(chemin));
    } else if (image != QImage(chemin).convertToFormat(QImage::Format_RGB32)) {
        image.save(QDir::temp().filePath(nom + QStringLiteral("-vu.png")));
        QFAIL(qPrintable(nom + QStringLiteral(": not the reference")));
    }
}

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

    // A click at the named element's centre goes to whatever the window shows there.
    void cliquer(const QString& nom) {
        QWidget* cible = element(nom);
        QWidget* zone = m_fenetre->centralWidget();
        QWidget* touche = zone->childAt(cible->mapTo(zone, cible->rect().center()));
        touche = touche != nullptr ? touche : zone;
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
        QVERIFY2(QGuiApplication::overrideCursor() == nullptr, "the hourglass stayed");
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

    // The face a die's box shows, 1..6, or 0. The faces come through Qt's pixmap cache.
    int face(const QString& nom) const {
        const QImage vue = element<QLabel>(nom)->pixmap().toImage();
        for (int f = 1; f <= 6; ++f) {
            if (vue == QPixmap(QStringLiteral(":/FACE%1").arg(f)).toImage()) {
                return f;
            }
        }
        return 0;
    }
    int jetons(const QString& rangee) const { // visible tokens of "Jeton", "J1" or "J2"
        const auto tous =
            m_fenetre->findChildren<QLabel*>(QRegularExpression("^" + rangee + "\\d+$"));
        return static_cast<int>(std::ranges::count_if(
            tous, [this](QLabel* jeton) { return jeton->isVisibleTo(m_fenetre.get()); }));
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
