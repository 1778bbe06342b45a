// Copyright 2026 the Tavlo32 developers.
#include "ui/image_cliquable.h"

#include <QMouseEvent>

namespace tavlo::ui {

ImageCliquable::ImageCliquable(QWidget* parent) : QLabel(parent) {}

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
    if (clic && m_cliquable) {
        emit clicked();
    }
}

} // namespace tavlo::ui
