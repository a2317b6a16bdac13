#include "platform/ui/qtuiservice.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFont>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QTranslator>
#include <QUrl>
#include <QWidget>

namespace platform {

int QtUiService::msgBox(const QString& prompt, int style, const QString& title, QObject* owner)
{
    QWidget* parent = qobject_cast<QWidget*>(owner);
    if (!parent)
        parent = QApplication::activeWindow();

    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setText(prompt);
    switch (style & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }

    struct Choice { QMessageBox::StandardButton button; int result; };
    std::vector<Choice> choices;
    switch (style & 7) {
    case vbOKCancel: choices = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}}; break;
    case vbAbortRetryIgnore:
        choices = {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
        break;
    case vbYesNoCancel:
        choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
        break;
    case vbYesNo: choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}}; break;
    case vbRetryCancel: choices = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}}; break;
    default: choices = {{QMessageBox::Ok, vbOK}}; break;
    }
    QMessageBox::StandardButtons buttons;
    for (const auto& c : choices)
        buttons |= c.button;
    box.setStandardButtons(buttons);
    std::size_t def = (style & vbDefaultButton3) ? 2 : (style & vbDefaultButton2) ? 1 : 0;
    if (def < choices.size())
        box.setDefaultButton(choices[def].button);

    // The pointer is an arrow while the user reads the box.
    const bool overridden = QApplication::overrideCursor() != nullptr;
    if (overridden)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int clicked = box.exec();
    if (overridden)
        QApplication::restoreOverrideCursor();

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

bool QtUiService::openUrl(const QString& url)
{
    QUrl u = QUrl::fromUserInput(url);
    if (!u.isValid())
        return false;
    return QDesktopServices::openUrl(u);
}

bool QtUiService::openFolder(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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

    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    setUi(std::make_unique<QtUiService>());
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
