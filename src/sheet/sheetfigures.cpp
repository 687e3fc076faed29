// The job sheet window's figures: the unit of its rate beside the rate box,
// the settings of how weights and amounts are shown, and the export for
// spreadsheets.
#include "sheet/sheetwindow.h"

#include "sheet/xlsxexport.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace msweight {

namespace {

QComboBox *NewUnitBox(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItem(QStringLiteral("per kg"), int(RateUnit::PerKg));
    box->addItem(QStringLiteral("per t"), int(RateUnit::PerTonne));
    return box;
}

RateUnit UnitOf(const QComboBox *box)
{
    return RateUnit(box->currentData().toInt());
}

} // namespace

QComboBox *SheetWindow::newRateUnitBox()
{
    QComboBox *box = NewUnitBox(this);
    box->setObjectName(QStringLiteral("RateUnit"));
    box->setAccessibleName(QStringLiteral("What the rates are per"));
    box->setToolTip(QStringLiteral("The sheet's rate and the lines' own are per kg or per tonne"));
    box->setCurrentIndex(int(m_sheet.rateUnit()));
    connect(box, &QComboBox::activated, this, [this, box] {
        commitTyping();
        m_sheet.setRateUnit(UnitOf(box));
    });
    connect(&m_sheet, &JobSheet::rateUnitChanged, box, [box](RateUnit unit) { box->setCurrentIndex(int(unit)); });
    return box;
}

bool SheetWindow::editFigures()
{
    FigureFormat figures = m_sheet.figures();
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("Figures"));
    dialog.setWindowTitle(QStringLiteral("Figures"));
    auto *form = new QFormLayout(&dialog);
    const auto decimals = [&](const char *name, int value) {
        auto *box = new QSpinBox(&dialog);
        box->setObjectName(QLatin1String(name));
        box->setRange(0, FigureFormat::MaxDecimals);
        box->setValue(value);
        return box;
    };
    QSpinBox *kg = decimals("KgDecimals", figures.kgDecimals);
    QSpinBox *tonnes = decimals("TonneDecimals", figures.tonneDecimals);
    auto *currency = new QLineEdit(figures.currency, &dialog);
    currency->setObjectName(QStringLiteral("Currency"));
    currency->setPlaceholderText(figures.locale.currencySymbol());
    QComboBox *unit = NewUnitBox(&dialog);
    unit->setObjectName(QStringLiteral("NewSheetRateUnit"));
    unit->setCurrentIndex(int(figures.rateUnit));
    form->addRow(QStringLiteral("Decimals of &kilograms:"), kg);
    form->addRow(QStringLiteral("Decimals of &tonnes:"), tonnes);
    form->addRow(QStringLiteral("&Currency symbol:"), currency);
    form->addRow(QStringLiteral("&Rates of a new sheet:"), unit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (m_dialogs.runDialog(dialog) != QDialog::Accepted)
        return false;
    figures.kgDecimals = kg->value();
    figures.tonneDecimals = tonnes->value();
    figures.currency = currency->text().trimmed();
    figures.rateUnit = UnitOf(unit);
    figures.save();
    m_sheet.setFigures(std::move(figures));
    return true;
}

bool SheetWindow::exportXlsx()
{
    const QString base = m_path.isEmpty()
        ? (m_sheet.jobName().isEmpty() ? QStringLiteral("Job sheet") : m_sheet.jobName())
        : QFileInfo(m_path).path() + u'/' + QFileInfo(m_path).completeBaseName();
    const QString path = chooseSavePath(QStringLiteral("Export the job sheet for spreadsheets"),
                                        QStringLiteral("Workbooks (*.xlsx)"), QStringLiteral("xlsx"), base + ".xlsx");
    return !path.isEmpty() && exportXlsxTo(path);
}

bool SheetWindow::exportXlsxTo(const QString &path)
{
    commitTyping();
    if (const QString why = ExportXlsx(m_sheet, path); !why.isEmpty()) {
        m_dialogs.fail(this, QStringLiteral("Cannot export %1: %2").arg(path, why));
        return false;
    }
    return true;
}

} // namespace msweight
