#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include "ToolbarIds.h"
#include "app/CommandIcons.h"
#include "app/CommandTable.h"

namespace
{
// The last picture in CommandIcon; move this along when a picture is added after it.
constexpr CommandIcon kLastIcon = CommandIcon::SimulateDepth;

std::vector<CommandIcon> AllIcons()
{
    std::vector<CommandIcon> icons;
    for (int value = 1; value <= static_cast<int>(kLastIcon); ++value)
        icons.push_back(static_cast<CommandIcon>(value));
    return icons;
}

// Why a picture would not read on a toolbar, or empty when it is fine.
std::string Unreadable(const QImage& image, int side)
{
    if (image.isNull() || image.width() != side || image.height() != side)
        return "wrong size or null";
    QSet<QRgb> opaque;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                opaque.insert(image.pixel(x, y));
    if (opaque.isEmpty())
        return "no opaque pixels";
    return opaque.size() == 1 ? "a single colour" : "";
}

} // namespace

TEST(CommandIcons, EveryToolbarCommandInTheTableHasAPicture)
{
    int checked = 0;
    for (CommandId id : ToolbarIds()) {
        const CommandInfo* info = CommandTable::Find(id);
        if (id == CommandId::Separator || info == nullptr)
            continue;
        EXPECT_NE(info->icon, CommandIcon::None) << info->tooltip;
        ++checked;
    }
    EXPECT_GE(checked, 18); // three file commands, help and all of Toolbar 2 that exists
}

TEST(CommandIcons, EveryPictureReadsAtBothSizesAndNoTwoAreAlike)
{
    std::vector<QImage> small;
    for (CommandIcon icon : AllIcons()) {
        const int value = static_cast<int>(icon);
        for (int side : {16, 32})
            EXPECT_EQ(Unreadable(CommandIcons::Paint(icon, side), side), "")
                << "icon " << value << " at " << side;
        small.push_back(CommandIcons::Paint(icon, 16));
    }
    for (size_t a = 0; a < small.size(); ++a)
        for (size_t b = a + 1; b < small.size(); ++b)
            EXPECT_NE(small[a], small[b]) << "icons " << a + 1 << " and " << b + 1;
}

TEST(CommandIcons, NoPictureForNoneOrAnEmptySize)
{
    EXPECT_TRUE(CommandIcons::Paint(CommandIcon::None, 16).isNull());
    EXPECT_TRUE(CommandIcons::Paint(CommandIcon::Undo, 0).isNull());
    EXPECT_TRUE(CommandIcons::Paint(CommandIcon::Undo, -4).isNull());
}
