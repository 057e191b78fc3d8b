#pragma once

#include <QPointer>

class CHelpDlg;
class CommandRegistry;
class QWidget;
struct FrameContext;

// The Help family: Tip of the Day, the help pages, What's This and the About box.
class HelpCommands final
{
public:
    HelpCommands(CommandRegistry& registry, FrameContext& context, QWidget& frame);

private:
    void Register(CommandRegistry& registry);
    void OnTipOfTheDay();
    void OnHelpTopics();
    void OnAbout();

    FrameContext& m_context;
    QWidget& m_frame;
    QPointer<CHelpDlg> m_help;
};
