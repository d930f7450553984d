#pragma once

#include <QImage>

class ArtKit;
class QPainter;

// A card face: suit 1..4 (hearts, diamonds, clubs, spades), face number 2..10
// for pip cards, 11 Jack, 12 Queen, 13 King, 14 Ace.
QImage paintFacePicture(const ArtKit& art, int suit, int face);

// The court picture (face 11..13) inside its frame; drawn by CourtArt.cpp.
void paintCourtFigure(QPainter& p, const ArtKit& art, int suit, int face);
