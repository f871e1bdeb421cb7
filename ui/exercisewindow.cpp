#include "exercisewindow.h"

#include "helptexts.h"
#include "hints.h"
#include "hintsources.h"
#include "messageboxfeedback.h"
#include "spokenitem.h"
#include "zor_ige11.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace ui {

ExerciseWindow::ExerciseWindow(const ExerciseProfile &profile, std::function<void()> backToMainMenu,
                               drill::Feedback *feedback, drill::DrawIndex drawIndex,
                               QWidget *parent)
    : QMainWindow(parent)
    , m_profile(profile)
    , m_backToMainMenu(std::move(backToMainMenu))
    , m_ownFeedback(feedback ? nullptr
                             : std::make_unique<MessageBoxFeedback>(this, [this] { render(); }))
    , m_feedback(feedback ? *feedback : *m_ownFeedback)
    , m_engine(profile.group, drill::profileOf(profile.group), m_feedback, std::move(drawIndex))
{
    profile.setupDesign(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ZOR_IGE11::fitClientToControls(this);

    m_command1 = control<QPushButton>(u"Command1");
    m_command2 = control<QPushButton>(u"Command2");
    m_solution = control<QPushButton>(profile.solutionButton);
    for (QStringView name : profile.setButtons)
        m_setButtons.push_back(control<QPushButton>(name));
    m_label1 = control<QLabel>(u"Label1");
    m_label6 = control<QLabel>(u"Label6");
    m_label7 = control<QLabel>(u"Label7");
    m_label8 = control<QLabel>(u"Label8");
    m_label9 = control<QLabel>(u"Label9");
    m_hintLine = control<QLabel>(profile.hintLine);
    if (!profile.imperativeMarker.isEmpty())
        m_imperativeMarker = control<QLabel>(profile.imperativeMarker);
    m_text2 = control<QLineEdit>(u"Text2");
    m_announcer = new Announcer(m_text2);
    m_answerBoxName = m_text2->accessibleName();
    m_text5 = control<QPlainTextEdit>(u"Text5");
    m_mnuOntop = control<QAction>(u"mnuOntop");

    connect(m_command1, &QPushButton::clicked, this, &ExerciseWindow::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &ExerciseWindow::Command2_Click);
    connect(m_solution, &QPushButton::clicked, this, &ExerciseWindow::Solution_Click);
    for (int set = 0; set < int(m_setButtons.size()); ++set) {
        connect(m_setButtons[set], &QPushButton::clicked, this,
                [this, set] { SetButton_Click(set); });
    }
    connect(control<QPushButton>(u"Command3"), &QPushButton::clicked, this,
            &ExerciseWindow::Command3_Click);
    connect(control<QPushButton>(u"Command4"), &QPushButton::clicked, this,
            &ExerciseWindow::Command4_Click);
    // The engine keeps what the box holds, whoever changed it.
    connect(m_text2, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_engine.answerEdited(text, m_text2->cursorPosition());
    });
    connect(m_text2, &QLineEdit::cursorPositionChanged, this,
            [this](int, int caret) { m_engine.answerEdited(m_text2->text(), caret); });
    connect(m_text5, &QPlainTextEdit::textChanged, this, &ExerciseWindow::Text5_Change);
    // The check mark, which the choice sets or clears, is the record of the setting.
    connect(m_mnuOntop, &QAction::triggered, this, &ExerciseWindow::mnuOntop_Click);
    m_text2->installEventFilter(this);
    bindHints();

    Form_Load();
}

template <typename T> T *ExerciseWindow::control(QStringView name) const
{
    T *found = findChild<T *>(name.toString());
    Q_ASSERT_X(found, "ExerciseWindow", "a control of the design is missing");
    return found;
}

void ExerciseWindow::Form_Load()
{
    ZOR_IGE11::centre(this);
    m_mnuOntop->trigger(); // on top, and checked
    render();
    // Activation would focus the first control in the tab order as it is then: Comenzar, once
    // the main menu has chosen a set.
    m_text2->setFocus();
}

void ExerciseWindow::Command1_Click()
{
    m_engine.start();
    render();
}

void ExerciseWindow::Command2_Click()
{
    m_engine.submit();
    render();
}

void ExerciseWindow::Solution_Click()
{
    m_engine.showSolution();
    render();
}

void ExerciseWindow::SetButton_Click(int set)
{
    m_engine.chooseSet(set);
    render();
}

void ExerciseWindow::chooseFromMainMenu(int set)
{
    m_engine.chooseSetFromMainMenu(set);
    render();
}

void ExerciseWindow::movi()
{
    if (const std::optional<int> set = m_engine.chosenSet())
        m_hintLine->setText(m_profile.group.sets[*set].hint.toString());
}

void ExerciseWindow::mnuOntop_Click()
{
    ZOR_IGE11::SetWindowPos(this, m_mnuOntop->isChecked() ? StackPosition::Topmost
                                                          : StackPosition::NotTopmost);
}

void ExerciseWindow::Command3_Click()
{
    m_backToMainMenu();
    ZOR_IGE11::unload(this);
}

