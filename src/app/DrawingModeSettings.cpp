#include "app/DrawingModeSettings.h"

#include "app/AppSettings.h"
#include "color/AutoChange.h"
#include "view/DrawingModes.h"

void ModesFromSettings(const AppSettings& s, DrawingModes& modes, AutoChangeState& drift)
{
    modes.lines = s.LineMode != 0;
    modes.lineDensity = s.LineDensity;
    modes.jitter = s.Jitter != 0;
    modes.jitterAmount = s.JitterAmount;
    modes.skipping = s.Skipping != 0;
    modes.skipValue = s.SkippingAmount;
    modes.skipMultiplier = s.SkipMultiplier;
    modes.symmetry.mirrorHorizontal = s.MirrorHorizontal != 0;
    modes.symmetry.mirrorVertical = s.MirrorVertical != 0;
    modes.symmetry.mirrorBoth = s.MirrorBoth != 0;
    modes.symmetry.polar = s.Polar != 0;
    modes.symmetry.polarCount = s.PolarCount;
    const std::pair<int, int> channels[] = {{s.AutoHue, s.AutoHueSpeed}, {s.AutoSat, s.AutoSatSpeed},
                                            {s.AutoVal, s.AutoValSpeed}};
    for (int i = 0; i < 3; ++i) {
        AutoChangeChannel& ch = drift.Channel(AutoChannel(i));
        ch.mode = std::uint8_t(channels[i].first);
        ch.speed = std::uint8_t(channels[i].second);
    }
}

void ModesToSettings(const DrawingModes& modes, const AutoChangeState& drift, AppSettings& s)
{
    s.LineMode = modes.lines;
    s.LineDensity = modes.lineDensity;
    s.Jitter = modes.jitter;
    s.JitterAmount = modes.jitterAmount;
    s.Skipping = modes.skipping;
    s.SkippingAmount = modes.skipValue;
    s.SkipMultiplier = modes.skipMultiplier;
    s.MirrorHorizontal = modes.symmetry.mirrorHorizontal;
    s.MirrorVertical = modes.symmetry.mirrorVertical;
    s.MirrorBoth = modes.symmetry.mirrorBoth;
    s.Polar = modes.symmetry.polar;
    s.PolarCount = modes.symmetry.polarCount;
    s.AutoHue = drift.Channel(AutoChannel::Hue).mode;
    s.AutoHueSpeed = drift.Channel(AutoChannel::Hue).speed;
    s.AutoSat = drift.Channel(AutoChannel::Saturation).mode;
    s.AutoSatSpeed = drift.Channel(AutoChannel::Saturation).speed;
    s.AutoVal = drift.Channel(AutoChannel::Value).mode;
    s.AutoValSpeed = drift.Channel(AutoChannel::Value).speed;
}
