// makeassets: draws the two pictures the Setup program ships with.
//
//   board.jpg     photograph-like top view of the QX-8840, 600 x 549. The program draws its
//                 highlight circles over fixed pixel rectangles of this picture, so every part
//                 that gets highlighted is placed at hard-coded coordinates below.
//   settings.ico  32 x 32, 16 colour window icon.
//
// Everything is drawn from code with a fixed-seed generator, so running the tool again gives
// byte-identical files.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <jpeglib.h>

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRectF>

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 549;
// Drawn at twice the size and scaled down: cheap anti-aliasing and a slightly soft, lens-like
// look for the fine details.
constexpr int kSuper = 2;

class Rng {
 public:
  explicit Rng(std::uint32_t seed) : gen_(seed) {}
  // Own conversions rather than std distributions: those differ between standard libraries,
  // and the output must not.
  double uniform() { return (gen_() >> 8) * (1.0 / 16777216.0); }
  double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  double gauss() {
    double sum = 0;
    for (int i = 0; i < 4; ++i) sum += uniform();
    return (sum - 2.0) * std::sqrt(3.0);
  }

 private:
  std::mt19937 gen_;
};

// ---------------------------------------------------------------------------------------------
// Silkscreen font. Board printing uses plotter-style stroke lettering, so the glyphs are
// polylines on a 4 x 6 grid ('|' starts a new stroke). Using our own font also keeps the
// picture independent of the fonts installed on the machine.

struct Glyph {
  char ch;
  const char* strokes;
};

constexpr Glyph kGlyphs[] = {
    {'A', "0,6 0,2 2,0 4,2 4,6 | 0,4 4,4"},
    {'B', "0,3 0,0 3,0 4,1 4,2 3,3 0,3 0,6 3,6 4,5 4,4 3,3"},
    {'C', "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5"},
    {'D', "0,0 0,6 3,6 4,5 4,1 3,0 0,0"},
    {'E', "4,0 0,0 0,6 4,6 | 0,3 3,3"},
    {'F', "4,0 0,0 0,6 | 0,3 3,3"},
    {'G', "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3 2,3"},
    {'H', "0,0 0,6 | 4,0 4,6 | 0,3 4,3"},
    {'I', "1,0 3,0 | 2,0 2,6 | 1,6 3,6"},
    {'J', "4,0 4,5 3,6 1,6 0,5"},
    {'K', "0,0 0,6 | 4,0 0,4 | 1,3 4,6"},
    {'L', "0,0 0,6 4,6"},
    {'M', "0,6 0,0 2,3 4,0 4,6"},
    {'N', "0,6 0,0 4,6 4,0"},
    {'O', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
    {'P', "0,6 0,0 3,0 4,1 4,2 3,3 0,3"},
    {'Q', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0 | 2,4 4,6"},
    {'R', "0,6 0,0 3,0 4,1 4,2 3,3 0,3 | 2,3 4,6"},
    {'S', "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5"},
    {'T', "0,0 4,0 | 2,0 2,6"},
    {'U', "0,0 0,5 1,6 3,6 4,5 4,0"},
    {'V', "0,0 2,6 4,0"},
    {'W', "0,0 1,6 2,3 3,6 4,0"},
    {'X', "0,0 4,6 | 4,0 0,6"},
    {'Y', "0,0 2,3 4,0 | 2,3 2,6"},
    {'Z', "0,0 4,0 0,6 4,6"},
    {'0', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0 | 0.6,5.2 3.4,0.8"},
    {'1', "1,1 2,0 2,6 | 1,6 3,6"},
    {'2', "0,1 1,0 3,0 4,1 4,2 0,6 4,6"},
    {'3', "0,1 1,0 3,0 4,1 4,2 3,3 4,4 4,5 3,6 1,6 0,5 | 1,3 3,3"},
    {'4', "3,6 3,0 0,4 4,4"},
    {'5', "4,0 0,0 0,3 3,3 4,4 4,5 3,6 1,6 0,5"},
    {'6', "3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,4 3,3 0,3"},
    {'7', "0,0 4,0 1,6"},
    {'8', "1,0 3,0 4,1 4,2 3,3 1,3 0,2 0,1 1,0 | 1,3 0,4 0,5 1,6 3,6 4,5 4,4 3,3"},
    {'9', "4,3 1,3 0,2 0,1 1,0 3,0 4,1 4,5 3,6 1,6"},
    {'+', "2,1.5 2,4.5 | 0.5,3 3.5,3"},
    {'-', "1,3 3,3"},
    {'.', "1.8,5.8 2.2,5.8"},
    {'/', "0,6 4,0"},
    {':', "1.8,1.8 2.2,1.8 | 1.8,5 2.2,5"},
};

const char* strokesFor(char ch) {
  for (const auto& g : kGlyphs)
    if (g.ch == ch) return g.strokes;
  return "";  // space and anything unknown: blank
}

QPainterPath glyphPath(char ch, QPointF origin, qreal unit) {
  QPainterPath path;
  bool newStroke = true;
  std::string_view rest = strokesFor(ch);
  while (!rest.empty()) {
    const auto end = rest.find(' ');
    const std::string token(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (token.empty()) continue;
    if (token == "|") {
      newStroke = true;
      continue;
    }
    const auto comma = token.find(',');
    double gx = 0, gy = 0;  // from_chars: no locale can turn the decimal point into a comma
    std::from_chars(token.data(), token.data() + comma, gx);
    std::from_chars(token.data() + comma + 1, token.data() + token.size(), gy);
    const QPointF pt(origin.x() + gx * unit, origin.y() + gy * unit);
    if (newStroke)
      path.moveTo(pt);
    else
      path.lineTo(pt);
    newStroke = false;
  }
  return path;
}

enum class Align { Left, Center, Right };

// Draws text whose vertical centre is at `at`; `height` is the cap height in picture pixels.
void strokeText(QPainter& p, std::string_view text, QPointF at, qreal height, Align align,
                const QColor& color, qreal weight = 0.17) {
  const qreal unit = height / 6.0;
  const qreal width = (text.size() * 6.0 - 2.0) * unit;
  qreal x = at.x();
  if (align == Align::Center) x -= width / 2;
  if (align == Align::Right) x -= width;
  const qreal y = at.y() - height / 2;
  QPainterPath all;
  for (std::size_t i = 0; i < text.size(); ++i)
    all.addPath(glyphPath(text[i], QPointF(x + i * 6.0 * unit, y), unit));
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(color, std::max<qreal>(0.75, height * weight), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin));
  p.drawPath(all);
  p.restore();
}

// ---------------------------------------------------------------------------------------------
// Palette

const QColor kBackground1(0xe6, 0xe5, 0xe1);
const QColor kBackground2(0xc9, 0xc7, 0xc2);
const QColor kMaskBare(0x0f, 0x4d, 0x2c);    // solder mask over bare laminate
const QColor kMaskCopper(0x19, 0x67, 0x3b);  // solder mask over copper
const QColor kSilk(0xee, 0xf0, 0xe8);
const QColor kMarking(0xb4, 0xb4, 0xb0);  // laser marking on IC packages

QLinearGradient goldGradient(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0.0, QColor(0xfa, 0xe6, 0x9a));
  g.setColorAt(0.45, QColor(0xdc, 0xb2, 0x52));
  g.setColorAt(1.0, QColor(0x9e, 0x73, 0x24));
  return g;
}

QLinearGradient nickelGradient(QPointF from, QPointF to) {
  QLinearGradient g(from, to);
  g.setColorAt(0.0, QColor(0xf0, 0xf2, 0xf4));
  g.setColorAt(0.35, QColor(0xc4, 0xc8, 0xcd));
  g.setColorAt(0.7, QColor(0xa0, 0xa5, 0xab));
  g.setColorAt(1.0, QColor(0x74, 0x79, 0x80));
  return g;
}

QLinearGradient plasticGradient(const QRectF& r, const QColor& base) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, base.lighter(135));
  g.setColorAt(0.25, base.lighter(110));
  g.setColorAt(1.0, base.darker(130));
  return g;
}

// ---------------------------------------------------------------------------------------------
// Canvas: the bare board, the parts on top of it and the shadows the parts cast are kept apart
// so the shadows can be blurred before everything is put together.

struct Canvas {
  QPainter& board;
  QPainter& parts;
  QPainter& shadow;

  // Light comes from the upper left, so a part of height h throws its shadow down-right.
  void castShadow(const QPainterPath& outline, qreal height, int alpha = 170) {
    shadow.save();
    shadow.translate(0.35 * height, 0.5 * height);
    shadow.fillPath(outline, QColor(0, 0, 0, alpha));
    shadow.restore();
  }
  void castShadow(const QRectF& r, qreal height, int alpha = 170) {
    QPainterPath path;
    path.addRoundedRect(r, 1.5, 1.5);
    castShadow(path, height, alpha);
  }
};

// ---------------------------------------------------------------------------------------------
// Copper

struct Trace {
  std::vector<QPointF> points;
  qreal width;
};

std::vector<Trace> gTraces;
std::vector<QPointF> gVias;

void addTrace(std::vector<QPointF> points, qreal width = 2.0) {
  gTraces.push_back({std::move(points), width});
}

// Vertical, 45 degree jog starting at bendY, vertical again: the usual way buses are routed.
std::vector<QPointF> routeV(QPointF a, QPointF b, qreal bendY) {
  const qreal dx = b.x() - a.x();
  const qreal dir = b.y() > a.y() ? 1.0 : -1.0;
  return {a, {a.x(), bendY}, {b.x(), bendY + dir * std::abs(dx)}, b};
}

