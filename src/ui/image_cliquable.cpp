// Copyright 2026 the Tavlo32 developers.
#include "ui/image_cliquable.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tavlo::ui {

ImageCliquable::ImageCliquable(QWidget* parent) : QLabel(parent) {
    // Tab reaches the box; a click does not take the keyboard, so the mouse draws no frame.
    setFocusPolicy(Qt::TabFocus);
}

void ImageCliquable::cliquer() {
    if (m_cliquable) {
        emit clicked();
    }
}

void ImageCliquable::setAction(const QString& action, const QString& touche) {
    m_action = action;
    m_touche = touche;
}

void ImageCliquable::setDe(int face, bool ecarte) {
    m_estDe = true;
    m_face = face;
    if (m_ecarte != ecarte) {
        m_ecarte = ecarte;
        if (QAccessible::isActive()) {
            QAccessible::State change;
            change.checked = true;
            QAccessibleStateChangeEvent evenement(this, change);
            QAccessible::updateAccessibility(&evenement);
        }
    }
}

void ImageCliquable::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QStylePainter peintre(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        peintre.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

void ImageCliquable::montrer(const QPixmap& image) {
    if (image.isNull()) {
        clear();
        return;
    }
    // Comparing the cache keys avoids repainting a die whose face did not change.
    if (pixmap().cacheKey() != image.cacheKey()) {
        setPixmap(image);
    }
    resize(image.deviceIndependentSize().toSize());
}

void ImageCliquable::mousePressEvent(QMouseEvent* event) {
    m_appuye = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a press and a release of the left button on the same box, as on a button.
void ImageCliquable::mouseReleaseEvent(QMouseEvent* event) {
    const bool clic = m_appuye && event->button() == Qt::LeftButton &&
                      rect().contains(event->position().toPoint());
    m_appuye = false;
    QLabel::mouseReleaseEvent(event);
    if (clic) {
        cliquer();
    }
}

} // namespace tavlo::ui
