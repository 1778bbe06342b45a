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
    // The click, from the mouse or from a screen reader's action: taken only while the box takes
    // clicks.
    void cliquer();

    // What a screen reader offers for the box: the action a click does, and the key doing it.
    void setAction(const QString& action, const QString& touche);
    const QString& action() const { return m_action; }
    const QString& touche() const { return m_touche; }
    // A die: the face it shows (0 for none) and whether it is set aside.
    void setDe(int face, bool ecarte);
    bool estDe() const { return m_estDe; }
    int face() const { return m_face; }
    bool ecarte() const { return m_ecarte; }

    // Shows the picture and takes its size in the window's units, so that a double-size picture
    // covers the same place, keeping the top-left corner; a null picture leaves the box empty at
    // its present size.
    void montrer(const QPixmap& image);

signals:
    void clicked();

protected:
    // The box that has the keyboard, reached by Tab, is framed.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_cliquable = false;
    bool m_appuye = false; // the left button went down on this box
    QString m_action;
    QString m_touche;
    bool m_estDe = false;
    int m_face = 0;
    bool m_ecarte = false;
};

} // namespace tavlo::ui
