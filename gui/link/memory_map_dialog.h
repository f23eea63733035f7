#pragma once

#include <QDialog>

#include "core/radio/radio_image.h"
#include "core/text/language_table.h"

class QLabel;

namespace rpx::gui {

class MemoryGrid;

// Program > Memory: the whole image as a grid of hexadecimal bytes, highest addresses at the top.
// OK stores every cell into the image; Cancel leaves the image as it was.
class MemoryMapDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1370;

    MemoryMapDialog(RadioImage& image, const LanguageTable& texts, QWidget* parent);

private:
    void ShowAddress(int row, int column);
    void OnOk();

    RadioImage& m_image;
    MemoryGrid* m_grid;
    QLabel* m_address;
};

} // namespace rpx::gui
