// Positions and sizes of the window are given in twips (1/1440 inch) and turned into pixels at
// the screen's logical resolution, so the layout keeps its proportions at any screen scaling.
#pragma once

#include <QRect>
#include <QWidget>
#include <QtMath>

#include <vector>

namespace korvant::ui {

inline int TwipsToPixels(int twips, qreal logicalDpi)
{
    return qRound(twips * logicalDpi / 1440.0);
}

// Controls at fixed places in twips within their parents. Those that follow the rows move down
// together when the rows are lowered.
class TwipsPlacement
{
public:
    void place(QWidget* widget, QRect twips, bool followsRows = false)
    {
        placed_.push_back({ widget, twips, followsRows });
    }

    // Sets every control's geometry at the resolution of `screen`; the rows that follow move
    // down by rowShiftTwips.
    void apply(const QWidget& screen, int rowShiftTwips) const
    {
        const qreal dpiX = screen.logicalDpiX();
        const qreal dpiY = screen.logicalDpiY();
        const int shift = TwipsToPixels(rowShiftTwips, dpiY);
        for (const Placed& item : placed_) {
            const QRect& r = item.twips;
            item.widget->setGeometry(TwipsToPixels(r.x(), dpiX),
                TwipsToPixels(r.y(), dpiY) + (item.followsRows ? shift : 0),
                TwipsToPixels(r.width(), dpiX), TwipsToPixels(r.height(), dpiY));
        }
    }

private:
    struct Placed
    {
        QWidget* widget;
        QRect twips;
        bool followsRows;
    };
    std::vector<Placed> placed_;
};

} // namespace korvant::ui
