#pragma once

#include "announcer.h"
#include "drillengine.h"
#include "exerciseprofile.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ui {

// The one exercise window class: zor_ige1, zor_ige2 and zor_ige3 differ only by their profile.
// Its handlers pass the learner's actions to its DrillEngine and show the engine's view.
class ExerciseWindow : public QMainWindow
{
    Q_OBJECT

public:
    // backToMainMenu runs as the window goes. Without a feedback of its own the window uses
    // message boxes and the platform's beep.
    ExerciseWindow(const ExerciseProfile &profile, std::function<void()> backToMainMenu,
                   drill::Feedback *feedback = nullptr,
                   drill::DrawIndex drawIndex = drill::randomDrawIndex(),
                   QWidget *parent = nullptr);

    const drill::DrillEngine &engine() const { return m_engine; }
    const ExerciseProfile &profile() const { return m_profile; }

    // The main menu's choice of a set: its button disabled, Comenzar enabled, the code label.
    void chooseFromMainMenu(int set);
    void movi();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void SetButton_Click(int set);
    void Solution_Click();
    bool Text2_KeyPress(QKeyEvent *event);
    void Text5_Change();
    void mnuOntop_Click();
    void Form_Unload();
    void bindHints();
    void render();

    template <typename T> T *control(QStringView name) const;

    const ExerciseProfile &m_profile;
    std::function<void()> m_backToMainMenu;
    std::unique_ptr<drill::Feedback> m_ownFeedback;
    drill::Feedback &m_feedback;
    drill::DrillEngine m_engine;

    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_solution = nullptr;
    std::vector<QPushButton *> m_setButtons;
    QLabel *m_label1 = nullptr;
    QLabel *m_label6 = nullptr;
    QLabel *m_label7 = nullptr;
    QLabel *m_label8 = nullptr;
    QLabel *m_label9 = nullptr;
    QLabel *m_hintLine = nullptr;
    QLabel *m_imperativeMarker = nullptr;
    QLineEdit *m_text2 = nullptr;
    Announcer *m_announcer = nullptr;
    QPlainTextEdit *m_text5 = nullptr;
    QAction *m_mnuOntop = nullptr;
    QString m_answerBoxName; // the design's, spoken while no item is on show
};

} // namespace ui
