#include "registers/frmRegiMember.h"

#include "core/helpers.h"
#include "core/ini.h"
#include "core/records.h"
#include "forms/dialoghelpers.h"
#include "registers/modRegisters.h"
#include "platform/eradate.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kLocationSection = QStringLiteral("PlayerLocation");
constexpr int kMaxLocationKeys = 301;

QString locationKey(int n) { return QStringLiteral("location") + QString::number(n); }

}  // namespace

frmRegiMember::frmRegiMember(QWidget* owner) : EntryDialog(owner)
{
    setObjectName("frmRegiMember");
    setWindowTitle(QStringLiteral("プレイヤー登録/変更"));

    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblName = label("lblName", QStringLiteral("名前："));
    txtName = new QLineEdit(this);
    txtName->setObjectName("txtName");
    txtName->setMinimumWidth(260);
    lblSortStr = label("lblSortStr", QStringLiteral("順ｿｰﾄ文字："));
    txtSortStr = new QLineEdit(this);
    txtSortStr->setObjectName("txtSortStr");
    btnHelpSporMoji = new QPushButton(QStringLiteral("?"), this);
    btnHelpSporMoji->setObjectName("btnHelpSporMoji");
    fraGender = new QGroupBox(QStringLiteral("性別"), this);
    fraGender->setObjectName("fraGender");
    optGender[0] = new QRadioButton(QStringLiteral("男性"), fraGender);
    optGender[0]->setObjectName("optGender_0");
    optGender[1] = new QRadioButton(QStringLiteral("女性"), fraGender);
    optGender[1]->setObjectName("optGender_1");
    auto* genderRow = new QHBoxLayout(fraGender);
    genderRow->addWidget(optGender[0]);
    genderRow->addWidget(optGender[1]);
    genderRow->addStretch(1);
    formhelpers::chosenOptionIsTheStop({optGender[0], optGender[1]});
    lblBirthdayCaption = label("lblBirthdayCaption", QStringLiteral("生年月日："));
    txtBirthday = new QLineEdit(this);
    txtBirthday->setObjectName("txtBirthday");
    txtBirthday->setFixedWidth(120);
    btnHelpDate = new QPushButton(QStringLiteral("?"), this);
    btnHelpDate->setObjectName("btnHelpDate");
    lblBirthday = label("lblBirthday", QString());
    lblBirthday->setMinimumWidth(220);   // room for the era date and the age
    lblBelong = label("lblBelong", QStringLiteral("所属："));
    cobBelong = new QComboBox(this);
    cobBelong->setObjectName("cobBelong");
    cobBelong->setEditable(false);
    lblLocation = label("lblLocation", QStringLiteral("地域："));
    cobLocation = new QComboBox(this);
    cobLocation->setObjectName("cobLocation");
    cobLocation->setEditable(true);
    cobLocation->setInsertPolicy(QComboBox::NoInsert);
    // Room for five full-width characters beside the arrow.
    cobLocation->setMinimumWidth(cobLocation->fontMetrics().horizontalAdvance(QString(5, QChar(0x6F22))) + 40);
    lblLocationHint = label("lblLocationHint", QStringLiteral("（５文字以内で入力）"));
    QHBoxLayout* buttons = createOkCancel();
    for (auto* b : {btnHelpSporMoji, btnHelpDate})
        b->setAutoDefault(false);
    // The two help buttons are no tab stops.
    btnHelpSporMoji->setFocusPolicy(Qt::NoFocus);
    btnHelpDate->setFocusPolicy(Qt::NoFocus);
    btnHelpSporMoji->setFixedWidth(28);
    btnHelpDate->setFixedWidth(28);

    auto* grid = new QGridLayout;
    grid->addWidget(lblName, 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 3);
    grid->addWidget(lblSortStr, 1, 0);
    grid->addWidget(txtSortStr, 1, 1, 1, 2);
    grid->addWidget(btnHelpSporMoji, 1, 3);
    grid->addWidget(fraGender, 2, 1, 1, 3);
    grid->addWidget(lblBirthdayCaption, 3, 0);
    auto* birthdayRow = new QHBoxLayout;
    birthdayRow->addWidget(txtBirthday);
    birthdayRow->addWidget(btnHelpDate);
    birthdayRow->addWidget(lblBirthday, 1);
    grid->addLayout(birthdayRow, 3, 1, 1, 3);
    grid->addWidget(lblBelong, 4, 0);
    grid->addWidget(cobBelong, 4, 1, 1, 3);
    grid->addWidget(lblLocation, 5, 0);
    auto* locationRow = new QHBoxLayout;
    locationRow->addWidget(cobLocation);
    locationRow->addWidget(lblLocationHint, 1);
    grid->addLayout(locationRow, 5, 1, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(txtName, txtSortStr);
    setTabOrder(txtSortStr, optGender[0]);
    setTabOrder(optGender[0], optGender[1]);
    setTabOrder(optGender[1], txtBirthday);
    setTabOrder(txtBirthday, cobBelong);
    setTabOrder(cobBelong, cobLocation);
    setTabOrder(cobLocation, btnOK);
    setTabOrder(btnOK, btnCancel);

    formhelpers::typingLimit(txtName, 128);
    formhelpers::typingLimit(txtSortStr, 128);
    formhelpers::typingLimit(txtBirthday, 15);
    formhelpers::setImeMode(txtName, formhelpers::ImeMode::Hiragana);
    formhelpers::setImeMode(txtSortStr, formhelpers::ImeMode::Hiragana);
    formhelpers::setImeMode(txtBirthday, formhelpers::ImeMode::Off);
    formhelpers::setImeMode(cobLocation, formhelpers::ImeMode::Hiragana);
    for (auto* box : {txtName, txtSortStr, txtBirthday})
        formhelpers::selectAllOnFocus(box);
    for (QWidget* w : std::initializer_list<QWidget*>{txtName, txtSortStr, txtBirthday, optGender[0],
                                                      optGender[1], cobBelong, cobLocation})
        formhelpers::enterAsTab(w);

    registers::onLostFocus(txtBirthday, [this](QWidget* next) {
        // Leaving for ｷｬﾝｾﾙ is never held up by the box; leaving for OK shows
        // a good date in era form and leaves a wrong one to OK's own check.
        if (next == btnCancel)
            return;
        if (next == btnOK) {
            const QString text = vb::Trim(txtBirthday->text());
            if (!text.isEmpty() && !vb::IsDate(text))
                return;
        }
        txtBirthday_LostFocus();
    });
    registers::onLostFocus(cobLocation, [this](QWidget*) { cobLocation_LostFocus(); });

    connect(btnHelpDate, &QPushButton::clicked, this, &frmRegiMember::btnHelpDate_Click);
    connect(btnHelpSporMoji, &QPushButton::clicked, this, &frmRegiMember::btnHelpSporMoji_Click);

    Form_Load();
    txtName->setFocus();
}

void frmRegiMember::Form_Load()
{
    txtName->setText(gEditMember.Name);
    txtSortStr->setText(gEditMember.Sort);
    txtBirthday->clear();
    lblBirthday->clear();

    optGender[0]->setChecked(gEditMember.Gender == 1);
    optGender[1]->setChecked(gEditMember.Gender == 2);

    const QString birthday = vb::Trim(gEditMember.Birthday);
    if (!birthday.isEmpty()) {
        if (vb::IsDate(birthday))
            psShowBirthday(birthday);
        else
            txtBirthday->setText(birthday);   // shown as stored; OK asks for a date
    }

    cobBelong->clear();
    cobBelong->addItem(QStringLiteral("無し"), 0);
    int chosen = 0;
    for (const BelongInfo& g : gBelongList) {
        if (g.State == 2)
            continue;
        cobBelong->addItem(g.Name, static_cast<int>(g.BelongID));
        if (g.BelongID == gEditMember.BelongID)
            chosen = cobBelong->count() - 1;
    }
    cobBelong->setCurrentIndex(chosen);

    cobLocation->clear();
    for (int n = 1;; ++n) {
        const QString value = gfReadIniFile(gstrLocationFile, kLocationSection, locationKey(n));
        if (vb::Trim(value).isEmpty())
            break;
        cobLocation->addItem(vb::Left(value, 5));
    }
    cobLocation->setCurrentIndex(-1);
    cobLocation->setEditText(gEditMember.Location);

    gintDialogResult = -1;
}

void frmRegiMember::psShowBirthday(const QString& text)
{
    const auto d = vb::parseDate(vb::Trim(text));
    if (!d)
        return;
    txtBirthday->setText(vb::FormatDate(*d, QStringLiteral("ge/m/d")));
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));
    lblBirthday->setText(vb::FormatDate(*d, QStringLiteral("gggee年m月d日生")) + QChar(0x3000)
                         + gfGetAge(txtBirthday->text(), today, 0) + QStringLiteral("歳"));
}

