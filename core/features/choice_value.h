#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/app/notifier.h"
#include "core/app/result.h"

namespace rpx {

// The item of a drop-down list a typed value names (letter case aside), as a user choosing it
// would; a Failure naming the choices when it names none.
Result<int> ChoiceIndex(const Notifier& notifier, const std::vector<std::string>& items,
                        std::string_view value);

} // namespace rpx
