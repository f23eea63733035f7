#include "core/link/data_password_dialog.h"

#include "core/text/text_ids.h"

namespace rpx {

namespace {
constexpr TextId kWrongPassword = 3003029;
}

bool DataPasswordDialog::Ok(const std::string& typed) {
    if (typed == m_password)
        return true;
    m_notifier.Show(kWrongPassword, txt::kCaptionError, MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

} // namespace rpx
