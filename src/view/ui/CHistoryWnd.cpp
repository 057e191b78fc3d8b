#include "view/ui/CHistoryWnd.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include "view/DrawingSession.h"
#include "view/ui/CHistorySlider.h"
#include "view/ui/SectionIcons.h"

namespace {

QToolButton* SectionButton(const QString& name)
{
    auto* button = new QToolButton;
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(12, 12));
    button->setFixedSize(18, 20);
    return button;
}

} // namespace

CHistoryWnd::CHistoryWnd(QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_slider(new CHistorySlider)
    , m_previous(SectionButton(tr("Previous section")))
    , m_next(SectionButton(tr("Next section")))
{
    setWindowTitle(tr("Drawing History"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addWidget(m_slider, 1);
    PaintIcons();
    m_slider->installEventFilter(this);
    connect(m_slider, &QSlider::valueChanged, this, &CHistoryWnd::SliderValueChanged);
    connect(m_slider, &QSlider::sliderReleased, this, &CHistoryWnd::SliderReleased);
    connect(m_previous, &QToolButton::clicked, this, [this] { StepSection(false); });
    connect(m_next, &QToolButton::clicked, this, [this] { StepSection(true); });
    SetSession(nullptr);
}

CHistoryWnd::~CHistoryWnd()
{
    if (m_session)
        m_session->Slider().onRepaint = {};
}

QSize CHistoryWnd::sizeHint() const { return QSize(240, QWidget::sizeHint().height()); }

void CHistoryWnd::SetSession(DrawingSession* session)
{
    if (m_session)
        m_session->Slider().onRepaint = {};
    m_session = session;
    if (m_session)
        m_session->Slider().onRepaint = [this] { ShowSlider(); };
    setEnabled(m_session != nullptr);
    ShowSlider();
}

void CHistoryWnd::ShowSlider()
{
    m_showing = true;
    if (m_session) {
        const HistorySlider& model = m_session->Slider();
        m_slider->setRange(model.Minimum(), model.Maximum());
        m_slider->setValue(model.Position());
        m_slider->SetTicks(model.Ticks());
    } else {
        m_slider->setRange(0, 0);
        m_slider->SetTicks({});
    }
    m_showing = false;
}

void CHistoryWnd::SliderValueChanged(int value)
{
    if (m_showing || !m_session)
        return;
    // While the thumb is dragged it snaps to the ends of strokes; a key or a click on the
    // track snaps and then takes effect at once, like a release.
    const int snapped = m_session->History().SnapWhileDragging(value);
    if (m_slider->isSliderDown()) {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(snapped);
        return;
    }
    m_session->History().ReleaseSlider(snapped);
    ShowSlider();
}

void CHistoryWnd::SliderReleased()
{
    if (!m_session)
        return;
    m_session->History().ReleaseSlider(m_slider->value());
    ShowSlider();
}

void CHistoryWnd::StepSection(bool forward)
{
    if (!m_session)
        return;
    if (forward)
        m_session->History().NextSection();
    else
        m_session->History().PreviousSection();
    ShowSlider();
}

bool CHistoryWnd::ForwardCharacter(const QKeyEvent& event)
{
    if (event.text().isEmpty())
        return false;
    emit characterTyped(event.text());
    return true;
}

bool CHistoryWnd::eventFilter(QObject* watched, QEvent* event)
{
    // Characters reach the slider first (Tab included, before focus moves): pass them on;
    // the arrows and page keys still move the slider.
    if (watched == m_slider && event->type() == QEvent::KeyPress && ForwardCharacter(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void CHistoryWnd::keyPressEvent(QKeyEvent* event)
{
    if (!ForwardCharacter(*event))
        QWidget::keyPressEvent(event);
}

void CHistoryWnd::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    emit closed();
}

void CHistoryWnd::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        PaintIcons();
    QWidget::changeEvent(event);
}

void CHistoryWnd::PaintIcons()
{
    const QColor ink = palette().color(QPalette::Active, QPalette::ButtonText);
    m_previous->setIcon(SectionStepIcon(SectionStep::Previous, ink));
    m_next->setIcon(SectionStepIcon(SectionStep::Next, ink));
}
