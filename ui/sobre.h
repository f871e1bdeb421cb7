#pragma once

#include "alap.h"
#include "ui_sobre.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

namespace ui {

// The start-up window: a splash at the first load, the About box at every later one.
class sobre : public QMainWindow
{
    Q_OBJECT

public:
    explicit sobre(QWidget *parent = nullptr);

    // The main menu's "Acerca de ...": shown, with Vale, no hand-over, the default pointer.
    static void openAbout();

    int frame() const { return m_frame; } // 0, 1, 2: the picture of Image3, Image4, Image5
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void showFrame(int frame);
    void Image2_Click();
    void Form_Unload();
    void tick(QTimer &timer, void (sobre::*handler)());

    Ui::sobre ui;
    QTimer m_timer1{this};
    QTimer m_timer2{this};
    int m_frame = 0;
    std::unique_ptr<alap> m_mainMenu; // the splash's, built ahead for the hand-over
};

} // namespace ui
