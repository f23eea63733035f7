#pragma once

#include <QTableWidget>

#include <functional>
#include <string>

namespace rpx::gui {

// A page of the SmarTrunk dialog holding one table of the board (speed-dial memories, code list):
// a read-only name column and a value column edited in place with digits only. A value is stored
// when its cell is left, and the cell then shows what was stored.
class SmarTrunkTablePage : public QTableWidget {
    Q_OBJECT

public:
    struct Columns {
        QString nameHeading; // empty: no headings
        QString valueHeading;
        int nameWidth;
        int valueWidth;
    };
    using RowText = std::function<std::string(int row)>;
    using Commit = std::function<std::string(int row, const std::string& typed)>;

    SmarTrunkTablePage(int rows, int maxDigits, const Columns& columns, RowText name, RowText value,
                       Commit commit, QWidget* parent = nullptr);

    void Load();

private:
    RowText m_name;
    RowText m_value;
    Commit m_commit;
};

} // namespace rpx::gui
