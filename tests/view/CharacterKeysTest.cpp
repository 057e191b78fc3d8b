#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "FakePalettes.h"
#include "color/AutoChange.h"
#include "color/RandomGenerator.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeCommands.h"
#include "shapes/ShapeTable.h"
#include "view/CharacterKeys.h"
#include "view/ColorKeyRepaints.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"
#include "view/OneShotModes.h"

namespace {

// Families a (three sizes), b (medium only) and c (small and medium); one drawn glob.
struct KeyFixture
{
    KeyFixture()
    {
        std::vector<std::unique_ptr<CShape>> list;
        for (const char* name : {"a_0", "a_1", "a_2", "b_1", "c_0", "c_1"}) {
            QImage bitmap(3, 3, QImage::Format_RGB32);
            bitmap.fill(Qt::white);
            bitmap.setPixel(1, 1, qRgb(255, 0, 0));
            list.push_back(std::make_unique<CShape>(QString::fromLatin1(name) + ".bmp", bitmap));
        }
        shapes.Adopt(std::move(list)); // medium sizes are the ones shown
        shapes.PrepareAll();
        shapes.SetCurrentIndex(1);
        modes.jitter = false;
        modes.symmetry.polar = false;
        doc.NewDrawing(100, 100);
        DrawingTools tools{shapes, modes, autoChange, random, &palettes, &oneShot, nullptr, &repaints};
        session = std::make_unique<DrawingSession>(doc, tools);
        session->InitialUpdate();
        session->Strokes().Press({50, 50}, {});
        session->Strokes().Release();
    }

    KeyEffects Key(char c) { return CharacterKey(*session, QChar(c), repaints); }
    int Records() const { return doc.Records().ColorChangeCount(); }
    HsvColor LastRecord() const
    {
        return doc.Records().GetColorChange(Records() - 1)->Color();
    }

