#include "exercises/Zins.h"

#include "platform/Accessible.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <cstdlib>

TfmZins* fmZins = nullptr;

namespace zins {

Record MakeRecord(TRandom& random)
{
    Record r;
    r.capital = 1000 + 500 * random.range(0, 199);
    r.rate = 20 + random.range(0, 49);
    r.deposit = random.range(0, 179);
    r.payout = 180 + random.range(0, 179);
    r.interest = Interest(r.capital, r.rate, r.payout - r.deposit);
    return r;
}

Task MakeTask(TRandom& random)
{
    Task t;
    for (Record& r : t)
        r = MakeRecord(random);
    return t;
}

int32_t InterestDays(const Record& record)
{
    return record.payout - record.deposit;
}

int32_t Interest(int32_t capital, int32_t rate, int32_t days)
{
    // The grouping matters: at exact halves of a Pfennig the rounding errors of
    // rate / 1000 and days * 100 / 360 decide the direction.
    const Extended yearly = static_cast<Extended>(rate) / 1000 * capital;
    const Extended share = static_cast<Extended>(days * 100) / 360;
    return static_cast<int32_t>(RoundEven(yearly * share));
}

QString DateText(int32_t day)
{
    return QStringLiteral("%1.%2").arg(day % 30 + 1).arg(day / 30 + 1);
}

QString RateText(int32_t rate)
{
    return FloatToStr(static_cast<Extended>(rate) / 10);
}

QString InterestText(int32_t pfennig)
{
    return FloatToStr(static_cast<Extended>(pfennig) / 100);
}

QStringList HeaderTexts()
{
    return {QStringLiteral("Kapital"), QStringLiteral("Zinssatz"), QStringLiteral("Einzahlungstag"),
            QStringLiteral("Auszahlungstag"), QStringLiteral("Zins")};
}

QStringList RowTexts(const Record& record)
{
    return {QString::number(record.capital), RateText(record.rate), DateText(record.deposit),
            DateText(record.payout), InterestText(record.interest)};
}

QString AskedRowText(const Task& task, Variant variant)
{
    const QPoint asked = AskedCell(variant);
    const QStringList header = HeaderTexts();
    const QStringList cells = RowTexts(task[static_cast<size_t>(asked.y() - 1)]);
    QStringList known;
    for (int col = 0; col < cells.size(); ++col) {
        if (col != asked.x())
            known << header[col] + QLatin1Char(' ') + cells[col];
    }
    return QStringLiteral("Gesucht: %1 in Zeile %2. Bekannt: %3.")
        .arg(header[asked.x()])
        .arg(asked.y())
        .arg(known.join(QStringLiteral(", ")));
}

QPoint AskedCell(Variant variant)
{
    switch (variant) {
    case Variant::Interest:
        return {4, 1};
    case Variant::Rate:
        return {1, 3};
    case Variant::Capital:
        return {0, 4};
    case Variant::PayoutDay:
        break;
    }
    return {3, 2};
}

QString InitialAnswer(Variant variant)
{
    switch (variant) {
    case Variant::Interest:
        return QStringLiteral("0,00");
    case Variant::Rate:
        return QStringLiteral("0,0");
    case Variant::Capital:
        return QStringLiteral("0");
    case Variant::PayoutDay:
        break;
    }
    return {};
}

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Keeps the significant digits only; the exponent follows the removed zeros.
void normalise(QString& digits, int64_t& exponent)
{
    qsizetype lead = 0;
    while (lead < digits.size() && digits[lead] == QLatin1Char('0'))
        ++lead;
    digits.remove(0, lead);
    while (digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
        ++exponent;
    }
}

} // namespace

