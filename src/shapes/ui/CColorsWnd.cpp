#include "shapes/ui/CColorsWnd.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "color/ColorButtonArt.h"
#include "color/ColorConversion.h"
#include "color/ColorsLayout.h"
#include "color/PaletteFiles.h"
#include "color/RandomGenerator.h"
#include "shapes/ColorPalette.h"

using namespace ColorsLayout;

namespace {

void DrawHollowRect(QPainter& p, const QRect& r, const QColor& color)
{
    p.fillRect(r.left(), r.top(), r.width(), 1, color);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, color);
    p.fillRect(r.left(), r.top(), 1, r.height(), color);
    p.fillRect(r.right(), r.top(), 1, r.height(), color);
}

QColor Shown(const HsvColor& color)
{
    return QColor::fromRgb(ToQRgb(HsvColorToRgb(color)));
}

} // namespace

CColorsWnd::CColorsWnd(ColorPalette& palette, RandomGenerator& random,
                       const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs(PaletteDialogs::Standard(this)), m_palette(palette), m_random(random),
      m_programFolder(programFolder), m_field(BuildHueSaturationImage()), m_bar(BuildValueImage())
{
    setWindowTitle(tr("Colors"));
    setFixedSize(kClientWidth, kClientHeight);
    auto* values = MakeButton(int(ColorButton::Values), kValuesButton, tr("Color values"));
    auto* previous = MakeButton(int(ColorButton::Previous), kPreviousButton, tr("Previous color"));
    auto* next = MakeButton(int(ColorButton::Next), kNextButton, tr("Next color"));
    connect(values, &QPushButton::clicked, this, &CColorsWnd::OnColorValues);
    connect(previous, &QPushButton::clicked, this, &CColorsWnd::OnPreviousColor);
    connect(next, &QPushButton::clicked, this, &CColorsWnd::OnNextColor);
    m_palette.colorsChanged = [this] { update(); };
    ReadHistoryFile(PaletteFiles::LastRunReadPath(PaletteFiles::kLastHistoryName, m_programFolder));
}

CColorsWnd::~CColorsWnd()
{
    m_palette.colorsChanged = nullptr;
    WriteHistoryFile(PaletteFiles::LastRunWritePath(PaletteFiles::kLastHistoryName));
}

QPushButton* CColorsWnd::MakeButton(int art, const QRect& place, const QString& tip)
{
    auto* button = new QPushButton(this);
    const QImage image = ColorButtonArt(ColorButton(art));
    button->setIcon(QPixmap::fromImage(image));
    button->setIconSize(image.size());
    button->setGeometry(place);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void CColorsWnd::AddToHistory()
{
    m_palette.AddToHistory();
}

void CColorsWnd::ApplyCurrentColor()
{
    m_palette.ApplyCurrentColor();
    update();
}

bool CColorsWnd::ReadHistoryFile(const QString& path)
{
    const auto bytes = PaletteFiles::ReadSmallFile(path);
    if (!bytes)
        return false;
    const auto loaded = ColorHistory::Parse(*bytes);
    if (!loaded) {
        dialogs.message(tr("Not a valid Color file!"));
        return false;
    }
    m_palette.AdoptHistory(*loaded);
    update();
    return true;
}

bool CColorsWnd::WriteHistoryFile(const QString& path)
{
    if (PaletteFiles::WriteWholeFile(path, m_palette.History().Serialize()))
        return true;
    dialogs.message(tr("Error writing file"));
    return false;
}

void CColorsWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    PaintField(p);
    PaintBar(p);
    PaintSwatch(p);
    PaintStrip(p);
}

void CColorsWnd::PaintField(QPainter& p)
{
    p.drawImage(kFieldOrigin, m_field);
    DrawHollowRect(p, FieldMarker(m_palette.current), Qt::black);
    DrawSunkenFrame(p, kFieldFrame);
}

void CColorsWnd::PaintBar(QPainter& p)
{
    p.drawImage(kBarOrigin, m_bar);
    DrawHollowRect(p, BarMarker(m_palette.current), Qt::red);
    DrawSunkenFrame(p, kBarFrame);
}

void CColorsWnd::PaintSwatch(QPainter& p)
{
    p.fillRect(kSwatch, Shown(m_palette.current));
    DrawSunkenFrame(p, kSwatchFrame);
}

void CColorsWnd::PaintStrip(QPainter& p)
{
    const ColorHistory& history = m_palette.History();
    for (int i = 0; i < history.Count(); ++i)
        p.fillRect(StripCell(i), Shown(history.Entry(i)));
    if (history.Count() < kStripCells)
        p.fillRect(StripRest(history.Count()), palette().color(QPalette::Button));
    DrawSunkenFrame(p, kStripFrame);
    QRect mark = StripSelection(history.CurrentIndex());
    const QColor colors[] = {Qt::white, Qt::black, Qt::white, Qt::black};
    for (const QColor& color : colors) {
        DrawHollowRect(p, mark, color);
        mark.adjust(1, 1, -1, -1);
    }
}

// Shadow on the left and top, highlight on the right and bottom: the area looks pressed in.
void CColorsWnd::DrawSunkenFrame(QPainter& p, const QRect& around)
{
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const int l = around.left(), t = around.top(), r = around.right(), b = around.bottom();
    p.fillRect(l, t + 1, 1, b - t, shadow);
    p.fillRect(l, t, r - l, 1, shadow);
    p.fillRect(r, t, 1, b - t, light);
    p.fillRect(l + 1, b, r - l, 1, light);
}

void CColorsWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const int entry = StripIndexAt(point, m_palette.History().Count());
    if (InField(point))
        m_drag = Drag::Field;
    else if (InBar(point))
        m_drag = Drag::Bar;
    else if (entry >= 0)
        m_palette.SelectEntry(entry);
    if (m_drag != Drag::None)
        PickAt(point);
    update();
}

void CColorsWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag == Drag::None)
        return;
    PickAt(event->position().toPoint());
    UpdateDragArea();
}

void CColorsWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None)
        return;
    m_drag = Drag::None;
    m_palette.ApplyCurrentColor();
    m_palette.AddToHistory();
    update();
}

// While dragging only the colour shown changes; the shape follows on release.
void CColorsWnd::PickAt(QPoint point)
{
    HsvColor& c = m_palette.current;
    if (m_drag == Drag::Field) {
        c.hue = std::int16_t(HueAt(point.x()));
        c.saturation = std::uint8_t(LevelAt(point.y()));
    } else {
        c.value = std::uint8_t(LevelAt(point.y()));
    }
}

void CColorsWnd::UpdateDragArea()
{
    update(m_drag == Drag::Field ? kFieldFrame : kBarFrame);
    update(kSwatch);
}

QMenu* CColorsWnd::CreateContextMenu()
{
    auto* menu = new QMenu(this);
    const bool several = m_palette.History().Count() >= 2;
    menu->addAction(tr("&Random color"), this, &CColorsWnd::OnRandomColor);
    menu->addSeparator();
    menu->addAction(tr("&Delete color"), this, &CColorsWnd::OnDeleteColor)->setEnabled(several);
    menu->addAction(tr("&Clear all colors"), this, &CColorsWnd::OnClearAllColors)->setEnabled(several);
    menu->addSeparator();
    menu->addAction(tr("&Save colors"), this, &CColorsWnd::OnSaveColors);
    menu->addAction(tr("&Load colors"), this, &CColorsWnd::OnLoadColors);
    return menu;
}

void CColorsWnd::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CColorsWnd::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    emit closedByUser();
}

void CColorsWnd::OnColorValues()
{
    const auto chosen = dialogs.enterValues(m_palette.current);
    if (!chosen)
        return;
    m_palette.current = *chosen;
    m_palette.AddToHistory();
    ApplyCurrentColor();
}

void CColorsWnd::OnPreviousColor()
{
    m_palette.StepPrevious();
}

void CColorsWnd::OnNextColor()
{
    m_palette.StepNext();
}

void CColorsWnd::OnRandomColor()
{
    m_palette.current = RandomColor(m_random);
    m_palette.ApplyCurrentColor();
    m_palette.AddToHistory();
}

void CColorsWnd::OnDeleteColor()
{
    if (m_palette.History().Count() >= 2 && dialogs.confirm(CConfirmDlg::Question::DeleteColor))
        m_palette.DeleteCurrentEntry();
}

void CColorsWnd::OnClearAllColors()
{
    if (m_palette.History().Count() >= 2 && dialogs.confirm(CConfirmDlg::Question::DeleteAllColors))
        m_palette.ClearHistory();
}

void CColorsWnd::OnSaveColors()
{
    const QString path = dialogs.chooseFile(PaletteDialogs::FileKind::ColorHistory,
                                            PaletteDialogs::FileAction::Save);
    if (!path.isEmpty())
        WriteHistoryFile(path);
}

void CColorsWnd::OnLoadColors()
{
    const QString path = dialogs.chooseFile(PaletteDialogs::FileKind::ColorHistory,
                                            PaletteDialogs::FileAction::Open);
    if (!path.isEmpty())
        ReadHistoryFile(path);
}
