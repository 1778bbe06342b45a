// Copyright 2026 the Tavlo32 developers.
#include "ui/dialogue_fixe.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace tavlo::ui {

// The family's substitute is named at once: Qt would first look for the family itself, fail, and
// work out a list of fallback fonts for it, a tenth of the program's start-up.
QFont police(QLatin1String famille, int pixels, bool gras) {
    QFont resultat(QFont::substitute(famille));
    resultat.setPixelSize(pixels);
    resultat.setBold(gras);
    return resultat;
}

void colorier(QWidget* element, QPalette::ColorRole role, const QColor& couleur,
              bool aussiDesactive) {
    QPalette palette = element->palette();
    if (aussiDesactive) {
        palette.setColor(role, couleur);
    } else {
        palette.setColor(QPalette::Active, role, couleur);
        palette.setColor(QPalette::Inactive, role, couleur);
    }
    element->setPalette(palette);
}

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte, QRect place,
                  const QFont& police) {
    auto* label = new QLabel(texte, parent);
    label->setObjectName(QLatin1String(nom));
    label->setFont(police);
    label->setGeometry(QRect(place.topLeft(), place.size().expandedTo(label->sizeHint())));
    colorier(label, QPalette::WindowText, Qt::black);
    return label;
}

QScreen* ecranDe(const QWidget& fenetre) {
    QScreen* ecran = fenetre.screen();
    return ecran != nullptr ? ecran : QGuiApplication::primaryScreen();
}

void centrerSurLEcran(QWidget& fenetre) {
    const QRect zone = ecranDe(fenetre)->geometry();
    const QSize cadre = fenetre.frameGeometry().size();
    fenetre.move(zone.x() + zone.width() / 2 - cadre.width() / 2,
                 zone.y() + zone.height() / 2 - cadre.height() / 2);
}

} // namespace tavlo::ui
