#pragma once

#include "catalogue.h"
#include "messages.h"

#include <QStringView>
#include <optional>

namespace drill {

enum class SolutionHiding { BeforeEndMessage, AfterEndMessage };

// What the drill of one exercise window does differently from the others.
struct DrillProfile
{
    QStringView solutionTitle;
    SolutionHiding solutionHiding;
    bool collapsesBlanks;
    std::optional<int> imperativeAfter; // the marker shows for items past this index
};

// The drills of the three exercise windows: regular verbs (Units 2-4), irregular verbs
// (Units 8-10), and the present of the three moods (Unit 12), whose solution title names
// Units 2-4 too and whose items past the Indicativo want an imperative.
inline constexpr DrillProfile kUnits2to4Drill{
    kSolutionTitleUnits2to4, SolutionHiding::BeforeEndMessage, false, {}};
inline constexpr DrillProfile kUnits8to10Drill{
    kSolutionTitleUnits8to10, SolutionHiding::AfterEndMessage, true, {}};
inline constexpr DrillProfile kUnit12Drill{kSolutionTitleUnits2to4,
                                           SolutionHiding::BeforeEndMessage, true,
                                           content::kUnit12LastIndicativo};

// The drill of the exercise window that holds the group, one of content::exerciseGroups().
inline const DrillProfile &profileOf(const content::ExerciseGroup &group)
{
    static constexpr const DrillProfile *kProfiles[] = {&kUnits2to4Drill, &kUnits8to10Drill,
                                                        &kUnit12Drill};
    return *kProfiles[&group - content::exerciseGroups().data()];
}

} // namespace drill
