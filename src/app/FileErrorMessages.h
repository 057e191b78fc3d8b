#pragma once

#include "model/DrawingFileErrors.h"
#include "model/UserMessage.h"

// What the user is told when a drawing file cannot be opened or saved: the one place the
// texts are spelled. An error of None gives an empty message.
UserMessage FileErrorMessage(LoadError error);
UserMessage FileErrorMessage(SaveError error);
