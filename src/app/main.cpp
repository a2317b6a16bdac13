#include "platform/ui/qtuiservice.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Tallicor");
    platform::setUpApplication(app);

    QLabel label(QStringLiteral("初期処理中…"));
    label.resize(320, 120);
    label.setAlignment(Qt::AlignCenter);
    label.show();
    return app.exec();
}
