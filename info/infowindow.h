#pragma once

#include <QWidget>

class QCheckBox;

namespace platform {
class Label;
}

// The program info window. Its check box is the printer lock, the program's one setting:
// it lives exactly as long as this window, and a new window starts locked.
class InfoWindow : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(QWidget* parent = nullptr);

    bool printingLocked() const;

signals:
    // "O k a y", the cross or the title bar: the main window should come back.
    void left();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitleRow();
    void Form_Activate();

    platform::Label* notice_ = nullptr; // Bezeichnung6
    platform::Label* author_ = nullptr; // Bezeichnung7
    QCheckBox* lock_ = nullptr;         // Kontroll1
};
