#include "app/ui/HistoryWindowLink.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/ui/CMainFrame.h"
#include "app/ui/PaletteList.h"
#include "app/ui/WorkspaceViews.h"
#include "view/ui/CDaubrixView.h"
#include "view/ui/CHistoryWnd.h"

HistoryWindowLink::HistoryWindowLink(CMainFrame& frame, const WorkspaceViews& views,
                                     QMdiArea& workspace)
    : m_views(views)
{
    m_history = new CHistoryWnd(&frame);
    connect(m_history, &CHistoryWnd::characterTyped, this, [this](const QString& text) {
        if (CDaubrixView* v = m_views.Active()) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text);
            QApplication::sendEvent(v, &key);
        }
    });
    frame.RegisterPalette(PaletteRegistration::History(m_history));
    connect(&workspace, &QMdiArea::subWindowActivated, this, &HistoryWindowLink::ViewActivated);
}

HistoryWindowLink::~HistoryWindowLink()
{
    // Without this link nobody tells the history window when its drawing goes.
    if (m_history)
        m_history->SetSession(nullptr);
}

void HistoryWindowLink::ViewActivated(QMdiSubWindow*)
{
    CDaubrixView* view = m_views.Active();
    if (m_history)
        m_history->SetSession(view ? &view->Session() : nullptr);
}

// Only a view that takes the focus from another drawing window refreshes its slider; the
// focus coming back from a palette or a dialog leaves the history as it is (a pending
// Clear keeps its empty range).
void HistoryWindowLink::ViewFocused(CDaubrixView* view)
{
    if (view != m_lastFocusLost)
        view->FocusFromAnotherView();
}

void HistoryWindowLink::AdoptView(CDaubrixView* view)
{
    connect(view, &CDaubrixView::FocusGained, this, &HistoryWindowLink::ViewFocused);
    connect(view, &CDaubrixView::FocusLost, this, [this](CDaubrixView* v) { m_lastFocusLost = v; });
    connect(view, &CDaubrixView::Closing, this, [this](CDaubrixView* closing) {
        if (m_history && m_history->Session() == &closing->Session())
            m_history->SetSession(nullptr);
    });
}
