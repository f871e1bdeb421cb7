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
#include <QScrollBar>

namespace ui {

using namespace Qt::Literals::StringLiterals;

ExerciseWindow::ExerciseWindow(const ExerciseProfile &profile, drill::Feedback *feedback,
                               drill::DrawIndex drawIndex, QWidget *parent)
    : QMainWindow(parent)
    , m_profile(profile)
    , m_ownFeedback(feedback ? nullptr
                             : std::make_unique<MessageBoxFeedback>(this, [this] { render(); }))
    , m_feedback(feedback ? *feedback : *m_ownFeedback)
    , m_engine(profile.group(), profile.drill(), m_feedback, std::move(drawIndex))
    , m_announcer(this)
{
    profile.setupDesign(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ZOR_IGE11::fitClientToControls(this);

    m_command1 = control<QPushButton>(u"Command1");
    m_command2 = control<QPushButton>(u"Command2");
    m_solution = control<QPushButton>(profile.drill().solutionButton);
    for (const content::ExerciseSet &set : profile.group().sets)
        m_setButtons.push_back(control<QPushButton>(set.button));
    m_label1 = control<QLabel>(u"Label1");
    m_label6 = control<QLabel>(u"Label6");
    m_label7 = control<QLabel>(u"Label7");
    m_label8 = control<QLabel>(u"Label8");
    m_label9 = control<QLabel>(u"Label9");
    m_hintLine = control<QLabel>(profile.hintLine);
    if (!profile.imperativeMarker.isEmpty())
        m_imperativeMarker = control<QLabel>(profile.imperativeMarker);
    m_text2 = control<QLineEdit>(u"Text2");
    m_answerBoxName = m_text2->accessibleName();
    m_text5 = control<QPlainTextEdit>(u"Text5");
    m_mnuOntop = control<QAction>(u"mnuOntop");

    connect(m_command1, &QPushButton::clicked, this,
            [this] { forward([this] { m_engine.Command1_Click(); }); });
    connect(m_command2, &QPushButton::clicked, this,
            [this] { forward([this] { m_engine.Command2_Click(); }); });
    connect(m_solution, &QPushButton::clicked, this,
            [this] { forward([this] { m_engine.solutionClick(); }); });
    for (int set = 0; set < int(m_setButtons.size()); ++set) {
        connect(m_setButtons[set], &QPushButton::clicked, this,
                [this, set] { forward([this, set] { m_engine.setButtonClick(set); }); });
    }
    connect(control<QPushButton>(u"Command3"), &QPushButton::clicked, this,
            &ExerciseWindow::Command3_Click);
    connect(control<QPushButton>(u"Command4"), &QPushButton::clicked, this,
            &ExerciseWindow::Command4_Click);
    connect(m_text2, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_rendering)
            m_engine.Text2_Change(text, m_text2->cursorPosition());
    });
    connect(m_text2, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
        if (!m_rendering)
            m_engine.Text2_Change(m_text2->text(), position);
    });
    // The check mark is the record of the setting: the handler, not the click, changes it.
    connect(m_mnuOntop, &QAction::triggered, this, [this](bool checked) {
        m_mnuOntop->setChecked(!checked);
        mnuOntop_Click();
    });
    m_text2->installEventFilter(this);
    bindHints();

    Form_Load();
}

ExerciseWindow::~ExerciseWindow() = default;

template <typename T> T *ExerciseWindow::control(QStringView name) const
{
    T *found = findChild<T *>(name.toString());
    Q_ASSERT_X(found, "ExerciseWindow", "a control of the design is missing");
    return found;
}

void ExerciseWindow::Form_Load()
{
    ZOR_IGE11::centre(this);
    mnuOntop_Click();
    m_engine.Form_Load();
    render();
    // Activation would focus the first control in the tab order as it is then: Comenzar, once
    // the main menu has chosen a set.
    m_text2->setFocus();
}

void ExerciseWindow::mnuOntop_Click()
{
    const bool checked = m_mnuOntop->isChecked();
    ZOR_IGE11::SetWindowPos(this, checked ? StackPosition::NotTopmost : StackPosition::Topmost);
    m_mnuOntop->setChecked(!checked);
}

void ExerciseWindow::chooseFromMainMenu(QStringView setButton)
{
    const auto sets = m_profile.group().sets;
    for (int set = 0; set < int(sets.size()); ++set) {
        if (sets[set].button == setButton) {
            forward([this, set] { m_engine.chooseFromMainMenu(set); });
            return;
        }
    }
}

void ExerciseWindow::movi()
{
    forward([this] { m_engine.movi(); });
}

void ExerciseWindow::Command3_Click()
{
    if (ZOR_IGE11::showMainMenu)
        ZOR_IGE11::showMainMenu();
    ZOR_IGE11::unload(this);
}

void ExerciseWindow::Command4_Click()
{
    m_feedback.message(helptexts::kHelpTitle.toString(), m_profile.help.toString(),
                       drill::MessageIcon::Information);
}

