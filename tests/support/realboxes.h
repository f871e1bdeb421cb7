#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <functional>

namespace testsupport {

// Runs open(), which opens real message boxes one after the other; while the k-th is up, a child
// of window, runs whileOpen[k] and closes it. A check that fails in one closes the boxes all the
// same, and false tells the test to end there, with that check's message.
inline bool underRealMessageBoxes(const std::function<void()> &open, QPointer<QWidget> window,
                                  const QList<std::function<void()>> &whileOpen)
{
    struct BoxShown : QObject
    {
        std::function<void(QMessageBox *)> shown;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (auto *box = qobject_cast<QMessageBox *>(watched);
                box && event->type() == QEvent::Show)
                QTimer::singleShot(0, box, [this, box] { shown(box); });
            return false;
        }
    } watch;
    qsizetype opened = 0;
    watch.shown = [&](QMessageBox *box) {
        const auto close = qScopeGuard([box = QPointer(box)] {
            if (box)
                box->accept();
        });
        const qsizetype k = opened++;
        QVERIFY2(k < whileOpen.size(), "a message box more than expected");
        QVERIFY2(box->parentWidget() == window, "a message box of another window");
        whileOpen[k](); // it may close the box, or its window
    };
    qApp->installEventFilter(&watch);
    open();
    qApp->removeEventFilter(&watch);
    if (!QTest::currentTestFailed() && opened != whileOpen.size())
        QTest::qFail(
            qPrintable(
                QStringLiteral("%1 of %2 message boxes opened").arg(opened).arg(whileOpen.size())),
            __FILE__, __LINE__);
    return !QTest::currentTestFailed();
}

// The text of the message box on show.
inline QString shownText()
{
    return qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->text();
}

// Whether the box on show has the icon given and an OK button only.
inline bool shownWith(QMessageBox::Icon icon)
{
    const auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    return box->icon() == icon && box->standardButtons() == QMessageBox::Ok;
}

} // namespace testsupport
