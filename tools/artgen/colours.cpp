#include "colours.h"

namespace colours {
QList<QRgb> all()
{
    return {outline, skin, skinShade, cheek, hair, hairShade, hairLight, iris, irisShade,
            white, mouth, tongue, top, topShade, shorts, shortsShade, sock, shoe, pyjama,
            pyjamaShade, pyjamaDot, apron, apronShade, apronTrim, kimono, kimonoShade, obi,
            obiShade, darkHair, darkHairShade, darkHairLight, brownHair, brownHairShade,
            brownHairLight, redHair, redHairShade, redHairLight, greenEye, brownEye, racing,
            racingShade, racingStripe, jacket, jacketShade, wall, wallLine, floorWood,
            floorShade, nightWall, nightWallLine, nightFloor, sky, cloud, nightSky, star, moon,
            frame, curtain, curtainShade, wood, woodShade, woodLight, blanket, blanketShade,
            blanketPattern, pillow, pillowShade, tile, tileLine, tub, tubShade, water, bubble,
            grass, grassShade, paper, paperLine, bookRed, bookBlue, bookGreen, yellow,
            yellowShade, pink, cyan, grey, greyDark, greyLight, black, rice, bowl, soup,
            cookie, cookieShade, green, red, orange, purple, zmark, screen, metal, metalShade};
}
} // namespace colours
