// Backgrounds and the things the characters use: rooms with a day or night window, furniture in
// front of the figure, and small objects held or placed on tables. All in picture coordinates of
// a 150 × 220 frame unless a function takes its own place and size.
#pragma once

#include <QPainter>
#include <QRectF>

enum class Place { Living, Kitchen, Study, Bedroom, Bathroom, Garden, Track, Tatami, Night };

void drawRoom(QPainter &p, Place place, bool night);
void drawWindow(QPainter &p, const QRectF &r, bool night);

// Furniture drawn in front of a sitting figure
void drawTable(QPainter &p, double top, bool cloth);
void drawDesk(QPainter &p, double top);
void drawBedHead(QPainter &p);                    // headboard and pillow, behind the head
void drawBlanket(QPainter &p, double top, double bulge); // over the sleeper
void drawTub(QPainter &p, double top);
void drawFloorCushion(QPainter &p, double y);

// Objects
void drawRiceBowl(QPainter &p, QPointF c);
void drawSoupBowl(QPainter &p, QPointF c);
void drawPlate(QPainter &p, QPointF c, double r);
void drawToast(QPainter &p, QPointF c);
void drawCup(QPainter &p, QPointF c, QRgb colour);
void drawCake(QPainter &p, QPointF c);
void drawCookie(QPainter &p, QPointF c, double r);
void drawSpoon(QPainter &p, QPointF hand, double angle);
void drawChopsticks(QPainter &p, QPointF hand, double angle);
void drawBook(QPainter &p, QPointF c, double w, double h, QRgb cover, bool open, double angle = 0);
void drawPencil(QPainter &p, QPointF a, QPointF b);
void drawLamp(QPainter &p, QPointF base, bool on);
void drawDuck(QPainter &p, QPointF c, double s);
void drawBubbles(QPainter &p, QPointF c, double s);
void drawDoll(QPainter &p, QPointF c, double scale); // a small doll of ガルド
void drawCar(QPainter &p, QPointF c, double s, QRgb body); // mini 4WD from the side
void drawCarTop(QPainter &p, QPointF c, double s, QRgb body); // seen from behind/above
void drawWateringCan(QPainter &p, QPointF c, double s, bool pouring);
void drawPot(QPainter &p, QPointF c, double s, int stage); // 0 seeds, 1-3 growing, 4.. blossom
void drawViolin(QPainter &p, QPointF c, double s, double angle);
void drawBow(QPainter &p, QPointF a, QPointF b);
void drawLaptop(QPainter &p, QPointF c, double s, int screen);
void drawTelevision(QPainter &p, const QRectF &r, int screen);
void drawTvScreen(QPainter &p, const QRectF &r, int screen);
void drawComputerScreen(QPainter &p, const QRectF &r, int screen);
void drawEasel(QPainter &p, QPointF c, double s, int progress);
void drawBrush(QPainter &p, QPointF hand, double angle, QRgb tip);
void drawPegBoard(QPainter &p, QPointF c, double s, bool grey);
void drawCard(QPainter &p, QPointF c, double s, int face, double angle = 0); // 0 back
void drawWreath(QPainter &p, QPointF c, double r);
void drawDaisy(QPainter &p, QPointF c, double r, QRgb petal);
void drawPuppy(QPainter &p, QPointF c, double s, bool wag);
void drawTray(QPainter &p, QPointF c, int cookies, bool baked);
void drawMixingBowl(QPainter &p, QPointF c, bool stirring);
void drawOven(QPainter &p, const QRectF &r, bool glowing);
void drawTrophy(QPainter &p, QPointF c, double s);
void drawFlag(QPainter &p, QPointF pole, double s, bool waving);
void drawGift(QPainter &p, QPointF c, double w, double h, QRgb box, QRgb ribbon);
void drawKadomatsu(QPainter &p, QPointF base, double s);
void drawBeanBox(QPainter &p, QPointF c, double s);
void drawOniMask(QPainter &p, QPointF c, double s);
void drawHinaDolls(QPainter &p, QPointF c, double s);
void drawCarpStreamer(QPainter &p, QPointF head, double len, QRgb body, double wave);
void drawDango(QPainter &p, QPointF c, double s);
void drawMoon(QPainter &p, QPointF c, double r);
void drawTree(QPainter &p, QPointF base, double s, bool lit);
void drawSteam(QPainter &p, QPointF c, int phase);
void drawSofa(QPainter &p, double top);
void drawGrassTuft(QPainter &p, QPointF base, double s, bool bent);
void drawHeadphonePlayer(QPainter &p, QPointF c);
void drawQuestionMark(QPainter &p, QPointF c, double s, QRgb colour);
