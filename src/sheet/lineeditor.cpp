#include "sheet/lineeditor.h"

#include "sheet/itemline.h"
#include "sheet/lineproperties.h"
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
    m_item = NewInputBox(this);
    m_item->setObjectName(QStringLiteral("LineItem"));
    m_item->setAccessibleName(QStringLiteral("Item of this line"));
    auto *itemLabel = new QLabel(QStringLiteral("&Item:"));
    itemLabel->setBuddy(m_item);
    form->addRow(itemLabel, m_item);
    connect(m_item, &QLineEdit::editingFinished, this, &LineEditor::commitItem);
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
    m_rate->setAccessibleName(QStringLiteral("Rate for this line, per the sheet's unit"));
    auto *rateLabel = new QLabel(QStringLiteral("Ra&te for this line:"));
    rateLabel->setBuddy(m_rate);
    form->addRow(rateLabel, m_rate);
    m_mark = NewInputBox(this);
    m_mark->setObjectName(QStringLiteral("LineMark"));
    m_mark->setAccessibleName(QStringLiteral("Mark"));
    auto *markLabel = new QLabel(QStringLiteral("&Mark:"));
    markLabel->setBuddy(m_mark);
    form->addRow(markLabel, m_mark);
    m_description = NewInputBox(this);
    m_description->setObjectName(QStringLiteral("LineDescription"));
    m_description->setAccessibleName(QStringLiteral("Description"));
    auto *descriptionLabel = new QLabel(QStringLiteral("&Description:"));
    descriptionLabel->setBuddy(m_description);
    form->addRow(descriptionLabel, m_description);
    connect(m_mark, &QLineEdit::editingFinished, this, [this] { commitText(m_mark, &JobSheet::setMark); });
    connect(m_description, &QLineEdit::editingFinished, this,
            [this] { commitText(m_description, &JobSheet::setDescription); });
    m_properties = new QLabel;
    m_properties->setObjectName(QStringLiteral("LineProperties"));
    m_properties->setWordWrap(true);
    m_properties->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(m_properties);
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
        form->setRowVisible(m_item, false);
        m_rate->clear();
        m_mark->clear();
        m_description->clear();
        m_properties->clear();
        m_fault->clear();
        return;
    }
    const SheetLine &line = m_sheet.line(m_row);
    const LineResult &result = m_sheet.result(m_row);
    setEnabled(true);
    if (line.item)
        setTitle(QStringLiteral("Line %1: %2").arg(m_row + 1).arg(SizeText(line)));
    else
        setTitle(
            QStringLiteral("Line %1: %2%3")
                .arg(m_row + 1)
                .arg(ToQString(line.calculation->item), line.size ? u' ' + ToQString(line.size->Caption) : QString()));
    form->setRowVisible(m_item, line.item.has_value());
    if (line.item) {
        const QString item = DescribeItem(*line.item);
        if (m_item->text() != item && !m_item->hasFocus()) {
            m_item->setText(item);
            m_item->setCursorPosition(0); // its start in sight
            MarkFault(m_item, {});
        }
    }
    if (m_mark->text() != line.mark)
        m_mark->setText(line.mark);
    if (m_description->text() != line.description)
        m_description->setText(line.description);
    Announce(m_properties, line.item ? PropertiesText(*line.item) : QString());
    m_properties->setVisible(!m_properties->text().isEmpty());
    for (std::size_t box = 0; box < m_inputs.size(); ++box) {
        const bool used = box < line.inputs.size();
        form->setRowVisible(m_inputs[box], used);
        if (!used)
            continue;
        const std::size_t i = m_inputOf[box] = ShownInput(line, box);
        const QString caption = InputLabel(line, i);
        m_labels[box]->setText(caption + u':');
        m_inputs[box]->setAccessibleName(caption);
        if (m_inputs[box]->text() != line.inputs[i])
            m_inputs[box]->setText(line.inputs[i]);
        MarkFault(m_inputs[box], result.failedInput == int(i) ? result.failure : QString());
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
    commitItem();
    for (std::size_t i = 0; i < m_inputs.size(); ++i)
        commitInput(i);
    commitRate();
    commitText(m_mark, &JobSheet::setMark);
    commitText(m_description, &JobSheet::setDescription);
}

void LineEditor::focusFirstInput()
{
    if (m_row >= 0)
        m_inputs[0]->setFocus(Qt::OtherFocusReason);
}

// A text that names no one item keeps the line's item, and says why.
void LineEditor::commitItem()
{
    if (m_row < 0 || m_row >= m_sheet.rowCount() || !m_sheet.line(m_row).item)
        return;
    const Item &item = *m_sheet.line(m_row).item;
    if (m_item->text() == DescribeItem(item)) {
        MarkFault(m_item, {});
        return;
    }
    const ParsedItem parsed = ParseItem(m_item->text(), m_options);
    MarkFault(m_item, parsed.reason);
    if (parsed.match)
        m_sheet.setItem(m_row, parsed.match->item);
}

void LineEditor::commitText(QLineEdit *box, void (JobSheet::*set)(int, const QString &))
{
    if (m_row >= 0 && m_row < m_sheet.rowCount())
        (m_sheet.*set)(m_row, box->text());
}

// Each a change of its own, and none where the box holds what the line has.
void LineEditor::commitInput(std::size_t box)
{
    if (m_row >= 0 && m_row < m_sheet.rowCount() && box < m_sheet.line(m_row).inputs.size())
        m_sheet.setInput(m_row, m_inputOf[box], m_inputs[box]->text());
}

void LineEditor::commitRate()
{
    if (m_row >= 0 && m_row < m_sheet.rowCount())
        m_sheet.setLineRate(m_row, m_rate->text());
}

} // namespace msweight
