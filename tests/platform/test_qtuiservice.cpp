// The Qt UI service: its message box keeps every line of a message on one
// line, up to the width of the screen's available area; its desktop opener
// reports a missing xdg-open at once, one that ends with an error later, and
// hands the target to the opener as its one argument. A box shown without
// an owner belongs to the modal window in front, so that it is never a main
// window of its own (closing one while the main window is hidden would end
// the program).
#include "platform/ui/qtuiservice.h"
#include "support/modaldialog.h"
#include "support/uiwait.h"

#include <QApplication>
#include <QDialog>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <memory>

namespace {

QLabel* textOf(const QMessageBox& box)
{
    return box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
}

// The widest line of the text in the label's font.
int widestLine(const QLabel* label, const QString& text)
{
    const QFontMetrics fm(label->font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

std::unique_ptr<QMessageBox> shown(const QString& text, int style)
{
    auto box = platform::makeMessageBox(text, style, QStringLiteral("題名"), nullptr);
    box->show();   // sized when shown; no exec, nothing waits for an answer
    testsupport::deliverQueuedEvents();
    return box;
}

TEST(MessageBox, EveryLineOfALongJapaneseMessageStaysOnOneLine)
{
    const QString texts[] = {
        QStringLiteral("Tallicorのデータフォルダを開きます。\n"
                       "\"data\"フォルダを他の場所（外部ハードディスクやUSBメモリなど）にコピーして保存（退避）してください。\n"
                       "復元はTallicorを終了させてから、\"data\"フォルダを入れ替えてください。\n"),
        QStringLiteral("日付は下記の形式で入力してください。但し入力域は常に西暦に変換表示されます。\n"
                       "西暦は yyyy/mm/dd, yy/mm/dd 形式で入力してください。例). 1940/1/20 or 40/1/20\n"
                       "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。小文字も可です。"),
        QStringLiteral("https://example.com/help/\n"
                       "URLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。ご利用のﾌﾞﾗｳｻﾞのｱﾄﾞﾚｽﾊﾞｰに貼り付け(ﾍﾟｲｽﾄ)てください。"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        for (int style : {int(platform::vbOKCancel), platform::vbOKOnly | platform::vbExclamation}) {
            const auto box = shown(text, style);
            const QLabel* label = textOf(*box);
            ASSERT_NE(label, nullptr);
            EXPECT_GE(label->contentsRect().width(), widestLine(label, text)) << style;
            // Laid out at its width, the text is as high as with no limit.
            EXPECT_EQ(label->heightForWidth(label->width()), label->heightForWidth(QWIDGETSIZE_MAX)) << style;
            EXPECT_GE(label->height(), label->heightForWidth(QWIDGETSIZE_MAX)) << style;
            const QRect screen = box->screen()->availableGeometry();
            EXPECT_LE(box->frameGeometry().width(), screen.width()) << style;
            EXPECT_TRUE(screen.contains(box->frameGeometry())) << style;
        }
    }
}

TEST(MessageBox, LineWiderThanTheScreenWrapsInsideTheScreen)
{
    const QString line = QString(200, QChar(0x3042));   // あ…
    const auto box = shown(line, platform::vbOKOnly);
    const QLabel* label = textOf(*box);
    ASSERT_NE(label, nullptr);
    const QRect screen = box->screen()->availableGeometry();
    ASSERT_GT(widestLine(label, line), screen.width());
    EXPECT_LE(box->frameGeometry().width(), screen.width());
    EXPECT_GE(label->height(), 2 * label->fontMetrics().height());   // wrapped, all of it shown
}

TEST(MessageBox, ShortMessageKeepsItsOwnSizeAndCrLfIsOneLineBreak)
{
    const auto box = shown(QStringLiteral("削除します。\r\nよろしいですか？"), platform::vbYesNo | platform::vbDefaultButton2);
    EXPECT_EQ(box->text(), QStringLiteral("削除します。\nよろしいですか？"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_LT(box->width(), 500);
}

}  // namespace

namespace {

class OpenerTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bin.isValid());
        savedPath = qgetenv("PATH");
        // Only the fake opener (or nothing) is found on the search path.
        qputenv("PATH", bin.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    // An xdg-open that notes its arguments and fails for a target whose
    // name contains "missing", as the real one does when it finds nothing
    // to open it with.
    void installOpener()
    {
        QFile script(bin.filePath("xdg-open"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n"
                     "echo \"$#:$1\" >> '" + args().toLocal8Bit() + "'\n"
                     "case \"$1\" in *missing*) exit 3 ;; esac\n"
                     "exit 0\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString args() const { return bin.filePath("args"); }

    QStringList calls() const
    {
        QFile f(args());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir bin;
    QByteArray savedPath;
    platform::QtUiService ui;
};

TEST_F(OpenerTest, WithoutTheOpenerNothingStartsAndTheCallerIsToldAtOnce)
{
    bool failedLater = false;
    EXPECT_FALSE(ui.openFolder(bin.path(), [&] { failedLater = true; }));
    EXPECT_FALSE(ui.openUrl("https://example.org/", [&] { failedLater = true; }));
    EXPECT_FALSE(failedLater);
}

TEST_F(OpenerTest, AnOpenerThatEndsWithAnErrorIsReportedLater)
{
    installOpener();
    bool goodFailed = false, missingFailed = false;
    const QString page = "/opt/tallicor dir/html/help/index.html";
    EXPECT_TRUE(ui.openUrl(page, [&] { goodFailed = true; }));
    EXPECT_TRUE(ui.openFolder(bin.filePath("missing"), [&] { missingFailed = true; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return missingFailed; }, 60000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls().size() == 2; }, 60000));
    QStringList seen = calls();
    seen.sort();
    EXPECT_EQ(seen, QStringList({"1:" + page, "1:" + bin.filePath("missing")}));
    // An opener that ended well is never reported as a failure.
    EXPECT_FALSE(goodFailed);
    // A blank address is no target.
    EXPECT_FALSE(ui.openUrl("  ", {}));
}

}  // namespace

namespace {

TEST(QtUiServiceTest, BoxWithoutOwnerBelongsToTheModalWindowInFront)
{
    platform::QtUiService service;
    QDialog front;
    QWidget* parent = nullptr;
    QString text;
    int answer = 0;
    testsupport::onNextDialog<QDialog>([&](QDialog* d) {
        ASSERT_EQ(d, &front);
        testsupport::onNextDialog<QDialog>([&](QDialog* box) {
            EXPECT_TRUE(qobject_cast<QMessageBox*>(box));
            parent = box->parentWidget();
            text = box->windowTitle();
            box->accept();
        });
        // Without a window manager (or with the program in the background)
        // no window is active.
        QApplication::setActiveWindow(nullptr);
        answer = service.msgBox(QStringLiteral("印刷しました。"), platform::vbOKOnly, QStringLiteral("印刷"), nullptr);
        front.accept();
    });
    front.exec();
    EXPECT_EQ(parent, &front);
    EXPECT_EQ(text, QStringLiteral("印刷"));
    EXPECT_EQ(answer, platform::vbOK);
}

}  // namespace

namespace {

// The Japanese language whatever the desktop's: Qt's dialogs translated and
// the file dialog's modification times written as a Japanese user reads
// them ("2024/03/05 14:07", not "5 Mar 2024 14:07").
class JapaneseLanguageTest : public testing::Test {
protected:
    void TearDown() override
    {
        delete translator;
        QLocale::setDefault(before);
    }
    const QLocale before;
    QObject* translator = nullptr;
};

TEST_F(JapaneseLanguageTest, TheDefaultLocaleAndQtsOwnTextsAreJapanese)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    translator = platform::installJapaneseLanguage(*QCoreApplication::instance());
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);
    EXPECT_EQ(QLocale().toString(QDate(2024, 3, 5), QLocale::ShortFormat), QStringLiteral("2024/03/05"));
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n (scripts/deps installs it)";
    EXPECT_EQ(QCoreApplication::translate("QFileSystemModel", "Date Modified"), QStringLiteral("更新日"));
}

TEST_F(JapaneseLanguageTest, TheFileDialogShowsModificationTimesInTheProgramLocale)
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("report.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QDateTime time(QDate(2024, 3, 5), QTime(14, 7));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    file.close();

    QFileDialog dialog(nullptr, QStringLiteral("PDFファイルに印刷"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    platform::showFileTimesInProgramLocale(dialog);
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    QString shown;
    ASSERT_TRUE(testsupport::waitUntil([&] {
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < model->rowCount(root); ++row)
            if (model->index(row, 0, root).data().toString() == QStringLiteral("report.pdf"))
                shown = model->index(row, 3, root).data().toString();
        return !shown.isEmpty();
    }));
    EXPECT_EQ(shown, QStringLiteral("2024/03/05 14:07"));
}

}  // namespace
