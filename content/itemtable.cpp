#include "itemtable.h"

namespace content {

ItemTable::ItemTable(std::span<const DrillItem> rows)
    : m_rows(rows)
    , m_textBefore(rows.size())
    , m_infinitive(rows.size())
    , m_answer(rows.size())
    , m_textAfter(rows.size())
    , m_person(rows.size())
{}

void ItemTable::load(Column &column, QStringView DrillItem::*field)
{
    for (std::size_t k = 0; k < m_rows.size(); ++k)
        column[k] = m_rows[k].*field;
}

void ItemTable::LoadTextBefore()
{
    load(m_textBefore, &DrillItem::textBefore);
}
void ItemTable::LoadTextAfter()
{
    load(m_textAfter, &DrillItem::textAfter);
}
void ItemTable::LoadInfinitives()
{
    load(m_infinitive, &DrillItem::infinitive);
}
void ItemTable::LoadAnswers()
{
    load(m_answer, &DrillItem::answer);
}
void ItemTable::LoadPersons()
{
    load(m_person, &DrillItem::person);
}

void ItemTable::loadAll()
{
    LoadTextBefore();
    LoadTextAfter();
    LoadInfinitives();
    LoadAnswers();
    LoadPersons();
}

DrillItem ItemTable::item(int index) const
{
    const auto k = static_cast<std::size_t>(index);
    return {m_textBefore[k], m_infinitive[k], m_answer[k], m_textAfter[k], m_person[k]};
}

} // namespace content
