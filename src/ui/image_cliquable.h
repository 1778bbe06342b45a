// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <QLabel>

namespace tavlo::ui {

// A picture box that takes clicks. Whether it takes them is its own flag, not the widget's
// enabled state, so that a box that takes none keeps its picture undimmed. A hidden box gets no
// mouse events at all.
class ImageCliquable final : public QLabel {
    Q_OBJECT
public:
    explicit ImageCliquable(QWidget* parent);

    void setCliquable(bool cliquable) { m_cliquable = cliquable; }

    // Shows the picture and takes its size in the window's units, so that a double-size picture
    // covers the same place, keeping the top-left corner; a null picture leaves the box empty at
    // its present size.
    void montrer(const QPixmap& image);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_cliquable = false;
    bool m_appuye = false; // the left button went down on this box
};

} // namespace tavlo::ui
