#include "print/frmPpPreview.h"

frmPpPreview::frmPpPreview(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPpPreview"));
    setWindowTitle(QStringLiteral("ﾌﾟﾚﾋﾞｭｰ"));
    setModal(true);
}
