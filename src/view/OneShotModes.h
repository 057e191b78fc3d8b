#pragma once

// Modes that last for one click: the next press in a drawing window is theirs. They belong
// to the application and are cleared whenever a drawing window is created.
struct OneShotModes
{
    bool moveCentre = false;
    bool sampleColour = false;
    bool sampleShape = false;

    bool AnyOn() const { return moveCentre || sampleColour || sampleShape; }

    // Ends the first active mode, in the order a press serves them; false when none was on.
    bool EndFirst()
    {
        for (bool* mode : {&moveCentre, &sampleColour, &sampleShape}) {
            if (*mode) {
                *mode = false;
                return true;
            }
        }
        return false;
    }
};
