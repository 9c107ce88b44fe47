#pragma once

#include <QImage>
#include <QList>

#include <cstdint>
#include <vector>

// Every picture and sound of the game, drawn or synthesized from nothing but
// code. Each function is deterministic: the same call gives the same pixels.
namespace art {

// The window icon: a green S-shaped squiggle on a red square, at any size.
QImage drawWindowIcon(int size);

// The About box's clip-art: a four-coloured pinwheel on a stick, on a
// transparent background.
QImage drawAboutIcon(int size);
// Its flat colours, to keep exactly in the 16-colour icon.
QList<QRgb> aboutIconColours();

// The main window's background painting, 591 x 404: a swirling yellow and
// green sky over a dark blue sea, two red boats on the horizon at the left.
QImage paintBackground();

// The splash and new-record painting, 640 x 471: a sailor with a telescope on
// a boat with a red sail, over green waves.
QImage paintSplash();

// The celebration picture, 229 x 171: a sun rising behind green hills under a
// violet sky with clouds, a tree at the right, in a pink frame.
QImage paintSunrise();

// The celebration animation: frames of 120 x 64 with three dancers on a
// transparent background, one loop of the dance.
QList<QImage> drawDancers();
inline constexpr int kDancerFrameDelayCs = 10;

// The celebration sound: a playful howl and a little fanfare, mono samples.
inline constexpr int kHoundSampleRate = 22050;
std::vector<std::int16_t> synthesizeHound();

} // namespace art
