#include "RealProgram.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#if defined(__SANITIZE_ADDRESS__)
#define DAUBRIX_E2E_SLOW 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DAUBRIX_E2E_SLOW 1
#endif
#endif

namespace
{
#ifdef DAUBRIX_E2E_SLOW
constexpr int kSlowdown = 6;
#else
constexpr int kSlowdown = 1;
#endif

const QString kMainTitle = QStringLiteral("^Daubrix( - .*)?$");
const QString kTipTitle = QStringLiteral("^Daubrix Tip of the Day$");

// Reads what Xvfb writes to its -displayfd: the display number and a newline, once it
// accepts connections.
QString ReadDisplayNumber(int fd, int timeoutMs)
{
    QByteArray text;
    QElapsedTimer clock;
    clock.start();
    while (!text.contains('\n')) {
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0)
            return {};
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, left);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return {};
        char buffer[32];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return {};
        text.append(buffer, n);
    }
    return QString::fromLatin1(text.trimmed());
}

QString Text(const QByteArray& bytes)
{
    return QString::fromLocal8Bit(bytes).trimmed();
}

// A test program that dies (a crash, a ctest timeout) takes what it started with it.
void EndWithTheTest(QProcess& process, int signal)
{
    process.setChildProcessModifier([signal] { ::prctl(PR_SET_PDEATHSIG, signal); });
}
} // namespace

int Ms(int milliseconds)
{
    return milliseconds * kSlowdown;
}

bool WaitFor(int timeoutMs, const std::function<bool()>& done, int stepMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (done())
            return true;
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(stepMs);
    }
}

// ---- the X server ----

XServer::~XServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(2000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QString XServer::Start(const QString& logPath)
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        return QStringLiteral("Xvfb is not installed (scripts/setup.sh installs it)");
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("no pipe for Xvfb's display number");
    // Only Xvfb may hold the writing end, or a dead server would never close the pipe.
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    m_process.setProgram(QStringLiteral("Xvfb"));
    m_process.setArguments({QStringLiteral("-displayfd"), QString::number(fds[1]),
                            QStringLiteral("-screen"), QStringLiteral("0"),
                            QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp"), QStringLiteral("-noreset")});
    m_process.setStandardOutputFile(logPath);
    m_process.setStandardErrorFile(logPath);
    EndWithTheTest(m_process, SIGTERM); // Xvfb removes its lock file on SIGTERM
    m_process.start();
    const bool started = m_process.waitForStarted(Ms(5000));
    ::close(fds[1]);
    const QString number = started ? ReadDisplayNumber(fds[0], Ms(10000)) : QString();
    ::close(fds[0]);
    if (number.isEmpty()) {
        QFile log(logPath);
        log.open(QIODevice::ReadOnly);
        return QStringLiteral("Xvfb did not start: ") + Text(log.readAll());
    }
    m_display = u':' + number;
    return {};
}

// ---- the fixture ----

void RealProgramTest::SetUp()
{
    for (const char* tool : {"xdotool", "import"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed (scripts/setup.sh installs it)";
    }
    ASSERT_TRUE(m_scratch.isValid());
    const QString trouble = m_x.Start(ScratchPath(QStringLiteral("xvfb.log")));
    if (!trouble.isEmpty())
        GTEST_SKIP() << qPrintable(trouble);
    MakeFolders();
    settings = {
        {QStringLiteral("Tip/StartUp"), 1},
        {QStringLiteral("Settings/appWindowX1"), 0},
        {QStringLiteral("Settings/appWindowY1"), 0},
        {QStringLiteral("Settings/appWindowX2"), 1279},
        {QStringLiteral("Settings/appWindowY2"), 1023},
        {QStringLiteral("Settings/shapesWindowX1"), 1100},
        {QStringLiteral("Settings/shapesWindowX2"), 1200},
        {QStringLiteral("Settings/shapesWindowY1"), 105},
        {QStringLiteral("Settings/shapesWindowY2"), 235},
        {QStringLiteral("Settings/colorsWindowX1"), 1100},
        {QStringLiteral("Settings/colorsWindowY1"), 300},
        {QStringLiteral("Settings/undoSliderX1"), 1000},
        {QStringLiteral("Settings/undoSliderY1"), 600},
    };
}

void RealProgramTest::MakeFolders()
{
    m_environment = QProcessEnvironment::systemEnvironment();
    // The program must find no session of the user's: no bus, no other display.
    for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "XAUTHORITY",
                             "SESSION_MANAGER", "QT_QPA_PLATFORMTHEME", "XDG_CONFIG_DIRS",
                             "XDG_DATA_DIRS"})
        m_environment.remove(QLatin1String(name));
    const std::pair<const char*, const char*> folders[] = {
        {"HOME", "home"},
        {"XDG_CONFIG_HOME", "config"},
        {"XDG_DATA_HOME", "data"},
        {"XDG_CACHE_HOME", "cache"},
        {"XDG_RUNTIME_DIR", "runtime"},
    };
    for (const auto& [variable, folder] : folders) {
        const QString path = ScratchPath(QLatin1String(folder));
        QDir().mkpath(path);
        // Qt refuses a runtime folder that others can read.
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_environment.insert(QLatin1String(variable), path);
    }
    // An address where no bus listens: without one, libdbus would try to start a bus on
    // the display (and leaks in trying, which the leak checker reports at exit).
    const QString noBus = ScratchPath(QStringLiteral("runtime/no-bus"));
    m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                         QStringLiteral("unix:path=") + noBus);
    // No printer of the machine's: the program prints into a PDF.
    m_environment.insert(QStringLiteral("CUPS_SERVER"), ScratchPath(QStringLiteral("runtime/no-printers")));
    m_environment.insert(QStringLiteral("DISPLAY"), m_x.Display());
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
}

