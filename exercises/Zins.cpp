#include "exercises/Zins.h"

#include "core/Numbers.h"
#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <cstdlib>

TfmZins* fmZins = nullptr;

namespace {

const QColor CellColor(0x80, 0x80, 0xC0);
constexpr int ColWidth = 150;
constexpr int RowHeight = 36;

// Cells as a classic string grid draws them: text at the top left, a raised
// header row with black lines, silver lines between the other cells, and the
// current cell highlighted.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        // The section holds the cell and, on its right and bottom edge, the grid line.
        const QRect cell(r.left(), r.top(), r.width() - 1, r.height() - 1);
        const bool fixed = index.row() == 0;
        const bool selected = !fixed && (option.state & QStyle::State_Selected);
        p->save();
        p->setRenderHint(QPainter::Antialiasing, false);
        p->fillRect(cell, fixed      ? option.palette.color(QPalette::Button)
                          : selected ? option.palette.color(QPalette::Highlight)
                                     : CellColor);
        p->setPen(fixed ? QColor(Qt::black) : QColor(0xC0, 0xC0, 0xC0));
        p->drawLine(r.right(), r.top(), r.right(), r.bottom());
        p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        if (fixed) {
            p->setPen(Qt::white);
            p->drawLine(cell.topLeft(), cell.topRight());
            p->drawLine(cell.topLeft(), cell.bottomLeft());
            p->setPen(QColor(0x80, 0x80, 0x80));
            p->drawLine(cell.bottomLeft(), cell.bottomRight());
            p->drawLine(cell.topRight(), cell.bottomRight());
        }
        p->setClipRect(cell);
        p->setFont(option.font);
        p->setPen(selected ? option.palette.color(QPalette::HighlightedText) : QColor(Qt::black));
        p->drawText(cell.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data().toString());
        if (!fixed && (option.state & QStyle::State_HasFocus)) {
            QPen dotted(option.palette.color(QPalette::HighlightedText), 1, Qt::DotLine);
            p->setPen(dotted);
            p->drawRect(cell.adjusted(0, 0, -1, -1));
        }
        p->restore();
    }
};

// Display only: no editing, no jumping to a cell by typing, Tab leaves the grid.
class DisplayGrid : public QTableWidget {
public:
    DisplayGrid(int rows, int columns, QWidget* parent)
        : QTableWidget(rows, columns, parent)
    {
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setTabKeyNavigation(false);
        // Display only: typing goes to the answer field, never to the table.
        setFocusPolicy(Qt::NoFocus);
        setAutoScroll(false);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setShowGrid(false);
        setWordWrap(false);
        horizontalHeader()->hide();
        verticalHeader()->hide();
        horizontalHeader()->setMinimumSectionSize(1);
        verticalHeader()->setMinimumSectionSize(1);
        horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        horizontalHeader()->setDefaultSectionSize(ColWidth + 1);
        verticalHeader()->setDefaultSectionSize(RowHeight + 1);
        setItemDelegate(new GridDelegate(this));
        QPalette pal = QApplication::palette();
        pal.setColor(QPalette::Base, CellColor);
        setPalette(pal);
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < columns; ++col) {
                auto* item = new QTableWidgetItem;
                // The header row can never become the current cell.
                item->setFlags(row == 0 ? Qt::NoItemFlags
                                        : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                setItem(row, col, item);
            }
    }

    void keyboardSearch(const QString&) override {}

protected:
    // One cell is always the current, highlighted one; Ctrl+click does not clear it.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent*) const override
    {
        return (index.flags() & Qt::ItemIsSelectable) ? QItemSelectionModel::ClearAndSelect
                                                      : QItemSelectionModel::NoUpdate;
    }
};

} // namespace

