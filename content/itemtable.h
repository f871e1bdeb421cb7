#pragma once

#include "drillitem.h"

#include <span>
#include <vector>

namespace content {

// The item table of one exercise window: its constant rows and the used marks of the running
// pass. A used item reads with an empty infinitive, the mark the drill leaves on it.
class ItemTable
{
public:
    explicit ItemTable(std::span<const DrillItem> rows)
        : m_rows(rows)
        , m_used(rows.size(), false)
    {}

    int size() const { return static_cast<int>(m_rows.size()); }
    bool contains(int index) const { return index >= 0 && index < size(); }
    DrillItem item(int index) const;

    bool isUsed(int index) const { return m_used[static_cast<std::size_t>(index)]; }
    void markUsed(int index) { m_used[static_cast<std::size_t>(index)] = true; }
    void clearUsedMarks() { m_used.assign(m_rows.size(), false); }

private:
    std::span<const DrillItem> m_rows;
    std::vector<bool> m_used;
};

} // namespace content
