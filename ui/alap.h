#pragma once

#include "ui_alap.h"

#include <QMainWindow>

namespace ui {

// The main menu: one picture button per exercise set, the exit button and the help menu.
class alap : public QMainWindow
{
    Q_OBJECT

public:
    explicit alap(QWidget *parent = nullptr);

private:
    void Form_Load();
    void AniButton_Click(QStringView button);
    void Command1_Click();
    void como_Click();
    void showHint(QStringView text);

    Ui::alap ui;
};

} // namespace ui
