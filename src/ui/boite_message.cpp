// Copyright 2026 the Tavlo32 developers.
#include "ui/boite_message.h"
#include "ui/dialogue_fixe.h"
#include "ui/textes_fenetre.h"
#include "ui/traduction.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace tavlo::ui {

namespace {

QMessageBox::Icon icone(rules::TypeBoite type) {
    switch (type) {
    case rules::TypeBoite::Avertissement:
        return QMessageBox::Warning;
    case rules::TypeBoite::Information:
        return QMessageBox::Information;
    case rules::TypeBoite::Personnalise:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

QString titre(rules::TypeBoite type) {
    switch (type) {
    case rules::TypeBoite::Avertissement:
        return traduit(textes::TITRE_AVERTISSEMENT);
    case rules::TypeBoite::Information:
        return traduit(textes::TITRE_INFORMATION);
    case rules::TypeBoite::Personnalise:
        return QApplication::applicationName();
    }
    return {};
}

// Breaks the lines of a text at carriage returns, then at word boundaries so that no line is
// wider than the given width; a word wider than that stays whole on its own line.
QString couperTexte(const QString& texte, const QFontMetrics& mesures, int largeurMax) {
    QStringList lignes;
    const QStringList paragraphes =
        QString(texte).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n'));
    for (const QString& paragraphe : paragraphes) {
        QString ligne;
        for (const QString& mot : paragraphe.split(QLatin1Char(' '))) {
            const QString essai = ligne.isEmpty() ? mot : ligne + QLatin1Char(' ') + mot;
            if (!ligne.isEmpty() && mesures.horizontalAdvance(essai) > largeurMax) {
                lignes << ligne;
                ligne = mot;
            } else {
                ligne = essai;
            }
        }
        lignes << ligne;
    }
    return lignes.join(QLatin1Char('\n'));
}

} // namespace

BoiteMessage::BoiteMessage(rules::TypeBoite type, const QString& texte, QWidget* parent)
    : BoiteMessage(icone(type), titre(type), texte, parent) {}

BoiteMessage::BoiteMessage(QMessageBox::Icon icone, const QString& titre, const QString& texte,
                           QWidget* parent)
    : QMessageBox(icone, titre, QString(), QMessageBox::Ok, parent) {
    setTextFormat(Qt::PlainText);
    setText(couperTexte(texte, fontMetrics(), ecranDe(*this)->geometry().width() / 2));
    setDefaultButton(QMessageBox::Ok);
    setEscapeButton(QMessageBox::Ok);
    button(QMessageBox::Ok)->setText(traduit(textes::OK));
    // The one button stands centred below the text and the icon, whatever the style prefers.
    findChild<QDialogButtonBox*>()->setCenterButtons(true);
}

void BoiteMessage::afficherErreur(const QString& texteErreur, QWidget* parent) {
    BoiteMessage boite(QMessageBox::Critical, QApplication::applicationName(),
                       texteErreur + QLatin1Char('.'), parent);
    boite.exec();
}

void BoiteMessage::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    // The lines are already cut at half the screen's width; the box must not cut them narrower.
    if (auto* etiquette = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        etiquette->setWordWrap(false);
    }
    // The box fixed its size for wrapped lines: it takes the size the whole lines need.
    setFixedSize(sizeHint());
    centrerSurLEcran(*this);
}

void BoitesQt::afficher(rules::TypeBoite type, const QString& texte) {
    BoiteMessage boite(type, texte, QApplication::activeWindow());
    boite.exec();
}

} // namespace tavlo::ui
