#pragma once

#include "drillitem.h"

#include <span>
#include <vector>

namespace content {

// The item table of one exercise window: five parallel tables filled from constant rows by
// their loaders. An emptied infinitive is the used mark of the running pass.
class ItemTable
{
public:
    explicit ItemTable(std::span<const DrillItem> rows);

    void LoadTextBefore();
    void LoadTextAfter();
    void LoadInfinitives();
    void LoadAnswers();
    void LoadPersons();
    void loadAll(); // the five loaders in the order a window's load runs them

    int size() const { return static_cast<int>(m_rows.size()); }
    bool contains(int index) const { return index >= 0 && index < size(); }
    DrillItem item(int index) const;

    bool isUsed(int index) const { return m_infinitive[index].isEmpty(); }
    void markUsed(int index) { m_infinitive[index] = QStringView(); }

private:
    using Column = std::vector<QStringView>;
    void load(Column &column, QStringView DrillItem::*field);

    std::span<const DrillItem> m_rows;
    Column m_textBefore;
    Column m_infinitive;
    Column m_answer;
    Column m_textAfter;
    Column m_person;
};

} // namespace content