bool DecimalEquals(const QString& text, int32_t units, int scale)
{
    // Only what the decimal conversion accepts is a number at all.
    if (!TryStrToFloat(text))
        return false;
    const QString t = text.trimmed();
    const qsizetype n = t.size();
    qsizetype i = 0;
    bool negative = false;
    if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))
        negative = t[i++] == QLatin1Char('-');
    QString digits;
    int64_t exponent = 0;
    while (i < n && isAsciiDigit(t[i]))
        digits += t[i++];
    if (i < n && t[i] == QLatin1Char(',')) {
        ++i;
        for (; i < n && isAsciiDigit(t[i]); ++i) {
            digits += t[i];
            --exponent;
        }
    }
    if (i < n) { // the exponent part, "E-3"
        ++i;
        bool negativeExponent = false;
        if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))
            negativeExponent = t[i++] == QLatin1Char('-');
        int64_t e = 0;
        for (; i < n; ++i)
            e = std::min<int64_t>(e * 10 + (t[i].unicode() - '0'), 1000000000);
        exponent += negativeExponent ? -e : e;
    }
    normalise(digits, exponent);

    QString expected = QString::number(std::llabs(static_cast<long long>(units)));
    int64_t expectedExponent = -scale;
    normalise(expected, expectedExponent);
    if (digits.isEmpty() || expected.isEmpty()) // zero has no sign
        return digits.isEmpty() && expected.isEmpty();
    return negative == (units < 0) && digits == expected && exponent == expectedExponent;
}

QString JoinedDate(const QString& day, const QString& month)
{
    QString joined = day + month;
    joined.chop(1);
    return joined;
}

Verdict Check(Variant variant, const Task& task, const QString& answer)
{
    switch (variant) {
    case Variant::Interest: {
        const Record& r = task[0];
        if (!TryStrToFloat(answer))
            return {Outcome::Invalid,
                    QStringLiteral("In der ersten Zeile muss ein Kommazahl stehen!")};
        if (DecimalEquals(answer, r.interest, 2))
            return {Outcome::Right,
                    QStringLiteral("Der Zins in der ersten Zeile wurde richtig berechnet!")};
        return {Outcome::Wrong,
                QStringLiteral("In der ersten Zeile ergibt sich bei%1 Tagen %2 DM Zins.")
                    .arg(InterestDays(r))
                    .arg(InterestText(r.interest))};
    }
    case Variant::Rate: {
        const Record& r = task[2];
        const std::optional<Extended> value = TryStrToFloat(answer);
        if (!value)
            return {
                Outcome::Invalid,
                QStringLiteral("In der dritten Zeile muss ein Zinssatz (eine Kommazahl) stehen!")};
        const Extended tenths = *value * 10;
        if (tenths == r.rate)
            return {Outcome::Right,
                    QStringLiteral("Der Zinssatz in der 3.Zeile wurde richtig berechnet!")};
        return {Outcome::Wrong,
                QStringLiteral("Der Zinssatz müsste lauten : %1 %").arg(RateText(r.rate))};
    }
    case Variant::Capital: {
        const Record& r = task[3];
        if (!TryStrToFloat(answer))
            return {Outcome::Invalid, QStringLiteral("In der vierten Zeile muss ein Zahl stehen!")};
        if (DecimalEquals(answer, r.capital, 0))
            return {Outcome::Right, QStringLiteral("Das Kapital wurde richtig berechnet!")};
        return {Outcome::Wrong,
                QStringLiteral("In der vierten Zeile ergibt sich bei%1 Tagen %2 DM Kapital.")
                    .arg(InterestDays(r))
                    .arg(r.capital)};
    }
    case Variant::PayoutDay:
        break;
    }
    const QString expected = DateText(task[1].payout);
    if (answer == expected)
        return {Outcome::Right, QStringLiteral("Das Auszahlungsdatum stimmt genau !")};
    return {Outcome::Wrong,
            QStringLiteral("In der zweiten Zeile ist das Auszahlungsdatum der ") + expected};
}

} // namespace zins

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
    : TfmVorlage(parent)
{
    setObjectName(QStringLiteral("fmZins"));
    setWindowTitle(QStringLiteral("Zinsrechnung"));
    setInvalidEntry(TInvalidEntry::ResetAsFailure);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::red);
    setPalette(pal);
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(15);
    windowFont.setBold(true);
    setFont(windowFont);
    // The bottom panel keeps the template's own font.
    QFont panelFont(QStringLiteral("Tahoma"));
    panelFont.setPixelSize(13);
    panelFont.setBold(false);
    Panel6->setFont(panelFont);

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

    laTaskText->setText(QStringLiteral("Berechne jeweils den Inhalt der Felder"));

    setClientSize(792, 445);
}

