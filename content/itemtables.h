#pragma once

#include "drillitem.h"

#include <span>

namespace content {

// The constant rows of the three exercise windows, in item-index order.
std::span<const DrillItem> zorIge1Items();
std::span<const DrillItem> zorIge2Items();
std::span<const DrillItem> zorIge3Items();

} // namespace content
