#pragma once

#include "ui_hatter.h"

#include <QMainWindow>

namespace ui {

// The maximized light-yellow background behind every other window of the program.
class hatter : public QMainWindow
{
    Q_OBJECT

public:
    explicit hatter(QWidget *parent = nullptr);

private:
    void Form_Load();

    Ui::hatter ui;
};

} // namespace ui
