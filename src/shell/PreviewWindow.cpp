#include "shell/PreviewWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// At the first zoom step a page is as high as about 700 pixels on screen, A4 landscape or not.
constexpr double TwipsPerPixelAtStart = 16838.0 / 700;
constexpr double ZoomStep = 1.25;
constexpr int ZoomStepsEachWay = 6;

} // namespace

// One page drawn on white paper, at the window's zoom.
class PageView : public QWidget {
public:
    explicit PageView(QWidget* parent)
        : QWidget(parent)
    {
    }

    void show(const PreviewPage& page, double pixelsPerTwip)
    {
        page_ = &page;
        scale_ = pixelsPerTwip;
        setFixedSize((page.paperTwips * scale_).toSize() + QSize(2 * Border, 2 * Border));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().dark());
        if (!page_)
            return;
        painter.translate(Border, Border);
        painter.fillRect(QRectF(QPointF(), page_->paperTwips * scale_), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale_, scale_);
        // A picture records only the changes to the painter's state: it replays on a painter
        // set as the one it was recorded with, not as the widget sets its own.
        painter.setPen(QPen());
        painter.setBrush(QBrush());
        painter.setFont(QFont());
        painter.drawPicture(page_->printableTopLeft, page_->picture);
    }

private:
    static constexpr int Border = 12;
    const PreviewPage* page_ = nullptr;
    double scale_ = 1;
};

PreviewWindow::PreviewWindow(const QList<PreviewPage>& pages, std::function<void()> print,
                             QWidget* parent)
    : QDialog(parent)
    , pages_(pages)
    , view_(new PageView(this))
    , scroll_(new QScrollArea(this))
    , pageNumber_(new QLabel(this))
    , previous_(new QPushButton(QStringLiteral("Page &précédente"), this))
    , next_(new QPushButton(QStringLiteral("Page &suivante"), this))
{
    setWindowTitle(QStringLiteral("Aperçu avant impression"));
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    auto* zoomIn = new QPushButton(QStringLiteral("Zoom a&vant"), this);
    auto* zoomOut = new QPushButton(QStringLiteral("Zoom a&rrière"), this);
    auto* printButton = new QPushButton(QStringLiteral("&Imprimer"), this);
    auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
    connect(previous_, &QPushButton::clicked, this, [this] { showPage(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(current_ + 1); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { zoom(1); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { zoom(-1); });
    connect(printButton, &QPushButton::clicked, this, [this, print = std::move(print)] {
        accept();
        print();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (const auto& [keys, steps] :
         {std::pair{QKeySequence::ZoomIn, 1}, {QKeySequence::ZoomOut, -1}})
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, steps = steps] { zoom(steps); });
    connect(new QShortcut(QKeySequence::MoveToPreviousPage, this), &QShortcut::activated, this,
            [this] { showPage(current_ - 1); });
    connect(new QShortcut(QKeySequence::MoveToNextPage, this), &QShortcut::activated, this,
            [this] { showPage(current_ + 1); });

    auto* tools = new QHBoxLayout;
    for (QWidget* tool :
         std::initializer_list<QWidget*>{previous_, pageNumber_, next_, zoomOut, zoomIn})
        tools->addWidget(tool);
    tools->addStretch();
    tools->addWidget(printButton);
    tools->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(scroll_);
    resize(1100, 820);
    refresh();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::showPage(int index)
{
    if (index < 0 || index >= pages_.size())
        return;
    current_ = index;
    refresh();
}

double PreviewWindow::zoomFactor() const
{
    return std::pow(ZoomStep, zoomSteps_);
}

void PreviewWindow::zoom(int steps)
{
    zoomSteps_ = std::clamp(zoomSteps_ + steps, -ZoomStepsEachWay, ZoomStepsEachWay);
    refresh();
}

void PreviewWindow::refresh()
{
    pageNumber_->setText(QStringLiteral("Page %1 sur %2")
                             .arg(current_ + 1)
                             .arg(std::max<qsizetype>(1, pages_.size())));
    previous_->setEnabled(current_ > 0);
    next_->setEnabled(current_ + 1 < pages_.size());
    if (!pages_.isEmpty())
        view_->show(pages_.at(current_), zoomFactor() / TwipsPerPixelAtStart);
}
