// The changes to a job sheet, each undone by its own inverse. They hold
// rows, not pointers: the stack replays them in order, so a row means the
// same line each time.
#pragma once

#include "sheet/jobsheet.h"

#include <QUndoCommand>

namespace msweight {

// Lines put in at their rows, or taken out, in runs of neighbours so that a
// view hears of each run once.
class LinesCommand : public QUndoCommand
{
public:
    using Runs = std::vector<std::pair<int, std::vector<SheetLine>>>; // ascending first rows

    LinesCommand(JobSheet &sheet, Runs runs, bool removing, const QString &text)
        : QUndoCommand(text)
        , m_sheet(sheet)
        , m_runs(std::move(runs))
        , m_removing(removing)
    {
    }
    void redo() override { m_removing ? remove() : insert(); }
    void undo() override { m_removing ? insert() : remove(); }

private:
    void insert()
    {
        for (const auto &[row, lines] : m_runs)
            m_sheet.insertRaw(row, lines);
    }
    void remove()
    {
        for (auto run = m_runs.rbegin(); run != m_runs.rend(); ++run)
            m_sheet.removeRaw(run->first, int(run->second.size()));
    }

    JobSheet &m_sheet;
    Runs m_runs;
    bool m_removing;
};

class LineCommand : public QUndoCommand
{
public:
    LineCommand(JobSheet &sheet, int row, SheetLine after, const QString &text)
        : QUndoCommand(text)
        , m_sheet(sheet)
        , m_row(row)
        , m_before(sheet.line(row))
        , m_after(std::move(after))
    {
    }
    void redo() override { m_sheet.replaceRaw(m_row, m_after); }
    void undo() override { m_sheet.replaceRaw(m_row, m_before); }

private:
    JobSheet &m_sheet;
    int m_row;
    SheetLine m_before;
    SheetLine m_after;
};

class SheetFieldCommand : public QUndoCommand
{
public:
    using Setter = void (JobSheet::*)(const QString &);

    SheetFieldCommand(JobSheet &sheet, Setter set, QString before, QString after, const QString &text)
        : QUndoCommand(text)
        , m_sheet(sheet)
        , m_set(set)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {
    }
    void redo() override { (m_sheet.*m_set)(m_after); }
    void undo() override { (m_sheet.*m_set)(m_before); }

private:
    JobSheet &m_sheet;
    Setter m_set;
    QString m_before;
    QString m_after;
};

class MoveCommand : public QUndoCommand
{
public:
    MoveCommand(JobSheet &sheet, int from, int to, const QString &text)
        : QUndoCommand(text)
        , m_sheet(sheet)
        , m_from(from)
        , m_to(to)
    {
    }
    void redo() override { m_sheet.moveRaw(m_from, m_to); }
    void undo() override { m_sheet.moveRaw(m_to, m_from); }

private:
    JobSheet &m_sheet;
    int m_from;
    int m_to;
};

// A group's cutting settings; a group the sheet had none for has none again
// when undone.
class CutSettingsCommand : public QUndoCommand
{
public:
    CutSettingsCommand(JobSheet &sheet, QString key, CutSettings after, const QString &text)
        : QUndoCommand(text)
        , m_sheet(sheet)
        , m_key(std::move(key))
        , m_after(std::move(after))
    {
        if (const auto found = sheet.cutSettings().constFind(m_key); found != sheet.cutSettings().cend())
            m_before = *found;
    }
    void redo() override { m_sheet.setCutSettingsRaw(m_key, m_after); }
    void undo() override { m_sheet.setCutSettingsRaw(m_key, m_before); }

private:
    JobSheet &m_sheet;
    QString m_key;
    std::optional<CutSettings> m_before;
    CutSettings m_after;
};

} // namespace msweight
