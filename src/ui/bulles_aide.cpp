// Copyright 2026 the Tavlo32 developers.
#include "ui/bulles_aide.h"

#include <QCursor>
#include <QEvent>
#include <QToolTip>
#include <QWidget>

namespace tavlo::ui {

BullesAide::BullesAide(QObject* parent)
    : QObject(parent), m_avantAffichage(new QTimer(this)), m_finAffichage(new QTimer(this)) {
    m_avantAffichage->setObjectName(QStringLiteral("AttenteBulle"));
    m_finAffichage->setObjectName(QStringLiteral("DureeBulle"));
    m_avantAffichage->setSingleShot(true);
    m_finAffichage->setSingleShot(true);
    m_finAffichage->setInterval(DUREE_MS);
    connect(m_avantAffichage, &QTimer::timeout, this, &BullesAide::afficher);
    connect(m_finAffichage, &QTimer::timeout, this, [this] {
        m_affichee = false;
        QToolTip::hideText();
    });
}

void BullesAide::surveiller(QWidget* element) {
    element->installEventFilter(this);
}

bool BullesAide::eventFilter(QObject* objet, QEvent* event) {
    auto* element = qobject_cast<QWidget*>(objet);
    switch (event->type()) {
    case QEvent::Enter:
        m_survole = element;
        m_avantAffichage->start(attente());
        break;
    case QEvent::Leave:
        if (m_survole == element) {
            m_survole = nullptr;
            m_avantAffichage->stop();
        }
        break;
    case QEvent::ToolTip:
        // The toolkit's own timing is replaced by ours.
        return true;
    default:
        break;
    }
    return QObject::eventFilter(objet, event);
}

void BullesAide::afficher() {
    if (m_survole == nullptr || !m_survole->isVisible() || m_survole->toolTip().isEmpty()) {
        return;
    }
    QToolTip::showText(QCursor::pos(), m_survole->toolTip(), m_survole, {}, DUREE_MS);
    m_affichee = true;
    m_finAffichage->start();
}

} // namespace tavlo::ui