TfmZins::TfmZins(QWidget* parent)
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmZins"));
    setWindowTitle(QStringLiteral("Zinsrechnung"));
    setInvalidEntry(TInvalidEntry::ResetAsFailure);

    setLook();
    Image1 = MakeChild<TImage>(this, "Image1", 20, 8, 161, 121);
    Image1->loadSvg(QStringLiteral(":/zins.svg"));
    SetAccessibleTexts(Image1, QStringLiteral("Bild: Sparschwein"), QString());
    Label1 = MakeChild<QLabel>(this, "Label1", 224, 16, 326, 18,
                               QStringLiteral("Hier wurde innerhalb eines Jahres gespart :"));

    StringGrid1 = new DisplayGrid(5, 5, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(20, 136, 761, 193);

    // The answer widgets lie over the cells they ask for.
    Edit1 = MakeChild<QLineEdit>(this, "Edit1", 628, 176, 145, 26);
    Edit3 = MakeChild<QLineEdit>(this, "Edit3", 174, 250, 145, 26);
    Edit4 = MakeChild<QLineEdit>(this, "Edit4", 24, 288, 145, 26);
    ComboBox1 = MakeChild<QComboBox>(this, "ComboBox1", 476, 216, 67, 26);
    ComboBox2 = MakeChild<QComboBox>(this, "ComboBox2", 548, 216, 67, 26);

    Label2 = MakeChild<QLabel>(this, "Label2", 112, 356, 182, 18,
                               QStringLiteral("Ich will folgendes üben :"));
    ComboBox3 = MakeChild<QComboBox>(this, "ComboBox3", 320, 352, 425, 26);
    ComboBox3->addItems({QStringLiteral("Zins ausrechnen"), QStringLiteral("Zinssatz ausrechnen"),
                         QStringLiteral("Kapital ausrechnen"),
                         QStringLiteral("Auszahlungstag ausrechnen (schwer)")});

    settleAnswers();
    laTaskText->setText(QStringLiteral("Berechne jeweils den Inhalt der Felder"));
    SetTips({QStringLiteral("Jahreszins = Zinssatz·Kapital"),
             QStringLiteral("Zins für eine bestimmte Tageszahl ist Tageszahl/360·Jahreszins"),
             QStringLiteral("Berechne möglichst zuerst den Jahreszins."),
             QStringLiteral("Denke auch daran, den Dreisatz zu verwnden.")});
    for (int day = 1; day <= 30; ++day)
        ComboBox1->addItem(QStringLiteral("%1.").arg(day));
    for (int month = 1; month <= 12; ++month)
        ComboBox2->addItem(QStringLiteral("%1.").arg(month));
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);
    // The first variant is chosen; only a choice made after this point starts a task.
    showVariant();
    connect(ComboBox3, &QComboBox::currentIndexChanged, this,
            [this] { RunHandler([this] { ComboBox3Change(); }); });

    setClientSize(792, 445);
}

void TfmZins::settleAnswers()
{
    // The controls keep their usual colours; the style would tint their frames with the red.
    QPalette plain = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        plain.setBrush(group, QPalette::Window,
                       QApplication::palette().brush(group, QPalette::Window));
    for (QWidget* w :
         std::initializer_list<QWidget*>{Edit1, Edit3, Edit4, ComboBox1, ComboBox2, ComboBox3})
        w->setPalette(plain);
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        SetPickList(box);
    // Labels size themselves to their text, so a wider font does not cut it off.
    for (QLabel* label : {Label1, Label2})
        label->resize(label->sizeHint().width(), label->height());

    setTabOrder(StringGrid1, Edit1);
    setTabOrder(Edit1, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, ComboBox1);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, ComboBox3);

    // Each answer widget is named by the cell it lies over.
    const auto cellName = [](zins::Variant v) {
        const QPoint cell = zins::AskedCell(v);
        return QStringLiteral("%1 in Zeile %2").arg(zins::HeaderTexts()[cell.x()]).arg(cell.y());
    };
    SetAccessibleTexts(Edit1, cellName(zins::Variant::Interest), QString());
    SetAccessibleTexts(Edit3, cellName(zins::Variant::Rate), QString());
    SetAccessibleTexts(Edit4, cellName(zins::Variant::Capital), QString());
    SetAccessibleTexts(ComboBox1, cellName(zins::Variant::PayoutDay) + QStringLiteral(", Tag"),
                       QString());
    SetAccessibleTexts(ComboBox2, cellName(zins::Variant::PayoutDay) + QStringLiteral(", Monat"),
                       QString());
    LabelField(Label2, ComboBox3);
    AddTaskPart([this] { return zins::AskedRowText(task(), variant()); });
}

