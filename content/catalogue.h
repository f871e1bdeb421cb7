#pragma once

#include "drillitem.h"

#include <QtGlobal>
#include <array>
#include <span>

namespace content {

// One selectable exercise of an exercise window: an inclusive range of its item table.
struct ExerciseSet
{
    QStringView codeLabel; // shown when the set is chosen; it always ends with ":"
    qint16 first;
    qint16 last;
    QStringView hint;
    QStringView mainMenuHint;
    // What the main menu writes into the code label where it differs from codeLabel; one set
    // of the book has it written with blanks there.
    QStringView mainMenuCodeLabel = {};

    QStringView codeLabelFromMainMenu() const
    {
        return mainMenuCodeLabel.isEmpty() ? codeLabel : mainMenuCodeLabel;
    }
};

// The sets of one exercise window, in the order in which the chosen set is looked up, and the
// window's item table.
struct ExerciseGroup
{
    QStringView window; // the exercise window that holds the group, e.g. u"zor_ige1"
    std::span<const ExerciseSet> sets;
    std::span<const DrillItem> items;
};

const std::array<ExerciseGroup, 3> &exerciseGroups();

// In the Unit 12 table the Presente de Indicativo ends here; the Imperativo and the Presente de
// Subjuntivo follow.
inline constexpr qint16 kUnit12LastIndicativo = 28;

} // namespace content
