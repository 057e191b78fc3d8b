#include <deque>
#include <map>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "ShellFixture.h"
#include "../../MouseStroke.h"
#include "app/CommandTable.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CDaubrixApp.h"
#include "app/ui/CDrawingInfoDlg.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CommandActions.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/DrawingWindows.h"
#include "imaging/JpegFile.h"
#include "model/CDaubrixDoc.h"
#include "imaging/ui/CLoadBackgroundDlg.h"
#include "view/PaletteLink.h"
#include "view/UndoState.h"
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

    static void Run(CDaubrixApp& app, CommandId id)
    {
        app.Frame()->Commands().UpdateAll();
        QAction* action = app.Frame()->Commands().Action(id);
        ASSERT_TRUE(action && action->isEnabled()) << static_cast<int>(id);
        action->trigger();
        QApplication::processEvents();
    }

    static bool Enabled(CDaubrixApp& app, CommandId id)
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
        const QRgb paper = view->Session().Canvas().DrawingImage().pixel(5, 5);
        EXPECT_FALSE(Enabled(app, CommandId::RemoveBackground));

        chosenPicture = picture;
        ModalDriver driver({[](QWidget* w) { ChooseSizing(w, "Normal"); }});
        Run(app, CommandId::LoadBackground);
        EXPECT_TRUE(driver.Done());

        const QImage& image = view->Session().Canvas().DrawingImage();
        shownCentre = image.pixel(100, 50);
        EXPECT_LE(Distance(shownCentre, qRgb(200, 40, 40)), 8);
        EXPECT_EQ(image.pixel(5, 5), paper); // a normal-sized picture sits in the middle
        EXPECT_TRUE(view->Session().Doc().HasBackgroundImage());
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
    EXPECT_EQ(view->Session().Canvas().DrawingImage().pixel(100, 50), shownCentre);

    Run(app, CommandId::RemoveBackground);
    EXPECT_FALSE(view->Session().Doc().HasBackgroundImage());
    EXPECT_EQ(view->Session().Canvas().DrawingImage().pixel(100, 50),
              view->Session().Canvas().DrawingImage().pixel(5, 5));
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
    const QImage before = view->Session().Canvas().DrawingImage();

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
        EXPECT_FALSE(view->Session().Doc().HasBackgroundImage());
        EXPECT_EQ(view->Session().Canvas().DrawingImage(), before);
        EXPECT_FALSE(drawing->modified);
    }
}

// Image > Import in a real drawing window: the dialog, the globs as one section, Undo, Esc.
namespace
{
QString TwoColourPicture(const QString& path)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(qRgb(230, 30, 30));
    for (int y = 0; y < 40; ++y)
        for (int x = 30; x < 60; ++x)
            picture.setPixel(x, y, qRgb(30, 30, 230));
    EXPECT_TRUE(WriteJpegFile(path, 95, picture).ok);
    return path;
}

void AcceptImport(QWidget* dialog)
{
    EXPECT_EQ(dialog->windowTitle(), "Import Image");
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
        if (radio->text() == "Keep" || radio->text() == "Ordered")
            radio->setChecked(true);
    if (auto* modal = qobject_cast<QDialog*>(dialog))
        modal->accept();
}
} // namespace

