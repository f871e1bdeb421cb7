#pragma once

#include "catalogue.h"
#include "drillprofile.h"

#include <QStringView>

class QMainWindow;

namespace ui {

// What the three exercise windows do differently beyond the drill.
struct ExerciseProfile
{
    QStringView windowName;
    void (*setupDesign)(QMainWindow *window); // builds the window from its own design
    QStringView hintLine;                     // objectName of the hint line
    QStringView imperativeMarker;             // objectName, empty where there is none
    bool runningTextClearsHint;
    QStringView help;

    const content::ExerciseGroup &group() const;
    const drill::DrillProfile &drill() const;
};

extern const ExerciseProfile kExerciseProfiles[3];

const ExerciseProfile *exerciseProfile(QStringView windowName);

} // namespace ui
