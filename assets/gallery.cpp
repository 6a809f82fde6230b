#include "gallery.h"

#include "artwork.h"

#include <QString>

#include <array>

namespace artwork {

namespace {

struct Motif {
    const char* file;
    const char* germanName;
};

// Row by row as the gallery shows them, ten to a row.
constexpr std::array<Motif, kGalleryPictures> kMotifs{{
    {"cat", "Katze"},
    {"dog", "Hund"},
    {"rabbit", "Hase"},
    {"bear", "Bär"},
    {"girl", "Mädchen"},
    {"mouse", "Maus"},
    {"pig", "Schwein"},
    {"frog", "Frosch"},
    {"owl", "Eule"},
    {"fish", "Fisch"},
    {"ladybird", "Marienkäfer"},
    {"butterfly", "Schmetterling"},
    {"snail", "Schnecke"},
    {"bee", "Biene"},
    {"duck", "Ente"},
    {"chick", "Küken"},
    {"turtle", "Schildkröte"},
    {"lion", "Löwe"},
    {"elephant", "Elefant"},
    {"penguin", "Pinguin"},
    {"boy", "Junge"},
    {"apple", "Apfel"},
    {"banana", "Banane"},
    {"cherries", "Kirschen"},
    {"pear", "Birne"},
    {"strawberry", "Erdbeere"},
    {"carrot", "Möhre"},
    {"grapes", "Weintrauben"},
    {"lemon", "Zitrone"},
    {"mushroom", "Pilz"},
    {"car", "Auto"},
    {"bus", "Bus"},
    {"locomotive", "Lokomotive"},
    {"sailboat", "Segelboot"},
    {"plane", "Flugzeug"},
    {"rocket", "Rakete"},
    {"bicycle", "Fahrrad"},
    {"tractor", "Traktor"},
    {"helicopter", "Hubschrauber"},
    {"hotairballoon", "Heißluftballon"},
    {"sun", "Sonne"},
    {"moon", "Mond"},
    {"star", "Stern"},
    {"rainbow", "Regenbogen"},
    {"flower", "Blume"},
    {"tree", "Baum"},
    {"snowman", "Schneemann"},
    {"umbrella", "Regenschirm"},
    {"ball", "Ball"},
    {"icecream", "Eis"},
}};

} // namespace

platform::Picture galleryPicture(int index)
{
    // Loaded once, at the first call: every slot and gallery box then shares the one drawing of its motif.
    static const std::array<platform::Picture, kGalleryPictures> pictures = [] {
        std::array<platform::Picture, kGalleryPictures> loaded;
        for (std::size_t i = 0; i < loaded.size(); ++i)
            loaded[i] = svgIcon(QStringLiteral(":/gallery/%1.svg").arg(QLatin1String(kMotifs[i].file)),
                                QString::fromUtf8(kMotifs[i].germanName));
        return loaded;
    }();
    if (index < 0 || index >= kGalleryPictures) return {};
    return pictures[static_cast<std::size_t>(index)];
}

} // namespace artwork
