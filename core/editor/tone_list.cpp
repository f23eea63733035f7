#include "core/editor/tone_list.h"

#include <cstdint>

#include "core/editor/tone_code.h"
#include "core/text/text_ids.h"

namespace rpx {

namespace {

// Tenths of a hertz.
constexpr uint16_t kCtcssTones[] = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1622, 1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503,
};

// Octal literals: each is the code as its three digits read.
constexpr uint16_t kDcsCodes[] = {
    0023, 0025, 0026, 0031, 0032, 0043, 0047, 0051, 0054, 0065, 0071, 0072, 0073, 0074, 0114, 0115, 0116,
    0125, 0131, 0132, 0134, 0143, 0152, 0155, 0156, 0162, 0165, 0172, 0174, 0205, 0223, 0226, 0243, 0244,
    0245, 0251, 0261, 0263, 0265, 0271, 0306, 0311, 0315, 0331, 0343, 0346, 0351, 0364, 0365, 0371, 0411,
    0412, 0413, 0423, 0431, 0432, 0445, 0464, 0465, 0466, 0503, 0506, 0516, 0532, 0546, 0565, 0606, 0612,
    0624, 0627, 0631, 0632, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754,
};

} // namespace

std::vector<std::string> BuildToneList(const LanguageTable& texts) {
    std::vector<std::string> list;
    list.reserve(1 + std::size(kCtcssTones) + 2 * std::size(kDcsCodes));
    list.emplace_back(texts.GetText(txt::kOff));
    for (uint16_t tenths : kCtcssTones)
        list.push_back(ToneCode::Ctcss(tenths).Text());
    for (bool inverted : {false, true})
        for (uint16_t code : kDcsCodes)
            list.push_back(ToneCode::Dcs(code, inverted).Text());
    return list;
}

} // namespace rpx
