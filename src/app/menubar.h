// The calculator's menu bar: the job sheet's commands, Copy result, Quit and
// Help. The sheet itself, its window and the print support are made on first
// use, never at start.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QAction;
class QMenuBar;

namespace msweight {

class SheetWindow;
class UserForm1;

class CalculatorMenus : public QObject
{
    Q_OBJECT

public:
    explicit CalculatorMenus(UserForm1 &form);
    ~CalculatorMenus() override;

    QMenuBar *menuBar() const { return m_menuBar; }
    // The sheet's window, or null before the sheet is first used.
    SheetWindow *sheetWindow() const { return m_sheet.get(); }

    // Asks whether to save a sheet with unsaved lines; true when the
    // calculator may close, the sheet's window with it.
    bool mayClose();

    // Opens a sheet file and shows the sheet beside the calculator; false,
    // having said why, when it cannot be read.
    bool openSheetFile(const QString &path);
    // The calculator's keys as rows of an HTML table (sheetkeys.h).
    QString keyRows() const;

private:
    SheetWindow &sheet();
    void addToSheet();
    void showAdded(int row);
    void showSheet();
    void copyResult();
    void showAbout();
    void showShortcuts();
    void frontPageChanged();

    UserForm1 &m_form;
    QMenuBar *m_menuBar;
    QAction *m_addToSheet;
    std::unique_ptr<SheetWindow> m_sheet;
};

} // namespace msweight
