#include "shell/MessageBox.h"

#include "store/AppInfo.h"
#include "store/Twips.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

struct ButtonSet {
    QStringList captions; // by position
    int defaultPosition;  // 0: none
    int cancelPosition;   // 0: none
};

ButtonSet ButtonSetOf(int formType)
{
    const QString ok = QStringLiteral("OK");
    const QString cancel = QStringLiteral("Annuler");
    const QString yes = QStringLiteral("&Oui");
    const QString no = QStringLiteral("&Non");
    const QString retry = QStringLiteral("&Réessayer");
    switch (formType) {
    case 1:
        return {{ok}, 0, 0};
    case 2:
        return {{ok, cancel}, 1, 2};
    case 3:
        return {{yes, no}, 1, 2};
    case 4:
        return {{yes, no, cancel}, 1, 3};
    case 5:
        return {{retry, cancel}, 1, 2};
    case 6:
        return {{QStringLiteral("&Abandon"), retry, QStringLiteral("&Ignorer")}, 1, 3};
    }
    return {{}, 0, 0};
}

// The box's distances are given in twips (1/1440 inch) so that they keep their proportion to
// the text whatever the screen's resolution.
int Twips(const QWidget* widget, int twips)
{
    return qRound(twips * widget->logicalDpiY() / TwipsPerInch);
}

int StockIconSize(const QWidget* widget)
{
    return widget->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, widget);
}

} // namespace

MessageBox::MessageBox(QWidget* parent)
    : QDialog(parent)
    , picture_(new QLabel(this))
    , message_(new QLabel(this))
    , buttonRow_(new QHBoxLayout)
{
    setWindowTitle(AppInfo::Title());

    picture_->setAlignment(Qt::AlignCenter);
    showPicture(QPixmap());
    // Messages are plain text: a doctor's name must never be read as markup.
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The box has one width whatever the message; long messages wrap and make it taller.
    message_->setFixedWidth(fontMetrics().averageCharWidth() * 72);

    const int gap = Twips(this, 100);
    const int margin = Twips(this, 200);

    auto* body = new QHBoxLayout;
    body->setSpacing(gap);
    body->addWidget(picture_, 0, Qt::AlignTop);
    body->addWidget(message_, 0, Qt::AlignTop);

    // The buttons go between the two stretches, which keep the row centred.
    buttonRow_->setSpacing(gap);
    buttonRow_->addStretch();
    buttonRow_->addStretch();

    auto* layout = new QVBoxLayout(this);
    // The box takes the size its message and buttons need, and the user cannot resize it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addLayout(body);
    layout->addLayout(buttonRow_);
}

void MessageBox::setFormType(int formType)
{
    qDeleteAll(setButtons_);
    setButtons_.clear();
    delete helpButton_;
    helpButton_ = nullptr;

    const ButtonSet set = ButtonSetOf(formType);
    for (int position = 1; position <= set.captions.size(); ++position) {
        QPushButton* button = addButton(set.captions.at(position - 1));
        button->setDefault(position == set.defaultPosition);
        connect(button, &QPushButton::clicked, this, [this, position] { answerWith(position); });
        setButtons_.append(button);
    }
    defaultButton_ = set.defaultPosition > 0 ? setButtons_.at(set.defaultPosition - 1) : nullptr;
    cancelButton_ = set.cancelPosition > 0 ? setButtons_.at(set.cancelPosition - 1) : nullptr;
    updateHelpButton();
}

void MessageBox::setHelpButton(int context)
{
    helpContext_ = context;
    updateHelpButton();
}

void MessageBox::setPictureType(int pictureType)
{
    static constexpr QStyle::StandardPixmap StockIcons[] = {
        QStyle::SP_MessageBoxCritical,
        QStyle::SP_MessageBoxWarning,
        QStyle::SP_MessageBoxInformation,
        QStyle::SP_MessageBoxQuestion,
    };
    if (pictureType < 1 || pictureType > 4) {
        showPicture(QPixmap());
        return;
    }
    const QIcon icon = style()->standardIcon(StockIcons[pictureType - 1], nullptr, this);
    showPicture(icon.pixmap(StockIconSize(this)));
}

void MessageBox::setMessage(const QString& message)
{
    message_->setText(message);
}

void MessageBox::setTitle(const QString& title)
{
    setWindowTitle(title);
}

void MessageBox::setFocusedButton(int position)
{
    focusedButton_ = position;
}

QList<QPushButton*> MessageBox::buttons() const
{
    QList<QPushButton*> all = setButtons_;
    if (helpButton_)
        all.append(helpButton_);
    return all;
}

void MessageBox::reject()
{
    // The first set has no cancel button; its lone "OK" stands in for one, so that the box
    // always closes with an answer the caller expects.
    QPushButton* dismiss = cancelButton_;
    if (!dismiss && setButtons_.size() == 1)
        dismiss = setButtons_.first();
    if (dismiss)
        dismiss->click();
    else
        QDialog::reject();
}

void MessageBox::keyPressEvent(QKeyEvent* event)
{
    // F1 is the keyboard's way to the "Aide" button.
    if (event->key() == Qt::Key_F1 && helpButton_) {
        emit helpRequested(helpContext_);
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A spontaneous show is the window coming back from the system, not a new question.
    if (event->spontaneous())
        return;
    answer_.clear();
    // The focus is set at every showing: the box is shared, and the previous question may
    // have left it on another button.
    const QList<QPushButton*> all = buttons();
    QPushButton* focused = defaultButton_ ? defaultButton_ : all.value(0);
    if (focusedButton_ >= 1 && focusedButton_ <= all.size())
        focused = all.at(focusedButton_ - 1);
    if (focused)
        focused->setFocus();
    centreOnScreen();
}

QPushButton* MessageBox::addButton(const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    buttonRow_->insertWidget(buttonRow_->count() - 1, button);
    return button;
}

void MessageBox::updateHelpButton()
{
    const bool wanted = helpContext_ != 0 && !setButtons_.isEmpty();
    if (wanted && !helpButton_) {
        helpButton_ = addButton(QStringLiteral("Aide"));
        connect(helpButton_, &QPushButton::clicked, this,
                [this] { emit helpRequested(helpContext_); });
    } else if (!wanted && helpButton_) {
        delete helpButton_;
        helpButton_ = nullptr;
    }
    // All the buttons take the width of the widest caption.
    const QList<QPushButton*> all = buttons();
    int width = 0;
    for (const QPushButton* button : all)
        width = qMax(width, button->sizeHint().width());
    for (QPushButton* button : all)
        button->setMinimumWidth(width);
}

void MessageBox::showPicture(const QPixmap& picture)
{
    picture_->setPixmap(picture);
    // Without a picture, or with a small one, the area keeps a stock icon's size, so that the
    // message starts at the same place.
    const int stock = StockIconSize(this);
    picture_->setFixedSize(
        picture.deviceIndependentSize().toSize().expandedTo(QSize(stock, stock)));
}

void MessageBox::answerWith(int position)
{
    answer_ = QString::number(position);
    done(position);
}

void MessageBox::centreOnScreen()
{
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}