void RealProgramTest::TearDown()
{
    if (Running()) {
        m_program->kill();
        m_program->waitForFinished(Ms(3000));
    }
    if (HasFailure() && m_program)
        std::fprintf(stderr, "daubrix printed:\n%s\n", qPrintable(ProgramOutput()));
}

QString RealProgramTest::ScratchPath(const QString& name) const
{
    return m_scratch.filePath(name);
}

QString RealProgramTest::ProgramPath(const QString& name) const
{
    // Every executable of the build shares one folder with this test program.
    return QCoreApplication::applicationDirPath() + u'/' + name;
}

RunResult RealProgramTest::Run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    RunResult result;
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.setWorkingDirectory(ScratchPath(QStringLiteral("home")));
    EndWithTheTest(process, SIGKILL);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs)) {
        result.err = process.errorString().toLocal8Bit();
        return result;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        result.err = "ran past its time: " + program.toLocal8Bit();
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

// ---- files ----

QString RealProgramTest::MakeExampleDrawing(const QString& name)
{
    const QString path = ScratchPath(name);
    const RunResult made = Run(ProgramPath(QStringLiteral("make_example_drawing")), {path});
    EXPECT_TRUE(made.Ok()) << made.err.constData();
    return path;
}

QString RealProgramTest::SettingsPath() const
{
    return ScratchPath(QStringLiteral("config/Zentrik/Daubrix.conf"));
}

QString RealProgramTest::DataPath(const QString& name) const
{
    return ScratchPath(QStringLiteral("data/Zentrik/Daubrix/") + name);
}

QJsonObject RealProgramTest::Info(const QString& drawing)
{
    const RunResult info = Run(ProgramPath(QStringLiteral("daubrix")),
                               {QStringLiteral("--info"), drawing, QStringLiteral("--records")});
    EXPECT_TRUE(info.Ok()) << info.err.constData();
    return QJsonDocument::fromJson(info.out).object();
}

QImage RealProgramTest::Export(const QString& drawing)
{
    const QString picture = ScratchPath(QStringLiteral("export.png"));
    const RunResult exported = Run(ProgramPath(QStringLiteral("daubrix")),
                                   {QStringLiteral("--export"), picture, drawing});
    EXPECT_TRUE(exported.Ok()) << exported.err.constData();
    return QImage(picture).convertToFormat(QImage::Format_RGB32);
}

void RealProgramTest::WriteSettings()
{
    QDir().mkpath(QFileInfo(SettingsPath()).absolutePath());
    QSettings store(SettingsPath(), QSettings::IniFormat);
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        store.setValue(it.key(), it.value());
    store.sync();
}

// ---- the program ----

void RealProgramTest::Launch(const QStringList& arguments)
{
    WriteSettings();
    m_program = std::make_unique<QProcess>();
    m_program->setProcessEnvironment(m_environment);
    m_program->setWorkingDirectory(ScratchPath(QStringLiteral("home")));
    m_program->setStandardOutputFile(ScratchPath(QStringLiteral("daubrix.out")));
    m_program->setStandardErrorFile(ScratchPath(QStringLiteral("daubrix.err")));
    EndWithTheTest(*m_program, SIGKILL);
    m_program->start(ProgramPath(QStringLiteral("daubrix")),
                     QStringList{QStringLiteral("--seed"), QStringLiteral("1")} + arguments);
    ASSERT_TRUE(m_program->waitForStarted(Ms(5000))) << qPrintable(m_program->errorString());
    const bool tipShown = settings.value(QStringLiteral("Tip/StartUp"), 0).toInt() == 0;
    // The tip comes up over the main window; until it goes, that is where the keys go.
    const QString first = WaitForWindow(tipShown ? kTipTitle : kMainTitle, Ms(10000));
    ASSERT_FALSE(first.isEmpty()) << "no window came up; daubrix printed:\n"
                                  << qPrintable(ProgramOutput());
    Focus(first);
    m_main = tipShown ? QString() : first;
}

QString RealProgramTest::FindWindow(const QString& titlePattern)
{
    const RunResult found = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--name"), titlePattern});
    return QString::fromLatin1(found.out).section(u'\n', 0, 0).trimmed();
}

QStringList RealProgramTest::ShownWindowTitles()
{
    QStringList titles;
    const RunResult found = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                     QStringLiteral("--name"), QStringLiteral(".")});
    for (const QString& window : QString::fromLatin1(found.out).split(u'\n', Qt::SkipEmptyParts))
        titles << Text(Xdotool({QStringLiteral("getwindowname"), window}).out);
    return titles;
}

