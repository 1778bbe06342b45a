// Copyright 2026 the Tavlo32 developers.
#include "fenetre_test.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace tavlo::ui::test {

FenetreDeTest::FenetreDeTest() : m_fenetre(std::make_unique<TMirvo32>(horloge, boites, son)) {
    m_fenetre->brancherDialogues(dialogues);
    auto* tempo = element<QTimer>(QStringLiteral("Tempo"));
    tempoDemarre = tempo->isActive();
    tempo->stop();
    // Large enough for the whole layout, as the maximised window is.
    m_fenetre->resize(800, 600);
    m_fenetre->show();
}

QWidget* FenetreDeTest::sousLaSouris(const QString& nom) const {
    QWidget* cible = element(nom);
    QWidget* zone = m_fenetre->centralWidget();
    return zone->childAt(cible->mapTo(zone, cible->rect().center()));
}

void FenetreDeTest::cliquer(const QString& nom) {
    QWidget* cible = element(nom);
    QWidget* touche = sousLaSouris(nom);
    touche = touche != nullptr ? touche : m_fenetre->centralWidget();
    QTest::mouseClick(touche, Qt::LeftButton, {},
                      touche->mapFromGlobal(cible->mapToGlobal(cible->rect().center())));
}

void FenetreDeTest::ouvrirNouvellePartie() {
    auto* menu = element<QMenu>(QStringLiteral("MenuNouvelle"));
    menu->popup(QPoint(0, 0));
    menu->close();
}

void FenetreDeTest::tic(int n) {
    for (int i = 0; i < n; ++i) {
        QMetaObject::invokeMethod(element<QTimer>(QStringLiteral("Tempo")), "timeout");
    }
}

void FenetreDeTest::lancer(bool auClavier) {
    if (auClavier) {
        appuyer(Qt::Key_Space);
    } else {
        cliquer(QStringLiteral("Gobelet"));
    }
    finirLancer();
}

void FenetreDeTest::finirLancer() {
    for (int tics = 0; QGuiApplication::overrideCursor() != nullptr && tics < 100; ++tics) {
        tic();
    }
}

void FenetreDeTest::jusquATroisCoups() {
    for (int main = 0; main < 40 && !texte(QStringLiteral("CpsMaxi")).endsWith('3'); ++main) {
        lancer();
        cliquer(QStringLiteral("ButStop"));
    }
}

void FenetreDeTest::activer() {
    m_fenetre->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
}

void FenetreDeTest::appuyer(Qt::Key touche, Qt::KeyboardModifiers modificateurs) {
    QWidget* cible = QApplication::focusWidget();
    QTest::keyClick(cible != nullptr ? cible : m_fenetre.get(), touche, modificateurs);
}

int FenetreDeTest::face(const QString& nom) const {
    const qint64 cle = element<QLabel>(nom)->pixmap().cacheKey();
    for (int f = 1; f <= 6; ++f) {
        if (element<QLabel>(QStringLiteral("Image%1").arg(f))->pixmap().cacheKey() == cle) {
            return f;
        }
    }
    return 0;
}

int FenetreDeTest::jetons(const QString& rangee) const {
    int n = 0;
    for (int k = 1; k <= 11; ++k) {
        n += visible(rangee == QStringLiteral("Jeton")
                         ? QStringLiteral("Jeton%1").arg(k)
                         : rangee + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')));
    }
    return n;
}

QString FenetreDeTest::texte(const QString& nom) const {
    if (auto* boite = element<QGroupBox>(nom)) {
        return boite->title();
    }
    return element<QLabel>(nom)->text();
}

QString FenetreDeTest::plateau() const {
    QString vu;
    for (int n = 1; n <= 3; ++n) {
        vu += QStringLiteral("%1%2%3 ")
                  .arg(face(QStringLiteral("De%1").arg(n)))
                  .arg(visible(QStringLiteral("De%1").arg(n)))
                  .arg(visible(QStringLiteral("SelectDe%1").arg(n)));
    }
    return vu + QStringLiteral("%1 %2 %3 %4 %5 %6")
                    .arg(visible(QStringLiteral("Gobelet")))
                    .arg(texte(QStringLiteral("EtiJoueur")), texte(QStringLiteral("Eti_Lancer")))
                    .arg(QGuiApplication::overrideCursor() != nullptr)
                    .arg(son.joues.size())
                    .arg(boites.vues.size());
}

} // namespace tavlo::ui::test
