#pragma once

#include "core/radio/image_snapshot.h"
#include "core/radio/radio_image.h"

namespace rpx {

// A dialog's edit of the image: takes the snapshot when the dialog opens and puts every byte back
// when it ends without Commit() (Cancel, Escape, an exception). One edit at a time: a second one
// while the first is alive, or any other snapshot taken meanwhile, throws std::logic_error, since
// it would overwrite the first edit's undo.
class ScopedImageEdit {
public:
    ScopedImageEdit(RadioImage& image, ImageSnapshot& snapshot);
    ~ScopedImageEdit();
    ScopedImageEdit(const ScopedImageEdit&) = delete;
    ScopedImageEdit& operator=(const ScopedImageEdit&) = delete;

    // Keeps the edited bytes (OK).
    void Commit() { m_committed = true; }

private:
    RadioImage& m_image;
    ImageSnapshot& m_snapshot;
    bool m_committed = false;
};

} // namespace rpx
