#include "playerwindow.h"

#include "assets/artwork.h"
#include "assets/gallery.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/design.h"
#include "platform/picturedrag.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

using platform::ControlSpec;
using platform::kNavy;
using platform::kSansSerif;
using platform::PictureBox;
using Kind = platform::ControlSpec::Kind;

namespace {

constexpr int kGalleryColumns = 10;
constexpr int kGalleryRows = 5;

// The gallery's pictures take the roles from FirstPicture on, in the gallery's order.
enum Role { GalleryFrame, FirstName, SecondName, FirstSlot, SecondSlot, Cancel, Accept, FirstPicture };

// The gallery's picture numbers skip 33 and 34, which the two buttons carry.
const char* galleryName(int index)
{
    static const auto names = [] {
        std::array<QByteArray, artwork::kGalleryPictures> all;
        for (int i = 0; i < artwork::kGalleryPictures; ++i)
            all[static_cast<std::size_t>(i)] = "Bild" + QByteArray::number(i < 30 ? i + 3 : i + 5);
        return all;
    }();
    return names[static_cast<std::size_t>(index)].constData();
}

// Any name is welcome, however long: the box takes as many characters as a text box can hold.
ControlSpec nameBox(Role role, const char* name, int left, const QString& tip)
{
    return {.kind = Kind::TextBox,
            .role = role,
            .name = name,
            .twips = {left, 240, 1935, 495},
            .font = {kSansSerif, 12},
            .back = Qt::white,
            .fore = platform::kDeepBlue,
            .spoken = tip};
}

// A player's slot starts with a child's face from the gallery.
ControlSpec slot(Role role, const char* name, int left, const QString& tip, int picture)
{
    return {.kind = Kind::Picture,
            .role = role,
            .name = name,
            .twips = {left, 240, 495, 495},
            .back = platform::kLightGrey,
            .spoken = tip,
            .picture = artwork::galleryPicture(picture)};
}

ControlSpec button(Role role, const char* name, int left, const char* icon, const QString& tip)
{
    return {.kind = Kind::Button,
            .role = role,
            .name = name,
            .twips = {left, 240, 495, 495},
            .back = kNavy,
            .spoken = tip,
            .picture = artwork::icon(icon)};
}

platform::Design design()
{
    // The gallery first, so the band and the top row stack above it; its frame shows only in the gaps.
    platform::Design design{
        {.kind = Kind::Frame,
         .role = GalleryFrame,
         .name = "Figur1",
         .twips = {120, 1200, 6135, 3135},
         .fore = Qt::black},
    };
    for (int index = 0; index < artwork::kGalleryPictures; ++index) {
        const int column = index % kGalleryColumns;
        const int row = index / kGalleryColumns;
        design.append({.kind = Kind::Picture,
                       .role = FirstPicture + index,
                       .name = galleryName(index),
                       .twips = {240 + 600 * column, 1320 + 600 * row, 495, 495},
                       .look = platform::look::kNamedByPicture,
                       .picture = artwork::galleryPicture(index)});
    }
    design.append({
        {.kind = Kind::Frame, .name = "Figur2", .twips = {0, 0, 6495, 975}, .back = kNavy},
        nameBox(FirstName, "Text1", 120, QStringLiteral("Name des ersten Spielers")),
        nameBox(SecondName, "Text2", 4320, QStringLiteral("Name des zweiten Spielers")),
        slot(FirstSlot, "Bild1", 2040, QStringLiteral("Bild des ersten Spielers"), artwork::kFirstPlayerPicture),
        slot(SecondSlot, "Bild2", 3840, QStringLiteral("Bild des zweiten Spielers"), artwork::kSecondPlayerPicture),
        button(Cancel, "Bild34", 2640, "cross", QStringLiteral("Abbrechen")),
        button(Accept, "Bild33", 3240, "tick", QStringLiteral("Übernehmen")),
        {.name = "Bezeichnung1",
         .twips = {120, 4440, 6135, 255},
         .fore = kNavy,
         .align = Qt::AlignHCenter | Qt::AlignTop,
         .caption = PlayerWindow::instruction()},
    });
    return design;
}

// Choosing a picture without the mouse: Tab leads into the gallery, the arrow keys move a frame from
// picture to picture, and 1 or Enter gives the framed one to the first player, 2 to the second.
// It lies under the pictures and lets every click through, so the mouse works as before.
class GalleryKeys : public QWidget {
public:
    using Give = std::function<void(int player, const PictureBox& picture)>;

    GalleryKeys(QWidget* parent, QRect twips, Give give) : QWidget(parent), give_(std::move(give))
    {
        setObjectName(QStringLiteral("Galerie"));
        platform::placeAt(this, twips);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::TabFocus);
        setAccessibleDescription(
            QStringLiteral("Mit den Pfeiltasten ein Bild wählen, mit 1 oder der Eingabetaste dem ersten "
                           "Spieler geben, mit 2 dem zweiten."));
    }

