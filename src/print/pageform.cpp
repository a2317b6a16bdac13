#include "print/pageform.h"

#include "print/twipfont.h"
#include "platform/vbruntime.h"

#include <QHash>

#include <cmath>

namespace print {

const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

QString Control::displayName() const
{
    return index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

Control label(const QString& name, int index)
{
    Control c;
    c.kind = ControlKind::Label;
    c.name = name;
    c.index = index;
    return c;
}

Control line(const QString& name, int index)
{
    Control c;
    c.kind = ControlKind::Line;
    c.name = name;
    c.index = index;
    c.borderStyle = 1;
    return c;
}

Control shape(const QString& name, int shapeKind, int index)
{
    Control c;
    c.kind = ControlKind::Shape;
    c.name = name;
    c.index = index;
    c.shape = shapeKind;
    c.borderStyle = 1;
    c.fillStyle = 1;
    return c;
}

PageForm::PageForm(const QString& name) : m_name(name) {}

PageForm::~PageForm() = default;

Control& PageForm::add(const Control& c)
{
    m_controls.push_back(c);
    Control& added = m_controls.back();
    if (added.index == 0 && !findArray(added.name))
        m_arrays.push_back(Array{added.name, &added, 0});
    return added;
}

PageForm::Array* PageForm::findArray(const QString& name)
{
    for (Array& a : m_arrays)
        if (a.name == name)
            return &a;
    return nullptr;
}

const PageForm::Array* PageForm::findArray(const QString& name) const
{
    return const_cast<PageForm*>(this)->findArray(name);
}

bool PageForm::hasControl(const QString& name, int index) const
{
    for (const Control& c : m_controls)
        if (c.index == index && c.name == name)
            return true;
    return false;
}

Control& PageForm::control(const QString& name, int index)
{
    // Designed controls are few and come first; loaded elements are looked
    // up from the end, where the latest ones are.
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it)
        if (it->index == index && it->name == name)
            return *it;
    vb::raiseSubscriptOutOfRange();
}

const Control& PageForm::control(const QString& name, int index) const
{
    return const_cast<PageForm*>(this)->control(name, index);
}

Control& PageForm::loadElement(const QString& name)
{
    Array* a = findArray(name);
    if (!a)
        vb::raiseSubscriptOutOfRange();
    Control c = *a->templ;
    c.index = static_cast<int>(++a->loaded);
    c.visible = false;
    m_controls.push_back(std::move(c));
    return m_controls.back();
}

Long PageForm::loadedCount(const QString& name) const
{
    const Array* a = findArray(name);
    return a ? a->loaded : 0;
}

void PageForm::forEachElement(const QString& name, const std::function<void(Control&)>& fn)
{
    for (Control& c : m_controls)
        if (c.index >= 0 && c.name == name)
            fn(c);
}

void PageForm::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    gintMaxPageNo = 0;
    fill();
    sizeAutoSizedLabels();
}

void PageForm::sizeAutoSizedLabels()
{
    for (Control& c : m_controls) {
        if (c.kind != ControlKind::Label || !c.autoSize)
            continue;
        const double w = textWidthTwips(c.font, c.caption);
        if (c.alignment == AlignRight)
            c.left = c.left + c.width - w;
        c.width = w;
        c.height = textHeightTwips(c.font);
    }
}

std::unique_ptr<PageForm> loadPageForm(const PageFormFactory& factory)
{
    std::unique_ptr<PageForm> form = factory();
    form->load();
    return form;
}

double textWidthTwips(const Font& font, const QString& text)
{
    return detail::designMetrics(font).horizontalAdvance(text) / detail::kFontOversize;
}

double textHeightTwips(const Font& font)
{
    return detail::designMetrics(font).height() / detail::kFontOversize;
}

namespace detail {

QFont qtFont(const Font& font, double sizeTwips)
{
    QFont f(font.name);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(sizeTwips * kFontOversize))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethru);
    // Glyph advances scale with the size: the same text is as wide on every
    // device and at every zoom.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

const QFontMetricsF& designMetrics(const Font& font)
{
    struct Key {
        QString name;
        double size;
        bool bold, italic, underline, strikethru;
        bool operator==(const Key&) const = default;
    };
    struct Entry {
        Key key;
        QFontMetricsF metrics;
    };
    // A deque: the references handed out stay valid as it grows.
    static std::deque<Entry> cache;
    const Key key{font.name, font.size, font.bold, font.italic, font.underline, font.strikethru};
    for (const Entry& e : cache)
        if (e.key == key)
            return e.metrics;
    cache.push_back(Entry{key, QFontMetricsF(qtFont(font, font.size * 20.0))});
    return cache.back().metrics;
}

}  // namespace detail

}  // namespace print
