#pragma once

#include <QObject>
#include <QPoint>

class CDaubrixView;
class CommandActions;

// The drawing window's own menu at the pointer: Save Image, Regenerate, Clear, Background
// Color, Load and Remove background, each running the program's command of that name and
// enabled and checked as it is. The click that closes the menu never reaches the drawing.
class ViewContextMenu final : public QObject
{
public:
    explicit ViewContextMenu(CommandActions& actions) : m_actions(actions) {}

    void AdoptView(CDaubrixView* view);
    void Show(CDaubrixView& view, QPoint globalPos);

private:
    CommandActions& m_actions;
};
