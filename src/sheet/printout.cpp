#include "sheet/printout.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace msweight {

namespace {

// Sizes in points, whatever the device's resolution.
struct Sizes
{
    qreal body;
    qreal title;
    qreal paddingX; // inside a cell, left and right
    qreal paddingY; // inside a cell, above and below
    qreal afterPreamble;
    qreal beforeFooter;
    qreal aboveFolio; // between the page's last line and its number
    qreal grid;
};
constexpr Sizes Points{9, 14, 3, 1.5, 8, 6, 6, 0.5};

// Qt 6.4 shapes "office" with the ligature glyph for "ffi", which a PDF's
// text then gives as U+FB03: copied or searched for, the word is another.
// Qt leaves ligatures out wherever letters are spaced, so they are spaced
// by the least step it has, a 64th of a pixel at 96 dpi. Can go once Qt 6.6's
// QFont::setFeature("liga", 0) is there; pdftotext shows the difference.
void WithoutLigatures(QFont &font)
{
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
}

struct Style
{
    explicit Style(QPaintDevice &device)
        : point(device.logicalDpiY() / 72.0)
    {
        body.setPointSizeF(Points.body);
        WithoutLigatures(body);
        bold = body;
        bold.setBold(true);
        title = bold;
        title.setPointSizeF(Points.title);
        const QFontMetricsF bodyMetrics(body, &device);
        const QFontMetricsF titleMetrics(title, &device);
        line = bodyMetrics.lineSpacing();
        ascent = bodyMetrics.ascent();
        titleLine = titleMetrics.lineSpacing();
        padX = Points.paddingX * point;
        padY = Points.paddingY * point;
    }

    qreal point; // in device pixels
    QFont body, bold, title;
    // Body and bold share one line spacing, so a line of each cell in a row
    // stands at the same height and a tall row splits between any two lines.
    qreal line;
    qreal ascent;
    qreal titleLine;
    qreal padX;
    qreal padY;
};

// Lays out `layout` in lines of `width`, `spacing` apart, breaking between
// words or, for a word wider than the line, anywhere. Returns the lines.
int LayOut(QTextLayout &layout, qreal width, qreal spacing, Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, lines * spacing));
        ++lines;
    }
    layout.endLayout();
    return std::max(lines, 1);
}

QString WithLineBreaks(QString text)
{
    return text.replace(u'\n', QChar::LineSeparator);
}

// Paragraphs in one font across `width`; paints them at `at` when given a
// painter. Returns their height.
qreal Paragraphs(const QStringList &texts, const QFont &font, qreal spacing, qreal width, QPaintDevice &device,
                 QPainter *painter = nullptr, QPointF at = {})
{
    qreal height = 0;
    for (const QString &text : texts) {
        QTextLayout layout(WithLineBreaks(text), font, &device);
        const int lines = LayOut(layout, width, spacing, Qt::AlignLeft);
        if (painter)
            layout.draw(painter, at + QPointF(0, height));
        height += lines * spacing;
    }
    return height;
}

// Lines [from, to) of a row.
struct Piece
{
    int row;
    int from;
    int to;
};

struct Page
{
    std::size_t begin; // its pieces
    std::size_t end;
    bool footer;
};

class Table
{
public:
    Table(const PrintTable &table, QPaintDevice &device, const Style &style);

    // Widths fitted to the page: false when not even a column's padding fits.
    bool fit(qreal width);
    // Lines of each row and of the headings at the fitted widths.
    void countLines();
    // Splits the rows into pages whose tables run from `firstTop` on the
    // first page, from the top on the others, down to `bottom`; false when a
    // page cannot hold the headings and a line.
    bool paginate(qreal firstTop, qreal bottom, qreal footerHeight);

    qreal headerHeight() const { return m_headerLines * m_style.line + 2 * m_style.padY; }
    qreal width() const { return std::accumulate(m_widths.begin(), m_widths.end(), qreal(0)); }
    const std::vector<Page> &pages() const { return m_pages; }