    // Row by row, ten to a row.
    void setPictures(std::vector<PictureBox*> pictures)
    {
        pictures_ = std::move(pictures);
        moveTo(0);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        int column = current_ % kGalleryColumns;
        int row = current_ / kGalleryColumns;
        switch (event->key()) {
        case Qt::Key_Left: column = std::max(column - 1, 0); break;
        case Qt::Key_Right: column = std::min(column + 1, kGalleryColumns - 1); break;
        case Qt::Key_Up: row = std::max(row - 1, 0); break;
        case Qt::Key_Down: row = std::min(row + 1, kGalleryRows - 1); break;
        case Qt::Key_1:
        case Qt::Key_Return:
        case Qt::Key_Enter: give_(0, framed()); return;
        case Qt::Key_2: give_(1, framed()); return;
        default: QWidget::keyPressEvent(event); return; // Esc and the rest go on to the window
        }
        moveTo(row * kGalleryColumns + column);
    }

    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

    // The frame sits in the gap around the picture, drawn as a path so it stays sharp at any scale.
    void paintEvent(QPaintEvent*) override
    {
        if (!hasFocus()) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(platform::kNavy, 2));
        painter.setBrush(Qt::NoBrush);
        const QRect picture = framed().geometry().translated(-pos());
        painter.drawRoundedRect(QRectF(picture).adjusted(-3, -3, 3, 3), 3, 3);
    }

private:
    PictureBox& framed() const { return *pictures_[static_cast<std::size_t>(current_)]; }

    void moveTo(int index)
    {
        current_ = index;
        setAccessibleName(QStringLiteral("Bildergalerie: ") + framed().picture().title());
        update();
    }

    std::vector<PictureBox*> pictures_;
    Give give_;
    int current_ = 0;
};

} // namespace

PlayerWindow::PlayerWindow(QWidget* parent) : SideWindow(parent)
{
    platform::setupFixedWindow(this, QStringLiteral("Form2"), QStringLiteral("Pelko-Morvelt: Benutzer"), 6420, 4860,
                               platform::kLightGrey);
    // A close through the title bar discards the window, and with it the chosen pictures.
    setAttribute(Qt::WA_DeleteOnClose);
    platform::setDesignFont(this, platform::designFont(kSansSerif, 8.25));

    const platform::Controls controls = platform::buildControls(this, design());
    nameBoxes_ = {controls.at<QLineEdit>(FirstName), controls.at<QLineEdit>(SecondName)};
    slots_ = {controls.at<PictureBox>(FirstSlot), controls.at<PictureBox>(SecondSlot)};
    connect(controls.at<PictureBox>(Cancel), &PictureBox::clicked, this, &PlayerWindow::cancel);
    connect(controls.at<PictureBox>(Accept), &PictureBox::clicked, this, &PlayerWindow::acceptPlayers);

    for (int player = 0; player < kPlayers; ++player) {
        const auto p = static_cast<std::size_t>(player);
        nameBoxes_[p]->setMaxLength(32767);
        // The slot and its player's name box both take the picture; the name stays as typed.
        const auto takePicture = [slot = slots_[p]](const PictureBox& source) { slot->setPicture(source.picture()); };
        platform::acceptPictureDrops(slots_[p], takePicture);
        platform::acceptPictureDrops(nameBoxes_[p], takePicture);
    }

    std::vector<PictureBox*> pictures;
    for (int index = 0; index < artwork::kGalleryPictures; ++index) {
        pictures.push_back(controls.at<PictureBox>(FirstPicture + index));
        platform::makeDraggable(pictures.back());
    }
    auto* keys = new GalleryKeys(this, platform::designRect(controls.at<QWidget>(GalleryFrame)),
                                 [this](int player, const PictureBox& source) {
                                     slots_[static_cast<std::size_t>(player)]->setPicture(source.picture());
                                 });
    // Between the frame and the pictures, where the frame it draws around a picture shows in the gap.
    keys->stackUnder(pictures.front());
    keys->setPictures(std::move(pictures));

    platform::centreOnScreen(this);
}

QString PlayerWindow::instruction()
{
    return QStringLiteral("Ein Bild mit der Maus anwählen und dann auf den Benutzer ziehen!");
}

void PlayerWindow::openPlayerSetup(const QString& firstName, const QString& secondName)
{
    nameBoxes_[0]->setText(firstName);
    nameBoxes_[1]->setText(secondName);
}

QString PlayerWindow::name(int player) const
{
    return player >= 0 && player < kPlayers ? nameBoxes_[static_cast<std::size_t>(player)]->text() : QString();
}

platform::Picture PlayerWindow::picture(int player) const
{
    return player >= 0 && player < kPlayers ? slots_[static_cast<std::size_t>(player)]->picture() : platform::Picture();
}

void PlayerWindow::acceptPlayers() { step(Action::Accept); }

void PlayerWindow::cancel() { step(Action::Cancel); }

void PlayerWindow::step(Action action)
{
    if (action == Action::Accept) emit accepted();
    emit left();
}

void PlayerWindow::activate()
{
    // A child can type at once, replacing the first name.
    nameBoxes_[0]->setFocus();
    nameBoxes_[0]->selectAll();
}

void PlayerWindow::keyPressEvent(QKeyEvent* event)
{
    // The keys every dialog knows: Enter takes the names, Esc leaves them. Enter after the first
    // name goes on to the second, so that typing both names in turn does not end the setup half-way.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == nameBoxes_[0])
            nameBoxes_[1]->setFocus(Qt::TabFocusReason); // selects the old name, as the first box does
        else
            acceptPlayers();
        return;
    case Qt::Key_Escape: cancel(); return;
    default: QWidget::keyPressEvent(event);
    }
}
