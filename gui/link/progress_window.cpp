#include "gui/link/progress_window.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace rpx::gui {

namespace {
constexpr int kBarWidth = 320;
}

ProgressWindow::ProgressWindow(const QString& title, int range, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_bar(new QProgressBar) {
    setWindowTitle(title);
    setModal(false);
    m_bar->setRange(0, range);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setMinimumWidth(kBarWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressWindow::SetPosition(int position) {
    m_bar->setValue(position);
}

} // namespace rpx::gui
