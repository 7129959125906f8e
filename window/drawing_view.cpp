#include "window/drawing_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <utility>

namespace ritmolis {
namespace {

QAccessibleInterface* GraphicFactory(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String(DrawingView::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

QPointF At(const Point& point) { return {point.x, point.y}; }

void Paint(QPainter& painter, const Shape& shape) {
    QPen pen(Qt::black, shape.size, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (shape.kind) {
    case Shape::Kind::Lines: {
        if (shape.dashed) pen.setDashPattern({4 / shape.size, 3 / shape.size});  // as SVG's "4 3"
        painter.setPen(pen);
        QPolygonF points;
        for (const Point& point : shape.points) points << At(point);
        painter.drawPolyline(points);
        break;
    }
    case Shape::Kind::Rectangle:
        painter.setPen(pen);
        painter.setBrush(shape.filled ? QBrush(Qt::white) : QBrush());
        painter.drawRect(QRectF(At(shape.points.front()), At(shape.points.back())).normalized());
        break;
    case Shape::Kind::Circle:
        pen.setWidthF(1);
        painter.setPen(pen);
        painter.setBrush(shape.filled ? Qt::black : Qt::white);
        painter.drawEllipse(At(shape.points.front()), shape.size, shape.size);
        break;
    case Shape::Kind::Text: {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(static_cast<int>(shape.size));
        font.setBold(shape.bold);
        font.setHintingPreference(QFont::PreferNoHinting);  // the same proportions at every scale
        const QString text = QString::fromStdString(shape.text);
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        const double shift = shape.anchor == Shape::Anchor::Start ? 0 : shape.anchor == Shape::Anchor::Middle ? width / 2 : width;
        painter.setPen(Qt::black);
        painter.setFont(font);
        painter.drawText(At(shape.points.front()) - QPointF(shift, 0), text);
        break;
    }
    }
}

}  // namespace

DrawingView::DrawingView(const char* caption, QWidget* parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(GraphicFactory), true);
    (void)installed;
    setAccessibleName(QString::fromUtf8(caption));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void DrawingView::SetDrawing(Drawing drawing) {
    drawing_ = std::move(drawing);
    setAccessibleDescription(QString::fromStdString(drawing_.description));
    updateGeometry();
    update();
}

QSize DrawingView::sizeHint() const { return {static_cast<int>(drawing_.width), static_cast<int>(drawing_.height)}; }

int DrawingView::heightForWidth(int width) const {
    return drawing_.width > 0 ? static_cast<int>(width * drawing_.height / drawing_.width) : 0;
}

void PaintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& target) {
    if (drawing.width <= 0 || drawing.height <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale = std::min(target.width() / drawing.width, target.height() / drawing.height);
    painter.translate(target.left() + (target.width() - drawing.width * scale) / 2, target.top());
    painter.scale(scale, scale);
    for (const Shape& shape : drawing.shapes) Paint(painter, shape);
    painter.restore();
}

void DrawingView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const double scale = drawing_.width > 0 && drawing_.height > 0
                             ? std::min(width() / drawing_.width, height() / drawing_.height) : 0;
    // Centred in the widget both ways.
    PaintDrawing(painter, drawing_, QRectF(0, (height() - drawing_.height * scale) / 2, width(), drawing_.height * scale));
}

}  // namespace ritmolis
