#include "core/radio/scoped_image_edit.h"

#include <stdexcept>

namespace rpx {

ScopedImageEdit::ScopedImageEdit(RadioImage& image, ImageSnapshot& snapshot, Scope scope)
    : m_image(image), m_snapshot(snapshot) {
    if (m_snapshot.m_held && m_snapshot.m_sheet && scope == Scope::Dialog) {
        m_joined = true;
        return;
    }
    if (m_snapshot.m_held)
        throw std::logic_error("a dialog edit of the image is already open");
    m_snapshot.TakeSnapshot(m_image);
    m_snapshot.m_held = true;
    m_snapshot.m_sheet = scope == Scope::Sheet;
}

ScopedImageEdit::~ScopedImageEdit() {
    if (m_joined)
        return;
    m_snapshot.m_held = false;
    m_snapshot.m_sheet = false;
    if (!m_committed)
        m_snapshot.RestoreSnapshot(m_image);
}

} // namespace rpx
