#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/app/command.h"
#include "core/text/text_id.h"

namespace rpx {

// One command: what the menus show for it, its accelerator and help page, and what it does.
struct CommandRow {
    Command id = Command::None;
    TextId text = 0;               // menu text
    std::string shortcut;          // accelerator in portable form ("Ctrl+N"); empty: none
    int helpContext = -1;          // help page of F1 on its menu item; -1: none
    std::function<void()> handler; // empty: not built yet, the command stands greyed
    std::function<bool()> enabled; // empty: enabled whenever it has a handler
};

// Every command of the program, one row each. Each area lists its rows (below), the window gives
// the handlers; a command without a handler is never enabled, so no menu item, button or
// accelerator can offer what does not exist.
class CommandTable {
public:
    // Lists a command without its handler. Throws std::logic_error for a command or accelerator
    // listed twice.
    void Add(Command id, TextId text, std::string shortcut, int helpContext);
    // Gives a listed command its handler and, optionally, the rule that enables it.
    // Throws std::logic_error for a command that is not listed.
    void Handle(Command id, std::function<void()> handler, std::function<bool()> enabled = {});

    const std::vector<CommandRow>& Rows() const { return m_rows; }
    // The row of a listed command; throws std::logic_error for one that is not listed.
    const CommandRow& Row(Command id) const;
    bool Enabled(Command id) const;
    // Runs the command when it is enabled; false when it was not.
    bool Run(Command id) const;

private:
    std::vector<CommandRow> m_rows;
};

// The rows of each area, without handlers, in menu order.
void AddFileCommands(CommandTable& table);
void AddModelAndFeatureCommands(CommandTable& table);
void AddRadioCommands(CommandTable& table);
void AddSetupAndHelpCommands(CommandTable& table);
// Every area's rows.
CommandTable ProgramCommands();

} // namespace rpx
