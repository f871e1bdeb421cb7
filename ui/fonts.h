#pragma once

namespace ui {

// The designs name Windows fonts; map them to installed fonts of the same metrics.
void registerFontSubstitutions();

} // namespace ui
