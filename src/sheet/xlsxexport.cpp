#include "sheet/xlsxexport.h"

#include "numtext/numtext.h"
#include "sheet/itemline.h"

#include <QFile>
#include <QLibrary>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <locale.h>

namespace msweight {

namespace {

// libxlsxwriter, loaded on the first export rather than with the program:
// linked, it and the zip library it brings cost every start 5.7 M
// instructions and 133 page faults, 7% of start-up (callgrind on
// bench_startup_form, Qt 6.4.2, libxlsxwriter 1.1.4), for a command few
// starts use. It can go when linking them costs start-up less than 5%
// (bench/startup.sh with the library linked).
struct Lxw
{
    decltype(&::workbook_new) workbook_new;
    decltype(&::workbook_close) workbook_close;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet;
    decltype(&::workbook_add_format) workbook_add_format;
    decltype(&::format_set_bold) format_set_bold;
    decltype(&::format_set_num_format) format_set_num_format;
    decltype(&::worksheet_write_string) worksheet_write_string;
    decltype(&::worksheet_write_number) worksheet_write_number;
    decltype(&::worksheet_write_formula_num) worksheet_write_formula_num;
    decltype(&::worksheet_set_column) worksheet_set_column;
    decltype(&::lxw_strerror) lxw_strerror;
};
Lxw lxw;

// Loads the library once; empty when it is there, else why not.
QString LoadLxw()
{
    static const QString why = [] {
        static QLibrary library(QStringLiteral("xlsxwriter"), 4);
        if (!library.load())
            return QStringLiteral("libxlsxwriter is missing (Debian: libxlsxwriter4): %1").arg(library.errorString());
        bool all = true;
        const auto resolve = [&all](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
            all = all && function;
        };
        resolve(lxw.workbook_new, "workbook_new");
        resolve(lxw.workbook_close, "workbook_close");
        resolve(lxw.workbook_add_worksheet, "workbook_add_worksheet");
        resolve(lxw.workbook_add_format, "workbook_add_format");
        resolve(lxw.format_set_bold, "format_set_bold");
        resolve(lxw.format_set_num_format, "format_set_num_format");
        resolve(lxw.worksheet_write_string, "worksheet_write_string");
        resolve(lxw.worksheet_write_number, "worksheet_write_number");
        resolve(lxw.worksheet_write_formula_num, "worksheet_write_formula_num");
        resolve(lxw.worksheet_set_column, "worksheet_set_column");
        resolve(lxw.lxw_strerror, "lxw_strerror");
        return all ? QString()
                   : QStringLiteral("%1 is not the libxlsxwriter this program was built with.").arg(library.fileName());
    }();
    return why;
}

constexpr double MaxWidth = 60; // characters; a long description wraps in no spreadsheet

// "#,##0.00": grouped as the spreadsheet's locale groups, to `decimals`.
QByteArray NumberFormat(int decimals)
{
    return decimals > 0 ? "#,##0." + QByteArray(decimals, '0') : QByteArray("#,##0");
}

// The column's letter: the sheet has fewer than 26 columns.
QString ColumnName(int column)
{
    return QString(QChar(u'A' + column));
}

// libxlsxwriter writes numbers into the XML with printf, which follows
// LC_NUMERIC: under de_DE, 2.5 would go in as "2,5", a workbook no
// spreadsheet reads. The thread writes in the C locale's numbers meanwhile.
class CNumbers
{
public:
    CNumbers()
        : m_c(newlocale(LC_NUMERIC_MASK, "C", duplocale(uselocale(nullptr))))
        , m_before(m_c ? uselocale(m_c) : nullptr)
    {
    }
    ~CNumbers()
    {
        if (m_c) {
            uselocale(m_before);
            freelocale(m_c);
        }
    }
    CNumbers(const CNumbers &) = delete;
    CNumbers &operator=(const CNumbers &) = delete;
    bool ok() const { return m_c != nullptr; }

private:
    locale_t m_c;
    locale_t m_before;
};

class Workbook
{
public:
    explicit Workbook(const QString &path)
        : m_book(lxw.workbook_new(QFile::encodeName(path).constData()))
    {
    }
    ~Workbook()
    {
        if (m_book)
            lxw.workbook_close(m_book);
    }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    lxw_workbook *get() const { return m_book; }
    // Writes the file and frees the workbook.
    lxw_error close() { return lxw.workbook_close(std::exchange(m_book, nullptr)); }

private:
    lxw_workbook *m_book;
};

struct Formats
{
    lxw_format *bold;
    lxw_format *kg;
    lxw_format *money;
    lxw_format *totalKg;
    lxw_format *totalMoney;
    lxw_format *perSquareMetre; // a plate's unit weight: still a number
};

Formats MakeFormats(lxw_workbook *book, const FigureFormat &figures)
{
    const QByteArray kg = NumberFormat(figures.kgDecimals);
    const QByteArray money = NumberFormat(2);
    Formats f{};
    f.bold = lxw.workbook_add_format(book);
    lxw.format_set_bold(f.bold);
    f.kg = lxw.workbook_add_format(book);
    lxw.format_set_num_format(f.kg, kg.constData());
    f.money = lxw.workbook_add_format(book);
    lxw.format_set_num_format(f.money, money.constData());
    f.totalKg = lxw.workbook_add_format(book);
    lxw.format_set_num_format(f.totalKg, kg.constData());
    lxw.format_set_bold(f.totalKg);
    f.totalMoney = lxw.workbook_add_format(book);
    lxw.format_set_num_format(f.totalMoney, money.constData());
    lxw.format_set_bold(f.totalMoney);
    f.perSquareMetre = lxw.workbook_add_format(book);
    lxw.format_set_num_format(f.perSquareMetre, "General\" kg/m²\"");
    return f;
}

class Writer
{
public:
    Writer(lxw_worksheet *sheet)
        : m_sheet(sheet)
    {
        m_widths.fill(0);
    }

