// Copyright 2026 the Tavlo32 developers.
#include "ui/lecture_plateau.h"

#include "ui/image_cliquable.h"

#include <QAccessibleWidget>
#include <QWindow>

#include <algorithm>

namespace tavlo::ui {

namespace {

// So many announcements stay known to a client after they were made, for one that reads late.
constexpr std::size_t ANNONCES_GARDEES = 8;

// An element of the board that is no widget: a row of tokens read as one, or an announcement.
class ElementLu final : public QAccessibleInterface {
public:
    ElementLu(QWidget* plateau, QAccessible::Role role, const QRect& place,
              std::function<QString()> nom)
        : m_plateau(plateau), m_role(role), m_place(place), m_nom(std::move(nom)) {}

    bool isValid() const override { return !m_plateau.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_plateau->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_plateau);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text quoi) const override {
        return quoi == QAccessible::Name ? m_nom() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        return QRect(m_plateau->mapToGlobal(m_place.topLeft()), m_place.size());
    }
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QWidget> m_plateau;
    QAccessible::Role m_role;
    QRect m_place;
    std::function<QString()> m_nom;
};

// The board: its children are those its reading lists.
class AccessiblePlateau final : public QAccessibleWidget {
public:
    AccessiblePlateau(QWidget* plateau, const LecturePlateau& lecture)
        : QAccessibleWidget(plateau, QAccessible::Pane), m_lecture(lecture) {}

    int childCount() const override { return static_cast<int>(m_lecture.enfants().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> enfants = m_lecture.enfants();
        return index >= 0 && index < enfants.size() ? enfants.at(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        return static_cast<int>(
            m_lecture.enfants().indexOf(const_cast<QAccessibleInterface*>(enfant)));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QList<QAccessibleInterface*> enfants = m_lecture.enfants();
        const auto trouve = std::find_if(enfants.rbegin(), enfants.rend(), [&](auto* enfant) {
            return enfant->rect().contains(x, y);
        });
        return trouve == enfants.rend() ? nullptr : *trouve;
    }

private:
    const LecturePlateau& m_lecture;
};

// The cup and the dice: buttons whose one action is a click, and for a die its face as text and
// its set-aside state as checked.
class AccessibleImage final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleImage(ImageCliquable* image)
        : QAccessibleWidget(image, QAccessible::Button) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && image()->estDe()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.checkable = image()->estDe();
        etat.checked = image()->ecarte();
        return etat;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QString localizedActionDescription(const QString&) const override { return image()->action(); }
    QStringList keyBindingsForAction(const QString&) const override { return {image()->touche()}; }
    void doAction(const QString& action) override {
        // Queued, so that a message box the click opens does not hold the client's call.
        if (action == pressAction()) {
            QMetaObject::invokeMethod(image(), &ImageCliquable::cliquer, Qt::QueuedConnection);
        }
    }

    // The die's face is its text, which cannot be selected or edited.
    using QAccessibleWidget::text;
    QString text(int debut, int fin) const override { return face().mid(debut, fin - debut); }
    int characterCount() const override { return static_cast<int>(face().size()); }
    void selection(int, int* debut, int* fin) const override { *debut = *fin = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* debut, int* fin) const override {
        *debut = 0;
        *fin = characterCount();
        return {};
    }

private:
    ImageCliquable* image() const { return static_cast<ImageCliquable*>(widget()); }
    QString face() const {
        return image()->face() > 0 ? QString::number(image()->face()) : QString();
    }
};

QAccessibleInterface* fabrique(const QString&, QObject* objet) {
    if (auto* image = qobject_cast<ImageCliquable*>(objet)) {
        return new AccessibleImage(image);
    }
    if (auto* plateau = dynamic_cast<PlateauLu*>(objet)) {
        LecturePlateau& lecture = plateau->lecture();
        return new AccessiblePlateau(lecture.plateau(), lecture);
    }
    return nullptr;
}

void envoyer(QAccessibleInterface* element, QAccessible::Event evenement) {
    QAccessibleEvent envoi(element, evenement);
    QAccessible::updateAccessibility(&envoi);
}

} // namespace

void installerLecture() {
    QAccessible::installFactory(fabrique);
}

LecturePlateau::~LecturePlateau() {
    // The board's own interface reads this object: it goes first, and the widgets the board
    // still destroys after this are read as plain widgets.
    if (QAccessible::isActive() && m_plateau) {
        if (QAccessibleInterface* plateau = QAccessible::queryAccessibleInterface(m_plateau)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plateau));
        }
    }
    for (const Rangee& rangee : m_rangees) {
        if (rangee.m_element) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(rangee.m_element));
        }
    }
    for (QAccessibleInterface* annonce : m_annonces) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(annonce));
    }
}

void LecturePlateau::ajouterRangee(const QWidget* aLaPlaceDe, const QRect& place,
                                   std::function<QString()> nom) {
    m_rangees.push_back({aLaPlaceDe, place, std::move(nom), nullptr, QString()});
}

QAccessibleInterface* LecturePlateau::elementDe(Rangee& r) const {
    if (!r.m_element) {
        r.m_element = new ElementLu(m_plateau, QAccessible::StaticText, r.m_place, r.m_nom);
        QAccessible::registerAccessibleInterface(r.m_element);
        r.m_nomDit = r.m_nom();
    }
    return r.m_element;
}

void LecturePlateau::rangeesChangees() {
    if (!QAccessible::isActive()) {
        return;
    }
    for (Rangee& rangee : m_rangees) {
        if (rangee.m_element && rangee.m_nom() != rangee.m_nomDit) {
            rangee.m_nomDit = rangee.m_nom();
            envoyer(rangee.m_element, QAccessible::NameChanged);
        }
    }
}

void LecturePlateau::annoncer(const QString& texte) {
    if (!QAccessible::isActive() || !m_plateau) {
        return;
    }
    auto* annonce =
        new ElementLu(m_plateau, QAccessible::Notification, QRect(), [texte] { return texte; });
    QAccessible::registerAccessibleInterface(annonce);
    m_annonces.push_back(annonce);
    envoyer(annonce, QAccessible::ObjectCreated);
    envoyer(annonce, QAccessible::ObjectShow);
    if (m_annonces.size() > ANNONCES_GARDEES) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(m_annonces.front()));
        m_annonces.pop_front();
    }
}

QList<QAccessibleInterface*> LecturePlateau::enfants() const {
    QList<QAccessibleInterface*> enfants;
    if (!m_plateau) {
        return enfants;
    }
    for (QObject* objet : m_plateau->children()) {
        const auto* element = qobject_cast<const QWidget*>(objet);
        if (!element || element->isWindow() || m_caches.contains(element)) {
            continue;
        }
        const auto rangee = std::find_if(m_rangees.begin(), m_rangees.end(), [&](const Rangee& r) {
            return r.m_aLaPlaceDe == element;
        });
        if (rangee != m_rangees.end()) {
            enfants << elementDe(*rangee);
        } else if (!element->isHidden()) {
            enfants << QAccessible::queryAccessibleInterface(const_cast<QWidget*>(element));
        }
    }
    if (!m_annonces.empty()) {
        enfants << m_annonces.back();
    }
    return enfants;
}

} // namespace tavlo::ui
