#pragma once

#include <string>

#include "core/radio/image_snapshot.h"
#include "core/radio/radio_image.h"

namespace rpx {

// The state one run of the program works on: the image, its snapshot and the program flags that
// travel with it. One instance, passed by reference.
struct Session {
    RadioImage image;
    ImageSnapshot snapshot; // also the staging buffer of a radio read
    bool extendedMode = false; // fixed for the run
    bool trunkingMode = false; // the function port is in trunking mode
    std::string titleFilePart; // file name shown in the title, or the untitled text
    std::string currentFilePath;
    std::string dataDirectory; // folder offered first by the file dialogs and used by Save
};

} // namespace rpx