QString RealProgramTest::WaitForWindow(const QString& titlePattern, int timeoutMs)
{
    QString window;
    WaitFor(timeoutMs, [&] {
        window = FindWindow(titlePattern);
        return !window.isEmpty() || !Running();
    });
    return window;
}

bool RealProgramTest::WaitForWindowGone(const QString& titlePattern, int timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return FindWindow(titlePattern).isEmpty(); });
}

void RealProgramTest::WaitForTitle(const QString& drawing)
{
    const QString title = QStringLiteral("^Daubrix - ") +
                          QRegularExpression::escape(QFileInfo(drawing).fileName()) + u'$';
    m_main = WaitForWindow(title, Ms(10000));
    ASSERT_FALSE(m_main.isEmpty()) << "the main window never showed the drawing";
    Focus(m_main);
}

void RealProgramTest::Focus(const QString& window)
{
    const RunResult focused = Xdotool({QStringLiteral("windowfocus"), window});
    EXPECT_TRUE(focused.Ok()) << focused.err.constData();
}

void RealProgramTest::WaitForDrawing(const QString& drawing)
{
    ASSERT_NO_FATAL_FAILURE(WaitForTitle(drawing));
    const QImage picture = Export(drawing);
    ASSERT_FALSE(picture.isNull());
    std::optional<QPoint> at;
    WaitFor(Ms(5000), [&] { return (at = FindPicture(Screenshot(), picture)).has_value(); });
    ASSERT_TRUE(at) << "the drawing is not on the screen as the file renders it";
    m_drawing = QRect(*at, picture.size());
    const QRect main = WindowRect(m_main);
    ASSERT_FALSE(main.isNull()) << "the main window has no place on the screen";
    m_mainAt = main.topLeft();
}

