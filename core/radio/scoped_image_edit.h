#pragma once

#include "core/radio/image_snapshot.h"
#include "core/radio/radio_image.h"

namespace rpx {

// A dialog's edit of the image: takes the snapshot when the dialog opens and puts every byte back
// when it ends without Commit() (Cancel, Escape, an exception). One edit at a time: a second one
// while the first is alive, or any other snapshot taken meanwhile, throws std::logic_error, since
// it would overwrite the first edit's undo.
// A sheet of dialog pages is one edit (Scope::Sheet): the edits its pages' rules make while it is
// open join it, taking no snapshot and putting nothing back; the sheet's own edit keeps or undoes
// every page's changes at once.
class ScopedImageEdit {
public:
    enum class Scope { Dialog, Sheet };

    ScopedImageEdit(RadioImage& image, ImageSnapshot& snapshot, Scope scope = Scope::Dialog);
    ~ScopedImageEdit();
    ScopedImageEdit(const ScopedImageEdit&) = delete;
    ScopedImageEdit& operator=(const ScopedImageEdit&) = delete;

    // Keeps the edited bytes (OK).
    void Commit() { m_committed = true; }

private:
    RadioImage& m_image;
    ImageSnapshot& m_snapshot;
    bool m_committed = false;
    bool m_joined = false; // a page's edit inside a sheet's
};

} // namespace rpx
