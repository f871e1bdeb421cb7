// What the design tests share: the row types of the layout tables and the checks that compare a
// window built from its design against its rows. A test keeps its tables, its `build` (window
// name to window) and the checks particular to its windows.
#pragma once

#include "widgets/anipushbutton.h"
#include "widgets/sspanel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <memory>
#include <span>
#include <vector>

namespace designcheck {

using namespace Qt::StringLiterals;

inline constexpr int kTwipsPerPixel = 15;

// Colours of the layouts; 0 stands for the platform default of the control's kind.
inline constexpr QRgb kDefault = 0;
inline constexpr QRgb kWindow = 0xffffffff;     // system window
inline constexpr QRgb kWindowText = 0xff000000; // system window text
inline constexpr QRgb kGrey = 0xffc0c0c0;
inline constexpr QRgb kDarkGrey = 0xff404040;
inline constexpr QRgb kWhite = 0xffffffff;
inline constexpr QRgb kBlack = 0xff000000;
inline constexpr QRgb kRed = 0xffff0000;
inline constexpr QRgb kPink = 0xffffc0ff;
inline constexpr QRgb kLightGreen = 0xffc0ffc0;
inline constexpr QRgb kLightYellow = 0xffffffe0;

// Horizontal alignment of labels and the answer box; kNone for every other kind.
inline constexpr auto kL = Qt::AlignLeft;
inline constexpr auto kR = Qt::AlignRight;
inline constexpr auto kC = Qt::AlignHCenter;
inline constexpr Qt::Alignment kNone{};

inline constexpr int kNoTab = -1; // labels and panels take no focus

inline constexpr const char *kCentral = "centralwidget";

enum State { Shown, Hidden, Disabled };

struct Control
{
    const char *window;
    const char *name;
    const char *kind;
    const char *parent; // objectName of the widget the control sits on
    const char16_t *caption;
    int left, top, width, height; // twips
    State state;
    const char16_t *family;
    double points;
    bool bold;
    QRgb back, text;
    Qt::Alignment align;
    int tab;
};

struct Window
{
    const char *name;
    const char16_t *caption;
    int clientWidth, clientHeight; // twips
    QRgb back = kGrey;             // of the surface
    double points = 8.25;          // of the surface's font
};

using Builder = std::unique_ptr<QMainWindow> (*)(QByteArrayView name);

template <typename Design> std::unique_ptr<QMainWindow> fromDesign()
{
    auto window = std::make_unique<QMainWindow>();
    Design design;
    design.setupUi(window.get());
    return window;
}

inline QString captionOf(const QWidget *widget)
{
    if (auto label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto line = qobject_cast<const QLineEdit *>(widget))
        return line->text();
    if (auto text = qobject_cast<const QPlainTextEdit *>(widget))
        return text->toPlainText();
    if (auto panel = qobject_cast<const SSPanel *>(widget))
        return panel->caption();
    return u"<no caption>"_s;
}

inline Qt::Alignment horizontalAlignment(const QWidget *widget)
{
    if (auto label = qobject_cast<const QLabel *>(widget))
        return label->alignment() & Qt::AlignHorizontal_Mask;
    if (auto line = qobject_cast<const QLineEdit *>(widget))
        return line->alignment() & Qt::AlignHorizontal_Mask;
    return {};
}

// A picture button paints its own face; every other control shows its palette.
inline QRgb backOf(const QWidget *widget)
{
    if (auto button = qobject_cast<const AniPushButton *>(widget))
        return button->backgroundColor().rgba();
    return widget->palette().color(widget->backgroundRole()).rgba();
}

inline QRect pixels(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

// One row per control, named "<window> <control>", for checkControl().
inline void controlsData(std::span<const Control> controls)
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QRgb>("back");
    QTest::addColumn<QRgb>("text");
    QTest::addColumn<Qt::Alignment>("align");

    for (const Control &c : controls) {
        QTest::addRow("%s %s", c.window, c.name)
            << QByteArray(c.window) << QString::fromLatin1(c.name) << QByteArray(c.kind)
            << QString::fromLatin1(c.parent) << QString::fromUtf16(c.caption)
            << pixels(c.left, c.top, c.width, c.height) << (c.state != Hidden)
            << (c.state != Disabled) << QString::fromUtf16(c.family) << c.points << c.bold << c.back
            << c.text << c.align;
    }
}

// Compares the control of the current controlsData() row with the window's design.
inline void checkControl(Builder build)
{
    QFETCH(QByteArray, window);
    QFETCH(QString, name);
    QFETCH(QByteArray, kind);
    QFETCH(QString, parent);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QRgb, back);
    QFETCH(QRgb, text);
    QFETCH(Qt::Alignment, align);

