#pragma once

#include "platform/picture.h"

#include "platform/windows.h"

#include <array>

class QLineEdit;

namespace platform {
class PictureBox;
}

// The player window: two name boxes, a picture slot for each player and a gallery
// whose pictures are dragged onto the slots. It holds its texts and slot pictures
// while hidden; a title-bar close discards it.
class PlayerWindow : public platform::SideWindow {
    Q_OBJECT
public:
    static constexpr int kPlayers = 2;

    explicit PlayerWindow(QWidget* parent = nullptr);

    // Takes the main window's names for this showing; the slots keep their last pictures.
    void openPlayerSetup(const QString& firstName, const QString& secondName);

    QString name(int player) const;
    // What the window asks the children to do.
    static QString instruction();
    platform::Picture picture(int player) const;

signals:
    // The tick: the main window is to take both names and pictures.
    void accepted();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void activate() override;
    // The two ways out of the window.
    enum class Action { Accept, Cancel };

    void acceptPlayers();
    void cancel();
    // The one way through the window: the tick hands both names and pictures on, and either way it is left.
    void step(Action action);

    std::array<QLineEdit*, kPlayers> nameBoxes_{};        // Text1, Text2
    std::array<platform::PictureBox*, kPlayers> slots_{}; // Bild1, Bild2
};
