#pragma once

class AutoChangeState;
class CommandRegistry;
class QWidget;
class RandomGenerator;
class ShapeTable;
class WorkspaceViews;

// The Colors family: AutoChange Hue, Sat and Val let the current colour drift while drawing;
// Background Color puts the current colour under the whole drawing.
class ColorDriftCommands final
{
public:
    ColorDriftCommands(CommandRegistry& registry, const WorkspaceViews& views,
                       AutoChangeState& drift, ShapeTable& shapes, RandomGenerator& random,
                       QWidget& dialogParent);

private:
    void Register(CommandRegistry& registry);

    const WorkspaceViews& m_views;
    AutoChangeState& m_drift;
    ShapeTable& m_shapes;
    RandomGenerator& m_random;
    QWidget& m_dialogParent;
};
