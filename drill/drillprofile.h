#pragma once

#include <QStringView>
#include <optional>

namespace drill {

enum class SolutionHiding { BeforeEndMessage, AfterEndMessage };

// What the drill of one exercise window does differently from the others.
struct DrillProfile
{
    QStringView window;
    QStringView solutionButton; // objectName of the show-solution button
    QStringView solutionTitle;
    SolutionHiding solutionHiding;
    bool collapsesBlanks;
    std::optional<int> imperativeAfter; // the marker shows for items past this index
};

// The profiles of zor_ige1, zor_ige2 and zor_ige3; nullptr for an unknown window.
const DrillProfile *drillProfile(QStringView window);

} // namespace drill
