#include "platform/ui/qtuiservice.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFont>
#include <QFontMetricsF>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTranslator>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

struct Choice {
    QMessageBox::StandardButton button;
    int result;
};

// The buttons of a message box style, in order, and the answer of each.
std::vector<Choice> choicesOf(int style)
{
    switch (style & 7) {
    case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
        return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default: return {{QMessageBox::Ok, vbOK}};
    }
}

// Qt's message box wraps any text wider than about 500 pixels, and Japanese
// wraps anywhere, so lines broke in the middle of a phrase. This box's text
// is as wide as its widest line, so that no line wraps, up to the width of
// the screen's available area (only a longer line still wraps). Qt sizes the
// box again whenever its layout changes; the width is kept each time.
class LineKeepingMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        if (!event->spontaneous())
            fitTextToLines();
        QMessageBox::showEvent(event);   // Qt's own size (with the text's width) and place
        if (!event->spontaneous() && keepWidth())
            adjustPosition(parentWidget());   // centred again for the wider box, on the screen
    }

    bool event(QEvent* event) override
    {
        const bool done = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest && isVisible())
            keepWidth();
        return done;
    }

private:
    QLabel* textLabel() const { return findChild<QLabel*>(QStringLiteral("qt_msgbox_label")); }

    // The room a box may take: the screen's available width, less the
    // window frame where the window system has given it one.
    int room() const
    {
        const QScreen* where = screen();
        const int frame = frameGeometry().width() - geometry().width();
        return where ? where->availableGeometry().width() - frame : QWIDGETSIZE_MAX;
    }

    // The text is given the width of its widest line, or what the screen
    // leaves beside the icon and margins.
    void fitTextToLines()
    {
        QLabel* label = textLabel();
        if (!label || !layout())
            return;
        const QFontMetricsF fm(label->font());
        qreal widest = 0;
        for (const QString& line : text().split(QLatin1Char('\n')))
            widest = std::max(widest, fm.horizontalAdvance(line));
        const int lineWidth = int(std::ceil(widest)) + 2 * label->margin();
        label->setMinimumWidth(0);
        layout()->activate();
        const int beside = std::max(0, layout()->totalMinimumSize().width() - label->minimumSizeHint().width());
        label->setMinimumWidth(std::min(lineWidth, room() - beside));
    }

    // Qt caps a message box at about 1000 pixels (less on a middle-sized
    // screen); a text that needs more, up to the screen, keeps its width.
    // True when the box was widened.
    bool keepWidth()
    {
        QLayout* grid = layout();
        if (!grid)
            return false;
        grid->activate();
        const int w = std::min(grid->totalMinimumSize().width(), room());
        if (w <= width())
            return false;
        const int h = grid->hasHeightForWidth() ? grid->totalHeightForWidth(w) : grid->totalMinimumSize().height();
        setFixedSize(w, std::max(h, height()));
        return true;
    }
};

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& prompt, int style, const QString& title, QWidget* parent)
{
    auto box = std::make_unique<LineKeepingMessageBox>(parent);
    box->setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    // The program's messages are plain text, whatever characters they hold;
    // CR LF is one line break, as LF.
    box->setTextFormat(Qt::PlainText);
    box->setText(QString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    switch (style & 0x70) {
    case vbCritical: box->setIcon(QMessageBox::Critical); break;
    case vbQuestion: box->setIcon(QMessageBox::Question); break;
    case vbExclamation: box->setIcon(QMessageBox::Warning); break;
    case vbInformation: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }
    const std::vector<Choice> choices = choicesOf(style);
    QMessageBox::StandardButtons buttons;
    for (const auto& c : choices)
        buttons |= c.button;
    box->setStandardButtons(buttons);
    const std::size_t def = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    if (def < choices.size())
        box->setDefaultButton(choices[def].button);
    return box;
}

namespace {

// Starts xdg-open on the target and returns at once: with a browser that
// stays in the foreground the opener ends only when the browser does. When
// it ends with an error code it found nothing to open the target with, or
// the target is missing, and `failed` runs. An opener killed by a signal
// (the program ending while it runs) is no failure to report.
bool startOpener(const QString& target, const UiService::OpenFailed& failed)
{
    if (target.trimmed().isEmpty())
        return false;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty())
        return false;
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setProgram(program);
    opener->setArguments({target});
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, failed](int exitCode, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         if (status == QProcess::NormalExit && exitCode != 0 && failed)
                             failed();
                     });
    opener->start();
    if (!opener->waitForStarted()) {
        delete opener;
        return false;
    }
    return true;
}

}  // namespace