std::vector<QPointF> routeH(QPointF a, QPointF b, qreal bendX) {
  const qreal dy = b.y() - a.y();
  const qreal dir = b.x() > a.x() ? 1.0 : -1.0;
  return {a, {bendX, a.y()}, {bendX + dir * std::abs(dy), b.y()}, b};
}

QPainterPath polyPath(const std::vector<QPointF>& pts) {
  QPainterPath path;
  path.moveTo(pts.front());
  for (std::size_t i = 1; i < pts.size(); ++i) path.lineTo(pts[i]);
  return path;
}

void drawCopper(QPainter& p) {
  // Isolation gaps first, so that neighbouring traces are not cut by each other's gaps.
  p.setBrush(Qt::NoBrush);
  for (const auto& t : gTraces) {
    p.setPen(QPen(kMaskBare, t.width + 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(polyPath(t.points));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(kMaskBare);
  for (const auto& v : gVias) p.drawEllipse(v, 4.2, 4.2);

  const QColor trace = kMaskCopper.lighter(108);
  p.setBrush(Qt::NoBrush);
  for (const auto& t : gTraces) {
    p.setPen(QPen(trace, t.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(polyPath(t.points));
    // The mask rounds over the copper edge and catches the light along the upper side.
    QPainterPath hl = polyPath(t.points).translated(-0.35, -0.35);
    p.setPen(
        QPen(QColor(255, 255, 255, 22), t.width * 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hl);
  }
  for (const auto& v : gVias) {
    p.setPen(Qt::NoPen);
    p.setBrush(trace.lighter(112));
    p.drawEllipse(v, 2.8, 2.8);
    p.setBrush(QColor(0x0d, 0x2e, 0x1a));
    p.drawEllipse(v, 1.1, 1.1);
  }
}

// Every pad placed, so the ground pour can keep its distance from them.
std::vector<QRectF> gPads;

// Exposed pad, gold (immersion gold finish).
void goldPad(QPainter& p, const QRectF& r, qreal radius = 0.6) {
  gPads.push_back(p.transform().mapRect(r).adjusted(-1.8, -1.8, 1.8, 1.8));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(goldGradient(r));
  p.drawRoundedRect(r, radius, radius);
  p.restore();
}

// Tinned solder joint: a grey, shiny fillet.
void solder(QPainter& p, const QRectF& r) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(nickelGradient(r.topLeft(), r.bottomRight()));
  p.drawRoundedRect(r, r.height() * 0.35, r.height() * 0.35);
  p.restore();
}

// ---------------------------------------------------------------------------------------------
// Board

const QRectF kBoardRect(8, 4, 586, 541);
const QPointF kMountingHoles[] = {{26, 22}, {576, 22}, {26, 527}, {576, 527}};

QPainterPath boardOutline() {
  QPainterPath path;
  path.addRoundedRect(kBoardRect, 9, 9);
  return path;
}

void drawBackground(QPainter& p) {
  QLinearGradient bg(0, 0, kWidth, kHeight);
  bg.setColorAt(0, kBackground1);
  bg.setColorAt(1, kBackground2);
  p.fillRect(QRectF(0, 0, kWidth, kHeight), bg);
  // Soft shadow of the board on the table, built up from widening translucent outlines.
  p.setPen(Qt::NoPen);
  for (int i = 8; i >= 0; --i) {
    p.setBrush(QColor(0, 0, 0, 14));
    p.drawRoundedRect(kBoardRect.translated(3, 4).adjusted(-i, -i, i, i), 9 + i, 9 + i);
  }
}

void drawPcb(QPainter& p) {
  const QPainterPath outline = boardOutline();
  p.fillPath(outline, kMaskBare);

  // Ground pour over the whole board, held back from the edge, the holes and every pad.
  QPainterPath pour;
  pour.addRoundedRect(kBoardRect.adjusted(9, 9, -9, -9), 5, 5);
  for (const QPointF& h : kMountingHoles) {
    QPainterPath keepOut;
    keepOut.addEllipse(h, 15, 15);
    pour = pour.subtracted(keepOut);
  }
  p.fillPath(pour, kMaskCopper);
  p.setPen(Qt::NoPen);
  p.setBrush(kMaskBare);
  const QTransform toPicture = p.transform().inverted();
  for (const QRectF& pad : gPads) p.drawRoundedRect(toPicture.mapRect(pad), 1.5, 1.5);

  drawCopper(p);

  // Gold guard ring along the board edge, exposed through the mask.
  p.save();
  p.setClipPath(outline);
  QPainterPath ring;
  ring.addRoundedRect(kBoardRect.adjusted(2.5, 2.5, -2.5, -2.5), 7, 7);
  ring.addRoundedRect(kBoardRect.adjusted(5.0, 5.0, -5.0, -5.0), 5, 5);
  ring.setFillRule(Qt::OddEvenFill);
  p.fillPath(ring, goldGradient(kBoardRect));
  p.restore();

  // Mounting holes: plated ring, barrel, and the table seen through the hole.
  for (const QPointF& h : kMountingHoles) {
    p.setPen(Qt::NoPen);
    p.setBrush(kMaskBare.darker(105));
    p.drawEllipse(h, 13, 13);
    const QRectF ringRect(h.x() - 10, h.y() - 10, 20, 20);
    p.setBrush(goldGradient(ringRect));
    p.drawEllipse(ringRect);
    QRadialGradient barrel(h, 6);
    barrel.setColorAt(0.0, QColor(0x8a, 0x85, 0x78));
    barrel.setColorAt(0.75, QColor(0x6a, 0x60, 0x48));
    barrel.setColorAt(1.0, QColor(0x40, 0x34, 0x1c));
    p.setBrush(barrel);
    p.drawEllipse(h, 6, 6);
    // Lit inside wall of the barrel on the side away from the light.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe8, 0xc8, 0x70, 160), 1.0));
    p.drawArc(QRectF(h.x() - 5.5, h.y() - 5.5, 11, 11), -100 * 16, 130 * 16);
    for (int i = 0; i < 8; ++i) {  // small vias around the ring stitch it to the ground planes
      const double a = i * std::numbers::pi / 4;
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x9b, 0x72, 0x2a));
      p.drawEllipse(QPointF(h.x() + 8 * std::cos(a), h.y() + 8 * std::sin(a)), 0.8, 0.8);
    }
  }

  // Edge of the laminate: the routed edge shows a thin pale line.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x9c, 0xa8, 0x80, 200), 1.0));
  p.drawPath(outline);
}

// A glossy mask reflects the photographer's soft box as a broad, faint band.
void drawSheen(QPainter& p) {
  p.save();
  p.setClipPath(boardOutline());
  QLinearGradient sheen(QPointF(120, 0), QPointF(420, 549));
  sheen.setColorAt(0.0, QColor(255, 255, 255, 0));
  sheen.setColorAt(0.30, QColor(255, 255, 255, 10));
  sheen.setColorAt(0.42, QColor(255, 255, 255, 26));
  sheen.setColorAt(0.55, QColor(255, 255, 255, 6));
  sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.fillRect(kBoardRect, sheen);
  p.restore();
}

// ---------------------------------------------------------------------------------------------
// Parts

void goldPin(Canvas& c, QPointF centre, qreal size) {
  QPainter& p = c.parts;
  const QRectF outer(centre.x() - size / 2, centre.y() - size / 2, size, size);
  c.castShadow(outer, 6, 200);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x7a, 0x55, 0x18));
  p.drawRect(outer);
  p.setBrush(goldGradient(outer.adjusted(0.2, 0.2, -0.6, -0.6)));
  p.drawRect(outer.adjusted(0.2, 0.2, -0.6, -0.6));
  // The pin tip is chamfered; its flat top catches the light.
  const qreal t = size * 0.28;
  p.setBrush(QColor(0xff, 0xf2, 0xc0, 210));
  p.drawRect(outer.adjusted(t, t, -t - 0.3, -t - 0.3));
}

// Shrouded box header: black plastic shroud around two rows of gold pins, with a key notch.
void boxHeader(Canvas& c, const QRectF& body, int columns, qreal pitch, qreal rowHalfGap,
               qreal wallX, qreal wallY, bool notchOnTop) {
  QPainter& p = c.parts;
  c.castShadow(body, 16, 190);

  const QColor plastic(0x1c, 0x1c, 0x1f);
  p.setPen(Qt::NoPen);
  p.setBrush(plasticGradient(body, plastic));
  p.drawRoundedRect(body, 2.2, 2.2);

  // Bevelled top edges of the walls.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x5a, 0x5a, 0x60), 1.0));
  p.drawLine(body.topLeft() + QPointF(2, 0.8), body.topRight() + QPointF(-2, 0.8));
  p.drawLine(body.topLeft() + QPointF(0.8, 2), body.bottomLeft() + QPointF(0.8, -2));
  p.setPen(QPen(QColor(0x08, 0x08, 0x09), 1.0));
  p.drawLine(body.bottomLeft() + QPointF(2, -0.6), body.bottomRight() + QPointF(-2, -0.6));
  p.drawLine(body.topRight() + QPointF(-0.6, 2), body.bottomRight() + QPointF(-0.6, -2));

  // Mould parting line and ejector-pin marks on the long walls.
  p.setPen(QPen(QColor(0x2c, 0x2c, 0x31), 0.7));
  p.drawLine(QPointF(body.left() + 4, body.top() + wallY * 0.5),
             QPointF(body.right() - 4, body.top() + wallY * 0.5));
  p.drawLine(QPointF(body.left() + 4, body.bottom() - wallY * 0.5),
             QPointF(body.right() - 4, body.bottom() - wallY * 0.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x25, 0x25, 0x29));
  for (int i = 0; i < 3; ++i) {
    const qreal x = body.left() + body.width() * (0.2 + 0.3 * i);
    p.drawEllipse(QPointF(x, body.top() + wallY * 0.5), wallY * 0.18, wallY * 0.18);
  }

  const QRectF cavity = body.adjusted(wallX, wallY, -wallX, -wallY);
  QLinearGradient floor(cavity.topLeft(), cavity.bottomLeft());
  floor.setColorAt(0.0, QColor(0x06, 0x06, 0x07));
  floor.setColorAt(0.35, QColor(0x10, 0x10, 0x12));
  floor.setColorAt(1.0, QColor(0x17, 0x17, 0x1a));
  p.setBrush(floor);
  p.drawRect(cavity);

  // Key notch in the middle of one long wall.
  const qreal notchW = 30;
  const QRectF notch(body.center().x() - notchW / 2, notchOnTop ? body.top() : cavity.bottom(),
                     notchW, wallY);
  p.setBrush(QColor(0x0c, 0x0c, 0x0e));
  p.drawRect(notch);
  p.setPen(QPen(QColor(0x40, 0x40, 0x46), 0.8));
  p.drawLine(notch.topLeft() + QPointF(0.4, 0), notch.bottomLeft() + QPointF(0.4, 0));
  p.setPen(Qt::NoPen);

  // Moulded pin-1 triangle on the wall next to pin 1 (left end, bottom row).
  const qreal x1 = body.center().x() - (columns - 1) * pitch / 2;
  QPolygonF tri;
  const qreal ty = cavity.bottom() + std::min<qreal>(wallY * 0.5, 6);
  tri << QPointF(x1 - 3, ty + 2.2) << QPointF(x1 + 3, ty + 2.2) << QPointF(x1, ty - 2.2);
  p.setBrush(QColor(0x44, 0x44, 0x4a));
  p.drawPolygon(tri);

  for (int col = 0; col < columns; ++col) {
    const qreal x = x1 + col * pitch;
    goldPin(c, QPointF(x, body.center().y() - rowHalfGap), 4.8);
    goldPin(c, QPointF(x, body.center().y() + rowHalfGap), 4.8);
  }
}

// Three-pin jumper header with its shorting cap on two of the pins.
void jumper(Canvas& c, QPointF centre, bool capOnLeft, const QColor& capColor) {
  QPainter& p = c.parts;
  const qreal pitch = 13.2;
  const QRectF base(centre.x() - 20, centre.y() - 7, 40, 14);
  c.castShadow(base, 7, 190);
  p.setPen(Qt::NoPen);
  p.setBrush(plasticGradient(base, QColor(0x1d, 0x1d, 0x20)));
  p.drawRect(base);
  p.setPen(QPen(QColor(0x0a, 0x0a, 0x0b), 0.6));
  for (int i = 1; i < 3; ++i) {  // moulded breaks between the pin positions
    const qreal x = base.left() + i * base.width() / 3;
    p.drawLine(QPointF(x, base.top() + 1), QPointF(x, base.bottom() - 1));
  }
  p.setPen(Qt::NoPen);
  for (int i = -1; i <= 1; ++i) goldPin(c, centre + QPointF(i * pitch, 0), 4.6);

  const qreal capX = centre.x() + (capOnLeft ? -pitch / 2 : pitch / 2);
  const QRectF cap(capX - 13.5, centre.y() - 8.5, 27, 17);
  c.castShadow(cap, 13, 210);
  QLinearGradient side(cap.topLeft(), cap.bottomLeft());
  side.setColorAt(0.0, capColor.lighter(150));
  side.setColorAt(0.2, capColor.lighter(115));
  side.setColorAt(1.0, capColor.darker(160));
  p.setBrush(side);
  p.drawRoundedRect(cap, 2.5, 2.5);
  const QRectF top = cap.adjusted(2.2, 2.0, -2.2, -3.0);
  QLinearGradient topGrad(top.topLeft(), top.bottomRight());
  topGrad.setColorAt(0.0, capColor.lighter(135));
  topGrad.setColorAt(1.0, capColor.darker(115));
  p.setBrush(topGrad);
  p.drawRoundedRect(top, 1.5, 1.5);
  // Grip ridges across the top of the cap.
  for (int i = -1; i <= 1; ++i) {
    const qreal x = capX + i * 4.0;
    p.setPen(QPen(capColor.darker(170), 0.9));
    p.drawLine(QPointF(x + 0.5, top.top() + 1.5), QPointF(x + 0.5, top.bottom() - 1.5));
    p.setPen(QPen(capColor.lighter(165), 0.7));
    p.drawLine(QPointF(x - 0.3, top.top() + 1.5), QPointF(x - 0.3, top.bottom() - 1.5));
  }
  p.setPen(Qt::NoPen);
  // Specular highlight on the rounded front edge.
  p.setBrush(QColor(255, 255, 255, 60));
  p.drawRoundedRect(QRectF(cap.left() + 3, cap.top() + 0.6, cap.width() - 6, 1.3), 0.6, 0.6);
}

// Gull-wing leads with their solder joints on gold pads. `dir` points away from the body.
void gullWing(Canvas& c, QPointF bodyEdge, QPointF dir, qreal leadW, qreal leadLen) {
  QPainter& b = c.board;
  QPainter& p = c.parts;
  const QPointF perp(-dir.y(), dir.x());
  auto rectAlong = [&](qreal from, qreal to, qreal w) {
    const QPointF a = bodyEdge + dir * from - perp * (w / 2);
    const QPointF z = bodyEdge + dir * to + perp * (w / 2);
    return QRectF(a, z).normalized();
  };
  goldPad(b, rectAlong(leadLen * 0.2, leadLen + 2.0, leadW + 1.2), 0.3);
  solder(p, rectAlong(leadLen * 0.45, leadLen + 0.8, leadW + 0.6));
  p.setPen(Qt::NoPen);
  p.setBrush(nickelGradient(rectAlong(0, leadLen, leadW).topLeft(),
                            rectAlong(0, leadLen, leadW).bottomRight()));
  p.drawRect(rectAlong(0, leadLen * 0.85, leadW));
}

void icBody(Canvas& c, const QRectF& body, qreal height) {
  QPainter& p = c.parts;
  c.castShadow(body, height, 200);
  p.setPen(Qt::NoPen);
  QLinearGradient g(body.topLeft(), body.bottomRight());
  g.setColorAt(0.0, QColor(0x3a, 0x3a, 0x3e));
  g.setColorAt(0.5, QColor(0x27, 0x27, 0x2b));
  g.setColorAt(1.0, QColor(0x1b, 0x1b, 0x1e));
  p.setBrush(g);
  p.drawRoundedRect(body, 1.2, 1.2);
  // Moulded bevel around the top face.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x4c, 0x4c, 0x52), 0.8));
  p.drawRoundedRect(body.adjusted(1.2, 1.2, -1.2, -1.2), 1, 1);
  p.setPen(Qt::NoPen);
}

void qfp(Canvas& c, QPointF centre, qreal bodySize, int pinsPerSide, std::string_view line1,
         std::string_view line2) {
  const qreal pitch = bodySize * 0.8 / pinsPerSide;
  const qreal leadLen = 6.0;
  const QRectF body(centre.x() - bodySize / 2, centre.y() - bodySize / 2, bodySize, bodySize);
  for (int i = 0; i < pinsPerSide; ++i) {
    const qreal off = (i - (pinsPerSide - 1) / 2.0) * pitch;
    gullWing(c, QPointF(body.left(), centre.y() + off), QPointF(-1, 0), pitch * 0.48, leadLen);
    gullWing(c, QPointF(body.right(), centre.y() + off), QPointF(1, 0), pitch * 0.48, leadLen);
    gullWing(c, QPointF(centre.x() + off, body.top()), QPointF(0, -1), pitch * 0.48, leadLen);
    gullWing(c, QPointF(centre.x() + off, body.bottom()), QPointF(0, 1), pitch * 0.48, leadLen);
  }
  icBody(c, body, 5);
  QPainter& p = c.parts;
  // Pin-1 dimple and the large mould-gate dimple.
  QRadialGradient dimple(body.topLeft() + QPointF(6, 6), 3);
  dimple.setColorAt(0, QColor(0x12, 0x12, 0x14));
  dimple.setColorAt(1, QColor(0x30, 0x30, 0x34));
  p.setBrush(dimple);
  p.drawEllipse(body.topLeft() + QPointF(6, 6), 2.6, 2.6);
  p.setBrush(QColor(0x2d, 0x2d, 0x31));
  p.drawEllipse(body.bottomRight() - QPointF(8, 8), 4, 4);
  strokeText(p, line1, centre + QPointF(0, -4), 4.2, Align::Center, kMarking, 0.14);
  strokeText(p, line2, centre + QPointF(0, 5), 3.4, Align::Center, kMarking.darker(125), 0.14);
}

// SOIC lying horizontally: leads along the top and bottom edges, pin 1 at the bottom left.
void soic(Canvas& c, QPointF centre, int pinsPerSide, std::string_view line1,
          std::string_view line2) {
  const qreal pitch = 6.6;
  const qreal length = pinsPerSide * pitch + 2;
  const qreal width = 20;
  const QRectF body(centre.x() - length / 2, centre.y() - width / 2, length, width);
  for (int i = 0; i < pinsPerSide; ++i) {
    const qreal x = centre.x() + (i - (pinsPerSide - 1) / 2.0) * pitch;
    gullWing(c, QPointF(x, body.top()), QPointF(0, -1), 2.6, 6.5);
    gullWing(c, QPointF(x, body.bottom()), QPointF(0, 1), 2.6, 6.5);
  }
  icBody(c, body, 4);
  QPainter& p = c.parts;
  p.setBrush(QColor(0x14, 0x14, 0x16));
  p.drawEllipse(QPointF(body.left() + 4.5, body.bottom() - 4.5), 1.8, 1.8);
  p.drawRect(QRectF(body.left() - 0.2, centre.y() - 2.5, 2.0, 5));  // end notch
  strokeText(p, line1, centre + QPointF(2, -3.2), 4.0, Align::Center, kMarking, 0.14);
  strokeText(p, line2, centre + QPointF(2, 4.2), 3.2, Align::Center, kMarking.darker(125), 0.14);
}

enum class Chip { Resistor, Capacitor, Tantalum, Ferrite, Fuse };

// Two-terminal SMD part; `vertical` turns it by 90 degrees.
void chipPart(Canvas& c, QPointF centre, qreal length, qreal width, bool vertical, Chip kind,
              std::string_view marking = {}) {
  QPainter& b = c.board;
  QPainter& p = c.parts;
  auto oriented = [&](qreal x0, qreal x1, qreal w) {
    return vertical ? QRectF(centre.x() - w / 2, centre.y() + x0, w, x1 - x0)
                    : QRectF(centre.x() + x0, centre.y() - w / 2, x1 - x0, w);
  };
  const qreal half = length / 2;
  const qreal term = length * 0.22;
  goldPad(b, oriented(-half - 1.6, -half + term + 0.6, width + 1.4));
  goldPad(b, oriented(half - term - 0.6, half + 1.6, width + 1.4));
  const QRectF bodyRect = oriented(-half, half, width);
  c.castShadow(bodyRect, 2.5, 160);

  QColor bodyColor;
  switch (kind) {
    case Chip::Resistor:
      bodyColor = QColor(0x1e, 0x1e, 0x20);
      break;
    case Chip::Capacitor:
      bodyColor = QColor(0xa8, 0x8a, 0x62);
      break;
    case Chip::Tantalum:
      bodyColor = QColor(0xd8, 0xa8, 0x1c);
      break;
    case Chip::Ferrite:
      bodyColor = QColor(0x4a, 0x4a, 0x4c);
      break;
    case Chip::Fuse:
      bodyColor = QColor(0x7c, 0x9a, 0x3a);
      break;
  }
  p.setPen(Qt::NoPen);
  QLinearGradient g(bodyRect.topLeft(), bodyRect.bottomRight());
  g.setColorAt(0, bodyColor.lighter(135));
  g.setColorAt(1, bodyColor.darker(125));
  p.setBrush(g);
  p.drawRoundedRect(bodyRect, 0.6, 0.6);

  // Metal end caps with a little solder climbing up them.
  if (kind == Chip::Tantalum) {
    p.setBrush(QColor(0xb0, 0x86, 0x10));
    p.drawRect(oriented(-half, -half + term * 0.9, width * 0.55));  // anode stripe
    solder(p, oriented(-half - 1.2, -half + 0.6, width * 0.7));
    solder(p, oriented(half - 0.6, half + 1.2, width * 0.7));
  } else {
    solder(p, oriented(-half - 0.9, -half + term, width + 0.3));
    solder(p, oriented(half - term, half + 0.9, width + 0.3));
  }
  if (kind == Chip::Resistor) {
    p.setBrush(QColor(0x2c, 0x2c, 0x2f));
    p.drawRect(oriented(-half + term, half - term, width * 0.8));
    if (!marking.empty()) {
      p.save();
      p.translate(centre);
      if (vertical) p.rotate(90);
      strokeText(p, marking, QPointF(0, 0), std::min<qreal>(width * 0.5, 3.0), Align::Center,
                 QColor(0xe0, 0xe0, 0xdc), 0.15);
      p.restore();
    }
  }
}

// Four resistors in one package (pull resistors for a group of port lines).
void resistorArray(Canvas& c, QPointF centre) {
  QPainter& b = c.board;
  QPainter& p = c.parts;
  const QRectF body(centre.x() - 10, centre.y() - 5, 20, 10);
  for (int i = 0; i < 4; ++i) {
    const qreal x = centre.x() + (i - 1.5) * 5;
    for (int s : {-1, 1}) {
      goldPad(b, QRectF(x - 1.6, centre.y() + (s < 0 ? -8 : 3.5), 3.2, 4.5));
      solder(p, QRectF(x - 1.5, centre.y() + (s < 0 ? -6.8 : 4.0), 3.0, 2.8));
    }
  }
  c.castShadow(body.adjusted(0, -1, 0, 1), 2.5, 160);
  p.setPen(Qt::NoPen);
  p.setBrush(plasticGradient(body.adjusted(0, 1.5, 0, -1.5), QColor(0x22, 0x22, 0x24)));
  p.drawRect(body.adjusted(0, 1.5, 0, -1.5));
  strokeText(p, "103", centre, 3.0, Align::Center, QColor(0xe0, 0xe0, 0xdc), 0.15);
}

// SOT-23: one lead on top, two below.
void sot23(Canvas& c, QPointF centre, std::string_view marking) {
  QPainter& b = c.board;
  QPainter& p = c.parts;
  const QPointF leads[] = {{centre.x(), centre.y() - 1},
                           {centre.x() - 5, centre.y() + 1},
                           {centre.x() + 5, centre.y() + 1}};
  for (std::size_t i = 0; i < 3; ++i) {
    const qreal dir = i == 0 ? -1 : 1;
    const QPointF e = leads[i];
    goldPad(b, QRectF(e.x() - 2.2, e.y() + dir * 4.0 - 2.6, 4.4, 5.2));
    solder(p, QRectF(e.x() - 1.8, e.y() + dir * 4.8 - 1.4, 3.6, 2.8));
    p.setBrush(nickelGradient(e, e + QPointF(2, 3)));
    p.drawRect(QRectF(e.x() - 1.1, std::min(e.y(), e.y() + dir * 4.5), 2.2, 4.5));
  }
  const QRectF body(centre.x() - 7.5, centre.y() - 3.6, 15, 7.2);
  icBody(c, body, 3);
  strokeText(p, marking, centre, 2.6, Align::Center, kMarking, 0.15);
}

void sot223(Canvas& c, QPointF centre) {
  QPainter& b = c.board;
  QPainter& p = c.parts;
  // Tab on top, three leads at the bottom.
  goldPad(b, QRectF(centre.x() - 9, centre.y() - 20, 18, 10));
  const QRectF tab(centre.x() - 8, centre.y() - 18.5, 16, 8);
  solder(p, tab.adjusted(-0.8, -0.8, 0.8, 0.8));
  p.setBrush(nickelGradient(tab.topLeft(), tab.bottomRight()));
  p.drawRect(tab);
  for (int i = -1; i <= 1; ++i) {
    const qreal x = centre.x() + i * 12;
    goldPad(b, QRectF(x - 2.8, centre.y() + 8, 5.6, 10));
    solder(p, QRectF(x - 2.4, centre.y() + 12, 4.8, 5));
    p.setBrush(nickelGradient(QPointF(x - 2, centre.y()), QPointF(x + 2, centre.y() + 16)));
    p.drawRect(QRectF(x - 1.8, centre.y() + 8, 3.6, 7));
  }
  const QRectF body(centre.x() - 17, centre.y() - 11, 34, 20);
  icBody(c, body, 5);
  strokeText(p, "1117", centre + QPointF(0, -2.5), 4.0, Align::Center, kMarking, 0.14);
  strokeText(p, "3.3", centre + QPointF(0, 4.0), 3.4, Align::Center, kMarking.darker(125), 0.14);
}

void electrolytic(Canvas& c, QPointF centre, qreal r, std::string_view value) {
  QPainter& p = c.parts;
  QPainterPath disc;
  disc.addEllipse(centre, r, r);
  c.castShadow(disc, 18, 200);
  // Plastic sleeve, seen from above only as a rim around the can.
  QRadialGradient sleeve(centre - QPointF(r * 0.3, r * 0.3), r * 1.3);
  sleeve.setColorAt(0.0, QColor(0x35, 0x44, 0x78));
  sleeve.setColorAt(1.0, QColor(0x10, 0x16, 0x30));
  p.setPen(Qt::NoPen);
  p.setBrush(sleeve);
  p.drawEllipse(centre, r, r);
  // Minus stripe printed on the sleeve.
  p.setBrush(QColor(0xa8, 0xb0, 0xc4));
  p.drawPie(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 200 * 16, 50 * 16);
  p.setBrush(sleeve);
  p.drawEllipse(centre, r * 0.86, r * 0.86);
  // Aluminium top with the stamped safety vent.
  const qreal top = r * 0.78;
  QLinearGradient alu(centre - QPointF(top, top), centre + QPointF(top, top));
  alu.setColorAt(0.0, QColor(0xf4, 0xf5, 0xf6));
  alu.setColorAt(0.5, QColor(0xb8, 0xbb, 0xbf));
  alu.setColorAt(1.0, QColor(0x82, 0x86, 0x8c));
  p.setBrush(alu);
  p.drawEllipse(centre, top, top);
  p.setPen(QPen(QColor(0x6a, 0x6e, 0x74), 1.0, Qt::SolidLine, Qt::RoundCap));
  const qreal v = top * 0.55;
  p.drawLine(centre + QPointF(-v, 0), centre + QPointF(v, 0));
  p.drawLine(centre + QPointF(0, 0), centre + QPointF(v * 0.7, -v * 0.7));
  p.drawLine(centre + QPointF(0, 0), centre + QPointF(v * 0.7, v * 0.7));
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
  p.drawArc(QRectF(centre.x() - top + 1, centre.y() - top + 1, 2 * top - 2, 2 * top - 2), 100 * 16,
            70 * 16);
  p.setPen(Qt::NoPen);
  // Value printed on the sleeve, visible on the rim.
  p.save();
  p.translate(centre);
  p.rotate(-35);
  strokeText(p, value, QPointF(0, r * 0.93), 2.2, Align::Center, QColor(0xc8, 0xce, 0xe0), 0.14);
  p.restore();
}

void crystal(Canvas& c, QPointF centre) {
  QPainter& p = c.parts;
  const QRectF can(centre.x() - 22, centre.y() - 7.5, 44, 15);
  QPainterPath shape;
  shape.addRoundedRect(can, 7.5, 7.5);
  c.castShadow(shape, 10, 200);
  p.setPen(Qt::NoPen);
  p.setBrush(nickelGradient(can.topLeft(), can.bottomLeft()));
  p.drawPath(shape);
  // Flange seam around the base and the flat top.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x70, 0x74, 0x7a), 0.8));
  p.drawRoundedRect(can.adjusted(1.8, 1.8, -1.8, -1.8), 5.7, 5.7);
  p.setPen(QPen(QColor(255, 255, 255, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(can.left() + 7, can.top() + 3.4), QPointF(can.right() - 7, can.top() + 3.4));
  strokeText(p, "12.000", centre + QPointF(0, 1.5), 3.4, Align::Center, QColor(0x4a, 0x4e, 0x55),
             0.13);
}

// The lit LED throws a green glow onto the board around it.
void drawLedGlow(QPainter& b, QPointF centre) {
  b.save();
  b.setCompositionMode(QPainter::CompositionMode_Plus);
  QRadialGradient glow(centre, 30);
  glow.setColorAt(0.0, QColor(40, 140, 40, 120));
  glow.setColorAt(0.4, QColor(20, 90, 20, 50));
  glow.setColorAt(1.0, QColor(0, 0, 0, 0));
  b.setPen(Qt::NoPen);
  b.setBrush(glow);
  b.drawEllipse(centre, 30, 30);
  b.restore();
}

void led(Canvas& c, QPointF centre) {
  QPainter& p = c.parts;

  // 3 mm LED: flange with the flat cathode side, then the dome.
  QPainterPath flange;
  flange.addEllipse(centre, 7.8, 7.8);
  QPainterPath cut;
  cut.addRect(QRectF(centre.x() + 6.4, centre.y() - 9, 4, 18));
  flange = flange.subtracted(cut);
  c.castShadow(flange, 12, 150);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x5c, 0xc8, 0x5a, 235));
  p.drawPath(flange);
  QRadialGradient dome(centre + QPointF(-1.8, -1.8), 7.5);
  dome.setColorAt(0.0, QColor(0xf4, 0xff, 0xe8));
  dome.setColorAt(0.22, QColor(0xa8, 0xff, 0x8c));
  dome.setColorAt(0.6, QColor(0x48, 0xd8, 0x40));
  dome.setColorAt(1.0, QColor(0x1c, 0x80, 0x20));
  p.setBrush(dome);
  p.drawEllipse(centre, 6.3, 6.3);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(centre + QPointF(-2.4, -2.6), 1.5, 1.1);
}

// Upright USB type B socket at the board edge, so its opening faces the camera.
void usbB(Canvas& c, QPointF centre) {
  QPainter& b = c.board;
  QPainter& p = c.parts;
  // Shell retention legs soldered into slots on either side.
  for (int s : {-1, 1}) {
    const QRectF slot(centre.x() - 5, centre.y() + s * 33 - 3, 10, 6);
    goldPad(b, slot.adjusted(-2, -1, 2, 1), 2);
    solder(p, slot);
  }
  const QRectF shell(centre.x() - 35, centre.y() - 28, 70, 56);
  c.castShadow(shell, 24, 210);
  p.setPen(Qt::NoPen);
  p.setBrush(nickelGradient(shell.topLeft(), shell.bottomRight()));
  p.drawRoundedRect(shell, 3.5, 3.5);
  // Rolled rim around the top face.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 140), 1.2));
  p.drawRoundedRect(shell.adjusted(1.5, 1.5, -1.5, -1.5), 2.5, 2.5);
  p.setPen(QPen(QColor(0x5a, 0x5e, 0x64), 0.8));
  p.drawRoundedRect(shell.adjusted(3.2, 3.2, -3.2, -3.2), 2, 2);

  // The type B profile: square with the two upper corners bevelled.
  const qreal ow = 46, oh = 42, bevel = 9;
  const QPointF o = centre + QPointF(0, 1);
  QPolygonF opening;
  opening << QPointF(o.x() - ow / 2 + bevel, o.y() - oh / 2)
          << QPointF(o.x() + ow / 2 - bevel, o.y() - oh / 2)
          << QPointF(o.x() + ow / 2, o.y() - oh / 2 + bevel)
          << QPointF(o.x() + ow / 2, o.y() + oh / 2) << QPointF(o.x() - ow / 2, o.y() + oh / 2)
          << QPointF(o.x() - ow / 2, o.y() - oh / 2 + bevel);
  // Drawn lip: a lighter band around the opening where the sheet metal is bent inwards.
  QPolygonF lip;
  for (const QPointF& pt : opening) lip << o + (pt - o) * 1.12;
  p.setPen(Qt::NoPen);
  p.setBrush(nickelGradient(lip.boundingRect().bottomRight(), lip.boundingRect().topLeft()));
  p.drawPolygon(lip);
  QLinearGradient depth(QPointF(o.x(), o.y() - oh / 2), QPointF(o.x(), o.y() + oh / 2));
  depth.setColorAt(0.0, QColor(0x06, 0x06, 0x07));
  depth.setColorAt(1.0, QColor(0x22, 0x22, 0x25));
  p.setBrush(depth);
  p.drawPolygon(opening);
  // Spring fingers pressed into the shell walls.
  p.setBrush(QColor(0x8c, 0x90, 0x96));
  for (int s : {-1, 1}) {
    for (qreal x : {o.x() - 13, o.x() + 4})
      p.drawRoundedRect(QRectF(x, o.y() + s * (oh / 2 + 2.6) - 1.3, 9, 2.6), 1, 1);
  }

  // Contact tongue with two contacts on each face.
  const QRectF tongue(o.x() - 15, o.y() - 6, 30, 13);
  p.setBrush(plasticGradient(tongue, QColor(0xe4, 0xe0, 0xd4)));
  p.drawRoundedRect(tongue, 1.2, 1.2);
  for (int i : {-1, 1}) {
    const QRectF top(o.x() + i * 6 - 2.4, tongue.top() - 1.6, 4.8, 2.6);
    const QRectF bottom(o.x() + i * 6 - 2.4, tongue.bottom() - 1.0, 4.8, 2.6);
    p.setBrush(goldGradient(top));
    p.drawRect(top);
    p.setBrush(goldGradient(bottom));
    p.drawRect(bottom);
  }
}

void testPoint(Canvas& c, QPointF centre, std::string_view label) {
  QPainter& b = c.board;
  b.setPen(Qt::NoPen);
  b.setBrush(kMaskBare.darker(110));
  b.drawEllipse(centre, 5.5, 5.5);
  goldPad(b, QRectF(centre.x() - 4, centre.y() - 4, 8, 8), 4);
  b.setBrush(QColor(255, 250, 220, 120));
  b.drawEllipse(centre + QPointF(-1.2, -1.2), 1.4, 1.2);
  strokeText(b, label, centre + QPointF(8, 0), 4.5, Align::Left, kSilk);
}

void fiducial(QPainter& b, QPointF centre) {
  b.setPen(Qt::NoPen);
  b.setBrush(kMaskBare.darker(118));
  b.drawEllipse(centre, 5, 5);
  goldPad(b, QRectF(centre.x() - 2, centre.y() - 2, 4, 4), 2);
}

// ---------------------------------------------------------------------------------------------
// Layout. The coordinates of the jumper row, the USB socket, the LED and the two 50-pin
// headers are fixed by the highlight rectangles the program uses; keep them in step.

constexpr QPointF kUsbCentre(54, 240);
constexpr QPointF kLedCentre(50, 122);
constexpr QRectF kTopHeader(147, 21, 370, 70);      // centre (332, 56)
constexpr QRectF kBottomHeader(147, 499, 370, 40);  // centre (332, 519)
constexpr qreal kHeaderPitch = 13.2;
constexpr qreal kJumperY = 176;
constexpr qreal kJumperX0 = 210;
constexpr qreal kJumperStep = 64;
constexpr int kJumpers = 6;

constexpr QPointF kU1(190, 318);
constexpr QPointF kU2(318, 352);
constexpr QPointF kU3(458, 300);
constexpr QPointF kU4(458, 386);
constexpr qreal kSeriesX0 = 405;  // series resistors between the lower driver and P2
constexpr qreal kSeriesStep = 12;

qreal headerPinX(int col) {
  return 332 + (col - 12) * kHeaderPitch;
}

// Pad positions of the gull-wing packages, so that traces end on real pins.
qreal qfpPin(qreal centre, qreal bodySize, int pinsPerSide, int i) {
  return centre + (i - (pinsPerSide - 1) / 2.0) * bodySize * 0.8 / pinsPerSide;
}
qreal soicPin(qreal centre, int i) {
  return centre + (i - 4.5) * 6.6;
}

constexpr qreal kU1Body = 46;
constexpr qreal kU2Body = 60;

void planCopper() {
  // Port lines from the top header run down between the jumpers to vias.
  std::vector<qreal> lanes;
  for (int gap = 0; gap < kJumpers - 1; ++gap)
    for (int k = -1; k <= 1; ++k)
      lanes.push_back(kJumperX0 + kJumperStep * gap + kJumperStep / 2 + k * 6.0);
  for (std::size_t i = 0; i < lanes.size(); ++i) {
    const int col = static_cast<int>(std::lround(i * 24.0 / (lanes.size() - 1)));
    const QPointF from(headerPinX(col), kTopHeader.bottom() - 4);
    const QPointF to(lanes[i], 206 + (i % 3) * 7);
    addTrace(routeV(from, to, 98));
    gVias.push_back(to);
  }
  // Jumper centre pins go to the pull resistor arrays; the outer pins drop to the supply
  // planes on the other side.
  for (int j = 0; j < kJumpers; ++j) {
    const qreal x = kJumperX0 + kJumperStep * j;
    addTrace({{x, kJumperY}, {x, 198}, {x - 7.5, 205.5}, {x - 7.5, 228}});
    addTrace({{x - 13.2, kJumperY}, {x - 13.2, 160}});
    gVias.push_back({x - 13.2, 160});
    addTrace({{x + 13.2, kJumperY}, {x + 13.2, 195}});
    gVias.push_back({x + 13.2, 195});
  }

  // USB data pair to the interface chip.
  const qreal u1Left = kU1.x() - kU1Body / 2 - 7;
  const qreal dm = qfpPin(kU1.y(), kU1Body, 12, 3), dp = qfpPin(kU1.y(), kU1Body, 12, 5);
  addTrace({{88, 237}, {126, 237}, {140, 251}, {140, dm - (u1Left - 140)}, {u1Left, dm}}, 1.6);
  addTrace({{88, 243}, {126, 243}, {134, 251}, {134, dp - (u1Left - 134)}, {u1Left, dp}}, 1.6);
  // VBUS through the fuse to the regulator, and the ground return.
  addTrace({{70, 262}, {70, 292}, {76, 292}}, 4.0);
  addTrace({{92, 292}, {104, 292}, {104, 418}, {96, 426}, {70, 426}, {70, 420}}, 4.0);
  addTrace({{38, 262}, {38, 284}, {34, 288}}, 4.0);

  // LED and its series resistor.
  addTrace({{kLedCentre.x(), 128}, {kLedCentre.x(), 150}, {75, 150}}, 1.6);
  addTrace({{89, 150}, {130, 150}, {138, 142}}, 1.6);
  gVias.push_back({138, 142});

  // Interface chip to the port controller.
  const qreal u1Right = kU1.x() + kU1Body / 2 + 7;
  const qreal u2Left = kU2.x() - kU2Body / 2 - 7;
  for (int i = 0; i < 6; ++i)
    addTrace(routeH({u1Right, qfpPin(kU1.y(), kU1Body, 12, 1 + 2 * i)},
                    {u2Left, qfpPin(kU2.y(), kU2Body, 16, 2 + 2 * i)}, 236),
             1.4);
  // Crystal to the interface chip.
  const qreal u1Bottom = kU1.y() + kU1Body / 2 + 7;
  for (int s : {-1, 1}) {
    const qreal pin = qfpPin(kU1.x(), kU1Body, 12, s < 0 ? 3 : 8);
    const qreal lead = kU1.x() + s * 12.7;
    addTrace({{lead, 400}, {lead, 372}, {pin, 372 - std::abs(lead - pin)}, {pin, u1Bottom}}, 1.4);
  }
  // Port controller up to vias near the pull arrays and down to the bottom header.
  const qreal u2Top = kU2.y() - kU2Body / 2 - 7;
  const qreal u2Bottom = kU2.y() + kU2Body / 2 + 7;
  for (int i = 0; i < 6; ++i) {
    const QPointF via(285 + 12 * i, 266 - (i % 2) * 8);
    addTrace(routeV({qfpPin(kU2.x(), kU2Body, 16, 1 + 2 * i), u2Top}, via, 300));
    gVias.push_back(via);
  }
  for (int i = 0; i < 8; ++i)
    addTrace(routeV({qfpPin(kU2.x(), kU2Body, 16, 1 + 2 * i), u2Bottom},
                    {headerPinX(4 + i), kBottomHeader.top() + 6}, 396),
             1.4);
  // Port controller to the upper line driver, which passes on to the lower one.
  const qreal u2Right = kU2.x() + kU2Body / 2 + 7;
  const qreal u3Bottom = kU3.y() + 10 + 8.5;
  const qreal u3Top = kU3.y() - 10 - 8.5;
  const qreal u4Top = kU4.y() - 10 - 8.5;
  const qreal u4Bottom = kU4.y() + 10 + 8.5;
  for (int i = 0; i < 5; ++i) {
    const qreal y = qfpPin(kU2.y(), kU2Body, 16, 2 * i);
    const qreal x = soicPin(kU3.x(), i);
    addTrace({{u2Right, y}, {x - 6, y}, {x, y - 6}, {x, u3Bottom}}, 1.4);
  }
  for (int i = 5; i < 10; ++i)
    addTrace({{soicPin(kU3.x(), i), u3Bottom - 2}, {soicPin(kU4.x(), i), u4Top + 2}}, 1.4);
  for (int i = 0; i < 6; ++i) {
    const QPointF via(soicPin(kU3.x(), i + 2), 262 - (i % 2) * 8);
    addTrace({{via.x(), u3Top + 2}, via}, 1.4);
    gVias.push_back(via);
  }
  // Lower line driver through the series resistors to the bottom header.
  for (int i = 0; i < 8; ++i) {
    const qreal rx = kSeriesX0 + i * kSeriesStep;
    addTrace(routeV({soicPin(kU4.x(), i + 1), u4Bottom - 2}, {rx, 446}, 408), 1.4);
    addTrace(routeV({rx, 456}, {headerPinX(15 + i), kBottomHeader.top() + 6}, 460), 1.4);
  }
}

void drawSilkscreen(QPainter& s) {
  const QColor& w = kSilk;
  // Title block in the clear upper-left corner.
  strokeText(s, "QX-8840", {16, 52}, 13, Align::Left, w, 0.15);
  strokeText(s, "USB DIO", {17, 72}, 8.5, Align::Left, w, 0.16);
  strokeText(s, "REV B", {17, 88}, 5.5, Align::Left, w, 0.16);

  // LED.
  strokeText(s, "PWR", {64, 122}, 6, Align::Left, w);
  s.setPen(QPen(w, 0.9));
  s.setBrush(Qt::NoBrush);
  s.drawArc(QRectF(kLedCentre.x() - 10, kLedCentre.y() - 10, 20, 20), 40 * 16, 280 * 16);
  strokeText(s, "D1", {30, 106}, 5, Align::Center, w);

  // USB socket.
  strokeText(s, "J1", {100, 206}, 5.5, Align::Center, w);

  // Pull jumpers.
  for (int j = 0; j < kJumpers; ++j) {
    const qreal x = kJumperX0 + kJumperStep * j;
    const char name[] = {'X', static_cast<char>('1' + j), '\0'};
    strokeText(s, name, {x, 151}, 7, Align::Center, w);
    s.setPen(QPen(w, 0.9));
    s.setBrush(Qt::NoBrush);
    s.drawRect(QRectF(x - 22.5, kJumperY - 9.5, 45, 19));
    s.setPen(Qt::NoPen);
    s.setBrush(w);
    s.drawEllipse(QPointF(x - 24.8, kJumperY + 7), 1.1, 1.1);  // pin-1 dot
  }
  strokeText(s, "+5V", {165, kJumperY}, 6.5, Align::Center, w);
  strokeText(s, "GND", {570, kJumperY}, 6.5, Align::Center, w);

  // 50-pin port headers.
  strokeText(s, "P1", {130, 56}, 8, Align::Center, w);
  strokeText(s, "P2", {130, 519}, 8, Align::Center, w);
  strokeText(s, "1", {kTopHeader.left() + 4, kTopHeader.bottom() + 6}, 5, Align::Center, w);
  strokeText(s, "49", {kTopHeader.left() + 6, kTopHeader.top() - 4.5}, 4.5, Align::Center, w);
  strokeText(s, "50", {kTopHeader.right() - 6, kTopHeader.top() - 4.5}, 4.5, Align::Center, w);
  strokeText(s, "1", {kBottomHeader.left() - 5, kBottomHeader.bottom() - 4}, 5, Align::Center, w);
  s.setPen(QPen(w, 1.0));
  s.setBrush(Qt::NoBrush);
  s.drawRect(kTopHeader.adjusted(-2.5, -2.5, 2.5, 2.5));
  s.drawRect(kBottomHeader.adjusted(-2.5, -2.5, 2.5, 2.5));
  QPolygonF tri;
  tri << QPointF(kBottomHeader.left() + 4, kBottomHeader.top() - 4)
      << QPointF(kBottomHeader.left() + 10, kBottomHeader.top() - 4)
      << QPointF(kBottomHeader.left() + 7, kBottomHeader.top() - 8.5);
  s.setBrush(w);
  s.setPen(Qt::NoPen);
  s.drawPolygon(tri);

  // Part references.
  strokeText(s, "U1", {kU1.x(), kU1.y() - 42}, 6, Align::Center, w);
  strokeText(s, "U2", {kU2.x(), kU2.y() - 48}, 6, Align::Center, w);
  strokeText(s, "U3", {kU3.x() + 44, kU3.y()}, 6, Align::Left, w);
  strokeText(s, "U4", {kU4.x() + 44, kU4.y()}, 6, Align::Left, w);
  strokeText(s, "Y1", {kU1.x(), 418}, 5.5, Align::Center, w);
  strokeText(s, "C1", {88, 326}, 5.5, Align::Center, w);
  strokeText(s, "U5", {58, 436}, 5.5, Align::Center, w);
  strokeText(s, "F1", {84, 302}, 5, Align::Center, w);
  strokeText(s, "L1", {34, 302}, 5, Align::Center, w);
  for (int j = 0; j < kJumpers; ++j) {
    const char name[] = {'R', 'N', static_cast<char>('1' + j), '\0'};
    strokeText(s, name, {kJumperX0 + kJumperStep * j, 246}, 4.5, Align::Center, w);
  }
  strokeText(s, "R10-R17", {kSeriesX0 + 3.5 * kSeriesStep, 474}, 4.5, Align::Center, w);

  // Electrolytic outline with its polarity mark.
  s.setPen(QPen(w, 1.0));
  s.setBrush(Qt::NoBrush);
  s.drawEllipse(QPointF(58, 340), 19, 19);
  strokeText(s, "+", {37, 322}, 5, Align::Center, w);

  strokeText(s, "D2", {152, 212}, 4.5, Align::Center, w);
  strokeText(s, "Q1", {540, 348}, 4.5, Align::Center, w);
  strokeText(s, "LF 94V-0", {548, 446}, 4.2, Align::Center, w);
  strokeText(s, "2417", {548, 456}, 4.2, Align::Center, w);
}

void placeParts(Canvas& c) {
  const QColor capBlue(0x1f, 0x3a, 0x8e);

  boxHeader(c, kTopHeader, 25, kHeaderPitch, 6.6, 14, 17, false);
  boxHeader(c, kBottomHeader, 25, kHeaderPitch, 6.6, 14, 6, true);

  for (int j = 0; j < kJumpers; ++j)
    jumper(c, QPointF(kJumperX0 + kJumperStep * j, kJumperY), true, capBlue);

  usbB(c, kUsbCentre);
  led(c, kLedCentre);
  chipPart(c, {82, 150}, 10, 6, false, Chip::Resistor, "331");

  for (int j = 0; j < kJumpers; ++j) resistorArray(c, {kJumperX0 + kJumperStep * j, 234});

  qfp(c, kU1, kU1Body, 12, "QX2201", "2417");
  crystal(c, {kU1.x(), 400});
  chipPart(c, {kU1.x() - 34, 400}, 8, 4.5, true, Chip::Capacitor);
  chipPart(c, {kU1.x() + 34, 400}, 8, 4.5, true, Chip::Capacitor);
  chipPart(c, {kU1.x() + 34, kU1.y() - 40}, 8, 4.5, false, Chip::Capacitor);

  qfp(c, kU2, kU2Body, 16, "QX4420", "2421 A");
  chipPart(c, {kU2.x() - 46, kU2.y() + 44}, 8, 4.5, false, Chip::Capacitor);
  chipPart(c, {kU2.x() + 46, kU2.y() - 44}, 8, 4.5, false, Chip::Capacitor);

  soic(c, kU3, 10, "74HC245", "K2318");
  soic(c, kU4, 10, "74HC245", "K2318");
  chipPart(c, {kU3.x() + 52, kU3.y() - 18}, 8, 4.5, true, Chip::Capacitor);
  chipPart(c, {kU4.x() + 52, kU4.y() - 18}, 8, 4.5, true, Chip::Capacitor);
  for (int i = 0; i < 8; ++i)
    chipPart(c, {kSeriesX0 + i * kSeriesStep, 451}, 10, 5.5, true, Chip::Resistor, "330");

  // Power section under the USB socket.
  chipPart(c, {84, 292}, 16, 8, false, Chip::Fuse);
  chipPart(c, {34, 292}, 10, 6, false, Chip::Ferrite);
  electrolytic(c, {58, 340}, 17, "100UF");
  sot223(c, {58, 405});
  chipPart(c, {30, 450}, 14, 8, true, Chip::Tantalum);
  chipPart(c, {86, 450}, 10, 6, true, Chip::Capacitor);
  chipPart(c, {58, 470}, 10, 6, false, Chip::Resistor, "102");

  // USB line protection next to the socket.
  sot23(c, {152, 224}, "P6");
  // Port controller reset and the supervisor's transistor.
  sot23(c, {540, 360}, "1AM");
  chipPart(c, {526, 384}, 8, 4.5, true, Chip::Resistor, "472");
  chipPart(c, {554, 384}, 8, 4.5, true, Chip::Capacitor);
  chipPart(c, {kU1.x() - 34, kU1.y() + 40}, 8, 4.5, false, Chip::Capacitor);
  chipPart(c, {kU1.x() - 40, kU1.y() - 40}, 8, 4.5, true, Chip::Resistor, "222");
  chipPart(c, {kU2.x() + 46, kU2.y() + 44}, 8, 4.5, false, Chip::Capacitor);
  chipPart(c, {kU2.x() - 46, kU2.y() - 44}, 8, 4.5, true, Chip::Capacitor);

  testPoint(c, {548, 250}, "TP1");
  testPoint(c, {548, 272}, "TP2");
  testPoint(c, {548, 294}, "TP3");
  fiducial(c.board, {110, 478});
  fiducial(c.board, {560, 410});
}

// ---------------------------------------------------------------------------------------------
// Image post-processing

void boxBlurAlpha(QImage& img, int radius) {
  const int w = img.width(), h = img.height();
  std::vector<int> line(std::max(w, h));
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y) {
      uchar* row = img.scanLine(y);
      for (int x = 0; x < w; ++x) line[x] = row[x];
      int sum = 0;
      for (int x = -radius; x <= radius; ++x) sum += line[std::clamp(x, 0, w - 1)];
      for (int x = 0; x < w; ++x) {
        row[x] = static_cast<uchar>(sum / (2 * radius + 1));
        sum += line[std::min(x + radius + 1, w - 1)] - line[std::max(x - radius, 0)];
      }
    }
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y < h; ++y) line[y] = img.scanLine(y)[x];
      int sum = 0;
      for (int y = -radius; y <= radius; ++y) sum += line[std::clamp(y, 0, h - 1)];
      for (int y = 0; y < h; ++y) {
        img.scanLine(y)[x] = static_cast<uchar>(sum / (2 * radius + 1));
        sum += line[std::min(y + radius + 1, h - 1)] - line[std::max(y - radius, 0)];
      }
    }
  }
}

