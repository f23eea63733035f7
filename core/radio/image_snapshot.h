#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/radio/radio_image.h"

namespace rpx {

// A copy of the whole image, one word per byte. Dialogs take it when they open and restore it
// when cancelled; a radio read receives its data into the same buffer, so a read overwrites it.
class ImageSnapshot {
public:
    ImageSnapshot() { m_words.fill(0); }

    // Copies every byte; a data-channel (0x0AB) or emergency-channel (0x200) reference to an
    // empty channel is kept as 0 in the copy, so a restore also drops the dangling reference.
    // Throws std::logic_error while a ScopedImageEdit holds the copy: it would lose its undo.
    void TakeSnapshot(const RadioImage& image);
    // Every image byte that differs from its copy takes the copy's value.
    void RestoreSnapshot(RadioImage& image) const;

    uint32_t Entry(std::size_t index) const { return m_words.at(index); }
    void SetEntry(std::size_t index, uint32_t value) { m_words.at(index) = value; }
    static constexpr std::size_t Size() { return RadioImage::kSize; }
    // True while a ScopedImageEdit holds the copy.
    bool Held() const { return m_held; }

private:
    friend class ScopedImageEdit;

    std::array<uint32_t, RadioImage::kSize> m_words;
    bool m_held = false;
    bool m_sheet = false; // the holder is a sheet, whose pages' edits join it
};

} // namespace rpx
