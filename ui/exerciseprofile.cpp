#include "exerciseprofile.h"

#include "helptexts.h"
#include "ui_zor_ige1.h"
#include "ui_zor_ige2.h"
#include "ui_zor_ige3.h"

namespace ui {
namespace {

template <typename Design> void setup(QMainWindow *window)
{
    Design design;
    design.setupUi(window);
}

} // namespace

const ExerciseProfile kExerciseProfiles[3] = {
    {u"zor_ige1", &setup<Ui::zor_ige1>, u"Label3", u"", false, helptexts::kExerciseHelpBilingual},
    {u"zor_ige2", &setup<Ui::zor_ige2>, u"Label3", u"", true, helptexts::kExerciseHelp},
    {u"zor_ige3", &setup<Ui::zor_ige3>, u"Label5", u"Label3", false, helptexts::kExerciseHelp},
};

const content::ExerciseGroup &ExerciseProfile::group() const
{
    for (const content::ExerciseGroup &candidate : content::exerciseGroups()) {
        if (candidate.window == windowName)
            return candidate;
    }
    Q_UNREACHABLE();
}

const drill::DrillProfile &ExerciseProfile::drill() const
{
    const drill::DrillProfile *profile = drill::drillProfile(windowName);
    Q_ASSERT(profile);
    return *profile;
}

const ExerciseProfile *exerciseProfile(QStringView windowName)
{
    for (const ExerciseProfile &profile : kExerciseProfiles) {
        if (profile.windowName == windowName)
            return &profile;
    }
    return nullptr;
}

} // namespace ui
