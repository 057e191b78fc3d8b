#include "app/ui/ColorDriftCommands.h"

#include <QAction>

#include "app/CommandTable.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/CtrlKeyHeld.h"
#include "app/ui/WorkspaceViews.h"
#include "color/AutoChange.h"
#include "color/ui/CAutoChangeDlg.h"
#include "shapes/ShapeTable.h"

using enum CommandId;

ColorDriftCommands::ColorDriftCommands(CommandRegistry& registry, const WorkspaceViews& views,
                                       AutoChangeState& drift, ShapeTable& shapes,
                                       RandomGenerator& random, QWidget& dialogParent)
    : m_views(views), m_drift(drift), m_shapes(shapes), m_random(random),
      m_dialogParent(dialogParent)
{
    Register(registry);
}

void ColorDriftCommands::Register(CommandRegistry& registry)
{
    const std::pair<CommandId, AutoChannel> drift[] = {
        {AutoChangeHue, AutoChannel::Hue}, {AutoChangeSat, AutoChannel::Saturation}, {AutoChangeVal, AutoChannel::Value}};
    for (auto [id, channel] : drift) {
        registry.Add(
            id,
            [this, channel] {
                CAutoChangeDlg::RunCommand(channel, CtrlKeyHeld(), m_drift, m_shapes.Current().Color(),
                                           m_random, &m_dialogParent);
            },
            [this, channel](QAction& a) {
                m_views.EnableWhileActive(a);
                a.setChecked(m_drift.Channel(channel).mode != AutoOff);
            });
    }
}