    // Paints a page's headings and pieces from `top`; returns the table's bottom.
    qreal paint(QPainter &painter, const Page &page, qreal top) const;

private:
    Qt::Alignment alignment(int column) const;
    qreal pieceHeight(int lines) const { return lines * m_style.line + 2 * m_style.padY; }
    void paintRow(QPainter &painter, const QStringList &cells, const float *naturals, int from, int to,
                  qreal top) const;

    const PrintTable &m_printout;
    QPaintDevice &m_device;
    const Style &m_style;
    int m_columns = 0;
    std::vector<float> m_natural; // each cell's text width, row by row; the headings last
    std::vector<qreal> m_widths;  // each column's, padding included
    std::vector<int> m_lines;     // each row's
    int m_headerLines = 1;
    std::vector<Piece> m_pieces;
    std::vector<Page> m_pages;
};

Table::Table(const PrintTable &printout, QPaintDevice &device, const Style &style)
    : m_printout(printout)
    , m_device(device)
    , m_style(style)
{
    m_columns = int(printout.headers.size());
    for (const QStringList &cells : printout.rows)
        m_columns = std::max(m_columns, int(cells.size()));
    const QFontMetricsF body(style.body, &device);
    const QFontMetricsF bold(style.bold, &device);
    m_natural.resize((printout.rows.size() + 1) * std::size_t(m_columns));
    float *natural = m_natural.data();
    // A sheet repeats its items, sizes, quantities and rates line after
    // line: measured once each, the layout of 10,000 lines takes half the time.
    QHash<QString, float> measured;
    for (const QStringList &cells : printout.rows) {
        for (int c = 0; c < int(cells.size()); ++c) {
            auto it = measured.find(cells[c]);
            if (it == measured.end())
                it = measured.insert(cells[c], float(body.horizontalAdvance(cells[c])));
            natural[c] = *it;
        }
        natural += m_columns;
    }
    for (int c = 0; c < int(printout.headers.size()); ++c)
        natural[c] = float(bold.horizontalAdvance(printout.headers[c]));
}

Qt::Alignment Table::alignment(int column) const
{
    const auto &alignments = m_printout.alignments;
    const Qt::Alignment given
        = std::size_t(column) < alignments.size() ? alignments[std::size_t(column)] : Qt::AlignLeft;
    return given & Qt::AlignHorizontal_Mask;
}

bool Table::fit(qreal width)
{
    const std::size_t columns = std::size_t(m_columns);
    if (columns == 0)
        return true;
    std::vector<qreal> natural(columns, 0);
    for (std::size_t i = 0; i < m_natural.size(); ++i)
        natural[i % columns] = std::max(natural[i % columns], qreal(m_natural[i]));
    for (qreal &w : natural)
        w = std::ceil(w) + 2 * m_style.padX;
    const qreal total = std::accumulate(natural.begin(), natural.end(), qreal(0));
    m_widths = natural;
    if (total <= width) {
        // The spare width goes to the columns as they are wide.
        for (qreal &w : m_widths)
            w *= width / total;
        return true;
    }
    // The narrow columns keep their width; the others share what is left.
    std::vector<std::size_t> order(columns);
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return natural[a] < natural[b]; });
    qreal left = width;
    for (std::size_t i = 0; i < columns; ++i) {
        const qreal share = left / qreal(columns - i);
        if (natural[order[i]] > share) {
            for (std::size_t j = i; j < columns; ++j)
                m_widths[order[j]] = share;
            break;
        }
        left -= natural[order[i]];
    }
    return *std::min_element(m_widths.begin(), m_widths.end()) > 2 * m_style.padX;
}

void Table::countLines()
{
    const auto count = [this](const QStringList &cells, const float *natural, const QFont &font) {
        int lines = 1;
        for (int c = 0; c < int(cells.size()); ++c) {
            const qreal room = m_widths[std::size_t(c)] - 2 * m_style.padX;
            if (natural[c] <= room && !cells[c].contains(u'\n'))
                continue;
            QTextLayout layout(WithLineBreaks(cells[c]), font, &m_device);
            lines = std::max(lines, LayOut(layout, room, m_style.line, alignment(c)));
        }
        return lines;
    };
    m_lines.resize(m_printout.rows.size());
    const float *natural = m_natural.data();
    for (std::size_t r = 0; r < m_printout.rows.size(); ++r, natural += m_columns)
        m_lines[r] = count(m_printout.rows[r], natural, m_style.body);
    m_headerLines = count(m_printout.headers, natural, m_style.bold);
}

