#pragma once

#include "catalogue.h"

#include <QStringView>
#include <span>

class QMainWindow;

namespace ui {

// One exercise window: its group of sets and how its design names the controls.
struct ExerciseProfile
{
    QStringView windowName;
    const content::ExerciseGroup &group;
    void (*setupDesign)(QMainWindow *window); // builds the window from its own design
    std::span<const QStringView> setButtons;  // objectNames, one per set in the group's order
    QStringView solutionButton;
    QStringView hintLine;
    QStringView imperativeMarker; // empty where there is none
    bool runningTextClearsHint;
    QStringView help;
};

extern const ExerciseProfile kExerciseProfiles[3];

} // namespace ui
