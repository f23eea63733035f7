#include "core/editor/copy_target.h"

#include <algorithm>

#include "core/editor/channel_grid_editor.h"
#include "core/editor/channel_table.h"
#include "core/editor/leading_number.h"

namespace rpx {

namespace {
constexpr int kGroups = 2;

int Corrected(std::string_view field, int highest) {
    return static_cast<int>(std::clamp<int64_t>(LeadingNumber(field), 1, highest));
}
} // namespace

CopyTarget CopyTarget::FromFields(std::string_view groupField, std::string_view channelField) {
    return {GroupOfField(groupField), ChannelOfField(channelField)};
}

int CopyTarget::GroupOfField(std::string_view field) {
    return Corrected(field, kGroups);
}

int CopyTarget::ChannelOfField(std::string_view field) {
    return Corrected(field, kRowsPerGroup);
}

CopyTarget CopyTarget::OfRow(int row) {
    return {(row - 1) / kRowsPerGroup + 1, (row - 1) % kRowsPerGroup + 1};
}

int CopyTarget::Row() const {
    return (group - 1) * kRowsPerGroup + channel;
}

CopyChannelRules::CopyChannelRules(ChannelGridEditor& editor, std::optional<CopyTarget>& lastTarget,
                                   int sourceRow)
    : m_editor(editor), m_lastTarget(lastTarget), m_sourceRow(sourceRow) {}

bool CopyChannelRules::IsGroupFieldEnabled() const {
    return m_editor.IsGroup2Enabled();
}

CopyTarget CopyChannelRules::InitialTarget() const {
    CopyTarget target = m_lastTarget.value_or(Source());
    if (!IsGroupFieldEnabled())
        target.group = Source().group;
    return target;
}

bool CopyChannelRules::Confirm(std::string_view groupField, std::string_view channelField) {
    CopyTarget target = CopyTarget::FromFields(groupField, channelField);
    if (!IsGroupFieldEnabled())
        target.group = Source().group;
    if (!m_editor.CopyChannel(m_sourceRow, target.Row()))
        return false;
    m_lastTarget = target;
    return true;
}

} // namespace rpx
