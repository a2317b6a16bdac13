// The index quicksort as it was first written: partition, then recurse into
// the left part and then into the right part. Its depth grows with the
// length on some key orders, so it is run on a thread with a large stack.
// The tests compare the program's sort with it: the order of equal keys must
// stay exactly what this version gives.
#pragma once

#include "core/helpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QThread>
#include <exception>
#include <functional>
#include <vector>

namespace quicksortreference {

inline const QString& keyAt(Long p, const std::vector<Long>& index, const std::vector<QString>& keys)
{
    if (p < 0 || static_cast<size_t>(p) >= index.size())
        vb::raiseSubscriptOutOfRange();
    const Long k = index[static_cast<size_t>(p)];
    if (k < 0 || static_cast<size_t>(k) >= keys.size())
        vb::raiseSubscriptOutOfRange();
    return keys[static_cast<size_t>(k)];
}

inline int compare(Integer mode, const QString& key, const QString& pivot)
{
    if (mode == 1) {
        const double v = vb::Val(key);
        const double p = vb::Val(pivot);
        return v < p ? -1 : (v > p ? 1 : 0);
    }
    return vb::StrComp(key, pivot);
}

inline void quickSort(const char* name, Long low, Long high, std::vector<Long>& index,
                      const std::vector<QString>& keys, Integer mode, int dir)
{
    try {
        if (low >= high)
            return;
        const Long m = low + (high - low) / 2;
        const QString pivot = keyAt(m, index, keys);
        Long i = low;
        Long j = high;
        while (i <= j) {
            while (dir * compare(mode, keyAt(i, index, keys), pivot) < 0 && i < high)
                ++i;
            while (dir * compare(mode, keyAt(j, index, keys), pivot) > 0 && j > low)
                --j;
            if (i <= j) {
                psSwapIndex(i, j, index);
                ++i;
                --j;
            }
        }
        if (low < j)
            quickSort(name, low, j, index, keys, mode, dir);
        if (i < high)
            quickSort(name, i, high, index, keys, mode, dir);
    } catch (const vb::VbError& e) {
        platform::MsgBox(QString::fromLatin1(name) + QStringLiteral("(): ") + e.description(),
                         platform::vbCritical, QStringLiteral("エラー"));
    } catch (const std::exception& e) {
        platform::MsgBox(QString::fromLatin1(name) + QStringLiteral("(): ") + QString::fromLocal8Bit(e.what()),
                         platform::vbCritical, QStringLiteral("エラー"));
    }
}

// Runs the work on a thread with a stack of 1 GiB (reserved, not used
// unless needed) and waits for it.
inline void onLargeStack(const std::function<void()>& work)
{
    QThread* thread = QThread::create(work);
    thread->setStackSize(1u << 30);
    thread->start();
    thread->wait();
    delete thread;
}

// The reference order of positions low..high, either direction.
inline void sort(Long low, Long high, std::vector<Long>& index, const std::vector<QString>& keys,
                 Integer mode, bool ascending)
{
    onLargeStack([&] {
        quickSort(ascending ? "csQuickSort_Asc" : "csQuickSort_Desc", low, high, index, keys, mode,
                  ascending ? 1 : -1);
    });
}

}  // namespace quicksortreference