QRect RealProgramTest::WindowRect(const QString& window)
{
    const RunResult geometry =
        Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    const QRegularExpression place(
        QStringLiteral("^X=(-?\\d+)\\nY=(-?\\d+)\\nWIDTH=(\\d+)\\nHEIGHT=(\\d+)$"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch found = place.match(QString::fromLatin1(geometry.out));
    EXPECT_TRUE(found.hasMatch()) << geometry.out.constData() << geometry.err.constData();
    if (!found.hasMatch())
        return {};
    return QRect(found.captured(1).toInt(), found.captured(2).toInt(), found.captured(3).toInt(),
                 found.captured(4).toInt());
}

void RealProgramTest::StartOnExampleDrawing()
{
    drawingFile = MakeExampleDrawing();
    ASSERT_NO_FATAL_FAILURE(Launch({drawingFile}));
    ASSERT_NO_FATAL_FAILURE(WaitForDrawing(drawingFile));
}

bool RealProgramTest::Running() const
{
    // With no event loop only a wait notices that the process has ended.
    return m_program && m_program->state() != QProcess::NotRunning &&
           !m_program->waitForFinished(0);
}

bool RealProgramTest::WaitForExit(int timeoutMs)
{
    return m_program && (m_program->state() == QProcess::NotRunning ||
                         m_program->waitForFinished(timeoutMs));
}

void RealProgramTest::KillProgram()
{
    if (!Running())
        return;
    m_program->kill();
    m_program->waitForFinished(Ms(5000));
}

int RealProgramTest::ExitCode() const
{
    if (!m_program || m_program->state() != QProcess::NotRunning ||
        m_program->exitStatus() != QProcess::NormalExit)
        return -1;
    return m_program->exitCode();
}

QString RealProgramTest::ProgramOutput() const
{
    QString text;
    for (const char* name : {"daubrix.out", "daubrix.err"}) {
        QFile file(ScratchPath(QLatin1String(name)));
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromLocal8Bit(file.readAll());
    }
    return text;
}

// ---- input ----

RunResult RealProgramTest::Xdotool(const QStringList& arguments)
{
    return Run(QStringLiteral("xdotool"), arguments, Ms(5000));
}

void RealProgramTest::Key(const QStringList& chords)
{
    const RunResult sent = Xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                                               QStringLiteral("30")} + chords);
    EXPECT_TRUE(sent.Ok()) << sent.err.constData();
}

void RealProgramTest::Type(const QString& text)
{
    const RunResult sent = Xdotool({QStringLiteral("type"), QStringLiteral("--delay"),
                                    QStringLiteral("30"), text});
    EXPECT_TRUE(sent.Ok()) << sent.err.constData();
}

void RealProgramTest::Menu(char menuLetter, char itemLetter)
{
    // A menu is a window of its own; the item's letter must reach it, not the main window.
    const qsizetype before = VisibleWindowCount();
    Key({QStringLiteral("alt+") + QLatin1Char(menuLetter)});
    EXPECT_TRUE(WaitFor(Ms(3000), [&] { return VisibleWindowCount() > before; }))
        << "Alt+" << menuLetter << " opened no menu";
    Key({QString(QLatin1Char(itemLetter))});
}

void RealProgramTest::MoveTo(const QString& window, QPoint at)
{
    const RunResult sent = Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                                    QString::number(at.x()), QString::number(at.y())});
    EXPECT_TRUE(sent.Ok()) << sent.err.constData();
}

void RealProgramTest::Press(const QString& window, QPoint at)
{
    MoveTo(window, at);
    EXPECT_TRUE(Xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}).Ok());
}

void RealProgramTest::Release(const QString& window, QPoint at)
{
    MoveTo(window, at);
    EXPECT_TRUE(Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}).Ok());
}

void RealProgramTest::Click(const QString& window, QPoint at)
{
    Press(window, at);
    Release(window, at);
}

void RealProgramTest::Drag(const QString& window, const std::vector<QPoint>& points)
{
    ASSERT_FALSE(points.empty());
    // One xdotool run, so the moves come at a hand's pace and in one piece.
    QStringList chain;
    const auto moveTo = [&](QPoint at) {
        chain << QStringLiteral("mousemove") << QStringLiteral("--window") << window
              << QString::number(at.x()) << QString::number(at.y());
    };
    moveTo(points.front());
    chain << QStringLiteral("mousedown") << QStringLiteral("1");
    for (auto at = points.begin() + 1; at != points.end(); ++at) {
        chain << QStringLiteral("sleep") << QStringLiteral("0.02");
        moveTo(*at);
    }
    chain << QStringLiteral("sleep") << QStringLiteral("0.02") << QStringLiteral("mouseup")
          << QStringLiteral("1");
    const RunResult sent = Xdotool(chain);
    EXPECT_TRUE(sent.Ok()) << sent.err.constData();
}

void RealProgramTest::ClickDrawing(QPoint at)
{
    ASSERT_FALSE(m_drawing.isEmpty()) << "WaitForDrawing first";
    Click(m_main, m_drawing.topLeft() - m_mainAt + at);
}

