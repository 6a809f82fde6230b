#pragma once

#include "platform/picture.h"

// The pictures the players choose from: 50 child-friendly motifs.
namespace artwork {

inline constexpr int kGalleryPictures = 50;
// The two children's faces the players start with; both also stand in the gallery.
inline constexpr int kFirstPlayerPicture = 4;
inline constexpr int kSecondPlayerPicture = 20;

// Gallery picture 0..49, titled with its German name; a null picture outside that range.
platform::Picture galleryPicture(int index);

} // namespace artwork