// Smooth value noise, used for the uneven sheen of the solder mask.
class ValueNoise {
 public:
  ValueNoise(Rng& rng, int cell, int w, int h)
      : cell_(cell), cols_(w / cell + 2), rows_(h / cell + 2), v_(cols_ * rows_) {
    for (auto& x : v_) x = rng.uniform(-1.0, 1.0);
  }
  double at(double x, double y) const {
    const double fx = x / cell_, fy = y / cell_;
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = smooth(fx - ix), ty = smooth(fy - iy);
    auto v = [&](int cx, int cy) { return v_[cy * cols_ + cx]; };
    const double top = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * tx;
    const double bottom = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
  }

 private:
  static double smooth(double t) { return t * t * (3 - 2 * t); }
  int cell_, cols_, rows_;
  std::vector<double> v_;
};

uchar clampByte(double v) {
  return static_cast<uchar>(std::clamp(std::lround(v), 0L, 255L));
}

QImage renderBoard() {
  Rng rng(0x8840u);
  const QSize big(kWidth * kSuper, kHeight * kSuper);
  QImage board(big, QImage::Format_ARGB32_Premultiplied);
  QImage pads(big, QImage::Format_ARGB32_Premultiplied);
  QImage parts(big, QImage::Format_ARGB32_Premultiplied);
  QImage shadow(big, QImage::Format_Alpha8);
  pads.fill(Qt::transparent);
  parts.fill(Qt::transparent);
  shadow.fill(0);

  planCopper();
  {
    // Parts first: placing them records the pads the copper has to make room for.
    QPainter pd(&pads), pp(&parts), ps(&shadow);
    for (QPainter* p : {&pd, &pp, &ps}) {
      p->setRenderHint(QPainter::Antialiasing);
      p->scale(kSuper, kSuper);
    }
    Canvas c{pd, pp, ps};
    placeParts(c);
  }
  {
    QPainter pb(&board);
    pb.setRenderHint(QPainter::Antialiasing);
    pb.scale(kSuper, kSuper);
    drawBackground(pb);
    drawPcb(pb);
    drawSilkscreen(pb);
    drawLedGlow(pb, kLedCentre);
    drawSheen(pb);
    pb.resetTransform();
    pb.drawImage(0, 0, pads);
  }

  boxBlurAlpha(shadow, 3 * kSuper / 2 + 1);

  // Shadows darken the board; the parts go on top.
  for (int y = 0; y < big.height(); ++y) {
    auto* dst = reinterpret_cast<QRgb*>(board.scanLine(y));
    const uchar* sh = shadow.constScanLine(y);
    for (int x = 0; x < big.width(); ++x) {
      const double k = 1.0 - 0.62 * sh[x] / 255.0;
      const QRgb c = dst[x];
      dst[x] = qRgb(qRed(c) * k, qGreen(c) * k, qBlue(c) * k);
    }
  }
  {
    QPainter p(&board);
    p.drawImage(0, 0, parts);
  }

  QImage photo = board.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_RGB888);

  // Uneven lighting, lens vignetting and sensor noise.
  // The warm cast is the tungsten-ish light of a desk lamp.
  ValueNoise mottle(rng, 40, kWidth, kHeight);
  ValueNoise orangePeel(rng, 5, kWidth, kHeight);
  constexpr double kWarmth[3] = {1.02, 1.0, 0.97};
  for (int y = 0; y < kHeight; ++y) {
    uchar* row = photo.scanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      const double nx = (x - kWidth * 0.42) / kWidth, ny = (y - kHeight * 0.40) / kHeight;
      const double light = 1.08 - 0.10 * (x + y) / double(kWidth + kHeight) -
                           0.30 * (nx * nx + ny * ny) + 0.03 * mottle.at(x, y) +
                           0.012 * orangePeel.at(x, y);
      const double grain = rng.gauss() * 2.2;
      for (int ch = 0; ch < 3; ++ch) {
        const double v = row[3 * x + ch] * light * kWarmth[ch] + grain + rng.gauss() * 0.9;
        row[3 * x + ch] = clampByte(v);
      }
    }
  }
  return photo;
}

