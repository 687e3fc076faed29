// The widths of the sheet's columns, worked out again whenever the table's
// width changes: the weights, the amounts and the short columns at the width
// their headings and figures need, always in view; the item, its size and
// its inputs share what is left, the inputs giving way first (they are in
// the line's boxes as well), then the size, then the item.
#pragma once

class QTableView;

namespace msweight {

// Fits `view`'s columns now and each time its viewport is resized. The view
// shows a JobSheet.
void KeepColumnsInView(QTableView *view);
void FitColumns(QTableView *view);

} // namespace msweight
