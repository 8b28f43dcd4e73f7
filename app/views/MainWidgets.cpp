#include "app/views/MainWidgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/Form1Model.h"

namespace pav::app {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { setMouseTracking(true); }

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    emit pointerMoved(event->position().toPoint());
}

void ClickLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit hovered();
}

// ------------------------------------------------------------------ fabric

FabricBox::FabricBox(Form1Model& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_label8(new ClickLabel(QString(), this)) {
    setObjectName("Picture2");
    setMouseTracking(true);
    setCursor(Qt::OpenHandCursor);
    m_label8->setObjectName("Label8");
    m_label8->setFont(model.textFont());
    m_label8->setContentsMargins(0, 0, 0, 0);
    m_label8->setStyleSheet("QLabel { color: black; background: transparent; }");
    m_label8->hide();
    // The pointer may catch up with the label it drags: its moves still move it.
    QObject::connect(m_label8, &ClickLabel::pointerMoved, this, [this](QPoint at) {
        const QPointF p = inPicture4(m_label8->mapTo(this, at));
        m_model.picture4MouseMove(p.x(), p.y());
    });
    QObject::connect(m_label8, &ClickLabel::clicked, this, [this] { m_model.label8Click(); });
}

QPoint FabricBox::picture4Origin() const {
    return QPoint(qRound(m_model.picture4Left() / kTwipsPerPixel), qRound(m_model.picture4Top() / kTwipsPerPixel));
}

bool FabricBox::onPicture4(QPointF position) const {
    const QRectF box(picture4Origin(), m_model.picture4Size());
    return box.contains(position);
}

QPointF FabricBox::inPicture4(QPointF position) const { return position - QPointF(picture4Origin()); }

void FabricBox::syncLabel8() {
    if (!m_model.label8Visible()) {
        m_label8->hide();
        return;
    }
    const QRect r = m_model.label8Rect();
    m_label8->setText(QString::fromStdString(m_model.label8Caption()));
    m_label8->setGeometry(QRect(r.topLeft() + picture4Origin(), QSize(std::max(1, r.width()), r.height())));
    m_label8->show();
    m_label8->raise();
}

void FabricBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QPoint origin = picture4Origin();
    const QRect shown = rect().translated(-origin).intersected(QRect(QPoint(0, 0), m_model.picture4Size()));
    if (!shown.isEmpty()) painter.drawImage(shown.topLeft() + origin, m_model.picture4Region(shown));
}

void FabricBox::mousePressEvent(QMouseEvent* event) {
    m_pressedOnPicture4 = onPicture4(event->position());
    if (!m_pressedOnPicture4) return;  // Picture2 itself does nothing
    const QPointF p = inPicture4(event->position());
    m_model.picture4MouseDown(p.x(), p.y());
}

void FabricBox::mouseMoveEvent(QMouseEvent* event) {
    if (!onPicture4(event->position()) && !m_pressedOnPicture4) return;
    const QPointF p = inPicture4(event->position());
    m_model.picture4MouseMove(p.x(), p.y());
}

void FabricBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_pressedOnPicture4) return;
    m_pressedOnPicture4 = false;
    const QPointF p = inPicture4(event->position());
    m_model.picture4MouseUp(p.x(), p.y());
}

// ------------------------------------------------------------------ preview

PreviewBox::PreviewBox(Form1Model& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setObjectName("Picture1");
    setFixedSize(Form1Model::kPreviewWidth, Form1Model::kPreviewHeight);
    setCursor(Qt::OpenHandCursor);
}

void PreviewBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_model.picture1());
}

void PreviewBox::mousePressEvent(QMouseEvent* event) {
    m_model.picture1MouseDown(event->position().x(), event->position().y());
}

void PreviewBox::mouseReleaseEvent(QMouseEvent* event) {
    m_model.picture1MouseUp(event->position().x(), event->position().y());
}

} // namespace pav::app
