#include "sheet/lineeditor.h"

#include "ui/textbox.h"

#include <QAccessible>
#include <QAction>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace msweight {

void Announce(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void MarkFault(QLineEdit *box, const QString &fault)
{
    QAction *sign = box->findChild<QAction *>(QStringLiteral("Fault"));
    if (!sign && !fault.isEmpty()) {
        sign = box->addAction(box->style()->standardIcon(QStyle::SP_MessageBoxWarning), QLineEdit::TrailingPosition);
        sign->setObjectName(QStringLiteral("Fault"));
    }
    if (sign) {
        sign->setVisible(!fault.isEmpty());
        sign->setToolTip(fault);
    }
    box->setToolTip(fault);
    box->setAccessibleDescription(fault);
}

LineEditor::LineEditor(JobSheet &sheet, QWidget *parent)
    : QGroupBox(parent)
    , m_sheet(sheet)
{
    setObjectName(QStringLiteral("Line"));
    auto *form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        m_inputs[i] = NewInputBox(this);
        m_inputs[i]->setObjectName(QStringLiteral("Input%1").arg(i + 1));
        m_labels[i] = new QLabel;
        m_labels[i]->setBuddy(m_inputs[i]);
        form->addRow(m_labels[i], m_inputs[i]);
        connect(m_inputs[i], &QLineEdit::editingFinished, this, [this, i] { commitInput(i); });
    }
    m_rate = NewInputBox(this);
    m_rate->setObjectName(QStringLiteral("LineRate"));
    m_rate->setAccessibleName(QStringLiteral("Rate per kg for this line"));
    auto *rateLabel = new QLabel(QStringLiteral("Ra&te per kg for this line:"));
    rateLabel->setBuddy(m_rate);
    form->addRow(rateLabel, m_rate);
    m_fault = new QLabel;
    m_fault->setObjectName(QStringLiteral("LineFault"));
    m_fault->setWordWrap(true);
    form->addRow(m_fault);
    connect(m_rate, &QLineEdit::editingFinished, this, &LineEditor::commitRate);
}

void LineEditor::showLine(int row)
{
    m_row = row >= 0 && row < m_sheet.rowCount() ? row : -1;
    auto *form = static_cast<QFormLayout *>(layout());
    if (m_row < 0) {
        setTitle(QStringLiteral("No line"));
        setEnabled(false);
        for (QLineEdit *box : m_inputs)
            form->setRowVisible(box, false);
        m_rate->clear();
        m_fault->clear();
        return;
    }
    const SheetLine &line = m_sheet.line(m_row);
    const LineResult &result = m_sheet.result(m_row);
    setEnabled(true);
    setTitle(QStringLiteral("Line %1: %2%3")
                 .arg(m_row + 1)
                 .arg(ToQString(line.calculation->item), line.size ? u' ' + ToQString(line.size->Caption) : QString()));
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        const bool used = i < line.inputs.size();
        form->setRowVisible(m_inputs[i], used);
        if (!used)
            continue;
        const QString caption = InputCaption(line.calculation->inputs[i]);
        m_labels[i]->setText(caption + u':');
        m_inputs[i]->setAccessibleName(caption);
        if (m_inputs[i]->text() != line.inputs[i])
            m_inputs[i]->setText(line.inputs[i]);
        MarkFault(m_inputs[i], result.failedInput == int(i) ? result.failure : QString());
    }
    if (m_rate->text() != line.rate)
        m_rate->setText(line.rate);
    m_rate->setPlaceholderText(m_sheet.sheetRate().isEmpty() ? QString()
                                                             : QStringLiteral("the sheet's: ") + m_sheet.sheetRate());
    MarkFault(m_rate, line.rate.isEmpty() ? QString() : result.rateFailure);
    QString fault = result.failure;
    if (!result.rateFailure.isEmpty())
        fault += (fault.isEmpty() ? QString() : QStringLiteral("\n")) + result.rateFailure;
    Announce(m_fault, fault);
}

void LineEditor::commit()
{
    if (m_row < 0)
        return;
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        commitInput(i);
    commitRate();
}

// Each a change of its own, and none where the box holds what the line has.
void LineEditor::commitInput(std::size_t input)
{
    if (m_row >= 0 && m_row < m_sheet.rowCount() && input < m_sheet.line(m_row).inputs.size())
        m_sheet.setInput(m_row, input, m_inputs[input]->text());
}

void LineEditor::commitRate()
{
    if (m_row >= 0 && m_row < m_sheet.rowCount())
        m_sheet.setLineRate(m_row, m_rate->text());
}

} // namespace msweight