// ---------------------------------------------------------------------------------------------
// JPEG output through libjpeg: progressive, full-resolution chroma, JFIF.

struct JpegErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void jpegErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

struct JpegBuffer {
  unsigned char* data = nullptr;
  unsigned long size = 0;
  ~JpegBuffer() { std::free(data); }
};

// Kept free of C++ objects with destructors between setjmp and any longjmp back to it.
bool compressJpeg(const QImage& rgb, int quality, JpegBuffer& out, std::string& error) {
  jpeg_compress_struct cinfo;
  JpegErrorManager jerr;
  cinfo.err = jpeg_std_error(&jerr.pub);
  jerr.pub.error_exit = jpegErrorExit;
  jerr.message[0] = '\0';
  if (setjmp(jerr.jump)) {
    jpeg_destroy_compress(&cinfo);
    error = jerr.message;
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &out.data, &out.size);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, JCS_YCbCr);
  cinfo.write_JFIF_header = TRUE;
  cinfo.density_unit = 1;  // dots per inch
  cinfo.X_density = 96;
  cinfo.Y_density = 96;
  jpeg_set_quality(&cinfo, quality, TRUE);
  // Thin coloured detail (silkscreen, gold pins on black) smears with subsampled chroma.
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = 1;
    cinfo.comp_info[i].v_samp_factor = 1;
  }
  cinfo.optimize_coding = TRUE;
  jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

