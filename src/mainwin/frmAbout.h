// frmAbout: the version box of the help menu, with a link to the maker's
// web page.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    // The maker's web page the link opens.
    static QString makerUrl();

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblURL = nullptr;
    QPushButton* btnOK = nullptr;

    void btnOK_Click();
    // Opens the maker's page; when the browser cannot be started the address
    // goes to the clipboard with a message. The box stays open.
    void lblURL_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Puts the trimmed address on the clipboard and tells the user to paste it
// into the browser (the fallback when a web page cannot be opened).
void gsShowUrlOnClipboard(const QString& address, QWidget* owner);

// Opens the address in the browser (gfOpenWebPage with the flag True); when
// the browser cannot be started, or turns out not to show the page, falls
// back to gsShowUrlOnClipboard.
void gsOpenWebPageOrShowUrl(const QString& address, QWidget* owner);
