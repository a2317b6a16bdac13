// frmStartUp: the small window shown while the program prepares its data:
// the picture, the product title, the version and a progress message.
#pragma once

#include <QWidget>

class QLabel;

class frmStartUp : public QWidget {
    Q_OBJECT

public:
    explicit frmStartUp(QWidget* parent = nullptr);

    // Shows the message at once, without waiting for the event loop.
    void gsSetMsg(const QString& text);

    QLabel* Image2 = nullptr;
    QLabel* lblTittle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblMsg = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
