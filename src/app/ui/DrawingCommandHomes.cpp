#include "app/ui/DrawingCommandHomes.h"

#include "app/ui/CMainFrame.h"
#include "app/ui/CommandActions.h"

DrawingCommandHomes::DrawingCommandHomes(CMainFrame& frame, const DrawingTools& tools)
    : m_views(*frame.Workspace()),
      m_historyLink(frame, m_views, *frame.Workspace()),
      m_viewLink(m_views, *frame.Workspace(), frame, tools.shapes),
      m_edit(frame.Commands().Registry(), m_views, *tools.oneShot, frame),
      m_modes(frame.Commands().Registry(), m_views, tools.modes, *tools.oneShot, frame),
      m_transfers(frame.Commands().Registry(), m_views, *tools.transfers, tools.modes, frame),
      m_drift(frame.Commands().Registry(), m_views, tools.autoChange, tools.shapes, tools.random,
              frame),
      m_depth(frame.Commands().Registry(), m_views, frame, frame),
      m_background(frame.Commands().Registry(), m_views, frame, frame),
      m_import(frame.Commands().Registry(), m_views, frame, frame),
      m_imageSave(frame.Commands().Registry(), m_views, frame),
      m_contextMenu(frame.Commands())
{
}
