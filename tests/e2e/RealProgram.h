#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <gtest/gtest.h>

// The built program as a separate process on its own X server (Xvfb, no window manager),
// driven with real X input through xdotool and watched through screenshots, its files and
// its headless --info mode. Every test gets a fresh home, config, data, cache and runtime
// folder, so nothing a test does reaches the user's own settings.

// Slower builds (the sanitizers) get longer waits; every wait polls, so normal runs stay fast.
int Ms(int milliseconds);

// Polls done() until it holds or timeoutMs has passed; true when it held.
bool WaitFor(int timeoutMs, const std::function<bool()>& done, int stepMs = 20);

struct RunResult
{
    bool finished = false; // false: it could not start, or ran past its time and was killed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    bool Ok() const { return finished && exitCode == 0; }
};

// An Xvfb on a display it picks itself, gone with this object.
class XServer
{
public:
    ~XServer();
    // Empty on success, else why the server did not come up.
    QString Start(const QString& logPath);
    QString Display() const { return m_display; }

private:
    QProcess m_process;
    QString m_display;
};

class RealProgramTest : public ::testing::Test
{
protected:
    // Starts the X server and makes the fresh folders; skips when the X tools are missing.
    void SetUp() override;
    // Kills the program if it is still running (the X server goes with the fixture).
    void TearDown() override;

    // ---- files ----
    QString ScratchPath(const QString& name) const;
    // An example drawing (a polar flower with a border) made by the example tool.
    QString MakeExampleDrawing(const QString& name = QStringLiteral("start.dbr"));
    QString SettingsPath() const; // the program's QSettings file in the fresh config folder
    QString DataPath(const QString& name) const; // in the program's own data folder
    QJsonObject Info(const QString& drawing);    // daubrix --info FILE --records
    QImage Export(const QString& drawing);       // daubrix --export, as the file renders

    // ---- the program ----
    // Written into the fresh config before Launch: the Tip of the Day off, a main window
    // over the whole screen and the palettes to the right, clear of the drawing.
    QVariantMap settings;
    // Starts the program with --seed 1 and the arguments; waits for the Tip of the Day when
    // the settings show it, else for the main window, and gives that window the keyboard as
    // a window manager would. ASSERT_NO_FATAL_FAILURE after it.
    void Launch(const QStringList& arguments = {});
    // The first visible window whose title matches the regular expression, or empty.
    QString FindWindow(const QString& titlePattern);
    QStringList ShownWindowTitles(); // for failure messages
    QString WaitForWindow(const QString& titlePattern, int timeoutMs = Ms(5000));
    bool WaitForWindowGone(const QString& titlePattern, int timeoutMs = Ms(5000));
    QString MainWindow() const { return m_main; }
    QRect WindowRect(const QString& window); // where a window lies on the screen
    // Waits for the main window's title to show the drawing and gives it the keyboard, as a
    // window manager would a new window.
    void WaitForTitle(const QString& drawing);
    // The same, then finds the drawing on the screen by its exported picture.
    void WaitForDrawing(const QString& drawing);
    // The usual start of a case: the example drawing in drawingFile, the program started on
    // it and the drawing found on the screen.
    void StartOnExampleDrawing();
    QString drawingFile;
    bool WaitForExit(int timeoutMs);
    // Ends the program at once with SIGKILL, as a crash or a power cut would, and waits.
    void KillProgram();
    int ExitCode() const;
    bool Running() const;
    // Everything the program printed, for failure messages.
    QString ProgramOutput() const;

    // ---- input ----
    RunResult Xdotool(const QStringList& arguments);
    void Focus(const QString& window);
    // Key chords in xdotool's names ("ctrl+s", "Escape"), one after the other, to the
    // focused window.
    void Key(const QStringList& chords);
    void Type(const QString& text);
    // Opens a menu with Alt+letter, waits for it, then picks an item by its letter.
    void Menu(char menuLetter, char itemLetter);
    void MoveTo(const QString& window, QPoint at);
    void Press(const QString& window, QPoint at);
    void Release(const QString& window, QPoint at);
    void Click(const QString& window, QPoint at);
    // Press at the first point, move through the rest as a hand would, release at the last.
    void Drag(const QString& window, const std::vector<QPoint>& points);
    // The same on the drawing, in drawing coordinates.
    void ClickDrawing(QPoint at);
    void RightClickDrawing(QPoint at);
    void PressDrawing(QPoint at); // the left button goes down (and stays down) there
    void ReleaseDrawing(QPoint at);
    // How many windows are on the screen, menus and pop-ups included.
    qsizetype VisibleWindowCount();
    void StrokeDrawing(const std::vector<QPoint>& points);
    // Asks the window to close as a window manager's close button would (WM_DELETE_WINDOW).
    bool RequestClose(const QString& window);

    // ---- the screen ----
    QImage Screenshot();
    QRect DrawingOnScreen() const { return m_drawing; }
    QImage DrawingShown() { return Screenshot().copy(m_drawing); }
    // Polls the drawing on the screen until it is (or is no longer) the given picture.
    bool WaitForDrawingShown(const QImage& expected, int timeoutMs = Ms(5000));
    bool WaitForDrawingNot(const QImage& earlier, int timeoutMs = Ms(5000));
    // Polls until two pictures of the drawing quietMs apart are the same: a long operation
    // that draws as it goes (and takes no keys meanwhile) has ended.
    bool WaitForDrawingSteady(int quietMs = 300, int timeoutMs = Ms(5000));

    RunResult Run(const QString& program, const QStringList& arguments, int timeoutMs = Ms(10000));
    QString ProgramPath(const QString& name) const;

private:
    void MakeFolders();
    void WriteSettings();

    QTemporaryDir m_scratch;
    XServer m_x;
    QProcessEnvironment m_environment;
    std::unique_ptr<QProcess> m_program;
    QString m_main;
    QRect m_drawing;  // on the screen
    QPoint m_mainAt; // the main window's place on the screen
};

// Where picture `part` appears in `screen`, pixel for pixel; nothing when it does not.
std::optional<QPoint> FindPicture(const QImage& screen, const QImage& part);
// Sends WM_DELETE_WINDOW to a window, as a window manager's close button does.
bool SendCloseRequest(const QByteArray& display, unsigned long window);
// How many pixels differ between two pictures of the same size.
int DifferentPixels(const QImage& a, const QImage& b);
