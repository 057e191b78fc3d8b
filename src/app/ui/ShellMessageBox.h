#pragma once

#include <functional>

#include "model/UserMessage.h"

class QWidget;

// The one place a message reaches the user: the program's exact text with its icon.
namespace ShellMessageBox
{
enum class Buttons { Ok, OkCancel, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

Answer Show(QWidget* parent, const UserMessage& message, Buttons buttons = Buttons::Ok);

// Tests answer messages themselves instead of opening boxes; an empty presenter restores
// the boxes.
using Presenter = std::function<Answer(const UserMessage&, Buttons)>;
void SetPresenter(Presenter presenter);
} // namespace ShellMessageBox