TEST_F(DrawingWindowCommandsTest, ImportAddsThePictureAsOneSectionThatUndoTakesBack)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    DocumentManager::Drawing* drawing = app.Frame()->Drawings().AddDrawing(QSize(60, 40));
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    DrawingSession& s = view->Session();
    const QString status = app.Frame()->StatusText();

    chosenPicture = TwoColourPicture(workDir.filePath("two.jpg"));
    ModalDriver driver({AcceptImport});
    Run(app, CommandId::ImportImage);
    EXPECT_TRUE(driver.Done());

    const int count = s.Doc().Records().GlobCount();
    EXPECT_GT(count, 10);
    EXPECT_EQ(s.Canvas().HistoryPosition(), count);
    EXPECT_EQ(s.Doc().Records().CurrentSections().count, 1);
    EXPECT_TRUE(s.Doc().Records().IsSectionBoundary(count));
    EXPECT_GE(s.Doc().Records().ColorChangeCount(), 2) << "red and blue halves";
    EXPECT_TRUE(drawing->modified);
    EXPECT_EQ(app.Frame()->StatusText(), status) << "the message pane gets its own text back";
    // Grid order: each row starts in the red half and ends in the blue one.
    const HsvColor first = s.Doc().Records().GetColorChange(0)->Color();
    EXPECT_TRUE(first.hue < 10 || first.hue > 350) << first.hue;
    bool blue = false;
    for (int i = 1; i < s.Doc().Records().ColorChangeCount(); ++i)
        blue = blue || std::abs(s.Doc().Records().GetColorChange(i)->Color().hue - 240) < 10;
    EXPECT_TRUE(blue);
    EXPECT_NE(s.Canvas().DrawingImage(), QImage(s.Canvas().UndoImage())) << "nothing was drawn";

    Run(app, CommandId::Undo);
    EXPECT_EQ(s.Canvas().HistoryPosition(), 0);
    EXPECT_EQ(s.Doc().Records().GlobCount(), count) << "the import stays as the redo tail";
    Run(app, CommandId::Undo);
    EXPECT_EQ(s.Canvas().HistoryPosition(), count);
}

TEST_F(DrawingWindowCommandsTest, EscDuringImportAsksAndEitherStopsOrGoesOn)
{
    struct Case { ShellMessageBox::Answer answer; bool added; };
    for (const Case& c : {Case{ShellMessageBox::Answer::Ok, false},
                          Case{ShellMessageBox::Answer::Cancel, true}}) {
        CDaubrixApp app(Hooks());
        ASSERT_TRUE(app.Start());
        app.Frame()->Drawings().AddDrawing(QSize(60, 40));
        CDaubrixView* view = ActiveView(app);
        ASSERT_NE(view, nullptr);
        messages.clear();
        answer = c.answer;
        chosenPicture = TwoColourPicture(workDir.filePath("two.jpg"));
        // Esc arrives while the picture is sampled: the first check finds it.
        ModalDriver driver({[view](QWidget* dialog) {
            QTimer::singleShot(0, view, [view] {
                QCoreApplication::postEvent(view, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape,
                                                                Qt::NoModifier));
            });
            AcceptImport(dialog);
        }});
        Run(app, CommandId::ImportImage);
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.front().text, "Cancel Image Import?");
        EXPECT_EQ(messages.size(), 1u) << "no glob was left hidden, so no more to say";
        EXPECT_EQ(view->Session().Doc().Records().GlobCount() > 0, c.added);
        EXPECT_EQ(view->Session().Canvas().HistoryPosition(), view->Session().Doc().Records().GlobCount());
    }
}

// Colors > Background Color puts the Colors window's colour under the whole drawing, outside
// undo, and the picture is drawn again on it.
TEST_F(DrawingWindowCommandsTest, BackgroundColorRedrawsOnTheNewPaperWithoutUndo)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    DocumentManager::Drawing* drawing = app.Frame()->Drawings().AddDrawing(QSize(120, 80));
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    DrawingSession& s = view->Session();
    s.Strokes().Press({30, 30}, {});
    s.Strokes().Move({70, 40}, {});
    s.Strokes().Release();
    view->Refresh();
    const int undoState = s.Doc().UndoState();
    ASSERT_NE(s.Tools().palettes, nullptr);
    s.Tools().palettes->SetColorsWindowColor(HsvColor{120, 255, 255});

    Run(app, CommandId::BackgroundColor);
    view->Refresh();
    EXPECT_EQ(s.Doc().BackgroundColor(), MakeRgb(0, 255, 0));
    EXPECT_EQ(s.Canvas().DrawingImage().pixel(2, 2) | 0xFF000000u, qRgb(0, 255, 0));
    EXPECT_EQ(s.Canvas().DrawingImage().convertToFormat(QImage::Format_RGB32),
              s.Canvas().RenderAll().convertToFormat(QImage::Format_RGB32))
        << "the globs are drawn again on the new paper";
    EXPECT_EQ(s.Doc().UndoState(), undoState) << "not recorded for undo";
    EXPECT_TRUE(drawing->modified);
}

