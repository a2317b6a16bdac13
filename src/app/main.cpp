// The program: the application object, then the start-up sequence, which
// shows the start-up window, prepares the data and shows the main window;
// from then on the message loop runs until the main window unloads.
#include "core/migration.h"
#include "core/startup.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmStartUp.h"
#include "platform/ui/qtuiservice.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QWindow>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tallicor"));
    platform::setUpApplication(app);

    std::unique_ptr<frmStartUp> startUp;
    QPointer<frmMain> mainWindow;

    StartUpHooks hooks;
    hooks.showStartUp = [&] {
        startUp = std::make_unique<frmStartUp>();
        startUp->show();
        // Let the window system map and paint the window before the blocking
        // start-up work begins.
        QDeadlineTimer deadline(300);
        while (!deadline.hasExpired() &&
               !(startUp->windowHandle() && startUp->windowHandle()->isExposed()))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::processEvents();
        startUp->repaint();
    };
    hooks.setStartUpMessage = [&](const QString& text) {
        if (startUp)
            startUp->gsSetMsg(text);
    };
    hooks.closeStartUp = [&] { startUp.reset(); };
    hooks.migrateOldData = &gsMigrateOldData;
    hooks.convertGameFiles = &gsConvert200to210;
    hooks.showMainWindow = [&] {
        mainWindow = new frmMain();
        mainWindow->show();
    };

    if (Main(hooks) != StartUpResult::MainWindowShown) {
        delete mainWindow.data();
        return 0;
    }
    const int rc = app.exec();
    delete mainWindow.data();
    gsReleaseInstanceLock();
    return rc;
}
