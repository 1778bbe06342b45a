// Copyright 2026 the Tavlo32 developers.
#pragma once

#include <string_view>
#include <vector>

namespace tavlo::rules {

// The warnings the names dialog gives for the names typed, in the order they are shown; none means
// the names are accepted. A missing name comes first: nom1 is missing when empty, nom2 only while
// its field is shown. Then "ORDY" in either field, even a hidden one, since the computer's name
// belongs to the computer. Comparisons are exact: a name of blanks is not empty, and the two names
// may be equal. The views point to the constants of textes_noms.h.
std::vector<std::string_view> verifierNoms(std::string_view nom1, std::string_view nom2,
                                           bool nom2Visible);

} // namespace tavlo::rules
