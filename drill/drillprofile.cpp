#include "drillprofile.h"

#include "messages.h"

namespace drill {
namespace {

constexpr DrillProfile kProfiles[] = {
    {u"zor_ige1", u"Command12", kSolutionTitleUnits2to4, SolutionHiding::BeforeEndMessage, false,
     std::nullopt},
    {u"zor_ige2", u"Command10", kSolutionTitleUnits8to10, SolutionHiding::AfterEndMessage, true,
     std::nullopt},
    // the title names Units 2-4 in this window too
    {u"zor_ige3", u"Command12", kSolutionTitleUnits2to4, SolutionHiding::BeforeEndMessage, true,
     28},
};

} // namespace

const DrillProfile *drillProfile(QStringView window)
{
    for (const DrillProfile &profile : kProfiles) {
        if (profile.window == window)
            return &profile;
    }
    return nullptr;
}

} // namespace drill
