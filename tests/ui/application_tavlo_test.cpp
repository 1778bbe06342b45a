// Copyright 2026 the Tavlo32 developers.
#include "ui/application_tavlo.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

// An object whose event handler fails, as toolkit code may while an event is handled.
class Fautif : public QObject {
public:
    int evenements = 0;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++evenements;
            throw std::runtime_error("Ressource introuvable");
        }
        return QObject::event(e);
    }
};

} // namespace

// The application as the program builds it.
class ApplicationTavloTest : public QObject {
    Q_OBJECT

private slots:
    void titreEtIcone();
    void erreurPendantUnEvenementMontreeEtLeProgrammeContinue();
};

void ApplicationTavloTest::titreEtIcone() {
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Tavlo32"));
    // No display name: it would be appended to every window title.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Tavlo32"));
    // What broke: the icon named a file Qt cannot read, and the window showed none.
    QCOMPARE(QApplication::windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family(),
             QStringLiteral("Liberation Sans"));
}

void ApplicationTavloTest::erreurPendantUnEvenementMontreeEtLeProgrammeContinue() {
    Fautif fautif;
    QStringList vues;
    auto fermer = [&vues] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite != nullptr) {
            vues << boite->windowTitle() + QLatin1Char('|') + boite->text();
            QCOMPARE(boite->icon(), QMessageBox::Critical);
            boite->accept();
        }
    };
    QTimer::singleShot(0, fermer);
    QCoreApplication::postEvent(&fautif, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&fautif);
    QTRY_COMPARE(vues.size(), 1);
    QCOMPARE(vues[0], QStringLiteral("Tavlo32|Ressource introuvable."));
    // The next event is handled as usual.
    QTimer::singleShot(0, fermer);
    QCoreApplication::postEvent(&fautif, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&fautif);
    QCOMPARE(fautif.evenements, 2);
}

int main(int argc, char** argv) {
    tavlo::ui::ApplicationTavlo application(argc, argv);
    ApplicationTavloTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_tavlo_test.moc"
