#pragma once

#include "contest.h"

#include <QTimer>
#include <QWidget>

#include <array>

class Program;
class QListWidget;
class QScrollBar;

namespace platform {
class Label;
class PictureBox;
class Shape;
} // namespace platform

// The main window: the number line, the task row, the slider and the menu bar.
class ContestWindow : public QWidget {
    Q_OBJECT
public:
    explicit ContestWindow(Program& program);

    Contest& contest() { return contest_; }
    // Copies the contest's state onto the controls.
    void render();

    QScrollBar* slider() const { return slider_; }
    QTimer& rollTimer() { return rollTimer_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTaskRow();
    void buildPlayingArea();
    void buildMenuBar();
    void buildTemplates();

    void Form_Load();
    void Form_Activate();
    void dieClicked();
    void focusSlider();

    Program& program_;
    Contest contest_;

    platform::Label* firstNumber_ = nullptr;  // Bezeichnung7
    platform::Label* answer_ = nullptr;       // Bezeichnung8
    platform::PictureBox* signBox_ = nullptr; // Bild14
    std::array<platform::PictureBox*, kDice> dieBoxes_{};
    std::array<platform::Shape*, kDice> dieFrames_{};
    platform::Label* leftName_ = nullptr;
    platform::Label* rightName_ = nullptr;
    platform::Label* leftScore_ = nullptr;
    platform::Label* rightScore_ = nullptr;
    platform::Label* rangeLow_ = nullptr;
    platform::Label* rangeHigh_ = nullptr;
    platform::PictureBox* arrow_ = nullptr;  // Bild3
    platform::Label* arrowNumber_ = nullptr; // Bezeichnung3
    QScrollBar* slider_ = nullptr;           // HBildlauf1
    platform::Label* status_ = nullptr;      // Bezeichnung6
    QListWidget* rangeList_ = nullptr;       // Liste1
    QListWidget* diceList_ = nullptr;        // Liste2
    std::array<platform::PictureBox*, 9> faceTemplates_{};
    platform::PictureBox* plusTemplate_ = nullptr;
    platform::PictureBox* minusTemplate_ = nullptr;
    QTimer rollTimer_; // Zeit1
};
