#include "app/ui/PaletteList.h"

#include "app/CommandTable.h"

#include <QEvent>
#include <QWidget>

PaletteList::PaletteList(AppSettings& settings, QObject* parent)
    : QObject(parent), m_settings(settings)
{
}

void PaletteList::Register(const PaletteRegistration& palette)
{
    m_palettes.push_back(palette);
    palette.window->installEventFilter(this);
    ApplyPlacement(palette);
    if (m_settings.*palette.visible == 0)
        palette.window->hide();
    else if (palette.showCmd && m_settings.*palette.showCmd == 2)
        palette.window->showMinimized(); // the show state kept from the last run
    else
        palette.window->show();
}

const PaletteRegistration* PaletteList::Find(CommandId commandId) const
{
    for (const PaletteRegistration& palette : m_palettes) {
        if (palette.commandId == commandId)
            return &palette;
    }
    return nullptr;
}

void PaletteList::ApplyPlacement(const PaletteRegistration& palette)
{
    QWidget& window = *palette.window;
    if (palette.x2 && palette.y2) {
        const int width = m_settings.*palette.x2 - m_settings.*palette.x1;
        const int height = m_settings.*palette.y2 - m_settings.*palette.y1;
        if (width > 0 && height > 0)
            window.resize(width, height);
    }
    window.move(m_settings.*palette.x1, m_settings.*palette.y1);
}

bool PaletteList::IsVisible(CommandId commandId) const
{
    const PaletteRegistration* palette = Find(commandId);
    return palette && palette->window->isVisible();
}

void PaletteList::SetShown(const PaletteRegistration& palette, bool shown)
{
    m_settings.*palette.visible = shown ? 1 : 0;
    if (!shown) {
        palette.window->hide();
        return;
    }
    // Shown where it was: a hidden window keeps its geometry, but a window manager may not.
    const QPoint position = palette.window->pos();
    const QSize size = palette.window->size();
    palette.window->show();
    palette.window->resize(size);
    palette.window->move(position);
}

void PaletteList::Toggle(CommandId commandId)
{
    if (const PaletteRegistration* palette = Find(commandId))
        SetShown(*palette, !palette->window->isVisible());
}

std::vector<bool> PaletteList::Visibility() const
{
    std::vector<bool> shown;
    for (const PaletteRegistration& palette : m_palettes)
        shown.push_back(palette.window->isVisible());
    return shown;
}

void PaletteList::HideVisible()
{
    for (const PaletteRegistration& palette : m_palettes) {
        if (palette.window->isVisible())
            SetShown(palette, false);
    }
}

void PaletteList::ShowAgain(const std::vector<bool>& before)
{
    for (size_t i = 0; i < m_palettes.size() && i < before.size(); ++i) {
        if (before[i] && !m_palettes[i].window->isVisible())
            SetShown(m_palettes[i], true);
    }
}

void PaletteList::RecordPlacements() const
{
    for (const PaletteRegistration& palette : m_palettes) {
        const QRect place(palette.window->pos(), palette.window->size()); // frame position
        m_settings.*palette.x1 = place.x();
        m_settings.*palette.y1 = place.y();
        if (palette.x2 && palette.y2) {
            m_settings.*palette.x2 = place.x() + place.width();
            m_settings.*palette.y2 = place.y() + place.height();
        }
        if (palette.showCmd)
            m_settings.*palette.showCmd = palette.window->isMinimized() ? 2 : 1;
    }
}

bool PaletteList::eventFilter(QObject* watched, QEvent* event)
{
    // The palette's own close box hides it like its command does.
    if (event->type() == QEvent::Close) {
        for (const PaletteRegistration& palette : m_palettes) {
            if (palette.window == watched)
                m_settings.*palette.visible = 0;
        }
    }
    return QObject::eventFilter(watched, event);
}

PaletteRegistration PaletteRegistration::Shapes(QWidget* window)
{
    return {window, CommandId::ToggleShapes, &AppSettings::showShapesWindow, &AppSettings::shapesWindowFlags,
            &AppSettings::shapesWindowShowCmd, &AppSettings::shapesWindowX1, &AppSettings::shapesWindowY1,
            &AppSettings::shapesWindowX2, &AppSettings::shapesWindowY2};
}

PaletteRegistration PaletteRegistration::Colors(QWidget* window)
{
    return {window, CommandId::ToggleColors, &AppSettings::showColorsWindow, &AppSettings::colorsWindowFlags,
            &AppSettings::colorsWindowShowCmd, &AppSettings::colorsWindowX1, &AppSettings::colorsWindowY1,
            nullptr, nullptr};
}

PaletteRegistration PaletteRegistration::History(QWidget* window)
{
    return {window, CommandId::ToggleHistory, &AppSettings::showUndoSlider, &AppSettings::undoSliderFlags,
            &AppSettings::undoSliderShowCmd, &AppSettings::undoSliderX1, &AppSettings::undoSliderY1,
            nullptr, nullptr};
}
