#pragma once

#include <QWidget>

#include "core/app/notifier.h"
#include "core/app/session.h"

namespace rpx::gui {

// File > Import Channel Plan: a CSV channel plan chosen in a file dialog applied to the channels as
// one edit, each value as the channel dialog stores it; then what the rules changed or refused, if
// anything. True when the image was edited: the grid must show it again.
bool ImportChannelPlanFile(Session& session, Notifier& notifier, QWidget* parent);

// File > Export Channel Plan: the programmed channels into a CSV file chosen in a file dialog,
// written whole or not at all.
void ExportChannelPlanFile(const Session& session, Notifier& notifier, QWidget* parent);

} // namespace rpx::gui
