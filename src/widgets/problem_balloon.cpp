// The balloon notice: a frameless rounded window with a tail, painted by hand.
#include "widgets/problem_balloon.h"

#include "app/message_layout.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

namespace velmar {
namespace {

constexpr int kWidth = 300;
constexpr int kTailHeight = 12;
constexpr int kTailHalfBase = 9;
constexpr int kTailInset = 24;  // distance of the tail's tip from the balloon's left edge
constexpr int kRadius = 8;
constexpr int kMargin = 14;
constexpr int kLifetimeMs = 5000;

class ProblemBalloon : public QWidget {
public:
    ProblemBalloon(const QString& text, QWidget* control);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void pointAt(QWidget* control);

    int tipX_ = kTailInset;
    bool tailUp_ = true;  // below the control, tail pointing up; above it when there is no room below
};

ProblemBalloon::ProblemBalloon(const QString& text, QWidget* control)
    : QWidget(control->window(), Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("ProblemBalloon"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(iconSize, iconSize));
    auto* title = new QLabel(kProblemTitle, this);
    title->setObjectName(QStringLiteral("ProblemTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* message = new QLabel(text, this);
    message->setObjectName(QStringLiteral("ProblemText"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(6);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(title, 0, 1);
    layout->addWidget(message, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    pointAt(control);

    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &QWidget::close);
    timer->start(kLifetimeMs);
}

// Puts the tail's tip on the middle of the control's lower edge, or of its upper edge near the screen's bottom.
void ProblemBalloon::pointAt(QWidget* control)
{
    setContentsMargins(kMargin, kMargin + kTailHeight, kMargin, kMargin);
    resize(kWidth, heightForWidth(kWidth));
    const QRect area = control->screen()->availableGeometry();
    QPoint tip = control->mapToGlobal(QPoint(control->width() / 2, control->height()));
    tailUp_ = tip.y() + height() <= area.bottom() + 1;
    if (!tailUp_) {
        tip = control->mapToGlobal(QPoint(control->width() / 2, 0));
        setContentsMargins(kMargin, kMargin, kMargin, kMargin + kTailHeight);
    }
    const int left = qBound(area.left(), tip.x() - kTailInset, area.right() + 1 - width());
    tipX_ = tip.x() - left;
    move(left, tailUp_ ? tip.y() : tip.y() - height());
}

void ProblemBalloon::paintEvent(QPaintEvent*)
{
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QRectF body = tailUp_ ? frame.adjusted(0, kTailHeight, 0, 0) : frame.adjusted(0, 0, 0, -kTailHeight);
    const qreal base = tailUp_ ? body.top() : body.bottom();
    const qreal tipY = tailUp_ ? frame.top() : frame.bottom();
    // Keep the tail clear of the rounded corners when the tip sits near an edge.
    const qreal tipX = qBound<qreal>(kRadius + kTailHalfBase, tipX_, width() - kRadius - kTailHalfBase);

    QPainterPath tail;
    tail.moveTo(tipX - kTailHalfBase, base);
    tail.lineTo(tipX_, tipY);
    tail.lineTo(tipX + kTailHalfBase, base);
    tail.closeSubpath();
    QPainterPath shape;
    shape.addRoundedRect(body, kRadius, kRadius);
    shape = shape.united(tail);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(shape);
}

QPointer<ProblemBalloon>& shownBalloon()
{
    static QPointer<ProblemBalloon> balloon;
    return balloon;
}

}  // namespace

void ShowProblem(const QString& text, QWidget* control)
{
    if (shownBalloon())
        shownBalloon()->close();
    shownBalloon() = new ProblemBalloon(text, control);
    shownBalloon()->show();
}

}  // namespace velmar