// The window's own menu: the commands in order, enabled as in the menus, never a glob.
namespace
{
struct ShownMenu
{
    bool shown = false;
    QStringList texts;
    QStringList disabled;
};

// Right-clicks the view; `act` gets the open menu (or never runs when none opened).
ShownMenu RightClick(CDaubrixView& view, std::function<void(QMenu&)> act)
{
    ShownMenu seen;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        seen.shown = true;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            seen.texts << a->text();
            if (!a->isEnabled())
                seen.disabled << a->text();
        }
        act(*menu);
    });
    const QPoint at(20, 20);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &event);
    QApplication::processEvents();
    return seen;
}
} // namespace

TEST_F(DrawingWindowCommandsTest, TheViewsMenuListsItsCommandsAndRunsThem)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    app.Frame()->Drawings().AddDrawing(QSize(120, 80));
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    DrawingSession& s = view->Session();

    const ShownMenu empty = RightClick(*view, [](QMenu& m) { m.close(); });
    ASSERT_TRUE(empty.shown);
    EXPECT_EQ(empty.texts, (QStringList{"&Save Image", "&Regenerate\tCtrl+R", "&Clear\tCtrl+W",
                                        "&Background Color", "&Load background", "R&emove background"}));
    EXPECT_EQ(empty.disabled, (QStringList{"&Clear\tCtrl+W", "R&emove background"}));
    EXPECT_EQ(s.Doc().Records().GlobCount(), 0) << "closing the menu drew nothing";

    s.Tools().palettes->SetColorsWindowColor(HsvColor{240, 255, 255});
    RightClick(*view, [](QMenu& m) {
        for (QAction* a : m.actions())
            if (a->text() == "&Background Color")
                a->trigger();
        m.close();
    });
    EXPECT_EQ(s.Doc().BackgroundColor(), MakeRgb(0, 0, 255)) << "the menu ran the command";

    // With Move Center on, the right button only ends the mode.
    Run(app, CommandId::MoveCenter);
    ASSERT_TRUE(s.Tools().oneShot->moveCentre);
    EXPECT_FALSE(RightClick(*view, [](QMenu& m) { m.close(); }).shown);
    EXPECT_FALSE(s.Tools().oneShot->moveCentre);
}

