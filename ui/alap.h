#pragma once

#include "ui_alap.h"

#include <QMainWindow>

namespace ui {

struct ExerciseProfile;

// The main menu: one picture button per exercise set, the exit button and the help menu.
class alap : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window from its design; ZOR_IGE11 loads it when it shows it.
    explicit alap(QWidget *parent = nullptr);
    void Form_Load();

private:
    void AniButton_Click(const ExerciseProfile &profile, int set);
    void Command1_Click();
    void como_Click();

    Ui::alap ui;
};

} // namespace ui
