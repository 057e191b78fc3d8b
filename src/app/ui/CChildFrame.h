#pragma once

#include <functional>

#include <QMdiSubWindow>

class DrawingViewPort;

// The frame of one drawing window. Restored, it never grows larger than the drawing;
// maximised, it fills the workspace and centres the drawing through the view's offset.
class CChildFrame final : public QMdiSubWindow
{
    Q_OBJECT

public:
    // view is the hosted widget; port is the same object seen as a drawing view.
    CChildFrame(QWidget* view, DrawingViewPort& port, QWidget* parent = nullptr);
    // The view goes first: listeners of this window's end may close its drawing.
    ~CChildFrame() override;

    // Asked before the window closes; false keeps it open.
    void SetCloseCheck(std::function<bool()> check) { m_closeCheck = std::move(check); }

    bool IsMaximizedFrame() const { return m_maximized; }
    DrawingViewPort& Port() const { return m_port; }
    // Drawing plus window frame: the largest the restored window may be.
    QSize MaximumRestoredSize() const;
    // Sizes the window to show the whole drawing, as far as the workspace allows.
    void FitToDrawing();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplySizeRules();
    void CentreDrawing();

    DrawingViewPort& m_port;
    std::function<bool()> m_closeCheck;
    bool m_maximized = false;
};