    ShapeTable shapes;
    DrawingModes modes;
    AutoChangeState autoChange;
    RandomGenerator random{3};
    OneShotModes oneShot;
    FakePalettes palettes;
    ColorKeyRepaints repaints;
    CDaubrixDoc doc{shapes};
    std::unique_ptr<DrawingSession> session;
};

TEST(CharacterKeys, ColourKeysWrapHueClampBytesAndAlwaysRecord)
{
    struct Row { char key; HsvColor before; HsvColor after; bool hueSatFlag; bool valueFlag; };
    const Row rows[] = {
        {'1', {358, 100, 100}, {0, 100, 100}, true, false},    // 363 wraps to 0
        {'q', {2, 100, 100}, {360, 100, 100}, true, false},    // -3 wraps to 360
        {'Q', {100, 100, 100}, {95, 100, 100}, true, false},
        {'2', {10, 250, 100}, {10, 255, 100}, true, false},    // clamps
        {'2', {10, 255, 100}, {10, 255, 100}, false, false},   // nothing changes, still recorded
        {'w', {10, 5, 100}, {10, 0, 100}, true, false},
        {'3', {10, 100, 250}, {10, 100, 255}, false, true},
        {'e', {10, 100, 0}, {10, 100, 0}, false, false},
    };
    for (const Row& r : rows) {
        KeyFixture f;
        f.shapes.Current().SetColor(r.before);
        f.session->Strokes().Press({60, 60}, {}); // a stroke: the repaints wait for the release
        const int recordsBefore = f.Records();
        const int colorsRepaintsBefore = f.palettes.colorsRepaints;
        const KeyEffects fx = f.Key(r.key);
        EXPECT_TRUE(fx.drawingChanged);
        EXPECT_EQ(f.shapes.Current().Color(), r.after) << r.key;
        EXPECT_EQ(f.palettes.shown, r.after);
        EXPECT_EQ(f.LastRecord(), r.after);
        EXPECT_GE(f.Records(), recordsBefore) << "a record at the end, new or updated";
        EXPECT_EQ(f.repaints.hueSaturation, r.hueSatFlag) << r.key;
        EXPECT_EQ(f.repaints.value, r.valueFlag) << r.key;
        EXPECT_EQ(f.palettes.colorsRepaints, colorsRepaintsBefore) << "no repaint during the stroke";
        f.session->Strokes().Release();
        EXPECT_EQ(f.palettes.colorsRepaints, colorsRepaintsBefore + (r.hueSatFlag || r.valueFlag ? 1 : 0));
        EXPECT_FALSE(f.repaints.Any()) << "the release painted what waited";
    }
}

TEST(CharacterKeys, ColourKeyOutsideAStrokeRepaintsAtOnce)
{
    KeyFixture f;
    f.shapes.Current().SetColor({10, 100, 100});
    f.Key('1');
    EXPECT_EQ(f.palettes.colorsRepaints, 1);
    EXPECT_FALSE(f.repaints.Any());
}

TEST(CharacterKeys, SizeKeysStepThroughTheFamilysSizesAndRecordOnlyWhenTheySendTheCommand)
{
    struct Row { int current; char key; int expected; bool recorded; };
    const Row rows[] = {
        {0, '+', 1, true}, {1, '=', 2, true}, {2, '+', 2, false}, // large: nothing
        {2, '-', 1, true}, {1, '-', 0, true}, {0, '-', 0, false},
        {3, '+', 3, true}, // b has no large size: the command goes, the shape stays
    };
    for (const Row& r : rows) {
        KeyFixture f;
        f.shapes.SetCurrentIndex(r.current);
        f.shapes.Current().SetColor({33, 44, 55});
        const std::vector<CColorChange> before = f.doc.Records().ColorChanges().Items();
        const KeyEffects fx = f.Key(r.key);
        EXPECT_EQ(f.shapes.CurrentIndex(), r.expected) << r.current << r.key;
        EXPECT_EQ(fx.updateCursor, r.recorded);
        if (r.recorded)
            EXPECT_EQ(f.LastRecord(), f.shapes.Current().Color());
        else
            EXPECT_EQ(f.doc.Records().ColorChanges().Items(), before) << "nothing recorded";
    }
}

TEST(CharacterKeys, FamilyKeysStepToTheShownSizeOfTheNextFamily)
{
    struct Row { int current; char key; int expected; bool found; };
    const Row rows[] = {
        {1, ']', 3, true},  // a (medium shown) -> b medium
        {3, ']', 5, true},  // b -> c medium
        {5, ']', 5, false}, // the last family: stays on its shown shape
        {4, ']', 5, false}, // on c's hidden small size: steps back onto the shown one
        {5, '[', 3, true},
        {1, '[', 1, false}, // the first family
    };
    for (const Row& r : rows) {
        KeyFixture f;
        f.shapes.SetCurrentIndex(r.current);
        const int shownBefore = f.palettes.chosenShapes;
        const KeyEffects fx = f.Key(r.key);
        EXPECT_EQ(f.shapes.CurrentIndex(), r.expected) << r.current << r.key;
        EXPECT_TRUE(f.shapes.Current().activeSize);
        EXPECT_EQ(fx.updateCursor, r.found);
        EXPECT_EQ(f.palettes.chosenShapes, shownBefore + (r.found ? 1 : 0));
    }
}

TEST(CharacterKeys, ModeKeysStayWithinTheirLimits)
{
    struct Row { char key; int DrawingModes::*field; int before; int after; };
    KeyFixture f;
    auto polar = [&]() -> int& { return f.modes.symmetry.polarCount; };
    const struct { char key; int before; int after; } polarRows[] = {
        {'4', 5, 6}, {'4', 50, 50}, {'r', 5, 4}, {'R', 2, 2}};
    for (const auto& r : polarRows) {
        polar() = r.before;
        f.Key(r.key);
        EXPECT_EQ(polar(), r.after) << r.key;
    }
    const Row rows[] = {
        {'5', &DrawingModes::jitterAmount, 7, 8}, {'5', &DrawingModes::jitterAmount, 8, 8},
        {'t', &DrawingModes::jitterAmount, 1, 1}, {'T', &DrawingModes::jitterAmount, 3, 2},
        {'6', &DrawingModes::skipValue, 9, 10},   {'6', &DrawingModes::skipValue, 10, 10},
        {'6', &DrawingModes::skipValue, 40, 40},  {'y', &DrawingModes::skipValue, 40, 39},
        {'Y', &DrawingModes::skipValue, 1, 1},
    };
    for (const Row& r : rows) {
        f.modes.*r.field = r.before;
        f.Key(r.key);
        EXPECT_EQ(f.modes.*r.field, r.after) << r.key;
    }
}

TEST(CharacterKeys, PolarKeysRedrawTheRubberBandOnlyInLinesAndTabStepsThePalettes)
{
    KeyFixture f;
    EXPECT_FALSE(f.Key('4').repaintRubberBand);
    f.modes.lines = true;
    EXPECT_TRUE(f.Key('4').repaintRubberBand);
    EXPECT_TRUE(f.Key('r').repaintRubberBand);
    EXPECT_FALSE(f.Key('5').repaintRubberBand);
    EXPECT_TRUE(f.Key('\t').stepPalettes);
    const KeyEffects nothing = f.Key('z');
    EXPECT_FALSE(nothing.stepPalettes || nothing.updateCursor || nothing.drawingChanged);
}

} // namespace
