// The page dump tool: runs one report for the data and settings folders the
// program would use (HOME and the XDG variables decide them), exactly as its
// dialog does, with the preview window replaced by a dump of the pages.
//
//   tallicor_pages REPORT [ARGS]
//
// Output on stdout, UTF-8, tab-separated, one element a line, pages in
// order, each page's visible labels and lines in control order:
//   pages  N
//   label  page  control  left  top  width  height  caption  font  size  bold  forecolor
//   line   page  control  x1  y1  x2  y2  borderwidth
// control is the name, with "(index)" for an element of a control array;
// lengths are whole twips of the page form; a line break in a caption is
// written "\n" (a tab "\t"); size as the form holds it; bold 0 or 1;
// forecolor an OLE colour number. Any message box the report shows is an
// error: the tool then exits non-zero with the messages on stderr.
#include "pagereports.h"

#include "core/printstate.h"
#include "core/startup.h"
#include "print/modPreview.h"
#include "print/pageform.h"
#include "platform/ui/qtuiservice.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Message boxes are written down instead of shown; every question gets its
// first button.
class DumpUi : public platform::UiService {
public:
    int msgBox(const QString& prompt, int style, const QString& title, QObject*) override
    {
        messages << (title.isEmpty() ? QString() : title + QStringLiteral(": ")) + prompt;
        return platform::firstButtonAnswer(style);
    }
    void setMousePointer(int pointer) override { m_pointer = pointer; }
    int mousePointer() const override { return m_pointer; }
    void setClipboardText(const QString&) override {}
    bool openUrl(const QString&, OpenFailed) override { return false; }
    bool openFolder(const QString&, OpenFailed) override { return false; }
    void beep() override {}

    QStringList messages;

private:
    int m_pointer = platform::vbDefault;
};

QString twips(double v) { return QString::number(vb::CLng(v)); }

QString escaped(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return text;
}

// The preview's stand-in: every page loaded in turn and written out.
void dumpPages(QStringList& out)
{
    out << QStringLiteral("pages\t%1").arg(gintPageCount);
    const int count = gintPageCount;
    for (int page = 1; page <= count; ++page) {
        gintPageNo = static_cast<Integer>(page);
        const std::unique_ptr<print::PageForm> form = print::loadPageForm(gfrmPrintForm);
        const QString p = QString::number(page);
        for (const print::Control& c : form->controls()) {
            if (!c.visible)
                continue;
            if (c.kind == print::ControlKind::Label) {
                out << QStringList{QStringLiteral("label"), p, c.displayName(), twips(c.left), twips(c.top),
                                   twips(c.width), twips(c.height), escaped(c.caption), c.font.name,
                                   QString::number(c.font.size), c.font.bold ? QStringLiteral("1") : QStringLiteral("0"),
                                   QString::number(c.foreColor)}
                           .join(QLatin1Char('\t'));
            } else if (c.kind == print::ControlKind::Line) {
                out << QStringList{QStringLiteral("line"), p, c.displayName(), twips(c.x1), twips(c.y1),
                                   twips(c.x2), twips(c.y2), QString::number(c.borderWidth)}
                           .join(QLatin1Char('\t'));
            }
        }
    }
}

void writeTo(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int usage(const QString& why)
{
    QString text = QStringLiteral("tallicor_pages: ") + why + QStringLiteral("\nusage: tallicor_pages REPORT [ARGS]\nreports:\n");
    for (const PageReport& r : pageReports())
        text += QStringLiteral("  ") + r.name + (r.arguments.isEmpty() ? QString() : QLatin1Char(' ') + r.arguments) +
                QLatin1Char('\n');
    writeTo(stderr, text);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tallicor"));
    platform::installFontSubstitutions();
    auto ui = std::make_unique<DumpUi>();
    DumpUi& messages = *ui;
    platform::setUi(std::move(ui));

    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage(QStringLiteral("no report named"));
    const PageReport* report = nullptr;
    for (const PageReport& r : pageReports())
        if (r.name == args.first())
            report = &r;
    if (!report)
        return usage(QStringLiteral("unknown report ") + args.first());

    QStringList out;
    if (gfSetFilePaths()) {
        print::setPreviewWindow([&out](QWidget*) { dumpPages(out); });
        const QString wrong = report->run(args.mid(1));
        if (!wrong.isEmpty())
            return usage(report->name + QStringLiteral(": ") + wrong);
    }
    if (!messages.messages.isEmpty()) {
        writeTo(stderr, messages.messages.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        return 1;
    }
    writeTo(stdout, out.isEmpty() ? QString() : out.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return 0;
}