void RealProgramTest::PressDrawing(QPoint at)
{
    ASSERT_FALSE(m_drawing.isEmpty()) << "WaitForDrawing first";
    Press(m_main, m_drawing.topLeft() - m_mainAt + at);
}

void RealProgramTest::ReleaseDrawing(QPoint at)
{
    ASSERT_FALSE(m_drawing.isEmpty()) << "WaitForDrawing first";
    Release(m_main, m_drawing.topLeft() - m_mainAt + at);
}

void RealProgramTest::RightClickDrawing(QPoint at)
{
    ASSERT_FALSE(m_drawing.isEmpty()) << "WaitForDrawing first";
    MoveTo(m_main, m_drawing.topLeft() - m_mainAt + at);
    EXPECT_TRUE(Xdotool({QStringLiteral("click"), QStringLiteral("3")}).Ok());
}

qsizetype RealProgramTest::VisibleWindowCount()
{
    return Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--classname"), QStringLiteral(".")})
        .out.count('\n');
}

void RealProgramTest::StrokeDrawing(const std::vector<QPoint>& points)
{
    ASSERT_FALSE(m_drawing.isEmpty()) << "WaitForDrawing first";
    std::vector<QPoint> onWindow;
    for (QPoint p : points)
        onWindow.push_back(m_drawing.topLeft() - m_mainAt + p);
    Drag(m_main, onWindow);
}

bool RealProgramTest::RequestClose(const QString& window)
{
    return SendCloseRequest(m_x.Display().toLocal8Bit(), window.toULong());
}

// ---- the screen ----

QImage RealProgramTest::Screenshot()
{
    // import reads every window itself; xwd -root shows Qt's transient windows black.
    const RunResult shot = Run(
        QStringLiteral("import"),
        {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")}, Ms(5000));
    EXPECT_TRUE(shot.Ok()) << shot.err.constData();
    return QImage::fromData(shot.out, "PNG").convertToFormat(QImage::Format_RGB32);
}

bool RealProgramTest::WaitForDrawingShown(const QImage& expected, int timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return DifferentPixels(DrawingShown(), expected) == 0; });
}

bool RealProgramTest::WaitForDrawingNot(const QImage& earlier, int timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return DifferentPixels(DrawingShown(), earlier) != 0; });
}

bool RealProgramTest::WaitForDrawingSteady(int quietMs, int timeoutMs)
{
    QImage shown = DrawingShown();
    return WaitFor(timeoutMs, [&] {
        const QImage now = DrawingShown();
        const bool still = now == shown;
        shown = now;
        return still;
    }, quietMs);
}

std::optional<QPoint> FindPicture(const QImage& screen, const QImage& part)
{
    if (screen.isNull() || part.isNull() || part.width() > screen.width() ||
        part.height() > screen.height())
        return std::nullopt;
    const QImage s = screen.convertToFormat(QImage::Format_RGB32);
    const QImage p = part.convertToFormat(QImage::Format_RGB32);
    // A coarse grid of the part rules out almost every place at once; a match is then
    // checked pixel for pixel.
    std::vector<QPoint> probes;
    for (int y = 0; y < p.height(); y += qMax(1, p.height() / 12))
        for (int x = 0; x < p.width(); x += qMax(1, p.width() / 16))
            probes.emplace_back(x, y);
    const QRgb corner = p.pixel(0, 0) | 0xff000000;
    for (int oy = 0; oy + p.height() <= s.height(); ++oy) {
        const auto* row = reinterpret_cast<const QRgb*>(s.constScanLine(oy));
        for (int ox = 0; ox + p.width() <= s.width(); ++ox) {
            if ((row[ox] | 0xff000000) != corner)
                continue;
            bool same = true;
            for (QPoint probe : probes) {
                if ((s.pixel(ox + probe.x(), oy + probe.y()) | 0xff000000) !=
                    (p.pixel(probe) | 0xff000000)) {
                    same = false;
                    break;
                }
            }
            if (same && DifferentPixels(s.copy(ox, oy, p.width(), p.height()), p) == 0)
                return QPoint(ox, oy);
        }
    }
    return std::nullopt;
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return qMax(a.width() * a.height(), b.width() * b.height());
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            count += (p[col] | 0xff000000) != (q[col] | 0xff000000);
    }
    return count;
}
