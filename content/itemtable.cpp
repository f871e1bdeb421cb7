#include "itemtable.h"

namespace content {

DrillItem ItemTable::item(int index) const
{
    DrillItem item = m_rows[static_cast<std::size_t>(index)];
    if (isUsed(index))
        item.infinitive = {};
    return item;
}

} // namespace content
