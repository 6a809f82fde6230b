#include "infowindow.h"

#include "assets/artwork.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/units.h"
#include "platform/windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QShowEvent>

#include <array>

using platform::designFont;
using platform::kLightGrey;
using platform::kNavy;
using platform::kSansSerif;
using platform::Label;

namespace {

const QColor kCream(255, 255, 224);

} // namespace

InfoWindow::InfoWindow(QWidget* parent) : SideWindow(parent)
{
    platform::setupFixedWindow(this, QStringLiteral("PELKOLABEL"), QStringLiteral("Programm-Info"), 3510, 4005,
                               kLightGrey);
    // A close through the title bar discards the window, and with it a cleared lock.
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(designFont(kSansSerif, 8.25));

    auto* panel = new platform::Shape(QStringLiteral("Figur1"), this, QRect(120, 120, 3255, 3375));
    panel->setFill(kNavy);
    panel->setBorder(platform::kFrameGrey, 2);

    buildTitleRow();

    notice_ = new Label(QStringLiteral("Bezeichnung6"), this, QRect(240, 840, 3015, 975));
    notice_->setFont(designFont(kSansSerif, 8.25, false));
    notice_->setForeColor(Qt::white);
    notice_->setBackColor(kNavy);

    author_ = new Label(QStringLiteral("Bezeichnung7"), this, QRect(240, 1800, 3015, 495));
    author_->setFont(designFont(kSansSerif, 9.75, false));
    author_->setForeColor(Qt::black);
    author_->setBackColor(kCream);
    author_->setSingleBorder();
    // Centred both ways: a frame aligned to the top pushes the second line over the bottom edge.
    author_->setAlignment(Qt::AlignCenter);

    lock_ = new QCheckBox(QStringLiteral("  Druckermodul deaktivieren"), this);
    lock_->setObjectName(QStringLiteral("Kontroll1"));
    lock_->setGeometry(platform::twipsRect(360, 2400, 2895, 255));
    lock_->setFont(designFont(kSansSerif, 9.75, false));
    QPalette pal = lock_->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Window, kNavy);
    lock_->setPalette(pal);
    lock_->setBackgroundRole(QPalette::Window); // a button fills with the light button colour otherwise
    lock_->setAutoFillBackground(true);
    lock_->setChecked(true); // every new window, and so every run, starts with printing locked

    auto* okay = new Label(QStringLiteral("Bezeichnung1"), this, QRect(240, 2880, 2175, 495));
    QFont okayFont = designFont(kSansSerif, 18);
    okayFont.setItalic(true);
    okay->setFont(okayFont);
    okay->setForeColor(QColor(255, 0, 0));
    okay->setBackColor(kNavy);
    okay->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    okay->setCaption(QStringLiteral("O k a y"));
    okay->setCursor(Qt::PointingHandCursor);
    okay->setAccessibleName(QStringLiteral("Okay")); // read as a word, not letter by letter
    connect(okay, &Label::clicked, this, &InfoWindow::left);

    auto* cross = platform::pictureButton(QStringLiteral("Bild1"), this, QRect(2400, 2880, 855, 495),
                                          artwork::icon("cross"), kNavy, QStringLiteral("Schließen"));
    connect(cross, &platform::PictureBox::clicked, this, &InfoWindow::left);

    auto* bottom = new Label(QStringLiteral("Bezeichnung8"), this, QRect(120, 3600, 3255, 255));
    bottom->setForeColor(kNavy);
    bottom->setBackColor(kLightGrey);
    bottom->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    bottom->setCaption(QStringLiteral("Rechnen im Zahlenraum bis 1000"));
}

void InfoWindow::buildTitleRow()
{
    // The family name letter by letter in three colours, then the rest of the name in white.
    const std::array<QColor, 3> colours = {QColor(255, 0, 255), QColor(0, 255, 255), QColor(128, 255, 128)};
    const QString family = QStringLiteral("Pelko");
    const QFont letterFont = designFont(kSansSerif, 18);
    const QFontMetrics metrics(letterFont);
    int left = 240;
    for (int i = 0; i < family.size(); ++i) {
        // Each letter as wide as it is drawn, so the word reads as one.
        const int width = platform::twips(metrics.horizontalAdvance(family[i]));
        auto* letter = new Label(QStringLiteral("Buchstabe%1").arg(i + 1), this, QRect(left, 240, width, 495));
        letter->setFont(letterFont);
        letter->setForeColor(colours[static_cast<std::size_t>(i) % colours.size()]);
        letter->setTransparentBack();
        letter->setCaption(QString(family[i]));
        // Read as one name, not letter by letter: the first letter speaks for the whole title.
        if (i == 0)
            letter->setAccessibleName(QStringLiteral("Pelko-Morvelt"));
        else
            letter->setAttribute(Qt::WA_TransparentForMouseEvents);
        left += width;
    }
    auto* rest = new Label(QStringLiteral("Bezeichnung5"), this, QRect(left, 240, 3255 + 120 - left, 495));
    rest->setFont(designFont(kSansSerif, 18, false));
    rest->setForeColor(Qt::white);
    rest->setTransparentBack();
    rest->setCaption(QStringLiteral("- Morvelt"));
    rest->setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool InfoWindow::printingLocked() const { return lock_->isChecked(); }

void InfoWindow::Form_Activate()
{
    // Centred across, but only a quarter of the free height from the top.
    platform::placeOnScreen(this, 4);
    notice_->setCaption(QStringLiteral("Freie Nutzung zu Hause und in der Schule.\r\n"
                                       "Weitergabe nur unverändert und kostenlos."));
    author_->setCaption(QStringLiteral("Pelko-Morvelt\r\nLernspiel für die Grundschule"));
}