bool writeFile(const std::string& path, const void* data, std::size_t size) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  f.close();
  if (!f) std::cerr << "makeassets: cannot write " << path << '\n';
  return static_cast<bool>(f);
}

bool writeJpeg(const QImage& image, const std::string& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  JpegBuffer buffer;
  std::string error;
  if (!compressJpeg(rgb, 90, buffer, error)) {
    std::cerr << "makeassets: JPEG encoding failed: " << error << '\n';
    return false;
  }
  return writeFile(path, buffer.data, buffer.size);
}

// ---------------------------------------------------------------------------------------------
// Icon: 32 x 32, 4 bits per pixel, written as a classic ICO with a BITMAPINFOHEADER DIB.

constexpr int kIconSize = 32;

// The classic 16-colour palette: every system that shows 4-bit icons renders these faithfully.
constexpr QRgb kIconPalette[16] = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};
enum IconColour : std::uint8_t {
  kBlack = 0,
  kDarkGreen = 2,
  kOlive = 3,
  kSilver = 7,
  kGrey = 8,
  kGreen = 10,
  kYellow = 11,
  kWhite = 15,
};

struct IconPixels {
  std::uint8_t index[kIconSize][kIconSize]{};
  bool opaque[kIconSize][kIconSize]{};
  void fill(int x0, int y0, int x1, int y1, std::uint8_t colour) {  // inclusive corners
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        index[y][x] = colour;
        opaque[y][x] = true;
      }
  }
  void set(int x, int y, std::uint8_t colour) { fill(x, y, x, y, colour); }
};

