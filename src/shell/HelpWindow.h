#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;

// The program's own help: the French manual compiled into the program, with its contents,
// the history of the sections read, a search in the page and printing. It needs no browser.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Scrolls to the manual's section with this anchor; an empty one is the start of the manual.
    void showSection(const QString& section);

private:
    QLayout* buildToolRow();
    void fillContents();
    void findNext();
    void print();

    QTextBrowser* browser_;
    QTreeWidget* contents_;
    QLineEdit* findField_;
    QLabel* findStatus_;
};
