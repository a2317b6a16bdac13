// The Qt implementation of the UI service and the application-wide set-up
// (fonts, Japanese translation of Qt's own dialogs), and the colour mapping.
#pragma once

#include "platform/uiservice.h"

#include <QColor>

#include <memory>

class QApplication;
class QCoreApplication;
class QFileDialog;
class QMessageBox;
class QString;
class QWidget;

namespace platform {

class QtUiService : public UiService {
public:
    int msgBox(const QString& prompt, int style, const QString& title, QObject* owner) override;
    void setMousePointer(int pointer) override;
    int mousePointer() const override { return m_pointer; }
    void setClipboardText(const QString& text) override;
    // Both hand the target to the desktop's opener, xdg-open (xdg-utils):
    // false when it is not installed or cannot be started; `failed` runs
    // when it ends with an error.
    bool openUrl(const QString& url, OpenFailed failed) override;
    bool openFolder(const QString& path, OpenFailed failed) override;
    void beep() override;

private:
    int m_pointer = vbDefault;
};

// The message box msgBox shows, built but not shown: the prompt as plain
// text, the icon, buttons and default button of `style`. When shown it is
// as wide as its longest line (up to the screen's available width), so no
// line breaks in the middle.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& prompt, int style, const QString& title,
                                            QWidget* parent);

// Maps the Windows font names to the IPA fonts, installs the Japanese
// language and the Qt UI service. Call once after the QApplication exists
// and before any widget is made.
void setUpApplication(QApplication& app);

// Japanese for Qt's own dialogs whatever the desktop's language: the
// program's default locale becomes Japanese (Japan), so dates, numbers and
// names that Qt formats in the default locale are Japanese, and Qt's
// Japanese translation is loaded when it is installed. Returns the
// translator it installed (owned by the application), or nullptr.
QObject* installJapaneseLanguage(QCoreApplication& app);

// The save-file dialog of the program: starts at the proposed path, offers
// the filter, adds the default suffix to a name without one and asks before
// a file is overwritten. Returns the chosen path, "" when cancelled.
QString askSaveFileName(QWidget* owner, const QString& title, const QString& proposedPath,
                        const QString& filter, const QString& defaultSuffix);

// Makes the file dialog show the files' modification times in the
// program's default locale. Qt's file model formats them in the desktop's
// locale, so a Japanese program on an English desktop would list "11 Dec".
void showFileTimesInProgramLocale(QFileDialog& dialog);

// Maps the Windows font family names the forms use to the IPA fonts.
void installFontSubstitutions();

// An OLE colour (&H00BBGGRR) or a system colour (&H80000000 | index:
// &H8000000F button face, &H8000000D highlight, &H8000000E highlight text,
// &H80000011 grey text, &H80000005 window, &H80000008 window text, ...) as a
// QColor.
QColor oleColor(quint32 ole);

}  // namespace platform
