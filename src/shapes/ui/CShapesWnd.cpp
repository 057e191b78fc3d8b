#include "shapes/ui/CShapesWnd.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "color/PaletteFiles.h"
#include "shapes/ColorPalette.h"
#include "shapes/ShapeCommands.h"
#include "shapes/ShapeState.h"
#include "shapes/ShapeTable.h"

CShapesWnd::CShapesWnd(ColorPalette& palette, RandomGenerator& random,
                       const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs(PaletteDialogs::Standard(this)), m_palette(palette), m_random(random),
      m_programFolder(programFolder)
{
    setWindowTitle(tr("Shapes"));
    setMinimumSize(ShapesGrid::kMinWidth, ShapesGrid::kMinHeight);
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setTracking(false); // the thumb scrolls when it is let go
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int row) {
        m_grid.ThumbReleased(row * ShapesGrid::kCell);
        update();
    });
    m_autoScroll.setInterval(kAutoScrollMs);
    connect(&m_autoScroll, &QTimer::timeout, this, &CShapesWnd::AutoScroll);
    m_palette.shapesChanged = [this] { ShapesChanged(); };
    ReadStateFile(PaletteFiles::LastRunReadPath(PaletteFiles::kLastStateName, m_programFolder));
}

CShapesWnd::~CShapesWnd()
{
    m_palette.shapesChanged = nullptr;
    WriteStateFile(PaletteFiles::LastRunWritePath(PaletteFiles::kLastStateName));
}

ShapeTable& CShapesWnd::Shapes() const
{
    return m_palette.Shapes();
}

void CShapesWnd::ShapesChanged()
{
    Relayout();
    update();
}

// A scroll bar narrows the grid, which can add rows; the grid is laid out again for it.
void CShapesWnd::Relayout()
{
    const int count = int(DisplayedShapes(Shapes()).size());
    m_grid.Resize(count, width(), height());
    const bool bar = m_grid.NeedsScrollBar();
    if (bar)
        m_grid.Resize(count, width() - m_scrollBar->sizeHint().width(), height());
    m_scrollBar->setVisible(bar);
    m_scrollBar->setGeometry(width() - m_scrollBar->sizeHint().width(), 0,
                             m_scrollBar->sizeHint().width(), height());
    SyncScrollBar();
}

void CShapesWnd::SyncScrollBar()
{
    const QSignalBlocker quiet(m_scrollBar);
    m_scrollBar->setRange(0, std::max(0, m_grid.Rows() - m_grid.VisibleRows()));
    m_scrollBar->setPageStep(std::max(1, m_grid.VisibleRows()));
    m_scrollBar->setValue(m_grid.FirstRow());
}

void CShapesWnd::resizeEvent(QResizeEvent*)
{
    Relayout();
    update();
}

void CShapesWnd::paintEvent(QPaintEvent*)
{
    QImage canvas(size(), QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter p(&canvas);
    const std::vector<int> shown = DisplayedShapes(Shapes());
    for (int n = 0; n < int(shown.size()); ++n) {
        const int row = m_grid.RowOf(n);
        if (row < m_grid.FirstRow())
            continue;
        if (!m_grid.RowDrawn(row))
            break;
        CShape& shape = Shapes().Shape(shown[size_t(n)]);
        shape.RefreshColored();
        const int x = m_grid.CentreX(n), y = m_grid.CentreY(n);
        if (shown[size_t(n)] == Shapes().CurrentIndex()) {
            p.setPen(Qt::white);
            p.drawRect(x - 17, y - 17, ShapesGrid::kCell - 1, ShapesGrid::kCell - 1);
        }
        shape.Draw(canvas, x, y);
    }
    p.end();
    QPainter(this).drawImage(0, 0, canvas);
}

void CShapesWnd::SelectShapeAt(QPoint client)
{
    const int n = m_grid.PositionAt(client.x(), client.y(), Shapes().Count());
    ShapeCommands::SelectShape(m_palette, n);
    update();
}

void CShapesWnd::EnsureCurrentVisible()
{
    const std::vector<int> shown = DisplayedShapes(Shapes());
    const auto at = std::find(shown.begin(), shown.end(), Shapes().CurrentIndex());
    const int row = at == shown.end() ? 0 : m_grid.RowOf(int(at - shown.begin()));
    if (m_grid.ShowRow(row))
        SyncScrollBar();
}

void CShapesWnd::mousePressEvent(QMouseEvent* event)
{
    if (Shapes().Count() == 0)
        return;
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        SelectShapeAt(point);
        m_pressedShape = Shapes().CurrentIndex();
        m_captured = true;
        m_autoScroll.start();
    } else if (event->button() == Qt::RightButton) {
        SelectShapeAt(point);
        m_palette.AddToHistory();
    }
}

void CShapesWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_captured)
        return;
    const int y = int(event->position().y());
    m_scrollDirection = y <= 0 ? -1 : y >= height() ? 1 : 0;
}

void CShapesWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_captured)
        return;
    SelectShapeAt(event->position().toPoint());
    ShapeCommands::FinishPress(m_palette, m_pressedShape);
    m_autoScroll.stop();
    m_scrollDirection = 0;
    m_captured = false;
    update();
}

void CShapesWnd::AutoScroll()
{
    const bool moved = m_scrollDirection < 0 ? m_grid.LineUp()
                     : m_scrollDirection > 0 ? m_grid.LineDown() : false;
    if (!moved)
        return;
    SyncScrollBar();
    update();
}

void CShapesWnd::AddSizeItem(QMenu* menu, const QString& text, int size)
{
    QAction* item = menu->addAction(text, this, [this, size] { OnSize(size); });
    item->setCheckable(true);
    item->setChecked(ShapeCommands::CurrentSize(Shapes()) == size);
    item->setEnabled(ShapeCommands::FamilyHasSize(Shapes(), size));
}

QMenu* CShapesWnd::CreateContextMenu()
{
    auto* menu = new QMenu(this);
    AddSizeItem(menu, tr("&Small"), 0);
    AddSizeItem(menu, tr("&Medium"), 1);
    AddSizeItem(menu, tr("&Large"), 2);
    menu->addSeparator();
    menu->addAction(tr("Ran&dom color"), this, &CShapesWnd::OnRandomColor);
    menu->addAction(tr("Random &history color"), this, &CShapesWnd::OnRandomHistoryColor);
    menu->addSeparator();
    menu->addAction(tr("&All this size"), this, &CShapesWnd::OnAllThisSize);
    menu->addAction(tr("All this &color"), this, &CShapesWnd::OnAllThisColor);
    menu->addAction(tr("All &random colors"), this, &CShapesWnd::OnAllRandomColors);
    menu->addAction(tr("All histor&y colors"), this, &CShapesWnd::OnAllHistoryColors);
    menu->addSeparator();
    menu->addAction(tr("Sa&ve state"), this, &CShapesWnd::OnSaveState);
    menu->addAction(tr("L&oad state"), this, &CShapesWnd::OnLoadState);
    return menu;
}

void CShapesWnd::contextMenuEvent(QContextMenuEvent* event)
{
    if (Shapes().Count() == 0)
        return;
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CShapesWnd::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    emit closedByUser();
}

void CShapesWnd::OnSize(int size)
{
    ShapeCommands::SelectSize(Shapes(), size);
    update();
}

void CShapesWnd::OnRandomColor()
{
    ShapeCommands::RandomColor(m_palette, m_random);
}

void CShapesWnd::OnRandomHistoryColor()
{
    ShapeCommands::RandomHistoryColor(m_palette, m_random);
}

void CShapesWnd::OnAllThisSize()
{
    ShapeCommands::AllThisSize(Shapes());
    update();
}

void CShapesWnd::OnAllThisColor()
{
    ShapeCommands::AllThisColor(Shapes());
    update();
}

void CShapesWnd::OnAllRandomColors()
{
    ShapeCommands::AllRandomColors(m_palette, m_random);
}

void CShapesWnd::OnAllHistoryColors()
{
    ShapeCommands::AllHistoryColors(m_palette);
}

bool CShapesWnd::ReadStateFile(const QString& path)
{
    const auto bytes = PaletteFiles::ReadSmallFile(path);
    if (!bytes)
        return false;
    const auto state = ShapeState::Parse(*bytes, Shapes().Count());
    if (!state) {
        dialogs.message(tr("Not a valid Shape State file!"));
        return false;
    }
    state->ApplyTo(Shapes());
    Relayout();
    EnsureCurrentVisible();
    update();
    return true;
}

bool CShapesWnd::WriteStateFile(const QString& path)
{
    if (PaletteFiles::WriteWholeFile(path, ShapeState::Capture(Shapes()).Serialize()))
        return true;
    dialogs.message(tr("Error writing file"));
    return false;
}

void CShapesWnd::OnSaveState()
{
    const QString path = dialogs.chooseFile(PaletteDialogs::FileKind::ShapeState,
                                            PaletteDialogs::FileAction::Save);
    if (!path.isEmpty())
        WriteStateFile(path);
}

void CShapesWnd::OnLoadState()
{
    const QString path = dialogs.chooseFile(PaletteDialogs::FileKind::ShapeState,
                                            PaletteDialogs::FileAction::Open);
    if (!path.isEmpty())
        ReadStateFile(path);
}