    void text(int row, int column, const QString &text, lxw_format *format = nullptr)
    {
        if (text.isEmpty())
            return;
        lxw.worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(), format);
        fit(column, text);
    }
    // `shown` is the figure as the sheet shows it, for the column's width.
    void number(int row, int column, double value, const QString &shown, lxw_format *format = nullptr)
    {
        lxw.worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), value, format);
        fit(column, shown);
    }
    void sum(int row, int column, int first, int last, double value, const QString &shown, lxw_format *format)
    {
        const QByteArray formula
            = QStringLiteral("=SUM(%1%2:%1%3)").arg(ColumnName(column)).arg(first + 1).arg(last + 1).toUtf8();
        lxw.worksheet_write_formula_num(m_sheet, lxw_row_t(row), lxw_col_t(column), formula.constData(), format, value);
        fit(column, shown);
    }
    // A number where the text is one, else the text as it was typed.
    void typed(int row, int column, const QString &text, QStringView separator)
    {
        if (const std::optional<double> value = ParseNumber(text, separator))
            number(row, column, *value, text);
        else
            this->text(row, column, text);
    }
    void fitColumns()
    {
        for (int c = 0; c < JobSheet::ColumnCount; ++c) {
            if (m_widths[std::size_t(c)] > 0)
                lxw.worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c),
                                         std::min(m_widths[std::size_t(c)] + 2, MaxWidth), nullptr);
        }
    }

private:
    // The top rows' long texts may spill over into the next cells.
    void fit(int column, const QString &shown)
    {
        if (column < JobSheet::ColumnCount)
            m_widths[std::size_t(column)] = std::max(m_widths[std::size_t(column)], double(shown.size()));
    }

    lxw_worksheet *m_sheet;
    std::array<double, JobSheet::ColumnCount> m_widths;
};

