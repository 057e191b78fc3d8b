#include <deque>
#include <map>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFocusEvent>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

#include "ShellFixture.h"
#include "../../MouseStroke.h"
#include "app/CommandTable.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CDaubrixApp.h"
#include "app/ui/CDrawingInfoDlg.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CommandActions.h"
#include "app/ui/DrawingWindows.h"
#include "imaging/JpegFile.h"
#include "model/CDaubrixDoc.h"
#include "imaging/ui/CLoadBackgroundDlg.h"
#include "view/ui/CDaubrixView.h"

namespace
{
// Answers the dialogs a command opens with exec(), one action per dialog, in order.
class ModalDriver
{
public:
    explicit ModalDriver(std::deque<std::function<void(QWidget*)>> answers)
        : m_answers(std::move(answers))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { AnswerTopDialog(); });
        m_timer.start();
    }
    bool Done() const { return m_answers.empty(); }

private:
    void AnswerTopDialog()
    {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || top == m_answered || m_answers.empty())
            return;
        m_answered = top;
        auto answer = std::move(m_answers.front());
        m_answers.pop_front();
        answer(top);
    }

    std::deque<std::function<void(QWidget*)>> m_answers;
    QTimer m_timer;
    // Guarded: the next dialog may be built where the last one stood.
    QPointer<QWidget> m_answered;
};

int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

class DrawingWindowCommandsTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        Store().setValue("Tip/StartUp", 1);
        folder = MakeProgramFolder();
    }

    CDaubrixApp::StartupHooks Hooks()
    {
        CDaubrixApp::StartupHooks hooks;
        hooks.programFolder = folder;
        hooks.choosePicture = [this](QWidget*) { return chosenPicture; };
        hooks.runModal = [this](QDialog& dialog) {
            if (qobject_cast<CDrawingInfoDlg*>(&dialog)) {
                for (QLabel* label : dialog.findChildren<QLabel*>())
                    if (!label->text().isEmpty())
                        infoLines = label->text().split(u'\n');
            }
            return int(QDialog::Rejected);
        };
        return hooks;
    }

    // The window's first update makes its images; that waits for the event loop.
    static CDaubrixView* ActiveView(CDaubrixApp& app)
    {
        QApplication::processEvents();
        CChildFrame* child = app.Frame()->Drawings().ActiveChild();
        return child ? qobject_cast<CDaubrixView*>(child->widget()) : nullptr;
    }

    static void Run(CDaubrixApp& app, int id)
    {
        app.Frame()->Commands().UpdateAll();
        QAction* action = app.Frame()->Commands().Action(id);
        ASSERT_TRUE(action && action->isEnabled()) << id;
        action->trigger();
        QApplication::processEvents();
    }

    static bool Enabled(CDaubrixApp& app, int id)
    {
        app.Frame()->Commands().UpdateAll();
        return app.Frame()->Commands().Action(id)->isEnabled();
    }

    QString folder;
    QString chosenPicture; // empty: the user cancels the file dialog
    QStringList infoLines;
};

void ChooseSizing(QWidget* dialog, const QString& button)
{
    EXPECT_NE(qobject_cast<CLoadBackgroundDlg*>(dialog), nullptr); // closed all the same: no hang
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
        if (radio->text() == button)
            radio->setChecked(true);
    if (auto* modal = qobject_cast<QDialog*>(dialog))
        modal->accept();
}

} // namespace

// The Image menu's commands in a real drawing window: the dialogs, the picture on the
// canvas, the check mark, the saved file and Remove.
TEST_F(DrawingWindowCommandsTest, LoadBackgroundShowsThePictureAndTheSavedFileKeepsIt)
{
    const QString picture = workDir.filePath("picture.jpg");
    QImage red(100, 50, QImage::Format_RGB32);
    red.fill(qRgb(200, 40, 40));
    ASSERT_TRUE(WriteJpegFile(picture, 90, red).ok);
    const QString saved = workDir.filePath("with-background.dbr");
    QRgb shownCentre = 0;
    {
        CDaubrixApp app(Hooks());
        ASSERT_TRUE(app.Start());
        DocumentManager::Drawing* drawing = app.Frame()->Drawings().AddDrawing(QSize(200, 100));
        CDaubrixView* view = ActiveView(app);
        ASSERT_NE(view, nullptr);
        const QRgb paper = view->Session().canvas.DrawingImage().pixel(5, 5);
        EXPECT_FALSE(Enabled(app, CommandId::RemoveBackground));

        chosenPicture = picture;
        ModalDriver driver({[](QWidget* w) { ChooseSizing(w, "Normal"); }});
        Run(app, CommandId::LoadBackground);
        EXPECT_TRUE(driver.Done());

        const QImage& image = view->Session().canvas.DrawingImage();
        shownCentre = image.pixel(100, 50);
        EXPECT_LE(Distance(shownCentre, qRgb(200, 40, 40)), 8);
        EXPECT_EQ(image.pixel(5, 5), paper); // a normal-sized picture sits in the middle
        EXPECT_TRUE(view->Session().doc.HasBackgroundImage());
        EXPECT_TRUE(drawing->modified);
        app.Frame()->Commands().UpdateAll();
        EXPECT_TRUE(app.Frame()->Commands().Action(CommandId::LoadBackground)->isChecked());
        EXPECT_TRUE(Enabled(app, CommandId::RemoveBackground));
        ASSERT_TRUE(app.Documents().Save(*drawing, saved).ok());
    }

    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    app.Frame()->Drawings().OpenDrawing(saved);
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    // What was shown before saving is what the file gives back.
    EXPECT_EQ(view->Session().canvas.DrawingImage().pixel(100, 50), shownCentre);

    Run(app, CommandId::RemoveBackground);
    EXPECT_FALSE(view->Session().doc.HasBackgroundImage());
    EXPECT_EQ(view->Session().canvas.DrawingImage().pixel(100, 50),
              view->Session().canvas.DrawingImage().pixel(5, 5));
    EXPECT_FALSE(Enabled(app, CommandId::RemoveBackground));
}