    const auto w = build(window);
    QVERIFY(w);
    auto *control = w->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    w->ensurePolished();

    QCOMPARE(control->metaObject()->className(), kind);
    const QWidget *owner = parent == QLatin1StringView(kCentral) ? w->centralWidget()
                                                                 : w->findChild<QWidget *>(parent);
    QVERIFY2(owner, qPrintable(parent));
    QCOMPARE(control->parentWidget(), owner);
    QCOMPARE(owner->objectName(), parent);
    QCOMPARE(captionOf(control), caption);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(!control->isHidden(), visible);
    QCOMPARE(control->isEnabled(), enabled);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    if (back != kDefault)
        QCOMPARE(backOf(control), back);
    if (text != kDefault)
        QCOMPARE(control->palette().color(control->foregroundRole()).rgba(), text);
    QCOMPARE(horizontalAlignment(control), align);
}

// One row per window, named after it, for checkWindow().
inline void windowsData(std::span<const Window> windows)
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRgb>("back");
    QTest::addColumn<double>("points");

    for (const Window &win : windows) {
        QTest::addRow("%s", win.name)
            << QByteArray(win.name) << QString::fromUtf16(win.caption)
            << QSize(win.clientWidth / kTwipsPerPixel, win.clientHeight / kTwipsPerPixel)
            << win.back << win.points;
    }
}

// Compares the name, caption and surface of the window of the current windowsData() row; its
// size is left to the test, as a window that opens maximized gives only its normal size.
inline void checkWindow(const QMainWindow &w)
{
    QFETCH(QByteArray, window);
    QFETCH(QString, caption);
    QFETCH(QRgb, back);
    QFETCH(double, points);

    QCOMPARE(w.objectName().toLatin1(), window);
    QCOMPARE(w.windowTitle(), caption);

    QWidget *central = w.centralWidget();
    QVERIFY(central);
    QCOMPARE(central->objectName(), QLatin1StringView(kCentral));
    central->ensurePolished();
    QCOMPARE(central->font().family(), u"MS Sans Serif"_s);
    QCOMPARE(central->font().pointSizeF(), points);
    QVERIFY(central->font().bold());
    QCOMPARE(central->palette().color(central->backgroundRole()).rgba(), back);
}

// One row per window that has controls, in the order of the table, with the names of its
// focusable controls in tab order, for checkTabOrder().
inline void tabOrderData(std::span<const Control> controls)
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QStringList>("order");

    std::vector<QByteArrayView> windows;
    for (const Control &c : controls) {
        if (std::ranges::find(windows, QByteArrayView(c.window)) == windows.end())
            windows.push_back(c.window);
    }
    for (const QByteArrayView window : windows) {
        std::vector<const Control *> focusable;
        for (const Control &c : controls) {
            if (QByteArrayView(c.window) == window && c.tab != kNoTab)
                focusable.push_back(&c);
        }
        std::ranges::sort(focusable, {}, &Control::tab);
        QStringList order;
        for (const Control *c : focusable)
            order << QString::fromLatin1(c->name);
        QTest::addRow("%s", window.data()) << window.toByteArray() << order;
    }
}

// Follows the focus chain of the window of the current tabOrderData() row once round.
inline void checkTabOrder(Builder build)
{
    QFETCH(QByteArray, window);
    QFETCH(QStringList, order);

    const auto w = build(window);
    QVERIFY(w);
    QWidget *first = w->findChild<QWidget *>(order.constFirst());
    QVERIFY(first);

    QStringList chain;
    QWidget *widget = first;
    do {
        if (order.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget != first);
    QCOMPARE(chain, order);

    for (const QString &name : std::as_const(order)) {
        const QWidget *control = w->findChild<QWidget *>(name);
        QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(name));
    }
}

// One row per window, named after it.
inline void windowNamesData(std::span<const Window> windows)
{
    QTest::addColumn<QByteArray>("window");
    for (const Window &win : windows)
        QTest::addRow("%s", win.name) << QByteArray(win.name);
}

// A screen reader learns every control's purpose from its description and reads labels and
// push buttons by their text, so these carry no name of their own.
inline void checkDescribed(const QList<QWidget *> &controls)
{
    for (const QWidget *control : controls) {
        QVERIFY2(!control->accessibleDescription().isEmpty(), qPrintable(control->objectName()));
        if (qobject_cast<const QLabel *>(control) || qobject_cast<const QPushButton *>(control))
            QVERIFY2(control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
}

} // namespace designcheck