int QtUiService::msgBox(const QString& prompt, int style, const QString& title, QObject* owner)
{
    // Without an owner the box belongs to the modal window in front, else to
    // the active window: a box of its own would be a main window, and
    // closing it while the main window is hidden (a game window open) would
    // end the program.
    QWidget* parent = qobject_cast<QWidget*>(owner);
    if (!parent)
        parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    const std::unique_ptr<QMessageBox> box = makeMessageBox(prompt, style, title, parent);

    // The pointer is an arrow while the user reads the box.
    const bool overridden = QApplication::overrideCursor() != nullptr;
    if (overridden)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int clicked = box->exec();
    if (overridden)
        QApplication::restoreOverrideCursor();

    const std::vector<Choice> choices = choicesOf(style);
    for (const auto& c : choices)
        if (clicked == c.button)
            return c.result;
    // Closed with Esc or the close box: the cancel-like answer.
    for (const auto& c : choices)
        if (c.result == vbCancel || c.result == vbNo)
            return c.result;
    return choices.front().result;
}

void QtUiService::setMousePointer(int pointer)
{
    if (pointer == m_pointer)
        return;
    // One override at most: the pointer is a value, not a stack.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (pointer == vbHourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    m_pointer = pointer;
}

void QtUiService::setClipboardText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

bool QtUiService::openUrl(const QString& url, OpenFailed failed)
{
    return startOpener(url.trimmed(), failed);
}

bool QtUiService::openFolder(const QString& path, OpenFailed failed)
{
    return startOpener(path, failed);
}

void QtUiService::beep()
{
    QApplication::beep();
}

void installFontSubstitutions()
{
    const struct { const char* from; const char* to; } map[] = {
        {"ＭＳ ゴシック", "IPAGothic"},   {"MS Gothic", "IPAGothic"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"},
        {"ＭＳ 明朝", "IPAMincho"},       {"MS Mincho", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"MS PMincho", "IPAPMincho"},
        {"ＭＳ ＵＩ ゴシック", "IPAPGothic"}, {"MS UI Gothic", "IPAPGothic"},
    };
    for (const auto& m : map)
        QFont::insertSubstitution(QString::fromUtf8(m.from), QString::fromUtf8(m.to));
}

void setUpApplication(QApplication& app)
{
    installFontSubstitutions();
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSize(9);
    app.setFont(font);

    installJapaneseLanguage(app);
    setUi(std::make_unique<QtUiService>());
}

QObject* installJapaneseLanguage(QCoreApplication& app)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    auto* translator = new QTranslator(&app);
    if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    app.installTranslator(translator);
    return translator;
}

namespace {

// The file model's own columns, with its modification time column (3)
// written in the default locale.
class ProgramLocaleFileTimes : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole && index.column() == 3) {
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel()))
                return QLocale().toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

void showFileTimesInProgramLocale(QFileDialog& dialog)
{
    dialog.setProxyModel(new ProgramLocaleFileTimes(&dialog));
}

QString askSaveFileName(QWidget* owner, const QString& title, const QString& proposedPath,
                        const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dlg(owner, title, proposedPath, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);   // the file need not exist
    dlg.setDefaultSuffix(defaultSuffix);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
    showFileTimesInProgramLocale(dlg);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

QColor oleColor(quint32 ole)
{
    if (ole & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (ole & 0xFFu) {
        case 0x05: return pal.color(QPalette::Base);              // window background
        case 0x08: return pal.color(QPalette::Text);              // window text
        case 0x0D: return pal.color(QPalette::Highlight);
        case 0x0E: return pal.color(QPalette::HighlightedText);
        case 0x0F: return pal.color(QPalette::Button);            // button face
        case 0x10: return pal.color(QPalette::Dark);              // button shadow
        case 0x11: return pal.color(QPalette::Disabled, QPalette::Text);  // grey text
        case 0x12: return pal.color(QPalette::ButtonText);
        case 0x14: return pal.color(QPalette::Light);             // 3D highlight
        default: return pal.color(QPalette::Window);
        }
    }
    return QColor(int(ole & 0xFF), int((ole >> 8) & 0xFF), int((ole >> 16) & 0xFF));
}

}  // namespace platform
