#include "core/radio/radio_image.h"

namespace rpx {

std::string RadioImage::Text(std::size_t offset, std::size_t length) const {
    const auto bytes = Bytes().subspan(offset, length);
    return {bytes.begin(), bytes.end()};
}

std::string RadioImage::ModelString() const {
    return Text(kModelString, kModelStringLength);
}

void RadioImage::SetModelString(const std::string& model) {
    for (std::size_t i = 0; i < kModelStringLength; ++i)
        SetByte(kModelString + i, i < model.size() ? static_cast<uint8_t>(model[i]) : 0xFF);
}

std::string RadioImage::ModelCode() const {
    return Text(kModelString, kModelCodeLength);
}

bool RadioImage::IsExtendedVariant() const {
    const std::string model = ModelString();
    if (model == "MDL1B" || model == "MDL2B")
        return true;
    return VersionCode() == 0 && (model == "MDL1A" || model == "MDL2A");
}

} // namespace rpx
