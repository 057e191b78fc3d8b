#pragma once

#include <QWidget>

class CHistorySlider;
class DrawingSession;
class QToolButton;

// The "Drawing History" tool window: a slider over the active drawing's globs, snapping to
// the ends of strokes, with buttons that step a section back or forward. It shows one
// drawing at a time and is disabled when there is none.
class CHistoryWnd final : public QWidget
{
    Q_OBJECT

public:
    explicit CHistoryWnd(QWidget* parent = nullptr);
    ~CHistoryWnd() override;

    // Binds the window to a drawing (nullptr: none). Call it again, with another drawing or
    // nullptr, before the bound drawing goes away.
    void SetSession(DrawingSession* session);
    DrawingSession* Session() const { return m_session; }

    CHistorySlider* Slider() const { return m_slider; }
    QToolButton* PreviousButton() const { return m_previous; }
    QToolButton* NextButton() const { return m_next; }

    QSize sizeHint() const override;

signals:
    // A character typed while the window has the focus, for the drawing view's keys.
    void characterTyped(const QString& text);
    // The user closed the window; it is hidden, not destroyed.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowSlider();
    void SliderValueChanged(int value);
    void SliderReleased();
    void StepSection(bool forward);
    bool ForwardCharacter(const QKeyEvent& event);
    void PaintIcons();

    DrawingSession* m_session = nullptr;
    CHistorySlider* m_slider;
    QToolButton* m_previous;
    QToolButton* m_next;
    bool m_showing = false; // the slider is being set from the drawing, not by the user
};
