#pragma once

#include <QKeyEvent>

#include <optional>

#include "core/editor/channel_grid_editor.h"

namespace rpx::gui {

// What a key does in the grid beyond typing and moving: each row command has two keys (Ctrl+D and
// Shift+F10 delete, Ctrl+I and Shift+F9 insert, Ctrl+E and Shift+F3 copy, Ctrl+F and Shift+F4 the TX
// frequency, Ctrl+Q and Shift+F5 the encode tone, Ctrl+G and Shift+F8 the group copy, F10 the ">>"
// button); Shift+Insert is swallowed, so nothing is pasted into a cell.
struct GridKey {
    enum class Kind { Other, Row, Swallowed };
    Kind kind = Kind::Other;
    RowCommand command = RowCommand::Details; // for Kind::Row
};

GridKey GridKeyOf(const QKeyEvent& event);

} // namespace rpx::gui
