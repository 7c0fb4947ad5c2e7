#include "shell/HelpWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QUrl Manual(QStringLiteral("qrc:/help/Rotalis.html"));

// The anchor a heading carries, empty for one that cannot be linked to.
QString AnchorOf(const QTextBlock& block)
{
    return block.begin().fragment().charFormat().anchorNames().value(0);
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new QTextBrowser(this))
    , contents_(new QTreeWidget(this))
    , findField_(new QLineEdit(this))
    , findStatus_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Aide de Rotalis"));
    // The manual has its own sections only: nothing is handed to another program.
    browser_->setOpenExternalLinks(false);
    browser_->setSource(Manual);
    contents_->header()->hide();
    fillContents();
    const auto open = [this](QTreeWidgetItem* item) {
        showSection(item->data(0, Qt::UserRole).toString());
    };
    connect(contents_, &QTreeWidget::itemClicked, this, open);
    connect(contents_, &QTreeWidget::itemActivated, this, open);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 680});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildToolRow());
    layout->addWidget(splitter, 1);
    // Whole on the screen, its title bar and a panel of the desktop beside it (1366 by 768
    // leaves it 668 pixels high).
    resize(QSize(960, 680).boundedTo(screen()->availableGeometry().size() - QSize(40, 100)));
}

QLayout* HelpWindow::buildToolRow()
{
    auto* back = new QPushButton(QStringLiteral("&Précédent"), this);
    auto* forward = new QPushButton(QStringLiteral("&Suivant"), this);
    auto* print = new QPushButton(QStringLiteral("&Imprimer..."), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(print, &QPushButton::clicked, this, &HelpWindow::print);

    auto* findLabel = new QLabel(QStringLiteral("&Rechercher :"), this);
    findLabel->setBuddy(findField_);
    connect(findField_, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    connect(findField_, &QLineEdit::textEdited, findStatus_, &QLabel::clear);
    connect(new QShortcut(Qt::Key_F3, this), &QShortcut::activated, this, &HelpWindow::findNext);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        findField_->setFocus();
        findField_->selectAll();
    });

    auto* row = new QHBoxLayout;
    for (QWidget* widget : QList<QWidget*>{back, forward, print})
        row->addWidget(widget);
    row->addSpacing(24);
    row->addWidget(findLabel);
    row->addWidget(findField_);
    // The free room goes to the search's answer, which is then never cut.
    row->addWidget(findStatus_, 1);
    return row;
}

void HelpWindow::fillContents()
{
    // The chapters (h2) and their sections (h3) that links can reach.
    QTreeWidgetItem* chapter = nullptr;
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        const QString anchor = AnchorOf(block);
        if ((level != 2 && level != 3) || anchor.isEmpty())
            continue;
        auto* item =
            level == 3 && chapter ? new QTreeWidgetItem(chapter) : new QTreeWidgetItem(contents_);
        item->setText(0, block.text().simplified());
        item->setData(0, Qt::UserRole, anchor);
        if (level == 2)
            chapter = item;
    }
    contents_->expandAll();
}

void HelpWindow::showSection(const QString& section)
{
    QUrl place = Manual;
    // An empty fragment would still end the address with "#", a place of its own in the history.
    place.setFragment(section.isEmpty() ? QString() : section);
    browser_->setSource(place);
}

void HelpWindow::findNext()
{
    const QString text = findField_->text();
    if (text.isEmpty())
        return;
    // Past the last occurrence the search goes on from the top of the manual.
    const QTextDocument* manual = browser_->document();
    QTextCursor found = manual->find(text, browser_->textCursor());
    if (found.isNull())
        found = manual->find(text);
    if (!found.isNull())
        browser_->setTextCursor(found);
    findStatus_->setText(found.isNull() ? QStringLiteral("Aucun résultat") : QString());
}

void HelpWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    // A selected passage may be printed alone.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, browser_->textCursor().hasSelection());
    if (dialog.exec() == QDialog::Accepted)
        browser_->print(&printer);
}