void WriteSheet(lxw_workbook *book, lxw_worksheet *ws, const JobSheet &sheet)
{
    const FigureFormat &figures = sheet.figures();
    const Formats f = MakeFormats(book, figures);
    const QString &separator = sheet.separator();
    Writer out(ws);

    // The top rows' captions are not measured: the columns are the lines'.
    lxw.worksheet_write_string(ws, 0, 0, "Job", f.bold);
    lxw.worksheet_write_string(ws, 0, 1, sheet.jobName().toUtf8().constData(), nullptr);
    lxw.worksheet_write_string(ws, 1, 0, sheet.rateCaption().toUtf8().constData(), f.bold);
    if (const std::optional<double> rate = ParseNumber(sheet.sheetRate(), separator))
        lxw.worksheet_write_number(ws, 1, 1, *rate, nullptr);
    else if (!sheet.sheetRate().isEmpty())
        lxw.worksheet_write_string(ws, 1, 1, sheet.sheetRate().toUtf8().constData(), nullptr);

    const int header = XlsxFirstLineRow - 2;
    for (int c = 0; c < JobSheet::ColumnCount; ++c)
        out.text(header, c, sheet.headerData(c, Qt::Horizontal).toString(), f.bold);
    const int first = header + 1;
    for (int r = 0; r < sheet.rowCount(); ++r) {
        const int row = first + r;
        const SheetLine &line = sheet.line(r);
        const LineResult &result = sheet.result(r);
        const auto shown = [&](int column) { return sheet.data(sheet.index(r, column)).toString(); };
        for (int c : {JobSheet::ItemColumn, JobSheet::SizeColumn, JobSheet::InputsColumn, JobSheet::MarkColumn,
                      JobSheet::DescriptionColumn})
            out.text(row, c, shown(c));
        out.typed(row, JobSheet::QuantityColumn, line.inputs[QuantityInput(line)], separator);
        if (const std::optional<double> unit = LineUnitWeight(line))
            out.number(row, JobSheet::UnitWeightColumn, *unit, shown(JobSheet::UnitWeightColumn),
                       WeighedPerSquareMetre(line) ? f.perSquareMetre : nullptr);
        if (result.weight)
            out.number(row, JobSheet::WeightColumn, *result.weight, shown(JobSheet::WeightColumn), f.kg);
        else
            out.text(row, JobSheet::WeightColumn, shown(JobSheet::WeightColumn));
        out.typed(row, JobSheet::RateColumn, line.rate.isEmpty() ? sheet.sheetRate() : line.rate, separator);
        if (result.amount)
            out.number(row, JobSheet::AmountColumn, *result.amount, shown(JobSheet::AmountColumn), f.money);
        else
            out.text(row, JobSheet::AmountColumn, shown(JobSheet::AmountColumn));
    }

    // The totals as formulas, so that an edited cell is counted; each with
    // the sheet's exact sum as its value for readers that do not work them out.
    const int total = first + sheet.rowCount();
    const int last = total - 1;
    const SheetTotals totals = sheet.totals();
    out.text(total, JobSheet::ItemColumn, QStringLiteral("Total"), f.bold);
    if (sheet.rowCount() > 0) {
        out.sum(total, JobSheet::WeightColumn, first, last, totals.weight.value_or(0),
                totals.weight ? figures.kg(*totals.weight) : QString(), f.totalKg);
        if (totals.rated)
            out.sum(total, JobSheet::AmountColumn, first, last, totals.amount.value_or(0),
                    totals.amount ? figures.money(*totals.amount) : QString(), f.totalMoney);
    }
    out.fitColumns();
}

} // namespace

QString ExportXlsx(const JobSheet &sheet, const QString &path)
{
    // The library writes by name: a whole file in a folder of our own, then
    // its bytes into place through QSaveFile.
    QTemporaryDir folder;
    if (!folder.isValid())
        return QStringLiteral("No folder for a temporary file: %1").arg(folder.errorString());
    const QString temporary = folder.filePath(QStringLiteral("sheet.xlsx"));
    if (const QString why = LoadLxw(); !why.isEmpty())
        return why;
    {
        const CNumbers numbers;
        if (!numbers.ok())
            return QStringLiteral("The C locale is missing.");
        Workbook book(temporary);
        if (!book.get())
            return QStringLiteral("The workbook could not be made.");
        lxw_worksheet *ws = lxw.workbook_add_worksheet(book.get(), "Job sheet");
        WriteSheet(book.get(), ws, sheet);
        if (const lxw_error error = book.close(); error != LXW_NO_ERROR)
            return QString::fromUtf8(lxw.lxw_strerror(error));
    }
    QFile written(temporary);
    if (!written.open(QIODevice::ReadOnly))
        return written.errorString();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(written.readAll()) < 0 || !file.commit())
        return file.errorString();
    return {};
}

} // namespace msweight
