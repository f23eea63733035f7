#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/command_table.h"
#include "tests/support/temp_dir.h"

namespace rpx {
namespace {

constexpr const char* kHelpFolder = RPX_SOURCE_DIR "/resources/help";

// Two rows for one command or one accelerator, or a handler for a command nobody listed, would
// leave a menu item or key doing something else than it says.
TEST(CommandTable, RefusesWhatWouldBeAmbiguous) {
    CommandTable table;
    table.Add(Command::FileNew, 3002003, "Ctrl+N", 1);
    EXPECT_THROW(table.Add(Command::FileNew, 3002005, "", 2), std::logic_error);
    EXPECT_THROW(table.Add(Command::FileOpen, 3002005, "Ctrl+N", 2), std::logic_error);
    EXPECT_THROW(table.Handle(Command::About, [] {}), std::logic_error);
    EXPECT_NO_THROW(table.Add(Command::FileSaveAs, 3002009, "", 4));
    EXPECT_NO_THROW(table.Add(Command::Exit, 3002013, "", 5)) << "no accelerator is no clash";
}

TEST(CommandTable, RunsOnlyACommandWithAHandlerThatItsRuleAllows) {
    CommandTable table = ProgramCommands();
    std::vector<Command> ran;
    bool allowed = false;
    table.Handle(
        Command::Read, [&] { ran.push_back(Command::Read); }, [&] { return allowed; });
    table.Handle(Command::Port, [&] { ran.push_back(Command::Port); });
    EXPECT_FALSE(table.Run(Command::Read));
    EXPECT_FALSE(table.Run(Command::Test)) << "not built: no handler";
    EXPECT_FALSE(table.Enabled(Command::Test));
    EXPECT_TRUE(table.Run(Command::Port));
    allowed = true;
    EXPECT_TRUE(table.Run(Command::Read));
    EXPECT_EQ(ran, (std::vector<Command>{Command::Port, Command::Read}));
}

// Every help context has its page, and the contents page lists them in the order the menus show
// the commands.
TEST(CommandTable, EveryHelpContextHasAPageListedInMenuOrder) {
    const CommandTable table = ProgramCommands();
    std::vector<int> menuOrder;
    for (const CommandRow& row : table.Rows()) {
        if (row.helpContext < 0)
            continue;
        // Commands next to each other may share a page (Print, Print Preview, Export PDF).
        if (menuOrder.empty() || menuOrder.back() != row.helpContext)
            menuOrder.push_back(row.helpContext);
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(kHelpFolder) /
                                            (std::to_string(row.helpContext) + ".html")))
            << row.helpContext;
    }
    const std::string page = test::ReadFileText(std::string(kHelpFolder) + "/6.html");
    const std::regex link("href='([0-9]+)\\.html'");
    std::vector<int> listed;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), link); it != std::sregex_iterator(); ++it)
        listed.push_back(std::stoi((*it)[1]));
    EXPECT_EQ(listed, menuOrder);
}

} // namespace
} // namespace rpx
