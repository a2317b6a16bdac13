// A report's pages loaded in this process as the launcher and the preview
// load them (a counting load, then every page of the counted report), and
// the shown controls of a page read back: the page model the page dump
// tool writes, without the tool.
#pragma once

#include "core/printstate.h"
#include "print/pageform.h"
#include "platform/vbruntime.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <vector>

namespace loadedreport {

struct Report {
    int counted = 0;   // the counting load's gintMaxPageNo
    std::vector<std::unique_ptr<print::PageForm>> pages;   // pages[0] is page 1

    const print::PageForm& page(int p) const { return *pages.at(static_cast<size_t>(p - 1)); }
    int pageCount() const { return static_cast<int>(pages.size()); }
};

template <class Form>
Report load()
{
    Report r;
    gintPageNo = -1;
    gintPageCount = -1;
    r.counted = print::loadPageForm(print::pageFormFactory<Form>())->gintMaxPageNo;
    const int pages = std::max(1, r.counted);
    gintPageCount = static_cast<Integer>(pages);
    for (int p = 1; p <= pages; ++p) {
        gintPageNo = static_cast<Integer>(p);
        r.pages.push_back(print::loadPageForm(print::pageFormFactory<Form>()));
    }
    return r;
}

// The shown elements of an array (loaded ones, index 1 up) in load order.
inline std::vector<const print::Control*> shown(const print::PageForm& f, const QString& array)
{
    std::vector<const print::Control*> out;
    for (const print::Control& c : f.controls())
        if (c.visible && c.name == array && c.index > 0)
            out.push_back(&c);
    return out;
}

inline QStringList captions(const print::PageForm& f, const QString& array)
{
    QStringList out;
    for (const print::Control* c : shown(f, array))
        out << c->caption;
    return out;
}

// The caption of the shown element of `array` whose box starts at (left,
// top); "<none>" when there is none.
inline QString cellAt(const print::PageForm& f, const QString& array, double left, double top)
{
    for (const print::Control* c : shown(f, array))
        if (vb::CLng(c->left) == vb::CLng(left) && vb::CLng(c->top) == vb::CLng(top))
            return c->caption;
    return QStringLiteral("<none>");
}

// The captions of the shown cells of `array` at one top, left to right.
inline QStringList rowAt(const print::PageForm& f, const QString& array, double top)
{
    std::vector<const print::Control*> cells;
    for (const print::Control* c : shown(f, array))
        if (vb::CLng(c->top) == vb::CLng(top))
            cells.push_back(c);
    std::stable_sort(cells.begin(), cells.end(),
                     [](const print::Control* a, const print::Control* b) { return a->left < b->left; });
    QStringList out;
    for (const print::Control* c : cells)
        out << c->caption;
    return out;
}

// "y:width" of the shown horizontal rules of a line array, in load order.
inline QStringList rules(const print::PageForm& f, const QString& array)
{
    QStringList out;
    for (const print::Control* c : shown(f, array))
        out << QStringLiteral("%1:%2").arg(vb::CLng(c->y1)).arg(c->borderWidth);
    return out;
}

}  // namespace loadedreport
