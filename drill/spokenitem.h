#pragma once

#include "drillengine.h"

#include <QString>

namespace drill {

// The item on show as the answer box speaks it to a screen reader: the sentence with its gap
// said as a word, the infinitive, and the person code as the persons it stands for. Empty while
// no item is on show.
QString spokenItem(const DrillView &view);

} // namespace drill
