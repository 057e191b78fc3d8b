#pragma once

class QString;
class QWidget;

// The start-up question about drawings a run that did not end cleanly left behind.
namespace RecoveryQuestion
{
enum class Answer { Recover, Discard, Later };

QString Text(int count);
// Closing the box without a choice is Later: nothing is lost.
Answer Ask(QWidget* parent, int count);
} // namespace RecoveryQuestion
