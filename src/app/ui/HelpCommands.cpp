#include "app/ui/HelpCommands.h"

#include <QSettings>
#include <QWhatsThis>

#include "app/ui/CAboutDlg.h"
#include "app/ui/CHelpDlg.h"
#include "app/ui/CTipDlg.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/FrameContext.h"

using enum CommandId;

HelpCommands::HelpCommands(CommandRegistry& registry, FrameContext& context, QWidget& frame)
    : m_context(context), m_frame(frame)
{
    Register(registry);
}

void HelpCommands::Register(CommandRegistry& registry)
{
    registry.Add(TipOfTheDay, [this] { OnTipOfTheDay(); }, CommandRegistry::AlwaysEnabled);
    registry.Add(HelpTopics, [this] { OnHelpTopics(); }, CommandRegistry::AlwaysEnabled);
    registry.Add(ContextHelp, [] { QWhatsThis::enterWhatsThisMode(); },
                 CommandRegistry::AlwaysEnabled);
    registry.Add(About, [this] { OnAbout(); }, CommandRegistry::AlwaysEnabled);
}

void HelpCommands::OnTipOfTheDay()
{
    QSettings store(QStringLiteral("Zentrik"), QStringLiteral("Daubrix"));
    CTipDlg dialog(m_context.programFolder + QStringLiteral("tips.txt"), store, &m_frame);
    m_context.runModal(dialog);
}

void HelpCommands::OnHelpTopics()
{
    if (!m_help) {
        m_help = new CHelpDlg(m_context.programFolder + QStringLiteral("help/index.html"), &m_frame);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
}

void HelpCommands::OnAbout()
{
    CAboutDlg dialog(&m_frame);
    m_context.runModal(dialog);
}
