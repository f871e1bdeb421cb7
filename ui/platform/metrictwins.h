#pragma once

namespace ui::platform {

// The designs name Windows' fonts. Where one of them is missing, or on every system that is not
// Windows, a font of the same metrics (fonts-liberation) stands in for it, DejaVu where even
// that is missing, so that every caption fits the box its design gives it.
enum class Twins { Always, WhereMissing };
void substituteMetricTwins(Twins when);

} // namespace ui::platform
