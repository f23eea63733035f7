#pragma once

#include "core/radio/radio_image.h"
#include "sim/radio_setup.h"

namespace rpx::sim {

// A radio as a dealer would hand it over: a new MDL2A image with its four channels programmed (repeater
// pairs and simplex, CTCSS and DCS tones) and an embedded message, so that a first read shows
// something. It identifies as the model its memory holds.
RadioImage DemoRadioImage();
RadioSetup DemoRadioSetup();

} // namespace rpx::sim
