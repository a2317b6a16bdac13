// frmCategory: gender and age range of a ranking.
#include "forms/frmCategory.h"

#include "core/records.h"
#include "platform/ui/formhelpers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kNoBound = QStringLiteral(" 指定なし");
constexpr int kMaxAge = 120;

}  // namespace

QString gfCategoryAgeText(int age)
{
    return QString::number(age).rightJustified(4, QLatin1Char(' ')) + QStringLiteral(" 歳");
}

frmCategory::frmCategory(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmCategory"));
    setWindowTitle(QStringLiteral("部門別の設定"));
    setModal(true);

    fraGender = new QGroupBox(QStringLiteral("性別"), this);
    fraGender->setObjectName(QStringLiteral("fraGender"));
    const QString genders[3] = {QStringLiteral("指定なし"), QStringLiteral("男子"), QStringLiteral("女子")};
    auto* genderRow = new QHBoxLayout(fraGender);
    for (int i = 0; i < 3; ++i) {
        optGender[i] = new QRadioButton(genders[i], fraGender);
        optGender[i]->setObjectName(QStringLiteral("optGender_%1").arg(i));
        genderRow->addWidget(optGender[i]);
    }
    formhelpers::chosenOptionIsTheStop({optGender[0], optGender[1], optGender[2]});

    fraAge = new QGroupBox(QStringLiteral("年代別"), this);
    fraAge->setObjectName(QStringLiteral("fraAge"));
    auto* ageRow = new QHBoxLayout(fraAge);
    for (int i = 0; i < 2; ++i) {
        cobAge[i] = new QComboBox(fraAge);
        cobAge[i]->setObjectName(QStringLiteral("cobAge_%1").arg(i));
        cobAge[i]->setEditable(false);
        cobAge[i]->setMaxVisibleItems(20);
    }
    lblRange = new QLabel(QStringLiteral("～"), fraAge);
    lblRange->setObjectName(QStringLiteral("lblRange"));
    ageRow->addWidget(cobAge[0]);
    ageRow->addWidget(lblRange);
    ageRow->addWidget(cobAge[1]);

    btnFullEntry = new QPushButton(QStringLiteral("総合"), this);
    btnFullEntry->setObjectName(QStringLiteral("btnFullEntry"));
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnFullEntry, btnOK, btnCancel})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnFullEntry);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraGender);
    layout->addWidget(fraAge);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    // activated comes from the user only: entries chosen by the code move
    // nothing.
    for (int i = 0; i < 2; ++i)
        connect(cobAge[i], &QComboBox::activated, this, [this, i] { cobAge_Click(i); });
    connect(btnFullEntry, &QPushButton::clicked, this, [this] { btnFullEntry_Click(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });

    Form_Load();
}

void frmCategory::Form_Load()
{
    // A stored gender outside 0 to 2 counts as none.
    const Integer gender = gGame.CategoryGender;
    optGender[gender >= 0 && gender <= 2 ? gender : 0]->setChecked(true);

    for (QComboBox* box : cobAge)
        box->clear();
    cobAge[0]->addItem(kNoBound, -1);
    for (int age = 0; age <= kMaxAge; ++age) {
        cobAge[0]->addItem(gfCategoryAgeText(age), age);
        cobAge[1]->addItem(gfCategoryAgeText(age), age);
    }
    cobAge[1]->addItem(kNoBound, -1);
    psChooseAge(0, gGame.CategoryAgeLow);
    psChooseAge(1, gGame.CategoryAgeHigh);

    gintDialogResult = -1;
}

Integer frmCategory::pfAgeValue(int index) const
{
    const QComboBox* box = cobAge[index];
    if (box->currentIndex() < 0)
        return -1;
    return static_cast<Integer>(box->currentData().toInt());
}

void frmCategory::psChooseAge(int index, Integer value)
{
    QComboBox* box = cobAge[index];
    int at = box->findData(static_cast<int>(value));
    if (at < 0)   // a bound outside 0 to 120 counts as none
        at = box->findData(-1);
    box->setCurrentIndex(at);
}

void frmCategory::cobAge_Click(int index)
{
    const Integer low = pfAgeValue(0);
    const Integer high = pfAgeValue(1);
    if (low == -1 || high == -1)
        return;
    if (low > high) {
        // The box the user changed wins: a range of one age.
        if (index == 0)
            psChooseAge(1, low);
        else
            psChooseAge(0, high);
    }
}

void frmCategory::btnFullEntry_Click()
{
    optGender[0]->setChecked(true);
    cobAge[0]->setCurrentIndex(0);
    cobAge[1]->setCurrentIndex(cobAge[1]->count() - 1);
}

void frmCategory::btnOK_Click()
{
    for (int i = 0; i < 3; ++i)
        if (optGender[i]->isChecked())
            gGame.CategoryGender = static_cast<Integer>(i);
    gGame.CategoryAgeLow = pfAgeValue(0);
    gGame.CategoryAgeHigh = pfAgeValue(1);
    gintDialogResult = 0;
    accept();
}

void frmCategory::btnCancel_Click()
{
    reject();
}

void frmCategory::reject()
{
    gintDialogResult = -1;
    QDialog::reject();
}
