#pragma once

#include "imaging/BackgroundPlacement.h"

// What the Import Image dialog chooses; the program keeps one set for its run.
enum class ImportColors { Preserve, UseNew };
enum class ImportOrder { Ordered, FromImage };
enum class ImportBackground { Keep, Remove };

struct ImportSettings
{
    ImportColors colors = ImportColors::Preserve;
    int colorSlider = 5; // 1 "fewer" .. 10 "more" colour changes
    ImportOrder order = ImportOrder::FromImage;
    ImportBackground background = ImportBackground::Remove;
    int globSlider = 5; // 1 "fewer" .. 10 "more" globs
    BackgroundSizing size = BackgroundSizing::Normal; // fitted as a background is
};
