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

constexpr QStringView kZorIge1SetButtons[] = {u"Command5", u"Command6",  u"Command7", u"Command8",
                                              u"Command9", u"Command10", u"Command11"};
constexpr QStringView kZorIge2SetButtons[] = {u"Command5", u"Command6", u"Command7", u"Command8",
                                              u"Command9"};
constexpr QStringView kZorIge3SetButtons[] = {u"Command5", u"Command6", u"Command10"};

} // namespace

const ExerciseProfile kExerciseProfiles[3] = {
    {u"zor_ige1", content::exerciseGroups()[0], &setup<Ui::zor_ige1>, kZorIge1SetButtons,
     u"Command12", u"Label3", u"", false, helptexts::kExerciseHelpBilingual},
    {u"zor_ige2", content::exerciseGroups()[1], &setup<Ui::zor_ige2>, kZorIge2SetButtons,
     u"Command10", u"Label3", u"", true, helptexts::kExerciseHelp},
    {u"zor_ige3", content::exerciseGroups()[2], &setup<Ui::zor_ige3>, kZorIge3SetButtons,
     u"Command12", u"Label5", u"Label3", false, helptexts::kExerciseHelp},
};

} // namespace ui