TEST_F(DrawingWindowCommandsTest, CancellingEitherDialogLeavesTheDrawingAsItWas)
{
    const QString picture = workDir.filePath("picture.jpg");
    QImage blue(60, 40, QImage::Format_RGB32);
    blue.fill(qRgb(20, 40, 220));
    ASSERT_TRUE(WriteJpegFile(picture, 90, blue).ok);
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    DocumentManager::Drawing* drawing = app.Frame()->Drawings().AddDrawing(QSize(120, 80));
    CDaubrixView* view = ActiveView(app);
    const QImage before = view->Session().canvas.DrawingImage();

    const struct
    {
        QString picture;
        std::deque<std::function<void(QWidget*)>> answers;
    } cases[] = {
        {QString(), {}},
        {picture, {[](QWidget* w) { static_cast<QDialog*>(w)->reject(); }}},
    };
    for (const auto& c : cases) {
        chosenPicture = c.picture;
        ModalDriver driver(c.answers);
        Run(app, CommandId::LoadBackground);
        EXPECT_TRUE(driver.Done());
        EXPECT_FALSE(view->Session().doc.HasBackgroundImage());
        EXPECT_EQ(view->Session().canvas.DrawingImage(), before);
        EXPECT_FALSE(drawing->modified);
    }
}

TEST_F(DrawingWindowCommandsTest, DrawingInfoCountsHiddenGlobsAndAPendingClear)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    app.Frame()->Drawings().AddDrawing(QSize(200, 100));
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    Stroke(view->viewport(), {{20, 30}, {40, 30}, {60, 30}});
    const int globs = view->Session().doc.Records().GlobCount();
    ASSERT_GT(globs, 0);

    Run(app, CommandId::DrawingInfo);
    EXPECT_EQ(infoLines.value(0), QString("%1 globs").arg(globs));
    EXPECT_EQ(infoLines.value(2), QString("Image size is 200 x 100"));

    view->Session().history.ReleaseSlider(0);
    Run(app, CommandId::DrawingInfo);
    EXPECT_EQ(infoLines.value(0), QString("%1 globs  (%1 hidden)").arg(globs));
    EXPECT_EQ(infoLines.value(1), QString("1 colors  (some hidden)"));

    view->Session().history.ReleaseSlider(globs);
    view->Session().history.Clear();
    Run(app, CommandId::DrawingInfo);
    EXPECT_EQ(infoLines.mid(0, 2), QStringList({"0 globs", "0 colors"}));
}

// Every key reaches one command: a key shared by two enabled actions runs neither.
TEST_F(DrawingWindowCommandsTest, EveryKeyRunsOneCommandAndModeCommandsNeedADrawing)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    for (int id : {CommandId::Lines, CommandId::Jitter, CommandId::Skipping, CommandId::PolarMirror,
                   CommandId::MirrorBoth, CommandId::MoveCenter, CommandId::AutoChangeHue})
        EXPECT_FALSE(Enabled(app, id)) << id;
    app.Frame()->Drawings().AddDrawing(QSize(200, 100));
    ASSERT_NE(ActiveView(app), nullptr);
    CommandActions& commands = app.Frame()->Commands();
    commands.UpdateAll();
    std::map<QString, std::vector<int>> keys;
    for (const CommandInfo& info : CommandTable::Commands()) {
        QAction* action = commands.Action(info.id);
        for (const QKeySequence& key : action->shortcuts())
            if (!key.isEmpty())
                keys[key.toString()].push_back(info.id);
    }
    for (const auto& [key, ids] : keys)
        EXPECT_EQ(ids.size(), 1u) << key.toStdString() << " runs " << ids.size() << " commands";
    EXPECT_EQ(keys["Ctrl+S"], std::vector<int>{CommandId::FileSave});
    EXPECT_EQ(keys["Alt+Backspace"], std::vector<int>{CommandId::Undo});

    // The View menu carries the symmetry commands and Clear as well.
    QStringList view;
    for (QAction* menu : app.Frame()->menuBar()->actions())
        if (menu->text() == "&View")
            for (QAction* item : menu->menu()->actions())
                view.append(item->text());
    for (const char* item : {"Mirror &Horizontal", "&Polar Mirror", "&Move Center", "R&eset Center", "&Clear"})
        EXPECT_TRUE(view.contains(item)) << item;
}

