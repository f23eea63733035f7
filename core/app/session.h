#pragma once

#include <string>

#include "core/radio/image_snapshot.h"
#include "core/radio/radio_image.h"
#include "core/trunking/board_image.h"

namespace rpx {

// The state one run of the program works on: the image, its snapshot and the program flags that
// travel with it. One instance, passed by reference.
struct Session {
    RadioImage image;
    ImageSnapshot snapshot;    // also the staging buffer of a radio read
    bool extendedMode = false; // fixed for the run
    bool trunkingMode = false; // the function port is in trunking mode
    // The trunking board's settings: edited in the SmarTrunk dialog, exchanged with the board by the
    // board link, kept in board files. Radio data files and File New leave them alone.
    BoardImage board = BoardImage::NewDataSet();
    // The user set the board's access code in the new-access-code dialog: the board link offers it.
    bool accessCodeKnown = false;
    std::string titleFilePart; // file name shown in the title, or the untitled text
    std::string currentFilePath;
    std::string dataDirectory; // folder offered first by the file dialogs and used by Save
};

} // namespace rpx
