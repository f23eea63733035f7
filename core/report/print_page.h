#pragma once

#include <string>
#include <vector>

namespace rpx {

// The two fonts of a printed page: the header's 11-point and the body's 10-point serif.
enum class PrintFont { Header, Body };

enum class PrintAlign {
    Left,   // the text starts at the column
    Centre, // centred on the page width; the column is not used
    Right,  // the text ends at the right edge of the printable area; the column is not used
};

// One text of a page, placed without knowing the device: header texts stand `line` header lines
// below the top of the printable area, body texts `line` body lines below the body start (ten
// header lines down). A column is counted in average character widths of the text's font.
struct PrintText {
    PrintFont font;
    int line;
    int column;
    std::string text;
    PrintAlign align = PrintAlign::Left;
    bool operator==(const PrintText&) const = default;
};

// A line across the page, `line` header lines below the top plus `gap` device units (at 600 dpi).
struct PrintRule {
    int line;
    int gap = 0;
    bool operator==(const PrintRule&) const = default;
};

// Everything one printed page shows; the painter only draws it.
struct PrintPage {
    std::vector<PrintText> texts;
    std::vector<PrintRule> rules;

    void Add(PrintFont font, int line, int column, std::string text, PrintAlign align = PrintAlign::Left) {
        texts.push_back({font, line, column, std::move(text), align});
    }
    // A body line of up to two texts; empty texts are left out.
    void AddBody(int line, int column, std::string text) {
        if (!text.empty())
            Add(PrintFont::Body, line, column, std::move(text));
    }
};

} // namespace rpx
