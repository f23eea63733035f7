#include "gui/link/memory_map_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <optional>

#include "core/radio/memory_cell.h"
#include "core/text/text_ids.h"
#include "gui/app/qt_text.h"

namespace rpx::gui {

namespace {

constexpr TextId kTitle = 3002111;
constexpr int kColumns = 16; // one image line of 16 bytes per row
constexpr int kRows = static_cast<int>(RadioImage::kSize) / kColumns;
constexpr int kVisibleRows = 16;
constexpr int kCellPadding = 12;
constexpr int kRowPadding = 6;

// Row 0 holds the highest addresses, so the image reads upwards like the radio's memory map.
int AddressOf(int row, int column) {
    return (kRows - 1 - row) * kColumns + column;
}

QString CellText(uint8_t value) {
    return QString::asprintf("%02X", value);
}

bool IsHexDigit(const QString& text) {
    return text.size() == 1 && text[0].unicode() < 0x80 && std::isxdigit(text[0].unicode()) != 0;
}

} // namespace

// The grid with the overlay editing and the address-order moves of the memory map.
class MemoryGrid : public QTableWidget {
    // The overlay editor of a cell: up to two hexadecimal digits, stored the way the cell keeps them.
    class CellDelegate : public QStyledItemDelegate {
    public:
        using QStyledItemDelegate::QStyledItemDelegate;

        QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                              const QModelIndex&) const override {
            auto* editor = new QLineEdit(parent);
            editor->setMaxLength(static_cast<int>(kMemoryCellLength));
            editor->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9A-Fa-f]*"), editor));
            editor->setAlignment(Qt::AlignCenter);
            editor->setFrame(false);
            m_editor = editor;
            return editor;
        }

        void setModelData(QWidget* editor, QAbstractItemModel* model,
                          const QModelIndex& index) const override {
            const auto* line = static_cast<QLineEdit*>(editor);
            model->setData(index, ToQt(CommitMemoryCell(FromQt(line->text()))));
        }

        // The editor opened last; null once it is gone.
        QLineEdit* Editor() const { return m_editor; }

    private:
        mutable QPointer<QLineEdit> m_editor;
    };

public:
    MemoryGrid(const RadioImage& image, QWidget* parent) : QTableWidget(kRows, kColumns, parent) {
        setItemDelegate(m_delegate);
        setEditTriggers(NoEditTriggers);
        setSelectionMode(SingleSelection);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

        QStringList columnLabels;
        for (int column = 0; column < kColumns; ++column)
            columnLabels << QString::asprintf("---%X", column);
        setHorizontalHeaderLabels(columnLabels);
        QStringList rowLabels;
        for (int row = 0; row < kRows; ++row)
            rowLabels << QString::asprintf("%03X-", AddressOf(row, 0) / kColumns);
        setVerticalHeaderLabels(rowLabels);

        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                auto* cell = new QTableWidgetItem(CellText(image.Byte(AddressOf(row, column))));
                cell->setTextAlignment(Qt::AlignCenter);
                setItem(row, column, cell);
            }
        }
        FitCells();
        setCurrentCell(kRows - 1, 0);
    }

    void CommitEdit() {
        if (state() == EditingState && m_delegate->Editor() != nullptr) {
            QLineEdit* editor = m_delegate->Editor();
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        // Keys the editor leaves unused (Enter, which commits by itself, Up, Down...) must neither
        // move the grid under it nor reach the dialog.
        if (state() == EditingState)
            return;
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OpenEditor(std::nullopt);
            return;
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            OpenEditor(QString());
            return;
        case Qt::Key_Right:
            MoveByAddress(1);
            return;
        case Qt::Key_Left:
            MoveByAddress(-1);
            return;
        default:
            break;
        }
        if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0 &&
            IsHexDigit(event->text())) {
            OpenEditor(event->text());
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        QTableWidget::closeEditor(editor, hint);
        // Enter in the editor is the only way to submit; it goes on to the next address.
        if (hint == QAbstractItemDelegate::SubmitModelCache)
            MoveByAddress(1);
    }

private:
    // text: what the editor starts with, the caret after it; none: the cell's text, selected.
    void OpenEditor(const std::optional<QString>& text) {
        edit(currentIndex());
        if (text && m_delegate->Editor() != nullptr)
            m_delegate->Editor()->setText(*text);
    }

    void MoveByAddress(int step) {
        const int address = AddressOf(currentRow(), currentColumn()) + step;
        if (address >= 0 && address < kRows * kColumns)
            setCurrentCell(kRows - 1 - address / kColumns, address % kColumns);
    }

    void FitCells() {
        const QFontMetrics headerMetrics(horizontalHeader()->font());
        const QFontMetrics cellMetrics(font());
        const int cellWidth = std::max(headerMetrics.horizontalAdvance(QStringLiteral("---F")),
                                       cellMetrics.horizontalAdvance(QStringLiteral("DD"))) +
                              kCellPadding;
        const int rowHeight = std::max(headerMetrics.height(), cellMetrics.height()) + kRowPadding;
        for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
            header->setSectionResizeMode(QHeaderView::Fixed);
            header->setMinimumSectionSize(0);
            header->setHighlightSections(false);
        }
        horizontalHeader()->setDefaultSectionSize(cellWidth);
        verticalHeader()->setDefaultSectionSize(rowHeight);
        const int frame = 2 * frameWidth();
        setFixedWidth(frame + verticalHeader()->sizeHint().width() + kColumns * cellWidth +
                      verticalScrollBar()->sizeHint().width());
        setMinimumHeight(frame + horizontalHeader()->sizeHint().height() + kVisibleRows * rowHeight);
    }

    CellDelegate* m_delegate = new CellDelegate(this);
};

MemoryMapDialog::MemoryMapDialog(RadioImage& image, const LanguageTable& texts, QWidget* parent)
    : QDialog(parent), m_image(image), m_grid(new MemoryGrid(image, this)), m_address(new QLabel) {
    setWindowTitle(Tr(texts, kTitle));
    setProperty("helpContext", kHelpContext);

    m_address->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_address->setAlignment(Qt::AlignCenter);
    m_address->setMinimumWidth(m_address->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                               kCellPadding);
    connect(m_grid, &QTableWidget::currentCellChanged, this, &MemoryMapDialog::ShowAddress);
    ShowAddress(m_grid->currentRow(), m_grid->currentColumn());

    // Enter belongs to the grid's editing, so no button is pressed by it.
    auto* ok = new QPushButton(Tr(texts, txt::kOk));
    auto* cancel = new QPushButton(Tr(texts, txt::kCancel));
    for (QPushButton* button : {ok, cancel})
        button->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &MemoryMapDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &MemoryMapDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_address);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(bottom);
    m_grid->setFocus();
}

void MemoryMapDialog::ShowAddress(int row, int column) {
    m_address->setText(QString::asprintf("%.4X", AddressOf(row, column)));
}

void MemoryMapDialog::OnOk() {
    m_grid->CommitEdit();
    RadioImage edited = m_image;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            uint8_t value = 0;
            if (!ParseMemoryCell(FromQt(m_grid->item(row, column)->text()), value)) {
                // Only a hexadecimal byte can be stored; show the user which cell is not one.
                m_grid->setCurrentCell(row, column);
                m_grid->setFocus();
                return;
            }
            edited.SetByte(static_cast<std::size_t>(AddressOf(row, column)), value);
        }
    }
    m_image = edited;
    accept();
}

} // namespace rpx::gui
