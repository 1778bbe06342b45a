// Copyright 2026 the Tavlo32 developers.
// The contact sheet: every picture at its true size and enlarged three times.
#pragma once

#include <QImage>

#include <vector>

namespace generateur {

struct Planche {
    QImage plateau;
    std::vector<QImage> petites; // faces, cup, token, icon: shown in one row
    std::vector<QImage> icones;  // the larger icon renderings, at their own size only
};

QImage composerPlanche(const Planche& planche);

} // namespace generateur