// Image > Save writes what the window shows: the globs up to the history position.
TEST_F(DrawingWindowCommandsTest, SaveImageWritesTheShownPicture)
{
    CDaubrixApp::StartupHooks hooks = Hooks();
    QString target;
    hooks.chooseImageFile = [&target](QWidget*) { return target; };
    CDaubrixApp app(hooks);
    ASSERT_TRUE(app.Start());
    app.Frame()->Drawings().AddDrawing(QSize(120, 80));
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    DrawingSession& s = view->Session();
    s.Strokes().Press({20, 20}, {});
    s.Strokes().Move({60, 40}, {});
    s.Strokes().Release();
    s.Strokes().Press({90, 60}, {});
    s.Strokes().Release();
    Run(app, CommandId::Undo); // the second stroke is hidden: the picture leaves it out
    view->Refresh();
    const QImage shown = s.Canvas().DrawingImage().convertToFormat(QImage::Format_RGB32);

    target = workDir.filePath("shown.png");
    Run(app, CommandId::SaveImage);
    EXPECT_EQ(QImage(target).convertToFormat(QImage::Format_RGB32), shown);

    target = workDir.filePath("shown.jpg");
    ModalDriver cancelled({[](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "JPEG settings");
        qobject_cast<QDialog*>(d)->reject();
    }});
    Run(app, CommandId::SaveImage);
    EXPECT_TRUE(cancelled.Done());
    EXPECT_FALSE(QFile::exists(target)) << "Cancel in the JPEG settings writes nothing";

    ModalDriver best({[](QWidget* d) {
        d->findChild<QSlider*>()->setValue(100);
        qobject_cast<QDialog*>(d)->accept();
    }});
    Run(app, CommandId::SaveImage);
    EXPECT_TRUE(best.Done());
    QImage jpeg;
    ASSERT_TRUE(ReadJpegFile(target, jpeg).ok);
    ASSERT_EQ(jpeg.size(), shown.size());
    int worst = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            worst = std::max(worst, Distance(jpeg.pixel(x, y), shown.pixel(x, y)));
    EXPECT_LE(worst, 40) << "quality 100 stays close to the picture";

    messages.clear();
    target = workDir.filePath("shown.gif");
    Run(app, CommandId::SaveImage);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(DrawingWindowCommandsTest, AnUnreadablePictureToImportChangesNothing)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    DocumentManager::Drawing* drawing = app.Frame()->Drawings().AddDrawing(QSize(60, 40));
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    chosenPicture = workDir.filePath("broken.jpg");
    QFile broken(chosenPicture);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8 not really a picture");
    broken.close();
    ModalDriver driver({AcceptImport});
    Run(app, CommandId::ImportImage);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, "error reading file.");
    EXPECT_EQ(view->Session().Doc().Records().GlobCount(), 0);
    EXPECT_FALSE(drawing->modified);
}

TEST_F(DrawingWindowCommandsTest, DrawingInfoCountsHiddenGlobsAndAPendingClear)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    app.Frame()->Drawings().AddDrawing(QSize(200, 100));
    CDaubrixView* view = ActiveView(app);
    ASSERT_NE(view, nullptr);
    Stroke(view->viewport(), {{20, 30}, {40, 30}, {60, 30}});
    const int globs = view->Session().Doc().Records().GlobCount();
    ASSERT_GT(globs, 0);

    Run(app, CommandId::DrawingInfo);
    EXPECT_EQ(infoLines.value(0), QString("%1 globs").arg(globs));
    EXPECT_EQ(infoLines.value(2), QString("Image size is 200 x 100"));

    view->Session().History().ReleaseSlider(0);
    Run(app, CommandId::DrawingInfo);
    EXPECT_EQ(infoLines.value(0), QString("%1 globs  (%1 hidden)").arg(globs));
    EXPECT_EQ(infoLines.value(1), QString("1 colors  (some hidden)"));

    view->Session().History().ReleaseSlider(globs);
    view->Session().History().Clear();
    Run(app, CommandId::DrawingInfo);
    EXPECT_EQ(infoLines.mid(0, 2), QStringList({"0 globs", "0 colors"}));
}

