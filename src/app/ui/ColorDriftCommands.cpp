#include "app/ui/ColorDriftCommands.h"

#include <QAction>

#include "app/CommandTable.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/CtrlKeyHeld.h"
#include "app/ui/WorkspaceViews.h"
#include "color/AutoChange.h"
#include "color/ui/CAutoChangeDlg.h"
#include "shapes/ShapeTable.h"
#include "view/PaletteLink.h"
#include "view/ui/CDaubrixView.h"

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
    for (const auto& [id, boundChannel] : drift) {
        const AutoChannel channel = boundChannel; // a lambda may capture a variable, not a binding
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
    registry.Add(
        BackgroundColor,
        [this] {
            if (CDaubrixView* v = m_views.Active()) {
                const PaletteLink* palettes = v->Session().Tools().palettes;
                v->Session().SetBackgroundColor(palettes ? palettes->ColorsWindowColor()
                                                         : m_shapes.Current().Color());
                v->Refresh();
                emit v->DrawingChanged();
            }
        },
        [this](QAction& a) { m_views.EnableWhileActive(a); });
}
