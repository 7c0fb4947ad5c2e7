#include "HourPicker.h"

#include "ShareRules.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Enter on a focused step button steps, as a click does.
class StepOnEnter : public QObject {
public:
    explicit StepOnEnter(QToolButton* button)
        : QObject(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        static_cast<QToolButton*>(watched)->click();
        return true;
    }
};

} // namespace

HourPicker::HourPicker(QWidget* parent)
    : QWidget(parent)
    , display_(new QLabel(value_, this))
    , up_(new QToolButton(this))
    , down_(new QToolButton(this))
{
    display_->setFrameShape(QFrame::StyledPanel);
    display_->setAlignment(Qt::AlignCenter);
    display_->setMinimumWidth(display_->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) +
                              16);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoRepeat(true);
        new StepOnEnter(button);
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
    layout->addWidget(display_);
    layout->addLayout(buttons);
}

void HourPicker::setValue(const QString& value)
{
    value_ = value;
    display_->setText(value);
    emit valueChanged(value);
}

void HourPicker::step(bool up)
{
    setValue(StepClockTime(value_, up));
}
