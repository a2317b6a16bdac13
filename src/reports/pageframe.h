// The frame every report page form shares: the design conventions, the
// loading with its failure path, and the filling walk that lays the whole
// report out on every load and fills only the page asked for.
//
// How to write a page form
//   1. Derive from PageFrame, naming the form and its page title
//      ("スコア表"). In the constructor set Width/Height if they
//      differ from 11310 x 14985, then add the design table in control
//      order: the head labels (lblScorePage, lblSeasonTittle, lblScoreTittle,
//      lblEntryNum, lblExractBelong, lblPage, as the page has them), the
//      column-header labels, linTop, the linTate elements 0..k, and the
//      templates (element 0, hidden) of every repeated cell and line:
//      linFutoYoko, linHosoYoko and the cell label arrays.
//   2. Override pfDataSetBody(): set the head texts (psSetHeads), do the
//      page's own preparation, then walk the rows:
//          psSetHeads(QStringLiteral("参加 ") + QString::number(n) + "名");
//          psStretchTateToTop();
//          ... own preparation ...
//          psClearPageTexts();
//          Walk w;
//          w.rows = n;
//          w.keep = [&](Long i) { return ...; };        // a group filter, if any
//          w.drawRow = [&](Long i) { psCell("lblName", name(i)); ... };
//          psWalk(w);
//      Throw (vb::raise..., or let a helper throw) on a failure: the frame
//      shows "<form>::pfDataSet(): <description>" titled "エラー", then
//      "印刷中にエラーが発生しました！ 再実行してください。", and the load
//      ends normally with what was built.
//   3. A page whose rows do not follow the standard walk (blocks of rows,
//      other row heights, two halves) builds its own loop from the steps:
//      psStartRows, pfPageTop, psSeparator, psCell, pfPageEnds, psEndPage,
//      and the current Y (mY).
//   4. Give the form its row in the report table and a launcher
//      (src/reports/modReports.h), and a report name in the page dump tool
//      (tests/pages).
//   The captions of the design table are fixed captions while the page
//   leaves them as designed: each prints on one line, condensed when the
//   font sets it wider than its label (print/renderer.h). A text the page
//   sets breaks at the label's width.
#pragma once

#include "print/pageform.h"

#include <functional>

// The frame's page layout: rows of 360 twips, cells 60 below the row's top,
// the page ends when the next row would end below 14700.
constexpr Long kRowHeight = 360;
constexpr Long kCellOffset = 60;
constexpr Long kPageLimit = 14700;

class PageFrame : public print::PageForm {
public:
    // `title` is the page title (lblScorePage reads it with the page
    // numbers); `errorName` is the form's name as its failure message
    // spells it, when that differs from `name`.
    PageFrame(const QString& name, const QString& title, const QString& errorName = QString());

    // The page title; a page whose title depends on the print state
    // overrides it.
    QString reportTitle() const override { return m_title; }

protected:
    // The fonts of the designs.
    static print::Font font(double size, bool bold = false);

    // The filling walk's body (see the header). Throw on failure.
    virtual void pfDataSetBody() = 0;

    // ------------------------------------------------------ the walk's steps

    // Step 1: lblSeasonTittle and lblScoreTittle (when the form has them)
    // from the print titles, and lblEntryNum.
    void psSetHeads(const QString& entryNumText);
    // Step 2: Y1 of every linTate element := linTop.Y1.
    void psStretchTateToTop();
    // Step 4: lblScorePage and lblPage := "".
    void psClearPageTexts();

    // Step 5: mY := linTop.Y1 rounded, the top every page starts from.
    void psStartRows();

    // One report row after another (steps 5 and 6).
    struct Walk {
        Long rows = 0;
        Long rowHeight = kRowHeight;
        bool groupFilter = false;             // the page shows lblExractBelong
        std::function<bool(Long)> keep;       // false drops the row (the group filter)
        std::function<void(Long)> drawRow;    // the row's cells at mY, on the page being filled
        // The separator above a row, on the page being filled, in place of
        // psSeparator: gets the row and whether it is its page's first.
        std::function<void(Long, bool)> separator;
        std::function<void()> atPageEnd;      // more to stretch at a page end, before the closing line
    };
    void psWalk(const Walk& walk);

    // Step 6.1: when mY is at the top (psStartRows), a page begins: gintMaxPageNo + 1,
    // the page texts on the page being filled (lblExractBelong too with
    // `groupFilter`), mY += the header row. True when a page began (the row
    // is the first of its page).
    bool pfPageTop(bool groupFilter = false);
    // The page being laid out is the one asked for.
    bool pfFilling() const;
    // Step 6.3, the separator above a row at mY: a linFutoYoko across
    // linTop for the first row of a page, else a linHosoYoko.
    void psSeparator(bool firstOfPage);
    // A loaded element of a row-line array at mY, black and visible; across
    // linTop's X1 to X2 with `acrossTop`, else with the template's span.
    print::Control& psRowLine(const QString& array, bool acrossTop);
    // A loaded cell of the label array at mY + 60, black and visible.
    print::Control& psCell(const QString& array, const QString& caption);
    // Step 6.5's test: the last row, or the next row would end below the
    // page limit.
    bool pfPageEnds(bool lastRow, Long nextRowHeight = kRowHeight) const;
    // Step 6.5's end on the page being filled: linTate down to mY, `more`,
    // the closing linFutoYoko; then mY back to the top on any page.
    void psEndPage(const std::function<void()>& more = nullptr);

    // linTop.Y1, rounded to whole twips.
    Long pfTopY() const;

    // The current Y: the top of the next row.
    Long mY = 0;
    // linTop.Y1 as psStartRows found it.
    Long mTopY = 0;

private:
    void fill() final;
    bool pfDataSet();

    QString m_title;
    QString m_errorName;
};
