#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <vector>

// The store of every card picture the game shows: 52 faces, 12 backs and the
// markers ImJoker, impusto and Imkrest, plus the pointing-hand cursor "RUKA".
// Created once at start-up and never changed; table cards receive copies, so
// nothing painted on the table reaches the store. All pictures are 71 x 96
// logical pixels, opaque, rendered at the device pixel ratio given here.
class TBankForm {
public:
    static constexpr int kWidth = 71;
    static constexpr int kHeight = 96;
    static constexpr int kBackCount = 12;

    explicit TBankForm(qreal devicePixelRatio = 1.0);

    qreal devicePixelRatio() const { return ratio; }

    // Face "Imcard" + suit digit (1 hearts, 2 diamonds, 3 clubs, 4 spades)
    // + face number rank + 1; rank code 1 is the Two, 12 the King, 13 the Ace.
    const QImage& imageOfMD(int suit, int rank) const;
    // Back design "ImRub" + n, n = 1..12.
    const QImage& back(int n) const;
    const QImage& ImJoker() const { return pictures[kJoker]; }
    const QImage& impusto() const { return pictures[kPusto]; }
    const QImage& Imkrest() const { return pictures[kKrest]; }

    // Any store picture by its name ("Imcard12", "ImRub3", "impusto", ...);
    // an unknown name gives ImJoker.
    const QImage& picture(const QString& name) const;
    // The 67 names in store order: faces by suit and face number, backs, markers.
    static QStringList pictureNames();

    // The pointing-hand cursor "RUKA", 32 x 32 logical, hot spot on the finger tip.
    QImage rukaImage() const;
    static QPoint rukaHotSpot() { return {10, 6}; }

    // The program icon, a golden pyramid behind a playing card: one square
    // picture of `size` device pixels, or an icon holding the usual sizes.
    static QImage programIconImage(int size);
    static QIcon programIcon();

    // Faces are painted on their first use, so the empty table (which needs
    // only the markers) appears at once; the main window calls this right
    // after its first paint, with the back of the chosen deck, so no click
    // ever waits for the art. A back is painted when first asked for: the
    // table shows one, and the other eleven only ever appear in the chooser.
    void paintCards() const;

private:
    static constexpr int kFaces = 52;
    static constexpr int kJoker = kFaces + kBackCount;
    static constexpr int kPusto = kJoker + 1;
    static constexpr int kKrest = kJoker + 2;

    qreal ratio;
    // Faces 0..51, backs 52..63, markers 64..66; sized once, so references
    // handed out stay valid when the faces and backs are filled in.
    mutable std::vector<QImage> pictures;
    mutable bool facesPainted = false;
};

// The table's green: the playing panel, the markers' ground and every card
// corner that lies on the bare table.
inline const QColor kTableColour(0, 128, 0);

// The one store of the run, created second at start-up.
extern TBankForm* BankForm;