bool Table::paginate(qreal firstTop, qreal bottom, qreal footerHeight)
{
    const qreal room = bottom - headerHeight(); // for the lines of a page
    if (pieceHeight(1) > room)
        return false;
    std::size_t begin = 0;
    qreal y = firstTop + headerHeight();
    const auto newPage = [&] {
        m_pages.push_back({begin, m_pieces.size(), false});
        begin = m_pieces.size();
        y = headerHeight();
    };
    for (int r = 0; r < int(m_lines.size()); ++r) {
        const int lines = m_lines[std::size_t(r)];
        if (y + pieceHeight(lines) > bottom && pieceHeight(lines) <= room)
            newPage();
        // A row taller than a page takes what room there is, page after page.
        int from = 0;
        while (y + pieceHeight(lines - from) > bottom) {
            const int fits = int((bottom - y - 2 * m_style.padY) / m_style.line);
            if (fits > 0) {
                m_pieces.push_back({r, from, from + fits});
                from += fits;
            }
            newPage();
        }
        m_pieces.push_back({r, from, lines});
        y += pieceHeight(lines - from);
    }
    if (y + footerHeight > bottom)
        newPage();
    m_pages.push_back({begin, m_pieces.size(), true});
    return true;
}

void Table::paintRow(QPainter &painter, const QStringList &cells, const float *naturals, int from, int to,
                     qreal top) const
{
    qreal x = 0;
    for (int c = 0; c < int(cells.size()); ++c) {
        const QString &text = cells[c];
        const qreal columnWidth = m_widths[std::size_t(c)];
        const qreal room = columnWidth - 2 * m_style.padX;
        const Qt::Alignment align = alignment(c);
        const qreal left = x + m_style.padX;
        x += columnWidth;
        if (text.isEmpty())
            continue;
        if (naturals[c] <= room && !text.contains(u'\n')) {
            if (from > 0)
                continue;
            qreal offset = 0;
            if (align & Qt::AlignRight)
                offset = room - naturals[c];
            else if (align & Qt::AlignHCenter)
                offset = (room - naturals[c]) / 2;
            painter.drawText(QPointF(left + offset, top + m_style.padY + m_style.ascent), text);
        } else {
            QTextLayout layout(WithLineBreaks(text), painter.font(), &m_device);
            const int lines = LayOut(layout, room, m_style.line, align);
            const QPointF origin(left, top + m_style.padY - from * m_style.line);
            for (int i = from; i < std::min(to, lines); ++i)
                layout.lineAt(i).draw(&painter, origin);
        }
    }
}

qreal Table::paint(QPainter &painter, const Page &page, qreal top) const
{
    const qreal right = width();
    QVector<QLineF> grid;
    grid.append(QLineF(0, top, right, top));
    painter.fillRect(QRectF(0, top, right, headerHeight()), QColor(232, 232, 232));
    painter.setFont(m_style.bold);
    paintRow(painter, m_printout.headers, m_natural.data() + m_printout.rows.size() * std::size_t(m_columns), 0,
             m_headerLines, top);
    qreal y = top + headerHeight();
    grid.append(QLineF(0, y, right, y));
    painter.setFont(m_style.body);
    for (std::size_t i = page.begin; i < page.end; ++i) {
        const Piece &piece = m_pieces[i];
        const std::size_t row = std::size_t(piece.row);
        paintRow(painter, m_printout.rows[row], m_natural.data() + row * std::size_t(m_columns), piece.from, piece.to,
                 y);
        y += pieceHeight(piece.to - piece.from);
        grid.append(QLineF(0, y, right, y));
    }
    qreal x = 0;
    grid.append(QLineF(x, top, x, y));
    for (qreal w : m_widths) {
        x += w;
        grid.append(QLineF(x, top, x, y));
    }
    painter.save();
    painter.setPen(QPen(Qt::black, Points.grid * m_style.point));
    painter.drawLines(grid);
    painter.restore();
    return y;
}

} // namespace

