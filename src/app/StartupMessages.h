#pragma once

#include <QString>

// What the program and the command line say when no shape could be loaded at start-up.
QString ShapesNotFoundText();
