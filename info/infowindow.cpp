#include "infowindow.h"

#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/design.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QCheckBox>

#include <array>

using platform::ControlSpec;
using platform::kLightGrey;
using platform::kNavy;
using platform::kSansSerif;
using Kind = platform::ControlSpec::Kind;

namespace {

const QColor kCream(255, 255, 224);

enum Role { Notice, Author, Lock, Okay, Cross };

// The family name letter by letter in three colours, then the rest of the name in white, read as one name.
void addTitle(platform::Design& design)
{
    const std::array<QColor, 3> colours = {QColor(255, 0, 255), QColor(0, 255, 255), QColor(128, 255, 128)};
    const QString family = QStringLiteral("Pelko");
    const platform::DesignFont letterFont{kSansSerif, 18};
    const QFontMetrics metrics(platform::designFont(kSansSerif, 18));
    int left = 240;
    for (int i = 0; i < family.size(); ++i) {
        // Each letter as wide as it is drawn, so the word reads as one.
        const int width = platform::twips(metrics.horizontalAdvance(family[i]));
        static const std::array<const char*, 5> names = {"Buchstabe1", "Buchstabe2", "Buchstabe3", "Buchstabe4",
                                                         "Buchstabe5"};
        design.append({.name = names[static_cast<std::size_t>(i)],
                       .twips = {left, 240, width, 495},
                       .font = letterFont,
                       .fore = colours[static_cast<std::size_t>(i) % colours.size()],
                       .look = i == 0 ? 0 : platform::look::kClickThrough,
                       .caption = QString(family[i]),
                       // The first letter speaks for the whole title.
                       .readAs = i == 0 ? QStringLiteral("Pelko-Morvelt") : QString()});
        left += width;
    }
    design.append({.name = "Bezeichnung5",
                   .twips = {left, 240, 3255 + 120 - left, 495},
                   .font = {kSansSerif, 18, false},
                   .fore = Qt::white,
                   .look = platform::look::kClickThrough,
                   .caption = QStringLiteral("- Morvelt")});
}

platform::Design design()
{
    platform::Design design{
        {.kind = Kind::Frame,
         .name = "Figur1",
         .twips = {120, 120, 3255, 3375},
         .back = kNavy,
         .fore = platform::kFrameGrey,
         .lineWidth = 2},
    };
    addTitle(design);
    design.append({
        {.role = Notice,
         .name = "Bezeichnung6",
         .twips = {240, 840, 3015, 975},
         .font = {kSansSerif, 8.25, false},
         .back = kNavy,
         .fore = Qt::white},
        // Centred both ways: a frame aligned to the top pushes the second line over the bottom edge.
        {.role = Author,
         .name = "Bezeichnung7",
         .twips = {240, 1800, 3015, 495},
         .font = {kSansSerif, 9.75, false},
         .back = kCream,
         .fore = Qt::black,
         .align = Qt::AlignCenter,
         .look = platform::look::kSunken},
        {.kind = Kind::CheckBox,
         .role = Lock,
         .name = "Kontroll1",
         .twips = {360, 2400, 2895, 255},
         .font = {kSansSerif, 9.75, false},
         .back = kNavy,
         .fore = Qt::white,
         .caption = QStringLiteral("  Druckermodul deaktivieren")},
        // Read as a word, not letter by letter.
        {.role = Okay,
         .name = "Bezeichnung1",
         .twips = {240, 2880, 2175, 495},
         .font = {kSansSerif, 18, true, true},
         .back = kNavy,
         .fore = platform::kRed,
         .align = Qt::AlignHCenter | Qt::AlignTop,
         .look = platform::look::kHand,
         .caption = QStringLiteral("O k a y"),
         .readAs = QStringLiteral("Okay")},
        {.kind = Kind::Button,
         .role = Cross,
         .name = "Bild1",
         .twips = {2400, 2880, 855, 495},
         .back = kNavy,
         .spoken = QStringLiteral("Schließen"),
         .picture = artwork::icon("cross")},
        {.name = "Bezeichnung8",
         .twips = {120, 3600, 3255, 255},
         .back = kLightGrey,
         .fore = kNavy,
         .align = Qt::AlignHCenter | Qt::AlignTop,
         .caption = QStringLiteral("Rechnen im Zahlenraum bis 1000")},
    });
    return design;
}

} // namespace

InfoWindow::InfoWindow(QWidget* parent) : SideWindow(parent)
{
    platform::setupFixedWindow(this, QStringLiteral("PELKOLABEL"), QStringLiteral("Programm-Info"), 3510, 4005,
                               kLightGrey);
    // A close through the title bar discards the window, and with it a cleared lock.
    setAttribute(Qt::WA_DeleteOnClose);
    platform::setDesignFont(this, platform::designFont(kSansSerif, 8.25));

    const platform::Controls controls = platform::buildControls(this, design());
    notice_ = controls.at<platform::Label>(Notice);
    author_ = controls.at<platform::Label>(Author);
    lock_ = controls.at<QCheckBox>(Lock);
    lock_->setChecked(true); // every new window, and so every run, starts with printing locked
    connect(controls.at<platform::Label>(Okay), &platform::Label::clicked, this, &InfoWindow::left);
    connect(controls.at<platform::PictureBox>(Cross), &platform::PictureBox::clicked, this, &InfoWindow::left);
}

bool InfoWindow::printingLocked() const { return lock_->isChecked(); }

void InfoWindow::activate()
{
    // Centred across, but only a quarter of the free height from the top.
    platform::placeOnScreen(this, 4);
    notice_->setCaption(QStringLiteral("Freie Nutzung zu Hause und in der Schule.\r\n"
                                       "Weitergabe nur unverändert und kostenlos."));
    author_->setCaption(QStringLiteral("Pelko-Morvelt\r\nLernspiel für die Grundschule"));
}
