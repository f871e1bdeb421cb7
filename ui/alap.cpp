#include "alap.h"

#include "exercisewindow.h"
#include "helptexts.h"
#include "hints.h"
#include "hintsources.h"
#include "sobre.h"
#include "zor_ige11.h"

namespace ui {

alap::alap(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ZOR_IGE11::fitClientToControls(this);
    ui.Command1->setAutoDefault(true); // Enter on the focused exit button presses it

    auto *sources = new HintSources(
        centralWidget(), [this] { showHint(hints::kMainMenuSurface); }, this);
    for (const content::ExerciseGroup &group : content::exerciseGroups()) {
        for (const content::ExerciseSet &set : group.sets) {
            auto *button = findChild<AniPushButton *>(set.mainMenuButton.toString());
            Q_ASSERT(button);
            const QStringView name = set.mainMenuButton;
            const QStringView hint = set.mainMenuHint;
            connect(button, &AniPushButton::clicked, this, [this, name] { AniButton_Click(name); });
            connect(button, &AniPushButton::pointerMoved, this, [this, hint] { showHint(hint); });
        }
    }
    sources->add(ui.Command1, [this] { showHint(hints::kMainMenuExit); });
    connect(ui.Command1, &QPushButton::clicked, this, &alap::Command1_Click);
    connect(ui.acerca, &QAction::triggered, this, &sobre::openAbout);
    connect(ui.como, &QAction::triggered, this, &alap::como_Click);
    Form_Load();
}

void alap::Form_Load()
{
    ZOR_IGE11::showHatter();
    ZOR_IGE11::centre(this);
    ZOR_IGE11::SetWindowPos(this, StackPosition::Topmost);
}

void alap::AniButton_Click(QStringView button)
{
    const content::MainMenuTarget target = content::mainMenuTarget(button);
    if (!target.set)
        return;
    ExerciseWindow *window = ZOR_IGE11::showExerciseWindow(target.group->window);
    window->chooseFromMainMenu(target.set->button);
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

void alap::showHint(QStringView text)
{
    ui.Label3->setText(text.toString());
}

} // namespace ui
