#include "core/trunking/new_access_code_rules.h"

#include <algorithm>
#include <cctype>

#include "core/text/text_ids.h"
#include "core/trunking/board_image.h"

namespace rpx {

namespace {

constexpr TextId kCodesDiffer = 3019015;
constexpr TextId kChangeQuestion = 3019017;
constexpr TextId kCodeTooShort = 3003037;

bool AllDigits(std::string_view code) {
    return std::ranges::all_of(code, [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

bool NewAccessCodeRules::IsComplete(std::string_view code) {
    return code.size() == BoardImage::Limit::kAccessCodeDigits && AllDigits(code);
}

bool NewAccessCodeRules::RefuseShortCode(std::string_view code) {
    if (code.empty() || code.size() >= BoardImage::Limit::kAccessCodeDigits)
        return false;
    m_notifier.Show(kCodeTooShort, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
    return true;
}

NewAccessCodeRules::Outcome NewAccessCodeRules::Ok(std::string_view code, std::string_view verify) {
    if (code != verify || !IsComplete(code)) {
        m_notifier.Show(kCodesDiffer, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
        return Outcome::Mismatch;
    }
    if (m_notifier.Show(kChangeQuestion, txt::kCaptionWarning, MessageButtons::OkCancel,
                        MessageIcon::Exclamation) != MessageAnswer::Ok)
        return Outcome::Declined;
    m_board.SetAccessCode(code);
    return Outcome::Changed;
}

} // namespace rpx