void frmRegiMember::showDateError()
{
    registers::showError(dialoghelpers::dateErrorText(), this);
}

void frmRegiMember::txtBirthday_LostFocus()
{
    const QString text = vb::Trim(txtBirthday->text());
    if (text.isEmpty()) {
        lblBirthday->clear();
        return;
    }
    if (vb::IsDate(text)) {
        psShowBirthday(text);
        return;
    }
    showDateError();
    lblBirthday->clear();
    txtBirthday->setFocus();
}

void frmRegiMember::cobLocation_LostFocus()
{
    const QString text = vb::Trim(cobLocation->currentText());
    if (text.isEmpty())
        return;
    const QString s = vb::Left(text, 5);
    cobLocation->insertItem(0, s);
    for (int i = cobLocation->count() - 1; i >= 1; --i) {
        if (cobLocation->itemText(i) == s)
            cobLocation->removeItem(i);
    }
    cobLocation->setEditText(s);
}

void frmRegiMember::btnOK_Click()
{
    const QString name = registers::requireText(txtName, QStringLiteral("名前が未入力です。"), this);
    if (name.isEmpty())
        return;
    if (!optGender[0]->isChecked() && !optGender[1]->isChecked()) {
        registers::showError(QStringLiteral("性別が未選択です。"), this);
        optGender[0]->setFocus();
        return;
    }
    const QString birthday = vb::Trim(txtBirthday->text());
    std::optional<QDate> date;
    if (!birthday.isEmpty()) {
        date = vb::parseDate(birthday);
        if (!date) {
            showDateError();
            txtBirthday->setFocus();
            return;
        }
    }

    gEditMember.Name = name;
    gEditMember.Sort = vb::Trim(txtSortStr->text());
    gEditMember.Gender = optGender[0]->isChecked() ? 1 : 2;
    gEditMember.Birthday = date ? vb::FormatDate(*date, QStringLiteral("yyyy/mm/dd")) : QString();
    gEditMember.BelongID = cobBelong->currentIndex() >= 0 ? cobBelong->currentData().toInt() : 0;

    const int count = std::min(cobLocation->count(), kMaxLocationKeys);
    for (int i = 0; i < count; ++i)
        gfWriteIniFile(gstrLocationFile, kLocationSection, locationKey(i + 1), cobLocation->itemText(i));
    gEditMember.Location = cobLocation->currentText();

    gintDialogResult = 0;
    done(QDialog::Accepted);
}

void frmRegiMember::btnHelpDate_Click()
{
    platform::MsgBox(dialoghelpers::dateHelpText(17), platform::vbOKOnly, QStringLiteral("日付入力ヘルプ"), this);
}

void frmRegiMember::btnHelpSporMoji_Click()
{
    platform::MsgBox(QStringLiteral("名前の順ソート（並び順判断）に使用します。\n"
                                    "ひらがなで入力してください。\n"
                                    "名前の先頭１文字か２文字でも入力してください。\n"
                                    "長ければそれだけ精度は増します。"),
                     platform::vbOKOnly, QStringLiteral("順ソート文字ヘルプ"), this);
}
