#pragma once

// The New Drawing dialog's last answer, offered again for the next new drawing of the run.
struct NewDrawingChoice
{
    int width = 400;
    int height = 400;
    bool lockAspect = false;
};
