#include "gui/link/wait_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace rpx::gui {

namespace {
constexpr int kTextWidth = 280;
}

WaitWindow::WaitWindow(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(title);
    setModal(false);
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(kTextWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace rpx::gui
