#pragma once

#include <QPixmap>
#include <QWidget>

namespace rpx::gui {

// The radio's key panel as the Key assignment dialog shows it: the front with its two programmable
// keys, the key being edited lit.
class KeyPanelPicture : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kSize{246, 80};
    static constexpr int kNoKey = -1;

    explicit KeyPanelPicture(QWidget* parent = nullptr);

    // 0 or 1 lights that key; kNoKey lights none.
    void SetLitKey(int key);
    int LitKey() const { return m_litKey; }

    // The small symbol of key 0 or 1 shown beside its field.
    static QPixmap KeySymbol(int key);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_litKey = kNoKey;
};

} // namespace rpx::gui