void TfmZins::setLook()
{
    SetWindowColor(this, Qt::red);
    setFont(PixelFont(QStringLiteral("Tahoma"), 15, true));
    // The bottom panel keeps the template's own font, not bold.
    QFont panelFont = PixelFont(QStringLiteral("Tahoma"), 13);
    panelFont.setBold(false);
    Panel6->setFont(panelFont);
}

zins::Variant TfmZins::variant() const
{
    const int index = ComboBox3->currentIndex();
    return index >= 1 && index <= 3 ? static_cast<zins::Variant>(index) : zins::Variant::Interest;
}

zins::Task TfmZins::DrawTask()
{
    return zins::MakeTask(Random());
}

void TfmZins::ShowTask(const zins::Task& task)
{
    const QStringList header = zins::HeaderTexts();
    for (int col = 0; col < 5; ++col)
        StringGrid1->item(0, col)->setText(header[col]);
    for (int i = 0; i < 4; ++i) {
        const QStringList cells = zins::RowTexts(task[i]);
        for (int col = 0; col < 5; ++col)
            StringGrid1->item(i + 1, col)->setText(cells[col]);
    }
    markAskedCell();
}

QLineEdit* TfmZins::answerEdit(zins::Variant variant) const
{
    const std::array<QLineEdit*, zins::VariantCount> edits{Edit1, Edit3, Edit4, nullptr};
    return edits[static_cast<size_t>(variant)];
}

void TfmZins::ResetAnswer()
{
    for (int v = 0; v < zins::VariantCount; ++v)
        if (QLineEdit* edit = answerEdit(static_cast<zins::Variant>(v)))
            edit->setText(zins::InitialAnswer(static_cast<zins::Variant>(v)));
}

void TfmZins::ResetEntry()
{
    if (QLineEdit* edit = answerEdit(variant()))
        edit->setText(zins::InitialAnswer(variant()));
}

void TfmZins::showVariant()
{
    const zins::Variant v = variant();
    QLineEdit* const edit = answerEdit(v);
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, ComboBox1, ComboBox2, Edit3, Edit4})
        w->setVisible(w == edit || (!edit && (w == ComboBox1 || w == ComboBox2)));
    StringGrid1->setCurrentCell(zins::AskedCell(v).y(), 0);
}

void TfmZins::ComboBox3Change()
{
    showVariant();
    NewTask();
}

void TfmZins::CheckAnswer()
{
    const zins::Variant v = variant();
    const QLineEdit* const edit = answerEdit(v);
    Conclude(
        zins::Check(v, task(),
                    edit ? edit->text()
                         : zins::JoinedDate(ComboBox1->currentText(), ComboBox2->currentText())));
}

void TfmZins::markAskedCell()
{
    // The answer widget hides the asked cell from the eye; a screen reader, which
    // reads the grid's cells, hears "gesucht" there instead of the answer.
    const QPoint asked = zins::AskedCell(variant());
    for (int row = 1; row < StringGrid1->rowCount(); ++row) {
        for (int col = 0; col < StringGrid1->columnCount(); ++col) {
            QTableWidgetItem* item = StringGrid1->item(row, col);
            if (item)
                item->setData(Qt::AccessibleTextRole, QPoint(col, row) == asked
                                                          ? QVariant(QStringLiteral("gesucht"))
                                                          : QVariant());
        }
    }
}
