#include "alap.h"

#include "exercisewindow.h"
#include "helptexts.h"
#include "hints.h"
#include "hintsources.h"
#include "sobre.h"
#include "zor_ige11.h"

namespace ui {

namespace {

// The picture buttons, one per exercise set, in the order of the exercise windows' sets.
constexpr QStringView kSetButtons[] = {
    u"AniButton9",  u"AniButton1",  u"AniButton3",  u"AniButton10", u"AniButton11",
    u"AniButton4",  u"AniButton5",  u"AniButton14", u"AniButton15", u"AniButton12",
    u"AniButton13", u"AniButton16", u"AniButton2",  u"AniButton6",  u"AniButton7"};

} // namespace

alap::alap(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ZOR_IGE11::fitClientToControls(this);
    ui.Command1->setAutoDefault(true); // Enter on the focused exit button presses it

    auto *hints = new HintSources(ui.Label3, centralWidget(), hints::kMainMenuSurface, this);
    const QStringView *name = std::begin(kSetButtons);
    for (const ExerciseProfile &profile : kExerciseProfiles) {
        for (int set = 0; set < int(profile.group.sets.size()); ++set) {
            auto *button = findChild<AniPushButton *>((name++)->toString());
            Q_ASSERT(button);
            connect(button, &AniPushButton::clicked, this,
                    [this, &profile, set] { AniButton_Click(profile, set); });
            const QStringView hint = profile.group.sets[set].mainMenuHint;
            button->setAccessibleDescription(hint.toString());
            connect(button, &AniPushButton::pointerMoved, this,
                    [this, hint] { ui.Label3->setText(hint.toString()); });
        }
    }
    hints->add(ui.Command1, hints::kMainMenuExit);
    connect(ui.Command1, &QPushButton::clicked, this, &alap::Command1_Click);
    connect(ui.acerca, &QAction::triggered, this, &sobre::openAbout);
    connect(ui.como, &QAction::triggered, this, &alap::como_Click);
}

void alap::Form_Load()
{
    ZOR_IGE11::showHatter();
    ZOR_IGE11::centre(this);
    ZOR_IGE11::SetWindowPos(this, StackPosition::Topmost);
}

void alap::AniButton_Click(const ExerciseProfile &profile, int set)
{
    ZOR_IGE11::showExerciseWindow(profile)->chooseFromMainMenu(set);
    ZOR_IGE11::unload(this);
}

void alap::Command1_Click()
{
    ZOR_IGE11::endProgram();
}

void alap::como_Click()
{
    ZOR_IGE11::inform(this, helptexts::kKeyboardHelpTitle, helptexts::kKeyboardHelp);
}

} // namespace ui