PaintOutcome PaintPrintout(const Printout &printout, QPagedPaintDevice &device, const PrintProgress &progress)
{
    const Style style(device);
    const qreal pageWidth = device.width();
    const qreal pageHeight = device.height();
    const qreal bottom = pageHeight - style.line - Points.aboveFolio * style.point;
    const qreal beforeFooter = Points.beforeFooter * style.point;

    // The sheet's table under the title and preamble, with the footer after
    // it; then each table of `after` from a new page, under its heading.
    struct Section
    {
        PrintTable table;
        QStringList title;
        const QFont *titleFont;
        qreal titleLine;
        QStringList preamble;
        QStringList footer;
        qreal top = 0;         // the table's on its first page
        qreal titleHeight = 0; // within that
        std::size_t firstPage = 0;
    };
    std::vector<Section> sections;
    sections.push_back({{{}, printout.headers, printout.alignments, printout.rows},
                        printout.title.isEmpty() ? QStringList() : QStringList{printout.title},
                        &style.title,
                        style.titleLine,
                        printout.preamble,
                        printout.footer});
    for (const PrintTable &table : printout.after)
        sections.push_back({table,
                            table.heading.isEmpty() ? QStringList() : QStringList{table.heading},
                            &style.bold,
                            style.line,
                            {},
                            {}});

    std::vector<Table> tables;
    tables.reserve(sections.size());
    std::size_t pageCount = 0;
    for (Section &section : sections) {
        section.titleHeight = Paragraphs(section.title, *section.titleFont, section.titleLine, pageWidth, device);
        section.top = section.titleHeight + Paragraphs(section.preamble, style.body, style.line, pageWidth, device);
        if (section.top > 0)
            section.top += Points.afterPreamble * style.point;
        Table &table = tables.emplace_back(section.table, device, style);
        if (!table.fit(pageWidth))
            return PaintOutcome::Failed;
        table.countLines();
        const qreal footerHeight = section.footer.isEmpty()
            ? 0
            : beforeFooter + Paragraphs(section.footer, style.bold, style.line, table.width(), device);
        if (!table.paginate(section.top, bottom, footerHeight))
            return PaintOutcome::Failed;
        section.firstPage = pageCount;
        pageCount += table.pages().size();
    }

    if (progress && !progress(0, int(pageCount)))
        return PaintOutcome::Cancelled;
    QPainter painter;
    if (!painter.begin(&device))
        return PaintOutcome::Failed;
    int done = 0;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const Section &section = sections[s];
        const Table &table = tables[s];
        for (std::size_t p = 0; p < table.pages().size(); ++p) {
            if (done > 0 && !device.newPage()) {
                painter.end();
                return PaintOutcome::Failed;
            }
            if (p == 0) {
                Paragraphs(section.title, *section.titleFont, section.titleLine, pageWidth, device, &painter);
                Paragraphs(section.preamble, style.body, style.line, pageWidth, device, &painter,
                           QPointF(0, section.titleHeight));
            }
            const Page &page = table.pages()[p];
            const qreal tableBottom = table.paint(painter, page, p == 0 ? section.top : 0);
            if (page.footer)
                Paragraphs(section.footer, style.bold, style.line, table.width(), device, &painter,
                           QPointF(0, tableBottom + beforeFooter));
            painter.setFont(style.body);
            painter.drawText(QRectF(0, pageHeight - style.line, pageWidth, style.line),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             QStringLiteral("Page %1 of %2").arg(done + 1).arg(pageCount));
            ++done;
            if (progress && !progress(done, int(pageCount))) {
                painter.end();
                return PaintOutcome::Cancelled;
            }
        }
    }
    return painter.end() ? PaintOutcome::Painted : PaintOutcome::Failed;
}

} // namespace msweight
