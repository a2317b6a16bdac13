#include "print/pageform.h"

#include "print/twipfont.h"
#include "platform/vbruntime.h"

#include <QFontDatabase>
#include <QFontInfo>
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
    if (added.kind == ControlKind::Label)
        added.designCaption = added.caption;
    Named& named = m_names[added.name];
    if (added.index < 0)
        named.single = &added;
    else
        named.elements.insert(added.index, &added);
    return added;
}

PageForm::Named* PageForm::findNamed(const QString& name, int index) const
{
    const auto it = m_names.constFind(name);
    if (it == m_names.constEnd())
        return nullptr;
    Named* named = const_cast<Named*>(&*it);
    if (index < 0 ? named->single == nullptr : !named->elements.contains(index))
        return nullptr;
    return named;
}

bool PageForm::hasControl(const QString& name, int index) const
{
    return findNamed(name, index) != nullptr;
}

Control& PageForm::control(const QString& name, int index)
{
    Named* named = findNamed(name, index);
    if (!named)
        vb::raiseSubscriptOutOfRange();
    return index < 0 ? *named->single : *named->elements.value(index);
}

const Control& PageForm::control(const QString& name, int index) const
{
    return const_cast<PageForm*>(this)->control(name, index);
}

Control& PageForm::loadElement(const QString& name)
{
    Named* named = findNamed(name, 0);
    if (!named)
        vb::raiseSubscriptOutOfRange();
    const int index = static_cast<int>(named->loaded + 1);
    if (named->elements.contains(index))
        vb::raise(360, QStringLiteral("オブジェクトは既に読み込まれています。"));
    Control c = *named->elements.value(0);
    c.index = index;
    c.visible = false;
    c.designCaption.clear();
    named->loaded = index;
    m_controls.push_back(std::move(c));
    named->elements.insert(index, &m_controls.back());
    return m_controls.back();
}

Long PageForm::loadedCount(const QString& name) const
{
    const auto it = m_names.constFind(name);
    return it == m_names.constEnd() ? 0 : it->loaded;
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
    return detail::designFaces(font).advance(text) / detail::kFontOversize;
}

double textHeightTwips(const Font& font)
{
    return detail::designFaces(font).ownMetrics.height() / detail::kFontOversize;
}

namespace detail {

QString halfWidthFamily(const QString& fontName)
{
    // The family a design font name resolves to (through the installed
    // substitutions) decides; resolved once per name.
    static QHash<QString, QString> cache;
    const auto it = cache.constFind(fontName);
    if (it != cache.constEnd())
        return *it;
    const QString family = QFontInfo(QFont(fontName)).family();
    QString half;
    if (family == QLatin1String("IPAPGothic"))
        half = QStringLiteral("IPAGothic");
    else if (family == QLatin1String("IPAPMincho"))
        half = QStringLiteral("IPAMincho");
    // Only when the fixed-pitch face is there to set them.
    if (!half.isEmpty() && QFontInfo(QFont(half)).family() != half)
        half.clear();
    cache.insert(fontName, half);
    return half;
}

QFont qtFont(const Font& font, double sizeTwips, const QString& family)
{
    QFont f(family.isEmpty() ? font.name : family);
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

namespace {

QFont halfFace(const Font& font, double sizeTwips, const QFont& own)
{
    const QString family = halfWidthFamily(font.name);
    return family.isEmpty() ? own : qtFont(font, sizeTwips, family);
}

// Half a line thickness when a bold font of a family without a bold face
// (the IPA fonts) is to be struck twice; else 0.
double boldShiftOf(const QFont& qt, const QFontMetricsF& metrics)
{
    const QFontInfo face(qt);
    if (QFontDatabase::weight(face.family(), face.styleName()) < QFont::DemiBold)
        return 0.5 * metrics.lineWidth();
    return 0;
}

}  // namespace

FontFaces::FontFaces(const Font& font, double sizeTwips)
    : own(qtFont(font, sizeTwips)),
      half(halfFace(font, sizeTwips, own)),
      split(!halfWidthFamily(font.name).isEmpty()),
      ownMetrics(own),
      halfMetrics(half)
{
    m_halfAdvance.fill(-1);
    if (font.bold) {
        ownBoldShift = boldShiftOf(own, ownMetrics);
        halfBoldShift = split ? boldShiftOf(half, halfMetrics) : ownBoldShift;
    }
}

double FontFaces::runAdvance(const QString& text, qsizetype start, qsizetype length, bool halfWidth) const
{
    if (!halfWidth) {
        return start == 0 && length == text.size() ? ownMetrics.horizontalAdvance(text)
                                                   : ownMetrics.horizontalAdvance(text.mid(start, length));
    }
    double width = 0;
    for (qsizetype i = start; i < start + length; ++i) {
        const char16_t u = text[i].unicode();
        double& a = m_halfAdvance[u < 0x80 ? u : 0x80 + (u - 0xFF61)];
        if (a < 0)
            a = halfMetrics.horizontalAdvance(text[i]);
        width += a;
    }
    return width;
}

double FontFaces::advance(const QString& text) const
{
    if (!split)
        return ownMetrics.horizontalAdvance(text);
    double width = 0;
    forEachRun(text, true, [&](qsizetype start, qsizetype length, bool halfWidth) {
        width += runAdvance(text, start, length, halfWidth);
    });
    return width;
}

const FontFaces& facesAt(const Font& font, double sizeTwips)
{
    struct Entry {
        Font key;
        double sizeTwips;
        FontFaces faces;
    };
    // A deque: the references handed out stay valid as it grows. The last
    // one found first: labels in a row share their font.
    static std::deque<Entry> cache;
    static const Entry* last = nullptr;
    if (last && last->sizeTwips == sizeTwips && last->key == font)
        return last->faces;
    for (const Entry& e : cache)
        if (e.sizeTwips == sizeTwips && e.key == font) {
            last = &e;
            return e.faces;
        }
    cache.push_back(Entry{font, sizeTwips, FontFaces(font, sizeTwips)});
    last = &cache.back();
    return last->faces;
}

const FontFaces& designFaces(const Font& font)
{
    return facesAt(font, font.size * 20.0);
}

}  // namespace detail

}  // namespace print
