#include "app/ui/LockIndicators.h"

#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

#ifdef DAUBRIX_HAVE_XKB
#include <X11/XKBlib.h>
#endif

namespace
{
#ifdef DAUBRIX_HAVE_XKB
Display* XDisplay()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}
#endif

// Which keyboard indicator shows each lock: caps, num and scroll, in the order of the panes;
// -1 where the server has none.
std::array<int, 3> IndicatorIndices()
{
    std::array<int, 3> indices{-1, -1, -1};
#ifdef DAUBRIX_HAVE_XKB
    Display* display = XDisplay();
    if (!display)
        return indices;
    const char* names[] = {"Caps Lock", "Num Lock", "Scroll Lock"};
    for (size_t i = 0; i < indices.size(); ++i) {
        const Atom atom = XInternAtom(display, names[i], True);
        int index = -1;
        if (atom != None && XkbGetNamedIndicator(display, atom, &index, nullptr, nullptr, nullptr))
            indices[i] = index;
    }
#endif
    return indices;
}

unsigned IndicatorState()
{
#ifdef DAUBRIX_HAVE_XKB
    unsigned state = 0;
    if (Display* display = XDisplay(); display && XkbGetIndicatorState(display, XkbUseCoreKbd, &state) == Success)
        return state;
#endif
    return 0;
}
} // namespace

LockIndicators::LockIndicators(QStatusBar& bar) : QObject(&bar)
{
    const char* texts[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QLatin1String(texts[i]));
        label->setAlignment(Qt::AlignCenter);
        bar.addPermanentWidget(label);
        label->hide();
        m_labels[size_t(i)] = label;
    }
    m_indices = IndicatorIndices();
    Refresh();
}

void LockIndicators::Refresh()
{
    const unsigned state = IndicatorState();
    for (size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i]->setVisible(m_indices[i] >= 0 && (state & (1u << m_indices[i])));
}
