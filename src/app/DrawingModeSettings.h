#pragma once

class AppSettings;
class AutoChangeState;
struct DrawingModes;

// The drawing modes and the colour drift as the settings store keeps them.
void ModesFromSettings(const AppSettings& settings, DrawingModes& modes, AutoChangeState& drift);
void ModesToSettings(const DrawingModes& modes, const AutoChangeState& drift, AppSettings& settings);
