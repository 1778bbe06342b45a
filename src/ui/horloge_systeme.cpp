// Copyright 2026 the Tavlo32 developers.
#include "ui/horloge_systeme.h"

#include <QDateTime>

namespace tavlo::ui {

std::uint32_t HorlogeSysteme::millisecondesDuJour() const {
    return static_cast<std::uint32_t>(
        QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

} // namespace tavlo::ui
