#pragma once

#include "color/AutoChange.h"

// The view's AutoChange commands without their dialog: Ctrl switches a channel on or off
// directly; a dialog's answer is stored and started.
enum class CtrlHeld { No, Yes };

// Hue turns on as Up, saturation and value as Up & Down; any mode that is on turns off.
// The speed stays. Starts the channel when it is now on.
void ToggleAutoChange(AutoChangeState& state, AutoChannel channel, const HsvColor& current,
                      RandomGenerator& random);

// Stores a mode and speed chosen in the channel's dialog and starts the channel.
void SetAutoChange(AutoChangeState& state, AutoChannel channel, std::uint8_t mode,
                   std::uint8_t speed, const HsvColor& current, RandomGenerator& random);