void TfmZins::FormCreate()
{
    TfmVorlage::FormCreate();
    SetTips({QStringLiteral("Jahreszins = Zinssatz·Kapital"),
             QStringLiteral("Zins für eine bestimmte Tageszahl ist Tageszahl/360·Jahreszins"),
             QStringLiteral("Berechne möglichst zuerst den Jahreszins."),
             QStringLiteral("Denke auch daran, den Dreisatz zu verwnden.")});
    ComboBox1->clear();
    ComboBox2->clear();
    for (int day = 1; day <= 30; ++day)
        ComboBox1->addItem(QStringLiteral("%1.").arg(day));
    for (int month = 1; month <= 12; ++month)
        ComboBox2->addItem(QStringLiteral("%1.").arg(month));
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);

    {
        const QSignalBlocker blocker(ComboBox3);
        ComboBox3->setCurrentIndex(0);
    }
    ComboBox3Change();
    // Only a choice made after this point starts a task of its own.
    connect(ComboBox3, &QComboBox::currentIndexChanged, this,
            [this] { RunHandler([this] { ComboBox3Change(); }); });
}

zins::Variant TfmZins::variant() const
{
    const int index = ComboBox3->currentIndex();
    return index >= 1 && index <= 3 ? static_cast<zins::Variant>(index) : zins::Variant::Interest;
}

zins::Task TfmZins::task() const
{
    zins::Task t;
    for (int i = 0; i < 4; ++i)
        t[i] = {TaskValues[5 * i], TaskValues[5 * i + 1], TaskValues[5 * i + 2],
                TaskValues[5 * i + 3], TaskValues[5 * i + 4]};
    return t;
}

void TfmZins::setTask(const zins::Task& task)
{
    const QStringList header = zins::HeaderTexts();
    for (int col = 0; col < 5; ++col)
        StringGrid1->item(0, col)->setText(header[col]);
    for (int i = 0; i < 4; ++i) {
        const zins::Record& r = task[i];
        TaskValues[5 * i] = r.capital;
        TaskValues[5 * i + 1] = r.rate;
        TaskValues[5 * i + 2] = r.deposit;
        TaskValues[5 * i + 3] = r.payout;
        TaskValues[5 * i + 4] = r.interest;
        const QStringList cells = zins::RowTexts(r);
        for (int col = 0; col < 5; ++col)
            StringGrid1->item(i + 1, col)->setText(cells[col]);
    }
    markAskedCell();
    TaskChanged();
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

void TfmZins::ComboBox3Change()
{
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, ComboBox1, ComboBox2, Edit3, Edit4})
        w->hide();
    const zins::Variant v = variant();
    switch (v) {
    case zins::Variant::Interest:
        Edit1->show();
        break;
    case zins::Variant::Rate:
        Edit3->show();
        break;
    case zins::Variant::Capital:
        Edit4->show();
        break;
    case zins::Variant::PayoutDay:
        ComboBox1->show();
        ComboBox2->show();
        break;
    }
    StringGrid1->setCurrentCell(zins::AskedCell(v).y(), 0);
    NewTask();
}

void TfmZins::NewTask()
{
    setTask(zins::MakeTask(Random()));
    Edit1->setText(zins::InitialAnswer(zins::Variant::Interest));
    Edit3->setText(zins::InitialAnswer(zins::Variant::Rate));
    Edit4->setText(zins::InitialAnswer(zins::Variant::Capital));
    sbCheckIt->setEnabled(true);
}

QString TfmZins::answerText(zins::Variant variant) const
{
    switch (variant) {
    case zins::Variant::Interest:
        return Edit1->text();
    case zins::Variant::Rate:
        return Edit3->text();
    case zins::Variant::Capital:
        return Edit4->text();
    case zins::Variant::PayoutDay:
        break;
    }
    return zins::JoinedDate(ComboBox1->currentText(), ComboBox2->currentText());
}

void TfmZins::ResetEntry()
{
    resetAnswer(variant());
}

void TfmZins::resetAnswer(zins::Variant variant)
{
    switch (variant) {
    case zins::Variant::Interest:
        Edit1->setText(zins::InitialAnswer(variant));
        break;
    case zins::Variant::Rate:
        Edit3->setText(zins::InitialAnswer(variant));
        break;
    case zins::Variant::Capital:
        Edit4->setText(zins::InitialAnswer(variant));
        break;
    case zins::Variant::PayoutDay:
        break;
    }
}

void TfmZins::CheckAnswer()
{
    const zins::Variant v = variant();
    Conclude(zins::Check(v, task(), answerText(v)));
}