// Every key reaches one command: a key shared by two enabled actions runs neither.
TEST_F(DrawingWindowCommandsTest, EveryKeyRunsOneCommandAndModeCommandsNeedADrawing)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    for (CommandId id : {CommandId::Lines, CommandId::Jitter, CommandId::Skipping, CommandId::PolarMirror,
                   CommandId::MirrorBoth, CommandId::MoveCenter, CommandId::AutoChangeHue})
        EXPECT_FALSE(Enabled(app, id)) << static_cast<int>(id);
    app.Frame()->Drawings().AddDrawing(QSize(200, 100));
    ASSERT_NE(ActiveView(app), nullptr);
    CommandActions& commands = app.Frame()->Commands();
    commands.UpdateAll();
    std::map<QString, std::vector<CommandId>> keys;
    std::map<QString, std::vector<CommandId>> tableKeys;
    for (const CommandInfo& info : CommandTable::Commands()) {
        QAction* action = commands.Action(info.id);
        for (const QKeySequence& key : action->shortcuts())
            if (!key.isEmpty())
                keys[key.toString()].push_back(info.id);
        // The table writes each key once, in its shortcut columns; the menu text has none.
        EXPECT_FALSE(QString::fromUtf8(info.text).contains(u'\t')) << info.text;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(info.shortcut))) << info.text;
        for (const char* key : {info.shortcut, info.altShortcut})
            if (*key)
                tableKeys[QKeySequence(QString::fromLatin1(key)).toString(QKeySequence::PortableText)]
                    .push_back(info.id);
    }
    for (const auto& [key, ids] : keys)
        EXPECT_EQ(ids.size(), 1u) << key.toStdString() << " runs " << ids.size() << " commands";
    // No two rows, and no row's two keys, share a key sequence.
    for (const auto& [key, ids] : tableKeys)
        EXPECT_EQ(ids.size(), 1u) << key.toStdString() << " is written " << ids.size() << " times";
    EXPECT_EQ(keys["Ctrl+S"], std::vector<CommandId>{CommandId::FileSave});
    EXPECT_EQ(keys["Alt+Backspace"], std::vector<CommandId>{CommandId::Undo});
    // Undo's changing label shows the key of the table's Undo row.
    EXPECT_EQ(UndoLabel(UndoNothing).section(u'\t', 1),
              QKeySequence(QString::fromLatin1(CommandTable::Find(CommandId::Undo)->shortcut))
                  .toString(QKeySequence::PortableText));

    // The View menu carries the symmetry commands and Clear as well.
    QStringList view;
    for (QAction* menu : app.Frame()->menuBar()->actions())
        if (menu->text() == "&View")
            for (QAction* item : menu->menu()->actions())
                view.append(item->text());
    for (const char* item : {"Mirror &Horizontal", "&Polar Mirror", "&Move Center", "R&eset Center", "&Clear"})
        EXPECT_TRUE(view.contains(item)) << item;
}

// Every row of the command table has one home: exactly one registration, with exactly one
// handler and one update function. No row is exempt: the recent files' placeholder
// (CommandId::RecentFile) is a menu marker, not a row, and the commands still to come have
// no row yet.
TEST_F(DrawingWindowCommandsTest, EveryCommandHasOneHandlerAndOneUpdate)
{
    CDaubrixApp app(Hooks());
    ASSERT_TRUE(app.Start());
    const CommandRegistry& registry = app.Frame()->Commands().Registry();
    for (const CommandInfo& info : CommandTable::Commands()) {
        const CommandRegistry::Entry* entry = registry.Find(info.id);
        ASSERT_NE(entry, nullptr) << info.tooltip << " has no home";
        EXPECT_EQ(entry->registrations, 1) << info.tooltip;
        EXPECT_TRUE(entry->run) << info.tooltip;
        EXPECT_TRUE(entry->update) << info.tooltip;
    }
    EXPECT_EQ(CommandTable::Find(CommandId::RecentFile), nullptr);
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
    session.History().Clear();
    const auto focus = [](QWidget* w, QEvent::Type type) {
        QFocusEvent event(type, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(w, &event);
    };
    focus(view, QEvent::FocusOut);
    focus(view, QEvent::FocusIn);
    EXPECT_EQ(session.Slider().Minimum(), 0);
    EXPECT_EQ(session.Slider().Maximum(), 0);

    app.Frame()->Drawings().AddDrawing(QSize(200, 100));
    CDaubrixView* other = ActiveView(app);
    ASSERT_NE(other, view);
    focus(view, QEvent::FocusOut);
    Stroke(other->viewport(), {{20, 30}, {40, 30}});
    other->Session().Slider().SetRange(0, 0); // as if the slider had shown some other drawing
    focus(other, QEvent::FocusIn);
    EXPECT_EQ(other->Session().Slider().Maximum(), other->Session().Doc().Records().GlobCount());
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
    const QPoint centre = view->Session().Centre();
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
    EXPECT_FALSE(view->Session().Doc().HasBackgroundImage());
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
