#include "settings/Form4View.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "settings/SettingsTexts.h"
#include "base/UiText.h"

namespace pav::settings {
namespace {

// 'X' deep red, 'o' light red highlight, '.' bare cloth.
constexpr const char* kHeart[] = {
    "..XXX...XXX..", ".XXoXX.XXXXX.", "XXooXXXXXXXXX", "XXoXXXXXXXXXX", "XXXXXXXXXXXXX", ".XXXXXXXXXXX.",
    "..XXXXXXXXX..", "...XXXXXXX...", "....XXXXX....", ".....XXX.....", "......X......",
};
constexpr int kMotifWidth = 13;
constexpr int kMotifHeight = 11;
constexpr int kMargin = 2; // bare cells around the motif
constexpr int kCell = 8;

void drawCloth(QPainter& painter, int columns, int rows) {
    painter.fillRect(0, 0, columns * kCell + 1, rows * kCell + 1, QColor(248, 243, 228));
    painter.setPen(QPen(QColor(222, 212, 188), 1));
    for (int x = 0; x <= columns; ++x)
        painter.drawLine(x * kCell, 0, x * kCell, rows * kCell);
    for (int y = 0; y <= rows; ++y)
        painter.drawLine(0, y * kCell, columns * kCell, y * kCell);
}

void drawCross(QPainter& painter, int column, int row, const QColor& thread) {
    const QRectF cell(column * kCell + 1.5, row * kCell + 1.5, kCell - 3.0, kCell - 3.0);
    painter.setPen(QPen(thread, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(cell.topLeft(), cell.bottomRight());
    painter.drawLine(cell.bottomLeft(), cell.topRight());
}

} // namespace

Form4View::Form4View(Form4Model& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setUiText(this, "windowTitle", Form4Model::caption());
    buildControls();
    m_model.setObserver(this);
    // The window loads when it is made: a box shown with a plain show() names the product too.
    m_model.load();
}

Form4View::~Form4View() {
    m_model.setObserver(nullptr);
}

QPixmap Form4View::productPicture() {
    const int columns = kMotifWidth + 2 * kMargin;
    const int rows = kMotifHeight + 2 * kMargin;
    QPixmap picture(columns * kCell + 1, rows * kCell + 1);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawCloth(painter, columns, rows);
    for (int y = 0; y < kMotifHeight; ++y)
        for (int x = 0; x < kMotifWidth; ++x) {
            const char stitch = kHeart[y][x];
            if (stitch == '.') continue;
            drawCross(painter, x + kMargin, y + kMargin,
                      stitch == 'o' ? QColor(240, 110, 120) : QColor(190, 20, 40));
        }
    return picture;
}

void Form4View::buildControls() {
    auto* image1 = new QLabel;
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(productPicture());

    m_label2 = new QLabel;
    m_label2->setObjectName(QStringLiteral("Label2"));
    QFont large = m_label2->font();
    large.setPointSizeF(large.pointSizeF() * 1.2);
    large.setBold(true);
    m_label2->setFont(large);

    m_label1 = withUiText(new QLabel, Form4Model::label1Text());
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setCursor(Qt::PointingHandCursor);
    m_label1->installEventFilter(this);

    auto* page = new QGridLayout(this);
    page->setContentsMargins(16, 16, 16, 12);
    page->setHorizontalSpacing(20);
    page->addWidget(image1, 0, 0, 2, 1, Qt::AlignTop);
    page->addWidget(m_label2, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    page->addWidget(m_label1, 1, 1, Qt::AlignRight | Qt::AlignBottom);
}

void Form4View::showAbout() {
    m_model.load();
    show();
    raise();
    activateWindow();
}

bool Form4View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        m_model.label1Click();
    return QDialog::eventFilter(watched, event);
}

void Form4View::textsChanged() {
    m_label2->setText(uiText(m_model.label2Text()));
    // The box fits its texts, which are only known once the window has loaded.
    setFixedSize(sizeHint());
}

void Form4View::closeRequested() {
    // Unloads the box: one made to delete itself on close goes away.
    close();
}

} // namespace pav::settings
