// The current line of the job sheet in labelled boxes, one for each of its
// inputs and one for its own rate, with what is wrong with it below. What is
// typed goes into the sheet as one change when a box is left, or before any
// command on the sheet runs (commit).
#pragma once

#include "catalogue/itemparser.h"
#include "sheet/jobsheet.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

namespace msweight {

class LineEditor : public QGroupBox
{
    Q_OBJECT

public:
    explicit LineEditor(JobSheet &sheet, QWidget *parent = nullptr);

    // How an item typed in the line's item box is read.
    void setOptions(const ParseOptions &options) { m_options = options; }
    // Puts the focus in the line's first input box.
    void focusFirstInput();

    // Shows line `row`, or no line where it is out of range.
    void showLine(int row);
    int shownRow() const { return m_row; }
    // Enters into the sheet whatever a box holds that the line does not.
    void commit();

private:
    // `box`: the place of the box, top to bottom.
    void commitInput(std::size_t box);
    void commitRate();
    void commitItem();
    void commitText(QLineEdit *box, void (JobSheet::*set)(int, const QString &));

    JobSheet &m_sheet;
    std::array<QLabel *, 6> m_labels{};
    std::array<QLineEdit *, 6> m_inputs{};  // as the line's page shows them
    std::array<std::size_t, 6> m_inputOf{}; // the line's input each box holds
    QLineEdit *m_item;
    QLineEdit *m_rate;
    QLineEdit *m_mark;
    QLineEdit *m_description;
    QLabel *m_properties;
    QLabel *m_fault;
    ParseOptions m_options;
    int m_row = -1;
};

// Sets a label's text, and lets screen readers hear the new one.
void Announce(QLabel *label, const QString &text);

// A warning sign inside a box whose text does not convert, the box's
// description saying why; none where `fault` is empty. No colours: the
// desktop's theme stays whole.
void MarkFault(QLineEdit *box, const QString &fault);

} // namespace msweight