void ExerciseWindow::Command4_Click()
{
    m_feedback.message(helptexts::kHelpTitle.toString(), m_profile.help.toString(),
                       drill::MessageIcon::Information);
}

void ExerciseWindow::Form_Unload()
{
    m_backToMainMenu();
}

void ExerciseWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void ExerciseWindow::bindHints()
{
    auto *hints = new HintSources(m_hintLine, centralWidget(), u"", this);
    hints->add(m_command1, hints::kStart);
    hints->add(m_command2, hints::kNext);
    hints->add(control<QPushButton>(u"Command3"), hints::kLeave);
    hints->add(control<QPushButton>(u"Command4"), hints::kHelp);
    hints->add(m_solution, hints::kSolution);
    hints->add(m_label1, [this] { movi(); });
    hints->add(control<QLabel>(u"Label2"), [this] { movi(); });
    hints->add(m_label8, hints::kPerson);
    hints->add(m_label9, hints::kInfinitive);
    hints->add(m_text2, hints::kAnswerBox);
    for (std::size_t set = 0; set < m_setButtons.size(); ++set)
        hints->add(m_setButtons[set], m_profile.group.sets[set].hint);
    if (m_imperativeMarker)
        hints->add(m_imperativeMarker, hints::kImperativeMarker);
    if (m_profile.runningTextClearsHint)
        hints->add(m_text5->viewport(), u"");
}

bool ExerciseWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text2 && event->type() == QEvent::KeyPress &&
        Text2_KeyPress(static_cast<QKeyEvent *>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

// Returns whether the key was turned into a Spanish letter.
bool ExerciseWindow::Text2_KeyPress(QKeyEvent *event)
{
    // Whatever the modifiers (AltGr arrives as Ctrl+Alt on some platforms), none of the six keys
    // reaches the box as itself.
    const QString typed = event->text();
    if (typed.size() != 1)
        return false;
    const char16_t key = drill::DrillEngine::typed(typed.front().unicode());
    if (key == typed.front().unicode())
        return false;
    m_text2->insert(QString(QChar(key)));
    return true;
}

void ExerciseWindow::Text5_Change()
{
    QTextCursor caret = m_text5->textCursor();
    caret.movePosition(QTextCursor::End);
    m_text5->setTextCursor(caret);
}

void ExerciseWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Enter presses the focused button, else the default button.
    if (auto *button = qobject_cast<QPushButton *>(focusWidget())) {
        button->animateClick();
        return;
    }
    const drill::DrillView &view = m_engine.view();
    if (view.nextIsDefault && view.next.visible && view.next.enabled)
        Command2_Click();
}

void ExerciseWindow::render()
{
    // A copy: bringing the answer box up to date tells the engine what the box now holds.
    const drill::DrillView view = m_engine.view();
    auto show = [](QPushButton *button, const drill::Action &action) {
        button->setEnabled(action.enabled);
        button->setVisible(action.visible);
    };
    m_command1->setText(view.startCaption);
    show(m_command1, view.start);
    show(m_command2, view.next);
    m_command2->setDefault(view.nextIsDefault);
    show(m_solution, view.solution);
    for (std::size_t set = 0; set < m_setButtons.size(); ++set)
        m_setButtons[set]->setEnabled(view.setAvailable[set]);
    m_label1->setText(view.codeLabel);
    m_label6->setText(view.textBefore);
    m_label7->setText(view.textAfter);
    m_label8->setText(view.person);
    m_label9->setText(view.infinitive);
    if (m_imperativeMarker)
        m_imperativeMarker->setVisible(view.imperativeMarkerVisible);
    // The focus stays in the answer box from item to item, so the box itself is named by the
    // item on show. A box that has the focus already also announces its new name, where screen
    // readers would not say it; one that gets the focus now says it as it takes the focus.
    const QString spoken = drill::spokenItem(view);
    const QString &answerBoxName = spoken.isEmpty() ? m_answerBoxName : spoken;
    if (m_text2->accessibleName() != answerBoxName) {
        m_text2->setAccessibleName(answerBoxName);
        if (!spoken.isEmpty() && m_text2->hasFocus())
            m_announcer->announce(spoken);
    }
    // Only a change of the engine's text or caret touches the box, so a selection survives.
    if (m_text2->text() != view.answer) {
        m_text2->setText(view.answer);
        m_text2->setCursorPosition(int(view.answerCaret));
    } else if (m_text2->cursorPosition() != view.answerCaret) {
        m_text2->setCursorPosition(int(view.answerCaret));
    }
    const QString &running = m_engine.state().runningText;
    if (m_text5->toPlainText() != running)
        m_text5->setPlainText(running);

    switch (m_engine.takeFocusRequest()) {
    case drill::FocusTarget::AnswerBox:
        m_text2->setFocus();
        break;
    case drill::FocusTarget::StartButton:
        m_command1->setFocus();
        break;
    case drill::FocusTarget::Unchanged:
        break;
    }
}

} // namespace ui
