#include "controls/HourPicker.h"

#include "document/ShareCheck.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

} // namespace

HourPicker::HourPicker(QWidget* parent)
    : QWidget(parent)
    , field_(new QLineEdit(value_, this))
    , up_(new QToolButton(this))
    , down_(new QToolButton(this))
{
    field_->setAlignment(Qt::AlignCenter);
    field_->setMaxLength(8);
    field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 16);
    setFocusProxy(field_);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    field_->installEventFilter(this);
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        // The wheel turns the time over the buttons as over the field.
        button->installEventFilter(this);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(true); });
    connect(down_, &QToolButton::clicked, this, [this] { step(false); });

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(up_);
    buttons->addWidget(down_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(field_);
    layout->addLayout(buttons);
}

void HourPicker::setValue(const QString& value)
{
    value_ = value;
    field_->setText(value);
    emit valueChanged(value);
}

void HourPicker::step(bool up)
{
    if (commit())
        setValue(StepClockTime(value_, up));
}

bool HourPicker::commit()
{
    if (field_->text() == value_)
        return true;
    if (const std::optional<QString> typed = TypedClockTime(field_->text())) {
        setValue(*typed);
        return true;
    }
    field_->setText(value_);
    // A step button held down would go on stepping from the time given back.
    for (QToolButton* button : {up_, down_})
        button->setDown(false);
    emit refused(QStringLiteral("Cette heure n'est pas valable.\r\n"
                                "Indiquez une heure pleine ou une demi-heure, par exemple "
                                "20:00, 20h, 20h30 ou 8."));
    return false;
}

bool HourPicker::eventFilter(QObject* watched, QEvent* event)
{
    // The filter sees the wheel before a disabled widget drops it.
    if (event->type() == QEvent::Wheel) {
        if (isEnabled())
            turnWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    if (watched != field_)
        return false;
    if (event->type() == QEvent::FocusOut) {
        // Leaving for another window (a message box over this one) is no end of the typing.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            commit();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        step(static_cast<QKeyEvent*>(event)->key() == Qt::Key_Up);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A time taken goes on to the dialog's default button; a refused one stops here.
        return !commit();
    default:
        return false;
    }
}

void HourPicker::turnWheel(int delta)
{
    wheelRest_ += delta;
    while (wheelRest_ >= WheelNotch || wheelRest_ <= -WheelNotch) {
        const bool up = wheelRest_ > 0;
        wheelRest_ -= up ? WheelNotch : -WheelNotch;
        step(up);
    }
}
