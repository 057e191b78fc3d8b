#include "app/ui/FrameBars.h"

#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include "app/CommandTable.h"
#include "app/ui/CommandActions.h"
#include "app/ui/LockIndicators.h"

FrameBars::FrameBars(QMainWindow& frame, CommandActions& commands)
    : QObject(&frame), m_frame(frame)
{
    CreateToolbars(commands);
    CreateStatusBar();
}

void FrameBars::CreateToolbars(CommandActions& commands)
{
    m_toolbar1 = m_frame.addToolBar(QStringLiteral("Toolbar"));
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar2 = m_frame.addToolBar(QStringLiteral("Toolbar 2"));
    m_toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    for (QToolBar* bar : {m_toolbar1, m_toolbar2})
        bar->setIconSize(QSize(16, 16));
    commands.FillToolbar(*m_toolbar1, CommandTable::Toolbar1());
    commands.FillToolbar(*m_toolbar2, CommandTable::Toolbar2());
    m_toolbar2->setVisible(!m_toolbar2->actions().isEmpty());
}

void FrameBars::CreateStatusBar()
{
    m_pane0 = new QLabel(QStringLiteral("Ready"));
    m_pane1 = new QLabel(QStringLiteral(" "));
    m_pane1->setMinimumWidth(30);
    m_pane1->setAlignment(Qt::AlignCenter);
    m_frame.statusBar()->addWidget(m_pane0, 1);
    m_frame.statusBar()->addPermanentWidget(m_pane1);
    m_locks = new LockIndicators(*m_frame.statusBar());
}

std::array<QWidget*, 3> FrameBars::All() const
{
    return {m_toolbar1, m_toolbar2, m_frame.statusBar()};
}

void FrameBars::ShowProgress(int percent)
{
    m_pane1->setText(QString::asprintf("%2d%%", percent));
}

void FrameBars::ClearProgress()
{
    m_pane1->setText(QStringLiteral(" "));
}

void FrameBars::SetPaneText(int pane, const QString& text)
{
    if (pane == 0)
        m_pane0->setText(text);
    else if (pane == 1)
        m_pane1->setText(text);
}

QString FrameBars::PaneText(int pane) const
{
    return pane == 0 ? m_pane0->text() : pane == 1 ? m_pane1->text() : QString();
}

void FrameBars::RefreshLocks()
{
    m_locks->Refresh();
}

void FrameBars::RestoreState()
{
    QSettings store(QStringLiteral("Zentrik"), QStringLiteral("Daubrix"));
    m_frame.restoreState(store.value(QStringLiteral("Toolbars/State")).toByteArray());
    // The toolbars' state does not cover the status bar: it has a value of its own.
    m_frame.statusBar()->setVisible(store.value(QStringLiteral("Toolbars/StatusBar"), true).toBool());
    if (m_toolbar2->actions().isEmpty())
        m_toolbar2->hide();
}

void FrameBars::SaveState()
{
    QSettings store(QStringLiteral("Zentrik"), QStringLiteral("Daubrix"));
    store.setValue(QStringLiteral("Toolbars/State"), m_frame.saveState());
    store.setValue(QStringLiteral("Toolbars/StatusBar"), m_frame.statusBar()->isVisibleTo(&m_frame));
}
