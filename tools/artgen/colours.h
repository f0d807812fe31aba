// The flat colours of every picture. The pet strips share one palette built around this table, so
// the character keeps exactly the same colours in every strip.
#pragma once

#include <QColor>
#include <QList>

namespace colours {
// The pet and its friends
inline constexpr QRgb outline = 0xff4a2a1a;   // dark brown line around everything
inline constexpr QRgb skin = 0xffffe2cc;
inline constexpr QRgb skinShade = 0xfff2c3a6;
inline constexpr QRgb cheek = 0xffffa9a4;
inline constexpr QRgb hair = 0xffeeb94f;      // honey blonde
inline constexpr QRgb hairShade = 0xffc98b2f;
inline constexpr QRgb hairLight = 0xfffff0b0;
inline constexpr QRgb iris = 0xff3f8fd0;       // blue eyes
inline constexpr QRgb irisShade = 0xff245a92;
inline constexpr QRgb white = 0xffffffff;
inline constexpr QRgb mouth = 0xffc8505a;
inline constexpr QRgb tongue = 0xffff8a8a;
inline constexpr QRgb top = 0xffe65a50;        // day clothes: red top
inline constexpr QRgb topShade = 0xffb83e3c;
inline constexpr QRgb shorts = 0xff3e4e86;
inline constexpr QRgb shortsShade = 0xff2c3866;
inline constexpr QRgb sock = 0xfff6f6f6;
inline constexpr QRgb shoe = 0xff8a4a2a;
inline constexpr QRgb pyjama = 0xff9ccbf2;
inline constexpr QRgb pyjamaShade = 0xff74a6d6;
inline constexpr QRgb pyjamaDot = 0xfffff6b0;
inline constexpr QRgb apron = 0xfffff8ee;
inline constexpr QRgb apronShade = 0xffe8d8c8;
inline constexpr QRgb apronTrim = 0xffff8fb0;
inline constexpr QRgb kimono = 0xffd8303f;
inline constexpr QRgb kimonoShade = 0xffa8202f;
inline constexpr QRgb obi = 0xfff4c430;
inline constexpr QRgb obiShade = 0xffc8962a;
inline constexpr QRgb darkHair = 0xff3a2c2c;   // ガルド
inline constexpr QRgb darkHairShade = 0xff241a1a;
inline constexpr QRgb darkHairLight = 0xff6a5a5a;
inline constexpr QRgb brownHair = 0xff9a5a30;  // ロウェル
inline constexpr QRgb brownHairShade = 0xff6e3e20;
inline constexpr QRgb brownHairLight = 0xffd08a50;
inline constexpr QRgb redHair = 0xffd0583a;    // フェン
inline constexpr QRgb redHairShade = 0xff983a28;
inline constexpr QRgb redHairLight = 0xffff9a70;
inline constexpr QRgb greenEye = 0xff3a9a5a;
inline constexpr QRgb brownEye = 0xff7a4a2a;
inline constexpr QRgb racing = 0xfff8f8f8;     // racing jacket
inline constexpr QRgb racingShade = 0xffcfd4dc;
inline constexpr QRgb racingStripe = 0xff2a62c8;
inline constexpr QRgb jacket = 0xff4a5a4a;     // ガルド's jacket
inline constexpr QRgb jacketShade = 0xff323e32;

// Rooms and things
inline constexpr QRgb wall = 0xfffff1d8;
inline constexpr QRgb wallLine = 0xfff3dcb8;
inline constexpr QRgb floorWood = 0xffd6a46a;
inline constexpr QRgb floorShade = 0xffb8844e;
inline constexpr QRgb nightWall = 0xff8c88b8;
inline constexpr QRgb nightWallLine = 0xff7a76a6;
inline constexpr QRgb nightFloor = 0xff6a5a80;
inline constexpr QRgb sky = 0xff9fd8ff;
inline constexpr QRgb cloud = 0xfff4fbff;
inline constexpr QRgb nightSky = 0xff1e2a5e;
inline constexpr QRgb star = 0xfffff2a0;
inline constexpr QRgb moon = 0xfffff0b0;
inline constexpr QRgb frame = 0xfff8f4ee;      // window frame
inline constexpr QRgb curtain = 0xff8ec98a;
inline constexpr QRgb curtainShade = 0xff6aa86a;
inline constexpr QRgb wood = 0xffb0703c;
inline constexpr QRgb woodShade = 0xff8a5428;
inline constexpr QRgb woodLight = 0xffd49a60;
inline constexpr QRgb blanket = 0xfff2a0b8;
inline constexpr QRgb blanketShade = 0xffd47e98;
inline constexpr QRgb blanketPattern = 0xfffff0f4;
inline constexpr QRgb pillow = 0xfffffaf0;
inline constexpr QRgb pillowShade = 0xffe4dcd0;
inline constexpr QRgb tile = 0xffcdeaf6;
inline constexpr QRgb tileLine = 0xffa9d2e6;
inline constexpr QRgb tub = 0xfffefefe;
inline constexpr QRgb tubShade = 0xffc8dce8;
inline constexpr QRgb water = 0xff8fd0f0;
inline constexpr QRgb bubble = 0xfff0faff;
inline constexpr QRgb grass = 0xff7cc860;
inline constexpr QRgb grassShade = 0xff58a044;
inline constexpr QRgb paper = 0xfffffdf4;
inline constexpr QRgb paperLine = 0xffb8c8e0;
inline constexpr QRgb bookRed = 0xffd04848;
inline constexpr QRgb bookBlue = 0xff4870c8;
inline constexpr QRgb bookGreen = 0xff48a060;
inline constexpr QRgb yellow = 0xffffd84a;
inline constexpr QRgb yellowShade = 0xffe0aa28;
inline constexpr QRgb pink = 0xffff8cc0;
inline constexpr QRgb cyan = 0xff38c8e8;
inline constexpr QRgb grey = 0xffa8a8a8;
inline constexpr QRgb greyDark = 0xff707070;
inline constexpr QRgb greyLight = 0xffdadada;
inline constexpr QRgb black = 0xff2a2a2e;
inline constexpr QRgb rice = 0xfffcfcf4;
inline constexpr QRgb bowl = 0xff5a8ad0;
inline constexpr QRgb soup = 0xffe0a050;
inline constexpr QRgb cookie = 0xffe0a860;
inline constexpr QRgb cookieShade = 0xffb87a3a;
inline constexpr QRgb green = 0xff5ab04a;
inline constexpr QRgb red = 0xffe03a3a;
inline constexpr QRgb orange = 0xffff9a3a;
inline constexpr QRgb purple = 0xff9a6ad0;
inline constexpr QRgb zmark = 0xff6a8ad8;
inline constexpr QRgb screen = 0xff2a3a4a;
inline constexpr QRgb metal = 0xffc8ccd4;
inline constexpr QRgb metalShade = 0xff8a909c;

// Every entry above, in table order.
QList<QRgb> all();

inline QColor c(QRgb rgb)
{
    return QColor::fromRgba(rgb);
}
} // namespace colours