// The history slider follows a drawing window only when it takes the focus from another
// drawing window: the focus coming back from a palette keeps a pending Clear's empty range.
TEST_F(DrawingWindowCommandsTest, FocusBackFromAPaletteKeepsAPendingClear)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    app.Frame()->Drawings().AddDrawing(QSize(200, 100));
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    Stroke(view->viewport(), {{20, 30}, {40, 30}});
    Stroke(view->viewport(), {{20, 60}, {40, 60}});
    DrawingSession& session = view->Session();
    session.history.Clear();
    const auto focus = [](QWidget* w, QEvent::Type type) {
        QFocusEvent event(type, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(w, &event);
    };
    focus(view, QEvent::FocusOut);
    focus(view, QEvent::FocusIn);
    EXPECT_EQ(session.slider.Minimum(), 0);
    EXPECT_EQ(session.slider.Maximum(), 0);

    app.Frame()->Drawings().AddDrawing(QSize(200, 100));
    CDaubrixView* other = ActiveView(app);
    ASSERT_NE(other, view);
    focus(view, QEvent::FocusOut);
    Stroke(other->viewport(), {{20, 30}, {40, 30}});
    other->Session().slider.SetRange(0, 0); // as if the slider had shown some other drawing
    focus(other, QEvent::FocusIn);
    EXPECT_EQ(other->Session().slider.Maximum(), other->Session().doc.Records().GlobCount());
}

TEST_F(DrawingWindowCommandsTest, MoveCenterPutsThePointerOnTheCentre)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    app.Frame()->Drawings().AddDrawing(QSize(200, 100));
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    QCursor::setPos(0, 0);
    Run(app, CommandId::MoveCenter);
    const QPoint centre = view->Session().centre;
    EXPECT_EQ(QCursor::pos(), view->viewport()->mapToGlobal(view->ToWindow(centre)));
}

// A drawing whose stored picture cannot be read opens without a background and says why.
TEST_F(DrawingWindowCommandsTest, ACorruptStoredBackgroundIsReportedAndDropped)
{
    const QString picture = workDir.filePath("picture.jpg");
    QImage green(80, 60, QImage::Format_RGB32);
    green.fill(qRgb(30, 160, 30));
    ASSERT_TRUE(WriteJpegFile(picture, 90, green).ok);
    const QString saved = workDir.filePath("corrupt.dbr");
    {
        CDaubrixApp app(Hooks());
        ASSERT_TRUE(app.Start());
        DocumentManager::Drawing* drawing = app.Frame()->Drawings().AddDrawing(QSize(200, 100));
        ASSERT_NE(ActiveView(app), nullptr);
        chosenPicture = picture;
        ModalDriver driver({[](QWidget* w) { ChooseSizing(w, "Normal"); }});
        Run(app, CommandId::LoadBackground);
        ASSERT_TRUE(app.Documents().Save(*drawing, saved).ok());
    }
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype jpeg = bytes.indexOf(QByteArray("\xFF\xD8\xFF", 3));
    ASSERT_GT(jpeg, 0);
    bytes[jpeg] = 0; // no longer a JPEG stream, same length
    file.seek(0);
    file.write(bytes);
    file.close();

    messages.clear();
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    app.Frame()->Drawings().OpenDrawing(saved);
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QString("JPEG Library Error"));
    EXPECT_FALSE(messages[0].text.isEmpty());
    EXPECT_FALSE(view->Session().doc.HasBackgroundImage());
    app.Frame()->Commands().UpdateAll();
    EXPECT_FALSE(app.Frame()->Commands().Action(CommandId::LoadBackground)->isChecked());
}

// An unreadable picture: the reader's own message where it has one, then "error reading file.".
TEST_F(DrawingWindowCommandsTest, AnUnreadablePictureSaysErrorReadingFile)
{
    const QString badBmp = workDir.filePath("bad.bmp");
    const QString badJpeg = workDir.filePath("bad.jpg");
    for (const auto& [path, bytes] : {std::pair{badBmp, QByteArray("BM not a bitmap")},
                                      std::pair{badJpeg, QByteArray("\xFF\xD8\xFF\xE0 cut", 8)}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    app.Frame()->Drawings().AddDrawing(QSize(200, 100));
    ASSERT_NE(ActiveView(app), nullptr);
    const struct
    {
        QString picture;
        size_t boxes;
    } cases[] = {{badBmp, 1}, {badJpeg, 2}};
    for (const auto& c : cases) {
        messages.clear();
        chosenPicture = c.picture;
        Run(app, CommandId::LoadBackground);
        ASSERT_EQ(messages.size(), c.boxes) << c.picture.toStdString();
        EXPECT_EQ(messages.back().text, QString("error reading file."));
        EXPECT_EQ(messages.back().icon, MessageIcon::Critical);
        if (c.boxes == 2) {
            EXPECT_EQ(messages.front().title, QString("JPEG Library Error"));
            EXPECT_FALSE(messages.front().text.isEmpty());
        }
    }
}
