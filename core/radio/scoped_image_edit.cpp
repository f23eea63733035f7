#include "core/radio/scoped_image_edit.h"

#include <stdexcept>

namespace rpx {

ScopedImageEdit::ScopedImageEdit(RadioImage& image, ImageSnapshot& snapshot)
    : m_image(image), m_snapshot(snapshot) {
    if (m_snapshot.m_held)
        throw std::logic_error("a dialog edit of the image is already open");
    m_snapshot.TakeSnapshot(m_image);
    m_snapshot.m_held = true;
}

ScopedImageEdit::~ScopedImageEdit() {
    m_snapshot.m_held = false;
    if (!m_committed)
        m_snapshot.RestoreSnapshot(m_image);
}

} // namespace rpx