void ExerciseWindow::Form_Unload()
{
    if (ZOR_IGE11::showMainMenu)
        ZOR_IGE11::showMainMenu();
}

void ExerciseWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void ExerciseWindow::bindHints()
{
    auto fixed = [this](QStringView text) {
        return [this, text] { forward([this, text] { m_engine.showHint(text.toString()); }); };
    };
    auto *sources = new HintSources(centralWidget(), fixed(u""), this);
    sources->add(m_command1, fixed(hints::kStart));
    sources->add(m_command2, fixed(hints::kNext));
    sources->add(control<QPushButton>(u"Command3"), fixed(hints::kLeave));
    sources->add(control<QPushButton>(u"Command4"), fixed(hints::kHelp));
    sources->add(m_solution, fixed(hints::kSolution));
    sources->add(m_label1, [this] { movi(); });
    sources->add(control<QLabel>(u"Label2"), [this] { movi(); });
    sources->add(m_label8, fixed(hints::kPerson));
    sources->add(m_label9, fixed(hints::kInfinitive));
    sources->add(m_text2, fixed(hints::kAnswerBox));
    for (int set = 0; set < int(m_setButtons.size()); ++set) {
        sources->add(m_setButtons[set],
                     [this, set] { forward([this, set] { m_engine.setButtonMouseMove(set); }); });
    }
    if (m_imperativeMarker)
        sources->add(m_imperativeMarker, fixed(hints::kImperativeMarker));
    if (m_profile.runningTextClearsHint)
        sources->add(m_text5->viewport(), fixed(u""));
}

bool ExerciseWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text2 && event->type() == QEvent::KeyPress &&
        convertAccentKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool ExerciseWindow::convertAccentKey(QKeyEvent *event)
{
    // Whatever the modifiers (AltGr arrives as Ctrl+Alt on some platforms), none of the six keys
    // reaches the box as itself.
    const QString typed = event->text();
    if (typed.size() != 1)
        return false;
    char16_t key = typed.front().unicode();
    drill::DrillEngine::Text2_KeyPress(key);
    if (key == typed.front().unicode())
        return false;
    m_text2->insert(QString(QChar(key)));
    return true;
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
    pressDefaultButton();
}

void ExerciseWindow::pressDefaultButton()
{
    const drill::DrillView &view = m_engine.view();
    if (view.command2IsDefault && view.command2.visible && view.command2.enabled)
        forward([this] { m_engine.Command2_Click(); });
}

void ExerciseWindow::forward(const std::function<void()> &event)
{
    event();
    render();
}

void ExerciseWindow::render()
{
    const drill::DrillView &view = m_engine.view();
    m_rendering = true;
    auto showButton = [](QPushButton *button, const drill::ButtonState &state) {
        button->setText(state.caption);
        button->setEnabled(state.enabled);
        button->setVisible(state.visible);
    };
    showButton(m_command1, view.command1);
    showButton(m_command2, view.command2);
    m_command2->setDefault(view.command2IsDefault);
    showButton(m_solution, view.solution);
    for (std::size_t set = 0; set < m_setButtons.size(); ++set)
        m_setButtons[set]->setEnabled(view.setButtonEnabled[set]);
    m_label1->setText(view.label1);
    m_label6->setText(view.label6);
    m_label7->setText(view.label7);
    m_label8->setText(view.label8);
    m_label9->setText(view.label9);
    m_hintLine->setText(view.hintLine);
    if (m_imperativeMarker)
        m_imperativeMarker->setVisible(view.imperativeMarkerVisible);
    // The focus stays in the answer box from item to item, so the box itself is named by the
    // item on show. A box that has the focus already also announces its new name, which screen
    // readers would not say; one that gets the focus now says it as it takes the focus.
    const QString spoken = drill::spokenItem(view);
    const QString &answerBoxName = spoken.isEmpty() ? m_answerBoxName : spoken;
    if (m_text2->accessibleName() != answerBoxName) {
        m_text2->setAccessibleName(answerBoxName);
        if (!spoken.isEmpty() && m_text2->hasFocus())
            m_announcer.announce(spoken);
    }
    // Only a change of the engine's text or caret touches the box, so a selection survives.
    if (m_text2->text() != view.text2) {
        m_text2->setText(view.text2);
        m_text2->setCursorPosition(int(view.text2Cursor));
    } else if (m_text2->cursorPosition() != view.text2Cursor) {
        m_text2->setCursorPosition(int(view.text2Cursor));
    }

    const QString &running = m_engine.state().runningText;
    if (m_text5->toPlainText() != running) {
        m_text5->setPlainText(running);
        QTextCursor cursor = m_text5->textCursor();
        cursor.setPosition(int(view.text5Cursor));
        m_text5->setTextCursor(cursor);
        m_text5->ensureCursorVisible();
    }
    m_rendering = false;

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