IconPixels drawIcon() {
  IconPixels px;
  // Board with a dark outline and cut corners, seen square-on: reads best at this size.
  px.fill(2, 4, 29, 27, kBlack);
  px.fill(3, 5, 28, 26, kDarkGreen);
  for (auto [x, y] : {std::pair{2, 4}, {29, 4}, {2, 27}, {29, 27}}) px.opaque[y][x] = false;
  // Lit upper edge of the board.
  px.fill(3, 5, 28, 5, kGreen);
  px.fill(3, 5, 3, 26, kGreen);
  // Mounting holes.
  for (auto [x, y] : {std::pair{5, 7}, {26, 7}, {5, 24}, {26, 24}}) px.set(x, y, kYellow);
  // Traces from the connector to a chip in the middle.
  for (int x : {12, 16, 20})
    for (int y = 11; y <= 12; ++y) px.set(x, y, kGreen);
  px.fill(11, 14, 21, 16, kBlack);
  for (int x = 12; x <= 20; x += 2) {  // leads
    px.set(x, 13, kSilver);
    px.set(x, 17, kSilver);
  }
  // Gold two-row connector along the top.
  px.fill(8, 6, 23, 10, kBlack);
  for (int x = 9; x <= 22; x += 2) {
    px.set(x, 7, kYellow);
    px.set(x, 9, kOlive);
  }
  px.fill(14, 10, 17, 10, kGrey);  // key notch
  // Three-pin jumper: black header, two pins bridged by a yellow cap, one bare pin.
  px.fill(9, 19, 22, 24, kBlack);
  px.fill(10, 20, 17, 23, kYellow);
  px.fill(10, 23, 17, 23, kOlive);
  px.fill(12, 21, 15, 21, kWhite);
  px.fill(19, 21, 20, 22, kYellow);
  px.set(20, 22, kOlive);
  px.set(19, 21, kWhite);
  // Silver USB socket at the left edge.
  px.fill(0, 12, 5, 19, kGrey);
  px.fill(0, 12, 5, 12, kSilver);
  px.fill(1, 14, 3, 17, kBlack);
  return px;
}

