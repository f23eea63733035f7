#include "core/app/command_table.h"

#include <algorithm>
#include <stdexcept>

namespace rpx {

namespace {

template <class Rows> auto FindIn(Rows& rows, Command id) -> decltype(&rows.front()) {
    const auto it = std::find_if(rows.begin(), rows.end(), [id](const CommandRow& r) { return r.id == id; });
    return it == rows.end() ? nullptr : &*it;
}

std::string Named(Command id) {
    return "command " + std::to_string(static_cast<int>(id));
}

} // namespace

void CommandTable::Add(Command id, TextId text, std::string shortcut, int helpContext) {
    if (FindIn(m_rows, id) != nullptr)
        throw std::logic_error(Named(id) + " listed twice");
    const bool shortcutTaken =
        !shortcut.empty() && std::any_of(m_rows.begin(), m_rows.end(),
                                         [&](const CommandRow& r) { return r.shortcut == shortcut; });
    if (shortcutTaken)
        throw std::logic_error("accelerator " + shortcut + " listed twice");
    m_rows.push_back({id, text, std::move(shortcut), helpContext, {}, {}});
}

void CommandTable::Handle(Command id, std::function<void()> handler, std::function<bool()> enabled) {
    CommandRow* row = FindIn(m_rows, id);
    if (row == nullptr)
        throw std::logic_error("handler for " + Named(id) + ", which is not listed");
    row->handler = std::move(handler);
    row->enabled = std::move(enabled);
}

const CommandRow& CommandTable::Row(Command id) const {
    const CommandRow* row = FindIn(m_rows, id);
    if (row == nullptr)
        throw std::logic_error(Named(id) + " is not listed");
    return *row;
}

bool CommandTable::Enabled(Command id) const {
    const CommandRow& row = Row(id);
    return row.handler && (!row.enabled || row.enabled());
}

bool CommandTable::Run(Command id) const {
    if (!Enabled(id))
        return false;
    Row(id).handler();
    return true;
}

} // namespace rpx
