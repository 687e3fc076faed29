// The plan checked against its request with nothing of the planner's: its
// own arithmetic, from the request's numbers.
#include "plan/cutplan.h"

#include <QMap>

#include <algorithm>
#include <tuple>

namespace msweight {

namespace {

QString Metres(Micrometres length)
{
    return QString::number(double(length) / MicrometresPerMetre, 'f', 6);
}

// How many bars of each length the stock of one kind allows; -1 for no limit.
QMap<Micrometres, qint64> Allowed(const QList<CutStock> &stock)
{
    QMap<Micrometres, qint64> allowed;
    for (const CutStock &s : stock) {
        qint64 &n = allowed[s.length];
        n = (n < 0 || s.available == CutStock::Unlimited) ? -1 : n + s.available;
    }
    return allowed;
}

} // namespace

QStringList CheckCutPlan(const CutRequest &request, const CutPlan &plan)
{
    QStringList faults;
    const qsizetype pieceTypes = request.pieces.size();
    QList<qint64> cut(pieceTypes, 0);
    const QMap<Micrometres, qint64> buyable = Allowed(request.stock), inStock = Allowed(request.offcuts);
    QMap<Micrometres, qint64> bought, used;
    Micrometres longestStock = 0;
    for (const QList<CutStock> *kind : {&request.stock, &request.offcuts})
        for (const CutStock &s : *kind)
            if (s.available != 0)
                longestStock = std::max(longestStock, s.length);

    Micrometres boughtLength = 0;
    for (qsizetype b = 0; b < plan.bars.size(); ++b) {
        const CutBar &bar = plan.bars[b];
        const QString name = QStringLiteral("Bar %1 (%2 m)").arg(b + 1).arg(Metres(bar.length));
        if (bar.pieces.isEmpty())
            faults << name + QStringLiteral(": no pieces");
        Micrometres taken = 0; // each piece with the cut after it
        for (int piece : bar.pieces) {
            if (piece < 0 || piece >= pieceTypes) {
                faults << name + QStringLiteral(": no piece %1").arg(piece);
                continue;
            }
            ++cut[piece];
            taken += request.pieces[piece].length + request.kerf;
        }
        // The last piece may end at the bar's end without a cut.
        if (taken > bar.length + request.kerf)
            faults << name + QStringLiteral(": pieces with kerfs take %1 m").arg(Metres(taken - request.kerf));
        const Micrometres offcut = std::max<Micrometres>(0, bar.length - taken);
        if (bar.offcut != offcut)
            faults << name + QStringLiteral(": offcut %1 m, not %2 m").arg(Metres(offcut), Metres(bar.offcut));
        if (bar.offcutUsable != (offcut > 0 && offcut >= request.shortestUsableOffcut))
            faults << name + QStringLiteral(": offcut wrongly marked usable or scrap");
        if (bar.fromOffcut) {
            ++used[bar.length];
        } else {
            ++bought[bar.length];
            boughtLength += bar.length;
        }
    }
    for (const auto &[counted, allowed, kind] : {std::tuple{&bought, &buyable, QStringLiteral("stock")},
                                                 std::tuple{&used, &inStock, QStringLiteral("offcuts")}}) {
        for (auto it = counted->cbegin(); it != counted->cend(); ++it) {
            const qint64 limit = allowed->value(it.key(), 0);
            if (limit >= 0 && it.value() > limit)
                faults << QStringLiteral("%1 bars of %2 m from %3, where %4 are to be had")
                              .arg(it.value())
                              .arg(Metres(it.key()), kind)
                              .arg(limit);
        }
    }

    QList<qint64> tooLong(pieceTypes, 0), uncut(pieceTypes, 0);
    for (const auto &[list, counts] : {std::pair{&plan.tooLong, &tooLong}, std::pair{&plan.uncut, &uncut}})
        for (const CutShortfall &s : *list)
            if (s.piece >= 0 && s.piece < pieceTypes && s.count > 0)
                (*counts)[s.piece] += s.count;
            else
                faults << QStringLiteral("A shortfall of %1 of piece %2").arg(s.count).arg(s.piece);
    for (qsizetype p = 0; p < pieceTypes; ++p) {
        const CutPiece &piece = request.pieces[p];
        const QString name = QStringLiteral("Piece %1 (%2, %3 m)").arg(p + 1).arg(piece.mark, Metres(piece.length));
        const qint64 count = std::max(0, piece.count);
        if (cut[p] + tooLong[p] + uncut[p] != count)
            faults << name
                    + QStringLiteral(": %1 cut, %2 too long, %3 uncut of %4")
                          .arg(cut[p])
                          .arg(tooLong[p])
                          .arg(uncut[p])
                          .arg(count);
        const bool isTooLong = piece.length > longestStock;
        if (tooLong[p] > 0 && !isTooLong)
            faults << name + QStringLiteral(": listed too long, but stock holds it");
        if (isTooLong && cut[p] > 0)
            faults << name + QStringLiteral(": cut, but longer than any stock");
        const bool buyable = std::any_of(request.stock.begin(), request.stock.end(), [&](const CutStock &s) {
            return s.available == CutStock::Unlimited && s.length >= piece.length;
        });
        if (uncut[p] > 0 && piece.length > 0 && buyable)
            faults << name + QStringLiteral(": left uncut, but stock to cut it can be bought");
    }

    if (plan.boughtLength != boughtLength)
        faults << QStringLiteral("Bought length %1 m, but the bars add up to %2 m")
                      .arg(Metres(plan.boughtLength), Metres(boughtLength));
    if (plan.barCount != plan.bars.size())
        faults << QStringLiteral("%1 bars counted, %2 listed").arg(plan.barCount).arg(plan.bars.size());
    if (plan.lowerBound < 0 || plan.lowerBound > boughtLength)
        faults << QStringLiteral("Lower bound %1 m against %2 m bought")
                      .arg(Metres(plan.lowerBound), Metres(boughtLength));
    if (plan.optimal && plan.lowerBound != boughtLength)
        faults
            << QStringLiteral("Called optimal, but %1 m above its bound").arg(Metres(boughtLength - plan.lowerBound));
    if (plan.optimal && !plan.uncut.isEmpty())
        faults << QStringLiteral("Called optimal with pieces uncut");
    return faults;
}

} // namespace msweight
