#include "gui/editor/row_command_keys.h"

namespace rpx::gui {

namespace {

struct Binding {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    RowCommand command;
};

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

const Binding kBindings[] = {
    {Qt::Key_D, kCtrl, RowCommand::Delete},
    {Qt::Key_F10, kShift, RowCommand::Delete},
    {Qt::Key_I, kCtrl, RowCommand::Insert},
    {Qt::Key_F9, kShift, RowCommand::Insert},
    {Qt::Key_E, kCtrl, RowCommand::CopyChannel},
    {Qt::Key_F3, kShift, RowCommand::CopyChannel},
    {Qt::Key_F, kCtrl, RowCommand::TxFrequency},
    {Qt::Key_F4, kShift, RowCommand::TxFrequency},
    {Qt::Key_Q, kCtrl, RowCommand::EncodeTone},
    {Qt::Key_F5, kShift, RowCommand::EncodeTone},
    {Qt::Key_G, kCtrl, RowCommand::GroupCopy},
    {Qt::Key_F8, kShift, RowCommand::GroupCopy},
    {Qt::Key_F10, Qt::NoModifier, RowCommand::Details},
};

} // namespace

GridKey GridKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Insert && modifiers == kShift)
        return {GridKey::Kind::Swallowed};
    for (const Binding& binding : kBindings)
        if (event.key() == binding.key && modifiers == binding.modifiers)
            return {GridKey::Kind::Row, binding.command};
    return {};
}

} // namespace rpx::gui
