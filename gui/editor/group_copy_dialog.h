#pragma once

#include <QDialog>

#include "core/app/notifier.h"

namespace rpx::gui {

// The group copy dialog: asks whether the four channels of the current row's group, empty ones
// included, are to replace the four channels of the other group. The caller copies on OK.
class GroupCopyDialog : public QDialog {
    Q_OBJECT

public:
    // fromGroup: 1 or 2, the group of the current row.
    GroupCopyDialog(int fromGroup, const Notifier& notifier, QWidget* parent);
};

} // namespace rpx::gui
