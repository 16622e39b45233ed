#pragma once
// The text styles of the window's labels: character height in pixels,
// weight and colour.

#include "colours.h"
#include "text_label.h"

namespace morvane::labelStyles {

inline const LabelStyle plain{11, false, colours::windowText};
inline const LabelStyle bold{11, true, colours::windowText};
inline const LabelStyle bold12{12, true, colours::windowText};
inline const LabelStyle bold13{13, true, colours::windowText};
inline const LabelStyle aquaBold{11, true, colours::aqua};
inline const LabelStyle aquaBold13{13, true, colours::aqua};
inline const LabelStyle whiteBold13{13, true, colours::white};
inline const LabelStyle red{11, false, colours::red};
inline const LabelStyle redBold{11, true, colours::red};

}  // namespace morvane::labelStyles
