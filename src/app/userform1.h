// The window: its pages and controls, the size chosen on each page, and the
// click handlers, found by control name through one table.
#pragma once

#include "calc/calculations.h"
#include "catalogue/catalogue.h"
#include "ui/builder.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace msweight {

class CalculatorMenus;

// The look the layout is drawn for: the Fusion style and Tahoma, also as the
// application's font. Call once after the application object exists, before
// the window is made.
void PrepareApplication();

class UserForm1 : public QWidget, private SelectionTarget
{
    Q_OBJECT

public:
    using FailureReporter = std::function<void(const QString &message)>;
    using Handler = std::function<void()>;

    explicit UserForm1(QWidget *parent = nullptr);
    ~UserForm1() override;

    // Where failures go; by default a modal message box.
    void setFailureReporter(FailureReporter reporter);

    // What a Click on the control `name` runs (an option button chooses its
    // row, a command button calculates), or null for any other name.
    const Handler *clickHandler(std::string_view name) const;

    // The control named `name`, its page's controls made first if they are
    // not yet (a page's are made when it first comes to the front); null
    // where the window has none.
    QWidget *control(std::string_view name);

    // Runs `action` as a click runs its handler: a failure is shown, and the
    // box it names takes the focus.
    void run(const Handler &action);

    // What the front page weighs: on "FL.&TP" the half that holds the focus,
    // or else the half weighed last (the flange before either). Null on
    // "TP", which gives lengths, not a weight.
    const Calculation *frontCalculation() const;
    // The texts of a calculation's input boxes, in its table's order, and the
    // size chosen on its page (null when none is, or it takes none).
    std::vector<QString> inputTexts(const Calculation &calculation) const;
    const CatalogueRow *chosenSize(const Calculation &calculation) const;
    // The front page's result as its box shows it; on "TP" the seven true
    // lengths, each after its row's name, a line each.
    QString frontResult() const;

signals:
    void frontPageChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // A calculation with its controls, resolved when the window is built.
    struct BoundCalculation
    {
        const Calculation *calculation;
        std::vector<QLineEdit *> inputs;
        std::vector<QLineEdit *> results;
        QAbstractButton *button = nullptr;
    };

    void bindPage(Page page);
    void calculate(const BoundCalculation &bound);
    const BoundCalculation &boundOf(const Calculation &calculation) const;
    void focusOn(const QString &name);

    void storeRow(const RowRef &ref) override;
    void SetCaption(const CatalogueTable &table, std::size_t label, std::string_view text) override;

    std::unique_ptr<Form> m_form;
    std::unordered_map<std::string_view, Handler> m_handlers;
    std::vector<BoundCalculation> m_calculations;
    // The row chosen last on each page, by page number.
    std::array<const CatalogueRow *, 9> m_chosen{};
    // The property labels of each page with a size table, by page number.
    std::array<std::vector<QLabel *>, 9> m_propertyLabels;
    const Calculation *m_lastWeighed = nullptr; // on "FL.&TP"
    QTabWidget *m_multiPage;
    CalculatorMenus *m_menus;
    FailureReporter m_report;
};

} // namespace msweight
