// A drawing of the companion (logic/drawing.h) painted with QPainter: vector
// shapes and text at whatever size the widget has, keeping the drawing's
// proportions, so that it is sharp at every scale factor. Assistive
// technologies meet it as a graphic named by its caption and described by the
// drawing's text alternative.
#pragma once

#include <QRectF>
#include <QWidget>

#include "logic/drawing.h"

class QPainter;

namespace ritmolis {

// Paints the drawing into `target` (in the painter's coordinates), keeping its
// proportions, centred across and at the top: on a widget, a printer, a PDF.
void PaintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target);

class DrawingView : public QWidget {
    Q_OBJECT

public:
    DrawingView(const char* caption, QWidget* parent);
    void SetDrawing(Drawing drawing);
    [[nodiscard]] const Drawing& drawing() const { return drawing_; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint() / 2; }
    [[nodiscard]] bool hasHeightForWidth() const override { return true; }
    [[nodiscard]] int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing drawing_;
};

}  // namespace ritmolis
