#pragma once

#include "drillitem.h"

#include <QtGlobal>
#include <array>
#include <span>

namespace content {

// One selectable exercise of an exercise window: an inclusive range of its item table.
struct ExerciseSet
{
    QStringView button;  // objectName of the set button in the exercise window
    QStringView caption; // the button's caption, "&" before the access key
    QStringView codeLabel;
    qint16 first;
    qint16 last;
    QStringView hint;
    QStringView mainMenuButton;
    QStringView mainMenuHint;
    QStringView mainMenuCodeLabel; // what the main menu writes into the code label
};

// One exercise window with its sets, in the order in which the chosen set is looked up.
struct ExerciseGroup
{
    QStringView window; // objectName and design name, e.g. u"zor_ige1"
    QStringView caption;
    std::span<const ExerciseSet> sets;
    std::span<const DrillItem> items;
};

inline constexpr QStringView kHeading = u"Ejercicios:";
inline constexpr QStringView kInstruction = u"Complete con  la forma adecuada del verbo:";

const std::array<ExerciseGroup, 3> &exerciseGroups();

// The group and set that a main-menu button opens; nullptr members when the name is unknown.
struct MainMenuTarget
{
    const ExerciseGroup *group = nullptr;
    const ExerciseSet *set = nullptr;
};
MainMenuTarget mainMenuTarget(QStringView mainMenuButton);

} // namespace content
