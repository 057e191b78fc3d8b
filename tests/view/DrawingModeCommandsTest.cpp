#include "SessionFixture.h"

#include <gtest/gtest.h>

#include "view/DrawingModeCommands.h"
#include "view/OneShotModes.h"
#include "view/UndoState.h"

namespace {

using Command = ModeEffects (*)(DrawingModes&, CtrlKey, const ModeDialog&);

bool& SettingOf(DrawingModes& m, Command command)
{
    if (command == &LinesCommand)
        return m.lines;
    if (command == &JitterCommand)
        return m.jitter;
    return m.skipping;
}

// A dialog that must not appear.
bool NoDialog(DrawingModes&)
{
    ADD_FAILURE() << "the dialog ran";
    return false;
}

TEST(DrawingModeCommands, CtrlTogglesAndAModeLeftOnEndsPatternDrawing)
{
    struct Row { Command command; bool on; bool pattern; bool expectPattern; };
    const Row rows[] = {
        {&LinesCommand, false, true, false}, {&LinesCommand, true, true, true},
        {&JitterCommand, false, true, false}, {&JitterCommand, true, true, true},
        {&SkippingCommand, false, true, false}, {&SkippingCommand, true, false, false},
    };
    for (const Row& r : rows) {
        DrawingModes m;
        SettingOf(m, r.command) = r.on;
        m.patternMode = r.pattern;
        const ModeEffects fx = r.command(m, CtrlKey::Held, NoDialog);
        EXPECT_EQ(SettingOf(m, r.command), !r.on);
        EXPECT_EQ(m.patternMode, r.expectPattern);
        EXPECT_EQ(fx.updateCursor, r.pattern && !r.expectPattern);
    }
}

TEST(DrawingModeCommands, PlainCommandRunsTheDialogAndCancelStillEndsPatternWhenModeIsOn)
{
    for (Command command : {&LinesCommand, &JitterCommand, &SkippingCommand}) {
        DrawingModes m;
        SettingOf(m, command) = false;
        m.patternMode = true;
        int shown = 0;
        const ModeDialog cancel = [&](DrawingModes&) { ++shown; return false; };
        command(m, CtrlKey::Up, cancel);
        EXPECT_EQ(shown, 1);
        EXPECT_TRUE(m.patternMode) << "cancelled with the mode off";
        SettingOf(m, command) = true;
        command(m, CtrlKey::Up, cancel);
        EXPECT_FALSE(m.patternMode) << "cancelled with the mode on";
        const ModeDialog turnOff = [&](DrawingModes& d) { SettingOf(d, command) = false; return true; };
        command(m, CtrlKey::Up, turnOff);
        EXPECT_FALSE(SettingOf(m, command));
    }
}

TEST(DrawingModeCommands, LinesOnClearsTheAnchorAndLinesOffRepaintsTheBand)
{
    struct Row { bool before; CtrlKey ctrl; bool dialogSets; bool clearAnchor; bool repaintBand; };
    const Row rows[] = {
        {false, CtrlKey::Held, false, true, false},
        {true, CtrlKey::Held, false, false, true},
        {false, CtrlKey::Up, true, true, false},
        {true, CtrlKey::Up, true, false, false}, // density change only
        {true, CtrlKey::Up, false, false, true},
        {false, CtrlKey::Up, false, false, false},
    };
    for (const Row& r : rows) {
        DrawingModes m;
        m.lines = r.before;
        const ModeEffects fx = LinesCommand(m, r.ctrl, [&](DrawingModes& d) {
            d.lines = r.dialogSets;
            return true;
        });
        EXPECT_EQ(fx.clearLineAnchor, r.clearAnchor) << r.before << r.dialogSets;
        EXPECT_EQ(fx.repaintRubberBand, r.repaintBand) << r.before << r.dialogSets;
    }
}

struct Sym { bool h, v, b, polar; };

Sym Read(const SymmetrySettings& s) { return {s.mirrorHorizontal, s.mirrorVertical, s.mirrorBoth, s.polar}; }

void Write(SymmetrySettings& s, Sym v)
{
    s.mirrorHorizontal = v.h;
    s.mirrorVertical = v.v;
    s.mirrorBoth = v.b;
    s.polar = v.polar;
}

bool operator==(Sym a, Sym b) { return a.h == b.h && a.v == b.v && a.b == b.b && a.polar == b.polar; }

TEST(DrawingModeCommands, AMirrorSwitchedOnSwitchesTheOtherFamiliesOff)
{
    struct Row { Mirror which; Sym before; Sym after; };
    const Row rows[] = {
        {Mirror::Horizontal, {false, true, true, true}, {true, false, false, false}},
        {Mirror::Vertical, {true, false, true, true}, {false, true, false, false}},
        {Mirror::Both, {true, true, false, true}, {false, false, true, false}},
        // Switching one off leaves the rest as they were (settings may combine them).
        {Mirror::Horizontal, {true, true, false, true}, {false, true, false, true}},
        {Mirror::Both, {false, true, true, false}, {false, true, false, false}},
    };
    for (const Row& r : rows) {
        DrawingModes m;
        Write(m.symmetry, r.before);
        MirrorCommand(m, r.which);
        EXPECT_TRUE(Read(m.symmetry) == r.after) << int(r.which);
    }
}

TEST(DrawingModeCommands, PolarOnAfterTheCommandSwitchesEveryMirrorOff)
{
    struct Row { CtrlKey ctrl; bool dialogResult; bool dialogPolar; Sym before; Sym after; };
    const Row rows[] = {
        {CtrlKey::Held, false, false, {true, true, true, false}, {false, false, false, true}},
        {CtrlKey::Held, false, false, {false, false, false, true}, {false, false, false, false}},
        {CtrlKey::Up, true, true, {false, true, false, false}, {false, false, false, true}},
        {CtrlKey::Up, true, false, {true, false, false, true}, {true, false, false, false}},
        // Cancel with polar on and mirrors read from the settings: the command still tidies.
        {CtrlKey::Up, false, false, {true, false, true, true}, {false, false, false, true}},
    };
    for (const Row& r : rows) {
        DrawingModes m;
        Write(m.symmetry, r.before);
        PolarMirrorCommand(m, r.ctrl, [&](DrawingModes& d) {
            if (r.dialogResult)
                d.symmetry.polar = r.dialogPolar;
            return r.dialogResult;
        });
        EXPECT_TRUE(Read(m.symmetry) == r.after);
    }
}

TEST(DrawingModeCommands, SymmetryAndCentreCommandsRepaintTheBandOnlyWithLinesOn)
{
    for (bool lines : {false, true}) {
        SessionFixture f;
        f.modes.lines = lines;
        const auto none = [](DrawingModes&) { return false; };
        EXPECT_EQ(MirrorCommand(f.modes, Mirror::Vertical).repaintRubberBand, lines);
        EXPECT_EQ(PolarMirrorCommand(f.modes, CtrlKey::Up, none).repaintRubberBand, lines);
        EXPECT_EQ(ResetCenterCommand(*f.session).repaintRubberBand, lines);
        OneShotModes oneShot;
        EXPECT_EQ(MoveCenterCommand(f.modes, oneShot).repaintRubberBand, lines);
    }
}

TEST(DrawingModeCommands, MoveCenterClickIsUndoableAndLeavesNoSection)
{
    SessionFixture f;
    f.Stroke({{10, 10}, {12, 10}});
    f.modes.lines = true;
    OneShotModes& oneShot = f.oneShot;
    const QPoint oldCentre = f.session->Centre();

    ModeEffects fx = MoveCenterCommand(f.modes, oneShot);
    EXPECT_TRUE(oneShot.moveCentre);
    EXPECT_TRUE(fx.movePointerToCentre);
    EXPECT_FALSE(f.modes.lines);
    EXPECT_TRUE(f.modes.savedLines);

    fx = MoveCenterPress(*f.session, {40, 30});
    EXPECT_EQ(f.session->Centre(), QPoint(40, 30));
    EXPECT_EQ(f.doc.UndoState(), UndoMoveCenter);
    EXPECT_TRUE(f.modes.lines);
    EXPECT_TRUE(fx.repaintRubberBand);
    const int sections = f.doc.Records().CurrentSections().count;
    EXPECT_TRUE(f.session->Strokes().Release()); // the release ends the mode
    EXPECT_EQ(f.doc.Records().CurrentSections().count, sections);
    EXPECT_FALSE(oneShot.moveCentre);
    EXPECT_EQ(f.doc.Records().GlobCount(), 2);

    f.session->History().Undo();
    EXPECT_EQ(f.session->Centre(), oldCentre);
    f.session->History().Undo();
    EXPECT_EQ(f.session->Centre(), QPoint(40, 30));
}

TEST(DrawingModeCommands, LeavingMoveCenterKeepsOrRestoresLines)
{
    DrawingModes m;
    m.lines = true;
    OneShotModes oneShot;
    MoveCenterCommand(m, oneShot);
    MoveCenterCommand(m, oneShot); // the command again: Lines stays off
    EXPECT_FALSE(oneShot.moveCentre);
    EXPECT_FALSE(m.lines);

    m.lines = true;
    MoveCenterCommand(m, oneShot);
    const ModeEffects fx = CancelOneShotMode(m, oneShot); // Esc or right button
    EXPECT_FALSE(oneShot.moveCentre);
    EXPECT_TRUE(m.lines);
    EXPECT_TRUE(fx.updateCursor && fx.repaintRubberBand);
    EXPECT_FALSE(CancelOneShotMode(m, oneShot).updateCursor);
}

TEST(DrawingModeCommands, MoveCenterDuringSamplingKeepsTheLinesAlreadyPutAside)
{
    DrawingModes m;
    m.lines = false;
    m.savedLines = true; // sampling suspended Lines
    OneShotModes oneShot;
    oneShot.sampleColour = true;
    MoveCenterCommand(m, oneShot);
    CancelOneShotMode(m, oneShot); // ends move-centre first
    EXPECT_TRUE(oneShot.sampleColour);
    EXPECT_TRUE(m.lines);
}

TEST(DrawingModeCommands, ResetCenterIsNotRecordedForUndo)
{
    SessionFixture f;
    f.session->MoveCentre(QPoint(5, 5));
    f.doc.SetUndoState(UndoDrawing);
    ResetCenterCommand(*f.session);
    EXPECT_EQ(f.session->Centre(), ResetCentre(200, 100));
    EXPECT_EQ(f.doc.UndoState(), UndoDrawing);
}

TEST(DrawingModeCommands, RubberBandAreaCoversEveryCopyAndVanishesWithLines)
{
    SessionFixture f;
    f.modes.lines = true;
    f.modes.symmetry.mirrorHorizontal = true;
    f.session->MoveCentre(QPoint(100, 50));
    f.session->Strokes().LinesClick({20, 10}, false);
    f.session->Strokes().MoveRubberBand({30, 40});
    // The band 20,10-30,40 and its mirror 180,10-170,40.
    EXPECT_EQ(RubberBandArea(f.session->Strokes()), QRect(QPoint(19, 9), QPoint(181, 41)));
    f.modes.lines = false;
    EXPECT_TRUE(RubberBandArea(f.session->Strokes()).isNull());
}

} // namespace