void put16(std::vector<std::uint8_t>& v, unsigned x) {
  v.push_back(x & 0xff);
  v.push_back((x >> 8) & 0xff);
}
void put32(std::vector<std::uint8_t>& v, unsigned x) {
  put16(v, x & 0xffff);
  put16(v, x >> 16);
}

std::vector<std::uint8_t> encodeIcon(const IconPixels& px) {
  constexpr int xorStride = (kIconSize * 4 / 8 + 3) / 4 * 4;  // 4 bpp rows, 32-bit aligned
  constexpr int andStride = (kIconSize / 8 + 3) / 4 * 4;      // 1 bpp rows, 32-bit aligned
  constexpr unsigned dibSize = 40 + 16 * 4 + xorStride * kIconSize + andStride * kIconSize;

  std::vector<std::uint8_t> v;
  // ICONDIR
  put16(v, 0);
  put16(v, 1);  // type: icon
  put16(v, 1);  // one image
  // ICONDIRENTRY
  v.push_back(kIconSize);
  v.push_back(kIconSize);
  v.push_back(16);  // palette entries
  v.push_back(0);
  put16(v, 1);  // planes
  put16(v, 4);  // bits per pixel
  put32(v, dibSize);
  put32(v, 6 + 16);  // image data follows the directory
  // BITMAPINFOHEADER; the height counts the XOR and the AND bitmaps together.
  put32(v, 40);
  put32(v, kIconSize);
  put32(v, 2 * kIconSize);
  put16(v, 1);
  put16(v, 4);
  put32(v, 0);  // BI_RGB
  put32(v, xorStride * kIconSize + andStride * kIconSize);
  put32(v, 0);
  put32(v, 0);
  put32(v, 16);
  put32(v, 0);
  for (QRgb c : kIconPalette) {  // RGBQUAD is blue, green, red, reserved
    v.push_back(qBlue(c));
    v.push_back(qGreen(c));
    v.push_back(qRed(c));
    v.push_back(0);
  }
  // Both bitmaps are stored bottom row first. Transparent pixels are black in the XOR
  // bitmap so that the mask alone decides what shows.
  for (int y = kIconSize - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(xorStride, 0);
    for (int x = 0; x < kIconSize; ++x) {
      const std::uint8_t i = px.opaque[y][x] ? px.index[y][x] : std::uint8_t{kBlack};
      row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(i << 4) : i;
    }
    v.insert(v.end(), row.begin(), row.end());
  }
  for (int y = kIconSize - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(andStride, 0);
    for (int x = 0; x < kIconSize; ++x)
      if (!px.opaque[y][x]) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    v.insert(v.end(), row.begin(), row.end());
  }
  return v;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: makeassets [outdir]\n";
    return 2;
  }
  std::string dir = argc == 2 ? argv[1] : ".";
  if (!dir.empty() && dir.back() != '/') dir += '/';

  const QImage photo = renderBoard();
  if (!writeJpeg(photo, dir + "board.jpg")) return 1;

  const std::vector<std::uint8_t> icon = encodeIcon(drawIcon());
  if (!writeFile(dir + "settings.ico", icon.data(), icon.size())) return 1;
  return 0;
}
