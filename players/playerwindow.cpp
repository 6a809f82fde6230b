#include "playerwindow.h"

#include "assets/artwork.h"
#include "assets/gallery.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/picturedrag.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>

#include <algorithm>
#include <functional>
#include <vector>

using platform::designFont;
using platform::kNavy;
using platform::kSansSerif;
using platform::PictureBox;

namespace {

const QColor kNameBlue(0, 0, 192);
constexpr int kGalleryColumns = 10;
constexpr int kGalleryRows = 5;

QLineEdit* nameBox(const char* name, QWidget* parent, int left, const QString& tip)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(platform::twipsRect(left, 240, 1935, 495));
    box->setFont(designFont(kSansSerif, 12));
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, kNameBlue);
    box->setPalette(pal);
    // Any name is welcome, however long.
    box->setMaxLength(32767);
    platform::nameForUsers(box, tip);
    return box;
}

// The gallery's picture numbers skip 33 and 34, which the two buttons carry.
QString galleryName(int index) { return QStringLiteral("Bild%1").arg(index < 30 ? index + 3 : index + 5); }

// Choosing a picture without the mouse: Tab leads into the gallery, the arrow keys move a frame from
// picture to picture, and 1 or Enter gives the framed one to the first player, 2 to the second.
// It lies under the pictures and lets every click through, so the mouse works as before.
class GalleryKeys : public QWidget {
public:
    using Give = std::function<void(int player, const PictureBox& picture)>;

    GalleryKeys(QWidget* parent, QRect twipsGeometry, Give give) : QWidget(parent), give_(std::move(give))
    {
        setObjectName(QStringLiteral("Galerie"));
        setGeometry(
            platform::twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(), twipsGeometry.height()));
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
    setFont(designFont(kSansSerif, 8.25));

    buildGallery();
    buildTopRow();

    auto* hint = new platform::Label(QStringLiteral("Bezeichnung1"), this, QRect(120, 4440, 6135, 255));
    hint->setCaption(QStringLiteral("Ein Bild mit der Maus anwählen und dann auf den Benutzer ziehen!"));
    hint->setForeColor(kNavy);
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    platform::centreOnScreen(this);
}

void PlayerWindow::buildTopRow()
{
    auto* band = new platform::Shape(QStringLiteral("Figur2"), this, QRect(0, 0, 6495, 975));
    band->setFill(kNavy);
    band->setBorderVisible(false);

    nameBoxes_[0] = nameBox("Text1", this, 120, QStringLiteral("Name des ersten Spielers"));
    nameBoxes_[1] = nameBox("Text2", this, 4320, QStringLiteral("Name des zweiten Spielers"));

    const std::array<QString, kPlayers> slotTips{QStringLiteral("Bild des ersten Spielers"),
                                                 QStringLiteral("Bild des zweiten Spielers")};
    const std::array<int, kPlayers> galleryOrigin{artwork::kFirstPlayerPicture, artwork::kSecondPlayerPicture};
    for (int player = 0; player < kPlayers; ++player) {
        const auto p = static_cast<std::size_t>(player);
        auto* slot = new PictureBox(QStringLiteral("Bild%1").arg(player + 1), this,
                                    QRect(player == 0 ? 2040 : 3840, 240, 495, 495));
        slot->setBackColor(platform::kLightGrey);
        slot->setSpokenRole(slotTips[p]);
        slot->setPicture(artwork::galleryPicture(galleryOrigin[p]));
        slots_[p] = slot;
        // The slot and its player's name box both take the picture; the name stays as typed.
        const auto takePicture = [slot](const PictureBox& source) { slot->setPicture(source.picture()); };
        platform::acceptPictureDrops(slot, takePicture);
        platform::acceptPictureDrops(nameBoxes_[p], takePicture);
    }

    connect(platform::pictureButton(QStringLiteral("Bild34"), this, QRect(2640, 240, 495, 495), artwork::icon("cross"),
                                    kNavy, QStringLiteral("Abbrechen")),
            &PictureBox::clicked, this, &PlayerWindow::cancel);
    connect(platform::pictureButton(QStringLiteral("Bild33"), this, QRect(3240, 240, 495, 495), artwork::icon("tick"),
                                    kNavy, QStringLiteral("Übernehmen")),
            &PictureBox::clicked, this, &PlayerWindow::acceptPlayers);
}

void PlayerWindow::buildGallery()
{
    const QRect frame(120, 1200, 6135, 3135);
    new platform::Shape(QStringLiteral("Figur1"), this, frame);
    // Built before the pictures, so that they stack above it and its frame shows only in the gaps.
    auto* keys = new GalleryKeys(this, frame, [this](int player, const PictureBox& source) {
        slots_[static_cast<std::size_t>(player)]->setPicture(source.picture());
    });
    std::vector<PictureBox*> pictures;
    for (int index = 0; index < artwork::kGalleryPictures; ++index) {
        const int column = index % kGalleryColumns;
        const int row = index / kGalleryColumns;
        auto* picture = new PictureBox(galleryName(index), this, QRect(240 + 600 * column, 1320 + 600 * row, 495, 495));
        picture->setPicture(artwork::galleryPicture(index));
        platform::nameForUsers(picture, picture->picture().title());
        platform::makeDraggable(picture);
        pictures.push_back(picture);
    }
    keys->setPictures(std::move(pictures));
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
