#include "core/helpers.h"

#include "platform/eradate.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <exception>
#include <limits>

namespace {

// The key that index position p points to; a bad position or a bad index
// entry is a subscript error, as in the classic runtime.
const QString& keyAt(Long p, const std::vector<Long>& index, const std::vector<QString>& keys)
{
    if (p < 0 || static_cast<size_t>(p) >= index.size())
        vb::raiseSubscriptOutOfRange();
    const Long k = index[static_cast<size_t>(p)];
    if (k < 0 || static_cast<size_t>(k) >= keys.size())
        vb::raiseSubscriptOutOfRange();
    return keys[static_cast<size_t>(k)];
}

// Compares a key with the pivot by the mode: -1, 0 or 1.
struct PivotCompare {
    Integer mode;
    QString pivot;
    double pivotValue = 0;

    PivotCompare(Integer m, const QString& p) : mode(m), pivot(p)
    {
        if (mode == 1)
            pivotValue = vb::Val(pivot);
    }

    int operator()(const QString& key) const
    {
        if (mode == 1) {
            const double v = vb::Val(key);
            return v < pivotValue ? -1 : (v > pivotValue ? 1 : 0);
        }
        return vb::StrComp(key, pivot);
    }
};

// One partition step of either direction over low..high (low < high). dir
// is 1 for ascending, -1 for descending: the left scan moves on while the
// key compares (dir) below the pivot, the right scan while it compares
// above. On return low..j and i..high are the two parts still to sort.
void partition(Long low, Long high, std::vector<Long>& index, const std::vector<QString>& keys,
               Integer mode, int dir, Long& i, Long& j)
{
    const Long m = low + (high - low) / 2;
    const PivotCompare cmp(mode, keyAt(m, index, keys));
    i = low;
    j = high;
    while (i <= j) {
        while (dir * cmp(keyAt(i, index, keys)) < 0 && i < high)
            ++i;
        while (dir * cmp(keyAt(j, index, keys)) > 0 && j > low)
            --j;
        if (i <= j) {
            psSwapIndex(i, j, index);
            ++i;
            --j;
        }
    }
}

// Sorts low..high: partitions, recurses into the smaller part and loops over
// the larger one, so the depth stays below log2 of the length whatever the
// keys. The two parts are disjoint, so sorting them in either order gives
// the same result, equal keys included. An error is shown and ends the sort
// of the range being partitioned (and of its parts); ranges already split
// off go on being sorted.
void quickSort(const char* name, Long low, Long high, std::vector<Long>& index,
               const std::vector<QString>& keys, Integer mode, int dir)
{
    while (low < high) {
        Long i = 0;
        Long j = 0;
        try {
            partition(low, high, index, keys, mode, dir, i, j);
        } catch (const vb::VbError& e) {
            platform::MsgBox(QString::fromLatin1(name) + QStringLiteral("(): ") + e.description(),
                             platform::vbCritical, QStringLiteral("エラー"));
            return;
        } catch (const std::exception& e) {
            platform::MsgBox(QString::fromLatin1(name) + QStringLiteral("(): ") +
                                 QString::fromLocal8Bit(e.what()),
                             platform::vbCritical, QStringLiteral("エラー"));
            return;
        }
        // Parts of one element or none need no sort.
        if (j - low < high - i) {
            quickSort(name, low, j, index, keys, mode, dir);
            low = i;
        } else {
            quickSort(name, i, high, index, keys, mode, dir);
            high = j;
        }
    }
}

}  // namespace

void psSwapIndex(Long a, Long b, std::vector<Long>& index)
{
    if (a < 0 || b < 0 || static_cast<size_t>(a) >= index.size() ||
        static_cast<size_t>(b) >= index.size())
        vb::raiseSubscriptOutOfRange();
    std::swap(index[static_cast<size_t>(a)], index[static_cast<size_t>(b)]);
}

void csQuickSort_Asc(Long low, Long high, std::vector<Long>& index,
                     const std::vector<QString>& keys, Integer mode)
{
    quickSort("csQuickSort_Asc", low, high, index, keys, mode, 1);
}

void csQuickSort_Desc(Long low, Long high, std::vector<Long>& index,
                      const std::vector<QString>& keys, Integer mode)
{
    quickSort("csQuickSort_Desc", low, high, index, keys, mode, -1);
}

QString gfGetAge(const QString& birthday, const QString& refDate, Integer fraction)
{
    const auto b = vb::parseDate(vb::Trim(birthday));
    const auto d = vb::parseDate(vb::Trim(refDate));
    if (!b || !d)
        return QStringLiteral("-");

    int years = d->year() - b->year();
    // The birthday is still to come in the reference year: compared as the
    // "mm/dd" texts.
    if (vb::FormatDate(*b, QStringLiteral("mm/dd")) > vb::FormatDate(*d, QStringLiteral("mm/dd")))
        --years;

    if (fraction == 0)
        return vb::Format(years, QStringLiteral("0"));

    // QDate::addYears puts 29 February on 28 February in other years.
    const QDate last = b->addYears(years);
    const QDate next = last.addYears(1);
    const qint64 span = last.daysTo(next);
    const qint64 done = last.daysTo(*d);
    return vb::FormatRatio(static_cast<std::int64_t>(years) * span + done, span,
                           QStringLiteral("0.000"));
}

QString gfGetParentFolder(const QString& path)
{
    const QString p = vb::Trim(path);
    if (p.isEmpty())
        return QString();
    const qsizetype a = std::max(p.lastIndexOf(QLatin1Char('/')), p.lastIndexOf(QLatin1Char('\\')));
    if (a < 0)
        return QString();
    return p.left(a);
}

bool gfOpenWebPage(const QString& address, bool flag, std::function<void()> failedLater)
{
    Q_UNUSED(flag);
    try {
        // A browser that could not be started counts as a failure, so the
        // caller offers the address on the clipboard instead of showing
        // nothing.
        return !platform::ui().openUrl(address, std::move(failedLater));
    } catch (...) {
        return true;
    }
}

namespace {

std::vector<Long> identityIndex(std::size_t n)
{
    std::vector<Long> index(n);
    for (std::size_t i = 0; i < n; ++i)
        index[i] = static_cast<Long>(i);
    return index;
}

}  // namespace

std::vector<Long> gfSortedIndexAsc(const std::vector<QString>& keys)
{
    std::vector<Long> index = identityIndex(keys.size());
    if (!keys.empty())
        csQuickSort_Asc(0, static_cast<Long>(keys.size()) - 1, index, keys, 0);
    return index;
}

std::vector<Long> gfSortedIndexDesc(const std::vector<QString>& keys)
{
    std::vector<Long> index = identityIndex(keys.size());
    if (!keys.empty())
        csQuickSort_Desc(0, static_cast<Long>(keys.size()) - 1, index, keys, 0);
    return index;
}

namespace corehelpers {

QString padNum(qint64 v, int width)
{
    const bool negative = v < 0;
    QString digits = QString::number(negative ? -v : v);
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), QLatin1Char('0')));
    return negative ? QLatin1Char('-') + digits : digits;
}

Long addChecked(Long a, qint64 b)
{
    const qint64 sum = static_cast<qint64>(a) + b;
    if (sum > std::numeric_limits<Long>::max() || sum < std::numeric_limits<Long>::min())
        vb::raiseOverflow();
    return static_cast<Long>(sum);
}

}  // namespace corehelpers
