#pragma once

#include "feedback.h"

#include <QCoreApplication>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>

class QMainWindow;
class QObject;
class QWidget;

namespace ui {

class alap;
class hatter;
class sobre;
class ExerciseWindow;
struct ExerciseProfile;

enum class StackPosition { Topmost, NotTopmost };

// What the program takes from whoever runs it: main() hands in the learner's, tests their own.
struct Host
{
    drill::Feedback *feedback = nullptr; // where null, each window's message boxes and the beep
    drill::DrawIndex drawIndex = drill::randomDrawIndex();
    std::function<void()> quit = [] { QCoreApplication::exit(0); }; // ends the event loop
};

// The program-wide module: the flag that outlives the splash window, the stacking helper, and
// the single instance of every window. Loading a window creates it from its design, unloading
// destroys it, and showing loads it first where needed.
class ZOR_IGE11
{
public:
    ZOR_IGE11() = delete;

    static inline int splashDone = 0;

    // Puts the window above all others or back among them, never moving or resizing it, in place:
    // the same native window stays mapped.
    static void SetWindowPos(QWidget *window, StackPosition insertAfter);

    // Centres a window from its outer size, vertically first, as it is first shown: by the frame
    // that the window manager draws around it.
    static void centre(QWidget *window);
    // Where the client area of a window goes so that its outer frame is centred on the screen.
    static QPoint centredClientPosition(const QRect &screen, const QSize &client,
                                        const QMargins &frame);

    // Fixes a window's size to its design's client area, grown where controls of the design
    // overrun it by a few pixels, so that no caption is clipped.
    static void fitClientToControls(QMainWindow *window);

    static sobre *showSobre();
    // Builds a main menu and the background ahead, without showing them; the splash does it
    // while it waits for its timer, and hands the main menu to showAlap() at the tick.
    static std::unique_ptr<alap> prepareAlap();
    static alap *showAlap(std::unique_ptr<alap> prepared = {});
    static hatter *showHatter();
    static ExerciseWindow *showExerciseWindow(const ExerciseProfile &profile);
    // Unloads the window once no message box is open.
    static void unload(QWidget *window);

    static sobre *sobreWindow();
    static alap *alapWindow();
    static hatter *hatterWindow();
    static ExerciseWindow *exerciseWindow(const ExerciseProfile &profile);

    // An information message through the program's feedback.
    static void inform(QWidget *parent, QStringView title, QStringView text);

    // Starts the program: the splash window. The host stays with the program until it ends.
    static void start(const Host &host);
    // Ends the program at once, or once no message box is open: the background goes, the other
    // windows' unload handlers do not run.
    static void endProgram();

    // While a message box is open the program stands still, whoever asks it to move: no timer of
    // its own ticks, no window of it is unloaded and it does not end. Such work runs once no box
    // is open any more, after the handler that opened the last one; it is dropped if context has
    // gone by then. (Qt itself refuses the window manager's close of a window that a modal box
    // blocks, and every box is a child of its window, so a box never outlives its window.)
    static void whenNoBoxOpen(QObject *context, std::function<void()> work);
};

} // namespace ui
