#pragma once

#include <optional>
#include <string_view>

namespace rpx {

class ChannelGridEditor;

// The target of the copy-channel dialog: a group and a channel within it, as the user typed them.
struct CopyTarget {
    int group = 1;   // 1..2
    int channel = 1; // 1..4 within the group

    // The fields' texts corrected as when they lose the focus: a group of 0 or no number becomes 1 and
    // one above 2 becomes 2; a channel of 0 or no number becomes 1 and one above 4 becomes 4.
    static CopyTarget FromFields(std::string_view groupField, std::string_view channelField);
    static int GroupOfField(std::string_view field);
    static int ChannelOfField(std::string_view field);
    // The group and channel of a grid row 1..8.
    static CopyTarget OfRow(int row);
    // The grid row (1..8) of the target.
    int Row() const;
    bool operator==(const CopyTarget&) const = default;
};

// The copy-channel dialog of one source row. The target fields start with the target copied to last
// (lastTarget, kept by the caller for the program's run) or, the first time, with the source. The
// group field can be changed only while group 2 can be used; otherwise the target stays in the
// source's group.
class CopyChannelRules {
public:
    CopyChannelRules(ChannelGridEditor& editor, std::optional<CopyTarget>& lastTarget, int sourceRow);

    CopyTarget Source() const { return CopyTarget::OfRow(m_sourceRow); }
    CopyTarget InitialTarget() const;
    bool IsGroupFieldEnabled() const;
    // Copies the source onto the corrected target and remembers it; false when the target row cannot
    // take it (kept for trunking), which copies and remembers nothing.
    bool Confirm(std::string_view groupField, std::string_view channelField);

private:
    ChannelGridEditor& m_editor;
    std::optional<CopyTarget>& m_lastTarget;
    int m_sourceRow;
};

} // namespace rpx
